#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Casuale.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"

#include <algorithm>
#include <array>

namespace {

constexpr int NumeroScintille = 20000;

// At frame 0 every outline point of line 1 gets one active spark.
void SeminaScintille(ContestoRendering& c) {
    ParticleSystem& s = c.Effetti.EmettitoreScintille();
    s.Azzera();
    const float N = ImpostazioniGlobali.TotaleFrame;
    // The walk's step bound: 600 / N, none without frames.
    const PuntoDeriva deriva{N > 0.0f ? 3.0 / (N * 0.005) : 0.0, 0.0};
    s.ImpostaModo(1);
    s.Inizializza(NumeroScintille, {&deriva, 1}, 1.0, 2.0, 0, 0, 0, 0, std::max(0, TroncaIntero(N - 60.0f)), 1, 0);
    const int n = std::min<int>(static_cast<int>(c.PuntiContorno.size()), s.Numero());
    for (int i = 0; i < n; ++i) s.PosizionaParticella(i, c.PuntiContorno[static_cast<size_t>(i)].x(), c.PuntiContorno[static_cast<size_t>(i)].y());
}

}  // namespace

// Text line 1 fades in, sparks flicker on its outline, the text fades and the sparks
// scatter; the frames are written backwards, so the video welds the text together.
void DisegnaIntro7(ContestoRendering& c) {
    PassiInizialiFrame(c);
    CreaOggettiTesto(c);
    if (c.FrameCorrente == 0.0f) SeminaScintille(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const float t = c.FrameCorrente;
    const int stato = StatoIntro7(t, ImpostazioniGlobali.TotaleFrame, c.Anima());
    const DisegnoIntro7 d = CalcolaDisegnoIntro7(stato, t);

    const LayerTesto& layer = c.LayerOggetto[0];
    const int W = ImpostazioniGlobali.LarghezzaFrame, H = ImpostazioniGlobali.AltezzaFrame;
    const int lw = layer.Larghezza(), lh = layer.Altezza();
    const int x0 = (W - lw) / 2, y0 = (H - lh) / 2;
    const QRect posto(x0, y0, lw, lh);
    QPainter& g = c.GraficaFrame;

    const MatriceColore matriceTesto = d.ColoreTesto ? MatriceColore::Colori(1.0f, d.TraslazioneTesto, d.AlfaTesto)
                                                     : c.AttributiImmagine;
    if (d.Testo && lw > 0) DisegnaLayer(g, posto, layer, layer.Rettangolo(), matriceTesto);

    if (d.Scintille) {
        // The sprites brightened once per frame; each spark then only scales their alpha.
        std::array<QImage, 6> sprite;
        for (size_t k = 0; k < sprite.size(); ++k) {
            const QImage img = CaricaImmagine(c, CartellaProgramma + NomiIntro::Scintille[k]);
            if (!img.isNull()) sprite[k] = ApplicaMatriceColore(img, MatriceColore::Colori(1.0f, 0.7f, 1.0f));
        }
        const QSize dim = sprite[0].size();
        const ParticleSystem& scintille = c.Effetti.EmettitoreScintille();
        const int n = std::min(c.NumeroPuntiContorno, scintille.Numero());
        for (int i = 0; i < n; ++i) {
            LetturaParticella p;
            if (!scintille.LeggiParticella(i, p) || p.variant == 0) continue;
            const QImage& img = sprite[static_cast<size_t>(NumeroCasuale(6))];
            const float alfa = d.AlfaPerScintilla ? 1.0f - static_cast<float>(p.age) / (p.life != 0 ? p.life : 1)
                                                  : d.AlfaScintille;
            DisegnaConMatrice(g, QRect(x0 + p.x - dim.width() / 2, y0 + p.y - dim.height() / 2, dim.width(), dim.height()),
                              img, img.rect(), MatriceColore::Alfa(alfa));
        }
        if (d.Passo) c.Effetti.EmettitoreScintille().AggiornaCasuale();
    }

    if (imp.Enfatizzare && stato >= 2 && stato <= 5 && lw > 0) {
        const auto disegna = [&](QPainter& composizione) {
            DisegnaLayer(composizione, posto, layer, layer.Rettangolo(), matriceTesto);
            return posto;
        };
        if (!d.ColoreTesto || d.AlfaTesto >= 1.0f) {
            DisegnaNitido(c, disegna);
        } else {
            const MatriceColore piena = MatriceColore::Colori(1.0f, d.TraslazioneTesto, 1.0f);
            DisegnaNitido(c, disegna, [&](QPainter& forte) { DisegnaLayer(forte, posto, layer, layer.Rettangolo(), piena); });
        }
    }
    PassiFinaliFrame(c);
}
