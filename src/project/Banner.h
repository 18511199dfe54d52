#pragma once
// Section banners of the program's text files: the title spelt in 5x5 letters of "#".
#include <QString>
#include <QStringList>

enum class CorniceBanner {
    Commento,  // "/*" ... "|" above, "*/" below; width 6n + 10 for n title characters
    Semplice,  // blanks and "|" above and below; width set by the file
};

// The seven lines of a banner, without line ends. larghezza counts only for the plain frame.
QStringList RigheBanner(const QString& titolo, CorniceBanner cornice, int larghezza = 0);
