#include "controls/Orvlistbox.h"

#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace {
// Every row as high as the list says, whatever its text or font.
class RigaFissa : public QStyledItemDelegate {
public:
    RigaFissa(const int* altezza, QObject* genitore) : QStyledItemDelegate(genitore), altezza(altezza) {}
    QSize sizeHint(const QStyleOptionViewItem& opzioni, const QModelIndex& indice) const override {
        return QSize(QStyledItemDelegate::sizeHint(opzioni, indice).width(), *altezza);
    }

private:
    const int* altezza;
};
}  // namespace

ORVListBox::ORVListBox(QWidget* owner) : QListWidget(owner) {
    setItemDelegate(new RigaFissa(&altezzaVoce, this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
}

void ORVListBox::SetItemHeight(int v) {
    if (CambiaValore(altezzaVoce, v)) doItemsLayout();
}

int ORVListBox::TopIndex() const { return verticalScrollBar()->value(); }

void ORVListBox::SetTopIndex(int riga) {
    QScrollBar* barra = verticalScrollBar();
    barra->setValue(std::clamp(riga, barra->minimum(), barra->maximum()));
}

int ORVListBox::RigheVisibili() const { return altezzaVoce > 0 ? viewport()->height() / altezzaVoce : 0; }

void ORVListBox::wheelEvent(QWheelEvent* e) {
    // One line per notch; fine-grained wheels add up to a notch first.
    restoRotella += e->angleDelta().y();
    const int passi = restoRotella / 120;
    restoRotella -= passi * 120;
    e->accept();
    if (passi == 0) return;
    const int prima = TopIndex();
    SetTopIndex(prima - passi);
    if (TopIndex() != prima && OnRotella) OnRotella(this);
}
