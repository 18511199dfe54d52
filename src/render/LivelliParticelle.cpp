#include "render/LivelliParticelle.h"

#include "platform/Grafica.h"
#include "project/ImpostazioniGlobali.h"
#include "render/Bande.h"
#include "render/CampoDistanza.h"
#include "render/Casuale.h"
#include "render/Sovrapposizione.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

int Alpha(double valore) {
    if (!std::isfinite(valore)) return 0;
    return std::clamp(static_cast<int>(std::clamp(valore, -1.0, 256.0)), 0, 255);
}

// A life of 0 or less cannot come from the emitters; it is read as 1 so nothing divides by 0.
int VitaSicura(int life) { return life > 0 ? life : 1; }

struct Tinta {
    std::array<float, 4> inizio;
    std::array<float, 4> fine;
};

Tinta TintaDelTipo(int tipo) {
    switch (tipo) {
    case ParticelleFuoco: return {{255, 255, 0, 128}, {255, 255, 0, 0}};
    case ParticelleBolle: return {{255, 255, 255, 255}, {255, 255, 255, 255}};
    default: return {{255, 255, 255, 92}, {255, 255, 255, 0}};
    }
}

// Which of the kind's sprites a variant draws; -1 for none.
int SpriteDellaVariante(int tipo, int variante) {
    switch (tipo) {
    case ParticelleFuoco: return variante >= 0 && variante <= 4 ? variante : -1;
    case ParticelleBolle: return variante >= 0 && variante <= 3 ? variante : -1;
    case ParticellePolvere: return 0;
    case ParticelleFumo: return variante >= 0 && variante <= 2 ? variante : -1;
    default: return -1;
    }
}

bool PassaStrato(std::uint8_t strato, StratiChiamata strati) {
    return strato == 0 ? strati.dietro : strati.davanti;
}

int Componente(Colore c, int spostamento) { return static_cast<int>((c >> spostamento) & 0xFF); }

// Colore1 + (Colore2 - Colore1) * age / life per component, in integers.
QColor ColoreInterpolato(const DueColori& colori, int age, int life, int alpha) {
    const auto mescola = [&](int s) {
        const int a = Componente(colori.Colore1, s);
        const int b = Componente(colori.Colore2, s);
        return std::clamp(a + (b - a) * age / life, 0, 255);
    };
    return QColor(mescola(0), mescola(8), mescola(16), alpha);
}

ComandoPalla Palla(int x, int y, int life, int age, int size, bool rimbalzante, const DueColori& colori) {
    life = VitaSicura(life);
    const float q = static_cast<float>(life - age) / static_cast<float>(life);
    const int d = size + 20;
    ComandoPalla palla;
    palla.rettangolo = rimbalzante ? QRect(x - 30, y - d / 2 + 4, d, d) : QRect(x - d / 2, y - d / 2, d, d);
    palla.bordo = ColoreDa(colori.Colore1, Alpha(static_cast<int>(q * 8)));
    palla.riempimento = ColoreInterpolato(colori, age, life, Alpha(q * 255));
    if (rimbalzante) {
        const int pavimento = ImpostazioniGlobali.LineaPavimento;
        const int profondita = ImpostazioniGlobali.AltezzaFrame - pavimento;
        if (pavimento > 0 && profondita > 0) {
            const double k = static_cast<double>(profondita) / pavimento;
            const double dist = std::min((pavimento - palla.rettangolo.top()) / k, static_cast<double>(profondita));
            palla.riflesso = true;
            palla.rettangoloRiflesso = QRect(palla.rettangolo.left(), static_cast<int>(pavimento + dist), d, d);
            palla.coloreRiflesso = ColoreInterpolato(colori, age, life, Alpha((1 - dist / profondita) * q * 255));
        }
    }
    return palla;
}

QRectF Normalizzato(const QRect& r) { return QRectF(r.x(), r.y(), r.width(), r.height()).normalized(); }

// What items 0 .. n - 1 give, in their order: fai(i, fatti) appends item i's share. A long
// list is made a slice at a time on every core, so the ring's thousands of balls do not wait
// on the drawing thread alone.
template <typename T, typename Fai>
std::vector<T> InOrdine(int n, std::size_t perVoce, const Fai& fai) {
    constexpr int MinimoPerFetta = 256;
    const int fette = std::clamp(n / MinimoPerFetta, 1, 16);
    std::vector<std::vector<T>> pezzi(static_cast<std::size_t>(fette));
    const auto fetta = [&](int k) {
        std::vector<T>& fatti = pezzi[static_cast<std::size_t>(k)];
        const int da = static_cast<int>(static_cast<long long>(n) * k / fette);
        const int a = static_cast<int>(static_cast<long long>(n) * (k + 1) / fette);
        fatti.reserve(static_cast<std::size_t>(a - da) * perVoce);
        for (int i = da; i < a; ++i) fai(i, fatti);
    };
    if (fette == 1) fetta(0);
    else PerOgniParte(fette, fetta);
    std::vector<T> tutti = std::move(pezzi.front());
    for (std::size_t k = 1; k < pezzi.size(); ++k) tutti.insert(tutti.end(), pezzi[k].begin(), pezzi[k].end());
    return tutti;
}

}  // namespace

