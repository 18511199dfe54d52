#include "controls/Orvlrbutton.h"

#include "controls/SkinFinestre.h"

#include <QPainter>

ORVLRButton::ORVLRButton(QWidget* owner) : QWidget(owner) {
    resize(100, 28);
    setFont(FontControllo("Verdana", 8));
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVLRButton::CreaBitmap() {
    const AspettoSkin aspetti[] = {AspettoSkin::Normale, AspettoSkin::Attivo, AspettoSkin::Premuto};
    for (int s = 0; s < 3; ++s)
        for (int f = 0; f < 3; ++f) skins[s * 3 + f] = SkinFinestre::FettaLRButton(aspetti[s], f + 1);
    AdattaLarghezza();
    update();
}

void ORVLRButton::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    AdattaLarghezza();
    update();
}

void ORVLRButton::SetCaption(const QString& testo) {
    caption = testo;
    AdattaLarghezza();
    update();
}

void ORVLRButton::SetAutoSize(bool v) {
    if (!CambiaValore(autoSize, v)) return;
    AdattaLarghezza();
    update();
}

void ORVLRButton::AdattaLarghezza() {
    if (!autoSize) return;
    auto l = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    resize(LarghezzaAutomatica(l(ORV_BT_LR_Norm_1), l(ORV_BT_LR_Norm_3), LarghezzaTesto(font(), caption)), height());
}

void ORVLRButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORVLRButton::Disegna(QPainter& p) {
    std::array<const QImage*, 9> fette;
    for (int i = 0; i < 9; ++i) fette[i] = &skins[i];
    DisegnaTreFette(p, width(), fette, Stato());
    DisegnaCaptionCentrata(p, width(), height(), font(), caption, ColoreTestoLRButton(MouseDentro), OmbraLRButton, 1);
}

void ORVLRButton::MouseEntra() {
    MouseDentro = true;
    update();
}

void ORVLRButton::MouseEsce() {
    MouseDentro = false;
    update();
}

void ORVLRButton::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    update();
}

void ORVLRButton::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    update();
}

void ORVLRButton::Click() {
    if (OnClick) OnClick(this);
}

void ORVLRButton::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
