#include "render/CampoDistanza.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Steps of the distance table per pixel.
constexpr int PassiPerPixel = 32;

// A byte times a byte over 255, rounded as the raster engine rounds.
inline int PerByte(int x, int a) {
    const int t = x * a + 128;
    return (t + (t >> 8)) >> 8;
}

}  // namespace

CampoDistanza::CampoDistanza(const QPainterPath& percorso, QSize dimensione, float limite)
    : dimensione_(dimensione.isValid() ? dimensione : QSize(0, 0)), limite_(std::max(0.0f, limite)) {
    const size_t n = static_cast<size_t>(dimensione_.width()) * static_cast<size_t>(dimensione_.height());
    distanze_.assign(n, limite_ * limite_);
    if (n == 0) return;
    for (const QPolygonF& figura : percorso.toSubpathPolygons()) {
        if (figura.size() == 1) Segmento(figura[0], figura[0]);
        for (qsizetype i = 0; i + 1 < figura.size(); ++i) Segmento(figura[i], figura[i + 1]);
    }
    for (float& q : distanze_) q = std::sqrt(q);
}

// Lowers the distances of the pixels near one segment. A long segment goes in pieces no
// longer than the limit, so each piece touches a box of a few limits squared.
void CampoDistanza::Segmento(QPointF a, QPointF b) {
    const double lunghezza = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int pezzi = std::max(1, static_cast<int>(std::ceil(lunghezza / std::max(1.0f, limite_))));
    const int W = dimensione_.width(), H = dimensione_.height();
    for (int k = 0; k < pezzi; ++k) {
        const QPointF p = a + (b - a) * (static_cast<double>(k) / pezzi);
        const QPointF q = a + (b - a) * (static_cast<double>(k + 1) / pezzi);
        // Pixel centres sit at x + 0.5.
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min(p.x(), q.x()) - limite_ - 0.5)));
        const int x1 = std::min(W - 1, static_cast<int>(std::ceil(std::max(p.x(), q.x()) + limite_ - 0.5)));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min(p.y(), q.y()) - limite_ - 0.5)));
        const int y1 = std::min(H - 1, static_cast<int>(std::ceil(std::max(p.y(), q.y()) + limite_ - 0.5)));
        if (x0 > x1 || y0 > y1) continue;
        const float ax = static_cast<float>(p.x()), ay = static_cast<float>(p.y());
        const float dx = static_cast<float>(q.x() - p.x()), dy = static_cast<float>(q.y() - p.y());
        const float ll = dx * dx + dy * dy;
        const float inverso = ll > 0.0f ? 1.0f / ll : 0.0f;
        for (int y = y0; y <= y1; ++y) {
            float* riga = distanze_.data() + static_cast<size_t>(y) * static_cast<size_t>(W);
            const float py = static_cast<float>(y) + 0.5f - ay;
            for (int x = x0; x <= x1; ++x) {
                const float px = static_cast<float>(x) + 0.5f - ax;
                const float t = std::clamp((px * dx + py * dy) * inverso, 0.0f, 1.0f);
                const float ex = px - t * dx, ey = py - t * dy;
                riga[x] = std::min(riga[x], ex * ex + ey * ey);
            }
        }
    }
}

float CampoDistanza::Distanza(int x, int y) const {
    if (x < 0 || y < 0 || x >= dimensione_.width() || y >= dimensione_.height()) return limite_;
    return distanze_[static_cast<size_t>(y) * static_cast<size_t>(dimensione_.width()) + static_cast<size_t>(x)];
}

QImage CampoDistanza::PilaTratti(const QColor& colore, int larghezzaFine) const {
    QImage pila(dimensione_, QImage::Format_ARGB32_Premultiplied);
    if (pila.isNull()) return pila;
    pila.fill(Qt::transparent);
    if (larghezzaFine <= 1 || colore.alpha() == 0) return pila;

    // The premultiplied pixel the stack leaves at each distance, composed stroke by stroke
    // in bytes as the raster engine composes them. A stroke of width w covers a pixel at
    // distance d by the part of it within w / 2 of the outline.
    const int passi = static_cast<int>(std::ceil(limite_ * PassiPerPixel)) + 1;
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

    const int W = dimensione_.width();
    for (int y = 0; y < dimensione_.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(pila.scanLine(y));
        const float* distanze = distanze_.data() + static_cast<size_t>(y) * static_cast<size_t>(W);
        for (int x = 0; x < W; ++x) {
            const int i = static_cast<int>(distanze[x] * PassiPerPixel + 0.5f);
            if (i < passi) riga[x] = tabella[static_cast<size_t>(i)];
        }
    }
    return pila;
}
