#pragma once
// Runs a modal dialog in a test: azione acts once the modal loop is running, and a last resort
// closes the dialog if it is still up after a long while, so that a broken one never hangs the
// tests. The last resort ends with the run: it never reaches a later run of the same dialog.
#include "common/Attesa.h"

#include <QDialog>
#include <QTimer>

#include <functional>

template <class Corsa>
auto EseguiModale(QDialog& d, const std::function<void()>& azione, Corsa&& corsa) {
    QTimer::singleShot(0, &d, azione);
    QTimer ultimaRisorsa;
    ultimaRisorsa.setSingleShot(true);
    QObject::connect(&ultimaRisorsa, &QTimer::timeout, &d, [&d] { d.done(0); });
    ultimaRisorsa.start(LimiteAttesaMs);
    return corsa();
}
