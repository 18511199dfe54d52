#pragma once
// The style pens and the text and logo layers: per line one picture with the styled text
// (or logo) and one with its shadow, each as large as the text plus the style margins.
#include <QSize>

class ContestoRendering;
class ImpostazioniProgetto;

// Sets the colours and widths of the style pens and the glow brush from the font settings.
void ImpostaPenne(ContestoRendering& contesto);

// Margins around the text inside a layer: shadow offset plus outline, outline 2 and shadow
// sizes, horizontally and vertically.
QSize MarginiLayer(const ImpostazioniProgetto& impostazioni);

// Rebuilds RigheTesto, GeometriaOggetti and the layer pictures, and writes the layer files.
void CreaOggettiTesto(ContestoRendering& contesto);
