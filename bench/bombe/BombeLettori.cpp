// What hostile picture files cost each reader of the program: the time and the peak memory of
// one read, each case in a child process of its own so that no case inherits another's peak.
//   quenvox_bombe                  the table
//   quenvox_bombe <bomb> <reader>  one case, one line of figures (what the table runs)
// The files are made on the spot, as the tests make them.
#include "app/Frm6configurazione.h"
#include "common/BombeImmagini.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgopendialog.h"
#include "controls/Orvlistbox.h"
#include "dialogs/ListaPannello.h"
#include "platform/LetturaImmagini.h"
#include "project/ImpostazioniGlobali.h"
#include "render/CacheImmagini.h"
#include "render/ImmaginiIllegibili.h"

#include "comune/MisureProcesso.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct Bomba {
    const char* nome;
    const char* file;
    QByteArray (*dati)();
};

const Bomba Bombe[] = {
    {"JPEG declaring 65500x65500", "enorme.jpg", [] { return bombe::JpegVuoto(65500, 65500, 3, false, 1); }},
    {"progressive 5600x5600, 10000 scans", "s5600.jpg", [] { return bombe::JpegVuoto(5600, 5600, 3, true, 10000); }},
    {"progressive 8000x8000, 10000 scans", "s8000.jpg", [] { return bombe::JpegVuoto(8000, 8000, 1, true, 10000); }},
    {"progressive 8000x8000, 100 scans", "l8000.jpg",
     [] { return bombe::JpegVuoto(8000, 8000, 1, true, LimiteScansioniJpeg); }},
    // The most a picture of that size may hold: the dearest file the readers accept.
    {"progressive 8000x8000, 24 scans", "a8000.jpg",
     [] { return bombe::JpegVuoto(8000, 8000, 1, true, ScansioniAmmesseJpeg(8000, 8000)); }},
    {"progressive 8000x8000x3, 4 scans", "c8000.jpg", [] { return bombe::JpegVuoto(8000, 8000, 3, true, 4); }},
    {"PNG declaring 65500x65500", "enorme.png", [] { return bombe::PngDichiarato(65500, 65500); }},
};

const char* const Lettori[] = {"renderer", "thumbnail", "chooser preview", "encoding preview"};

// One read by one reader; prints ms, the peak growth in kB and the answer.
int EseguiCaso(int argc, char** argv, const Bomba& bomba, int lettore) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QString::fromLatin1(bomba.file));
    if (!bombe::Scrivi(percorso, bomba.dati())) return 3;
    ImpostazioniGlobali.LinguaCorrente = 1;
    TORVDLGOpenDialog selettore;
    const long prima = PiccoKb();
    QElapsedTimer orologio;
    QString risposta;
    double ms = 0;
    switch (lettore) {
    case 0: {
        CacheImmagini cache;
        orologio.start();
        const bool letta = !cache.Carica(percorso).isNull();
        ms = double(orologio.nsecsElapsed()) / 1e6;
        risposta = letta ? QStringLiteral("read") : cache.PrendiAvvisi().value(0);
        break;
    }
    case 1: {
        orologio.start();
        CreaMiniatura(percorso, &risposta);
        ms = double(orologio.nsecsElapsed()) / 1e6;
        break;
    }
    case 2: {
        // The click on the file in the chooser's list, timed inside the running dialog.
        QDir::setCurrent(cartella.path());
        selettore.Inizializza(1, true, QStringLiteral("QV"), QStringLiteral("Intro"),
                              cartella.filePath(QStringLiteral("Quenvox.txt")), 1);
        QTimer::singleShot(0, &selettore, [&] {
            const int riga = int(selettore.ListaFiles()->Voci().indexOf(QString::fromLatin1(bomba.file)));
            selettore.ListaFiles()->Lista()->setCurrentRow(riga);
            orologio.start();
            selettore.ListaFilesClick();
            ms = double(orologio.nsecsElapsed()) / 1e6;
            risposta = selettore.MotivoAnteprima();
            selettore.close();
        });
        QString uscita;
        selettore.Esegui(uscita);
        break;
    }
    default: {
        orologio.start();
        const bool letta = !LeggiFrameRidotto(percorso, QSize(175, 103)).isNull();
        ms = double(orologio.nsecsElapsed()) / 1e6;
        risposta = letta ? QStringLiteral("read") : QStringLiteral("preview left as it was");
        break;
    }
    }
    if (risposta.isEmpty()) risposta = QStringLiteral("read");
    std::printf("%.2f %ld %s\n", ms, PiccoKb() - prima, risposta.simplified().toUtf8().constData());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3) {
        const int b = std::atoi(argv[1]);
        const int l = std::atoi(argv[2]);
        if (b < 0 || b >= int(std::size(Bombe)) || l < 0 || l >= int(std::size(Lettori))) return 2;
        return EseguiCaso(argc, argv, Bombe[b], l);
    }
    std::printf("%-36s %-17s %10s %14s  %s\n", "file", "reader", "ms", "peak +MB", "answer");
    for (int b = 0; b < int(std::size(Bombe)); ++b) {
        for (int l = 0; l < int(std::size(Lettori)); ++l) {
            int esito = 0;
            const std::string riga = RigaDelCasoAParte(std::to_string(b) + " " + std::to_string(l), esito);
            double ms = 0;
            long picco = 0;
            char risposta[512] = {};
            if (std::sscanf(riga.c_str(), "%lf %ld %511[^\n]", &ms, &picco, risposta) != 3) {
                std::printf("%-36s %-17s failed (exit status %d)\n", Bombe[b].nome, Lettori[l], esito);
                continue;
            }
            std::printf("%-36s %-17s %10.2f %14.1f  %s\n", Bombe[b].nome, Lettori[l], ms, picco / 1024.0, risposta);
        }
    }
    return 0;
}
