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

CampoDistanza::CampoDistanza(const QPainterPath& percorso, QSize dimensione, float limite, int striscia)
    : dimensione_(dimensione.isValid() ? dimensione : QSize(0, 0)),
      limite_(std::max(0.0f, limite)),
      striscia_(std::max(1, striscia)),
      figure_(dimensione_.isEmpty() ? QList<QPolygonF>() : percorso.toSubpathPolygons()) {}

namespace {

// Measures the pixels of columns [g0, g1) within the band of the segment from a to b, in a
// grid of g1 - g0 columns with a border of one far pixel all round. A long segment goes in
// pieces no longer than the band, so each piece touches a box of a few pixels. Each pixel
// works with its own column, so a strip's pixels get the very numbers the whole picture would.
template <class Vicino>
void Segmento(QPointF a, QPointF b, float raggio, int g0, int g1, int H, Vicino* griglia) {
    if (std::min(a.x(), b.x()) - raggio - 2.0 > g1 || std::max(a.x(), b.x()) + raggio + 2.0 < g0) return;
    const double lunghezza = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int pezzi = std::max(1, static_cast<int>(std::ceil(lunghezza / Banda)));
    const size_t l = static_cast<size_t>(g1 - g0 + 2);
    for (int k = 0; k < pezzi; ++k) {
        const QPointF p = a + (b - a) * (static_cast<double>(k) / pezzi);
        const QPointF q = a + (b - a) * (static_cast<double>(k + 1) / pezzi);
        // Pixel centres sit at x + 0.5.
        const int x0 = std::max(g0, static_cast<int>(std::floor(std::min(p.x(), q.x()) - raggio - 0.5)));
        const int x1 = std::min(g1 - 1, static_cast<int>(std::ceil(std::max(p.x(), q.x()) + raggio - 0.5)));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min(p.y(), q.y()) - raggio - 0.5)));
        const int y1 = std::min(H - 1, static_cast<int>(std::ceil(std::max(p.y(), q.y()) + raggio - 0.5)));
        if (x0 > x1 || y0 > y1) continue;
        const float ax = static_cast<float>(p.x()), ay = static_cast<float>(p.y());
        const float dx = static_cast<float>(q.x() - p.x()), dy = static_cast<float>(q.y() - p.y());
        const float ll = dx * dx + dy * dy;
        const float inverso = ll > 0.0f ? 1.0f / ll : 0.0f;
        for (int y = y0; y <= y1; ++y) {
            Vicino* riga = griglia + static_cast<size_t>(y + 1) * l + 1;
            const float py = static_cast<float>(y) + 0.5f - ay;
            for (int x = x0; x <= x1; ++x) {
                const float px = static_cast<float>(x) + 0.5f - ax;
                const float t = std::clamp((px * dx + py * dy) * inverso, 0.0f, 1.0f);
                const float ex = px - t * dx, ey = py - t * dy;
                const float q2 = ex * ex + ey * ey;
                Vicino& v = riga[x - g0];
                if (q2 < v.d2) v = {q2, ax + t * dx, ay + t * dy};
            }
        }
    }
}

// Carries the nearest outline points outward over the grid of columns [g0, g1): two sweeps,
// each pixel trying the points of the neighbours already swept (the eight-neighbour vector
// transform). The far border spares every neighbour a bounds test; a pixel beyond the limit
// passes nothing on, as no pixel it reaches could use it.
template <class Vicino>
void Propaga(float limite, int g0, int g1, int H, Vicino* g) {
    const int W = g1 - g0;
    const size_t l = static_cast<size_t>(W + 2);
    const float oltre = (limite + 1.5f) * (limite + 1.5f);
    const auto prova = [g, oltre](Vicino& pixel, float cx, float cy, size_t v) {
        const Vicino& vicino = g[v];
        if (vicino.d2 > oltre) return;
        const float ex = cx - vicino.x, ey = cy - vicino.y;
        const float q2 = ex * ex + ey * ey;
        if (q2 < pixel.d2) pixel = {q2, vicino.x, vicino.y};
    };
    // Column x of the grid is the picture's column g0 + x - 1, whose centre is g0 + x - 0.5.
    const auto centro = [g0](int x) { return static_cast<float>(g0 + x) - 0.5f; };
    for (int y = 1; y <= H; ++y) {
        const float cy = static_cast<float>(y) - 0.5f;
        for (int x = 1; x <= W; ++x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            const float cx = centro(x);
            prova(g[k], cx, cy, k - 1);
            prova(g[k], cx, cy, k - l - 1);
            prova(g[k], cx, cy, k - l);
            prova(g[k], cx, cy, k - l + 1);
        }
        for (int x = W; x >= 1; --x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            prova(g[k], centro(x), cy, k + 1);
        }
    }
    for (int y = H; y >= 1; --y) {
        const float cy = static_cast<float>(y) - 0.5f;
        for (int x = W; x >= 1; --x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            const float cx = centro(x);
            prova(g[k], cx, cy, k + 1);
            prova(g[k], cx, cy, k + l + 1);
            prova(g[k], cx, cy, k + l);
            prova(g[k], cx, cy, k + l - 1);
        }
        for (int x = 1; x <= W; ++x) {
            const size_t k = static_cast<size_t>(y) * l + static_cast<size_t>(x);
            prova(g[k], centro(x), cy, k - 1);
        }
    }
}

}  // namespace

