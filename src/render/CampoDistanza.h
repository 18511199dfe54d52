#pragma once
// Stacks of concentric strokes drawn from a distance field. A stroke of width w with round
// joins covers the pixels within w / 2 of the outline, so a whole stack of strokes of widths
// 1, 2, ... is a function of each pixel's distance from the outline alone: the field is made
// once, in time linear in the outline and the picture, and the stack is one table lookup per
// pixel.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QSize>

#include <vector>

// What the stack of strokes of colore at widths 1 .. larghezzaFine - 1 leaves on a clear pixel
// at each distance from the outline up to limite: premultiplied pixels, PassiTratti steps a pixel.
inline constexpr int PassiTratti = 32;
std::vector<QRgb> TabellaTratti(const QColor& colore, int larghezzaFine, float limite);

class CampoDistanza {
public:
    // The distance of each pixel centre of a picture of the given size to the outline of
    // percorso (as flattened into segments); pixels farther than limite hold limite.
    CampoDistanza(const QPainterPath& percorso, QSize dimensione, float limite);

    QSize Dimensione() const { return dimensione_; }
    float Limite() const { return limite_; }
    float Distanza(int x, int y) const;

    // What stroking the outline with colore at widths 1 .. larghezzaFine - 1 in turn, round
    // joins, anti-aliased and composed source-over, leaves on a transparent picture; with the
    // outline moved by spostamento (whose strokes then stay inside the picture).
    QImage PilaTratti(const QColor& colore, int larghezzaFine, QPoint spostamento = {}) const;

private:
    void Segmento(QPointF a, QPointF b);
    void Propaga();
    QSize dimensione_;
    float limite_;
    std::vector<float> distanze_;
    // While the field is made: each pixel's squared distance and nearest outline point found
    // so far, with a border of one far pixel all round.
    struct Vicino {
        float d2, x, y;
    };
    std::vector<Vicino> griglia_;
};
