#include "render/Poligoni.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// v rounded down to an integer within lo .. hi, whatever its size.
inline int Entro(double v, int lo, int hi) {
    return static_cast<int>(std::clamp(std::floor(v), static_cast<double>(lo), static_cast<double>(hi)));
}

// Bits da .. a (0 <= da <= a) of a row's opaque mask: the words that hold them and the ends'
// masks, worked out once for every row a polygon crosses.
struct Bit {
    int p0, p1;
    std::uint64_t testa, coda;
    Bit(int da, int a)
        : p0(da / 64), p1(a / 64), testa(~0ull << (da % 64)), coda((a % 64) == 63 ? ~0ull : (2ull << (a % 64)) - 1) {
        if (p0 == p1) testa &= coda;
    }
    // Whether they are all set in the row's mask.
    bool Pieni(const std::uint64_t* riga) const {
        if (p0 == p1) return (riga[p0] & testa) == testa;
        if ((riga[p0] & testa) != testa || (riga[p1] & coda) != coda) return false;
        for (int p = p0 + 1; p < p1; ++p)
            if (riga[p] != ~0ull) return false;
        return true;
    }
};

// A slanted edge, top end first, as each row reads it.
struct Lato {
    double xAlto, yAlto, yBasso, dxdy;
    bool giu;  // drawn downward: adds coverage to its right
};

