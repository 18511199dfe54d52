#include "platform/DispositivoLimitato.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

DispositivoLimitato::DispositivoLimitato(int descrittore, qint64 dimensione, const Scadenza& scadenza, qint64 inizio)
    : descrittore_(descrittore), inizio_(inizio), dimensione_(std::max<qint64>(dimensione, 0)), scadenza_(scadenza) {
    // Unbuffered: every read of the reader comes here and is checked.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

DispositivoLimitato::DispositivoLimitato(const QByteArray& dati, const Scadenza& scadenza)
    : memoria_(dati), dimensione_(dati.size()), scadenza_(scadenza) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 DispositivoLimitato::LeggiA(char* dati, qint64 posizione, qint64 quanti) const {
    if (descrittore_ < 0) {
        const qint64 n = std::clamp<qint64>(dimensione_ - posizione, 0, quanti);
        if (n > 0) std::memcpy(dati, memoria_.constData() + inizio_ + posizione, size_t(n));
        return n;
    }
    quanti = std::clamp<qint64>(dimensione_ - posizione, 0, quanti);
    ssize_t n = 0;
    do n = ::pread(descrittore_, dati, size_t(quanti), off_t(inizio_ + posizione));
    while (n < 0 && errno == EINTR);
    return n;
}

QByteArray DispositivoLimitato::Inizio(qint64 quanti) const {
    QByteArray dati(int(std::min(quanti, dimensione_)), '\0');
    const qint64 n = LeggiA(dati.data(), 0, dati.size());
    dati.resize(int(std::max<qint64>(n, 0)));
    return dati;
}

std::unique_ptr<DispositivoLimitato> DispositivoLimitato::Parte(qint64 inizio, qint64 lunghezza) const {
    inizio = std::clamp<qint64>(inizio, 0, dimensione_);
    lunghezza = std::clamp<qint64>(lunghezza, 0, dimensione_ - inizio);
    if (descrittore_ < 0)
        return std::make_unique<DispositivoLimitato>(memoria_.mid(inizio_ + inizio, lunghezza), scadenza_);
    return std::make_unique<DispositivoLimitato>(descrittore_, lunghezza, scadenza_, inizio_ + inizio);
}

qint64 DispositivoLimitato::readData(char* dati, qint64 massimo) {
    if (fermata_ != Fermata::Nessuna) return -1;
    switch (scadenza_.Controlla()) {
    case FineLettura::Nessuna: break;
    case FineLettura::Tempo: fermata_ = Fermata::Tempo; return -1;
    case FineLettura::Interrotta: fermata_ = Fermata::Interrotta; return -1;
    }
    // Unbuffered, so pos() is where this read begins.
    const qint64 posizione = pos();
    qint64 fine = dimensione_;
    if (byteAmmessi_ >= 0 && byteAmmessi_ < fine) {
        if (posizione >= byteAmmessi_) {
            fermata_ = Fermata::TroppiByte;
            return -1;
        }
        fine = byteAmmessi_;
    }
    const qint64 quanti = std::clamp<qint64>(fine - posizione, 0, massimo);
    if (quanti == 0) return 0;
    const qint64 n = LeggiA(dati, posizione, quanti);
    if (n < 0) {
        errore_ = qt_error_string(errno);
        fermata_ = Fermata::ErroreLettura;
        return -1;
    }
    return n;
}
