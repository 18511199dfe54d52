#include "platform/FileRegolare.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileRegolare::~FileRegolare() { Chiudi(); }

FileRegolare::FileRegolare(FileRegolare&& altro) noexcept
    : descrittore_(altro.descrittore_), dimensione_(altro.dimensione_), limite_(altro.limite_), rifiuto_(altro.rifiuto_),
      errore_(std::move(altro.errore_)) {
    altro.descrittore_ = -1;
}

FileRegolare& FileRegolare::operator=(FileRegolare&& altro) noexcept {
    if (this != &altro) {
        Chiudi();
        descrittore_ = altro.descrittore_;
        dimensione_ = altro.dimensione_;
        limite_ = altro.limite_;
        rifiuto_ = altro.rifiuto_;
        errore_ = std::move(altro.errore_);
        altro.descrittore_ = -1;
    }
    return *this;
}

void FileRegolare::Chiudi() {
    if (descrittore_ >= 0) ::close(descrittore_);
    descrittore_ = -1;
}

FileRegolare FileRegolare::Apri(const QString& percorso, qint64 limiteByte) {
    FileRegolare file;
    if (percorso.isEmpty()) {
        file.rifiuto_ = RifiutoFile::Mancante;
        return file;
    }
    const QByteArray nome = QFile::encodeName(percorso);
    // What the path is, before it is opened: opening a device (a tape, a modem, a watchdog) may
    // do something of its own, so anything but a regular file is refused unopened.
    struct stat prima {};
    if (::stat(nome.constData(), &prima) != 0) {
        const int codice = errno;
        file.rifiuto_ = (codice == ENOENT || codice == ENOTDIR) ? RifiutoFile::Mancante : RifiutoFile::NonApribile;
        file.errore_ = qt_error_string(codice);
        return file;
    }
    if (!S_ISREG(prima.st_mode)) {
        file.rifiuto_ = RifiutoFile::NonUnFile;
        return file;
    }
    // Non-blocking, so a pipe put in its place since opens at once instead of waiting for a writer.
    const int fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int codice = errno;
        file.rifiuto_ = (codice == ENOENT || codice == ENOTDIR) ? RifiutoFile::Mancante
                        : (codice == ENXIO || codice == ENODEV) ? RifiutoFile::NonUnFile
                                                                 : RifiutoFile::NonApribile;
        file.errore_ = qt_error_string(codice);
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        file.errore_ = qt_error_string(errno);
        file.rifiuto_ = RifiutoFile::NonApribile;
        ::close(fd);
        return file;
    }
    // The file opened must be the file looked at: not something swapped in between.
    if (!S_ISREG(info.st_mode) || info.st_dev != prima.st_dev || info.st_ino != prima.st_ino) {
        file.rifiuto_ = RifiutoFile::NonUnFile;
        ::close(fd);
        return file;
    }
    file.dimensione_ = qint64(info.st_size);
    if (limiteByte >= 0 && file.dimensione_ > limiteByte) {
        file.rifiuto_ = RifiutoFile::TroppoGrande;
        ::close(fd);
        return file;
    }
    // A regular file reads the same either way; blocking reads keep the callers simple.
    const int stato = ::fcntl(fd, F_GETFL);
    if (stato >= 0) ::fcntl(fd, F_SETFL, stato & ~O_NONBLOCK);
    file.descrittore_ = fd;
    file.limite_ = limiteByte;
    return file;
}

bool FileRegolare::LeggiTutto(QByteArray& dati, qint64 massimo) {
    dati.clear();
    if (descrittore_ < 0) return false;
    // Up to the end of the file, not to the size it gave: some (in /proc) give none.
    qint64 tetto = limite_ >= 0 ? limite_ : std::numeric_limits<qint64>::max();
    if (massimo >= 0) tetto = std::min(tetto, massimo);
    qint64 letti = 0;
    for (;;) {
        const qint64 voglio = std::min<qint64>(tetto - letti, std::max<qint64>(dimensione_ - letti, 0) + 65536);
        if (voglio <= 0) break;
        dati.resize(letti + voglio);
        const ssize_t n = ::pread(descrittore_, dati.data() + letti, size_t(voglio), letti);
        if (n < 0) {
            if (errno == EINTR) continue;
            errore_ = qt_error_string(errno);
            dati.clear();
            return false;
        }
        if (n == 0) break;
        letti += n;
    }
    dati.resize(letti);
    return true;
}
