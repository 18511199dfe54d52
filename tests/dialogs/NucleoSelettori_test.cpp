#include "dialogs/NucleoSelettori.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <vector>

#include <sys/stat.h>

namespace {

void Crea(const QString& percorso, qint64 byte = 0) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(byte, 'x'));
}

QByteArray Contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(NucleoSelettori, TipoDelVolumeDalFileSystemEDalDispositivo) {
    struct {
        const char* fs;
        const char* dispositivo;
        TipoUnita tipo;
    } casi[] = {
        {"ext4", "/dev/nvme0n1p2", UnitaFissa},   {"btrfs", "/dev/sda1", UnitaFissa},
        {"tmpfs", "tmpfs", UnitaRamDisk},         {"ext2", "/dev/zram0", UnitaRamDisk},
        {"iso9660", "/dev/sr0", UnitaCdDvd},      {"udf", "/dev/sr1", UnitaCdDvd},
        {"nfs4", "server:/export", UnitaRete},    {"cifs", "//nas/share", UnitaRete},
        {"fuse.sshfs", "me@host:", UnitaRete},    {"vfat", "/dev/sdb1", UnitaRimovibile},
        {"exfat", "/dev/sdc1", UnitaRimovibile},  {"ext4", "/dev/mmcblk0p1", UnitaRimovibile},
        {"fuse.portal", "portal", UnitaSconosciuta},
    };
    for (const auto& c : casi) EXPECT_EQ(TipoDaFileSystem(c.fs, c.dispositivo), c.tipo) << c.fs << " " << c.dispositivo;
}

TEST(NucleoSelettori, VolumiDaElencareERadicePrima) {
    EXPECT_TRUE(VolumeDaElencare("ext4", "/"));
    EXPECT_TRUE(VolumeDaElencare("tmpfs", "/tmp"));
    EXPECT_TRUE(VolumeDaElencare("vfat", "/media/me/USB"));
    EXPECT_FALSE(VolumeDaElencare("squashfs", "/snap/core/1"));
    EXPECT_FALSE(VolumeDaElencare("overlay", "/"));
    EXPECT_FALSE(VolumeDaElencare("proc", "/proc"));
    EXPECT_FALSE(VolumeDaElencare("tmpfs", "/run/user/1000"));
    EXPECT_FALSE(VolumeDaElencare("tmpfs", "/dev/shm"));
    EXPECT_TRUE(VolumeDaElencare("ext4", "/running"));

    const std::vector<Volume> volumi = OrdinaVolumi(
        {{"/media/b", "B", UnitaRimovibile}, {"/home", "", UnitaFissa}, {"/", "", UnitaFissa}, {"/Data", "", UnitaFissa}},
        "/home/me");
    ASSERT_EQ(volumi.size(), 4u);
    EXPECT_EQ(volumi[0].radice, "/");
    EXPECT_EQ(volumi[1].radice, "/Data");
    EXPECT_EQ(volumi[2].radice, "/home");
    EXPECT_EQ(volumi[3].radice, "/media/b");
    for (const Volume& v : volumi) EXPECT_EQ(v.casa, v.radice == "/home") << v.radice.toStdString();
    // Without its own volume, home lies on the root's.
    EXPECT_TRUE(OrdinaVolumi({{"/media/b", "", UnitaRimovibile}, {"/", "", UnitaFissa}}, "/home/me")[0].casa);
    // The real list holds the root of the system first.
    const std::vector<Volume> veri = VolumiMontati();
    ASSERT_FALSE(veri.empty());
    EXPECT_EQ(veri.front().radice, "/");
}

TEST(NucleoSelettori, AntenatiEProfonditaDalPercorso) {
    EXPECT_EQ(Antenati("/"), QStringList({"/"}));
    EXPECT_EQ(Antenati("/home/a"), QStringList({"/", "/home", "/home/a"}));
    EXPECT_EQ(Antenati("/home//a/./b/../"), QStringList({"/", "/home", "/home/a"}));
    EXPECT_EQ(Profondita("/"), 0);
    EXPECT_EQ(Profondita("/home"), 1);
    EXPECT_EQ(Profondita("/home/a/b"), 3);
    EXPECT_EQ(UnisciPercorso("/", "a.png"), "/a.png");
    EXPECT_EQ(UnisciPercorso("/home", "a.png"), "/home/a.png");
}

