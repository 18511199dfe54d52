#include "render/ScritturaLayer.h"

#include "platform/Grafica.h"

#include <QFile>

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

namespace {

// A packed layer as a PNG file, a band of rows at a time, so that the picture is never whole
// in memory; the pixels as the image writer would write them (straight alpha, 8 bits), with
// its compression for the quality.
bool ScriviPngAFasce(const QString& file, const LayerTesto& layer, int qualita) {
    constexpr int RigheFascia = 16;
    FILE* f = std::fopen(QFile::encodeName(file).constData(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool riuscito = false;  // read again after a longjmp from libpng
    if (png && info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        if (qualita >= 0) png_set_compression_level(png, (100 - std::min(qualita, 100)) * 9 / 91);
        const int W = layer.Larghezza(), H = layer.Altezza();
        png_set_IHDR(png, info, static_cast<png_uint_32>(W), static_cast<png_uint_32>(H), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(png);  // a straight-alpha pixel lies in memory as blue, green, red, alpha
#else
        png_set_swap_alpha(png);
#endif
        bool intera = true;
        for (int y0 = 0; y0 < H && intera; y0 += RigheFascia) {
            const QImage fascia = ConvertiFormato(layer.Parte(QRect(0, y0, W, std::min(RigheFascia, H - y0))), QImage::Format_ARGB32);
            intera = !fascia.isNull();
            for (int y = 0; intera && y < fascia.height(); ++y) png_write_row(png, fascia.constScanLine(y));
        }
        if (intera) {
            png_write_end(png, info);
            riuscito = true;
        }
    }
    png_destroy_write_struct(&png, &info);
    const bool chiuso = std::fclose(f) == 0;
    if (!chiuso || !riuscito) QFile::remove(file);
    return chiuso && riuscito;
}

}  // namespace

ScritturaLayer::~ScritturaLayer() {
    {
        std::lock_guard<std::mutex> blocco(mutex_);
        fine_ = true;
    }
    arrivato_.notify_all();
    if (filo_.joinable()) filo_.join();
}

void ScritturaLayer::Accoda(const QString& file, const LayerTesto& immagine, int qualita) {
    {
        std::lock_guard<std::mutex> blocco(mutex_);
        coda_[file] = {immagine, qualita};
        // Started by the first picture: a context that never writes holds no thread.
        if (!filo_.joinable()) filo_ = std::thread(&ScritturaLayer::Lavora, this);
    }
    arrivato_.notify_one();
}

void ScritturaLayer::Attendi() {
    std::unique_lock<std::mutex> blocco(mutex_);
    finito_.wait(blocco, [this] { return coda_.empty() && !occupato_; });
}

void ScritturaLayer::Lavora() {
    std::unique_lock<std::mutex> blocco(mutex_);
    for (;;) {
        arrivato_.wait(blocco, [this] { return fine_ || !coda_.empty(); });
        if (coda_.empty()) return;  // ending, and nothing left to write
        const auto primo = coda_.begin();
        const QString file = primo->first;
        Lavoro lavoro = primo->second;
        coda_.erase(primo);
        occupato_ = true;
        blocco.unlock();
        if (lavoro.immagine.Impacchettato()) ScriviPngAFasce(file, lavoro.immagine, lavoro.qualita);
        else ConvertiFormato(lavoro.immagine.Immagine(), QImage::Format_ARGB32).save(file, "PNG", lavoro.qualita);
        blocco.lock();
        occupato_ = false;
        if (coda_.empty()) finito_.notify_all();
    }
}
