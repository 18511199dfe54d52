// The job against Debian's ffmpeg, on a few tiny frames, checked with ffprobe.
#include "encoding/LavoroCodifica.h"

#include "AiutoCodifica.h"
#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <map>

namespace {

constexpr int kFrame = 5;

std::map<QString, QString> Sonda(const QString& video) {
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", "v:0", "-count_frames", "-show_entries",
                                        "stream=codec_name,profile,nb_read_frames,codec_tag_string,pix_fmt", "-of",
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
}

INSTANTIATE_TEST_SUITE_P(
    OgniPagina, CodificaReale,
    ::testing::Values(Famiglia{"ProResHQ", C(0, 4, 11), true, "prores", "HQ", "apch"},
                      Famiglia{"ProResProxy", C(0, 1, 11), false, "prores", "Proxy", "apco"},
                      Famiglia{"Mpeg4", C(1, 1, 15), true, "mpeg4", "", "FMP4"},
                      Famiglia{"Xvid", C(1, 3, 4), false, "mpeg4", "", "XVID"},
                      Famiglia{"HuffYUV", C(2, 0, 0), true, "huffyuv", "", "HFYU"},
                      Famiglia{"HuffYUVVariante", C(2, 0, 0, "", false, false, "", true), true, "ffvhuff", "", "FFVH"},
                      Famiglia{"H264", C(3, 0, 23, "ultrafast"), true, "h264", "", ""},
                      Famiglia{"X264Tune", C(4, 0, 23, "fast", false, true, "animation"), true, "h264", "", ""},
                      Famiglia{"X264Lossless", C(4, 0, 23, "fast", true), true, "h264", "High 4:4:4 Predictive", ""},
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

// ffmpeg stops at a gap in the numbering (two frames of five), or drops a frame it cannot
// decode (four of five), and exits with 0 either way: the run must not call that a video.
TEST_F(CodificaReale, MissingOrDamagedFramesAreAFailureNamingTheFrame) {
    const struct {
        const char* nome;
        int scritti;   // frames 1..scritti are written
        int rotto;     // then this one is removed or damaged
        bool danneggiato;
    } casi[] = {
        {"no frames at all", 0, 1, false},
        {"a gap", kFrame, 3, false},
        {"a damaged frame", kFrame, 3, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        const QString cartella = casa.Sotto("Video");
        QDir().mkpath(cartella);
        ScriviFrame(cartella, c.scritti, true);
        const QString rotto = cartella + QStringLiteral("/Frames/Image_%1.jpg").arg(c.rotto, 4, 10, QLatin1Char('0'));
        QFile::remove(rotto);
        if (c.danneggiato) {
            QFile f(rotto);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(300, '\x33'));
        }
        LavoroCodifica lavoro;
        lavoro.ImpostaParametri({cartella, 25, true, kFrame, QStringLiteral("Frames/Image")});
        lavoro.ImpostaCodec(C(4, 0, 23, "ultrafast"));
        const RisultatoCodifica r = AttendiFine(lavoro, 60000);
        EXPECT_FALSE(r.Riuscita);
        EXPECT_EQ(r.FrameErrato, c.rotto);
        EXPECT_TRUE(r.Errore.contains(rotto)) << r.Errore.toStdString();
        EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
    }
}
