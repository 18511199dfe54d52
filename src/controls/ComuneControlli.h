#pragma once
// What every skinned control shares: skins held as owned images, 3- and 9-slice drawing,
// the shadowed caption, the 0x00BBGGRR colours, the setter rule, the events, the
// application cursor and the pointer tracking that evens out Qt's mouse notifications.
//
// Setter rule: a write accessor of a scalar compares, stores on a change and repaints
// (update()); it never clamps and never fires an event. Skin and list accessors always copy
// and repaint. Events are public std::function members; "assigned" means non-empty, and
// they fire only from user gestures.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

class QPainter;
class QWidget;
class QEvent;
class QMouseEvent;

// A colour as the controls store it: red in the low byte, 0x00BBGGRR.
using TColor = quint32;

QColor ColoreDaTColor(TColor colore, int alfa = 255);
TColor TColorDaColore(const QColor& colore);
// Each of red, green and blue plus quanto, at most 255 (the brightened caption and buttons).
TColor SchiarisciTColor(TColor colore, int quanto);

// Event handlers, as the controls publish them.
using EventoNotifica = std::function<void(QObject* mittente)>;
using EventoMouse =
    std::function<void(QObject* mittente, Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y)>;

// Stores valore in campo when it differs; true when it changed.
template <class T>
bool CambiaValore(T& campo, const T& valore) {
    if (campo == valore) return false;
    campo = valore;
    return true;
}

// A skin counts only with a non-zero width and height.
bool BitmapPresente(const QImage& immagine);

// Opaque drawing at natural size / stretched into a rectangle; an absent skin is skipped.
// Both return whether something was drawn.
bool DisegnaImmagine(QPainter& p, int x, int y, const QImage& immagine);
bool StiraImmagine(QPainter& p, const QRect& rettangolo, const QImage& immagine);
// Stretch into the rectangle from (x1, y1) to (x2, y2), right and bottom edges excluded.
bool StiraImmagine(QPainter& p, int x1, int y1, int x2, int y2, const QImage& immagine);

// Bars and buttons: slice 1 at (x0, 0), slice 2 stretched from its right edge to
// larghezza minus the width of slice 3 (as high as slice 1), slice 3 at the right end.
// True when any slice was drawn.
bool Disegna3Slice(QPainter& p, int x0, int larghezza, const QImage& s1, const QImage& s2, const QImage& s3);

// Frames and panels: nine images in reading order; the centre is stretched over everything first.
bool Disegna9Slice(QPainter& p, const QSize& dimensione, const std::array<const QImage*, 9>& immagini);

// Text measures as the layouts use them: height is ascent plus descent.
int AltezzaTesto(const QFont& font, const QString& testo = QString());
int LarghezzaTesto(const QFont& font, const QString& testo);
// Half the height minus half the text height, each half truncated toward zero.
int YTestoCentrato(int altezza, int altezzaTesto);

// The caption with its shadow: first in the shadow colour at (x + distanza, y + distanza),
// then in the text colour at (x, y), both clipped to rettangolo; (x, y) is the text's top-left.
void DisegnaTestoOmbra(QPainter& p, const QFont& font, const QRect& rettangolo, int x, int y, const QString& testo,
                       const QColor& coloreTesto, TColor coloreOmbra, int distanza);

// A disabled control shows dimmed: the panel colour laid over what it drew. Called last by
// each control's paint.
void VelaDisabilitato(QPainter& p, const QWidget* controllo);

// A font by the family the windows name (Calibri, Arial) at a point size of a 96-dpi screen,
// held in pixels so that layouts are the same on every screen. The metric-compatible
// families of Debian serve the names that are missing.
QFont FontControllo(const QString& famiglia, int punti, bool grassetto = false, bool corsivo = false);
// A font given by its character height in pixels, as the forms store it (height -16).
QFont FontPixel(const QString& famiglia, int pixel, bool grassetto = false, bool corsivo = false);

// The one application-wide cursor: set, change or restore, never a stack left behind.
// Qt::ArrowCursor stands for the default (the control's own cursor shows again).
namespace CursoreApplicazione {
void Imposta(Qt::CursorShape forma);
Qt::CursorShape Attuale();
}  // namespace CursoreApplicazione

// The body of the stepper and the spinner: the background stretched between the two arrow
// buttons, an arrow drawn pressed while the pointer holds it (freccia 1 left, 2 right).
void DisegnaCorpoFrecce(QPainter& p, int larghezza, int altezza, const QImage& sfondo,
                        const QImage& sxPassivo, const QImage& sxAttivo, const QImage& dxPassivo,
                        const QImage& dxAttivo, int frecciaPremuta, bool mouseDentro);

// Button zones of the drag controls, all bounds exclusive.
bool InZonaMeno(int x, int y, int larghezza, int altezza);
bool InZonaPiu(int x, int y, int larghezza, int altezza);


// The sizing-cursor flag of the drag controls. Qt sends the enter before the first move,
// so an enter leaves the next move to show the cursor.
class CursoreDimensiona {
public:
    // Start of a move: remembers the flag and sets it.
    void InizioMovimento();
    // The pointer is over a button zone: the default cursor, at once.
    void SopraZona();
    // End of a move: shows the cursor when the flag changed (or an enter is pending).
    void FineMovimento();
    void Entra();
    void Esci();
    void Azzera() { attivo = false; }
    bool Attivo() const { return attivo; }

private:
    bool attivo = false;
    bool precedente = false;
    bool daMostrare = false;
};

// Which arrow zone the pointer is over; true when that changed, so the control repaints.
bool SegueZoneFrecce(int x, int y, int larghezza, int altezza, bool& zonaMeno, bool& zonaPiu,
                     CursoreDimensiona& cursore);

class TracciaMouse;

// What a control does with the mouse, in the order of the original framework.
class RicevitoreMouse {
public:
    // Detaches the tracker: a widget being destroyed under the pointer still gets a leave
    // from Qt, when the control and its handlers are already gone.
    virtual ~RicevitoreMouse();
    virtual void MouseEntra() {}
    virtual void MouseEsce() {}
    virtual void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
    virtual void MouseMove(Qt::KeyboardModifiers, int, int) {}
    virtual void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
    // A left press and release over the control (not the release of a double click).
    virtual void Click() {}
    // Left double click; the press logic (MouseDown) follows it.
    virtual void DblClick() {}
    // The control was hidden: whatever it showed with the cursor must go.
    virtual void Nascosto() {}

private:
    friend class TracciaMouse;
    TracciaMouse* traccia = nullptr;
};

// Turns a widget's Qt mouse events into the receiver's calls: enter and leave follow the
// pointer's position also while a button is held, a double click runs the press logic too,
// and the click comes before the release logic.
class TracciaMouse : public QObject {
public:
    TracciaMouse(QWidget* controllo, RicevitoreMouse* ricevitore);
    bool Dentro() const { return dentro; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Entra();
    void Esci();
    void SeguiPosizione(const QPoint& posizione);
    friend class RicevitoreMouse;
    void Stacca();

    QWidget* controllo;
    RicevitoreMouse* ricevitore;
    bool dentro = false;
    bool clickArmato = false;
    int blocchi = 0;  // modal windows that covered the control so far
};
