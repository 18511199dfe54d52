#include "render/LayerTesto.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

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

// A partial layer drawn from a picture, counting the columns it was asked to draw.
struct Parziale {
    std::shared_ptr<int> colonne = std::make_shared<int>(0);
    LayerTesto layer;
    explicit Parziale(const QImage& figura) {
        layer = LayerTesto::SuRichiesta(figura.size(), [figura, conta = colonne](const QRect& r) {
            EXPECT_EQ(r.top(), 0);
            EXPECT_EQ(r.height(), figura.height());
            *conta += r.width();
            return figura.copy(r);
        });
    }
};

// Any part of a partial layer holds the picture's pixels; only the blocks a part touches are
// drawn, once, and a frame later they are found drawn.
TEST(LayerTesto, UnaParteComeLaFiguraIntera) {
    const QImage figura = Picture();
    Parziale p(figura);
    ASSERT_TRUE(p.layer.Parziale());
    EXPECT_EQ(p.layer.Dimensione(), figura.size());
    EXPECT_EQ(*p.colonne, 0);  // nothing drawn until asked
    // Inside one block, across blocks, at the edges, partly outside.
    const QRect parti[] = {{3, 2, 10, 5},         {250, 10, 20, 12},      {0, 0, 1920, 37},     {7000, 15, 2000, 3},
                           {figura.width() - 5, 30, 5, 7}, {-40, -3, 100, 50}, {figura.width() - 9, 0, 400, 37}};
    for (const QRect& r : parti) {
        const int prima = *p.colonne;
        EXPECT_EQ(p.layer.Parte(r), figura.copy(r.intersected(figura.rect()))) << r.x() << "," << r.y();
        // At most the blocks of 256 columns it touches.
        const QRect dentro = r.intersected(figura.rect());
        EXPECT_LE(*p.colonne - prima, (dentro.right() / 256 - dentro.left() / 256 + 1) * 256) << r.x();
    }
    // A frame later the same part is drawn no more.
    const int prima = *p.colonne;
    EXPECT_EQ(p.layer.Parte({7000, 0, 1920, 37}), figura.copy(7000, 0, 1920, 37));
    EXPECT_EQ(*p.colonne, prima);
    EXPECT_TRUE(p.layer.Parte(QRect(figura.width(), 0, 10, 10)).isNull());
    EXPECT_EQ(Parziale(figura).layer.Immagine(), figura);
}

TEST(LayerTesto, UgualeSoloASeStessoSeParziale) {
    const QImage figura = Picture(LayerTesto::LarghezzaIntera, 20);
    const LayerTesto intera(figura);
    EXPECT_FALSE(intera.Parziale());
    EXPECT_EQ(intera.Chiave(), figura.cacheKey());
    EXPECT_TRUE(intera == LayerTesto(figura.copy()));
    EXPECT_TRUE(LayerTesto().Nullo());
    EXPECT_EQ(LayerTesto().Dimensione(), QSize(0, 0));
    const Parziale a(figura), b(figura);
    EXPECT_TRUE(a.layer == LayerTesto(a.layer));
    EXPECT_FALSE(a.layer == b.layer);  // made twice: a layer made anew
    EXPECT_NE(a.layer.Chiave(), b.layer.Chiave());
    EXPECT_FALSE(a.layer == intera);
    EXPECT_TRUE(LayerTesto::SuRichiesta(QSize(0, 5), [](const QRect&) { return QImage(); }).Nullo());
}

