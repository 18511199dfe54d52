#pragma once
// The image table's fixed roles: the default sprite and picture paths of slots 0 to 35 in
// the program's "Intro" folder, and the image list file "ElencoImmagini.txt".
#include "project/ImpostazioniProgetto.h"

#include <QString>

// Slots with a role and a default file: 0 to 35.
inline constexpr int NumeroSlotPredefiniti = 36;

// The default path of a slot: cartellaProgramma + "/Intro/" + its file; empty for slots
// without a role.
QString PercorsoPredefinitoImmagine(int slot, const QString& cartellaProgramma);

// Installs the defaults of slots 0 to 35 unless the list file in cartellaLavoro starts
// with "OK"; slots 36 to 99 are never touched.
void CaricaElencoImmagini(TabellaPercorsi& tabella, const QString& cartellaLavoro,
                          const QString& cartellaProgramma);
// The same, with the user folders built at start-up.
void CaricaElencoImmagini(TabellaPercorsi& tabella);

// Writes slots 0 to 35 in their ten groups to "ElencoImmagini.txt" in cartellaLavoro.
// False, with the reason in errore, when the file cannot be written; an old file stays whole.
bool SalvaElencoImmagini(const TabellaPercorsi& tabella, const QString& cartellaLavoro,
                         QString* errore = nullptr);
bool SalvaElencoImmagini(const TabellaPercorsi& tabella, QString* errore = nullptr);
