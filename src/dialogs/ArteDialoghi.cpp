#include "dialogs/ArteDialoghi.h"

#include "controls/ArteComune.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

using namespace ArteComune;

namespace ArteDialoghi {

namespace {

void Distintivo(QPainter& p, QColor chiaro, QColor scuro) {
    const QPointF centro(38.5, 38.5);
    // A soft dark halo, then the badge lit from the top left, then a thin rim.
    QRadialGradient alone(centro, 38.5);
    alone.setColorAt(0.80, QColor(0, 0, 0, 120));
    alone.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(alone);
    p.drawEllipse(centro, 38.5, 38.5);
    QRadialGradient corpo(QPointF(30, 24), 46);
    corpo.setColorAt(0.0, chiaro);
    corpo.setColorAt(1.0, scuro);
    p.setBrush(corpo);
    p.drawEllipse(centro, 33, 33);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    p.drawEllipse(centro, 32, 32);
    // The gloss over the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(Verticale(8, 38, QColor(255, 255, 255, 90), QColor(255, 255, 255, 0)));
    p.drawEllipse(QRectF(16, 8, 45, 28));
}

void Segno(QPainter& p, const QString& testo, int pixel) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel);
    f.setBold(true);
    QPainterPath percorso;
    percorso.addText(0, 0, f, testo);
    const QRectF r = percorso.boundingRect();
    percorso.translate(38.5 - r.center().x(), 39.5 - r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(percorso.translated(1.5, 1.5));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawPath(percorso);
}

// The information sign: a dot over a rounded stem, drawn as shapes so it sits true at 77x77.
void Informazione(QPainter& p) {
    QPainterPath segno;
    segno.addEllipse(QPointF(38.5, 22.5), 5.5, 5.5);
    segno.addRoundedRect(QRectF(33.5, 31.5, 10, 26), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(segno.translated(1.5, 1.5));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawPath(segno);
}

}  // namespace

QImage Messaggio(IconaMessaggio tipo) {
    QImage immagine = Vuota(LatoIconaMessaggio, LatoIconaMessaggio);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (tipo) {
    case IconaMessaggio::Errore: {
        Distintivo(p, QColor(0xF0, 0x5A, 0x4E), QColor(0x8A, 0x14, 0x10));
        QPen croce(QColor(0, 0, 0, 90), 8, Qt::SolidLine, Qt::RoundCap);
        for (int ombra = 1; ombra >= 0; --ombra) {
            const qreal d = ombra ? 1.5 : 0;
            croce.setColor(ombra ? QColor(0, 0, 0, 90) : QColor(0xF4, 0xF4, 0xF4));
            p.setPen(croce);
            p.drawLine(QPointF(27 + d, 27 + d), QPointF(50 + d, 50 + d));
            p.drawLine(QPointF(50 + d, 27 + d), QPointF(27 + d, 50 + d));
        }
        break;
    }
    case IconaMessaggio::Informazione:
        Distintivo(p, QColor(0x66, 0xD2, 0xF4), QColor(0x0A, 0x5C, 0x9C));
        Informazione(p);
        break;
    case IconaMessaggio::Domanda:
        Distintivo(p, QColor(0x5C, 0xB4, 0xFF), QColor(0x10, 0x46, 0x9A));
        Segno(p, QStringLiteral("?"), 42);
        break;
    }
    return immagine;
}

namespace {

void Cartella(QPainter& p, bool aperta) {
    const QColor bordo(0x7A, 0x55, 0x0A);
    // The back with its tab.
    QPainterPath retro;
    retro.moveTo(7.5, 4.5);
    retro.lineTo(13.5, 4.5);
    retro.lineTo(15.5, 6.5);
    retro.lineTo(23.5, 6.5);
    retro.lineTo(23.5, 16.5);
    retro.lineTo(7.5, 16.5);
    retro.closeSubpath();
    p.setPen(QPen(bordo, 1));
    p.setBrush(Verticale(4, 17, QColor(0xE8, 0xB8, 0x40), QColor(0xB8, 0x82, 0x18)));
    p.drawPath(retro);
    p.setBrush(Verticale(8, 17, QColor(0xFF, 0xDC, 0x70), QColor(0xE0, 0xA8, 0x30)));
    if (aperta) {
        // The front leans out, showing a sheet inside.
        p.fillRect(QRectF(10, 6, 11, 6), QColor(0xF2, 0xF2, 0xF2));
        QPainterPath davanti;
        davanti.moveTo(9.5, 9.5);
        davanti.lineTo(27.5, 9.5);
        davanti.lineTo(23.5, 16.5);
        davanti.lineTo(7.5, 16.5);
        davanti.closeSubpath();
        p.drawPath(davanti);
    } else {
        p.drawRect(QRectF(7.5, 8.5, 16, 8));
    }
}

void Unita(QPainter& p, const QColor& chiaro, const QColor& scuro) {
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(Verticale(6, 15, chiaro, scuro));
    p.drawRoundedRect(QRectF(4.5, 6.5, 22, 8), 2, 2);
}

void Led(QPainter& p, qreal x, qreal y, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(x, y), 1.3, 1.3);
}

}  // namespace

