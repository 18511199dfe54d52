// A text-style file: its preview block and its value lines.
#include "Fuzz.h"

#include "project/StiliTesto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QByteArray contenuto = Byte(dati, dimensione);
    DecodificaAnteprimaStile(contenuto);
    ImpostazioniProgetto impostazioni;
    ApplicaStileTesto(impostazioni, contenuto, QStringLiteral("/stili/Fuzz.orvstyle"));
    return 0;
}
