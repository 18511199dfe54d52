#include "dialogs/Forvdlgcolor.h"

#include "AiutoModale.h"

#include "common/MouseSintetico.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Orvvideoscrollbarnolista.h"
#include "controls/Orvvideotwocolors.h"
#include "dialogs/ConversioneHSL.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

TEST(ConversioneHSL, EsempiNeiDueSensi) {
    struct {
        TColor colore;
        ValoriHSL hsl;
    } daRGB[] = {
        {0x0000FF, {0, 100, 50}},
        {0xFFFFFF, {0, 0, 100}},
        {0x000000, {0, 0, 0}},
        {0x00FF00, {120, 100, 50}},
        {0xFF0000, {240, 100, 50}},
        {0x123456, {29, 65, 20}},
    };
    for (const auto& c : daRGB) EXPECT_EQ(ConvertiRGBInHSL(c.colore), c.hsl) << std::hex << c.colore;

    struct {
        ValoriHSL hsl;
        TColor colore;
    } daHSL[] = {
        {{0, 0, 50}, 0x7F7F7F},
        {{0, 0, 100}, 0xFFFFFF},
        {{120, 100, 50}, 0x00FF00},
        {{0, 100, 50}, 0x0000FF},
        {{240, 100, 50}, 0xFF0000},
        // The lossy round trip the picker must not apply on a plain click.
        {{29, 65, 20}, 0x0F3054},
    };
    for (const auto& c : daHSL)
        EXPECT_EQ(ConvertiHSLInRGB(c.hsl.h, c.hsl.s, c.hsl.l), c.colore) << c.hsl.h << "," << c.hsl.s << "," << c.hsl.l;
}

TEST(ConversioneHSL, LaTavolaSiLeggeAttraversoLoStiramento) {
    const QSize vista(966, 366), tavola(962, 375);
    struct {
        QPoint controllo, immagine;
    } casi[] = {
        {{0, 0}, {0, 0}},         {{965, 0}, {961, 0}},     {{0, 365}, {0, 373}},
        {{965, 365}, {961, 373}}, {{966, 366}, {961, 374}}, {{-4, -9}, {0, 0}},
        {{483, 183}, {481, 187}}, {{5000, 20}, {961, 20}},
    };
    for (const auto& c : casi) EXPECT_EQ(PuntoTavola(c.controllo, vista, tavola), c.immagine) << c.controllo.x();
}

// The pointer comes over the control first and its own events arrive while the window is up,
// as a real pointer's do before a click: none is left to reach the window after it closed.
void Premi(QWidget* w, int x = 20, int y = 10) {
    QCursor::setPos(w->mapToGlobal(QPoint(x, y)));
    QApplication::processEvents();
    MouseSintetico m(w);
    m.Entra(x, y);
    m.Click(x, y);
}

TEST(TORVDLGColor, UnColoreDallaTavola) {
    TORVDLGColor d;
    d.Inizializza(0, true, "QV", "Intro");
    TColor colore = 0x123456;
    TColor atteso = 0;
    bool pannello2Visibile = true;
    const int r = EseguiModale(
        d,
        [&] {
            pannello2Visibile = d.ORVPannelloBordo3()->isVisible();
            const QPoint punto(700, 120);
            d.Image1MouseMove(punto);
            d.Image1MouseDown(punto);
            const QPoint nella = PuntoTavola(punto, d.Image1()->size(), d.Tavola().size());
            atteso = TColorDaColore(d.Tavola().pixelColor(nella));
            // The mouse row shows what lies under the pointer.
            EXPECT_EQ(d.Valore(0, TORVDLGColor::R)->Valore(), int(atteso & 0xFF));
            EXPECT_EQ(d.ColoriTrovati()->Colore1(), atteso);
            EXPECT_EQ(d.ColoriTrovati()->Colore2(), atteso);
            Premi(d.Esci());
        },
        [&] { return d.EseguiUnColore(colore); });
    EXPECT_EQ(r, 6);
    EXPECT_FALSE(pannello2Visibile);
    EXPECT_EQ(colore, atteso);
    EXPECT_NE(colore, 0x123456u);
}

TEST(TORVDLGColor, AnnullaEChiusuraNonScrivonoNulla) {
    TORVDLGColor d;
    TColor colore = 0x123456;
    EXPECT_EQ(EseguiModale(
                  d,
                  [&] {
                      d.Image1MouseDown({10, 10});
                      Premi(d.Annulla());
                  },
                  [&] { return d.EseguiUnColore(colore); }),
              7);
    EXPECT_EQ(colore, 0x123456u);
    EXPECT_EQ(EseguiModale(
                  d,
                  [&] {
                      d.Image1MouseDown({10, 10});
                      d.reject();
                  },
                  [&] { return d.EseguiUnColore(colore); }),
              0);
    EXPECT_EQ(colore, 0x123456u);
}

TEST(TORVDLGColor, UnClickSuHSLCheNonCambiaNullaLasciaIlColore) {
    TORVDLGColor d;
    TColor colore = 0x123456;
    const int r = EseguiModale(
        d,
        [&] {
            for (auto campo : {TORVDLGColor::H, TORVDLGColor::S, TORVDLGColor::L}) Premi(d.Valore(1, campo));
            EXPECT_EQ(d.ColoriTrovati()->Colore1(), 0x123456u);
            // A real change still goes through HSL.
            d.Valore(1, TORVDLGColor::L)->SetValore(50);
            d.ValoriHSLRilasciati(1);
            EXPECT_EQ(d.ColoriTrovati()->Colore1(), ConvertiHSLInRGB(29, 65, 50));
            EXPECT_EQ(d.Valore(1, TORVDLGColor::R)->Valore(), int(ConvertiHSLInRGB(29, 65, 50) & 0xFF));
            Premi(d.Esci());
        },
        [&] { return d.EseguiUnColore(colore); });
    EXPECT_EQ(r, 6);
    EXPECT_EQ(colore, ConvertiHSLInRGB(29, 65, 50));
}

