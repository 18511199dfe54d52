#include "controls/Orv_2016_label.h"

#include "common/MouseSintetico.h"
#include "controls/ComuneControlli.h"
#include "controls/Orv_2016_stile.h"

#include <gtest/gtest.h>

namespace {
const QRgb Nero = qRgb(0, 0, 0);

// The left and right ends of the caption's white pixels on a black bar.
std::pair<int, int> EstremiTesto(const QImage& im) {
    int sinistra = im.width(), destra = -1;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (qGreen(im.pixel(x, y)) > 128) {
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
            }
    return {sinistra, destra};
}

void BarraNera(ORV_2016_Label& l) {
    l.SetImmagine(ORV_2016_Label::ORV_Normale1, SkinTinta(5, 28, Nero));
    l.SetImmagine(ORV_2016_Label::ORV_Normale2, SkinTinta(5, 28, Nero));
    l.SetImmagine(ORV_2016_Label::ORV_Normale3, SkinTinta(5, 28, Nero));
    l.SetColoreFont(0xFFFFFF);
    l.SetORV_OmbraDistanza(0);
}
}  // namespace

TEST(Orv_2016_Label, AllineamentiDellaDidascalia) {
    const QString testo = "Frame rate:";
    const int tw = LarghezzaTesto(FontControllo("Calibri", 12), testo);
    struct Caso {
        Qt::AlignmentFlag allineamento;
        int inizio;
    } casi[] = {{Qt::AlignLeft, 6}, {Qt::AlignRight, 228 - tw - 6}, {Qt::AlignHCenter, (228 - tw) / 2}};
    for (const auto& c : casi) {
        ORV_2016_Label l;
        BarraNera(l);
        l.SetAlignment(c.allineamento);
        l.SetCaption(testo);
        const auto [sinistra, destra] = EstremiTesto(l.grab().toImage());
        // Glyphs start a pixel or two inside their advance and never pass it.
        EXPECT_GE(sinistra, c.inizio) << c.allineamento;
        EXPECT_LE(sinistra, c.inizio + 2) << c.allineamento;
        EXPECT_LT(destra, c.inizio + tw) << c.allineamento;
    }
}

TEST(Orv_2016_Label, LaFettaDiMezzoArrivaAlBordoELaFineLaCopre) {
    ORV_2016_Label l;
    l.resize(60, 28);
    l.SetImmagine(ORV_2016_Label::ORV_Normale1, SkinTinta(5, 28, qRgb(255, 0, 0)));
    l.SetImmagine(ORV_2016_Label::ORV_Normale2, SkinTinta(5, 28, qRgb(0, 255, 0)));
    const QImage senzaFine = l.grab().toImage();
    EXPECT_EQ(senzaFine.pixel(59, 5), qRgb(0, 255, 0));
    l.SetImmagine(ORV_2016_Label::ORV_Normale3, SkinTinta(5, 28, qRgb(0, 0, 255)));
    const QImage im = l.grab().toImage();
    EXPECT_EQ(im.pixel(4, 5), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(54, 5), qRgb(0, 255, 0));
    EXPECT_EQ(im.pixel(55, 5), qRgb(0, 0, 255));
}

TEST(Orv_2016_Label, CaptionRidisegnaSempreEIlMouseNonCambiaNulla) {
    ORV_2016_Label l;
    l.move(300, 300);
    BarraNera(l);
    l.SetCaption("Fps");
    ContaPitture pitture(&l);
    l.SetCaption("Fps");
    EXPECT_GE(pitture.Pitture(), 1);
    const QImage prima = l.grab().toImage();
    MouseSintetico mouse(&l);
    int click = 0;
    l.OnClick = [&](QObject*) { ++click; };
    mouse.Entra(20, 10);
    mouse.Premi(20, 10);
    EXPECT_EQ(l.grab().toImage(), prima);
    mouse.Rilascia(20, 10);
    EXPECT_EQ(click, 1);
}

TEST(Orv_2016_Label, StileCopiaLeTreFetteELAltezza) {
    ORV_2016_Stile stile;
    ORV_2016_Label l;
    l.SetORV_OmbraColore(0x010203);
    l.SetORV_Stile(&stile);
    EXPECT_EQ(l.height(), 28);
    EXPECT_EQ(l.Immagine(ORV_2016_Label::ORV_Normale1).size(), QSize(5, 28));
    EXPECT_EQ(l.ORV_OmbraColore(), 0x010203u);
}

TEST(Orv_2016_Label, PercorsoLungoAccorciatoNelMezzoConIlTuttoNelSuggerimento) {
    const QString lungo = "/home/utente/Documenti/Drovaskent/Quenvox/Intro/04 Logo Quenvox.png";
    ORV_2016_Label l;
    BarraNera(l);
    l.resize(220, 28);
    l.SetElisione(Qt::ElideMiddle);
    l.SetCaption(lungo);
    const QString mostrato = l.TestoMostrato();
    // Both ends stay, the middle gives way to one ellipsis, and the text keeps inside the bar.
    ASSERT_TRUE(mostrato.contains(QChar(0x2026))) << mostrato.toStdString();
    EXPECT_TRUE(mostrato.startsWith("/home")) << mostrato.toStdString();
    EXPECT_TRUE(mostrato.endsWith("Quenvox.png")) << mostrato.toStdString();
    const auto [sinistra, destra] = EstremiTesto(l.grab().toImage());
    EXPECT_GE(sinistra, 6);
    EXPECT_LT(destra, 220 - 6);
    EXPECT_EQ(l.toolTip(), lungo);

    struct Caso {
        QString caption;
        int larghezza;
        bool accorciato;
    };
    const Caso casi[] = {{"/tmp/a.png", 220, false}, {lungo, 700, false}, {lungo, 120, true}};
    for (const Caso& c : casi) {
        l.resize(c.larghezza, 28);
        l.SetCaption(c.caption);
        EXPECT_EQ(l.TestoMostrato() != c.caption, c.accorciato) << c.larghezza;
        // The tooltip follows the width: only a shortened path needs it.
        EXPECT_EQ(l.toolTip(), c.accorciato ? c.caption : QString()) << c.larghezza;
    }

    // Without the mode the caption runs on under the end cap, as before.
    ORV_2016_Label semplice;
    semplice.resize(120, 28);
    semplice.SetCaption(lungo);
    EXPECT_EQ(semplice.TestoMostrato(), lungo);
    EXPECT_TRUE(semplice.toolTip().isEmpty());
}
