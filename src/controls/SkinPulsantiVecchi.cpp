#include "controls/SkinPulsantiVecchi.h"

#include "controls/ArteComune.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

using namespace ArteComune;

namespace {
// The amber body shared by the caps and the strips, so their edges meet.
void CorpoAmbra(QPainter& p, int larghezza, bool attivo) {
    const QColor alto = attivo ? QColor(0xFF, 0xD2, 0x5A) : QColor(0xF2, 0xB4, 0x1E);
    const QColor basso = attivo ? QColor(0xE8, 0x9A, 0x12) : QColor(0xB8, 0x78, 0x06);
    p.fillRect(QRect(0, 0, larghezza, 26), Verticale(0, 26, alto, basso));
    p.fillRect(QRect(0, 0, larghezza, 1), QColor(0x5A, 0x3A, 0x00));
    p.fillRect(QRect(0, 25, larghezza, 1), QColor(0x5A, 0x3A, 0x00));
    p.fillRect(QRect(0, 1, larghezza, 1), QColor(255, 255, 255, attivo ? 110 : 70));
}
}  // namespace

namespace SkinPulsantiVecchi {

QImage StrisciaLista(bool attiva) {
    const int L = attiva ? 5 : 3;
    QImage im = Vuota(L, 26);
    QPainter p(&im);
    CorpoAmbra(p, L, attiva);
    return im;
}

QImage CapoLista(bool sinistro, bool attivo) {
    const int L = sinistro ? 29 : 26;
    QImage im = Vuota(L, 26);
    QPainter p(&im);
    CorpoAmbra(p, L, attivo);
    // The outer end closes the bar, a groove parts the arrow from the caption.
    const QColor bordo(0x5A, 0x3A, 0x00);
    const int fine = sinistro ? 0 : L - 1, solco = sinistro ? L - 2 : 1;
    p.fillRect(QRect(fine, 0, 1, 26), bordo);
    p.fillRect(QRect(solco, 4, 1, 18), QColor(0x7A, 0x50, 0x00));
    p.fillRect(QRect(solco + 1, 4, 1, 18), QColor(255, 255, 255, 60));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal c = sinistro ? 13.5 : 13;
    QPolygonF punta;
    if (sinistro)
        punta << QPointF(c + 3, 7.5) << QPointF(c - 3, 13) << QPointF(c + 3, 18.5);
    else
        punta << QPointF(c - 3, 7.5) << QPointF(c + 3, 13) << QPointF(c - 3, 18.5);
    p.drawPolyline(punta);
    return im;
}

QImage TitoloBordo(PezzoTitolo pezzo) {
    const int L = pezzo == PezzoTitolo::Sinistro ? 40 : pezzo == PezzoTitolo::Centro ? 6 : 12;
    QImage im = Vuota(L, 30);
    QPainter p(&im);
    p.fillRect(QRect(0, 0, L, 30), Verticale(0, 30, QColor(0x2E, 0x2E, 0x2E), QColor(0x19, 0x19, 0x19)));
    p.fillRect(QRect(0, 0, L, 1), QColor(0x48, 0x48, 0x48));
    p.fillRect(QRect(0, 29, L, 1), QColor(0x0A, 0x0A, 0x0A));
    if (pezzo == PezzoTitolo::Sinistro) {
        p.fillRect(QRect(0, 0, 1, 30), QColor(0x0A, 0x0A, 0x0A));
        p.setRenderHint(QPainter::Antialiasing, true);
        QRadialGradient luce(QPointF(15, 12), 12);
        luce.setColorAt(0, QColor(0xFF, 0xE2, 0x7A));
        luce.setColorAt(0.5, Accento);
        luce.setColorAt(1, QColor(0xB0, 0x70, 0x00));
        p.setPen(QPen(QColor(0x5A, 0x3C, 0x00), 1));
        p.setBrush(luce);
        p.drawEllipse(QPointF(18, 15), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1A, 0x1A, 0x1A));
        p.drawPolygon(QPolygonF({QPointF(15.5, 11), QPointF(22, 15), QPointF(15.5, 19)}));
    }
    if (pezzo == PezzoTitolo::Destro) p.fillRect(QRect(L - 1, 0, 1, 30), QColor(0x0A, 0x0A, 0x0A));
    return im;
}

QImage FacciaPulsante(int stato, int larghezza, int altezza) {
    QImage im = Vuota(larghezza, altezza);
    QPainter p(&im);
    struct {
        QColor alto, basso, bordo;
    } const toni[] = {
        {QColor(0x3C, 0x3C, 0x3C), QColor(0x2A, 0x2A, 0x2A), QColor(0x40, 0x40, 0x40)},
        {QColor(0x4A, 0x4A, 0x4A), QColor(0x36, 0x36, 0x36), QColor(0xFD, 0xBF, 0x07, 160)},
        {QColor(0x22, 0x22, 0x22), QColor(0x30, 0x30, 0x30), Accento},
        {QColor(0x30, 0x30, 0x30), QColor(0x2A, 0x2A, 0x2A), QColor(0x38, 0x38, 0x38)},
    };
    const auto& t = toni[std::clamp(stato, 0, 3)];
    p.fillRect(QRect(0, 0, larghezza, altezza), Verticale(0, altezza, t.alto, t.basso));
    p.setPen(t.bordo);
    p.drawRect(0, 0, larghezza - 1, altezza - 1);
    if (stato != 2) p.fillRect(QRect(1, 1, larghezza - 2, 1), QColor(255, 255, 255, 24));
    return im;
}

QImage FondoPulsanteAA() {
    // Rounded ends and a flat centre: the control stretches the rows and columns between.
    QImage im = Vuota(16, 16, QColor(0x2D, 0x2D, 0x2D));
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 5, 5);
    return im;
}

}  // namespace SkinPulsantiVecchi
