// Peak memory of the text layers: the default project with short lines, with one line of the
// longest length a line holds and with three. Each case runs in a child process of its own, so
// that no case inherits the peak of another; the child reports its own high-water mark.
//   quenvox_memoria            the table
//   quenvox_memoria <case>     one case, one line of figures (what the table runs)
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "project/TabellaImmagini.h"
#include "render/Casuale.h"
#include "render/ContestoRendering.h"
#include "render/HostSenzaFinestra.h"
#include "render/LimiteRighe.h"

#include "comune/MisureProcesso.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>
#include <string>

namespace {

struct Caso {
    const char* nome;
    int righeLunghe;  // lines 1 .. righeLunghe at the length limit, the others as a new project has them
    int moto = 0;     // intro 1's text motion; 0: a new project's
};
// The last case draws the layers scaled, which unpacks a packed layer whole.
constexpr Caso Casi[] = {{"short lines", 0}, {"one long line", 1}, {"three long lines", 3}, {"three, scaling", 3, 8}};

QString RigaLunga() {
    const QString frase = QStringLiteral("Drovaskent presenta Quenvox, un video per tutti. ");
    QString riga;
    while (riga.size() < LunghezzaMassimaRiga) riga += frase;
    riga.truncate(LunghezzaMassimaRiga);
    return riga;
}

// The preview of frame 0 (what typing the line shows), then an animation's frame 0 and
// frames 1 to 80 (the lines scroll in, then hold); prints characters, peak kB, preview ms,
// and per later frame the ms and the CPU ms of the process (steadier on a busy machine).
int EseguiCaso(int argc, char** argv, const Caso& caso) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    QTemporaryDir cartella;
    ImpostaCartelleUtente(cartella.path() + QStringLiteral("/dati"), cartella.path() + QStringLiteral("/documenti"),
                          QCoreApplication::applicationDirPath());
    QDir().mkpath(PercorsoOutput + QStringLiteral("/Video/Frames"));
    FissaSemeCasuale(12345);

    ImpostazioniProgetto imp;
    for (int s = 0; s < NumeroSlotPredefiniti; ++s)
        imp.TabellaImmagini[static_cast<size_t>(s)] = PercorsoPredefinitoImmagine(s, CartellaProgramma);
    QString* righe[] = {&imp.Testo1, &imp.Testo2, &imp.Testo3};
    for (int n = 0; n < caso.righeLunghe; ++n) *righe[n] = RigaLunga();
    if (caso.moto > 0) imp.Intro1Lista = caso.moto;
    qsizetype caratteri = 0;
    for (const QString* r : righe) caratteri += r->size();

    HostSenzaFinestra host;
    ContestoRendering contesto(host);
    contesto.Impostazioni = &imp;
    ImpostazioniGlobali.TotaleFrame = 200;

    QElapsedTimer orologio;
    orologio.start();
    contesto.FrameCorrente = 0;
    DisegnaFrame(contesto);
    contesto.ScritturaFile.Attendi();
    const double anteprima = static_cast<double>(orologio.nsecsElapsed()) / 1e6;

    host.Anima = true;
    contesto.FrameCorrente = 0;
    DisegnaFrame(contesto);
    contesto.ScritturaFile.Attendi();
    constexpr int Frame = 80;
    orologio.restart();
    const double cpu0 = MsCpu();
    for (int f = 1; f <= Frame; ++f) {
        contesto.FrameCorrente = static_cast<float>(f);
        DisegnaFrame(contesto);
    }
    const double frame = static_cast<double>(orologio.nsecsElapsed()) / 1e6 / Frame;
    const double cpu = (MsCpu() - cpu0) / Frame;
    std::printf("%lld %ld %.1f %.2f %.2f\n", static_cast<long long>(caratteri), PiccoKb(), anteprima, frame, cpu);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        const int k = std::atoi(argv[1]);
        if (k < 0 || k >= static_cast<int>(std::size(Casi))) return 2;
        return EseguiCaso(argc, argv, Casi[k]);
    }
    std::printf("%-18s %6s %10s %9s %12s %10s %14s\n", "case", "lines", "characters", "peak MB", "preview ms", "frame ms",
                "frame CPU ms");
    for (int k = 0; k < static_cast<int>(std::size(Casi)); ++k) {
        int esito = 0;
        const std::string riga = RigaDelCasoAParte(std::to_string(k), esito);
        long long caratteri = 0;
        long picco = -1;
        double anteprima = 0, frame = 0, cpu = 0;
        if (std::sscanf(riga.c_str(), "%lld %ld %lf %lf %lf", &caratteri, &picco, &anteprima, &frame, &cpu) != 5) {
            std::printf("%-18s failed (exit status %d)\n", Casi[k].nome, esito);
            continue;
        }
        std::printf("%-18s %6d %10lld %9.0f %12.0f %10.1f %14.1f\n", Casi[k].nome, 3, caratteri, picco / 1024.0, anteprima,
                    frame, cpu);
    }
    return 0;
}
