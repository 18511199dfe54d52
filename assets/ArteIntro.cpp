// The pictures of the logo and laser intros: the studio floor and the brushed metal
// backgrounds, the soft shadow under a logo, the hanging chain, the laser flashes and the
// small weld sparks.
#include "Arte.h"

#include "platform/Jpeg.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int LarghezzaSfondo = 1920;
constexpr int AltezzaSfondo = 1080;

QString Nome(int slot, const char* testo) {
    return QStringLiteral("/Intro/%1 %2").arg(slot, 2, 10, QLatin1Char('0')).arg(QLatin1String(testo));
}

bool SalvaJpeg(const QImage& immagine, const QString& percorso) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QString errore;
    if (!ScriviJpeg(immagine.convertToFormat(QImage::Format_RGB32), percorso, 92, &errore)) {
        std::fprintf(stderr, "arte: cannot write %s: %s\n", qPrintable(percorso), qPrintable(errore));
        return false;
    }
    return true;
}

QImage Trasparente(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Fine grain so large gradients do not band once written as JPEG.
void Grana(QImage& img, int ampiezza, unsigned seme) {
    std::mt19937 caso(seme);
    std::uniform_int_distribution<int> d(-ampiezza, ampiezza);
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = d(caso);
            const QRgb p = riga[x];
            riga[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
}

// A dark studio: a wall lit by a spot from above, and a polished floor of planks running
// toward the horizon, which holds a faint mirror of the light.
QImage Pavimento() {
    constexpr int W = LarghezzaSfondo, H = AltezzaSfondo;
    constexpr double orizzonte = 760.0;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient muro(0, 0, 0, orizzonte);
    muro.setColorAt(0.0, QColor(8, 10, 16));
    muro.setColorAt(1.0, QColor(34, 38, 50));
    p.fillRect(QRectF(0, 0, W, orizzonte), muro);
    QRadialGradient spot(QPointF(W / 2.0, 380), 820);
    spot.setColorAt(0.0, QColor(120, 128, 150, 120));
    spot.setColorAt(0.5, QColor(70, 76, 96, 50));
    spot.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, W, orizzonte), spot);

    QLinearGradient suolo(0, orizzonte, 0, H);
    suolo.setColorAt(0.0, QColor(58, 46, 38));
    suolo.setColorAt(1.0, QColor(22, 16, 13));
    p.fillRect(QRectF(0, orizzonte, W, H - orizzonte), suolo);
    // Planks: lines from a vanishing point high above the floor, and cross seams that crowd
    // toward the horizon.
    const QPointF fuga(W / 2.0, 420);
    p.setPen(QPen(QColor(12, 8, 6, 150), 2.0));
    for (int i = -40; i <= 40; ++i) {
        const double xBasso = W / 2.0 + i * 150.0;
        const double k = (orizzonte - fuga.y()) / (H - fuga.y());
        const QPointF alto(fuga.x() + (xBasso - fuga.x()) * k, orizzonte);
        p.drawLine(alto, QPointF(xBasso, H));
    }
    std::mt19937 caso(7);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int r = 1; r < 22; ++r) {
        const double y = orizzonte + (H - orizzonte) * std::pow(r / 22.0, 1.8);
        p.setPen(QPen(QColor(10, 7, 5, 110), 1.2));
        for (int i = -40; i <= 40; ++i) {
            if (u(caso) < 0.55) continue;
            const double k0 = (y - fuga.y()) / (H - fuga.y());
            const double x0 = fuga.x() + i * 150.0 * k0;
            p.drawLine(QPointF(x0, y), QPointF(x0 + 150.0 * k0, y));
        }
    }
    QRadialGradient riflesso(QPointF(W / 2.0, orizzonte + 120), 700);
    riflesso.setColorAt(0.0, QColor(255, 236, 210, 70));
    riflesso.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, orizzonte, W, H - orizzonte), riflesso);
    QLinearGradient linea(0, orizzonte - 3, 0, orizzonte + 6);
    linea.setColorAt(0.0, QColor(0, 0, 0, 0));
    linea.setColorAt(0.5, QColor(160, 150, 140, 60));
    linea.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, orizzonte - 3, W, 9), linea);
    // Vignette.
    QRadialGradient bordo(QPointF(W / 2.0, H / 2.0), W * 0.7);
    bordo.setColorAt(0.6, QColor(0, 0, 0, 0));
    bordo.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.fillRect(img.rect(), bordo);
    p.end();
    Grana(img, 3, 11);
    return img;
}

