#include "app/Frm6configurazione.h"

#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvheader.h"
#include "controls/Orvpannellobordo.h"
#include "controls/PaginaScorrevole.h"
#include "controls/Posizionamento.h"
#include "dialogs/RisultatoDialogo.h"
#include "project/ImpostazioniGlobali.h"
#include "project/MotivoImmagine.h"
#include "project/TabellaImmagini.h"
#include "project/TabellaLingue.h"
#include "project/TestiMessaggi.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// Sizes and places of the form.
constexpr int LarghezzaFinestra = 1281;
constexpr int AltezzaFinestra = 1024;
constexpr int AltezzaBandaBasso = 51;
constexpr int MargineInterno = 8;
constexpr QSize DimensioneMiniatura(160, 90);
constexpr TColor ColorePannelli = 0x363636;
constexpr TColor ColoreFondo = 0x2D2D2D;
constexpr TColor ColoreBordi = 0x404040;

// Image rows: row k's top is 10 + 100 (k - 1).
constexpr int YPrimaRiga = 10;
constexpr int PassoRighe = 100;
constexpr QRect RettDidascalia(0, 0, 265, 28);
constexpr QRect RettPercorso(272, 0, 700, 28);
constexpr QRect RettCerca(272, 32, 100, 28);
constexpr QRect RettMiniatura(984, 0, 160, 90);

// Language rows: box n at y 24 + 32 n, its flag drawn 30x20 at x 104.
constexpr int YPrimaLingua = 24;
constexpr int PassoLingue = 32;
constexpr int XBandiera = 104;
constexpr int XCasellaLingua = 136;

// A row's caption: its text in the program's message table and, for groups of images, the
// image's number in the group (0 for none).
struct Didascalia {
    VoceMessaggio voce;
    int numero;
};

struct SchedaImmagini {
    int primoSlot;
    int righe;
    Didascalia didascalie[NumeroRigheImmagini];
};

using V = VoceMessaggio;

// Tabs 2..11: their first slot, how many rows, and each row's caption.
constexpr SchedaImmagini kSchede[] = {
    {0, 4, {{V::RigaSfondoFlares, 0}, {V::RigaSfondoIntro2, 0}, {V::RigaSfondoIntro3, 0}, {V::RigaSfondoIntro6, 0}}},
    {4, 1, {{V::RigaLogo, 0}}},
    {5, 5, {{V::RigaFioccoNeve, 1}, {V::RigaFioccoNeve, 2}, {V::RigaFioccoNeve, 3}, {V::RigaFioccoNeve, 4},
            {V::RigaFioccoNeve, 5}}},
    {10, 5, {{V::RigaFlares, 1}, {V::RigaFlares, 2}, {V::RigaFlares, 3}, {V::RigaFlares, 4}, {V::RigaFlares, 5}}},
    {15, 5, {{V::RigaFuoco, 1}, {V::RigaFuoco, 2}, {V::RigaFuoco, 3}, {V::RigaFuoco, 4}, {V::RigaFuoco, 5}}},
    {20, 4, {{V::RigaBolle, 1}, {V::RigaBolle, 2}, {V::RigaBolle, 3}, {V::RigaBolle, 4}}},
    {24, 1, {{V::RigaPolvere, 0}}},
    {25, 3, {{V::RigaFumo, 1}, {V::RigaFumo, 2}, {V::RigaFumo, 3}}},
    {28, 2, {{V::RigaOmbra, 0}, {V::RigaCatena, 0}}},
    {30, 6, {{V::RigaFuocoLaser, 1}, {V::RigaFuocoLaser, 2}, {V::RigaFuocoLaser, 3}, {V::RigaFuocoLaser, 4},
             {V::RigaFuocoLaser, 5}, {V::RigaFuocoLaser, 6}}},
};

