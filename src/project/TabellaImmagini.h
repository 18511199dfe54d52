#pragma once
// The image table's fixed roles: the default sprite and picture paths of slots 0 to 35 in
// the program's "Intro" folder, and the image list file "ElencoImmagini.txt".
#include "platform/FileRegolare.h"
#include "project/ImpostazioniProgetto.h"

#include <QString>

// Slots with a role and a default file: 0 to 35.
inline constexpr int NumeroSlotPredefiniti = 36;

// The default path of a slot: cartellaProgramma + "/Intro/" + its file; empty for slots
// without a role.
QString PercorsoPredefinitoImmagine(int slot, const QString& cartellaProgramma);

// A list of 36 paths takes at most a few hundred KB; a larger file is no list of ours.
inline constexpr qint64 LimiteByteElencoImmagini = 4 * 1024 * 1024;

// What reading the list file found: a file far larger than any list, or something that is
// no file at all in its place (a folder, a pipe, a device, a link to one), is not read.
struct EsitoElencoImmagini {
    RifiutoFile Rifiuto = RifiutoFile::Nessuno;
    qint64 Dimensione = 0;
    QString Percorso;
    // The notice for the user in lingua (a CodiceLingua); empty when there is nothing to tell.
    QString Avviso(int lingua) const;
};

// Installs the defaults of slots 0 to 35 unless the list file in cartellaLavoro starts
// with "OK"; slots 36 to 99 are never touched. Only the first line is read.
EsitoElencoImmagini CaricaElencoImmagini(TabellaPercorsi& tabella, const QString& cartellaLavoro,
                                         const QString& cartellaProgramma);
// The same, with the user folders built at start-up.
EsitoElencoImmagini CaricaElencoImmagini(TabellaPercorsi& tabella);

// Writes slots 0 to 35 in their ten groups to "ElencoImmagini.txt" in cartellaLavoro.
// False, with the file and the reason in errore, when it cannot be written; an old file
// stays whole.
bool SalvaElencoImmagini(const TabellaPercorsi& tabella, const QString& cartellaLavoro,
                         QString* errore = nullptr);
bool SalvaElencoImmagini(const TabellaPercorsi& tabella, QString* errore = nullptr);
