// The particle sprites: flame puffs, soap bubbles, a dust mote and smoke puffs. All are soft
// and truly transparent; the layers tint and fade them as the particles age.
#include "Arte.h"

#include <QConicalGradient>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <random>

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

// A flame puff: a teardrop of glowing blobs, hot and pale at its base, red and thin at its tip.
QImage Fiamma(unsigned seme) {
    constexpr int lato = 256;
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Laid over each other, not added: added light runs to yellow-white, which the fire layer
    // (no blue, half opacity) would turn into a muddy green over a blue background.
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double cx = lato / 2.0;
    const double base = lato * 0.68;
    for (int i = 0; i < 42; ++i) {
        const double h = std::pow(u(caso), 1.4);             // 0 base .. 1 tip
        const double larghezza = (1.0 - h) * 46 + 6;
        const double x = cx + (u(caso) - 0.5) * 2 * larghezza * 0.8 + std::sin(h * 5 + seme) * 10 * h;
        const double y = base - h * 150;
        const double r = (1.0 - h) * 42 + 12;
        const QColor colore = h < 0.3 ? QColor(250, 105, 20, 115) : h < 0.65 ? QColor(230, 70, 15, 90)
                                                                       : QColor(190, 35, 10, 60);
        Macchia(p, QPointF(x, y), r, colore);
    }
    // The hot core.
    for (int i = 0; i < 6; ++i) {
        const double x = cx + (u(caso) - 0.5) * 30;
        const double y = base - 10 - u(caso) * 40;
        Macchia(p, QPointF(x, y), 28 + u(caso) * 14, QColor(255, 180, 60, 150));
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
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

// A smoke puff: overlapping soft blobs, lighter on top and greyer underneath, so it has body
// on dark and on light backgrounds.
QImage Fumo(unsigned seme) {
    constexpr int lato = 256;
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const QPointF c(lato / 2.0, lato / 2.0);
    for (int i = 0; i < 34; ++i) {
        const double a = u(caso) * 2 * M_PI;
        const double d = std::sqrt(u(caso)) * 62;
        const QPointF centro(c.x() + std::cos(a) * d, c.y() + std::sin(a) * d * 0.8);
        const double r = 34 + u(caso) * 30;
        const double sotto = (centro.y() - c.y() + 70) / 140;  // 0 top .. 1 bottom
        const int grigio = static_cast<int>(235 - sotto * 90);
        Macchia(p, centro, r, QColor(grigio, grigio, grigio + 4, 70));
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString Nome(int slot, const char* testo) {
    return QStringLiteral("/Intro/%1 %2").arg(slot, 2, 10, QLatin1Char('0')).arg(QLatin1String(testo));
}

bool DisegnaParticelle(const QString& cartella) {
    bool ok = true;
    for (int i = 0; i < 5; ++i) ok = SalvaArte(Fiamma(11 + 7 * i), cartella + Nome(15 + i, "Fire.png")) && ok;
    for (int i = 0; i < 4; ++i) ok = SalvaArte(Bolla(40.0 + 83.0 * i), cartella + Nome(20 + i, "Bolle.png")) && ok;
    ok = SalvaArte(Polvere(), cartella + Nome(24, "Polvere.png")) && ok;
    for (int i = 0; i < 3; ++i) ok = SalvaArte(Fumo(5 + 13 * i), cartella + Nome(25 + i, "Fumo.png")) && ok;
    return ok;
}

const RegistraArte registra("Particelle", DisegnaParticelle);

}  // namespace
