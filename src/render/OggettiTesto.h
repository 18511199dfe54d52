#pragma once
// The style pens and the text and logo layers: per line one picture with the styled text
// (or logo) and one with its shadow, each as large as the text plus the style margins.
#include <QPainterPath>
#include <QSize>

#include <vector>

class ContestoRendering;
class ImpostazioniProgetto;

// Sets the colours and widths of the style pens and the glow brush from the font settings.
void ImpostaPenne(ContestoRendering& contesto);

// Margins around the text inside a layer: shadow offset plus outline, outline 2 and shadow
// sizes, horizontally and vertically.
QSize MarginiLayer(const ImpostazioniProgetto& impostazioni);

// The outline cut into pieces that lie more than distacco apart and are each at least a few
// hundred pixels wide. Filled or stroked one by one they make the picture of the whole (no
// pixel is touched by two of them), while the rasterizer, whose work grows with the square of
// a path's width, stays linear in the length of a line.
std::vector<QPainterPath> PezziSeparati(const QPainterPath& percorso, qreal distacco);

// Sets RigheTesto, GeometriaOggetti and the layer pictures: kept ones where their inputs are
// unchanged, drawn anew (and their files queued for writing) where they changed.
void CreaOggettiTesto(ContestoRendering& contesto);
