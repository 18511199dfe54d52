#pragma once
// The vertical bar's arithmetic: the thumb's length and place for a content height and a
// scroll offset, the content y it reports, and the way back from a list's top row.
// Single-precision floating point and truncation toward zero throughout.

constexpr int MargineCursore = 3;
constexpr int AltezzaTesta = 9;
constexpr int LunghezzaMinimaCursore = 50;

struct GeometriaBarra {
    bool cursore = false;   // a thumb is drawn
    int centro = 0;         // length of the thumb's middle part
    float scala = 1.0f;     // offset units per pixel of travel
    int corsa = 0;          // pixels the thumb can travel
    float t = 0;            // thumb's place on its travel
    int scostamento = 0;    // the offset, clamped
    int posizione = 0;      // content y of the view's bottom edge
    int yCursore = 0;       // top of the thumb
};

// posizionePrecedente is reported unchanged when there is no thumb. A bar too short for the
// smallest thumb shows none and keeps the offset at 0.
GeometriaBarra CalcolaBarra(int altezza, int valoreMax, int scostamento, int posizionePrecedente);

// The offset whose reported position is posizione (clamped to the content).
int ScostamentoPerPosizione(int altezza, int valoreMax, int posizione);

// The list's top row as the dialogs compute it from the reported position.
int RigaDaPosizione(int posizione, int altezza, int altezzaVoce);

// The offset that makes the bar report the given top row again (RigaDaPosizione gives it back).
int ScostamentoPerRiga(int altezza, int valoreMax, int rigaSuperiore, int altezzaVoce);
