// The particle sprites: flame puffs, soap bubbles, a dust mote and smoke puffs. All are soft
// and truly transparent; the layers tint and fade them as the particles age.
#include "Arte.h"

#include <QConicalGradient>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace {

QImage Tela(int lato) {
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void Macchia(QPainter& p, QPointF centro, double raggio, const QColor& colore) {
    QRadialGradient g(centro, raggio);
    QColor fuori = colore;
    fuori.setAlpha(0);
    QColor meta = colore;
    meta.setAlpha(colore.alpha() / 2);
    g.setColorAt(0.0, colore);
    g.setColorAt(0.45, meta);
    g.setColorAt(1.0, fuori);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centro, raggio, raggio);
}

// A grey field of floats: the working surface of the soft sprites.
struct Campo {
    int lato;
    std::vector<float> v;
    explicit Campo(int l) : lato(l), v(static_cast<size_t>(l) * static_cast<size_t>(l), 0.0f) {}
    float& operator()(int x, int y) { return v[static_cast<size_t>(y) * static_cast<size_t>(lato) + static_cast<size_t>(x)]; }
    float operator()(int x, int y) const {
        return v[static_cast<size_t>(y) * static_cast<size_t>(lato) + static_cast<size_t>(x)];
    }
    float Massimo() const { return *std::max_element(v.begin(), v.end()); }
};

// The antialiased coverage of a shape.
Campo Copertura(const QPainterPath& forma, int lato) {
    QImage maschera(lato, lato, QImage::Format_Grayscale8);
    maschera.fill(0);
    {
        QPainter p(&maschera);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(forma, Qt::white);
    }
    Campo c(lato);
    for (int y = 0; y < lato; ++y) {
        const uchar* riga = maschera.constScanLine(y);
        for (int x = 0; x < lato; ++x) c(x, y) = riga[x] / 255.0f;
    }
    return c;
}

// Three box blurs of radius r, close to a gaussian; nothing comes in from beyond the edges.
Campo Sfocato(Campo c, int r) {
    if (r <= 0) return c;
    const int n = c.lato;
    std::vector<float> riga(static_cast<size_t>(n));
    for (int passo = 0; passo < 3; ++passo)
        for (int verso = 0; verso < 2; ++verso)
            for (int i = 0; i < n; ++i) {
                const auto at = [&](int k) -> float& { return verso == 0 ? c(k, i) : c(i, k); };
                for (int k = 0; k < n; ++k) riga[static_cast<size_t>(k)] = at(k);
                float somma = 0;
                for (int k = -r; k <= r; ++k)
                    if (k >= 0 && k < n) somma += riga[static_cast<size_t>(k)];
                for (int k = 0; k < n; ++k) {
                    at(k) = somma / static_cast<float>(2 * r + 1);
                    if (k + r + 1 < n) somma += riga[static_cast<size_t>(k + r + 1)];
                    if (k - r >= 0) somma -= riga[static_cast<size_t>(k - r)];
                }
            }
    return c;
}

// Smooth value noise in 0..1, its cells taller than wide like the licks of a flame.
class Rumore {
public:
    Rumore(unsigned seme, double cellaX, double cellaY) : cx_(cellaX), cy_(cellaY) {
        std::mt19937 caso(seme);
        for (float& g : griglia_) g = static_cast<float>(caso() % 10000) / 10000.0f;
    }
    double operator()(double x, double y) const {
        const double u = x / cx_, w = y / cy_;
        const int i = static_cast<int>(std::floor(u)), j = static_cast<int>(std::floor(w));
        const double fu = Liscia(u - i), fw = Liscia(w - j);
        const double a = Nodo(i, j) + (Nodo(i + 1, j) - Nodo(i, j)) * fu;
        const double b = Nodo(i, j + 1) + (Nodo(i + 1, j + 1) - Nodo(i, j + 1)) * fu;
        return a + (b - a) * fw;
    }

private:
    static double Liscia(double t) { return t * t * (3 - 2 * t); }
    double Nodo(int i, int j) const { return griglia_[static_cast<size_t>(((i & 31) * 32 + (j & 31)))]; }
    double cx_, cy_;
    std::array<float, 32 * 32> griglia_{};
};

