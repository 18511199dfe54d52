#include "controls/SkinFinestre.h"

#include "controls/ArteComune.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace ArteComune;

namespace {
const QColor AccentoScuro(0x8A, 0x62, 0x00);
const QColor LineaInterna(0x4C, 0x4C, 0x4C);
const QColor Nero(0x12, 0x12, 0x12);
const QColor SfondoChiaro(0x36, 0x36, 0x36);
const QColor SfondoScuro(0x2D, 0x2D, 0x2D);

// ---- Window frame -------------------------------------------------------------------------
// The whole frame drawn once at a size of its own; the nine pieces are cut from it.
constexpr int ModelloL = 320, ModelloA = 160;
constexpr int AltoTitolo = 36;  // the client starts here
constexpr int AltoFondo = 23;

void Emblema(QPainter& p, QPointF c, qreal r) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient luce(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    luce.setColorAt(0, QColor(0xFF, 0xE2, 0x7A));
    luce.setColorAt(0.5, Accento);
    luce.setColorAt(1, QColor(0xB0, 0x70, 0x00));
    p.setPen(QPen(QColor(0x5A, 0x3C, 0x00), 1));
    p.setBrush(luce);
    p.drawEllipse(c, r, r);
    QPolygonF triangolo;
    triangolo << c + QPointF(-r * 0.32, -r * 0.48) << c + QPointF(r * 0.52, 0) << c + QPointF(-r * 0.32, r * 0.48);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1A, 0x1A, 0x1A));
    p.drawPolygon(triangolo);
}

const QImage& ModelloForm() {
    static const QImage modello = [] {
        QImage im = Vuota(ModelloL, ModelloA, Nero);
        QPainter p(&im);
        // Title band and bottom band.
        p.fillRect(QRect(0, 0, ModelloL, AltoTitolo), Verticale(0, AltoTitolo, QColor(0x2C, 0x2C, 0x2C), QColor(0x1A, 0x1A, 0x1A)));
        p.fillRect(QRect(0, ModelloA - AltoFondo, ModelloL, AltoFondo),
                   Verticale(ModelloA - AltoFondo, ModelloA, QColor(0x1C, 0x1C, 0x1C), QColor(0x14, 0x14, 0x14)));
        p.setPen(QColor(255, 255, 255, 20));
        p.drawLine(8, 1, ModelloL - 9, 1);
        // Inner lines beside the client.
        p.setPen(LineaInterna);
        p.drawLine(3, AltoTitolo - 1, 3, ModelloA - AltoFondo);
        p.drawLine(ModelloL - 5, AltoTitolo - 1, ModelloL - 5, ModelloA - AltoFondo);
        p.drawLine(3, AltoTitolo - 1, ModelloL - 5, AltoTitolo - 1);
        p.drawLine(3, ModelloA - AltoFondo, ModelloL - 5, ModelloA - AltoFondo);
        // Outer edge, following the window's rounded corners.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x3E, 0x3E, 0x3E), 1));
        p.drawRoundedRect(QRectF(0.5, 0.5, ModelloL - 1, ModelloA - 1), 7, 7);
        // The plate: emblem and a thin rule closing it.
        Emblema(p, QPointF(21, 18), 9);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0x10, 0x10, 0x10));
        p.drawLine(126, 9, 126, 27);
        p.setPen(QColor(0x38, 0x38, 0x38));
        p.drawLine(127, 9, 127, 27);
        // A faint word mark on the plate.
        QFont f = FontPixel("Calibri", 13, true);
        p.setFont(f);
        p.setPen(QColor(0x8A, 0x8A, 0x8A));
        p.drawText(QRect(36, 0, 88, AltoTitolo), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Quenvox"));
        return im;
    }();
    return modello;
}
}  // namespace

