#include "platform/FileRegolare.h"

#include "common/CasaTemporanea.h"
#include "common/PermessiOrdinari.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstring>

#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void Scrivi(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

struct Caso {
    const char* nome;
    RifiutoFile atteso;
};

// Each kind of path a user or a hostile file can put where a file is expected; none may block.
TEST(FileRegolare, RefusesAtOnceWhatIsNotARegularFile) {
    CasaTemporanea casa;
    const QString file = casa.Sotto("file.txt");
    Scrivi(file, "dodici byte!");
    const QString cartella = casa.Sotto("cartella");
    ASSERT_TRUE(QDir().mkpath(cartella));
    const QString fifo = casa.Sotto("tubo.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, casa.Sotto("link_tubo.txt")));
    ASSERT_TRUE(QFile::link(file, casa.Sotto("link_file.txt")));
    ASSERT_TRUE(QFile::link("/dev/zero", casa.Sotto("link_zero.txt")));
    ASSERT_TRUE(QFile::link(casa.Sotto("nessuno"), casa.Sotto("link_rotto.txt")));

    const QString presa = casa.Sotto("presa");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    const QByteArray nomePresa = QFile::encodeName(presa);
    ASSERT_LT(size_t(nomePresa.size()), sizeof indirizzo.sun_path);
    std::memcpy(indirizzo.sun_path, nomePresa.constData(), size_t(nomePresa.size()));
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo), 0);

    const Caso casi[] = {
        {"file.txt", RifiutoFile::Nessuno},      {"link_file.txt", RifiutoFile::Nessuno},
        {"cartella", RifiutoFile::NonUnFile},     {"tubo.txt", RifiutoFile::NonUnFile},
        {"link_tubo.txt", RifiutoFile::NonUnFile}, {"link_zero.txt", RifiutoFile::NonUnFile},
        {"presa", RifiutoFile::NonUnFile},        {"link_rotto.txt", RifiutoFile::Mancante},
        {"nessuno", RifiutoFile::Mancante},       {"file.txt/sotto", RifiutoFile::Mancante},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        FileRegolare aperto = FileRegolare::Apri(casa.Sotto(caso.nome));
        EXPECT_EQ(aperto.Rifiuto(), caso.atteso);
        EXPECT_EQ(aperto.Aperto(), caso.atteso == RifiutoFile::Nessuno);
    }
    EXPECT_EQ(FileRegolare::Apri("/dev/null").Rifiuto(), RifiutoFile::NonUnFile);
    EXPECT_EQ(FileRegolare::Apri(QString()).Rifiuto(), RifiutoFile::Mancante);
    ::close(s);
}

// Opening a device may do something of its own, so what is not a regular file is never opened:
// the system reports no open of a pipe, of a link to it or of a folder, while a file is opened.
TEST(FileRegolare, WhatIsNotARegularFileIsRefusedWithoutBeingOpened) {
    CasaTemporanea casa;
    const QString fifo = casa.Sotto("tubo.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, casa.Sotto("link_tubo.png")));
    const QString cartella = casa.Sotto("cartella.png");
    ASSERT_TRUE(QDir().mkpath(cartella));
    const QString file = casa.Sotto("file.png");
    Scrivi(file, "dodici byte!");
    const int avvisi = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(avvisi, 0);
    for (const QString& p : {fifo, cartella, file})
        ASSERT_GE(::inotify_add_watch(avvisi, QFile::encodeName(p).constData(), IN_OPEN), 0);
    const auto aperture = [avvisi] {
        alignas(inotify_event) char dati[4096];
        int quante = 0;
        for (ssize_t n; (n = ::read(avvisi, dati, sizeof dati)) > 0;)
            for (char* p = dati; p < dati + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
                ++quante;
        return quante;
    };
    for (const char* nome : {"tubo.png", "link_tubo.png", "cartella.png"}) {
        SCOPED_TRACE(nome);
        EXPECT_EQ(FileRegolare::Apri(casa.Sotto(nome)).Rifiuto(), RifiutoFile::NonUnFile);
        EXPECT_EQ(aperture(), 0);
    }
    EXPECT_TRUE(FileRegolare::Apri(file).Aperto());
    EXPECT_EQ(aperture(), 1);
    ::close(avvisi);
}

TEST(FileRegolare, ReadsTheWholeFileWithinItsLimit) {
    CasaTemporanea casa;
    const QString file = casa.Sotto("file.txt");
    Scrivi(file, "dodici byte!");
    QByteArray dati;
    FileRegolare esatto = FileRegolare::Apri(file, 12);
    ASSERT_TRUE(esatto.Aperto());
    EXPECT_EQ(esatto.Dimensione(), 12);
    ASSERT_TRUE(esatto.LeggiTutto(dati));
    EXPECT_EQ(dati, QByteArray("dodici byte!"));

    FileRegolare oltre = FileRegolare::Apri(file, 11);
    EXPECT_EQ(oltre.Rifiuto(), RifiutoFile::TroppoGrande);
    EXPECT_FALSE(oltre.Aperto());
    EXPECT_FALSE(oltre.LeggiTutto(dati));
    EXPECT_TRUE(dati.isEmpty());
}

// What is read comes from the file that was checked, even when the path changes meanwhile.
TEST(FileRegolare, ReadsTheCheckedFileAfterItsPathWasSwapped) {
    CasaTemporanea casa;
    const QString file = casa.Sotto("file.txt");
    Scrivi(file, "il vero");
    FileRegolare aperto = FileRegolare::Apri(file);
    ASSERT_TRUE(aperto.Aperto());
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    QByteArray dati;
    ASSERT_TRUE(aperto.LeggiTutto(dati));
    EXPECT_EQ(dati, QByteArray("il vero"));
}

TEST(FileRegolare, AFileWithoutReadPermissionSaysWhy) {
    CasaTemporanea casa;
    const QString file = casa.Sotto("chiuso.txt");
    Scrivi(file, "segreto");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::WriteOwner));
    PermessiOrdinari ordinari;
    ASSERT_TRUE(ordinari.Motivo().isEmpty()) << ordinari.Motivo().toStdString();
    FileRegolare aperto = FileRegolare::Apri(file);
    EXPECT_EQ(aperto.Rifiuto(), RifiutoFile::NonApribile);
    EXPECT_EQ(aperto.Errore(), qt_error_string(EACCES));
}

}  // namespace
