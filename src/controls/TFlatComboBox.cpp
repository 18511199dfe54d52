#include "controls/TFlatComboBox.h"

#include "controls/StileFlat.h"

#include <QListView>
#include <QPainter>
#include <QSignalBlocker>

TFlatComboBox::TFlatComboBox(QWidget* owner) : QComboBox(owner) {
    setEditable(false);
    setView(new QListView(this));
    StileFlat::Applica(this, QStringLiteral("QComboBox"));
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [this](int) { emit Modificato(); });
}

QStringList TFlatComboBox::Voci() const {
    QStringList voci;
    for (int i = 0; i < count(); ++i) voci << itemText(i);
    return voci;
}

void TFlatComboBox::SetVoci(const QStringList& voci) {
    const QSignalBlocker blocco(this);
    clear();
    addItems(voci);
    setCurrentIndex(-1);
}

void TFlatComboBox::SetIndiceVoce(int indice) {
    const QSignalBlocker blocco(this);
    setCurrentIndex(indice >= 0 && indice < count() ? indice : -1);
}

void TFlatComboBox::paintEvent(QPaintEvent*) {
    using namespace StileFlat;
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, ColoreDaTColor(isEnabled() ? Sfondo : SfondoDisabilitato));
    p.setPen(ColoreDaTColor(hasFocus() ? BordoFuoco : Bordo));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    // The arrow sits in a square at the right end, parted from the text by a line.
    const int lato = r.height();
    const int xFreccia = r.width() - lato;
    p.setPen(ColoreDaTColor(Bordo));
    p.drawLine(xFreccia, 1, xFreccia, r.height() - 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(ColoreDaTColor(isEnabled() ? StileFlat::Testo : Bordo));
    const qreal cx = xFreccia + lato / 2.0, cy = r.height() / 2.0;
    const QPointF punte[] = {{cx - 4.5, cy - 2.0}, {cx + 4.5, cy - 2.0}, {cx, cy + 3.0}};
    p.drawPolygon(punte, 3);
    p.setRenderHint(QPainter::Antialiasing, false);

    p.setPen(ColoreDaTColor(isEnabled() ? StileFlat::Testo : Bordo));
    const QRect areaTesto(5, 0, xFreccia - 8, r.height());
    p.drawText(areaTesto, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(currentText(), Qt::ElideMiddle, areaTesto.width()));
}