QColor ColoreDa(Colore colore, int alpha) {
    return QColor(Componente(colore, 0), Componente(colore, 8), Componente(colore, 16), alpha);
}

ParametriEmettitore ParametriTipo(int tipo, int vita, int w, int h) {
    switch (tipo) {
    case ParticelleFuoco: return {1, {0, -0.1}, 5, 10, 0, double(h), double(w), double(h), vita + 60, 1, 5, vita + 60};
    case ParticelleBolle: return {1, {0.03, -0.03}, 5, 5, 0, 0, double(w), double(h), vita, 100, 4, vita};
    case ParticellePolvere: return {1, {0.01, -0.01}, 5, 5, 0, 0, double(w), double(h), vita, 100, 4, vita};
    case ParticelleFumo: return {4, {0, -0.1}, 5, 5, 0, double(h), double(w), double(h), 2 * vita, 100, 3, 4 * vita};
    case ParticellePalleCadenti:
        return {1, {0.01, 0.4}, 5, 5, 0, -50, double(w), -50, 2 * vita, 100, 4, 2 * vita};
    case ParticellePalleRimbalzanti: return {2, {0, 0.5}, 5, -1, 0, 0, double(w), 0, vita, 20, 4, vita};
    default: return {};
    }
}

void PreparaEmettitore(int tipo, int vita, int quantita, Fire& fuoco, Bounce& rimbalzo,
                       std::array<int, 5>& angoliFuoco) {
    const int w = ImpostazioniGlobali.LarghezzaFrame;
    const int h = ImpostazioniGlobali.AltezzaFrame;
    const ParametriEmettitore p = ParametriTipo(tipo, vita, w, h);
    const auto costruisci = [&](ParticleSystem& e) {
        e.ImpostaModo(p.modo);
        e.Inizializza(quantita, std::span(&p.deriva, 1), p.spreadX, p.spreadY, p.x1, p.y1, p.x2, p.y2,
                      p.vitaMassima, p.rangeDimensione, p.rangeVariante);
    };
    if (tipo >= ParticelleFuoco && tipo <= ParticellePalleCadenti) {
        if (fuoco.Inizializzato()) return;
        costruisci(fuoco);
        for (int i = 0; i < p.passiRiscaldamento; ++i) fuoco.Aggiorna();
        if (tipo == ParticelleFuoco) {
            for (int& a : angoliFuoco) a = NumeroCasuale(31) - 15;
            // From now on the flames rise from below the lower edge.
            fuoco.ImpostaPrimoAngolo(0, h + 64);
            fuoco.ImpostaSecondoAngolo(w, h + 64);
        }
    } else if (tipo == ParticellePalleRimbalzanti) {
        if (rimbalzo.Inizializzato()) return;
        costruisci(rimbalzo);
        for (int i = 0; i < p.passiRiscaldamento; ++i) rimbalzo.Aggiorna();
    }
}

void PreparaCerchio(CerchioPalle& cerchio, int vita, bool rotazione, bool dimensioniMini) {
    const int w = ImpostazioniGlobali.LarghezzaFrame;
    const int h = ImpostazioniGlobali.AltezzaFrame;
    cerchio.Inizializza(3000, 0.03, -0.03, 5, 5, 0, 0, w, h, 4 * vita, 1, rotazione ? 1 : 2);
    for (int i = 0; i < 4 * vita; ++i) cerchio.Aggiorna(!dimensioniMini);
}

int RaggioCerchio(float t, float n, int centroY, bool rotazione, bool zoom) {
    // A video of no frames has only its frame 0, drawn as the start of any other video.
    // A quiet comparison: NaN is told without raising an invalid operation.
    if (!std::isgreater(n, 0.0f) || !std::isfinite(t)) {
        t = 0;
        n = 1;
    }
    const float z = n / 6;
    if (t > z || !rotazione || !zoom) return centroY;
    return static_cast<int>(centroY * (t / z));
}

// Each flame sways to and fro by up to its own angle over twelve frames, out of step with the
// others. Turning by the angle times (t mod 6) tipped flames up to 75 degrees and threw them
// back upright every sixth frame: they tumbled like leaves.
int AngoloFuoco(const std::array<int, 5>& angoliFuoco, int i, float t) {
    const int frame = std::isfinite(t) ? static_cast<int>(std::clamp(t, -1.0e6f, 1.0e6f)) : 0;
    const int fase = ((frame + 2 * i) % 12 + 12) % 12;
    const int triangolo = fase < 6 ? fase : 12 - fase;
    return angoliFuoco[static_cast<std::size_t>(i)] * (triangolo - 3) / 3;
}

StratiChiamata StratiDellaChiamata(int idChiamata, int idDietro, int idDavanti) {
    return {idChiamata == idDietro, idChiamata == idDavanti};
}

