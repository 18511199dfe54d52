#include "platform/Jpeg.h"

#include <QFile>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

struct GestoreErrori {
    jpeg_error_mgr base;
    std::jmp_buf salto;
    char messaggio[JMSG_LENGTH_MAX];
};

void UscitaErrore(j_common_ptr info) {
    auto* gestore = reinterpret_cast<GestoreErrori*>(info->err);
    (*info->err->format_message)(info, gestore->messaggio);
    std::longjmp(gestore->salto, 1);
}

void NessunMessaggio(j_common_ptr) {}

// Closes the file on every path out of a libjpeg call.
struct FileC {
    std::FILE* f = nullptr;
    ~FileC() { if (f) std::fclose(f); }
};

}  // namespace

bool ScriviJpeg(const QImage& immagine, const QString& percorso, int qualita, QString* errore) {
    if (immagine.isNull()) {
        if (errore) *errore = QStringLiteral("empty image");
        return false;
    }
    const QImage rgb = immagine.convertToFormat(QImage::Format_RGB888);
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
        if (errore) *errore = QString::fromLocal8Bit(gestore.messaggio);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file.f);
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

namespace {

// Reads the header, and the pixels when immagine is given.
bool Decodifica(const QString& percorso, InfoJpeg& info, QImage* immagine, QString* errore) {
    FileC file;
    file.f = std::fopen(QFile::encodeName(percorso).constData(), "rb");
    if (!file.f) {
        if (errore) *errore = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    jpeg_decompress_struct cinfo{};
    GestoreErrori gestore{};
    cinfo.err = jpeg_std_error(&gestore.base);
    gestore.base.error_exit = UscitaErrore;
    gestore.base.output_message = NessunMessaggio;
    if (setjmp(gestore.salto)) {
        jpeg_destroy_decompress(&cinfo);
        if (errore) *errore = QString::fromLocal8Bit(gestore.messaggio);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file.f);
    jpeg_read_header(&cinfo, TRUE);
    info.Larghezza = static_cast<int>(cinfo.image_width);
    info.Altezza = static_cast<int>(cinfo.image_height);
    info.Componenti = cinfo.num_components;
    info.Progressivo = jpeg_has_multiple_scans(&cinfo);
    if (immagine) {
        cinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&cinfo);
        QImage risultato(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                         QImage::Format_RGB888);
        if (risultato.isNull()) {
            jpeg_destroy_decompress(&cinfo);
            if (errore) *errore = QStringLiteral("image too large");
            return false;
        }
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW riga = risultato.scanLine(static_cast<int>(cinfo.output_scanline));
            jpeg_read_scanlines(&cinfo, &riga, 1);
        }
        jpeg_finish_decompress(&cinfo);
        *immagine = risultato.convertToFormat(QImage::Format_RGB32);
    }
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage LeggiJpeg(const QString& percorso, QString* errore) {
    InfoJpeg info;
    QImage immagine;
    if (!Decodifica(percorso, info, &immagine, errore)) return {};
    return immagine;
}

bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore) {
    return Decodifica(percorso, info, nullptr, errore);
}
