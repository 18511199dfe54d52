// Intro 6 drawn: the text uncovered from the left, flashes and smoke at the moving edge.
#include "AiutoIntro.h"

#include <gtest/gtest.h>

namespace {

const QRgb Fondo = qRgb(0x30, 0x30, 0x30);

int Attive(const ParticleSystem& p) {
    int n = 0;
    for (int i = 0; i < p.Numero(); ++i) n += p.Dati(i).variant != 0;
    return n;
}

// Columns of the layer's band that differ from the background.
std::vector<bool> Inchiostro(const QImage& f, const QRect& zona) {
    std::vector<bool> colonne(static_cast<size_t>(zona.width()), false);
    for (int x = 0; x < zona.width(); ++x)
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            if (!Vicino(f.pixel(zona.left() + x, y), Fondo, 6)) {
                colonne[static_cast<size_t>(x)] = true;
                break;
            }
    return colonne;
}

TEST(Intro6, TextIsUncoveredFromTheLeftNotStretched) {
    BancoIntro b(6);
    b.imp.Intro6Laser = false;
    b.imp.Intro6Fumo = false;
    const QImage intera = b.Frame(0, false);
    const GeometriaRiga& g = b.contesto.GeometriaOggetti[0];
    const QRect zona((1920 - g.Larghezza) / 2, (1080 - g.Altezza) / 2, g.Larghezza, g.Altezza);
    // Frame 95 of 200: half the layer.
    const QImage meta = b.Frame(95, true);
    const auto piena = Inchiostro(intera, zona), mezza = Inchiostro(meta, zona);
    const int e = g.Larghezza / 2;
    for (int x = 0; x < g.Larghezza; ++x) {
        if (x < e) EXPECT_EQ(mezza[static_cast<size_t>(x)], piena[static_cast<size_t>(x)]) << x;
        else EXPECT_FALSE(mezza[static_cast<size_t>(x)]) << x;
    }
    // Before frame 10 nothing is uncovered.
    const QImage prima = b.Frame(5, true);
    for (bool c : Inchiostro(prima, zona)) ASSERT_FALSE(c);
}

TEST(Intro6, EdgeCrossingInkFlashesAndPuffsAtMostTwentySmokes) {
    BancoIntro b(6);
    b.imp.Testo1 = QStringLiteral("I");
    b.imp.FontSize = 500;
    b.imp.Intro6Fumo = false;
    // The preview builds the smoke source, switched off; no flash there.
    b.Frame(0, false);
    ParticleSystem& fumo = b.contesto.Effetti.EmettitoreFumo();
    ASSERT_TRUE(fumo.Inizializzato());
    EXPECT_EQ(fumo.Numero(), 700);
    EXPECT_EQ(Attive(fumo), 0);
    // Frame 95: the edge runs through the tall letter, over far more than ten rows of ink.
    b.Frame(95, true);
    EXPECT_EQ(Attive(fumo), 20);
    b.imp.Intro6Laser = false;
    b.Frame(96, true);
    EXPECT_EQ(Attive(fumo), 20);
}

TEST(Intro6, SmokeRisesWithoutNewPuffsWhenTheLaserIsOff) {
    BancoIntro b(6);
    b.imp.Testo1 = QStringLiteral("I");
    b.imp.FontSize = 500;
    b.Frame(0, false);
    b.Frame(95, true);
    ParticleSystem& fumo = b.contesto.Effetti.EmettitoreFumo();
    double yPrima = 0;
    for (int i = 0; i < fumo.Numero(); ++i)
        if (fumo.Dati(i).variant != 0) yPrima += fumo.Dati(i).y;
    // Laser off, smoke on: no new puffs; those there rise.
    b.imp.Intro6Laser = false;
    b.Frame(96, true);
    double yDopo = 0;
    for (int i = 0; i < fumo.Numero(); ++i)
        if (fumo.Dati(i).variant != 0) yDopo += fumo.Dati(i).y;
    EXPECT_LT(yDopo, yPrima);
    EXPECT_EQ(Attive(fumo), 20);
}

}  // namespace
