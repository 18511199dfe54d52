// The lens-flare sprites (glow, halo, star, ghost, sparkle; 200 x 200) and the two lens
// pictures. Everything stays inside the inscribed circle, so turning a sprite cuts nothing.
#include "Arte.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <random>

namespace {

QImage Tela(int lato) {
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage Finito(QImage img) { return img.convertToFormat(QImage::Format_ARGB32); }

void Disco(QPainter& p, QPointF c, double r, std::initializer_list<std::pair<double, QColor>> fermate) {
    QRadialGradient g(c, r);
    for (const auto& [pos, colore] : fermate) g.setColorAt(pos, colore);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A soft ring of radius r and half-width s, its inner edge cool and its outer edge warm.
void Anello(QPainter& p, QPointF c, double r, double s, int alpha) {
    const double esterno = r + s;
    const double a = (r - s) / esterno;
    const double m = r / esterno;
    QRadialGradient g(c, esterno);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(std::max(0.0, a), QColor(120, 170, 255, 0));
    g.setColorAt((a + m) / 2, QColor(140, 200, 255, alpha / 2));
    g.setColorAt(m, QColor(220, 255, 220, alpha));
    g.setColorAt((m + 1) / 2, QColor(255, 170, 110, alpha / 2));
    g.setColorAt(1.0, QColor(255, 120, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, esterno, esterno);
}

// A thin ray from the centre, tapering to its tip.
void Raggio(QPainter& p, QPointF c, double angolo, double lunghezza, double larghezza, const QColor& colore) {
    p.save();
    p.translate(c);
    p.rotate(angolo);
    QLinearGradient g(0, 0, lunghezza, 0);
    QColor fine = colore;
    fine.setAlpha(0);
    g.setColorAt(0.0, colore);
    g.setColorAt(1.0, fine);
    QPainterPath forma;
    forma.moveTo(0, -larghezza / 2);
    forma.lineTo(lunghezza, 0);
    forma.lineTo(0, larghezza / 2);
    forma.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(forma);
    p.restore();
}

// A long horizontal streak of light, thin and bluish.
void Striscia(QPainter& p, QPointF c, double mezzaLunghezza, double mezzaAltezza, const QColor& colore) {
    QRadialGradient g(QPointF(0, 0), 1.0);
    QColor fuori = colore;
    fuori.setAlpha(0);
    g.setColorAt(0.0, colore);
    g.setColorAt(0.3, QColor(colore.red(), colore.green(), colore.blue(), colore.alpha() / 3));
    g.setColorAt(1.0, fuori);
    QBrush pennello(g);
    pennello.setTransform(QTransform::fromScale(mezzaLunghezza, mezzaAltezza) * QTransform::fromTranslate(c.x(), c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(pennello);
    p.drawRect(QRectF(c.x() - mezzaLunghezza, c.y() - mezzaAltezza, 2 * mezzaLunghezza, 2 * mezzaAltezza));
}

QPolygonF Esagono(QPointF c, double r, double rotazione) {
    QPolygonF e;
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(60.0 * i + rotazione);
        e << QPointF(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r);
    }
    return e;
}

// A lens ghost: a faint tinted hexagon with a brighter edge.
void Fantasma(QPainter& p, QPointF c, double r, const QColor& tinta) {
    QPainterPath forma;
    forma.addPolygon(Esagono(c, r, 0));
    forma.closeSubpath();
    QRadialGradient g(c, r);
    g.setColorAt(0.0, QColor(tinta.red(), tinta.green(), tinta.blue(), tinta.alpha() / 3));
    g.setColorAt(0.75, QColor(tinta.red(), tinta.green(), tinta.blue(), tinta.alpha() / 2));
    g.setColorAt(1.0, tinta);
    p.setPen(QPen(QColor(tinta.red(), tinta.green(), tinta.blue(), std::min(255, tinta.alpha() + 40)), r * 0.03,
                  Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(forma);
}

constexpr int kFlare = 200;
const QPointF kCentro(kFlare / 2.0, kFlare / 2.0);

QImage Bagliore() {
    QImage img = Tela(kFlare);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Disco(p, kCentro, 99, {{0.0, QColor(255, 255, 250, 255)}, {0.12, QColor(255, 245, 220, 230)},
                           {0.35, QColor(255, 210, 150, 110)}, {0.7, QColor(255, 170, 100, 30)},
                           {1.0, QColor(255, 150, 90, 0)}});
    return Finito(img);
}

QImage Alone() {
    QImage img = Tela(kFlare);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Anello(p, kCentro, 78, 14, 200);
    Disco(p, kCentro, 70, {{0.0, QColor(200, 220, 255, 40)}, {1.0, QColor(200, 220, 255, 0)}});
    return Finito(img);
}

QImage Stella() {
    QImage img = Tela(kFlare);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    std::mt19937 caso(7);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < 36; ++i) {
        const double angolo = i * 10.0 + u(caso) * 6;
        const double lunghezza = 40 + u(caso) * 58;
        Raggio(p, kCentro, angolo, lunghezza, 1.5 + u(caso) * 2.5, QColor(255, 245, 225, 150 + int(u(caso) * 90)));
    }
    Disco(p, kCentro, 30, {{0.0, QColor(255, 255, 255, 255)}, {0.4, QColor(255, 240, 210, 120)},
                           {1.0, QColor(255, 230, 200, 0)}});
    return Finito(img);
}

QImage Spettro() {
    QImage img = Tela(kFlare);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Fantasma(p, kCentro, 94, QColor(120, 220, 200, 110));
    return Finito(img);
}

QImage Scintilla() {
    QImage img = Tela(kFlare);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    Disco(p, kCentro, 60, {{0.0, QColor(255, 220, 170, 140)}, {1.0, QColor(255, 160, 90, 0)}});
    for (int i = 0; i < 4; ++i) Raggio(p, kCentro, 45 + 90.0 * i, 97, 9, QColor(255, 250, 235, 255));
    for (int i = 0; i < 4; ++i) Raggio(p, kCentro, 90.0 * i, 55, 5, QColor(255, 235, 200, 160));
    Disco(p, kCentro, 16, {{0.0, QColor(255, 255, 255, 255)}, {1.0, QColor(255, 255, 255, 0)}});
    return Finito(img);
}

// Lens 1: a bright source with its streak, star and halo, and a row of ghosts along a
// diagonal; it crosses the frame and turns a quarter turn.
QImage Lente1() {
    constexpr int lato = 900;
    const QPointF c(lato / 2.0, lato / 2.0);
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    Disco(p, c, 240, {{0.0, QColor(255, 255, 255, 255)}, {0.06, QColor(255, 250, 235, 230)},
                      {0.2, QColor(255, 215, 160, 110)}, {0.5, QColor(255, 170, 110, 35)},
                      {1.0, QColor(255, 150, 90, 0)}});
    Striscia(p, c, 440, 10, QColor(170, 210, 255, 230));
    Striscia(p, c, 300, 30, QColor(120, 170, 255, 60));
    std::mt19937 caso(42);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < 48; ++i)
        Raggio(p, c, i * 7.5 + u(caso) * 4, 110 + u(caso) * 200, 2 + u(caso) * 3, QColor(255, 240, 215, 70 + int(u(caso) * 70)));
    Anello(p, c, 330, 16, 90);
    const struct {
        double distanza, raggio;
        QColor tinta;
    } fantasmi[] = {
        {150, 26, QColor(255, 190, 110, 90)}, {235, 48, QColor(120, 220, 200, 70)},
        {-120, 18, QColor(180, 160, 255, 110)}, {-210, 60, QColor(120, 200, 130, 55)},
        {-330, 34, QColor(255, 150, 120, 80)}, {370, 22, QColor(150, 200, 255, 90)},
    };
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const double a = qDegreesToRadians(-35.0);
    for (const auto& f : fantasmi) {
        const QPointF dove(c.x() + std::cos(a) * f.distanza, c.y() + std::sin(a) * f.distanza);
        Fantasma(p, dove, f.raggio, f.tinta);
    }
    return Finito(img);
}

// Lens 2: a wide faint rainbow halo with ghosts around an open middle, where the text stands.
QImage Lente2() {
    constexpr int lato = 1000;
    const QPointF c(lato / 2.0, lato / 2.0);
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    Anello(p, c, 440, 40, 110);
    Anello(p, c, 350, 10, 70);
    std::mt19937 caso(44);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < 60; ++i) {
        const double angolo = i * 6.0 + u(caso) * 3;
        p.save();
        p.translate(c);
        p.rotate(angolo);
        // Short rays on the halo only, leaving the middle clear.
        Raggio(p, QPointF(300, 0), 0, 90 + u(caso) * 80, 2 + u(caso) * 2, QColor(255, 240, 220, 50 + int(u(caso) * 50)));
        p.restore();
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor tinte[] = {QColor(120, 220, 200, 60), QColor(255, 180, 120, 60), QColor(170, 150, 255, 60)};
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0 + 20);
        const double d = 380 + (i % 2) * 40;
        Fantasma(p, QPointF(c.x() + std::cos(a) * d, c.y() + std::sin(a) * d), 22 + (i % 3) * 12, tinte[i % 3]);
    }
    return Finito(img);
}

bool DisegnaLuci(const QString& cartella) {
    const QImage flare[] = {Bagliore(), Alone(), Stella(), Spettro(), Scintilla()};
    bool ok = true;
    for (int i = 0; i < 5; ++i)
        ok = SalvaArte(flare[i], cartella + QStringLiteral("/Intro/%1 Flare.png").arg(10 + i)) && ok;
    ok = SalvaArte(Lente1(), cartella + QStringLiteral("/Intro/42.png")) && ok;
    ok = SalvaArte(Lente2(), cartella + QStringLiteral("/Intro/44.png")) && ok;
    return ok;
}

const RegistraArte registra("Flare", DisegnaLuci);

}  // namespace
