#include "render/LensFlare.h"

#include <algorithm>
#include <cmath>

const std::array<ElementoFlare, NumeroElementiFlare> CatenaFlare = {{
    {1, 175, 0.1f, 1.0f, 0.0f},
    {2, 175, 0.2f, 0.6f, 0.6f},
    {3, 600, 0.1f, 0.45f, 0.45f},
    {4, 90, 0.2f, 0.3f, 0.3f},
    {5, 30, 0.4f, -0.25f, 1.25f},
    {1, 100, 0.3f, -0.275f, 1.275f},
    {2, 65, 0.3f, -0.3f, 1.3f},
    {3, 30, 0.8f, -0.4f, 1.4f},
    {4, 650, 0.3f, -0.5f, 1.5f},
    {5, 230, 0.6f, -0.65f, 1.65f},
    {1, 90, 0.4f, -0.7f, 1.7f},
    {2, 150, 0.4f, -0.725f, 1.725f},
    {3, 40, 0.4f, -0.75f, 1.75f},
    {4, 375, 0.4f, -0.875f, 1.875f},
    {4, 50, 0.9f, -0.885f, 1.885f},
    {4, 100, 0.7f, -0.5f, 1.5f},  // shares element 8's place
}};

namespace {

// A video of no frames has only its frame 0, drawn as the start of any other video.
void TempoSicuro(float& t, float& n) {
    if (!(n > 0) || !std::isfinite(n) || !std::isfinite(t)) {
        t = 0;
        n = 1;
    }
}

int Intero(float valore) {
    if (!std::isfinite(valore)) return 0;
    return static_cast<int>(std::clamp(valore, -1.0e9f, 1.0e9f));
}

}  // namespace

std::array<ComandoFlare, NumeroElementiFlare> ComandiFlareStandard(float t, float n, int w, int h) {
    TempoSicuro(t, n);
    std::array<ComandoFlare, NumeroElementiFlare> comandi;
    for (int k = 0; k < NumeroElementiFlare; ++k) {
        const ElementoFlare& e = CatenaFlare[static_cast<std::size_t>(k)];
        const int cx = Intero(w / 2 + (t - n / 2) * (1 / n) * (w * e.fx));
        const int cy = k == 0 ? 0 : Intero(h / 2 * e.fy);
        ComandoFlare& c = comandi[static_cast<std::size_t>(k)];
        c.sprite = e.sprite;
        c.alpha = e.alpha;
        c.rettangolo = QRect(cx - e.size / 2, cy - e.size / 2, e.size, e.size);
    }
    return comandi;
}

int AngoloSpriteFlare(int sprite, float t) {
    if (!std::isfinite(t)) t = 0;
    t = std::clamp(t, -1.0e6f, 1.0e6f);
    switch (sprite) {
    case 3: return static_cast<int>(t);
    case 4: return static_cast<int>(2 * t);
    case 5: return static_cast<int>(3 * t);
    default: return 0;
    }
}

int AngoloLente(float t, float n) {
    TempoSicuro(t, n);
    return Intero(360 - t * 90 / n);
}

QRect RettangoloLente(int tipo, float t, float n, QSize dimensione, int w, int h) {
    TempoSicuro(t, n);
    const int lw = dimensione.width();
    const int lh = dimensione.height();
    if (tipo == LensFlareLenti1) {
        const int x = Intero(w - (lw / 2 + t * w / n));
        return QRect(x, (h - lh) / 2, lw, lh);
    }
    return QRect((w - lw) / 2, (h - lh) / 2, lw, lh);
}

void DipingiFlare(QPainter& grafica, const std::array<QImage, 5>& sprite,
                  const std::array<ComandoFlare, NumeroElementiFlare>& comandi) {
    grafica.save();
    grafica.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ComandoFlare& c : comandi) {
        if (c.sprite < 1 || c.sprite > 5) continue;
        const QImage& immagine = sprite[static_cast<std::size_t>(c.sprite - 1)];
        if (immagine.isNull()) continue;
        grafica.setOpacity(c.alpha);
        // The chain's sprites are 200 x 200; a larger picture is cut, as the source rectangle says.
        grafica.drawImage(QRectF(c.rettangolo), immagine, QRectF(0, 0, 200, 200));
    }
    grafica.restore();
}
