#include "render/ContestoRendering.h"
#include "render/Intro.h"

void DisegnaIntro5(ContestoRendering& contesto) {
    PassiInizialiFrame(contesto);
    PassiFinaliFrame(contesto);
}