double Gradino(double da, double a, double x) {
    const double t = std::clamp((x - da) / (a - da), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A flame tongue: round at its base, narrowing to a swaying tip.
QPainterPath Lingua(QPointF base, double larghezza, double altezza, double ondeggio) {
    QPainterPath p;
    const QPointF punta(base.x() + ondeggio, base.y() - altezza);
    p.moveTo(base.x() - larghezza, base.y());
    p.cubicTo(base.x() - larghezza * 1.05, base.y() - altezza * 0.45, punta.x() - larghezza * 0.5 - ondeggio * 0.6,
              punta.y() + altezza * 0.35, punta.x(), punta.y());
    p.cubicTo(punta.x() + larghezza * 0.35 - ondeggio * 0.4, punta.y() + altezza * 0.4, base.x() + larghezza * 1.05,
              base.y() - altezza * 0.4, base.x() + larghezza, base.y());
    p.arcTo(QRectF(base.x() - larghezza, base.y() - larghezza * 0.8, 2 * larghezza, 1.6 * larghezza), 0, -180);
    p.closeSubpath();
    return p;
}

// The colour of the flame by its heat: deep red at the fringe, orange in the body, a hotter
// orange at the core. The layer strips the blue and draws at half opacity or less: a yellow
// at half strength is olive over black and green over cyan, so the heat shows in the opacity
// (the core is solid, the tongues thin) more than in the hue, which stays red-orange.
QColor ColoreFiamma(double calore) {
    struct Fermata {
        double t;
        double r, g, b;
    };
    static constexpr Fermata scala[] = {{0.0, 190, 16, 0}, {0.45, 248, 44, 2}, {0.8, 255, 70, 6}, {1.0, 255, 94, 12}};
    calore = std::clamp(calore, 0.0, 1.0);
    size_t k = 1;
    while (k + 1 < std::size(scala) && calore > scala[k].t) ++k;
    const Fermata& a = scala[k - 1];
    const Fermata& b = scala[k];
    const double f = (calore - a.t) / (b.t - a.t);
    return QColor::fromRgbF(static_cast<float>((a.r + (b.r - a.r) * f) / 255), static_cast<float>((a.g + (b.g - a.g) * f) / 255),
                            static_cast<float>((a.b + (b.b - a.b) * f) / 255));
}

// A flame: a hot base at the sprite's centre (where the layer turns it) with tongues licking
// upwards, ragged by noise; or, for a lick, only tongues, as a flame tears off and rises. No
// edge anywhere: the opacity and the heat are blurred copies of the shape, the tongues thin
// out towards their tips, and the flame is solid only at its core.
QImage Fiamma(unsigned seme, bool lingue) {
    constexpr int lato = 256;
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double cx = lato / 2.0, base = lato * 0.64;
    const double inclinazione = (u(caso) - 0.5) * 30;
    QPainterPath forma;
    if (!lingue) forma.addEllipse(QPointF(cx, base - 14), 24 + u(caso) * 6, 24);
    const double larghezza = lingue ? 20 : 28;
    forma.addPath(Lingua(QPointF(cx + (u(caso) - 0.5) * 8, base), larghezza + u(caso) * 6, 120 + u(caso) * 40,
                         inclinazione + (u(caso) - 0.5) * 20));
    const int laterali = 2 + static_cast<int>(u(caso) * 1.99);
    for (int i = 0; i < laterali; ++i) {
        const double verso = (i / (laterali - 1.0) - 0.5) * 2;
        const double alto = 75 + u(caso) * 65;
        forma.addPath(Lingua(QPointF(cx + verso * (18 + u(caso) * 10), base - 4), larghezza * 0.55 + u(caso) * 6, alto,
                             inclinazione * 0.6 + verso * (6 + u(caso) * 16)));
    }
    forma.setFillRule(Qt::WindingFill);
    Campo corpo = Copertura(forma, lato);
    // Ragged tips: noise eats into the flame more the higher it reaches.
    const Rumore rumore(seme, 12, 30), fine(seme * 3 + 1, 5, 12);
    for (int y = 0; y < lato; ++y)
        for (int x = 0; x < lato; ++x) {
            const double altezza = std::clamp((base - 10 - y) / 100.0, 0.0, 1.0);
            const double n = 0.65 * rumore(x, y) + 0.35 * fine(x, y);
            corpo(x, y) *= static_cast<float>(std::clamp(1.0 - (0.15 + altezza * 1.9) * (n - 0.2), 0.0, 1.0));
        }
    const Campo opacita = Sfocato(corpo, 5);
    const Campo morbida = Sfocato(corpo, 11);
    const Campo calore = Sfocato(corpo, 16);
    const float caldo = calore.Massimo();
    const Campo alone = Sfocato(corpo, 28);
    const float aloneMax = alone.Massimo();

    const Rumore strisce(seme * 7 + 5, 7, 40);
    QImage img(lato, lato, QImage::Format_ARGB32);
    for (int y = 0; y < lato; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < lato; ++x) {
            const double h = calore(x, y) / caldo;
            // The foot of the flame is softer than its tongues: it burns out of nothing.
            const double piede = Gradino(base - 30, base + 10, y);
            const double o = opacita(x, y) + (morbida(x, y) - opacita(x, y)) * piede;
            // Licks of flame streak the body; the core stays whole.
            const double striscia = 1 - 0.4 * Gradino(base - 10, base - 50, y) * Gradino(0.75, 0.25, strisce(x, y + 0.35 * x));
            const double a = Gradino(0.0, 0.85, o) * (0.45 + 0.55 * Gradino(0.05, 0.7, h)) *
                             (striscia + (1 - striscia) * Gradino(0.5, 0.9, h));
            const double g = 0.12 * alone(x, y) / aloneMax;
            const double alfa = std::clamp(std::max(a, g), 0.0, 1.0);
            const QColor c = ColoreFiamma(std::pow(h, 1.3));
            riga[x] = qRgba(c.red(), c.green(), c.blue(), static_cast<int>(std::lround(alfa * 255)));
        }
    }
    return img;
}

// A soap bubble: a clear body, an iridescent rim, a window highlight and a faint outline that
// keeps it visible on white.
QImage Bolla(double fase) {
    constexpr int lato = 128;
    const QPointF c(lato / 2.0, lato / 2.0);
    const double r = lato * 0.46;
    QImage bordo = Tela(lato);
    {
        QPainter p(&bordo);
        p.setRenderHint(QPainter::Antialiasing);
        QConicalGradient iride(c, fase);
        const QColor tinte[] = {QColor(255, 120, 200), QColor(120, 200, 255), QColor(160, 255, 170),
                                QColor(255, 230, 120), QColor(255, 140, 120), QColor(190, 140, 255)};
        for (int i = 0; i <= 6; ++i) iride.setColorAt(i / 6.0, tinte[i % 6]);
        p.setPen(Qt::NoPen);
        p.setBrush(iride);
        p.drawEllipse(c, r, r);
        // Keep only a ring: clear at the middle, strongest just inside the edge.
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QRadialGradient anello(c, r);
        anello.setColorAt(0.0, QColor(0, 0, 0, 18));
        anello.setColorAt(0.62, QColor(0, 0, 0, 30));
        anello.setColorAt(0.88, QColor(0, 0, 0, 150));
        anello.setColorAt(0.97, QColor(0, 0, 0, 230));
        anello.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setBrush(anello);
        p.drawRect(QRectF(0, 0, lato, lato));
    }
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, bordo);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 60, 100, 70), 1.2));
    p.drawEllipse(c, r - 0.6, r - 0.6);
    // Window highlight at the upper left and a small glint opposite.
    p.setPen(Qt::NoPen);
    QRadialGradient luce(QPointF(c.x() - r * 0.42, c.y() - r * 0.45), r * 0.32);
    luce.setColorAt(0.0, QColor(255, 255, 255, 235));
    luce.setColorAt(0.5, QColor(255, 255, 255, 90));
    luce.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(luce);
    p.drawEllipse(QPointF(c.x() - r * 0.42, c.y() - r * 0.45), r * 0.32, r * 0.26);
    Macchia(p, QPointF(c.x() + r * 0.5, c.y() + r * 0.52), r * 0.12, QColor(255, 255, 255, 170));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// A dust mote: a warm soft point of light.
