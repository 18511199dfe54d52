#pragma once
// The controls' own texts, kept in one place.
#include <QString>

namespace TestiControlli {
// Shown by a list control whose item is not in its list.
inline const QString NonDefinito = QStringLiteral("Non definito");
}  // namespace TestiControlli
