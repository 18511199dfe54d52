#pragma once
// The hand-off after the animation loop, for the main window: the frame list is written, the
// encoding window is set up with the frames and the language and shown until closed.
#include "encoding/AvviaCodifica.h"

class TORVDLGCodificaVideo;
class TORVDLGSceltaCodec;

// The window's answer (1 video made, 7 not); the main window has no use for it.
int ConsegnaCodificaVideo(TORVDLGCodificaVideo& finestra, const DatiAvvioCodifica& dati, int lingua);
// The same once the frame list has been written.
int MostraCodificaVideo(TORVDLGCodificaVideo& finestra, const ConsegnaCodifica& consegna, int lingua);

// From now on each run of the encoding window takes the codec window's choice, and the
// codec window shows the command line for that run's frames.
void CollegaSceltaCodec(TORVDLGCodificaVideo& codifica, TORVDLGSceltaCodec& codec);
