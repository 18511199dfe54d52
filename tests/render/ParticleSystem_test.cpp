#include "render/ParticleSystem.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Casuale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr std::uint32_t kSeme = 4242;

// The draws an engine makes after a reseed, replayed from the same seed: the scripted source.
struct Copione {
    Copione() { FissaSemeCasuale(kSeme); }
    int operator()(int n) const { return NumeroCasuale(n); }
};

double Spread(const Copione& c, double s) { return c(101) * 0.01 * s - s * 0.5; }

struct Atteso {
    double x, y, vx, vy;
    int life, size, variant, layer;
};

struct CasoModo {
    int modo;
    // The first particle's fields for box (100, 200) - (140, 260), spread (4, 6), life 30,
    // size range 50, variant range 5, from the replayed draws.
    std::function<Atteso(const Copione&)> atteso;
};

void PrintTo(const CasoModo& c, std::ostream* os) { *os << "modo " << c.modo; }

class ModiEmissione : public ::testing::TestWithParam<CasoModo> {};

TEST_P(ModiEmissione, RespawnFollowsTheModeAndTheDrawOrder) {
    const CasoModo& caso = GetParam();
    Copione c;
    const Atteso a = caso.atteso(c);

    FissaSemeCasuale(kSeme);
    ParticleSystem e;
    e.ImpostaModo(caso.modo);
    const PuntoDeriva deriva[] = {{0.5, -1}, {0.25, 2}};
    e.Inizializza(1, deriva, 4, 6, 100, 200, 140, 260, 30, 50, 5);

    ASSERT_TRUE(e.Inizializzato());
    ASSERT_EQ(e.Numero(), 1);
    EXPECT_DOUBLE_EQ(e.DerivaX(), 0.75);  // a sum of the points, not a mean
    EXPECT_DOUBLE_EQ(e.DerivaY(), 1.0);
    const Particella& p = e.Dati(0);
    EXPECT_DOUBLE_EQ(p.x, a.x);
    EXPECT_DOUBLE_EQ(p.y, a.y);
    EXPECT_DOUBLE_EQ(p.vx, a.vx);
    EXPECT_DOUBLE_EQ(p.vy, a.vy);
    EXPECT_EQ(p.age, 0);
    EXPECT_EQ(p.life, a.life);
    EXPECT_EQ(p.size, a.size);
    EXPECT_EQ(p.variant, a.variant);
    EXPECT_EQ(p.layer, a.layer);
}

INSTANTIATE_TEST_SUITE_P(
    Particelle, ModiEmissione,
    ::testing::Values(
        CasoModo{1, [](const Copione& c) {
                     Atteso a{};
                     a.x = c(41) + 100.0;
                     a.y = c(61) + 200.0;
                     a.vx = Spread(c, 4);
                     a.vy = Spread(c, 6);
                     a.life = c(30) + 1;
                     a.size = c(50);
                     a.variant = c(5);
                     a.layer = c(2) != 0;
                     return a;
                 }},
        CasoModo{2, [](const Copione& c) {
                     Atteso a{};
                     a.x = c(41) + 100.0;
                     a.y = c(61) + 200.0;
                     a.vx = 0;
                     a.vy = c(10) + 3;
                     a.life = c(60) + 21;
                     a.size = c(50);
                     a.variant = c(5);
                     a.layer = c(2) != 0;
                     return a;
                 }},
        CasoModo{3, [](const Copione& c) {
                     Atteso a{};
                     a.life = c(30) + 11;
                     a.variant = c(5);
                     a.layer = c(2) != 0;
                     return a;
                 }},
        CasoModo{4, [](const Copione& c) {
                     Atteso a{};
                     a.x = c(41) + 100.0;
                     a.y = 1280;  // below the frame whatever the box
                     a.vx = Spread(c, 4);
                     a.vy = Spread(c, 6);
                     a.life = c(60) + 1;
                     a.size = c(50);
                     a.variant = c(5);
                     a.layer = c(2) != 0;
                     return a;
                 }}),
    [](const auto& info) { return "Modo" + std::to_string(info.param.modo); });

TEST(ParticleSystem, LifeRangesWithMaximumLifeZeroAndFlatBox) {
    const struct {
        int modo;
        int vita;
    } casi[] = {{1, 1}, {2, 21}, {3, 11}, {4, 1}};
    for (const auto& caso : casi) {
        ParticleSystem e;
        e.ImpostaModo(caso.modo);
        e.Inizializza(50, {}, 5, 5, 0, 300, 1920, 300, 0, 10, 4);
        for (int i = 0; i < e.Numero(); ++i) {
            EXPECT_EQ(e.Dati(i).life, caso.vita) << "mode " << caso.modo;
            if (caso.modo <= 2) {
                EXPECT_EQ(e.Dati(i).y, 300) << "equal y corners give one row";
            }
            if (caso.modo != 3) {
                EXPECT_GE(e.Dati(i).x, 0);
                EXPECT_LE(e.Dati(i).x, 1920);
            }
        }
    }
}

