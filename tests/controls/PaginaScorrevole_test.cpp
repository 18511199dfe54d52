#include "controls/PaginaScorrevole.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

TEST(PaginaScorrevole, ScorreSoloQuandoLaPaginaEPiuAltaDellaVista) {
    PaginaScorrevole pagina;
    pagina.resize(400, 300);
    auto* alto = new QWidget(pagina.Contenuto());
    alto->setGeometry(10, 10, 100, 28);
    auto* basso = new QWidget(pagina.Contenuto());
    basso->setGeometry(10, 500, 100, 90);
    pagina.Adatta();
    pagina.show();
    QApplication::processEvents();

    const int vista = pagina.viewport()->height();
    // The lowest control and the margin under it are reachable; nothing scrolls sideways.
    EXPECT_EQ(pagina.verticalScrollBar()->maximum(), 590 + PaginaScorrevole::MargineBasso - vista);
    EXPECT_TRUE(pagina.verticalScrollBar()->isVisible());
    EXPECT_EQ(pagina.Contenuto()->width(), pagina.viewport()->width());
    pagina.ensureWidgetVisible(basso);
    QApplication::processEvents();
    EXPECT_GE(basso->mapTo(&pagina, QPoint(0, 0)).y(), 0);
    EXPECT_LE(basso->mapTo(&pagina, QPoint(0, basso->height())).y(), pagina.height());

    // With the low control hidden the page fits: no bar, the content as tall as the view.
    basso->hide();
    pagina.Adatta();
    QApplication::processEvents();
    EXPECT_EQ(pagina.verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(pagina.verticalScrollBar()->isVisible());
    EXPECT_EQ(pagina.Contenuto()->height(), pagina.viewport()->height());
}
