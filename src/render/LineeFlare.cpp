#include "render/LineeFlare.h"

#include "render/Casuale.h"

#include <cmath>

void LineeFlare::Inizializza(int numero, double centroX, double centroY, double raggioX, double raggioY,
                             int rangeA, int rangeB) {
    linee_.assign(static_cast<size_t>(numero > 0 ? numero : 0), LineaFlare{});
    centroX_ = centroX;
    centroY_ = centroY;
    raggioX_ = raggioX;
    raggioY_ = raggioY;
    rangeA_ = rangeA;
    rangeB_ = rangeB;
    InizializzaCasuale();
    RigeneraTutte();
    inizializzato_ = true;
}

void LineeFlare::RigeneraTutte() {
    for (int i = 0; i < Numero(); ++i) Rigenera(i);
}

void LineeFlare::CalcolaFine(LineaFlare& l) const {
    l.FineX = std::cos(l.Angolo) * raggioX_ + centroX_;
    l.FineY = std::sin(l.Angolo) * raggioY_ + centroY_;
}

void LineeFlare::Rigenera(int i) {
    if (i < 0 || i >= Numero()) return;
    LineaFlare& l = linee_[static_cast<size_t>(i)];
    l.InizioX = centroX_;
    l.InizioY = centroY_;
    // 3.14 as pi, as the rays always turned.
    l.Angolo = NumeroCasuale(360) * 3.14 / 180.0;
    CalcolaFine(l);
    l.VelocitaAngolare = NumeroCasuale(3) * 3.14 / 180.0 + 0.01;
    l.Zero = 0;
    l.ValoreA = NumeroCasuale(rangeA_) + 1;
    l.ValoreB = NumeroCasuale(rangeB_) + 1;
}

void LineeFlare::Aggiorna() {
    for (LineaFlare& l : linee_) {
        l.Angolo += l.VelocitaAngolare;
        CalcolaFine(l);
    }
}

LetturaLinea LineeFlare::LeggiLinea(int i) const {
    if (i < 0 || i >= Numero()) return {0, 0, 0, 0, 0, 0, 0};
    const LineaFlare& l = linee_[static_cast<size_t>(i)];
    return {static_cast<int>(l.InizioX), static_cast<int>(l.InizioY), static_cast<int>(l.FineX),
            static_cast<int>(l.FineY), l.ValoreA, l.Zero, l.ValoreB};
}
