#include "platform/Grafica.h"

#include <QPixelFormat>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#include <immintrin.h>
#include <tmmintrin.h>
#endif

MatriceColore MatriceColore::Identita() {
    MatriceColore r;
    for (int i = 0; i < 5; ++i) r.m[i][i] = 1.0f;
    return r;
}

MatriceColore MatriceColore::Alfa(float fattore) {
    MatriceColore r = Identita();
    r.m[3][3] = fattore;
    return r;
}

MatriceColore MatriceColore::Colori(float scala, float aggiunta, float fattoreAlfa) {
    MatriceColore r = Identita();
    for (int i = 0; i < 3; ++i) {
        r.m[i][i] = scala;
        r.m[4][i] = aggiunta;
    }
    r.m[3][3] = fattoreAlfa;
    return r;
}

bool MatriceColore::SoloAlfa(float* fattore) const {
    MatriceColore prova = Alfa(m[3][3]);
    if (!(prova == *this)) return false;
    if (fattore) *fattore = m[3][3];
    return true;
}

namespace {

// round(c x 255 / a) for every alpha a and colour c (above a, as no premultiplied pixel has
// it, 255 at most): 64 KB, made once.
struct Quozienti {
    std::array<std::array<std::uint8_t, 256>, 256> t{};
    Quozienti() {
        for (int a = 1; a < 256; ++a)
            for (int c = 0; c < 256; ++c)
                t[static_cast<size_t>(a)][static_cast<size_t>(c)] = static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
    }
};

const Quozienti& TabellaQuozienti() {
    static const Quozienti* tabella = new Quozienti;
    return *tabella;
}

bool Premoltiplicato(QImage::Format formato) {
    return QImage::toPixelFormat(formato).premultiplied() == QPixelFormat::Premultiplied;
}

// Keeps what convertToFormat carries over beside the pixels.
void CopiaDati(const QImage& da, QImage& a) {
    a.setDotsPerMeterX(da.dotsPerMeterX());
    a.setDotsPerMeterY(da.dotsPerMeterY());
    a.setDevicePixelRatio(da.devicePixelRatio());
    a.setOffset(da.offset());
    for (const QString& chiave : da.textKeys()) a.setText(chiave, da.text(chiave));
}

}  // namespace

void NonPremoltiplica(const QRgb* sorgente, QRgb* destinazione, int n, QRgb sottoTrasparente) {
    const auto& t = TabellaQuozienti().t;
    for (int i = 0; i < n; ++i) {
        const QRgb p = sorgente[i];
        const QRgb a = p >> 24;
        // Opaque and clear pixels, the most of any picture, need no division.
        if (a == 255) {
            destinazione[i] = p;
        } else if (a == 0) {
            destinazione[i] = sottoTrasparente;
        } else {
            const auto& q = t[a];
            destinazione[i] = (a << 24) | (QRgb(q[(p >> 16) & 0xFF]) << 16) | (QRgb(q[(p >> 8) & 0xFF]) << 8) | q[p & 0xFF];
        }
    }
}

QImage ConvertiFormato(const QImage& immagine, QImage::Format formato) {
    if (immagine.isNull() || immagine.format() == formato) return immagine;
    if (!Premoltiplicato(immagine.format()) || Premoltiplicato(formato)) return immagine.convertToFormat(formato);
    const QImage pm = immagine.format() == QImage::Format_ARGB32_Premultiplied
                          ? immagine
                          : immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const bool rgb32 = formato == QImage::Format_RGB32, rgb888 = formato == QImage::Format_RGB888;
    QImage uscita(pm.size(), rgb32 || rgb888 ? formato : QImage::Format_ARGB32);
    if (uscita.isNull()) return uscita;
    CopiaDati(pm, uscita);
    const int w = pm.width();
    std::vector<QRgb> riga(rgb888 ? static_cast<size_t>(w) : 0);
    for (int y = 0; y < pm.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(pm.constScanLine(y));
        if (rgb888) {
            NonPremoltiplica(in, riga.data(), w);
            std::uint8_t* out = uscita.scanLine(y);
            for (int x = 0; x < w; ++x) {
                out[3 * x] = static_cast<std::uint8_t>(qRed(riga[static_cast<size_t>(x)]));
                out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(riga[static_cast<size_t>(x)]));
                out[3 * x + 2] = static_cast<std::uint8_t>(qBlue(riga[static_cast<size_t>(x)]));
            }
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(uscita.scanLine(y));
        NonPremoltiplica(in, out, w);
        if (rgb32)
            for (int x = 0; x < w; ++x) out[x] |= 0xFF000000u;
    }
    // Any other straight format from straight ARGB32, which Qt converts without dividing.
    return uscita.format() == formato ? uscita : uscita.convertToFormat(formato);
}

