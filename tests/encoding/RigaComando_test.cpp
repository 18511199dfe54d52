#include "encoding/RigaComando.h"

#include "common/Attesa.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

const QDateTime kMomento(QDate(2016, 3, 14), QTime(9, 5, 3));

ParametriCodifica Frame(bool jpg = true) {
    return {QStringLiteral("/W/Video"), 25, jpg, 5, QStringLiteral("Frames/Image")};
}

ParametriCodec Codec(int tipo, int variante = 0, int qualita = 0, const char* preset = "", bool lossless = false,
                     bool tune = false, const char* tuneValue = "", bool huff = false) {
    return {tipo, huff, variante, qualita, QString::fromLatin1(preset), lossless, tune, QString::fromLatin1(tuneValue)};
}

struct Caso {
    const char* nome;
    ParametriCodec codec;
    bool jpg;
    const char* argomenti;  // between the program and the output file, joined by spaces
    const char* video;
};

const char kIngressoR[] = "-y -r 25 -i Frames/Image_%04d.jpg";
const char kIngressoF[] = "-framerate 25 -i Frames/Image_%04d.jpg";

std::string Unisci(const char* ingresso, const char* resto) {
    return std::string(ingresso) + (*resto ? " " : "") + resto;
}

}  // namespace

TEST(RigaComando, ArgumentsForEveryPageVariantAndPreset) {
    const std::string jpgR = kIngressoR, jpgF = kIngressoF;
    const Caso casi[] = {
        {"ProRes HQ", Codec(0, 4, 11), true,
         "-vcodec prores_ks -profile:v 3 -qscale:v 11 -vendor ap10 -pix_fmt yuv422p10le", ".mov"},
        {"ProRes Proxy", Codec(0, 1, 5), true,
         "-vcodec prores_ks -profile:v 0 -qscale:v 5 -vendor ap10 -pix_fmt yuv422p10le", ".mov"},
        {"ProRes no profile", Codec(0, 7, 11), true, "-vcodec prores_ks -qscale:v 11 -vendor ap10 -pix_fmt yuv422p10le",
         ".mov"},
        {"ProRes quality clamped", Codec(0, 2, 99), true,
         "-vcodec prores_ks -profile:v 1 -qscale:v 32 -vendor ap10 -pix_fmt yuv422p10le", ".mov"},
        {"MPEG-4 standard", Codec(1, 1, 15), true, "-vcodec mpeg4 -f avi -qscale:v 15", ".avi"},
        {"MPEG-4 DivX", Codec(1, 2, 4), true, "-vcodec mpeg4 -vtag DIVX -f avi -qscale:v 4", ".avi"},
        {"MPEG-4 Xvid", Codec(1, 3, 4), true, "-vcodec mpeg4 -vtag XVID -f avi -qscale:v 4", ".avi"},
        {"MPEG-4 Microsoft", Codec(1, 4, 4), true, "-vcodec mpeg4 -vtag FMP4 -f avi -qscale:v 4", ".avi"},
        {"MPEG-4 quality clamped", Codec(1, 0, 0), true, "-vcodec mpeg4 -f avi -qscale:v 1", ".avi"},
        {"HuffYUV", Codec(2, 3, 40, "slow"), true, "-vcodec huffyuv", ".avi"},
        {"HuffYUV variant", Codec(2, 0, 0, "", false, false, "", true), true, "-vcodec ffvhuff", ".avi"},
        {"H.264", Codec(3, 0, 23, "medium"), true, "-vcodec h264 -preset medium -crf 23 -pix_fmt yuv420p", ".mp4"},
        {"H.264 quality clamped", Codec(3, 0, 80, "fast"), true, "-vcodec h264 -preset fast -crf 51 -pix_fmt yuv420p", ".mp4"},
        {"x264 tune", Codec(4, 0, 23, "medium", false, true, "film"), true,
         "-c:v libx264 -preset medium -crf 23 -tune film -pix_fmt yuv420p", ".mp4"},
        {"x264 lossless keeps tune", Codec(4, 0, 23, "fast", true, true, "ssim"), true,
         "-c:v libx264 -preset veryslow -qp 0 -tune ssim", ".mp4"},
        {"x264 tune off", Codec(4, 0, 18, "slow", false, false, "film"), true, "-c:v libx264 -preset slow -crf 18 -pix_fmt yuv420p",
         ".mp4"},
        {"x265", Codec(5, 0, 28, "medium"), true,
         "-c:v libx265 -preset:v medium -x265-params crf=28 -vf setsar=1/1,format=yuv420p", ".mkv"},
        {"x265 lossless", Codec(5, 0, 28, "medium", true), false,
         "-c:v libx265 -preset:v veryslow -x265-params lossless=1 -vf setsar=1/1,format=yuv420p", ".mkv"},
        {"YouTube", Codec(6, 1), true,
         "-codec:v libx264 -crf 10 -bf 2 -flags +cgop -pix_fmt yuv420p -codec:a aac -strict -2 -b:a 384k -r:a 48000 "
         "-movflags faststart",
         ".mp4"},
        {"Vimeo", Codec(6, 2), true,
         "-map 0:0 -an -c:v libx264 -crf 10 -r 25 -pix_fmt yuv420p -movflags faststart -profile:v main -partitions "
         "partb8x8+partp4x4+partp8x8+parti8x8 -b-pyramid 1 -weightb 1 -8x8dct 0 -fast-pskip 1 -coder ac -trellis 1 "
         "-me_method hex -sws_flags fast_bilinear -sc_threshold 40 -rc-lookahead 40 -qmin 3 -qmax 51 -qdiff 4 "
         "-threads 8 -sn -y",
         ".mp4"},
        {"Facebook", Codec(6, 3), true,
         "-map 0:0 -an -c:v mpeg4 -b:v 8064k -maxrate 16128k -bufsize 16128k -r 25 -pix_fmt yuv420p -movflags "
         "faststart -coder ac -trellis 0 -qsquish 0.5 -subq 4 -me_range 16 -i_qoffset 0 -b_strategy 1 -refs 3 "
         "-sws_flags fast_bilinear -sc_threshold 40 -rc-lookahead 40 -keyint_min 24 -g 240 -qmin 3 -qmax 51 "
         "-copyts -threads 8 -sn -y",
         ".mp4"},
        {"web preset out of range", Codec(6, 4), true, "", ".mp4"},
    };
    for (const Caso& c : casi) {
        const RigaComando riga = CreaRigaComando(Frame(c.jpg), c.codec, kMomento);
        const bool framerate = c.codec.TipoCodec >= 5;
        std::string ingresso = framerate ? jpgF : jpgR;
        if (!c.jpg) ingresso.replace(ingresso.find(".jpg"), 4, ".bmp");
        const QString video = QStringLiteral("/W/Video/Video_2016_03_14_09_05_03") + QString::fromLatin1(c.video);
        EXPECT_EQ(riga.Programma, "ffmpeg") << c.nome;
        EXPECT_EQ(riga.PercorsoVideo, video) << c.nome;
        ASSERT_FALSE(riga.Argomenti.isEmpty());
        EXPECT_EQ(riga.Argomenti.last(), video) << c.nome;
        EXPECT_EQ(riga.Argomenti.mid(0, riga.Argomenti.size() - 1).join(' ').toStdString(),
                  Unisci(ingresso.c_str(), c.argomenti))
            << c.nome;
    }
}

