#include "controls/SkinTimeline.h"

#include "controls/ArteComune.h"
#include "controls/SkinFinestre.h"

#include <QPainter>
#include <QPainterPath>

using namespace ArteComune;

namespace {
const QColor Grigio(0xB0, 0xB0, 0xB0);
}  // namespace

namespace SkinTimeline {

QImage Corpo() { return Vuota(6, 6, QColor(0x40, 0x40, 0x40)); }

QImage TitoloDopo() { return SkinFinestre::Pannello().lato1C.copy(0, 0, 14, 23); }

QImage Traccia() {
    // A plate with a strip of film.
    QImage im = Vuota(33, 40, QColor(0x36, 0x36, 0x36));
    QPainter p(&im);
    p.fillRect(QRect(0, 0, 33, 40), Verticale(0, 40, QColor(0x3E, 0x3E, 0x3E), QColor(0x30, 0x30, 0x30)));
    p.setPen(QColor(0x26, 0x26, 0x26));
    p.drawRect(0, 0, 32, 39);
    p.setPen(QColor(255, 255, 255, 24));
    p.drawLine(1, 1, 31, 1);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor segno = Argento;
    p.setPen(QPen(segno, 1.2));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRoundedRect(QRectF(7.5, 11.5, 18, 17), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(segno);
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(9.5 + i * 4, 13, 2, 2));
        p.drawRect(QRectF(9.5 + i * 4, 25, 2, 2));
    }
    p.setBrush(Accento);
    p.drawRect(QRectF(11, 16.5, 11, 7));
    return im;
}

QImage CursoreFrame() {
    QImage im = Vuota(13, 14);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath forma;
    forma.moveTo(0.5, 0.5);
    forma.lineTo(12.5, 0.5);
    forma.lineTo(12.5, 7.5);
    forma.lineTo(6.5, 13.5);
    forma.lineTo(0.5, 7.5);
    forma.closeSubpath();
    p.setPen(QPen(QColor(0x6A, 0x5A, 0x00), 1));
    p.setBrush(Verticale(0, 14, QColor(0xFF, 0xF4, 0x60), QColor(0xE8, 0xC8, 0x00)));
    p.drawPath(forma);
    return im;
}

QImage Lente() {
    QImage im = Vuota(23, 20, QColor(0x40, 0x40, 0x40));
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Argento, 1.8));
    p.setBrush(QColor(0x9C, 0xC8, 0xE0, 60));
    p.drawEllipse(QPointF(10, 8.5), 5.5, 5.5);
    p.setPen(QPen(Argento, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 13), QPointF(18.5, 17));
    return im;
}

QImage BottoneZoom(bool sinistra, bool acceso) {
    QImage im = Vuota(23, 23, QColor(0x40, 0x40, 0x40));
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor bordo = acceso ? QColor(0xFF, 0x8C, 0x07) : QColor(0x5A, 0x5A, 0x5A);
    p.setPen(QPen(bordo, 1));
    p.setBrush(Verticale(1, 22, acceso ? QColor(0x5A, 0x48, 0x30) : QColor(0x4A, 0x4A, 0x4A),
                         acceso ? QColor(0x3A, 0x2C, 0x1C) : QColor(0x34, 0x34, 0x34)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 20, 20), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(acceso ? QColor(0xFF, 0x8C, 0x07) : Grigio);
    QPolygonF t;
    if (sinistra)
        t << QPointF(7, 11.5) << QPointF(14.5, 6.5) << QPointF(14.5, 16.5);
    else
        t << QPointF(16, 11.5) << QPointF(8.5, 6.5) << QPointF(8.5, 16.5);
    p.drawPolygon(t);
    return im;
}

}  // namespace SkinTimeline
