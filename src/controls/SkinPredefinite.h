#pragma once
// The built-in skins, drawn by code: a dark, crisp set in the program's colours.
#include <QImage>

enum class AspettoSkin { Normale, Attivo, Premuto };
enum class DirezioneFreccia { Destra, Sinistra, Su, Giu };

namespace SkinPredefinite {
// One of the three 5x28 slices (1 left cap, 2 middle, 3 right cap) of a body bar.
QImage Corpo(AspettoSkin aspetto, int fetta);
// 28x28 LED of the check box.
QImage Led(bool acceso);
// 28x28 open button at the right end of a check box.
QImage BottoneApri(bool attivo);
// 28x28 arrow; left and right are the ends of a list bar, up and down square buttons.
QImage Freccia(DirezioneFreccia direzione, bool attivo);
// 30x33 state image.
QImage Stato(bool acceso);
// The slider's 132x11 track, 11x12 cursor and 12x20 minus/plus buttons.
QImage TracciaSlider();
QImage CursoreSlider();
QImage BottoneSlider(bool piu, bool attivo);
}  // namespace SkinPredefinite