// The flags beside the language boxes, 60x40.
QImage Bandiera(int lingua) {
    QImage im(60, 40, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    auto tricolore = [&](QColor a, QColor b, QColor c, bool verticale) {
        const QColor colori[] = {a, b, c};
        for (int i = 0; i < 3; ++i)
            p.fillRect(verticale ? QRectF(i * 20, 0, 20, 40) : QRectF(0, i * 40.0 / 3, 60, 40.0 / 3 + 0.5), colori[i]);
    };
    switch (lingua) {
    case LinguaItaliano:
        tricolore(QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37), true);
        break;
    case LinguaInglese: {
        const QColor blu(0x01, 0x21, 0x69), rosso(0xC8, 0x10, 0x2E);
        p.fillRect(im.rect(), blu);
        p.setPen(QPen(Qt::white, 8));
        p.drawLine(0, 0, 60, 40);
        p.drawLine(60, 0, 0, 40);
        p.setPen(QPen(rosso, 2.5));
        p.drawLine(0, 0, 60, 40);
        p.drawLine(60, 0, 0, 40);
        p.fillRect(QRectF(24, 0, 12, 40), Qt::white);
        p.fillRect(QRectF(0, 14, 60, 12), Qt::white);
        p.fillRect(QRectF(26.5, 0, 7, 40), rosso);
        p.fillRect(QRectF(0, 16.5, 60, 7), rosso);
        break;
    }
    case LinguaSpagnolo:
        p.fillRect(im.rect(), QColor(0xAA, 0x15, 0x1B));
        p.fillRect(QRect(0, 10, 60, 20), QColor(0xF1, 0xBF, 0x00));
        break;
    case LinguaTedesco:
        tricolore(Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00), false);
        break;
    default:
        tricolore(QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39), true);
        break;
    }
    // A thin dark edge keeps the white parts apart from the panel.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setBrush(Qt::NoBrush);
    p.drawRect(im.rect().adjusted(0, 0, -1, -1));
    return im;
}

QString NomeRiga(const char* prefisso, int riga) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefisso)).arg(riga, 2, 10, QLatin1Char('0'));
}

// The five texts that a language may rewrite and the preview draws.
std::array<QString, 5> TestiRighe(const ImpostazioniProgetto& m) {
    return {m.Testo1, m.Testo2, m.Testo3, m.Intro6Messaggio, m.Intro7Messaggio};
}

}  // namespace

std::vector<RigaImmagine> RigheScheda(int scheda, int lingua) {
    std::vector<RigaImmagine> righe;
    if (scheda < 2 || scheda > NumeroSchedeConfigurazione) return righe;
    const SchedaImmagini& s = kSchede[scheda - 2];
    for (int k = 0; k < s.righe; ++k) {
        const Didascalia& d = s.didascalie[k];
        const QString testo = TestoMessaggio(d.voce, lingua);
        righe.push_back({s.primoSlot + k, d.numero > 0 ? testo.arg(d.numero) : testo});
    }
    return righe;
}

QImage CreaMiniatura(const QString& percorso, QString* motivo) {
    QImage miniatura(DimensioneMiniatura, QImage::Format_RGB32);
    miniatura.fill(QColor(80, 80, 80));
    if (motivo) motivo->clear();
    if (percorso.isEmpty()) return miniatura;
    // A JPEG is decoded at the smallest scale that covers the thumbnail: a photo of many
    // megapixels never sits in memory whole.
    OpzioniLettura opzioni;
    opzioni.Copertura = DimensioneMiniatura;
    const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
    // Also for a picture cut short, drawn as far as it goes.
    if (motivo) *motivo = MotivoImmagine(letta);
    if (!letta.Letta()) return miniatura;
    QPainter p(&miniatura);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), DimensioneMiniatura), letta.Immagine);
    return miniatura;
}

void ImmagineFissa::SetImmagine(const QImage& v) {
    immagine = v;
    update();
}

void ImmagineFissa::paintEvent(QPaintEvent*) {
    if (immagine.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), immagine);
}

