#pragma once
// The colour picker's arithmetic: RGB to and from hue (0..359), saturation and lightness
// (0..100) in single precision with truncation, and the reading of its stretched chart.
#include "controls/ComuneControlli.h"

#include <QPoint>

struct ValoriHSL {
    int h = 0, s = 0, l = 0;
    bool operator==(const ValoriHSL&) const = default;
};

ValoriHSL ConvertiRGBInHSL(TColor colore);
TColor ConvertiHSLInRGB(int tinta, int saturazione, int luce);
// One channel in percent, truncated.
int CalcolaCanaleHSL(float q, float p, float t);

// The chart is shown stretched: the picture pixel under a point of the control, always
// inside the picture.
QPoint PuntoTavola(QPoint controllo, QSize vista, QSize tavola);
