#pragma once
// Hand-made mouse events for the controls' tests: the modifiers (Ctrl) and the held buttons
// are set exactly, and the screen cursor follows each event as it would for a real mouse.
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

class MouseSintetico {
public:
    explicit MouseSintetico(QWidget* controllo) : w(controllo) {}

    void Entra(int x = 1, int y = 1) {
        const QPoint g = Globale(x, y);
        QEnterEvent e(QPointF(x, y), g, g);
        QApplication::sendEvent(w, &e);
    }
    void Esci() {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
    void Muovi(int x, int y, Qt::KeyboardModifiers shift = Qt::NoModifier) {
        Invia(QEvent::MouseMove, x, y, Qt::NoButton, tenuti, shift);
    }
    void Premi(int x, int y, Qt::MouseButton tasto = Qt::LeftButton, Qt::KeyboardModifiers shift = Qt::NoModifier) {
        tenuti |= tasto;
        Invia(QEvent::MouseButtonPress, x, y, tasto, tenuti, shift);
    }
    void Doppio(int x, int y, Qt::MouseButton tasto = Qt::LeftButton) {
        tenuti |= tasto;
        Invia(QEvent::MouseButtonDblClick, x, y, tasto, tenuti, Qt::NoModifier);
    }
    void Rilascia(int x, int y, Qt::MouseButton tasto = Qt::LeftButton, Qt::KeyboardModifiers shift = Qt::NoModifier) {
        tenuti &= ~Qt::MouseButtons(tasto);
        Invia(QEvent::MouseButtonRelease, x, y, tasto, tenuti, shift);
    }
    void Click(int x, int y, Qt::MouseButton tasto = Qt::LeftButton) {
        Premi(x, y, tasto);
        Rilascia(x, y, tasto);
    }
    // A left drag from (x0, y) by passi moves of dx pixels each, without the release.
    void Trascina(int x0, int y, int dx, int passi, Qt::KeyboardModifiers shift = Qt::NoModifier) {
        Premi(x0, y);
        for (int i = 1; i <= passi; ++i) Muovi(x0 + i * dx, y, shift);
    }

private:
    QPoint Globale(int x, int y) const { return w->mapToGlobal(QPoint(x, y)); }
    void Invia(QEvent::Type tipo, int x, int y, Qt::MouseButton tasto, Qt::MouseButtons tasti,
               Qt::KeyboardModifiers shift) {
        const QPoint g = Globale(x, y);
        QCursor::setPos(g);
        QMouseEvent e(tipo, QPointF(x, y), QPointF(x, y), QPointF(g), tasto, tasti, shift);
        QApplication::sendEvent(w, &e);
    }

    QWidget* w;
    Qt::MouseButtons tenuti;
};

// Counts the paints a shown widget receives.
class ContaPitture : public QObject {
public:
    explicit ContaPitture(QWidget* controllo) : w(controllo) {
        w->installEventFilter(this);
        w->show();
        Attendi();
        conto = 0;
    }
    // Lets pending repaints happen and returns how many paints there were since the last call.
    int Pitture() {
        Attendi();
        const int n = conto;
        conto = 0;
        return n;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == w && e->type() == QEvent::Paint) ++conto;
        return false;
    }

private:
    void Attendi() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    QWidget* w;
    int conto = 0;
};

// A solid skin of one colour, so that a grabbed picture shows which skin lies where.
inline QImage SkinTinta(int larghezza, int altezza, const QColor& colore) {
    QImage immagine(larghezza, altezza, QImage::Format_RGB32);
    immagine.fill(colore);
    return immagine;
}
