#include "controls/BarraProgressoBlocchi.h"

#include <gtest/gtest.h>

#include <climits>

TEST(BarraProgressoBlocchi, PercentualeEBlocchiSonoSicuriAiLimiti) {
    struct Caso {
        int posizione, massimo;
        int percento, pieniSu10;
    } casi[] = {
        {0, 0, 0, 0},          {5, 0, 0, 0},        {5, -4, 0, 0},     {-3, 10, 0, 0},
        {5, 10, 50, 5},        {10, 10, 100, 10},   {15, 10, 100, 10}, {1, 3, 33, 3},
        {2, 3, 66, 6},         {149, 150, 99, 9},   {INT_MAX - 1, INT_MAX, 99, 9},
        {INT_MAX, INT_MAX, 100, 10},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(PercentualeProgresso(c.posizione, c.massimo), c.percento) << c.posizione << "/" << c.massimo;
        EXPECT_EQ(BlocchiPieni(c.posizione, c.massimo, 10), c.pieniSu10) << c.posizione << "/" << c.massimo;
    }
    EXPECT_EQ(BlocchiPieni(5, 10, 0), 0);
}

TEST(BarraProgressoBlocchi, BlocchiCheStannoNellaLarghezza) {
    struct Caso {
        int larghezza, blocchi;
    } casi[] = {{0, 0}, {7, 0}, {8, 1}, {17, 1}, {18, 2}, {1043, 104}};
    for (const Caso& c : casi) EXPECT_EQ(NumeroBlocchi(c.larghezza, 8, 2), c.blocchi) << c.larghezza;
}

TEST(BarraProgressoBlocchi, IlGradienteVaDalPrimoAllUltimoBlocco) {
    EXPECT_EQ(ColoreBlocco(0, 11, 0x808080, 0x4E4E4E), 0x808080u);
    EXPECT_EQ(ColoreBlocco(10, 11, 0x808080, 0x4E4E4E), 0x4E4E4Eu);
    EXPECT_EQ(ColoreBlocco(5, 11, 0x808080, 0x4E4E4E), 0x676767u);
    // Each channel on its own, and a single block takes the start colour.
    EXPECT_EQ(ColoreBlocco(1, 2, 0x0000FF, 0xFF0000), 0xFF0000u);
    EXPECT_EQ(ColoreBlocco(0, 1, 0x0000FF, 0xFF0000), 0x0000FFu);
}

namespace {

// The number of blocks painted: columns of the middle row that are not background,
// counted as runs from the left inside the border.
int BlocchiDipinti(const BarraProgressoBlocchi& b, const QImage& im) {
    const QRect area = b.AreaBlocchi();
    const QRgb fondo = ColoreDaTColor(b.ColoreSfondo()).rgb();
    int blocchi = 0;
    bool inBlocco = false;
    // The row just above the text's reach is enough: blocks are full height.
    const int y = area.top() + 1;
    for (int x = area.left(); x <= area.right(); ++x) {
        const bool pieno = im.pixel(x, y) != fondo;
        if (pieno && !inBlocco) ++blocchi;
        inBlocco = pieno;
    }
    return blocchi;
}

bool HaTestoBianco(const QImage& im) {
    for (int y = 0; y < im.height(); ++y)
        for (int x = im.width() / 2 - 20; x < im.width() / 2 + 20; ++x)
            if (im.pixel(x, y) == qRgb(255, 255, 255)) return true;
    return false;
}

}  // namespace

TEST(BarraProgressoBlocchi, DisegnaIBlocchiDellaPosizioneEIlTestoAlCentro) {
    BarraProgressoBlocchi b;
    b.resize(206, 25);
    const int totali = b.Blocchi();
    ASSERT_EQ(totali, 20);
    struct Caso {
        int posizione, massimo, blocchi;
    } casi[] = {{0, 10, 0}, {5, 10, 10}, {10, 10, 20}, {30, 10, 20}, {7, 0, 0}};
    for (const Caso& c : casi) {
        b.SetMax(c.massimo);
        b.SetPosition(c.posizione);
        const QImage im = b.grab().toImage();
        EXPECT_EQ(BlocchiDipinti(b, im), c.blocchi) << c.posizione << "/" << c.massimo;
        EXPECT_TRUE(HaTestoBianco(im));
    }
    // Full: the first block in the start colour, the last in the end colour.
    b.SetMax(10);
    b.SetPosition(10);
    const QImage im = b.grab().toImage();
    const QRect area = b.AreaBlocchi();
    const int y = area.center().y();
    EXPECT_EQ(im.pixel(area.left() + 1, y + 4), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(im.pixel(area.right() - 1, y + 4), qRgb(0x4E, 0x4E, 0x4E));
}
