#pragma once
// Drawing with the old canvas's rules, so the controls' coordinates are written as the old
// code had them: a rectangle leaves out its right and bottom edge, a line leaves out its end
// point. Nothing is anti-aliased.
#include "controls/ComuneControlli.h"

#include <QPoint>

#include <initializer_list>
#include <optional>

class QPainter;

// Rectangle(x1, y1, x2, y2): the outline runs over x1..x2-1, y1..y2-1; the fill, when given,
// covers the inside of the outline. A rectangle with no inside draws nothing.
void RettangoloClassico(QPainter& p, int x1, int y1, int x2, int y2, std::optional<TColor> penna,
                        std::optional<TColor> pennello);
// FillRect(x1, y1, x2, y2): the pixels x1..x2-1, y1..y2-1.
void RiempiClassico(QPainter& p, int x1, int y1, int x2, int y2, TColor colore);
// MoveTo(x1, y1), LineTo(x2, y2): the end point stays unpainted.
void LineaClassica(QPainter& p, int x1, int y1, int x2, int y2, TColor colore);
// Polyline: each corner is painted once, the last point not at all.
void PolilineaClassica(QPainter& p, std::initializer_list<QPoint> punti, TColor colore);
// Text written transparently with (x, y) its top-left corner, as TextOut places it.
void TestoClassico(QPainter& p, int x, int y, const QString& testo, const QFont& font, TColor colore);
// The same, clipped to the rectangle x1..x2-1, y1..y2-1 (TextRect).
void TestoRitagliato(QPainter& p, int x1, int y1, int x2, int y2, int x, int y, const QString& testo,
                     const QFont& font, TColor colore);
