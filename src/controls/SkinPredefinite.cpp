#include "controls/SkinPredefinite.h"

#include "controls/ArteComune.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace ArteComune;

namespace {
const QColor BordoScuro(0x1C, 0x1C, 0x1C);

struct Toni {
    QColor alto, basso, bordo, luce;
};

Toni ToniDi(AspettoSkin aspetto) {
    switch (aspetto) {
    case AspettoSkin::Attivo:
        return {QColor(0x4A, 0x4A, 0x4A), QColor(0x3A, 0x3A, 0x3A), QColor(0xFD, 0xBF, 0x07, 150),
                QColor(255, 255, 255, 34)};
    case AspettoSkin::Premuto:
        return {QColor(0x24, 0x24, 0x24), QColor(0x30, 0x30, 0x30), Accento, QColor(0, 0, 0, 60)};
    case AspettoSkin::Normale:
    default:
        return {QColor(0x3C, 0x3C, 0x3C), QColor(0x2D, 0x2D, 0x2D), Bordo, QColor(255, 255, 255, 22)};
    }
}

// A rounded bar; the sides named in tondoSinistra / tondoDestra get round corners, the others
// run out of the picture so that the bar continues in the next slice.
void DisegnaBarra(QPainter& p, const QRectF& area, const Toni& t, bool tondoSinistra, bool tondoDestra) {
    const qreal r = 4.0;
    QRectF forma = area.adjusted(0.5, 0.5, -0.5, -0.5);
    if (!tondoSinistra) forma.setLeft(forma.left() - 8);
    if (!tondoDestra) forma.setRight(forma.right() + 8);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(t.bordo, 1));
    p.setBrush(Verticale(area.top(), area.bottom(), t.alto, t.basso));
    p.drawRoundedRect(forma, r, r);
    // One-pixel highlight under the top edge.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(t.luce);
    const int x1 = tondoSinistra ? int(area.left()) + 3 : int(area.left());
    const int x2 = tondoDestra ? int(area.right()) - 4 : int(area.right());
    p.drawLine(x1, int(area.top()) + 1, x2, int(area.top()) + 1);
}

void Chevron(QPainter& p, DirezioneFreccia d, QPointF c, const QColor& colore) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen penna(colore, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(penna);
    p.setBrush(Qt::NoBrush);
    const qreal a = 3.5, b = 6.0;
    QPolygonF linea;
    switch (d) {
    case DirezioneFreccia::Sinistra:
        linea << QPointF(c.x() + a / 1.4, c.y() - b / 1.2) << QPointF(c.x() - a / 1.4, c.y())
              << QPointF(c.x() + a / 1.4, c.y() + b / 1.2);
        break;
    case DirezioneFreccia::Destra:
        linea << QPointF(c.x() - a / 1.4, c.y() - b / 1.2) << QPointF(c.x() + a / 1.4, c.y())
              << QPointF(c.x() - a / 1.4, c.y() + b / 1.2);
        break;
    case DirezioneFreccia::Su:
        linea << QPointF(c.x() - b / 1.2, c.y() + a / 1.4) << QPointF(c.x(), c.y() - a / 1.4)
              << QPointF(c.x() + b / 1.2, c.y() + a / 1.4);
        break;
    case DirezioneFreccia::Giu:
        linea << QPointF(c.x() - b / 1.2, c.y() - a / 1.4) << QPointF(c.x(), c.y() + a / 1.4)
              << QPointF(c.x() + b / 1.2, c.y() - a / 1.4);
        break;
    }
    p.drawPolyline(linea);
}
}  // namespace

