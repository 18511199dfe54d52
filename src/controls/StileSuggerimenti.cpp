#include "controls/StileSuggerimenti.h"

#include "controls/ComuneControlli.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

namespace {

constexpr TColor Fondo = 0x2D2D2D;
constexpr TColor Bordo = 0x404040;
constexpr TColor Testo = 0xC0C0C0;

// The captions' own font (the labels' Calibri 12).
QFont FontSuggerimento() {
    return FontControllo("Calibri", 12);
}

}  // namespace

QString FoglioSuggerimenti() {
    const QFont font = FontSuggerimento();
    return QStringLiteral("QToolTip { background-color: %1; color: %2; border: 1px solid %3; padding: 3px 6px; "
                          "font-family: \"%4\"; font-size: %5px; }")
        .arg(ColoreDaTColor(Fondo).name(), ColoreDaTColor(Testo).name(), ColoreDaTColor(Bordo).name(), font.family())
        .arg(font.pixelSize());
}

void ApplicaStileSuggerimenti(QApplication& applicazione) {
    // The palette for any style that draws the tip itself, the sheet for the border.
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, ColoreDaTColor(Fondo));
    palette.setColor(QPalette::ToolTipText, ColoreDaTColor(Testo));
    QToolTip::setPalette(palette);
    QToolTip::setFont(FontSuggerimento());
    const QString foglio = FoglioSuggerimenti();
    if (!applicazione.styleSheet().contains(foglio)) applicazione.setStyleSheet(applicazione.styleSheet() + foglio);
}
