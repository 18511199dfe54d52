#include "dialogs/ElementiDialogo.h"

#include "controls/ComuneControlli.h"
#include "controls/Orvlrbutton.h"

#include <QLabel>

QLabel* CreaEtichetta(QWidget* genitore, int x, int y, const QString& testo) {
    auto* l = new QLabel(testo, genitore);
    l->setFont(FontControllo("Calibri", 11));
    l->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));
    l->move(x, y);
    l->setMinimumWidth(300);
    l->adjustSize();
    return l;
}

ORVLRButton* CreaPulsanteRisposta(QWidget* genitore, int x, int y) {
    auto* b = new ORVLRButton(genitore);
    b->setGeometry(x, y, 100, 28);
    b->setFont(FontControllo("Calibri", 10));
    return b;
}
