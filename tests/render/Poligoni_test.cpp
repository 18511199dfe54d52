#include "render/Poligoni.h"

#include "platform/Grafica.h"
#include "render/Bande.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Faccia {
    QPolygonF punti;
    QColor colore;
};

QImage Fondo(QSize dimensione = {320, 200}) {
    QImage tela(dimensione, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < tela.height(); ++y)
        for (int x = 0; x < tela.width(); ++x) tela.setPixel(x, y, qRgb(40 + x % 64, 90, 200 - y % 50));
    return tela;
}

// The faces as the raster engine draws them, the first one at the back.
QImage ConPainter(QImage tela, const std::vector<Faccia>& facce) {
    QPainter g(&tela);
    ImpostaModiGrafica(g);
    g.setPen(Qt::NoPen);
    for (const Faccia& f : facce) {
        g.setBrush(f.colore);
        g.drawPolygon(f.punti);
    }
    return tela;
}

// The same faces laid from the nearest, over the given rows of each band.
QImage ConStrato(QImage tela, const std::vector<Faccia>& facce, const std::vector<QRect>& bande) {
    for (const QRect& banda : bande) {
        StratoFacce strato(banda, tela.width());
        for (auto f = facce.rbegin(); f != facce.rend(); ++f)
            strato.Sotto(f->punti.constData(), static_cast<int>(f->punti.size()), qPremultiply(f->colore.rgba()));
        strato.Posa(tela);
    }
    return tela;
}