TForm6Configurazione::TForm6Configurazione(ImpostazioniProgetto& impostazioni, QWidget* owner)
    : QDialog(owner), impostazioni(impostazioni), stile(new ORV_2016_Stile(this)) {
    setObjectName(QStringLiteral("Form6Configurazione"));
    setWindowTitle(QStringLiteral("Quenvox"));
    setModal(true);
    stile->hide();
    resize(LarghezzaFinestra, AltezzaFinestra);
    CreaCornice();
    CreaBandaBasso();
    CreaPaginaLingua();
    CreaPaginaImmagini();
    CollegaEventi();
    MostraLingua();
    // What the form's creation does: the default pictures, before the project overrides them.
    CaricaElencoImmagini(impostazioni.TabellaImmagini);
}

TForm6Configurazione::~TForm6Configurazione() = default;

void TForm6Configurazione::CreaCornice() {
    ORVForm1 = new ORVForm(this);
    ORVForm1->setObjectName(QStringLiteral("ORVForm1"));
    ORVForm1->SetCaption(QStringLiteral("Configurazione immagini utilizzate:"));
    ORVForm1->SetLato1Alternativo(true);
    ORVForm1->SetLato1AlternativoCaption1(QStringLiteral("QV"));
    ORVForm1->SetLato1AlternativoCaption2(QStringLiteral("Intro"));
    ORVForm1->SetLato1AlternativoCaptionColor1(0x0000C8);
    ORVForm1->SetLato1AlternativoCaptionColor2(0xDCDCDC);
    ORVForm1->SetLato1AlternativoFont(FontPixel(QStringLiteral("Calibri"), 21));
    ORVForm1->SetBtnVisibleMinimize(true);
    ORVForm1->SetBtnVisibleMaximize(true);
    ORVForm1->SetBtnVisibleClose(true);
    ORVForm1->SetDimWidthMinima(400);
    ORVForm1->SetDimHeightMinima(400);
    setMinimumSize(400, 400);

    Client = new ORVFormClient(ORVForm1);
    auto* fondo = new ORVPannelloBordo(Client);
    fondo->SetColor(ColoreFondo);
    fondo->SetBorderColor(ColoreBordi);
    fondo->SetBorderWidth(MargineInterno);
    auto* strati = new QVBoxLayout(fondo);
    strati->setContentsMargins(MargineInterno, MargineInterno, MargineInterno, MargineInterno);
    strati->setSpacing(MargineInterno);
    auto* pieno = new QVBoxLayout(Client);
    pieno->setContentsMargins(0, 0, 0, 0);
    pieno->addWidget(fondo);

    ElencoPagine = new ORVHeader(fondo);
    ElencoPagine->setObjectName(QStringLiteral("ElencoPagine"));
    ElencoPagine->SetORV_Pannelli({QStringLiteral("Interfaccia"), QStringLiteral("Sfondi"), QStringLiteral("Logo"),
                                   QStringLiteral("Neve"), QStringLiteral("Lens Flare"), QStringLiteral("Fuoco"),
                                   QStringLiteral("Bolle di Sapone"), QStringLiteral("Polvere"), QStringLiteral("Fumo"),
                                   QStringLiteral("Per Intro 2 e 3 (Logo oscillante, cadente)"),
                                   QStringLiteral("Laser")});
    ElencoPagine->SetORV_PannelloAttivo(1);
    Pagine = ElencoPagine->Pagine();
    Pagine->setObjectName(QStringLiteral("Pagine"));
    strati->addWidget(ElencoPagine, 1);

    PannelloBasso = new ORVPannelloBordo(fondo);
    PannelloBasso->setObjectName(QStringLiteral("PannelloBasso"));
    PannelloBasso->SetColor(ColorePannelli);
    PannelloBasso->SetBorderColor(ColoreBordi);
    PannelloBasso->setFixedHeight(AltezzaBandaBasso);
    strati->addWidget(PannelloBasso);
}

void TForm6Configurazione::CreaBandaBasso() {
    ORV_2016_Button5 = new ORV_2016_Button(PannelloBasso);
    ORV_2016_Button5->setObjectName(QStringLiteral("ORV_2016_Button5"));
    ORV_2016_Button5->SetORV_Stile(stile);
    ORV_2016_Button5->SetCaption(QStringLiteral("Salva"));
    ORV_2016_Button5->resize(120, 28);
    // "Salva" keeps to the bottom-right corner whatever the window's size.
    auto* riga = new QHBoxLayout(PannelloBasso);
    riga->setContentsMargins(MargineInterno * 2, 0, MargineInterno * 2, 0);
    riga->addStretch(1);
    riga->addWidget(ORV_2016_Button5, 0, Qt::AlignVCenter);
    ORV_2016_Button5->setFixedSize(120, ORV_2016_Button5->height());
}

