#pragma once
// Anti-aliased solid polygons for scenes of thousands of overlapping faces, where a painter's
// set-up for each face and the rows hidden behind later faces cost more than what shows.
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRgb>

#include <algorithm>
#include <cstdint>
#include <vector>

// The extremes of a set of points.
struct Estremi {
    double x0, x1, y0, y1;
};
template <class Punti>
Estremi EstremiDi(const Punti& punti) {
    Estremi e{punti[0].x(), punti[0].x(), punti[0].y(), punti[0].y()};
    for (const QPointF& p : punti) {
        e.x0 = std::min(e.x0, p.x());
        e.x1 = std::max(e.x1, p.x());
        e.y0 = std::min(e.y0, p.y());
        e.y1 = std::max(e.y1, p.y());
    }
    return e;
}

// The faces over the rows of one band, given from the nearest to the farthest: each goes
// under what is already there (the same picture as drawing them far to near, one over the
// other, to a level of rounding), and rows already wholly opaque where a face would fall are
// not drawn at all. Posa lays the result over the canvas. A pixel's value depends only on
// the faces, never on how the canvas is cut into bands.
class StratoFacce {
public:
    StratoFacce(const QRect& righe, int larghezza);

    // A polygon (any simple one; overlapping parts count once), each pixel's exact covered
    // area as its anti-aliasing. colore is premultiplied.
    void Sotto(const QPointF* punti, int n, QRgb colore);
    // A premultiplied picture whose top-left pixel falls on dove, under what is there.
    void SottoImmagine(const QImage& immagine, QPoint dove);
    // Whether every pixel of zona (canvas coordinates, clipped to the band) is already opaque.
    bool Coperto(const QRect& zona) const;
    // The layer over the band's rows of the canvas (Format_ARGB32_Premultiplied).
    void Posa(QImage& tela) const;

private:
    // Row y's opaque mask, a bit a pixel.
    const std::uint64_t* Opachi(int y) const {
        return opachi_.data() + static_cast<size_t>(y - righe_.top()) * static_cast<size_t>(parole_);
    }
    void Aggiungi(int y, int da, int a, std::uint32_t colore, const std::uint8_t* alfa);

    QRect righe_;
    int larghezza_ = 0;
    int parole_ = 0;  // 64-bit words of a row's opaque mask
    std::vector<std::uint32_t>& pixel_;
    std::vector<std::uint64_t>& opachi_;
};