namespace {

// One pixel through the matrix, values 0..1: the one arithmetic both ways below share.
void Tingi(const float v[4], const std::array<std::array<float, 5>, 5>& m, int out[4]) {
    for (int c = 0; c < 4; ++c) {
        const float s = v[0] * m[0][c] + v[1] * m[1][c] + v[2] * m[2][c] + v[3] * m[3][c] + m[4][c];
        out[c] = static_cast<int>(std::clamp(s, 0.0f, 1.0f) * 255.0f + 0.5f);
    }
}

}  // namespace

QImage ApplicaMatriceColore(const QImage& sorgente, const MatriceColore& matrice) {
    QImage img = ConvertiFormato(sorgente, QImage::Format_ARGB32);
    if (img.isNull()) return img;
    const auto& m = matrice.m;
    bool diagonale = true;
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 4; ++c)
            if (i != c && m[i][c] != 0.0f) diagonale = false;
    if (diagonale) {
        // Each channel then depends on itself alone (the other terms add exact zeros), so a
        // table of 256 values a channel gives the very same bytes at a fraction of the cost:
        // intros tint their logo every frame.
        std::array<std::array<quint8, 256>, 4> tabella{};
        for (int i = 0; i < 256; ++i) {
            const float v[4] = {i / 255.0f, i / 255.0f, i / 255.0f, i / 255.0f};
            int out[4];
            Tingi(v, m, out);
            for (int c = 0; c < 4; ++c) tabella[static_cast<size_t>(c)][static_cast<size_t>(i)] = static_cast<quint8>(out[c]);
        }
        for (int y = 0; y < img.height(); ++y) {
            auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = riga[x];
                riga[x] = qRgba(tabella[0][static_cast<size_t>(qRed(p))], tabella[1][static_cast<size_t>(qGreen(p))],
                                tabella[2][static_cast<size_t>(qBlue(p))], tabella[3][static_cast<size_t>(qAlpha(p))]);
            }
        }
        return img;
    }
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const float v[4] = {qRed(riga[x]) / 255.0f, qGreen(riga[x]) / 255.0f, qBlue(riga[x]) / 255.0f,
                                qAlpha(riga[x]) / 255.0f};
            int out[4];
            Tingi(v, m, out);
            riga[x] = qRgba(out[0], out[1], out[2], out[3]);
        }
    }
    return img;
}

void DisegnaConMatrice(QPainter& grafica, const QRectF& destinazione, const QImage& immagine,
                       const QRectF& sorgente, const MatriceColore& matrice) {
    if (immagine.isNull() || destinazione.isEmpty()) return;
    float alfa = 1.0f;
    if (matrice.SoloAlfa(&alfa) && alfa <= 1.0f) {
        if (alfa <= 0.0f) return;
        const qreal prima = grafica.opacity();
        grafica.setOpacity(prima * alfa);
        grafica.drawImage(destinazione, immagine, sorgente);
        grafica.setOpacity(prima);
        return;
    }
    const QRect parte = sorgente.toAlignedRect().intersected(immagine.rect());
    if (parte.isEmpty()) return;
    const QImage tinta = ApplicaMatriceColore(immagine.copy(parte), matrice);
    grafica.drawImage(destinazione, tinta, QRectF(sorgente.topLeft() - parte.topLeft(), sorgente.size()));
}

void ImpostaBlend(QGradient& gradiente, const QColor& inizio, const QColor& fine,
                  const std::vector<float>& fattori, const std::vector<float>& posizioni) {
    QGradientStops fermate;
    const size_t n = std::min(fattori.size(), posizioni.size());
    float ultima = 0.0f;
    for (size_t i = 0; i < n; ++i) {
        const float f = std::isfinite(fattori[i]) ? std::clamp(fattori[i], 0.0f, 1.0f) : 0.0f;
        float p = std::isfinite(posizioni[i]) ? std::clamp(posizioni[i], 0.0f, 1.0f) : ultima;
        p = std::max(p, ultima);
        ultima = p;
        const auto mescola = [f](int a, int b) { return static_cast<int>(std::lround(a + f * (b - a))); };
        const QColor c(mescola(inizio.red(), fine.red()), mescola(inizio.green(), fine.green()),
                       mescola(inizio.blue(), fine.blue()), mescola(inizio.alpha(), fine.alpha()));
        fermate.append({p, c});
    }
    if (fermate.isEmpty()) {
        fermate = {{0.0, inizio}, {1.0, fine}};
    }
    gradiente.setStops(fermate);
}

