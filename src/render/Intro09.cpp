#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Text object k (0-based) opened to the width factor f about the centre, with its reflection.
void DisegnaOggetto(ContestoRendering& c, int k, float f) {
    const GeometriaRiga& geo = c.GeometriaOggetti[static_cast<size_t>(k)];
    const LayerTesto& oggetto = c.LayerOggetto[static_cast<size_t>(k)];
    if (oggetto.Nullo() || geo.Larghezza <= 0 || geo.Altezza <= 0) return;
    const int W = ImpostazioniGlobali.LarghezzaFrame, H = ImpostazioniGlobali.AltezzaFrame;
    const float larghezza = geo.Larghezza * f;
    const int x = TroncaIntero((W - larghezza) * 0.5f);
    // Every layer ends on the horizontal centre line.
    const int y = H / 2 - geo.Altezza;
    const int w = TroncaIntero(larghezza);
    // Opened and reflected whole; of a very wide layer only the columns that land in the
    // frame, with two more on each side for the sampling of their edges.
    QRect colonne = oggetto.Rettangolo();
    if (oggetto.Parziale()) {
        if (w <= 0) return;
        const double scala = static_cast<double>(geo.Larghezza) / larghezza;
        const int c0 = static_cast<int>(std::floor((std::max(x, 0) - x) * scala)) - 2;
        const int c1 = static_cast<int>(std::ceil((std::min<double>(W, x + larghezza) - x) * scala)) + 2;
        colonne = QRect(c0, 0, c1 - c0, geo.Altezza).intersected(oggetto.Rettangolo());
        if (colonne.isEmpty()) return;
    }
    const QImage layer = oggetto.Parziale() ? oggetto.Parte(colonne) : oggetto.Immagine();
    // Where the columns go, at the opened width (the reflection) and at its whole pixels (the text).
    const auto posto = [&](double largo) {
        if (!oggetto.Parziale()) return std::pair<double, double>(x, largo);
        return std::pair<double, double>(x + colonne.left() * largo / geo.Larghezza, colonne.width() * largo / geo.Larghezza);
    };
    if (w > 0) {
        if (oggetto.Parziale()) {
            const auto [da, largo] = posto(w);
            DisegnaConMatrice(c.GraficaFrame, QRectF(da, y, largo, geo.Altezza), layer, layer.rect(), MatriceColore::Identita());
        } else {
            DisegnaConMatrice(c.GraficaFrame, QRect(x, y, w, geo.Altezza), layer, layer.rect(), MatriceColore::Identita());
        }
    }
    const int rh = geo.Altezza / 2;
    const Riflesso riflesso = CreaRiflesso(layer, colonne.width(), rh, ModoRiflesso::ScalaAlfa);
    // Nothing visible in it: it would land far above the frame.
    if (riflesso.PrimaRigaVisibile == 99999 || larghezza <= 0.0f) {
        ScriviRiflesso(c, riflesso.Immagine);
        return;
    }
    const auto [da, largo] = posto(larghezza);
    DisegnaRiflesso(c, riflesso, QRectF(da, H / 2 - 3 * riflesso.PrimaRigaVisibile, largo, rh));
}

}  // namespace

// Line 1, then line 2, each opening and closing horizontally over its reflection, on a
// timeline of absolute frames.
void DisegnaIntro9(ContestoRendering& c) {
    PassiInizialiFrame(c);
    CreaOggettiTesto(c);
    if (c.FrameCorrente == 0.0f && !c.Anima()) {
        if (!c.RigheTesto[0].isEmpty()) DisegnaOggetto(c, 0, 1.0f);
    } else {
        const StatoIntro9 stato = CalcolaStatoIntro9(c.FrameCorrente);
        if (stato.Riga > 0 && !c.RigheTesto[static_cast<size_t>(stato.Riga - 1)].isEmpty())
            DisegnaOggetto(c, stato.Riga - 1, stato.Fattore);
    }
    PassiFinaliFrame(c);
}
