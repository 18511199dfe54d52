#include "controls/GeometriaHeader.h"

#include <gtest/gtest.h>

namespace {

LarghezzePezzi Pezzi40() {
    LarghezzePezzi p;
    p[PezzoScheda::SxSinOff] = p[PezzoScheda::SxSinOn] = 35;
    p[PezzoScheda::DxDoppioOff] = p[PezzoScheda::DxDoppioOn] = p[PezzoScheda::SxDoppioOn] = 35;
    p[PezzoScheda::DxSinOff] = p[PezzoScheda::DxSinOn] = 30;
    return p;
}

TEST(GeometriaHeader, SpanEColpi) {
    const RigaSchede riga = DisponiSchede(Pezzi40(), {80, 50}, 1);
    ASSERT_EQ(riga.schede.size(), 2);
    EXPECT_EQ(riga.schede[0].inizio, 20);
    EXPECT_EQ(riga.schede[0].fine, 135);
    EXPECT_EQ(riga.schede[1].inizio, 135);
    EXPECT_EQ(riga.schede[1].fine, 250);
    EXPECT_EQ(riga.xFinale, 220);
    const struct {
        int x, y, scheda;
    } casi[] = {
        {135, 20, 2}, {100, 5, 0}, {100, 6, 1}, {100, 34, 1}, {100, 35, 0},
        {20, 20, 1},  {19, 20, 0}, {250, 20, 2}, {251, 20, 0},
    };
    for (const auto& c : casi) EXPECT_EQ(SchedaColpita(riga, c.x, c.y), c.scheda) << c.x << "," << c.y;
}

TEST(GeometriaHeader, PezziScelti) {
    // Separators: in front of the active tab its own On piece, right after it the other On one.
    const RigaSchede riga = DisponiSchede(Pezzi40(), {10, 10, 10, 10}, 2);
    EXPECT_EQ(riga.schede[0].pezzo, PezzoScheda::SxSinOff);
    EXPECT_EQ(riga.schede[1].pezzo, PezzoScheda::SxDoppioOn);
    EXPECT_EQ(riga.schede[2].pezzo, PezzoScheda::DxDoppioOn);
    EXPECT_EQ(riga.schede[3].pezzo, PezzoScheda::DxDoppioOff);
    EXPECT_EQ(riga.pezzoFinale, PezzoScheda::DxSinOff);
    EXPECT_TRUE(riga.schede[1].attiva);

    const RigaSchede ultima = DisponiSchede(Pezzi40(), {10, 10}, 2);
    EXPECT_EQ(ultima.pezzoFinale, PezzoScheda::DxSinOn);
    EXPECT_EQ(DisponiSchede(Pezzi40(), {10}, 1).schede[0].pezzo, PezzoScheda::SxSinOn);
}

TEST(GeometriaHeader, PezziMancantiNonAvanzano) {
    const RigaSchede riga = DisponiSchede(LarghezzePezzi{}, {80, 50}, 1);
    EXPECT_EQ(riga.schede[0].xTesto, 20);
    EXPECT_EQ(riga.schede[1].xTesto, 100);
    EXPECT_EQ(riga.schede[1].fine, 150);
    EXPECT_TRUE(DisponiSchede(Pezzi40(), {}, 1).schede.isEmpty());
}

TEST(GeometriaHeader, LimitiEAltezzaTesto) {
    EXPECT_EQ(LimitaSchedaAttiva(0, 6), 1);
    EXPECT_EQ(LimitaSchedaAttiva(99, 6), 6);
    EXPECT_EQ(LimitaSchedaAttiva(3, 6), 3);
    EXPECT_EQ(LimitaSchedaAttiva(0, 0), 0);
    EXPECT_EQ(LimitaSchedaAttiva(99, 0), 0);
    EXPECT_EQ(YTestoSchede(40), 9);
    EXPECT_EQ(YTestoSchede(50), 16);
    EXPECT_EQ(YTestoSchede(23), 16);
}

}  // namespace

TEST(GeometriaHeader, UnaRigaTroppoLungaTagliaLeDidascaliePiuLarghe) {
    // Pieces: 35 in front of each tab, 30 after the last; the row starts at 20.
    struct Caso {
        QVector<int> testi;
        int limite;
        QVector<int> attese;
    };
    const Caso casi[] = {
        // Fits (20 + 2*35 + 130 + 30 = 250): unchanged, also exactly at the limit.
        {{80, 50}, 300, {80, 50}},
        {{80, 50}, 250, {80, 50}},
        // 20 too long: only the wide one gives way.
        {{80, 50}, 230, {60, 50}},
        // 70 too long over 200 + 100 + 20: the cap is 130, the narrow ones stay.
        {{200, 100, 20}, 20 + 3 * 35 + 320 + 30 - 70, {130, 100, 20}},
        // So tight that the cap reaches the narrow ones too.
        {{200, 100, 20}, 20 + 3 * 35 + 30 + 60, {20, 20, 20}},
        // No room at all for captions.
        {{200, 100}, 20, {0, 0}},
        {{}, 10, {}},
    };
    for (const Caso& c : casi) {
        const QVector<int> adattate = AdattaLarghezzeTesto(DisponiSchede(Pezzi40(), c.testi, 1), c.testi, c.limite);
        EXPECT_EQ(adattate, c.attese) << c.limite;
        if (c.testi.isEmpty() || c.limite <= 20 + 35 * int(c.testi.size()) + 30) continue;
        EXPECT_LE(DisponiSchede(Pezzi40(), adattate, 1).schede.back().fine, c.limite) << c.limite;
    }
}
