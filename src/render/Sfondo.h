#pragma once
class ContestoRendering;

// Clears the composition canvas and paints the background of the frame: the custom
// background of intros 2, 3 and 6, or the gradient, checkerboard, picture or flares kind.
void DisegnaSfondo(ContestoRendering& contesto);
