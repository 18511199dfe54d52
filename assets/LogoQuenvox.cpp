// The default logo: an amber ring badge with the red "QV" and the silver word "Quenvox",
// on a transparent ground with a soft shadow, so it sits on any background.
#include "Arte.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

void Ombra(QImage& img, const QPainterPath& forma, QPointF spostamento) {
    QImage ombra(img.size(), QImage::Format_ARGB32_Premultiplied);
    ombra.fill(Qt::transparent);
    QPainter p(&ombra);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(spostamento);
    for (int w = 18; w >= 2; w -= 4) {
        p.setPen(QPen(QColor(0, 0, 0, 14), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(forma);
    }
    p.fillPath(forma, QColor(0, 0, 0, 110));
    p.end();
    QPainter q(&img);
    q.drawImage(0, 0, ombra);
}

bool DisegnaLogo(const QString& cartella) {

    const QPointF centro(160, 160);
    QPainterPath anello;
    anello.addEllipse(centro, 130, 130);
    QPainterPath interno;
    interno.addEllipse(centro, 104, 104);

    QFont grosso(QStringLiteral("Liberation Sans"));
    grosso.setPixelSize(112);
    grosso.setWeight(QFont::Black);
    QPainterPath sigla;
    sigla.addText(0, 0, grosso, QStringLiteral("QV"));
    sigla.translate(centro - sigla.boundingRect().center());

    QFont parola(QStringLiteral("Liberation Sans"));
    parola.setPixelSize(140);
    parola.setWeight(QFont::Bold);
    QPainterPath nome;
    nome.addText(0, 0, parola, QStringLiteral("Quenvox"));
    nome.translate(QPointF(316, 160) - QPointF(nome.boundingRect().left(), nome.boundingRect().center().y()));

    // As wide as the word needs, with room for the shadow.
    const int w = static_cast<int>(nome.boundingRect().right()) + 34, h = 320;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);

    QPainterPath tutto = anello.united(nome);
    Ombra(img, tutto, QPointF(5, 7));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The badge: amber ring (the accent), dark glassy disc inside.
    QLinearGradient oro(0, 30, 0, 290);
    oro.setColorAt(0.0, QColor(0xFF, 0xE0, 0x70));
    oro.setColorAt(0.5, QColor(0xFD, 0xBF, 0x07));
    oro.setColorAt(1.0, QColor(0xB0, 0x70, 0x00));
    p.fillPath(anello.subtracted(interno), oro);
    QRadialGradient vetro(centro - QPointF(30, 40), 150);
    vetro.setColorAt(0.0, QColor(0x4A, 0x4A, 0x4A));
    vetro.setColorAt(1.0, QColor(0x1A, 0x1A, 0x1A));
    p.fillPath(interno, vetro);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawEllipse(centro, 128, 128);

    QLinearGradient rosso(0, 100, 0, 220);
    rosso.setColorAt(0.0, QColor(0xFF, 0x30, 0x20));
    rosso.setColorAt(1.0, QColor(0xC8, 0x00, 0x00));
    p.setPen(QPen(QColor(40, 0, 0, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(rosso);
    p.drawPath(sigla);

    // The word in silver with a thin dark edge and a light top.
    QLinearGradient argento(0, nome.boundingRect().top(), 0, nome.boundingRect().bottom());
    argento.setColorAt(0.0, QColor(0xF4, 0xF4, 0xF4));
    argento.setColorAt(0.48, QColor(0xDC, 0xDC, 0xDC));
    argento.setColorAt(0.52, QColor(0xB4, 0xB4, 0xB4));
    argento.setColorAt(1.0, QColor(0xE0, 0xE0, 0xE0));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(argento);
    p.drawPath(nome);
    p.end();
    return SalvaArte(img.convertToFormat(QImage::Format_ARGB32), cartella + QStringLiteral("/Intro/04 Logo Quenvox.png"));
}

const RegistraArte registra("04 Logo Quenvox.png", DisegnaLogo);

}  // namespace