TEST(NucleoSelettori, ElencoDiUnaCartella) {
    CasaTemporanea casa;
    const QString radice = casa.Sotto("B");
    QDir().mkpath(radice);
    for (const char* d : {"zeta", "Alfa", "beta", ".nascosta"}) QDir(radice).mkdir(d);
    for (const char* f : {"a.png", "b.PNG.txt", "c.gif", "D.JPG", "e.Bmp", ".x.png", "f.jpeg", "png"})
        Crea(radice + "/" + f);

    const ContenutoCartella tutto = ElencaCartella(radice, FiltroFile::Tutti);
    EXPECT_TRUE(tutto.leggibile);
    const QStringList livelli = Antenati(radice);
    ASSERT_EQ(tutto.cartelle.size(), size_t(livelli.size() + 3));
    for (int i = 0; i < livelli.size(); ++i) {
        EXPECT_EQ(tutto.cartelle[i].percorso, livelli[i]);
        EXPECT_EQ(tutto.cartelle[i].profondita, i);
        EXPECT_EQ(tutto.cartelle[i].aperta, i == livelli.size() - 1);
    }
    const int sotto = Profondita(radice) + 1;
    const QString attese[] = {"Alfa", "beta", "zeta"};
    for (int i = 0; i < 3; ++i) {
        const VoceCartella& v = tutto.cartelle[livelli.size() + i];
        EXPECT_EQ(v.percorso, radice + "/" + attese[i]);
        EXPECT_EQ(v.profondita, sotto);
        EXPECT_FALSE(v.aperta);
    }
    EXPECT_EQ(tutto.files, QStringList({"a.png", "b.PNG.txt", "c.gif", "D.JPG", "e.Bmp", "f.jpeg", "png"}));
    EXPECT_EQ(ElencaCartella(radice, FiltroFile::Immagini).files, QStringList({"a.png", "D.JPG", "e.Bmp"}));
    EXPECT_TRUE(ElencaCartella(radice, FiltroFile::Audio).files.isEmpty());
    EXPECT_TRUE(ElencaCartella(radice, FiltroDaTipoFile(7)).files.isEmpty());

    // A folder that cannot be read still shows where it is.
    const ContenutoCartella sparita = ElencaCartella(radice + "/non-esiste", FiltroFile::Tutti);
    EXPECT_FALSE(sparita.leggibile);
    EXPECT_EQ(sparita.cartelle.back().percorso, radice + "/non-esiste");
    EXPECT_TRUE(sparita.cartelle.back().aperta);

    const ContenutoCartella root = ElencaCartella("/", FiltroFile::Tutti);
    ASSERT_GE(root.cartelle.size(), 2u);
    EXPECT_EQ(root.cartelle[0].percorso, "/");
    EXPECT_EQ(root.cartelle[1].profondita, 1);
    EXPECT_FALSE(root.cartelle[1].percorso.startsWith("//"));
}

TEST(NucleoSelettori, FiltroPerSuffisso) {
    struct {
        const char* nome;
        int tipoFile;
        bool passa;
    } casi[] = {
        {"a.png", 1, true},   {"A.PNG", 1, true},     {"b.PNG.txt", 1, false}, {"x.bmp", 1, true},
        {"y.jpg", 1, true},   {"c.gif", 1, false},    {"z.jpeg", 1, false},    {"png", 1, false},
        {"s.MP3", 11, true},  {"s.wav", 11, true},    {"s.ogg", 11, true},     {"s.png", 11, false},
        {"a.png", 0, false},  {"a.png", 2, false},
    };
    for (const auto& c : casi)
        EXPECT_EQ(PassaFiltro(c.nome, FiltroDaTipoFile(c.tipoFile)), c.passa) << c.nome << " " << c.tipoFile;
}

TEST(NucleoSelettori, TestiDiDimensioneEData) {
    struct {
        qint64 byte;
        const char* testo;
    } casi[] = {
        {0, "0 Bytes"},          {1023, "1023 Bytes"}, {1024, "1 KB"},
        {1536, "1 KB"},          {1048575, "1023 KB"}, {5 * 1048576, "5 MB"},
        {5368709120LL, "5120 MB"},
    };
    for (const auto& c : casi) EXPECT_EQ(TestoDimensione(c.byte), c.testo) << c.byte;
    EXPECT_EQ(TestoData(QDateTime(QDate(2015, 3, 7), QTime(9, 5))), "07/03/2015  09:05");
}

