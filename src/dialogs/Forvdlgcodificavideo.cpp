#include "dialogs/Forvdlgcodificavideo.h"

#include "controls/BarraProgressoBlocchi.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Posizionamento.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "encoding/TestiCodifica.h"
#include "platform/LetturaImmagini.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>

using TestiCodifica::TestoFinestra;
using TestiCodifica::VoceFinestra;

namespace {

// The window and its content, in client coordinates.
constexpr int LarghezzaFinestra = 1087;
constexpr int AltezzaFinestra = 560;
constexpr int Margine = 16;
constexpr int AltezzaRiga = 26;
constexpr int YTitolo = 14;
constexpr int YFigure = 46;
constexpr int YBarra = 164;
constexpr int AltezzaBarra = 25;
constexpr int YRiepilogo = 214;
constexpr int PassoRiepilogo = 30;
constexpr int SpazioColonne = 14;
// The caption inside a label starts 6 pixels in from its edge.
constexpr int RientroTesto = 6;
constexpr int LarghezzaAnteprima = 186;
constexpr int AltezzaAnteprima = 107;
constexpr int LarghezzaPulsante = 150;
constexpr int RigheRiepilogoMax = 5;

constexpr TColor ColoreEtichette = 0xC0C0C0;
constexpr TColor ColoreValori = 0xF0F0F0;
constexpr TColor ColoreAccento = 0x07BFFD;
constexpr TColor ColoreRosso = 0x3C3CE0;
constexpr TColor ColoreVerde = 0x40C040;

const VoceFinestra VociFigure[] = {VoceFinestra::FrameElaborati, VoceFinestra::Velocita, VoceFinestra::Dimensioni,
                                   VoceFinestra::Bitrate};

// The widest caption of the label column in any language, so the grid is the same in all.
int LarghezzaColonnaEtichette(const QFont& font) {
    const VoceFinestra voci[] = {VoceFinestra::FrameElaborati,   VoceFinestra::Velocita,
                                 VoceFinestra::Dimensioni,       VoceFinestra::Bitrate,
                                 VoceFinestra::RiepilogoCodec,   VoceFinestra::RiepilogoProfilo,
                                 VoceFinestra::RiepilogoVelocita, VoceFinestra::RiepilogoQualita};
    int larghezza = std::max(LarghezzaTesto(font, QStringLiteral("Lossless :")),
                             LarghezzaTesto(font, QStringLiteral("Tune :")));
    for (VoceFinestra v : voci)
        for (int lingua = 0; lingua < 5; ++lingua)
            larghezza = std::max(larghezza, LarghezzaTesto(font, TestoFinestra(v, lingua)));
    return larghezza;
}

ORV_2016_Label* NuovaEtichetta(QWidget* owner, TColor colore, Qt::AlignmentFlag allineamento) {
    auto* l = new ORV_2016_Label(owner);
    l->SetColoreFont(colore);
    l->SetAlignment(allineamento);
    l->SetORV_OmbraColore(0x000000);
    l->SetORV_OmbraDistanza(1);
    return l;
}

}  // namespace