std::vector<ComandoSprite> ComandiSprite(int tipo, const ParticleSystem& emettitore, int quantita,
                                         const std::vector<QSize>& dimensioni, StratiChiamata strati) {
    std::vector<ComandoSprite> comandi;
    const Tinta tinta = TintaDelTipo(tipo);
    const int n = std::min(quantita, emettitore.Numero());
    for (int i = 0; i < n; ++i) {
        LetturaParticella p;
        if (!emettitore.LeggiParticella(i, p) || !PassaStrato(p.layer, strati)) continue;
        const int sprite = SpriteDellaVariante(tipo, p.variant);
        if (sprite < 0 || sprite >= static_cast<int>(dimensioni.size())) continue;
        const QSize dim = dimensioni[static_cast<std::size_t>(sprite)];
        if (dim.isEmpty()) continue;
        const float f = static_cast<float>(p.age) / static_cast<float>(VitaSicura(p.life));

        ComandoSprite c;
        c.sprite = sprite;
        for (std::size_t k = 0; k < 4; ++k) c.fattori[k] = ((1 - f) * tinta.inizio[k] + f * tinta.fine[k]) / 255;
        const int w = dim.width();
        const int h = dim.height();
        switch (tipo) {
        case ParticelleFuoco:
            c.destinazione = QRect(p.x - 128, p.y - 128, 256, 256);
            c.sorgente = QRect(0, 0, 256, 256);
            break;
        case ParticelleFumo:
            c.destinazione = QRect(p.x - w / 2, p.y - h / 2, w, h);
            c.sorgente = QRect(0, 0, w, h);
            break;
        default: {
            const int ws = static_cast<int>(w * p.size * 0.01);
            const int hs = static_cast<int>(h * p.size * 0.01);
            c.destinazione = QRect(p.x - ws / 2, p.y - hs / 2, ws, hs);
            c.sorgente = QRect(0, 0, w, h);
            break;
        }
        }
        comandi.push_back(c);
    }
    return comandi;
}

std::vector<ComandoPalla> ComandiPalle(int tipo, const ParticleSystem& emettitore, int quantita,
                                       const DueColori& colori, StratiChiamata strati) {
    std::vector<ComandoPalla> comandi;
    const int n = std::min(quantita, emettitore.Numero());
    for (int i = 0; i < n; ++i) {
        LetturaParticella p;
        if (!emettitore.LeggiParticella(i, p) || !PassaStrato(p.layer, strati)) continue;
        comandi.push_back(Palla(p.x, p.y, p.life, p.age, p.size, tipo == ParticellePalleRimbalzanti, colori));
    }
    return comandi;
}

std::vector<ComandoPalla> ComandiCerchio(const SistemaParticellare& cerchio, const DueColori& colori) {
    return InOrdine<ComandoPalla>(cerchio.Numero(), 1, [&](int i, std::vector<ComandoPalla>& comandi) {
        LetturaCerchio p;
        if (cerchio.LeggiParticella(i, p)) comandi.push_back(Palla(p.x, p.y, p.life, p.age, p.size, false, colori));
    });
}

void DipingiSprite(QPainter& grafica, const std::vector<QImage>& sprite,
                   const std::vector<ComandoSprite>& comandi) {
    grafica.save();
    grafica.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ComandoSprite& c : comandi) {
        const QImage& immagine = sprite[static_cast<std::size_t>(c.sprite)];
        if (immagine.isNull() || c.fattori[3] <= 0 || c.destinazione.isEmpty()) continue;
        // The colour factors live in the sprites themselves (the fire's come without blue);
        // here only the opacity is applied.
        grafica.setOpacity(std::min(1.0f, c.fattori[3]));
        grafica.drawImage(QRectF(c.destinazione), immagine, QRectF(c.sorgente));
    }
    grafica.restore();
}

