#include "dialogs/NucleoSelettori.h"

#include "platform/FileTesto.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

bool Tra(const QByteArray& valore, std::initializer_list<const char*> elenco) {
    return std::any_of(elenco.begin(), elenco.end(), [&](const char* v) { return valore == v; });
}

bool MinoreSenzaMaiuscole(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

bool SottoCartella(const QString& percorso, const QString& radice) {
    return percorso == radice || percorso.startsWith(radice + QLatin1Char('/'));
}

}  // namespace

TipoUnita TipoDaFileSystem(const QByteArray& fs, const QByteArray& dispositivo) {
    if (Tra(fs, {"tmpfs", "ramfs"}) || dispositivo.startsWith("/dev/ram") || dispositivo.startsWith("/dev/zram"))
        return UnitaRamDisk;
    if (Tra(fs, {"iso9660", "udf"}) || dispositivo.startsWith("/dev/sr") || dispositivo.startsWith("/dev/cdrom"))
        return UnitaCdDvd;
    if (Tra(fs, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "afs", "ceph", "glusterfs", "davfs", "fuse.sshfs",
                 "sshfs"}) ||
        dispositivo.startsWith("//"))
        return UnitaRete;
    if (Tra(fs, {"vfat", "msdos", "exfat"}) || dispositivo.startsWith("/dev/mmcblk")) return UnitaRimovibile;
    if (dispositivo.startsWith("/dev/")) return UnitaFissa;
    return UnitaSconosciuta;
}

bool VolumeDaElencare(const QByteArray& fs, const QString& radice) {
    if (Tra(fs, {"squashfs", "overlay", "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs",
                 "pstore", "bpf", "tracefs", "debugfs", "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs",
                 "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs", "selinuxfs"}))
        return false;
    // The system's own memory mounts hold no user files.
    for (const char* sistema : {"/dev", "/proc", "/sys", "/run"})
        if (SottoCartella(radice, QString::fromLatin1(sistema))) return false;
    return true;
}

std::vector<Volume> OrdinaVolumi(std::vector<Volume> volumi, const QString& cartellaCasa) {
    std::sort(volumi.begin(), volumi.end(), [](const Volume& a, const Volume& b) {
        if ((a.radice == "/") != (b.radice == "/")) return a.radice == "/";
        return MinoreSenzaMaiuscole(a.radice, b.radice);
    });
    // The home folder lives on the volume with the longest root that holds it.
    int migliore = -1;
    for (int i = 0; i < int(volumi.size()); ++i) {
        volumi[i].casa = false;
        const QString& r = volumi[i].radice;
        const bool contiene = r == "/" || SottoCartella(cartellaCasa, r);
        if (contiene && (migliore < 0 || r.size() > volumi[migliore].radice.size())) migliore = i;
    }
    if (migliore >= 0 && !cartellaCasa.isEmpty()) volumi[migliore].casa = true;
    return volumi;
}

std::vector<Volume> VolumiMontati() {
    std::vector<Volume> volumi;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady()) continue;
        const QString radice = s.rootPath();
        if (!VolumeDaElencare(s.fileSystemType(), radice)) continue;
        if (std::any_of(volumi.begin(), volumi.end(), [&](const Volume& v) { return v.radice == radice; })) continue;
        volumi.push_back({radice, s.name(), TipoDaFileSystem(s.fileSystemType(), s.device()), false});
    }
    return OrdinaVolumi(std::move(volumi), QDir::homePath());
}

QString TestoVolume(const Volume& v) {
    QString testo = v.radice;
    if (!v.etichetta.isEmpty()) testo += QStringLiteral("  [%1]").arg(v.etichetta);
    if (v.casa) testo += QStringLiteral("  ~");
    return testo;
}

FiltroFile FiltroDaTipoFile(int tipoFile) {
    switch (tipoFile) {
    case 1:
        return FiltroFile::Immagini;
    case 11:
        return FiltroFile::Audio;
    default:
        return FiltroFile::Nessuno;
    }
}

bool PassaFiltro(const QString& nome, FiltroFile filtro) {
    const QString suffisso = QFileInfo(nome).suffix().toLower();
    switch (filtro) {
    case FiltroFile::Tutti:
        return true;
    case FiltroFile::Immagini:
        return suffisso == "png" || suffisso == "bmp" || suffisso == "jpg";
    case FiltroFile::Audio:
        return suffisso == "mp3" || suffisso == "wav" || suffisso == "ogg";
    case FiltroFile::Nessuno:
        break;
    }
    return false;
}

