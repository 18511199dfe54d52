#pragma once
// The timeline's arithmetic, kept apart from the widget: the element lines' fixed columns,
// frame <-> x, the track rows, the bars, the zoom steps, the zoom bar, the scroll thumb, the
// ruler's marks and the move check.
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The lanes run from x 133 to W - 10; every row is 40 px tall.
constexpr int XInizioCorsia = 133;
constexpr int MargineDestroCorsia = 10;
constexpr int NumeroTracce = 5;

// Top y of a track's row (1 to 5), 0 for any other track.
int TopTraccia(int traccia);
// The track whose hit band holds y (track 4 wins at 211), 0 outside every band.
int TracciaDaY(int y);

// One element line, read from its fixed columns.
struct ElementoTimeLine {
    int traccia = 0;
    int id = 0;
    qint64 primo = 0, ultimo = 0;  // 0-based frames; the bar shows them + 1
    QString nome;
    int rosso = 0, verde = 0, blu = 0;
    QChar stato;
    qint64 progresso = 0;
    QString secondoTesto;
};
// A decimal field: leading blanks and one sign skipped, digits up to the first non-digit; a
// field without digits (or beyond the line's end) reads 0.
qint64 LeggiCampo(const QString& riga, int inizio, int larghezza);
ElementoTimeLine LeggiElemento(const QString& riga);
std::vector<ElementoTimeLine> LeggiElementi(const QStringList& righe);

// The line with its first and last frame rewritten as six digits and its track set; empty
// when a number would not fit its column (the move is refused).
std::optional<QString> RiscriviElemento(const QString& riga, qint64 primo, qint64 ultimo, int traccia);

// Two spans overlap when they share more than an end point; a span equal to another overlaps.
bool SpanSovrapposti(qint64 primo1, qint64 ultimo1, qint64 primo2, qint64 ultimo2);
// 1 when primo..ultimo overlaps no element of that track other than the one at indice (0-based).
int PossoSpostare(const std::vector<ElementoTimeLine>& elementi, int traccia, int indice, qint64 primo,
                  qint64 ultimo);
// The dragged element's new line: it keeps its length, starts at frameDrag (a screen frame)
// and changes between tracks 3 and 4 by y; empty when the move is refused.
std::optional<QString> SpostaElemento(const std::vector<ElementoTimeLine>& elementi, const QStringList& righe,
                                      int indice, qint64 frameDrag, int y);

// The view: control width and the frames shown.
struct VistaTimeline {
    int larghezza = 1260;
    qint64 frameIniziale = 1, frameFinale = 300;
};
qint64 SpanFrame(const VistaTimeline& v);        // at least 1
double PixelPerFrame(const VistaTimeline& v);    // positive even for a narrow control
int XDaFrame(const VistaTimeline& v, qint64 frame);
// The frame nearest to x, with x held inside the lane and the frame inside the view (at least 1).
qint64 FrameDaX(const VistaTimeline& v, int x);
bool XNellaCorsia(const VistaTimeline& v, int x);  // 132 < x < W - 10

// A bar as drawn from its column values; not visible when it has no width in the view.
struct BarraTimeline {
    int sinistra = 0, destra = 0;
    bool visibile = false;
};
BarraTimeline Barra(const VistaTimeline& v, qint64 primo, qint64 ultimo);
// The element drawn on top under (x, y) (the last one in the list), or -1.
int ElementoSotto(const std::vector<ElementoTimeLine>& elementi, const VistaTimeline& v, int x, int y);

// Zoom buttons and the zoom bar.
int ZoomFuori(int zoom);
int ZoomDentro(int zoom);
int ZoomDaBarra(int x, int zoomMassimo);        // at least 1
int FineBarraZoom(int zoom, int zoomMassimo);   // end x of the fill, inside the bar's frame
// The scroll thumb's ends, inside its track; hi is the last used screen frame.
std::pair<int, int> CursoreScorrimento(const VistaTimeline& v, qint64 hi);

// The time code of frame n; with no positive frame rate the plain number.
QString TestoTempo(qint64 n, int frameRate);
QString EtichettaSecondi(qint64 frame, int frameRate);

// Ruler marks: x and frame. Only marks that can be told apart are listed, so a huge span
// costs no more than the lane's width.
struct TaccaRighello {
    int x;
    qint64 frame;
};
std::vector<TaccaRighello> TaccheMinori(const VistaTimeline& v);
std::vector<TaccaRighello> TaccheSecondi(const VistaTimeline& v, int frameRate);

// Queries over the elements.
int PrimoIdDisponibile(const std::vector<ElementoTimeLine>& elementi);
qint64 PrimoFrameLiberoDellaTraccia(const std::vector<ElementoTimeLine>& elementi, int traccia);
bool FrameImportante(const std::vector<ElementoTimeLine>& elementi, qint64 frame);
qint64 FrameUtilizzatoMinore(const std::vector<ElementoTimeLine>& elementi);
qint64 FrameUtilizzatoMaggiore(const std::vector<ElementoTimeLine>& elementi);
