#include "controls/Orvlistbox.h"

#include <QApplication>

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace {
// Every row as high as the list says, whatever its text or font.
// and drawn by the list itself when it has a drawing hook.
class RigaFissa : public QStyledItemDelegate {
public:
    RigaFissa(const ORVListBox* lista, const int* altezza)
        : QStyledItemDelegate(const_cast<ORVListBox*>(lista)), lista(lista), altezza(altezza) {}
    QSize sizeHint(const QStyleOptionViewItem& opzioni, const QModelIndex& indice) const override {
        return QSize(QStyledItemDelegate::sizeHint(opzioni, indice).width(), *altezza);
    }
    void paint(QPainter* p, const QStyleOptionViewItem& opzioni, const QModelIndex& indice) const override {
        if (!lista->HaDisegnoVoce()) {
            QStyledItemDelegate::paint(p, opzioni, indice);
            return;
        }
        p->save();
        lista->DisegnaRiga(*p, opzioni.rect, indice.row(), opzioni.state.testFlag(QStyle::State_Selected));
        p->restore();
    }

private:
    const ORVListBox* lista;
    const int* altezza;
};

// The selected row: the fill a shade lighter and a thin accent line at its left.
constexpr int SchiarimentoSelezione = 0x1C;
constexpr TColor ColoreSegnoSelezione = 0x07BFFD;
}  // namespace

ORVListBox::ORVListBox(QWidget* owner) : QListWidget(owner) {
    setItemDelegate(new RigaFissa(this, &altezzaVoce));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Base, ColoreDaTColor(coloreSfondo));
    setPalette(tavolozza);
}

void ORVListBox::SetItemHeight(int v) {
    if (CambiaValore(altezzaVoce, v)) doItemsLayout();
}

void ORVListBox::SetDisegnoVoce(DisegnoVoce disegno) {
    disegnoVoce = std::move(disegno);
    viewport()->update();
}

void ORVListBox::SetColoreSfondo(TColor v) {
    if (!CambiaValore(coloreSfondo, v)) return;
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Base, ColoreDaTColor(v));
    setPalette(tavolozza);
    viewport()->update();
}

void ORVListBox::DisegnaRiga(QPainter& p, const QRect& riga, int indice, bool selezionato) const {
    if (selezionato) {
        p.fillRect(riga, ColoreDaTColor(SchiarisciTColor(coloreSfondo, SchiarimentoSelezione)));
        p.fillRect(QRect(riga.left(), riga.top(), 2, riga.height()), ColoreDaTColor(ColoreSegnoSelezione));
    } else {
        p.fillRect(riga, ColoreDaTColor(coloreSfondo));
    }
    if (disegnoVoce) disegnoVoce(p, riga, indice, selezionato);
}

int ORVListBox::TopIndex() const { return verticalScrollBar()->value(); }

void ORVListBox::SetTopIndex(int riga) {
    QScrollBar* barra = verticalScrollBar();
    barra->setValue(std::clamp(riga, barra->minimum(), barra->maximum()));
}

int ORVListBox::RigheVisibili() const { return altezzaVoce > 0 ? viewport()->height() / altezzaVoce : 0; }

void ORVListBox::wheelEvent(QWheelEvent* e) {
    // The desktop's rows per notch (three unless set otherwise), as its own lists scroll;
    // fine-grained wheels add up to a notch first.
    restoRotella += e->angleDelta().y();
    const int passi = restoRotella / 120 * QApplication::wheelScrollLines();
    restoRotella %= 120;
    e->accept();
    if (passi == 0) return;
    const int prima = TopIndex();
    SetTopIndex(prima - passi);
    if (TopIndex() != prima && OnRotella) OnRotella(this);
}
