// Writes pictures of the encoding window during and after a run with Debian's ffmpeg on a few
// frames drawn here, and of the codec window on every page (x264 also lossless), in Italian
// and English:
// finestre_codifica [folder] (default build/finestre_codifica).
#include "AiutoStrumenti.h"
#include "SchermoOffscreen.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orvheader.h"
#include "dialogs/ConsegnaCodificaVideo.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgsceltacodec.h"
#include "dialogs/RisultatoDialogo.h"
#include "platform/CartelleUtente.h"
#include "platform/Jpeg.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

QString cartella;
bool tuttoBene = true;

constexpr int NumeroFrame = 150;

void Salva(const QImage& immagine, const QString& nome) {
    if (!SalvaFoto(immagine, QDir(cartella).filePath(nome + QStringLiteral(".png")))) tuttoBene = false;
}

// Frames of a title sliding over a gradient, as the renderer names them.
bool ScriviFrame(const QString& cartellaVideo) {
    QDir().mkpath(cartellaVideo + QStringLiteral("/Frames"));
    for (int i = 1; i <= NumeroFrame; ++i) {
        QImage im(1280, 720, QImage::Format_RGB32);
        QPainter p(&im);
        QLinearGradient g(0, 0, 0, 720);
        g.setColorAt(0, QColor(10, 30, 80));
        g.setColorAt(1, QColor(120, 20, 60));
        p.fillRect(im.rect(), g);
        p.setPen(QColor(253, 191, 7));
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 96, QFont::Bold));
        p.drawText(QRect(-400 + i * 5, 250, 1280, 200), Qt::AlignCenter, QStringLiteral("Quenvox"));
        p.end();
        if (!ScriviJpeg(im, QStringLiteral("%1/Frames/Image_%2.jpg").arg(cartellaVideo).arg(i, 4, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

void CodificaVideo(int lingua, const QString& uscita, TORVDLGSceltaCodec& codec) {
    TORVDLGCodificaVideo finestra;
    CollegaSceltaCodec(finestra, codec);
    finestra.ImpostaAttesaAvvio(100);
    finestra.ImpostaApertura([](const QUrl&) { return true; });
    finestra.ImpostaMessaggio([](int, const QString&) { return int(RisultatoNo); });
    bool durante = false;
    QTimer sonda;
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        // During: once the encoder is well on and the preview shows a frame.
        if (!durante && finestra.Lavoro().Figure().NumeroFrame() >= NumeroFrame / 3 &&
            !finestra.Anteprima()->Immagine().isNull()) {
            durante = true;
            Salva(finestra.grab().toImage(), QStringLiteral("codifica_durante_%1").arg(Sigla(lingua)));
        }
        if (!finestra.InEsecuzione() && finestra.BottoneChiudi()->isVisible()) {
            sonda.stop();
            Salva(finestra.grab().toImage(), QStringLiteral("codifica_dopo_%1").arg(Sigla(lingua)));
            finestra.BottoneChiudi()->OnClick(nullptr);
        }
    });
    sonda.start(5);
    DatiAvvioCodifica dati;
    dati.PercorsoOutput = uscita;
    dati.TotaleFrame = NumeroFrame;
    dati.UsaJpg = true;
    dati.FrameRate = QStringLiteral("25");
    dati.Durata = NumeroFrame;
    const int risultato = ConsegnaCodificaVideo(finestra, dati, lingua);
    if (risultato != RisultatoOk) {
        std::fprintf(stderr, "the run of language %d did not make its video\n", lingua);
        tuttoBene = false;
    }
}

void FotoCodec(TORVDLGSceltaCodec& codec, const QString& nome) {
    QTimer::singleShot(50, &codec, [&codec, nome] {
        QApplication::processEvents();
        Salva(codec.grab().toImage(), nome);
        codec.done(0);
    });
    codec.Esegui();
}

void FotoSceltaCodec(int lingua, TORVDLGSceltaCodec& codec) {
    codec.Inizializza(lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
    SceltaCodec s = codec.Scelta();
    for (int pagina = 1; pagina <= 7; ++pagina) {
        s.Pagina = pagina;
        codec.ImpostaScelta(s);
        FotoCodec(codec, QStringLiteral("codec_pagina%1_%2").arg(pagina).arg(Sigla(lingua)));
    }
    // x264 lossless with a tune: what it overrides greys out, the tune stays.
    SceltaCodec lossless = s;
    lossless.Pagina = 5;
    lossless.X264Lossless = true;
    lossless.X264Tune = true;
    codec.ImpostaScelta(lossless);
    codec.ApplicaImpostazioniCodec();
    FotoCodec(codec, QStringLiteral("codec_pagina5_lossless_%1").arg(Sigla(lingua)));
    codec.ImpostaScelta(s);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir schermo;
    ImpostaSchermoOffscreen(schermo);
    QApplication app(argc, argv);
    cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/finestre_codifica");
    QDir().mkpath(cartella);
    QTemporaryDir lavoro;
    const QString uscita = lavoro.path();
    PercorsoOutput = uscita;
    if (!ScriviFrame(uscita + QStringLiteral("/Video"))) {
        std::fprintf(stderr, "cannot write the frames\n");
        return 1;
    }
    TORVDLGSceltaCodec codec;
    for (int lingua : {0, 1}) {
        FotoSceltaCodec(lingua, codec);
        // x264 slow, so the run lasts long enough to be seen half way.
        SceltaCodec s = codec.Scelta();
        s.Pagina = 5;
        s.X264Preset = 7;
        s.X264Tune = true;
        codec.ImpostaScelta(s);
        CodificaVideo(lingua, uscita, codec);
    }
    return tuttoBene ? 0 : 1;
}
