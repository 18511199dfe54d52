#include "platform/ValoriProgramma.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QString VersioneProgramma = QStringLiteral("0.0.0.0");
QRect AreaLavoro;
int ModoPosizionamento = 2;

QRect MisuraAreaLavoro() {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->availableGeometry() : QRect();
}

QRect RettangoloCentrato(const QRect& areaAvvio, const QRect& areaCorrente, int w, int h, int modo) {
    const QRect area = areaAvvio.isValid() ? areaAvvio : areaCorrente;
    const QRect limite = areaCorrente.isValid() ? areaCorrente : area;
    if (limite.isValid()) {
        w = std::min(w, limite.width());
        h = std::min(h, limite.height());
    }
    int sinistra = area.left() + (area.width() - w) / 2;
    const int alto = area.top() + (area.height() - h) / 2;
    if (areaCorrente.isValid() && areaAvvio.isValid() && areaCorrente.size() != areaAvvio.size() && modo != 1)
        sinistra += areaCorrente.width() - areaAvvio.width();
    return QRect(sinistra, alto, w, h);
}
