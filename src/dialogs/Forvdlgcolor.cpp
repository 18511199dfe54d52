#include "dialogs/Forvdlgcolor.h"

#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Orvvideoscrollbarnolista.h"
#include "controls/Orvvideotwocolors.h"
#include "controls/Posizionamento.h"
#include "dialogs/ArteDialoghi.h"
#include "dialogs/TestiDialogo.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

const TestoDialogo TitoloUno{"Seleziona il Colore", "Choose your color"};
const TestoDialogo TitoloDue{"Seleziona Colori", "Select Colors"};
const TestoDialogo TestoSelezionato{"Colore Selezionato:", "Color Selected:"};
const TestoDialogo TestoColore{"Colore:", "Color:"};
const TestoDialogo TestoAnnulla{"Annulla", "Cancel"};
const TestoDialogo TestoEsci{"Ok", "Ok"};
const char* const NomiCampi[] = {"R", "G", "B", "H", "S", "L"};
const int Massimi[] = {255, 255, 255, 359, 100, 100};

constexpr int Larghezza = 1025;
constexpr int Altezza = 628;
constexpr QRect PostoTavola(27, 11, 966, 366);
constexpr QRect PostoColori(28, 392, 177, 161);
constexpr int YShape2 = 136;
constexpr int LatoShape = 20;
// The three field groups: caption, then a bordered panel of two columns.
constexpr int XGruppo[] = {232, 470, 708};
constexpr int YTitoloGruppo = 392;
constexpr int YPannelloGruppo = 418;
constexpr int LarghezzaPannello = 222;
constexpr int AltezzaPannello = 94;
constexpr int PassoRiga = 28;

// The chart, stretched into its place; it reports the pointer in its own coordinates.
class VistaTavola : public QWidget {
public:
    VistaTavola(TORVDLGColor* dialogo, QWidget* genitore) : QWidget(genitore), dialogo(dialogo) {
        setMouseTracking(true);
        setCursor(Qt::CrossCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(rect(), dialogo->Tavola());
    }
    void mouseMoveEvent(QMouseEvent* e) override { dialogo->Image1MouseMove(e->position().toPoint()); }
    void mousePressEvent(QMouseEvent* e) override { dialogo->Image1MouseDown(e->position().toPoint()); }

private:
    TORVDLGColor* dialogo;
};

// The yellow square that marks the colour being edited.
QWidget* Segno(QWidget* genitore, int y) {
    auto* s = new QWidget(genitore);
    s->setGeometry(genitore->width() - LatoShape - 6, y, LatoShape, LatoShape);
    s->setAttribute(Qt::WA_TransparentForMouseEvents);
    s->setAutoFillBackground(true);
    s->setStyleSheet(QStringLiteral("background: #FFFF00; border: 1px solid #202020;"));
    return s;
}

TColor Canali(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

}  // namespace

TORVDLGColor::TORVDLGColor(QWidget* owner) : DialogoOrv(owner) {
    Dimensiona(Larghezza, Altezza, false);
    CreaTavola();
    for (int gruppo = 0; gruppo < 3; ++gruppo) CreaGruppo(gruppo, XGruppo[gruppo]);
    CreaPulsanti();
}

void TORVDLGColor::CreaTavola() {
    tavola = ArteDialoghi::TavolaColori();
    image1 = new VistaTavola(this, Client());
    image1->setGeometry(PostoTavola);

    coloriTrovati = new ORVVideoTwoColors(Client());
    coloriTrovati->setGeometry(PostoColori);
    coloriTrovati->OnClick = [this](QObject*) { AggiornaSegni(); };
    shape1 = Segno(coloriTrovati, 4);
    shape2 = Segno(coloriTrovati, YShape2);
}

void TORVDLGColor::CreaGruppo(int gruppo, int x) {
    auto* titolo = new ORV_2016_Label(Client());
    titolo->setGeometry(x, YTitoloGruppo, LarghezzaPannello, 24);
    titoli[gruppo] = titolo;

    auto* pannello = new ORVPannelloBordo(Client());
    pannello->setGeometry(x, YPannelloGruppo, LarghezzaPannello, AltezzaPannello);
    pannello->SetColor(0x2D2D2D);
    pannello->SetBorderColor(0x404040);
    pannelli[gruppo] = pannello;

    for (int campo = 0; campo < 6; ++campo) {
        const int colonna = campo / 3, riga = campo % 3;
        const int xc = 10 + colonna * 108, y = 10 + riga * PassoRiga;
        auto* etichetta = new QLabel(QString::fromLatin1(NomiCampi[campo]), pannello);
        etichetta->setGeometry(xc, y, 16, 20);
        etichetta->setFont(FontControllo("Calibri", 11, true));
        etichetta->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));
        etichette[gruppo][campo] = etichetta;

        auto* v = new ORVVideoScrollBarNoLista(pannello);
        v->setGeometry(xc + 18, y, 76, 20);
        v->SetValoreMin(0);
        v->SetValoreMax(Massimi[campo]);
        v->SetValore(0);
        v->SetColor(0x363636);
        campi[gruppo][campo] = v;
        if (gruppo == 0) {
            v->SetReadOnly(true);
            continue;
        }
        v->OnMouseUp = [this, gruppo, campo](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            if (campo < 3)
                ValoriRGBRilasciati(gruppo);
            else
                ValoriHSLRilasciati(gruppo);
        };
    }
}

