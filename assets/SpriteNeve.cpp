// The snowflake sprites: six-armed crystals with a soft cool glow, so they read on dark and
// light backgrounds alike. Slot 05 is listed in the image table but never drawn by the snow.
#include "Arte.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <vector>

namespace {

constexpr int kLato = 128;

// One arm pointing up from the centre, in units of the flake's radius.
struct Ramo {
    double dove;       // along the arm, 0..1
    double lunghezza;  // of each side branch
    double angolo;     // of the branches against the arm, degrees
};

struct ModelloFiocco {
    double spessore;         // stroke width at 128 px
    std::vector<Ramo> rami;
    double nucleo;           // radius of the hexagonal plate in the middle, 0 for none
    bool punteRombo;         // a small diamond at each tip
};

QPainterPath Braccio(const ModelloFiocco& m, double raggio) {
    QPainterPath p;
    p.moveTo(0, 0);
    p.lineTo(0, -raggio);
    for (const Ramo& r : m.rami) {
        const double y = -raggio * r.dove;
        const double l = raggio * r.lunghezza;
        const double a = qDegreesToRadians(r.angolo);
        p.moveTo(0, y);
        p.lineTo(-l * std::sin(a), y - l * std::cos(a));
        p.moveTo(0, y);
        p.lineTo(l * std::sin(a), y - l * std::cos(a));
    }
    if (m.punteRombo) {
        const double d = raggio * 0.07;
        p.moveTo(0, -raggio - d);
        p.lineTo(d * 0.7, -raggio);
        p.lineTo(0, -raggio + d);
        p.lineTo(-d * 0.7, -raggio);
        p.closeSubpath();
    }
    return p;
}

QPainterPath Fiocco(const ModelloFiocco& m, double raggio) {
    QPainterPath tutto;
    const QPainterPath braccio = Braccio(m, raggio);
    for (int i = 0; i < 6; ++i) {
        QTransform giro;
        giro.rotate(60.0 * i);
        tutto.addPath(giro.map(braccio));
    }
    if (m.nucleo > 0) {
        QPolygonF esagono;
        for (int i = 0; i < 6; ++i) {
            const double a = qDegreesToRadians(60.0 * i + 30.0);
            esagono << QPointF(std::cos(a) * raggio * m.nucleo, std::sin(a) * raggio * m.nucleo);
        }
        esagono << esagono.first();
        tutto.addPolygon(esagono);
    }
    return tutto;
}

QImage DisegnaFiocco(const ModelloFiocco& m) {
    QImage img(kLato, kLato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kLato / 2.0, kLato / 2.0);

    // A faint halo behind the crystal.
    QRadialGradient alone(0, 0, kLato * 0.48);
    alone.setColorAt(0.0, QColor(220, 235, 255, 70));
    alone.setColorAt(0.35, QColor(200, 225, 255, 30));
    alone.setColorAt(1.0, QColor(200, 225, 255, 0));
    p.fillRect(QRectF(-kLato / 2.0, -kLato / 2.0, kLato, kLato), alone);

    const QPainterPath forma = Fiocco(m, kLato * 0.42);
    // Glow: wide, faint, cool strokes under the white core; the blue edge gives the flake an
    // outline on white backgrounds.
    const struct {
        double larghezza;
        QColor colore;
    } passate[] = {
        {m.spessore * 4.5, QColor(150, 190, 255, 22)},
        {m.spessore * 3.0, QColor(150, 195, 255, 40)},
        {m.spessore * 1.9, QColor(120, 170, 235, 110)},
        {m.spessore * 1.0, QColor(255, 255, 255, 245)},
    };
    for (const auto& passata : passate) {
        QPen penna(passata.colore, passata.larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(forma, penna);
    }
    QRadialGradient cuore(0, 0, kLato * 0.1);
    cuore.setColorAt(0.0, QColor(255, 255, 255, 255));
    cuore.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(cuore);
    p.drawEllipse(QPointF(0, 0), kLato * 0.1, kLato * 0.1);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool DisegnaFiocchi(const QString& cartella) {
    const ModelloFiocco modelli[] = {
        {3.0, {{0.55, 0.25, 50}}, 0, false},                                           // 05
        {3.2, {{0.35, 0.22, 55}, {0.62, 0.30, 55}, {0.85, 0.14, 55}}, 0, true},          // 06
        {2.8, {{0.45, 0.40, 60}, {0.75, 0.22, 60}}, 0.22, false},                      // 07
        {3.4, {{0.30, 0.16, 45}, {0.50, 0.26, 45}, {0.70, 0.20, 45}}, 0.12, true},       // 08
        {2.6, {{0.25, 0.18, 60}, {0.45, 0.30, 60}, {0.65, 0.24, 60}, {0.82, 0.12, 60}}, 0.16, false},  // 09
    };
    bool ok = true;
    for (int i = 0; i < 5; ++i) {
        const QString nome = QStringLiteral("/Intro/%1 Fiocconeve.png").arg(5 + i, 2, 10, QLatin1Char('0'));
        ok = SalvaArte(DisegnaFiocco(modelli[i]), cartella + nome) && ok;
    }
    return ok;
}

const RegistraArte registra("Fiocconeve", DisegnaFiocchi);

}  // namespace
