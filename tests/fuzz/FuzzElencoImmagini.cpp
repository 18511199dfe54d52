// The image list file "ElencoImmagini.txt".
#include "Fuzz.h"

#include "project/TabellaImmagini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    ScriviInput(QStringLiteral("ElencoImmagini.txt"), dati, dimensione);
    TabellaPercorsi tabella{};
    CaricaElencoImmagini(tabella, CartellaFuzz(), QStringLiteral("/programma"));
    return 0;
}
