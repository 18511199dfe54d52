// The frames phase of a whole run, as the main window starts it: Anima checked, every frame
// drawn, scaled and written as JPEG. Every intro with its preset look (and with the heavy look
// over it), at 1080p and at 720p. Beside each, the floor: the same number of frames encoded to
// JPEG on 8 threads, nothing drawn, from pictures of that run (so at its size). The program
// ends with the table.
// QUENVOX_BENCH_FRAME=<n> runs n frames instead of 200. BM_FaseFrameLunghezza runs every intro
// with its preset look at 1080p for 200 frames and for QUENVOX_BENCH_LUNGO frames (5000 unless
// set), and prints milliseconds per frame of both beside the floor's, measured in the same run,
// and the processor time per frame of both. Intro 10 runs a second time with its balls at the
// sizes they keep from the first frame ("Dimensioni iniziali mini" off, full:1), so both lengths
// paint alike; the table gives the ring's pixels a frame of each run.
#include "BenchComune.h"

#include "platform/CartelleUtente.h"
#include "platform/Jpeg.h"
#include "project/ImpostazioniGlobali.h"
#include "render/SalvaFrame.h"

#include <benchmark/benchmark.h>

#include <QDir>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

struct Misura {
    double Secondi = 0.0;
    double Core = 0.0;  // processor time over wall time
    int Anteprime = 0;  // previews the workers were asked to scale
};

// (intro, heavy, height) -> the run; (intro, heavy) -> the floor in seconds.
std::map<std::tuple<int, int, int>, Misura> corse;
// (intro, heavy, height) -> the floor of that run in seconds.
std::map<std::tuple<int, int, int>, double> pavimenti;
// (intro, frames, balls at full size) -> the run and the seconds of its floor.
std::map<std::tuple<int, int, bool>, std::pair<Misura, double>> lunghezze;
// (frames, balls at full size) -> the pixels the intro-10 ring lays a frame, on average.
std::map<std::tuple<int, bool>, double> pixelCerchio;

// The ring of intro 10 over a run of the given frames, stepped alone with the run's settings
// and seed: the pixels its balls lay a frame, on average.
double PixelCerchioPerFrame(const ImpostazioniProgetto& imp, int frame) {
    PreparaCartelleBench();
    CerchioPalle cerchio;
    PreparaCerchio(cerchio, imp.EffettiParticelleVita, imp.Intro10Rotazione, imp.Intro10DimMini);
    double pixel = 0;
    for (int t = 0; t < frame; ++t) {
        cerchio.Aggiorna(true);
        pixel += PixelPalle(ComandiCerchio(cerchio, imp.EffettiParticelleColore));
    }
    return frame > 0 ? pixel / frame : 0.0;
}

int FrameLungo() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QUENVOX_BENCH_LUNGO", &ok);
    return ok && n > 0 ? n : 5000;
}

int FrameBench() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QUENVOX_BENCH_FRAME", &ok);
    return ok && n > 0 ? n : 200;
}

double TempoProcessore() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto secondi = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return secondi(uso.ru_utime) + secondi(uso.ru_stime);
}

