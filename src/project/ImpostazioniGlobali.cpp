#include "project/ImpostazioniGlobali.h"

BloccoImpostazioniGlobali ImpostazioniGlobali;

void InizializzaImpostazioni()
{
    ImpostazioniGlobali.LineaPavimento = ImpostazioniGlobali.AltezzaFrame * 5 / 8;
}

namespace {
// Runs before main, like the other static initialisers, so the floor line is never 0.
const bool inizializzato = (InizializzaImpostazioni(), true);
}
