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

void PhotoShop::AumentaNitidezza(QImage* immagine) {
    static const int nitidezza[9] = {-4, -4, -4, -4, 40, -4, -4, -4, -4};
    ApplicaConvoluzione(immagine, nitidezza, 3);
}