int DifferenzaMassima(const QImage& a, const QImage& b) {
    int massimo = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            massimo = std::max({massimo, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return massimo;
}

std::vector<QRect> Intera(const QImage& tela) { return {tela.rect()}; }

struct Caso {
    const char* nome;
    QPolygonF punti;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class UnaFaccia : public ::testing::TestWithParam<Caso> {};

// One face, opaque and translucent: the pixels the raster engine's smoothing gives, to a
// few levels of rounding, edges, corners and cut sides included.
TEST_P(UnaFaccia, ComeIlPainter) {
    for (const QColor& colore : {QColor(250, 200, 10), QColor(20, 160, 90, 140)}) {
        const std::vector<Faccia> facce = {{GetParam().punti, colore}};
        const QImage tela = Fondo();
        EXPECT_LE(DifferenzaMassima(ConStrato(tela, facce, Intera(tela)), ConPainter(tela, facce)), 3)
            << GetParam().nome << " alpha " << colore.alpha();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forme, UnaFaccia,
    ::testing::Values(Caso{"rettangolo intero", QPolygonF(QRectF(10, 20, 100, 50))},
                      Caso{"rettangolo a mezzi pixel", QPolygonF(QRectF(10.5, 20.25, 99.5, 50.6))},
                      Caso{"striscia sottile", QPolygonF(QRectF(30.2, 5.0, 0.4, 150.0))},
                      Caso{"triangolo", QPolygonF({QPointF(5.3, 180.7), QPointF(150.1, 3.2), QPointF(300.8, 190.4)})},
                      Caso{"trapezio", QPolygonF({QPointF(40.2, 60.6), QPointF(41.7, 10.1), QPointF(43.9, 30.3),
                                                  QPointF(42.4, 170.8)})},
                      Caso{"oltre il bordo sinistro", QPolygonF({QPointF(-80.5, 10.5), QPointF(60.2, 40.7),
                                                                 QPointF(30.6, 150.2), QPointF(-20.0, 190.9)})},
                      Caso{"oltre il bordo destro e sotto", QPolygonF({QPointF(250.5, 150.5), QPointF(400.2, 120.7),
                                                                       QPointF(380.6, 260.2)})},
                      Caso{"fuori dalla tela", QPolygonF(QRectF(-50, -40, 30, 20))}),
    [](const ::testing::TestParamInfo<Caso>& i) { return "Caso" + std::to_string(i.index); });

// A sea of overlapping faces, opaque and translucent, many across the bands' edges.
std::vector<Faccia> Facce() {
    std::vector<Faccia> facce;
    std::uint32_t seme = 7;
    const auto caso = [&seme](int n) {
        seme = seme * 1664525u + 1013904223u;
        return static_cast<double>((seme >> 8) % static_cast<std::uint32_t>(n * 64)) / 64.0;
    };
    for (int i = 0; i < 400; ++i) {
        const double x = caso(340) - 20, y = caso(220) - 20;
        QPolygonF quadro;
        quadro << QPointF(x, y) << QPointF(x + caso(60), y + caso(8)) << QPointF(x + caso(70), y + caso(90))
               << QPointF(x - caso(10), y + caso(80));
        facce.push_back({quadro, QColor(i * 37 % 256, i * 91 % 256, i * 13 % 256, i % 3 ? 255 : 90 + i % 160)});
    }
    return facce;
}

// Laid from the nearest, skipping what is already covered, the faces show what drawing them
// one over the other shows, to a few levels of rounding.
TEST(StratoFacce, MoltiStratiComeIlPainter) {
    const std::vector<Faccia> facce = Facce();
    const QImage tela = Fondo();
    EXPECT_LE(DifferenzaMassima(ConStrato(tela, facce, Intera(tela)), ConPainter(tela, facce)), 4);
}

// However the rows are cut into bands, every pixel is the same to the bit.
TEST(StratoFacce, StessiPixelInOgniTaglioDiBande) {
    const std::vector<Faccia> facce = Facce();
    const QImage tela = Fondo({320, 203});
    const QImage intera = ConStrato(tela, facce, Intera(tela));
    std::vector<QRect> bande;
    for (int i = 0; i < NumeroBande; ++i) bande.push_back(RigheBanda(tela, i));
    EXPECT_EQ(ConStrato(tela, facce, bande), intera);
    EXPECT_EQ(ConStrato(tela, facce, {QRect(0, 0, 320, 1), QRect(0, 1, 320, 101), QRect(0, 102, 320, 101)}), intera);
}

std::uint64_t Impronta(const QImage& img) {
    std::uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* riga = img.constScanLine(y);
        for (int i = 0; i < img.width() * 4; ++i) h = (h ^ riga[i]) * 1099511628211ull;
    }
    return h;
}

// However the filler skips what is hidden, the pixels are those it gave from the start: the
// frames of a run do not change under the user's feet.
TEST(StratoFacce, StessiPixelDiSempre) {
    const QImage tela = Fondo({320, 203});
    std::vector<QRect> bande;
    for (int i = 0; i < NumeroBande; ++i) bande.push_back(RigheBanda(tela, i));
    EXPECT_EQ(Impronta(ConStrato(tela, Facce(), bande)), 0x78616d326c739921ull) << std::hex << Impronta(ConStrato(tela, Facce(), bande));
}

// Faces reaching absurdly far, or not numbers at all, draw what lies on the canvas, or nothing.
TEST(StratoFacce, CoordinateEstreme) {
    QImage tela(64, 48, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::transparent);
    StratoFacce strato(tela.rect(), tela.width());
    const double nan = std::nan("");
    const QPointF nonNumero[] = {{10, 10}, {nan, 20}, {30, 40}};
    strato.Sotto(nonNumero, 3, qRgb(0, 0, 255));
    const QPointF infinito[] = {{10, 10}, {INFINITY, 20}, {30, 40}};
    strato.Sotto(infinito, 3, qRgb(0, 0, 255));
    // Covers the whole canvas from far outside it, every way.
    const QPointF lontano[] = {{-1e300, -1e300}, {1e300, -1e300}, {1e300, 1e300}, {-1e300, 1e300}};
    strato.Sotto(lontano, 4, qRgb(255, 0, 0));
    EXPECT_TRUE(strato.Coperto(tela.rect()));
    strato.Posa(tela);
    EXPECT_EQ(tela.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(tela.pixel(63, 47), qRgb(255, 0, 0));
}

// The covered area is the polygon's: the coverage of every pixel adds up to the area.
TEST(StratoFacce, LaCoperturaSommaAllArea) {
    QImage tela(300, 300, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::transparent);
    const QPolygonF quadro({QPointF(20.3, 40.9), QPointF(250.6, 12.2), QPointF(280.1, 230.7), QPointF(60.4, 270.5)});
    StratoFacce strato(tela.rect(), tela.width());
    strato.Sotto(quadro.constData(), 4, qRgba(255, 255, 255, 255));
    strato.Posa(tela);
    double somma = 0;
    for (int y = 0; y < tela.height(); ++y)
        for (int x = 0; x < tela.width(); ++x) somma += qAlpha(tela.pixel(x, y)) / 255.0;
    double area = 0;
    for (int i = 0; i < 4; ++i) {
        const QPointF& a = quadro[i];
        const QPointF& b = quadro[(i + 1) % 4];
        area += a.x() * b.y() - b.x() * a.y();
    }
    EXPECT_NEAR(somma, std::abs(area) / 2, std::abs(area) * 0.001);
}

// A picture goes under what is there and over what comes after it; rows covered by an
// opaque face report covered, and only those.
TEST(StratoFacce, ImmagineSottoEZoneCoperte) {
    QImage tela(100, 60, QImage::Format_ARGB32_Premultiplied);
    tela.fill(qRgb(0, 0, 0));
    StratoFacce strato(tela.rect(), tela.width());
    const QPolygonF davanti(QRectF(10, 10, 30, 30));
    strato.Sotto(davanti.constData(), 4, qRgb(255, 0, 0));
    EXPECT_TRUE(strato.Coperto(QRect(10, 10, 30, 30)));
    EXPECT_FALSE(strato.Coperto(QRect(10, 10, 31, 30)));
    QImage foglio(40, 40, QImage::Format_ARGB32_Premultiplied);
    foglio.fill(qRgb(0, 255, 0));
    strato.SottoImmagine(foglio, QPoint(20, 20));
    const QPolygonF dietro(QRectF(0, 0, 100, 60));
    strato.Sotto(dietro.constData(), 4, qRgb(0, 0, 255));
    EXPECT_TRUE(strato.Coperto(tela.rect()));
    strato.Posa(tela);
    EXPECT_EQ(tela.pixel(15, 15), qRgb(255, 0, 0));
    EXPECT_EQ(tela.pixel(30, 30), qRgb(255, 0, 0));
    EXPECT_EQ(tela.pixel(50, 50), qRgb(0, 255, 0));
    EXPECT_EQ(tela.pixel(80, 10), qRgb(0, 0, 255));
}

}  // namespace
