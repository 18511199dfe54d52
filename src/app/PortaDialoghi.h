#pragma once
// Everything the main window asks of the world outside it: the colour, file and folder
// choosers, the message box, the configuration and codec windows and the encoding window.
// Every call carries the interface language, so each dialog is set up right before it runs.
// The program plugs in the real dialogs; the window's tests plug in a fake.
#include "encoding/AvviaCodifica.h"
#include "project/ImpostazioniProgetto.h"

#include <QString>

#include <functional>

// A colour pick: the answer (6 OK, 7 Cancel, 0 closed) and, on OK, the chosen colours.
// A one-colour pick returns its colour as Colore1.
struct EsitoColori {
    int Risultato = 0;
    Colore Colore1 = 0;
    Colore Colore2 = 0;
};

// A file or folder choice: the answer (1 Open/OK, 2 Cancel, 0 closed) and the chosen path.
struct EsitoPercorso {
    int Risultato = 0;
    QString Percorso;
};

class PortaDialoghi {
public:
    virtual ~PortaDialoghi() = default;

    // The colour picker on one colour, or on a pair.
    virtual EsitoColori ScegliColore(int lingua, Colore colore) = 0;
    virtual EsitoColori ScegliDueColori(int lingua, Colore colore1, Colore colore2) = 0;
    // The image file chooser (history "Quenvox.txt" in the work folder), opened where the file
    // being replaced lies.
    virtual EsitoPercorso ScegliFile(int lingua, const QString& fileAttuale) = 0;
    // The folder chooser (history "Quenvox1.txt" in the work folder).
    virtual EsitoPercorso ScegliCartella(int lingua) = 0;
    // The message box; tipo is a TipoMessaggio (1 error, 2 notice, 3 question). Returns the
    // answer (6 Yes, 7 No for a question; 1 otherwise; 0 closed).
    virtual int Messaggio(int lingua, int tipo, const QString& testo) = 0;
    // A notice; visto runs once it was shown and closed, also when it had to wait for a box
    // already open.
    virtual void Avviso(int lingua, const QString& testo, std::function<void()> visto) {
        Messaggio(lingua, 2, testo);
        if (visto) visto();
    }
    // The configuration window over the settings (image slots, language boxes). True when an
    // image slot changed, so the preview must be drawn again.
    virtual bool Configura(int lingua, ImpostazioniProgetto& impostazioni) = 0;
    // The codec settings string read from the project at start-up, handed to the codec window.
    virtual void ConsegnaImpostazioniCodec(const QString& impostazioni) = 0;
    // The codec window; returns its settings string as the user leaves it.
    virtual QString SceltaCodec(int lingua) = 0;
    // The encoding window after a completed run, with the frames the hand-off describes.
    virtual void Codifica(int lingua, const ConsegnaCodifica& consegna) = 0;
    // A close request of the main window while the encoding window is open (true; false when
    // it is not): during the run it stops the run; after it, it closes that window and then
    // the main window.
    virtual bool InoltraChiusura() { return false; }
};
