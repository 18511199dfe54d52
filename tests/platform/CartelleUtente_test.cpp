#include "platform/CartelleUtente.h"
#include "platform/ValoriProgramma.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(CartelleUtente, BuildsAndCreatesTheFourFoldersTwiceWithoutError) {
    CasaTemporanea casa;
    const QString dati = casa.Sotto(".local/share");
    const QString documenti = casa.Sotto("Documents");  // does not exist yet
    for (int volta = 0; volta < 2; ++volta) {
        ASSERT_TRUE(ImpostaCartelleUtente(dati, documenti, "/opt/quenvox"));
        EXPECT_EQ(CartellaLavoro, dati + "/Drovaskent/Quenvox");
        EXPECT_EQ(CartellaStili, dati + "/Drovaskent/Stili");
        EXPECT_EQ(PercorsoOutput, documenti + "/Drovaskent/Quenvox");
        EXPECT_EQ(PercorsoOutputPredefinito, PercorsoOutput);
        EXPECT_EQ(CartellaProgramma, "/opt/quenvox");
        for (const QString& c : {CartellaLavoro, CartellaStili, PercorsoOutput + "/Video",
                                 PercorsoOutput + "/Video/Frames"})
            EXPECT_TRUE(QDir(c).exists()) << c.toStdString();
    }
}

TEST(CartelleUtente, AFolderThatCannotBeMadeIsReported) {
    CasaTemporanea casa;
    QFile blocco(casa.Sotto("file"));
    ASSERT_TRUE(blocco.open(QIODevice::WriteOnly));
    blocco.close();
    EXPECT_FALSE(ImpostaCartelleUtente(casa.Sotto("file"), casa.Percorso(), "/x"));
}

TEST(ValoriProgramma, WindowsAreCentredInTheWorkAreaAndClamped) {
    struct Caso {
        QRect avvio, corrente;
        int w, h, modo;
        QRect atteso;
    } casi[] = {
        {{0, 0, 1920, 1040}, {0, 0, 1920, 1040}, 1281, 1024, 2, {319, 8, 1281, 1024}},
        {{0, 27, 1920, 1053}, {0, 27, 1920, 1053}, 659, 351, 2, {630, 378, 659, 351}},  // panel on top
        {{0, 0, 1280, 720}, {0, 0, 1280, 720}, 1281, 1024, 2, {0, 0, 1280, 720}},       // too large
        {{0, 0, 1920, 1040}, {0, 0, 1600, 1040}, 1000, 600, 2, {140, 220, 1000, 600}},  // area shrank
        {{0, 0, 1920, 1040}, {0, 0, 1600, 1040}, 1000, 600, 1, {460, 220, 1000, 600}},
        {{1920, 0, 1920, 1080}, {1920, 0, 1920, 1080}, 920, 80, 2, {2420, 500, 920, 80}},  // second screen
    };
    for (const Caso& c : casi)
        EXPECT_EQ(RettangoloCentrato(c.avvio, c.corrente, c.w, c.h, c.modo), c.atteso);
}

}  // namespace
