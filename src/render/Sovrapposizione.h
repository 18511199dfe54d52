#pragma once
// Premultiplied pixels laid source-over along a row, as the raster engine lays them
// (each channel d becomes s + d * (255 - alpha of s) / 255, rounded its way), several at a time.
#include <QColor>

#include <cstdint>

// Each channel of x times a / 255, rounded as the raster engine rounds.
inline QRgb MoltiplicaPixel(QRgb x, std::uint32_t a) {
    std::uint32_t t = (x & 0xFF00FFu) * a;
    t = ((t + ((t >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    std::uint32_t u = ((x >> 8) & 0xFF00FFu) * a;
    u = (u + ((u >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return t | u;
}

// riga[i] under sorgente[i], for i in 0 .. n - 1.
void SopraPixel(QRgb* riga, const QRgb* sorgente, int n);

// riga[i] under the one colour, for i in 0 .. n - 1.
void SopraColore(QRgb* riga, QRgb colore, int n);

// Clears the upper halves of the wide vector registers, which some library code (a QImage
// fill among it) leaves dirty: until then every plain vector or float instruction after it
// runs at a fraction of its speed on some processors. Call before a long run of pixel work;
// a no-op where there are no wide registers.
void AzzeraMetaAlte();
