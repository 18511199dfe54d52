#include "dialogs/Forvdlgmessaggio.h"

#include "controls/ComuneControlli.h"
#include "controls/Posizionamento.h"

#include <QPainter>

namespace {
constexpr TColor Fondo = 0x282828;
constexpr TColor Colore = 0xFF7F7F;
constexpr int Rientro = 5;
constexpr int Penna = 4;
}  // namespace

TORVDLGMessaggio::TORVDLGMessaggio(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(789, 286);
    setFont(FontControllo("Calibri", 36));
}

void TORVDLGMessaggio::SetRiga1(const QString& testo) {
    if (CambiaValore(riga1, testo)) update();
}
void TORVDLGMessaggio::SetRiga2(const QString& testo) {
    if (CambiaValore(riga2, testo)) update();
}

void TORVDLGMessaggio::Disegna(QPainter& p) const {
    const int W = width(), H = height();
    p.fillRect(rect(), ColoreDaTColor(Fondo));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(ColoreDaTColor(Colore), Penna));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(Rientro, Rientro, W - 2 * Rientro, H - 2 * Rientro));
    p.setFont(font());
    const int alto = AltezzaTesto(font());
    const int ascesa = QFontMetrics(font()).ascent();
    auto riga = [&](const QString& testo, int centro) {
        const int x = (W - LarghezzaTesto(font(), testo)) / 2;
        p.drawText(x, centro - alto / 2 + ascesa, testo);
    };
    riga(riga1, H / 4);
    riga(riga2, H * 3 / 4);
}

void TORVDLGMessaggio::showEvent(QShowEvent* e) {
    CentraRidimensionaForm(this, 659, 351);
    QWidget::showEvent(e);
}

void TORVDLGMessaggio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}
