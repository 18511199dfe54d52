#include "render/SistemaParticellare.h"

#include "render/Casuale.h"
#include "render/LivelliParticelle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(SistemaParticellare, BuildSetsCentreRadiusAndRespawnsByTheDrawOrder) {
    FissaSemeCasuale(77);
    const int scala = NumeroCasuale(1000);
    const int gradi = NumeroCasuale(36000);
    const int divisore = NumeroCasuale(100) + 1;
    const int rx = NumeroCasuale(101);
    const int ry = NumeroCasuale(101);
    const int dimensione = NumeroCasuale(7);
    const int vita = NumeroCasuale(40) + 1;

    FissaSemeCasuale(77);
    CerchioPalle c;
    c.Inizializza(1, 0.03, -0.03, 5, 4, 0, 0, 1920, 1080, 40, 7, 1);
    EXPECT_TRUE(c.Inizializzato());
    EXPECT_EQ(c.LeggiCentroX(), 960);
    EXPECT_EQ(c.LeggiCentroY(), 540);
    EXPECT_EQ(c.Raggio(), 540);
    const ParticellaCerchio& p = c.Dati(0);
    const float s = static_cast<float>(scala * 0.001 + 1);
    const float a = static_cast<float>((gradi / divisore) * std::numbers::pi / 180.0);  // integer division
    EXPECT_FLOAT_EQ(p.scale, s);
    EXPECT_FLOAT_EQ(p.angle, a);
    EXPECT_DOUBLE_EQ(p.x, 960 + std::cos(a) * 540 * s);
    EXPECT_DOUBLE_EQ(p.y, 540 + std::sin(a) * 540 * s);
    EXPECT_DOUBLE_EQ(p.vx, rx * 0.01 * 5 - 2.5);
    EXPECT_DOUBLE_EQ(p.vy, ry * 0.01 * 4 - 2.0);
    EXPECT_EQ(p.size, dimensione);
    EXPECT_EQ(p.life, vita);
}

TEST(SistemaParticellare, TurningWithRadiusZeroKeepsEveryBallAtTheCentre) {
    CerchioPalle c;
    c.Inizializza(50, 0.03, -0.03, 5, 5, 0, 0, 1920, 1080, 400, 1, 1);
    c.ImpostaRaggio(0);
    c.Aggiorna(false);
    for (int i = 0; i < c.Numero(); ++i) {
        LetturaCerchio l;
        ASSERT_TRUE(c.LeggiParticella(i, l));
        EXPECT_EQ(l.x, 960);
        EXPECT_EQ(l.y, 540);
    }
}

TEST(SistemaParticellare, FlyingBallsMoveInStraightLinesAndJitterSizes) {
    CerchioPalle c;
    c.Inizializza(20, 0.03, -0.03, 5, 5, 0, 0, 1920, 1080, 1000, 1, 2);
    std::vector<ParticellaCerchio> prima;
    for (int i = 0; i < c.Numero(); ++i) {
        c.Dati(i).life = 1000;
        prima.push_back(c.Dati(i));
    }
    for (int passo = 0; passo < 3; ++passo) c.Aggiorna(true);
    for (int i = 0; i < c.Numero(); ++i) {
        const ParticellaCerchio& p = c.Dati(i);
        EXPECT_DOUBLE_EQ(p.x, prima[i].x + 3 * prima[i].vx);
        EXPECT_DOUBLE_EQ(p.y, prima[i].y + 3 * prima[i].vy);
        EXPECT_GE(p.size, -9);
        EXPECT_LE(p.size, 6);
    }
}

TEST(SistemaParticellare, ReadingPastTheCountAndLayingOutAnEmptyRing) {
    CerchioPalle c;
    LetturaCerchio l;
    EXPECT_FALSE(c.LeggiParticella(0, l));
    EXPECT_EQ(l.life, 1);
    EXPECT_EQ(l.age, 0);
    c.InizializzaCerchio();
    EXPECT_TRUE(c.Inizializzato());
    EXPECT_EQ(c.Numero(), 0);
    EXPECT_EQ(c.LeggiCentroY(), 540);
    c.Azzera();
    EXPECT_FALSE(c.Inizializzato());
}

TEST(SistemaParticellare, RingRadiusOpensOverTheFirstSixth) {
    const struct {
        float t, n;
        bool rotazione, zoom;
        int raggio;
    } casi[] = {
        {0, 240, true, true, 0},      {20, 240, true, true, 270},  // N/12: half
        {40, 240, true, true, 540},   {41, 240, true, true, 540},
        {20, 240, false, true, 540},  {20, 240, true, false, 540},
        {0, 0, true, true, 0},        // no frames: drawn as any frame 0, never NaN
        {5, NAN, true, true, 0},
    };
    for (const auto& c : casi)
        EXPECT_EQ(RaggioCerchio(c.t, c.n, 540, c.rotazione, c.zoom), c.raggio) << "t " << c.t << " n " << c.n;
}

}  // namespace
