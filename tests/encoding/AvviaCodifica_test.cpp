#include "encoding/AvviaCodifica.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QFileInfo>

TEST(AvviaCodifica, FrameRateIsTheCaptionsLeadingNumber) {
    struct Caso {
        const char* caption;
        int atteso;
    };
    for (const Caso c : {Caso{"25", 25}, Caso{"12", 12}, Caso{"29.97", 29}, Caso{"60 fps", 60}, Caso{"abc", 0},
                         Caso{"", 0}, Caso{"99999999999999", 1000000}})
        EXPECT_EQ(LeggiFrameRate(QString::fromLatin1(c.caption)), c.atteso) << c.caption;
}

TEST(AvviaCodifica, WritesTheListAndHandsOverTheRunParameters) {
    CasaTemporanea casa;
    const ConsegnaCodifica c = AvviaCodifica({casa.Percorso(), 150, true, QStringLiteral("25"), 150});
    EXPECT_TRUE(c.ListaScritta);
    EXPECT_EQ(c.PercorsoListaFrame, casa.Sotto("databaseqvt.txt"));
    EXPECT_EQ(QFileInfo(c.PercorsoListaFrame).size(), 42 + 2 + casa.Percorso().toUtf8().size() + 2 + 150 * 1623);
    const ParametriCodifica atteso{casa.Sotto("Video"), 25, true, 150, QStringLiteral("Frames/Image")};
    EXPECT_EQ(c.Parametri, atteso);
}

TEST(AvviaCodifica, MissingOutputFolderStillHandsOver) {
    CasaTemporanea casa;
    const ConsegnaCodifica c = AvviaCodifica({casa.Sotto("manca"), 10, false, QStringLiteral("12"), 10});
    EXPECT_FALSE(c.ListaScritta);
    EXPECT_EQ(c.Parametri.FrameAlSecondo, 12);
    EXPECT_FALSE(c.Parametri.FrameInJpg);
    EXPECT_EQ(c.Parametri.CartellaVideo, casa.Sotto("manca/Video"));
    // The notice says which file and why, not only the system's reason.
    EXPECT_TRUE(c.ErroreLista.contains(c.PercorsoListaFrame)) << c.ErroreLista.toStdString();
    EXPECT_GT(c.ErroreLista.size(), c.PercorsoListaFrame.size() + 2);
}