TEST(RigaComando, VideoNamePadsEveryFieldWithZeros) {
    struct Caso {
        QDateTime momento;
        const char* nome;
    };
    for (const Caso& c : {Caso{kMomento, "Video_2016_03_14_09_05_03"},
                          Caso{QDateTime(QDate(2026, 12, 1), QTime(14, 10, 0)), "Video_2026_12_01_14_10_00"},
                          Caso{QDateTime(QDate(999, 1, 1), QTime(0, 0, 9)), "Video_0999_01_01_00_00_09"}})
        EXPECT_EQ(NomeVideo(c.momento), c.nome);
}

TEST(RigaComando, FrameRateAndFolderGoInUnchanged) {
    ParametriCodifica frame = Frame(false);
    frame.FrameAlSecondo = 0;
    frame.CartellaVideo = QStringLiteral("/a b/Video");
    const RigaComando riga = CreaRigaComando(frame, Codec(2), kMomento);
    EXPECT_EQ(riga.Argomenti.mid(0, 5), QStringList({"-y", "-r", "0", "-i", "Frames/Image_%04d.bmp"}));
    EXPECT_EQ(riga.PercorsoVideo, "/a b/Video/Video_2016_03_14_09_05_03.avi");
}

// The shown line, given to a real shell, yields exactly the argument list, whatever the folder.
TEST(RigaComando, QuotedTextGivesTheShellTheSameArguments) {
    ParametriCodifica frame = Frame();
    frame.CartellaVideo = QStringLiteral("/tmp/it's \"q\" $HOME `id` \\ %d %%04d ; rm -rf x & é\n|*?");
    const RigaComando riga = CreaRigaComando(frame, Codec(4, 0, 23, "medium", false, true, "film"), kMomento,
                                             QStringLiteral("printf"));
    // printf's format is the first word after the program: give it one of our own.
    const QString comando = QStringLiteral("printf '%s\\0' ") + QuotaShell(riga.Argomenti);
    QProcess sh;
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), comando});
    ASSERT_TRUE(sh.waitForFinished(LimiteAttesaMs));
    QList<QByteArray> ricevuti = sh.readAllStandardOutput().split('\0');
    ASSERT_EQ(ricevuti.takeLast(), QByteArray());
    QStringList argomenti;
    for (const QByteArray& a : ricevuti) argomenti << QString::fromUtf8(a);
    EXPECT_EQ(argomenti, riga.Argomenti);
    EXPECT_TRUE(riga.Testo.startsWith("printf -y -r 25 -i Frames/Image_%04d.jpg -c:v libx264 -preset medium"));
    EXPECT_TRUE(riga.Testo.endsWith("/Video_2016_03_14_09_05_03.mp4'"));
}

// Only the words a shell would change are quoted; the rest reads as typed.
TEST(RigaComando, OnlyWordsThatNeedItAreQuoted) {
    struct Caso {
        const char* parola;
        const char* quotata;
    } casi[] = {
        {"libx264", "libx264"},
        {"-x265-params", "-x265-params"},
        {"setsar=1/1,format=yuv420p", "setsar=1/1,format=yuv420p"},
        {"partb8x8+partp4x4", "partb8x8+partp4x4"},
        {"Frames/Image_%04d.jpg", "Frames/Image_%04d.jpg"},
        {"0:0", "0:0"},
        {"", "''"},
        {"/a b/Video", "'/a b/Video'"},
        {"it's", "'it'\\''s'"},
        {"$HOME", "'$HOME'"},
        {"~/x", "'~/x'"},
        {"a*", "'a*'"},
        {"x;y", "'x;y'"},
        {"caff\u00e8", "'caff\u00e8'"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(QuotaShell(QString::fromUtf8(c.parola)), QString::fromUtf8(c.quotata)) << c.parola;
    // A program named with "=" would otherwise be taken for an assignment.
    EXPECT_EQ(QuotaShell(QStringList{"A=b/ffmpeg", "crf=1"}), "'A=b/ffmpeg' crf=1");
}
