#include "render/Poligoni.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Every byte of a premultiplied pixel times a / 255, rounded as the raster engine rounds it.
inline std::uint32_t PerByte(std::uint32_t x, std::uint32_t a) {
    std::uint32_t t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// The part of the polygon on one side of a vertical line (x >= limite when minimo), with an
// edge along the line where it was cut, so every row still carries its coverage to the right.
void Taglia(const std::vector<QPointF>& dentro, std::vector<QPointF>& fuori, double limite, bool minimo) {
    fuori.clear();
    const size_t n = dentro.size();
    const auto interno = [&](const QPointF& p) { return minimo ? p.x() >= limite : p.x() <= limite; };
    for (size_t i = 0; i < n; ++i) {
        const QPointF& a = dentro[(i + n - 1) % n];
        const QPointF& b = dentro[i];
        const bool ia = interno(a), ib = interno(b);
        if (ia != ib) {
            const double t = (limite - a.x()) / (b.x() - a.x());
            fuori.emplace_back(limite, a.y() + t * (b.y() - a.y()));
        }
        if (ib) fuori.push_back(b);
    }
}

// Cells da .. a of a row, both included.
struct Tratto {
    int da = 0, a = 0;
};

// Adds one edge's piece inside a row to the row's cells: each cell gets the change in
// covered area it brings, so the running sum along the row is each pixel's coverage.
// Returns the cells it touched.
Tratto Accumula(float* celle, double xa, double xb, double d) {
    const double x0 = std::min(xa, xb), x1 = std::max(xa, xb);
    const double x0floor = std::floor(x0);
    const int x0i = static_cast<int>(x0floor);
    const double x1ceil = std::ceil(x1);
    const int x1i = static_cast<int>(x1ceil);
    if (x1i <= x0i + 1) {
        const double medio = 0.5 * (xa + xb) - x0floor;
        celle[x0i] += static_cast<float>(d - d * medio);
        celle[x0i + 1] += static_cast<float>(d * medio);
        return {x0i, x0i + 1};
    }
    const double s = 1.0 / (x1 - x0);
    const double x0f = x0 - x0floor;
    const double a0 = 0.5 * s * (1.0 - x0f) * (1.0 - x0f);
    const double x1f = x1 - x1ceil + 1.0;
    const double am = 0.5 * s * x1f * x1f;
    celle[x0i] += static_cast<float>(d * a0);
    if (x1i == x0i + 2) {
        celle[x0i + 1] += static_cast<float>(d * (1.0 - a0 - am));
    } else {
        const double a1 = s * (1.5 - x0f);
        celle[x0i + 1] += static_cast<float>(d * (a1 - a0));
        for (int xi = x0i + 2; xi < x1i - 1; ++xi) celle[xi] += static_cast<float>(d * s);
        const double a2 = a1 + (x1i - x0i - 3) * s;
        celle[x1i - 1] += static_cast<float>(d * (1.0 - a2 - am));
    }
    celle[x1i] += static_cast<float>(d * am);
    return {x0i, x1i};
}

std::vector<Tratto>& TrattiRiga() {
    thread_local std::vector<Tratto> tratti;
    return tratti;
}

// The polygon cut to the canvas's sides; false when nothing of it is left or it is not finite.
bool Prepara(const QPointF* punti, int n, int w, std::vector<QPointF>& poligono) {
    thread_local std::vector<QPointF> taglio;
    if (n < 3) return false;
    poligono.assign(punti, punti + n);
    for (const QPointF& p : poligono)
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
    // Whatever lies left or right of the canvas only carries its coverage along the row.
    Taglia(poligono, taglio, 0.0, true);
    Taglia(taglio, poligono, static_cast<double>(w), false);
    return poligono.size() >= 3;
}

// Calls scrivi(y, da, a, alfa) for every row y of r0 .. r1 - 1 for which salta(y, c0, c1) is
// false: alfa[x] is the coverage (0 .. 255) of pixel x for da <= x < a.
template <class Salta, class Scrivi>
void Copertura(const std::vector<QPointF>& poligono, int w, int r0, int r1, Salta&& salta, Scrivi&& scrivi) {
    const auto [x0, x1, y0, y1] = EstremiDi(poligono);
    r0 = std::max(r0, static_cast<int>(std::floor(y0)));
    r1 = std::min(r1, static_cast<int>(std::ceil(y1)));
    const int c0 = static_cast<int>(std::floor(x0));
    const int c1 = std::min(w - 1, static_cast<int>(std::floor(x1)));
    if (r0 >= r1 || c0 > c1) return;
    thread_local std::vector<float> celle;
    if (static_cast<int>(celle.size()) < w + 2) celle.assign(static_cast<size_t>(w) + 2, 0.0f);
    const size_t m = poligono.size();
    const double larghezza = w;
    std::vector<Tratto>& tratti = TrattiRiga();
    thread_local std::vector<std::uint8_t> alfa;
    if (static_cast<int>(alfa.size()) < w) alfa.assign(static_cast<size_t>(w), 0);
    const auto run = [&](int da, int a, float somma) {
        if (da >= a) return;
        const auto valore = static_cast<std::uint8_t>(std::min(1.0f, std::abs(somma)) * 255.0f + 0.5f);
        if (a - da == 1) alfa[static_cast<size_t>(da)] = valore;
        else std::fill(alfa.begin() + da, alfa.begin() + a, valore);
    };
    for (int y = r0; y < r1; ++y) {
        if (salta(y, c0, c1)) continue;
        tratti.clear();
        for (size_t i = 0; i < m; ++i) {
            const QPointF& p = poligono[i];
            const QPointF& q = poligono[(i + 1) % m];
            if (p.y() == q.y()) continue;
            const bool giu = q.y() > p.y();
            const QPointF& alto = giu ? p : q;
            const QPointF& basso = giu ? q : p;
            const double ya = std::max(static_cast<double>(y), alto.y());
            const double yb = std::min(static_cast<double>(y + 1), basso.y());
            if (!(ya < yb)) continue;
            // Each row from the edge's own ends: the same numbers whichever rows are drawn.
            // Clamped: an end on the canvas's side may land a rounding error beyond it.
            const double dxdy = (basso.x() - alto.x()) / (basso.y() - alto.y());
            const double xa = std::clamp(alto.x() + (ya - alto.y()) * dxdy, 0.0, larghezza);
            const double xb = std::clamp(alto.x() + (yb - alto.y()) * dxdy, 0.0, larghezza);
            tratti.push_back(Accumula(celle.data(), xa, xb, giu ? yb - ya : ya - yb));
        }
        std::sort(tratti.begin(), tratti.end(), [](const Tratto& a, const Tratto& b) { return a.da < b.da; });
        // Between the cells the edges touched the coverage stays as it is: those runs go whole.
        float somma = 0.0f;
        int x = c0;
        for (const Tratto& t : tratti) {
            run(x, std::min(t.da, c1 + 1), somma);
            for (int k = std::max(t.da, x); k <= t.a; ++k) {
                somma += celle[static_cast<size_t>(k)];
                celle[static_cast<size_t>(k)] = 0.0f;
                if (k <= c1) run(k, k + 1, somma);
            }
            x = std::max(x, t.a + 1);
        }
        run(x, c1 + 1, somma);
        scrivi(y, c0, c1 + 1, alfa.data());
    }
}

// The buffers of one thread's layer, kept between bands and frames: fresh pages for every
// band cost more than the drawing of many of them.
std::vector<std::uint32_t>& PixelStrato() {
    thread_local std::vector<std::uint32_t> pixel;
    return pixel;
}

std::vector<std::uint64_t>& OpachiStrato() {
    thread_local std::vector<std::uint64_t> opachi;
    return opachi;
}

// Whether bits da .. a of the row's mask are all set.
inline bool Piena(const std::uint64_t* riga, int da, int a) {
    const int p0 = da / 64, p1 = a / 64;
    const std::uint64_t testa = ~0ull << (da % 64);
    const std::uint64_t coda = (a % 64) == 63 ? ~0ull : (2ull << (a % 64)) - 1;
    if (p0 == p1) return (riga[p0] & testa & coda) == (testa & coda);
    if ((riga[p0] & testa) != testa || (riga[p1] & coda) != coda) return false;
    for (int p = p0 + 1; p < p1; ++p)
        if (riga[p] != ~0ull) return false;
    return true;
}

}  // namespace

