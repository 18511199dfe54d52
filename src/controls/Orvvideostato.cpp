#include "controls/Orvvideostato.h"

#include "controls/SkinFinestre.h"
#include "controls/StatiPulsanti.h"

#include <QPainter>

ORVVideoStato::ORVVideoStato(QWidget* owner) : QWidget(owner) {
    resize(228, 40);
    setFont(FontControllo("Verdana", 20));
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVVideoStato::CreaBitmap() {
    skins[ORV_Check_Off] = SkinFinestre::ImmagineVideoStato(false);
    skins[ORV_Check_On] = SkinFinestre::ImmagineVideoStato(true);
    update();
}

void ORVVideoStato::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}
void ORVVideoStato::SetCaption(const QString& testo) {
    caption = testo;
    update();
}
void ORVVideoStato::SetChecked(bool v) {
    if (CambiaValore(checked, v)) update();
}
void ORVVideoStato::SetORV_ColoreSfondo(TColor v) {
    if (CambiaValore(coloreSfondo, v)) update();
}
void ORVVideoStato::SetORV_Bordo(bool v) {
    if (CambiaValore(bordo, v)) update();
}
void ORVVideoStato::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

int ORVVideoStato::XTesto() const {
    const bool disegnata = BitmapPresente(skins[checked ? ORV_Check_On : ORV_Check_Off]);
    return XTestoVideoStato(disegnata, BitmapPresente(skins[ORV_Check_On]) ? skins[ORV_Check_On].width() : 0);
}

void ORVVideoStato::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVVideoStato::Disegna(QPainter& p) {
    p.fillRect(rect(), ColoreDaTColor(coloreSfondo));
    if (checked)
        DisegnaImmagine(p, 0, 0, skins[ORV_Check_On]);
    else if (bordo)
        DisegnaImmagine(p, 2, 3, skins[ORV_Check_Off]);
    else
        DisegnaImmagine(p, 0, 0, skins[ORV_Check_Off]);
    const QFontMetrics m(font());
    const int x = XTesto();
    const int y = (height() - (m.ascent() + m.descent())) / 2 + m.ascent();
    p.setFont(font());
    p.setPen(ColoreDaTColor(OmbraVideoStato));
    p.drawText(x + 1, y + 1, caption);
    p.setPen(ColoreDaTColor(coloreFont));
    p.drawText(x, y, caption);
}

void ORVVideoStato::MouseEntra() {
    MouseDentro = true;
    update();
}

void ORVVideoStato::MouseEsce() {
    MouseDentro = false;
    update();
}

void ORVVideoStato::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    if (!radio) checked = !checked;
    update();
}

void ORVVideoStato::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    update();
}

void ORVVideoStato::Click() {
    if (radio && !checked) {
        checked = true;
        update();
    }
    if (OnClick) OnClick(this);
}

void ORVVideoStato::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
