#include "render/PhotoShop.h"

#include "render/Bande.h"

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

// Rows y0 .. y1 - 1 of the sharpen, in place. The rows just outside them come from sopra and
// sotto (the picture's rows as they were, or null beyond its edge), since another part may
// already have overwritten them.
void NitidezzaRighe(QImage& immagine, int y0, int y1, const std::uint8_t* sopra0, const std::uint8_t* sotto1) {
    const int w = immagine.width();
    const int n = w * 4;
    // Box sums of the rows above, at and below the row in hand; the source rows are kept
    // aside because the row above is overwritten before the next one is read.
    std::vector<std::int16_t> sopra(static_cast<size_t>(n)), qui(static_cast<size_t>(n)), sotto(static_cast<size_t>(n));
    std::vector<std::uint8_t> originale(static_cast<size_t>(n)), seguente(static_cast<size_t>(n));
    std::copy_n(immagine.constScanLine(y0), n, originale.begin());
    SommeOrizzontali(originale.data(), w, qui.data());
    if (sopra0) SommeOrizzontali(sopra0, w, sopra.data());
    else std::fill(sopra.begin(), sopra.end(), 0);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* prossima = y + 1 < y1 ? immagine.constScanLine(y + 1) : sotto1;
        if (prossima) {
            std::copy_n(prossima, n, seguente.begin());
            SommeOrizzontali(seguente.data(), w, sotto.data());
        } else {
            std::fill(sotto.begin(), sotto.end(), 0);
        }
        const std::int16_t* __restrict a = sopra.data();
        const std::int16_t* __restrict b = qui.data();
        const std::int16_t* __restrict c = sotto.data();
        const std::uint8_t* __restrict p = originale.data();
        // The picture may be a view of a canvas: its rows written in place, never detached.
        std::uint8_t* __restrict uscita = const_cast<std::uint8_t*>(immagine.constScanLine(y));
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

}  // namespace

// The sharpen kernel is 44 x centre - 4 x (the sum of the 3 x 3 box), so a pass of box sums
// by rows gives the very sums of the general convolution, in a form the compiler vectorises.
// The rows are shared out among the cores in fixed parts: the bytes never depend on the machine.
void PhotoShop::AumentaNitidezza(QImage* immagine, const std::function<void(int y0, int y1)>& fatte) {
    if (!immagine || immagine->isNull()) return;
    if (immagine->format() != QImage::Format_ARGB32 && immagine->format() != QImage::Format_RGB32) return;
    // Written in place through constScanLine: a shared picture must get its own pixels first.
    immagine->detach();
    const int h = immagine->height();
    const int n = immagine->width() * 4;
    const int parti = std::min(h, NumeroBande);
    const auto inizio = [&](int i) { return h * i / parti; };
    // Each part's neighbouring rows as they are before any part writes.
    std::vector<std::uint8_t> bordi(static_cast<size_t>(parti) * 2 * static_cast<size_t>(n));
    const auto sopra = [&](int i) { return bordi.data() + static_cast<size_t>(2 * i) * static_cast<size_t>(n); };
    const auto sotto = [&](int i) { return sopra(i) + n; };
    for (int i = 0; i < parti; ++i) {
        if (inizio(i) > 0) std::copy_n(immagine->constScanLine(inizio(i) - 1), n, sopra(i));
        if (inizio(i + 1) < h) std::copy_n(immagine->constScanLine(inizio(i + 1)), n, sotto(i));
    }
    PerOgniParte(parti, [&](int i) {
        NitidezzaRighe(*immagine, inizio(i), inizio(i + 1), inizio(i) > 0 ? sopra(i) : nullptr,
                       inizio(i + 1) < h ? sotto(i) : nullptr);
        if (fatte) fatte(inizio(i), inizio(i + 1));
    });
}
