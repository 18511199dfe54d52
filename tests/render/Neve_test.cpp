#include "render/Neve.h"

#include "render/Casuale.h"

#include <gtest/gtest.h>

namespace {

TEST(Neve, RespawnDrawsPlaceKindAndLifeInTheFifteenBitRange) {
    FissaSemeCasuale(9);
    const int x = NumeroCasuale(32768) % 1920;
    const int y = NumeroCasuale(32768) % 1080;
    const int kind = NumeroCasuale(32768) % 4 + 1;
    const int life = NumeroCasuale(32768) % 20;
    FissaSemeCasuale(9);
    FioccoNeve f;
    RigeneraFiocco(f);
    EXPECT_EQ(f.x, x);
    EXPECT_EQ(f.y, y);
    EXPECT_EQ(f.kind, kind);
    EXPECT_EQ(f.life, life);
    EXPECT_EQ(f.size, life / 2);
}

TEST(Neve, UpdateShrinksTheFlakeAndRespawnsItWhenOutOfLife) {
    ElencoFiocchiNeve fiocchi{};
    fiocchi[0] = {10, 20, 18, 2, 9};
    fiocchi[1] = {10, 20, 1, 3, 0};
    fiocchi[2] = {10, 20, 0, 3, 0};    // out of life: respawns
    fiocchi[3] = {10, 20, 101, 3, 0};  // beyond 100: respawns
    FissaSemeCasuale(3);
    AggiornaNeve(fiocchi);
    EXPECT_EQ(fiocchi[0].life, 17);
    EXPECT_EQ(fiocchi[0].size, 85);
    EXPECT_EQ(fiocchi[0].x, 10) << "flakes do not move";
    EXPECT_EQ(fiocchi[1].life, 0);
    EXPECT_EQ(fiocchi[1].size, 0);
    for (int i : {2, 3}) {
        EXPECT_LT(fiocchi[i].life, 20);
        EXPECT_EQ(fiocchi[i].size, fiocchi[i].life / 2);
        EXPECT_GE(fiocchi[i].kind, 1);
        EXPECT_LE(fiocchi[i].kind, 4);
    }
}

TEST(Neve, OnlyTheFirstTwentyAreDrawnWithOpacityFromLife) {
    ElencoFiocchiNeve fiocchi{};
    for (int i = 0; i < NumeroFiocchiNeve; ++i) fiocchi[i] = {float(i) + 0.7f, 5.9f, i % 15, 1 + i % 4, 3 * i};
    const auto comandi = ComandiNeve(fiocchi);
    ASSERT_EQ(comandi.size(), 20u);
    EXPECT_EQ(comandi[3].rettangolo, QRect(3, 5, 9, 9));
    EXPECT_EQ(comandi[3].kind, 4);
    EXPECT_FLOAT_EQ(comandi[0].opacita, 0.0f);   // life 0
    EXPECT_FLOAT_EQ(comandi[5].opacita, 0.5f);
    EXPECT_FLOAT_EQ(comandi[14].opacita, 1.0f);  // capped
}

TEST(Neve, SpritesTurnEachAtItsOwnRate) {
    EXPECT_EQ(AngoloFiocco(1, 10.5f), -42);
    EXPECT_EQ(AngoloFiocco(2, 10.5f), 52);
    EXPECT_EQ(AngoloFiocco(3, 10.5f), -63);
    EXPECT_EQ(AngoloFiocco(4, 10.5f), 73);
    EXPECT_EQ(AngoloFiocco(4, 0), 0);
}

}  // namespace
