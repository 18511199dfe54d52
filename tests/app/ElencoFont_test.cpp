#include "app/ElencoFont.h"

#include <gtest/gtest.h>

namespace {

RecordFont R(const char* famiglia, bool scalabile = true, bool normale = true, bool privata = false) {
    return {QString::fromUtf8(famiglia), scalabile, normale, privata};
}

}  // namespace

TEST(ElencoFont, FilterRules) {
    struct Caso {
        const char* cosa;
        QList<RecordFont> record;
        QStringList atteso;
    };
    const Caso casi[] = {
        {"listed as is", {R("DejaVu Sans")}, {"DejaVu Sans"}},
        {"bitmap face dropped", {R("Fixed", false)}, {}},
        {"bold-only family dropped", {R("Heavy Sans", true, false)}, {}},
        {"private family dropped", {R(".SF Hidden", true, true, true)}, {}},
        {"vertical face dropped", {R("@MS Gothic")}, {}},
        {"foundry suffix cut, duplicates merged", {R("Carlito [Google]"), R("Carlito [Other]"), R("Carlito")},
         {"Carlito"}},
        {"generic names dropped", {R("Sans Serif"), R("Serif"), R("Monospace"), R("Liberation Serif")},
         {"Liberation Serif"}},
        {"exclusions exact and case-sensitive",
         {R("Cambria Math"), R("Modern"), R("Roman"), R("Script"), R("script"), R("Romano")},
         {"Romano", "script"}},
        {"long names match on their first 32 characters",
         {R("University Roman Alts LET Plain:1.0"), R("University Roman Alts LET Plain")},
         {"University Roman Alts LET Plain"}},
        {"order without regard to case", {R("beta"), R("Alfa"), R("gamma"), R("Delta")},
         {"Alfa", "beta", "Delta", "gamma"}},
    };
    for (const Caso& c : casi) EXPECT_EQ(FiltraFont(c.record), c.atteso) << c.cosa;
}

TEST(ElencoFont, ProjectFontSelection) {
    const QStringList elenco{"Carlito", "DejaVu Sans", "Liberation Sans"};
    auto conosciuto = [](const QString& n) { return n == QLatin1String("Arial"); };
    struct Caso {
        const char* cosa;
        QStringList elenco;
        QString nome;
        QStringList attesoElenco;
        int attesaVoce;
    };
    const Caso casi[] = {
        {"listed font selected", elenco, "DejaVu Sans", elenco, 2},
        {"trailing blanks of the saved name ignored", elenco, "Liberation Sans  ", elenco, 3},
        {"mapped font added under its own name, in order", elenco, "Arial",
         {"Arial", "Carlito", "DejaVu Sans", "Liberation Sans"}, 1},
        {"unknown font: the first item, caption and item agree", elenco, "Nessuno", elenco, 1},
        {"an empty list still holds the project's font", {}, "Nessuno", {"Nessuno"}, 1},
    };
    for (const Caso& c : casi) {
        const SceltaFont s = SelezionaFont(c.elenco, c.nome, conosciuto);
        EXPECT_EQ(s.Elenco, c.attesoElenco) << c.cosa;
        EXPECT_EQ(s.Voce, c.attesaVoce) << c.cosa;
    }
}

TEST(ElencoFont, InstalledListIsFilteredAndKnowsArial) {
    const QStringList elenco = FiltraFont(FontInstallati());
    ASSERT_FALSE(elenco.isEmpty());
    EXPECT_FALSE(elenco.contains("Monospace"));
    // Liberation Sans stands in for Arial on this system.
    EXPECT_TRUE(FontMappato("Arial"));
    EXPECT_FALSE(FontMappato("Qv Font Che Non Esiste"));
}
