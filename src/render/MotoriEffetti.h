#pragma once
// The effect engines and their layers, owned for the program's whole life by whoever owns
// the render members; the frame pipeline calls the layers in its fixed order.
#include "render/CacheSprite.h"
#include "render/LivelliParticelle.h"
#include "render/Neve.h"
#include "render/ParticleSystem.h"
#include "render/SistemaParticellare.h"

#include <QImage>
#include <QPainter>

#include <array>

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

    // Builds the emitter of the chosen kind (or the intro-10 ring) when it is not built yet.
    void PreparaParticelle(ContestoEffetti& contesto);
    // The back layer: advances the emitter by one step, then paints its layer-0 particles.
    void DisegnaParticelleDietro(ContestoEffetti& contesto);
    // The front layer: the layer-1 particles, and the ring of intro 10.
    void DisegnaParticelleDavanti(ContestoEffetti& contesto);
    // A layer call: layer 0 is painted when idChiamata == idDietro, layer 1 when it equals
    // idDavanti; the emitter steps only on the back call; the ring is drawn on call 2.
    void DisegnaParticelle(ContestoEffetti& contesto, int idChiamata, int idDietro, int idDavanti);
    void DisegnaLensFlare(ContestoEffetti& contesto);
    // Advances every flake by one step and paints the snow.
    void DisegnaNeve(ContestoEffetti& contesto);

    // The particle kind and amount handlers call this so the next render rebuilds every
    // emitter: the fire, the bouncing balls, the smoke, the sparks and the ring.
    void AzzeraParticelle();
    // Switching the animation on: the smoke goes out and the ring is rebuilt at its first frame.
    void PreparaAvvioAnimazione();
    // The first show of the main window seeds the snow once.
    void SeminaNeve();
    // The ring's rotation or mini-size box changed: switch the ring's mode and lay it out
    // anew; without rotation it is also advanced 240 steps so the balls are already flying.
    void CambiaRotazioneCerchio(bool rotazione, bool dimensioniMini);

    // The emitters, for the intros that drive them and for the handlers.
    Fire& EffettoFuoco() { return fuoco_; }
    Bounce& EffettoRimbalzo() { return rimbalzo_; }
    ParticleSystem& EmettitoreFumo() { return fumo_; }
    ParticleSystem& EmettitoreScintille() { return scintille_; }
    CerchioPalle& EffettoCerchioPalle() { return cerchio_; }
    ElencoFiocchiNeve& FiocchiNeve() { return neve_; }
    const std::array<int, 5>& AngoliFuoco() const { return angoliFuoco_; }
    // Decoded sprites, shared with the intros that draw effect sprites of their own.
    CacheSprite& Sprite() { return sprite_; }

private:
    void DisegnaSpriteParticelle(ContestoEffetti& contesto, int tipo, bool passo, int idChiamata,
                                 int idDietro, int idDavanti);

    Fire fuoco_;
    Bounce rimbalzo_;
    ParticleSystem fumo_;
    ParticleSystem scintille_;
    CerchioPalle cerchio_;
    ElencoFiocchiNeve neve_{};
    std::array<int, 5> angoliFuoco_{};
    CacheSprite sprite_;
};
