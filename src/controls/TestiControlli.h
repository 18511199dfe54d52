#pragma once
// The controls' own texts, kept in one place.
#include <QString>
#include <QStringList>

namespace TestiControlli {
// Shown by a list control whose item is not in its list.
inline const QString NonDefinito = QStringLiteral("Non definito");

// The list controls' item rule: a number below 1 or past the end selects item 1.
inline int VoceValida(int voce, qsizetype numero) { return voce < 1 || voce > numero ? 1 : voce; }
// The text of item voce (1-based), or NonDefinito when the list does not hold it.
inline QString TestoVoce(const QStringList& elenco, int voce) {
    return voce >= 1 && voce <= elenco.size() ? elenco.at(voce - 1) : NonDefinito;
}
}  // namespace TestiControlli
