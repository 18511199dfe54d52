#pragma once
// The one look of the flat boxes (edit, memo, drop-down): a dark fill, a one-pixel border
// that takes the accent colour while the box has the focus, silver text.
#include "controls/ComuneControlli.h"

#include <QString>

class QWidget;

namespace StileFlat {
inline constexpr TColor Sfondo = 0x2D2D2D;
inline constexpr TColor SfondoDisabilitato = 0x363636;
inline constexpr TColor Bordo = 0x404040;
inline constexpr TColor BordoFuoco = 0x07BFFD;
inline constexpr TColor Testo = 0xC0C0C0;
inline constexpr TColor TestoSelezionato = 0x1E1E1E;
inline constexpr int AltezzaVoce = 19;

// The style sheet of one box class ("QLineEdit", "QPlainTextEdit", "QComboBox").
QString Foglio(const QString& classe);
// The dark vertical scroll bar of the boxes, for any scrolled view.
QString FoglioBarraVerticale();
// Gives the box its font and sheet.
void Applica(QWidget* box, const QString& classe);
}  // namespace StileFlat