// A point is carried only by pixels within the limit (plus a pixel and a half) of it, so what
// a pixel ends with comes from the outline close around it: a strip measured with a wide
// margin of columns on each side holds, inside, the distances of the whole picture.
void CampoDistanza::MisuraStriscia(int x0, int x1, std::vector<float>& distanze) const {
    const int W = dimensione_.width(), H = dimensione_.height();
    const int margine = 4 * static_cast<int>(std::ceil(limite_ + 2.0f)) + 16;
    const int g0 = std::max(0, x0 - margine), g1 = std::min(W, x1 + margine);
    std::vector<Vicino> griglia(static_cast<size_t>(g1 - g0 + 2) * static_cast<size_t>(H + 2), Vicino{Lontano, 0.0f, 0.0f});
    const float raggio = std::min(Banda, limite_);
    for (const QPolygonF& figura : figure_) {
        if (figura.size() == 1) Segmento(figura[0], figura[0], raggio, g0, g1, H, griglia.data());
        for (qsizetype i = 0; i + 1 < figura.size(); ++i) Segmento(figura[i], figura[i + 1], raggio, g0, g1, H, griglia.data());
    }
    Propaga(limite_, g0, g1, H, griglia.data());
    const size_t l = static_cast<size_t>(g1 - g0 + 2);
    const int w = x1 - x0;
    distanze.resize(static_cast<size_t>(w) * static_cast<size_t>(H));
    for (int y = 0; y < H; ++y) {
        const Vicino* riga = griglia.data() + static_cast<size_t>(y + 1) * l + 1 + (x0 - g0);
        float* uscita = distanze.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        for (int x = 0; x < w; ++x) uscita[x] = std::min(std::sqrt(riga[x].d2), limite_);
    }
}

float CampoDistanza::Distanza(int x, int y) const {
    if (x < 0 || y < 0 || x >= dimensione_.width() || y >= dimensione_.height()) return limite_;
    const int k = x / striscia_;
    const int x0 = k * striscia_, x1 = std::min(dimensione_.width(), x0 + striscia_);
    if (k != strisciaLetta_) {
        MisuraStriscia(x0, x1, distanzeLette_);
        strisciaLetta_ = k;
    }
    return distanzeLette_[static_cast<size_t>(y) * static_cast<size_t>(x1 - x0) + static_cast<size_t>(x - x0)];
}

QImage CampoDistanza::PilaTratti(const QColor& colore, int larghezzaFine, QPoint spostamento) const {
    QImage pila(dimensione_, QImage::Format_ARGB32_Premultiplied);
    if (pila.isNull()) return pila;
    pila.fill(Qt::transparent);
    ScriviPilaTratti(pila, colore, larghezzaFine, spostamento);
    return pila;
}

void CampoDistanza::ScriviStriscia(QImage& pila, int inizio, int f0, int f1, const std::vector<QRgb>& tabella,
                                   QPoint spostamento, std::vector<float>& distanze) const {
    const int H = dimensione_.height(), w = f1 - f0;
    const int passi = static_cast<int>(tabella.size());
    const int dx = spostamento.x(), dy = spostamento.y();
    MisuraStriscia(f0, f1, distanze);
    for (int y = std::max(0, dy); y < std::min(H, H + dy); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(pila.scanLine(y)) + (f0 + dx - inizio);
        const float* d = distanze.data() + static_cast<size_t>(y - dy) * static_cast<size_t>(w);
        for (int x = 0; x < w; ++x) {
            const int i = static_cast<int>(d[x] * PassiPerPixel + 0.5f);
            if (i < passi) riga[x] = tabella[static_cast<size_t>(i)];
        }
    }
}

void CampoDistanza::ScriviPilaTratti(QImage& pila, const QColor& colore, int larghezzaFine, QPoint spostamento) const {
    if (pila.size() != dimensione_) return;
    ScriviPilaTratti(pila, 0, colore, larghezzaFine, spostamento);
}

void CampoDistanza::ScriviPilaTratti(QImage& pila, int inizio, const QColor& colore, int larghezzaFine,
                                     QPoint spostamento) const {
    const int W = dimensione_.width();
    if (pila.height() != dimensione_.height() || pila.format() != QImage::Format_ARGB32_Premultiplied || inizio < 0 ||
        inizio + pila.width() > W)
        return;
    if (larghezzaFine <= 1 || colore.alpha() == 0) return;
    const std::vector<QRgb> tabella = TabellaTratti(colore, larghezzaFine, limite_);
    // Pixel (x, y) reads the field at (x - dx, y - dy); beyond the field the stack is clear.
    const int c0 = std::clamp(inizio - spostamento.x(), 0, W), c1 = std::clamp(inizio + pila.width() - spostamento.x(), 0, W);
    std::vector<float> distanze;
    for (int f0 = c0; f0 < c1; f0 += striscia_) ScriviStriscia(pila, inizio, f0, std::min(c1, f0 + striscia_), tabella, spostamento, distanze);
}

void CampoDistanza::DisegnaPilaTratti(QPainter& pittore, const QColor& colore, int larghezzaFine, int x0, int x1) const {
    const int W = dimensione_.width();
    x0 = std::clamp(x0, 0, W);
    x1 = x1 < 0 ? W : std::clamp(x1, x0, W);
    if (dimensione_.isEmpty() || x0 >= x1 || larghezzaFine <= 1 || colore.alpha() == 0) return;
    const std::vector<QRgb> tabella = TabellaTratti(colore, larghezzaFine, limite_);
    std::vector<float> distanze;
    for (int f0 = x0; f0 < x1; f0 += striscia_) {
        const int f1 = std::min(x1, f0 + striscia_);
        QImage pezzo(f1 - f0, dimensione_.height(), QImage::Format_ARGB32_Premultiplied);
        if (pezzo.isNull()) return;
        pezzo.fill(Qt::transparent);
        ScriviStriscia(pezzo, f0, f0, f1, tabella, {}, distanze);
        pittore.drawImage(f0, 0, pezzo);
    }
}
