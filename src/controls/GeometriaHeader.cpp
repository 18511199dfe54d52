#include "controls/GeometriaHeader.h"

#include <algorithm>

RigaSchede DisponiSchede(const LarghezzePezzi& pezzi, const QVector<int>& testi, int attiva) {
    RigaSchede riga;
    int x = InizioSchede;
    const int n = int(testi.size());
    for (int i = 0; i < n; ++i) {
        SchedaDisposta s{};
        s.attiva = attiva == i + 1;
        if (i == 0)
            s.pezzo = s.attiva ? PezzoScheda::SxSinOn : PezzoScheda::SxSinOff;
        else if (s.attiva)
            s.pezzo = PezzoScheda::SxDoppioOn;
        else
            s.pezzo = attiva == i ? PezzoScheda::DxDoppioOn : PezzoScheda::DxDoppioOff;
        s.inizio = x;
        s.xPezzo = x;
        x += pezzi[s.pezzo];
        s.xTesto = x;
        s.larghezzaTesto = testi[i];
        x += testi[i];
        if (i == n - 1) {
            riga.pezzoFinale = attiva == n ? PezzoScheda::DxSinOn : PezzoScheda::DxSinOff;
            riga.xFinale = x;
            x += pezzi[riga.pezzoFinale];
        }
        s.fine = x;
        riga.schede.push_back(s);
    }
    return riga;
}

QVector<int> AdattaLarghezzeTesto(const RigaSchede& riga, const QVector<int>& testi, int limite) {
    if (riga.schede.isEmpty()) return testi;
    const int eccesso = riga.schede.back().fine - limite;
    if (eccesso <= 0) return testi;
    long long totale = 0;
    for (int w : testi) totale += w;
    const long long budget = std::max(0LL, totale - eccesso);
    // The largest common cap whose row fits: captions below it keep their width.
    QVector<int> ordinate = testi;
    std::sort(ordinate.begin(), ordinate.end());
    long long sotto = 0;  // sum of the captions narrower than the cap
    int tetto = 0;
    for (int i = 0; i < ordinate.size(); ++i) {
        const long long restanti = ordinate.size() - i;
        const long long possibile = (budget - sotto) / restanti;
        if (possibile <= ordinate[i]) {
            tetto = int(std::max(0LL, possibile));
            break;
        }
        sotto += ordinate[i];
        tetto = ordinate[i];
    }
    QVector<int> adattate = testi;
    for (int& w : adattate) w = std::min(w, tetto);
    return adattate;
}

int SchedaColpita(const RigaSchede& riga, int x, int y) {
    if (y < 6 || y > 34) return 0;
    int colpita = 0;
    for (int i = 0; i < riga.schede.size(); ++i)
        if (riga.schede[i].inizio <= x && x <= riga.schede[i].fine) colpita = i + 1;
    return colpita;
}

int YTestoSchede(int altezza) { return altezza == 40 ? 9 : 16; }

int LimitaSchedaAttiva(int n, int numero) {
    if (n <= 0) n = 1;
    if (n > numero) n = numero;
    return n;
}
