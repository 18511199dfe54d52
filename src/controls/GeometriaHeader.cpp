#include "controls/GeometriaHeader.h"

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
