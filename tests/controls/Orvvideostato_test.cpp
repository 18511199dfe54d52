#include "controls/Orvvideostato.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

TEST(ORVVideoStato, PressioneInverteEPrimaDelClick) {
    ORVVideoStato s;
    bool vistoAlClick = false;
    int click = 0;
    s.OnClick = [&](QObject*) {
        ++click;
        vistoAlClick = s.Checked();
    };
    eventi::Clicca(&s, {20, 20});
    EXPECT_TRUE(s.Checked());
    EXPECT_TRUE(vistoAlClick);
    eventi::Clicca(&s, {20, 20});
    EXPECT_FALSE(s.Checked());
    EXPECT_FALSE(vistoAlClick);
    eventi::Clicca(&s, {20, 20}, Qt::RightButton);
    EXPECT_FALSE(s.Checked());
    EXPECT_EQ(click, 2);
    s.SetChecked(true);  // by code: no click
    EXPECT_EQ(click, 2);
}

TEST(ORVVideoStato, TestoFermoInEntrambiGliStati) {
    ORVVideoStato s;
    QImage on(56, 56, QImage::Format_ARGB32_Premultiplied), off(40, 40, QImage::Format_ARGB32_Premultiplied);
    on.fill(Qt::yellow);
    off.fill(Qt::gray);
    s.SetImmagine(ORVVideoStato::ORV_Check_On, on);
    s.SetImmagine(ORVVideoStato::ORV_Check_Off, off);
    EXPECT_EQ(s.XTesto(), 60);
    s.SetChecked(true);
    EXPECT_EQ(s.XTesto(), 60);
    s.SetImmagine(ORVVideoStato::ORV_Check_On, QImage());
    EXPECT_EQ(s.XTesto(), 4);
    // With the border the idle picture is inset.
    s.SetChecked(false);
    s.SetORV_Bordo(true);
    const QImage im = s.grab().toImage();
    EXPECT_EQ(im.pixelColor(1, 1), ColoreDaTColor(0x404040));
    EXPECT_EQ(im.pixelColor(2, 3), QColor(Qt::gray));
}

}  // namespace