namespace {

// Keys' cubic with a = -0.5.
double Cubica(double x) {
    x = std::fabs(x);
    if (x < 1.0) return (1.5 * x - 2.5) * x * x + 1.0;
    if (x < 2.0) return ((-0.5 * x + 2.5) * x - 4.0) * x + 2.0;
    return 0.0;
}

struct Pesi {
    int inizio = 0;
    std::vector<int> valori;  // fixed point, sum 1 << 14
};

constexpr int BitPeso = 14;

std::vector<Pesi> CalcolaPesi(int sorgente, int destinazione) {
    std::vector<Pesi> pesi(static_cast<size_t>(destinazione));
    const double scala = static_cast<double>(sorgente) / destinazione;
    const double allarga = std::max(1.0, scala);
    const double raggio = 2.0 * allarga;
    for (int i = 0; i < destinazione; ++i) {
        const double centro = (i + 0.5) * scala - 0.5;
        const int primo = static_cast<int>(std::floor(centro - raggio)) + 1;
        const int ultimo = static_cast<int>(std::floor(centro + raggio));
        std::vector<double> w;
        double somma = 0.0;
        for (int s = primo; s <= ultimo; ++s) {
            const double v = Cubica((s - centro) / allarga);
            w.push_back(v);
            somma += v;
        }
        // Edge taps fold onto the border pixel.
        Pesi& p = pesi[static_cast<size_t>(i)];
        const int a = std::max(primo, 0);
        const int b = std::min(ultimo, sorgente - 1);
        p.inizio = a;
        std::vector<double> raccolti(static_cast<size_t>(b - a + 1), 0.0);
        for (int s = primo; s <= ultimo; ++s) {
            const int k = std::clamp(s, a, b) - a;
            raccolti[static_cast<size_t>(k)] += w[static_cast<size_t>(s - primo)];
        }
        int totale = 0;
        for (double v : raccolti) {
            const int q = static_cast<int>(std::lround(v / somma * (1 << BitPeso)));
            p.valori.push_back(q);
            totale += q;
        }
        // Rounding rest on the largest tap keeps flat areas exactly flat.
        auto piu = std::max_element(p.valori.begin(), p.valori.end());
        *piu += (1 << BitPeso) - totale;
    }
    return pesi;
}

inline std::uint8_t Taglia(int v) {
    v = (v + (1 << (BitPeso - 1))) >> BitPeso;
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

struct Memoria {
    int ws = -1, wd = -1, hs = -1, hd = -1;
    std::vector<Pesi> px, py;
    QImage mezzo, fine;
};

// A buffer of that size that nobody else holds, or a new one.
void Riusa(QImage& buffer, const QSize& dimensione) {
    if (buffer.size() == dimensione && buffer.isDetached()) return;
    buffer = QImage(dimensione, QImage::Format_ARGB32_Premultiplied);
}

QImage Premoltiplicata(const QImage& immagine) {
    return immagine.format() == QImage::Format_ARGB32_Premultiplied
               ? immagine
               : immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Every weight fits 16 bits, as the vector passes take them in pairs.
bool PesiCorti(const std::vector<Pesi>& pesi) {
    for (const Pesi& p : pesi)
        for (int w : p.valori)
            if (w < -32768 || w > 32767) return false;
    return true;
}

void OrizzontaleSemplice(const QImage& src, QImage& mezzo, const std::vector<Pesi>& px) {
    const int wd = mezzo.width();
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = src.constScanLine(y);
        auto* out = mezzo.scanLine(y);
        for (int x = 0; x < wd; ++x) {
            const Pesi& p = px[static_cast<size_t>(x)];
            int s0 = 0, s1 = 0, s2 = 0, s3 = 0;
            const std::uint8_t* q = in + 4 * p.inizio;
            for (int w : p.valori) {
                s0 += q[0] * w; s1 += q[1] * w; s2 += q[2] * w; s3 += q[3] * w;
                q += 4;
            }
            std::uint8_t* o = out + 4 * x;
            o[0] = Taglia(s0); o[1] = Taglia(s1); o[2] = Taglia(s2); o[3] = Taglia(s3);
        }
    }
}

void VerticaleSemplice(const QImage& mezzo, QImage& fine, const std::vector<Pesi>& py) {
    const int wd = fine.width();
    std::vector<int> somme(static_cast<size_t>(wd) * 4);
    const int alfa = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? 3 : 0;
    for (int y = 0; y < fine.height(); ++y) {
        std::fill(somme.begin(), somme.end(), 0);
        const Pesi& p = py[static_cast<size_t>(y)];
        for (size_t k = 0; k < p.valori.size(); ++k) {
            const int w = p.valori[k];
            const std::uint8_t* in = mezzo.constScanLine(p.inizio + static_cast<int>(k));
            for (int i = 0; i < wd * 4; ++i) somme[static_cast<size_t>(i)] += in[i] * w;
        }
        std::uint8_t* out = fine.scanLine(y);
        for (int x = 0; x < wd; ++x) {
            std::uint8_t* o = out + 4 * x;
            const int* s = &somme[static_cast<size_t>(x) * 4];
            for (int c = 0; c < 4; ++c) o[c] = Taglia(s[c]);
            // Ringing may push a colour above its alpha, which premultiplied data forbids.
            for (int c = 0; c < 4; ++c)
                if (c != alfa) o[c] = std::min(o[c], o[alfa]);
        }
    }
}

#ifdef __SSE2__

// Two weights as the 16-bit pair a multiply-add takes: w0 low, w1 high.
inline std::int32_t CoppiaPesi(int w0, int w1) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(w1) << 16) | (static_cast<std::uint32_t>(w0) & 0xFFFFu));
}