namespace SkinFinestre {

QImage LatoForm(int n) {
    const QImage& m = ModelloForm();
    const int medioY = (AltoTitolo + ModelloA - AltoFondo) / 2;
    switch (n) {
    case 1: return m.copy(0, 0, 129, 39);
    case 2: return m.copy(160, 0, 8, 39);
    case 3: return m.copy(ModelloL - 21, 0, 21, 39);
    case 4: return m.copy(0, medioY, 4, 6);
    case 5: return m.copy(100, medioY, 2, 2);
    case 6: return m.copy(ModelloL - 5, medioY, 5, 8);
    case 7: return m.copy(0, ModelloA - 23, 16, 23);
    case 8: return m.copy(160, ModelloA - 23, 6, 23);
    case 9: return m.copy(ModelloL - 16, ModelloA - 23, 16, 23);
    default: return QImage();
    }
}

QImage AltroAngolo() { return ModelloForm().copy(160, 0, 16, 39).copy(0, 0, 16, 39); }

QImage AltroLogo() {
    QImage im = ModelloForm().copy(160, 0, 31, 39);
    QPainter p(&im);
    Emblema(p, QPointF(14, 18), 9);
    return im;
}

QImage PulsanteForm(PulsanteFinestra tipo, AspettoSkin aspetto, int lato) {
    QImage im = Vuota(lato, lato);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = lato / 20.0;
    QColor tratto(0x9A, 0x9A, 0x9A);
    if (aspetto != AspettoSkin::Normale) {
        const bool chiudi = tipo == PulsanteFinestra::Chiudi;
        QColor fondo = chiudi ? QColor(0xC4, 0x2B, 0x1C) : QColor(0x3E, 0x3E, 0x3E);
        if (aspetto == AspettoSkin::Premuto) fondo = chiudi ? QColor(0x8E, 0x1E, 0x14) : QColor(0x26, 0x26, 0x26);
        p.setPen(aspetto == AspettoSkin::Premuto && !chiudi ? QPen(Accento, 1) : Qt::NoPen);
        p.setBrush(fondo);
        p.drawRoundedRect(QRectF(0.5, 0.5, lato - 1, lato - 1), 3 * s, 3 * s);
        tratto = (aspetto == AspettoSkin::Premuto && !chiudi) ? Accento : QColor(0xF2, 0xF2, 0xF2);
    }
    p.setPen(QPen(tratto, std::max(1.0, 1.4 * s), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal a = 6.5 * s, b = lato - 6.5 * s;
    switch (tipo) {
    case PulsanteFinestra::Minimizza:
        p.drawLine(QPointF(a, lato * 0.62), QPointF(b, lato * 0.62));
        break;
    case PulsanteFinestra::SchermoIntero:
        p.drawRect(QRectF(a, a, b - a, b - a));
        break;
    case PulsanteFinestra::Chiudi:
        p.drawLine(QPointF(a, a), QPointF(b, b));
        p.drawLine(QPointF(a, b), QPointF(b, a));
        break;
    }
    return im;
}

QImage CorpoClient() { return Vuota(6, 6, QColor(0x1A, 0x1A, 0x1A)); }

}  // namespace SkinFinestre

// ---- Tab header -------------------------------------------------------------------------------
namespace {
struct MisureSchede {
    int altezza, base, cima, obliquo;
    int sxSin, doppio, dxSin, centro;
    int cornice1, cornice2, cornice3, corniceMezzo, corniceFondo;
};

MisureSchede Misure(int altezza) {
    if (altezza == 40) return {40, 34, 3, 11, 35, 35, 30, 5, 15, 5, 15, 5, 22};
    return {50, 40, 8, 13, 30, 40, 30, 10, 40, 10, 30, 10, 30};
}

const QColor Striscia(0x24, 0x24, 0x24);

// One tab as a trapezoid from xSinistra to xDestra along the base; the active one runs over
// the base line and carries the accent along its top.
void Scheda(QPainter& p, const MisureSchede& m, qreal xSinistra, qreal xDestra, bool attiva) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal basso = attiva ? m.base + 1.0 : m.base;
    const qreal k = m.obliquo, cima = m.cima + 0.5, r = 3.0;
    QPainterPath forma;
    forma.moveTo(xSinistra, basso);
    forma.lineTo(xSinistra + k - r, cima + r);
    forma.quadTo(xSinistra + k, cima, xSinistra + k + r * 1.2, cima);
    forma.lineTo(xDestra - k - r * 1.2, cima);
    forma.quadTo(xDestra - k, cima, xDestra - k + r, cima + r);
    forma.lineTo(xDestra, basso);
    forma.closeSubpath();
    if (attiva)
        p.setBrush(Verticale(cima, basso, QColor(0x3C, 0x3C, 0x3C), SfondoScuro));
    else
        p.setBrush(Verticale(cima, basso, QColor(0x30, 0x30, 0x30), QColor(0x28, 0x28, 0x28)));
    p.setPen(Qt::NoPen);
    p.drawPath(forma);
    // Outline on the sides and the top only.
    QPainterPath contorno;
    contorno.moveTo(xSinistra, basso);
    contorno.lineTo(xSinistra + k - r, cima + r);
    contorno.quadTo(xSinistra + k, cima, xSinistra + k + r * 1.2, cima);
    contorno.lineTo(xDestra - k - r * 1.2, cima);
    contorno.quadTo(xDestra - k, cima, xDestra - k + r, cima + r);
    contorno.lineTo(xDestra, basso);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(attiva ? QColor(0x55, 0x55, 0x55) : QColor(0x3E, 0x3E, 0x3E), 1));
    p.drawPath(contorno);
    if (attiva) {
        p.setPen(QPen(Accento, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(xSinistra + k + 1, cima + 1), QPointF(xDestra - k - 1, cima + 1));
    }
}

// A piece of the tab row: the tab on the left (ends at larghezza-independent x) and the one
// on the right, the active one drawn last so it lies on top.
QImage PezzoSchede(const MisureSchede& m, int larghezza, int sinistra, int destra) {
    // sinistra / destra: 0 none, 1 inactive, 2 active tab on that side.
    QImage im = Vuota(larghezza, m.altezza);
    QPainter p(&im);
    const qreal lontano = 400;
    auto lato = [&](int quale) {
        if (quale == 1 && sinistra) Scheda(p, m, -lontano, 4 + m.obliquo, sinistra == 2);
        if (quale == 2 && destra) Scheda(p, m, larghezza - 4 - m.obliquo, lontano, destra == 2);
    };
    if (sinistra == 2) {
        lato(2);
        lato(1);
    } else {
        lato(1);
        lato(2);
    }
    return im;
}

QImage ModelloHeader(const MisureSchede& m) {
    const int L = 300, A = 200;
    QImage im = Vuota(L, A, Striscia);
    QPainter p(&im);
    // The page box under the tabs.
    p.setRenderHint(QPainter::Antialiasing, true);
    const int sx = 4;
    QPainterPath scatola;
    scatola.addRoundedRect(QRectF(sx + 0.5, m.base + 0.5, L - 2 * sx - 1, A - m.base - sx - 1), 4, 4);
    p.setPen(QPen(Bordo, 1));
    p.setBrush(SfondoScuro);
    p.drawPath(scatola);
    // The base line runs on under the corners so the tabs stand on one line.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(sx + 4, m.base, L - sx - 5, m.base);
    return im;
}
}  // namespace

namespace SkinFinestre {

SkinHeader Header(int altezza) {
    const MisureSchede m = Misure(altezza);
    const QImage modello = ModelloHeader(m);
    const int L = modello.width(), A = modello.height();
    SkinHeader s;
    const int w1 = m.cornice1, w2 = m.cornice2, w3 = m.cornice3, hm = m.corniceMezzo, hf = m.corniceFondo;
    const int medio = (m.altezza + A - hf) / 2;
    s.cornice = {modello.copy(0, 0, w1, m.altezza),        modello.copy(L / 2, 0, w2, m.altezza),
                 modello.copy(L - w3, 0, w3, m.altezza),   modello.copy(0, medio, w1, hm),
                 modello.copy(L / 2, medio, w2, hm),       modello.copy(L - w3, medio, w3, hm),
                 modello.copy(0, A - hf, w1, hf),          modello.copy(L / 2, A - hf, w2, hf),
                 modello.copy(L - w3, A - hf, w3, hf)};
    s.sxSinOff = PezzoSchede(m, m.sxSin, 0, 1);
    s.sxSinOn = PezzoSchede(m, m.sxSin, 0, 2);
    s.dxDoppioOff = PezzoSchede(m, m.doppio, 1, 1);
    s.dxDoppioOn = PezzoSchede(m, m.doppio, 2, 1);
    s.sxDoppioOn = PezzoSchede(m, m.doppio, 1, 2);
    s.dxSinOff = PezzoSchede(m, m.dxSin, 1, 0);
    s.dxSinOn = PezzoSchede(m, m.dxSin, 2, 0);
    // The body: a slice of a wide tab.
    auto corpo = [&](bool attiva) {
        QImage im = Vuota(m.centro, m.altezza);
        QPainter p(&im);
        Scheda(p, m, -400, 400, attiva);
        return im;
    };
    s.centroOff = corpo(false);
    s.centroOn = corpo(true);
    return s;
}

}  // namespace SkinFinestre

// ---- Panels -------------------------------------------------------------------------------
namespace {
void Quadratino(QPainter& p, QRectF r, bool acceso) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(acceso ? Accento : QColor(0x4A, 0x4A, 0x4A), 1));
    p.setBrush(Verticale(r.top(), r.bottom(), acceso ? QColor(0x48, 0x48, 0x48) : QColor(0x3A, 0x3A, 0x3A),
                         acceso ? QColor(0x34, 0x34, 0x34) : QColor(0x2A, 0x2A, 0x2A)));
    p.drawRoundedRect(r, 3, 3);
}

