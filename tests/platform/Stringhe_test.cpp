#include "platform/Stringhe.h"

#include <gtest/gtest.h>

namespace {

struct CasoTrim {
    const char* ingresso;
    const char* finale;
    const char* iniziale;
};

TEST(Stringhe, TrimCutsOnlyBlanksAndControls) {
    const CasoTrim casi[] = {
        {"Arial   ", "Arial", "Arial   "},
        {"  12", "  12", "12"},
        {"   ", "", ""},
        {"", "", ""},
        {"\t x \r\n", "\t x", "x \r\n"},
        {"Città", "Città", "Città"},
        {"Ègalité ", "Ègalité", "Ègalité "},
    };
    for (const CasoTrim& c : casi) {
        QString a = QString::fromUtf8(c.ingresso);
        QString b = a;
        TogliSpaziFinali(a);
        TogliSpaziIniziali(b);
        EXPECT_EQ(a, QString::fromUtf8(c.finale)) << c.ingresso;
        EXPECT_EQ(b, QString::fromUtf8(c.iniziale)) << c.ingresso;
    }
}

TEST(Stringhe, ProportionTruncatesTowardZero) {
    EXPECT_EQ(CalcolaProporzione(7, 3, 2), 10);
    EXPECT_EQ(CalcolaProporzione(-7, 3, 2), -10);
    EXPECT_EQ(CalcolaProporzione(100000, 100000, 100000), 100000);  // no 32-bit overflow
    EXPECT_EQ(CalcolaProporzione(1, 1, 0), 0);
}

}  // namespace
