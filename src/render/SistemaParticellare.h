#pragma once
// The ball ring: balls on a circle around a centre that turn slowly around it (mode 1)
// or fly off in straight lines (mode 2), respawning on the circle when their life ends.
#include <vector>

struct ParticellaCerchio {
    double x = 0, y = 0;
    double vx = 0, vy = 0;
    int age = 0;
    int life = 0;
    int size = 0;       // diameter addend: drawn size + 20 px wide
    float angle = 0;    // radians on the ring
    float scale = 1;    // 1.000 .. 1.999 radii from the centre
};

// What a drawing layer reads of one ball, positions truncated toward zero.
struct LetturaCerchio {
    int x = 0, y = 0;
    int life = 1, age = 0, size = 0;
};

class SistemaParticellare {
public:
    SistemaParticellare() = default;

    void Inizializza(int numero, double passoX, double passoY, double spreadX, double spreadY,
                     double x1, double y1, double x2, double y2, int vitaMassima, int rangeDimensione,
                     int modo);
    // Lays the existing balls out anew on the full-canvas ring.
    void InizializzaCerchio();
    void Azzera() { inizializzato_ = false; }
    bool Inizializzato() const { return inizializzato_; }
    void ImpostaModo(int modo) { modo_ = modo; }
    int Modo() const { return modo_; }
    void ImpostaRaggio(int raggio) { raggio_ = raggio; }
    int Raggio() const { return raggio_; }
    int LeggiCentroY() const { return centroY_; }
    int LeggiCentroX() const { return centroX_; }
    int Numero() const { return static_cast<int>(palle_.size()); }
    // False, with the default record, outside the array or for a position that is no finite number.
    bool LeggiParticella(int indice, LetturaCerchio& lettura) const;
    void Rigenera(int indice);
    void RigeneraTutte();

    ParticellaCerchio& Dati(int indice) { return palle_[static_cast<std::size_t>(indice)]; }

protected:
    std::vector<ParticellaCerchio> palle_;
    double spreadX_ = 0, spreadY_ = 0;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    double passoX_ = 0, passoY_ = 0;
    int vitaMassima_ = 0;
    int rangeDimensione_ = 0;
    int modo_ = 1;
    bool inizializzato_ = false;
    int centroX_ = 0, centroY_ = 0;
    int raggio_ = 0;
};

class CerchioPalle : public SistemaParticellare {
public:
    CerchioPalle() = default;
    // One step; with jitter each ball's size drifts by -3 .. +2.
    void Aggiorna(bool variaDimensione);
};