void Punta(QPainter& p, QPointF c, qreal a, bool giu, QColor colore) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colore, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal h = giu ? a * 0.55 : -a * 0.55;
    QPolygonF linea;
    linea << c + QPointF(-a, -h) << c + QPointF(0, h) << c + QPointF(a, -h);
    p.drawPolyline(linea);
}

// The framed panel drawn whole; its pieces are cut from it.
const QImage& ModelloPannello() {
    static const QImage modello = [] {
        const int L = 240, A = 100;
        QImage im = Vuota(L, A, SfondoScuro);
        QPainter p(&im);
        p.fillRect(QRect(0, 0, L, 23), Verticale(0, 23, QColor(0x3A, 0x3A, 0x3A), QColor(0x2A, 0x2A, 0x2A)));
        p.setPen(QColor(255, 255, 255, 22));
        p.drawLine(4, 1, L - 5, 1);
        p.setPen(QColor(0x1C, 0x1C, 0x1C));
        p.drawLine(0, 22, L, 22);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Bordo, 1));
        p.drawRoundedRect(QRectF(0.5, 0.5, L - 1, A - 1), 4, 4);
        return im;
    }();
    return modello;
}
}  // namespace

namespace SkinFinestre {

QImage BottoneRiducibile(bool aperto, bool acceso) {
    QImage im = Vuota(aperto ? 23 : 24, 23);
    QPainter p(&im);
    Quadratino(p, QRectF(3.5, 3.5, 16, 16), acceso);
    // Open shows the way to fold it up, collapsed the way to unfold it.
    Punta(p, QPointF(11.5, 11.5), 4, !aperto, acceso ? Accento : Argento);
    return im;
}

SkinPannello Pannello() {
    const QImage& m = ModelloPannello();
    const int L = m.width(), A = m.height();
    SkinPannello s;
    s.lato1A = m.copy(0, 0, 23, 23);
    s.lato1B = m.copy(100, 0, 6, 23);
    s.lato1C = m.copy(100, 0, 36, 23);
    {
        // A plate with a plus, brighter under the pointer.
        for (QImage* im : {&s.lato1C, &s.paginaPiuOn}) {
            if (im == &s.paginaPiuOn) *im = m.copy(100, 0, 36, 23);
            QPainter p(im);
            const bool on = im == &s.paginaPiuOn;
            p.setPen(QColor(0x1C, 0x1C, 0x1C));
            p.drawLine(0, 4, 0, 18);
            p.setPen(QColor(0x48, 0x48, 0x48));
            p.drawLine(1, 4, 1, 18);
            Quadratino(p, QRectF(14.5, 4.5, 14, 13), on);
            p.setPen(QPen(on ? Accento : Argento, 1.5));
            p.drawLine(QPointF(21.5, 7.5), QPointF(21.5, 14.5));
            p.drawLine(QPointF(18, 11), QPointF(25, 11));
        }
    }
    s.lato2 = m.copy(120, 0, 6, 23);
    s.lato3 = m.copy(L - 17, 0, 17, 23);
    s.lati4a9 = {m.copy(0, 50, 6, 6),  m.copy(100, 50, 6, 6),      m.copy(L - 6, 50, 6, 6),
                 m.copy(0, A - 6, 6, 6), m.copy(100, A - 6, 6, 6), m.copy(L - 6, A - 6, 6, 6)};
    auto freccia = [](bool sinistra, bool on) {
        QImage im = Vuota(18, 13);
        QPainter p(&im);
        Quadratino(p, QRectF(0.5, 0.5, 17, 12), on);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(on ? Accento : Argento);
        QPolygonF t;
        if (sinistra)
            t << QPointF(6.5, 6.5) << QPointF(11, 3.5) << QPointF(11, 9.5);
        else
            t << QPointF(11.5, 6.5) << QPointF(7, 3.5) << QPointF(7, 9.5);
        p.drawPolygon(t);
        return im;
    };
    s.paginaSx = freccia(true, false);
    s.paginaSxOn = freccia(true, true);
    s.paginaDx = freccia(false, false);
    s.paginaDxOn = freccia(false, true);
    auto pezzo = [&](int tipo) {
        // 0 left end, 1 body, 2 highlighted body, 3 divider, 4 right end.
        QImage im = m.copy(100, 0, 4, 23);
        QPainter p(&im);
        if (tipo == 2) {
            p.fillRect(QRect(0, 2, 4, 20), Verticale(2, 22, QColor(0x4A, 0x4A, 0x4A), QColor(0x3A, 0x3A, 0x3A)));
            p.fillRect(QRect(0, 20, 4, 2), Accento);
        }
        p.setPen(QColor(0x1C, 0x1C, 0x1C));
        if (tipo == 0 || tipo == 3) p.drawLine(1, 4, 1, 18);
        if (tipo == 3 || tipo == 4) {
            p.setPen(QColor(0x48, 0x48, 0x48));
            p.drawLine(2, 4, 2, 18);
        }
        return im;
    };
    s.nascostaSx = pezzo(0);
    s.nascostaCentro = pezzo(1);
    s.nascostaCentroOn = pezzo(2);
    s.nascostaDivisore = pezzo(3);
    s.nascostaDx = pezzo(4);
    return s;
}

// ---- Vertical bar ---------------------------------------------------------------------------
QImage CursoreBarra(int parte, bool acceso) {
    // A 9x27 thumb cut in three; the middle is a straight slice.
    QImage intero = Vuota(9, 27);
    {
        QPainter p(&intero);
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient g(0, 0, 9, 0);
        g.setColorAt(0, acceso ? QColor(0xB4, 0xB4, 0xB4) : QColor(0x86, 0x86, 0x86));
        g.setColorAt(1, acceso ? QColor(0x90, 0x90, 0x90) : QColor(0x68, 0x68, 0x68));
        p.setPen(QPen(acceso ? AccentoScuro : QColor(0x3A, 0x3A, 0x3A), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, 8, 26), 4, 4);
    }
    const int i = parte < 1 ? 0 : (parte > 3 ? 2 : parte - 1);
    return intero.copy(0, i * 9, 9, 9);
}

// ---- Push buttons -----------------------------------------------------------------------------
namespace {
QImage Barra(int larghezza, int altezza, AspettoSkin aspetto, qreal raggio) {
    QImage im = Vuota(larghezza, altezza);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    QColor alto(0x3C, 0x3C, 0x3C), basso(0x2D, 0x2D, 0x2D), bordo = Bordo, luce(255, 255, 255, 22);
    if (aspetto == AspettoSkin::Attivo) {
        alto = QColor(0x4A, 0x4A, 0x4A);
        basso = QColor(0x3A, 0x3A, 0x3A);
        bordo = QColor(0xFD, 0xBF, 0x07, 150);
        luce = QColor(255, 255, 255, 34);
    } else if (aspetto == AspettoSkin::Premuto) {
        alto = QColor(0x24, 0x24, 0x24);
        basso = QColor(0x30, 0x30, 0x30);
        bordo = Accento;
        luce = QColor(0, 0, 0, 60);
    }
    p.setPen(QPen(bordo, 1));
    p.setBrush(Verticale(0, altezza, alto, basso));
    p.drawRoundedRect(QRectF(0.5, 0.5, larghezza - 1, altezza - 1), raggio, raggio);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(luce);
    p.drawLine(int(raggio), 1, larghezza - int(raggio) - 1, 1);
    return im;
}
}  // namespace

QImage FettaVideoButton(AspettoSkin aspetto, int fetta) {
    const QImage barra = Barra(18, 20, aspetto, 3.5);
    const int i = fetta < 1 ? 0 : (fetta > 3 ? 2 : fetta - 1);
    return barra.copy(i * 6, 0, 6, 20);
}

QImage FettaLRButton(AspettoSkin aspetto, int fetta) { return SkinPredefinite::Corpo(aspetto, fetta); }

QImage ImmagineVideoStato(bool acceso) {
    QImage im = Vuota(50, 40);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF scatola(13.5, 8.5, 23, 23);
    p.setPen(QPen(acceso ? AccentoScuro : QColor(0x22, 0x22, 0x22), 1));
    p.setBrush(Verticale(scatola.top(), scatola.bottom(), QColor(0x24, 0x24, 0x24), QColor(0x34, 0x34, 0x34)));
    p.drawRoundedRect(scatola, 5, 5);
    if (acceso) {
        QRadialGradient luce(QPointF(22, 17), 14);
        luce.setColorAt(0, QColor(0xFF, 0xDE, 0x70));
        luce.setColorAt(1, Accento);
        p.setPen(Qt::NoPen);
        p.setBrush(luce);
        p.drawRoundedRect(scatola.adjusted(2.5, 2.5, -2.5, -2.5), 3.5, 3.5);
        p.setPen(QPen(QColor(0x2A, 0x1C, 0x00), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF segno;
        segno << QPointF(19.5, 20.5) << QPointF(23.5, 24.5) << QPointF(30.5, 15.5);
        p.drawPolyline(segno);
    } else {
        p.setPen(QPen(QColor(0x4C, 0x4C, 0x4C), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(scatola.adjusted(1, 1, -1, -1), 4, 4);
    }
    return im;
}

}  // namespace SkinFinestre

// ---- Image buttons ----------------------------------------------------------------------------
namespace {
void Linee(QPainter& p, const QColor& c, Qt::Alignment a) {
    // Four text lines of different lengths, aligned as the button says.
    const int lunghezze[] = {14, 9, 14, 7};
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 4; ++i) {
        const int l = lunghezze[i];
        int x = 7;
        if (a & Qt::AlignHCenter) x = 14 - l / 2;
        if (a & Qt::AlignRight) x = 21 - l;
        p.fillRect(QRect(x, 8 + i * 3 + (i > 0 ? i : 0), l, 2), c);
    }
}

void Verticali(QPainter& p, const QColor& c, const QColor& tenue, int dove) {
    // A guide line and two blocks hanging from it, centred on it or standing on it.
    const int yLinea = dove == 0 ? 7 : (dove == 1 ? 14 : 21);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(6, yLinea, 16, 1), tenue);
    const int alti[] = {10, 6};
    for (int i = 0; i < 2; ++i) {
        const int h = alti[i];
        int y = yLinea + 1;
        if (dove == 1) y = yLinea - h / 2;
        if (dove == 2) y = yLinea - h;
        p.fillRect(QRect(9 + i * 6, y, 4, h), c);
    }
}

void Immagine(QPainter& p, const QColor& c, bool stile) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6.5, 8.5, 15, 12), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF monti;
    monti << QPointF(8, 19) << QPointF(12, 14) << QPointF(15, 17) << QPointF(17, 15.5) << QPointF(20, 19);
    p.drawPolygon(monti);
    p.drawEllipse(QPointF(17.5, 11.8), 1.4, 1.4);
    if (stile) {
        // A spark at the corner: the logo with its style.
        QPainterPath stella;
        const QPointF o(21, 8);
        stella.moveTo(o + QPointF(0, -4.5));
        stella.quadTo(o, o + QPointF(4.5, 0));
        stella.quadTo(o, o + QPointF(0, 4.5));
        stella.quadTo(o, o + QPointF(-4.5, 0));
        stella.quadTo(o, o + QPointF(0, -4.5));
        p.setBrush(Accento);
        p.drawPath(stella);
    }
}

void Trasporto(QPainter& p, const QColor& c, SkinFinestre::Icona icona) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    switch (icona) {
    case SkinFinestre::Icona::Play: {
        QPainterPath t;
        t.moveTo(10.5, 7.5);
        t.lineTo(20.5, 14);
        t.lineTo(10.5, 20.5);
        t.closeSubpath();
        p.drawPath(t);
        break;
    }
    case SkinFinestre::Icona::Pausa:
        p.drawRoundedRect(QRectF(9, 8, 3.5, 12), 1, 1);
        p.drawRoundedRect(QRectF(15.5, 8, 3.5, 12), 1, 1);
        break;
    default:
        p.drawRoundedRect(QRectF(9, 9, 10, 10), 1.5, 1.5);
        break;
    }
}
}  // namespace

