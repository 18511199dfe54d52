#include "app/PortaDialoghiReale.h"

#include "app/Frm2principale.h"
#include "dialogs/ConsegnaCodificaVideo.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgcolor.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/Forvdlgmessaggio.h"
#include "dialogs/Forvdlgopendialog.h"
#include "dialogs/Forvdlgsceltacodec.h"
#include "dialogs/Forvdlgselectdirectory.h"
#include "encoding/TestiCodifica.h"
#include "platform/CartelleUtente.h"
#include "project/MotivoSistema.h"

#include <QDir>
#include <QTimer>

namespace {
const QString Parola1 = QStringLiteral("QV");
const QString Parola2 = QStringLiteral("Intro");
constexpr int TipoFileImmagini = 1;

// The choosers' folder histories in the work folder.
QString FileStoricoImmagini() { return CartellaLavoro + QStringLiteral("/Quenvox.txt"); }
QString FileStoricoCartelle() { return CartellaLavoro + QStringLiteral("/Quenvox1.txt"); }
}  // namespace

PortaDialoghiReale::PortaDialoghiReale(TForm2Principale& principale, TForm6Configurazione& configurazione)
    : principale(principale), configurazione(configurazione), colore(new TORVDLGColor(&principale)),
      messaggi(new TORVDLGMessaggi(&principale)), cartella(new TORVDLGSelectDirectory(&principale)),
      messaggio(new TORVDLGMessaggio(&principale)), apri(new TORVDLGOpenDialog(&principale)),
      codificaVideo(new TORVDLGCodificaVideo(&principale)), sceltaCodec(new TORVDLGSceltaCodec(&principale)) {
    messaggio->hide();
    // The codec window's choice travels with the project and feeds every encoding run.
    sceltaCodec->ImpostaModello(&principale.Impostazioni());
    CollegaSceltaCodec(*codificaVideo, *sceltaCodec);
    codificaVideo->ImpostaMessaggio(
        [this](int tipo, const QString& testo) { return Messaggio(codificaVideo->LinguaDialogo(), tipo, testo); });
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

EsitoPercorso PortaDialoghiReale::ScegliFile(int lingua, const QString& fileAttuale) {
    EsitoPercorso esito;
    esito.Percorso = fileAttuale;
    apri->Inizializza(lingua, true, Parola1, Parola2, FileStoricoImmagini(), TipoFileImmagini);
    esito.Risultato = apri->Esegui(esito.Percorso);
    // Only a chosen file is an answer; the starting file is not.
    if (esito.Risultato != RisultatoOk) esito.Percorso.clear();
    return esito;
}

EsitoPercorso PortaDialoghiReale::ScegliCartella(int lingua) {
    EsitoPercorso esito;
    cartella->Inizializza(lingua, true, Parola1, Parola2, FileStoricoCartelle());
    esito.Risultato = cartella->Esegui(esito.Percorso);
    return esito;
}

int PortaDialoghiReale::Messaggio(int lingua, int tipo, const QString& testo) {
    messaggi->Inizializza(lingua, true, Parola1, Parola2);
    return messaggi->MostraMessaggio(tipo, MotiviSistemaInLingua(testo, lingua));
}

void PortaDialoghiReale::Avviso(int lingua, const QString& testo, std::function<void()> visto) {
    messaggi->Inizializza(lingua, true, Parola1, Parola2);
    messaggi->MostraMessaggio(MessaggioAvviso, MotiviSistemaInLingua(testo, lingua), std::move(visto));
}

bool PortaDialoghiReale::Configura(int, ImpostazioniProgetto&) {
    return configurazione.Esegui();
}

void PortaDialoghiReale::ConsegnaImpostazioniCodec(const QString& impostazioni) {
    sceltaCodec->LeggiImpostazioniCodec(impostazioni);
}

QString PortaDialoghiReale::SceltaCodec(int lingua) {
    // The command line shown is built for the frames of the project as it stands.
    const ImpostazioniProgetto& m = principale.Impostazioni();
    ParametriCodifica frame;
    frame.CartellaVideo = QDir(PercorsoOutput).filePath(QString::fromLatin1(TestiCodifica::CartellaVideo));
    frame.FrameAlSecondo = FrameAlSecondoDellaVoce(m.ProgettoFrameRate.Voce());
    frame.FrameInJpg = m.UsaJpg;
    frame.NumeroFrame = m.ProgettoDurata;
    frame.PrefissoFrame = QString::fromLatin1(TestiCodifica::PrefissoFrame);
    sceltaCodec->ImpostaParametriFrame(frame);
    sceltaCodec->Inizializza(lingua, true, Parola1, Parola2);
    sceltaCodec->Esegui();
    return sceltaCodec->ScriviImpostazioniCodec();
}

void PortaDialoghiReale::Codifica(int lingua, const ConsegnaCodifica& consegna) {
    MostraCodificaVideo(*codificaVideo, consegna, lingua);
}

bool PortaDialoghiReale::InoltraChiusura() {
    if (!codificaVideo->isVisible()) return false;
    const bool inCorso = codificaVideo->InEsecuzione();
    codificaVideo->RichiestaChiusura();
    // After the run the close was aimed at the main window: it follows once the encoding
    // window is gone, as at any other time.
    if (!inCorso) QTimer::singleShot(0, &principale, [p = &principale] { p->close(); });
    return true;
}

int PortaDialoghiReale::ScegliImmagine(int lingua, QString& percorso) {
    const EsitoPercorso esito = ScegliFile(lingua, percorso);
    percorso = esito.Percorso;
    return esito.Risultato;
}

void PortaDialoghiReale::MostraMessaggio(int lingua, int tipo, const QString& testo) {
    Messaggio(lingua, tipo, testo);
}