void TForm6Configurazione::CreaPaginaLingua() {
    P2 = new QWidget;
    P2->setObjectName(QStringLiteral("P2"));
    Pagine->addWidget(P2);

    Impostazioni_Label_Lingua = new ORV_2016_Label(P2);
    Impostazioni_Label_Lingua->setObjectName(QStringLiteral("Impostazioni_Label_Lingua"));
    Impostazioni_Label_Lingua->SetORV_Stile(stile);
    Impostazioni_Label_Lingua->SetAlignment(Qt::AlignRight);
    Impostazioni_Label_Lingua->SetCaption(QStringLiteral("Lingua:"));
    Impostazioni_Label_Lingua->setGeometry(0, YPrimaLingua, XBandiera - 8, Impostazioni_Label_Lingua->height());

    const char* nomi[] = {"Italiano", "English", "Español", "Deutsch", "Français"};
    for (int n = 0; n < 5; ++n) {
        const int y = YPrimaLingua + PassoLingue * n;
        auto* casella = new ORV_2016_Check(P2);
        casella->setObjectName(QStringLiteral("Impostazioni_Lingua%1").arg(n));
        casella->SetORV_Stile(stile);
        casella->setFont(FontPixel(QStringLiteral("Calibri"), 13));
        casella->SetCaption(QString::fromUtf8(nomi[n]));
        // One box is always on: a click never turns the chosen language off.
        casella->SetRadio(true);
        casella->setGeometry(XCasellaLingua, y, 228, casella->height());
        Impostazioni_Lingua[n] = casella;

        auto* bandiera = new ImmagineFissa(P2);
        bandiera->setObjectName(QStringLiteral("Bandiera%1").arg(n));
        bandiera->SetImmagine(Bandiera(n));
        bandiera->setGeometry(XBandiera, y + (casella->height() - 20) / 2, 30, 20);
        Bandiere[n] = bandiera;
    }
}

void TForm6Configurazione::CreaPaginaImmagini() {
    // Six rows of 100 do not fit a short screen: the sheet scrolls there.
    righeImmagini = new PaginaScorrevole;
    P1 = righeImmagini;
    P1->setObjectName(QStringLiteral("P1"));
    Pagine->addWidget(P1);
    QWidget* righe = righeImmagini->Contenuto();
    for (int k = 0; k < NumeroRigheImmagini; ++k) {
        const QPoint alto(0, YPrimaRiga + PassoRighe * k);
        const int riga = k + 1;

        auto* didascalia = new ORV_2016_Label(righe);
        didascalia->setObjectName(NomeRiga("Label", riga));
        didascalia->SetORV_Stile(stile);
        didascalia->SetAlignment(Qt::AlignRight);
        didascalia->setGeometry(RettDidascalia.translated(alto));
        Label[k] = didascalia;

        auto* percorso = new ORV_2016_Label(righe);
        percorso->setObjectName(NomeRiga("Imm", riga));
        percorso->SetORV_Stile(stile);
        percorso->setGeometry(RettPercorso.translated(alto));
        percorso->SetElisione(Qt::ElideMiddle);
        Imm[k] = percorso;

        auto* cerca = new ORV_2016_Button(righe);
        cerca->setObjectName(NomeRiga("Cerca", riga));
        cerca->SetORV_Stile(stile);
        cerca->SetCaption(QStringLiteral("Cerca"));
        cerca->SetORV_Bordo(true);
        cerca->SetORV_BordoColore(0x00FF00);
        cerca->setGeometry(RettCerca.translated(alto));
        Cerca[k] = cerca;

        auto* miniatura = new ImmagineFissa(righe);
        miniatura->setObjectName(QStringLiteral("Image%1").arg(riga));
        miniatura->setGeometry(RettMiniatura.translated(alto));
        Image[k] = miniatura;
    }
}