TEST(TORVDLGColor, DueColoriESegnoSulColoreInModifica) {
    TORVDLGColor d;
    d.Inizializza(1, true, "QV", "Intro");
    TColor a = 0x102030, b = 0xA0B0C0;
    // Ok at once gives both back unchanged.
    EXPECT_EQ(EseguiModale(d, [&] { Premi(d.Esci()); }, [&] { return d.EseguiDueColori(a, b); }), 6);
    EXPECT_EQ(a, 0x102030u);
    EXPECT_EQ(b, 0xA0B0C0u);

    bool segno1 = false, segno2 = true;
    const int r = EseguiModale(
        d,
        [&] {
            EXPECT_TRUE(d.ORVPannelloBordo3()->isVisible());
            segno1 = d.Shape1()->isVisible();
            segno2 = d.Shape2()->isVisible();
            // Editing colour 2 through its fields moves the marker there, and the chart
            // then paints colour 2.
            d.Valore(2, TORVDLGColor::R)->SetValore(0xFF);
            d.ValoriRGBRilasciati(2);
            EXPECT_EQ(d.ColoriTrovati()->Colore2(), 0xA0B0FFu);
            EXPECT_TRUE(d.Shape2()->isVisible());
            EXPECT_FALSE(d.Shape1()->isVisible());
            d.Image1MouseDown({3, 3});
            EXPECT_EQ(d.ColoriTrovati()->Colore1(), 0x102030u);
            Premi(d.Esci());
        },
        [&] { return d.EseguiDueColori(a, b); });
    EXPECT_EQ(r, 6);
    EXPECT_TRUE(segno1);
    EXPECT_FALSE(segno2);
    EXPECT_EQ(a, 0x102030u);
    EXPECT_NE(b, 0xA0B0C0u);

    // The next run starts on colour 1 again.
    EXPECT_EQ(EseguiModale(
                  d,
                  [&] {
                      EXPECT_EQ(d.ColoriTrovati()->ColoreSelezionato(), 1);
                      EXPECT_TRUE(d.Shape1()->isVisible());
                      Premi(d.Annulla());
                  },
                  [&] { return d.EseguiDueColori(a, b); }),
              7);
}

}  // namespace

namespace {

// Relative luminance as contrast ratios take it.
double Luminanza(QRgb c) {
    auto lineare = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(qRed(c)) + 0.7152 * lineare(qGreen(c)) + 0.0722 * lineare(qBlue(c));
}

}  // namespace

// "Ok" and "Annulla" wear the dialogs' skinned bar inside the green frame, all round, and their
// silver captions read clearly on it.
TEST(TORVDLGColor, IPulsantiHannoLoStileDeiDialoghi) {
    TORVDLGColor d;
    d.Inizializza(1, true, "QV", "Intro");
    TColor colore = 0x2080E0;
    QImage foto[2];
    EseguiModale(
        d,
        [&] {
            foto[0] = d.Esci()->grab().toImage();
            foto[1] = d.Annulla()->grab().toImage();
            d.done(0);
        },
        [&] { return d.EseguiUnColore(colore); });
    for (const QImage& f : foto) {
        ASSERT_FALSE(f.isNull());
        const QRgb cornice = ColoreDaTColor(d.Esci()->ORV_BordoColore()).rgb();
        for (const QPoint p : {QPoint(0, 0), QPoint(f.width() / 2, 0), QPoint(3, f.height() - 1),
                               QPoint(f.width() - 1, f.height() / 2), QPoint(f.width() - 4, f.height() - 1)})
            EXPECT_EQ(f.pixel(p), cornice) << p.x() << "," << p.y();
        // Inside the frame: the bar, dark, and the caption's brightest pixel against it.
        const QRgb barra = f.pixel(8, f.height() / 2);
        EXPECT_LT(Luminanza(barra), 0.05);
        double chiara = 0;
        for (int x = 8; x < f.width() - 8; ++x)
            for (int y = 4; y < f.height() - 4; ++y) chiara = std::max(chiara, Luminanza(f.pixel(x, y)));
        EXPECT_GT((chiara + 0.05) / (Luminanza(barra) + 0.05), 4.5);
    }
}

// The button that closed the picker shows no hover when the picker opens again.
TEST(TORVDLGColor, IlPulsanteCheChiudeNonRestaAttivo) {
    TORVDLGColor d;
    d.Inizializza(0, true, "QV", "Intro");
    for (auto pulsante : {&TORVDLGColor::Esci, &TORVDLGColor::Annulla}) {
        TColor colore = 0x123456;
        StatoPulsante allaRiapertura = StatoPulsante::Premuto;
        EseguiModale(d, [&] { Premi((d.*pulsante)()); }, [&] { return d.EseguiUnColore(colore); });
        // The pointer's own events, on their way while the click closed the window, reach it
        // hidden: they bring no hover.
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        EXPECT_EQ((d.*pulsante)()->Stato(), StatoPulsante::Normale);
        EseguiModale(
            d,
            [&] {
                allaRiapertura = (d.*pulsante)()->Stato();
                d.done(0);
            },
            [&] { return d.EseguiUnColore(colore); });
        EXPECT_EQ(allaRiapertura, StatoPulsante::Normale);
    }
}
