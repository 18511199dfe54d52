#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"

#include <gtest/gtest.h>

namespace {

TEST(ImpostazioniGlobali, StartValues) {
    EXPECT_EQ(ImpostazioniGlobali.LarghezzaFrame, 1920);
    EXPECT_EQ(ImpostazioniGlobali.AltezzaFrame, 1080);
    // Computed by the static initialiser, before any test code ran.
    EXPECT_EQ(ImpostazioniGlobali.LineaPavimento, 675);
    EXPECT_EQ(ImpostazioniGlobali.ModoSceltaColore, 1);
}

TEST(ImpostazioniProgetto, ListsKnowTheirItems) {
    const ImpostazioniProgetto p;
    EXPECT_EQ(p.IntroLista.Testo(), "Intro 1 Semplice");
    EXPECT_EQ(p.IntroLista.NumeroVoci(), 10);
    EXPECT_EQ(p.ProgettoFrameRate.Voce(), 11);
    EXPECT_EQ(p.ProgettoFrameRate.Testo().toInt(), 25);
    EXPECT_EQ(p.ProgettoRisoluzione.Testo(), "1280x720");
    EXPECT_EQ(p.Intro1Lista.Testo(), "Testo Blocco unico Entra a destra, pausa, esce a sinistra");
    EXPECT_EQ(p.Intro1Lista.NumeroVoci(), 11);
    EXPECT_EQ(p.EffettiParticelleLista.NumeroVoci(), 6);
    EXPECT_EQ(p.EffettoLensFlareLista.NumeroVoci(), 3);
    EXPECT_EQ(p.Intro10Colori.Testo(), "Blu");
    EXPECT_EQ(p.FontElenco.Testo(), "Arial");
}

TEST(ImpostazioniProgetto, ListNumberOutsideItsItemsSelectsTheFirst) {
    struct Caso {
        int dato;
        int atteso;
    } casi[] = {{10, 10}, {11, 1}, {0, 1}, {-3, 1}, {5, 5}};
    for (const Caso& c : casi) {
        ImpostazioniProgetto p;
        p.IntroLista = 4;
        p.IntroLista = c.dato;
        EXPECT_EQ(p.IntroLista.Voce(), c.atteso) << c.dato;
        EXPECT_FALSE(p.IntroLista.Testo().isEmpty()) << c.dato;
    }
}

TEST(ImpostazioniProgetto, NumbersAndFontItemAreKeptAsGiven) {
    ImpostazioniProgetto p;
    p.ProgettoDurata = 5000;
    p.FontSize = -40;
    p.FontElenco = 99;
    EXPECT_EQ(p.ProgettoDurata, 5000);
    EXPECT_EQ(p.FontSize, -40);
    EXPECT_EQ(p.FontElenco.Voce(), 99);
    EXPECT_TRUE(p.FontElenco.Testo().isEmpty());
}

TEST(ImpostazioniProgetto, NewItemsKeepTheSelection) {
    ImpostazioniProgetto p;
    p.IntroLista = 3;
    QStringList inglese = p.IntroLista.Elenco();
    inglese[2] = "Intro 3 Logo falling";
    p.IntroLista.ImpostaElenco(inglese);
    EXPECT_EQ(p.IntroLista.Voce(), 3);
    EXPECT_EQ(p.IntroLista.Testo(), "Intro 3 Logo falling");
}

}  // namespace
