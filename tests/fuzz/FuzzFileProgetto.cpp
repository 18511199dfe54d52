// The project file reader; whatever it read must save and read back complete.
#include "Fuzz.h"

#include "project/FileProgetto.h"
#include "project/ImpostazioniGlobali.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QString percorso = ScriviInput(QStringLiteral("ProgettoQuenvox.txt"), dati, dimensione);
    ImpostazioniProgetto letto;
    CaricaProgetto(letto, percorso);
    // The sizes that the text layers stroke pixel by pixel stay within their controls.
    for (int v : {letto.FontGlowSize, letto.FontShadowSize, letto.FontOutline1Size, letto.FontOutline2Size})
        if (v < Intervalli::Spessore.Minimo || v > Intervalli::Spessore.Massimo) std::abort();
    if (letto.FontSize < 0 || letto.FontSize > Intervalli::FontSize.Massimo) std::abort();
    const QString copia = QDir(CartellaFuzz()).filePath(QStringLiteral("copia.txt"));
    if (!SalvaProgetto(letto, nullptr, copia)) std::abort();
    ImpostazioniProgetto riletto;
    if (!CaricaProgetto(riletto, copia).Completo) std::abort();
    ImpostazioniGlobali.TotaleFrame = 200.0f;
    return 0;
}
