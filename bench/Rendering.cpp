// Milliseconds per frame of the frame pipeline, step by step, and the floor: writing one
// 1920x1080 JPEG alone. Arguments: intro, heavy settings (0/1).
#include "BenchComune.h"

#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "platform/Jpeg.h"
#include "project/ImpostazioniGlobali.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"
#include "render/PhotoShop.h"
#include "render/SalvaFrame.h"
#include "render/Sfondo.h"

#include <benchmark/benchmark.h>

namespace {

struct Banco {
    HostBench host;
    ImpostazioniProgetto imp;
    ContestoRendering contesto{host};

    Banco(int intro, bool pesanti) : imp(ImpostazioniBench(pesanti, intro)) {
        imp.UsaJpg = true;
        imp.ProgettoRisoluzione = 2;
        contesto.Impostazioni = &imp;
        ImpostazioniGlobali.TotaleFrame = 200;
        // Frame 0 of a run builds the text layers that the later frames use.
        host.Anima = true;
        contesto.FrameCorrente = 0;
        DisegnaFrame(contesto);
    }
};

void Guarda(const QImage& canvas, const QString& nome) {
    const QString cartella = CartellaPngBench();
    if (!cartella.isEmpty()) canvas.save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
}

QString Nome(const benchmark::State& stato, const char* passo) {
    return QStringLiteral("%1_intro%2_%3").arg(QLatin1String(passo)).arg(stato.range(0)).arg(stato.range(1) ? "pesante" : "base");
}

void BM_Frame(benchmark::State& stato) {
    Banco b(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    Guarda(b.contesto.CanvasFrame, Nome(stato, "frame000"));
    float t = 100;
    for (auto _ : stato) {
        b.contesto.FrameCorrente = t;
        DisegnaFrame(b.contesto);
        t = t >= 150 ? 100 : t + 1;
    }
    b.contesto.FrameCorrente = 100;
    DisegnaFrame(b.contesto);
    Guarda(b.contesto.CanvasFrame, Nome(stato, "frame100"));
}

// A text fading in: intro 1's fade, each intro's own look, frames 34 to 66 in turn. The
// sharpen's colours come from the layers drawn once more at full strength.
void BM_FrameDissolvenza(benchmark::State& stato) {
    HostBench host;
    ImpostazioniProgetto imp = ImpostazioniIntroBench(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    imp.Intro1Lista = 6;
    ContestoRendering contesto{host};
    contesto.Impostazioni = &imp;
    ImpostazioniGlobali.TotaleFrame = 200;
    host.Anima = true;
    contesto.FrameCorrente = 0;
    DisegnaFrame(contesto);
    float t = 34;
    for (auto _ : stato) {
        contesto.FrameCorrente = t;
        DisegnaFrame(contesto);
        t = t >= 66 ? 34 : t + 1;
    }
    contesto.FrameCorrente = 50;
    DisegnaFrame(contesto);
    Guarda(contesto.CanvasFrame, Nome(stato, "dissolvenza050"));
}

void BM_Sfondo(benchmark::State& stato) {
    Banco b(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    for (auto _ : stato) DisegnaSfondo(b.contesto);
}

// The layers drawn anew: the font size goes back and forth, so nothing kept can serve.
void BM_CreaOggettiTesto(benchmark::State& stato) {
    Banco b(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    int passo = 0;
    for (auto _ : stato) {
        b.imp.FontSize += passo++ % 2 ? -1 : 1;
        CreaOggettiTesto(b.contesto);
        b.contesto.ScritturaFile.Attendi();
    }
}

void BM_SalvaFrame(benchmark::State& stato) {
    Banco b(static_cast<int>(stato.range(0)), stato.range(1) != 0);
    b.imp.ProgettoRisoluzione = 1;
    for (auto _ : stato) SalvaFrame(b.contesto);
}

void BM_Nitidezza(benchmark::State& stato) {
    QImage canvas(1920, 1080, QImage::Format_ARGB32);
    canvas.fill(qRgba(192, 192, 192, 0));
    PhotoShop filtro;
    for (auto _ : stato) filtro.AumentaNitidezza(&canvas);
}

void BM_ScalaOutput720(benchmark::State& stato) {
    Banco b(1, false);
    for (auto _ : stato) benchmark::DoNotOptimize(ScalaAltaQualita(b.contesto.CanvasFrame, QSize(1280, 720)));
}

void BM_ScalaAnteprima(benchmark::State& stato) {
    Banco b(1, false);
    for (auto _ : stato) benchmark::DoNotOptimize(ScalaAltaQualita(b.contesto.CanvasFrame, DimensioneAnteprima(1024)));
}

void BM_ScalaAnteprimaVeloce(benchmark::State& stato) {
    Banco b(1, false);
    for (auto _ : stato) benchmark::DoNotOptimize(ScalaVeloce(b.contesto.CanvasFrame, DimensioneAnteprima(1024)));
}

// The floor: one 1920x1080 JPEG written, nothing drawn.
void BM_ScriviJpeg1080(benchmark::State& stato) {
    Banco b(1, false);
    const QString percorso = PercorsoOutput + QStringLiteral("/floor.jpg");
    for (auto _ : stato) ScriviJpeg(b.contesto.CanvasFrame, percorso, 90);
}

}  // namespace

BENCHMARK(BM_Frame)->ArgsProduct({{1, 10}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameDissolvenza)->ArgsProduct({{1, 10}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sfondo)->ArgsProduct({{1}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreaOggettiTesto)->ArgsProduct({{1}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SalvaFrame)->Args({1, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Nitidezza)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScalaOutput720)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScalaAnteprima)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScalaAnteprimaVeloce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScriviJpeg1080)->Unit(benchmark::kMillisecond);
