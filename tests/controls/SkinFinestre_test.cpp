#include "controls/SkinFinestre.h"

#include <gtest/gtest.h>

namespace {

using namespace SkinFinestre;

TEST(SkinFinestre, MisureDelleSkin) {
    const struct {
        const char* nome;
        QImage immagine;
        QSize misura;
    } casi[] = {
        {"Lato1", LatoForm(1), {129, 39}},  {"Lato2", LatoForm(2), {8, 39}},   {"Lato3", LatoForm(3), {21, 39}},
        {"Lato4", LatoForm(4), {4, 6}},     {"Lato5", LatoForm(5), {2, 2}},    {"Lato6", LatoForm(6), {5, 8}},
        {"Lato7", LatoForm(7), {16, 23}},   {"Lato8", LatoForm(8), {6, 23}},   {"Lato9", LatoForm(9), {16, 23}},
        {"angolo", AltroAngolo(), {16, 39}}, {"logo", AltroLogo(), {31, 39}},
        {"chiudi", PulsanteForm(PulsanteFinestra::Chiudi, AspettoSkin::Premuto), {20, 20}},
        {"chiudi 13", PulsanteForm(PulsanteFinestra::Chiudi, AspettoSkin::Normale, 13), {13, 13}},
        {"client", CorpoClient(), {6, 6}},
        {"aperto", BottoneRiducibile(true, false), {23, 23}}, {"chiuso", BottoneRiducibile(false, true), {24, 23}},
        {"cursore", CursoreBarra(2, true), {9, 9}},
        {"fetta video", FettaVideoButton(AspettoSkin::Attivo, 3), {6, 20}},
        {"fetta lr", FettaLRButton(AspettoSkin::Normale, 1), {5, 28}},
        {"stato", ImmagineVideoStato(true), {50, 40}},
        {"icona", IconaBottone(Icona::Stop, StatoPulsante::Selezionato), {28, 28}},
    };
    for (const auto& c : casi) EXPECT_EQ(c.immagine.size(), c.misura) << c.nome;

    const SkinPannello p = Pannello();
    EXPECT_EQ(p.lato1A.size(), QSize(23, 23));
    EXPECT_EQ(p.lato1C.size(), QSize(36, 23));
    EXPECT_EQ(p.lato3.size(), QSize(17, 23));
    EXPECT_EQ(p.paginaDxOn.size(), QSize(18, 13));
    EXPECT_EQ(p.nascostaDivisore.size(), QSize(4, 23));
    for (const QImage& l : p.lati4a9) EXPECT_EQ(l.size(), QSize(6, 6));
}

TEST(SkinFinestre, DueSerieDiSchede) {
    const struct {
        int altezza;
        int sx, doppio, dx, centro;
        QSize c1, c5, c9;
    } casi[] = {
        {50, 30, 40, 30, 10, {40, 50}, {10, 10}, {30, 30}},
        {40, 35, 35, 30, 5, {15, 40}, {5, 5}, {15, 22}},
    };
    for (const auto& c : casi) {
        const SkinHeader s = Header(c.altezza);
        EXPECT_EQ(s.sxSinOn.size(), QSize(c.sx, c.altezza));
        EXPECT_EQ(s.sxDoppioOn.size(), QSize(c.doppio, c.altezza));
        EXPECT_EQ(s.dxDoppioOff.size(), QSize(c.doppio, c.altezza));
        EXPECT_EQ(s.dxSinOff.size(), QSize(c.dx, c.altezza));
        EXPECT_EQ(s.centroOn.size(), QSize(c.centro, c.altezza));
        EXPECT_EQ(s.cornice[0].size(), c.c1);
        EXPECT_EQ(s.cornice[4].size(), c.c5);
        EXPECT_EQ(s.cornice[8].size(), c.c9);
        // Active and idle pieces differ.
        EXPECT_NE(s.centroOn, s.centroOff);
        EXPECT_NE(s.sxDoppioOn, s.dxDoppioOff);
    }
}

TEST(SkinFinestre, StatiDistinti) {
    // Every state of every icon must be told apart at a glance.
    for (int i = 0; i <= int(Icona::Stop); ++i) {
        const Icona icona = Icona(i);
        const QImage n = IconaBottone(icona, StatoPulsante::Normale);
        EXPECT_NE(n, IconaBottone(icona, StatoPulsante::Attivo)) << i;
        EXPECT_NE(n, IconaBottone(icona, StatoPulsante::Selezionato)) << i;
        if (i > 0) {
            EXPECT_NE(n, IconaBottone(Icona(i - 1), StatoPulsante::Normale)) << i;
        }
    }
}

}  // namespace