TEST(ParticleSystem, FireStepAddsDriftMovesAndRespawnsAtTheEndOfLife) {
    FissaSemeCasuale(kSeme);
    Fire f;
    f.ImpostaModo(1);
    const PuntoDeriva deriva[] = {{0.5, -0.25}};
    f.Inizializza(2, deriva, 0, 0, 10, 10, 10, 10, 100, 1, 1);
    Particella& p = f.Dati(0);
    p = {100, 200, 1, 2, 3, 5, 0, 0, 0};
    Particella& fine = f.Dati(1);
    fine = {7, 7, 0, 0, 9, 9, 0, 0, 0};  // age becomes 10 > life 9

    f.Aggiorna();
    EXPECT_DOUBLE_EQ(p.vx, 1.5);
    EXPECT_DOUBLE_EQ(p.vy, 1.75);
    EXPECT_DOUBLE_EQ(p.x, 101.5);
    EXPECT_DOUBLE_EQ(p.y, 201.75);
    EXPECT_EQ(p.age, 4);
    EXPECT_EQ(fine.age, 0) << "respawned in the same step";
    EXPECT_DOUBLE_EQ(fine.x, 10);
    EXPECT_DOUBLE_EQ(fine.y, 10);

    // From below: half the drift on vy and half the velocity on y.
    f.ImpostaModo(4);
    p = {100, 200, 1, 2, 0, 5, 0, 0, 0};
    f.Aggiorna();
    EXPECT_DOUBLE_EQ(p.vy, 1.875);
    EXPECT_DOUBLE_EQ(p.y, 200 + 1.875 * 0.5);
    EXPECT_DOUBLE_EQ(p.x, 101.5);
}

TEST(ParticleSystem, BounceFallsAndIsPutOnTheFloorLine) {
    ASSERT_EQ(ImpostazioniGlobali.LineaPavimento, 675);
    Bounce b;
    b.ImpostaModo(2);
    b.Inizializza(1, {}, 0, 0, 0, 0, 0, 0, 1000, 1, 1);
    Particella& p = b.Dati(0);
    p = {50, 0, 0, 3, 0, 100000, 0, 0, 0};
    double vy = 3, y = 0;
    int passi = 0;
    while (true) {
        vy += 0.15f;
        y += vy;
        b.Aggiorna();
        ++passi;
        if (y > 675) break;
        ASSERT_DOUBLE_EQ(p.y, y);
        ASSERT_DOUBLE_EQ(p.x, 50) << "x never changes";
    }
    EXPECT_DOUBLE_EQ(p.y, 675);
    EXPECT_DOUBLE_EQ(p.vy, -vy * 0.7);
    EXPECT_EQ(p.age, passi);

    // Above the top edge counts as a bounce too.
    p = {50, -10, 0, -2, 0, 100000, 0, 0, 0};
    b.Aggiorna();
    EXPECT_DOUBLE_EQ(p.y, 675);
    EXPECT_DOUBLE_EQ(p.vy, -(2.0 - static_cast<double>(0.15f)) * 0.7);
}

TEST(ParticleSystem, SmokeAndSparksSwitchOffAtTheEndOfLife) {
    ParticleSystem fumo;
    fumo.ImpostaModo(3);
    fumo.Inizializza(3, {}, 0, 0, -500, -500, -500, -500, 30, 100, 4);
    fumo.Spegni();
    // Already rising, so the random push (which may be 0) cannot keep it in place.
    fumo.Dati(0) = {100, 100, 0, 0.5, 4, 4, 0, 2, 0};
    fumo.AggiornaFumo();
    EXPECT_EQ(fumo.Dati(0).variant, 0) << "not respawned: it goes out";
    EXPECT_LT(fumo.Dati(0).y, 100.0) << "smoke rises";
    EXPECT_EQ(fumo.Dati(1).age, 0) << "inactive particles do not move";

    ParticleSystem scintille;
    const PuntoDeriva deriva[] = {{3, 0}};
    scintille.Inizializza(2, deriva, 1, 2, 0, 0, 0, 0, 10, 1, 0);
    scintille.PosizionaParticella(0, 40, 50);
    scintille.Dati(0).life = 1;
    scintille.Dati(0).age = 0;
    scintille.AggiornaCasuale();
    EXPECT_EQ(scintille.Dati(0).variant, 1);
    scintille.AggiornaCasuale();
    EXPECT_EQ(scintille.Dati(0).variant, 0);
    EXPECT_EQ(scintille.Dati(1).age, 2) << "every spark walks, active or not";
    EXPECT_LE(std::fabs(scintille.Dati(0).vx), 2 * 3.0);
}

