#include "controls/PaginaScorrevole.h"

#include "controls/StileFlat.h"

#include <QEvent>
#include <QScrollBar>

PaginaScorrevole::PaginaScorrevole(QWidget* owner) : QScrollArea(owner), contenuto(new QWidget) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    // A page takes no keyboard focus of its own, as before it scrolled.
    setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setStyleSheet(StileFlat::FoglioBarraVerticale());
    setWidget(contenuto);
    // The page's own background shows through (setWidget turned the fill on).
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    contenuto->setAutoFillBackground(false);
    // Children shown, hidden or moved change how tall the page is.
    contenuto->installEventFilter(this);
}

void PaginaScorrevole::Adatta() {
    const QRect figli = contenuto->childrenRect();
    contenuto->setMinimumHeight(figli.isEmpty() ? 0 : figli.bottom() + 1 + MargineBasso);
}

bool PaginaScorrevole::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == contenuto) {
        switch (evento->type()) {
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
        case QEvent::LayoutRequest:
            Adatta();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(oggetto, evento);
}
