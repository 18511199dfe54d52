#include "controls/Orvbutton4.h"

#include "controls/StatiPulsanti.h"

#include <QPainter>

ORVButton4::ORVButton4(QWidget* owner) : QWidget(owner) {
    resize(100, 100);
    setFont(FontControllo("Verdana", 8, true));
    new TracciaMouse(this, this);
}

void ORVButton4::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}
void ORVButton4::SetStile(int v) {
    if (CambiaValore(stile, v)) update();
}
void ORVButton4::SetStato(int v) {
    if (!CambiaValore(stato, v)) return;
    // Enabled follows Stato when Stato is written, never while painting.
    setEnabled(stato != 0);
    update();
}
void ORVButton4::SetBordo(int v) {
    if (CambiaValore(bordo, v)) update();
}
void ORVButton4::SetTipoBordo(int v) {
    if (CambiaValore(tipoBordo, v)) update();
}
void ORVButton4::SetDistanzaOmbra(int v) {
    if (CambiaValore(distanzaOmbra, v)) update();
}
void ORVButton4::SetCaption(const QString& testo) {
    caption = testo;
    update();
}
void ORVButton4::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORVButton4::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVButton4::Disegna(QPainter& p) {
    if (stile != 1 && stile != 2) return;
    const int W = width(), H = height();
    const int base = stile == 1 ? Normale : Img_Normale;
    if (tipoBordo != 6) {
        const ImmaginePulsante quale =
            ImmagineButton4(stato, mouseDentro, tastoPremuto, BitmapPresente(skins[base + 2]));
        DisegnaImmagine(p, 0, 0, skins[base + int(quale) - 1]);
    } else if (mouseDentro) {
        DisegnaRiquadro(p, W, H);
    }
    DisegnaCaptionCentrata(p, W, H, font(), caption, coloreFont, 0xFFFFFF, distanzaOmbra);
    if (bordo != 0) DisegnaBordoPulsante(p, W, H, BordoPulsante(tipoBordo, stato, mouseDentro, tastoPremuto));
}

void ORVButton4::MouseEntra() {
    mouseDentro = true;
    update();
}
void ORVButton4::MouseEsce() {
    mouseDentro = false;
    update();
}
void ORVButton4::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = true;
    update();
}
void ORVButton4::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = false;
    update();
}
