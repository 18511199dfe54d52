#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"

#include <algorithm>

// The text layers stacked around a white light bar, lines 2 and 3 growing out of it.
void DisegnaIntro8(ContestoRendering& c) {
    PassiInizialiFrame(c);
    CreaOggettiTesto(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const float t = c.FrameCorrente;
    const int W = ImpostazioniGlobali.LarghezzaFrame, H = ImpostazioniGlobali.AltezzaFrame;
    std::array<int, 4> larghezze{}, altezze{};
    for (size_t k = 0; k < 4; ++k) {
        larghezze[k] = c.GeometriaOggetti[k].Larghezza;
        altezze[k] = c.GeometriaOggetti[k].Altezza;
    }
    const LayoutIntro8 l = CalcolaLayoutIntro8(larghezze, altezze, imp.Interlinea, W, H);
    const StatoIntro8 stato = CalcolaStatoIntro8(t, ImpostazioniGlobali.TotaleFrame, c.Anima());
    const bool anteprima = t == 0.0f && !c.Anima();
    const MatriceColore matrice = MatriceColore::Alfa(stato.Opacita);
    QPainter& g = c.GraficaFrame;

    if (!c.RigheTesto[0].isEmpty() && !c.LayerOggetto[0].Nullo())
        DisegnaLayer(g, QRect(l.x[0], l.y[0] - 20, larghezze[0], altezze[0]), c.LayerOggetto[0],
                     c.LayerOggetto[0].Rettangolo(), matrice);
    for (int oggetto = 2; oggetto <= 3; ++oggetto) {
        const size_t k = static_cast<size_t>(oggetto - 1);
        if (c.RigheTesto[k].isEmpty() || c.LayerOggetto[k].Nullo()) continue;
        const PartiOggetto8 p = CalcolaOggettoIntro8(oggetto, stato.Stato, anteprima, t, l, larghezze[k], altezze[k]);
        if (p.Visibile) DisegnaLayer(g, p.Destinazione, c.LayerOggetto[k], p.Sorgente, matrice);
    }
    const int alfaBarra = std::clamp(static_cast<int>(stato.Opacita * 255.0f), 0, 255);
    g.fillRect(QRect(-1, l.Barra - 4, W + 1, 8), QColor(255, 255, 255, alfaBarra));
    PassiFinaliFrame(c);
}
