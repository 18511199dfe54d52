// Intros 2 and 3 drawn: the hanging logo, its mirrored shadow and chains; the drop and the tilt.
#include "AiutoIntro.h"

#include <gtest/gtest.h>

namespace {

// A 200 x 100 logo at 100 % sits at (860, 490).
constexpr int X0 = 860, Y0 = 490;

TEST(Intro2, PreviewHangsTheLogoAtFullHeightOnTwoChains) {
    BancoIntro b(2);
    const QImage f = b.Frame(0, false);
    EXPECT_TRUE(Vicino(f.pixel(960, 540), RossoLogo));
    EXPECT_TRUE(Vicino(f.pixel(960, Y0 + 99), RossoLogo));
    // The thin shadow, 6 px high and raised by 3, under the logo.
    const QRgb fondo = f.pixel(960, 650);
    EXPECT_LT(Luminosita(f.pixel(960, Y0 + 100 + 10 - 3 + 3)), Luminosita(fondo) - 20);
    // Chains: 100 px inside each edge, over the logo's top 55 px.
    b.imp.TabellaImmagini[29].clear();
    const QImage senzaCatene = b.Frame(0, false);
    const QSize catena = QImage(PercorsoPredefinitoImmagine(29, CartellaProgramma)).size();
    ASSERT_FALSE(catena.isEmpty());
    EXPECT_GT(PixelDiversi(f, senzaCatene, QRect(X0 + 100, Y0 - 100, catena.width(), 150)), 200);
    EXPECT_GT(PixelDiversi(f, senzaCatene, QRect(X0 + 200 - 100 - catena.width(), Y0 - 100, catena.width(), 150)), 200);
    EXPECT_EQ(PixelDiversi(f, senzaCatene, QRect(X0 + 100, Y0 + 60, catena.width(), 30)), 0);
}

TEST(Intro2, FirstFrameSquashesDarkensAndMirrorsTheShadowUpwards) {
    BancoIntro b(2);
    const QImage f = b.Frame(0, true);
    // s = 0: |v| about 0.95, so only the top few rows of the logo remain, darkened to black.
    EXPECT_LT(Luminosita(f.pixel(960, Y0 + 1)), 30);
    EXPECT_FALSE(Vicino(f.pixel(960, 540), RossoLogo, 60));
    // The shadow's height is negative: it rises from its line at y 600 up over the logo.
    b.imp.TabellaImmagini[28].clear();
    const QImage senzaOmbra = b.Frame(0, true);
    EXPECT_GT(PixelDiversi(f, senzaOmbra, QRect(X0, 450, 200, 100)), 5000);
    EXPECT_EQ(PixelDiversi(f, senzaOmbra, QRect(X0, 605, 200, 50)), 0);
}

TEST(Intro2, MissingPicturesDrawNothingForThem) {
    BancoIntro b(2);
    b.imp.Intro2LogoDaUtilizzare = b.casa.Sotto(QStringLiteral("manca.png"));
    const QImage f = b.Frame(0, false);
    EXPECT_FALSE(Vicino(f.pixel(960, 540), RossoLogo, 60));
}

TEST(Intro3, FirstFrameHidesTheLogoAboveAndSlidesTheShadowIn) {
    BancoIntro b(3);
    const QImage f = b.Frame(0, true);
    for (int y = 0; y < 1080; y += 20) EXPECT_FALSE(Vicino(f.pixel(960, y), RossoLogo, 60)) << y;
    // The shadow starts 180 px left of its resting place.
    EXPECT_LT(Luminosita(f.pixel(X0 - 180 + 100, Y0 + 100)), Luminosita(f.pixel(X0 + 150, Y0 + 100)) - 20);
}

TEST(Intro3, FirstBounceLiftsTheLogo) {
    BancoIntro b(3);
    // s = 63 at t = 84 of 200: lifted by (y0 + lh) / 15, about 39 px.
    const QImage f = b.Frame(84, true);
    EXPECT_TRUE(Vicino(f.pixel(960, Y0 - 35), RossoLogo));
    EXPECT_FALSE(Vicino(f.pixel(960, Y0 + 70), RossoLogo, 60));
}

// The preview shows the logo landed, upright and unwhitened on its shadow, whatever the
// duration; the last step of the choreography has it far off to the right.
TEST(Intro3, PreviewShowsTheLogoLandedOnItsShadow) {
    BancoIntro b(3);
    for (float N : {100.0f, 200.0f, 30.0f}) {
        const QImage f = b.Frame(0, false, N);
        EXPECT_TRUE(Vicino(f.pixel(960, Y0 + 2), RossoLogo)) << N;
        EXPECT_TRUE(Vicino(f.pixel(960, Y0 + 97), RossoLogo)) << N;
        EXPECT_FALSE(Vicino(f.pixel(960, Y0 - 3), RossoLogo, 60)) << N;
    }
}

// Chains hang from the logo's ink, not from the picture's transparent top margin, and the
// shadow lies under the ink, not under the transparent bottom margin.
TEST(Intro2, ChainsOverlapTheInkOfALogoWithTransparentMargins) {
    BancoIntro b(2, QSize(400, 200));
    SalvaLogoConInchiostro(b.logo, QSize(400, 200), QRect(0, 80, 400, 80));
    const int x0 = 760, y0 = 440;
    const QImage f = b.Frame(0, false);
    b.imp.TabellaImmagini[29].clear();
    const QImage senzaCatene = b.Frame(0, false);
    const int cw = QImage(PercorsoPredefinitoImmagine(29, CartellaProgramma)).width();
    for (int xCatena : {x0 + 100, x0 + 400 - 100 - cw}) {
        int fondo = -1;
        for (int y = 0; y < 1080; ++y)
            if (PixelDiversi(f, senzaCatene, QRect(xCatena, y, cw, 1)) > 0) fondo = y;
        ASSERT_GE(fondo, 0) << xCatena;
        // The chain's last rows lie over the logo's red.
        EXPECT_GE(fondo, y0 + 80 + 20) << xCatena;
        EXPECT_TRUE(Vicino(senzaCatene.pixel(xCatena + cw / 2, fondo), RossoLogo)) << xCatena;
    }
    // The thin shadow under the ink's bottom row (160), not under the picture's (200).
    b.imp.TabellaImmagini[28].clear();
    const QImage senzaOmbra = b.Frame(0, false);
    EXPECT_GT(PixelDiversi(senzaCatene, senzaOmbra, QRect(x0, y0 + 160 + 7, 400, 6)), 1000);
    EXPECT_EQ(PixelDiversi(senzaCatene, senzaOmbra, QRect(x0, y0 + 200, 400, 20)), 0);
}

}  // namespace
