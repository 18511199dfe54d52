// The job against Debian's ffmpeg, on a few tiny frames, checked with ffprobe.
#include "encoding/LavoroCodifica.h"

#include "AiutoCodifica.h"
#include "common/CasaTemporanea.h"
#include "common/LinguaTemporanea.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <map>

#include <unistd.h>

namespace {

constexpr int kFrame = 10;

std::map<QString, QString> Sonda(const QString& video) {
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", "v:0", "-count_frames", "-show_entries",
                                        "stream=codec_name,profile,nb_read_frames,codec_tag_string,pix_fmt,color_range", "-of",
                                        "default=nw=1", video});
    std::map<QString, QString> valori;
    if (!p.waitForFinished(30000)) return valori;
    for (const QString& riga : QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype i = riga.indexOf('=');
        if (i > 0) valori[riga.left(i)] = riga.mid(i + 1);
    }
    return valori;
}

// The frame hashes of a decoded stream, timing left out.
QStringList Impronte(const QStringList& ingresso) {
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-nostdin"} + ingresso + QStringList{"-f", "framemd5", "-"});
    QStringList impronte;
    if (!p.waitForFinished(30000)) return impronte;
    for (const QString& riga : QString::fromLatin1(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        if (!riga.startsWith('#')) impronte << riga.section(',', -1).trimmed();
    return impronte;
}

struct Famiglia {
    const char* nome;
    ParametriCodec codec;
    bool jpg;
    const char* codecName;
    const char* profilo;  // empty: not checked
    const char* tag;      // empty: not checked
    const char* pixel = "";  // pixel format; empty: not checked
};

void PrintTo(const Famiglia& f, std::ostream* os) {
    *os << f.nome;
}

ParametriCodec C(int tipo, int variante, int qualita, const char* preset = "medium", bool lossless = false,
                 bool tune = false, const char* tuneValue = "film", bool huff = false) {
    return {tipo, huff, variante, qualita, QString::fromLatin1(preset), lossless, tune, QString::fromLatin1(tuneValue)};
}

class CodificaReale : public ::testing::TestWithParam<Famiglia> {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty() || QStandardPaths::findExecutable("ffprobe").isEmpty())
            GTEST_SKIP() << "ffmpeg is not installed (make installs it)";
    }

    RisultatoCodifica Codifica(const ParametriCodec& codec, bool jpg, int fps = 25) {
        cartella_ = casa_.Sotto("Video");
        ScriviFrame(cartella_, kFrame, jpg);
        LavoroCodifica lavoro;
        lavoro.ImpostaParametri({cartella_, fps, jpg, kFrame, QStringLiteral("Frames/Image")});
        lavoro.ImpostaCodec(codec);
        return AttendiFine(lavoro, 60000);
    }

    LinguaTemporanea inglese_{LinguaInglese};
    CasaTemporanea casa_;
    QString cartella_;
};

}  // namespace

TEST_P(CodificaReale, FramesBecomeTheChosenVideo) {
    const Famiglia& f = GetParam();
    const RisultatoCodifica r = Codifica(f.codec, f.jpg);
    ASSERT_TRUE(r.Riuscita) << LeggiTutteLeRighe(r.PercorsoLog).join('\n').toStdString();
    EXPECT_EQ(r.UltimoFrame, kFrame);
    auto sonda = Sonda(r.PercorsoVideo);
    EXPECT_EQ(sonda["codec_name"], f.codecName);
    EXPECT_EQ(sonda["nb_read_frames"], QString::number(kFrame));
    if (*f.profilo) {
        EXPECT_EQ(sonda["profile"], f.profilo);
    }
    if (*f.tag) {
        EXPECT_EQ(sonda["codec_tag_string"], f.tag);
    }
    if (*f.pixel) {
        EXPECT_EQ(sonda["pix_fmt"], f.pixel);
    }
    // Players take full range for limited and show it washed out.
    if (QString(f.pixel) == "yuv420p") {
        EXPECT_NE(sonda["color_range"], "pc");
    }
}

