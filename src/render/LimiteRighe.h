#pragma once
// The longest text a line of the text layers holds. A longer one is cut, never silently:
// the user is told once, when the line becomes too long, not at every preview.
#include "render/ContestoRendering.h"

#include <QString>
#include <QStringList>

#include <array>

inline constexpr int LunghezzaMassimaRiga = 2559;

// Cuts each line to the limit. The notes are for the lines that are too long now and were
// not told before; segnalate remembers, per line, that it was told.
QStringList TagliaRigheLunghe(std::array<QString, NumeroRigheTesto>& righe,
                              std::array<bool, NumeroRigheTesto>& segnalate);