// Sums of 32 bits back to bytes as Taglia does: rounded, shifted, clamped to 0..255.
inline __m128i TagliaQuattro(__m128i a, __m128i b, __m128i c, __m128i d) {
    const __m128i mezzo = _mm_set1_epi32(1 << (BitPeso - 1));
    a = _mm_srai_epi32(_mm_add_epi32(a, mezzo), BitPeso);
    b = _mm_srai_epi32(_mm_add_epi32(b, mezzo), BitPeso);
    c = _mm_srai_epi32(_mm_add_epi32(c, mezzo), BitPeso);
    d = _mm_srai_epi32(_mm_add_epi32(d, mezzo), BitPeso);
    return _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d));
}

// Each output pixel's weights as packed pairs, the last one padded with 0; inizio[x] is
// the first pair of pixel x.
struct CoppieOrizzontali {
    std::vector<int> inizio;
    std::vector<std::int32_t> coppie;
};

CoppieOrizzontali Coppie(const std::vector<Pesi>& px) {
    CoppieOrizzontali c;
    c.inizio.assign(px.size() + 1, 0);
    for (size_t x = 0; x < px.size(); ++x) {
        const std::vector<int>& v = px[x].valori;
        for (size_t k = 0; k < v.size(); k += 2) c.coppie.push_back(CoppiaPesi(v[k], k + 1 < v.size() ? v[k + 1] : 0));
        c.inizio[x + 1] = static_cast<int>(c.coppie.size());
    }
    return c;
}

// One output pixel the plain way: its taps two at a time, the two pixels' channels
// interleaved as 16-bit pairs, multiplied by the pair of weights and added in one step.
inline __m128i PixelOrizzontale(const std::uint8_t* in, int ultimo, const Pesi& p, const std::int32_t* coppie) {
    const __m128i zero = _mm_setzero_si128();
    const int n = static_cast<int>(p.valori.size());
    __m128i somma = zero;
    for (int k = 0; k < n; k += 2, ++coppie) {
        std::int32_t a, b = 0;
        std::memcpy(&a, in + 4 * (p.inizio + k), 4);
        // A pair past the row's end has weight 0 for its second pixel.
        if (p.inizio + k + 1 <= ultimo) std::memcpy(&b, in + 4 * (p.inizio + k + 1), 4);
        const __m128i due = _mm_unpacklo_epi8(_mm_unpacklo_epi8(_mm_cvtsi32_si128(a), _mm_cvtsi32_si128(b)), zero);
        somma = _mm_add_epi32(somma, _mm_madd_epi16(due, _mm_set1_epi32(*coppie)));
    }
    return somma;
}

void OrizzontaleVettoriale(const QImage& src, QImage& mezzo, const std::vector<Pesi>& px) {
    const int wd = mezzo.width();
    const CoppieOrizzontali c = Coppie(px);
    const __m128i zero = _mm_setzero_si128();
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = src.constScanLine(y);
        auto* out = reinterpret_cast<std::uint32_t*>(mezzo.scanLine(y));
        for (int x = 0; x < wd; ++x) {
            const __m128i somma = PixelOrizzontale(in, src.width() - 1, px[static_cast<size_t>(x)],
                                                   c.coppie.data() + c.inizio[static_cast<size_t>(x)]);
            out[x] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(TagliaQuattro(somma, zero, zero, zero)));
        }
    }
}

// A pair of weights in each of four lanes.
struct alignas(16) CoppiaQuattro {
    std::int32_t v[4];
};

