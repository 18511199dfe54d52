#pragma once
// Runs a modal dialog in a test: azione acts once the modal loop is running, and a last resort
// closes the dialog after three seconds so that a broken one never hangs the tests.
#include <QDialog>
#include <QTimer>

#include <functional>

template <class Corsa>
auto EseguiModale(QDialog& d, const std::function<void()>& azione, Corsa&& corsa) {
    QTimer::singleShot(0, &d, azione);
    QTimer::singleShot(3000, &d, [&d] { d.done(0); });
    return corsa();
}
