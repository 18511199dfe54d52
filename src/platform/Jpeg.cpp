#include "platform/Jpeg.h"

#include "platform/Grafica.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <ctime>
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
    jpeg_progress_mgr progresso;
    qint64 scadenzaNs;  // on the thread's processor time; 0: no limit
    bool scaduta;
};

// The decoding thread's own processor time, not the wall clock's: on a loaded machine a sound
// picture is not refused as too slow because other programs had the processor.
qint64 OraNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Called by libjpeg as it works through the rows and scans: past the time limit the decoding
// leaves through the error exit, as any damaged data would.
void Progresso(j_common_ptr info) {
    auto* l = reinterpret_cast<LetturaC*>(info);
    if (l->scadenzaNs == 0 || OraNs() < l->scadenzaNs) return;
    l->scaduta = true;
    std::snprintf(l->gestore.messaggio, sizeof l->gestore.messaggio, "decoding took too long");
    std::longjmp(l->gestore.salto, 1);
}

bool LeggiTestata(LetturaC& l, std::FILE* file, int denominatore) {
    l.cinfo.err = jpeg_std_error(&l.gestore.base);
    l.gestore.base.error_exit = UscitaErrore;
    l.gestore.base.output_message = NessunMessaggio;
    if (setjmp(l.gestore.salto)) {
        jpeg_destroy_decompress(&l.cinfo);
        return false;
    }
    jpeg_create_decompress(&l.cinfo);
    // A progressive picture keeps every coefficient of the whole picture: past this libjpeg
    // would need a backing store, which it has not, and stops with an error.
    l.cinfo.mem->max_memory_to_use = long(LimiteMegabyteJpeg) * 1024 * 1024;
    jpeg_stdio_src(&l.cinfo, file);
    jpeg_read_header(&l.cinfo, TRUE);
    // Straight into 32-bit pixels: no second copy of a large picture for the conversion.
    // Four-channel pictures are CMYK (Adobe's, stored inverted) and are turned to RGB after.
    if (l.cinfo.num_components == 4) l.cinfo.out_color_space = JCS_CMYK;
    else l.cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    l.cinfo.scale_num = 1;
    l.cinfo.scale_denom = static_cast<unsigned int>(denominatore);
    jpeg_calc_output_dimensions(&l.cinfo);
    return true;
}

