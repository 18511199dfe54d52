#include "platform/FileTesto.h"

#include "common/CasaTemporanea.h"
#include "common/LimiteFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

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

// UTF-8 with a stray byte: the UTF-8 stays, the byte alone is read the old way, and the line
// is counted as not read cleanly. Whole Windows-1252 lines and clean UTF-8 lines are not.
TEST(FileTesto, StrayBytesInAUtf8LineAreReadAloneAndCounted) {
    const struct {
        QByteArray byte;
        const char* testo;
        bool mista;
    } casi[] = {
        {"Citt\xC3\xA0 gi\xC3\xA0 pronta \xFF", "Città già pronta ÿ", true},
        {"\xE2\x82\xAC \x80", "€ €", true},
        {"\xC3\xA0\xC3", "àÃ", true},                // a sequence cut at the end
        {"\xE0\x80\x80 \xC3\xA8", "à€€ è", true},  // an overlong form is not UTF-8
        {"\xED\xA0\x80\xC3\xA8", "í\xC2\xA0€è", true},  // nor is a surrogate
        {"Citt\xE0", "Città", false},
        {"\xF0\x9F\x98\x80 ok", "😀 ok", false},
        {"plain", "plain", false},
    };
    for (const auto& c : casi) {
        bool mista = !c.mista;
        EXPECT_EQ(DecodificaRiga(c.byte, &mista), QString::fromUtf8(c.testo)) << c.testo;
        EXPECT_EQ(mista, c.mista) << c.testo;
    }
    LettoreTesto l(QByteArray("a\r\n\xC3\xA0\xFF\r\nb\xE0\r\n"));
    QString r;
    while (l.LeggiRiga(r)) {}
    EXPECT_EQ(l.RigheMiste(), 1);
}

// A file that is there but cannot be read tells why; a missing one is only missing.
TEST(FileTesto, ReadErrorIsToldApartFromAMissingFile) {
    CasaTemporanea casa;
    LettoreTesto l;
    EXPECT_FALSE(l.Apri(casa.Sotto("none.txt")));
    EXPECT_TRUE(l.Assente());
    ASSERT_TRUE(QFile::link("/proc/self/mem", casa.Sotto("eio.txt")));
    EXPECT_FALSE(l.Apri(casa.Sotto("eio.txt")));
    EXPECT_FALSE(l.Assente());
    EXPECT_FALSE(l.Errore().isEmpty());
    EXPECT_TRUE(l.Contenuto().isEmpty());
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

// A write that fails half-way (a full disk) leaves nothing under the name: half a file there
// would pass for a whole one, and the next writer would have to pick another name.
TEST(FileTesto, ANewFileWhoseWriteFailsIsNotLeftBehind) {
    CasaTemporanea casa;
    ScrittoreTesto s;
    for (int i = 0; i < 200; ++i) s.Riga(QString(60, QLatin1Char('x')));
    const QString nuovo = casa.Sotto("nuovo.txt");
    const QString sostituito = casa.Sotto("sostituito.txt");
    ASSERT_TRUE(QFile(sostituito).open(QIODevice::WriteOnly));
    {
        LimiteFile pieno(4096);
        ASSERT_TRUE(pieno.Attivo());
        bool occupato = true;
        QString errore;
        EXPECT_FALSE(s.SalvaNuovo(nuovo, &occupato, &errore));
        EXPECT_FALSE(occupato);
        EXPECT_EQ(errore, qt_error_string(EFBIG));
        EXPECT_FALSE(s.Salva(sostituito, &errore));
    }
    EXPECT_FALSE(QFileInfo::exists(nuovo));
    EXPECT_EQ(QFileInfo(sostituito).size(), 0);
    EXPECT_EQ(QDir(casa.Percorso()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"sostituito.txt"});
}

// A link in the file's place is written through only to a regular file; a link to a pipe, a
// folder or nothing is replaced itself, and what it pointed at, in another folder, stays as it was.
TEST(FileTesto, AFileIsWrittenThroughALinkOnlyToARegularFile) {
    const struct {
        const char* nome;
        std::function<void(const QString& bersaglio)> crea;
        bool attraverso;  // the target gets the text, the link stays
    } casi[] = {
        {"a regular file", [](const QString& b) { ASSERT_TRUE(QFile(b).open(QIODevice::WriteOnly)); }, true},
        {"a pipe", [](const QString& b) { ASSERT_EQ(::mkfifo(QFile::encodeName(b).constData(), 0600), 0); }, false},
        {"a folder", [](const QString& b) { ASSERT_TRUE(QDir().mkpath(b)); }, false},
        {"nothing", [](const QString&) {}, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        ASSERT_TRUE(QDir().mkpath(casa.Sotto("altrove")));
        ASSERT_TRUE(QDir().mkpath(casa.Sotto("qui")));
        const QString bersaglio = casa.Sotto("altrove/bersaglio");
        const QString link = casa.Sotto("qui/file.txt");
        c.crea(bersaglio);
        ASSERT_TRUE(QFile::link(bersaglio, link));
        struct stat prima {};
        const bool cera = ::lstat(QFile::encodeName(bersaglio).constData(), &prima) == 0;

        ScrittoreTesto s;
        s.Riga("nuovo");
        QString errore;
        ASSERT_TRUE(s.Salva(link, &errore)) << errore.toStdString();
        EXPECT_EQ(QFileInfo(link).isSymLink(), c.attraverso);
        EXPECT_EQ(Leggi(link), "nuovo\r\n");
        if (c.attraverso) continue;
        struct stat dopo {};
        EXPECT_EQ(::lstat(QFile::encodeName(bersaglio).constData(), &dopo) == 0, cera);
        if (cera) {
            EXPECT_EQ(dopo.st_mode, prima.st_mode);
            EXPECT_EQ(dopo.st_ino, prima.st_ino);
        }
        // Nothing else was left beside the file.
        EXPECT_EQ(QDir(casa.Sotto("qui")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{"file.txt"});
    }
}

}  // namespace