namespace SkinFinestre {

QImage IconaBottone(Icona icona, StatoPulsante stato) {
    QImage im = Vuota(28, 28);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    QColor alto(0x3A, 0x3A, 0x3A), basso(0x2D, 0x2D, 0x2D), bordo = Bordo, segno = Argento;
    if (stato == StatoPulsante::Attivo || stato == StatoPulsante::Premuto) {
        alto = QColor(0x4C, 0x4C, 0x4C);
        basso = QColor(0x3C, 0x3C, 0x3C);
        bordo = QColor(0xFD, 0xBF, 0x07, 150);
        segno = QColor(0xFF, 0xFF, 0xFF);
    } else if (stato == StatoPulsante::Selezionato) {
        alto = QColor(0x20, 0x20, 0x20);
        basso = QColor(0x2A, 0x2A, 0x2A);
        bordo = Accento;
        segno = Accento;
    }
    p.setPen(QPen(bordo, 1));
    p.setBrush(Verticale(1, 27, alto, basso));
    p.drawRoundedRect(QRectF(1.5, 1.5, 25, 25), 4, 4);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(stato == StatoPulsante::Selezionato ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 24));
    p.drawLine(5, 2, 22, 2);
    const QColor tenue(segno.red(), segno.green(), segno.blue(), 120);
    switch (icona) {
    case Icona::AllineaSinistra: Linee(p, segno, Qt::AlignLeft); break;
    case Icona::AllineaCentro: Linee(p, segno, Qt::AlignHCenter); break;
    case Icona::AllineaDestra: Linee(p, segno, Qt::AlignRight); break;
    case Icona::AllineaAlto: Verticali(p, segno, tenue, 0); break;
    case Icona::AllineaMezzo: Verticali(p, segno, tenue, 1); break;
    case Icona::AllineaBasso: Verticali(p, segno, tenue, 2); break;
    case Icona::Logo: Immagine(p, segno, false); break;
    case Icona::LogoStile: Immagine(p, segno, true); break;
    case Icona::Play:
    case Icona::Pausa:
    case Icona::Stop: Trasporto(p, segno, icona); break;
    }
    return im;
}

}  // namespace SkinFinestre
