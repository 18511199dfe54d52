// The live preview as the main window asks for it: one setting changed, then frame 0 drawn
// and scaled to the window. Every intro after a text, a style and a background change, with
// its preset look and with the heavy look set over it; intro 1 with one long line; and every
// intro with three lines as long as the boxes take, its preview and the frames of its animation.
// Each case reports the median of its previews; the program ends with the table of them.
#include "BenchComune.h"

#include "project/ImpostazioniGlobali.h"
#include "project/PresetIntro.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <map>
#include <tuple>
#include <vector>

namespace {

enum Modifica { Testo = 0, Stile = 1, Sfondo = 2 };
const char* const NomiModifica[] = {"text", "style", "background"};

// Median wall-clock and process CPU ms of a case's previews.
struct Misura {
    double parete = 0;
    double cpu = 0;
};

// (intro, change, heavy) and, for long lines, (length, heavy); for three lines, (intro, text
// motion, as long as the boxes take, heavy): the preview, a frame of the animation (median) and
// its slowest frame.
std::map<std::tuple<int, int, int>, Misura> mediane;
std::map<std::tuple<int, int>, Misura> medianeRigaLunga;
struct TreRighe {
    Misura anteprima, frame, peggiore;
};
std::map<std::tuple<int, int, int, int>, TreRighe> medianeTreRighe;

// Every thread of the process: the drawing threads of the raster engine and the file writer.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1.0e6;
}

struct BancoAnteprima {
    HostBench host;
    ImpostazioniProgetto imp;
    ContestoRendering contesto{host};

    BancoAnteprima(int intro, bool pesanti) : imp(ImpostazioniBench(false, intro)) {
        ImpostaPredefinitiIntro(imp);
        // After the preset, which would otherwise reset the heavy style.
        if (pesanti) ApplicaLookPesante(imp);
        ImpostazioniGlobali.TotaleFrame = 200;
        host.Anima = false;
        EseguiRendering(contesto, imp);
    }

    // Each step really changes the setting: it goes back and forth between two values.
    void Cambia(Modifica m, int passo) {
        const bool pari = passo % 2 == 0;
        switch (m) {
        case Testo:
            if (pari) imp.Testo1 += QLatin1Char('!');
            else imp.Testo1.chop(1);
            break;
        case Stile: imp.FontSize += pari ? 1 : -1; break;
        case Sfondo: imp.SfondoColori.Colore1 ^= 0x202020; break;
        }
    }
};

double Mediana(std::vector<double> tempi) {
    if (tempi.empty()) return 0.0;
    std::sort(tempi.begin(), tempi.end());
    const size_t n = tempi.size();
    return n % 2 ? tempi[n / 2] : (tempi[n / 2 - 1] + tempi[n / 2]) / 2.0;
}

// Times each preview by itself: the change and the render, nothing of the set-up. On a busy
// machine the wall clock also counts the waits for the raster engine's helper threads; the
// CPU time of the whole process shows what the work itself costs, files included.
Misura MisuraAnteprime(benchmark::State& stato, BancoAnteprima& b, Modifica m) {
    std::vector<double> pareti, cpu;
    int passo = 0;
    for (auto _ : stato) {
        const auto inizio = std::chrono::steady_clock::now();
        const double inizioCpu = CpuMs();
        b.Cambia(m, passo++);
        EseguiRendering(b.contesto, b.imp);
        const std::chrono::duration<double, std::milli> durata = std::chrono::steady_clock::now() - inizio;
        // The layer files are written in the background: not waited for by the window, but
        // part of the change's work.
        b.contesto.ScritturaFile.Attendi();
        pareti.push_back(durata.count());
        cpu.push_back(CpuMs() - inizioCpu);
    }
    const Misura mediana{Mediana(pareti), Mediana(cpu)};
    stato.counters["median_ms"] = mediana.parete;
    stato.counters["median_cpu_ms"] = mediana.cpu;
    return mediana;
}

