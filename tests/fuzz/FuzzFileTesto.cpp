// The text file reader under every file of the program: lines, line ends, encodings.
#include "Fuzz.h"

#include "platform/FileTesto.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QByteArray contenuto = Byte(dati, dimensione);
    LettoreTesto lettore(contenuto);
    QString riga;
    qsizetype letti = 0;
    while (lettore.LeggiRiga(riga)) {
        letti += riga.size();
        // Every line read takes at least one byte or one line end of the file.
        if (letti > contenuto.size() * 2 + 2) std::abort();
    }
    if (!lettore.Finito()) std::abort();
    return 0;
}
