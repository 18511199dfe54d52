#include "platform/Jpeg.h"

#include "platform/FileRegolare.h"
#include "platform/Grafica.h"

#include <QFile>
#include <algorithm>
#include <climits>
#include <memory>
#include <utility>
#include <cerrno>
#include <ctime>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>
#include <unistd.h>

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

// The source's window on the file; libjpeg reads through it, a block at a time.
constexpr std::size_t kBloccoSorgente = 64 * 1024;

// One decode in plain C data only: libjpeg's error exit jumps back over every frame between
// the failing call and its setjmp, so no object with a destructor may live in those frames.
// Each step below sets its own jump point and holds nothing but this struct.
struct LetturaC {
    jpeg_decompress_struct cinfo;
    GestoreErrori gestore;
    jpeg_progress_mgr progresso;
    jpeg_source_mgr sorgente;
    int descrittore;
    qint64 dimensione;     // the file's size at the open: nothing past it is read
    qint64 posizione;      // the file offset of the byte after the buffer
    qint64 byteAmmessi;    // no byte past this offset is read
    Scadenza scadenza;     // on the thread's processor time; no destructor, safe to jump over
    int scansioniAmmesse;  // 0: no limit
    ErroreJpeg motivo;     // why our own checks stopped libjpeg
    int avviso;            // the code of libjpeg's first warning, -1 when none
    char testoAvviso[JMSG_LENGTH_MAX];
    JOCTET blocco[kBloccoSorgente];
};

LetturaC* Lettura(j_common_ptr info) { return reinterpret_cast<LetturaC*>(info); }

[[noreturn]] void Ferma(LetturaC* l, ErroreJpeg motivo, const char* testo) {
    l->motivo = motivo;
    std::snprintf(l->gestore.messaggio, sizeof l->gestore.messaggio, "%s", testo);
    std::longjmp(l->gestore.salto, 1);
}

// Called as libjpeg reads bytes, works through rows and meets scans: past a limit the
// decoding leaves through the error exit, as any damaged data would.
void Controlla(LetturaC* l) {
    switch (l->scadenza.Controlla()) {
    case FineLettura::Nessuna: break;
    case FineLettura::Tempo: Ferma(l, ErroreJpeg::Tempo, "decoding took too long");
    case FineLettura::Interrotta: Ferma(l, ErroreJpeg::Interrotta, "stopped: the session is ending");
    }
    if (l->scansioniAmmesse > 0 && l->cinfo.input_scan_number > l->scansioniAmmesse)
        Ferma(l, ErroreJpeg::TroppeScansioni, "too many scans");
}

void Progresso(j_common_ptr info) { Controlla(Lettura(info)); }

void InizioSorgente(j_decompress_ptr) {}
void FineSorgente(j_decompress_ptr) {}

boolean RiempiSorgente(j_decompress_ptr cinfo) {
    LetturaC* l = Lettura(reinterpret_cast<j_common_ptr>(cinfo));
    Controlla(l);
    if (l->posizione >= l->byteAmmessi && l->byteAmmessi < l->dimensione)
        Ferma(l, ErroreJpeg::TroppiByte, "file far larger than its picture");
    ssize_t n = 0;
    if (l->posizione < l->byteAmmessi) {
        const std::size_t quanti = std::size_t(std::min<qint64>(qint64(kBloccoSorgente), l->byteAmmessi - l->posizione));
        do n = ::pread(l->descrittore, l->blocco, quanti, off_t(l->posizione));
        while (n < 0 && errno == EINTR);
    }
    if (n < 0) {
        l->gestore.errnoSistema = errno;
        ERREXIT(cinfo, JERR_FILE_READ);
    }
    if (n == 0) {
        // Cut short: libjpeg warns and is handed an end of image, as its own file source does.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        l->blocco[0] = 0xFF;
        l->blocco[1] = JPEG_EOI;
        n = 2;
    } else {
        l->posizione += n;
    }
    l->sorgente.next_input_byte = l->blocco;
    l->sorgente.bytes_in_buffer = std::size_t(n);
    return TRUE;
}

// Skipped segments (comments, metadata) are passed over without being read.
void SaltaSorgente(j_decompress_ptr cinfo, long quanti) {
    LetturaC* l = Lettura(reinterpret_cast<j_common_ptr>(cinfo));
    if (quanti <= 0) return;
    if (std::size_t(quanti) <= l->sorgente.bytes_in_buffer) {
        l->sorgente.next_input_byte += quanti;
        l->sorgente.bytes_in_buffer -= std::size_t(quanti);
        return;
    }
    l->posizione += qint64(quanti) - qint64(l->sorgente.bytes_in_buffer);
    l->sorgente.bytes_in_buffer = 0;
    RiempiSorgente(cinfo);
}

