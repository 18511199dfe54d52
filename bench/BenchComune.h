#pragma once
// What every benchmark file shares: a host that shows nothing, a render context on a
// temporary output folder, and the default and heavy settings.
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/HostSenzaFinestra.h"
#include "render/LivelliParticelle.h"

#include <QString>

#include <memory>
#include <vector>

// The preview is sized as in a 1024-high main window.
class HostBench : public HostSenzaFinestra {
public:
    HostBench() { Altezza = 1024; }
};

// The output and work folders under one temporary folder, the image table from the
// program folder's "Intro" pictures, and a fixed random seed.
void PreparaCartelleBench();

// The defaults of a new project (image table filled in), or the heavy look: glow and
// shadow at 30, flares background, sharpen on.
ImpostazioniProgetto ImpostazioniBench(bool pesanti, int intro = 1);
// The heavy look over whatever is set; an intro's preset must come before it, or it resets it.
void ApplicaLookPesante(ImpostazioniProgetto& impostazioni);
// An intro with the look its preset gives (the heavy look over it when asked), the program's
// logo in the logo intros, JPEG frames at 1920x1080.
ImpostazioniProgetto ImpostazioniIntroBench(int intro, bool pesanti);

// The table of the preview cases that ran, after all benchmarks.
void StampaTabellaAnteprima();
// The table of the whole-run cases that ran, with their floor.
void StampaTabellaFaseFrame();

// Where frames are also written as PNG for a look ("" when QUENVOX_BENCH_PNG is not set).
QString CartellaPngBench();

// The pixels a list of balls lays, rims and discs, off-canvas parts included.
double PixelPalle(const std::vector<ComandoPalla>& palle);
