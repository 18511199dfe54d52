#pragma once
// An integer convolution over a 32-bit picture, used as a 3x3 sharpen.
#include <QImage>

#include <functional>

class PhotoShop {
public:
    // Convolves every channel (alpha too) with an n x n kernel in row order (n odd); the
    // sums are divided by n x n and clamped to 0..255; missing neighbours at the border
    // count as 0. The picture must be ARGB32 (non-premultiplied) or RGB32; others are left.
    void ApplicaConvoluzione(QImage* immagine, const int* kernel, int n);
    // The 3x3 kernel with 40 at the centre and -4 around it, in parts on every core. Each
    // part then calls fatte(y0, y1) on its own thread: rows [y0, y1) are final and no other
    // part reads them, so they can be used at once.
    void AumentaNitidezza(QImage* immagine, const std::function<void(int y0, int y1)>& fatte = {});
};
