#include "app/Tshape.h"

#include <QMouseEvent>
#include <QPainter>

TShape::TShape(QWidget* owner) : QWidget(owner) {
    resize(25, 25);
    setCursor(Qt::PointingHandCursor);
}

void TShape::SetBrushColor(TColor v) {
    if (CambiaValore(colore, v)) update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColoreDaTColor(0x404040));
    p.fillRect(rect().adjusted(2, 2, -2, -2), ColoreDaTColor(0x1E1E1E));
    p.fillRect(rect().adjusted(3, 3, -3, -3), ColoreDaTColor(colore));
    VelaDisabilitato(p, this);
}

void TShape::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp && rect().contains(e->position().toPoint()))
        OnMouseUp(this, e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
}
