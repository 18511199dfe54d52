#include "controls/StatiPulsanti.h"

#include <gtest/gtest.h>

namespace {

TEST(StatiPulsanti, ImmagineScelta) {
    const struct {
        bool dentro, premuto;
        int selezionato;
        StatoPulsante treFette, semplice;
    } casi[] = {
        {false, false, 0, StatoPulsante::Normale, StatoPulsante::Normale},
        {false, true, 0, StatoPulsante::Normale, StatoPulsante::Normale},
        {true, false, 0, StatoPulsante::Attivo, StatoPulsante::Attivo},
        {true, true, 0, StatoPulsante::Premuto, StatoPulsante::Premuto},
        {false, false, 1, StatoPulsante::Normale, StatoPulsante::Selezionato},
        {false, true, 2, StatoPulsante::Normale, StatoPulsante::Selezionato},
        {true, false, 1, StatoPulsante::Attivo, StatoPulsante::Attivo},
        {true, true, 1, StatoPulsante::Premuto, StatoPulsante::Premuto},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(StatoTreFette(c.dentro, c.premuto), c.treFette) << c.dentro << c.premuto;
        EXPECT_EQ(StatoSemplice(c.dentro, c.premuto, c.selezionato), c.semplice)
            << c.dentro << c.premuto << c.selezionato;
    }
}

TEST(StatiPulsanti, ColoriDelTesto) {
    const struct {
        TColor font;
        bool abilitato;
        TColor testo, ombra;
    } casi[] = {
        {0xFFFFFF, true, 0xFFFFFF, 0x000000},
        {0xC0C0C0, true, 0xC0C0C0, 0x000000},
        {0x07BFFD, true, 0x07BFFD, 0xFFFFFF},
        {0x07BFFD, false, 0x787878, 0xFFFFFF},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(ColoreTestoVideoButton(c.font, c.abilitato), c.testo);
        EXPECT_EQ(ColoreOmbraVideoButton(c.font), c.ombra);
    }
    EXPECT_EQ(ColoreTestoLRButton(true), 0xFFFFFFu);
    EXPECT_EQ(ColoreTestoLRButton(false), 0xA6A6A6u);
}

TEST(StatiPulsanti, Misure) {
    EXPECT_EQ(LarghezzaAutomatica(6, 6, 29), 41);
    EXPECT_EQ(LarghezzaAutomatica(0, 6, 29), 35);
    EXPECT_EQ(XTestoVideoStato(true, 56), 60);
    EXPECT_EQ(XTestoVideoStato(false, 56), 4);
}

}  // namespace
