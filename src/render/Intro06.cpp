#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro6(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
