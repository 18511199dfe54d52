// What refusing a picture costs: a progressive JPEG of thousands of scans, refused by libjpeg's
// own count of the scans it meets, and the image cache asked three times in a row for a file that
// cannot be read (a read error, or those scans), which it remembers after the first.
#include "platform/Jpeg.h"
#include "render/CacheImmagini.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

const QString Scansioni = QStringLiteral(QUENVOX_SORGENTI "/tests/fuzz/corpus/Jpeg/migliaia_di_scansioni.jpg");

void BM_JpegMigliaiaDiScansioni(benchmark::State& state) {
    const bool ridotta = state.range(0) == 1;
    if (!QFile::exists(Scansioni)) {
        state.SkipWithError("the corpus picture is missing");
        return;
    }
    for (auto _ : state) {
        const QImage letta = ridotta ? LeggiJpegRidotta(Scansioni, QSize(48, 28)) : LeggiJpeg(Scansioni);
        benchmark::DoNotOptimize(letta.isNull());
    }
}

void BM_CacheFileIllegibile(benchmark::State& state) {
    QTemporaryDir cartella;
    QString percorso = Scansioni;
    if (state.range(0) == 0) {
        // A link to this process's memory reads with EIO, for root too.
        percorso = cartella.filePath(QStringLiteral("eio.png"));
        if (!QFile::link(QStringLiteral("/proc/self/mem"), percorso)) {
            state.SkipWithError("no link to /proc/self/mem");
            return;
        }
    }
    for (auto _ : state) {
        CacheImmagini immagini;
        for (int i = 0; i < 3; ++i) benchmark::DoNotOptimize(immagini.Carica(percorso).isNull());
        benchmark::DoNotOptimize(immagini.PrendiAvvisi().size());
    }
}

}  // namespace

BENCHMARK(BM_JpegMigliaiaDiScansioni)->Arg(0)->Arg(1)->ArgName("ridotta")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CacheFileIllegibile)->Arg(0)->Arg(1)->ArgName("scansioni")->Unit(benchmark::kMillisecond);