StratoFacce::StratoFacce(const QRect& righe, int larghezza)
    : righe_(righe), larghezza_(std::max(larghezza, 0)), parole_((larghezza_ + 63) / 64), pixel_(PixelStrato()),
      opachi_(OpachiStrato()) {
    const size_t h = static_cast<size_t>(std::max(righe_.height(), 0));
    pixel_.assign(h * static_cast<size_t>(larghezza_), 0u);
    opachi_.assign(h * static_cast<size_t>(parole_), 0u);
}

bool StratoFacce::RigaCoperta(int y, int da, int a) const {
    return Piena(opachi_.data() + static_cast<size_t>(y - righe_.top()) * static_cast<size_t>(parole_), da, a);
}

bool StratoFacce::Coperto(const QRect& zona) const {
    const QRect z = zona.intersected(QRect(0, righe_.top(), larghezza_, righe_.height()));
    if (z.isEmpty()) return true;
    for (int y = z.top(); y <= z.bottom(); ++y)
        if (!RigaCoperta(y, z.left(), z.right())) return false;
    return true;
}

// The colour at each pixel's coverage under the pixels da .. a - 1 of row y.
void StratoFacce::Aggiungi(int y, int da, int a, std::uint32_t colore, const std::uint8_t* alfa) {
    const size_t r = static_cast<size_t>(y - righe_.top());
    std::uint32_t* riga = pixel_.data() + r * static_cast<size_t>(larghezza_);
    std::uint64_t* opachi = opachi_.data() + r * static_cast<size_t>(parole_);
    // Word by word of the mask: only the pixels not yet opaque are visited.
    while (da < a) {
        const int parola = da / 64;
        const int fine = std::min(a, (parola + 1) * 64);
        std::uint64_t bit = opachi[parola];
        const std::uint64_t tratto = (~0ull << (da % 64)) & (fine % 64 == 0 ? ~0ull : (1ull << (fine % 64)) - 1);
        for (std::uint64_t liberi = ~bit & tratto; liberi != 0; liberi &= liberi - 1) {
            const int x = parola * 64 + std::countr_zero(liberi);
            const std::uint32_t copertura = alfa[x];
            if (copertura == 0) continue;
            const std::uint32_t d = riga[x];
            const std::uint32_t resto = 255u - (d >> 24);
            const std::uint32_t s = copertura == 255u ? colore : PerByte(colore, copertura);
            const std::uint32_t nuovo = resto == 255u ? s : d + PerByte(s, resto);
            riga[x] = nuovo;
            if ((nuovo >> 24) == 255u) bit |= 1ull << (x % 64);
        }
        opachi[parola] = bit;
        da = fine;
    }
}

