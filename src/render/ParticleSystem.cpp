#include "render/ParticleSystem.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Casuale.h"

#include <algorithm>
#include <cmath>

namespace {

// A coordinate as the int the random source and the drawing take; values far outside
// any canvas are held at a bound instead of overflowing.
int InteroTroncato(double valore) {
    if (!std::isfinite(valore)) return 0;
    return static_cast<int>(std::clamp(valore, -1.0e9, 1.0e9));
}

// A value in -s/2 .. +s/2 in steps of s/100.
double Sparpaglia(double s) { return NumeroCasuale(101) * 0.01 * s - s * 0.5; }

}  // namespace

void ParticleSystem::Inizializza(int numero, std::span<const PuntoDeriva> deriva, double spreadX,
                                 double spreadY, double x1, double y1, double x2, double y2,
                                 int vitaMassima, int rangeDimensione, int rangeVariante) {
    const int n = std::clamp(numero, 0, MassimoParticelle);
    particelle_.assign(static_cast<std::size_t>(n), Particella{});
    particelle_.shrink_to_fit();
    derivaX_ = 0;
    derivaY_ = 0;
    for (const PuntoDeriva& p : deriva) {
        derivaX_ += p.x;
        derivaY_ += p.y;
    }
    spreadX_ = spreadX;
    spreadY_ = spreadY;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    vitaMassima_ = vitaMassima;
    rangeDimensione_ = rangeDimensione;
    rangeVariante_ = rangeVariante;
    InizializzaCasuale();
    RigeneraTutte();
    inizializzato_ = true;
}

void ParticleSystem::Rigenera(int indice) {
    if (indice < 0 || indice >= Numero()) return;
    Particella& p = particelle_[static_cast<std::size_t>(indice)];
    const auto boxX = [&] { return NumeroCasuale(InteroTroncato(x2_ - x1_ + 1)) + x1_; };
    const auto boxY = [&] { return NumeroCasuale(InteroTroncato(y2_ - y1_ + 1)) + y1_; };
    p.age = 0;
    switch (modo_) {
    case 2:  // falling
        p.x = boxX();
        p.y = boxY();
        p.vx = 0;
        p.vy = NumeroCasuale(10) + 3;
        p.life = NumeroCasuale(2 * vitaMassima_) + 21;
        p.size = NumeroCasuale(rangeDimensione_);
        p.variant = NumeroCasuale(rangeVariante_);
        break;
    case 3:  // at rest, placed later by its user
        p.x = 0;
        p.y = 0;
        p.vx = 0;
        p.vy = 0;
        p.life = NumeroCasuale(vitaMassima_) + 11;
        p.size = 0;
        p.variant = NumeroCasuale(rangeVariante_);
        break;
    case 4:  // from below the frame, whatever the box
        p.x = boxX();
        p.y = ImpostazioniGlobali.AltezzaFrame + 200;
        p.vx = Sparpaglia(spreadX_);
        p.vy = Sparpaglia(spreadY_);
        p.life = NumeroCasuale(2 * vitaMassima_) + 1;
        p.size = NumeroCasuale(rangeDimensione_);
        p.variant = NumeroCasuale(rangeVariante_);
        break;
    default:  // 1, box
        p.x = boxX();
        p.y = boxY();
        p.vx = Sparpaglia(spreadX_);
        p.vy = Sparpaglia(spreadY_);
        p.life = NumeroCasuale(vitaMassima_) + 1;
        p.size = NumeroCasuale(rangeDimensione_);
        p.variant = NumeroCasuale(rangeVariante_);
        break;
    }
    p.layer = NumeroCasuale(2) != 0 ? 1 : 0;
}

void ParticleSystem::RigeneraTutte() {
    for (int i = 0; i < Numero(); ++i) Rigenera(i);
}

void ParticleSystem::ImpostaPrimoAngolo(double x1, double y1) {
    x1_ = x1;
    y1_ = y1;
}

void ParticleSystem::ImpostaSecondoAngolo(double x2, double y2) {
    x2_ = x2;
    y2_ = y2;
}

