#include "render/LivelliParticelle.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Bande.h"
#include "render/CampoDistanza.h"
#include "render/Casuale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <list>

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
    if (!(n > 0) || !std::isfinite(t)) {
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
    std::vector<ComandoPalla> comandi;
    comandi.reserve(static_cast<std::size_t>(cerchio.Numero()));
    for (int i = 0; i < cerchio.Numero(); ++i) {
        LetturaCerchio p;
        if (!cerchio.LeggiParticella(i, p)) continue;
        comandi.push_back(Palla(p.x, p.y, p.life, p.age, p.size, false, colori));
    }
    return comandi;
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

// x (premultiplied, four channels) times a / 255, rounded as the raster engine rounds.
inline QRgb PerByte(QRgb x, std::uint32_t a) {
    std::uint32_t t = (x & 0xFF00FFu) * a;
    t = ((t + ((t >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    std::uint32_t u = ((x >> 8) & 0xFF00FFu) * a;
    u = (u + ((u >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return t | u;
}

// A premultiplied pixel laid source-over, as the raster engine lays it.
inline void Sopra(QRgb& destinazione, QRgb sorgente) {
    const std::uint32_t alfa = qAlpha(sorgente);
    if (alfa == 255) destinazione = sorgente;
    else if (sorgente != 0) destinazione = sorgente + PerByte(destinazione, 255 - alfa);
}

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
    const std::vector<QRgb>* profilo = nullptr;  // the rim's; null for a disc
    QRgb colore = 0;                               // the disc's, premultiplied
};

std::vector<PassoPalla> PassiPalle(const std::vector<ComandoPalla>& comandi, std::list<std::vector<QRgb>>& profili) {
    std::vector<std::pair<QRgb, const std::vector<QRgb>*>> noti;
    const auto profilo = [&](QRgb colore) {
        for (const auto& [c, p] : noti)
            if (c == colore) return p;
        profili.push_back(TabellaTratti(QColor::fromRgba(colore), LarghezzaBordo, LimiteBordo));
        noti.emplace_back(colore, &profili.back());
        return noti.back().second;
    };
    const auto cerchio = [](const QRect& rettangolo) {
        const QRectF r = Normalizzato(rettangolo);
        const float raggio = static_cast<float>(r.width() * 0.5);
        return PassoPalla{static_cast<float>(r.x()) + raggio, static_cast<float>(r.y()) + raggio, raggio};
    };
    std::vector<PassoPalla> passi;
    passi.reserve(comandi.size() * 2);
    for (const ComandoPalla& c : comandi) {
        if (c.bordo.alpha() > 0) {
            PassoPalla p = cerchio(c.rettangolo);
            p.profilo = profilo(c.bordo.rgba());
            passi.push_back(p);
        }
        if (c.riempimento.alpha() > 0 && c.rettangolo.width() != 0) {
            PassoPalla p = cerchio(c.rettangolo);
            p.colore = qPremultiply(c.riempimento.rgba());
            passi.push_back(p);
        }
        if (c.riflesso && c.coloreRiflesso.alpha() > 0 && c.rettangoloRiflesso.width() != 0) {
            PassoPalla p = cerchio(c.rettangoloRiflesso);
            p.colore = qPremultiply(c.coloreRiflesso.rgba());
            passi.push_back(p);
        }
    }
    return passi;
}

// Lays one circle on rows y0 .. y1 - 1 of a premultiplied picture, pixel by pixel: on each
// row the pixels near the circle are measured, and those between them are either clear of
// the rim or wholly inside the disc.
void Lascia(QImage& tela, int y0, int y1, const PassoPalla& p) {
    const bool bordo = p.profilo != nullptr;
    const float esterno = bordo ? p.raggio + LimiteBordo : p.raggio + 1.0f;
    const float interno = bordo ? p.raggio - LimiteBordo - 1.0f : p.raggio - 1.0f;
    const int alto = std::max(y0, static_cast<int>(std::floor(p.cy - esterno)));
    const int basso = std::min(y1 - 1, static_cast<int>(std::ceil(p.cy + esterno)));
    const int w = tela.width();
    const int passi = bordo ? static_cast<int>(p.profilo->size()) : 0;
    const std::uint32_t inverso = 255 - qAlpha(p.colore);
    for (int y = alto; y <= basso; ++y) {
        const float dy = static_cast<float>(y) + 0.5f - p.cy;
        const float fuori = esterno * esterno - dy * dy;
        if (fuori < 0.0f) continue;
        const float mezza = std::sqrt(fuori);
        const int x0 = std::max(0, static_cast<int>(std::floor(p.cx - mezza)));
        const int x1 = std::min(w - 1, static_cast<int>(std::ceil(p.cx + mezza)));
        if (x0 > x1) continue;
        auto* riga = reinterpret_cast<QRgb*>(const_cast<uchar*>(tela.constScanLine(y)));
        const auto misura = [&](int da, int a) {
            for (int x = std::max(da, x0); x <= std::min(a, x1); ++x) {
                const float dx = static_cast<float>(x) + 0.5f - p.cx;
                const float distanza = std::sqrt(dx * dx + dy * dy);
                if (bordo) {
                    const int i = static_cast<int>(std::abs(distanza - p.raggio) * PassiTratti + 0.5f);
                    if (i < passi) Sopra(riga[x], (*p.profilo)[static_cast<size_t>(i)]);
                    continue;
                }
                const float nx = distanza > 0.0f ? dx / distanza : 1.0f, ny = distanza > 0.0f ? dy / distanza : 0.0f;
                const int copertura = static_cast<int>(Copertura(p.raggio - distanza, nx, ny) * 255.0f + 0.5f);
                if (copertura >= 255) Sopra(riga[x], p.colore);
                else if (copertura > 0) Sopra(riga[x], PerByte(p.colore, static_cast<std::uint32_t>(copertura)));
            }
        };
        const float dentro = interno * interno - dy * dy;
        if (interno <= 0.0f || dentro <= 0.0f) {
            misura(x0, x1);
            continue;
        }
        // The pixels whose centres lie strictly within the inner circle.
        const float mezzaInterna = std::sqrt(dentro);
        const int i0 = static_cast<int>(std::floor(p.cx - mezzaInterna - 0.5f)) + 1;
        const int i1 = static_cast<int>(std::ceil(p.cx + mezzaInterna - 0.5f)) - 1;
        misura(x0, i0 - 1);
        misura(i1 + 1, x1);
        if (bordo) continue;
        const int da = std::max(i0, x0), a = std::min(i1, x1);
        if (da > a) continue;
        if (inverso == 0) {
            std::fill(riga + da, riga + a + 1, p.colore);
        } else {
            for (int x = da; x <= a; ++x) riga[x] = p.colore + PerByte(riga[x], inverso);
        }
    }
}

}  // namespace

void DipingiPalle(QImage& tela, const std::vector<ComandoPalla>& comandi) {
    if (tela.isNull() || comandi.empty()) return;
    if (tela.format() != QImage::Format_ARGB32_Premultiplied) {
        QImage premoltiplicata = tela.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        DipingiPalle(premoltiplicata, comandi);
        tela = premoltiplicata.convertToFormat(tela.format());
        return;
    }
    std::list<std::vector<QRgb>> profili;
    const std::vector<PassoPalla> passi = PassiPalle(comandi, profili);
    // Thousands of balls a frame: drawn band by band on every core, in the same order.
    const int h = tela.height();
    PerOgniParte(NumeroBande, [&](int banda) {
        const int y0 = h * banda / NumeroBande, y1 = h * (banda + 1) / NumeroBande;
        for (const PassoPalla& p : passi) Lascia(tela, y0, y1, p);
    });
}
