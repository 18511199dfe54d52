#include "dialogs/Forvdlgmessaggi.h"

#include "controls/Orv_2016_check.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvlrbutton.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Posizionamento.h"
#include "dialogs/ArteDialoghi.h"
#include "dialogs/ElementiDialogo.h"
#include "dialogs/RigheMessaggio.h"
#include "dialogs/TestiDialogo.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

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
    const int W = c->width(), H = c->height();

    const int lato = ArteDialoghi::LatoIconaMessaggio;
    const QRect postoIcona((W - lato) / 2, (H - AltezzaPannello - AltezzaMessaggio - lato) / 2, lato, lato);
    imgError = Icona(c, ArteDialoghi::IconaMessaggio::Errore);
    imgInfo = Icona(c, ArteDialoghi::IconaMessaggio::Informazione);
    imgQuestion = Icona(c, ArteDialoghi::IconaMessaggio::Domanda);
    for (QLabel* l : {imgError, imgInfo, imgQuestion}) l->setGeometry(postoIcona);

    messaggio = new QLabel(c);
    messaggio->setGeometry(16, H - AltezzaPannello - AltezzaMessaggio, W - 32, AltezzaMessaggio);
    // Laid out by Prepara, line by line.
    messaggio->setWordWrap(false);
    messaggio->setAlignment(Qt::AlignCenter);
    messaggio->setTextFormat(Qt::PlainText);
    messaggio->setFont(FontControllo("Calibri", 14));
    messaggio->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));

    panel1 = new ORVPannelloBordo(c);
    panel1->setGeometry(0, H - AltezzaPannello, W, AltezzaPannello);
    panel1->SetColor(0x404040);
    panel1->SetBorderColor(0x404040);
    // The three buttons sit around the middle; Si and No take the outer places.
    const int mezzo = W / 2;
    btn1 = CreaPulsanteRisposta(panel1, mezzo - 250, YPulsanti);
    btn3 = CreaPulsanteRisposta(panel1, mezzo - 50, YPulsanti);
    btn2 = CreaPulsanteRisposta(panel1, mezzo + 150, YPulsanti);
    btn1->OnClick = [this](QObject*) { Rispondi(RisultatoSi); };
    btn2->OnClick = [this](QObject*) { Rispondi(RisultatoNo); };
    btn3->OnClick = [this](QObject*) { Rispondi(RisultatoOk); };

    ancora = new ORV_2016_Check(panel1);
    ancora->SetORV_Disegnato(true);
    ancora->SetORV_DisegnatoColoreSfondo(0x404040);
    ancora->SetCaption(QString());
    ancora->setGeometry(mezzo - 12, YAncora, 24, 20);
}

int TORVDLGMessaggi::TipoMostrato(int tipo) {
    return tipo >= MessaggioErrore && tipo <= MessaggioDomandaAncora ? tipo : MessaggioAvviso;
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
    const QRect area = messaggio->contentsRect();
    const RigheMessaggio righe =
        DividiInRighe(testoIntero, area.width(), std::max(1, area.height() / metrica.lineSpacing()),
                      [&metrica](QStringView t) { return metrica.horizontalAdvance(t.toString()); });
    messaggio->setText(righe.Righe.join(QLatin1Char('\n')));
    messaggio->setToolTip(righe.Accorciato ? testoIntero : QString());
}

int TORVDLGMessaggi::MostraMessaggio(int tipo, const QString& testo) {
    Prepara(tipo, testo);
    return EseguiModale();
}

void TORVDLGMessaggi::Rispondi(int risultato) {
    if (ancora->Checked()) rispostaAncora = true;
    ChiudiCon(risultato);
}

void TORVDLGMessaggi::showEvent(QShowEvent* e) {
    CentraRidimensionaForm(this, Larghezza, height());
    DialogoOrv::showEvent(e);
}
