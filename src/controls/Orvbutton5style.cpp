#include "controls/Orvbutton5style.h"

#include <QPainter>

ORVButton5Style::ORVButton5Style(QWidget* owner) : QWidget(owner) { resize(114, 36); }

std::unique_ptr<ORVButton5Style> ORVButton5Style::Privato() {
    auto stile = std::make_unique<ORVButton5Style>();
    stile->resize(98, 24);
    return stile;
}

void ORVButton5Style::SetNormale(const QImage& immagine) {
    normale = immagine;
    update();
}

void ORVButton5Style::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DisegnaImmagine(p, 0, 0, normale);
}
