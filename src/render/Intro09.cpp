#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro9(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
