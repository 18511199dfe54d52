#include "controls/ArteComune.h"

namespace ArteComune {

QImage Vuota(int larghezza, int altezza, QColor colore) {
    QImage immagine(larghezza, altezza, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(colore);
    return immagine;
}

QLinearGradient Verticale(qreal y1, qreal y2, QColor alto, QColor basso) {
    QLinearGradient g(0, y1, 0, y2);
    g.setColorAt(0, alto);
    g.setColorAt(1, basso);
    return g;
}

}  // namespace ArteComune
