#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro7(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