// One output pixel's sums, four pixels of the source read at once and spread into two pairs
// by byte shuffles: the very integers of PixelOrizzontale, in a third of the steps.
__attribute__((target("ssse3"))) inline __m128i SommaSsse3(const std::uint8_t* q, const CoppiaQuattro* w,
                                                           const CoppiaQuattro* fine) {
    const __m128i prima = _mm_setr_epi8(0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1);
    const __m128i seconda = _mm_setr_epi8(8, -1, 12, -1, 9, -1, 13, -1, 10, -1, 14, -1, 11, -1, 15, -1);
    __m128i s = _mm_setzero_si128();
    for (; w + 1 < fine; w += 2, q += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        s = _mm_add_epi32(s, _mm_madd_epi16(_mm_shuffle_epi8(v, prima), _mm_load_si128(reinterpret_cast<const __m128i*>(w))));
        s = _mm_add_epi32(s, _mm_madd_epi16(_mm_shuffle_epi8(v, seconda), _mm_load_si128(reinterpret_cast<const __m128i*>(w + 1))));
    }
    if (w < fine) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        s = _mm_add_epi32(s, _mm_madd_epi16(_mm_shuffle_epi8(v, prima), _mm_load_si128(reinterpret_cast<const __m128i*>(w))));
    }
    return s;
}

// The horizontal pass four output pixels at a time where the source's reads of sixteen bytes
// stay within the row, the plain way at the right edge.
__attribute__((target("ssse3"))) void OrizzontaleSsse3(const QImage& src, QImage& mezzo, const std::vector<Pesi>& px) {
    const int wd = mezzo.width(), ws = src.width();
    const CoppieOrizzontali c = Coppie(px);
    std::vector<CoppiaQuattro> pesi;
    pesi.reserve(c.coppie.size());
    for (std::int32_t w : c.coppie) pesi.push_back({{w, w, w, w}});
    int sicuri = 0;
    while (sicuri < wd) {
        const int coppie = c.inizio[static_cast<size_t>(sicuri) + 1] - c.inizio[static_cast<size_t>(sicuri)];
        if (px[static_cast<size_t>(sicuri)].inizio + 4 * ((coppie + 1) / 2) > ws) break;
        ++sicuri;
    }
    const auto somma = [&](const std::uint8_t* in, int x) {
        return SommaSsse3(in + 4 * px[static_cast<size_t>(x)].inizio, pesi.data() + c.inizio[static_cast<size_t>(x)],
                          pesi.data() + c.inizio[static_cast<size_t>(x) + 1]);
    };
    const __m128i zero = _mm_setzero_si128();
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = src.constScanLine(y);
        auto* out = reinterpret_cast<std::uint32_t*>(mezzo.scanLine(y));
        int x = 0;
        for (; x + 4 <= sicuri; x += 4)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                             TagliaQuattro(somma(in, x), somma(in, x + 1), somma(in, x + 2), somma(in, x + 3)));
        for (; x < wd; ++x) {
            const __m128i s = x < sicuri ? somma(in, x)
                                         : PixelOrizzontale(in, ws - 1, px[static_cast<size_t>(x)],
                                                            c.coppie.data() + c.inizio[static_cast<size_t>(x)]);
            out[x] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(TagliaQuattro(s, zero, zero, zero)));
        }
    }
}

std::atomic<bool> soloSse2{false};

// The horizontal pass with the widest instructions this processor has.
void Orizzontale(const QImage& src, QImage& mezzo, const std::vector<Pesi>& px) {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3 && !soloSse2) OrizzontaleSsse3(src, mezzo, px);
    else OrizzontaleVettoriale(src, mezzo, px);
}

// Each pixel's alpha (its high byte) as the limit of its colours, which ringing may have
// pushed above it.
inline __m128i LimitaAlfa(__m128i v) {
    __m128i a = _mm_srli_epi32(v, 24);
    a = _mm_or_si128(a, _mm_slli_epi32(a, 8));
    a = _mm_or_si128(a, _mm_slli_epi32(a, 16));
    return _mm_min_epu8(v, a);
}

// The source rows of one output row and their weights in pairs (one row's pair padded
// with a row of weight 0, itself).
struct RigheVerticali {
    std::vector<const std::uint8_t*> righe;
    std::vector<std::int32_t> coppie;
    void Prepara(const QImage& mezzo, const Pesi& p) {
        const int taps = static_cast<int>(p.valori.size());
        righe.clear();
        coppie.clear();
        for (int k = 0; k < taps; k += 2) {
            const bool coppia = k + 1 < taps;
            righe.push_back(mezzo.constScanLine(p.inizio + k));
            righe.push_back(mezzo.constScanLine(p.inizio + (coppia ? k + 1 : k)));
            coppie.push_back(CoppiaPesi(p.valori[static_cast<size_t>(k)], coppia ? p.valori[static_cast<size_t>(k) + 1] : 0));
        }
    }
};

