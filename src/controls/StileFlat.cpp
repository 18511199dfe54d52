#include "controls/StileFlat.h"

#include <QWidget>

namespace StileFlat {

namespace {
QString Css(TColor c) {
    return ColoreDaTColor(c).name();
}
}  // namespace

QString Foglio(const QString& classe) {
    QString f = QStringLiteral(
                    "%1 { background: %2; color: %3; border: 1px solid %4; border-radius: 0px;"
                    " selection-background-color: %5; selection-color: %6; padding: 0px 3px; }"
                    "%1:focus { border-color: %5; }"
                    "%1:disabled { background: %7; color: %4; }")
                    .arg(classe, Css(Sfondo), Css(Testo), Css(Bordo), Css(BordoFuoco), Css(TestoSelezionato),
                         Css(SfondoDisabilitato));
    // The memo's bar and the drop-down's list keep the dark look too.
    f += FoglioBarraVerticale();
    f += QStringLiteral(
             "QAbstractItemView { background: %1; color: %2; border: 1px solid %3;"
             " selection-background-color: %3; selection-color: %4; outline: 0px; }"
             "QAbstractItemView::item { height: %5px; padding: 0px 3px; }")
             .arg(Css(Sfondo), Css(Testo), Css(BordoFuoco), Css(0xFFFFFF), QString::number(AltezzaVoce));
    return f;
}

QString FoglioBarraVerticale() {
    return QStringLiteral(
               "QScrollBar:vertical { background: %1; width: 10px; margin: 0px; border: none; }"
               "QScrollBar::handle:vertical { background: %2; min-height: 16px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
        .arg(Css(Sfondo), Css(Bordo));
}

void Applica(QWidget* box, const QString& classe) {
    box->setFont(FontControllo("Calibri", 11));
    box->setStyleSheet(Foglio(classe));
}

}  // namespace StileFlat
