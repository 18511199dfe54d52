#include "controls/StileSuggerimenti.h"

#include "controls/ComuneControlli.h"
#include "controls/Orv_2016_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QToolTip>

namespace {

// The tooltip Qt made for the text (offscreen it may hide at once, with no pointer over it).
QWidget* Suggerimento() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("qtooltip_label")) return w;
    return nullptr;
}

}  // namespace

// The whole path of a cut caption shows in a tooltip of the skin: dark ground, a thin border
// of the panels' grey, the captions' font and silver; not the system's light-yellow box.
TEST(StileSuggerimenti, IlSuggerimentoSegueLaSkin) {
    const QString prima = qApp->styleSheet();
    ApplicaStileSuggerimenti(*qApp);
    ApplicaStileSuggerimenti(*qApp);  // once is enough; twice adds nothing
    EXPECT_EQ(qApp->styleSheet(), prima + FoglioSuggerimenti());

    ORV_2016_Label etichetta;
    etichetta.SetElisione(Qt::ElideMiddle);
    etichetta.resize(120, 28);
    etichetta.SetCaption("/home/utente/Documenti/Drovaskent/Quenvox/Video/Frames/Image_0008.jpg");
    etichetta.show();
    ASSERT_FALSE(etichetta.toolTip().isEmpty());
    QToolTip::showText(etichetta.mapToGlobal(QPoint(10, 10)), etichetta.toolTip(), &etichetta);
    QApplication::processEvents();
    QWidget* tip = Suggerimento();
    ASSERT_NE(tip, nullptr);
    const QImage foto = tip->grab().toImage();
    ASSERT_GT(foto.width(), 20);
    EXPECT_EQ(QColor(foto.pixel(0, foto.height() / 2)), ColoreDaTColor(0x404040));
    EXPECT_EQ(QColor(foto.pixel(foto.width() / 2, 1)), ColoreDaTColor(0x2D2D2D));
    const QFont caption = FontControllo("Calibri", 12);
    EXPECT_EQ(tip->font().family(), caption.family());
    EXPECT_EQ(tip->font().pixelSize(), caption.pixelSize());
    if (auto* testo = qobject_cast<QLabel*>(tip)) {
        EXPECT_EQ(testo->palette().color(QPalette::WindowText), ColoreDaTColor(0xC0C0C0));
        EXPECT_EQ(testo->text(), etichetta.toolTip());
    }
    // Some pixel of the text is the silver of the captions.
    bool argento = false;
    for (int y = 0; y < foto.height() && !argento; ++y)
        for (int x = 0; x < foto.width() && !argento; ++x) argento = QColor(foto.pixel(x, y)) == ColoreDaTColor(0xC0C0C0);
    EXPECT_TRUE(argento);
    QToolTip::hideText();
    qApp->setStyleSheet(prima);
}
