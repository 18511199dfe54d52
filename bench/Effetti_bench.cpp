// Milliseconds per frame of each effect layer: the six particle kinds (back and front calls),
// the intro-10 ring, snow and the three lens flares, over a plain gradient canvas.
// QUENVOX_BENCH_PNG=<folder> also writes one frame of each as PNG.
#include "BenchComune.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Bande.h"
#include "render/Casuale.h"
#include "render/LivelliParticelle.h"
#include "render/MotoriEffetti.h"

#include <benchmark/benchmark.h>

#include <QLinearGradient>

#include <cmath>
#include <memory>
#include <numbers>

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

// The ring's balls alone as intro 10 paints them: 200 frames of draw lists made first, then
// painted one a time over the gradient. mini: the balls start small (the preset) or at the
// sizes they keep; cores: 1 the calling thread alone, 0 every core. px: pixels laid a frame.
void BM_PalleCerchio(benchmark::State& stato) {
    const bool mini = stato.range(0) != 0;
    BancoEffetti b(10);
    FissaSemeCasuale(28);
    CerchioPalle cerchio;
    PreparaCerchio(cerchio, 100, true, mini);
    std::vector<std::vector<ComandoPalla>> frame;
    double pixel = 0;
    for (int t = 0; t < 200; ++t) {
        cerchio.Aggiorna(true);
        frame.push_back(ComandiCerchio(cerchio, {0xFFFF98, 0x98833B}));
        pixel += PixelPalle(frame.back());
    }
    ImpostaFiliBande(static_cast<int>(stato.range(1)));
    std::size_t t = 0;
    for (auto _ : stato) {
        b.canvas = b.fondo.copy();
        DipingiPalle(b.canvas, frame[t]);
        t = (t + 1) % frame.size();
    }
    ImpostaFiliBande(0);
    stato.counters["px"] = pixel / 200;
}

}  // namespace

BENCHMARK(BM_Particelle)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CerchioPalle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PalleCerchio)->ArgsProduct({{1, 0}, {1, 0}})->ArgNames({"mini", "cores"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Neve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LensFlare)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoloFondo)->Unit(benchmark::kMillisecond);

double PixelPalle(const std::vector<ComandoPalla>& palle) {
    // A rim reaches about 9 px either side of its circle.
    constexpr double portata = 9.0;
    double pixel = 0;
    for (const ComandoPalla& p : palle) {
        const double r = std::abs(p.rettangolo.width()) * 0.5;
        if (p.bordo.alpha() > 0) pixel += std::numbers::pi * (std::pow(r + portata, 2) - std::pow(std::max(0.0, r - portata), 2));
        if (p.riempimento.alpha() > 0) pixel += std::numbers::pi * r * r;
    }
    return pixel;
}
