#pragma once
// Runs the encoding window to the end of its run, as a user who waits and then closes it.
#include "common/Attesa.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_button.h"
#include "dialogs/Forvdlgcodificavideo.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

inline void CliccaControllo(QWidget* w, int x = 10, int y = 10) {
    MouseSintetico mouse(w);
    mouse.Entra(x, y);
    mouse.Click(x, y);
}

struct EsitoFinestra {
    int Risultato = -1;
    bool ChiudiVisto = false;      // "Chiudi" was there once the run had ended
    bool InterrompiVisto = true;   // and "Interrompi" was gone
};

// esegui shows the window (its Esegui, or the hand-off); passo is called every few
// milliseconds while it is up; once the run has ended "Chiudi" is clicked unless chiudi is false.
inline EsitoFinestra EseguiFinestra(TORVDLGCodificaVideo& f, const std::function<int()>& esegui,
                                    const std::function<void()>& passo = {}, bool chiudi = true) {
    EsitoFinestra esito;
    QTimer sonda;
    QElapsedTimer tempo;
    tempo.start();
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        if (!f.isVisible()) return;
        if (tempo.elapsed() > LimiteAttesaMs) {
            ADD_FAILURE() << "the window never ended its run";
            f.done(0);
            return;
        }
        if (passo) passo();
        if (!f.InEsecuzione()) {
            esito.ChiudiVisto = !f.BottoneChiudi()->isHidden();
            esito.InterrompiVisto = !f.BottoneInterrompi()->isHidden();
            if (chiudi) CliccaControllo(f.BottoneChiudi());
        }
    });
    sonda.start(5);
    esito.Risultato = esegui();
    return esito;
}
