#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro3(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
