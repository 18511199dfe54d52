#include "controls/Orvvideobutton.h"

#include "controls/SkinFinestre.h"

#include <QEvent>
#include <QPainter>

ORVVideoButton::ORVVideoButton(QWidget* owner) : QWidget(owner) {
    resize(100, 20);
    setFont(FontControllo("Calibri", 9));
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVVideoButton::CreaBitmap() {
    const AspettoSkin aspetti[] = {AspettoSkin::Normale, AspettoSkin::Attivo, AspettoSkin::Premuto};
    for (int s = 0; s < 3; ++s)
        for (int f = 0; f < 3; ++f) skins[s * 3 + f] = SkinFinestre::FettaVideoButton(aspetti[s], f + 1);
    AdattaLarghezza();
    update();
}

void ORVVideoButton::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    AdattaLarghezza();
    update();
}

void ORVVideoButton::SetCaption(const QString& testo) {
    caption = testo;
    AdattaLarghezza();
    update();
}
void ORVVideoButton::SetDistanzaOmbra(int v) {
    if (CambiaValore(distanzaOmbra, v)) update();
}
void ORVVideoButton::SetAutoSize(bool v) {
    if (!CambiaValore(autoSize, v)) return;
    AdattaLarghezza();
    update();
}
void ORVVideoButton::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORVVideoButton::AdattaLarghezza() {
    if (!autoSize) return;
    auto l = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    resize(LarghezzaAutomatica(l(NormaleSX), l(NormaleDX), LarghezzaTesto(font(), caption)), height());
}

void ORVVideoButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVVideoButton::Disegna(QPainter& p) {
    std::array<const QImage*, 9> fette;
    for (int i = 0; i < 9; ++i) fette[i] = &skins[i];
    DisegnaTreFette(p, width(), fette, Stato());
    DisegnaCaptionCentrata(p, width(), height(), font(), caption, ColoreTestoVideoButton(coloreFont, isEnabled()),
                           ColoreOmbraVideoButton(coloreFont), distanzaOmbra);
}

void ORVVideoButton::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(e);
}

void ORVVideoButton::MouseEntra() {
    MouseDentro = true;
    update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void ORVVideoButton::MouseEsce() {
    MouseDentro = false;
    update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void ORVVideoButton::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton || !isEnabled()) return;
    TastoPremuto = true;
    update();
}

void ORVVideoButton::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton || !isEnabled()) return;
    TastoPremuto = false;
    update();
}

void ORVVideoButton::Click() {
    if (OnClick && isEnabled()) OnClick(this);
}

void ORVVideoButton::DblClick() {
    if (OnDblClick && isEnabled()) OnDblClick(this);
}