void TForm6Configurazione::CollegaEventi() {
    ElencoPagine->OnCambioPagina = [this](QObject* m) { ElencoPagineCambioPagina(m); };
    ORV_2016_Button5->OnClick = [this](QObject* m) { ORV_2016_Button5Click(m); };
    for (int k = 0; k < NumeroRigheImmagini; ++k) Cerca[k]->OnClick = [this, k](QObject*) { CercaClick(k + 1); };
    for (int n = 0; n < 5; ++n) Impostazioni_Lingua[n]->OnClick = [this, n](QObject*) { LinguaClick(n); };
}

bool TForm6Configurazione::Esegui() {
    const TabellaPercorsi prima = impostazioni.TabellaImmagini;
    testiCambiati = false;
    exec();
    return testiCambiati || prima != impostazioni.TabellaImmagini;
}

void TForm6Configurazione::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm6Configurazione::FormShow() {
    CentraRidimensionaForm(this, LarghezzaFinestra, AltezzaFinestra);
    MostraLingua();
    MostraPaginaImmagini();
}

void TForm6Configurazione::ElencoPagineCambioPagina(QObject*) {
    Pagine->setCurrentWidget(ElencoPagine->ORV_PannelloAttivo() == 1 ? P2 : P1);
    // Another tab's rows start from the top.
    righeImmagini->verticalScrollBar()->setValue(0);
    MostraPaginaImmagini();
}

void TForm6Configurazione::MostraPaginaImmagini() {
    const std::vector<RigaImmagine> righe =
        RigheScheda(ElencoPagine->ORV_PannelloAttivo(), ImpostazioniGlobali.LinguaCorrente);
    if (righe.empty()) return;
    for (int k = 0; k < NumeroRigheImmagini; ++k) {
        const bool mostra = k < int(righe.size());
        // Row 1 always stays: every image tab has it.
        if (k > 0) {
            Label[k]->setVisible(mostra);
            Imm[k]->setVisible(mostra);
            Cerca[k]->setVisible(mostra);
            Image[k]->setVisible(mostra);
        }
        if (!mostra) continue;
        const QString& percorso = impostazioni.TabellaImmagini[std::size_t(righe[k].Slot)];
        Label[k]->SetCaption(righe[k].Didascalia);
        Imm[k]->SetCaption(percorso);
        QString motivo;
        Image[k]->SetImmagine(CreaMiniatura(percorso, &motivo));
        // Why the thumbnail stays grey, under the pointer.
        Image[k]->setToolTip(motivo);
    }
    righeImmagini->Adatta();
}

void TForm6Configurazione::CercaClick(int riga) {
    const std::vector<RigaImmagine> righe =
        RigheScheda(ElencoPagine->ORV_PannelloAttivo(), ImpostazioniGlobali.LinguaCorrente);
    if (riga >= 1 && riga <= int(righe.size())) CercaImmagine(righe[std::size_t(riga - 1)].Slot);
}

void TForm6Configurazione::CercaImmagine(int slot) {
    if (!porta || slot < 0 || slot >= NumeroSlotPredefiniti) return;
    const int lingua = ImpostazioniGlobali.LinguaCorrente;
    // The chooser opens where the slot's picture lies.
    QString percorso = impostazioni.TabellaImmagini[std::size_t(slot)];
    // Only Open with a file changes the slot: an empty answer is no choice.
    if (porta->ScegliImmagine(lingua, percorso) != RisultatoOk || percorso.isEmpty()) return;
    if (percorso.size() > LunghezzaMassimaPercorso) {
        porta->MostraMessaggio(lingua, MessaggioErrore,
                               TestoMessaggio(VoceMessaggio::PercorsoTroppoLungo)
                                   .arg(percorso)
                                   .arg(LunghezzaMassimaPercorso));
        return;
    }
    impostazioni.TabellaImmagini[std::size_t(slot)] = percorso;
    MostraPaginaImmagini();
    // The choice stands (the file may be mended), but a picture that will not be drawn is told.
    const std::vector<RigaImmagine> righe = RigheScheda(ElencoPagine->ORV_PannelloAttivo(), lingua);
    QString motivo;
    for (std::size_t k = 0; k < righe.size() && k < std::size_t(NumeroRigheImmagini); ++k)
        if (righe[k].Slot == slot) motivo = Image[k]->toolTip();
    if (!motivo.isEmpty())
        porta->MostraMessaggio(lingua, MessaggioErrore, MessaggioImmagineIllegibile(percorso, motivo));
}