namespace {

// The rim: the 15 strokes of widths 1 .. 15 along the ball's circle, as a profile over the
// distance from the circle, the same whatever the ball's size; beyond Limite it is clear.
constexpr int LarghezzaBordo = 16;
constexpr float LimiteBordo = LarghezzaBordo * 0.5f + 1.0f;
constexpr float MargineCerchio = 0.05f;

// How much of a pixel lies inside a circle whose edge passes at s from the pixel's centre
// (s > 0 inside), the edge taken as straight across the pixel with normal (nx, ny): the exact
// area of the square cut by that line.
inline float Copertura(float s, float nx, float ny) {
    float a = std::abs(nx), b = std::abs(ny);
    if (a < b) std::swap(a, b);
    const float mezzo = (a + b) * 0.5f;
    if (s >= mezzo) return 1.0f;
    if (s <= -mezzo) return 0.0f;
    if (std::abs(s) <= (a - b) * 0.5f) return 0.5f + s / a;
    const float t = mezzo - std::abs(s);
    const float angolo = t * t / (2.0f * a * b);
    return s > 0.0f ? 1.0f - angolo : angolo;
}

// One circle to lay: a rim from its profile, or a disc of one colour.
struct PassoPalla {
    float cx = 0, cy = 0, raggio = 0;
    const std::vector<QRgb>* profilo = nullptr;  // the rim's, and a clear entry after it; null for a disc
    int passi = 0;                                 // the rim's entries, the clear one not counted
    QRgb colore = 0;                               // the disc's, premultiplied
    float esterno = 0, interno = 0;                // no pixel beyond esterno is touched, none within interno measured
    int primaRiga = 0, ultimaRiga = -1;
};

PassoPalla Cerchio(const QRect& rettangolo, const std::vector<QRgb>* profilo, QRgb colore) {
    const QRectF r = Normalizzato(rettangolo);
    PassoPalla p;
    p.raggio = static_cast<float>(r.width() * 0.5);
    p.cx = static_cast<float>(r.x()) + p.raggio;
    p.cy = static_cast<float>(r.y()) + p.raggio;
    p.profilo = profilo;
    p.passi = profilo ? static_cast<int>(profilo->size()) - 1 : 0;
    p.colore = colore;
    // A rim reaches as far as its profile has anything to lay; a disc's edge pixels are those
    // within half a diagonal of the circle, the rest wholly in or out. A little more either
    // way, so no pixel is put on the wrong side by rounding.
    const float portata = profilo ? (static_cast<float>(p.passi) - 0.5f) / PassiTratti : std::sqrt(0.5f);
    p.esterno = p.raggio + portata + MargineCerchio;
    p.interno = p.raggio - portata - MargineCerchio;
    p.primaRiga = static_cast<int>(std::max(-1.0e9f, std::floor(p.cy - p.esterno)));
    p.ultimaRiga = static_cast<int>(std::min(1.0e9f, std::ceil(p.cy + p.esterno)));
    return p;
}

using Profilo = std::shared_ptr<const std::vector<QRgb>>;

// The rim profile of a colour. The few colours the balls use come back frame after frame, so
// the last ones made are kept (a kilobyte or so each); each is a pure function of its colour.
Profilo ProfiloBordo(QRgb colore) {
    constexpr std::size_t Tenuti = 64;
    static std::mutex esclusivo;
    static std::vector<std::pair<QRgb, Profilo>> noti;
    std::lock_guard<std::mutex> blocco(esclusivo);
    for (const auto& [c, p] : noti)
        if (c == colore) return p;
    std::vector<QRgb> profilo = TabellaTratti(QColor::fromRgba(colore), LarghezzaBordo, LimiteBordo);
    // What lies past the last stroke is clear: no pixel there need be visited.
    while (!profilo.empty() && profilo.back() == 0) profilo.pop_back();
    // One clear entry past the end, for the lookups that read past it.
    profilo.push_back(0);
    if (noti.size() >= Tenuti) noti.clear();
    noti.emplace_back(colore, std::make_shared<const std::vector<QRgb>>(std::move(profilo)));
    return noti.back().second;
}

// The passes of the balls; profili keeps the rim profiles they point to.
std::vector<PassoPalla> PassiPalle(const std::vector<ComandoPalla>& comandi,
                                   std::vector<std::pair<QRgb, Profilo>>& profili) {
    // The rims' few colours first, then the passes, a slice at a time.
    for (const ComandoPalla& c : comandi) {
        if (c.bordo.alpha() == 0) continue;
        const QRgb colore = c.bordo.rgba();
        if (std::none_of(profili.begin(), profili.end(), [&](const auto& p) { return p.first == colore; }))
            profili.emplace_back(colore, ProfiloBordo(colore));
    }
    const auto profilo = [&](QRgb colore) {
        return std::find_if(profili.begin(), profili.end(), [&](const auto& p) { return p.first == colore; })->second.get();
    };
    return InOrdine<PassoPalla>(static_cast<int>(comandi.size()), 2, [&](int i, std::vector<PassoPalla>& passi) {
        const ComandoPalla& c = comandi[static_cast<std::size_t>(i)];
        if (c.bordo.alpha() > 0) passi.push_back(Cerchio(c.rettangolo, profilo(c.bordo.rgba()), 0));
        if (c.riempimento.alpha() > 0 && c.rettangolo.width() != 0)
            passi.push_back(Cerchio(c.rettangolo, nullptr, qPremultiply(c.riempimento.rgba())));
        if (c.riflesso && c.coloreRiflesso.alpha() > 0 && c.rettangoloRiflesso.width() != 0)
            passi.push_back(Cerchio(c.rettangoloRiflesso, nullptr, qPremultiply(c.coloreRiflesso.rgba())));
    });
}

// Lays on pixels da .. a of a row the sources uno(x) gives, quattro(x, sorgenti) four at a time
// where it can.
template <typename Quattro, typename Uno>
void LasciaSorgenti(QRgb* riga, int da, int a, const Quattro& quattro, const Uno& uno) {
    constexpr int Blocco = 64;
    QRgb sorgenti[Blocco];
    for (int inizio = da; inizio <= a; inizio += Blocco) {
        const int n = std::min(Blocco, a - inizio + 1);
        int k = 0;
#ifdef __SSE2__
        for (; k + 4 <= n; k += 4) quattro(inizio + k, sorgenti + k);
#else
        static_cast<void>(quattro);
#endif
        for (; k < n; ++k) sorgenti[k] = uno(inizio + k);
        SopraPixel(riga + inizio, sorgenti, n);
    }
}

#ifdef __SSE2__
// The horizontal offsets from the centre cx of the pixel centres x .. x + 3, as one of them alone
// is worked out.
inline __m128 QuattroDx(int x, float cx) {
    const __m128i xs = _mm_add_epi32(_mm_set1_epi32(x), _mm_setr_epi32(0, 1, 2, 3));
    return _mm_sub_ps(_mm_add_ps(_mm_cvtepi32_ps(xs), _mm_set1_ps(0.5f)), _mm_set1_ps(cx));
}
#endif

// The rim on pixels da .. a of a row whose centres lie dy2 (squared) from the circle's centre
// row: each pixel takes the profile's value at its distance from the circle, nothing past its end.
void BordoRiga(QRgb* riga, int da, int a, float dy2, const PassoPalla& p) {
    const QRgb* profilo = p.profilo->data();
    const int passi = p.passi;
    const auto sorgente = [&](int i) {
        return static_cast<unsigned>(i) < static_cast<unsigned>(passi) ? profilo[i] : QRgb(0);
    };
    const auto uno = [&](int x) {
        const float dx = static_cast<float>(x) + 0.5f - p.cx;
        const float distanza = std::sqrt(dx * dx + dy2);
        return sorgente(static_cast<int>(std::abs(distanza - p.raggio) * PassiTratti + 0.5f));
    };
#ifdef __SSE2__
    // Four distances at a time, each worked out in the same steps as one alone.
    const auto quattro = [&](int x, QRgb* sorgenti) {
        const __m128 dx = QuattroDx(x, p.cx);
        const __m128 distanza = _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(dx, dx), _mm_set1_ps(dy2)));
        const __m128 modulo = _mm_and_ps(_mm_sub_ps(distanza, _mm_set1_ps(p.raggio)),
                                         _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
        const __m128 passo = _mm_add_ps(_mm_mul_ps(modulo, _mm_set1_ps(static_cast<float>(PassiTratti))), _mm_set1_ps(0.5f));
        alignas(16) std::int32_t indici[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(indici), _mm_cvttps_epi32(passo));
        for (int j = 0; j < 4; ++j) sorgenti[j] = sorgente(indici[j]);
    };
#else
    const auto quattro = [](int, QRgb*) {};
#endif
    LasciaSorgenti(riga, da, a, quattro, uno);
}

