#pragma once
// The tab row of the header as a pure function of the piece widths and the caption widths,
// so that drawing and the hit test walk the same row.
#include <QVector>

// Which picture stands in front of a tab, and which one closes the row.
enum class PezzoScheda {
    SxSinOff, SxSinOn,            // left end of the first tab
    DxDoppioOff, DxDoppioOn,      // separator, this tab not active
    SxDoppioOn,                   // separator in front of the active tab
    DxSinOff, DxSinOn,            // right end after the last tab
};

// Width of each piece (0 for a missing picture), indexed by PezzoScheda.
struct LarghezzePezzi {
    int larghezza[7] = {};
    int operator[](PezzoScheda p) const { return larghezza[int(p)]; }
    int& operator[](PezzoScheda p) { return larghezza[int(p)]; }
};

struct SchedaDisposta {
    PezzoScheda pezzo;   // the piece in front of it
    int xPezzo;          // where that piece stands
    int xTesto;          // caption and body start
    int larghezzaTesto;  // body width
    bool attiva;
    int inizio, fine;    // span of the hit test, both ends included
};

struct RigaSchede {
    QVector<SchedaDisposta> schede;
    PezzoScheda pezzoFinale = PezzoScheda::DxSinOff;
    int xFinale = 0;  // the right end's place (only with at least one tab)
};

constexpr int InizioSchede = 20;

// attiva is 1-based (0 or out of range: none).
RigaSchede DisponiSchede(const LarghezzePezzi& pezzi, const QVector<int>& larghezzeTesto, int attiva);

// The caption widths that make a row end by limite: the widest captions are cut down to one
// common width, as little as needed; a row that fits keeps every width.
QVector<int> AdattaLarghezzeTesto(const RigaSchede& riga, const QVector<int>& larghezzeTesto, int limite);

// 1-based tab under (x, y) or 0; the band is 6 <= y <= 34 for both skin heights and the
// later of two touching tabs wins.
int SchedaColpita(const RigaSchede& riga, int x, int y);

// Caption top from the height of the first tab's left end.
int YTestoSchede(int altezzaPezzoIniziale);

// The setter's clamp: below 1 becomes 1, then above the count becomes the count.
int LimitaSchedaAttiva(int n, int numeroSchede);
