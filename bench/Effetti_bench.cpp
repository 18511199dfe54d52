// Milliseconds per frame of each effect layer: the six particle kinds (back and front calls),
// the intro-10 ring, snow and the three lens flares, over a plain gradient canvas.
// QUENVOX_BENCH_PNG=<folder> also writes one frame of each as PNG.
#include "BenchComune.h"

#include "project/ImpostazioniGlobali.h"
#include "render/MotoriEffetti.h"

#include <benchmark/benchmark.h>

#include <QLinearGradient>

#include <memory>

namespace {

// Amount and life of each particle kind as the kind's defaults set them.
constexpr int kQuantita[] = {150, 80, 80, 400, 80, 80};
constexpr int kVita[] = {60, 60, 60, 100, 80, 80};

struct BancoEffetti {
    ImpostazioniProgetto imp;
    QImage canvas{1920, 1080, QImage::Format_ARGB32_Premultiplied};
    QImage fondo{1920, 1080, QImage::Format_ARGB32_Premultiplied};
    std::unique_ptr<MotoriEffetti> motori = std::make_unique<MotoriEffetti>();
    float t = 0;

    explicit BancoEffetti(int intro) : imp(ImpostazioniBench(false, intro)) {
        ImpostazioniGlobali.TotaleFrame = 200;
        QPainter p(&fondo);
        QLinearGradient g(0, 0, 0, 1080);
        g.setColorAt(0, QColor(0, 199, 214));
        g.setColorAt(1, QColor(0, 7, 97));
        p.fillRect(fondo.rect(), g);
    }

    // One frame of the effect steps, in the pipeline's order.
    void Frame() {
        canvas = fondo.copy();
        QPainter grafica(&canvas);
        ContestoEffetti c{imp, t, ImpostazioniGlobali.TotaleFrame, canvas, grafica};
        motori->PreparaParticelle(c);
        motori->DisegnaParticelleDietro(c);
        motori->DisegnaParticelleDavanti(c);
        motori->DisegnaLensFlare(c);
        motori->DisegnaNeve(c);
        t = t >= 199 ? 0 : t + 1;
    }

    void Guarda(const QString& nome) const {
        const QString cartella = CartellaPngBench();
        if (!cartella.isEmpty()) canvas.save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
    }
};

void Misura(benchmark::State& stato, BancoEffetti& b, const QString& nome) {
    b.t = 0;
    for (int i = 0; i < 60; ++i) b.Frame();  // into the steady state
    b.Guarda(nome);
    for (auto _ : stato) b.Frame();
}

void BM_Particelle(benchmark::State& stato) {
    const int tipo = static_cast<int>(stato.range(0));
    BancoEffetti b(1);
    b.imp.EffettiParticelleCheck = true;
    b.imp.EffettiParticelleLista = tipo;
    b.imp.EffettiParticelleQuantita = kQuantita[tipo - 1];
    b.imp.EffettiParticelleVita = kVita[tipo - 1];
    Misura(stato, b, QStringLiteral("particelle%1").arg(tipo));
}

void BM_CerchioPalle(benchmark::State& stato) {
    BancoEffetti b(10);
    b.imp.EffettiParticelleVita = 100;
    Misura(stato, b, QStringLiteral("cerchio"));
}

void BM_Neve(benchmark::State& stato) {
    BancoEffetti b(1);
    b.imp.EffettiNeveCheck = true;
    b.motori->SeminaNeve();
    Misura(stato, b, QStringLiteral("neve"));
}

void BM_LensFlare(benchmark::State& stato) {
    const int tipo = static_cast<int>(stato.range(0));
    BancoEffetti b(1);
    b.imp.EffettiLensFlareCheck = true;
    b.imp.EffettoLensFlareLista = tipo;
    Misura(stato, b, QStringLiteral("lensflare%1").arg(tipo));
}

// The floor of every layer: the canvas copy alone.
void BM_SoloFondo(benchmark::State& stato) {
    BancoEffetti b(1);
    Misura(stato, b, QStringLiteral("fondo"));
}

}  // namespace

BENCHMARK(BM_Particelle)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CerchioPalle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Neve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LensFlare)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoloFondo)->Unit(benchmark::kMillisecond);