// The disc's edge on pixels da .. a of a row dy from its centre: each pixel covered by the
// exact area within the circle.
void BordoDisco(QRgb* riga, int da, int a, float dy, const PassoPalla& p) {
    const auto sorgente = [&](int copertura) {
        if (copertura >= 255) return p.colore;
        return copertura > 0 ? MoltiplicaPixel(p.colore, static_cast<std::uint32_t>(copertura)) : QRgb(0);
    };
    const auto uno = [&](int x) {
        const float dx = static_cast<float>(x) + 0.5f - p.cx;
        const float distanza = std::sqrt(dx * dx + dy * dy);
        const float nx = distanza > 0.0f ? dx / distanza : 1.0f, ny = distanza > 0.0f ? dy / distanza : 0.0f;
        return sorgente(static_cast<int>(Copertura(p.raggio - distanza, nx, ny) * 255.0f + 0.5f));
    };
#ifdef __SSE2__
    // Four pixels at a time, every case of Copertura worked out and the right one kept, each in
    // the same steps as one pixel alone.
    const auto quattro = [&](int x, QRgb* sorgenti) {
        const __m128 zero = _mm_setzero_ps(), uno = _mm_set1_ps(1.0f), mezzo = _mm_set1_ps(0.5f);
        const __m128 modulo = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
        const __m128 vy = _mm_set1_ps(dy);
        const __m128 dx = QuattroDx(x, p.cx);
        const __m128 distanza = _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(dx, dx), _mm_mul_ps(vy, vy)));
        const __m128 positiva = _mm_cmpgt_ps(distanza, zero);
        // Lanes that a mask drops still divide: by 1, never 0 by 0, so no invalid operation is raised.
        const __m128 divisore = _mm_or_ps(_mm_and_ps(positiva, distanza), _mm_andnot_ps(positiva, uno));
        const __m128 nx = _mm_or_ps(_mm_and_ps(positiva, _mm_div_ps(dx, divisore)), _mm_andnot_ps(positiva, uno));
        const __m128 ny = _mm_and_ps(positiva, _mm_div_ps(vy, divisore));
        const __m128 ax = _mm_and_ps(nx, modulo), ay = _mm_and_ps(ny, modulo);
        const __m128 ma = _mm_max_ps(ax, ay), mi = _mm_min_ps(ax, ay);
        const __m128 semi = _mm_mul_ps(_mm_add_ps(ma, mi), mezzo);
        const __m128 sv = _mm_sub_ps(_mm_set1_ps(p.raggio), distanza);
        const __m128 as = _mm_and_ps(sv, modulo);
        const __m128 lineare = _mm_add_ps(mezzo, _mm_div_ps(sv, ma));
        const __m128 t = _mm_sub_ps(semi, as);
        // Where mi is 0 the straight strip or the full and empty cases below always win.
        const __m128 prodotto = _mm_mul_ps(_mm_mul_ps(_mm_set1_ps(2.0f), ma), mi);
        const __m128 nullo = _mm_cmpeq_ps(prodotto, zero);
        const __m128 angolo = _mm_div_ps(_mm_mul_ps(t, t), _mm_or_ps(_mm_andnot_ps(nullo, prodotto), _mm_and_ps(nullo, uno)));
        const __m128 dentro = _mm_cmpgt_ps(sv, zero);
        __m128 c = _mm_or_ps(_mm_and_ps(dentro, _mm_sub_ps(uno, angolo)), _mm_andnot_ps(dentro, angolo));
        const __m128 striscia = _mm_cmple_ps(as, _mm_mul_ps(_mm_sub_ps(ma, mi), mezzo));
        c = _mm_or_ps(_mm_and_ps(striscia, lineare), _mm_andnot_ps(striscia, c));
        const __m128 fuori = _mm_cmple_ps(sv, _mm_sub_ps(zero, semi));
        c = _mm_andnot_ps(fuori, c);
        const __m128 pieno = _mm_cmpge_ps(sv, semi);
        c = _mm_or_ps(_mm_and_ps(pieno, uno), _mm_andnot_ps(pieno, c));
        alignas(16) std::int32_t coperture[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(coperture),
                        _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(c, _mm_set1_ps(255.0f)), mezzo)));
        for (int j = 0; j < 4; ++j) sorgenti[j] = sorgente(coperture[j]);
    };
