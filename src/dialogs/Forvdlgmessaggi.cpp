#include "dialogs/Forvdlgmessaggi.h"

#include "controls/Orv_2016_check.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvlrbutton.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Posizionamento.h"
#include "platform/ValoriProgramma.h"
#include "dialogs/ArteDialoghi.h"
#include "dialogs/ElementiDialogo.h"
#include "dialogs/RigheMessaggio.h"
#include "dialogs/TestiDialogo.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {

const TestoDialogo TitoloErrore{"Errore", "Error"};
const TestoDialogo TitoloAvviso{"Avvertimento", "Warning"};
const TestoDialogo TitoloDomanda{"Domanda", "Question"};
const TestoDialogo TestoOk{"Ok", "Ok"};
const TestoDialogo TestoSi{"Si", "Yes"};
const TestoDialogo TestoNo{"No", "No"};

constexpr int Larghezza = 659;
constexpr int Altezza = 393;
constexpr int AltezzaPannello = 76;
constexpr int AltezzaMessaggio = 161;
constexpr int YPulsanti = 12;
constexpr int YAncora = 48;
constexpr int MargineTesto = 16;
// Lines wider than this tire the eye; a path longer than that wraps.
constexpr int LarghezzaMassimaTesto = 1100;
constexpr int LarghezzaBarra = 12;
// Between the lines and the scroll bar.
constexpr int DistanzaBarra = 10;

// The box whose run is on screen, if any: every message of the program passes its way.
TORVDLGMessaggi* boxAperto = nullptr;

bool EDomanda(int tipo) {
    const int t = TORVDLGMessaggi::TipoMostrato(tipo);
    return t == MessaggioDomanda || t == MessaggioDomandaAncora;
}

// The size a window may take on its screen, as CentraRidimensionaForm clamps it.
QSize AreaDisponibile(const QWidget* finestra) {
    const QScreen* schermo = finestra->screen();
    const QRect corrente = schermo ? schermo->availableGeometry() : QRect();
    constexpr int Enorme = 1 << 20;
    return RettangoloCentrato(AreaLavoro, corrente, Enorme, Enorme, ModoPosizionamento).size();
}

QLabel* Icona(QWidget* genitore, ArteDialoghi::IconaMessaggio tipo) {
    auto* l = new QLabel(genitore);
    l->setPixmap(QPixmap::fromImage(ArteDialoghi::Messaggio(tipo)));
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

}  // namespace

TORVDLGMessaggi::TORVDLGMessaggi(QWidget* owner) : DialogoOrv(owner) {
    Dimensiona(Larghezza, Altezza, false);
    ORVFormClient* c = Client();
    clientBase = c->size();
    larghezzaFinestra = Larghezza;

    imgError = Icona(c, ArteDialoghi::IconaMessaggio::Errore);
    imgInfo = Icona(c, ArteDialoghi::IconaMessaggio::Informazione);
    imgQuestion = Icona(c, ArteDialoghi::IconaMessaggio::Domanda);

    scorrimento = new QScrollArea(c);
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scorrimento->setWidgetResizable(false);
    scorrimento->setStyleSheet(QStringLiteral(
        "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"
        "QScrollBar:vertical { background: #2D2D2D; width: %1px; margin: 0; }"
        "QScrollBar::handle:vertical { background: #808080; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
                                   .arg(LarghezzaBarra));
    scorrimento->viewport()->setAutoFillBackground(false);
    scorrimento->setObjectName(QStringLiteral("Scorrimento"));
    // Wherever the bar is taken, the view stops on a whole line.
    QScrollBar* barra = scorrimento->verticalScrollBar();
    connect(barra, &QScrollBar::valueChanged, this, [this, barra](int valore) {
        const int riga = std::max(interlinea, 1);
        const int intera = std::min((valore + riga / 2) / riga * riga, barra->maximum() / riga * riga);
        if (intera != valore) barra->setValue(intera);
    });

    messaggio = new QLabel;
    messaggio->setObjectName(QStringLiteral("Messaggio"));
    // Laid out by MostraTesto, line by line.
    messaggio->setWordWrap(false);
    messaggio->setAlignment(Qt::AlignCenter);
    messaggio->setTextFormat(Qt::PlainText);
    messaggio->setFont(FontControllo("Calibri", 14));
    messaggio->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));
    scorrimento->setWidget(messaggio);

    panel1 = new ORVPannelloBordo(c);
    panel1->SetColor(0x404040);
    panel1->SetBorderColor(0x404040);
    btn1 = CreaPulsanteRisposta(panel1, 0, YPulsanti);
    btn3 = CreaPulsanteRisposta(panel1, 0, YPulsanti);
    btn2 = CreaPulsanteRisposta(panel1, 0, YPulsanti);
    btn1->OnClick = [this](QObject*) { Rispondi(RisultatoSi); };
    btn2->OnClick = [this](QObject*) { Rispondi(RisultatoNo); };
    btn3->OnClick = [this](QObject*) { Rispondi(RisultatoOk); };

    ancora = new ORV_2016_Check(panel1);
    ancora->SetORV_Disegnato(true);
    ancora->SetORV_DisegnatoColoreSfondo(0x404040);
    ancora->SetCaption(QString());
    Disponi(clientBase.width() - 2 * MargineTesto, AltezzaMessaggio);
}

