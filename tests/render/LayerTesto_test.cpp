#include "render/LayerTesto.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cstdint>

namespace {

// A premultiplied picture wider than a whole layer may be, its width and height no multiple
// of a tile's: runs of one colour, as text has, and single pixels of every alpha between.
QImage Picture(int w = LayerTesto::LarghezzaIntera + 811, int h = 37) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    std::uint32_t seme = 12345;
    for (int y = 0; y < h; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        QRgb corrente = 0;
        for (int x = 0; x < w; ++x) {
            seme = seme * 1664525u + 1013904223u;
            if ((seme >> 24) < 40) {
                const int a = static_cast<int>(seme >> 8) & 0xFF;
                corrente = qPremultiply(qRgba(static_cast<int>(seme >> 16) & 0xFF, x & 0xFF, y * 7 & 0xFF, a));
            }
            riga[x] = corrente;
        }
    }
    return img;
}

TEST(LayerTesto, UnPezzoComeLaFiguraIntera) {
    const QImage figura = Picture();
    const LayerTesto layer = LayerTesto::Compatto(figura);
    ASSERT_TRUE(layer.Impacchettato());
    EXPECT_EQ(layer.Dimensione(), figura.size());
    EXPECT_EQ(layer.Immagine(), figura);
    // Inside one tile, across tiles both ways, at the edges, partly outside.
    const QRect parti[] = {{3, 2, 10, 5},         {250, 10, 20, 12},      {0, 0, 1920, 37},     {7000, 15, 2000, 3},
                           {figura.width() - 5, 30, 5, 7}, {-40, -3, 100, 50}, {figura.width() - 9, 0, 400, 37}};
    for (int giro = 0; giro < 2; ++giro)  // the second time from the tiles kept unpacked
        for (const QRect& r : parti) EXPECT_EQ(layer.Parte(r), figura.copy(r.intersected(figura.rect()))) << r.x() << "," << r.y();
    EXPECT_TRUE(layer.Parte(QRect(figura.width(), 0, 10, 10)).isNull());
}

TEST(LayerTesto, UnaFiguraNonTroppoLargaRestaIntera) {
    const QImage figura = Picture(LayerTesto::LarghezzaIntera, 20);
    const LayerTesto layer = LayerTesto::Compatto(figura);
    EXPECT_FALSE(layer.Impacchettato());
    EXPECT_EQ(layer.Chiave(), figura.cacheKey());
    EXPECT_TRUE(LayerTesto().Nullo());
    EXPECT_EQ(LayerTesto().Dimensione(), QSize(0, 0));
}

TEST(LayerTesto, UgualeSeUgualiIPixel) {
    const QImage figura = Picture();
    QImage altra = figura.copy();
    altra.setPixel(5000, 20, qRgba(1, 2, 3, 4));
    const LayerTesto a = LayerTesto::Compatto(figura), b = LayerTesto::Compatto(figura.copy());
    EXPECT_TRUE(a == b);
    EXPECT_NE(a.Chiave(), b.Chiave());  // drawn twice: a layer made anew
    EXPECT_FALSE(a == LayerTesto::Compatto(altra));
    EXPECT_FALSE(a == LayerTesto(figura));
}

// Every way the intros draw a layer gives the very pixels of the whole picture drawn the same
// way, on and off the canvas, at any strength, tinted, scaled.
struct CasoDisegno {
    const char* nome;
    QRectF destinazione;
    QRectF sorgente;  // empty: the whole layer
    MatriceColore matrice;
    QPointF spostamento;  // of the painter
};

void PrintTo(const CasoDisegno& c, std::ostream* os) { *os << c.nome; }

class DisegnaLayerCome : public ::testing::TestWithParam<CasoDisegno> {};

TEST_P(DisegnaLayerCome, LaFiguraIntera) {
    const CasoDisegno c = GetParam();
    const QImage figura = Picture();
    const QRectF sorgente = c.sorgente.isEmpty() ? QRectF(figura.rect()) : c.sorgente;
    QImage vuota(640, 90, QImage::Format_ARGB32_Premultiplied);
    vuota.fill(qRgba(30, 60, 90, 255));
    const auto disegna = [&](const LayerTesto& layer) {
        QImage tela = vuota.copy();
        QPainter p(&tela);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        p.translate(c.spostamento);
        DisegnaLayer(p, c.destinazione, layer, sorgente, c.matrice);
        p.end();
        return tela;
    };
    const QImage attesa = disegna(LayerTesto(figura));
    EXPECT_EQ(disegna(LayerTesto::Compatto(figura)), attesa);
    EXPECT_NE(attesa, vuota) << "nothing drawn";
}

const double L = LayerTesto::LarghezzaIntera + 811;

INSTANTIATE_TEST_SUITE_P(
    Modi, DisegnaLayerCome,
    ::testing::Values(
        CasoDisegno{"far_left", {-5000, 20, L, 37}, {}, MatriceColore::Identita(), {}},
        CasoDisegno{"right_edge", {600, 60, L, 37}, {}, MatriceColore::Alfa(0.6f), {}},
        CasoDisegno{"typed_columns", {-100, 10, 700, 37}, {0, 0, 700, 37}, MatriceColore::Alfa(1.0f), {}},
        CasoDisegno{"source_inside", {10, 10, 500, 30}, {4000, 5, 500, 30}, MatriceColore::Alfa(0.3f), {}},
        CasoDisegno{"tinted", {-7000, 0, L, 37}, {}, MatriceColore::Colori(1.0f, 0.2f, 0.7f), {}},
        CasoDisegno{"painter_moved", {0, 0, L, 37}, {}, MatriceColore::Identita(), {-3000, 25}},
        CasoDisegno{"scaled", {-50, 5, L / 20, 60}, {}, MatriceColore::Alfa(0.8f), {}},
        CasoDisegno{"half_pixel", {-4000.5, 10.5, L, 37}, {}, MatriceColore::Identita(), {}},
        CasoDisegno{"painter_half_pixel", {-4000, 10, L, 37}, {}, MatriceColore::Identita(), {0.5, 0}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
