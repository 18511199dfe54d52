#include "render/Bande.h"

#include "platform/Grafica.h"

#include <gtest/gtest.h>

#include <QPolygonF>

#include <atomic>
#include <mutex>
#include <set>

namespace {

// Anti-aliased faces at fractional corners, many across the edges between bands, in
// colours that let through what lies under them.
std::vector<std::pair<QPolygonF, QColor>> Facce() {
    std::vector<std::pair<QPolygonF, QColor>> facce;
    std::uint32_t seme = 99;
    const auto caso = [&seme](int n) {
        seme = seme * 1664525u + 1013904223u;
        return static_cast<double>((seme >> 8) % static_cast<std::uint32_t>(n * 64)) / 64.0;
    };
    for (int i = 0; i < 300; ++i) {
        const double x = caso(1900) - 50, y = caso(1100) - 60;
        QPolygonF quadro;
        quadro << QPointF(x, y) << QPointF(x + caso(200), y + caso(30)) << QPointF(x + caso(220), y + caso(160))
               << QPointF(x - caso(40), y + caso(140));
        facce.emplace_back(quadro, QColor(i * 37 % 256, i * 91 % 256, i * 13 % 256, 120 + i % 136));
    }
    return facce;
}

class Bande : public ::testing::TestWithParam<int> {};

// Drawn band by band, on one thread or many, the faces leave exactly the pixels one painter
// leaves on the whole canvas.
TEST_P(Bande, StessiPixelDelDisegnoIntero) {
    ImpostaFiliBande(GetParam());
    const auto facce = Facce();
    QImage intera(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    intera.fill(QColor(30, 60, 90));
    QImage bande = intera.copy();
    {
        QPainter g(&intera);
        ImpostaModiGrafica(g);
        g.setPen(Qt::NoPen);
        for (const auto& [quadro, colore] : facce) {
            g.setBrush(colore);
            g.drawPolygon(quadro);
        }
    }
    std::atomic<int> chiamate{0};
    std::mutex mutex;
    std::set<int> alti;
    DisegnaABande(bande, [&](QPainter& g, const QRect& banda) {
        ++chiamate;
        {
            std::lock_guard<std::mutex> blocco(mutex);
            alti.insert(banda.top());
        }
        g.setPen(Qt::NoPen);
        for (const auto& [quadro, colore] : facce) {
            g.setBrush(colore);
            g.drawPolygon(quadro);
        }
    });
    EXPECT_EQ(chiamate.load(), NumeroBande);
    EXPECT_EQ(static_cast<int>(alti.size()), NumeroBande);
    EXPECT_EQ(*alti.begin(), 0);
    ImpostaFiliBande(0);
    EXPECT_EQ(bande, intera);
}

INSTANTIATE_TEST_SUITE_P(Fili, Bande, ::testing::Values(0, 1, 3, 64));

// Filled and copied band by band, every row of pictures of any height (fewer rows than
// bands too) is set, and nothing else.
TEST(Bande, RiempieECopiaOgniRiga) {
    for (const int altezza : {1, 7, 37, 1080}) {
        QImage tela(50, altezza, QImage::Format_ARGB32);
        tela.fill(qRgba(1, 2, 3, 4));
        RiempiABande(tela, qRgba(192, 192, 192, 0));
        QImage attesa(50, altezza, QImage::Format_ARGB32);
        attesa.fill(qRgba(192, 192, 192, 0));
        EXPECT_EQ(tela, attesa) << altezza;

        QImage sorgente(50, altezza, QImage::Format_ARGB32);
        for (int y = 0; y < altezza; ++y)
            for (int x = 0; x < 50; ++x) sorgente.setPixel(x, y, qRgba(x, y % 256, 7, 255));
        CopiaABande(sorgente, tela);
        EXPECT_EQ(tela, sorgente) << altezza;
    }
}

}  // namespace