TEST(NucleoSelettori, CartellaInizialeDelSelettore) {
    CasaTemporanea casa;
    const QString a = casa.Sotto("a"), b = casa.Sotto("b"), foto = a + "/foto.png";
    QDir().mkpath(a);
    QDir().mkpath(b);
    Crea(foto);
    const QString sparito = casa.Sotto("sparita"), riserva = "/riserva";
    const struct {
        QString file, ultima;
        QStringList storico;
        QString attesa;
    } casi[] = {
        {foto, b, {b}, a},                          // the file's own folder first
        {a + "/altro.png", b, {a}, b},              // file gone: the folder chosen last
        {a + "/altro.png", sparito, {b, a}, a},     // that folder gone too: the history's last
        {a, "", {sparito, b, sparito}, b},          // a folder is not a file; gone entries skipped
        {"", "", {}, riserva},
        {"", sparito, {sparito}, riserva},
    };
    for (const auto& c : casi)
        EXPECT_EQ(CartellaIniziale(c.file, c.ultima, c.storico, riserva), c.attesa)
            << c.file.toStdString() << " | " << c.ultima.toStdString();
}

TEST(NucleoSelettori, Storico) {
    CasaTemporanea casa;
    const QString file = casa.Sotto("Quenvox1.txt");

    StoricoCartelle s;
    EXPECT_EQ(s.Carica(file), StoricoCartelle::Stato::Assente);
    EXPECT_TRUE(s.Aggiungi("/home/b"));
    EXPECT_TRUE(s.Aggiungi("/home/A"));
    EXPECT_FALSE(s.Aggiungi("/home/b"));  // duplicate
    EXPECT_TRUE(s.Aggiungi("/home/B"));   // a case variant is another folder
    EXPECT_TRUE(s.Salva());
    EXPECT_EQ(Contenuto(file), "/home/A\r\n/home/B\r\n/home/b\r\n");

    // Loaded back sorted; nothing new leaves the file as it is.
    QFile::remove(file);
    Crea(file);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("/zz\n/aa\n");
    }
    StoricoCartelle t;
    EXPECT_EQ(t.Carica(file), StoricoCartelle::Stato::Caricato);
    EXPECT_EQ(t.Voci(), QStringList({"/aa", "/zz"}));
    EXPECT_FALSE(t.Salva());
    EXPECT_EQ(Contenuto(file), "/zz\n/aa\n");
    EXPECT_TRUE(t.Aggiungi("/mm"));
    EXPECT_TRUE(t.Salva());
    EXPECT_EQ(Contenuto(file), "/aa\r\n/mm\r\n/zz\r\n");
}

// A history that is no regular file of a sane size (a folder, a pipe, a link to one, a huge
// file) is refused at once, never blocks, and is never written over.
TEST(NucleoSelettori, StoricoIlleggibileMaiSovrascritto) {
    struct Caso {
        const char* nome;
        std::function<void(const QString&)> prepara;
        std::function<bool(const QString&)> intatto;
    };
    const std::vector<Caso> casi = {
        {"folder", [](const QString& f) { QDir().mkdir(f); }, [](const QString& f) { return QFileInfo(f).isDir(); }},
        {"pipe", [](const QString& f) { ASSERT_EQ(::mkfifo(QFile::encodeName(f).constData(), 0600), 0); },
         [](const QString& f) { return QFileInfo(f).exists() && !QFileInfo(f).isFile(); }},
        // A link to a pipe, never to a device: a writer that followed it would replace the device.
        {"link to a pipe", [](const QString& f) {
             ASSERT_EQ(::mkfifo(QFile::encodeName(f + ".tubo").constData(), 0600), 0);
             ASSERT_TRUE(QFile::link(f + ".tubo", f));
         },
         [](const QString& f) { return QFileInfo(f).isSymLink() && !QFileInfo(f + ".tubo").isFile(); }},
        {"huge", [](const QString& f) { QFile g(f); ASSERT_TRUE(g.open(QIODevice::WriteOnly)); g.resize(256LL << 20); },
         [](const QString& f) { return QFileInfo(f).size() == (256LL << 20); }},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CasaTemporanea casa;
        const QString file = casa.Sotto("Quenvox.txt");
        caso.prepara(file);
        StoricoCartelle s;
        EXPECT_EQ(s.Carica(file), StoricoCartelle::Stato::Illeggibile);
        EXPECT_TRUE(s.Voci().isEmpty());
        s.Aggiungi("/home");
        EXPECT_FALSE(s.Salva());
        EXPECT_TRUE(caso.intatto(file));
    }
}

}  // namespace