QImage Lista(IconaLista tipo) {
    QImage immagine = Vuota(LarghezzaIconaLista, AltezzaIconaLista);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (tipo) {
    case IconaLista::CartellaChiusa:
        Cartella(p, false);
        break;
    case IconaLista::CartellaAperta:
        Cartella(p, true);
        break;
    case IconaLista::Fisso:
        Unita(p, QColor(0xD8, 0xD8, 0xD8), QColor(0x80, 0x80, 0x80));
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.drawLine(QPointF(8, 12.5), QPointF(17, 12.5));
        Led(p, 22.5, 10.5, QColor(0x40, 0xE0, 0x60));
        break;
    case IconaLista::Rimovibile: {
        // A memory stick: body and plug.
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        p.setBrush(QColor(0xC8, 0xC8, 0xC8));
        p.drawRect(QRectF(19.5, 7.5, 6, 5));
        p.setBrush(Verticale(5, 15, QColor(0x6A, 0xA8, 0xF0), QColor(0x1C, 0x4C, 0x98)));
        p.drawRoundedRect(QRectF(5.5, 5.5, 14, 9), 2, 2);
        Led(p, 9, 10, Accento);
        break;
    }
    case IconaLista::Rete:
        Unita(p, QColor(0xD8, 0xD8, 0xD8), QColor(0x80, 0x80, 0x80));
        Led(p, 22.5, 10.5, Accento);
        p.setPen(QPen(QColor(0x60, 0xB0, 0xFF), 1.5));
        p.drawLine(QPointF(15.5, 15), QPointF(15.5, 18));
        p.drawLine(QPointF(8, 18), QPointF(23, 18));
        break;
    case IconaLista::CdDvd: {
        QRadialGradient g(QPointF(13, 7), 12);
        g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
        g.setColorAt(0.5, QColor(0xB8, 0xC8, 0xE8));
        g.setColorAt(1, QColor(0xD8, 0xB0, 0xE0));
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        p.setBrush(g);
        p.drawEllipse(QPointF(15.5, 9.5), 8, 8);
        p.setBrush(QColor(0x50, 0x50, 0x50));
        p.drawEllipse(QPointF(15.5, 9.5), 2, 2);
        break;
    }
    case IconaLista::RamDisk: {
        p.setPen(QPen(QColor(0xC8, 0xA0, 0x30), 1));
        for (int i = 0; i < 6; ++i) {
            const qreal x = 7.5 + i * 3.2;
            p.drawLine(QPointF(x, 3.5), QPointF(x, 15.5));
        }
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
        p.setBrush(QColor(0x2A, 0x6E, 0x3A));
        p.drawRect(QRectF(4.5, 5.5, 22, 8));
        p.setBrush(QColor(0x18, 0x18, 0x18));
        p.drawRect(QRectF(8.5, 7.5, 5, 4));
        p.drawRect(QRectF(17.5, 7.5, 5, 4));
        break;
    }
    }
    return immagine;
}

QImage TavolaColori() {
    QImage tavola(LarghezzaTavola, AltezzaTavola, QImage::Format_RGB32);
    const QRgb bordo = qRgb(0x60, 0x60, 0x60);
    const int interno = LarghezzaTavola - 2, alto = AltezzaTavola - 2;
    for (int y = 0; y < AltezzaTavola; ++y) {
        QRgb* riga = reinterpret_cast<QRgb*>(tavola.scanLine(y));
        if (y == 0 || y == AltezzaTavola - 1) {
            std::fill(riga, riga + LarghezzaTavola, bordo);
            continue;
        }
        // Almost white at the top to almost black at the bottom, so every hue shows at each end.
        const double luce = 0.97 - 0.94 * double(y - 1) / double(alto - 1);
        riga[0] = riga[LarghezzaTavola - 1] = bordo;
        for (int x = 1; x <= interno; ++x) {
            const double tinta = double(x - 1) / double(interno);
            riga[x] = QColor::fromHslF(std::min(tinta, 0.9999), 1.0, luce).rgb();
        }
    }
    return tavola;
}

}  // namespace ArteDialoghi