void TORVDLGColor::CreaPulsanti() {
    const int destra = Client()->width() - 27;
    // The skinned bars of every dialog's buttons, inside the picker's green frame.
    auto* stile = new ORV_2016_Stile(this);
    stile->hide();
    auto crea = [this, stile](int x) {
        auto* b = new ORV_2016_Button(Client());
        b->SetORV_Stile(stile);
        // Two rows more than the bar, so the frame shows below its end caps too.
        b->setGeometry(x, 524, 140, b->height() + 2);
        b->SetORV_Bordo(true);
        b->SetORV_BordoColore(0x40C040);
        return b;
    };
    esci = crea(destra - 140);
    annulla = crea(destra - 140 - 150);
    annulla->OnClick = [this](QObject*) { ChiudiCon(RisultatoNo); };
    esci->OnClick = [this](QObject*) { ChiudiCon(RisultatoSi); };
}

void TORVDLGColor::Prepara(int numero, TColor colore1, TColor colore2) {
    const int lingua = LinguaDialogo();
    numeroColori = numero;
    Cornice()->SetCaption((numero == 1 ? TitoloUno : TitoloDue).Testo(lingua));
    titoli[0]->SetCaption(TestoColore.Testo(lingua));
    titoli[1]->SetCaption(TestoSelezionato.Testo(lingua));
    titoli[2]->SetCaption(QString());
    annulla->SetCaption(TestoAnnulla.Testo(lingua));
    esci->SetCaption(TestoEsci.Testo(lingua));
    pannelli[2]->setVisible(numero == 2);
    coloriTrovati->SetColore1(colore1);
    coloriTrovati->SetColore2(colore2);
    // Every run starts on colour 1.
    coloriTrovati->SetColoreSelezionato(1);
    AggiornaSegni();
    AggiornaValoriColore();
}

int TORVDLGColor::EseguiUnColore(TColor& colore) {
    Prepara(1, colore, colore);
    const int r = EseguiModale();
    if (r == RisultatoSi) colore = coloriTrovati->Colore1();
    return r;
}

int TORVDLGColor::EseguiDueColori(TColor& colore1, TColor& colore2) {
    Prepara(2, colore1, colore2);
    const int r = EseguiModale();
    if (r == RisultatoSi) {
        colore1 = coloriTrovati->Colore1();
        colore2 = coloriTrovati->Colore2();
    }
    return r;
}

TColor TORVDLGColor::ColoreTavola(QPoint punto) const {
    const QPoint p = PuntoTavola(punto, image1->size(), tavola.size());
    return TColorDaColore(tavola.pixelColor(p));
}

void TORVDLGColor::Image1MouseMove(QPoint punto) {
    const TColor colore = ColoreTavola(punto);
    const ValoriHSL hsl = ConvertiRGBInHSL(colore);
    const int valori[] = {int(colore & 0xFF), int((colore >> 8) & 0xFF), int((colore >> 16) & 0xFF),
                          hsl.h, hsl.s, hsl.l};
    for (int campo = 0; campo < 6; ++campo) campi[0][campo]->SetValore(valori[campo]);
}

void TORVDLGColor::Image1MouseDown(QPoint punto) {
    const TColor colore = ColoreTavola(punto);
    if (numeroColori == 1) {
        coloriTrovati->SetColore1(colore);
        coloriTrovati->SetColore2(colore);
    } else if (coloriTrovati->ColoreSelezionato() == 2) {
        coloriTrovati->SetColore2(colore);
    } else {
        coloriTrovati->SetColore1(colore);
    }
    AggiornaValoriColore();
}

void TORVDLGColor::ImpostaColore(int gruppo, TColor colore) {
    if (gruppo == 2) {
        coloriTrovati->SetColore2(colore);
    } else {
        coloriTrovati->SetColore1(colore);
        if (numeroColori == 1) coloriTrovati->SetColore2(colore);
    }
    coloriTrovati->SetColoreSelezionato(gruppo);
    AggiornaSegni();
    AggiornaValoriColore();
}

void TORVDLGColor::ValoriRGBRilasciati(int gruppo) {
    const auto& c = campi[gruppo];
    ImpostaColore(gruppo, Canali(c[R]->Valore(), c[G]->Valore(), c[B]->Valore()));
}

void TORVDLGColor::ValoriHSLRilasciati(int gruppo) {
    const auto& c = campi[gruppo];
    const ValoriHSL hsl{c[H]->Valore(), c[S]->Valore(), c[L]->Valore()};
    if (hsl == hslMostrati[gruppo]) {
        // The round trip through HSL is lossy: a click that moved nothing keeps the colour.
        coloriTrovati->SetColoreSelezionato(gruppo);
        AggiornaSegni();
        return;
    }
    ImpostaColore(gruppo, ConvertiHSLInRGB(hsl.h, hsl.s, hsl.l));
}

void TORVDLGColor::AggiornaValoriColore() {
    const TColor colori[] = {coloriTrovati->Colore1(), coloriTrovati->Colore2()};
    for (int gruppo = 1; gruppo <= 2; ++gruppo) {
        const TColor colore = colori[gruppo - 1];
        const ValoriHSL hsl = ConvertiRGBInHSL(colore);
        hslMostrati[gruppo] = hsl;
        const int valori[] = {int(colore & 0xFF), int((colore >> 8) & 0xFF), int((colore >> 16) & 0xFF),
                              hsl.h, hsl.s, hsl.l};
        for (int campo = 0; campo < 6; ++campo) campi[gruppo][campo]->SetValore(valori[campo]);
    }
}

void TORVDLGColor::AggiornaSegni() {
    const bool primo = numeroColori == 1 || coloriTrovati->ColoreSelezionato() != 2;
    shape1->setVisible(primo);
    shape2->setVisible(!primo);
}

void TORVDLGColor::showEvent(QShowEvent* e) {
    CentraRidimensionaForm(this, Larghezza, Altezza);
    DialogoOrv::showEvent(e);
}
