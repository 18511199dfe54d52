#pragma once
// A text layer as the renderers keep it between frames. A line at the length limit makes a
// picture some hundred thousand pixels wide, of which a frame shows one canvas width: such a
// picture is kept as packed tiles of columns, and only the tiles a frame shows are unpacked.
#include "platform/Grafica.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <memory>

class LayerTesto {
public:
    // Pictures up to this width stay whole.
    static constexpr int LarghezzaIntera = 8192;

    LayerTesto() = default;
    // Keeps the picture as it is.
    explicit LayerTesto(const QImage& immagine) : immagine_(immagine) {}
    // Keeps the picture packed when it is wider than LarghezzaIntera, whole otherwise.
    static LayerTesto Compatto(const QImage& immagine);

    bool Nullo() const { return !tessere_ && immagine_.isNull(); }
    bool Impacchettato() const { return tessere_ != nullptr; }
    QSize Dimensione() const;
    int Larghezza() const { return Dimensione().width(); }
    int Altezza() const { return Dimensione().height(); }
    QRect Rettangolo() const { return QRect(QPoint(0, 0), Dimensione()); }
    // Changes whenever the picture does; copies share it.
    qint64 Chiave() const;

    // The whole picture (unpacked anew when packed: as large as the picture itself).
    QImage Immagine() const;
    // The pixels of parte (within the picture), premultiplied ARGB.
    QImage Parte(const QRect& parte) const;

    bool operator==(const LayerTesto& altro) const;

private:
    struct Tessere;
    QImage immagine_;
    std::shared_ptr<const Tessere> tessere_;
};

// DisegnaConMatrice for a layer. A packed layer drawn at its own size on whole pixels gives
// only the part that lands on the device; drawn any other way it is unpacked whole first.
void DisegnaLayer(QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente,
                  const MatriceColore& matrice);