QImage LeggiFrameRidotto(const QString& percorso, const QSize& dimensione) {
    if (dimensione.isEmpty()) return QImage();
    // A JPEG frame is decoded at the smallest scale that covers the preview.
    OpzioniLettura opzioni;
    opzioni.Copertura = dimensione;
    const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
    if (!letta.Letta()) return QImage();
    return letta.Immagine.scaled(dimensione, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

AnteprimaFrame::AnteprimaFrame(QWidget* owner) : QWidget(owner) {
    resize(LarghezzaAnteprima, AltezzaAnteprima);
}

QRect AnteprimaFrame::AreaImmagine() const {
    return rect().adjusted(1, 1, -1, -1);
}

bool AnteprimaFrame::Carica(const QString& file) {
    const QImage letta = LeggiFrameRidotto(file, AreaImmagine().size());
    if (letta.isNull()) return false;
    immagine = letta;
    percorso = file;
    update();
    return true;
}

void AnteprimaFrame::Svuota() {
    immagine = QImage();
    percorso.clear();
    update();
}

void AnteprimaFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(ColoreDaTColor(0x404040));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (immagine.isNull()) return;
    const QRect area = AreaImmagine();
    const QSize s = immagine.size().scaled(area.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(area.left() + (area.width() - s.width()) / 2, area.top() + (area.height() - s.height()) / 2,
                      s.width(), s.height()),
                immagine);
}

TORVDLGCodificaVideo::TORVDLGCodificaVideo(QWidget* owner) : DialogoOrv(owner) {
    setFixedSize(LarghezzaFinestra, AltezzaFinestra);
    Cornice()->SetBtnVisibleClose(true);
    ORVFormClient* c = Client();
    c->resize(LarghezzaFinestra - c->NonAreaClientSX() - c->NonAreaClientDX(),
              AltezzaFinestra - c->NonAreaClientSU() - c->NonAreaClientGIU());
    timer.setSingleShot(true);
    timer.setInterval(1000);
    CreaControlli();
    Collega();
    ApplicaTesti();
}

void TORVDLGCodificaVideo::CreaControlli() {
    stile = new ORV_2016_Stile(this);
    stile->hide();
    pannello = new ORVPannelloBordo(Client());
    pannello->SetColor(0x2D2D2D);
    pannello->SetBorderColor(0x404040);
    pannello->setGeometry(Client()->rect().adjusted(8, 8, -8, -8));
    CreaFigure();
    CreaRiepilogo();
    CreaPulsanti();
}

void TORVDLGCodificaVideo::CreaFigure() {
    const int colonna = LarghezzaColonnaEtichette(FontControllo("Calibri", 12));
    const int xValori = Margine + colonna + SpazioColonne;
    titoloFigure = NuovaEtichetta(pannello, ColoreAccento, Qt::AlignLeft);
    titoloFigure->setFont(FontControllo("Calibri", 13, true));
    titoloFigure->setGeometry(Margine - RientroTesto, YTitolo, 420, AltezzaRiga);
    for (int i = 0; i < 4; ++i) {
        const int y = YFigure + i * AltezzaRiga;
        auto* etichetta = NuovaEtichetta(pannello, ColoreEtichette, Qt::AlignRight);
        etichetta->setGeometry(Margine - RientroTesto, y, colonna + 2 * RientroTesto, AltezzaRiga);
        auto* valore = NuovaEtichetta(pannello, ColoreValori, Qt::AlignLeft);
        valore->setFont(FontControllo("Calibri", 12, true));
        valore->setGeometry(xValori - RientroTesto, y, 300, AltezzaRiga);
        etichetteFigure << etichetta;
        valoriFigure << valore;
    }
    const int larghezzaBarra = pannello->width() - 2 * Margine;
    anteprima = new AnteprimaFrame(pannello);
    anteprima->setGeometry(Margine + larghezzaBarra - LarghezzaAnteprima, YTitolo, LarghezzaAnteprima,
                           AltezzaAnteprima);
    barra = new BarraProgressoBlocchi(pannello);
    barra->setGeometry(Margine, YBarra, larghezzaBarra, AltezzaBarra);
}

void TORVDLGCodificaVideo::CreaRiepilogo() {
    const int colonna = LarghezzaColonnaEtichette(FontControllo("Calibri", 12));
    const int xValori = Margine + colonna + SpazioColonne;
    for (int r = 0; r < RigheRiepilogoMax; ++r) {
        const int y = YRiepilogo + r * PassoRiepilogo;
        auto* etichetta = NuovaEtichetta(pannello, ColoreEtichette, Qt::AlignRight);
        etichetta->setGeometry(Margine - RientroTesto, y, colonna + 2 * RientroTesto, AltezzaRiga);
        auto* valore = NuovaEtichetta(pannello, ColoreValori, Qt::AlignLeft);
        valore->setGeometry(xValori - RientroTesto, y, pannello->width() - xValori - Margine, AltezzaRiga);
        etichetteRiepilogo << etichetta;
        valoriRiepilogo << valore;
    }
}

void TORVDLGCodificaVideo::CreaPulsanti() {
    auto nuovo = [this](TColor bordo) {
        auto* b = new ORV_2016_Button(pannello);
        b->SetORV_Stile(stile);
        b->SetORV_Bordo(true);
        b->SetORV_BordoColore(bordo);
        b->setGeometry(pannello->width() - Margine - LarghezzaPulsante, pannello->height() - Margine - b->height(),
                       LarghezzaPulsante, b->height());
        return b;
    };
    interrompi = nuovo(ColoreRosso);
    ok = nuovo(ColoreVerde);
    ok->hide();
}

void TORVDLGCodificaVideo::Collega() {
    connect(&timer, &QTimer::timeout, this, &TORVDLGCodificaVideo::Avvia);
    interrompi->OnClick = [this](QObject*) { Interrompi(); };
    ok->OnClick = [this](QObject*) { ChiudiCon(riuscita ? RisultatoOk : RisultatoNo); };
    connect(&lavoro, &LavoroCodifica::figureAggiornate, this, [this](const FigureCodifica& f) {
        const QString valori[] = {f.Frame, f.Velocita, f.Dimensione, f.Bitrate};
        for (int i = 0; i < 4; ++i) valoriFigure[i]->SetCaption(valori[i]);
    });
    connect(&lavoro, &LavoroCodifica::progresso, this, [this](int valore, int massimo) {
        barra->SetMax(massimo);
        barra->SetPosition(valore);
    });
    connect(&lavoro, &LavoroCodifica::anteprima, this, [this](const QString& file) { anteprima->Carica(file); });
    connect(&lavoro, &LavoroCodifica::terminata, this, &TORVDLGCodificaVideo::Fine);
}

void TORVDLGCodificaVideo::ApplicaTesti() {
    const int lingua = LinguaDialogo();
    Cornice()->SetCaption(TestoFinestra(VoceFinestra::Titolo, lingua));
    titoloFigure->SetCaption(TestoFinestra(VoceFinestra::Creazione, lingua));
    for (int i = 0; i < 4; ++i) etichetteFigure[i]->SetCaption(TestoFinestra(VociFigure[i], lingua));
    interrompi->SetCaption(TestoFinestra(VoceFinestra::Interrompi, lingua));
    ok->SetCaption(TestoFinestra(VoceFinestra::Chiudi, lingua));
    MostraRiepilogo();
}

void TORVDLGCodificaVideo::ImpostaParametri(const QString& cartellaVideo, int frameAlSecondo, bool frameInJpg,
                                            int numeroFrame, const QString& prefissoFrame) {
    parametri = {cartellaVideo, frameAlSecondo, frameInJpg, numeroFrame, prefissoFrame};
}

int TORVDLGCodificaVideo::Esegui() {
    daAvviare = true;
    EseguiModale();
    // Closed before its run could start (hidden by code): nothing runs later.
    timer.stop();
    daAvviare = false;
    return riuscita ? RisultatoOk : RisultatoNo;
}

void TORVDLGCodificaVideo::showEvent(QShowEvent* e) {
    DialogoOrv::showEvent(e);
    // Every showing after Esegui starts exactly one run; a repeated show event starts none.
    if (!daAvviare) return;
    daAvviare = false;
    CentraForm(this);
    PreparaRun();
    timer.start();
}

void TORVDLGCodificaVideo::PreparaRun() {
    riuscita = false;
    inEsecuzione = true;
    interrompi->show();
    ok->hide();
    for (ORV_2016_Label* v : valoriFigure) v->SetCaption(QStringLiteral("0"));
    barra->SetMax(std::max(parametri.NumeroFrame, 0));
    barra->SetPosition(0);
    anteprima->Svuota();
    if (fonteCodec) codec = fonteCodec();
    MostraRiepilogo();
}

void TORVDLGCodificaVideo::MostraRiepilogo() {
    const QList<RigaRiepilogo> righe = RigheRiepilogo(codec, LinguaDialogo());
    for (int r = 0; r < RigheRiepilogoMax; ++r) {
        const bool mostra = r < righe.size();
        etichetteRiepilogo[r]->setVisible(mostra);
        valoriRiepilogo[r]->setVisible(mostra);
        if (!mostra) continue;
        etichetteRiepilogo[r]->SetCaption(righe[r].Etichetta);
        valoriRiepilogo[r]->SetCaption(righe[r].Valore);
    }
}

void TORVDLGCodificaVideo::Avvia() {
    if (fonteCodec) codec = fonteCodec();
    MostraRiepilogo();
    lavoro.ImpostaParametri(parametri);
    lavoro.ImpostaCodec(codec);
    lavoro.ImpostaLingua(LinguaDialogo());
    lavoro.EseguiCodifica();
}

void TORVDLGCodificaVideo::Interrompi() {
    if (!timer.isActive()) {
        // The encoder may take seconds to end: the click shows at once that it was taken.
        interrompi->setEnabled(false);
        titoloFigure->SetCaption(TestoFinestra(VoceFinestra::Arresto, LinguaDialogo()));
        lavoro.Interrompi();
        return;
    }
    // Stopped before the encoder was started: nothing ran, so nothing to report.
    timer.stop();
    riuscita = false;
    MostraChiudi();
}

void TORVDLGCodificaVideo::RichiestaChiusura() {
    if (!inEsecuzione) {
        ChiudiCon(riuscita ? RisultatoOk : RisultatoNo);
        return;
    }
    // The encoder has ended and its end is being told: nothing left to stop.
    if (!timer.isActive() && !lavoro.InCorso()) return;
    // A second request while the stop is under way changes nothing.
    if (interrompi->isEnabled()) Interrompi();
}

void TORVDLGCodificaVideo::MostraChiudi() {
    interrompi->hide();
    interrompi->setEnabled(true);
    titoloFigure->SetCaption(TestoFinestra(VoceFinestra::Creazione, LinguaDialogo()));
    ok->show();
    inEsecuzione = false;
}

void TORVDLGCodificaVideo::Fine(const RisultatoCodifica& r) {
    riuscita = r.Riuscita;
    if (r.Riuscita) {
        // The desktop's opener may fail without a word: the news itself says where the video is.
        Chiedi(MessaggioAvviso, TestoFinestra(VoceFinestra::VideoCreato, LinguaDialogo()) + QLatin1Char('\n') +
                                    TestoFinestra(VoceFinestra::FileVideo, LinguaDialogo()).arg(r.PercorsoVideo));
        Apri(parametri.CartellaVideo, {});
    } else {
        // Why it failed comes first, in one line; the log question only when there is a log.
        const QString motivo = MotivoFallimento(r, LinguaDialogo());
        if (!r.EncoderMancante && QFileInfo::exists(r.PercorsoLog)) {
            QString domanda = TestoFinestra(VoceFinestra::ProceduraInterrotta, LinguaDialogo());
            if (!motivo.isEmpty()) domanda.prepend(motivo + QLatin1Char('\n'));
            if (Chiedi(MessaggioDomanda, domanda) == RisultatoSi) Apri(r.PercorsoLog, VoceFinestra::FileLog);
        } else if (!motivo.isEmpty()) {
            Chiedi(MessaggioErrore, motivo);
        }
    }
    MostraChiudi();
}

int TORVDLGCodificaVideo::Chiedi(int tipo, const QString& testo) {
    if (messaggio) return messaggio(tipo, testo);
    TORVDLGMessaggi box(this);
    box.Inizializza(LinguaDialogo(), Cornice()->Lato1Alternativo(), Cornice()->Lato1AlternativoCaption1(),
                    Cornice()->Lato1AlternativoCaption2());
    return box.MostraMessaggio(tipo, testo);
}

void TORVDLGCodificaVideo::Apri(const QString& percorso, std::optional<TestiCodifica::VoceFinestra> dove) {
    const QUrl url = QUrl::fromLocalFile(percorso);
    const bool aperto = apertura ? apertura(url) : QDesktopServices::openUrl(url);
    // Without a program to open it, the user still learns where it is (unless told already).
    if (!aperto && dove) Chiedi(MessaggioAvviso, TestoFinestra(*dove, LinguaDialogo()).arg(percorso));
}

QString TORVDLGCodificaVideo::Figura(int indice) const {
    return valoriFigure.value(indice) ? valoriFigure[indice]->Caption() : QString();
}

QList<RigaRiepilogo> TORVDLGCodificaVideo::RigheMostrate() const {
    QList<RigaRiepilogo> righe;
    for (int r = 0; r < RigheRiepilogoMax; ++r)
        if (!etichetteRiepilogo[r]->isHidden())
            righe.push_back({etichetteRiepilogo[r]->Caption(), valoriRiepilogo[r]->Caption()});
    return righe;
}
