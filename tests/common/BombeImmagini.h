#pragma once
// Picture files that declare far more than they hold, made on the spot: a few hundred bytes
// that claim 65500 x 65500 pixels, or a progressive JPEG of thousands of empty scans. Each
// answers what a reader does with a hostile file; none is kept on disk.
#include "platform/Jpeg.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

namespace bombe {

inline QByteArray Png(int w = 8, int h = 8) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(qRgba(40, 120, 200, 255));
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return dati;
}

inline quint32 Crc32(const char* dati, int n) {
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < n; ++i) {
        crc ^= static_cast<quint8>(dati[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A picture whose blocks are not all alike, as a photo's are not.
inline QImage Sfumata(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) riga[x] = qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 0xFF);
    }
    return img;
}

inline QByteArray JpegSfumato(int w, int h, int qualita = 90) {
    QByteArray jpeg;
    CodificaJpeg(Sfumata(w, h), jpeg, qualita);
    return jpeg;
}

// A small PNG whose header, checksum and all, declares another size.
inline QByteArray PngDichiarato(quint32 w, quint32 h) {
    QByteArray dati = Png();
    qToBigEndian<quint32>(w, dati.data() + 16);
    qToBigEndian<quint32>(h, dati.data() + 20);
    qToBigEndian<quint32>(Crc32(dati.constData() + 12, 17), dati.data() + 29);
    return dati;
}

// A BMP header (and one row) that declares w x h pixels of 24 bits.
inline QByteArray BmpDichiarato(qint32 w, qint32 h) {
    QByteArray dati(54 + 64, '\0');
    dati[0] = 'B';
    dati[1] = 'M';
    qToLittleEndian<quint32>(quint32(dati.size()), dati.data() + 2);
    qToLittleEndian<quint32>(54, dati.data() + 10);
    qToLittleEndian<quint32>(40, dati.data() + 14);
    qToLittleEndian<qint32>(w, dati.data() + 18);
    qToLittleEndian<qint32>(h, dati.data() + 22);
    qToLittleEndian<quint16>(1, dati.data() + 26);
    qToLittleEndian<quint16>(24, dati.data() + 28);
    return dati;
}

namespace dettaglio {
inline void Segmento(QByteArray& d, uchar marcatore, const QByteArray& corpo) {
    d.append(char(0xFF)).append(char(marcatore));
    d.append(char((corpo.size() + 2) >> 8)).append(char((corpo.size() + 2) & 0xFF));
    d.append(corpo);
}
inline QByteArray Byte(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b.append(char(x));
    return b;
}
}  // namespace dettaglio

// A JPEG with every marker a decoder needs and no coded data at all: w x h pixels of
// componenti (1 or 3) components, baseline with one scan, or progressive with a DC scan and
// then scansioni - 1 empty AC scans. Each scan is a pass over every block, so a few bytes
// a scan buy the decoder a whole picture's work.
inline QByteArray JpegVuoto(int w, int h, int componenti, bool progressivo, int scansioni) {
    using namespace dettaglio;
    QByteArray d = Byte({0xFF, 0xD8});
    QByteArray dqt = Byte({0x00});
    dqt.append(QByteArray(64, char(1)));
    Segmento(d, 0xDB, dqt);
    QByteArray sof = Byte({8, h >> 8, h & 0xFF, w >> 8, w & 0xFF, componenti});
    for (int c = 1; c <= componenti; ++c) sof.append(Byte({c, 0x11, 0}));
    Segmento(d, progressivo ? 0xC2 : 0xC0, sof);
    // One code of one bit for symbol 0: a DC difference of 0, an AC end of block.
    QByteArray dht = Byte({0x00, 1});
    dht.append(QByteArray(15, '\0')).append('\0');
    Segmento(d, 0xC4, dht);
    dht[0] = 0x10;
    Segmento(d, 0xC4, dht);
    QByteArray sos = Byte({componenti});
    for (int c = 1; c <= componenti; ++c) sos.append(Byte({c, 0x00}));
    sos.append(Byte({0, progressivo ? 0 : 63, 0}));
    Segmento(d, 0xDA, sos);
    for (int s = 1; progressivo && s < scansioni; ++s) Segmento(d, 0xDA, Byte({1, 1 + (s % componenti), 0x00, 1, 63, 0}));
    d.append(Byte({0xFF, 0xD9}));
    return d;
}

// An APP1 segment that declares a length of 0 right after the start: a walk of our own over
// the markers stopped there, while libjpeg reads on into every scan behind it.
inline QByteArray JpegApp1Nullo(int w, int h, int scansioni) {
    QByteArray d = JpegVuoto(w, h, 1, true, scansioni);
    d.insert(2, dettaglio::Byte({0xFF, 0xE1, 0x00, 0x00}));
    return d;
}

// A sound picture with comment segments worth byte bytes before its frame header.
inline QByteArray JpegCommentato(const QByteArray& jpeg, qint64 byte) {
    QByteArray commenti;
    commenti.reserve(byte + 65536);
    const QByteArray corpo(65533, 'c');
    while (commenti.size() < byte) dettaglio::Segmento(commenti, 0xFE, corpo);
    QByteArray d = jpeg;
    d.insert(2, commenti);
    return d;
}

// A start marker followed by nothing but zeros to dimensione bytes: a sparse file, no disk used.
inline bool ScriviTestataSparsa(const QString& percorso, qint64 dimensione) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("\xFF\xD8", 2) == 2 && f.resize(dimensione);
}

inline bool Scrivi(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dati) == dati.size();
}

}  // namespace bombe
