#include "controls/ComuneControlli.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

QColor ColoreDaTColor(TColor colore, int alfa) {
    return QColor(int(colore & 0xFF), int((colore >> 8) & 0xFF), int((colore >> 16) & 0xFF), alfa);
}

TColor TColorDaColore(const QColor& colore) {
    return TColor(colore.red()) | (TColor(colore.green()) << 8) | (TColor(colore.blue()) << 16);
}

TColor SchiarisciTColor(TColor colore, int quanto) {
    auto canale = [&](int spostamento) {
        const int v = int((colore >> spostamento) & 0xFF) + quanto;
        return TColor(std::clamp(v, 0, 255)) << spostamento;
    };
    return canale(0) | canale(8) | canale(16);
}

bool BitmapPresente(const QImage& immagine) {
    return !immagine.isNull() && immagine.width() > 0 && immagine.height() > 0;
}

bool DisegnaImmagine(QPainter& p, int x, int y, const QImage& immagine) {
    if (!BitmapPresente(immagine)) return false;
    p.drawImage(QPoint(x, y), immagine);
    return true;
}

bool StiraImmagine(QPainter& p, const QRect& rettangolo, const QImage& immagine) {
    if (!BitmapPresente(immagine)) return false;
    if (rettangolo.width() <= 0 || rettangolo.height() <= 0) return true;
    p.drawImage(rettangolo, immagine);
    return true;
}

bool StiraImmagine(QPainter& p, int x1, int y1, int x2, int y2, const QImage& immagine) {
    return StiraImmagine(p, QRect(x1, y1, x2 - x1, y2 - y1), immagine);
}

bool Disegna3Slice(QPainter& p, int x0, int larghezza, const QImage& s1, const QImage& s2, const QImage& s3) {
    bool disegnato = DisegnaImmagine(p, x0, 0, s1);
    const int inizio = x0 + (BitmapPresente(s1) ? s1.width() : 0);
    const int fine = larghezza - (BitmapPresente(s3) ? s3.width() : 0);
    const int alto = BitmapPresente(s1) ? s1.height() : s2.height();
    disegnato |= StiraImmagine(p, inizio, 0, fine, alto, s2);
    disegnato |= DisegnaImmagine(p, larghezza - s3.width(), 0, s3);
    return disegnato;
}

bool Disegna9Slice(QPainter& p, const QSize& d, const std::array<const QImage*, 9>& im) {
    auto l = [&](int i) { return BitmapPresente(*im[i]) ? im[i]->width() : 0; };
    auto a = [&](int i) { return BitmapPresente(*im[i]) ? im[i]->height() : 0; };
    const int W = d.width(), H = d.height();
    bool fatto = StiraImmagine(p, 0, 0, W, H, *im[4]);
    fatto |= DisegnaImmagine(p, 0, 0, *im[0]);
    fatto |= StiraImmagine(p, l(0), 0, W - l(2), a(1), *im[1]);
    fatto |= DisegnaImmagine(p, W - l(2), 0, *im[2]);
    fatto |= StiraImmagine(p, 0, a(0), l(3), H - a(6), *im[3]);
    fatto |= StiraImmagine(p, W - l(5), a(2), W, H - a(8), *im[5]);
    fatto |= DisegnaImmagine(p, 0, H - a(6), *im[6]);
    fatto |= StiraImmagine(p, l(6), H - a(7), W - l(8), H, *im[7]);
    fatto |= DisegnaImmagine(p, W - l(8), H - a(8), *im[8]);
    return fatto;
}

int AltezzaTesto(const QFont& font, const QString&) {
    const QFontMetrics m(font);
    return m.ascent() + m.descent();
}

int LarghezzaTesto(const QFont& font, const QString& testo) { return QFontMetrics(font).horizontalAdvance(testo); }

int YTestoCentrato(int altezza, int altezzaTesto) { return altezza / 2 - altezzaTesto / 2; }