TORVDLGMessaggi::~TORVDLGMessaggi() {
    if (boxAperto == this) boxAperto = nullptr;
}

int TORVDLGMessaggi::TipoMostrato(int tipo) {
    return tipo >= MessaggioErrore && tipo <= MessaggioDomandaAncora ? tipo : MessaggioAvviso;
}

void TORVDLGMessaggi::Disponi(int larghezzaTesto, int altezzaTesto) {
    const int W = std::max(clientBase.width(), larghezzaTesto + 2 * MargineTesto);
    const int sopra = clientBase.height() - AltezzaPannello - AltezzaMessaggio;
    const int H = sopra + std::max(altezzaTesto, AltezzaMessaggio) + AltezzaPannello;
    larghezzaFinestra = Larghezza + W - clientBase.width();
    Dimensiona(larghezzaFinestra, Altezza + H - clientBase.height(), false);

    const int lato = ArteDialoghi::LatoIconaMessaggio;
    for (QLabel* l : {imgError, imgInfo, imgQuestion}) l->setGeometry((W - lato) / 2, (sopra - lato) / 2, lato, lato);
    scorrimento->setGeometry(MargineTesto, sopra, W - 2 * MargineTesto, H - sopra - AltezzaPannello);
    panel1->setGeometry(0, H - AltezzaPannello, W, AltezzaPannello);
    // The three buttons sit around the middle; Si and No take the outer places.
    const int mezzo = W / 2;
    btn1->move(mezzo - 250, YPulsanti);
    btn3->move(mezzo - 50, YPulsanti);
    btn2->move(mezzo + 150, YPulsanti);
    ancora->setGeometry(mezzo - 12, YAncora, 24, 20);
}

void TORVDLGMessaggi::Prepara(int tipo, const QString& testo) {
    for (QWidget* w : std::initializer_list<QWidget*>{imgError, imgInfo, imgQuestion, btn1, btn2, btn3}) w->hide();
    MostraTesto(testo);
    rispostaAncora = false;
    ancora->SetChecked(false);

    const int t = TipoMostrato(tipo);
    ancora->setVisible(t > MessaggioDomanda);
    const int lingua = LinguaDialogo();
    switch ((t - 1) % 3 + 1) {
    case MessaggioErrore:
        Cornice()->SetCaption(TitoloErrore.Testo(lingua));
        imgError->show();
        break;
    case MessaggioAvviso:
        Cornice()->SetCaption(TitoloAvviso.Testo(lingua));
        imgInfo->show();
        break;
    default:
        Cornice()->SetCaption(TitoloDomanda.Testo(lingua));
        imgQuestion->show();
        btn1->SetCaption(TestoSi.Testo(lingua));
        btn2->SetCaption(TestoNo.Testo(lingua));
        btn1->show();
        btn2->show();
        return;
    }
    btn3->SetCaption(TestoOk.Testo(lingua));
    btn3->show();
}

