#pragma once
// Snow: 500 flakes that show up at random places, grow at once and shrink away; only the
// first 20 are drawn. The flakes do not move.
#include <QImage>
#include <QPainter>
#include <QRect>

#include <array>
#include <vector>

struct FioccoNeve {
    float x = 0;  // left edge
    float y = 0;  // top edge
    int life = 0; // frames left; sets size and opacity
    int kind = 0; // 1..4: sprite slot 5 + kind
    int size = 0; // drawn width and height
};

inline constexpr int NumeroFiocchiNeve = 500;
inline constexpr int FiocchiNeveDisegnati = 20;
using ElencoFiocchiNeve = std::array<FioccoNeve, NumeroFiocchiNeve>;

// A new place, kind and life for one flake; the seeding rule too.
void RigeneraFiocco(FioccoNeve& fiocco);
void SeminaNeve(ElencoFiocchiNeve& fiocchi);
// One step of every flake.
void AggiornaNeve(ElencoFiocchiNeve& fiocchi);

// The angle of the sprite of flake kind 1..4 at frame t.
int AngoloFiocco(int kind, float t);

struct ComandoFiocco {
    int kind = 1;
    QRect rettangolo;
    float opacita = 0;
};
// The drawn flakes, in order.
std::vector<ComandoFiocco> ComandiNeve(const ElencoFiocchiNeve& fiocchi);

// sprite[k - 1] is the turned sprite of kind k; a null image draws nothing.
void DipingiNeve(QPainter& grafica, const std::array<QImage, 4>& sprite, const std::vector<ComandoFiocco>& comandi);
