#include "project/TabellaImmagini.h"

#include "common/CasaTemporanea.h"
#include "common/LinguaTemporanea.h"
#include "platform/FileTesto.h"
#include "project/TestiMessaggi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

const QString kProgramma = "/opt/quenvox";

QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Dati(const QString& nome) { return QFileInfo(__FILE__).absolutePath() + "/dati/" + nome; }

void ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
}

TEST(TabellaImmagini, DefaultsWithoutListFile) {
    CasaTemporanea casa;
    TabellaPercorsi t;
    t[50] = "/mio/extra.png";
    CaricaElencoImmagini(t, casa.Percorso(), kProgramma);
    EXPECT_EQ(t[0], "/opt/quenvox/Intro/00 SfondoFlares.png");
    EXPECT_EQ(t[1], "/opt/quenvox/Intro/01 Pavimento.jpg");
    EXPECT_EQ(t[2], t[1]);
    EXPECT_EQ(t[5], "/opt/quenvox/Intro/05 Fiocconeve.png");
    EXPECT_EQ(t[27], "/opt/quenvox/Intro/27 Fumo.png");
    EXPECT_EQ(t[35], "/opt/quenvox/Intro/35 Fuoco Laser.png");
    EXPECT_TRUE(t[36].isEmpty());
    EXPECT_EQ(t[50], "/mio/extra.png");  // slots without a role are not touched
}

TEST(TabellaImmagini, ListFileFirstLineDecides) {
    struct Caso {
        const char* contenuto;
        bool predefiniti;
    } casi[] = {{"OK\r\n", false}, {"OKAY whatever\r\n", false}, {"ok\r\n", true}, {"", true},
                {" OK\r\n", true}, {"\r\nOK\r\n", true}, {"OK", false}};
    for (const Caso& c : casi) {
        CasaTemporanea casa;
        ScriviFile(casa.Sotto("ElencoImmagini.txt"), c.contenuto);
        TabellaPercorsi t;
        CaricaElencoImmagini(t, casa.Percorso(), kProgramma);
        EXPECT_EQ(!t[0].isEmpty(), c.predefiniti) << c.contenuto;
    }
}

// What stands in the list's place and is not a file (a pipe, a device, a folder) is not read and
// never blocks the start: the default pictures, as with no list.
TEST(TabellaImmagini, AListThatIsNotAFileGivesTheDefaultsAtOnce) {
    const struct {
        const char* nome;
        std::function<void(const QString&)> crea;
    } casi[] = {
        {"a pipe", [](const QString& f) { ASSERT_EQ(::mkfifo(QFile::encodeName(f).constData(), 0600), 0); }},
        {"a link to /dev/zero", [](const QString& f) { ASSERT_TRUE(QFile::link("/dev/zero", f)); }},
        {"a folder", [](const QString& f) { ASSERT_TRUE(QDir().mkpath(f)); }},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CasaTemporanea casa;
        caso.crea(casa.Sotto("ElencoImmagini.txt"));
        TabellaPercorsi t;
        EXPECT_TRUE(CaricaElencoImmagini(t, casa.Percorso(), kProgramma).isEmpty());
        EXPECT_EQ(t[0], "/opt/quenvox/Intro/00 SfondoFlares.png");
    }
}

TEST(TabellaImmagini, ListFileByteExact) {
    CasaTemporanea casa;
    TabellaPercorsi t;
    CaricaElencoImmagini(t, casa.Percorso(), kProgramma);
    t[24].clear();               // an empty slot is its code and one blank
    t[40] = "/never/written.png";  // slots past 35 are not in the list
    ASSERT_TRUE(SalvaElencoImmagini(t, casa.Percorso()));
    EXPECT_EQ(LeggiFile(casa.Sotto("ElencoImmagini.txt")), LeggiFile(Dati("ElencoImmagini.txt")));

    // The saved list starts with a banner line, so it never holds back the defaults.
    TabellaPercorsi dopo;
    CaricaElencoImmagini(dopo, casa.Percorso(), kProgramma);
    EXPECT_EQ(dopo[24], "/opt/quenvox/Intro/24 Polvere.png");
}

TEST(TabellaImmagini, PathWithLineBreakStaysOnItsLine) {
    CasaTemporanea casa;
    TabellaPercorsi t;
    t[0] = "/a\r\nb.png";
    ASSERT_TRUE(SalvaElencoImmagini(t, casa.Percorso()));
    const QStringList righe = LeggiTutteLeRighe(casa.Sotto("ElencoImmagini.txt"));
    ASSERT_EQ(righe.size(), 106);
    EXPECT_EQ(righe[7], "01001 /a  b.png");
    EXPECT_EQ(righe[8], "01002 ");
}

TEST(TabellaImmagini, UnwritableFolderIsReported) {
    CasaTemporanea casa;
    TabellaPercorsi t;
    QString errore;
    EXPECT_FALSE(SalvaElencoImmagini(t, casa.Sotto("manca/ancora"), &errore));
    // The message names the file, not only the system's reason.
    EXPECT_TRUE(errore.startsWith(casa.Sotto("manca/ancora/ElencoImmagini.txt") + ": ")) << errore.toStdString();
    EXPECT_GT(errore.size(), casa.Sotto("manca/ancora/ElencoImmagini.txt: ").size());
}

// A list file of 200 MB (sparse, so the test writes nothing) is no list: it is not read, the
// defaults go in and the user is told; an "OK" list of a normal size says nothing.
TEST(TabellaImmagini, AFileFarTooLargeForAListIsRefused) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("ElencoImmagini.txt");
    ScriviFile(percorso, "OK\r\n");
    TabellaPercorsi t;
    EXPECT_TRUE(CaricaElencoImmagini(t, casa.Percorso(), kProgramma).isEmpty());
    EXPECT_TRUE(t[0].isEmpty());
    QFile f(percorso);
    ASSERT_TRUE(f.resize(200LL * 1024 * 1024));
    LinguaTemporanea lingua(LinguaInglese);
    const QString avviso = CaricaElencoImmagini(t, casa.Percorso(), kProgramma);
    EXPECT_EQ(avviso, TestoMessaggio(VoceMessaggio::ElencoImmaginiTroppoGrande).arg(percorso).arg(200));
    EXPECT_EQ(t[0], "/opt/quenvox/Intro/00 SfondoFlares.png");
}

}  // namespace
