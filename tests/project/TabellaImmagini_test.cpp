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

// A list file far too large for a list (sparse, so the test writes nothing), or no file at all
// in its place (a folder, a pipe, a link to a device), is not read and never blocks the start:
// the defaults go in and the user is told, in the language asked, once the project has set it; an "OK" list of a normal
// size and a missing one say nothing.
TEST(TabellaImmagini, WhatIsNoListIsRefusedAndTold) {
    const struct {
        const char* nome;
        std::function<void(const QString&)> prepara;
        VoceMessaggio voce;
        int mb;
    } casi[] = {
        {"190 MB", [](const QString& p) { ScriviFile(p, "OK\r\n"); QFile(p).resize(190LL * 1024 * 1024); },
         VoceMessaggio::ElencoImmaginiTroppoGrande, 190},
        {"1 GB", [](const QString& p) { ScriviFile(p, "OK\r\n"); QFile(p).resize(1024LL * 1024 * 1024); },
         VoceMessaggio::ElencoImmaginiTroppoGrande, 1024},
        {"a pipe", [](const QString& p) { ASSERT_EQ(mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
         VoceMessaggio::ElencoImmaginiNonFile, 0},
        {"a link to a device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); },
         VoceMessaggio::ElencoImmaginiNonFile, 0},
        {"a folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }, VoceMessaggio::ElencoImmaginiNonFile, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        const QString percorso = casa.Sotto("ElencoImmagini.txt");
        c.prepara(percorso);
        TabellaPercorsi t;
        const EsitoElencoImmagini esito = CaricaElencoImmagini(t, casa.Percorso(), kProgramma);
        EXPECT_EQ(t[0], "/opt/quenvox/Intro/00 SfondoFlares.png");
        for (int lingua : {LinguaItaliano, LinguaInglese}) {
            QString atteso = TestoMessaggio(c.voce, lingua).arg(percorso);
            if (c.mb) atteso = atteso.arg(c.mb);
            EXPECT_EQ(esito.Avviso(lingua), atteso) << lingua;
        }
    }
    CasaTemporanea casa;
    TabellaPercorsi t;
    EXPECT_TRUE(CaricaElencoImmagini(t, casa.Percorso(), kProgramma).Avviso(LinguaItaliano).isEmpty());
    ScriviFile(casa.Sotto("ElencoImmagini.txt"), "OK\r\n");
    EXPECT_TRUE(CaricaElencoImmagini(t, casa.Percorso(), kProgramma).Avviso(LinguaItaliano).isEmpty());
}

}  // namespace
