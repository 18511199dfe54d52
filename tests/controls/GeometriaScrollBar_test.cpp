#include "controls/GeometriaScrollBar.h"

#include <gtest/gtest.h>

namespace {

TEST(GeometriaScrollBar, CursoreDaContenutoEAltezza) {
    // 20 items of 19 in a 293-high bar: one thumb pixel per content pixel.
    auto g = CalcolaBarra(293, 380, 0, 0);
    EXPECT_TRUE(g.cursore);
    EXPECT_EQ(g.centro, 182);
    EXPECT_FLOAT_EQ(g.scala, 1.0f);
    EXPECT_EQ(g.corsa, 87);
    EXPECT_EQ(g.posizione, 293);
    g = CalcolaBarra(293, 380, 10000, 0);  // dragged past the bottom
    EXPECT_EQ(g.scostamento, 87);
    EXPECT_EQ(g.posizione, 380);
    EXPECT_EQ(RigaDaPosizione(g.posizione, 293, 19), 5);

    // A 133-high bar: the smallest thumb, 68 high, and a scale above 1.
    g = CalcolaBarra(133, 380, 100000, 0);
    EXPECT_EQ(g.centro, 50);
    EXPECT_EQ(g.corsa, 59);
    EXPECT_NEAR(g.scala, 247.0f / 59.0f + 1.0f, 1e-5);
    EXPECT_EQ(g.posizione, 380);
    EXPECT_EQ(g.yCursore + 2 * AltezzaTesta + g.centro, 133 - MargineCursore);
}

TEST(GeometriaScrollBar, SenzaCursore) {
    // Content that fits: no thumb, offset 0, the last position kept.
    auto g = CalcolaBarra(133, 100, 40, 77);
    EXPECT_FALSE(g.cursore);
    EXPECT_EQ(g.scostamento, 0);
    EXPECT_EQ(g.posizione, 77);
    // Too short for the smallest thumb: none, and no division by zero.
    for (int h : {74, 60, 10, 0}) {
        g = CalcolaBarra(h, 1000, 30, 5);
        EXPECT_FALSE(g.cursore) << h;
        EXPECT_EQ(g.scostamento, 0) << h;
    }
    EXPECT_TRUE(CalcolaBarra(75, 1000, 0, 0).cursore);
}

TEST(GeometriaScrollBar, RigaPosizioneRigaTornaUguale) {
    for (int h : {133, 141, 293, 301}) {
        for (int numero : {8, 20, 37, 200, 1000}) {
            const int max = numero * 19;
            const int visibili = h / 19;
            for (int riga = 0; riga <= numero - visibili; ++riga) {
                const int s = ScostamentoPerRiga(h, max, riga, 19);
                const int posizione = CalcolaBarra(h, max, s, h).posizione;
                ASSERT_EQ(RigaDaPosizione(posizione, h, 19), riga) << h << " " << numero << " " << riga;
            }
        }
    }
}

TEST(GeometriaScrollBar, PosizioneImpostataTornaUguale) {
    for (int h : {133, 293}) {
        for (int v = h; v <= 380; v += 7) {
            const int s = ScostamentoPerPosizione(h, 380, v);
            EXPECT_EQ(CalcolaBarra(h, 380, s, 0).posizione, v) << h << " " << v;
        }
        EXPECT_EQ(ScostamentoPerPosizione(h, 380, 0), 0);
    }
}

}  // namespace