namespace SkinPredefinite {

QImage Corpo(AspettoSkin aspetto, int fetta) {
    QImage barra = Vuota(15, 28);
    {
        QPainter p(&barra);
        DisegnaBarra(p, QRectF(0, 0, 15, 28), ToniDi(aspetto), true, true);
    }
    const int indice = fetta < 1 ? 0 : (fetta > 3 ? 2 : fetta - 1);
    return barra.copy(indice * 5, 0, 5, 28);
}

QImage Led(bool acceso) {
    QImage immagine = Vuota(28, 28);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(14, 14);
    // Sunken socket.
    p.setPen(QPen(BordoScuro, 1));
    p.setBrush(Verticale(6, 22, QColor(0x1A, 0x1A, 0x1A), QColor(0x3A, 0x3A, 0x3A)));
    p.drawEllipse(c, 7.5, 7.5);
    if (acceso) {
        QRadialGradient luce(QPointF(12.5, 12.0), 7.0);
        luce.setColorAt(0, QColor(0xFF, 0xEE, 0xB0));
        luce.setColorAt(0.45, Accento);
        luce.setColorAt(1, QColor(0xB8, 0x7A, 0x00));
        p.setPen(QPen(QColor(0x7A, 0x50, 0x00), 1));
        p.setBrush(luce);
        p.drawEllipse(c, 5.5, 5.5);
    } else {
        QRadialGradient spento(QPointF(12.5, 12.0), 7.0);
        spento.setColorAt(0, QColor(0x5A, 0x5A, 0x5A));
        spento.setColorAt(1, QColor(0x30, 0x30, 0x30));
        p.setPen(QPen(QColor(0x22, 0x22, 0x22), 1));
        p.setBrush(spento);
        p.drawEllipse(c, 5.5, 5.5);
    }
    // Specular dot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, acceso ? 150 : 50));
    p.drawEllipse(QPointF(12.0, 11.5), 1.6, 1.2);
    return immagine;
}

QImage BottoneApri(bool attivo) {
    QImage immagine = Vuota(28, 28);
    QPainter p(&immagine);
    DisegnaBarra(p, QRectF(0, 0, 28, 28), ToniDi(attivo ? AspettoSkin::Premuto : AspettoSkin::Normale), true, true);
    // A folder: tab and body outline.
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor tratto = attivo ? Accento : Argento;
    p.setPen(QPen(tratto, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath cartella;
    cartella.moveTo(7.5, 19.5);
    cartella.lineTo(7.5, 9.5);
    cartella.lineTo(11.5, 9.5);
    cartella.lineTo(13.0, 11.0);
    cartella.lineTo(20.5, 11.0);
    cartella.lineTo(20.5, 19.5);
    cartella.closeSubpath();
    p.drawPath(cartella);
    p.drawLine(QPointF(7.5, 13.5), QPointF(20.5, 13.5));
    return immagine;
}

QImage Freccia(DirezioneFreccia direzione, bool attivo) {
    QImage immagine = Vuota(28, 28);
    QPainter p(&immagine);
    const Toni toni = ToniDi(attivo ? AspettoSkin::Premuto : AspettoSkin::Normale);
    const QColor tratto = attivo ? Accento : Argento;
    switch (direzione) {
    case DirezioneFreccia::Sinistra:
        DisegnaBarra(p, QRectF(0, 0, 28, 28), toni, true, false);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0x24, 0x24, 0x24));
        p.drawLine(26, 6, 26, 21);
        p.setPen(QColor(0x48, 0x48, 0x48));
        p.drawLine(27, 6, 27, 21);
        Chevron(p, direzione, QPointF(13.5, 14.0), tratto);
        break;
    case DirezioneFreccia::Destra:
        DisegnaBarra(p, QRectF(0, 0, 28, 28), toni, false, true);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0x24, 0x24, 0x24));
        p.drawLine(0, 6, 0, 21);
        p.setPen(QColor(0x48, 0x48, 0x48));
        p.drawLine(1, 6, 1, 21);
        Chevron(p, direzione, QPointF(14.5, 14.0), tratto);
        break;
    case DirezioneFreccia::Su:
    case DirezioneFreccia::Giu:
        DisegnaBarra(p, QRectF(0, 0, 28, 28), toni, true, true);
        Chevron(p, direzione, QPointF(14.0, 14.0), tratto);
        break;
    }
    return immagine;
}

QImage Stato(bool acceso) {
    QImage immagine = Vuota(30, 33);
    QPainter p(&immagine);
    DisegnaBarra(p, QRectF(0, 0, 30, 33), ToniDi(AspettoSkin::Normale), true, true);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(acceso ? QColor(0x7A, 0x50, 0x00) : QColor(0x22, 0x22, 0x22), 1));
    p.setBrush(acceso ? Accento : QColor(0x44, 0x44, 0x44));
    p.drawEllipse(QPointF(15, 16.5), 6, 6);
    return immagine;
}

QImage TracciaSlider() {
    QImage immagine = Vuota(132, 11);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x1E, 0x1E, 0x1E), 1));
    p.setBrush(QColor(0x2A, 0x2A, 0x2A));
    p.drawRoundedRect(QRectF(2.5, 4.5, 126, 4), 2, 2);
    p.end();
    // The two rows that carry the gradient; white until colours are given.
    for (int y = 6; y <= 7; ++y)
        for (int x = 4; x <= 125; ++x) immagine.setPixel(x, y, qRgb(255, 255, 255));
    return immagine;
}

QImage CursoreSlider() {
    QImage immagine = Vuota(11, 12);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF forma;
    forma << QPointF(0.5, 0.5) << QPointF(10.5, 0.5) << QPointF(10.5, 6.5) << QPointF(5.5, 11.5)
          << QPointF(0.5, 6.5);
    p.setPen(QPen(QColor(0x6A, 0x48, 0x00), 1));
    p.setBrush(Accento);
    p.drawPolygon(forma);
    p.setPen(QColor(255, 240, 190, 170));
    p.drawLine(QPointF(2, 2), QPointF(9, 2));
    return immagine;
}

QImage BottoneSlider(bool piu, bool attivo) {
    QImage immagine = Vuota(12, 20);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(attivo ? QColor(0x8A, 0x62, 0x00) : QColor(0x2A, 0x2A, 0x2A), 1));
    p.setBrush(attivo ? Accento : QColor(0x46, 0x46, 0x46));
    p.drawRoundedRect(QRectF(0.5, 4.5, 11, 11), 2.5, 2.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor segno = attivo ? QColor(0x20, 0x20, 0x20) : Argento;
    p.fillRect(3, 9, 6, 2, segno);
    if (piu) p.fillRect(5, 7, 2, 6, segno);
    return immagine;
}

}  // namespace SkinPredefinite
