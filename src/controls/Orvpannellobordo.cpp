#include "controls/Orvpannellobordo.h"

#include <QPainter>

void DisegnaLatiPannello(QPainter& p, int W, int H, TColor colore, bool sinistra, bool alto, bool destra, bool basso) {
    // Each line stops one pixel short of its end point.
    const QColor c = ColoreDaTColor(colore);
    if (sinistra) p.fillRect(0, 0, 1, H, c);
    if (destra) p.fillRect(W - 1, 0, 1, H, c);
    if (alto) p.fillRect(0, 0, W - 1, 1, c);
    if (basso) p.fillRect(0, H - 1, W - 1, 1, c);
}

ORVPannelloBordo::ORVPannelloBordo(QWidget* owner) : QWidget(owner) {
    resize(255, 255);
    setContentsMargins(larghezzaBordo, larghezzaBordo, larghezzaBordo, larghezzaBordo);
}

void ORVPannelloBordo::SetBorderWidth(int v) {
    larghezzaBordo = v;
    setContentsMargins(v, v, v, v);
}

void ORVPannelloBordo::SetBorderLeft(bool v) {
    if (CambiaValore(sinistra, v)) update();
}
void ORVPannelloBordo::SetBorderTop(bool v) {
    if (CambiaValore(alto, v)) update();
}
void ORVPannelloBordo::SetBorderRight(bool v) {
    if (CambiaValore(destra, v)) update();
}
void ORVPannelloBordo::SetBorderBottom(bool v) {
    if (CambiaValore(basso, v)) update();
}
void ORVPannelloBordo::SetBorderColor(TColor v) {
    if (CambiaValore(coloreBordo, v)) update();
}
void ORVPannelloBordo::SetColor(TColor v) {
    if (CambiaValore(colore, v)) update();
}

void ORVPannelloBordo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVPannelloBordo::Disegna(QPainter& p) {
    p.fillRect(rect(), ColoreDaTColor(colore));
    DisegnaLatiPannello(p, width(), height(), coloreBordo, sinistra, alto, destra, basso);
}