// The last pixels of a row that do not fill the vector steps, one channel at a time.
void CodaVerticale(const QImage& mezzo, std::uint8_t* out, const Pesi& p, int da, int n) {
    const int taps = static_cast<int>(p.valori.size());
    for (int i = da; i < n; i += 4) {
        int s[4] = {0, 0, 0, 0};
        for (int k = 0; k < taps; ++k) {
            const std::uint8_t* in = mezzo.constScanLine(p.inizio + k) + i;
            for (int c = 0; c < 4; ++c) s[c] += in[c] * p.valori[static_cast<size_t>(k)];
        }
        std::uint8_t* o = out + i;
        for (int c = 0; c < 4; ++c) o[c] = Taglia(s[c]);
        for (int c = 0; c < 3; ++c) o[c] = std::min(o[c], o[3]);
    }
}

// Sixteen bytes of an output row at a time: two source rows interleaved byte by byte, then as
// 16-bit pairs multiplied by the pair of weights and added; colours then limited by alpha.
void VerticaleVettoriale(const QImage& mezzo, QImage& fine, const std::vector<Pesi>& py) {
    const int n = fine.width() * 4;
    const int pieni = n / 16 * 16;
    const __m128i zero = _mm_setzero_si128();
    RigheVerticali r;
    for (int y = 0; y < fine.height(); ++y) {
        const Pesi& p = py[static_cast<size_t>(y)];
        r.Prepara(mezzo, p);
        const size_t coppie = r.coppie.size();
        std::uint8_t* out = fine.scanLine(y);
        for (int i = 0; i < pieni; i += 16) {
            __m128i s0 = zero, s1 = zero, s2 = zero, s3 = zero;
            for (size_t k = 0; k < coppie; ++k) {
                const __m128i pesi = _mm_set1_epi32(r.coppie[k]);
                const __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r.righe[2 * k] + i));
                // The padding row counts for nothing: its weight is 0.
                const __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r.righe[2 * k + 1] + i));
                const __m128i basso = _mm_unpacklo_epi8(r0, r1), alto = _mm_unpackhi_epi8(r0, r1);
                s0 = _mm_add_epi32(s0, _mm_madd_epi16(_mm_unpacklo_epi8(basso, zero), pesi));
                s1 = _mm_add_epi32(s1, _mm_madd_epi16(_mm_unpackhi_epi8(basso, zero), pesi));
                s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpacklo_epi8(alto, zero), pesi));
                s3 = _mm_add_epi32(s3, _mm_madd_epi16(_mm_unpackhi_epi8(alto, zero), pesi));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), LimitaAlfa(TagliaQuattro(s0, s1, s2, s3)));
        }
        CodaVerticale(mezzo, out, p, pieni, n);
    }
}

// The same, thirty-two bytes at a time: every step works within each half of the register,
// so each half gives the very bytes of the sixteen-byte pass.
__attribute__((target("avx2"))) void VerticaleAvx2(const QImage& mezzo, QImage& fine, const std::vector<Pesi>& py) {
    const int n = fine.width() * 4;
    const int pieni = n / 32 * 32;
    const __m256i zero = _mm256_setzero_si256();
    const __m256i mezzoPeso = _mm256_set1_epi32(1 << (BitPeso - 1));
    RigheVerticali r;
    for (int y = 0; y < fine.height(); ++y) {
        const Pesi& p = py[static_cast<size_t>(y)];
        r.Prepara(mezzo, p);
        const size_t coppie = r.coppie.size();
        std::uint8_t* out = fine.scanLine(y);
        for (int i = 0; i < pieni; i += 32) {
            __m256i s0 = zero, s1 = zero, s2 = zero, s3 = zero;
            for (size_t k = 0; k < coppie; ++k) {
                const __m256i pesi = _mm256_set1_epi32(r.coppie[k]);
                const __m256i r0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r.righe[2 * k] + i));
                const __m256i r1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r.righe[2 * k + 1] + i));
                const __m256i basso = _mm256_unpacklo_epi8(r0, r1), alto = _mm256_unpackhi_epi8(r0, r1);
                s0 = _mm256_add_epi32(s0, _mm256_madd_epi16(_mm256_unpacklo_epi8(basso, zero), pesi));
                s1 = _mm256_add_epi32(s1, _mm256_madd_epi16(_mm256_unpackhi_epi8(basso, zero), pesi));
                s2 = _mm256_add_epi32(s2, _mm256_madd_epi16(_mm256_unpacklo_epi8(alto, zero), pesi));
                s3 = _mm256_add_epi32(s3, _mm256_madd_epi16(_mm256_unpackhi_epi8(alto, zero), pesi));
            }
            s0 = _mm256_srai_epi32(_mm256_add_epi32(s0, mezzoPeso), BitPeso);
            s1 = _mm256_srai_epi32(_mm256_add_epi32(s1, mezzoPeso), BitPeso);
            s2 = _mm256_srai_epi32(_mm256_add_epi32(s2, mezzoPeso), BitPeso);
            s3 = _mm256_srai_epi32(_mm256_add_epi32(s3, mezzoPeso), BitPeso);
            const __m256i v = _mm256_packus_epi16(_mm256_packs_epi32(s0, s1), _mm256_packs_epi32(s2, s3));
            __m256i a = _mm256_srli_epi32(v, 24);
            a = _mm256_or_si256(a, _mm256_slli_epi32(a, 8));
            a = _mm256_or_si256(a, _mm256_slli_epi32(a, 16));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_min_epu8(v, a));
        }
        CodaVerticale(mezzo, out, p, pieni, n);
    }
}

