#pragma once
// Synthetic mouse events for the frame, header, panel, list and button tests.
#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace eventi {

// Events without a time of their own come a second apart, so no two make a double press.
inline quint64 TempoAutomatico() {
    static quint64 tempo = 1000000;
    return tempo += 1000;
}

inline void Mouse(QWidget* w, QEvent::Type tipo, Qt::MouseButton tasto, QPoint p, quint64 tempo = 0,
                  Qt::MouseButtons tenuti = Qt::NoButton) {
    const QPointF locale(p);
    QMouseEvent e(tipo, locale, locale, w->mapToGlobal(locale), tasto, tenuti, Qt::NoModifier);
    e.setTimestamp(tempo != 0 ? tempo : TempoAutomatico());
    QApplication::sendEvent(w, &e);
}

inline void Premi(QWidget* w, QPoint p, Qt::MouseButton tasto = Qt::LeftButton, quint64 tempo = 0) {
    Mouse(w, QEvent::MouseButtonPress, tasto, p, tempo, tasto);
}
inline void Rilascia(QWidget* w, QPoint p, Qt::MouseButton tasto = Qt::LeftButton, quint64 tempo = 0) {
    Mouse(w, QEvent::MouseButtonRelease, tasto, p, tempo, Qt::NoButton);
}
inline void Muovi(QWidget* w, QPoint p, Qt::MouseButtons tenuti = Qt::NoButton) {
    Mouse(w, QEvent::MouseMove, Qt::NoButton, p, 0, tenuti);
}
inline void Clicca(QWidget* w, QPoint p, Qt::MouseButton tasto = Qt::LeftButton) {
    Premi(w, p, tasto);
    Rilascia(w, p, tasto);
}
inline void Entra(QWidget* w, QPoint p = {1, 1}) {
    const QPointF locale(p);
    QEnterEvent e(locale, locale, w->mapToGlobal(locale));
    QApplication::sendEvent(w, &e);
}
inline void Esci(QWidget* w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}
inline void Rotella(QWidget* w, QPoint p, int passi) {
    const QPointF locale(p);
    QWheelEvent e(locale, w->mapToGlobal(locale), QPoint(), QPoint(0, 120 * passi), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

}  // namespace eventi
