#include "controls/TelaClassica.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The painted pixels of one drawing on a 12x12 white picture, as a set of "x,y".
template <class F>
QSet<QString> Dipinti(F disegna) {
    QImage im(12, 12, QImage::Format_RGB32);
    im.fill(Qt::white);
    {
        QPainter p(&im);
        disegna(p);
    }
    QSet<QString> punti;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if (im.pixel(x, y) != qRgb(255, 255, 255)) punti.insert(QStringLiteral("%1,%2").arg(x).arg(y));
    return punti;
}

QSet<QString> Punti(std::initializer_list<const char*> elenco) {
    QSet<QString> s;
    for (const char* p : elenco) s.insert(QString::fromLatin1(p));
    return s;
}

TEST(TelaClassica, LineeSenzaIlPuntoFinale) {
    EXPECT_EQ(Dipinti([](QPainter& p) { LineaClassica(p, 2, 3, 5, 3, 0); }), Punti({"2,3", "3,3", "4,3"}));
    EXPECT_EQ(Dipinti([](QPainter& p) { LineaClassica(p, 5, 3, 2, 3, 0); }), Punti({"5,3", "4,3", "3,3"}));
    EXPECT_EQ(Dipinti([](QPainter& p) { LineaClassica(p, 1, 4, 1, 1, 0); }), Punti({"1,4", "1,3", "1,2"}));
    EXPECT_EQ(Dipinti([](QPainter& p) { LineaClassica(p, 0, 0, 3, 3, 0); }), Punti({"0,0", "1,1", "2,2"}));
    EXPECT_TRUE(Dipinti([](QPainter& p) { LineaClassica(p, 4, 4, 4, 4, 0); }).isEmpty());
    // A polyline paints each corner once and leaves out only its last point.
    EXPECT_EQ(Dipinti([](QPainter& p) { PolilineaClassica(p, {{1, 1}, {3, 1}, {3, 3}}, 0); }),
              Punti({"1,1", "2,1", "3,1", "3,2"}));
}

TEST(TelaClassica, RettangoliSenzaBordoDestroEBasso) {
    EXPECT_EQ(Dipinti([](QPainter& p) { RettangoloClassico(p, 1, 1, 4, 3, 0x000000, std::nullopt); }),
              Punti({"1,1", "2,1", "3,1", "1,2", "2,2", "3,2"}));
    const QSet<QString> pieno = Dipinti([](QPainter& p) { RettangoloClassico(p, 0, 0, 5, 5, 0x0000FF, 0x00FF00); });
    EXPECT_EQ(pieno.size(), 25);
    EXPECT_FALSE(pieno.contains("5,0"));
    EXPECT_TRUE(Dipinti([](QPainter& p) { RettangoloClassico(p, 4, 4, 4, 9, 0, 0); }).isEmpty());
    EXPECT_EQ(Dipinti([](QPainter& p) { RiempiClassico(p, 2, 2, 4, 3, 0); }), Punti({"2,2", "3,2"}));
}

}  // namespace
