#include "render/ScritturaLayer.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QImage Tinta(QRgb colore) {
    QImage img(8, 4, QImage::Format_ARGB32_Premultiplied);
    img.fill(colore);
    return img;
}

TEST(ScritturaLayer, LUltimaImmagineDiUnFileEQuellaScritta) {
    CasaTemporanea casa;
    const QString a = casa.Sotto(QStringLiteral("a.png")), b = casa.Sotto(QStringLiteral("b.png"));
    ScritturaLayer scrittura;
    for (int i = 0; i < 50; ++i) scrittura.Accoda(a, Tinta(qRgba(i, 0, 0, 255)), 80);
    scrittura.Accoda(b, Tinta(qRgba(0, 0, 255, 255)), 80);
    scrittura.Attendi();
    EXPECT_EQ(QImage(a).pixel(3, 2), qRgba(49, 0, 0, 255));
    EXPECT_EQ(QImage(b).pixel(0, 0), qRgba(0, 0, 255, 255));
}

TEST(ScritturaLayer, QuelloInCodaEScrittoPrimaDellaFine) {
    CasaTemporanea casa;
    const QString a = casa.Sotto(QStringLiteral("a.png"));
    {
        ScritturaLayer scrittura;
        scrittura.Accoda(a, Tinta(qRgba(0, 200, 0, 255)), 80);
    }
    EXPECT_EQ(QImage(a).pixel(0, 0), qRgba(0, 200, 0, 255));
}

// A very wide layer goes to its file a band at a time: the file holds its pixels, as the
// whole picture's file would, straight alpha and all.
TEST(ScritturaLayer, UnLayerImpacchettatoComeLaFiguraIntera) {
    CasaTemporanea casa;
    QImage figura(LayerTesto::LarghezzaIntera + 300, 21, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < figura.height(); ++y)
        for (int x = 0; x < figura.width(); ++x)
            figura.setPixel(x, y, qPremultiply(qRgba(x * 7 & 0xFF, y * 11 & 0xFF, (x + y) & 0xFF, (x / 3 + y) & 0xFF)));
    const LayerTesto layer = LayerTesto::Compatto(figura);
    ASSERT_TRUE(layer.Impacchettato());
    const QString a = casa.Sotto(QStringLiteral("a.png")), b = casa.Sotto(QStringLiteral("b.png"));
    ScritturaLayer scrittura;
    scrittura.Accoda(a, layer, 80);
    scrittura.Accoda(b, figura, 80);
    scrittura.Attendi();
    const QImage letta(a), intera(b);
    ASSERT_EQ(letta.size(), figura.size());
    EXPECT_EQ(letta.convertToFormat(QImage::Format_ARGB32), intera.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(letta.convertToFormat(QImage::Format_ARGB32_Premultiplied), figura);
}

TEST(ScritturaLayer, SenzaNullaDaScrivereNonAspetta) {
    ScritturaLayer scrittura;
    scrittura.Attendi();
    SUCCEED();
}

}  // namespace