// Calls scrivi(y, da, a, alfa) for every row y of r0 .. r1 - 1 for which salta(y, bit) is
// false (bit: the polygon's columns c0 .. c1) and some pixel is covered: alfa[x] is the coverage (0 .. 255) of pixel x for
// da <= x < a, and no pixel of c0 .. c1 outside da .. a - 1 is covered.
template <class Salta, class Scrivi>
void Copertura(const std::vector<QPointF>& poligono, int w, int r0, int r1, Salta&& salta, Scrivi&& scrivi) {
    const auto [x0, x1, y0, y1] = EstremiDi(poligono);
    r0 = Entro(y0, r0, r1);
    r1 = -Entro(-y1, -r1, -r0);
    const int c0 = Entro(x0, 0, w);
    const int c1 = Entro(x1, -1, w - 1);
    if (r0 >= r1 || c0 > c1) return;
    const Bit bit(c0, c1);
    thread_local std::vector<float> celle;
    if (static_cast<int>(celle.size()) < w + 2) celle.assign(static_cast<size_t>(w) + 2, 0.0f);
    thread_local std::vector<std::uint8_t> alfa;
    if (static_cast<int>(alfa.size()) < w) alfa.assign(static_cast<size_t>(w), 0);
    // The edges once for every row, in the polygon's order (the order their pieces add up in).
    thread_local std::vector<Lato> lati;
    lati.clear();
    const size_t m = poligono.size();
    for (size_t i = 0; i < m; ++i) {
        const QPointF& p = poligono[i];
        const QPointF& q = poligono[(i + 1) % m];
        if (p.y() == q.y()) continue;
        const bool giu = q.y() > p.y();
        const QPointF& alto = giu ? p : q;
        const QPointF& basso = giu ? q : p;
        lati.push_back({alto.x(), alto.y(), basso.y(), (basso.x() - alto.x()) / (basso.y() - alto.y()), giu});
    }
    const double larghezza = w;
    float* const cella = celle.data();
    std::uint8_t* const copertura = alfa.data();
    const auto valore = [](float somma) {
        return static_cast<std::uint8_t>(std::min(1.0f, std::abs(somma)) * 255.0f + 0.5f);
    };
    const std::span<const Lato> lato(lati);
    thread_local std::vector<Tratto> pezzi;
    pezzi.resize(lati.size());
    Tratto* const tratti = pezzi.data();
    for (int y = r0; y < r1; ++y) {
        if (salta(y, bit)) continue;
        int n = 0;
        for (const Lato& l : lato) {
            const double ya = std::max(static_cast<double>(y), l.yAlto);
            const double yb = std::min(static_cast<double>(y + 1), l.yBasso);
            if (!(ya < yb)) continue;
            // Each row from the edge's own ends: the same numbers whichever rows are drawn.
            // Clamped: an end on the canvas's side may land a rounding error beyond it.
            const double xa = std::clamp(l.xAlto + (ya - l.yAlto) * l.dxdy, 0.0, larghezza);
            const double xb = std::clamp(l.xAlto + (yb - l.yAlto) * l.dxdy, 0.0, larghezza);
            const Tratto t = Accumula(cella, xa, xb, l.giu ? yb - ya : ya - yb);
            // In order of their first cell, as they are found.
            int i = n++;
            for (; i > 0 && tratti[i - 1].da > t.da; --i) tratti[i] = tratti[i - 1];
            tratti[i] = t;
        }
        if (n == 0) continue;
        // A rounding error's worth left of the polygon is dropped.
        for (int k = tratti[0].da; k < c0; ++k) cella[k] = 0.0f;
        // The running sum over the cells the edges touched; between them it stays as it is.
        const int da = std::max(tratti[0].da, c0);
        float somma = 0.0f;
        int x = da;
        for (int i = 0; i < n; ++i) {
            const Tratto& t = tratti[i];
            if (t.da > x) {
                if (x <= c1) std::memset(copertura + x, valore(somma), static_cast<size_t>(std::min(t.da, c1 + 1) - x));
                x = t.da;
            }
            for (; x <= t.a; ++x) {
                somma += cella[x];
                cella[x] = 0.0f;
                if (x <= c1) copertura[x] = valore(somma);
            }
        }
        int a = std::min(x, c1 + 1);
        // What the sum leaves right of the last edge, rounding error too, runs to the end.
        if (a <= c1 && valore(somma) != 0) {
            std::memset(copertura + a, valore(somma), static_cast<size_t>(c1 + 1 - a));
            a = c1 + 1;
        }
        if (da < a) scrivi(y, da, a, copertura);
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

}  // namespace

StratoFacce::StratoFacce(const QRect& righe, int larghezza)
    : righe_(righe), larghezza_(std::max(larghezza, 0)), parole_((larghezza_ + 63) / 64), pixel_(PixelStrato()),
      opachi_(OpachiStrato()) {
    const size_t h = static_cast<size_t>(std::max(righe_.height(), 0));
    pixel_.assign(h * static_cast<size_t>(larghezza_), 0u);
    opachi_.assign(h * static_cast<size_t>(parole_), 0u);
}

bool StratoFacce::Coperto(const QRect& zona) const {
    const QRect z = zona.intersected(QRect(0, righe_.top(), larghezza_, righe_.height()));
    if (z.isEmpty()) return true;
    const Bit bit(z.left(), z.right());
    for (int y = z.top(); y <= z.bottom(); ++y)
        if (!bit.Pieni(Opachi(y))) return false;
    return true;
}

namespace {

// The colour at coverage copertura under the pixel d: what is already there lets through
// only its transparent part.
inline std::uint32_t Sotto1(std::uint32_t d, std::uint32_t colore, std::uint32_t copertura) {
    const std::uint32_t resto = 255u - (d >> 24);
    const std::uint32_t s = copertura == 255u ? colore : PerByte(colore, copertura);
    return resto == 255u ? s : d + PerByte(s, resto);
}

#ifdef __SSE2__
// PerByte on eight 16-bit channels at once.
inline __m128i PerByte8(__m128i x, __m128i a) {
    const __m128i t = _mm_mullo_epi16(x, a);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), _mm_set1_epi16(0x80)), 8);
}

