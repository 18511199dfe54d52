#include "controls/Orvscrollbarvert.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

struct Barra : ::testing::Test {
    ORVScrollBarVert b;
    int eventi = 0;
    void SetUp() override {
        b.resize(15, 133);
        b.SetORV_ValoreMax(380);
        b.OnCambioPosizione = [&](QObject*) { ++eventi; };
    }
};

TEST_F(Barra, TrascinamentoRiportaAlRilascio) {
    EXPECT_EQ(b.ORV_Posizione(), 133);
    eventi::Premi(&b, {7, 20});
    eventi::Muovi(&b, {7, 200}, Qt::LeftButton);  // past the bottom
    EXPECT_EQ(b.ORV_Posizione(), 380);
    EXPECT_EQ(eventi, 0);  // nothing during the drag
    eventi::Rilascia(&b, {7, 200});
    EXPECT_EQ(eventi, 1);

    // Back where it started: no event.
    eventi::Premi(&b, {7, 50});
    eventi::Muovi(&b, {7, 30}, Qt::LeftButton);
    eventi::Muovi(&b, {7, 50}, Qt::LeftButton);
    eventi::Rilascia(&b, {7, 50});
    EXPECT_EQ(eventi, 1);

    // Only the left release ends a drag.
    eventi::Premi(&b, {7, 50});
    eventi::Muovi(&b, {7, -100}, Qt::LeftButton);  // to the top
    eventi::Rilascia(&b, {7, 0}, Qt::RightButton);
    EXPECT_EQ(eventi, 1);
    eventi::Rilascia(&b, {7, 0});
    EXPECT_EQ(eventi, 2);
    EXPECT_EQ(b.ORV_Posizione(), 133);
    // A right release after a wheel scroll reports nothing either.
    b.ImpostaPosizione(20, 6, 19);
    eventi::Rilascia(&b, {7, 0}, Qt::RightButton);
    EXPECT_EQ(eventi, 2);
}

TEST_F(Barra, ImpostaPosizioneTornaAllaRiga) {
    for (int riga = 0; riga <= 13; ++riga) {
        b.ImpostaPosizione(20, riga, 19);
        EXPECT_EQ((19 + b.ORV_Posizione() - b.height() - 1) / 19, riga) << riga;
    }
    EXPECT_EQ(eventi, 0);
    b.ImpostaPosizione(20, 4, 0);  // no item height: nothing
    b.ImpostaPosizione(7, 3, 19);  // everything in view: not a crash
    EXPECT_EQ(eventi, 0);
}

TEST_F(Barra, SetterDellaPosizione) {
    b.ImpostaPosizione(20, 6, 19);
    b.SetORV_Posizione(0);
    EXPECT_EQ(b.Scostamento(), 0);
    EXPECT_EQ(b.ORV_Posizione(), 133);
    b.SetORV_Posizione(300);
    EXPECT_EQ(b.ORV_Posizione(), 300);
    b.SetORV_Posizione(1000);  // beyond the content: ignored
    EXPECT_EQ(b.ORV_Posizione(), 300);
    EXPECT_EQ(eventi, 0);
    b.SetORV_MouseScrollDi(0);
    EXPECT_EQ(eventi, 0);
    b.SetORV_MouseScrollDi(-100000);
    EXPECT_EQ(b.Scostamento(), 0);
    EXPECT_EQ(eventi, 1);
}

TEST_F(Barra, NienteCursoreSenzaSpazio) {
    b.SetORV_ColoreSfondo(0x505050);
    const QColor fondo = ColoreDaTColor(0x505050);
    // Content that fits, and a bar too short for the smallest thumb: background only.
    for (QSize misura : {QSize(15, 133), QSize(15, 60)}) {
        b.resize(misura);
        if (misura.height() == 133) b.SetORV_ValoreMax(100);
        else b.SetORV_ValoreMax(1000);
        const QImage im = b.grab().toImage();
        for (int y = 0; y < im.height(); ++y) ASSERT_EQ(im.pixelColor(7, y), fondo) << y;
        eventi::Premi(&b, {7, 10});
        eventi::Muovi(&b, {7, 40}, Qt::LeftButton);
        eventi::Rilascia(&b, {7, 40});
        EXPECT_EQ(b.Scostamento(), 0);
    }
    EXPECT_EQ(eventi, 0);
    // With room the thumb shows.
    b.resize(15, 133);
    b.SetORV_ValoreMax(380);
    EXPECT_NE(b.grab().toImage().pixelColor(7, 30), fondo);
}

}  // namespace