// libjpeg's warnings: damaged data it made up for. The first is kept.
void Avviso(j_common_ptr info, int livello) {
    if (livello >= 0) return;
    LetturaC* l = Lettura(info);
    if (l->avviso < 0) {
        l->avviso = info->err->msg_code;
        (*info->err->format_message)(info, l->testoAvviso);
    }
    ++info->err->num_warnings;
}

bool LeggiTestata(LetturaC& l, bool orientamento) {
    l.cinfo.err = jpeg_std_error(&l.gestore.base);
    l.gestore.base.error_exit = UscitaErrore;
    l.gestore.base.output_message = NessunMessaggio;
    l.gestore.base.emit_message = Avviso;
    l.avviso = -1;
    if (setjmp(l.gestore.salto)) {
        jpeg_destroy_decompress(&l.cinfo);
        return false;
    }
    jpeg_create_decompress(&l.cinfo);
    // A progressive picture keeps every coefficient of the whole picture: past this libjpeg
    // would need a backing store, which it has not, and stops with an error.
    l.cinfo.mem->max_memory_to_use = long(LimiteMegabyteImmagine) * 1024 * 1024;
    l.sorgente.init_source = InizioSorgente;
    l.sorgente.fill_input_buffer = RiempiSorgente;
    l.sorgente.skip_input_data = SaltaSorgente;
    l.sorgente.resync_to_restart = jpeg_resync_to_restart;
    l.sorgente.term_source = FineSorgente;
    l.cinfo.src = &l.sorgente;
    l.progresso.progress_monitor = Progresso;
    l.cinfo.progress = &l.progresso;
    if (orientamento) jpeg_save_markers(&l.cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&l.cinfo, TRUE);
    return true;
}

// Decodes into rows of 4 bytes per pixel; the buffer belongs to the caller.
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

bool LeggiCoefficienti(LetturaC& l) {
    if (setjmp(l.gestore.salto)) {
        jpeg_destroy_decompress(&l.cinfo);
        return false;
    }
    jpeg_read_coefficients(&l.cinfo);
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

// The largest power-of-two reduction (1, 2, 4 or 8) whose result still covers minima, then as
// far as the memory limit needs: 0 when even 1/8 is past it.
int Denominatore(int larghezza, int altezza, const QSize& minima) {
    int d = 1;
    if (minima.isValid()) {
        d = 8;
        while (d > 1 && ((larghezza + d - 1) / d < minima.width() || (altezza + d - 1) / d < minima.height())) d /= 2;
    }
    while (d <= 8 && OltreLimiteMemoria((larghezza + d - 1) / d, (altezza + d - 1) / d)) d *= 2;
    return d <= 8 ? d : 0;
}

int Orientamento(const jpeg_decompress_struct& cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next)
        if (m->marker == JPEG_APP0 + 1) {
            const int o = OrientamentoExif(m->data, qint64(m->data_length));
            if (o != 1) return o;
        }
    return 1;
}

enum class Modo { Testata, Coefficienti, Pixel };

// The largest picture the pixel limit lets through, for the bytes a file may have at all.
qint64 ByteMassimiJpeg() { return MargineByteImmagine + LimitePixelJpeg * ByteAlPixelImmagine; }

QString TestoTroppiByte(qint64 dimensione, qint64 ammessi) {
    return QStringLiteral("file far larger than its picture: %1 bytes (at most %2)").arg(dimensione).arg(ammessi);
}

