#pragma once
// The user folders built at start-up. PercorsoOutput moves when the user picks another
// output folder; PercorsoOutputPredefinito keeps where the project file lives.
#include <QString>

extern QString CartellaLavoro;
extern QString CartellaStili;
extern QString PercorsoOutput;
extern QString PercorsoOutputPredefinito;
extern QString CartellaProgramma;

// Builds the four folders from the data and documents folders and the program's folder,
// and creates every folder with its parents. False when one could not be made; the
// names are set all the same.
bool ImpostaCartelleUtente(const QString& datiApplicazione, const QString& documenti,
                           const QString& cartellaProgramma);
