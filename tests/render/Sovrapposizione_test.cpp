// The row blends against the raster engine's own source-over, every length from none to past
// two blocks of four, so both the block path and the pixels left after it are covered.
#include "render/Sovrapposizione.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <vector>

namespace {

// Premultiplied pixels: opaque, clear, the faintest, half, nearly opaque, and a few colours.
const std::vector<QRgb> kSorgenti = {0xFF000000, 0x00000000, 0x01010000, 0x80402010, 0xFEFEFDFC, 0xFF12AB34,
                                     0x07030507, 0x40404040, 0x9A009A33, 0x2C1B0A2C, 0xC8C80000};
const std::vector<QRgb> kDestinazioni = {0xFFFFFFFF, 0x00000000, 0xFF336699, 0x80808080, 0x10101010,
                                         0xFF000000, 0xE0A07010, 0x01000001, 0x7F7F007F, 0xFFFF00FF, 0x33221100};

QImage Riga(const std::vector<QRgb>& pixel, int n) {
    QImage riga(n, 1, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < n; ++i) riga.setPixel(i, 0, pixel[static_cast<size_t>(i) % pixel.size()]);
    return riga;
}

// What the raster engine leaves with the source drawn over the ground.
QImage Atteso(QImage ground, const QImage& sorgente) {
    QPainter p(&ground);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, sorgente);
    return ground;
}

// n pixels laid, two guard pixels after them that must stay as they are.
std::vector<QRgb> ConGuardie(const QImage& riga) {
    std::vector<QRgb> v(static_cast<size_t>(riga.width()) + 2, 0xDEADBEEF);
    for (int i = 0; i < riga.width(); ++i) v[static_cast<size_t>(i)] = riga.pixel(i, 0);
    return v;
}

TEST(Sovrapposizione, OgniPixelComeIlMotoreRaster) {
    for (int spostamento = 0; spostamento < static_cast<int>(kSorgenti.size()); ++spostamento)
        for (int n = 0; n <= 11; ++n) {
            std::vector<QRgb> ruotate(kSorgenti.begin() + spostamento, kSorgenti.end());
            ruotate.insert(ruotate.end(), kSorgenti.begin(), kSorgenti.begin() + spostamento);
            const QImage sorgente = Riga(ruotate, std::max(n, 1)).copy(0, 0, n, 1);
            const QImage ground = Riga(kDestinazioni, std::max(n, 1)).copy(0, 0, n, 1);
            std::vector<QRgb> riga = ConGuardie(ground);
            const std::vector<QRgb> s = ConGuardie(sorgente);
            SopraPixel(riga.data(), s.data(), n);
            EXPECT_EQ(riga, ConGuardie(Atteso(ground, sorgente))) << "n " << n << " shift " << spostamento;
        }
}

TEST(Sovrapposizione, UnColoreComeIlMotoreRaster) {
    for (const QRgb colore : kSorgenti)
        for (int n = 0; n <= 11; ++n) {
            const QImage ground = Riga(kDestinazioni, std::max(n, 1)).copy(0, 0, n, 1);
            std::vector<QRgb> riga = ConGuardie(ground);
            SopraColore(riga.data(), colore, n);
            EXPECT_EQ(riga, ConGuardie(Atteso(ground, Riga({colore}, std::max(n, 1)).copy(0, 0, n, 1))))
                << std::hex << "colour " << colore << std::dec << " n " << n;
        }
}

}  // namespace
