// The splash picture: the program's mark, a rimmed medallion with "QV", rising out of a dark
// plate that carries the name on a strip of film. Everything outside is left transparent, so
// the window takes the outline as its shape.
#include "Arte.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor Accento(0xFD, 0xBF, 0x07);  // the accent 0x07BFFD
const QColor Rosso(0xC8, 0x00, 0x00);    // the title word "QV"

QFont Carattere(int pixel, int peso, bool corsivo = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixel);
    f.setWeight(QFont::Weight(peso));
    f.setItalic(corsivo);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A text path centred on (cx, base line y).
QPainterPath TestoCentrato(const QString& testo, const QFont& font, qreal cx, qreal y) {
    QPainterPath p;
    p.addText(0, 0, font, testo);
    const QRectF r = p.boundingRect();
    return p.translated(cx - r.center().x(), y);
}

void Lastra(QPainter& p, const QPainterPath& forma) {
    QLinearGradient fondo(0, 120, 0, 440);
    fondo.setColorAt(0.0, QColor(0x3C, 0x3C, 0x3C));
    fondo.setColorAt(0.55, QColor(0x2D, 0x2D, 0x2D));
    fondo.setColorAt(1.0, QColor(0x1A, 0x1A, 0x1A));
    p.fillPath(forma, fondo);
    // A soft accent glow behind the medallion.
    QRadialGradient bagliore(225, 170, 210);
    bagliore.setColorAt(0.0, QColor(Accento.red(), Accento.green(), Accento.blue(), 46));
    bagliore.setColorAt(1.0, QColor(Accento.red(), Accento.green(), Accento.blue(), 0));
    p.fillPath(forma, bagliore);
}

// A strip of film across the plate: a dark band with sprocket holes above and below.
void Pellicola(QPainter& p, const QPainterPath& forma, qreal y, qreal altezza) {
    p.save();
    p.setClipPath(forma);
    const QRectF banda(0, y, 450, altezza);
    QLinearGradient g(0, y, 0, y + altezza);
    g.setColorAt(0.0, QColor(0x12, 0x12, 0x12));
    g.setColorAt(0.5, QColor(0x1E, 0x1E, 0x1E));
    g.setColorAt(1.0, QColor(0x12, 0x12, 0x12));
    p.fillRect(banda, g);
    p.setPen(Qt::NoPen);
    for (qreal x = 14; x < 450; x += 22) {
        for (qreal yf : {y + 5.0, y + altezza - 13.0}) {
            QPainterPath foro;
            foro.addRoundedRect(QRectF(x, yf, 11, 8), 2, 2);
            p.fillPath(foro, QColor(0x4A, 0x4A, 0x4A));
            p.fillPath(foro.translated(0, 1), QColor(0x08, 0x08, 0x08));
        }
    }
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.drawLine(QPointF(0, y + 0.5), QPointF(450, y + 0.5));
    p.drawLine(QPointF(0, y + altezza - 0.5), QPointF(450, y + altezza - 0.5));
    p.restore();
}

void Medaglione(QPainter& p, QPointF centro, qreal raggio) {
    // Drop shadow onto the plate.
    for (int i = 8; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawEllipse(centro + QPointF(0, 6), raggio + i, raggio + i);
    }
    QLinearGradient anello(centro.x(), centro.y() - raggio, centro.x(), centro.y() + raggio);
    anello.setColorAt(0.0, QColor(0xFF, 0xE0, 0x70));
    anello.setColorAt(0.45, Accento);
    anello.setColorAt(1.0, QColor(0xB0, 0x78, 0x00));
    p.setBrush(anello);
    p.setPen(QPen(QColor(0x60, 0x40, 0x00), 1.5));
    p.drawEllipse(centro, raggio, raggio);

    const qreal interno = raggio * 0.80;
    QRadialGradient disco(centro - QPointF(interno * 0.3, interno * 0.4), interno * 1.4);
    disco.setColorAt(0.0, QColor(0x4A, 0x4A, 0x4A));
    disco.setColorAt(1.0, QColor(0x16, 0x16, 0x16));
    p.setBrush(disco);
    p.setPen(QPen(QColor(0x70, 0x50, 0x00), 2));
    p.drawEllipse(centro, interno, interno);

    const QPainterPath qv = TestoCentrato(QStringLiteral("QV"), Carattere(int(raggio * 0.95), QFont::Bold),
                                          centro.x(), centro.y() + raggio * 0.34);
    p.fillPath(qv.translated(3, 4), QColor(0, 0, 0, 150));
    QLinearGradient rosso(0, centro.y() - raggio * 0.4, 0, centro.y() + raggio * 0.4);
    rosso.setColorAt(0.0, QColor(0xFF, 0x3A, 0x2A));
    rosso.setColorAt(1.0, Rosso);
    p.setPen(QPen(QColor(0x40, 0x00, 0x00), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(rosso);
    p.drawPath(qv);

    // A gloss over the upper half of the disc.
    QPainterPath lucido;
    lucido.addEllipse(centro, interno, interno);
    QPainterPath taglio;
    taglio.addEllipse(QPointF(centro.x(), centro.y() + interno * 0.9), interno * 1.6, interno * 1.25);
    lucido = lucido.subtracted(taglio);
    QLinearGradient luce(0, centro.y() - interno, 0, centro.y());
    luce.setColorAt(0.0, QColor(255, 255, 255, 50));
    luce.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(lucido, luce);
}

bool DisegnaSplash(const QString& cartella) {
    const int lato = 450;
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QPointF centro(225, 150);
    const qreal raggio = 118;
    // The outline: a rounded plate with the medallion's rim rising above its top edge.
    QPainterPath lastra;
    lastra.addRoundedRect(QRectF(16, 120, lato - 32, 314), 34, 34);
    QPainterPath cerchio;
    cerchio.addEllipse(centro, raggio + 10, raggio + 10);
    const QPainterPath forma = lastra.united(cerchio);

    Lastra(p, forma);
    Pellicola(p, lastra, 296, 64);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(forma);
    p.setPen(QPen(QColor(0x5A, 0x5A, 0x5A), 1));
    p.drawPath(forma.translated(0, 1.5).intersected(forma));

    Medaglione(p, centro, raggio);

    // The name on the film strip, silver with a dark shadow.
    const QPainterPath nome = TestoCentrato(QStringLiteral("Quenvox"), Carattere(50, QFont::Bold), 225, 346);
    p.fillPath(nome.translated(2, 3), QColor(0, 0, 0, 170));
    QLinearGradient argento(0, 308, 0, 348);
    argento.setColorAt(0.0, QColor(0xF4, 0xF4, 0xF4));
    argento.setColorAt(0.55, QColor(0xC0, 0xC0, 0xC0));
    argento.setColorAt(1.0, QColor(0x8C, 0x8C, 0x8C));
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.2));
    p.setBrush(argento);
    p.drawPath(nome);

    // The accent rule above the version text, which the window writes at run time.
    QLinearGradient riga(120, 0, 330, 0);
    riga.setColorAt(0.0, QColor(Accento.red(), Accento.green(), Accento.blue(), 0));
    riga.setColorAt(0.5, Accento);
    riga.setColorAt(1.0, QColor(Accento.red(), Accento.green(), Accento.blue(), 0));
    p.setPen(QPen(QBrush(riga), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 378), QPointF(330, 378));
    p.end();
    return SalvaArte(img.convertToFormat(QImage::Format_ARGB32), cartella + QStringLiteral("/Intro/Splash.png"));
}

const RegistraArte registra("Splash.png", DisegnaSplash);

}  // namespace