void DisegnaTestoOmbra(QPainter& p, const QFont& font, const QRect& rettangolo, int x, int y, const QString& testo,
                       const QColor& coloreTesto, TColor coloreOmbra, int distanza) {
    if (testo.isEmpty() || rettangolo.width() <= 0 || rettangolo.height() <= 0) return;
    p.save();
    p.setFont(font);
    p.setClipRect(rettangolo);
    const int ascesa = QFontMetrics(font).ascent();
    p.setPen(ColoreDaTColor(coloreOmbra));
    p.drawText(QPoint(x + distanza, y + distanza + ascesa), testo);
    p.setPen(coloreTesto);
    p.drawText(QPoint(x, y + ascesa), testo);
    p.restore();
}

namespace {
void InstallaSostituzioni() {
    static const bool fatto = [] {
        QFont::insertSubstitutions("Calibri", {"Carlito", "Liberation Sans", "DejaVu Sans"});
        QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
        QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Liberation Sans"});
        QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
        QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
        return true;
    }();
    (void)fatto;
}
}  // namespace

QFont FontPixel(const QString& famiglia, int pixel, bool grassetto, bool corsivo) {
    InstallaSostituzioni();
    QFont font(famiglia);
    font.setPixelSize(std::max(1, pixel));
    font.setBold(grassetto);
    font.setItalic(corsivo);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont FontControllo(const QString& famiglia, int punti, bool grassetto, bool corsivo) {
    // A point size on a 96-dpi screen, rounded like the original framework's height.
    return FontPixel(famiglia, (punti * 96 + 36) / 72, grassetto, corsivo);
}

namespace CursoreApplicazione {
namespace {
Qt::CursorShape attuale = Qt::ArrowCursor;
}

void Imposta(Qt::CursorShape forma) {
    if (forma == attuale) return;
    if (forma == Qt::ArrowCursor) {
        QGuiApplication::restoreOverrideCursor();
    } else if (attuale == Qt::ArrowCursor) {
        QGuiApplication::setOverrideCursor(QCursor(forma));
    } else {
        QGuiApplication::changeOverrideCursor(QCursor(forma));
    }
    attuale = forma;
}

Qt::CursorShape Attuale() { return attuale; }
}  // namespace CursoreApplicazione

bool InZonaMeno(int x, int y, int larghezza, int altezza) {
    (void)larghezza;
    return 2 < x && x < altezza - 2 && 2 < y && y < altezza - 2;
}

bool InZonaPiu(int x, int y, int larghezza, int altezza) {
    return larghezza - altezza - 4 < x && x < larghezza - 2 && 2 < y && y < altezza - 2;
}

void DisegnaCorpoFrecce(QPainter& p, int larghezza, int altezza, const QImage& sfondo,
                        const QImage& sxPassivo, const QImage& sxAttivo, const QImage& dxPassivo,
                        const QImage& dxAttivo, int frecciaPremuta, bool mouseDentro) {
    const int lsx = BitmapPresente(sxPassivo) ? sxPassivo.width() : 0;
    const int ldx = BitmapPresente(dxPassivo) ? dxPassivo.width() : 0;
    StiraImmagine(p, lsx, 0, larghezza - ldx, altezza, sfondo);
    const bool premuta = mouseDentro && frecciaPremuta != 0;
    DisegnaImmagine(p, 0, 0, premuta && frecciaPremuta == 1 ? sxAttivo : sxPassivo);
    const QImage& destra = premuta && frecciaPremuta == 2 ? dxAttivo : dxPassivo;
    DisegnaImmagine(p, larghezza - destra.width(), 0, destra);
}

bool SegueZoneFrecce(int x, int y, int larghezza, int altezza, bool& zonaMeno, bool& zonaPiu,
                     CursoreDimensiona& cursore) {
    const bool meno = InZonaMeno(x, y, larghezza, altezza);
    const bool piu = InZonaPiu(x, y, larghezza, altezza);
    if (meno || piu) cursore.SopraZona();
    if (meno == zonaMeno && piu == zonaPiu) return false;
    zonaMeno = meno;
    zonaPiu = piu;
    return true;
}

void CursoreDimensiona::InizioMovimento() {
    precedente = attivo;
    attivo = true;
}

void CursoreDimensiona::SopraZona() {
    attivo = false;
    CursoreApplicazione::Imposta(Qt::ArrowCursor);
}

void CursoreDimensiona::FineMovimento() {
    if (attivo != precedente || daMostrare)
        CursoreApplicazione::Imposta(attivo ? Qt::SizeHorCursor : Qt::ArrowCursor);
    daMostrare = false;
}

void CursoreDimensiona::Entra() {
    attivo = true;
    daMostrare = true;
}

void CursoreDimensiona::Esci() {
    attivo = false;
    daMostrare = false;
    CursoreApplicazione::Imposta(Qt::ArrowCursor);
}

TracciaMouse::TracciaMouse(QWidget* controllo, RicevitoreMouse* ricevitore)
    : QObject(controllo), controllo(controllo), ricevitore(ricevitore) {
    controllo->setMouseTracking(true);
    controllo->installEventFilter(this);
    ricevitore->traccia = this;
}

RicevitoreMouse::~RicevitoreMouse() {
    if (traccia) traccia->Stacca();
}

void TracciaMouse::Stacca() {
    controllo->removeEventFilter(this);
    ricevitore = nullptr;
}

void TracciaMouse::Entra() {
    // A disabled control takes no hover from the pointer.
    if (dentro || !controllo->isEnabled()) return;
    dentro = true;
    ricevitore->MouseEntra();
}

void TracciaMouse::Esci() {
    if (!dentro) return;
    dentro = false;
    ricevitore->MouseEsce();
}

void TracciaMouse::SeguiPosizione(const QPoint& posizione) {
    if (controllo->rect().contains(posizione))
        Entra();
    else
        Esci();
}

bool TracciaMouse::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto != controllo || !ricevitore) return false;
    switch (evento->type()) {
    case QEvent::Enter:
        // While a button is held the position decides; Qt may report late.
        if (QGuiApplication::mouseButtons() == Qt::NoButton) Entra();
        return false;
    case QEvent::Leave:
        if (QGuiApplication::mouseButtons() == Qt::NoButton) Esci();
        return false;
    case QEvent::WindowBlocked:
        // A modal window covers the control now, and no leave comes while it is up: the
        // pointer is elsewhere until a move or an enter tells otherwise.
        ++blocchi;
        clickArmato = false;
        Esci();
        return false;
    case QEvent::EnabledChange:
        if (!controllo->isEnabled()) Esci();
        return false;
    case QEvent::Hide:
        dentro = false;
        clickArmato = false;
        ricevitore->Nascosto();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* m = static_cast<QMouseEvent*>(evento);
        const QPoint pos = m->position().toPoint();
        SeguiPosizione(pos);
        const bool doppio = evento->type() == QEvent::MouseButtonDblClick;
        if (m->button() == Qt::LeftButton) clickArmato = !doppio;
        if (doppio && m->button() == Qt::LeftButton) ricevitore->DblClick();
        ricevitore->MouseDown(m->button(), m->modifiers(), pos.x(), pos.y());
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(evento);
        const QPoint pos = m->position().toPoint();
        SeguiPosizione(pos);
        ricevitore->MouseMove(m->modifiers(), pos.x(), pos.y());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(evento);
        const QPoint pos = m->position().toPoint();
        const bool sopra = controllo->rect().contains(pos);
        const int blocchiPrima = blocchi;
        if (m->button() == Qt::LeftButton) {
            const bool click = clickArmato && sopra;
            clickArmato = false;
            if (click) ricevitore->Click();
        }
        ricevitore->MouseUp(m->button(), m->modifiers(), pos.x(), pos.y());
        // After the release the pointer's place is known again, unless the click opened a
        // modal window (where the pointer went meanwhile is not known) or closed the
        // control's own window: hover is the pointer's, not the last click's.
        if (m->buttons() == Qt::NoButton && blocchi == blocchiPrima && controllo->isVisible()) SeguiPosizione(pos);
        return true;
    }
    default:
        return false;
    }
}

void VelaDisabilitato(QPainter& p, const QWidget* controllo) {
    if (controllo->isEnabled()) return;
    p.fillRect(controllo->rect(), QColor(0x2D, 0x2D, 0x2D, 160));
}
