#pragma once
// Program-wide values: interface language, the fixed canvas, the floor line, the length of
// the video and the colour-picker mode. One instance for the whole run.
#include <cstdint>

// Interface language, the row index of every multilingual text.
enum CodiceLingua : int32_t {
    LinguaItaliano = 0,
    LinguaInglese = 1,
    LinguaSpagnolo = 2,
    LinguaTedesco = 3,
    LinguaFrancese = 4,
};

struct BloccoImpostazioniGlobali {
    int32_t LinguaCorrente = LinguaItaliano;  // a CodiceLingua
    int32_t LarghezzaFrame = 1920;            // canvas width, never changes
    int32_t AltezzaFrame = 1080;              // canvas height, never changes
    int32_t LineaPavimento = 0;               // floor line, set by InizializzaImpostazioni
    float TotaleFrame = 200.0f;               // frames of the video; always equals ProgettoDurata
    int32_t ModoSceltaColore = 1;             // colour picker: 1 one colour, 2 two colours
};

extern BloccoImpostazioniGlobali ImpostazioniGlobali;

// Computes LineaPavimento from the canvas height; already run once at static initialisation.
void InizializzaImpostazioni();
