// The particle sprites: flame puffs, soap bubbles, a dust mote and smoke puffs. All are soft
// and truly transparent; the layers tint and fade them as the particles age.
#include "Arte.h"

#include <QConicalGradient>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>
#include <utility>

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

// A flame: a few saturated orange-red tongues around a hot yellow core, opaque in their body,
// with a soft glow around them. The fire layer strips the blue and halves the alpha, so the
// body has to be full and the colours strong to read as flame over a light background too;
// mixing towards white would turn grey-green there.
QImage Fiamma(unsigned seme) {
    constexpr int lato = 256;
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double cx = lato / 2.0, base = lato * 0.66;
    QImage corpo = Tela(lato);
    {
        QPainter p(&corpo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const auto riempi = [&](const QPainterPath& lingua, const QColor& sotto, const QColor& sopra) {
            const QRectF r = lingua.boundingRect();
            QLinearGradient g(0, r.bottom(), 0, r.top());
            g.setColorAt(0.0, sotto);
            g.setColorAt(0.55, sotto);
            g.setColorAt(1.0, sopra);
            p.setBrush(g);
            p.drawPath(lingua);
        };
        // Outer tongues of several heights, swaying apart; then a smaller orange body and the
        // hot core low in the flame. Red-orange throughout: a yellow that the layer halves
        // over cyan reads green.
        struct Strato {
            int lingue;
            double larghezza, altezza, apertura, sollievo;
            QColor sotto, sopra;
        };
        const Strato strati[] = {
            {5, 22, 120, 30, 0, QColor(230, 52, 6, 255), QColor(190, 24, 2, 0)},
            {3, 19, 85, 16, 3, QColor(250, 100, 12, 255), QColor(240, 70, 8, 0)},
            {2, 13, 52, 7, 6, QColor(255, 165, 35, 255), QColor(255, 120, 20, 0)},
        };
        for (const Strato& st : strati)
            for (int i = 0; i < st.lingue; ++i) {
                const double spostamento = st.lingue == 1 ? 0 : (i / (st.lingue - 1.0) - 0.5) * 2 * st.apertura;
                const double alto = st.altezza * (i == st.lingue / 2 ? 1.0 : 0.55 + u(caso) * 0.4);
                const QPointF b(cx + spostamento + (u(caso) - 0.5) * 6, base + st.sollievo - std::abs(spostamento) * 0.3);
                riempi(Lingua(b, st.larghezza * (0.8 + u(caso) * 0.4), alto, (u(caso) - 0.5) * 0.35 * alto), st.sotto,
                       st.sopra);
            }
    }
    // The glow: the flame blurred, under the crisp body.
    const QImage alone = corpo.scaled(lato / 8, lato / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .scaled(lato, lato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage morbido = corpo.scaled(lato / 3, lato / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .scaled(lato, lato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setOpacity(0.7);
    p.drawImage(0, 0, alone);
    p.setOpacity(1.0);
    p.drawImage(0, 0, morbido);
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

// A wisp of smoke: a few thin curling strands over a light haze, so that hundreds of puffs
// laid over each other build a plume without hiding what lies under it. The strands are thin rather
// than faint: at the very low opacity the plume is drawn with, faint pixels would round away.
QImage Fumo(unsigned seme) {
    constexpr int lato = 256;
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const QPointF c(lato / 2.0, lato / 2.0);
    // A soft body above the puff's point, so that sparse puffs still read as smoke.
    for (int i = 0; i < 5; ++i)
        Macchia(p, QPointF(c.x() + (u(caso) - 0.5) * 60, c.y() - 30 - u(caso) * 45), 30 + u(caso) * 18,
                QColor(215, 215, 222, 56));
    for (int i = 0; i < 6; ++i) {
        // A strand rises from below the middle, swaying as it goes, and thins out at its top.
        QPainterPath filo;
        const double x0 = c.x() + (u(caso) - 0.5) * 50, y0 = c.y() + u(caso) * 15;
        const double altezza = 100 + u(caso) * 15, ampiezza = 12 + u(caso) * 20, fase = u(caso) * 6.28;
        const double deriva = (u(caso) - 0.5) * 60;
        filo.moveTo(x0, y0);
        for (int k = 1; k <= 24; ++k) {
            const double h = k / 24.0;
            filo.lineTo(x0 + deriva * h + std::sin(fase + h * 5.5) * ampiezza * h, y0 - altezza * h);
        }
        const int grigio = 205 + static_cast<int>(u(caso) * 40);
        for (const auto& [larghezza, alfa] : {std::pair{11.0, 22}, std::pair{5.5, 45}, std::pair{2.2, 90}}) {
            p.setPen(QPen(QColor(grigio, grigio, grigio + 6, alfa), larghezza, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(filo);
        }
    }
    // Nothing at the puff's own point (where the laser works) and toward the edges, so no
    // square ever shows: the strands fade in as they rise and out near the top.
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QLinearGradient salita(0, c.y() + 8, 0, 8);
    salita.setColorAt(0.0, QColor(0, 0, 0, 0));
    salita.setColorAt(0.3, QColor(0, 0, 0, 255));
    salita.setColorAt(0.7, QColor(0, 0, 0, 255));
    salita.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), salita);
    QRadialGradient bordo(c, lato / 2.0);
    bordo.setColorAt(0.0, QColor(0, 0, 0, 255));
    bordo.setColorAt(0.6, QColor(0, 0, 0, 200));
    bordo.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), bordo);
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