QString NormalizzaCartella(const QString& cartella) {
    QString c = QDir::cleanPath(QDir(cartella).absolutePath());
    if (c.isEmpty()) c = QStringLiteral("/");
    return c;
}

QString CartellaIniziale(const QString& fileAttuale, const QString& ultimaScelta, const QStringList& storico,
                         const QString& riserva) {
    if (!fileAttuale.isEmpty()) {
        const QFileInfo file(fileAttuale);
        if (file.isFile()) return file.absolutePath();
    }
    if (!ultimaScelta.isEmpty() && QFileInfo(ultimaScelta).isDir()) return ultimaScelta;
    for (auto voce = storico.crbegin(); voce != storico.crend(); ++voce)
        if (!voce->isEmpty() && QFileInfo(*voce).isDir()) return *voce;
    return riserva;
}

QStringList Antenati(const QString& cartella) {
    const QString c = NormalizzaCartella(cartella);
    QStringList livelli{QStringLiteral("/")};
    const QStringList parti = c.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString percorso;
    for (const QString& parte : parti) {
        percorso += QLatin1Char('/') + parte;
        livelli << percorso;
    }
    return livelli;
}

int Profondita(const QString& percorso) {
    return percorso == "/" ? 0 : int(percorso.count(QLatin1Char('/')));
}

QString UnisciPercorso(const QString& cartella, const QString& nome) {
    return cartella.endsWith(QLatin1Char('/')) ? cartella + nome : cartella + QLatin1Char('/') + nome;
}

ContenutoCartella ElencaCartella(const QString& cartella, FiltroFile filtro) {
    ContenutoCartella risultato;
    const QString c = NormalizzaCartella(cartella);
    for (const QString& livello : Antenati(c)) risultato.cartelle.push_back({livello, Profondita(livello), livello == c});

    const QDir dir(c);
    if (!dir.exists() || !dir.isReadable()) {
        risultato.leggibile = false;
        return risultato;
    }
    QStringList sottocartelle = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList files = dir.entryList(QDir::Files);
    auto nascosto = [](const QString& n) { return n.startsWith(QLatin1Char('.')); };
    sottocartelle.removeIf(nascosto);
    files.removeIf([&](const QString& n) { return nascosto(n) || !PassaFiltro(n, filtro); });
    std::sort(sottocartelle.begin(), sottocartelle.end(), MinoreSenzaMaiuscole);
    std::sort(files.begin(), files.end(), MinoreSenzaMaiuscole);
    const int profondita = Profondita(c) + 1;
    for (const QString& nome : sottocartelle) risultato.cartelle.push_back({UnisciPercorso(c, nome), profondita, false});
    risultato.files = files;
    return risultato;
}

QString TestoDimensione(qint64 byte) {
    if (byte / 1048576 != 0) return QStringLiteral("%1 MB").arg(byte / 1048576);
    if (byte / 1024 != 0) return QStringLiteral("%1 KB").arg(byte / 1024);
    return QStringLiteral("%1 Bytes").arg(byte);
}

QString TestoData(const QDateTime& quando) {
    return quando.toLocalTime().toString(QStringLiteral("dd/MM/yyyy  hh:mm"));
}

StoricoCartelle::Stato StoricoCartelle::Carica(const QString& percorso) {
    file = percorso;
    voci.clear();
    modificato = false;
    if (percorso.isEmpty() || !QFileInfo::exists(percorso)) {
        stato = Stato::Assente;
        return stato;
    }
    bool ok = false;
    // A history holds folder paths by the hundred; anything far larger is not one.
    constexpr qint64 kLimiteStorico = 4LL * 1024 * 1024;
    QStringList righe = LeggiTutteLeRighe(percorso, &ok, kLimiteStorico);
    if (!ok) {
        stato = Stato::Illeggibile;
        return stato;
    }
    righe.removeIf([](const QString& r) { return r.isEmpty(); });
    std::stable_sort(righe.begin(), righe.end(), MinoreSenzaMaiuscole);
    voci = righe;
    stato = Stato::Caricato;
    return stato;
}

bool StoricoCartelle::Aggiungi(const QString& cartella) {
    if (cartella.isEmpty() || voci.contains(cartella, Qt::CaseSensitive)) return false;
    const auto dove = std::upper_bound(voci.begin(), voci.end(), cartella, MinoreSenzaMaiuscole);
    voci.insert(dove, cartella);
    modificato = true;
    return true;
}

bool StoricoCartelle::Salva() const {
    if (file.isEmpty() || stato == Stato::Illeggibile) return false;
    if (stato == Stato::Caricato && !modificato) return false;
    ScrittoreTesto scrittore;
    scrittore.Righe(voci);
    return scrittore.Salva(file);
}