void StratoFacce::Sotto(const QPointF* punti, int n, QRgb colore) {
    if (qAlpha(colore) == 0 || righe_.isEmpty() || larghezza_ == 0) return;
    thread_local std::vector<QPointF> poligono;
    if (!Prepara(punti, n, larghezza_, poligono)) return;
    Copertura(
        poligono, larghezza_, righe_.top(), righe_.bottom() + 1,
        [this](int y, int c0, int c1) { return RigaCoperta(y, c0, c1); },
        [this, colore](int y, int da, int a, const std::uint8_t* alfa) { Aggiungi(y, da, a, colore, alfa); });
}

void StratoFacce::SottoImmagine(const QImage& immagine, QPoint dove) {
    if (immagine.isNull() || immagine.format() != QImage::Format_ARGB32_Premultiplied) return;
    const QRect zona =
        QRect(dove, immagine.size()).intersected(QRect(0, righe_.top(), larghezza_, righe_.height()));
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        const auto* sorgente = reinterpret_cast<const std::uint32_t*>(immagine.constScanLine(y - dove.y()));
        const size_t r = static_cast<size_t>(y - righe_.top());
        std::uint32_t* riga = pixel_.data() + r * static_cast<size_t>(larghezza_);
        std::uint64_t* opachi = opachi_.data() + r * static_cast<size_t>(parole_);
        for (int x = zona.left(); x <= zona.right(); ++x) {
            const std::uint32_t s = sorgente[x - dove.x()];
            const std::uint32_t resto = 255u - (riga[x] >> 24);
            if (s == 0 || resto == 0) continue;
            riga[x] += PerByte(s, resto);
            if ((riga[x] >> 24) == 255u) opachi[x / 64] |= 1ull << (x % 64);
        }
    }
}

void StratoFacce::Posa(QImage& tela) const {
    if (tela.isNull() || tela.format() != QImage::Format_ARGB32_Premultiplied || tela.width() != larghezza_) return;
    const QRect zona = righe_.intersected(tela.rect());
    // The canvas's own rows, as the band painters write them: never detached.
    uchar* pixel = const_cast<uchar*>(tela.constBits());
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        auto* riga = reinterpret_cast<std::uint32_t*>(pixel + static_cast<qsizetype>(y) * tela.bytesPerLine());
        const std::uint32_t* strato = pixel_.data() + static_cast<size_t>(y - righe_.top()) * static_cast<size_t>(larghezza_);
        const std::uint64_t* opachi = opachi_.data() + static_cast<size_t>(y - righe_.top()) * static_cast<size_t>(parole_);
        for (int x0 = 0; x0 < larghezza_; x0 += 64) {
            const int x1 = std::min(larghezza_, x0 + 64);
            // Wholly opaque stretches replace what is under them.
            if (opachi[x0 / 64] == ~0ull) {
                std::copy(strato + x0, strato + x1, riga + x0);
                continue;
            }
            for (int x = x0; x < x1; ++x) {
                const std::uint32_t s = strato[x];
                const std::uint32_t resto = 255u - (s >> 24);
                if (resto == 255u) continue;
                riga[x] = resto == 0 ? s : s + PerByte(riga[x], resto);
            }
        }
    }
}
