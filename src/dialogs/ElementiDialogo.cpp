#include "dialogs/ElementiDialogo.h"

#include "controls/ComuneControlli.h"
#include "controls/Orvlrbutton.h"

#include <QLabel>

namespace {
constexpr int AltezzaEtichetta = 18;
}

QLabel* CreaEtichetta(QWidget* genitore, int x, int y, const QString& testo) {
    auto* l = new QLabel(genitore);
    l->setFont(FontControllo("Calibri", 11));
    l->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));
    // A caption never takes a click meant for the control beside it.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->setGeometry(x, y, 0, AltezzaEtichetta);
    TestoEtichetta(l, testo);
    return l;
}

void TestoEtichetta(QLabel* etichetta, const QString& testo) {
    etichetta->setText(testo);
    etichetta->resize(etichetta->sizeHint().width(), etichetta->height());
}

ORVLRButton* CreaPulsanteRisposta(QWidget* genitore, int x, int y) {
    auto* b = new ORVLRButton(genitore);
    b->setGeometry(x, y, 100, 28);
    b->setFont(FontControllo("Calibri", 10));
    return b;
}
