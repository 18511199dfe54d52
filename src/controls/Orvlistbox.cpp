#include "controls/Orvlistbox.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

ORVListBox::ORVListBox(QWidget* owner) : QListWidget(owner) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
}

void ORVListBox::SetItemHeight(int v) {
    if (!CambiaValore(altezzaVoce, v)) return;
    for (int i = 0; i < count(); ++i) item(i)->setSizeHint(QSize(-1, altezzaVoce));
    doItemsLayout();
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
