#include "platform/Png.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace {

// Plain data only: libpng's errors jump back over every frame between them and the setjmp.
struct StatoPng {
    QIODevice* dispositivo = nullptr;
    LetturaPng* esito = nullptr;
    const std::function<bool(const TestataPng&)>* accetta = nullptr;
    int ultimaPassata = 0;
    bool rifiutato = false;  // the device refused a read
    bool fermato = false;    // the caller said stop
    bool pixel = false;      // the picture was made: what follows only fills it
    bool completa = false;   // its last row is in: nothing after it is read or inflated
    char errore[256] = {};
};

StatoPng* Stato(png_structp png) { return static_cast<StatoPng*>(png_get_error_ptr(png)); }

void Errore(png_structp png, png_const_charp testo) {
    std::snprintf(Stato(png)->errore, sizeof Stato(png)->errore, "%s", testo);
    png_longjmp(png, 1);
}

void Avviso(png_structp, png_const_charp) {}

// The header is in: the caller decides, then every kind to 8-bit channels in QImage's 32-bit layout.
void Testata(png_structp png, png_infop info) {
    StatoPng* s = Stato(png);
    LetturaPng& e = *s->esito;
    png_uint_32 w = 0, h = 0;
    int bit = 0, colore = 0, interlacciata = 0;
    png_get_IHDR(png, info, &w, &h, &bit, &colore, &interlacciata, nullptr, nullptr);
    const bool alfa = (colore & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    e.Testata = {QSize(int(w), int(h)), bit, interlacciata != PNG_INTERLACE_NONE, alfa};
    if (!(*s->accetta)(e.Testata)) {
        s->fermato = true;
        png_error(png, "refused");
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(png);
        if (!alfa) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    } else {
        if (alfa) png_set_swap_alpha(png);
        else png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    }
    s->ultimaPassata = png_set_interlace_handling(png) - 1;
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(w) * 4) png_error(png, "unexpected row layout");
    e.Immagine = QImage(int(w), int(h), alfa ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (e.Immagine.isNull()) png_error(png, "not enough memory for the picture");
    // What never comes stays transparent, or grey as libjpeg leaves a cut JPEG.
    e.Immagine.fill(alfa ? qRgba(0, 0, 0, 0) : qRgb(128, 128, 128));
    s->pixel = true;
}

void Riga(png_structp png, png_bytep nuova, png_uint_32 riga, int passata) {
    StatoPng* s = Stato(png);
    QImage& immagine = s->esito->Immagine;
    if (nuova && riga < png_uint_32(immagine.height())) png_progressive_combine_row(png, immagine.scanLine(int(riga)), nuova);
    // The last pass passes every row, those it does not hold too.
    if (passata == s->ultimaPassata && riga + 1 == png_uint_32(immagine.height())) {
        s->completa = true;
        png_error(png, "complete");
    }
}

void Fine(png_structp png, png_infop) { Stato(png)->completa = true; }

void Decodifica(png_structp png, png_infop info, StatoPng& s) {
    if (setjmp(png_jmpbuf(png))) return;
    png_set_progressive_read_fn(png, &s, Testata, Riga, Fine);
    // The data is handed over a block at a time: once the last row is in, no more is read.
    char blocco[16384];
    while (!s.completa) {
        const qint64 n = s.dispositivo->read(blocco, sizeof blocco);
        if (n < 0) {
            s.rifiutato = true;
            return;
        }
        if (n == 0) {
            png_error(png, "file cut short");
        }
        png_process_data(png, info, reinterpret_cast<png_bytep>(blocco), size_t(n));
    }
}

}  // namespace

LetturaPng LeggiPng(QIODevice& dispositivo, const std::function<bool(const TestataPng&)>& accetta) {
    LetturaPng esito;
    auto stato = std::make_unique<StatoPng>();
    stato->dispositivo = &dispositivo;
    stato->esito = &esito;
    stato->accetta = &accetta;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, stato.get(), Errore, Avviso);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        esito.Errore = QStringLiteral("not enough memory");
        return esito;
    }
    Decodifica(png, info, *stato);
    png_destroy_read_struct(&png, &info, nullptr);
    esito.Fermata = stato->fermato || stato->rifiutato;
    if (esito.Fermata) {
        esito.Immagine = QImage();
    } else if (!stato->completa) {
        esito.Errore = QString::fromLocal8Bit(stato->errore);
        // Cut or broken once the picture was made: the rows that came are drawn.
        esito.Parziale = stato->pixel;
        if (!stato->pixel) esito.Immagine = QImage();
    }
    return esito;
}