// Decodes into rows of 4 bytes per pixel; the buffer belongs to the caller.
bool LeggiRighe(LetturaC& l, unsigned char* pixel, std::size_t passo, int millisecondiMassimi) {
    if (setjmp(l.gestore.salto)) {
        jpeg_destroy_decompress(&l.cinfo);
        return false;
    }
    if (millisecondiMassimi > 0) {
        l.scadenzaNs = OraNs() + qint64(millisecondiMassimi) * 1000000;
        l.progresso.progress_monitor = Progresso;
        l.cinfo.progress = &l.progresso;
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

// Inverted CMYK, as Adobe writes it, to RGB in place.
void DaCmyk(QImage& immagine) {
    for (int y = 0; y < immagine.height(); ++y) {
        uchar* p = immagine.scanLine(y);
        auto* uscita = reinterpret_cast<QRgb*>(p);
        for (int x = 0; x < immagine.width(); ++x, p += 4) {
            const int k = p[3];
            uscita[x] = qRgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
        }
    }
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

// Reads the header, and the pixels when asked (reduced to cover minima when it is valid).
LetturaJpeg Decodifica(const QString& percorso, bool pixel, const QSize& minima, int millisecondiMassimi) {
    LetturaJpeg esito;
    const auto fallisce = [&esito](ErroreJpeg errore, const QString& testo) {
        esito.Errore = errore;
        esito.Testo = testo;
        return esito;
    };
    FileC file;
    file.f = std::fopen(QFile::encodeName(percorso).constData(), "rb");
    if (!file.f) return fallisce(ErroreJpeg::Apertura, QString::fromLocal8Bit(std::strerror(errno)));
    LetturaC l{};
    if (!LeggiTestata(l, file.f, 1)) return fallisce(ErroreJpeg::Dati, QString::fromLocal8Bit(l.gestore.messaggio));
    InfoJpeg& info = esito.Info;
    info.Larghezza = static_cast<int>(l.cinfo.image_width);
    info.Altezza = static_cast<int>(l.cinfo.image_height);
    info.Componenti = l.cinfo.num_components;
    info.Progressivo = jpeg_has_multiple_scans(&l.cinfo);
    if (!pixel) {
        jpeg_destroy_decompress(&l.cinfo);
        return esito;
    }
    // A few hundred bytes may declare 65500 x 65500 pixels: refused before any work.
    if (!EntroLimite(info.Larghezza, info.Altezza)) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::TroppoGrande, QStringLiteral("picture too large: %1 x %2 pixels (at most %3 MB)")
                                                      .arg(info.Larghezza)
                                                      .arg(info.Altezza)
                                                      .arg(LimiteMegabyteJpeg));
    }
    const int ammesse = ScansioniAmmesseJpeg(info.Larghezza, info.Altezza);
    if (info.Progressivo && ContaScansioniJpeg(percorso, ammesse) > ammesse) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::TroppeScansioni, QStringLiteral("too many scans: over %1").arg(ammesse));
    }
    if (minima.isValid()) {
        const int d = Denominatore(info.Larghezza, info.Altezza, minima);
        if (d > 1) {
            l.cinfo.scale_denom = static_cast<unsigned int>(d);
            jpeg_calc_output_dimensions(&l.cinfo);
        }
    }
    QImage risultato(static_cast<int>(l.cinfo.output_width), static_cast<int>(l.cinfo.output_height),
                     QImage::Format_RGB32);
    if (risultato.isNull()) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::Memoria, QStringLiteral("not enough memory for the picture"));
    }
    if (!LeggiRighe(l, risultato.bits(), static_cast<std::size_t>(risultato.bytesPerLine()), millisecondiMassimi)) {
        const QString testo = QString::fromLocal8Bit(l.gestore.messaggio);
        if (l.scaduta) return fallisce(ErroreJpeg::Tempo, testo);
        if (l.gestore.base.msg_code == JERR_NO_BACKING_STORE || l.gestore.base.msg_code == JERR_OUT_OF_MEMORY)
            return fallisce(ErroreJpeg::Memoria, testo);
        return fallisce(ErroreJpeg::Dati, testo);
    }
    if (info.Componenti == 4) DaCmyk(risultato);
    esito.Immagine = risultato;
    return esito;
}

}  // namespace

int ScansioniAmmesseJpeg(int larghezza, int altezza) {
    const qint64 blocchi = std::max<qint64>(1, (qint64(larghezza) + 7) / 8 * ((qint64(altezza) + 7) / 8));
    return int(std::clamp<qint64>(LimiteBlocchiScansioniJpeg / blocchi, 1, LimiteScansioniJpeg));
}

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

LetturaJpeg LeggiJpegLimitata(const QString& percorso, const QSize& minima, int millisecondiMassimi) {
    return Decodifica(percorso, true, minima, millisecondiMassimi);
}

QImage LeggiJpeg(const QString& percorso, QString* errore) {
    return LeggiJpegRidotta(percorso, QSize(), errore);
}

QImage LeggiJpegRidotta(const QString& percorso, const QSize& minima, QString* errore) {
    LetturaJpeg esito = Decodifica(percorso, true, minima, 0);
    if (errore && esito.Errore != ErroreJpeg::Nessuno) *errore = esito.Testo;
    return esito.Immagine;
}

bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore) {
    const LetturaJpeg esito = Decodifica(percorso, false, QSize(), 0);
    if (esito.Errore != ErroreJpeg::Nessuno) {
        if (errore) *errore = esito.Testo;
        return false;
    }
    info = esito.Info;
    return true;
}
