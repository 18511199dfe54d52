#pragma once
// The port of the main window over the real windows: the colour picker, the message box, the
// choosers, the configuration window, the codec and encoding windows. Each is created once,
// with the main window as its owner, and set up with the language given right before each run.
#include "app/Frm6configurazione.h"
#include "app/PortaDialoghi.h"

class TForm2Principale;
class TORVDLGCodificaVideo;
class TORVDLGColor;
class TORVDLGMessaggi;
class TORVDLGMessaggio;
class TORVDLGOpenDialog;
class TORVDLGSceltaCodec;
class TORVDLGSelectDirectory;

class PortaDialoghiReale : public PortaDialoghi, public PortaConfigurazione {
public:
    // Creates the dialogs in their start-up order, owned by principale.
    PortaDialoghiReale(TForm2Principale& principale, TForm6Configurazione& configurazione);

    EsitoColori ScegliColore(int lingua, Colore colore) override;
    EsitoColori ScegliDueColori(int lingua, Colore colore1, Colore colore2) override;
    EsitoPercorso ScegliFile(int lingua, const QString& fileAttuale) override;
    EsitoPercorso ScegliCartella(int lingua) override;
    int Messaggio(int lingua, int tipo, const QString& testo) override;
    void Avviso(int lingua, const QString& testo, std::function<void()> visto) override;
    bool Configura(int lingua, ImpostazioniProgetto& impostazioni) override;
    void ConsegnaImpostazioniCodec(const QString& impostazioni) override;
    QString SceltaCodec(int lingua) override;
    void Codifica(int lingua, const ConsegnaCodifica& consegna) override;
    bool InoltraChiusura() override;

    // The configuration window's chooser and message box.
    int ScegliImmagine(int lingua, QString& percorso) override;
    void MostraMessaggio(int lingua, int tipo, const QString& testo) override;

    TORVDLGMessaggi& Messaggi() { return *messaggi; }
    TORVDLGCodificaVideo& CodificaVideo() { return *codificaVideo; }
    TORVDLGSceltaCodec& SceltaCodecVideo() { return *sceltaCodec; }

private:
    TForm2Principale& principale;
    TForm6Configurazione& configurazione;
    TORVDLGColor* colore;
    TORVDLGMessaggi* messaggi;
    TORVDLGSelectDirectory* cartella;
    TORVDLGMessaggio* messaggio;
    TORVDLGOpenDialog* apri;
    TORVDLGCodificaVideo* codificaVideo;
    TORVDLGSceltaCodec* sceltaCodec;
};
