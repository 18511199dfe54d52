// The benchmark program: Google Benchmark over a GUI application (fonts need one).
// QUENVOX_BENCH_PNG=<folder> also writes the rendered frames there as PNG.
#include "BenchComune.h"

#include "platform/CartelleUtente.h"
#include "project/PresetIntro.h"
#include "project/TabellaImmagini.h"
#include "render/Casuale.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {
QTemporaryDir* cartellaTemporanea = nullptr;
}

void PreparaCartelleBench() {
    if (!cartellaTemporanea) {
        cartellaTemporanea = new QTemporaryDir();
        const QString base = cartellaTemporanea->path();
        ImpostaCartelleUtente(base + QStringLiteral("/dati"), base + QStringLiteral("/documenti"),
                              QCoreApplication::applicationDirPath());
        QDir().mkpath(PercorsoOutput + QStringLiteral("/Video/Frames"));
    }
    FissaSemeCasuale(12345);
}

ImpostazioniProgetto ImpostazioniBench(bool pesanti, int intro) {
    PreparaCartelleBench();
    ImpostazioniProgetto imp;
    for (int s = 0; s < NumeroSlotPredefiniti; ++s)
        imp.TabellaImmagini[static_cast<size_t>(s)] = PercorsoPredefinitoImmagine(s, CartellaProgramma);
    imp.IntroLista = intro;
    imp.Logo = imp.TabellaImmagini[4];
    if (pesanti) ApplicaLookPesante(imp);
    return imp;
}

void ApplicaLookPesante(ImpostazioniProgetto& imp) {
    imp.FontGlowCheck = true;
    imp.FontGlowSize = 30;
    imp.FontShadowCheck = true;
    imp.FontShadowSize = 30;
    imp.SfondoCheckSfondoColorato = false;
    imp.SfondoCheckSfondoFlares = true;
    imp.Enfatizzare = true;
}

ImpostazioniProgetto ImpostazioniIntroBench(int intro, bool pesanti) {
    ImpostazioniProgetto imp = ImpostazioniBench(false, intro);
    ImpostaPredefinitiIntro(imp);
    if (pesanti) ApplicaLookPesante(imp);
    const QString logo = imp.TabellaImmagini[4];
    imp.Intro2LogoDaUtilizzare = imp.Intro3LogoDaUtilizzare = logo;
    imp.Intro4LogoDaUtilizzare = imp.Intro5LogoDaUtilizzare = logo;
    imp.UsaJpg = true;
    imp.ProgettoRisoluzione = 2;
    return imp;
}

QString CartellaPngBench() {
    return qEnvironmentVariable("QUENVOX_BENCH_PNG");
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    StampaTabellaAnteprima();
    StampaTabellaFaseFrame();
    benchmark::Shutdown();
    delete cartellaTemporanea;
    return 0;
}
