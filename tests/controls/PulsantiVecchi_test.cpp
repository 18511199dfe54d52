#include "controls/PulsantiVecchi.h"

#include <gtest/gtest.h>

namespace {

TEST(PulsantiVecchi, BordoPerTipoEStato) {
    using L = LineaBordo;
    // Columns: enabled at rest, hovered, hovered and pressed, disabled.
    const struct {
        int tipo;
        L riposo, sopra, premuto, disabilitato;
    } casi[] = {
        {1, L::ContornoNero, L::ContornoBianco, L::ContornoBianco, L::ContornoNero},
        {2, L::Rialzato, L::Rialzato, L::Rialzato, L::Rialzato},
        {3, L::Rialzato, L::Incassato, L::Incassato, L::Rialzato},
        {4, L::Nessuna, L::Rialzato, L::Incassato, L::Nessuna},
        {5, L::Nessuna, L::Rialzato, L::Incassato, L::Nessuna},
        {6, L::Nessuna, L::Nessuna, L::Nessuna, L::Riquadro},
        {0, L::Nessuna, L::Nessuna, L::Nessuna, L::Nessuna},
        {7, L::Nessuna, L::Nessuna, L::Nessuna, L::Nessuna},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(BordoPulsante(c.tipo, 1, false, false), c.riposo) << c.tipo;
        EXPECT_EQ(BordoPulsante(c.tipo, 1, true, false), c.sopra) << c.tipo;
        EXPECT_EQ(BordoPulsante(c.tipo, 1, true, true), c.premuto) << c.tipo;
        EXPECT_EQ(BordoPulsante(c.tipo, 0, true, true), c.disabilitato) << c.tipo;
        // Any other Stato: enabled, but no border at all.
        EXPECT_EQ(BordoPulsante(c.tipo, 2, true, false), L::Nessuna) << c.tipo;
    }
}

TEST(PulsantiVecchi, ImmagineDiOgniStato) {
    using I = ImmaginePulsante;
    EXPECT_EQ(ImmagineButton4(0, true, true, true), I::Disabilitato);
    EXPECT_EQ(ImmagineButton4(1, true, true, true), I::Premuto);
    EXPECT_EQ(ImmagineButton4(1, true, true, false), I::Attivo);
    EXPECT_EQ(ImmagineButton4(1, false, true, true), I::Normale);  // pressed, pointer away
    EXPECT_EQ(ImmagineButton4(2, true, false, true), I::Attivo);
    const struct {
        int tipo;
        bool premutoPresente, attivoPresente;
        I attesa;
    } premuti[] = {
        {1, true, true, I::Premuto}, {1, false, true, I::Attivo}, {2, true, true, I::Normale},
        {0, true, true, I::Attivo},  {0, true, false, I::Normale}, {9, false, true, I::Attivo},
    };
    for (const auto& c : premuti)
        EXPECT_EQ(ImmagineButton5(1, true, true, c.tipo, c.premutoPresente, c.attivoPresente), c.attesa) << c.tipo;
    EXPECT_EQ(ImmagineButton5(0, true, true, 1, true, true), I::Disabilitato);
    EXPECT_EQ(ImmagineButton5(1, true, false, 1, true, true), I::Attivo);
    EXPECT_EQ(ImmagineButton5(1, false, false, 1, true, true), I::Normale);
}

}  // namespace
