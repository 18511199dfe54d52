#include "render/CampoDistanza.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// The stack as the raster engine draws it: one round-joined stroke per width.
QImage PilaDisegnata(const QPainterPath& percorso, QSize dimensione, const QColor& colore, int larghezzaFine) {
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int w = 1; w < larghezzaFine; ++w) {
        QPen penna(colore);
        penna.setWidthF(w);
        penna.setJoinStyle(Qt::RoundJoin);
        p.setPen(penna);
        p.drawPath(percorso);
    }
    return img;
}

struct Scarto {
    int massimo = 0;
    double medio = 0;  // over every channel and pixel of the picture
    int massimi[4] = {};  // red, green, blue, alpha
    double medi[4] = {};
};

Scarto Confronta(const QImage& a, const QImage& b) {
    Scarto s;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d[4] = {std::abs(qRed(ra[x]) - qRed(rb[x])), std::abs(qGreen(ra[x]) - qGreen(rb[x])),
                              std::abs(qBlue(ra[x]) - qBlue(rb[x])), std::abs(qAlpha(ra[x]) - qAlpha(rb[x]))};
            for (int c = 0; c < 4; ++c) {
                s.massimi[c] = std::max(s.massimi[c], d[c]);
                s.medi[c] += d[c];
            }
        }
    }
    const double pixel = static_cast<double>(a.width()) * a.height();
    for (int c = 0; c < 4; ++c) {
        s.medi[c] /= pixel;
        s.massimo = std::max(s.massimo, s.massimi[c]);
        s.medio += s.medi[c] / 4.0;
    }
    return s;
}

QImage Decimo(const QImage& img) {
    return img.scaled(img.width() / 10, img.height() / 10, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPainterPath Testo(const QString& testo, int pixel, QPointF origine) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath percorso;
    percorso.addText(origine, font, testo);
    return percorso;
}

TEST(CampoDistanza, LaDistanzaDaUnSegmentoEDaiSuoiEstremi) {
    QPainterPath percorso;
    percorso.moveTo(10, 10.5);
    percorso.lineTo(30, 10.5);
    const CampoDistanza campo(percorso, QSize(40, 30), 8.0f);
    struct { int x, y; float attesa; } casi[] = {
        {20, 10, 0.0f},              // on the segment
        {20, 15, 5.0f},              // straight below it
        {5, 10, 4.5f},               // before its start, on its line
        {33, 14, std::hypot(3.5f, 4.0f)},  // past its end, off its line
        {20, 25, 8.0f},              // beyond the limit
        {-1, 0, 8.0f},               // outside the picture
    };
    for (const auto& c : casi) EXPECT_NEAR(campo.Distanza(c.x, c.y), c.attesa, 1e-4) << c.x << "," << c.y;
}

// Far from the outline each pixel takes a neighbour's nearest point: against the distance
// to every segment, measured pixel by pixel.
TEST(CampoDistanza, LontanoDalContornoComeMisuratoDaOgniSegmento) {
    const QPainterPath percorso = Testo(QStringLiteral("Sw@"), 60, QPointF(20, 70));
    const QSize dimensione(200, 100);
    const float limite = 16.0f;
    const CampoDistanza campo(percorso, dimensione, limite);
    std::vector<std::pair<QPointF, QPointF>> segmenti;
    for (const QPolygonF& figura : percorso.toSubpathPolygons())
        for (qsizetype i = 0; i + 1 < figura.size(); ++i) segmenti.emplace_back(figura[i], figura[i + 1]);
    float scarto = 0;
    for (int y = 0; y < dimensione.height(); ++y)
        for (int x = 0; x < dimensione.width(); ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            double minimo = limite;
            for (const auto& [a, b] : segmenti) {
                const QPointF d = b - a;
                const double ll = QPointF::dotProduct(d, d);
                const double t = ll > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / ll, 0.0, 1.0) : 0.0;
                const QPointF e = p - (a + t * d);
                minimo = std::min(minimo, std::hypot(e.x(), e.y()));
            }
            scarto = std::max(scarto, std::abs(campo.Distanza(x, y) - static_cast<float>(minimo)));
        }
    EXPECT_LT(scarto, 0.1f);
}

// The shadow's stack reads the text's field moved by its offset: as if the outline itself
// were moved, with the part moved out of the picture gone.
TEST(CampoDistanza, LaPilaSpostataComeIlContornoSpostato) {
    const QPainterPath percorso = Testo(QStringLiteral("Ok"), 50, QPointF(30, 60));
    const QSize dimensione(140, 100);
    const QColor colore(0, 0, 0, 90);
    const CampoDistanza campo(percorso, dimensione, 12.0f);
    for (const QPoint spostamento : {QPoint(4, 4), QPoint(-7, 3), QPoint(0, -30), QPoint(200, 0)}) {
        const CampoDistanza mosso(percorso.translated(spostamento), dimensione, 12.0f);
        const Scarto s = Confronta(campo.PilaTratti(colore, 21, spostamento), mosso.PilaTratti(colore, 21));
        EXPECT_LE(s.massimo, 1) << spostamento.x() << "," << spostamento.y();
    }
}

