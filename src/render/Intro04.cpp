#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro4(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
