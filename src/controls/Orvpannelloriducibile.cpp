#include "controls/Orvpannelloriducibile.h"

#include "controls/Orvpannellobordo.h"
#include "controls/SkinFinestre.h"

#include <QPainter>

ORVPannelloRiducibile::ORVPannelloRiducibile(QWidget* owner) : QWidget(owner) {
    resize(600, 64);
    setFont(FontControllo("Arial", 10));
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVPannelloRiducibile::CreaBitmap() {
    skins[BTN_Aperto_OFF] = SkinFinestre::BottoneRiducibile(true, false);
    skins[BTN_Aperto_ON] = SkinFinestre::BottoneRiducibile(true, true);
    skins[BTN_Chiuso_OFF] = SkinFinestre::BottoneRiducibile(false, false);
    skins[BTN_Chiuso_ON] = SkinFinestre::BottoneRiducibile(false, true);
    update();
}

void ORVPannelloRiducibile::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORVPannelloRiducibile::SetStato(bool v) {
    if (!CambiaValore(aperto, v)) return;
    resize(width(), aperto ? altezzaAperto : altezzaChiuso);
    update();
}

void ORVPannelloRiducibile::SetAltezzaAperto(int v) {
    if (!CambiaValore(altezzaAperto, v)) return;
    resize(width(), v);
    update();
}

void ORVPannelloRiducibile::SetAltezzaChiuso(int v) {
    if (CambiaValore(altezzaChiuso, v)) update();
}
void ORVPannelloRiducibile::SetColoreSfondo(TColor v) {
    if (CambiaValore(coloreSfondo, v)) update();
}
void ORVPannelloRiducibile::SetBorderLeft(bool v) {
    if (CambiaValore(sinistra, v)) update();
}
void ORVPannelloRiducibile::SetBorderTop(bool v) {
    if (CambiaValore(alto, v)) update();
}
void ORVPannelloRiducibile::SetBorderRight(bool v) {
    if (CambiaValore(destra, v)) update();
}
void ORVPannelloRiducibile::SetBorderBottom(bool v) {
    if (CambiaValore(basso, v)) update();
}
void ORVPannelloRiducibile::SetBorderColor(TColor v) {
    if (CambiaValore(coloreBordo, v)) update();
}

void ORVPannelloRiducibile::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVPannelloRiducibile::Disegna(QPainter& p) {
    p.fillRect(rect(), ColoreDaTColor(coloreSfondo));
    DisegnaImmagine(p, 0, 2, skins[aperto ? BTN_Aperto_OFF : BTN_Chiuso_OFF]);
    DisegnaLatiPannello(p, width(), height(), coloreBordo, sinistra, alto, destra, basso);
}

void ORVPannelloRiducibile::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto == Qt::LeftButton) TastoPremuto = true;
}

void ORVPannelloRiducibile::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    if (x < 0 || x > 23 || y < 0 || y > 23) return;
    aperto = !aperto;
    resize(width(), aperto ? altezzaAperto : altezzaChiuso);
    update();
}
