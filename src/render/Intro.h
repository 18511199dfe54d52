#pragma once
// The intro renderers, one per file. Each draws the whole frame FrameCorrente into
// CanvasFrame: PassiInizialiFrame, its own drawing, PassiFinaliFrame.
class ContestoRendering;

void DisegnaIntro1(ContestoRendering& contesto);
void DisegnaIntro2(ContestoRendering& contesto);
void DisegnaIntro3(ContestoRendering& contesto);
void DisegnaIntro4(ContestoRendering& contesto);
void DisegnaIntro5(ContestoRendering& contesto);
void DisegnaIntro6(ContestoRendering& contesto);
void DisegnaIntro7(ContestoRendering& contesto);
void DisegnaIntro8(ContestoRendering& contesto);
void DisegnaIntro9(ContestoRendering& contesto);
// The same layout as intro 1; the ball ring comes from the particle step.
void DisegnaIntro10(ContestoRendering& contesto);
