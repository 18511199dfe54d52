#include "platform/FileTesto.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Windows-1252 code points for bytes 0x80..0x9F; the rest of the range is Latin-1.
constexpr char16_t kCp1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DaWindows1252(const QByteArray& riga) {
    QString testo;
    testo.reserve(riga.size());
    for (char c : riga) {
        const auto b = static_cast<unsigned char>(c);
        testo.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252[b - 0x80]) : QChar(b));
    }
    return testo;
}

}  // namespace

QString DecodificaRiga(const QByteArray& riga) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString testo = utf8.decode(riga);
    if (utf8.hasError()) return DaWindows1252(riga);
    return testo;
}

LettoreTesto::LettoreTesto(const QByteArray& contenuto) : contenuto_(contenuto) {}

bool LettoreTesto::Apri(const QString& percorso) {
    contenuto_.clear();
    posizione_ = 0;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return false;
    contenuto_ = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool LettoreTesto::LeggiRiga(QString& riga) {
    if (Finito()) return false;
    qsizetype fine = contenuto_.indexOf('\n', posizione_);
    qsizetype prossima = fine < 0 ? contenuto_.size() : fine + 1;
    if (fine < 0) fine = contenuto_.size();
    qsizetype lunghezza = fine - posizione_;
    if (lunghezza > 0 && contenuto_[posizione_ + lunghezza - 1] == '\r') --lunghezza;
    riga = DecodificaRiga(contenuto_.mid(posizione_, lunghezza));
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
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto_) != contenuto_.size() || !file.commit()) {
        if (errore) *errore = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QStringList LeggiTutteLeRighe(const QString& percorso, bool* ok) {
    LettoreTesto lettore;
    const bool aperto = lettore.Apri(percorso);
    if (ok) *ok = aperto;
    QStringList righe;
    QString riga;
    while (lettore.LeggiRiga(riga)) righe.append(riga);
    return righe;
}
