#pragma once
// A host for runs without a window (the benchmarks, the picture tools): Anima is a plain flag,
// there is no preview, caption, pump or encoder, and errors go where Errore says (nowhere
// unless set).
#include "render/HostRendering.h"

#include <functional>

class HostSenzaFinestra : public HostRendering {
public:
    bool Anima = false;
    int Altezza = 0;  // the window height the preview is sized from; 0: no preview
    std::function<void(const QString&)> Errore;

    bool AnimaSelezionato() const override { return Anima; }
    void DeselezionaAnima() override { Anima = false; }
    int AltezzaFinestra() const override { return Altezza; }
    void MostraAnteprima(const QImage&) override {}
    void ImpostaCaptionFrame(const QString&) override {}
    void ElaboraMessaggi() override {}
    void CursoreAttesa(bool) override {}
    void SegnalaErrore(const QString& messaggio) override {
        if (Errore) Errore(messaggio);
    }
    void AvviaCodifica() override {}
};
