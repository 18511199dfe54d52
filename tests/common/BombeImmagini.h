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

#include <csetjmp>
#include <cstdio>
#include <functional>
#include <vector>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

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

// A JPEG of the picture with an EXIF orientation tag: a camera held sideways stores it so.
inline QByteArray JpegOrientato(const QImage& immagine, int orientamento) {
    QByteArray jpeg;
    CodificaJpeg(immagine, jpeg, 95);
    QByteArray exif("\xFF\xE1\x00\x22" "Exif\0\0" "II*\0\x08\0\0\0" "\x01\0" "\x12\x01\x03\0\x01\0\0\0", 28);
    exif.append(char(orientamento)).append(QByteArray(7, '\0'));
    jpeg.insert(2, exif);
    return jpeg;
}

// Left half red, right half blue: which way it was turned shows at a glance.
inline QImage MetaRossaMetaBlu(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, x < w / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return img;
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

namespace dettaglio {
inline void Blocco(QByteArray& png, const char* tipo, const QByteArray& corpo) {
    char n[4];
    qToBigEndian<quint32>(quint32(corpo.size()), n);
    png.append(n, 4);
    QByteArray tc(tipo, 4);
    tc.append(corpo);
    png.append(tc);
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef*>(tc.constData()), uInt(tc.size()))), n);
    png.append(n, 4);
}
inline QByteArray Comprimi(z_stream& z, const QByteArray& dati, int modo) {
    QByteArray uscita(int(deflateBound(&z, uLong(dati.size()))) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dati.constData()));
    z.avail_in = uInt(dati.size());
    z.next_out = reinterpret_cast<Bytef*>(uscita.data());
    z.avail_out = uInt(uscita.size());
    deflate(&z, modo);
    uscita.resize(uscita.size() - int(z.avail_out));
    return uscita;
}
}  // namespace dettaglio

// A sound w x h PNG whose compressed data goes on past its last row: a megabyte of zeros after
// another, each compressed to about a kilobyte, up to byteCompressi bytes in all. A reader that
// inflates what follows the rows spends a thousand times the file's bytes on nothing.
inline QByteArray PngGonfiato(int w, int h, qint64 byteCompressi) {
    using namespace dettaglio;
    QByteArray righe;
    for (int y = 0; y < h; ++y) {
        righe.append('\0');
        for (int x = 0; x < w; ++x) righe.append(char(x * 4)).append(char(y * 4)).append(char(90)).append(char(255));
    }
    z_stream z{};
    deflateInit(&z, 9);
    QByteArray dati = Comprimi(z, righe, Z_FULL_FLUSH);
    const QByteArray zeri(1 << 20, '\0');
    // After a full flush nothing refers back: the same megabyte gives the same bytes, again and again.
    const QByteArray pezzo = Comprimi(z, zeri, Z_FULL_FLUSH);
    uLong adler = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(righe.constData()), uInt(righe.size()));
    const uLong adlerZeri = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(zeri.constData()), uInt(zeri.size()));
    adler = adler32_combine(adler, adlerZeri, zeri.size());
    for (qint64 n = dati.size() + pezzo.size(); n + pezzo.size() < byteCompressi; n += pezzo.size()) {
        dati.append(pezzo);
        adler = adler32_combine(adler, adlerZeri, zeri.size());
    }
    dati.append(pezzo);
    QByteArray coda = Comprimi(z, QByteArray(), Z_FINISH);
    deflateEnd(&z);
    qToBigEndian<quint32>(quint32(adler), coda.data() + coda.size() - 4);
    dati.append(coda);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr(13, '\0');
    qToBigEndian<quint32>(quint32(w), ihdr.data());
    qToBigEndian<quint32>(quint32(h), ihdr.data() + 4);
    ihdr[8] = 8;
    ihdr[9] = 6;
    Blocco(png, "IHDR", ihdr);
    Blocco(png, "IDAT", dati);
    Blocco(png, "IEND", QByteArray());
    return png;
}

