#include "controls/Orvscrollbarvert.h"

#include "controls/SkinFinestre.h"

#include <QPainter>

ORVScrollBarVert::ORVScrollBarVert(QWidget* owner) : QWidget(owner) {
    resize(15, 640);
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVScrollBarVert::CreaBitmap() {
    for (int parte = 1; parte <= 3; ++parte) {
        skins[ORV_DDDScrollVert_1_Off + 2 * (parte - 1)] = SkinFinestre::CursoreBarra(parte, false);
        skins[ORV_DDDScrollVert_1_On + 2 * (parte - 1)] = SkinFinestre::CursoreBarra(parte, true);
    }
    update();
}

void ORVScrollBarVert::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

GeometriaBarra ORVScrollBarVert::Geometria() const {
    return CalcolaBarra(height(), valoreMax, scostamento, posizione);
}

void ORVScrollBarVert::Ricalcola() {
    const GeometriaBarra g = Geometria();
    scostamento = g.scostamento;
    posizione = g.posizione;
    update();
}

void ORVScrollBarVert::resizeEvent(QResizeEvent*) { Ricalcola(); }

void ORVScrollBarVert::SetORV_ValoreMax(int v) {
    if (CambiaValore(valoreMax, v)) Ricalcola();
}

void ORVScrollBarVert::SetORV_Posizione(int v) {
    if (v == posizione || v > valoreMax) return;
    // The exact inverse of the reported position, also with the thumb at its smallest.
    scostamento = v <= height() ? 0 : ScostamentoPerPosizione(height(), valoreMax, v);
    Ricalcola();
}

void ORVScrollBarVert::SetORV_ColoreSfondo(TColor v) {
    if (CambiaValore(coloreSfondo, v)) update();
}

void ORVScrollBarVert::SetORV_MouseScrollDi(int n) {
    if (n == 0) return;
    const GeometriaBarra g = Geometria();
    scostamento = std::max(0, int(float(scostamento) + float(n) / g.scala));
    Ricalcola();
    if (OnCambioPosizione) OnCambioPosizione(this);
}

void ORVScrollBarVert::ImpostaPosizione(int numero, int topIndex, int altezzaVoce) {
    if (altezzaVoce <= 0 || numero <= 0) return;
    scostamento = ScostamentoPerRiga(height(), valoreMax, topIndex, altezzaVoce);
    Ricalcola();
}

void ORVScrollBarVert::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVScrollBarVert::Disegna(QPainter& p) {
    const int W = width(), H = height();
    p.fillRect(0, 0, W, H, ColoreDaTColor(coloreSfondo));
    const GeometriaBarra g = Geometria();
    if (!g.cursore) return;
    const int acceso = (MouseDentro || Trascinamento) ? 1 : 0;
    const int M = MargineCursore, C = AltezzaTesta;
    const int y0 = g.yCursore;
    StiraImmagine(p, M, y0, W - M, y0 + C, skins[ORV_DDDScrollVert_1_Off + acceso]);
    StiraImmagine(p, M, y0 + C, W - M, y0 + C + g.centro, skins[ORV_DDDScrollVert_2_Off + acceso]);
    StiraImmagine(p, M, y0 + C + g.centro, W - M, y0 + 2 * C + g.centro, skins[ORV_DDDScrollVert_3_Off + acceso]);
}

void ORVScrollBarVert::MouseEntra() {
    MouseDentro = true;
    mouseSopraPerWheel = true;
    update();
}

void ORVScrollBarVert::MouseEsce() {
    MouseDentro = false;
    mouseSopraPerWheel = false;
    update();
}

void ORVScrollBarVert::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int y) {
    if (tasto != Qt::LeftButton) return;
    Trascinamento = true;
    ancoraY = y;
    scostamentoIniziale = scostamento;
    update();
}

void ORVScrollBarVert::MouseMove(Qt::KeyboardModifiers, int, int y) {
    if (!Trascinamento) return;
    const float scala = Geometria().scala;
    const int d = ancoraY - y;
    // Back at the press point the thumb is back where it was.
    if (d > 0)
        scostamento = std::max(0, int(float(scostamentoIniziale) - float(d) * scala));
    else if (d < 0)
        scostamento = int(float(scostamentoIniziale) + float(-d) * scala);
    else
        scostamento = scostamentoIniziale;
    Ricalcola();
}

void ORVScrollBarVert::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    // Only the release that ends a drag reports it.
    if (tasto != Qt::LeftButton || !Trascinamento) return;
    Trascinamento = false;
    update();
    if (scostamento != scostamentoIniziale && OnCambioPosizione) OnCambioPosizione(this);
}
