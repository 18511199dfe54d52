#include "controls/Orvlistbox.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QScrollBar>

#include <vector>

namespace {

TEST(ORVListBox, NessunaBarraEUnaRigaPerScatto) {
    ORVListBox lista;
    lista.resize(200, 133);
    for (int i = 0; i < 20; ++i) {
        lista.addItem(QString::number(i));
        lista.item(i)->setSizeHint(QSize(-1, 19));
    }
    lista.show();
    QApplication::processEvents();
    EXPECT_FALSE(lista.verticalScrollBar()->isVisible());
    EXPECT_EQ(lista.RigheVisibili(), 7);

    int rotelle = 0;
    lista.OnRotella = [&](QObject*) { ++rotelle; };
    // Three rows a notch, as the desktop's lists scroll.
    ASSERT_EQ(QApplication::wheelScrollLines(), 3);
    eventi::Rotella(lista.viewport(), {10, 10}, -1);
    EXPECT_EQ(lista.TopIndex(), 3);
    eventi::Rotella(lista.viewport(), {10, 10}, -3);
    EXPECT_EQ(lista.TopIndex(), 12);
    eventi::Rotella(lista.viewport(), {10, 10}, 10);  // past the top: stops at row 0
    EXPECT_EQ(lista.TopIndex(), 0);
    EXPECT_EQ(rotelle, 3);
    eventi::Rotella(lista.viewport(), {10, 10}, 1);  // already at the top: nothing moved
    EXPECT_EQ(rotelle, 3);
    lista.SetTopIndex(99);
    EXPECT_EQ(lista.TopIndex(), 13);
    EXPECT_EQ(rotelle, 3);
}

}  // namespace

namespace {

QColor Pixel(const QImage& immagine, int x, int y) {
    return immagine.pixelColor(x, y);
}

TEST(ORVListBox, RigheDisegnateDalGancioConLaSelezioneSegnata) {
    ORVListBox lista;
    lista.resize(200, 133);
    for (int i = 0; i < 5; ++i) lista.addItem(QString("voce %1").arg(i));
    std::vector<std::pair<int, bool>> chiamate;
    std::vector<QRect> righe;
    lista.SetDisegnoVoce([&](QPainter& p, const QRect& r, int indice, bool selezionato) {
        chiamate.push_back({indice, selezionato});
        righe.push_back(r);
        p.fillRect(r.adjusted(40, 4, -100, -4), Qt::red);
    });
    lista.setCurrentRow(2);
    lista.show();
    QApplication::processEvents();
    const QImage foto = lista.viewport()->grab().toImage();

    ASSERT_GE(chiamate.size(), 5u);
    for (const auto& [indice, selezionato] : chiamate) EXPECT_EQ(selezionato, indice == 2) << indice;
    for (const QRect& r : righe) EXPECT_EQ(r.height(), 19);

    const QColor fondo = ColoreDaTColor(lista.ColoreSfondo());
    EXPECT_EQ(Pixel(foto, 20, 19 * 0 + 9), fondo);
    EXPECT_EQ(Pixel(foto, 50, 19 * 1 + 9), QColor(Qt::red));
    // The selected row stands out, but only a little: its text stays readable on it.
    const QColor scelta = Pixel(foto, 20, 19 * 2 + 9);
    EXPECT_NE(scelta, fondo);
    EXPECT_LT(std::abs(scelta.lightness() - fondo.lightness()), 48);
    EXPECT_EQ(Pixel(foto, 20, 19 * 3 + 9), fondo);
    // Below the last row the list keeps its own colour.
    EXPECT_EQ(Pixel(foto, 20, 19 * 5 + 9), fondo);
}

}  // namespace
