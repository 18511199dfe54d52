// Milliseconds per frame of intros 2 to 9, with the defaults each intro gets when chosen
// and with the heavy look. Arguments: intro, heavy settings (0/1).
#include "BenchComune.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Intro.h"

#include <benchmark/benchmark.h>

namespace {

struct BancoIntro {
    HostBench host;
    ImpostazioniProgetto imp;
    ContestoRendering contesto{host};

    BancoIntro(int intro, bool pesanti) : imp(ImpostazioniIntroBench(intro, pesanti)) {
        contesto.Impostazioni = &imp;
        ImpostazioniGlobali.TotaleFrame = 200;
        // Frame 0 of a run: the tiles, grids and spark seeds that later frames use.
        host.Anima = true;
        contesto.FrameCorrente = 0;
        DisegnaFrame(contesto);
    }
};

void Guarda(const QImage& canvas, const benchmark::State& stato, int frame) {
    const QString cartella = CartellaPngBench();
    if (cartella.isEmpty()) return;
    canvas.save(QStringLiteral("%1/intro%2_%3_frame%4.png")
                    .arg(cartella)
                    .arg(stato.range(0))
                    .arg(stato.range(1) ? "pesante" : "base")
                    .arg(frame, 3, 10, QLatin1Char('0')));
}

// Frames 60 to 140 in turn: each intro's middle, where its own drawing is busiest.
void BM_FrameIntro(benchmark::State& stato) {
    BancoIntro b(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    Guarda(b.contesto.CanvasFrame, stato, 0);
    float t = 60;
    for (auto _ : stato) {
        b.contesto.FrameCorrente = t;
        DisegnaFrame(b.contesto);
        t = t >= 140 ? 60 : t + 1;
    }
    if (CartellaPngBench().isEmpty()) return;
    // For the look: the middle frame as an animation reaches it, every frame before it drawn.
    for (int f = 0; f <= 100; ++f) {
        b.contesto.FrameCorrente = static_cast<float>(f);
        DisegnaFrame(b.contesto);
    }
    Guarda(b.contesto.CanvasFrame, stato, 100);
}

// The preview: frame 0 with Anima unchecked, which recuts intro 4's tiles and reseeds intro 7.
void BM_AnteprimaIntro(benchmark::State& stato) {
    BancoIntro b(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    b.host.Anima = false;
    for (auto _ : stato) {
        b.contesto.FrameCorrente = 0;
        DisegnaFrame(b.contesto);
    }
    Guarda(b.contesto.CanvasFrame, stato, 999);
}

}  // namespace

BENCHMARK(BM_FrameIntro)->ArgsProduct({{2, 3, 4, 5, 6, 7, 8, 9}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnteprimaIntro)->ArgsProduct({{2, 3, 4, 5, 6, 7, 8, 9}, {0}})->Unit(benchmark::kMillisecond);
