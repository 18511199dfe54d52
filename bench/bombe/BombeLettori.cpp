// What hostile picture files, and sound photos of every size a phone or camera makes, cost each
// reader of the program: the wall and processor time and the peak memory of one read, each case
// in a child process of its own so that no case inherits another's peak.
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
#include "platform/Grafica.h"
#include "render/CacheImmagini.h"

#include "comune/MisureProcesso.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

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
QByteArray Png6000() { return bombe::Png(6000, 6000); }
QByteArray PngEnorme() { return bombe::PngDichiarato(65500, 65500); }
QByteArray PngTagliato() {
    const QByteArray png = bombe::Png(1920, 1080);
    return png.left(png.size() / 2);
}
QByteArray Gonfiato20() { return bombe::PngGonfiato(64, 64, qint64(20) << 20); }
QByteArray Gonfiato2() { return bombe::PngGonfiato(64, 64, qint64(2) << 20); }
QByteArray BmpEnorme() { return bombe::BmpDichiarato(16000, 16000); }

// An icon whose one picture is the inflating PNG.
QByteArray IcoGonfiato() { return bombe::IconaDiPng(Gonfiato20()); }

// A 64x64 GIF whose image data is 20 MB of clear codes: work for the decoder, no pixel.
QByteArray GifSgomberi() {
    QByteArray gif("GIF89a", 6);
    const char schermo[] = {64, 0, 64, 0, char(0x80), 0, 0, 0, 0, 0, char(0xFF), char(0xFF), char(0xFF)};
    gif.append(schermo, sizeof schermo);
    const char immagine[] = {0x2C, 0, 0, 0, 0, 64, 0, 64, 0, 0, 2};
    gif.append(immagine, sizeof immagine);
    // The 3-bit clear code 4 over and over, least significant bit first.
    QByteArray blocco(1, char(0xFF));
    for (int i = 0; i < 85; ++i) blocco.append("\x24\x49\x92", 3);
    for (qint64 n = 0; n < (qint64(20) << 20); n += blocco.size()) gif.append(blocco);
    gif.append('\0').append(';');
    return gif;
}

template <int W, int H>
bool Foto(const QString& percorso) {
    return bombe::ScriviJpegARighe(percorso, W, H);
}

template <bool Bit16>
bool Png8000(const QString& percorso) {
    return bombe::ScriviPngARighe(percorso, 8000, 8000, Bit16, Bit16, [](int y, uchar* rgba) {
        for (int x = 0; x < 8000; ++x) {
            rgba[x * 4] = uchar(x / 32);
            rgba[x * 4 + 1] = uchar(y / 32);
            rgba[x * 4 + 2] = uchar(x ^ y);
            rgba[x * 4 + 3] = 255;
        }
    });
}

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
    {"1920x1080 PNG cut in half", "tagliata.png", ScriviDati<PngTagliato>},
    {"a pipe named like a picture", "tubo.jpg",
     [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
    {"PNG declaring 65500x65500", "enorme.png", ScriviDati<PngEnorme>},
    {"64x64 PNG inflating to 2 GB", "gonfiato2.png", ScriviDati<Gonfiato2>},
    {"64x64 PNG inflating to 20 GB", "gonfiato20.png", ScriviDati<Gonfiato20>},
    {"ICO of a PNG inflating to 20 GB", "gonfiato.ico", ScriviDati<IcoGonfiato>},
    {"64x64 GIF, 20 MB of clear codes", "sgomberi.gif", ScriviDati<GifSgomberi>},
    {"BMP declaring 16000x16000", "enorme.bmp", ScriviDati<BmpEnorme>},
    // Sound pictures the readers must take.
    {"sound 6000x4000 JPEG (24 MP)", "foto24.jpg", Foto<6000, 4000>},
    {"sound 8000x6000 JPEG (48 MP)", "foto48.jpg", Foto<8000, 6000>},
    {"sound 9248x6936 JPEG (64 MP)", "foto64.jpg", Foto<9248, 6936>},
    {"sound 12000x9000 JPEG (108 MP)", "foto108.jpg", Foto<12000, 9000>},
    {"sound 16320x12240 JPEG (200 MP)", "foto200.jpg", Foto<16320, 12240>},
    {"sound 6000x6000 PNG (137 MB)", "grande.png", ScriviDati<Png6000>},
    {"sound 8000x8000 PNG", "png8000.png", Png8000<false>},
    {"sound 8000x8000 PNG, 16-bit, interlaced", "png8000_16.png", Png8000<true>},
};

const char* const Lettori[] = {"renderer, own size", "renderer, background", "thumbnail", "chooser preview",
                               "encoding preview", "frame check"};

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
    const double cpuPrima = MsCpu();
    QElapsedTimer orologio;
    QString risposta;
    double ms = 0;
    switch (lettore) {
    case 0:
    case 1: {
        CacheImmagini cache;
        orologio.start();
        const QImage letta = lettore == 0 ? cache.Carica(percorso, Assenza::Segnalata)
                                          : cache.CaricaScalata(percorso, QSize(1920, 1080), Assenza::Segnalata);
        ms = double(orologio.nsecsElapsed()) / 1e6;
        // A picture cut short is drawn and told.
        const QSize propria = DimensionePropria(letta);
        risposta = cache.PrendiAvvisi().value(
            0, letta.isNull() ? QString()
                              : QStringLiteral("read, %1x%2 pixels drawn as %3x%4")
                                    .arg(letta.width()).arg(letta.height()).arg(propria.width()).arg(propria.height()));
        break;
    }
    case 2: {
        orologio.start();
        CreaMiniatura(percorso, &risposta);
        ms = double(orologio.nsecsElapsed()) / 1e6;
        break;
    }
    case 3: {
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
    case 5: {
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
    std::printf("%.2f %.2f %ld %s\n", ms, MsCpu() - cpuPrima, PiccoKb() - prima, risposta.simplified().toUtf8().constData());
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
    std::printf("%-40s %-21s %10s %10s %10s  %s\n", "file", "reader", "ms", "cpu ms", "peak +MB", "answer");
    for (int b = 0; b < int(std::size(Bombe)); ++b) {
        for (int l = 0; l < int(std::size(Lettori)); ++l) {
            int esito = 0;
            const std::string riga = RigaDelCasoAParte(std::to_string(b) + " " + std::to_string(l), esito);
            double ms = 0, cpu = 0;
            long picco = 0;
            char risposta[512] = {};
            if (std::sscanf(riga.c_str(), "%lf %lf %ld %511[^\n]", &ms, &cpu, &picco, risposta) != 4) {
                std::printf("%-40s %-21s failed (exit status %d)\n", Bombe[b].nome, Lettori[l], esito);
                continue;
            }
            std::printf("%-40s %-21s %10.2f %10.2f %10.1f  %s\n", Bombe[b].nome, Lettori[l], ms, cpu, picco / 1024.0,
                        risposta);
            std::fflush(stdout);
        }
    }
    return 0;
}
