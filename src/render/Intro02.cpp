#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro2(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
