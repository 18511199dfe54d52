#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/Casuale.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int NumeroFuochi = 6;
constexpr int NumeroFumi = 3;
constexpr int EmissioniPerFrame = 10;

// The smoke source waits, switched off, for the laser to emit it.
void PreparaFumo(ParticleSystem& fumo) {
    if (fumo.Inizializzato()) return;
    fumo.ImpostaModo(3);
    fumo.Inizializza(700, {}, 0, 0, -500, -500, -500, -500, 30, 100, 4);
    fumo.Spegni();
}

// A bright, faint flash: red, green and blue raised, alpha a fifth.
MatriceColore MatriceFuoco() {
    MatriceColore m = MatriceColore::Identita();
    m.m[4][0] = 0.5f;
    m.m[4][1] = 0.4f;
    m.m[4][2] = 0.4f;
    m.m[3][3] = 0.2f;
    return m;
}

}  // namespace

// Text line 1 is uncovered from left to right by a laser; flashes burn on the edge where it
// crosses the ink, and each puffs smoke that rises and drifts away.
void DisegnaIntro6(ContestoRendering& c) {
    PassiInizialiFrame(c);
    CreaOggettiTesto(c);
    const ImpostazioniProgetto& imp = c.Imp();
    ParticleSystem& fumo = c.Effetti.EmettitoreFumo();
    PreparaFumo(fumo);

    std::array<QImage, NumeroFuochi> fuochi;
    for (int k = 0; k < NumeroFuochi; ++k) fuochi[static_cast<size_t>(k)] = CaricaSlot(c, SlotIntro::PrimoFuocoLaser + k);
    std::array<QImage, NumeroFumi> fumi;
    for (int k = 0; k < NumeroFumi; ++k) fumi[static_cast<size_t>(k)] = CaricaSlot(c, SlotIntro::PrimoFumo + k);
    const QSize fuoco = fuochi[0].size();
    const QSize nuvola = fumi[0].size();
    const LayerTesto& layer = c.LayerOggetto[0];
    const int lw = layer.Larghezza(), lh = layer.Altezza();
    const int W = ImpostazioniGlobali.LarghezzaFrame, H = ImpostazioniGlobali.AltezzaFrame;

    const float r = ProgressoLaser(c.FrameCorrente, ImpostazioniGlobali.TotaleFrame, c.Anima());
    const int x0 = (W - lw) / 2, y0 = (H - lh) / 2;
    const int e = TroncaIntero(lw * r);
    const QRect scoperto(x0, y0, std::max(e, 0), lh);

    // What the frame gets, in this order: the uncovered part of the layer, the flashes, the
    // smoke. The flashes and puffs are chosen first; all is drawn at the end.
    struct Sprite {
        QRect dove;
        const QImage* immagine;
        float alfa;
    };
    std::vector<Sprite> lampi;
    std::array<QImage, NumeroFuochi> tinti;
    // The edge inside the layer only: none in the preview or before the engraving starts.
    if (imp.Intro6Laser && e > 0 && e < lw) {
        const MatriceColore matrice = MatriceFuoco();
        int emessi = 0;
        for (int j : RigheLampi(c.GrigliaOccupazione, e, lh)) {
            const int k = NumeroCasuale(NumeroFuochi);
            const QImage& sprite = fuochi[static_cast<size_t>(k)];
            const QRect dove(x0 - fuoco.width() / 2 + e, y0 - fuoco.height() / 2 + j, fuoco.width(), fuoco.height());
            if (!sprite.isNull()) {
                QImage& tinto = tinti[static_cast<size_t>(k)];
                if (tinto.isNull()) tinto = ApplicaMatriceColore(sprite, matrice);
                lampi.push_back({dove, &tinto, 1.0f});
            }
            if (emessi < EmissioniPerFrame) {
                fumo.Emetti(dove.left() + fuoco.width() / 2, dove.top() + fuoco.height() / 2);
                ++emessi;
            }
        }
    }

    std::vector<Sprite> nuvole;
    if (imp.Intro6Fumo) {
        fumo.AggiornaFumo();
        for (int i = 0; i <= fumo.UltimaAttiva(); ++i) {
            LetturaParticella p;
            if (!fumo.LeggiParticella(i, p) || p.variant == 0) continue;
            if (p.variant < 1 || p.variant > NumeroFumi) continue;
            const float alfa = (1.0f - static_cast<float>(p.age) / (p.life != 0 ? p.life : 1)) / 15.0f;
            nuvole.push_back({QRect(p.x - nuvola.width() / 2, p.y - nuvola.height() / 2, nuvola.width(), nuvola.height()),
                              &fumi[static_cast<size_t>(p.variant - 1)], alfa});
        }
    }

    const auto primi = [&](QPainter& g, const QRect& zona) {
        if (!scoperto.isEmpty() && scoperto.intersects(zona))
            DisegnaLayer(g, scoperto, layer, QRect(0, 0, e, lh), c.AttributiImmagine);
        for (const Sprite& s : lampi)
            if (s.dove.intersects(zona)) g.drawImage(s.dove, *s.immagine);
    };
    // Hundreds of faint clouds a frame.
    const auto fumate = [&](QPainter& g, const QRect& zona) {
        for (const Sprite& n : nuvole)
            if (n.dove.intersects(zona))
                DisegnaConMatrice(g, n.dove, *n.immagine, n.immagine->rect(), MatriceColore::Alfa(n.alfa));
    };
    // All at its own size on whole pixels (the usual case): everything band by band on every
    // core, in the same order. A scaled flash goes as it always went, straight on the frame.
    const bool aBande = PittoreNeutro(c.GraficaFrame) &&
                        std::all_of(lampi.begin(), lampi.end(), [](const Sprite& s) { return s.dove.size() == s.immagine->size(); });
    // What a very wide layer shows of itself is drawn once, before the bands share it.
    if (!scoperto.isEmpty()) PreparaLayer(c.GraficaFrame, scoperto, layer, QRect(0, 0, e, lh));
    if (aBande) {
        if (!scoperto.isEmpty() || !lampi.empty() || !nuvole.empty())
            DisegnaABande(c.CanvasFrame, [&](QPainter& g, const QRect& zona) {
                primi(g, zona);
                fumate(g, zona);
            });
    } else {
        primi(c.GraficaFrame, c.CanvasFrame.rect());
        if (!nuvole.empty()) DisegnaABande(c.CanvasFrame, fumate);
    }
    PassiFinaliFrame(c);
}
