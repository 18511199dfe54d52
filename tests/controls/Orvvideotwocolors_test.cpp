#include "controls/Orvvideotwocolors.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TColor Pixel(const QImage& im, int x, int y) { return TColorDaColore(im.pixelColor(x, y)); }

TEST(ORVVideoTwoColors, RigheDelGradiente) {
    const struct {
        TColor c1, c2;
        int altezza, riga;
        TColor atteso;
    } casi[] = {
        {0x0000FF, 0x000000, 25, 0, 0x0000FF},
        {0x0000FF, 0x000000, 25, 24, 0x00000A},      // 255 - 24 x 10.2, truncated
        {0x000000, 0xFF0000, 25, 24, 0xF40000},      // rising blue: 24 x 10.2
        {0x808080, 0x808080, 28, 27, 0x808080},      // equal colours: flat
        {0xFF00FF00u | 0x00FF00, 0x000000, 2, 0, 0x00FF00},  // the high byte is ignored
    };
    for (const auto& c : casi) EXPECT_EQ(RigaGradiente(c.c1, c.c2, c.altezza, c.riga), c.atteso) << c.riga;
}

TEST(ORVVideoTwoColors, DisegnoConStriscia) {
    ORVVideoTwoColors swatch;
    swatch.resize(97, 28);
    swatch.SetColore1(0x0000FF);
    swatch.SetColore2(0xFF0000);
    const QImage im = swatch.grab().toImage();
    EXPECT_EQ(Pixel(im, 0, 0), 0x0000FFu);
    EXPECT_EQ(Pixel(im, 23, 13), 0x0000FFu);  // strip 97 / 4 = 24 wide
    EXPECT_EQ(Pixel(im, 23, 14), 0xFF0000u);
    EXPECT_EQ(Pixel(im, 24, 27), RigaGradiente(0x0000FF, 0xFF0000, 28, 27));
    EXPECT_EQ(Pixel(im, 60, 10), RigaGradiente(0x0000FF, 0xFF0000, 28, 10));
}

TEST(ORVVideoTwoColors, PressioneSceglieLaMeta) {
    ORVVideoTwoColors swatch;
    swatch.resize(25, 25);
    int click = 0;
    swatch.OnClick = [&](QObject*) { ++click; };
    const struct {
        Qt::MouseButton tasto;
        int y, atteso;
    } casi[] = {
        {Qt::LeftButton, 12, 2},  // y = H / 2: the lower half
        {Qt::LeftButton, 11, 1},
        {Qt::RightButton, 20, 1},  // a right press changes nothing
        {Qt::LeftButton, 24, 2},
    };
    for (const auto& c : casi) {
        eventi::Clicca(&swatch, QPoint(5, c.y), c.tasto);
        EXPECT_EQ(swatch.ColoreSelezionato(), c.atteso) << c.y;
    }
    EXPECT_EQ(click, 3);
    // Set by code: stored, no click.
    swatch.SetColoreSelezionato(1);
    EXPECT_EQ(swatch.ColoreSelezionato(), 1);
    EXPECT_EQ(click, 3);
}

}  // namespace
