#include "controls/Orvlrbutton.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

bool Contiene(const QImage& im, QColor c) {
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixelColor(x, y) == c) return true;
    return false;
}

TEST(ORVLRButton, TestoBiancoSottoIlPuntatore) {
    ORVLRButton b;
    b.SetCaption("MMMM");
    b.setFont(FontControllo("Calibri", 14, true));
    const QColor bianco(255, 255, 255), grigio = ColoreDaTColor(0xA6A6A6);
    QImage im = b.grab().toImage();
    EXPECT_TRUE(Contiene(im, grigio));
    EXPECT_FALSE(Contiene(im, bianco));
    eventi::Entra(&b);
    im = b.grab().toImage();
    EXPECT_TRUE(Contiene(im, bianco));
    int click = 0;
    b.OnClick = [&](QObject*) { ++click; };
    eventi::Clicca(&b, {10, 10});
    EXPECT_EQ(click, 1);
}

}  // namespace
