#include "controls/Orvadobebutton.h"

#include "controls/TelaClassica.h"

#include <QPainter>

ORVAdobeButton::ORVAdobeButton(QWidget* owner) : QWidget(owner), caption(QStringLiteral("Pulsante")) {
    resize(180, 36);
    setFont(FontControllo("Verdana", 12, true));
    new TracciaMouse(this, this);
}

void ORVAdobeButton::SetCaption(const QString& testo) {
    caption = testo;
    update();
}
void ORVAdobeButton::SetNormale(const QImage& immagine) {
    normale = immagine;
    update();
}
void ORVAdobeButton::SetColoreNormale(TColor v) {
    coloreNormale = v;
    update();
}
void ORVAdobeButton::SetColoreMouseSopra(TColor v) {
    coloreMouseSopra = v;
    update();
}
void ORVAdobeButton::SetColoreAttivo(TColor v) {
    coloreAttivo = v;
    update();
}
void ORVAdobeButton::SetAttivo(bool v) {
    attivo = v;
    update();
}
void ORVAdobeButton::SetBordato(bool v) {
    bordato = v;
    update();
}

TColor ORVAdobeButton::ColoreCaption() const {
    if (attivo) return coloreAttivo;
    return mouseDentro ? coloreMouseSopra : coloreNormale;
}

void ORVAdobeButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVAdobeButton::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const int h = W / 2;
    const int th = AltezzaTesto(font());
    int y = 0;
    // The ramp and the underline follow the button's height.
    if (bordato) {
        RettangoloClassico(p, 0, 0, W, H, 0x000000, 0x506450);
        for (int c = 0; c <= h && h > 0; ++c) {
            const TColor g = TColor(c * 255 / h) * 0x010101;
            LineaClassica(p, c, 0, c, H, g);
            LineaClassica(p, W - 1 - c, 0, W - 1 - c, H, g);
        }
        y = 4;
    } else {
        RettangoloClassico(p, 0, 0, W, H, 0x000000, 0x000000);
        for (int c = 5; c < h; ++c) {
            const TColor g = TColor(c * 255 / h) * 0x010101;
            for (const int riga : {H - 3, H - 2}) {
                LineaClassica(p, c, riga, c + 1, riga, g);
                LineaClassica(p, W - 1 - c, riga, W - c, riga, g);
            }
        }
        y = H - th - 5;
    }
    DisegnaImmagine(p, 0, 0, normale);
    TestoClassico(p, W / 2 - LarghezzaTesto(font(), caption) / 2, y, caption, font(), ColoreCaption());
}

void ORVAdobeButton::MouseEntra() {
    mouseDentro = true;
    update();
}
void ORVAdobeButton::MouseEsce() {
    mouseDentro = false;
    update();
}
