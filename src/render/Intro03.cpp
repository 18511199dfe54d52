#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"

// The logo drops in, bounces, tilts back whitening, and slides away to the right.
void DisegnaIntro3(ContestoRendering& c) {
    PassiInizialiFrame(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const QImage logo = CaricaImmagine(c, imp.Intro3LogoDaUtilizzare, Assenza::Segnalata);
    const QImage ombra = CaricaSlot(c, SlotIntro::Ombra);
    const float s = TempoIntro3(c.FrameCorrente, ImpostazioniGlobali.TotaleFrame, c.Anima());
    const LayoutIntro3 l = CalcolaLayoutIntro3(s, DimensionePropria(logo), imp.Intro3LogoScala, ombra.height(),
                                               ImpostazioniGlobali.LarghezzaFrame, ImpostazioniGlobali.AltezzaFrame,
                                               MisuraInchiostro(logo, imp.Intro3LogoScala));
    QPainter& g = c.GraficaFrame;
    DisegnaOrientata(g, l.Ombra.Rettangolo, ombra, MatriceColore::Identita());
    DisegnaOrientata(g, l.Logo.Rettangolo, logo, MatriceColore::Colori(1.0f, l.Logo.Traslazione, 1.0f));
    PassiFinaliFrame(c);
}
