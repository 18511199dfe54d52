#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"

namespace {

// Text object k (0-based) opened to the width factor f about the centre, with its reflection.
void DisegnaOggetto(ContestoRendering& c, int k, float f) {
    const GeometriaRiga& geo = c.GeometriaOggetti[static_cast<size_t>(k)];
    if (c.LayerOggetto[static_cast<size_t>(k)].Nullo() || geo.Larghezza <= 0 || geo.Altezza <= 0) return;
    // Opened and reflected whole: a packed layer is unpacked for the frame.
    const QImage layer = c.LayerOggetto[static_cast<size_t>(k)].Immagine();
    const int W = ImpostazioniGlobali.LarghezzaFrame, H = ImpostazioniGlobali.AltezzaFrame;
    const float larghezza = geo.Larghezza * f;
    const int x = TroncaIntero((W - larghezza) * 0.5f);
    // Every layer ends on the horizontal centre line.
    const int y = H / 2 - geo.Altezza;
    const int w = TroncaIntero(larghezza);
    if (w > 0) DisegnaConMatrice(c.GraficaFrame, QRect(x, y, w, geo.Altezza), layer, layer.rect(), MatriceColore::Identita());
    const int rh = geo.Altezza / 2;
    const Riflesso riflesso = CreaRiflesso(layer, geo.Larghezza, rh, ModoRiflesso::ScalaAlfa);
    // Nothing visible in it: it would land far above the frame.
    if (riflesso.PrimaRigaVisibile == 99999 || larghezza <= 0.0f) {
        ScriviRiflesso(c, riflesso.Immagine);
        return;
    }
    DisegnaRiflesso(c, riflesso, QRectF(x, H / 2 - 3 * riflesso.PrimaRigaVisibile, larghezza, rh));
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
