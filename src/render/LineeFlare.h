#pragma once
// The turning light rays of the flares background: every ray starts at one centre and ends
// on an ellipse around it, and turns by its own speed at every update.
#include <vector>

struct LineaFlare {
    double InizioX = 0, InizioY = 0;
    double FineX = 0, FineY = 0;
    double Angolo = 0;          // radians
    double VelocitaAngolare = 0;  // radians per update
    int Zero = 0;
    int ValoreA = 0;  // 1..range A
    int ValoreB = 0;  // 1..range B: the number of strokes is about half of it
};

struct LetturaLinea {
    int InizioX, InizioY, FineX, FineY;
    int ValoreA, Zero, ValoreB;
};

class LineeFlare {
public:
    void Inizializza(int numero, double centroX, double centroY, double raggioX, double raggioY,
                     int rangeA, int rangeB);
    void RigeneraTutte();
    void Rigenera(int i);
    void Aggiorna();
    LetturaLinea LeggiLinea(int i) const;
    bool Inizializzato() const { return inizializzato_; }
    int Numero() const { return static_cast<int>(linee_.size()); }

private:
    void CalcolaFine(LineaFlare& linea) const;

    std::vector<LineaFlare> linee_;
    double centroX_ = 0, centroY_ = 0;
    double raggioX_ = 0, raggioY_ = 0;
    int rangeA_ = 0, rangeB_ = 0;
    bool inizializzato_ = false;
};
