// Intro 4 drawn: the tiles cut from the logo, the projected sea and its opacity.
#include "AiutoIntro.h"

#include "render/DisegnoIntro.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

QString Tessera(int riga, int colonna) {
    return CartellaLavoro + QStringLiteral("/sudd_%1_%2.png").arg(riga, 2, 10, QLatin1Char('0')).arg(colonna, 2, 10, QLatin1Char('0'));
}

TEST(Intro4, PreviewCutsTheLogoIntoTwoHundredTiles) {
    BancoIntro b(4, QSize(1005, 509));
    QImage logo(1005, 509, QImage::Format_ARGB32);
    for (int y = 0; y < 509; ++y)
        for (int x = 0; x < 1005; ++x) logo.setPixel(x, y, qRgba(x / 4, y / 2, 90, 255));
    logo.save(b.logo);
    b.Frame(0, false);
    const QStringList tessere = QDir(CartellaLavoro).entryList({QStringLiteral("sudd_*.png")}, QDir::Files);
    EXPECT_EQ(tessere.size(), 200);
    // 50 x 50 tiles; the last 5 columns and 9 rows of pixels are dropped.
    const QImage t = QImage(Tessera(9, 19)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(t.size(), QSize(50, 50));
    EXPECT_EQ(t.pixel(49, 49), logo.pixel(999, 499));
    EXPECT_EQ(QImage(Tessera(3, 7)).convertToFormat(QImage::Format_ARGB32).pixel(0, 0), logo.pixel(350, 150));
    // Later frames reuse the tiles; a logo that is gone takes its tiles with it at the next cut.
    QFile::remove(b.logo);
    b.Frame(0, false);
    EXPECT_FALSE(QFile::exists(Tessera(9, 19)));
}

TEST(Intro4, FrontCellProjectsBelowTheCentreInTheSeaColour) {
    BancoIntro b(4);
    // The front face of cell (0, 0) starts at (W/2 + 1, 920), full base colour in the front row.
    const QImage f = b.Frame(0, false);
    const QRgb mare = qRgb(0x03, 0x92, 0xFF);
    EXPECT_TRUE(Vicino(f.pixel(990, 1000), mare, 1));
    EXPECT_TRUE(Vicino(f.pixel(990, 925), mare, 1));
    // Above 920 lies the cell's light top face.
    EXPECT_TRUE(Vicino(f.pixel(990, 915), qRgb(3, 189, 255), 2));
    // Opacity 0: front and side faces vanish, the light tops stay.
    b.imp.Intro4Opacita = 0;
    const QImage trasparente = b.Frame(0, false);
    EXPECT_FALSE(Vicino(trasparente.pixel(990, 1000), mare, 30));
    EXPECT_TRUE(Vicino(trasparente.pixel(990, 915), qRgb(3, 189, 255), 2));
}

// The two halves of the sea meet on the eye's axis: no dark seam runs down the middle.
TEST(Intro4, NoSeamDownTheMiddle) {
    BancoIntro b(4);
    b.imp.SfondoColori = {0x000000, 0x000000};
    for (float t : {0.0f, 37.0f}) {
        const QImage f = b.Frame(t, t > 0);
        // Below the farthest row's top (about y 332 in the preview) the sea covers the axis.
        for (int y = 400; y < 1080; ++y)
            for (int x = 958; x <= 963; ++x) ASSERT_GT(Luminosita(f.pixel(x, y)), 60) << t << ": " << x << "," << y;
    }
}

TEST(Intro4, CameraBehindTheSeaDrawsOnlyWhatLiesAhead) {
    BancoIntro b(4);
    // Every row nearer than z 1000 lies behind the eye. Ahead of it nothing projects above
    // y 400, so corners behind the eye, had they been projected, are all the top could show.
    b.imp.Intro4AsseZ = -1720;
    const QImage f = b.Frame(0, false);
    for (int x = 0; x < 1920; x += 8) ASSERT_TRUE(Vicino(f.pixel(x, 100), qRgb(0x30, 0x30, 0x30), 2)) << x;
    int mare = 0;
    for (int x = 0; x < 1920; x += 8) mare += !Vicino(f.pixel(x, 700), qRgb(0x30, 0x30, 0x30), 2);
    EXPECT_GT(mare, 50);
}

}  // namespace