void Fire::Aggiorna() {
    const bool dalBasso = modo_ == 4;
    for (int i = 0; i < Numero(); ++i) {
        Particella& p = particelle_[static_cast<std::size_t>(i)];
        p.vx += derivaX_;
        p.vy += dalBasso ? derivaY_ * 0.5 : derivaY_;
        p.x += p.vx;
        if (dalBasso) {
            if (i == 10) p.layer = NumeroCasuale(2) != 0 ? 1 : 0;
            p.y += p.vy * 0.5;
        } else {
            p.y += p.vy;
        }
        p.age += 1;
        if (p.age > p.life) Rigenera(i);
    }
}

void Bounce::Aggiorna() {
    const double pavimento = ImpostazioniGlobali.LineaPavimento;
    for (int i = 0; i < Numero(); ++i) {
        Particella& p = particelle_[static_cast<std::size_t>(i)];
        p.vy += 0.15f;
        p.y += p.vy;
        p.age += 1;
        // Above the top edge counts as a bounce too: the ball is put on the floor.
        if (p.y > pavimento || p.y < 0) {
            p.vy = -std::fabs(p.vy) * 0.7;
            p.y = pavimento;
        }
        if (p.age > p.life) Rigenera(i);
    }
}

void ParticleSystem::Emetti(int x, int y) {
    ultimaAttiva_ = 0;
    int emesse = 0;
    for (int j = 0; j < Numero(); ++j) {
        Particella& p = particelle_[static_cast<std::size_t>(j)];
        if (p.variant == 0 && emesse < 2) {
            p.x = x + NumeroCasuale(6) - 3;
            p.y = y + NumeroCasuale(6) - 3;
            p.vx = 0;
            p.vy = 5.0;
            p.size = NumeroCasuale(rangeDimensione_);
            p.age = 0;
            p.variant = NumeroCasuale(3) + 1;
            ultimaAttiva_ = j;
            ++emesse;
        } else if (p.variant != 0) {
            ultimaAttiva_ = j;
        }
    }
}

void ParticleSystem::AggiornaFumo() {
    for (Particella& p : particelle_) {
        if (p.variant == 0) continue;
        const float a = static_cast<float>(NumeroCasuale(20) * 0.01);
        p.vy += a;
        p.vx += a;
        p.y -= p.vy;
        p.x -= p.vx;
        p.age += 1;
        if (p.age > p.life) p.variant = 0;
    }
}

void ParticleSystem::AggiornaCasuale() {
    const float a = static_cast<float>(derivaX_);
    const float e = 180.0f / (a * 2);
    // A drift that is no finite number would turn every velocity into NaN: the walk stands still.
    const bool cammina = std::isfinite(a) && e != 0.0f;
    for (Particella& p : particelle_) {
        if (cammina) {
            p.vx += NumeroCasuale(180) / e - a;
            p.vy += NumeroCasuale(180) / e - a;
        }
        p.x += p.vx;
        p.y += p.vy;
        p.age += 1;
        if (p.age > p.life) p.variant = 0;
    }
}

void ParticleSystem::Spegni() {
    if (!inizializzato_) return;
    for (Particella& p : particelle_) p.variant = 0;
}

void ParticleSystem::PosizionaParticella(int indice, int x, int y) {
    if (indice < 0 || indice >= Numero()) return;
    Particella& p = particelle_[static_cast<std::size_t>(indice)];
    p.x = x;
    p.y = y;
    p.variant = 1;
}

bool ParticleSystem::LeggiParticella(int indice, LetturaParticella& lettura) const {
    lettura = LetturaParticella{};
    if (indice < 0 || indice >= Numero()) return false;
    const Particella& p = particelle_[static_cast<std::size_t>(indice)];
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    lettura.x = InteroTroncato(p.x);
    lettura.y = InteroTroncato(p.y);
    lettura.life = p.life;
    lettura.age = p.age;
    lettura.variant = p.variant;
    lettura.size = p.size;
    lettura.layer = p.layer;
    return true;
}