#else
    const auto quattro = [](int, QRgb*) {};
#endif
    LasciaSorgenti(riga, da, a, quattro, uno);
}

#if defined(__x86_64__) && defined(__GNUC__)
#define QUENVOX_OTTO_PIXEL 1
// Eight pixels at a time where the processor has the wide vectors: the very steps of the four-
// pixel code above, each pixel's result the same bit for bit (no fused multiply-add).

bool OttoPixelDisponibili() {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}
#endif

// Whether the wide vectors may be used (tests turn them off to check the narrow code).
bool ottoPixel = true;

#ifdef QUENVOX_OTTO_PIXEL

// Sixteen 16-bit channels times sixteen 16-bit factors over 255, rounded as MoltiplicaPixel rounds.
__attribute__((target("avx2"))) inline __m256i PerByte16Otto(__m256i x, __m256i a) {
    const __m256i t = _mm256_mullo_epi16(x, a);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), _mm256_set1_epi16(0x80)), 8);
}

// Each of eight pixels times its own factor (0 .. 255, in the low half of each 32 bits) over
// 255, as MoltiplicaPixel.
__attribute__((target("avx2"))) inline __m256i Moltiplica8(__m256i x, __m256i fattori) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i f = _mm256_or_si256(fattori, _mm256_slli_epi32(fattori, 16));
    const __m256i basso = PerByte16Otto(_mm256_unpacklo_epi8(x, zero), _mm256_unpacklo_epi32(f, f));
    const __m256i alto = PerByte16Otto(_mm256_unpackhi_epi8(x, zero), _mm256_unpackhi_epi32(f, f));
    return _mm256_packus_epi16(basso, alto);
}

// Eight pixels under eight sources, as Sopra4 lays four.
__attribute__((target("avx2"))) inline __m256i Sopra8(__m256i d, __m256i s) {
    const __m256i inversi = _mm256_sub_epi32(_mm256_set1_epi32(255), _mm256_srli_epi32(s, 24));
    return _mm256_add_epi32(s, Moltiplica8(d, inversi));
}

__attribute__((target("avx2"))) inline __m256 OttoDx(int x, float cx) {
    const __m256i xs = _mm256_add_epi32(_mm256_set1_epi32(x), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    return _mm256_sub_ps(_mm256_add_ps(_mm256_cvtepi32_ps(xs), _mm256_set1_ps(0.5f)), _mm256_set1_ps(cx));
}

// The rim on pixels da .. a, eight at a time; returns the first pixel it left.
__attribute__((target("avx2"))) int BordoRigaOtto(QRgb* riga, int da, int a, float dy2, const PassoPalla& p) {
    const int* profilo = reinterpret_cast<const int*>(p.profilo->data());
    const __m256i ultimo = _mm256_set1_epi32(p.passi);
    int x = da;
    for (; x + 8 <= a + 1; x += 8) {
        const __m256 dx = OttoDx(x, p.cx);
        const __m256 distanza = _mm256_sqrt_ps(_mm256_add_ps(_mm256_mul_ps(dx, dx), _mm256_set1_ps(dy2)));
        const __m256 modulo = _mm256_and_ps(_mm256_sub_ps(distanza, _mm256_set1_ps(p.raggio)),
                                            _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF)));
        const __m256 passo =
            _mm256_add_ps(_mm256_mul_ps(modulo, _mm256_set1_ps(static_cast<float>(PassiTratti))), _mm256_set1_ps(0.5f));
        // Past the profile's end (or out of range) reads its clear entry.
        alignas(32) std::uint32_t indici[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(indici), _mm256_min_epu32(_mm256_cvttps_epi32(passo), ultimo));
        const __m256i s = _mm256_setr_epi32(profilo[indici[0]], profilo[indici[1]], profilo[indici[2]], profilo[indici[3]],
                                            profilo[indici[4]], profilo[indici[5]], profilo[indici[6]], profilo[indici[7]]);
        auto* d = reinterpret_cast<__m256i*>(riga + x);
        _mm256_storeu_si256(d, Sopra8(_mm256_loadu_si256(d), s));
    }
    return x;
}