// The vertical pass with the widest instructions this processor has.
void Verticale(const QImage& mezzo, QImage& fine, const std::vector<Pesi>& py) {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2 && !soloSse2) VerticaleAvx2(mezzo, fine, py);
    else VerticaleVettoriale(mezzo, fine, py);
}

#endif

}  // namespace

void ScalaSoloSse2(bool solo) {
#ifdef __SSE2__
    soloSse2 = solo;
#else
    (void)solo;
#endif
}

QSize DimensionePropria(const QImage& immagine) {
    return immagine.deviceIndependentSize().toSize();
}

QImage ScalaAltaQualita(const QImage& sorgente, const QSize& dimensione) {
    if (sorgente.isNull() || dimensione.isEmpty()) return {};
    const QImage src = Premoltiplicata(sorgente);
    const int ws = src.width(), hs = src.height();
    const int wd = dimensione.width(), hd = dimensione.height();
    if (ws == wd && hs == hd) return src;
    // Weights and buffers are kept between calls: a frame is scaled the same way every time,
    // and touching fresh pages for every frame costs more than the filter itself.
    thread_local Memoria m;
    if (m.ws != ws || m.wd != wd) {
        m.px = CalcolaPesi(ws, wd);
        m.ws = ws;
        m.wd = wd;
    }
    if (m.hs != hs || m.hd != hd) {
        m.py = CalcolaPesi(hs, hd);
        m.hs = hs;
        m.hd = hd;
    }

    // Horizontal pass into bytes, then vertical; channels stay premultiplied.
    Riusa(m.mezzo, QSize(wd, hs));
    Riusa(m.fine, QSize(wd, hd));
    if (m.mezzo.isNull() || m.fine.isNull()) return {};
#ifdef __SSE2__
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian && PesiCorti(m.px) && PesiCorti(m.py)) {
        Orizzontale(src, m.mezzo, m.px);
        Verticale(m.mezzo, m.fine, m.py);
        return m.fine;
    }
#endif
    OrizzontaleSemplice(src, m.mezzo, m.px);
    VerticaleSemplice(m.mezzo, m.fine, m.py);
    return m.fine;
}