// Reads the header, and the coefficients or the pixels when asked.
LetturaJpeg Decodifica(int descrittore, qint64 dimensione, Modo modo, const LimitiJpeg& limiti) {
    LetturaJpeg esito;
    const auto fallisce = [&esito](ErroreJpeg errore, const QString& testo) {
        esito.Errore = errore;
        esito.Testo = testo;
        esito.Immagine = QImage();
        return esito;
    };
    // A sparse file of gigabytes is refused before a byte of it is read.
    if (modo != Modo::Testata && dimensione > ByteMassimiJpeg())
        return fallisce(ErroreJpeg::TroppiByte, TestoTroppiByte(dimensione, ByteMassimiJpeg()));
    auto lettura = std::make_unique<LetturaC>();
    LetturaC& l = *lettura;
    l.descrittore = descrittore;
    l.dimensione = dimensione;
    l.byteAmmessi = std::min(dimensione, MargineByteImmagine);
    const int millisecondi = limiti.Millisecondi < 0 ? MillisecondiMinimiImmagine : limiti.Millisecondi;
    l.scadenza = Scadenza(millisecondi);
    const auto testo = [&l](ErroreJpeg predefinito) {
        const ErroreJpeg e = l.motivo != ErroreJpeg::Nessuno ? l.motivo : predefinito;
        if (e == ErroreJpeg::Dati && l.gestore.base.msg_code == JERR_FILE_READ && l.gestore.errnoSistema != 0)
            return std::pair(ErroreJpeg::Apertura, QString::fromLocal8Bit(std::strerror(l.gestore.errnoSistema)));
        return std::pair(e, QString::fromLocal8Bit(l.gestore.messaggio));
    };
    const auto avvisi = [&] {
        if (l.avviso < 0) return;
        esito.Avviso = QString::fromLocal8Bit(l.testoAvviso);
        esito.Troncata = l.avviso == JWRN_JPEG_EOF;
    };
    if (!LeggiTestata(l, limiti.Orientamento)) {
        // A file cut inside its header ends in an error, after libjpeg warned of its end.
        avvisi();
        const auto [e, t] = testo(ErroreJpeg::Dati);
        return fallisce(e, t);
    }
    InfoJpeg& info = esito.Info;
    info.Larghezza = static_cast<int>(l.cinfo.image_width);
    info.Altezza = static_cast<int>(l.cinfo.image_height);
    info.Componenti = l.cinfo.num_components;
    info.Progressivo = jpeg_has_multiple_scans(&l.cinfo);
    if (limiti.Orientamento) info.Orientamento = Orientamento(l.cinfo);
    if (modo == Modo::Testata) {
        jpeg_destroy_decompress(&l.cinfo);
        return esito;
    }
    // A few hundred bytes may declare 65500 x 65500 pixels: refused before any work.
    if (qint64(info.Larghezza) * info.Altezza > LimitePixelJpeg) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::TroppoGrande, QStringLiteral("picture too large: %1 x %2 pixels (at most %3)")
                                                      .arg(info.Larghezza)
                                                      .arg(info.Altezza)
                                                      .arg(LimitePixelJpeg));
    }
    const qint64 ammessi = ByteAmmessiImmagine(info.Larghezza, info.Altezza);
    if (dimensione > ammessi) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::TroppiByte, TestoTroppiByte(dimensione, ammessi));
    }
    l.byteAmmessi = dimensione;
    l.scansioniAmmesse = ScansioniAmmesseJpeg(info.Larghezza, info.Altezza);
    esito.Millisecondi = limiti.Millisecondi < 0 ? MillisecondiAmmessiImmagine(info.Larghezza, info.Altezza) : millisecondi;
    l.scadenza.Imposta(esito.Millisecondi);
    const auto dopo = [&](bool letto) {
        avvisi();
        if (letto) return esito;
        auto [e, t] = testo(ErroreJpeg::Dati);
        if (e == ErroreJpeg::Dati &&
            (l.gestore.base.msg_code == JERR_NO_BACKING_STORE || l.gestore.base.msg_code == JERR_OUT_OF_MEMORY))
            e = ErroreJpeg::Memoria;
        if (e == ErroreJpeg::TroppeScansioni) t = QStringLiteral("too many scans: over %1").arg(l.scansioniAmmesse);
        return fallisce(e, t);
    };
    if (modo == Modo::Coefficienti) return dopo(LeggiCoefficienti(l));
    // Straight into 32-bit pixels: no second copy of a large picture for the conversion.
    // Four-channel pictures are CMYK (Adobe's, stored inverted) and are turned to RGB after.
    if (l.cinfo.num_components == 4) l.cinfo.out_color_space = JCS_CMYK;
    else l.cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    // The size to cover is the upright picture's: a photo turned a quarter swaps it.
    QSize minima = limiti.Minima;
    if (minima.isValid() && info.Orientamento >= 5) minima.transpose();
    const int d = Denominatore(info.Larghezza, info.Altezza, minima);
    if (d == 0) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::TroppoGrande, QStringLiteral("picture too large even at 1/8"));
    }
    esito.Riduzione = d;
    l.cinfo.scale_num = 1;
    l.cinfo.scale_denom = static_cast<unsigned int>(d);
    jpeg_calc_output_dimensions(&l.cinfo);
    QImage risultato(static_cast<int>(l.cinfo.output_width), static_cast<int>(l.cinfo.output_height),
                     QImage::Format_RGB32);
    if (risultato.isNull()) {
        jpeg_destroy_decompress(&l.cinfo);
        return fallisce(ErroreJpeg::Memoria, QStringLiteral("not enough memory for the picture"));
    }
    if (!LeggiRighe(l, risultato.bits(), static_cast<std::size_t>(risultato.bytesPerLine()))) return dopo(false);
    if (info.Componenti == 4) DaCmyk(risultato);
    esito.Immagine = risultato;
    return dopo(true);
}

