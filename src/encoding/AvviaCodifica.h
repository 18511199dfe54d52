#pragma once
// The step after the animation loop: writes the frame list file and gives the encoding
// window what it needs for the run. The window itself is shown by the caller.
#include "encoding/ParametriCodifica.h"

#include <QString>

// The project values that the hand-off reads.
struct DatiAvvioCodifica {
    QString PercorsoOutput;
    double TotaleFrame = 0;      // records of the list file
    bool UsaJpg = false;
    QString FrameRate;           // the frame-rate list's caption, e.g. "25"
    int Durata = 0;              // frames the encoder is expected to make
};

struct ConsegnaCodifica {
    ParametriCodifica Parametri;
    QString PercorsoListaFrame;
    bool ListaScritta = false;   // a list that cannot be written stops nothing
    QString ErroreLista;         // for the user, when the list could not be written
};

// The caption's leading decimal digits; 0 when it has none.
int LeggiFrameRate(const QString& caption);
// The rate of an item (1-based) of the project's frame-rate list, read from the form's own
// items: in French the captions are placeholders; 0 for an item out of the list.
int FrameAlSecondoDellaVoce(int voce);

ConsegnaCodifica AvviaCodifica(const DatiAvvioCodifica& dati);