// Sotto1 for four pixels at once: the same sums (a coverage of 0 or 255, or a pixel already
// clear or opaque, comes out of them exactly as Sotto1 takes it), then the opaque ones as
// four bits.
inline int Sotto4(std::uint32_t* riga, const std::uint8_t* alfa, __m128i colore) {
    const __m128i zero = _mm_setzero_si128();
    std::int32_t c;
    std::memcpy(&c, alfa, 4);
    __m128i copertura = _mm_unpacklo_epi8(_mm_cvtsi32_si128(c), _mm_cvtsi32_si128(c));
    copertura = _mm_unpacklo_epi16(copertura, copertura);  // each pixel's coverage in its four bytes
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(riga));
    __m128i parti[2];
    for (int meta = 0; meta < 2; ++meta) {
        const __m128i dm = meta == 0 ? _mm_unpacklo_epi8(d, zero) : _mm_unpackhi_epi8(d, zero);
        const __m128i cm = meta == 0 ? _mm_unpacklo_epi8(copertura, zero) : _mm_unpackhi_epi8(copertura, zero);
        const __m128i alfaD = _mm_shufflehi_epi16(_mm_shufflelo_epi16(dm, 0xFF), 0xFF);
        const __m128i resto = _mm_sub_epi16(_mm_set1_epi16(255), alfaD);
        parti[meta] = _mm_add_epi16(dm, PerByte8(PerByte8(colore, cm), resto));
    }
    const __m128i nuovo = _mm_packus_epi16(parti[0], parti[1]);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(riga), nuovo);
    return _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_srli_epi32(nuovo, 24), _mm_set1_epi32(255))));
}
#endif

}  // namespace

// The colour at each pixel's coverage under the pixels da .. a - 1 of row y.
void StratoFacce::Aggiungi(int y, int da, int a, std::uint32_t colore, const std::uint8_t* alfa) {
    const size_t r = static_cast<size_t>(y - righe_.top());
    std::uint32_t* riga = pixel_.data() + r * static_cast<size_t>(larghezza_);
    std::uint64_t* opachi = opachi_.data() + r * static_cast<size_t>(parole_);
#ifdef __SSE2__
    const __m128i colore8 = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(colore)), _mm_setzero_si128());
#endif
    // Word by word of the mask: only the pixels not yet opaque are visited.
    while (da < a) {
        const int parola = da / 64;
        const int fine = std::min(a, (parola + 1) * 64);
        std::uint64_t bit = opachi[parola];
        const std::uint64_t tratto = (~0ull << (da % 64)) & (fine % 64 == 0 ? ~0ull : (1ull << (fine % 64)) - 1);
        std::uint64_t liberi = ~bit & tratto;
#ifdef __SSE2__
        // Most of the stretch still open (a face over fresh rows): four pixels at a time,
        // the opaque ones among them left as they are by the sums themselves.
        if (std::popcount(liberi) > 12) {
            int x = da;
            for (; x + 4 <= fine; x += 4)
                bit |= static_cast<std::uint64_t>(Sotto4(riga + x, alfa + x, colore8)) << (x % 64);
            liberi = ~bit & tratto & (~0ull << (x % 64));
            if (x == fine) liberi = 0;
        }
#endif
        for (; liberi != 0; liberi &= liberi - 1) {
            const int x = parola * 64 + std::countr_zero(liberi);
            const std::uint32_t copertura = alfa[x];
            if (copertura == 0) continue;
            const std::uint32_t nuovo = Sotto1(riga[x], colore, copertura);
            riga[x] = nuovo;
            if ((nuovo >> 24) == 255u) bit |= 1ull << (x % 64);
        }
        opachi[parola] = bit;
        da = fine;
    }
}

void StratoFacce::Sotto(const QPointF* punti, int n, QRgb colore) {
    if (qAlpha(colore) == 0 || righe_.isEmpty() || larghezza_ == 0 || n < 3) return;
    // Most faces of a deep scene lie wholly behind nearer ones: told from their extremes
    // alone, before any cutting or edge.
    // Told before any comparison: a minimum or maximum of a NaN is an invalid operation.
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(punti[i].x()) || !std::isfinite(punti[i].y())) return;
    const Estremi e = EstremiDi(std::span<const QPointF>(punti, static_cast<size_t>(n)));
    const int basso = righe_.bottom() + 1;
    const int r0 = Entro(e.y0, righe_.top(), basso), r1 = -Entro(-e.y1, -basso, -r0);
    const Bit tutta(Entro(e.x0, 0, larghezza_ - 1), Entro(e.x1, 0, larghezza_ - 1));
    int y = r0;
    while (y < r1 && tutta.Pieni(Opachi(y))) ++y;
    if (y == r1) return;

    thread_local std::vector<QPointF> poligono;
    if (!Prepara(punti, n, larghezza_, poligono)) return;
    Copertura(
        poligono, larghezza_, righe_.top(), basso, [this](int y, const Bit& bit) { return bit.Pieni(Opachi(y)); },
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
