#include "controls/Orvvideobuttonsemplice.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

QImage Tinta(QColor c) {
    QImage im(28, 28, QImage::Format_ARGB32_Premultiplied);
    im.fill(c);
    return im;
}

TEST(ORVVideoButtonSemplice, SelezionatoEPassaggio) {
    ORVVideoButtonSemplice b;
    b.SetImmagine(ORVVideoButtonSemplice::Normale, Tinta(Qt::gray));
    b.SetImmagine(ORVVideoButtonSemplice::Attivo, Tinta(Qt::white));
    b.SetImmagine(ORVVideoButtonSemplice::Selezionato, Tinta(Qt::yellow));
    EXPECT_EQ(b.size(), QSize(28, 28));  // takes the idle picture's size
    b.SetSelezionatoTipo(1);
    auto colore = [&] { return b.grab().toImage().pixelColor(5, 5); };
    EXPECT_EQ(colore(), QColor(Qt::yellow));
    eventi::Entra(&b);
    EXPECT_EQ(colore(), QColor(Qt::white));  // hovering hides the mark
    // No pressed picture: a press keeps the hovered look.
    eventi::Premi(&b, {5, 5});
    EXPECT_EQ(b.Stato(), StatoPulsante::Premuto);
    EXPECT_EQ(colore(), QColor(Qt::white));
    eventi::Rilascia(&b, {5, 5});
    eventi::Esci(&b);
    EXPECT_EQ(colore(), QColor(Qt::yellow));
    b.SetSelezionatoTipo(0);
    EXPECT_EQ(colore(), QColor(Qt::gray));
}

}  // namespace
