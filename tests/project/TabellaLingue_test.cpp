#include "project/TabellaLingue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const std::set<int> kSpagnoloTedescoPropri{169, 170, 171, 172, 173, 174, 175, 176};

class TabellaLingueTest : public ::testing::Test {
protected:
    void SetUp() override { RiempiTabellaLingue(); }
    static QString T(int voce, int lingua) { return VoceLingua(voce).Testo(lingua); }
};

}  // namespace

TEST_F(TabellaLingueTest, EveryEntryHoldsFiveTextsOfItsWidth)
{
    for (int n = 1; n <= NumeroVociLingua; ++n) {
        const TestoMultilingua& v = VoceLingua(n);
        for (int l = 0; l < NumeroLingue; ++l)
            EXPECT_FALSE(v.Testo(l).isEmpty()) << n << " " << l;

        qsizetype piuLungo = 0;
        for (int l = LinguaItaliano; l <= LinguaTedesco; ++l)
            piuLungo = std::max(piuLungo, v.Testo(l).size());
        const int attesa = n == 170 ? 50 : n == 176 ? 19 : static_cast<int>(piuLungo) + 1;
        EXPECT_EQ(v.Larghezza(), attesa) << n;
        // The French placeholder: W - 1 "#", counted in characters.
        EXPECT_EQ(v.Testo(LinguaFrancese), QString(attesa - 1, '#')) << n;

        if (!kSpagnoloTedescoPropri.count(n)) {
            EXPECT_EQ(v.Testo(LinguaSpagnolo), v.Testo(LinguaInglese)) << n;
            EXPECT_EQ(v.Testo(LinguaTedesco), v.Testo(LinguaInglese)) << n;
        }
    }
}

TEST_F(TabellaLingueTest, SpanishAndGermanOfTheirOwn)
{
    struct {
        int voce;
        const char* spagnolo;
        const char* tedesco;
    } casi[] = {
        {169, "Dónde: 0 = mejor 32 = peor", "Wo: 0 = beste 32 = schlimmer"},
        {170, "Se recomienda un valor entre 9 -13", "Wir empfehlen einen Wert zwischen 9 -13"},
        {171, "Dónde:", "Wo:"},
        {172, "1 = mejor 31 = peor", "1 = beste 31 = schlimmer"},
        {173, "Dónde:", "Wo:"},
        {174, "0 = Lossless (sin pérdida)", "0 = Lossless (kein Verlust)"},
        {175, "23 = Estándar", "23 = Standard"},
        {176, "51 = Baja calidad", "51 = Low Qualität"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(T(c.voce, LinguaSpagnolo), QString::fromUtf8(c.spagnolo)) << c.voce;
        EXPECT_EQ(T(c.voce, LinguaTedesco), QString::fromUtf8(c.tedesco)) << c.voce;
    }
}

// Texts whose exact form is easy to "correct" by mistake, and the ends of the table.
TEST_F(TabellaLingueTest, TextsKeepTheirExactForm)
{
    struct {
        int voce;
        const char* italiano;
        const char* inglese;
        int larghezza;
    } casi[] = {
        {1, "Form2Principale", "Form Main", 16},
        {36, "00:00:06 FR:00 (150)", "00:00:06 FR: 00 (150)", 22},
        {53, "Dim.:", "Dim .:", 7},
        {75, "Palle cadenti", "balls shooting", 15},
        {85, "Testo Fisso", "Trim", 12},
        {94, "Prima riga da sx a dx, 2 riga fade in, 3 riga da dx a sx",
         "First row from left to right, second row fade in, third row from right to left", 79},
        {107, "Oscillazioni:", "Oscillations", 14},
        {130, "Opacità:", "Opacity:", 9},
        {152, "Zoom", "zoom", 5},
        {164, "Velocità di codifica:", "Speed Encoding:", 22},
        {176, "51 = Bassa qualit", "51 = Low quality", 19},
        {202, "Italiano", "Italian", 9},
        {203, "Inglese", "English", 8},  // the name of English, the right way round
        {204, "Español", "Español", 8},
        {206, "Français", "Français", 9},
        {207, "Salva", "Save", 6},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(T(c.voce, LinguaItaliano), QString::fromUtf8(c.italiano)) << c.voce;
        EXPECT_EQ(T(c.voce, LinguaInglese), QString::fromUtf8(c.inglese)) << c.voce;
        EXPECT_EQ(VoceLingua(c.voce).Larghezza(), c.larghezza) << c.voce;
    }
    for (int voce : {2, 80, 141, 144})
        for (int l = LinguaItaliano; l <= LinguaTedesco; ++l)
            EXPECT_EQ(T(voce, l), "Drovaskent") << voce;
    for (int l = LinguaItaliano; l <= LinguaTedesco; ++l)
        EXPECT_EQ(T(82, l), "Quenvox2");
}

TEST_F(TabellaLingueTest, FillingAgainChangesNothing)
{
    std::vector<QString> prima;
    for (const TestoMultilingua& v : TabellaLingue)
        for (int l = 0; l < NumeroLingue; ++l)
            prima.push_back(v.Testo(l));
    RiempiTabellaLingue();
    size_t i = 0;
    for (const TestoMultilingua& v : TabellaLingue)
        for (int l = 0; l < NumeroLingue; ++l)
            EXPECT_EQ(v.Testo(l), prima[i++]);

    // A language number outside the table reads English rather than past the entry.
    EXPECT_EQ(T(207, 5), "Save");
    EXPECT_EQ(T(207, -1), "Save");
    EXPECT_TRUE(VoceLingua(81).Contiene("########"));
    EXPECT_FALSE(VoceLingua(81).Contiene("presenta"));
}
