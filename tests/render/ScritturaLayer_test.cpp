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

// A file removed goes after what is being written, and in place of the picture that waited
// for it: no older picture of it is left behind.
TEST(ScritturaLayer, UnFileRimossoNonTornaDallaCoda) {
    CasaTemporanea casa;
    const QString a = casa.Sotto(QStringLiteral("a.png")), b = casa.Sotto(QStringLiteral("b.png"));
    ScritturaLayer scrittura;
    scrittura.Accoda(a, Tinta(qRgba(0, 200, 0, 255)), 80);
    scrittura.Attendi();
    ASSERT_TRUE(QFile::exists(a));
    for (int i = 0; i < 20; ++i) {
        scrittura.Accoda(a, Tinta(qRgba(i, 0, 0, 255)), 80);
        scrittura.Accoda(b, Tinta(qRgba(0, 0, i, 255)), 80);
        scrittura.Rimuovi(a);
    }
    scrittura.Attendi();
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(QImage(b).pixel(0, 0), qRgba(0, 0, 19, 255));
}

TEST(ScritturaLayer, SenzaNullaDaScrivereNonAspetta) {
    ScritturaLayer scrittura;
    scrittura.Attendi();
    SUCCEED();
}

}  // namespace
