#pragma once
// The window frame's arithmetic: which zone a press starts, where the window buttons sit and
// which one the pointer is on, the resize step of each edge and the double press.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

// The zones of the frame, as ZonaAttiva holds them.
enum ZonaForm : int {
    ZonaNessuna = 0,
    ZonaBordoSinistro = 1,
    ZonaBordoDestro = 2,
    ZonaBordoAlto = 3,
    ZonaBordoBasso = 4,
    ZonaTitolo = 5,
    ZonaMinimizza = 6,
    ZonaSchermoIntero = 7,
    ZonaChiudi = 8,
};

// Width of the resize band along each edge; the title band runs from it down to 30.
constexpr int BordoSensibile = 6;
constexpr int FineBandaTitolo = 30;

// The zone that a left press at (x, y) starts; a later test replaces an earlier one, so the
// top and bottom bands win in the corners and the title band wins over the side bands.
int ZonaPressione(int x, int y, int larghezza, int altezza);

bool InBandaTitolo(int y);

// The three window buttons laid out right to left from larghezza - 12, close first.
struct PulsantiForm {
    bool visibileMin = false, visibileMax = false, visibileChiudi = false;
    int larghezzaMin = 0, larghezzaMax = 0, larghezzaChiudi = 0;
    // The close button's height serves the band of all three.
    int altezzaBanda = 0;
    int top = 12;
};

// x of each visible button's left edge; a hidden button takes no room.
struct PosizioniPulsanti {
    int xChiudi = 0, xMax = 0, xMin = 0;
};
PosizioniPulsanti PosizionaPulsanti(const PulsantiForm& p, int larghezza);

// ZonaChiudi, ZonaSchermoIntero, ZonaMinimizza or ZonaNessuna; bounds exclusive sideways.
int PulsanteColpito(const PulsantiForm& p, int larghezza, int x, int y);
bool InBandaPulsanti(const PulsantiForm& p, int y);

// One step of an edge drag. finestra is the window's frame on the screen, puntatore the
// pointer in the frame's own coordinates, ancora the press point, schermo the screen's
// available area. The edge opposite the dragged one never moves, also at the minimum size.
QRect PassoRidimensiona(int zona, const QRect& finestra, QPoint puntatore, QPoint ancora, QSize minima,
                        const QRect& schermo);

// Two left presses in the title band less than 200 ms apart toggle full screen; the first
// press of all has no predecessor.
constexpr std::uint64_t IntervalloDoppiaPressione = 200;
bool DoppiaPressione(std::optional<std::uint64_t> precedente, std::uint64_t adesso, int y);

#include <QRegion>
// The window's outline: a rectangle whose corners are cut by ellipses of 15x15.
QRegion RegioneArrotondata(QSize dimensione);
