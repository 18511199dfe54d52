#include "platform/FileTesto.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows-1252 code points for bytes 0x80..0x9F; the rest of the range is Latin-1.
constexpr char16_t kCp1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar DaWindows1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? QChar(kCp1252[b - 0x80]) : QChar(b); }

QString DaWindows1252(const QByteArray& riga) {
    QString testo;
    testo.reserve(riga.size());
    for (char c : riga) testo.append(DaWindows1252(static_cast<unsigned char>(c)));
    return testo;
}

// The length of the well-formed UTF-8 sequence of two to four bytes at i, or 0.
int SequenzaUtf8(const QByteArray& riga, qsizetype i, char32_t& codice) {
    const auto b0 = static_cast<unsigned char>(riga[i]);
    int n = 0;
    char32_t minimo = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) { n = 2; codice = b0 & 0x1F; minimo = 0x80; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 3; codice = b0 & 0x0F; minimo = 0x800; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 4; codice = b0 & 0x07; minimo = 0x10000; }
    else return 0;
    if (i + n > riga.size()) return 0;
    for (int k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(riga[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        codice = codice << 6 | (b & 0x3F);
    }
    if (codice < minimo || codice > 0x10FFFF || (codice >= 0xD800 && codice <= 0xDFFF)) return 0;
    return n;
}

// Every byte, then onto the disk: 0, or the system's error code.
int ScriviTutto(int fd, const QByteArray& contenuto) {
    qsizetype scritti = 0;
    while (scritti < contenuto.size()) {
        const ssize_t n = ::write(fd, contenuto.constData() + scritti, size_t(contenuto.size() - scritti));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        scritti += n;
    }
    return ::fsync(fd) != 0 ? errno : 0;
}

bool SalvaAttraversoIlFile(const QString& percorso, const QByteArray& contenuto, QString* errore) {
    QSaveFile file(percorso);
    // Unbuffered: a buffered write that fails (a full disk) only at the commit would still put
    // the cut file in place of the whole one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(contenuto) != contenuto.size() ||
        !file.commit()) {
        if (errore) *errore = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

// The link itself is replaced by the file, in one rename; whatever it pointed at is not touched.
bool SostituisciLink(const QString& percorso, const QByteArray& contenuto, QString* errore) {
    const QByteArray nome = QFile::encodeName(percorso);
    QByteArray provvisorio = nome + ".XXXXXX";
    const int fd = ::mkostemp(provvisorio.data(), O_CLOEXEC);
    if (fd < 0) {
        if (errore) *errore = qt_error_string(errno);
        return false;
    }
    int codice = ::fchmod(fd, 0644) != 0 ? errno : ScriviTutto(fd, contenuto);
    if (::close(fd) != 0 && codice == 0) codice = errno;
    if (codice == 0 && ::rename(provvisorio.constData(), nome.constData()) != 0) codice = errno;
    if (codice != 0) {
        ::unlink(provvisorio.constData());
        if (errore) *errore = qt_error_string(codice);
        return false;
    }
    return true;
}

}  // namespace

QString DecodificaRiga(const QByteArray& riga, bool* mista) {
    if (mista) *mista = false;
    QString testo;
    testo.reserve(riga.size());
    bool multibyte = false;
    bool errati = false;
    for (qsizetype i = 0; i < riga.size();) {
        const auto b = static_cast<unsigned char>(riga[i]);
        char32_t codice = 0;
        if (b < 0x80) {
            testo.append(QChar(b));
            ++i;
        } else if (const int n = SequenzaUtf8(riga, i, codice)) {
            testo.append(QString::fromUcs4(&codice, 1));
            multibyte = true;
            i += n;
        } else {
            testo.append(DaWindows1252(b));
            errati = true;
            ++i;
        }
    }
    // A line with no UTF-8 in it at all is a line of the Windows version, read whole as such.
    if (errati && !multibyte) return DaWindows1252(riga);
    if (errati && mista) *mista = true;
    return testo;
}

LettoreTesto::LettoreTesto(const QByteArray& contenuto) : contenuto_(contenuto) {}

bool LettoreTesto::Apri(const QString& percorso, qint64 limiteByte) {
    contenuto_.clear();
    posizione_ = 0;
    righeMiste_ = 0;
    FileRegolare file = FileRegolare::Apri(percorso, limiteByte);
    rifiuto_ = file.Rifiuto();
    dimensione_ = file.Dimensione();
    errore_ = file.Errore();
    if (!file.Aperto()) return false;
    if (!file.LeggiTutto(contenuto_)) {
        rifiuto_ = RifiutoFile::NonApribile;
        errore_ = file.Errore();
        return false;
    }
    return true;
}

bool LettoreTesto::LeggiRiga(QString& riga) {
    if (Finito()) return false;
    qsizetype fine = contenuto_.indexOf('\n', posizione_);
    qsizetype prossima = fine < 0 ? contenuto_.size() : fine + 1;
    if (fine < 0) fine = contenuto_.size();
    qsizetype lunghezza = fine - posizione_;
    if (lunghezza > 0 && contenuto_[posizione_ + lunghezza - 1] == '\r') --lunghezza;
    bool mista = false;
    riga = DecodificaRiga(contenuto_.mid(posizione_, lunghezza), &mista);
    if (mista) ++righeMiste_;
    posizione_ = prossima;
    return true;
}

void ScrittoreTesto::Riga(const QString& testo) {
    contenuto_.append(testo.toUtf8());
    contenuto_.append("\r\n");
}

void ScrittoreTesto::Righe(const QStringList& righe) {
    for (const QString& r : righe) Riga(r);
}

bool ScrittoreTesto::Salva(const QString& percorso, QString* errore) const {
    return SalvaContenuto(percorso, contenuto_, errore);
}

bool SalvaContenuto(const QString& percorso, const QByteArray& contenuto, QString* errore) {
    // A link is written through only to a regular file (a file kept elsewhere on purpose); a
    // link to a pipe, a device, a folder or to nothing is itself replaced, so nothing in
    // another folder ever turns into this file.
    const QFileInfo info(percorso);
    if (!info.isSymLink()) return SalvaAttraversoIlFile(percorso, contenuto, errore);
    const QString finale = info.canonicalFilePath();
    if (finale.isEmpty() || !QFileInfo(finale).isFile()) return SostituisciLink(percorso, contenuto, errore);
    return SalvaAttraversoIlFile(finale, contenuto, errore);
}

bool ScrittoreTesto::SalvaNuovo(const QString& percorso, bool* occupato, QString* errore) const {
    *occupato = false;
    const QByteArray nome = QFile::encodeName(percorso);
    // O_EXCL also refuses a link in the name's place, dangling or not.
    const int fd = ::open(nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        *occupato = errno == EEXIST;
        if (errore) *errore = qt_error_string(errno);
        return false;
    }
    int codice = ScriviTutto(fd, contenuto_);
    if (::close(fd) != 0 && codice == 0) codice = errno;
    if (codice != 0) {
        // Half a file under this name would pass for a whole one.
        ::unlink(nome.constData());
        if (errore) *errore = qt_error_string(codice);
        return false;
    }
    return true;
}

QStringList LeggiTutteLeRighe(const QString& percorso, bool* ok, qint64 limiteByte) {
    LettoreTesto lettore;
    const bool aperto = lettore.Apri(percorso, limiteByte);
    if (ok) *ok = aperto;
    QStringList righe;
    QString riga;
    while (lettore.LeggiRiga(riga)) righe.append(riga);
    return righe;
}
