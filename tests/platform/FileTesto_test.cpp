#include "platform/FileTesto.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray Leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FileTesto, WritesUtf8WithCrLfAndReadsItBack) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("a.txt");
    ScrittoreTesto s;
    s.Righe({"Città", "", "line three"});
    ASSERT_TRUE(s.Salva(percorso));
    EXPECT_EQ(Leggi(percorso), QByteArray("Citt\xC3\xA0\r\n\r\nline three\r\n"));
    EXPECT_EQ(LeggiTutteLeRighe(percorso), QStringList({"Città", "", "line three"}));
}

TEST(FileTesto, ReadsLfCrLfAndALastLineWithoutEnd) {
    LettoreTesto l(QByteArray("uno\ndue\r\ntre"));
    QString r;
    QStringList righe;
    while (l.LeggiRiga(r)) righe << r;
    EXPECT_EQ(righe, QStringList({"uno", "due", "tre"}));
}

TEST(FileTesto, LineThatIsNotUtf8IsWindows1252) {
    // "Città" and a euro sign as the Windows version wrote them.
    LettoreTesto l(QByteArray("Citt\xE0 \x80\r\n"));
    QString r;
    ASSERT_TRUE(l.LeggiRiga(r));
    EXPECT_EQ(r, QString::fromUtf8("Città €"));
}

TEST(FileTesto, LongLineIsReadWhole) {
    const QByteArray lunga(100000, 'x');
    LettoreTesto l(lunga + "\r\nfine\r\n");
    QString r;
    ASSERT_TRUE(l.LeggiRiga(r));
    EXPECT_EQ(r.size(), 100000);
    ASSERT_TRUE(l.LeggiRiga(r));
    EXPECT_EQ(r, "fine");
    EXPECT_FALSE(l.LeggiRiga(r));
}

TEST(FileTesto, FailedSaveReportsAndKeepsNothingHalfWritten) {
    CasaTemporanea casa;
    ScrittoreTesto s;
    s.Riga("x");
    QString errore;
    EXPECT_FALSE(s.Salva(casa.Sotto("missing/folder/a.txt"), &errore));
    EXPECT_FALSE(errore.isEmpty());
    bool ok = true;
    EXPECT_TRUE(LeggiTutteLeRighe(casa.Sotto("none.txt"), &ok).isEmpty());
    EXPECT_FALSE(ok);
}

}  // namespace
