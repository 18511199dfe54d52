#include "controls/GeometriaForm.h"

#include <gtest/gtest.h>

namespace {

TEST(GeometriaForm, ZonaDellaPressione) {
    const struct {
        int x, y, zona;
    } casi[] = {
        {2, 100, ZonaBordoSinistro},  {797, 100, ZonaBordoDestro}, {400, 2, ZonaBordoAlto},
        {400, 597, ZonaBordoBasso},   {6, 10, ZonaTitolo},         {2, 2, ZonaBordoAlto},
        {2, 598, ZonaBordoBasso},     {2, 10, ZonaTitolo},         {797, 29, ZonaTitolo},
        {400, 30, ZonaNessuna},       {6, 100, ZonaNessuna},       {794, 100, ZonaNessuna},
    };
    for (const auto& c : casi) EXPECT_EQ(ZonaPressione(c.x, c.y, 800, 600), c.zona) << c.x << "," << c.y;
}

TEST(GeometriaForm, PulsantiDaDestraASinistra) {
    PulsantiForm p{true, true, true, 20, 20, 20, 20, 12};
    const auto pos = PosizionaPulsanti(p, 1000);
    EXPECT_EQ(pos.xChiudi, 968);
    EXPECT_EQ(pos.xMax, 948);
    EXPECT_EQ(pos.xMin, 928);
    const struct {
        int x, y, zona;
    } casi[] = {
        {969, 12, ZonaChiudi},        {987, 31, ZonaChiudi},   {968, 20, ZonaNessuna},
        {988, 20, ZonaNessuna},       {960, 20, ZonaSchermoIntero}, {930, 20, ZonaMinimizza},
        {928, 20, ZonaNessuna},       {970, 11, ZonaNessuna},  {970, 32, ZonaNessuna},
    };
    for (const auto& c : casi) EXPECT_EQ(PulsanteColpito(p, 1000, c.x, c.y), c.zona) << c.x << "," << c.y;

    // 13x13 images narrow the band; a hidden button leaves its room to the next one.
    PulsantiForm piccoli{true, false, true, 13, 13, 13, 13, 12};
    EXPECT_EQ(PulsanteColpito(piccoli, 1000, 980, 24), ZonaChiudi);
    EXPECT_EQ(PulsanteColpito(piccoli, 1000, 980, 25), ZonaNessuna);
    EXPECT_EQ(PulsanteColpito(piccoli, 1000, 970, 20), ZonaMinimizza);
    EXPECT_EQ(PosizionaPulsanti(piccoli, 1000).xMin, 962);
}

const QRect Schermo(0, 0, 1920, 1040);  // available area: 40 pixels of panel below
const QSize Minima(400, 400);

TEST(GeometriaForm, PassiDiRidimensionamento) {
    const struct {
        const char* caso;
        int zona;
        QRect finestra;
        QPoint puntatore, ancora;
        QRect atteso;
    } casi[] = {
        {"destro rimpicciolisce fino al minimo", ZonaBordoDestro, {100, 100, 800, 600}, {300, 0}, {}, {100, 100, 400, 600}},
        {"destro cresce fino al bordo dello schermo", ZonaBordoDestro, {100, 100, 800, 600}, {2000, 0}, {}, {100, 100, 1820, 600}},
        {"basso fino all'area disponibile", ZonaBordoBasso, {100, 100, 800, 600}, {0, 1500}, {}, {100, 100, 800, 940}},
        {"basso al minimo", ZonaBordoBasso, {100, 100, 800, 600}, {0, 10}, {}, {100, 100, 800, 400}},
        {"sinistro verso sinistra", ZonaBordoSinistro, {100, 100, 800, 600}, {-30, 50}, {2, 50}, {68, 100, 832, 600}},
        {"sinistro oltre lo schermo tiene il bordo destro", ZonaBordoSinistro, {10, 100, 800, 600}, {-50, 50}, {2, 50}, {0, 100, 810, 600}},
        {"sinistro al minimo non sposta la finestra", ZonaBordoSinistro, {100, 100, 400, 600}, {50, 50}, {2, 50}, {100, 100, 400, 600}},
        {"sinistro rimpicciolisce fino al minimo", ZonaBordoSinistro, {100, 100, 450, 600}, {200, 50}, {2, 50}, {150, 100, 400, 600}},
        {"sinistro con la destra fuori schermo", ZonaBordoSinistro, {1600, 100, 800, 600}, {5, 50}, {2, 50}, {1520, 100, 400, 600}},
        {"alto con il fondo sotto l'area", ZonaBordoAlto, {100, 500, 800, 600}, {50, 4}, {50, 2}, {100, 640, 800, 400}},
        {"alto verso l'alto", ZonaBordoAlto, {100, 500, 800, 300}, {50, -20}, {50, 2}, {100, 478, 800, 322}},
        {"titolo non ridimensiona", ZonaTitolo, {100, 100, 800, 600}, {50, 50}, {2, 2}, {100, 100, 800, 600}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(PassoRidimensiona(c.zona, c.finestra, c.puntatore, c.ancora, Minima, Schermo), c.atteso) << c.caso;
}

TEST(GeometriaForm, SchermoNonAllOrigine) {
    // A second monitor to the right: the limits are its own.
    const QRect secondo(1920, 0, 1280, 1000);
    EXPECT_EQ(PassoRidimensiona(ZonaBordoDestro, {2000, 100, 800, 600}, {2000, 0}, {}, Minima, secondo),
              QRect(2000, 100, 1200, 600));
    EXPECT_EQ(PassoRidimensiona(ZonaBordoSinistro, {1950, 100, 800, 600}, {-100, 0}, {0, 0}, Minima, secondo),
              QRect(1920, 100, 830, 600));
}

TEST(GeometriaForm, DoppiaPressioneA200ms) {
    EXPECT_TRUE(DoppiaPressione(1000, 1199, 10));
    EXPECT_FALSE(DoppiaPressione(1000, 1200, 10));
    EXPECT_FALSE(DoppiaPressione(1000, 1100, 30));  // below the title band
    EXPECT_FALSE(DoppiaPressione(1000, 1100, 5));   // in the top edge band
    EXPECT_FALSE(DoppiaPressione(std::nullopt, 50, 10));
    EXPECT_FALSE(DoppiaPressione(1000, 900, 10));  // a clock that went back is no double press
}

}  // namespace
