#pragma once
// Drawing of one picture by several threads at once: the canvas is cut into horizontal bands
// and each band gets a painter of its own over its own rows, the same drawing translated so
// it lands where it would on the whole canvas. The bands are fixed, whatever the number of
// cores, so the pixels never depend on the machine.
#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

inline constexpr int NumeroBande = 16;

// The rows of band i (0 .. NumeroBande - 1) of the canvas; empty on a canvas of fewer rows.
QRect RigheBanda(const QImage& tela, int i);

// Calls disegna once per band, the bands shared out among a thread per core, and returns
// when every band is drawn. The painter has the modes of every canvas painter; banda is the
// band's rectangle in canvas coordinates, for skipping what lies wholly outside it. disegna
// must only read what it shares.
void DisegnaABande(QImage& tela, const std::function<void(QPainter&, const QRect& banda)>& disegna);

// Calls disegna once with a painter over rows [y0, y1) of the canvas alone, set up as the
// painters of DisegnaABande are: for drawing a part's rows from inside PerOgniParte, or
// several canvases in one pass. righe is those rows' rectangle in canvas coordinates.
void DisegnaRighe(QImage& tela, int y0, int y1, const std::function<void(QPainter&, const QRect& righe)>& disegna);

// Whether a canvas's painter is open with nothing set on it (opacity, composition mode,
// transform, clip) that the band painters lack: what it would draw at whole pixels, they
// draw alike.
bool PittoreNeutro(const QPainter& pittore);

// Calls lavoro(i) for every i in 0 .. n - 1, shared out among the same threads (the caller
// waits; from inside a part, or while another job runs, it does the parts itself), and returns
// when every part is done. lavoro must only read what it shares.
void PerOgniParte(int n, const std::function<void(int)>& lavoro);

// The whole picture set to one 32-bit value, band by band on every core. Like QImage::fill,
// but it writes the picture's current pixels even while a painter is open on it.
void RiempiABande(QImage& tela, quint32 valore);

// The pixels of sorgente copied into destinazione (same size, format and row length), band
// by band on every core.
void CopiaABande(const QImage& sorgente, QImage& destinazione);

// How many threads draw the bands: 0 (the default) one per core, 1 the calling thread alone.
// The pixels are the same either way.
void ImpostaFiliBande(int fili);