TEST(CampoDistanza, UnaPilaVuotaOSenzaColoreNonDisegnaNulla) {
    const QPainterPath percorso = Testo(QStringLiteral("A"), 40, QPointF(10, 50));
    const CampoDistanza campo(percorso, QSize(60, 70), 10.0f);
    for (const auto& [colore, fine] : {std::pair{QColor(255, 0, 0, 32), 1}, std::pair{QColor(255, 0, 0, 0), 12}}) {
        const QImage pila = campo.PilaTratti(colore, fine);
        ASSERT_EQ(pila.size(), QSize(60, 70));
        for (int y = 0; y < pila.height(); ++y)
            for (int x = 0; x < pila.width(); ++x) ASSERT_EQ(pila.pixel(x, y), 0u);
    }
}

// A field is measured a strip of columns at a time; whatever the strip's width, every pixel
// holds exactly what one measure of the whole picture gives it, out to the widest limit.
TEST(CampoDistanza, AStrisceComeInUnPezzo) {
    QPainterPath percorso = Testo(QStringLiteral("Quenvox &@ Wq!|gy il"), 70, QPointF(60, 110));
    percorso.addEllipse(QPointF(300, 40), 3, 3);
    percorso.moveTo(20, 20);
    percorso.lineTo(1180, 150);  // one long segment across every strip
    const QSize dimensione(1200, 170);
    for (const float limite : {1.0f, 11.5f, 23.5f, 51.0f}) {
        const CampoDistanza intero(percorso, dimensione, limite, dimensione.width());
        for (const int striscia : {7, 300}) {
            const CampoDistanza campo(percorso, dimensione, limite, striscia);
            int diversi = 0;
            for (int x = 0; x < dimensione.width(); ++x)
                for (int y = 0; y < dimensione.height(); ++y) diversi += campo.Distanza(x, y) != intero.Distanza(x, y);
            EXPECT_EQ(diversi, 0) << "limit " << limite << ", strip " << striscia;
            const QPoint spostamento(-9, 4);
            EXPECT_EQ(campo.PilaTratti(QColor(20, 40, 60, 170), static_cast<int>(2 * limite) - 1, spostamento),
                      intero.PilaTratti(QColor(20, 40, 60, 170), static_cast<int>(2 * limite) - 1, spostamento))
                << "limit " << limite << ", strip " << striscia;
        }
    }
}

// The stack from the field against the strokes themselves, for the glow (alpha 32) and the
// shadow (alpha 11 and the most opaque, 170) at small and large widths.
struct CasoPila {
    const char* nome;
    QColor colore;
    int larghezzaFine;
    int pixel;
};

void PrintTo(const CasoPila& c, std::ostream* os) { *os << c.nome; }

class PilaComeITratti : public ::testing::TestWithParam<CasoPila> {};

TEST_P(PilaComeITratti, EntroLaTolleranzaDeiFotogrammi) {
    const CasoPila c = GetParam();
    const int margine = c.larghezzaFine / 2 + 4;
    const QPainterPath testo = Testo(QStringLiteral("Quenvox &@"), c.pixel, QPointF(0, 0));
    const QRectF limiti = testo.boundingRect();
    const QPainterPath percorso = testo.translated(margine - limiti.left(), margine - limiti.top());
    const QSize dimensione(static_cast<int>(limiti.width()) + 2 * margine, static_cast<int>(limiti.height()) + 2 * margine);

    const QImage attesa = PilaDisegnata(percorso, dimensione, c.colore, c.larghezzaFine);
    const CampoDistanza campo(percorso, dimensione, c.larghezzaFine * 0.5f + 1.0f);
    const QImage pila = campo.PilaTratti(c.colore, c.larghezzaFine);
    const Scarto s = Confronta(pila, attesa);
    // The stroker only approximates the offset of a curve: on the outermost ring of a wide,
    // opaque stack single pixels differ by a large part of one stroke. The frames are compared
    // at a tenth of their size; so is the stack.
    const Scarto decimo = Confronta(Decimo(pila), Decimo(attesa));
    std::printf("%s, full size: max R %d G %d B %d A %d, mean R %.3f G %.3f B %.3f A %.3f; tenth size: max %d, mean %.3f\n",
                c.nome, s.massimi[0], s.massimi[1], s.massimi[2], s.massimi[3], s.medi[0], s.medi[1], s.medi[2], s.medi[3],
                decimo.massimo, decimo.medio);
    EXPECT_LE(s.medio, 1.0) << c.nome;
    EXPECT_LE(decimo.massimo, 24) << c.nome;
    EXPECT_LE(decimo.medio, 1.0) << c.nome;
}

INSTANTIATE_TEST_SUITE_P(
    Stili, PilaComeITratti,
    ::testing::Values(CasoPila{"glow 6", QColor(128, 0, 255, 32), 6, 160}, CasoPila{"glow 30", QColor(128, 0, 255, 32), 30, 160},
                      CasoPila{"shadow 14", QColor(0, 0, 0, 11), 21, 160}, CasoPila{"shadow 30", QColor(0, 0, 0, 11), 45, 160},
                      CasoPila{"opaque shadow 30", QColor(20, 40, 60, 170), 45, 160},
                      CasoPila{"small text glow 30", QColor(255, 255, 0, 32), 30, 24}),
    [](const auto& info) {
        std::string n = info.param.nome;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

}  // namespace
