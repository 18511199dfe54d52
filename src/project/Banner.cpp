#include "project/Banner.h"

#include <array>

namespace {

struct Glifo {
    char carattere;
    std::array<const char*, 5> righe;
};

constexpr Glifo kFont[] = {
    {'A', {"  #  ", " # # ", "#####", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#### ", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "###  ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "###  ", "#    ", "#    "}},
    {'G', {" ### ", "#    ", "#  ##", "#   #", " ### "}},
    {'H', {"#   #", "#   #", "#####", "#   #", "#   #"}},
    {'I', {"#####", "  #  ", "  #  ", "  #  ", "#####"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "#   #", "#   #"}},
    {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#### ", "#    ", "#    "}},
    {'R', {"#### ", "#   #", "#### ", "# #  ", "#  ##"}},
    {'S', {" ### ", "#    ", " ### ", "    #", " ### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", " # # ", " # # ", "  #  "}},
    {'Z', {"#####", "   # ", "  #  ", " #   ", "#####"}},
    {'0', {" ### ", "#   #", "#   #", "#   #", " ### "}},
    {'1', {" ##  ", "# #  ", "  #  ", "  #  ", "#####"}},
    {'2', {" ### ", "#   #", "   # ", "  #  ", "#####"}},
    {'3', {"#####", "   # ", "  ## ", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#####", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "#### "}},
    {'6', {"  #  ", " #   ", "#### ", "#   #", " ### "}},
    {'7', {"#####", "   # ", "  #  ", "  #  ", "  #  "}},
    {'8', {" ### ", "#   #", " ### ", "#   #", " ### "}},
    {'9', {" ### ", "#   #", " ####", "    #", "#### "}},
};

// Row r (0..4) of a character's glyph; anything outside the font is blank.
QString RigaGlifo(QChar c, int r) {
    for (const Glifo& g : kFont)
        if (c == QLatin1Char(g.carattere)) return QString::fromLatin1(g.righe[static_cast<size_t>(r)]);
    return QStringLiteral("     ");
}

QString Riempi(QString riga, int larghezza) {
    if (riga.size() < larghezza - 1) riga += QString(larghezza - 1 - riga.size(), QLatin1Char(' '));
    return riga + QLatin1Char('|');
}

}  // namespace

QStringList RigheBanner(const QString& titolo, CorniceBanner cornice, int larghezza) {
    if (cornice == CorniceBanner::Commento) larghezza = 6 * static_cast<int>(titolo.size()) + 10;
    QStringList righe;
    const QString blanks(larghezza, QLatin1Char(' '));
    if (cornice == CorniceBanner::Commento)
        righe << Riempi(QStringLiteral("/*"), larghezza);
    else
        righe << Riempi(QString(), larghezza);
    for (int r = 0; r < 5; ++r) {
        QString riga(5, QLatin1Char(' '));
        for (QChar c : titolo) riga += RigaGlifo(c, r) + QLatin1Char(' ');
        righe << Riempi(riga, larghezza);
    }
    if (cornice == CorniceBanner::Commento)
        righe << QString(larghezza - 2, QLatin1Char(' ')) + QStringLiteral("*/");
    else
        righe << Riempi(QString(), larghezza);
    return righe;
}
