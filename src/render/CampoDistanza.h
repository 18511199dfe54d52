#pragma once
// Stacks of concentric strokes drawn from a distance field. A stroke of width w with round
// joins covers the pixels within w / 2 of the outline, so a whole stack of strokes of widths
// 1, 2, ... is a function of each pixel's distance from the outline alone: the field is made
// once, in time linear in the outline and the picture, and the stack is one table lookup per
// pixel.
#include <QColor>
#include <QImage>
#include <QPainter>
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
    // Columns measured at a time: the work space of a field is a few strips of this width,
    // however wide its picture.
    static constexpr int StrisciaPredefinita = 2048;

    // The distance of each pixel centre of a picture of the given size to the outline of
    // percorso (as flattened into segments); pixels farther than limite hold limite. The field
    // is measured a strip of columns at a time, when asked.
    CampoDistanza(const QPainterPath& percorso, QSize dimensione, float limite, int striscia = StrisciaPredefinita);

    QSize Dimensione() const { return dimensione_; }
    float Limite() const { return limite_; }
    float Distanza(int x, int y) const;

    // What stroking the outline with colore at widths 1 .. larghezzaFine - 1 in turn, round
    // joins, anti-aliased and composed source-over, leaves on a transparent picture; with the
    // outline moved by spostamento (whose strokes then stay inside the picture).
    QImage PilaTratti(const QColor& colore, int larghezzaFine, QPoint spostamento = {}) const;
    // The same stack written over the pixels of destinazione, a picture of the field's size
    // (where the stack is clear they keep what they hold).
    void ScriviPilaTratti(QImage& destinazione, const QColor& colore, int larghezzaFine, QPoint spostamento = {}) const;
    // The same over destinazione, as tall as the field, which holds its columns from inizio on:
    // each pixel as the whole picture's would be.
    void ScriviPilaTratti(QImage& destinazione, int inizio, const QColor& colore, int larghezzaFine,
                          QPoint spostamento = {}) const;
    // The same stack drawn with pittore at (0, 0), a strip of columns at a time; only the
    // columns [x0, x1) when given.
    void DisegnaPilaTratti(QPainter& pittore, const QColor& colore, int larghezzaFine, int x0 = 0, int x1 = -1) const;

private:
    struct Vicino {
        float d2, x, y;
    };
    // The distances of columns [x0, x1), row by row, into distanze.
    void MisuraStriscia(int x0, int x1, std::vector<float>& distanze) const;
    // The stack of the field's columns [f0, f1) moved by spostamento, written over the pixels
    // of destinazione, whose column 0 is the picture's column inizio.
    void ScriviStriscia(QImage& destinazione, int inizio, int f0, int f1, const std::vector<QRgb>& tabella,
                        QPoint spostamento, std::vector<float>& distanze) const;
    QSize dimensione_;
    float limite_;
    int striscia_;
    QList<QPolygonF> figure_;
    // The strip that Distanza read last.
    mutable int strisciaLetta_ = -1;
    mutable std::vector<float> distanzeLette_;
};
