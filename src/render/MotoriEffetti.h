#pragma once
// The effect engines and their layers, owned for the program's whole life by whoever owns
// the render members; the frame pipeline calls the layers in its fixed order.
#include <QImage>
#include <QPainter>

class ImpostazioniProgetto;

// What an effect layer needs of the frame being drawn.
struct ContestoEffetti {
    const ImpostazioniProgetto& Impostazioni;
    float FrameCorrente;   // 0-based frame being drawn
    float TotaleFrame;     // frames of the video
    QImage& CanvasFrame;   // the 1920x1080 canvas
    QPainter& GraficaFrame;  // open on CanvasFrame
};

class MotoriEffetti {
public:
    MotoriEffetti();
    ~MotoriEffetti();
    MotoriEffetti(const MotoriEffetti&) = delete;
    MotoriEffetti& operator=(const MotoriEffetti&) = delete;

    void PreparaParticelle(ContestoEffetti& contesto);
    void DisegnaParticelleDietro(ContestoEffetti& contesto);
    void DisegnaParticelleDavanti(ContestoEffetti& contesto);
    void DisegnaLensFlare(ContestoEffetti& contesto);
    void DisegnaNeve(ContestoEffetti& contesto);
    // The handlers and the text-layer builder call this so the next render rebuilds the emitters.
    void AzzeraParticelle();
};
