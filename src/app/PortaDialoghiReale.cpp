#include "app/PortaDialoghiReale.h"

#include "app/Frm2principale.h"
#include "dialogs/Forvdlgcolor.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/Forvdlgmessaggio.h"

namespace {
const QString Parola1 = QStringLiteral("QV");
const QString Parola2 = QStringLiteral("Intro");
}  // namespace

PortaDialoghiReale::PortaDialoghiReale(TForm2Principale& principale, TForm6Configurazione& configurazione)
    : configurazione(configurazione), colore(new TORVDLGColor(&principale)),
      messaggi(new TORVDLGMessaggi(&principale)), messaggio(new TORVDLGMessaggio(&principale)) {
    messaggio->hide();
}

EsitoColori PortaDialoghiReale::ScegliColore(int lingua, Colore valore) {
    colore->Inizializza(lingua, true, Parola1, Parola2);
    TColor scelto = valore;
    EsitoColori esito;
    esito.Risultato = colore->EseguiUnColore(scelto);
    esito.Colore1 = scelto;
    return esito;
}

EsitoColori PortaDialoghiReale::ScegliDueColori(int lingua, Colore colore1, Colore colore2) {
    colore->Inizializza(lingua, true, Parola1, Parola2);
    TColor scelto1 = colore1, scelto2 = colore2;
    EsitoColori esito;
    esito.Risultato = colore->EseguiDueColori(scelto1, scelto2);
    esito.Colore1 = scelto1;
    esito.Colore2 = scelto2;
    return esito;
}

EsitoPercorso PortaDialoghiReale::ScegliFile(int) {
    return {};
}

EsitoPercorso PortaDialoghiReale::ScegliCartella(int) {
    return {};
}

int PortaDialoghiReale::Messaggio(int lingua, int tipo, const QString& testo) {
    messaggi->Inizializza(lingua, true, Parola1, Parola2);
    return messaggi->MostraMessaggio(tipo, testo);
}

bool PortaDialoghiReale::Configura(int, ImpostazioniProgetto&) {
    return configurazione.Esegui();
}

void PortaDialoghiReale::ConsegnaImpostazioniCodec(const QString& impostazioni) {
    impostazioniCodec = impostazioni;
}

QString PortaDialoghiReale::SceltaCodec(int) {
    return impostazioniCodec;
}

void PortaDialoghiReale::Codifica(int, const ConsegnaCodifica&) {}

int PortaDialoghiReale::ScegliImmagine(int, QString&) {
    return RisultatoAnnulla;
}

void PortaDialoghiReale::MostraMessaggio(int lingua, int tipo, const QString& testo) {
    Messaggio(lingua, tipo, testo);
}