// Sixteen frames of the run just written, spread over it, as the floor's pictures.
std::vector<QImage> CampioniDellaCorsa(int frame) {
    std::vector<QImage> campioni;
    for (int k = 0; k < 16; ++k) {
        const QImage img = LeggiJpeg(NomeFileFrame(PercorsoOutput, 1 + static_cast<long long>(k) * frame / 16, true));
        if (!img.isNull()) campioni.push_back(img.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return campioni;
}

// The floor: frame pictures encoded and written by 8 threads, each taking the next number.
double Pavimento(const std::vector<QImage>& campioni, int frame) {
    if (campioni.empty()) return 0.0;
    const QString cartella = PercorsoOutput + QStringLiteral("/Pavimento");
    QDir().mkpath(cartella);
    std::atomic<int> prossimo{0};
    const auto inizio = std::chrono::steady_clock::now();
    std::vector<std::thread> fili;
    for (int t = 0; t < 8; ++t)
        fili.emplace_back([&] {
            for (int i = prossimo++; i < frame; i = prossimo++)
                ScriviJpeg(campioni[static_cast<size_t>(i) % campioni.size()],
                           cartella + QStringLiteral("/f%1.jpg").arg(i), 90);
        });
    for (auto& f : fili) f.join();
    const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
    QDir(cartella).removeRecursively();
    return durata.count();
}

// One run of the frames phase as the main window starts it, the preview before it untimed;
// seconds and cores.
Misura Eseguita(int intro, bool pesanti, int altezza, int frame, benchmark::State& stato, bool palleIntere = false) {
    HostBench host;
    ImpostazioniProgetto imp = ImpostazioniIntroBench(intro, pesanti);
    if (palleIntere) imp.Intro10DimMini = false;
    imp.ProgettoRisoluzione = altezza == 720 ? 1 : 2;
    ImpostazioniGlobali.TotaleFrame = static_cast<float>(frame);
    ContestoRendering contesto(host);
    // The preview the window shows before Anima is checked.
    EseguiRendering(contesto, imp);
    // The frames of the case before go now, not in the time of this one: after a run of 5,000
    // frames their removal alone took seconds.
    PreparaCartellaFrame(PercorsoOutput);
    stato.ResumeTiming();

    const double processore = TempoProcessore();
    const auto inizio = std::chrono::steady_clock::now();
    host.Anima = true;
    AvviaAnimazione(contesto);
    EseguiRendering(contesto, imp);
    const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
    return {durata.count(), (TempoProcessore() - processore) / durata.count(), contesto.AnteprimeRichieste};
}

Misura Corsa(int intro, bool pesanti, int altezza, int frame, benchmark::State& stato, bool palleIntere = false) {
    stato.PauseTiming();
    // The first run of a process pays for memory, threads and caches that every later run
    // finds ready (a third more time or worse): a short run first, so no case is measured cold.
    static bool caldo = false;
    if (!caldo) {
        caldo = true;
        Eseguita(intro, pesanti, altezza, 30, stato);
        stato.PauseTiming();
    }
    return Eseguita(intro, pesanti, altezza, frame, stato, palleIntere);
}

void BM_FaseFrame(benchmark::State& stato) {
    const int intro = static_cast<int>(stato.range(0));
    const bool pesanti = stato.range(1) != 0;
    const int altezza = static_cast<int>(stato.range(2));
    const int frame = FrameBench();
    for (auto _ : stato) {
        const Misura m = Corsa(intro, pesanti, altezza, frame, stato);
        stato.PauseTiming();
        corse[{intro, pesanti, altezza}] = m;
        stato.counters["s"] = m.Secondi;
        stato.counters["cores"] = m.Core;
        // Only the previews a 60 Hz window shows are scaled, not one a frame.
        stato.counters["previews"] = m.Anteprime;
        pavimenti[{intro, pesanti, altezza}] = Pavimento(CampioniDellaCorsa(frame), frame);
        stato.ResumeTiming();
    }
}

void BM_FaseFrameLunghezza(benchmark::State& stato) {
    const int intro = static_cast<int>(stato.range(0));
    const bool palleIntere = stato.range(2) != 0;
    const int frame = stato.range(1) != 0 ? FrameLungo() : 200;
    for (auto _ : stato) {
        const Misura m = Corsa(intro, false, 1080, frame, stato, palleIntere);
        stato.PauseTiming();
        lunghezze[{intro, frame, palleIntere}] = {m, Pavimento(CampioniDellaCorsa(frame), frame)};
        stato.counters["ms/frame"] = m.Secondi * 1000.0 / frame;
        if (intro == 10) {
            ImpostazioniProgetto imp = ImpostazioniIntroBench(intro, false);
            if (palleIntere) imp.Intro10DimMini = false;
            const double pixel = PixelCerchioPerFrame(imp, frame);
            pixelCerchio[{frame, palleIntere}] = pixel;
            stato.counters["ring px"] = pixel;
        }
        stato.ResumeTiming();
    }
}

}  // namespace

void StampaTabellaLunghezze();

void StampaTabellaFaseFrame() {
    StampaTabellaLunghezze();
    if (corse.empty()) return;
    std::printf("\nFrames phase of a run of %d frames, JPEG, seconds (cores: processor time / wall time;\n"
                "floor: the same frames only encoded, at the run's size, on 8 threads; ratio: run / floor)\n",
                FrameBench());
    std::printf("%-6s %-7s %9s %6s %9s %6s %9s %6s %9s %6s\n", "intro", "look", "1080p", "cores", "floor", "ratio",
                "720p", "cores", "floor", "ratio");
    for (int intro = 1; intro <= 10; ++intro)
        for (int pesanti = 0; pesanti <= 1; ++pesanti) {
            if (!corse.count({intro, pesanti, 1080}) && !corse.count({intro, pesanti, 720})) continue;
            std::printf("%-6d %-7s", intro, pesanti ? "heavy" : "preset");
            for (const int altezza : {1080, 720}) {
                const auto c = corse.find({intro, pesanti, altezza});
                const auto p = pavimenti.find({intro, pesanti, altezza});
                if (c == corse.end()) std::printf(" %9s %6s", "-", "-");
                else std::printf(" %9.2f %6.1f", c->second.Secondi, c->second.Core);
                if (c == corse.end() || p == pavimenti.end() || p->second <= 0.0) std::printf(" %9s %6s", "-", "-");
                else std::printf(" %9.2f %6.1f", p->second, c->second.Secondi / p->second);
            }
            std::printf("\n");
        }
}

void StampaTabellaLunghezze() {
    if (lunghezze.empty()) return;
    const int lungo = FrameLungo();
    std::printf("\nFrames phase by length, preset look, 1080p, ms per frame (floor: the same frames only\n"
                "encoded on 8 threads; growth: long / short; vs floor: the growth of run / floor, each length\n"
                "against the floor measured beside it, which takes out much of what other work on the\n"
                "machine adds; cpu: processor time of every thread; ring px: the pixels intro 10's\n"
                "balls lay a frame, in millions; 10 full: its balls at the sizes they keep from the first frame)\n");
    std::printf("%-8s %9s %9s %9s %9s %8s %8s %9s %9s %8s %8s %8s\n", "intro", "200", "floor", "long", "floor", "growth",
                "vs floor", "cpu 200", "cpu long", "growth", "px 200", "px long");
    const auto crescita = [](double corto, double lungo) {
        if (corto > 0.0) std::printf(" %7.0f%%", 100.0 * lungo / corto - 100.0);
        else std::printf(" %8s", "-");
    };
    for (int riga = 1; riga <= 11; ++riga) {
        const bool palleIntere = riga == 11;
        const int intro = palleIntere ? 10 : riga;
        const auto a = lunghezze.find({intro, 200, palleIntere});
        const auto b = lunghezze.find({intro, lungo, palleIntere});
        if (a == lunghezze.end() && b == lunghezze.end()) continue;
        const bool entrambe = a != lunghezze.end() && b != lunghezze.end();
        // Milliseconds a frame: of the run, of its floor, of processor time.
        const auto muro = [](const auto& it, int n) { return it->second.first.Secondi * 1000.0 / n; };
        const auto processore = [&](const auto& it, int n) { return muro(it, n) * it->second.first.Core; };
        std::printf("%-8s", palleIntere ? "10 full" : std::to_string(intro).c_str());
        for (const auto& [it, n] : {std::pair{a, 200}, std::pair{b, lungo}}) {
            if (it == lunghezze.end()) std::printf(" %9s %9s", "-", "-");
            else std::printf(" %9.2f %9.2f", muro(it, n), it->second.second * 1000.0 / n);
        }
        const auto rapporto = [](const auto& it) {
            return it->second.second > 0.0 ? it->second.first.Secondi / it->second.second : 0.0;
        };
        if (entrambe) {
            crescita(muro(a, 200), muro(b, lungo));
            crescita(rapporto(a), rapporto(b));
        } else {
            std::printf(" %8s %8s", "-", "-");
        }
        for (const auto& [it, n] : {std::pair{a, 200}, std::pair{b, lungo}}) {
            if (it == lunghezze.end()) std::printf(" %9s", "-");
            else std::printf(" %9.2f", processore(it, n));
        }
        if (entrambe) crescita(processore(a, 200), processore(b, lungo));
        else std::printf(" %8s", "-");
        for (const int n : {200, lungo}) {
            const auto p = pixelCerchio.find({n, palleIntere});
            if (intro == 10 && p != pixelCerchio.end()) std::printf(" %7.1fM", p->second / 1e6);
            else std::printf(" %8s", "-");
        }
        std::printf("\n");
    }
}

BENCHMARK(BM_FaseFrameLunghezza)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 10, 1), {0, 1}, {0}})
    ->Args({10, 0, 1})
    ->Args({10, 1, 1})
    ->ArgNames({"intro", "long", "full"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

BENCHMARK(BM_FaseFrame)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 10, 1), {0, 1}, {1080, 720}})
    ->ArgNames({"intro", "heavy", "height"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
