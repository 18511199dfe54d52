#include "controls/Orvformclient.h"

#include "controls/SkinFinestre.h"

#include <QEvent>
#include <QPainter>

ORVFormClient::ORVFormClient(QWidget* owner) : QWidget(owner) {
    resize(800, 600);
    if (owner) owner->installEventFilter(this);
    CreaBitmap();
}

void ORVFormClient::CreaBitmap() {
    lato5 = SkinFinestre::CorpoClient();
    Posiziona();
    update();
}

void ORVFormClient::SetNonAreaClientSX(int v) {
    sx = v;
    Posiziona();
    update();
}
void ORVFormClient::SetNonAreaClientDX(int v) {
    dx = v;
    Posiziona();
    update();
}
void ORVFormClient::SetNonAreaClientSU(int v) {
    su = v;
    Posiziona();
    update();
}
void ORVFormClient::SetNonAreaClientGIU(int v) {
    giu = v;
    Posiziona();
    update();
}
void ORVFormClient::SetLato5(const QImage& immagine) {
    lato5 = immagine;
    Posiziona();
    update();
}

void ORVFormClient::Posiziona() {
    QWidget* genitore = parentWidget();
    if (!genitore || !BitmapPresente(lato5)) return;
    setGeometry(sx, su, genitore->width() - sx - dx, genitore->height() - su - giu);
}

bool ORVFormClient::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == parentWidget() && evento->type() == QEvent::Resize) Posiziona();
    return false;
}

void ORVFormClient::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVFormClient::Disegna(QPainter& p) { StiraImmagine(p, rect(), lato5); }
