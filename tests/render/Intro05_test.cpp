// Intros 5 and 9 drawn: the logo on the floor line over its fading reflection, and the text
// lines opening on their timeline.
#include "AiutoIntro.h"

#include "render/DisegnoIntro.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QRgb Fondo = qRgb(0x30, 0x30, 0x30);

TEST(Intro5, LogoStandsOnTheFloorOverItsReflection) {
    BancoIntro b(5, QSize(400, 301));
    const QImage f = b.Frame(0, false);
    // Logo (760, 394, 400, 301); reflection (760, 695, 400, 150), strongest next to the logo.
    EXPECT_TRUE(Vicino(f.pixel(960, 395), RossoLogo));
    EXPECT_TRUE(Vicino(f.pixel(960, 694), RossoLogo));
    const QRgb vicino = f.pixel(960, 696), lontano = f.pixel(960, 843);
    EXPECT_GT(qRed(vicino), qRed(lontano) + 40);
    EXPECT_LE(qRed(vicino), 0x30 + (200 - 0x30) * 127 / 255 + 3);
    EXPECT_TRUE(Vicino(f.pixel(960, 846), Fondo));
    EXPECT_TRUE(Vicino(f.pixel(700, 700), Fondo));
    b.contesto.ScritturaFile.Attendi();
    const QImage flip(CartellaLavoro + NomiIntro::Riflesso);
    EXPECT_EQ(flip.size(), QSize(400, 150));
    // Time plays no part: frame 50 of an animation shows the same logo and reflection.
    const QImage dopo = b.Frame(50, true);
    EXPECT_EQ(PixelDiversi(f, dopo, QRect(760, 394, 400, 451)), 0);
}

// Under the transparent parts of a logo the reflection leaves the floor as it is: no dark
// box the size of the picture.
TEST(Intro5, TransparentPartsOfTheLogoReflectNothing) {
    BancoIntro b(5, QSize(400, 300));
    SalvaLogoConInchiostro(b.logo, QSize(400, 300), QRect(0, 0, 200, 300));
    const QImage f = b.Frame(0, false);
    // Logo (760, 395, 400, 300); the reflection under it, rows 695 to 844.
    for (int y = 695; y < 845; ++y)
        for (int x = 960 + 2; x < 1160; ++x) ASSERT_TRUE(Vicino(f.pixel(x, y), Fondo, 1)) << x << "," << y;
    // Under the ink the reflection shows, strongest next to the logo.
    EXPECT_GT(qRed(f.pixel(860, 696)), 0x30 + 40);
}

// Columns holding ink in the text band just above the centre line.
int ColonneInchiostro(const QImage& f) {
    int n = 0;
    for (int x = 0; x < 1920; ++x)
        for (int y = 490; y < 540; y += 2)
            if (!Vicino(f.pixel(x, y), Fondo, 10)) {
                ++n;
                break;
            }
    return n;
}

TEST(Intro9, LinesOpenFromTheCentreOnTheirTimeline) {
    BancoIntro b(9);
    const int intera = ColonneInchiostro(b.Frame(50, true));
    ASSERT_GT(intera, 60);
    EXPECT_EQ(ColonneInchiostro(b.Frame(10, true)), 0);
    EXPECT_EQ(ColonneInchiostro(b.Frame(101, true)), 0);
    EXPECT_NEAR(ColonneInchiostro(b.Frame(16, true)), intera * 6 / 7, 4);
    EXPECT_EQ(ColonneInchiostro(b.Frame(188, true)), 0);
    EXPECT_GT(ColonneInchiostro(b.Frame(0, false)), 60);
    // The reflection is made from the whole layer at half its height.
    b.Frame(50, true);
    const GeometriaRiga& g = b.contesto.GeometriaOggetti[0];
    b.contesto.ScritturaFile.Attendi();
    EXPECT_EQ(QImage(CartellaLavoro + NomiIntro::Riflesso).size(), QSize(g.Larghezza, g.Altezza / 2));
}

TEST(Intro9, EmptyLinesDrawNothing) {
    BancoIntro b(9);
    b.imp.Testo1.clear();
    EXPECT_EQ(ColonneInchiostro(b.Frame(0, false)), 0);
    // Line 2 is shown only from frame 101.
    EXPECT_EQ(ColonneInchiostro(b.Frame(50, true)), 0);
    EXPECT_GT(ColonneInchiostro(b.Frame(150, true)), 40);
}

}  // namespace
