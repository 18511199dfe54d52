#include "render/CampoDistanza.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int PassiPerPixel = PassiTratti;
// The band around the outline where distances are measured to the segments themselves;
// beyond it each pixel takes the nearest outline point of a neighbour.
constexpr float Banda = 2.0f;
constexpr float Lontano = 1.0e30f;

// A byte times a byte over 255, rounded as the raster engine rounds.
inline int PerByte(int x, int a) {
    const int t = x * a + 128;
    return (t + (t >> 8)) >> 8;
}

}  // namespace

// Each stroke composed in bytes as the raster engine composes them. A stroke of width w
// covers a pixel at distance d by the part of it within w / 2 of the outline.
std::vector<QRgb> TabellaTratti(const QColor& colore, int larghezzaFine, float limite) {
    const int passi = static_cast<int>(std::ceil(std::max(0.0f, limite) * PassiPerPixel)) + 1;
    std::vector<QRgb> tabella(static_cast<size_t>(passi));
    const int r = colore.red(), g = colore.green(), b = colore.blue(), a = colore.alpha();
    for (int i = 0; i < passi; ++i) {
        const float d = static_cast<float>(i) / PassiPerPixel;
        int pa = 0, pr = 0, pg = 0, pb = 0;
        for (int w = 1; w < larghezzaFine; ++w) {
            const float copertura = std::clamp(w * 0.5f - d + 0.5f, 0.0f, 1.0f);
            const int c = static_cast<int>(copertura * 255.0f + 0.5f);
            if (c == 0) continue;
            const int sa = PerByte(a, c);
            const int inverso = 255 - sa;
            pa = sa + PerByte(pa, inverso);
            pr = PerByte(r, sa) + PerByte(pr, inverso);
            pg = PerByte(g, sa) + PerByte(pg, inverso);
            pb = PerByte(b, sa) + PerByte(pb, inverso);
        }
        tabella[static_cast<size_t>(i)] = qRgba(pr, pg, pb, pa);
    }
    return tabella;
}

CampoDistanza::CampoDistanza(const QPainterPath& percorso, QSize dimensione, float limite)
    : dimensione_(dimensione.isValid() ? dimensione : QSize(0, 0)), limite_(std::max(0.0f, limite)) {
    const size_t n = static_cast<size_t>(dimensione_.width()) * static_cast<size_t>(dimensione_.height());
    distanze_.assign(n, limite_);
    if (n == 0) return;
    const int W = dimensione_.width(), H = dimensione_.height();
    griglia_.assign(static_cast<size_t>(W + 2) * static_cast<size_t>(H + 2), Vicino{Lontano, 0.0f, 0.0f});
    for (const QPolygonF& figura : percorso.toSubpathPolygons()) {
        if (figura.size() == 1) Segmento(figura[0], figura[0]);
        for (qsizetype i = 0; i + 1 < figura.size(); ++i) Segmento(figura[i], figura[i + 1]);
    }
    Propaga();
    for (int y = 0; y < H; ++y) {
        const Vicino* riga = griglia_.data() + static_cast<size_t>(y + 1) * static_cast<size_t>(W + 2) + 1;
        float* uscita = distanze_.data() + static_cast<size_t>(y) * static_cast<size_t>(W);
        for (int x = 0; x < W; ++x) uscita[x] = std::min(std::sqrt(riga[x].d2), limite_);
    }
    griglia_ = {};
}

// Measures the pixels within the band of one segment. A long segment goes in pieces no longer
// than the band, so each piece touches a box of a few pixels.
void CampoDistanza::Segmento(QPointF a, QPointF b) {
    const float raggio = std::min(Banda, limite_);
    const double lunghezza = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int pezzi = std::max(1, static_cast<int>(std::ceil(lunghezza / Banda)));
    const int W = dimensione_.width(), H = dimensione_.height();
    for (int k = 0; k < pezzi; ++k) {
        const QPointF p = a + (b - a) * (static_cast<double>(k) / pezzi);
        const QPointF q = a + (b - a) * (static_cast<double>(k + 1) / pezzi);
        // Pixel centres sit at x + 0.5.
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min(p.x(), q.x()) - raggio - 0.5)));
        const int x1 = std::min(W - 1, static_cast<int>(std::ceil(std::max(p.x(), q.x()) + raggio - 0.5)));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min(p.y(), q.y()) - raggio - 0.5)));
        const int y1 = std::min(H - 1, static_cast<int>(std::ceil(std::max(p.y(), q.y()) + raggio - 0.5)));
        if (x0 > x1 || y0 > y1) continue;
        const float ax = static_cast<float>(p.x()), ay = static_cast<float>(p.y());
        const float dx = static_cast<float>(q.x() - p.x()), dy = static_cast<float>(q.y() - p.y());
        const float ll = dx * dx + dy * dy;
        const float inverso = ll > 0.0f ? 1.0f / ll : 0.0f;
        for (int y = y0; y <= y1; ++y) {
            Vicino* riga = griglia_.data() + static_cast<size_t>(y + 1) * static_cast<size_t>(W + 2) + 1;
            const float py = static_cast<float>(y) + 0.5f - ay;
            for (int x = x0; x <= x1; ++x) {
                const float px = static_cast<float>(x) + 0.5f - ax;
                const float t = std::clamp((px * dx + py * dy) * inverso, 0.0f, 1.0f);
                const float ex = px - t * dx, ey = py - t * dy;
                const float q2 = ex * ex + ey * ey;
                if (q2 < riga[x].d2) riga[x] = {q2, ax + t * dx, ay + t * dy};
            }
        }
    }
}

