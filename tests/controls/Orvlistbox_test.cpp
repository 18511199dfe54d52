#include "controls/Orvlistbox.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

#include <QScrollBar>

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
    eventi::Rotella(lista.viewport(), {10, 10}, -1);
    EXPECT_EQ(lista.TopIndex(), 1);
    eventi::Rotella(lista.viewport(), {10, 10}, -3);
    EXPECT_EQ(lista.TopIndex(), 4);
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