// Brushed steel: fine horizontal streaks over a cool grey, a broad diagonal sheen, and a seam
// with rivets near the top and bottom edges.
QImage Metallo() {
    constexpr int W = LarghezzaSfondo, H = AltezzaSfondo;
    QImage img(W, H, QImage::Format_RGB32);
    std::mt19937 caso(3);
    std::normal_distribution<double> n(0.0, 1.0);
    // Each row gets its own brightness, smeared along the row: the brushing.
    std::vector<double> righe(H);
    for (double& v : righe) v = n(caso) * 6.0;
    for (int y = 0; y < H; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        double streak = 0.0;
        for (int x = 0; x < W; ++x) {
            streak = streak * 0.97 + n(caso) * 1.2;
            const double sheen = 28.0 * std::exp(-std::pow((x * 0.55 + y - 900.0) / 420.0, 2.0));
            const double base = 92.0 + righe[static_cast<size_t>(y)] + streak + sheen - 18.0 * y / H;
            const int g = std::clamp(static_cast<int>(base), 0, 255);
            riga[x] = qRgb(std::clamp(g - 4, 0, 255), g, std::clamp(g + 6, 0, 255));
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int y : {70, H - 70}) {
        p.setPen(QPen(QColor(30, 32, 36, 200), 2.0));
        p.drawLine(0, y, W, y);
        p.setPen(QPen(QColor(190, 194, 200, 90), 1.0));
        p.drawLine(0, y + 2, W, y + 2);
        for (int x = 60; x < W; x += 180) {
            const QPointF c(x, y - 34 + (y > H / 2 ? 68 : 0));
            QRadialGradient testa(c - QPointF(3, 3), 12);
            testa.setColorAt(0.0, QColor(220, 224, 230));
            testa.setColorAt(1.0, QColor(60, 62, 68));
            p.setPen(QPen(QColor(25, 26, 30, 180), 1.5));
            p.setBrush(testa);
            p.drawEllipse(c, 9, 9);
        }
    }
    QRadialGradient bordo(QPointF(W / 2.0, H / 2.0), W * 0.75);
    bordo.setColorAt(0.55, QColor(0, 0, 0, 0));
    bordo.setColorAt(1.0, QColor(0, 0, 0, 140));
    p.setPen(Qt::NoPen);
    p.fillRect(img.rect(), bordo);
    p.end();
    return img;
}

// A soft elliptical shadow, darkest at its middle; stretched under logos of any width.
QImage Ombra() {
    constexpr int w = 512, h = 64;
    QImage img = Trasparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.translate(w / 2.0, h / 2.0);
    p.scale(w / 2.0, h / 2.0);
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, QColor(0, 0, 0, 210));
    g.setColorAt(0.45, QColor(0, 0, 0, 150));
    g.setColorAt(0.8, QColor(0, 0, 0, 45));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// One link seen face on (a rounded ring) or edge on (a rounded bar), in steel.
void Maglia(QPainter& p, const QRectF& r, bool fronte) {
    QLinearGradient acciaio(r.left(), 0, r.right(), 0);
    acciaio.setColorAt(0.0, QColor(70, 72, 78));
    acciaio.setColorAt(0.35, QColor(235, 238, 242));
    acciaio.setColorAt(0.55, QColor(160, 164, 172));
    acciaio.setColorAt(1.0, QColor(48, 50, 56));
    if (fronte) {
        QPainterPath anello;
        anello.addRoundedRect(r, r.width() / 2, r.width() / 2);
        const QRectF buco = r.adjusted(9, 10, -9, -10);
        anello.addRoundedRect(buco, buco.width() / 2, buco.width() / 2);
        anello.setFillRule(Qt::OddEvenFill);
        p.setPen(QPen(QColor(20, 20, 24, 220), 1.5));
        p.setBrush(acciaio);
        p.drawPath(anello);
    } else {
        p.setPen(QPen(QColor(20, 20, 24, 220), 1.5));
        p.setBrush(acciaio);
        p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
    }
}

// A vertical chain of interlocking links, its lowest link ending at the bottom edge.
QImage Catena() {
    constexpr int w = 40, h = 600;
    constexpr double passo = 46.0, lunghezza = 64.0;
    QImage img = Trasparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    int i = 0;
    for (double y = h - lunghezza - 1; y > -lunghezza; y -= passo, ++i) {
        const bool fronte = i % 2 == 0;
        const QRectF r = fronte ? QRectF(4, y, w - 8, lunghezza) : QRectF(w / 2.0 - 5, y, 10, lunghezza);
        Maglia(p, r, fronte);
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// A laser flash: a white-hot core in an orange glow, crossed by a few thin rays.
QImage FuocoLaser(unsigned seme) {
    constexpr int lato = 96;
    QImage img = Trasparente(lato, lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c(lato / 2.0, lato / 2.0);
    QRadialGradient alone(c, lato / 2.0);
    alone.setColorAt(0.0, QColor(255, 250, 230, 255));
    alone.setColorAt(0.12, QColor(255, 220, 140, 240));
    alone.setColorAt(0.35, QColor(255, 120, 30, 130));
    alone.setColorAt(1.0, QColor(255, 60, 0, 0));
    p.setBrush(alone);
    p.drawEllipse(c, lato / 2.0, lato / 2.0);
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const int raggi = 5 + static_cast<int>(seme % 4);
    for (int k = 0; k < raggi; ++k) {
        const double a = (k + u(caso) * 0.6) * 2 * M_PI / raggi;
        const double l = lato * (0.28 + u(caso) * 0.2);
        QLinearGradient g(c, c + QPointF(std::cos(a) * l, std::sin(a) * l));
        g.setColorAt(0.0, QColor(255, 240, 200, 200));
        g.setColorAt(1.0, QColor(255, 140, 40, 0));
        p.setPen(QPen(QBrush(g), 1.6 + u(caso) * 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(std::cos(a) * l, std::sin(a) * l));
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// A weld spark: a tiny hot point with a glow, some with a short trail.
QImage Scintilla(int indice) {
    constexpr int lato = 16;
    QImage img = Trasparente(lato, lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c(lato / 2.0, lato / 2.0);
    const double r = 2.5 + indice * 0.8;
    QRadialGradient g(c, r);
    g.setColorAt(0.0, QColor(255, 255, 245, 255));
    g.setColorAt(0.25, QColor(255, 225, 130, 200));
    g.setColorAt(0.6, QColor(255, 150, 40, 60));
    g.setColorAt(1.0, QColor(255, 110, 20, 0));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    if (indice % 2 == 1) {
        const double a = indice * 0.9;
        const QPointF coda = c + QPointF(std::cos(a), std::sin(a)) * (lato / 2.0 - 1);
        QLinearGradient s(c, coda);
        s.setColorAt(0.0, QColor(255, 240, 190, 230));
        s.setColorAt(1.0, QColor(255, 160, 60, 0));
        p.setPen(QPen(QBrush(s), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, coda);
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool DisegnaArteIntro(const QString& cartella) {
    bool ok = SalvaJpeg(Pavimento(), cartella + Nome(1, "Pavimento.jpg"));
    ok = SalvaJpeg(Metallo(), cartella + Nome(3, "Metallo.jpg")) && ok;
    ok = SalvaArte(Ombra(), cartella + Nome(28, "Shadow.png")) && ok;
    ok = SalvaArte(Catena(), cartella + Nome(29, "Catena.png")) && ok;
    for (int i = 0; i < 6; ++i) ok = SalvaArte(FuocoLaser(17 + 5 * i), cartella + Nome(30 + i, "Fuoco Laser.png")) && ok;
    for (int i = 1; i <= 6; ++i)
        ok = SalvaArte(Scintilla(i), cartella + QStringLiteral("/Intro/04 MiniSaldatura %1.png").arg(i, 2, 10, QLatin1Char('0'))) && ok;
    return ok;
}

const RegistraArte registra("Intro", DisegnaArteIntro);

}  // namespace
