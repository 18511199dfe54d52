// The encoder's output: cut into lines over reads of every size, and its status lines.
#include "Fuzz.h"

#include "encoding/DivisoreRighe.h"
#include "encoding/RigaStato.h"
#include "platform/FileTesto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    if (dimensione == 0) return 0;
    // The first byte sets the size of the reads.
    const qsizetype passo = dati[0] % 64 + 1;
    const QByteArray uscita = Byte(dati + 1, dimensione - 1);
    DivisoreRighe divisore(256);  // small, so that the fuzzer reaches the cut
    FigureCodifica figure;
    const auto elabora = [&](const QList<RigaUscita>& righe) {
        for (const RigaUscita& riga : righe) {
            AggiornaFigure(DecodificaRiga(riga.Byte), figure);
            figure.NumeroFrame();
        }
    };
    for (qsizetype i = 0; i < uscita.size(); i += passo) elabora(divisore.Aggiungi(uscita.mid(i, passo)));
    elabora(divisore.Termina());
    return 0;
}
