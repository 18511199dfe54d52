#pragma once
// The particle emitters: a fixed array of particles spawned in a box by one of four
// emission modes and moved by one of five update steps. The engine draws nothing; the
// effect layers read each particle and paint it themselves.
#include <cstdint>
#include <span>
#include <vector>

struct Particella {
    double x = 0, y = 0;    // canvas pixels, y downwards
    double vx = 0, vy = 0;  // pixels per update step
    int age = 0;            // steps since the last (re)spawn
    int life = 0;           // the particle ends in the step where age becomes greater
    int size = 0;           // 0 .. size range - 1
    int variant = 0;        // sprite choice; for smoke and sparks 0 means inactive
    std::uint8_t layer = 0; // 0 back, 1 front
};

// One drift point handed to Inizializza; the drift is the sum of the points.
struct PuntoDeriva {
    double x = 0, y = 0;
};

// What a drawing layer reads of one particle, positions truncated toward zero.
struct LetturaParticella {
    int x = 0, y = 0;
    int life = 1, age = 0, variant = 0, size = 0;
    std::uint8_t layer = 0;
};

class ParticleSystem {
public:
    // Above this an emitter is not built larger: a count read from a file must not exhaust memory.
    static constexpr int MassimoParticelle = 100000;

    ParticleSystem() = default;

    void Inizializza(int numero, std::span<const PuntoDeriva> deriva, double spreadX, double spreadY,
                     double x1, double y1, double x2, double y2, int vitaMassima, int rangeDimensione,
                     int rangeVariante);
    void ImpostaModo(int modo) { modo_ = modo; }
    int Modo() const { return modo_; }
    bool Inizializzato() const { return inizializzato_; }
    // Only the flag: the array stays until the next Inizializza.
    void Azzera() { inizializzato_ = false; }

    void Rigenera(int indice);
    void RigeneraTutte();
    void ImpostaPrimoAngolo(double x1, double y1);
    void ImpostaSecondoAngolo(double x2, double y2);

    // Activates up to two inactive particles around (x, y): the smoke source.
    void Emetti(int x, int y);
    int UltimaAttiva() const { return ultimaAttiva_; }
    void AggiornaFumo();
    void AggiornaCasuale();
    void Spegni();
    // index must be below the count; a larger one is ignored.
    void PosizionaParticella(int indice, int x, int y);

    // False, with the default record in lettura, for an index outside the array or a
    // particle whose position is no longer a finite number: nothing to draw.
    bool LeggiParticella(int indice, LetturaParticella& lettura) const;

    int Numero() const { return static_cast<int>(particelle_.size()); }
    double DerivaX() const { return derivaX_; }
    double DerivaY() const { return derivaY_; }
    // Direct access for the engine's own tests and the layers' fixtures.
    Particella& Dati(int indice) { return particelle_[static_cast<std::size_t>(indice)]; }
    const Particella& Dati(int indice) const { return particelle_[static_cast<std::size_t>(indice)]; }

protected:
    std::vector<Particella> particelle_;
    double spreadX_ = 0, spreadY_ = 0;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    double derivaX_ = 0, derivaY_ = 0;
    int vitaMassima_ = 0;
    int rangeDimensione_ = 0;
    int rangeVariante_ = 0;
    bool inizializzato_ = false;
    int modo_ = 1;
    int ultimaAttiva_ = 0;
};

// Kinds 1 to 5 of the particle layers: drift added to the velocity at every step.
class Fire : public ParticleSystem {
public:
    Fire() = default;
    void Aggiorna();
};

// Kind 6: gravity and a floor at the floor line.
class Bounce : public ParticleSystem {
public:
    Bounce() = default;
    void Aggiorna();
};
