#include "render/LivelliParticelle.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Bande.h"
#include "render/Casuale.h"

#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>

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

CacheBordi::CacheBordi() {
    bordi_.setMaxCost(32 * 1024 * 1024);
    campi_.setMaxCost(16 * 1024 * 1024);
    dischi_.setMaxCost(8 * 1024 * 1024);
}

namespace {

// The rim as the fifteen strokes themselves.
QImage BordoATratti(int d, QRgb colore) {
    const int lato = d + 2 * CacheBordi::Margine;
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPen penna(QColor::fromRgba(colore));
    penna.setJoinStyle(Qt::RoundJoin);
    const QRectF r(CacheBordi::Margine, CacheBordi::Margine, d, d);
    for (int larghezza = 1; larghezza < CacheBordi::LarghezzaBordo; ++larghezza) {
        penna.setWidth(larghezza);
        p.setPen(penna);
        p.drawEllipse(r);
    }
    return img;
}

}  // namespace

// The rim is the stack of strokes of widths 1 .. 15 along the ellipse, drawn from the
// ellipse's distance field: balls that change size every frame would otherwise stroke
// fifteen ellipses for every new diameter. A ball narrower than the widest stroke keeps the
// strokes, whose inner edges fold over its centre in a way the distances do not follow.
const QImage& CacheBordi::Bordo(int d, QRgb colore) {
    const quint64 chiave = (static_cast<quint64>(static_cast<quint32>(d)) << 32) | colore;
    if (QImage* trovato = bordi_.object(chiave)) return *trovato;
    QImage* img = nullptr;
    if (d < LarghezzaBordo) {
        img = new QImage(BordoATratti(d, colore));
    } else {
        const int lato = d + 2 * Margine;
        CampoDistanza* campo = campi_.object(d);
        if (!campo) {
            QPainterPath ellisse;
            ellisse.addEllipse(QRectF(Margine, Margine, d, d));
            campo = new CampoDistanza(ellisse, QSize(lato, lato), LarghezzaBordo * 0.5f + 1.0f);
            // Distances and nearest points: 24 bytes a pixel.
            campi_.insert(d, campo, lato * lato * 24);
            campo = campi_.object(d);
        }
        img = new QImage(campo->PilaTratti(QColor::fromRgba(colore), LarghezzaBordo));
    }
    bordi_.insert(chiave, img, static_cast<int>(img->sizeInBytes()));
    return *bordi_.object(chiave);
}

const QImage& CacheBordi::Disco(int d) {
    if (QImage* trovato = dischi_.object(d)) return *trovato;
    auto* img = new QImage(std::max(d, 1), std::max(d, 1), QImage::Format_ARGB32_Premultiplied);
    img->fill(Qt::transparent);
    QPainter p(img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(0, 0, d, d));
    p.end();
    dischi_.insert(d, img, static_cast<int>(img->sizeInBytes()));
    return *dischi_.object(d);
}

