#include "render/Intro.h"

// Intro 10 lays its text out as intro 1 does; the ball ring is the particle step's.
void DisegnaIntro10(ContestoRendering& contesto) {
    DisegnaIntro1(contesto);
}