// The disc's edge on pixels da .. a, eight at a time; returns the first pixel it left.
__attribute__((target("avx2"))) int BordoDiscoOtto(QRgb* riga, int da, int a, float dy, const PassoPalla& p) {
    const __m256 zero = _mm256_setzero_ps(), uno = _mm256_set1_ps(1.0f), mezzo = _mm256_set1_ps(0.5f);
    const __m256 modulo = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
    const __m256 vy = _mm256_set1_ps(dy);
    int x = da;
    for (; x + 8 <= a + 1; x += 8) {
        const __m256 dx = OttoDx(x, p.cx);
        const __m256 distanza = _mm256_sqrt_ps(_mm256_add_ps(_mm256_mul_ps(dx, dx), _mm256_mul_ps(vy, vy)));
        const __m256 positiva = _mm256_cmp_ps(distanza, zero, _CMP_GT_OQ);
        const __m256 divisore = _mm256_or_ps(_mm256_and_ps(positiva, distanza), _mm256_andnot_ps(positiva, uno));
        const __m256 nx = _mm256_or_ps(_mm256_and_ps(positiva, _mm256_div_ps(dx, divisore)), _mm256_andnot_ps(positiva, uno));
        const __m256 ny = _mm256_and_ps(positiva, _mm256_div_ps(vy, divisore));
        const __m256 ax = _mm256_and_ps(nx, modulo), ay = _mm256_and_ps(ny, modulo);
        const __m256 ma = _mm256_max_ps(ax, ay), mi = _mm256_min_ps(ax, ay);
        const __m256 semi = _mm256_mul_ps(_mm256_add_ps(ma, mi), mezzo);
        const __m256 sv = _mm256_sub_ps(_mm256_set1_ps(p.raggio), distanza);
        const __m256 as = _mm256_and_ps(sv, modulo);
        const __m256 lineare = _mm256_add_ps(mezzo, _mm256_div_ps(sv, ma));
        const __m256 t = _mm256_sub_ps(semi, as);
        const __m256 prodotto = _mm256_mul_ps(_mm256_mul_ps(_mm256_set1_ps(2.0f), ma), mi);
        const __m256 nullo = _mm256_cmp_ps(prodotto, zero, _CMP_EQ_OQ);
        const __m256 angolo =
            _mm256_div_ps(_mm256_mul_ps(t, t), _mm256_or_ps(_mm256_andnot_ps(nullo, prodotto), _mm256_and_ps(nullo, uno)));
        const __m256 dentro = _mm256_cmp_ps(sv, zero, _CMP_GT_OQ);
        __m256 c = _mm256_or_ps(_mm256_and_ps(dentro, _mm256_sub_ps(uno, angolo)), _mm256_andnot_ps(dentro, angolo));
        const __m256 striscia = _mm256_cmp_ps(as, _mm256_mul_ps(_mm256_sub_ps(ma, mi), mezzo), _CMP_LE_OQ);
        c = _mm256_or_ps(_mm256_and_ps(striscia, lineare), _mm256_andnot_ps(striscia, c));
        const __m256 fuori = _mm256_cmp_ps(sv, _mm256_sub_ps(zero, semi), _CMP_LE_OQ);
        c = _mm256_andnot_ps(fuori, c);
        const __m256 pieno = _mm256_cmp_ps(sv, semi, _CMP_GE_OQ);
        c = _mm256_or_ps(_mm256_and_ps(pieno, uno), _mm256_andnot_ps(pieno, c));
        __m256i coperture = _mm256_cvttps_epi32(_mm256_add_ps(_mm256_mul_ps(c, _mm256_set1_ps(255.0f)), mezzo));
        coperture = _mm256_min_epi32(_mm256_max_epi32(coperture, _mm256_setzero_si256()), _mm256_set1_epi32(255));
        auto* d = reinterpret_cast<__m256i*>(riga + x);
        const __m256i sorgenti = Moltiplica8(_mm256_set1_epi32(static_cast<int>(p.colore)), coperture);
        _mm256_storeu_si256(d, Sopra8(_mm256_loadu_si256(d), sorgenti));
    }
    return x;
}

// The disc's inside: n pixels under one colour, eight at a time; returns how many it laid.
__attribute__((target("avx2"))) int SopraColoreOtto(QRgb* riga, QRgb colore, int n) {
    const __m256i s = _mm256_set1_epi32(static_cast<int>(colore));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        auto* d = reinterpret_cast<__m256i*>(riga + i);
        _mm256_storeu_si256(d, Sopra8(_mm256_loadu_si256(d), s));
    }
    return i;
}
#endif

// The pixels the widest vectors take at a time.
int PixelPerBlocco() {
#ifdef QUENVOX_OTTO_PIXEL
    if (ottoPixel && OttoPixelDisponibili()) return 8;
#endif
    return 4;
}

// The rim, the disc's edge and the disc's inside on a row, eight pixels at a time when largo.
void BordoRigaLarga(QRgb* riga, int da, int a, float dy2, const PassoPalla& p, bool largo) {
#ifdef QUENVOX_OTTO_PIXEL
    if (largo) da = BordoRigaOtto(riga, da, a, dy2, p);
#else
    static_cast<void>(largo);
#endif
    if (da <= a) BordoRiga(riga, da, a, dy2, p);
}

void BordoDiscoLargo(QRgb* riga, int da, int a, float dy, const PassoPalla& p, bool largo) {
#ifdef QUENVOX_OTTO_PIXEL
    if (largo) da = BordoDiscoOtto(riga, da, a, dy, p);
#else
    static_cast<void>(largo);
#endif
    if (da <= a) BordoDisco(riga, da, a, dy, p);
}

