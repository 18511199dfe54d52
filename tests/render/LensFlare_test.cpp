#include "render/LensFlare.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QPoint Centro(const ComandoFlare& c) {
    return QPoint(c.rettangolo.left() + c.rettangolo.width() / 2, c.rettangolo.top() + c.rettangolo.height() / 2);
}

TEST(LensFlare, StandardChainAtStartMiddleAndEnd) {
    const auto inizio = ComandiFlareStandard(0, 200, 1920, 1080);
    EXPECT_EQ(Centro(inizio[0]), QPoint(0, 0)) << "the source on the top edge at x 0";
    EXPECT_EQ(inizio[0].rettangolo, QRect(-87, -87, 175, 175));
    EXPECT_EQ(Centro(inizio[1]), QPoint(384, 324));
    EXPECT_EQ(Centro(inizio[8]).x(), 1440) << "below the centre, moving the other way";
    EXPECT_EQ(inizio[8].rettangolo.size(), QSize(650, 650));
    EXPECT_FLOAT_EQ(inizio[14].alpha, 0.9f);

    const auto meta = ComandiFlareStandard(100, 200, 1920, 1080);
    for (int k = 0; k < NumeroElementiFlare; ++k) EXPECT_EQ(Centro(meta[k]).x(), 960) << "element " << k;

    const auto fine = ComandiFlareStandard(200, 200, 1920, 1080);
    EXPECT_EQ(Centro(fine[0]), QPoint(1920, 0));
    EXPECT_EQ(Centro(fine[8]), QPoint(480, 810));
    for (const auto& chain : {inizio, meta, fine}) EXPECT_EQ(chain[8].rettangolo.center(), chain[15].rettangolo.center());
}

TEST(LensFlare, NoFramesDrawsTheStartInsteadOfNaN) {
    const auto zero = ComandiFlareStandard(0, 0, 1920, 1080);
    const auto inizio = ComandiFlareStandard(0, 200, 1920, 1080);
    for (int k = 0; k < NumeroElementiFlare; ++k) EXPECT_EQ(zero[k].rettangolo, inizio[k].rettangolo);
    EXPECT_EQ(AngoloLente(0, 0), 360);
    EXPECT_EQ(RettangoloLente(LensFlareLenti1, 3, 0, QSize(900, 900), 1920, 1080).x(), 1920 - 450);
}

TEST(LensFlare, LensesTurnAQuarterAndLensOneCrossesTheFrame) {
    EXPECT_EQ(AngoloLente(0, 200), 360);
    EXPECT_EQ(AngoloLente(100, 200), 315);
    EXPECT_EQ(AngoloLente(200, 200), 270);
    const QSize d(900, 700);
    EXPECT_EQ(RettangoloLente(LensFlareLenti1, 0, 200, d, 1920, 1080), QRect(1470, 190, 900, 700));
    EXPECT_EQ(RettangoloLente(LensFlareLenti1, 200, 200, d, 1920, 1080).x(), -450);
    EXPECT_EQ(RettangoloLente(LensFlareLenti2, 77, 200, d, 1920, 1080), QRect(510, 190, 900, 700));
}

TEST(LensFlare, StandardSpritesTurnWithTime) {
    EXPECT_EQ(AngoloSpriteFlare(1, 50), 0);
    EXPECT_EQ(AngoloSpriteFlare(2, 50), 0);
    EXPECT_EQ(AngoloSpriteFlare(3, 50.5f), 50);
    EXPECT_EQ(AngoloSpriteFlare(4, 50.5f), 101);
    EXPECT_EQ(AngoloSpriteFlare(5, 50.5f), 151);
}

}  // namespace
