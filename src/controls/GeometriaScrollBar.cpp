#include "controls/GeometriaScrollBar.h"

#include <algorithm>

namespace {
struct Misure {
    int centro;
    float scala;
    int corsa;
};

// Thumb middle and travel for content that does not fit.
Misure MisureBarra(int H, int max) {
    const int M = MargineCursore, C = AltezzaTesta;
    Misure m{2 * H - max - 2 * M - 2 * C, 1.0f, 0};
    if (m.centro < LunghezzaMinimaCursore) {
        m.centro = LunghezzaMinimaCursore;
        m.corsa = H - LunghezzaMinimaCursore - 2 * M - 2 * C;
        if (m.corsa > 0) m.scala = float(max - H) / float(m.corsa) + 1.0f;
    } else {
        m.corsa = H - m.centro - 2 * M - 2 * C;
    }
    return m;
}
}  // namespace

GeometriaBarra CalcolaBarra(int H, int max, int scostamento, int posizionePrecedente) {
    GeometriaBarra g;
    g.posizione = posizionePrecedente;
    if (max <= H) return g;
    const Misure m = MisureBarra(H, max);
    if (m.corsa <= 0) return g;
    g.cursore = true;
    g.centro = m.centro;
    g.scala = m.scala;
    g.corsa = m.corsa;
    g.scostamento = std::max(0, scostamento);
    g.t = float(g.scostamento) / g.scala;
    if (g.t > float(g.corsa)) {
        g.t = float(g.corsa);
        g.scostamento = int(g.t * g.scala);
    }
    g.posizione = int(float(H) + g.t * float(max - H) / float(g.corsa));
    g.yCursore = int(float(MargineCursore) + g.t);
    return g;
}

int ScostamentoPerPosizione(int H, int max, int posizione) {
    if (max <= H) return 0;
    const Misure m = MisureBarra(H, max);
    if (m.corsa <= 0) return 0;
    posizione = std::clamp(posizione, H, max);
    int s = int(float(posizione - H) * float(m.corsa) / float(max - H) * m.scala);
    // Truncation may leave the report a pixel short: creep up to it.
    for (int i = 0; i < 4 && CalcolaBarra(H, max, s, 0).posizione < posizione; ++i) ++s;
    return s;
}

int RigaDaPosizione(int posizione, int H, int altezzaVoce) {
    if (altezzaVoce <= 0) return 0;
    return (altezzaVoce + posizione - H - 1) / altezzaVoce;
}

int ScostamentoPerRiga(int H, int max, int riga, int altezzaVoce) {
    if (altezzaVoce <= 0 || riga <= 0) return 0;
    return ScostamentoPerPosizione(H, max, H + riga * altezzaVoce);
}