void BM_AnteprimaDopoModifica(benchmark::State& stato) {
    const int intro = static_cast<int>(stato.range(0));
    const auto m = static_cast<Modifica>(stato.range(1));
    const bool pesanti = stato.range(2) != 0;
    BancoAnteprima b(intro, pesanti);
    mediane[{intro, m, pesanti}] = MisuraAnteprime(stato, b, m);
}

void BM_AnteprimaRigaLunga(benchmark::State& stato) {
    const int lunghezza = static_cast<int>(stato.range(0));
    const bool pesanti = stato.range(1) != 0;
    BancoAnteprima b(1, pesanti);
    QString riga;
    const QString parole = QStringLiteral("Quenvox intro ");
    while (riga.size() < lunghezza) riga += parole;
    riga.truncate(lunghezza);
    b.imp.Testo1 = riga;
    b.imp.Testo2.clear();
    b.imp.Testo3.clear();
    b.imp.FontSize = 40;
    EseguiRendering(b.contesto, b.imp);
    medianeRigaLunga[{lunghezza, pesanti}] = MisuraAnteprime(stato, b, Testo);
}

// Three lines as long as the boxes take (32767 characters, of which the first 2559 are drawn),
// or the preset's short lines beside them, at the preset's font size, in every intro (intro 1
// with a text motion): the preview after a change of the first letter, then the frames of the
// animation from its frame 0. Heavy is the heavy look with both outlines on.
void BM_TreRigheLunghe(benchmark::State& stato) {
    const int intro = static_cast<int>(stato.range(0));
    const int tipo = static_cast<int>(stato.range(1));
    const bool lunghe = stato.range(2) != 0;
    const bool pesanti = stato.range(3) != 0;
    BancoAnteprima b(intro, pesanti);
    if (pesanti) {
        b.imp.FontOutline1Check = b.imp.FontOutline2Check = true;
        b.imp.FontOutline1Size = b.imp.FontOutline2Size = 10;
    }
    if (lunghe) {
        QString riga;
        while (riga.size() < 32767) riga += QStringLiteral("Drovaskent presenta Quenvox ");
        riga.truncate(32767);
        b.imp.Testo1 = b.imp.Testo2 = b.imp.Testo3 = riga;
    } else if (b.imp.Testo1.isEmpty()) {
        b.imp.Testo1 = QStringLiteral("Quenvox");
    }
    if (intro == 1) b.imp.Intro1Lista = tipo;
    EseguiRendering(b.contesto, b.imp);
    b.contesto.ScritturaFile.Attendi();
    std::vector<double> pareti, cpu;
    int passo = 0;
    const QChar prima = b.imp.Testo1[0];
    for (auto _ : stato) {
        const auto inizio = std::chrono::steady_clock::now();
        const double inizioCpu = CpuMs();
        b.imp.Testo1[0] = passo++ % 2 ? prima : QLatin1Char('d');
        EseguiRendering(b.contesto, b.imp);
        b.contesto.ScritturaFile.Attendi();
        const std::chrono::duration<double, std::milli> durata = std::chrono::steady_clock::now() - inizio;
        pareti.push_back(durata.count());
        cpu.push_back(CpuMs() - inizioCpu);
    }
    const Misura anteprima{Mediana(pareti), Mediana(cpu)};
    // Frames spread over the animation, from its frame 0, each after the one before as a run
    // draws them.
    b.host.Anima = true;
    pareti.clear();
    cpu.clear();
    for (int t = 0; t < 200; t += 9) {
        const auto inizio = std::chrono::steady_clock::now();
        const double inizioCpu = CpuMs();
        b.contesto.FrameCorrente = static_cast<float>(t);
        DisegnaFrame(b.contesto);
        const std::chrono::duration<double, std::milli> durata = std::chrono::steady_clock::now() - inizio;
        pareti.push_back(durata.count());
        cpu.push_back(CpuMs() - inizioCpu);
    }
    TreRighe r;
    r.anteprima = anteprima;
    r.frame = {Mediana(pareti), Mediana(cpu)};
    r.peggiore = {*std::max_element(pareti.begin(), pareti.end()), *std::max_element(cpu.begin(), cpu.end())};
    stato.counters["preview_ms"] = r.anteprima.parete;
    stato.counters["frame_ms"] = r.frame.parete;
    stato.counters["worst_frame_ms"] = r.peggiore.parete;
    medianeTreRighe[{intro, tipo, lunghe, pesanti}] = r;
}

}  // namespace

