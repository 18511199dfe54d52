// What an encoder that floods its output costs the encoding run: a stand-in encoder prints
// many megabytes of lines (or one line without end) and fails; the run reads it all, logs it
// and ends. Each case runs in a child process of its own, so that no case inherits the peak
// of another; the child reports its time, the time the same output takes through a bare pipe,
// its own high-water mark and the size of the log.
//   quenvox_diluvio            the table
//   quenvox_diluvio <case>     one case, one line of figures (what the table runs)
#include "encoding/LavoroCodifica.h"

#include "comune/MisureProcesso.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct Caso {
    const char* nome;
    long long mb;
    bool unaRiga;  // one line of mb megabytes; else lines of 67 bytes
};
constexpr Caso Casi[] = {{"30 MB of lines", 30, false}, {"100 MB of lines", 100, false}, {"100 MB, one line", 100, true}};

bool ScriviEseguibile(const QString& percorso, const QByteArray& testo) {
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(testo) != testo.size()) return false;
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The flood alone, read through a pipe and thrown away: the floor of any reader.
double MsPipe(const QByteArray& flusso) {
    QElapsedTimer t;
    t.start();
    FILE* p = popen(flusso.constData(), "r");
    if (!p) return -1;
    char buffer[65536];
    while (std::fread(buffer, 1, sizeof buffer, p) > 0) {
    }
    pclose(p);
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

int EseguiCaso(int argc, char** argv, const Caso& caso) {
    QCoreApplication applicazione(argc, argv);
    QTemporaryDir cartella;
    const QString video = cartella.path() + QStringLiteral("/Video");
    QDir().mkpath(video + QStringLiteral("/Frames"));
    for (int i = 1; i <= 5; ++i) {
        QImage im(64, 36, QImage::Format_RGB32);
        im.fill(Qt::darkBlue);
        im.save(QStringLiteral("%1/Frames/Image_%2.bmp").arg(video).arg(i, 4, 10, QLatin1Char('0')), "BMP");
    }
    const QByteArray byte = QByteArray::number(caso.mb * 1024 * 1024);
    const QByteArray flusso = caso.unaRiga
                                  ? "head -c " + byte + " /dev/zero | tr '\\0' x"
                                  : "yes '[libx264 @ 0x55d0c0ffee00] frame I:1     Avg QP:20.00  size: 12345' | head -c " + byte;
    const QString encoder = cartella.path() + QStringLiteral("/encoder");
    const QString sonda = cartella.path() + QStringLiteral("/sonda");
    if (!ScriviEseguibile(encoder, "#!/bin/sh\n" + flusso + "\necho\necho 'Error writing trailer: No space left on device' >&2\nexit 1\n") ||
        !ScriviEseguibile(sonda, "#!/bin/sh\nexit 1\n"))
        return 1;

    const double pipe = MsPipe(flusso);

    LavoroCodifica lavoro;
    lavoro.ImpostaParametri({video, 25, false, 5, QStringLiteral("Frames/Image")});
    lavoro.ImpostaCodec({4, false, 0, 23, QStringLiteral("medium"), false, false, QString()});
    lavoro.ImpostaEncoder(encoder);
    lavoro.ImpostaSonda(sonda);
    bool finita = false;
    QObject::connect(&lavoro, &LavoroCodifica::terminata, [&] {
        finita = true;
        applicazione.quit();
    });
    QElapsedTimer t;
    t.start();
    const double cpu0 = MsCpu();
    lavoro.EseguiCodifica();
    if (!finita) applicazione.exec();
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const double cpu = MsCpu() - cpu0;
    const bool motivo = lavoro.Risultato().UltimoErrore == QStringLiteral("Error writing trailer: No space left on device");
    std::printf("%.0f %.0f %.0f %ld %lld %d\n", ms, cpu, pipe, PiccoKb(),
                static_cast<long long>(QFileInfo(lavoro.Risultato().PercorsoLog).size()), motivo ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        const int k = std::atoi(argv[1]);
        if (k < 0 || k >= static_cast<int>(std::size(Casi))) return 2;
        return EseguiCaso(argc, argv, Casi[k]);
    }
    std::printf("%-18s %9s %9s %9s %9s %9s %7s\n", "case", "run ms", "CPU ms", "pipe ms", "peak MB", "log MB", "reason");
    for (int k = 0; k < static_cast<int>(std::size(Casi)); ++k) {
        int esito = 0;
        const std::string riga = RigaDelCasoAParte(std::to_string(k), esito);
        double ms = 0, cpu = 0, pipe = 0;
        long picco = -1;
        long long log = 0;
        int motivo = 0;
        if (std::sscanf(riga.c_str(), "%lf %lf %lf %ld %lld %d", &ms, &cpu, &pipe, &picco, &log, &motivo) != 6) {
            std::printf("%-18s failed (exit status %d)\n", Casi[k].nome, esito);
            continue;
        }
        std::printf("%-18s %9.0f %9.0f %9.0f %9.1f %9.1f %7s\n", Casi[k].nome, ms, cpu, pipe, picco / 1024.0, log / 1048576.0,
                    motivo ? "right" : "WRONG");
    }
    return 0;
}
