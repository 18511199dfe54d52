#pragma once
// The looks that go with each intro template, the colour schemes of intro 10 and the look
// of the "Lenti 1" lens flare. Each sets its group of settings and ends with one render.
#include "project/ImpostazioniProgetto.h"

#include <functional>

// What the presets ask of the main window: show the sheet of an intro (1..10) on the
// "Dati per Intro" tab, and draw a new preview of the settings.
struct RichiamiPreset {
    std::function<void(int intro)> MostraPaginaIntro;
    std::function<void(const ImpostazioniProgetto&)> EseguiRendering;
};

// The main window installs its own once; unset members are skipped.
void InstallaRichiamiPreset(RichiamiPreset richiami);

// The look of the intro chosen in IntroLista, then one render.
void ImpostaPredefinitiIntro(ImpostazioniProgetto& impostazioni);

// The colour scheme chosen in Intro10Colori, then one render; an item outside the five
// schemes changes nothing and does not render.
void ApplicaColoriIntro10(ImpostazioniProgetto& impostazioni);

// The look of the "Lenti 1" lens flare when EffettoLensFlareLista is on item 2, then one
// render; other items change nothing and do not render.
void ApplicaLookLensFlare(ImpostazioniProgetto& impostazioni);