INSTANTIATE_TEST_SUITE_P(
    OgniPagina, CodificaReale,
    ::testing::Values(Famiglia{"ProResHQ", C(0, 4, 11), true, "prores", "HQ", "apch"},
                      Famiglia{"ProResProxy", C(0, 1, 11), false, "prores", "Proxy", "apco"},
                      Famiglia{"Mpeg4", C(1, 1, 15), true, "mpeg4", "", "FMP4"},
                      Famiglia{"Xvid", C(1, 3, 4), false, "mpeg4", "", "XVID"},
                      Famiglia{"HuffYUV", C(2, 0, 0), true, "huffyuv", "", "HFYU"},
                      Famiglia{"HuffYUVVariante", C(2, 0, 0, "", false, false, "", true), true, "ffvhuff", "", "FFVH"},
                      // What browsers, phones and televisions play, from either frame format.
                      Famiglia{"H264", C(3, 0, 23, "medium"), true, "h264", "High", "", "yuv420p"},
                      Famiglia{"H264Bmp", C(3, 0, 23, "medium"), false, "h264", "High", "", "yuv420p"},
                      Famiglia{"X264Tune", C(4, 0, 23, "fast", false, true, "animation"), true, "h264", "High", "",
                               "yuv420p"},
                      Famiglia{"X264Bmp", C(4, 0, 23, "medium"), false, "h264", "High", "", "yuv420p"},
                      // Lossless keeps the frames' colour: 4:4:4 from BMP, JPEG's own 4:2:0.
                      Famiglia{"X264Lossless", C(4, 0, 23, "fast", true), false, "h264", "High 4:4:4 Predictive", "",
                               "yuv444p"},
                      Famiglia{"X264LosslessJpeg", C(4, 0, 23, "fast", true), true, "h264", "High 4:4:4 Predictive",
                               "", "yuvj420p"},
                      Famiglia{"X265", C(5, 0, 28, "ultrafast"), true, "hevc", "Main", ""},
                      Famiglia{"YouTube", C(6, 1, 0), true, "h264", "High", ""},
                      Famiglia{"Vimeo", C(6, 2, 0), true, "h264", "Main", ""},
                      Famiglia{"Facebook", C(6, 3, 0), false, "mpeg4", "Simple Profile", ""}),
    [](const ::testing::TestParamInfo<Famiglia>& info) { return std::string(info.param.nome); });

TEST_F(CodificaReale, ProResQualityChangesTheFile) {
    const qint64 fine = QFileInfo(Codifica(C(0, 4, 1), true).PercorsoVideo).size();
    QThread::msleep(1100);  // a new second, so a new file name
    const qint64 grossa = QFileInfo(Codifica(C(0, 4, 32), true).PercorsoVideo).size();
    EXPECT_GT(fine, 0);
    EXPECT_GT(fine, grossa + grossa / 4);
}

TEST_F(CodificaReale, X265LosslessDecodesToTheInputPictures) {
    const RisultatoCodifica r = Codifica(C(5, 0, 28, "ultrafast", true), true);
    ASSERT_TRUE(r.Riuscita);
    const QStringList ingresso = Impronte({"-framerate", "25", "-i", cartella_ + "/Frames/Image_%04d.jpg", "-vf",
                                           "setsar=1/1,format=yuv420p"});
    ASSERT_EQ(ingresso.size(), kFrame);
    EXPECT_EQ(Impronte({"-i", r.PercorsoVideo}), ingresso);
}

// The preset's own output rate makes more frames than were given: still a success.
TEST_F(CodificaReale, VimeoAtAnotherRateSucceedsOnTheExitStatus) {
    const RisultatoCodifica r = Codifica(C(6, 2, 0), true, 12);
    EXPECT_TRUE(r.Riuscita);
    EXPECT_GT(r.UltimoFrame, kFrame);
}

