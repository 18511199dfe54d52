#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"

// The logo hangs on two chains and swings, the swing dying away with the damping.
void DisegnaIntro2(ContestoRendering& c) {
    PassiInizialiFrame(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const QImage logo = CaricaImmagine(c, imp.Intro2LogoDaUtilizzare, Assenza::Segnalata);
    const QImage ombra = CaricaSlot(c, SlotIntro::Ombra);
    const QImage catena = CaricaSlot(c, SlotIntro::Catena);
    const float s = TempoCoreografia(c.FrameCorrente, ImpostazioniGlobali.TotaleFrame, c.Anima());
    const LayoutIntro2 l = CalcolaLayoutIntro2(s, imp.Intro2_Oscillazioni, imp.Intro2_Smorzamento, DimensionePropria(logo),
                                               imp.Intro2LogoScala, catena.size(), ImpostazioniGlobali.LarghezzaFrame,
                                               ImpostazioniGlobali.AltezzaFrame,
                                               MisuraInchiostro(logo, imp.Intro2LogoScala, catena.size()));
    QPainter& g = c.GraficaFrame;
    DisegnaOrientata(g, l.Logo.Rettangolo, logo, MatriceColore::Colori(1.0f, l.Logo.Traslazione, 1.0f));
    DisegnaOrientata(g, l.Ombra.Rettangolo, ombra, MatriceColore::Colori(1.0f, l.Ombra.Traslazione, 1.0f));
    if (!catena.isNull()) {
        g.drawImage(l.CatenaSinistra, catena);
        g.drawImage(l.CatenaDestra, catena);
    }
    PassiFinaliFrame(c);
}
