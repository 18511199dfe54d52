#pragma once
// The main window opened offscreen on a temporary home, with the port's fake, and hand-made
// user gestures on its controls.
#include "app/Frm2principale.h"
#include "app/PortaFinta.h"
#include "common/CasaTemporanea.h"
#include "common/MouseSintetico.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/StiliTesto.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>

inline void Attendi(int giri = 5) {
    for (int i = 0; i < giri; ++i) QApplication::processEvents();
}

struct BancoFinestra {
    CasaTemporanea casa;
    PortaFinta porta;
    std::unique_ptr<TForm2Principale> f;

    // disegna: off for the handler tests, which count renders and need no pictures.
    // stili: the shipped text styles installed first, so the gallery holds them.
    explicit BancoFinestra(bool disegna = false, bool stili = false) {
        ImpostaCartelleUtente(casa.Sotto(QStringLiteral("dati")), casa.Sotto(QStringLiteral("documenti")),
                              QCoreApplication::applicationDirPath());
        if (stili) InstallaStiliPredefiniti();
        ImpostazioniGlobali.LinguaCorrente = LinguaInglese;  // as the program starts
        ImpostazioniGlobali.TotaleFrame = 200;
        Apri(disegna);
    }
    void Apri(bool disegna) {
        f = std::make_unique<TForm2Principale>(&porta);
        f->SetDisegnoAttivo(disegna);
        f->show();
        Attendi();
    }
    ~BancoFinestra() {
        if (f && f->isVisible()) {
            porta.Risposte.push_back(6);
            f->close();
        }
    }

    ImpostazioniProgetto& Imp() { return f->Impostazioni(); }

    template <class T = QWidget>
    T* W(const char* nome) {
        T* w = f->Controllo<T>(QLatin1String(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }

    // A left click at (x, y) of the control, the pointer entering first; x < 0 counts from
    // the right edge.
    void Clicca(const char* nome, int x = -1000, int y = -1) {
        QWidget* w = W(nome);
        if (!w) return;
        const int px = x == -1000 ? w->width() / 2 : (x < 0 ? w->width() + x : x);
        const int py = y < 0 ? w->height() / 2 : y;
        MouseSintetico m(w);
        m.Entra(px, py);
        m.Click(px, py);
        m.Esci();
    }
    // A release on a colour shape.
    void Rilascia(const char* nome) {
        QWidget* w = W(nome);
        QMouseEvent e(QEvent::MouseButtonRelease, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void Scrivi(const char* nome, const QString& testo) { QTest::keyClicks(W(nome), testo); }

    int Richiesti() const { return f->RenderingRichiesti(); }
};