TEST(ParticleSystem, SparkWalkWithoutAFiniteDriftStaysFinite) {
    for (double drift : {0.0, double(INFINITY), double(NAN)}) {
        ParticleSystem e;
        const PuntoDeriva deriva[] = {{drift, 0}};
        e.Inizializza(3, deriva, 1, 2, 0, 0, 0, 0, 10, 1, 0);
        e.AggiornaCasuale();
        LetturaParticella l;
        EXPECT_TRUE(e.LeggiParticella(0, l)) << "drift " << drift;
        EXPECT_TRUE(std::isfinite(e.Dati(0).x));
    }
}

TEST(ParticleSystem, EmitStartsAtMostTwoAndReportsTheLastActive) {
    ParticleSystem e;
    e.ImpostaModo(3);
    e.Inizializza(5, {}, 0, 0, 0, 0, 0, 0, 30, 100, 4);
    e.Spegni();
    e.Emetti(100, 200);
    e.Emetti(100, 200);
    int attive = 0;
    for (int i = 0; i < 5; ++i) {
        const Particella& p = e.Dati(i);
        if (p.variant == 0) continue;
        ++attive;
        EXPECT_GE(p.variant, 1);
        EXPECT_LE(p.variant, 3);
        EXPECT_GE(p.x, 97);
        EXPECT_LE(p.x, 102);
        EXPECT_DOUBLE_EQ(p.vy, 5.0);
    }
    EXPECT_EQ(attive, 4);
    EXPECT_EQ(e.UltimaAttiva(), 3);
    e.Emetti(0, 0);
    e.Emetti(0, 0);  // none left to start
    EXPECT_EQ(e.UltimaAttiva(), 4);
    e.Spegni();
    e.Emetti(0, 0);
    EXPECT_EQ(e.UltimaAttiva(), 1);
}

TEST(ParticleSystem, SwitchingOffAnEmitterThatIsNotBuiltChangesNothing) {
    ParticleSystem e;
    e.ImpostaModo(3);
    e.Inizializza(2, {}, 0, 0, 0, 0, 0, 0, 30, 100, 4);
    e.PosizionaParticella(1, 5, 6);
    e.Azzera();
    e.Spegni();
    EXPECT_EQ(e.Dati(1).variant, 1);
    e.PosizionaParticella(2, 9, 9);  // past the count: dropped
    EXPECT_EQ(e.Numero(), 2);
}

TEST(ParticleSystem, ReadingPastTheCountOrAnInvalidPositionGivesNothingToDraw) {
    ParticleSystem vuoto;
    LetturaParticella l;
    EXPECT_FALSE(vuoto.LeggiParticella(0, l));
    EXPECT_EQ(l.x, 0);
    EXPECT_EQ(l.life, 1);

    Fire f;
    f.Inizializza(2, {}, 0, 0, 0, 0, 0, 0, 10, 1, 1);
    f.Dati(0).x = -12.9;
    f.Dati(0).y = 7.9;
    ASSERT_TRUE(f.LeggiParticella(0, l));
    EXPECT_EQ(l.x, -12) << "truncated toward zero";
    EXPECT_EQ(l.y, 7);
    EXPECT_FALSE(f.LeggiParticella(2, l));
    EXPECT_FALSE(f.LeggiParticella(-1, l));
    f.Dati(1).y = NAN;
    EXPECT_FALSE(f.LeggiParticella(1, l));
    f.Dati(1).y = 1e300;
    EXPECT_TRUE(f.LeggiParticella(1, l));
    EXPECT_GT(l.y, 0) << "a far position is held at a bound, not wrapped";
}

TEST(ParticleSystem, CountIsKeptWithinBounds) {
    Fire f;
    f.Inizializza(-5, {}, 0, 0, 0, 0, 0, 0, 10, 1, 1);
    EXPECT_EQ(f.Numero(), 0);
    f.Aggiorna();
    f.Inizializza(ParticleSystem::MassimoParticelle + 1000, {}, 0, 0, 0, 0, 0, 0, 10, 1, 1);
    EXPECT_EQ(f.Numero(), ParticleSystem::MassimoParticelle);
    f.Inizializza(3, {}, 0, 0, 0, 0, 0, 0, 10, 1, 1);
    EXPECT_EQ(f.Numero(), 3);
}

}  // namespace
