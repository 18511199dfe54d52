#include "controls/Orvvideobuttonsemplice.h"

#include <QPainter>

ORVVideoButtonSemplice::ORVVideoButtonSemplice(QWidget* owner) : QWidget(owner) {
    resize(22, 19);
    new TracciaMouse(this, this);
}

void ORVVideoButtonSemplice::AdattaDimensione() {
    if (BitmapPresente(skins[Normale])) resize(skins[Normale].size());
}

void ORVVideoButtonSemplice::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    AdattaDimensione();
    update();
}

void ORVVideoButtonSemplice::SetSelezionatoTipo(int v) {
    if (CambiaValore(selezionatoTipo, v)) update();
}

void ORVVideoButtonSemplice::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORVVideoButtonSemplice::Disegna(QPainter& p) {
    Skin s = Normale;
    switch (Stato()) {
    case StatoPulsante::Premuto: s = Premuto; break;
    case StatoPulsante::Attivo: s = Attivo; break;
    case StatoPulsante::Selezionato: s = Selezionato; break;
    default: break;
    }
    if (BitmapPresente(skins[s])) mostrata = &skins[s];
    if (mostrata) DisegnaImmagine(p, 0, 0, *mostrata);
}

void ORVVideoButtonSemplice::MouseEntra() {
    MouseDentro = true;
    update();
}

void ORVVideoButtonSemplice::MouseEsce() {
    MouseDentro = false;
    update();
}

void ORVVideoButtonSemplice::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    update();
}

void ORVVideoButtonSemplice::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    update();
}

void ORVVideoButtonSemplice::Click() {
    if (OnClick) OnClick(this);
}

void ORVVideoButtonSemplice::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