// A PNG written row by row, never whole in memory: 16 bits a channel when asked, interlaced when
// asked, each row's pixels from riga (RGBA, 8 bits a channel).
inline bool ScriviPngARighe(const QString& percorso, int w, int h, bool bit16, bool interlacciata,
                            const std::function<void(int y, uchar* rgba)>& riga) {
    std::FILE* f = std::fopen(QFile::encodeName(percorso).constData(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<uchar> rgba(size_t(w) * 4), uscita(size_t(w) * (bit16 ? 8 : 4));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), bit16 ? 16 : 8, PNG_COLOR_TYPE_RGBA,
                 interlacciata ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int passate = interlacciata ? png_set_interlace_handling(png) : 1;
    for (int p = 0; p < passate; ++p)
        for (int y = 0; y < h; ++y) {
            riga(y, rgba.data());
            for (size_t i = 0; i < rgba.size(); ++i) {
                if (bit16) uscita[2 * i] = uscita[2 * i + 1] = rgba[i];
                else uscita[i] = rgba[i];
            }
            png_write_row(png, uscita.data());
        }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

namespace dettaglio {
struct ErroreJpegC {
    jpeg_error_mgr base;
    std::jmp_buf salto;
};
}  // namespace dettaglio

// A baseline JPEG written row by row, never whole in memory: componenti channels in spazio (RGB
// or CMYK), each row from riga. The orientation tag, when not 1, goes in an EXIF block.
inline bool ScriviJpegDaRighe(const QString& percorso, int w, int h, int componenti, J_COLOR_SPACE spazio, int qualita,
                              const std::function<void(int y, uchar* riga)>& riga, int orientamento = 1) {
    std::FILE* f = std::fopen(QFile::encodeName(percorso).constData(), "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo{};
    dettaglio::ErroreJpegC errore{};
    cinfo.err = jpeg_std_error(&errore.base);
    errore.base.error_exit = [](j_common_ptr i) {
        std::longjmp(reinterpret_cast<dettaglio::ErroreJpegC*>(i->err)->salto, 1);
    };
    std::vector<uchar> dati(size_t(w) * size_t(componenti));
    if (setjmp(errore.salto)) {
        jpeg_destroy_compress(&cinfo);
        std::fclose(f);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = componenti;
    cinfo.in_color_space = spazio;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qualita, TRUE);
    cinfo.dct_method = JDCT_IFAST;
    jpeg_start_compress(&cinfo, TRUE);
    if (orientamento != 1) {
        const char exif[] = "Exif\0\0" "II*\0\x08\0\0\0" "\x01\0" "\x12\x01\x03\0\x01\0\0\0";
        QByteArray corpo(exif, sizeof exif - 1);
        corpo.append(char(orientamento)).append(QByteArray(7, '\0'));
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(corpo.constData()),
                          unsigned(corpo.size()));
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        riga(int(cinfo.next_scanline), dati.data());
        JSAMPROW r = dati.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

// A phone's photo: a gradient, so its blocks are not all alike.
inline bool ScriviJpegARighe(const QString& percorso, int w, int h, int qualita = 85, int orientamento = 1) {
    return ScriviJpegDaRighe(percorso, w, h, 3, JCS_RGB, qualita, [w, h](int y, uchar* riga) {
        for (int x = 0; x < w; ++x) {
            riga[size_t(x) * 3] = uchar(x * 255 / w);
            riga[size_t(x) * 3 + 1] = uchar(y * 255 / h);
            riga[size_t(x) * 3 + 2] = uchar((x ^ y) & 0xFF);
        }
    }, orientamento);
}

// An icon whose one picture is the given PNG: Qt reads such a picture from memory.
inline QByteArray IconaDiPng(const QByteArray& png) {
    QByteArray ico(6 + 16, '\0');
    qToLittleEndian<quint16>(1, ico.data() + 2);
    qToLittleEndian<quint16>(1, ico.data() + 4);
    ico[6] = 64;
    ico[7] = 64;
    qToLittleEndian<quint16>(1, ico.data() + 10);
    qToLittleEndian<quint16>(32, ico.data() + 12);
    qToLittleEndian<quint32>(quint32(png.size()), ico.data() + 14);
    qToLittleEndian<quint32>(22, ico.data() + 18);
    return ico + png;
}

}  // namespace bombe
