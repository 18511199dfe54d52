#pragma once
// Built-in art of the older controls, drawn by code: the list button's amber caps and strips,
// the dark title pieces of a border strip, and the pictures the sheet and the sample window
// hand to the legacy push buttons (which start without any).
#include <QImage>

namespace SkinPulsantiVecchi {
// List button: left cap 29x26, right cap 26x26 (attivo lighter), middle strips 3x26 / 5x26.
QImage CapoLista(bool sinistro, bool attivo);
QImage StrisciaLista(bool attiva);
// Dark title bar pieces, 30 high: left 40 wide (with the emblem), centre 6, right 12.
enum class PezzoTitolo { Sinistro, Centro, Destro };
QImage TitoloBordo(PezzoTitolo pezzo);
// A button face w x h: 0 normal, 1 hovered, 2 pressed, 3 disabled.
QImage FacciaPulsante(int stato, int larghezza, int altezza);
// The soft button's background, cut in quarters by the control.
QImage FondoPulsanteAA();
}  // namespace SkinPulsantiVecchi