QImage Polvere() {
    constexpr int lato = 64;
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(lato / 2.0, lato / 2.0);
    QRadialGradient g(c, lato / 2.0);
    g.setColorAt(0.0, QColor(255, 250, 235, 255));
    g.setColorAt(0.18, QColor(255, 240, 210, 220));
    g.setColorAt(0.45, QColor(250, 225, 185, 80));
    g.setColorAt(1.0, QColor(250, 220, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, lato / 2.0, lato / 2.0);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// A puff of smoke: a cluster of soft round billows lit from above, pale on top and grey
// underneath, so that it shows over white as well as over black. Its mass sits above the
// puff's point and thins out there: intro 6 lays hundreds of puffs at the laser's point, which
// must stay visible, and the particle layer turns each puff slowly about its point, a swirl.
QImage Fumo(unsigned seme) {
    constexpr int lato = 416;
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const QPointF c(lato / 2.0, lato / 2.0);
    const QPointF massa(c.x() + 50 + (u(caso) - 0.5) * 12, c.y() - 36);
    // Light and coverage laid billow over billow, the light premultiplied by the coverage.
    Campo luce(lato), copertura(lato);
    const double lx = -0.35, ly = -0.75, lz = 0.56;
    constexpr int billows = 11;
    for (int k = 0; k < billows; ++k) {
        // The lower billows first, so the upper ones lie over them.
        const double angolo = u(caso) * 2 * M_PI;
        const double distanza = 60 * std::sqrt(u(caso));
        const double bx = massa.x() + std::cos(angolo) * distanza * 1.15;
        const double by = massa.y() + std::abs(std::sin(angolo)) * distanza * 0.7 * (k < billows / 2 ? 1 : -1);
        const double r = 42 + u(caso) * 28;
        for (int y = std::max(0, static_cast<int>(by - r)); y < std::min(lato, static_cast<int>(by + r) + 1); ++y)
            for (int x = std::max(0, static_cast<int>(bx - r)); x < std::min(lato, static_cast<int>(bx + r) + 1); ++x) {
                const double nx = (x + 0.5 - bx) / r, ny = (y + 0.5 - by) / r;
                const double d2 = nx * nx + ny * ny;
                if (d2 >= 1) continue;
                const double peso = std::pow(1 - d2, 1.5);
                const double nz = std::sqrt(1 - d2);
                const double chiaro = std::clamp(0.25 + 0.75 * (nx * lx + ny * ly + nz * lz), 0.0, 1.0);
                luce(x, y) = static_cast<float>(chiaro * peso + luce(x, y) * (1 - peso));
                copertura(x, y) = static_cast<float>(peso + copertura(x, y) * (1 - peso));
            }
    }
    luce = Sfocato(luce, 6);
    copertura = Sfocato(copertura, 6);
    const Rumore rumore(seme, 40, 40), fine(seme * 5 + 3, 18, 18);
    QImage img(lato, lato, QImage::Format_ARGB32);
    for (int y = 0; y < lato; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < lato; ++x) {
            const double a = copertura(x, y);
            const double chiaro = a > 1e-4 ? luce(x, y) / a : 0;
            // Cloudy inside, thin at the puff's own point.
            const double grana = 0.5 + 0.5 * Gradino(0.15, 0.85, 0.7 * rumore(x, y) + 0.3 * fine(x, y));
            const double punto = 0.35 + 0.65 * Gradino(0, 90, std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y()));
            const double alfa = std::clamp(0.85 * Gradino(0.0, 0.8, a) * grana * punto, 0.0, 1.0);
            const int grigio = static_cast<int>(std::lround(96 + 132 * chiaro));
            riga[x] = qRgba(grigio, grigio, std::min(255, grigio + 6), static_cast<int>(std::lround(alfa * 255)));
        }
    }
    return img;
}

QString Nome(int slot, const char* testo) {
    return QStringLiteral("/Intro/%1 %2").arg(slot, 2, 10, QLatin1Char('0')).arg(QLatin1String(testo));
}

bool DisegnaParticelle(const QString& cartella) {
    bool ok = true;
    for (int i = 0; i < 5; ++i) ok = SalvaArte(Fiamma(11 + 7 * i, i % 2 == 1), cartella + Nome(15 + i, "Fire.png")) && ok;
    for (int i = 0; i < 4; ++i) ok = SalvaArte(Bolla(40.0 + 83.0 * i), cartella + Nome(20 + i, "Bolle.png")) && ok;
    ok = SalvaArte(Polvere(), cartella + Nome(24, "Polvere.png")) && ok;
    for (int i = 0; i < 3; ++i) ok = SalvaArte(Fumo(5 + 13 * i), cartella + Nome(25 + i, "Fumo.png")) && ok;
    return ok;
}

const RegistraArte registra("Particelle", DisegnaParticelle);

}  // namespace
