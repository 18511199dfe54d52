// What the check of the frames costs before the hand-off: 200 frames at 1080p, JPEG and BMP,
// as a run leaves them (just written, so in the page cache).
#include "encoding/ControlloFrame.h"
#include "platform/Jpeg.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr int NumeroFrame = 200;

// A frame with gradients and edges, so its JPEG is as large as a real one.
QImage FrameTipo() {
    QImage im(1920, 1080, QImage::Format_RGB32);
    QPainter p(&im);
    QLinearGradient g(0, 0, 1920, 1080);
    g.setColorAt(0, QColor(20, 40, 120));
    g.setColorAt(1, QColor(230, 180, 40));
    p.fillRect(im.rect(), g);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(160);
    p.setFont(f);
    p.drawText(im.rect(), Qt::AlignCenter, QStringLiteral("Quenvox"));
    p.end();
    // Grain, as particles and snow leave it: what makes a real frame's JPEG a few hundred KB.
    quint32 seme = 12345;
    for (int y = 0; y < im.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(im.scanLine(y));
        for (int x = 0; x < im.width(); ++x) {
            seme = seme * 1664525u + 1013904223u;
            const int d = int(seme >> 28) - 8;
            const QRgb c = riga[x];
            riga[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255), qBound(0, qBlue(c) + d, 255));
        }
    }
    return im;
}

void BM_ControlloFrame(benchmark::State& state) {
    const bool jpg = state.range(0) == 1;
    QTemporaryDir cartella;
    QByteArray dati;
    if (jpg) {
        CodificaJpeg(FrameTipo(), dati, 90);
    } else {
        QBuffer buffer(&dati);
        buffer.open(QIODevice::WriteOnly);
        FrameTipo().convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    }
    ParametriCodifica parametri;
    parametri.CartellaVideo = cartella.path();
    parametri.FrameInJpg = jpg;
    parametri.NumeroFrame = NumeroFrame;
    parametri.PrefissoFrame = QStringLiteral("Frames/Image");
    QDir().mkpath(cartella.filePath(QStringLiteral("Frames")));
    for (int n = 1; n <= NumeroFrame; ++n) {
        QFile f(PercorsoFrame(parametri, n));
        if (!f.open(QIODevice::WriteOnly) || f.write(dati) != dati.size()) {
            state.SkipWithError("cannot write the frames");
            return;
        }
    }
    for (auto _ : state) {
        const auto difetto = PrimoFrameDifettoso(parametri, 1);
        if (difetto) state.SkipWithError("a whole frame was found faulty");
        benchmark::DoNotOptimize(difetto);
    }
    state.counters["MB/frame"] = dati.size() / 1e6;
}

}  // namespace

BENCHMARK(BM_ControlloFrame)->Arg(1)->Arg(0)->ArgName("jpg")->Unit(benchmark::kMillisecond);
