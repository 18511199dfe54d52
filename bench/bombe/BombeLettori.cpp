// What hostile picture files cost each reader of the program: the time and the peak memory of
// one read, each case in a child process of its own so that no case inherits another's peak.
//   quenvox_bombe                  the table
//   quenvox_bombe <bomb> <reader>  one case, one line of figures (what the table runs)
// The files are made on the spot, as the tests make them.
#include "app/Frm6configurazione.h"
#include "common/BombeImmagini.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgopendialog.h"
#include "encoding/ControlloFrame.h"
#include "controls/Orvlistbox.h"
#include "dialogs/ListaPannello.h"
#include "platform/LetturaImmagini.h"
#include "project/ImpostazioniGlobali.h"
#include "render/CacheImmagini.h"

#include "comune/MisureProcesso.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Bomba {
    const char* nome;
    const char* file;
    bool (*scrivi)(const QString& percorso);
};

template <QByteArray (*Dati)()>
bool ScriviDati(const QString& percorso) {
    return bombe::Scrivi(percorso, Dati());
}

QByteArray Enorme() { return bombe::JpegVuoto(65500, 65500, 3, false, 1); }
QByteArray S5600() { return bombe::JpegVuoto(5600, 5600, 3, true, 10000); }
QByteArray S8000() { return bombe::JpegVuoto(8000, 8000, 1, true, 10000); }
QByteArray L8000() { return bombe::JpegVuoto(8000, 8000, 1, true, LimiteScansioniJpeg); }
QByteArray A8000() { return bombe::JpegVuoto(8000, 8000, 1, true, ScansioniAmmesseJpeg(8000, 8000)); }
QByteArray C8000() { return bombe::JpegVuoto(8000, 8000, 3, true, 4); }
QByteArray App1Nullo() { return bombe::JpegApp1Nullo(8000, 8000, 10000); }
QByteArray Commenti() { return bombe::JpegCommentato(bombe::JpegSfumato(64, 64), qint64(100) << 20); }
QByteArray Tagliata() {
    const QByteArray jpeg = bombe::JpegSfumato(1920, 1080);
    return jpeg.left(jpeg.size() / 2);
}
QByteArray BmpTagliato() {
    QImage img(1920, 1080, QImage::Format_RGB888);
    img.fill(Qt::darkGreen);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return bmp.left(bmp.size() / 2);
}
QByteArray Foto48() { return bombe::JpegSfumato(8000, 6000, 92); }
QByteArray Png6000() { return bombe::Png(6000, 6000); }
QByteArray PngEnorme() { return bombe::PngDichiarato(65500, 65500); }

const Bomba Bombe[] = {
    {"JPEG declaring 65500x65500", "enorme.jpg", ScriviDati<Enorme>},
    {"progressive 5600x5600, 10000 scans", "s5600.jpg", ScriviDati<S5600>},
    {"progressive 8000x8000, 10000 scans", "s8000.jpg", ScriviDati<S8000>},
    {"progressive 8000x8000, 100 scans", "l8000.jpg", ScriviDati<L8000>},
    // The most a picture of that size may hold: the dearest file the readers accept.
    {"progressive 8000x8000, 24 scans", "a8000.jpg", ScriviDati<A8000>},
    {"progressive 8000x8000x3, 4 scans", "c8000.jpg", ScriviDati<C8000>},
    {"APP1 of length 0, 10000 scans", "app1.jpg", ScriviDati<App1Nullo>},
    {"start marker and 2 GB of zeros", "zeri2g.jpg",
     [](const QString& p) { return bombe::ScriviTestataSparsa(p, qint64(2) << 30); }},
    {"start marker and 16 GB of zeros", "zeri16g.jpg",
     [](const QString& p) { return bombe::ScriviTestataSparsa(p, qint64(16) << 30); }},
    {"64x64 JPEG, 100 MB of comments", "commenti.jpg", ScriviDati<Commenti>},
    {"1920x1080 JPEG cut in half", "tagliata.jpg", ScriviDati<Tagliata>},
    {"1920x1080 BMP cut in half", "tagliata.bmp", ScriviDati<BmpTagliato>},
    {"a pipe named like a picture", "tubo.jpg",
     [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
    // Sound pictures the readers must take.
    {"sound 8000x6000 JPEG (48 MP)", "foto48.jpg", ScriviDati<Foto48>},
    {"sound 6000x6000 PNG (137 MB)", "grande.png", ScriviDati<Png6000>},
    {"PNG declaring 65500x65500", "enorme.png", ScriviDati<PngEnorme>},
};

const char* const Lettori[] = {"renderer", "thumbnail", "chooser preview", "encoding preview", "frame check"};

// One read by one reader; prints ms, the peak growth in kB and the answer.
int EseguiCaso(int argc, char** argv, const Bomba& bomba, int lettore) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QString::fromLatin1(bomba.file));
    if (!bomba.scrivi(percorso)) return 3;
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
        // A picture cut short is drawn and told.
        risposta = cache.PrendiAvvisi().value(0, letta ? QStringLiteral("read") : QString());
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
    case 4: {
        const bool jpg = percorso.endsWith(QLatin1String(".jpg"));
        orologio.start();
        const std::optional<QString> difetto = DifettoFrame(percorso, jpg, 1);
        ms = double(orologio.nsecsElapsed()) / 1e6;
        risposta = difetto ? *difetto : QStringLiteral("whole");
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