// The largest difference of a channel between two pictures of the same size.
int ScartoMassimo(const QImage& a, const QImage& b) {
    int scarto = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            scarto = std::max({scarto, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                               std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return scarto;
}

// Every way the intros draw a layer gives the very pixels of the whole picture drawn the same
// way, on and off the canvas, at any strength, tinted, scaled.
struct CasoDisegno {
    const char* nome;
    QRectF destinazione;
    QRectF sorgente;  // empty: the whole layer
    MatriceColore matrice;
    QPointF spostamento;  // of the painter
    bool esatto = true;   // the very bytes of the whole picture
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
    const Parziale parziale(figura);
    const QImage disegnata = disegna(parziale.layer);
    EXPECT_NE(attesa, vuota) << "nothing drawn";
    if (c.esatto) {
        EXPECT_EQ(disegnata, attesa);
        // Only the columns that land on the canvas were drawn, and the blocks around them.
        EXPECT_LE(*parziale.colonne, vuota.width() + 2 * 256);
        return;
    }
    // Scaled, or moved by part of a pixel, the part is sampled as the whole: within a unit
    // of rounding of the scale worked out anew for it.
    EXPECT_LE(ScartoMassimo(attesa, disegnata), 1);
}

const double L = LayerTesto::LarghezzaIntera + 811;

// A line drawn so small that many canvas widths of it land on the canvas (a zoom's first
// frames) is drawn at its own size once: the frames after take reduced copies of it, and show
// what the whole picture drawn small shows, within the rounding of a smooth picture.
TEST(LayerTesto, PiccolissimaDaCopieRidotte) {
    const int w = 5 * LayerTesto::LarghezzaIntera + 77, h = 41;
    QImage figura(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            figura.setPixel(x, y, qPremultiply(qRgba(128 + static_cast<int>(100 * std::sin(x / 900.0)), 128 + static_cast<int>(100 * std::cos(x / 1300.0)),
                                                     y * 6, 255 - y * 3)));
    const Parziale parziale(figura);
    QImage vuota(1920, 60, QImage::Format_ARGB32_Premultiplied);
    vuota.fill(qRgba(30, 60, 90, 255));
    for (double scala : {0.02, 0.05, 0.11, 0.3}) {
        SCOPED_TRACE(scala);
        const QRectF dove((1920 - w * scala) / 2, 10, w * scala, h * scala);
        const auto disegna = [&](const LayerTesto& layer) {
            QImage tela = vuota.copy();
            QPainter p(&tela);
            p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            DisegnaLayer(p, dove, layer, QRectF(figura.rect()), MatriceColore::Alfa(0.7f));
            return tela;
        };
        const QImage attesa = disegna(LayerTesto(figura)), disegnata = disegna(parziale.layer);
        EXPECT_LE(ScartoMassimo(attesa, disegnata), 8);
        // Each column at its own size once, whatever the frames ask after.
        EXPECT_LE(*parziale.colonne, w + 2 * 16 * 256);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modi, DisegnaLayerCome,
    ::testing::Values(
        CasoDisegno{"far_left", {-5000, 20, L, 37}, {}, MatriceColore::Identita(), {}},
        CasoDisegno{"right_edge", {600, 60, L, 37}, {}, MatriceColore::Alfa(0.6f), {}},
        CasoDisegno{"typed_columns", {-100, 10, 700, 37}, {0, 0, 700, 37}, MatriceColore::Alfa(1.0f), {}},
        CasoDisegno{"source_inside", {10, 10, 500, 30}, {4000, 5, 500, 30}, MatriceColore::Alfa(0.3f), {}},
        CasoDisegno{"tinted", {-7000, 0, L, 37}, {}, MatriceColore::Colori(1.0f, 0.2f, 0.7f), {}},
        CasoDisegno{"painter_moved", {0, 0, L, 37}, {}, MatriceColore::Identita(), {-3000, 25}},
        CasoDisegno{"scaled", {-50, 5, L / 20, 60}, {}, MatriceColore::Alfa(0.8f), {}, false},
        CasoDisegno{"scaled_about_its_middle", {-2000, 5, L * 0.6, 37 * 0.6}, {}, MatriceColore::Alfa(0.6f), {}, false},
        CasoDisegno{"half_pixel", {-4000.5, 10.5, L, 37}, {}, MatriceColore::Identita(), {}, false},
        CasoDisegno{"painter_half_pixel", {-4000, 10, L, 37}, {}, MatriceColore::Identita(), {0.5, 0}, false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