void StampaTabellaAnteprima() {
    const auto cella = [](const Misura* m) {
        if (!m) std::printf(" %15s", "-");
        else std::printf(" %7.1f/%7.1f", m->parete, m->cpu);
    };
    if (!mediane.empty()) {
        std::printf("\nPreview after one change, median ms wall/CPU (heavy: glow and shadow at 30 over the preset)\n");
        std::printf("%-6s", "intro");
        for (int pesanti = 0; pesanti <= 1; ++pesanti)
            for (const char* nome : NomiModifica) std::printf(" %15s", (std::string(nome) + (pesanti ? "/heavy" : "")).c_str());
        std::printf("\n");
        for (int intro = 1; intro <= 10; ++intro) {
            std::printf("%-6d", intro);
            for (int pesanti = 0; pesanti <= 1; ++pesanti)
                for (int m = Testo; m <= Sfondo; ++m) {
                    const auto it = mediane.find({intro, m, pesanti});
                    cella(it == mediane.end() ? nullptr : &it->second);
                }
            std::printf("\n");
        }
    }
    if (!medianeRigaLunga.empty()) {
        std::printf("\nIntro 1, preview after a text change of one long line (40 px), median ms wall/CPU\n");
        std::printf("%-10s %15s %15s\n", "characters", "default", "heavy");
        std::map<int, std::pair<const Misura*, const Misura*>> righe;
        for (const auto& [chiave, misura] : medianeRigaLunga) {
            auto& r = righe[std::get<0>(chiave)];
            (std::get<1>(chiave) ? r.second : r.first) = &misura;
        }
        for (const auto& [lunghezza, r] : righe) {
            std::printf("%-10d", lunghezza);
            cella(r.first);
            cella(r.second);
            std::printf("\n");
        }
    }
    if (!medianeTreRighe.empty()) {
        std::printf("\nThree lines of 32767 characters (2559 drawn) or the preset's short ones, preset font size:\n"
                    "preview after a text change, a frame of the animation (median) and its slowest frame,\n"
                    "ms wall/CPU; heavy: glow, shadow and both outlines\n");
        std::printf("%-12s %-8s %15s %15s %15s\n", "intro/motion", "lines", "preview", "frame", "slowest frame");
        for (int pesanti = 0; pesanti <= 1; ++pesanti)
            for (const auto& [chiave, r] : medianeTreRighe) {
                const auto [intro, tipo, lunghe, p] = chiave;
                if (p != pesanti) continue;
                char nome[16];
                if (intro == 1) std::snprintf(nome, sizeof nome, "1/%d", tipo);
                else std::snprintf(nome, sizeof nome, "%d", intro);
                std::printf("%-12s %-8s", nome, lunghe ? (p ? "long/H" : "long") : (p ? "short/H" : "short"));
                cella(&r.anteprima);
                cella(&r.frame);
                cella(&r.peggiore);
                std::printf("\n");
            }
    }
}

BENCHMARK(BM_AnteprimaDopoModifica)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 10, 1), {Testo, Stile, Sfondo}, {0, 1}})
    ->ArgNames({"intro", "change", "heavy"})
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnteprimaRigaLunga)
    ->ArgsProduct({{250, 1000}, {0, 1}})
    ->ArgNames({"chars", "heavy"})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreRigheLunghe)
    ->ArgsProduct({{1}, {2, 3, 8, 9, 11}, {0, 1}, {0, 1}})
    ->ArgsProduct({benchmark::CreateDenseRange(2, 10, 1), {1}, {0, 1}, {0, 1}})
    ->ArgNames({"intro", "motion", "long", "heavy"})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
