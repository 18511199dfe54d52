#include "controls/Orvvideobutton.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

TEST(ORVVideoButton, StatiEClick) {
    ORVVideoButton b;
    int click = 0;
    b.OnClick = [&](QObject*) { ++click; };
    EXPECT_EQ(b.Stato(), StatoPulsante::Normale);
    eventi::Entra(&b);
    EXPECT_EQ(b.Stato(), StatoPulsante::Attivo);
    eventi::Premi(&b, {10, 10});
    EXPECT_EQ(b.Stato(), StatoPulsante::Premuto);
    eventi::Rilascia(&b, {10, 10});
    EXPECT_EQ(b.Stato(), StatoPulsante::Attivo);
    EXPECT_EQ(click, 1);
    eventi::Clicca(&b, {10, 10}, Qt::RightButton);
    EXPECT_EQ(click, 1);
}

TEST(ORVVideoButton, LarghezzaDalTesto) {
    ORVVideoButton b;
    b.SetCaption("Aiuto");
    b.SetAutoSize(true);
    EXPECT_EQ(b.width(), 6 + 6 + LarghezzaTesto(b.font(), "Aiuto"));
    b.SetCaption("Aiuto e altro");
    EXPECT_EQ(b.width(), 12 + LarghezzaTesto(b.font(), "Aiuto e altro"));
}

TEST(ORVVideoButton, DisabilitatoTestoGrigio) {
    ORVVideoButton b;
    b.resize(160, 30);
    b.setFont(FontControllo("Calibri", 14, true));
    b.SetCaption("MMMM");
    b.SetColoreFont(0x00FF00);
    auto contiene = [](const QImage& im, QColor c) {
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (im.pixelColor(x, y) == c) return true;
        return false;
    };
    EXPECT_TRUE(contiene(b.grab().toImage(), QColor(0, 255, 0)));
    b.setEnabled(false);
    const QImage spento = b.grab().toImage();
    EXPECT_FALSE(contiene(spento, QColor(0, 255, 0)));
    EXPECT_TRUE(contiene(spento, ColoreDaTColor(TestoDisabilitato)));
}

}  // namespace
