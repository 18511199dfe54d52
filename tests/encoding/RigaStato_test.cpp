#include "encoding/RigaStato.h"

#include <gtest/gtest.h>

TEST(RigaStato, ValueAfterTheNthEqualsSign) {
    const QString riga =
        QStringLiteral("frame=  123 fps= 25 q=28.0 size=    1234kB time=00:00:04.92 bitrate=2048.0kbits/s");
    struct Caso {
        int n;
        std::optional<QString> valore;
    };
    for (const Caso& c : {Caso{1, "123"}, Caso{2, "25"}, Caso{3, "28.0"}, Caso{4, "1234kB"},
                          Caso{5, "00:00:04.92"}, Caso{6, "2048.0kbits/s"}, Caso{7, std::nullopt}})
        EXPECT_EQ(LeggiValoreCampo(riga, c.n), c.valore) << c.n;
    EXPECT_EQ(LeggiValoreCampo(QStringLiteral("a=   "), 1), QString());
}

TEST(RigaStato, FiguresOfStatusLinesOnly) {
    FigureCodifica f;
    EXPECT_FALSE(AggiornaFigure(QStringLiteral("Input #0, image2, from 'x=%04d.jpg':"), f));
    EXPECT_EQ(f, FigureCodifica());

    ASSERT_TRUE(AggiornaFigure(QStringLiteral("frame=    5 fps=0.0 q=-1.0 Lsize=      12kB time=00:00:00.20 "
                                              "bitrate= 480.1kbits/s speed=2.3x"),
                               f));
    EXPECT_EQ(f, (FigureCodifica{"5", "0.0", "12kB", "480.1kbits/s"}));
    EXPECT_EQ(f.NumeroFrame(), 5);

    // A line that lacks the later fields keeps their old values, not the last one read.
    ASSERT_TRUE(AggiornaFigure(QStringLiteral("frame=   77 fps=30"), f));
    EXPECT_EQ(f, (FigureCodifica{"77", "30", "12kB", "480.1kbits/s"}));

    ASSERT_TRUE(AggiornaFigure(QStringLiteral("rame=  9"), f));
    EXPECT_EQ(f.NumeroFrame(), 9);
    // The frame figure holds whatever was there; its number is its leading digits.
    ASSERT_TRUE(AggiornaFigure(QStringLiteral("frame=N/A fps=1"), f));
    EXPECT_EQ(f.NumeroFrame(), 0);
    EXPECT_FALSE(AggiornaFigure(QStringLiteral(" frame=3"), f));
}
