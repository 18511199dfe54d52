#include "platform/Jpeg.h"

#include "platform/Grafica.h"

#include <QFile>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct GestoreErrori {
    jpeg_error_mgr base;
    std::jmp_buf salto;
    char messaggio[JMSG_LENGTH_MAX];
    int errnoSistema;  // errno when the error struck: why a write failed
};

void UscitaErrore(j_common_ptr info) {
    auto* gestore = reinterpret_cast<GestoreErrori*>(info->err);
    gestore->errnoSistema = errno;
    (*info->err->format_message)(info, gestore->messaggio);
    std::longjmp(gestore->salto, 1);
}

void NessunMessaggio(j_common_ptr) {}

// Closes the file on every path out of a libjpeg call.
struct FileC {
    std::FILE* f = nullptr;
    ~FileC() { if (f) std::fclose(f); }
};

// The compression itself, into whatever destination cinfo has; errors jump to the caller's
// setjmp, so nothing here may own anything.
void Comprimi(jpeg_compress_struct& cinfo, const QImage& rgb, int qualita) {
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qualita, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW riga = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &riga, 1);
    }
    jpeg_finish_compress(&cinfo);
}

}  // namespace

bool ScriviJpeg(const QImage& immagine, const QString& percorso, int qualita, QString* errore) {
    if (immagine.isNull()) {
        if (errore) *errore = QStringLiteral("empty image");
        return false;
    }
    const QImage rgb = ConvertiFormato(immagine, QImage::Format_RGB888);
    FileC file;
    file.f = std::fopen(QFile::encodeName(percorso).constData(), "wb");
    if (!file.f) {
        if (errore) *errore = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    jpeg_compress_struct cinfo{};
    GestoreErrori gestore{};
    cinfo.err = jpeg_std_error(&gestore.base);
    gestore.base.error_exit = UscitaErrore;
    gestore.base.output_message = NessunMessaggio;
    if (setjmp(gestore.salto)) {
        jpeg_destroy_compress(&cinfo);
        std::fclose(file.f);
        file.f = nullptr;
        QFile::remove(percorso);
        // libjpeg says only "Output file write error"; the system knows why.
        const bool scrittura = gestore.base.msg_code == JERR_FILE_WRITE && gestore.errnoSistema != 0;
        if (errore)
            *errore = QString::fromLocal8Bit(scrittura ? std::strerror(gestore.errnoSistema) : gestore.messaggio);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file.f);
    Comprimi(cinfo, rgb, qualita);
    jpeg_destroy_compress(&cinfo);
    const bool chiuso = std::fclose(file.f) == 0;
    file.f = nullptr;
    if (!chiuso) {
        if (errore) *errore = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(percorso);
        return false;
    }
    return true;
}

bool CodificaJpeg(const QImage& immagine, QByteArray& uscita, int qualita, QString* errore) {
    uscita.clear();
    if (immagine.isNull()) {
        if (errore) *errore = QStringLiteral("empty image");
        return false;
    }
    const QImage rgb = ConvertiFormato(immagine, QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    GestoreErrori gestore{};
    unsigned char* memoria = nullptr;
    unsigned long dimensione = 0;
    cinfo.err = jpeg_std_error(&gestore.base);
    gestore.base.error_exit = UscitaErrore;
    gestore.base.output_message = NessunMessaggio;
    if (setjmp(gestore.salto)) {
        jpeg_destroy_compress(&cinfo);
        std::free(memoria);
        if (errore) *errore = QString::fromLocal8Bit(gestore.messaggio);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &memoria, &dimensione);
    Comprimi(cinfo, rgb, qualita);
    jpeg_destroy_compress(&cinfo);
    uscita = QByteArray(reinterpret_cast<const char*>(memoria), static_cast<qsizetype>(dimensione));
    std::free(memoria);
    return true;
}

namespace {

// One decode in plain C data only: libjpeg's error exit jumps back over every frame between
// the failing call and its setjmp, so no object with a destructor may live in those frames.
// Each step below sets its own jump point and holds nothing but this struct.
struct LetturaC {
    jpeg_decompress_struct cinfo;
    GestoreErrori gestore;
};

bool LeggiTestata(LetturaC& l, std::FILE* file, int denominatore) {
    l.cinfo.err = jpeg_std_error(&l.gestore.base);
    l.gestore.base.error_exit = UscitaErrore;
    l.gestore.base.output_message = NessunMessaggio;
    if (setjmp(l.gestore.salto)) {
        jpeg_destroy_decompress(&l.cinfo);
        return false;
    }
    jpeg_create_decompress(&l.cinfo);
    jpeg_stdio_src(&l.cinfo, file);
    jpeg_read_header(&l.cinfo, TRUE);
    l.cinfo.out_color_space = JCS_RGB;
    l.cinfo.scale_num = 1;
    l.cinfo.scale_denom = static_cast<unsigned int>(denominatore);
    jpeg_calc_output_dimensions(&l.cinfo);
    return true;
}

// Decodes into rows of 3 bytes per pixel; the buffer belongs to the caller.
bool LeggiRighe(LetturaC& l, unsigned char* pixel, std::size_t passo) {
    if (setjmp(l.gestore.salto)) {
        jpeg_destroy_decompress(&l.cinfo);
        return false;
    }
    jpeg_start_decompress(&l.cinfo);
    while (l.cinfo.output_scanline < l.cinfo.output_height) {
        JSAMPROW riga = pixel + passo * l.cinfo.output_scanline;
        jpeg_read_scanlines(&l.cinfo, &riga, 1);
    }
    jpeg_finish_decompress(&l.cinfo);
    jpeg_destroy_decompress(&l.cinfo);
    return true;
}

bool EntroLimite(qint64 larghezza, qint64 altezza) {
    return larghezza * altezza * 4 <= qint64(LimiteMegabyteJpeg) * 1024 * 1024;
}

// The largest power-of-two reduction (1, 2, 4 or 8) whose result still covers minima.
int Denominatore(int larghezza, int altezza, const QSize& minima) {
    int d = 8;
    while (d > 1 && ((larghezza + d - 1) / d < minima.width() || (altezza + d - 1) / d < minima.height())) d /= 2;
    return d;
}

bool Marcatore(uchar m) { return m != 0x00 && m != 0xFF && !(m >= 0xD0 && m <= 0xD7); }

// Reads the header, and the pixels when immagine is given (reduced to cover minima when it is valid).
bool Decodifica(const QString& percorso, InfoJpeg& info, QImage* immagine, const QSize& minima, QString* errore) {
    FileC file;
    file.f = std::fopen(QFile::encodeName(percorso).constData(), "rb");
    if (!file.f) {
        if (errore) *errore = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    LetturaC l{};
    if (!LeggiTestata(l, file.f, 1)) {
        if (errore) *errore = QString::fromLocal8Bit(l.gestore.messaggio);
        return false;
    }
    info.Larghezza = static_cast<int>(l.cinfo.image_width);
    info.Altezza = static_cast<int>(l.cinfo.image_height);
    info.Componenti = l.cinfo.num_components;
    info.Progressivo = jpeg_has_multiple_scans(&l.cinfo);
    if (!immagine) {
        jpeg_destroy_decompress(&l.cinfo);
        return true;
    }
    // A few hundred bytes may declare 65500 x 65500 pixels: refused before any work.
    if (!EntroLimite(info.Larghezza, info.Altezza)) {
        jpeg_destroy_decompress(&l.cinfo);
        if (errore)
            *errore = QStringLiteral("picture too large: %1 x %2 pixels (at most %3 MB)")
                          .arg(info.Larghezza)
                          .arg(info.Altezza)
                          .arg(LimiteMegabyteJpeg);
        return false;
    }
    if (info.Progressivo) {
        const int scansioni = ContaScansioniJpeg(percorso);
        if (scansioni > LimiteScansioniJpeg) {
            jpeg_destroy_decompress(&l.cinfo);
            if (errore) *errore = QStringLiteral("too many scans: over %1").arg(LimiteScansioniJpeg);
            return false;
        }
    }
    if (minima.isValid()) {
        const int d = Denominatore(info.Larghezza, info.Altezza, minima);
        if (d > 1) {
            l.cinfo.scale_denom = static_cast<unsigned int>(d);
            jpeg_calc_output_dimensions(&l.cinfo);
        }
    }
    QImage risultato(static_cast<int>(l.cinfo.output_width), static_cast<int>(l.cinfo.output_height),
                     QImage::Format_RGB888);
    if (risultato.isNull()) {
        jpeg_destroy_decompress(&l.cinfo);
        if (errore) *errore = QStringLiteral("not enough memory for the picture");
        return false;
    }
    if (!LeggiRighe(l, risultato.bits(), static_cast<std::size_t>(risultato.bytesPerLine()))) {
        if (errore) *errore = QString::fromLocal8Bit(l.gestore.messaggio);
        return false;
    }
    *immagine = risultato.convertToFormat(QImage::Format_RGB32);
    return true;
}

}  // namespace

int ContaScansioniJpeg(const uchar* d, qint64 n, int limite) {
    if (n < 2 || d[0] != 0xFF || d[1] != 0xD8) return 0;
    int scansioni = 0;
    qint64 i = 2;
    while (i < n) {
        while (i < n && d[i] != 0xFF) ++i;  // tolerates junk between segments, as libjpeg does
        while (i < n && d[i] == 0xFF) ++i;  // fill bytes
        if (i >= n) break;
        const uchar m = d[i++];
        if (m == 0xD9) break;  // end of image
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;  // markers without a length
        if (i + 2 > n) break;
        const qint64 lunghezza = qint64(d[i]) << 8 | d[i + 1];
        if (lunghezza < 2) break;
        i += lunghezza;
        if (m != 0xDA) continue;
        if (++scansioni > limite) break;
        // The entropy-coded data runs to the next marker; 0xFF 0x00 and restarts belong to it.
        while (i + 1 < n && !(d[i] == 0xFF && Marcatore(d[i + 1]))) ++i;
    }
    return scansioni;
}

int ContaScansioniJpeg(const QString& percorso, int limite) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    if (file.size() <= 0) return 0;
    if (const uchar* mappa = file.map(0, file.size())) return ContaScansioniJpeg(mappa, file.size(), limite);
    const QByteArray dati = file.readAll();
    return ContaScansioniJpeg(reinterpret_cast<const uchar*>(dati.constData()), dati.size(), limite);
}

QImage LeggiJpeg(const QString& percorso, QString* errore) {
    InfoJpeg info;
    QImage immagine;
    if (!Decodifica(percorso, info, &immagine, QSize(), errore)) return {};
    return immagine;
}

QImage LeggiJpegRidotta(const QString& percorso, const QSize& minima, QString* errore) {
    InfoJpeg info;
    QImage immagine;
    if (!Decodifica(percorso, info, &immagine, minima, errore)) return {};
    return immagine;
}

bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore) {
    return Decodifica(percorso, info, nullptr, QSize(), errore);
}