void TForm6Configurazione::MostraLingua() {
    const bool accese[] = {impostazioni.Impostazioni_Lingua0, impostazioni.Impostazioni_Lingua1,
                           impostazioni.Impostazioni_Lingua2, impostazioni.Impostazioni_Lingua3,
                           impostazioni.Impostazioni_Lingua4};
    for (int n = 0; n < 5; ++n) Impostazioni_Lingua[n]->SetChecked(accese[n]);
}

void TForm6Configurazione::LinguaClick(int lingua) {
    if (lingua < 0 || lingua > 4) return;
    bool* flag[] = {&impostazioni.Impostazioni_Lingua0, &impostazioni.Impostazioni_Lingua1,
                    &impostazioni.Impostazioni_Lingua2, &impostazioni.Impostazioni_Lingua3,
                    &impostazioni.Impostazioni_Lingua4};
    for (int n = 0; n < 5; ++n) *flag[n] = n == lingua;
    MostraLingua();
    ImpostazioniGlobali.LinguaCorrente = lingua;

    const auto prima = TestiRighe(impostazioni);
    if (applicaLingua) {
        applicaLingua(impostazioni);
    } else {
        RiempiTabellaLingue();
        ApplicaLingua(impostazioni, this);
    }
    if (TestiRighe(impostazioni) != prima) testiCambiati = true;
}

void TForm6Configurazione::ORV_2016_Button5Click(QObject*) {
    QString errore;
    const bool salvato = SalvaElencoImmagini(impostazioni.TabellaImmagini, &errore);
    if (!porta) return;
    const int lingua = ImpostazioniGlobali.LinguaCorrente;
    if (salvato)
        porta->MostraMessaggio(lingua, MessaggioAvviso, TestoMessaggio(VoceMessaggio::ConfigurazioneSalvata));
    else
        porta->MostraMessaggio(lingua, MessaggioErrore,
                               TestoMessaggio(VoceMessaggio::ElencoImmaginiNonSalvato).arg(errore));
}

void TForm6Configurazione::ImpostaTesto(FinestraLingua finestra, ProprietaLingua proprieta,
                                         const QString& controllo, const QString& testo) {
    if (finestra != FinestraLingua::Configurazione || proprieta != ProprietaLingua::Caption) return;
    QObject* bersaglio = controllo == QLatin1String("ORVForm1") ? ORVForm1 : findChild<QObject*>(controllo);
    if (auto* form = qobject_cast<ORVForm*>(bersaglio))
        form->SetCaption(testo);
    else if (auto* etichetta = qobject_cast<ORV_2016_Label*>(bersaglio))
        etichetta->SetCaption(testo);
    else if (auto* bottone = qobject_cast<ORV_2016_Button*>(bersaglio))
        bottone->SetCaption(testo);
    else if (auto* casella = qobject_cast<ORV_2016_Check*>(bersaglio))
        casella->SetCaption(testo);
}

void TForm6Configurazione::ImpostaVoci(FinestraLingua finestra, ProprietaLingua proprieta,
                                        const QString& controllo, const QStringList& voci) {
    if (finestra != FinestraLingua::Configurazione || proprieta != ProprietaLingua::Scheda ||
        controllo != QLatin1String("ElencoPagine"))
        return;
    ElencoPagine->SetORV_Pannelli(voci);
    ElencoPagine->SetCaption(voci.value(ElencoPagine->ORV_PannelloAttivo() - 1));
}