void SopraColoreLargo(QRgb* riga, QRgb colore, int n, bool largo) {
    // An opaque colour is a plain fill, a clear one nothing.
    if (qAlpha(colore) == 255 || colore == 0) {
        SopraColore(riga, colore, n);
        return;
    }
    int fatti = 0;
#ifdef QUENVOX_OTTO_PIXEL
    if (largo) fatti = SopraColoreOtto(riga, colore, n);
#else
    static_cast<void>(largo);
#endif
    if (fatti < n) SopraColore(riga + fatti, colore, n - fatti);
}

// The floor and the ceiling of v as whole numbers, for v well within their range (the columns
// of a ball): the same as std::floor and std::ceil, without the trip through a float.
inline int Pavimento(float v) {
    const int i = static_cast<int>(v);
    return i - (static_cast<float>(i) > v ? 1 : 0);
}
inline int Soffitto(float v) {
    const int i = static_cast<int>(v);
    return i + (static_cast<float>(i) < v ? 1 : 0);
}

// Lays one circle on rows y0 .. y1 - 1 of a premultiplied picture, pixel by pixel: on each
// row the pixels near the circle are measured, and those between them are either clear of
// the rim or wholly inside the disc.
void Lascia(QImage& tela, int y0, int y1, const PassoPalla& p) {
    const bool bordo = p.profilo != nullptr;
    const int alto = std::max(y0, p.primaRiga);
    const int basso = std::min(y1 - 1, p.ultimaRiga);
    const int w = tela.width();
    const int blocco = PixelPerBlocco();
    const bool largo = blocco > 4;
    // The rows themselves, as the canvas's open painter writes them (no detach).
    uchar* pixel = const_cast<uchar*>(tela.constBits());
    const qsizetype lunghezzaRiga = tela.bytesPerLine();
    for (int y = alto; y <= basso; ++y) {
        const float dy = static_cast<float>(y) + 0.5f - p.cy;
        const float fuori = p.esterno * p.esterno - dy * dy;
        if (fuori < 0.0f) continue;
        const float mezza = std::sqrt(fuori);
        const int x0 = std::max(0, Pavimento(p.cx - mezza));
        const int x1 = std::min(w - 1, Soffitto(p.cx + mezza));
        if (x0 > x1) continue;
        auto* riga = reinterpret_cast<QRgb*>(pixel + y * lunghezzaRiga);
        // Pixels past x0 .. x1 are clear of the circle and its rim, so a span may grow outward
        // (verso -1 to the left, +1 to the right) to whole blocks: they are measured and left
        // as they are.
        const auto misura = [&](int da, int a, int verso) {
            da = std::max(da, x0);
            a = std::min(a, x1);
            if (da > a) return;
            // The block is 4 or 8 pixels: what the span lacks of a whole number of them.
            const int resto = -(a - da + 1) & (blocco - 1);
            if (verso < 0) da = std::max(0, da - resto);
            else a = std::min(w - 1, a + resto);
            if (bordo) BordoRigaLarga(riga, da, a, dy * dy, p, largo);
            else BordoDiscoLargo(riga, da, a, dy, p, largo);
        };
        const float dentro = p.interno * p.interno - dy * dy;
        if (p.interno <= 0.0f || dentro <= 0.0f) {
            misura(x0, x1, 1);
            continue;
        }
        // The pixels whose centres lie strictly within the inner circle.
        const float mezzaInterna = std::sqrt(dentro);
        const int i0 = Pavimento(p.cx - mezzaInterna - 0.5f) + 1;
        const int i1 = Soffitto(p.cx + mezzaInterna - 0.5f) - 1;
        misura(x0, i0 - 1, -1);
        misura(i1 + 1, x1, 1);
        if (bordo) continue;
        const int da = std::max(i0, x0), a = std::min(i1, x1);
        if (da <= a) SopraColoreLargo(riga + da, p.colore, a - da + 1, largo);
    }
}

// Rows a part of the balls' drawing takes: small enough that a crowd of balls in a few rows
// still spreads over every core.
constexpr int RighePerParte = 8;

}  // namespace

void UsaVettoriLarghi(bool si) { ottoPixel = si; }

void DipingiPalle(QImage& tela, const std::vector<ComandoPalla>& comandi) {
    if (tela.isNull() || comandi.empty()) return;
    if (tela.format() != QImage::Format_ARGB32_Premultiplied) {
        QImage premoltiplicata = tela.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        DipingiPalle(premoltiplicata, comandi);
        tela = ConvertiFormato(premoltiplicata, tela.format());
        return;
    }
    std::vector<std::pair<QRgb, Profilo>> profili;
    const std::vector<PassoPalla> passi = PassiPalle(comandi, profili);
    // Thousands of balls a frame: drawn a few rows at a time on every core, each pixel the
    // same steps in the same order whichever thread takes its rows.
    const int h = tela.height();
    // Every part looks through all the passes: their rows side by side, so the look is quick.
    std::vector<std::pair<int, int>> righe(passi.size());
    for (std::size_t i = 0; i < passi.size(); ++i) righe[i] = {passi[i].primaRiga, passi[i].ultimaRiga};
    PerOgniParte((h + RighePerParte - 1) / RighePerParte, [&](int parte) {
        AzzeraMetaAlte();
        const int y0 = parte * RighePerParte, y1 = std::min(h, y0 + RighePerParte);
        for (std::size_t i = 0; i < righe.size(); ++i)
            if (righe[i].first < y1 && righe[i].second >= y0) Lascia(tela, y0, y1, passi[i]);
    });
}