quint32 Leggi32(const uchar* p, bool intel) {
    return intel ? quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24
                 : quint32(p[3]) | quint32(p[2]) << 8 | quint32(p[1]) << 16 | quint32(p[0]) << 24;
}

quint16 Leggi16(const uchar* p, bool intel) {
    return intel ? quint16(p[0] | p[1] << 8) : quint16(p[1] | p[0] << 8);
}

// A path opened once as a regular file, then read from that descriptor.
LetturaJpeg DaPercorso(const QString& percorso, Modo modo, const LimitiJpeg& limiti) {
    FileRegolare file = FileRegolare::Apri(percorso);
    if (!file.Aperto()) {
        LetturaJpeg esito;
        esito.Errore = ErroreJpeg::Apertura;
        esito.Testo = file.Rifiuto() == RifiutoFile::NonUnFile ? QStringLiteral("not a file")
                      : file.Errore().isEmpty()                ? QStringLiteral("no such file")
                                                               : file.Errore();
        return esito;
    }
    return Decodifica(file.Descrittore(), file.Dimensione(), modo, limiti);
}

}  // namespace

int ScansioniAmmesseJpeg(int larghezza, int altezza) {
    const qint64 blocchi = std::max<qint64>(1, (qint64(larghezza) + 7) / 8 * ((qint64(altezza) + 7) / 8));
    return int(std::clamp<qint64>(LimiteBlocchiScansioniJpeg / blocchi, 1, LimiteScansioniJpeg));
}

int OrientamentoExif(const uchar* d, qint64 n) {
    // "Exif\0\0", then the TIFF block: its byte order, 42, the offset of the first directory.
    if (n < 14 || std::memcmp(d, "Exif\0\0", 6) != 0) return 1;
    const uchar* tiff = d + 6;
    const qint64 t = n - 6;
    const bool intel = tiff[0] == 'I' && tiff[1] == 'I';
    if (!intel && !(tiff[0] == 'M' && tiff[1] == 'M')) return 1;
    if (Leggi16(tiff + 2, intel) != 42) return 1;
    const qint64 cartella = Leggi32(tiff + 4, intel);
    if (cartella < 8 || cartella + 2 > t) return 1;
    const int voci = Leggi16(tiff + cartella, intel);
    for (int i = 0; i < voci; ++i) {
        const qint64 v = cartella + 2 + qint64(i) * 12;
        if (v + 12 > t) break;
        // Tag 0x0112, one SHORT.
        if (Leggi16(tiff + v, intel) != 0x0112) continue;
        if (Leggi16(tiff + v + 2, intel) != 3) return 1;
        const int o = Leggi16(tiff + v + 8, intel);
        return o >= 1 && o <= 8 ? o : 1;
    }
    return 1;
}

LetturaJpeg LeggiJpegDa(int descrittore, qint64 dimensione, const LimitiJpeg& limiti) {
    return Decodifica(descrittore, dimensione, Modo::Pixel, limiti);
}

LetturaJpeg LeggiInfoJpegDa(int descrittore, qint64 dimensione, bool orientamento) {
    LimitiJpeg limiti;
    limiti.Orientamento = orientamento;
    return Decodifica(descrittore, dimensione, Modo::Testata, limiti);
}

LetturaJpeg VerificaJpegDa(int descrittore, qint64 dimensione) {
    return Decodifica(descrittore, dimensione, Modo::Coefficienti, {});
}

LetturaJpeg LeggiJpegLimitata(const QString& percorso, const LimitiJpeg& limiti) {
    return DaPercorso(percorso, Modo::Pixel, limiti);
}

QImage LeggiJpeg(const QString& percorso, QString* errore) {
    return LeggiJpegRidotta(percorso, QSize(), errore);
}

QImage LeggiJpegRidotta(const QString& percorso, const QSize& minima, QString* errore) {
    LimitiJpeg limiti;
    limiti.Minima = minima;
    const LetturaJpeg esito = DaPercorso(percorso, Modo::Pixel, limiti);
    if (errore && esito.Errore != ErroreJpeg::Nessuno) *errore = esito.Testo;
    return esito.Immagine;
}

bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore) {
    const LetturaJpeg esito = DaPercorso(percorso, Modo::Testata, {});
    if (esito.Errore != ErroreJpeg::Nessuno) {
        if (errore) *errore = esito.Testo;
        return false;
    }
    info = esito.Info;
    return true;
}
