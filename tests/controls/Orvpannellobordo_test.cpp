#include "controls/Orvpannellobordo.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(ORVPannelloBordo, LatiScelti) {
    ORVPannelloBordo p;
    p.resize(20, 10);
    p.SetBorderLeft(false);
    p.SetBorderRight(false);
    p.SetBorderColor(0x0000FF);
    const QImage im = p.grab().toImage();
    const QColor linea = ColoreDaTColor(0x0000FF), fondo = ColoreDaTColor(0x505050);
    EXPECT_EQ(im.pixelColor(10, 0), linea);
    EXPECT_EQ(im.pixelColor(10, 9), linea);
    EXPECT_EQ(im.pixelColor(0, 5), fondo);   // no vertical lines
    EXPECT_EQ(im.pixelColor(19, 5), fondo);
    EXPECT_EQ(im.pixelColor(19, 0), fondo);  // each line stops short of its end point
    EXPECT_EQ(im.pixelColor(10, 5), fondo);
    EXPECT_EQ(p.contentsRect(), QRect(2, 2, 16, 6));
}

}  // namespace