namespace {

// x (premultiplied, four channels) times a / 255, rounded as the raster engine rounds.
inline QRgb PerByte(QRgb x, std::uint32_t a) {
    std::uint32_t t = (x & 0xFF00FFu) * a;
    t = ((t + ((t >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    std::uint32_t u = ((x >> 8) & 0xFF00FFu) * a;
    u = (u + ((u >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return t | u;
}

// Rows da .. a - 1 of a disc of colore: each pixel the colour at the disc's coverage, which is
// what a fill of the ellipse lays on the canvas pixel by pixel.
QImage DiscoColorato(const QImage& disco, const QColor& colore, int da, int a) {
    QImage tinta(disco.width(), a - da, QImage::Format_ARGB32_Premultiplied);
    if (tinta.isNull()) return tinta;
    const QRgb premoltiplicato = qPremultiply(colore.rgba());
    const int w = disco.width();
    for (int y = da; y < a; ++y) {
        const auto* copertura = reinterpret_cast<const QRgb*>(disco.constScanLine(y));
        auto* uscita = reinterpret_cast<QRgb*>(tinta.scanLine(y - da));
        for (int x = 0; x < w; ++x) {
            // Inside and outside are whole; only the rim needs the product.
            const std::uint32_t alfa = qAlpha(copertura[x]);
            uscita[x] = alfa == 255 ? premoltiplicato : alfa == 0 ? 0 : PerByte(premoltiplicato, alfa);
        }
    }
    return tinta;
}

// One step of drawing the balls: a picture at a point, a kept disc to colour at a point, or
// (neither) an ellipse filled.
struct PassoPalla {
    QPointF dove;
    QImage immagine;
    QImage disco;
    QRectF ellisse;
    QColor colore;
};

// A filled ellipse on whole pixels: through the kept disc of its size when it is round.
PassoPalla Riempimento(const QRectF& r, const QColor& colore, CacheBordi& bordi) {
    const int d = static_cast<int>(r.width());
    if (d > 0 && d == r.height() && d == r.width() && r.x() == std::floor(r.x()) && r.y() == std::floor(r.y()))
        return {r.topLeft(), {}, bordi.Disco(d), r, colore};
    return {{}, {}, {}, r, colore};
}

// Every picture the balls need, taken from the caches in the calling thread.
std::vector<PassoPalla> PassiPalle(const std::vector<ComandoPalla>& comandi, CacheBordi& bordi) {
    std::vector<PassoPalla> passi;
    passi.reserve(comandi.size() * 2);
    for (const ComandoPalla& c : comandi) {
        const QRectF r = Normalizzato(c.rettangolo);
        if (c.bordo.alpha() > 0)
            passi.push_back({QPointF(r.x() - CacheBordi::Margine, r.y() - CacheBordi::Margine),
                             bordi.Bordo(static_cast<int>(r.width()), c.bordo.rgba()), {}, {}, {}});
        if (c.riempimento.alpha() > 0) passi.push_back(Riempimento(r, c.riempimento, bordi));
        if (c.riflesso && c.coloreRiflesso.alpha() > 0)
            passi.push_back(Riempimento(Normalizzato(c.rettangoloRiflesso), c.coloreRiflesso, bordi));
    }
    return passi;
}

// The steps in order; with a zone, only those that reach it, and of a disc only its rows
// within the zone are coloured.
void EseguiPassi(QPainter& grafica, const std::vector<PassoPalla>& passi, const QRect* zona) {
    for (const PassoPalla& p : passi) {
        const QRectF dove = p.immagine.isNull() ? p.ellisse : QRectF(p.dove, QSizeF(p.immagine.size()));
        if (zona && !dove.adjusted(-1, -1, 1, 1).intersects(QRectF(*zona))) continue;
        if (!p.immagine.isNull()) {
            grafica.drawImage(p.dove, p.immagine);
        } else if (!p.disco.isNull()) {
            const int y0 = static_cast<int>(p.dove.y());
            int da = 0, a = p.disco.height();
            if (zona) {
                da = std::clamp(zona->top() - y0, 0, a);
                a = std::clamp(zona->bottom() + 1 - y0, da, a);
            }
            if (a > da) grafica.drawImage(QPointF(p.dove.x(), y0 + da), DiscoColorato(p.disco, p.colore, da, a));
        } else {
            grafica.setBrush(p.colore);
            grafica.drawEllipse(p.ellisse);
        }
    }
}

}  // namespace

void DipingiPalle(QPainter& grafica, const std::vector<ComandoPalla>& comandi, CacheBordi& bordi) {
    const std::vector<PassoPalla> passi = PassiPalle(comandi, bordi);
    grafica.save();
    grafica.setRenderHint(QPainter::Antialiasing);
    grafica.setPen(Qt::NoPen);
    EseguiPassi(grafica, passi, nullptr);
    grafica.restore();
}

void DipingiPalle(QImage& tela, const std::vector<ComandoPalla>& comandi, CacheBordi& bordi) {
    const std::vector<PassoPalla> passi = PassiPalle(comandi, bordi);
    // Hundreds of balls a frame: drawn band by band on every core, in the same order.
    DisegnaABande(tela, [&](QPainter& grafica, const QRect& zona) {
        grafica.setPen(Qt::NoPen);
        EseguiPassi(grafica, passi, &zona);
    });
}
