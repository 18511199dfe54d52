// The flares background: a deep night-blue field lit from the top-left corner, where the
// turning rays start, with soft out-of-focus discs and a faint horizontal lens streak.
#include "Arte.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace {

// A small fixed generator, so the picture is the same at every build.
struct Dado {
    std::uint32_t s = 20261210u;
    double Prossimo() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
};

void Striscia(QImage& img) {
    constexpr double centro = 30.0, nucleo = 3.2, alone = 11.0;
    const int w = img.width();
    for (int y = 0; y < 90 && y < img.height(); ++y) {
        const double dy = y + 0.5 - centro;
        const double forte = std::exp(-dy * dy / (2 * nucleo * nucleo));
        const double largo = std::exp(-dy * dy / (2 * alone * alone));
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double u = static_cast<double>(x) / w;  // 0 at the light .. 1 at the far edge
            const double lungo = std::pow(1.0 - u, 1.6);
            const double luce = (forte * 0.50 + largo * 0.16) * lungo;
            // Pale near the light, a cooler blue farther out.
            const double r = 160 - 70 * u, g = 195 - 65 * u, b = 255;
            const auto somma = [&](int canale, double colore) {
                return std::min(255, static_cast<int>(canale + colore * luce + 0.5));
            };
            riga[x] = qRgba(somma(qRed(riga[x]), r), somma(qGreen(riga[x]), g), somma(qBlue(riga[x]), b), 255);
        }
    }
}

bool DisegnaSfondoFlares(const QString& cartella) {
    const int w = 1920, h = 1080;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fondo(0, 0, w * 0.35, h);
    fondo.setColorAt(0.0, QColor(18, 36, 86));
    fondo.setColorAt(0.55, QColor(8, 14, 44));
    fondo.setColorAt(1.0, QColor(3, 4, 16));
    p.fillRect(img.rect(), fondo);

    // The light source just off the corner, warm at the core and cooling outward.
    QRadialGradient luce(0, 0, w * 0.9);
    luce.setColorAt(0.0, QColor(255, 246, 226, 235));
    luce.setColorAt(0.06, QColor(250, 214, 170, 170));
    luce.setColorAt(0.22, QColor(120, 150, 240, 90));
    luce.setColorAt(0.55, QColor(40, 60, 160, 30));
    luce.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.fillRect(img.rect(), luce);

    // A faint cool haze along the diagonal the rays sweep across.
    QRadialGradient foschia(w * 0.55, h * 0.5, w * 0.5);
    foschia.setColorAt(0.0, QColor(40, 70, 150, 40));
    foschia.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), foschia);

    // Out-of-focus discs, brighter and larger near the light.
    Dado dado;
    for (int i = 0; i < 70; ++i) {
        const double x = dado.Prossimo() * w, y = dado.Prossimo() * h;
        const double vicino = 1.0 - std::min(1.0, std::hypot(x / w, y / h) / 1.2);
        const double r = 10 + dado.Prossimo() * 55 * (0.4 + vicino);
        const int a = static_cast<int>(10 + 40 * vicino * dado.Prossimo());
        const bool caldo = dado.Prossimo() < 0.35;
        const QColor colore = caldo ? QColor(255, 190, 120, a) : QColor(130, 170, 255, a);
        QRadialGradient disco(x, y, r);
        disco.setColorAt(0.0, QColor(colore.red(), colore.green(), colore.blue(), a / 2));
        disco.setColorAt(0.8, colore);
        disco.setColorAt(0.92, QColor(colore.red(), colore.green(), colore.blue(), a + 10));
        disco.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(disco);
        p.drawEllipse(QPointF(x, y), r, r);
    }

    // A thin anamorphic streak through the light: a bright core and a wider glow, both with
    // a smooth bell across and fading along, added pixel by pixel so it has no steps.
    p.end();
    Striscia(img);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Darker edges keep the text readable wherever it stands.
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRadialGradient vignetta(w * 0.45, h * 0.45, w * 0.75);
    vignetta.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignetta.setColorAt(1.0, QColor(0, 0, 0, 140));
    p.fillRect(img.rect(), vignetta);
    p.end();
    return SalvaArte(img.convertToFormat(QImage::Format_RGB32), cartella + QStringLiteral("/Intro/00 SfondoFlares.png"));
}

const RegistraArte registra("00 SfondoFlares.png", DisegnaSfondoFlares);

}  // namespace
