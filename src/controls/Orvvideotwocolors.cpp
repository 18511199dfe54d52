#include "controls/Orvvideotwocolors.h"

#include <QPainter>

#include <cmath>

TColor RigaGradiente(TColor c1, TColor c2, int altezza, int r) {
    TColor riga = 0;
    for (int spostamento = 0; spostamento <= 16; spostamento += 8) {
        const int a = int((c1 >> spostamento) & 0xFF), b = int((c2 >> spostamento) & 0xFF);
        const float passo = float(std::abs(a - b)) / float(altezza);
        const float v = a > b ? float(a) - passo * float(r) : float(a) + passo * float(r);
        riga |= TColor(int(v) & 0xFF) << spostamento;
    }
    return riga;
}

int MetaPremuta(int y, int altezza) { return y < altezza / 2 ? 1 : 2; }

ORVVideoTwoColors::ORVVideoTwoColors(QWidget* owner) : QWidget(owner) {
    resize(200, 200);
    new TracciaMouse(this, this);
}

void ORVVideoTwoColors::SetColore1(TColor v) {
    if (CambiaValore(colore1, v)) update();
}
void ORVVideoTwoColors::SetColore2(TColor v) {
    if (CambiaValore(colore2, v)) update();
}
void ORVVideoTwoColors::SetColoreSelezionato(int v) {
    if (CambiaValore(coloreSelezionato, v)) update();
}

void ORVVideoTwoColors::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORVVideoTwoColors::Disegna(QPainter& p) {
    const int W = width(), H = height();
    if (H <= 0) return;
    for (int r = 0; r < H; ++r) p.fillRect(0, r, W, 1, ColoreDaTColor(RigaGradiente(colore1, colore2, H, r)));
    p.fillRect(0, 0, W / 4, H / 2, ColoreDaTColor(colore1));
    p.fillRect(0, H / 2, W / 4, H - H / 2, ColoreDaTColor(colore2));
}

void ORVVideoTwoColors::MouseEntra() {
    MouseDentro = true;
    CursoreApplicazione::Imposta(Qt::PointingHandCursor);
}

void ORVVideoTwoColors::MouseEsce() {
    MouseDentro = false;
    CursoreApplicazione::Imposta(Qt::ArrowCursor);
}

void ORVVideoTwoColors::Nascosto() {
    // A swatch that hides under the pointer (the picker opening over it) gives the cursor back.
    if (MouseDentro) MouseEsce();
}

void ORVVideoTwoColors::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int y) {
    TastoPremuto = false;
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    coloreSelezionato = MetaPremuta(y, height());
}

void ORVVideoTwoColors::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) { TastoPremuto = false; }

void ORVVideoTwoColors::Click() {
    if (OnClick) OnClick(this);
}
