#include "render/PhotoShop.h"

#include <gtest/gtest.h>

namespace {

QImage Area(int w, int h, QRgb colore) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(colore);
    return img;
}

TEST(PhotoShop, UnaFiguraTrasparenteRestaTrasparente) {
    QImage img = Area(6, 5, 0x00000000);
    PhotoShop().AumentaNitidezza(&img);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(img.pixel(x, y), 0x00000000u);
}

TEST(PhotoShop, UnPuntoBiancoRestaPienoEIViciniSpariscono) {
    QImage img = Area(5, 5, 0x00000000);
    img.setPixel(2, 2, 0xFFFFFFFF);
    PhotoShop().AumentaNitidezza(&img);
    EXPECT_EQ(img.pixel(2, 2), 0xFFFFFFFFu);  // 40 x 255 / 9, clamped
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x) {
            if (x != 2 || y != 2) {
                EXPECT_EQ(img.pixel(x, y), 0x00000000u) << x << "," << y;
            }
        }
}

TEST(PhotoShop, UnAreaGrigiaPerdeUnNonoEIlBordoSchiarisce) {
    QImage img = Area(5, 5, qRgba(90, 90, 90, 255));
    PhotoShop().AumentaNitidezza(&img);
    EXPECT_EQ(img.pixel(2, 2), qRgba(80, 80, 80, 226));
    // A corner sees three neighbours: (40 - 12) x 90 / 9 = 280, clamped; alpha too.
    EXPECT_EQ(img.pixel(0, 0), qRgba(255, 255, 255, 255));
    // An edge sees five: (40 - 20) x 90 / 9 = 200; alpha (40 - 20) x 255 / 9 = 566 -> 255.
    EXPECT_EQ(img.pixel(2, 0), qRgba(200, 200, 200, 255));
}

TEST(PhotoShop, IlColoreSottoAlfaZeroEntraNelFiltro) {
    // The canvas is cleared to light grey of alpha 0: that grey darkens the text's rim.
    QImage img = Area(5, 5, qRgba(192, 192, 192, 0));
    img.setPixel(2, 2, qRgba(0, 0, 0, 255));
    PhotoShop().AumentaNitidezza(&img);
    EXPECT_EQ(img.pixel(2, 2), qRgba(0, 0, 0, 255));
    // Its neighbour at (1,1) sees the black centre and seven greys: (40 - 28) x 192 / 9 = 256.
    EXPECT_EQ(qRed(img.pixel(1, 1)), 255);
    EXPECT_EQ(qAlpha(img.pixel(1, 1)), 0);  // -4 x 255 / 9 clamped
}

TEST(PhotoShop, ConvoluzioneSuImmagineNullaOFormatoEstraneoNonFaNulla) {
    PhotoShop filtro;
    filtro.AumentaNitidezza(nullptr);
    QImage nulla;
    filtro.AumentaNitidezza(&nulla);
    EXPECT_TRUE(nulla.isNull());
    QImage rgb(3, 3, QImage::Format_RGB888);
    rgb.fill(Qt::red);
    const QImage prima = rgb;
    filtro.AumentaNitidezza(&rgb);
    EXPECT_EQ(rgb, prima);
}

TEST(PhotoShop, UnKernelIdentitaLasciaTuttoComEra) {
    QImage img = Area(4, 3, qRgba(10, 20, 30, 40));
    img.setPixel(1, 1, qRgba(200, 100, 50, 255));
    const QImage prima = img.copy();
    const int identita[9] = {0, 0, 0, 0, 9, 0, 0, 0, 0};
    PhotoShop().ApplicaConvoluzione(&img, identita, 3);
    EXPECT_EQ(img, prima);
}

}  // namespace

// In the global namespace, where argument lookup finds it for Qt's own type.
static void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }

namespace {

class NitidezzaComeConvoluzione : public ::testing::TestWithParam<QSize> {};

// The sharpen by rows gives, byte for byte, what the general convolution gives with the same
// kernel: borders, corners, one-pixel rows and columns, bright and clear pixels alike.
TEST_P(NitidezzaComeConvoluzione, StessiByte) {
    const QSize dimensione = GetParam();
    QImage img(dimensione, QImage::Format_ARGB32);
    std::uint32_t seme = 12345u + static_cast<std::uint32_t>(dimensione.width() * 31 + dimensione.height());
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            seme = seme * 1664525u + 1013904223u;
            // Mostly extremes, where the clamps and the division's rounding are tested.
            riga[x] = (seme >> 8) % 3 == 0 ? seme : ((seme >> 4) & 1 ? 0xFFFFFFFFu : (seme & 0x00FFFFFFu));
        }
    }
    QImage attesa = img.copy();
    static const int kernel[9] = {-4, -4, -4, -4, 40, -4, -4, -4, -4};
    PhotoShop filtro;
    filtro.ApplicaConvoluzione(&attesa, kernel, 3);
    filtro.AumentaNitidezza(&img);
    EXPECT_EQ(img, attesa);
}

INSTANTIATE_TEST_SUITE_P(Dimensioni, NitidezzaComeConvoluzione,
                         ::testing::Values(QSize(1, 1), QSize(2, 1), QSize(1, 3), QSize(3, 3), QSize(17, 5), QSize(64, 2),
                                           QSize(301, 47)));

}  // namespace
