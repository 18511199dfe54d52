// The splash picture: the title words on a dark rounded plate with a soft accent glow.
#include "Arte.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

bool DisegnaSplash(const QString& cartella) {
    const int lato = 450;
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QPainterPath lastra;
    lastra.addRoundedRect(QRectF(8.5, 8.5, lato - 17, lato - 17), 36, 36);
    QLinearGradient fondo(0, 0, 0, lato);
    fondo.setColorAt(0.0, QColor(0x36, 0x36, 0x36));
    fondo.setColorAt(1.0, QColor(0x1E, 0x1E, 0x1E));
    p.fillPath(lastra, fondo);

    QRadialGradient bagliore(lato / 2.0, lato * 0.42, lato * 0.45);
    bagliore.setColorAt(0.0, QColor(0xFD, 0xBF, 0x07, 60));  // the accent 0x07BFFD
    bagliore.setColorAt(1.0, QColor(0xFD, 0xBF, 0x07, 0));
    p.fillPath(lastra, bagliore);

    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    p.drawPath(lastra);

    QFont titolo(QStringLiteral("Liberation Sans"), 96, QFont::Black);
    titolo.setPixelSize(120);
    p.setFont(titolo);
    const QRectF riga1(0, 110, lato, 130);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(riga1.translated(3, 4), Qt::AlignCenter, QStringLiteral("QV"));
    p.setPen(QColor(0xC8, 0x00, 0x00));
    p.drawText(riga1, Qt::AlignCenter, QStringLiteral("QV"));

    QFont sotto(QStringLiteral("Liberation Sans"));
    sotto.setPixelSize(64);
    sotto.setWeight(QFont::Light);
    p.setFont(sotto);
    const QRectF riga2(0, 235, lato, 80);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(riga2.translated(2, 3), Qt::AlignCenter, QStringLiteral("Intro"));
    p.setPen(QColor(0xDC, 0xDC, 0xDC));
    p.drawText(riga2, Qt::AlignCenter, QStringLiteral("Intro"));

    p.setPen(QPen(QColor(0xFD, 0xBF, 0x07), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(lato * 0.3, 330), QPointF(lato * 0.7, 330));
    p.end();
    return SalvaArte(img.convertToFormat(QImage::Format_ARGB32), cartella + QStringLiteral("/Intro/Splash.png"));
}

const RegistraArte registra("Splash.png", DisegnaSplash);

}  // namespace
