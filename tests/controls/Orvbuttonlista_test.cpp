#include "controls/Orvbuttonlista.h"

#include "common/MouseSintetico.h"

#include <gtest/gtest.h>

namespace {

TEST(ORVButtonLista, LeFrecceScorronoSenzaRicominciare) {
    ORVButtonLista b;
    b.SetElenco({"Uno", "Due", "Tre"});
    int click = 0;
    b.OnClick = [&](QObject*) { ++click; };
    MouseSintetico m(&b);
    const int destra = b.width() - 5, sinistra = 5, mezzo = b.width() / 2;
    const struct {
        int x, voce;
        const char* caption;
    } passi[] = {{destra, 2, "Due"}, {destra, 3, "Tre"}, {destra, 3, "Tre"}, {mezzo, 3, "Tre"},
                 {sinistra, 2, "Due"}, {sinistra, 1, "Uno"}, {sinistra, 1, "Uno"}};
    for (const auto& p : passi) {
        m.Click(p.x, 10);
        EXPECT_EQ(b.Voce(), p.voce) << p.x;
        EXPECT_EQ(b.Caption(), p.caption) << p.x;
    }
    EXPECT_EQ(click, 7);
}

TEST(ORVButtonLista, VociFuoriDallElenco) {
    ORVButtonLista b;
    b.SetElenco({"a", "b", "c"});
    b.SetVoce(5);
    EXPECT_EQ(b.Voce(), 1);
    b.SetVoce(3);
    b.SetCaption("vecchia");
    b.SetVoce(3);  // the same number: the caption is left alone
    EXPECT_EQ(b.Caption(), "vecchia");
    b.SetElenco({});
    MouseSintetico m(&b);
    m.Click(5, 10);
    EXPECT_EQ(b.Caption(), "Non definito");
}

TEST(ORVButtonLista, IlCapoDestroChiudeLaBarraEIlTestoSiFermaPrima) {
    ORVButtonLista b;
    b.resize(200, 26);
    b.SetImmagine(ORVButtonLista::NormaleSX, SkinTinta(29, 26, Qt::green));
    b.SetImmagine(ORVButtonLista::NormaleGrande, SkinTinta(3, 26, Qt::blue));
    b.SetImmagine(ORVButtonLista::NormaleDX, SkinTinta(20, 26, Qt::red));
    b.SetColoreFont(0xFFFFFF);
    b.SetCaption(QString(60, QLatin1Char('W')));
    const QImage im = b.grab().toImage();
    EXPECT_EQ(im.pixel(199, 20), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(180, 20), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(179, 24), qRgb(0, 0, 255));
    EXPECT_EQ(im.pixel(28, 24), qRgb(0, 255, 0));
    // Every column of the bottom row is painted by a skin.
    for (int x = 0; x < 200; ++x) EXPECT_NE(qAlpha(im.pixel(x, 25)), 0) << x;
    // No letter over the right cap.
    for (int y = 0; y < 26; ++y)
        for (int x = 180; x < 200; ++x) ASSERT_EQ(im.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
}

TEST(ORVButtonLista, LaFrecciaPremutaSiAccende) {
    ORVButtonLista b;
    b.SetElenco({"a", "b"});
    b.SetImmagine(ORVButtonLista::NormaleDX, SkinTinta(26, 26, Qt::red));
    b.SetImmagine(ORVButtonLista::AttivoDX, SkinTinta(26, 26, Qt::yellow));
    MouseSintetico m(&b);
    const int x = b.width() - 3;
    m.Entra(x, 5);
    m.Premi(x, 5);
    EXPECT_EQ(b.grab().toImage().pixel(x, 5), qRgb(255, 255, 0));
    m.Rilascia(x, 5);
    EXPECT_EQ(b.grab().toImage().pixel(x, 5), qRgb(255, 0, 0));
}

}  // namespace