void TORVDLGMessaggi::MostraTesto(const QString& nuovo) {
    testoIntero = nuovo;
    const QFontMetrics metrica(messaggio->font());
    const QSize base(clientBase.width() - 2 * MargineTesto, AltezzaMessaggio);
    // What the screen leaves around the frame, the icon band and the buttons.
    const QSize fuori(Larghezza - base.width(), Altezza - base.height());
    const QSize area = AreaDisponibile(this) - fuori;
    const QSize massima(std::min(area.width(), LarghezzaMassimaTesto), area.height());
    // The step from one line to the next as the label lays its lines, which rounds the
    // font's own heights its way.
    const QRect posto(0, 0, 4096, 4096);
    interlinea = metrica.boundingRect(posto, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("A\nA")).height() -
                 metrica.boundingRect(posto, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("A")).height();
    const int barra = LarghezzaBarra + DistanzaBarra;
    const FormaMessaggio forma =
        FormaDelMessaggio(testoIntero, base, massima, interlinea, barra,
                          [&metrica](QStringView t) { return metrica.horizontalAdvance(t.toString()); });
    messaggio->setText(forma.Righe.join(QLatin1Char('\n')));
    messaggio->setToolTip(QString());
    // Lines that scroll start at the top of their place, so a step of one line shows whole ones.
    messaggio->setAlignment(forma.Scorre() ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignCenter);
    Disponi(forma.Larghezza, forma.AltezzaVisibile);
    messaggio->resize(forma.Larghezza - (forma.Scorre() ? barra : 0), forma.AltezzaTesto);
    scorrimento->verticalScrollBar()->setSingleStep(interlinea);
    scorrimento->verticalScrollBar()->setValue(0);
}

int TORVDLGMessaggi::MostraMessaggio(int tipo, const QString& testo, std::function<void()> visto) {
    if (!boxAperto) return Esegui(tipo, testo, visto);
    if (!EDomanda(tipo)) {
        boxAperto->inAttesa.push_back({tipo, testo, LinguaDialogo(), std::move(visto)});
        return RisultatoNessuno;
    }
    // A question's caller needs the answer now: a box of its own, over the open one. The
    // notices raised while it is up are shown in it, after the question.
    TORVDLGMessaggi sopra(boxAperto);
    sopra.Inizializza(LinguaDialogo(), Cornice()->Lato1Alternativo(), Cornice()->Lato1AlternativoCaption1(),
                      Cornice()->Lato1AlternativoCaption2());
    TORVDLGMessaggi* sotto = std::exchange(boxAperto, nullptr);
    const int risposta = sopra.Esegui(tipo, testo, visto);
    boxAperto = sotto;
    return risposta;
}

int TORVDLGMessaggi::Esegui(int tipo, const QString& testo, const std::function<void()>& visto) {
    boxAperto = this;
    Prepara(tipo, testo);
    const int risultato = EseguiModale();
    if (visto) visto();
    while (!inAttesa.isEmpty()) {
        const Attesa a = inAttesa.takeFirst();
        Inizializza(a.lingua, Cornice()->Lato1Alternativo(), Cornice()->Lato1AlternativoCaption1(),
                    Cornice()->Lato1AlternativoCaption2());
        Prepara(a.tipo, a.testo);
        EseguiModale();
        if (a.visto) a.visto();
    }
    boxAperto = nullptr;
    return risultato;
}

void TORVDLGMessaggi::Rispondi(int risultato) {
    if (ancora->Checked()) rispostaAncora = true;
    ChiudiCon(risultato);
}

void TORVDLGMessaggi::showEvent(QShowEvent* e) {
    CentraRidimensionaForm(this, larghezzaFinestra, height());
    DialogoOrv::showEvent(e);
}
