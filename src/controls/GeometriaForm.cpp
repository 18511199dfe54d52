#include "controls/GeometriaForm.h"

#include <algorithm>
#include <cmath>

int ZonaPressione(int x, int y, int larghezza, int altezza) {
    int zona = ZonaNessuna;
    if (x < BordoSensibile) zona = ZonaBordoSinistro;
    if (x > larghezza - BordoSensibile) zona = ZonaBordoDestro;
    if (y < BordoSensibile) zona = ZonaBordoAlto;
    if (y > altezza - BordoSensibile) zona = ZonaBordoBasso;
    if (InBandaTitolo(y)) zona = ZonaTitolo;
    return zona;
}

bool InBandaTitolo(int y) { return BordoSensibile <= y && y < FineBandaTitolo; }

PosizioniPulsanti PosizionaPulsanti(const PulsantiForm& p, int larghezza) {
    PosizioniPulsanti pos;
    int x = larghezza - 12;
    if (p.visibileChiudi) pos.xChiudi = x -= p.larghezzaChiudi;
    if (p.visibileMax) pos.xMax = x -= p.larghezzaMax;
    if (p.visibileMin) pos.xMin = x -= p.larghezzaMin;
    return pos;
}

bool InBandaPulsanti(const PulsantiForm& p, int y) { return p.top <= y && y < p.top + p.altezzaBanda; }

int PulsanteColpito(const PulsantiForm& p, int larghezza, int x, int y) {
    if (!InBandaPulsanti(p, y)) return ZonaNessuna;
    int r = larghezza - 12;
    const struct {
        bool visibile;
        int larghezza;
        int zona;
    } pulsanti[] = {{p.visibileChiudi, p.larghezzaChiudi, ZonaChiudi},
                    {p.visibileMax, p.larghezzaMax, ZonaSchermoIntero},
                    {p.visibileMin, p.larghezzaMin, ZonaMinimizza}};
    for (const auto& b : pulsanti) {
        if (!b.visibile) continue;
        if (r - b.larghezza < x && x < r) return b.zona;
        r -= b.larghezza;
    }
    return ZonaNessuna;
}

namespace {
// One axis of an edge drag: inizio and lunghezza of the window along it, the screen's range
// [schermoInizio, schermoFine) and the minimum length.
struct Asse {
    int inizio, lunghezza;
};

Asse PassoLatoIniziale(Asse a, int d, int minimo, int schermoInizio, int schermoFine) {
    const int fine = a.inizio + a.lunghezza;
    int inizio = std::max(a.inizio + d, schermoInizio);
    // Shrinking stops at the minimum with the far edge in place; a window already smaller
    // than the minimum does not shrink further.
    if (d > 0) inizio = std::min(inizio, std::max(a.inizio, fine - minimo));
    Asse r{inizio, fine - inizio};
    if (d > 0 && r.inizio + r.lunghezza >= schermoFine) r = {schermoFine - minimo, minimo};
    return r;
}

Asse PassoLatoFinale(Asse a, int posizione, int minimo, int schermoFine) {
    Asse r{a.inizio, std::max(posizione, minimo)};
    if (r.inizio + r.lunghezza >= schermoFine) r.lunghezza = schermoFine - r.inizio;
    return r;
}
}  // namespace

QRect PassoRidimensiona(int zona, const QRect& f, QPoint puntatore, QPoint ancora, QSize minima,
                        const QRect& schermo) {
    const int destraSchermo = schermo.x() + schermo.width();
    const int bassoSchermo = schermo.y() + schermo.height();
    switch (zona) {
    case ZonaBordoSinistro: {
        const Asse a = PassoLatoIniziale({f.x(), f.width()}, puntatore.x() - ancora.x(), minima.width(), schermo.x(),
                                         destraSchermo);
        return QRect(a.inizio, f.y(), a.lunghezza, f.height());
    }
    case ZonaBordoDestro: {
        const Asse a = PassoLatoFinale({f.x(), f.width()}, puntatore.x(), minima.width(), destraSchermo);
        return QRect(f.x(), f.y(), a.lunghezza, f.height());
    }
    case ZonaBordoAlto: {
        const Asse a = PassoLatoIniziale({f.y(), f.height()}, puntatore.y() - ancora.y(), minima.height(),
                                         schermo.y(), bassoSchermo);
        return QRect(f.x(), a.inizio, f.width(), a.lunghezza);
    }
    case ZonaBordoBasso: {
        const Asse a = PassoLatoFinale({f.y(), f.height()}, puntatore.y(), minima.height(), bassoSchermo);
        return QRect(f.x(), f.y(), f.width(), a.lunghezza);
    }
    default:
        return f;
    }
}

bool DoppiaPressione(std::optional<std::uint64_t> precedente, std::uint64_t adesso, int y) {
    return precedente && adesso >= *precedente && adesso - *precedente < IntervalloDoppiaPressione &&
           InBandaTitolo(y);
}

QRegion RegioneArrotondata(QSize d) {
    const int W = d.width(), H = d.height();
    if (W <= 0 || H <= 0) return QRegion();
    // Row by row, so that the region holds whole pixels and no polygon rounding.
    const double r = 7.5;
    QRegion regione;
    for (int y = 0; y < H; ++y) {
        const double dy = y + 0.5 < r ? r - (y + 0.5) : (y + 0.5 > H - r ? (y + 0.5) - (H - r) : 0);
        const double dx = dy > 0 ? r - std::sqrt(std::max(0.0, r * r - dy * dy)) : 0;
        const int rientro = int(dx + 0.5);
        regione += QRect(rientro, y, W - 2 * rientro, 1);
    }
    return regione;
}