void ImpostaModiGrafica(QPainter& grafica) {
    grafica.setRenderHint(QPainter::Antialiasing, true);
    grafica.setRenderHint(QPainter::SmoothPixmapTransform, true);
    grafica.setRenderHint(QPainter::TextAntialiasing, true);
    grafica.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QColor ColoreDaControllo(std::uint32_t colore, int alfa) {
    return QColor(static_cast<int>(colore & 0xFF), static_cast<int>((colore >> 8) & 0xFF),
                  static_cast<int>((colore >> 16) & 0xFF), std::clamp(alfa, 0, 255));
}

namespace {

// Halves the picture across (orizzontale) and/or down (verticale): each output pixel is the
// rounded mean of the two or four it covers, channels premultiplied. An odd last column or
// row is averaged with itself.
void Dimezza(const QImage& src, QImage& out, bool orizzontale, bool verticale) {
    const int ws = src.width(), hs = src.height();
    const int wd = orizzontale ? (ws + 1) / 2 : ws, hd = verticale ? (hs + 1) / 2 : hs;
    Riusa(out, QSize(wd, hd));
    if (out.isNull()) return;
    for (int y = 0; y < hd; ++y) {
        const int y0 = verticale ? 2 * y : y, y1 = verticale ? std::min(2 * y + 1, hs - 1) : y;
        const auto* a = reinterpret_cast<const std::uint32_t*>(src.constScanLine(y0));
        const auto* b = reinterpret_cast<const std::uint32_t*>(src.constScanLine(y1));
        auto* o = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        for (int x = 0; x < wd; ++x) {
            const int x0 = orizzontale ? 2 * x : x, x1 = orizzontale ? std::min(2 * x + 1, ws - 1) : x;
            const std::uint32_t p[] = {a[x0], a[x1], b[x0], b[x1]};
            // Four pixels summed two channels to a word: each 10-bit sum stays in its lane.
            std::uint32_t rb = 0, ag = 0;
            for (std::uint32_t v : p) {
                rb += v & 0x00FF00FFu;
                ag += (v >> 8) & 0x00FF00FFu;
            }
            o[x] = (((rb + 0x00020002u) >> 2) & 0x00FF00FFu) | (((ag + 0x00020002u) << 6) & 0xFF00FF00u);
        }
    }
}

// A tent over the source as wide as one output pixel on each side of its centre (one source
// pixel when enlarging, which is plain bilinear): a shrink within 2:1 weighs every source
// pixel it passes over. Weights as the high-quality filter takes them.
std::vector<Pesi> PesiTenda(int sorgente, int destinazione) {
    std::vector<Pesi> pesi(static_cast<size_t>(destinazione));
    const double scala = static_cast<double>(sorgente) / destinazione;
    const double raggio = std::max(1.0, scala);
    for (int i = 0; i < destinazione; ++i) {
        const double centro = (i + 0.5) * scala - 0.5;
        const int primo = static_cast<int>(std::floor(centro - raggio)) + 1;
        const int ultimo = static_cast<int>(std::ceil(centro + raggio)) - 1;
        // Taps beyond the picture fold onto its border pixel.
        Pesi& p = pesi[static_cast<size_t>(i)];
        const int a = std::clamp(primo, 0, sorgente - 1), b = std::clamp(ultimo, a, sorgente - 1);
        p.inizio = a;
        std::vector<double> raccolti(static_cast<size_t>(b - a + 1), 0.0);
        double somma = 0.0;
        for (int s = primo; s <= ultimo; ++s) {
            const double v = std::max(0.0, 1.0 - std::fabs(s - centro) / raggio);
            raccolti[static_cast<size_t>(std::clamp(s, a, b) - a)] += v;
            somma += v;
        }
        // Rounded on the running sum, so the parts add up exactly and flat areas stay flat.
        double cumulata = 0.0;
        int dato = 0;
        for (double v : raccolti) {
            cumulata += v / somma;
            const int fino = static_cast<int>(std::lround(cumulata * (1 << BitPeso)));
            p.valori.push_back(fino - dato);
            dato = fino;
        }
    }
    return pesi;
}

}  // namespace

QImage ScalaVeloce(const QImage& sorgente, const QSize& dimensione) {
    if (sorgente.isNull() || dimensione.isEmpty()) return {};
    QImage src = Premoltiplicata(sorgente);
    if (src.size() == dimensione) return src;
    // Box halving while more than 2:1, then a tent: no detail finer than the output's pixels
    // survives to alias, at a fraction of the high-quality filter's taps.
    thread_local QImage meta[2];
    int libera = 0;
    while (src.width() > 2 * dimensione.width() || src.height() > 2 * dimensione.height()) {
        QImage& dimezzata = meta[libera];
        Dimezza(src, dimezzata, src.width() > 2 * dimensione.width(), src.height() > 2 * dimensione.height());
        if (dimezzata.isNull()) return {};
        src = dimezzata;
        libera ^= 1;
    }
    const std::vector<Pesi> px = PesiTenda(src.width(), dimensione.width());
    const std::vector<Pesi> py = PesiTenda(src.height(), dimensione.height());
    // Down first: the sideways pass, which gathers pixel by pixel, then has fewer rows.
    thread_local QImage mezzo;
    Riusa(mezzo, QSize(src.width(), dimensione.height()));
    QImage uscita(dimensione, QImage::Format_ARGB32_Premultiplied);
    if (mezzo.isNull() || uscita.isNull()) return {};
#ifdef __SSE2__
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        Verticale(src, mezzo, py);
        Orizzontale(mezzo, uscita, px);
        return uscita;
    }
#endif
    VerticaleSemplice(src, mezzo, py);
    OrizzontaleSemplice(mezzo, uscita, px);
    return uscita;
}
