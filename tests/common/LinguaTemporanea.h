#pragma once
// Sets the interface language for one test and puts the old one back afterwards, for the
// tests that compare a message's words.
#include "project/ImpostazioniGlobali.h"

class LinguaTemporanea {
public:
    explicit LinguaTemporanea(int lingua) { ImpostazioniGlobali.LinguaCorrente = lingua; }
    ~LinguaTemporanea() { ImpostazioniGlobali.LinguaCorrente = prima_; }
    LinguaTemporanea(const LinguaTemporanea&) = delete;
    LinguaTemporanea& operator=(const LinguaTemporanea&) = delete;

private:
    int prima_ = ImpostazioniGlobali.LinguaCorrente;
};
