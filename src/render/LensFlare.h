#pragma once
// The lens flare: the "Standard" chain of 16 sprites on the line from a light source on the
// top edge through the frame centre, and the two lens pictures.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include <array>

enum TipoLensFlare : int { LensFlareStandard = 1, LensFlareLenti1 = 2, LensFlareLenti2 = 3 };

struct ElementoFlare {
    int sprite;    // 1..5
    int size;
    float alpha;
    float fx;
    float fy;
};
inline constexpr int NumeroElementiFlare = 16;
extern const std::array<ElementoFlare, NumeroElementiFlare> CatenaFlare;

struct ComandoFlare {
    int sprite = 1;
    QRect rettangolo;
    float alpha = 0;
};

// The chain at frame t of n on a w x h canvas.
std::array<ComandoFlare, NumeroElementiFlare> ComandiFlareStandard(float t, float n, int w, int h);
// The angle of "Standard" sprite 3, 4 or 5 at frame t (1 and 2 are not turned).
int AngoloSpriteFlare(int sprite, float t);

// The lens picture's angle (a quarter turn over the video) and where it stands.
int AngoloLente(float t, float n);
QRect RettangoloLente(int tipo, float t, float n, QSize dimensione, int w, int h);

// sprite[k - 1] is sprite k; a null image draws nothing.
void DipingiFlare(QPainter& grafica, const std::array<QImage, 5>& sprite,
                  const std::array<ComandoFlare, NumeroElementiFlare>& comandi);
