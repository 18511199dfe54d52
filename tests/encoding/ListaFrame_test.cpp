#include "encoding/ListaFrame.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray LeggiFile(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kInizioRecord =
    "[002]+100.000000[003]+0.000000[004]+0.000000[005]+1.000000[006]+1.000000[007]+0000[008]+0000"
    "[009]+0001[010]+0000[011]+0.000000[012]+0.000000[013]+0000";

}  // namespace

TEST(ListaFrame, RecordHasTheFixedFieldsAfterThePaddedName) {
    const QByteArray record = RecordListaFrame(1, true);
    EXPECT_EQ(record.size() + 2, 1623);
    EXPECT_TRUE(record.startsWith("[001]Frame_0001.jpg" + QByteArray(242, ' ') + kInizioRecord));
    EXPECT_TRUE(record.endsWith("[132]+0960[133]+0640[134]+0000"));
    // A sample of the fixed table, and a field that is not in it.
    for (const char* campo : {"[031]+4950", "[034]-0009", "[061]-0039", "[062]-0060", "[108]+0001",
                              "[117]+0040", "[100]+0000"})
        EXPECT_TRUE(record.contains(campo)) << campo;

    EXPECT_TRUE(RecordListaFrame(42, false).startsWith("[001]Frame_0042.bmp "));
    // Only the name differs between frames.
    EXPECT_EQ(RecordListaFrame(7, true).mid(256 + 5), record.mid(256 + 5));
}

TEST(ListaFrame, NumberBeyondFourDigitsWidensTheNameField) {
    const QByteArray record = RecordListaFrame(12345, true);
    EXPECT_EQ(record.size() + 2, 1624);
    EXPECT_TRUE(record.startsWith("[001]Frame_12345.jpg" + QByteArray(242, ' ') + "[002]"));
}

TEST(ListaFrame, FileOfTwoFramesByteForByte) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("databaseqvt.txt");
    ASSERT_TRUE(ScriviListaFrame(percorso, QStringLiteral("/home/u/Documenti/Quenvox"), 2, true));
    const QByteArray atteso = "Quenvox : Database per prodotti Drovaskent\r\n/home/u/Documenti/Quenvox\r\n" +
                              RecordListaFrame(1, true) + "\r\n" + RecordListaFrame(2, true) + "\r\n";
    EXPECT_EQ(LeggiFile(percorso), atteso);
}

TEST(ListaFrame, RecordCountFollowsTheFrameTotal) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("databaseqvt.txt");
    struct Caso {
        double totale;
        int record;
    };
    for (const Caso c : {Caso{150, 150}, Caso{0, 0}, Caso{2.5, 3}, Caso{-3, 0}}) {
        ASSERT_TRUE(ScriviListaFrame(percorso, QStringLiteral("/o"), c.totale, true));
        const QList<QByteArray> righe = LeggiFile(percorso).split('\n');
        ASSERT_EQ(righe.size(), c.record + 3) << c.totale;  // two header lines and an empty tail
        for (int i = 1; i <= c.record; ++i) {
            const QByteArray& riga = righe[i + 1];
            EXPECT_EQ(riga.size() + 1, 1623);
            EXPECT_TRUE(riga.startsWith("[001]Frame_" + QByteArray::number(i).rightJustified(4, '0') + ".jpg"));
        }
    }
}

TEST(ListaFrame, ReplacesAnOldFileAndReportsAFolderThatIsMissing) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("databaseqvt.txt");
    {
        QFile vecchio(percorso);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write(QByteArray(100000, 'x'));
    }
    ASSERT_TRUE(ScriviListaFrame(percorso, QStringLiteral("/o"), 1, false));
    EXPECT_EQ(LeggiFile(percorso).size(), 42 + 2 + 2 + 2 + 1623);  // header, "/o", one record

    QString errore;
    EXPECT_FALSE(ScriviListaFrame(casa.Sotto("manca/databaseqvt.txt"), QStringLiteral("/o"), 1, false, &errore));
    EXPECT_FALSE(errore.isEmpty());
}
