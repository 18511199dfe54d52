#pragma once
// What every picture drawn by code starts from: the palette of the look, a blank picture and
// a top-to-bottom gradient. The skins and the dialogs' icons share them so their colours meet.
#include <QColor>
#include <QImage>
#include <QLinearGradient>

namespace ArteComune {
inline const QColor Accento(0xFD, 0xBF, 0x07);  // 0x07BFFD
inline const QColor Argento(0xC0, 0xC0, 0xC0);
inline const QColor Bordo(0x40, 0x40, 0x40);

// A premultiplied picture filled with colore, transparent unless told.
QImage Vuota(int larghezza, int altezza, QColor colore = Qt::transparent);

// From alto at y1 to basso at y2, the same at every x.
QLinearGradient Verticale(qreal y1, qreal y2, QColor alto, QColor basso);
}  // namespace ArteComune
