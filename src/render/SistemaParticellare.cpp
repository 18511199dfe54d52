#include "render/SistemaParticellare.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Casuale.h"
#include "render/ParticleSystem.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int InteroTroncato(double valore) {
    if (!std::isfinite(valore)) return 0;
    return static_cast<int>(std::clamp(valore, -1.0e9, 1.0e9));
}

}  // namespace

void SistemaParticellare::Inizializza(int numero, double passoX, double passoY, double spreadX,
                                      double spreadY, double x1, double y1, double x2, double y2,
                                      int vitaMassima, int rangeDimensione, int modo) {
    palle_.assign(static_cast<std::size_t>(std::clamp(numero, 0, ParticleSystem::MassimoParticelle)),
                  ParticellaCerchio{});
    palle_.shrink_to_fit();
    passoX_ = passoX;
    passoY_ = passoY;
    spreadX_ = spreadX;
    spreadY_ = spreadY;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    vitaMassima_ = vitaMassima;
    rangeDimensione_ = rangeDimensione;
    modo_ = modo;
    InizializzaCasuale();
    centroX_ = InteroTroncato((x2 - x1) * 0.5);
    centroY_ = InteroTroncato((y2 - y1) * 0.5);
    raggio_ = centroY_;
    RigeneraTutte();
    inizializzato_ = true;
}

void SistemaParticellare::InizializzaCerchio() {
    passoX_ = 0.009;
    passoY_ = -0.009;
    spreadX_ = 3;
    spreadY_ = 3;
    centroX_ = ImpostazioniGlobali.LarghezzaFrame / 2;
    centroY_ = ImpostazioniGlobali.AltezzaFrame / 2;
    raggio_ = ImpostazioniGlobali.AltezzaFrame / 2;
    RigeneraTutte();
    inizializzato_ = true;
}

void SistemaParticellare::Rigenera(int indice) {
    if (indice < 0 || indice >= Numero()) return;
    ParticellaCerchio& p = palle_[static_cast<std::size_t>(indice)];
    p.scale = static_cast<float>(NumeroCasuale(1000) * 0.001 + 1);
    // Integer division on purpose: small angles come up more often, and more than a turn is possible.
    const int gradiBase = NumeroCasuale(36000);
    const int divisore = NumeroCasuale(100) + 1;
    p.angle = static_cast<float>((gradiBase / divisore) * std::numbers::pi / 180.0);
    p.x = centroX_ + std::cos(p.angle) * raggio_ * p.scale;
    p.y = centroY_ + std::sin(p.angle) * raggio_ * p.scale;
    p.vx = NumeroCasuale(101) * 0.01 * spreadX_ - spreadX_ * 0.5;
    p.vy = NumeroCasuale(101) * 0.01 * spreadY_ - spreadY_ * 0.5;
    p.size = NumeroCasuale(rangeDimensione_);
    p.age = 0;
    p.life = NumeroCasuale(vitaMassima_) + 1;
}

void SistemaParticellare::RigeneraTutte() {
    for (int i = 0; i < Numero(); ++i) Rigenera(i);
}

bool SistemaParticellare::LeggiParticella(int indice, LetturaCerchio& lettura) const {
    lettura = LetturaCerchio{};
    if (indice < 0 || indice >= Numero()) return false;
    const ParticellaCerchio& p = palle_[static_cast<std::size_t>(indice)];
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    lettura.x = InteroTroncato(p.x);
    lettura.y = InteroTroncato(p.y);
    lettura.life = p.life;
    lettura.age = p.age;
    lettura.size = p.size;
    return true;
}

void CerchioPalle::Aggiorna(bool variaDimensione) {
    for (int i = 0; i < Numero(); ++i) {
        ParticellaCerchio& p = palle_[static_cast<std::size_t>(i)];
        if (modo_ == 1) {
            p.vx += passoX_;
            p.vy += passoY_;
            p.angle += static_cast<float>(NumeroCasuale(400) * 0.00001f);
            p.x = centroX_ + std::cos(p.angle) * raggio_ * p.scale;
            p.y = centroY_ + std::sin(p.angle) * raggio_ * p.scale;
        } else if (modo_ == 2) {
            p.x += p.vx;
            p.y += p.vy;
        }
        if (variaDimensione) p.size += NumeroCasuale(6) - 3;
        p.age += 1;
        if (p.age > p.life) Rigenera(i);
    }
}
