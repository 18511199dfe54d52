#include "render/PhotoShop.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

inline std::uint32_t Componi(const int somme[4], int divisore) {
    int v[4];
    for (int k = 0; k < 4; ++k) v[k] = std::clamp(somme[k] / divisore, 0, 255);  // truncates toward zero
    return (static_cast<std::uint32_t>(v[3]) << 24) | (static_cast<std::uint32_t>(v[2]) << 16) |
           (static_cast<std::uint32_t>(v[1]) << 8) | static_cast<std::uint32_t>(v[0]);
}

}  // namespace

void PhotoShop::ApplicaConvoluzione(QImage* immagine, const int* kernel, int n) {
    if (!immagine || immagine->isNull() || !kernel || n <= 0 || n % 2 == 0) return;
    if (immagine->format() != QImage::Format_ARGB32 && immagine->format() != QImage::Format_RGB32) return;
    const int w = immagine->width(), h = immagine->height();
    const int hk = n / 2;
    const int divisore = n * n;
    // Work copy of the pixels, rows of w words.
    std::vector<std::uint32_t> copia(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* riga = reinterpret_cast<const std::uint32_t*>(immagine->constScanLine(y));
        std::copy(riga, riga + w, copia.begin() + static_cast<std::ptrdiff_t>(y) * w);
    }
    for (int y = 0; y < h; ++y) {
        auto* uscita = reinterpret_cast<std::uint32_t*>(immagine->scanLine(y));
        const int r0 = std::max(-hk, -y), r1 = std::min(hk, h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const int c0 = std::max(-hk, -x), c1 = std::min(hk, w - 1 - x);
            int somme[4] = {0, 0, 0, 0};
            for (int r = r0; r <= r1; ++r) {
                const std::uint32_t* sorgente = copia.data() + static_cast<std::ptrdiff_t>(y + r) * w + x;
                const int* pesi = kernel + (r + hk) * n + hk;
                for (int c = c0; c <= c1; ++c) {
                    const std::uint32_t px = sorgente[c];
                    const int k = pesi[c];
                    somme[0] += k * static_cast<int>(px & 0xFF);
                    somme[1] += k * static_cast<int>((px >> 8) & 0xFF);
                    somme[2] += k * static_cast<int>((px >> 16) & 0xFF);
                    somme[3] += k * static_cast<int>(px >> 24);
                }
            }
            uscita[x] = Componi(somme, divisore);
        }
    }
}

namespace {

// One row's sums of each byte with its left and right neighbours of the same channel; the
// pixels beyond the ends count as 0.
void SommeOrizzontali(const std::uint8_t* __restrict riga, int w, std::int16_t* __restrict somme) {
    const int n = w * 4;
    for (int i = 0; i < n; ++i) somme[i] = riga[i];
    for (int i = 4; i < n; ++i) somme[i] = static_cast<std::int16_t>(somme[i] + riga[i - 4]);
    for (int i = 0; i < n - 4; ++i) somme[i] = static_cast<std::int16_t>(somme[i] + riga[i + 4]);
}

}  // namespace

// The sharpen kernel is 44 x centre - 4 x (the sum of the 3 x 3 box), so a pass of box sums
// by rows gives the very sums of the general convolution, in a form the compiler vectorises.
void PhotoShop::AumentaNitidezza(QImage* immagine) {
    if (!immagine || immagine->isNull()) return;
    if (immagine->format() != QImage::Format_ARGB32 && immagine->format() != QImage::Format_RGB32) return;
    const int w = immagine->width(), h = immagine->height();
    const int n = w * 4;
    // Box sums of the rows above, at and below the row in hand; the source rows are kept
    // aside because the row above is overwritten before the next one is read.
    std::vector<std::int16_t> sopra(static_cast<size_t>(n)), qui(static_cast<size_t>(n)), sotto(static_cast<size_t>(n));
    std::vector<std::uint8_t> originale(static_cast<size_t>(n)), seguente(static_cast<size_t>(n));
    std::copy_n(immagine->constScanLine(0), n, originale.begin());
    SommeOrizzontali(originale.data(), w, qui.data());
    std::fill(sopra.begin(), sopra.end(), 0);
    for (int y = 0; y < h; ++y) {
        if (y + 1 < h) {
            std::copy_n(immagine->constScanLine(y + 1), n, seguente.begin());
            SommeOrizzontali(seguente.data(), w, sotto.data());
        } else {
            std::fill(sotto.begin(), sotto.end(), 0);
        }
        const std::int16_t* __restrict a = sopra.data();
        const std::int16_t* __restrict b = qui.data();
        const std::int16_t* __restrict c = sotto.data();
        const std::uint8_t* __restrict p = originale.data();
        std::uint8_t* __restrict uscita = immagine->scanLine(y);
        // Every value fits 16 bits (-9180 .. 11220). Divided by 9 toward zero and clamped:
        // (v * 7282) >> 16 is v / 9 for 0 <= v <= 11220.
        for (int i = 0; i < n; ++i) {
            const std::int16_t v = static_cast<std::int16_t>(44 * p[i] - 4 * (a[i] + b[i] + c[i]));
            const std::int16_t positivo = std::max<std::int16_t>(v, 0);
            const std::int16_t q = static_cast<std::int16_t>((static_cast<std::int32_t>(positivo) * 7282) >> 16);
            uscita[i] = static_cast<std::uint8_t>(std::min<std::int16_t>(q, 255));
        }
        std::swap(sopra, qui);
        std::swap(qui, sotto);
        std::swap(originale, seguente);
    }
}
