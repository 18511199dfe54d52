#include "controls/Orv_2016_button.h"

#include "controls/Orv_2016_stile.h"

#include <QPainter>

ORV_2016_Button::ORV_2016_Button(QWidget* owner) : QWidget(owner), caption(QStringLiteral("ORV_2016_Button")) {
    resize(120, 28);
    setFont(FontControllo("Calibri", 12, true, true));
    new TracciaMouse(this, this);
}

void ORV_2016_Button::SetCaption(const QString& testo) {
    if (CambiaValore(caption, testo)) update();
}
void ORV_2016_Button::SetAlignment(Qt::AlignmentFlag v) {
    if (CambiaValore(allineamento, v)) update();
}
void ORV_2016_Button::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}
void ORV_2016_Button::SetORV_Bordo(bool v) {
    if (CambiaValore(bordo, v)) update();
}
void ORV_2016_Button::SetORV_BordoColore(TColor v) {
    if (CambiaValore(bordoColore, v)) update();
}
void ORV_2016_Button::SetORV_OmbraColore(TColor v) {
    if (CambiaValore(ombraColore, v)) update();
}
void ORV_2016_Button::SetORV_OmbraDistanza(int v) {
    if (CambiaValore(ombraDistanza, v)) update();
}
void ORV_2016_Button::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORV_2016_Button::SetORV_Stile(const ORV_2016_Stile* stile) {
    if (!stile) return;
    using S = ORV_2016_Stile;
    for (int i = 0; i < 3; ++i) {
        skins[ORV_OBJAttivo1 + i] = stile->Immagine(S::Skin(S::ORV_OBJ_Attivo1 + i));
        skins[ORV_OBJNormale1 + i] = stile->Immagine(S::Skin(S::ORV_OBJ_Normale1 + i));
        skins[ORV_OBJPremuto1 + i] = stile->Immagine(S::Skin(S::ORV_OBJPremuto1 + i));
    }
    ombraColore = stile->ORV_OmbraColore();
    ombraDistanza = stile->ORV_OmbraDistanza();
    resize(width(), skins[ORV_OBJNormale2].height());
    update();
}

void ORV_2016_Button::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORV_2016_Button::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const int b = bordo ? 1 : 0;
    const int l1 = skins[ORV_OBJNormale1].width(), l3 = skins[ORV_OBJNormale3].width();
    if (bordo) p.fillRect(0, 0, W, H, ColoreDaTColor(bordoColore));
    // The idle slices fix the middle in every look.
    const QRect mezzo = bordo ? QRect(QPoint(l1 + 1, 1), QPoint(W - l3 - 2, H - 2)) : QRect(l1, 0, W - l3 - l1, H);
    int base = ORV_OBJNormale1;
    if (MouseDentro) base = TastoPremuto ? ORV_OBJPremuto1 : ORV_OBJAttivo1;
    DisegnaImmagine(p, b, b, skins[base]);
    StiraImmagine(p, mezzo, skins[base + 1]);
    DisegnaImmagine(p, W - skins[base + 2].width() - b, b, skins[base + 2]);

    const int th = AltezzaTesto(font());
    const int tw = LarghezzaTesto(font(), caption);
    const int y = YTestoCentrato(H, th);
    int x = 6;
    if (allineamento == Qt::AlignRight)
        x = W - tw - 12;
    else if (allineamento == Qt::AlignHCenter)
        x = (W - tw) / 2;
    const TColor colore = MouseDentro ? SchiarisciTColor(coloreFont, 80) : coloreFont;
    DisegnaTestoOmbra(p, font(), QRect(QPoint(x, y), QPoint(W - l3 - 4 - 1, y + th - 1)), x, y, caption,
                      ColoreDaTColor(colore), ombraColore, ombraDistanza);
}

void ORV_2016_Button::MouseEntra() {
    MouseDentro = true;
    update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void ORV_2016_Button::MouseEsce() {
    MouseDentro = false;
    update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void ORV_2016_Button::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    update();
}

void ORV_2016_Button::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    update();
}

void ORV_2016_Button::Click() {
    if (OnClick) OnClick(this);
}

void ORV_2016_Button::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
