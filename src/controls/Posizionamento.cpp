#include "controls/Posizionamento.h"

#include "platform/ValoriProgramma.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QRect AreaCorrente(const QWidget* finestra) {
    const QScreen* schermo = finestra->screen();
    if (!schermo) schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->availableGeometry() : QRect();
}

}  // namespace

void CentraForm(QWidget* finestra) {
    const QRect r = RettangoloCentrato(AreaLavoro, AreaCorrente(finestra), finestra->width(),
                                       finestra->height(), ModoPosizionamento);
    finestra->move(r.topLeft());
}

void CentraRidimensionaForm(QWidget* finestra, int larghezza, int altezza) {
    const QRect r = RettangoloCentrato(AreaLavoro, AreaCorrente(finestra), larghezza, altezza, ModoPosizionamento);
    finestra->move(r.topLeft());
    finestra->resize(r.size());
}
