#pragma once
// The project file "ProgettoQuenvox.txt": every saved setting, one key line each, under
// block-letter section banners. Written as version "2.3"; "2.0" and "2.2" files are read too.
#include "project/ImpostazioniProgetto.h"

#include <QString>
#include <QStringList>

#include <functional>

// Fills the language table and applies LinguaCorrente to the windows and to the model's
// language-dependent texts and list items. The main window installs it.
using FunzioneApplicaLingua = std::function<void(ImpostazioniProgetto&)>;
void InstallaApplicaLingua(FunzioneApplicaLingua applica);

// Where the project lives: the default output folder, whatever folder the user picks later,
// so the file is found again at the next start.
QString PercorsoFileProgetto();

struct EsitoCaricamento {
    bool FileAperto = false;  // the file existed, could be read and was not empty
    bool Completo = false;    // every key of its version was read and applied
    // The file is there but cannot be read (no permission, a read error): the system's
    // reason. Such a file must not be saved over without the user's word.
    bool Illeggibile = false;
    QString ErroreLettura;
    bool Riconosciuto = false;  // a title and a version this program reads
    QString VersioneNuova;      // the version of a file written by a newer program
    // Lines that mixed UTF-8 with stray bytes: read as well as could be, but not cleanly.
    int RigheMiste = 0;
    // A file opened but not read completely and cleanly is copied beside itself before
    // anything can replace it: the copy's path, or why it could not be made.
    QString PercorsoBackup;
    QString ErroreBackup;
    // The saved font name, for the first show to select in the font list.
    QString NomeFontCorrente = QStringLiteral("Arial");
};

// Reads the file into the settings key by key; at the first key line that does not match,
// that key and all later ones keep their values. Numbers are brought into their controls'
// ranges. Sets LinguaCorrente and TotaleFrame, runs the intro presets after the "Intro" key
// and applies the language. Never fails loudly: a missing, empty or damaged file leaves the
// defaults, and a damaged one (or one of a newer version, or with stray bytes) is first kept
// as "ProgettoQuenvox.txt.bak" (replacing an older copy), since the next save overwrites it.
EsitoCaricamento CaricaProgetto(ImpostazioniProgetto& impostazioni,
                                const QString& percorso = PercorsoFileProgetto());

// What the start-up tells the user about the read, in the current language; empty when there
// is nothing to tell (a missing or empty file, a clean read).
QString AvvisoCaricamento(const EsitoCaricamento& esito, const QString& percorso = PercorsoFileProgetto());

// Writes every saved setting. False, with the reason in errore, when the file cannot be
// written; an older file then stays as it was.
bool SalvaProgetto(const ImpostazioniProgetto& impostazioni, QString* errore = nullptr,
                   const QString& percorso = PercorsoFileProgetto());

// The end of the session (a logout, a shutdown) saves with nobody there to answer. A project
// that could not be read at start is never saved over: the session goes beside it as
// "ProgettoQuenvox.txt.nuovo", then ".nuovo2", ".nuovo3"..., never over an earlier session's
// copy; when the project's folder cannot be written, the same names in the work folder, then in
// the home folder, then in a folder of the user's alone in the system's temporary folder
// ("quenvox-" and the user's number). A session saved apart is noted in the work folder (or,
// when that cannot be written, in that temporary folder), for the next start to tell where it lies.
struct EsitoSalvataggioSessione {
    QString Percorso;      // where the session went; empty when it could go nowhere
    bool DaParte = false;  // a copy apart, not the project file itself
    QStringList Errori;    // each place that failed: the path and the system's reason
};
// giaUsato: the copy this same session made before (kept as its own, written again).
EsitoSalvataggioSessione SalvaProgettoFineSessione(const ImpostazioniProgetto& impostazioni, bool progettoIlleggibile,
                                                   const QString& giaUsato = QString(),
                                                   const QString& percorso = PercorsoFileProgetto(),
                                                   const QString& cartellaRiserva = QString());

// The sessions saved apart that no start has told yet, oldest first: only the program's own
// copies in the folders above that are still on disk. When a list cannot be used (not a file,
// far too large), every such copy on disk as well.
QStringList SessioniSalvateDaParte(const QString& cartellaRiserva = QString(),
                                   const QString& progetto = PercorsoFileProgetto());
// Told: they are not told again (the copies stay where they are). A list that cannot be used is
// written anew in its place (unless a folder stands there).
void SessioniSegnalate(const QStringList& percorsi, const QString& cartellaRiserva = QString(),
                       const QString& progetto = PercorsoFileProgetto());

// The two key readers: true when the line starts with the whole key; the value is the rest.
bool LeggiCampoTesto(const QString& riga, const QString& chiave, QString& valore);
// The number after trimming blanks: optional sign, digits up to the first other character,
// 0 without digits (cifre, when given, tells whether there were any); beyond 32 bits it saturates.
bool LeggiCampoNumero(const QString& riga, const QString& chiave, int& valore, bool* cifre = nullptr);