// ffmpeg stops at a gap in the numbering, drops a BMP frame whose pixels are cut, encodes a
// cut JPEG grey, and exits with 0 each time: the run must not call that a video, and must
// name the frame at fault, not the first one after what the encoder wrote.
TEST_F(CodificaReale, MissingOrDamagedFramesAreAFailureNamingTheFrame) {
    const struct {
        const char* nome;
        bool jpg;
        int scritti;  // frames 1..scritti are written
        int rotto;    // then this one is removed, or cut to taglio bytes (-1: removed)
        qint64 taglio;
        const char* motivo;
    } casi[] = {
        {"no frames at all", true, 0, 1, -1, "is missing"},
        {"a gap", true, kFrame, 3, -1, "is missing"},
        {"a damaged frame", true, kFrame, 3, 300, "(damaged JPEG picture)"},
        {"a JPEG cut in half", true, kFrame, 4, 0, "(its JPEG data is cut short)"},
        {"a BMP cut in its pixels", false, kFrame, 5, 0, "(its picture data is cut short: "},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        const QString cartella = casa.Sotto("Video");
        QDir().mkpath(cartella);
        ScriviFrame(cartella, c.scritti, c.jpg, 320, 180);
        const QString rotto =
            cartella + QStringLiteral("/Frames/Image_%1.%2").arg(c.rotto, 4, 10, QLatin1Char('0')).arg(c.jpg ? "jpg" : "bmp");
        if (c.taglio < 0) {
            QFile::remove(rotto);
        } else if (c.taglio > 0) {
            QFile f(rotto);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(c.taglio, '\x33'));
        } else {
            QFile f(rotto);
            ASSERT_TRUE(f.resize(QFileInfo(rotto).size() / 2));
        }
        LavoroCodifica lavoro;
        lavoro.ImpostaParametri({cartella, 25, c.jpg, kFrame, QStringLiteral("Frames/Image")});
        lavoro.ImpostaCodec(C(4, 0, 23, "ultrafast"));
        const RisultatoCodifica r = AttendiFine(lavoro, 60000);
        EXPECT_FALSE(r.Riuscita);
        EXPECT_EQ(r.FrameErrato, c.rotto);
        EXPECT_TRUE(r.Errore.contains(rotto)) << r.Errore.toStdString();
        EXPECT_TRUE(r.Errore.contains(c.motivo)) << r.Errore.toStdString();
        EXPECT_TRUE(r.Errore.startsWith(QStringLiteral("Frame %1 ").arg(c.rotto))) << r.Errore.toStdString();
        EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
    }
}

// A stand-in that prints "frame= 10", writes noise and exits with 0: ffprobe cannot read it.
TEST_F(CodificaReale, NoiseThatTheEncoderCallsAVideoIsAFailure) {
    cartella_ = casa_.Sotto("Video");
    ScriviFrame(cartella_, kFrame, true);
    qputenv("FINTO_MODO", "bugiardo");
    LavoroCodifica lavoro;
    lavoro.ImpostaEncoder(CopiaFintoEncoder(casa_.Sotto("finto_ffmpeg")));
    lavoro.ImpostaParametri({cartella_, 25, true, kFrame, QStringLiteral("Frames/Image")});
    lavoro.ImpostaCodec(C(4, 0, 23, "ultrafast"));
    Registro reg(lavoro);
    const RisultatoCodifica r = AttendiFine(lavoro);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.UltimoFrame, kFrame);
    EXPECT_EQ(r.FrameNelVideo, -1);
    EXPECT_TRUE(r.Errore.startsWith("The video " + r.PercorsoVideo + " cannot be read: ")) << r.Errore.toStdString();
    EXPECT_EQ(MotivoFallimento(r, 1), r.Errore);
    EXPECT_EQ(reg.Progresso.back(), std::make_pair(kFrame - 1, kFrame));
    EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
}

// A disk that fills during the encode: the reason is the encoder's own last error line.
TEST_F(CodificaReale, FullDiskGivesTheEncodersReason) {
    cartella_ = casa_.Sotto("Video");
    const QString frame = casa_.Sotto("frame");
    ScriviFrame(frame, kFrame, false, 320, 180);
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    QDir().mkpath(cartella_);
    QProcess monta;
    monta.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", cartella_});
    if (!monta.waitForFinished(10000) || monta.exitCode() != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << monta.readAllStandardError().toStdString();
    struct Smonta {
        QString cartella;
        ~Smonta() { QProcess::execute("umount", {cartella}); }
    } smonta{cartella_};
    // The frames stay on the real disk; the video (lossless, so large) fills the small one.
    ASSERT_TRUE(QFile::link(frame + "/Frames", cartella_ + "/Frames"));
    LavoroCodifica lavoro;
    lavoro.ImpostaParametri({cartella_, 25, false, kFrame, QStringLiteral("Frames/Image")});
    lavoro.ImpostaCodec(C(2, 0, 0));
    const RisultatoCodifica r = AttendiFine(lavoro, 60000);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_NE(r.CodiceUscita, 0);
    EXPECT_TRUE(r.UltimoErrore.endsWith("No space left on device")) << r.UltimoErrore.toStdString();
    EXPECT_EQ(MotivoFallimento(r, 1), r.UltimoErrore);
    EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
}
