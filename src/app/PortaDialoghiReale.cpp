#include "app/PortaDialoghiReale.h"

#include "app/Frm2principale.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/Forvdlgmessaggio.h"

namespace {
const QString Parola1 = QStringLiteral("QV");
const QString Parola2 = QStringLiteral("Intro");
}  // namespace

PortaDialoghiReale::PortaDialoghiReale(TForm2Principale& principale, TForm6Configurazione& configurazione)
    : configurazione(configurazione), messaggi(new TORVDLGMessaggi(&principale)),
      messaggio(new TORVDLGMessaggio(&principale)) {
    messaggio->hide();
}

EsitoColori PortaDialoghiReale::ScegliColore(int, Colore) {
    return {};
}

EsitoColori PortaDialoghiReale::ScegliDueColori(int, Colore, Colore) {
    return {};
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
