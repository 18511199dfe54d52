#pragma once
// The font names offered in the font list: scalable families with a normal-weight face, in
// case-insensitive order, without the names the program never offers. A pure filter over
// records, so the rules can be checked without the fonts of the machine.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One installed family as the font database reports it.
struct RecordFont {
    QString Famiglia;          // may end in " [foundry]"
    bool Scalabile = true;
    bool PesoNormale = true;   // has a face of weight 400
    bool Privata = false;      // a system-private family
};

// The names that are never listed (first 32 characters compared, case-sensitive).
const QStringList& FontEsclusi();

// The list: foundry suffix cut, private, bitmap, bold-only, vertical ("@"), generic and
// excluded names left out, duplicates merged, sorted without regard to case.
QStringList FiltraFont(const QList<RecordFont>& record);

// The records of the machine's font database.
QList<RecordFont> FontInstallati();

// The list with the project's font selected. A name not in the list is added under its own
// name when mappato says the system renders it in an installed face (a Windows project's
// "Arial"); otherwise the first item is selected. The list is never empty.
struct SceltaFont {
    QStringList Elenco;
    int Voce = 1;  // 1-based
};
SceltaFont SelezionaFont(QStringList elenco, const QString& nome, const std::function<bool(const QString&)>& mappato);

// True when fontconfig renders nome in a face of its own choosing rather than its fallback.
bool FontMappato(const QString& nome);
