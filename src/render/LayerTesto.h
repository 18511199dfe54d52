#pragma once
// A text layer as the renderers keep it between frames. A line at the length limit makes a
// picture some hundred thousand pixels wide, of which a frame shows one canvas width: such a
// picture is never made whole. It is drawn a block of columns at a time, only where a frame
// shows it, and the blocks of the last frames are kept for the next ones.
#include "platform/Grafica.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>

class LayerTesto {
public:
    // Pictures up to this width are made whole.
    static constexpr int LarghezzaIntera = 8192;
    // Draws the columns of colonne (as tall as the picture): premultiplied ARGB of that size.
    using Disegnatore = std::function<QImage(const QRect& colonne)>;

    LayerTesto() = default;
    // Keeps the picture as it is.
    explicit LayerTesto(const QImage& immagine) : immagine_(immagine) {}
    // A picture of that size drawn only where it is asked for; nothing is drawn here.
    static LayerTesto SuRichiesta(QSize dimensione, Disegnatore disegna);

    bool Nullo() const { return !blocchi_ && immagine_.isNull(); }
    // Drawn a part at a time, never whole in memory.
    bool Parziale() const { return blocchi_ != nullptr; }
    QSize Dimensione() const;
    int Larghezza() const { return Dimensione().width(); }
    int Altezza() const { return Dimensione().height(); }
    QRect Rettangolo() const { return QRect(QPoint(0, 0), Dimensione()); }
    // Changes whenever the picture does; copies share it.
    qint64 Chiave() const;

    // The whole picture (drawn whole when partial: as large as the picture itself).
    QImage Immagine() const;
    // The pixels of parte (within the picture), premultiplied ARGB.
    QImage Parte(const QRect& parte) const;
    // Draws beforehand the pixels of parte, so that the Parte calls of a frame's threads find
    // them drawn.
    void Prepara(const QRect& parte) const;
    // Reduced copies of a partial picture, each level half the size of the one before.
    static constexpr int LivelloMassimo = 6;
    // The columns that cover parte, as tall as the picture, 2^livello times smaller (null for
    // a whole picture); colonne gets the columns of the picture it holds.
    QImage Ridotta(const QRect& parte, int livello, QRect* colonne = nullptr) const;

    // The same picture: the same pixels, or the same partial picture.
    bool operator==(const LayerTesto& altro) const;

private:
    struct Blocchi;
    QImage immagine_;
    std::shared_ptr<const Blocchi> blocchi_;
};

// DisegnaConMatrice for a layer. A partial layer is drawn only where it lands on the device:
// at its own size on whole pixels exactly that part; scaled or moved by a fraction of a pixel
// that part with a margin of source pixels around it, so its edges are sampled as the whole
// picture's would be; drawn so small that many canvas widths of it land on the device, from a
// reduced copy.
void DisegnaLayer(QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente,
                  const MatriceColore& matrice);
// Draws beforehand the part of a partial layer that DisegnaLayer with these arguments would
// draw; nothing for a whole one. Only reads the painter.
void PreparaLayer(const QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente);
