#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro8(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