// Carries the nearest outline points outward over the picture: two sweeps, each pixel
// trying the points of the neighbours already swept (the eight-neighbour vector transform).
// The picture is walked with a border of one far pixel, so no neighbour needs a bounds test;
// a pixel beyond the limit passes nothing on, as no pixel it reaches could use it.
void CampoDistanza::Propaga() {
    const int W = dimensione_.width(), H = dimensione_.height();
    const size_t l = static_cast<size_t>(W + 2);
    Vicino* g = griglia_.data();
    const float oltre = (limite_ + 1.5f) * (limite_ + 1.5f);
    const auto prova = [g, oltre](Vicino& pixel, float cx, float cy, size_t v) {
        const Vicino& vicino = g[v];
        if (vicino.d2 > oltre) return;
        const float ex = cx - vicino.x, ey = cy - vicino.y;
        const float q2 = ex * ex + ey * ey;
        if (q2 < pixel.d2) pixel = {q2, vicino.x, vicino.y};
    };
    for (int y = 1; y <= H; ++y) {
        const float cy = static_cast<float>(y) - 0.5f;
        for (int x = 1; x <= W; ++x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            const float cx = static_cast<float>(x) - 0.5f;
            prova(g[k], cx, cy, k - 1);
            prova(g[k], cx, cy, k - l - 1);
            prova(g[k], cx, cy, k - l);
            prova(g[k], cx, cy, k - l + 1);
        }
        for (int x = W; x >= 1; --x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            prova(g[k], static_cast<float>(x) - 0.5f, cy, k + 1);
        }
    }
    for (int y = H; y >= 1; --y) {
        const float cy = static_cast<float>(y) - 0.5f;
        for (int x = W; x >= 1; --x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            const float cx = static_cast<float>(x) - 0.5f;
            prova(g[k], cx, cy, k + 1);
            prova(g[k], cx, cy, k + l + 1);
            prova(g[k], cx, cy, k + l);
            prova(g[k], cx, cy, k + l - 1);
        }
        for (int x = 1; x <= W; ++x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            prova(g[k], static_cast<float>(x) - 0.5f, cy, k - 1);
        }
    }
}

float CampoDistanza::Distanza(int x, int y) const {
    if (x < 0 || y < 0 || x >= dimensione_.width() || y >= dimensione_.height()) return limite_;
    return distanze_[static_cast<size_t>(y) * static_cast<size_t>(dimensione_.width()) + static_cast<size_t>(x)];
}

QImage CampoDistanza::PilaTratti(const QColor& colore, int larghezzaFine, QPoint spostamento) const {
    QImage pila(dimensione_, QImage::Format_ARGB32_Premultiplied);
    if (pila.isNull()) return pila;
    pila.fill(Qt::transparent);
    if (larghezzaFine <= 1 || colore.alpha() == 0) return pila;

    const std::vector<QRgb> tabella = TabellaTratti(colore, larghezzaFine, limite_);
    const int passi = static_cast<int>(tabella.size());

    // Pixel (x, y) reads the field at (x - dx, y - dy); beyond the field the stack is clear.
    const int W = dimensione_.width(), H = dimensione_.height();
    const int dx = spostamento.x(), dy = spostamento.y();
    const int x0 = std::clamp(dx, 0, W), x1 = std::clamp(W + dx, 0, W);
    for (int y = std::max(0, dy); y < std::min(H, H + dy); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(pila.scanLine(y));
        const float* distanze = distanze_.data() + static_cast<size_t>(y - dy) * static_cast<size_t>(W) - dx;
        for (int x = x0; x < x1; ++x) {
            const int i = static_cast<int>(distanze[x] * PassiPerPixel + 0.5f);
            if (i < passi) riga[x] = tabella[static_cast<size_t>(i)];
        }
    }
    return pila;
}
