// The codec help texts: both languages complete, and what the lossless ones promise is what
// Debian's ffmpeg gives on a few small frames with fine colour detail.
#include "dialogs/TestiSceltaCodec.h"

#include "common/CasaTemporanea.h"
#include "encoding/RigaComando.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace {

const AiutoCodec TuttiGliAiuti[] = {
    AiutoCodec::ProresCodec,  AiutoCodec::ProresProfili,   AiutoCodec::ProresQualita, AiutoCodec::Mp4Codec,
    AiutoCodec::Mp4Profili,   AiutoCodec::Mp4Qualita,      AiutoCodec::HuffYUVCodec,  AiutoCodec::HuffYUVVariante,
    AiutoCodec::H264Codec,    AiutoCodec::X264Codec,       AiutoCodec::X265Codec,     AiutoCodec::X265Qualita,
    AiutoCodec::X265Lossless, AiutoCodec::Preset,          AiutoCodec::Crf,           AiutoCodec::X264Lossless,
    AiutoCodec::X264Tune,
};

constexpr int kFrame = 3;

// Frames 1..3, 64x48: a one-pixel red/blue check on the left (colour detail that 4:2:0 halves),
// a moving grey ramp on the right.
void ScriviFrameColorati(const QString& cartellaVideo, bool jpg) {
    QDir().mkpath(cartellaVideo + QStringLiteral("/Frames"));
    for (int i = 1; i <= kFrame; ++i) {
        QImage img(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int v = (x * 4 + y * 2 + i * 17) & 0xFF;
                img.setPixel(x, y, x < 32 ? ((x + y + i) % 2 ? qRgb(230, 20, 30) : qRgb(20, 40, 220)) : qRgb(v, v, v));
            }
        const QString nome = QStringLiteral("%1/Frames/Image_%2.%3")
                                 .arg(cartellaVideo)
                                 .arg(i, 4, 10, QLatin1Char('0'))
                                 .arg(jpg ? "jpg" : "bmp");
        ASSERT_TRUE(img.save(nome, jpg ? "JPG" : "BMP", 90));
    }
}

QString Esegui(const QString& programma, const QStringList& argomenti, QString* errori = nullptr) {
    QProcess p;
    p.start(programma, argomenti);
    EXPECT_TRUE(p.waitForFinished(60000)) << programma.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << QString::fromUtf8(p.readAllStandardError()).toStdString();
    if (errori) *errori = QString::fromUtf8(p.readAllStandardError());
    return QString::fromLatin1(p.readAllStandardOutput());
}

// The frame hashes of the video and of the source frames (the filter applied to them first),
// both in one pixel format, from one run of ffmpeg.
std::pair<QStringList, QStringList> Impronte(const QString& video, const QStringList& sorgente,
                                             const QString& filtro, const char* formato) {
    QStringList argomenti = QStringList{"-v", "error", "-nostdin", "-i", video} + sorgente;
    argomenti << "-map" << "0:v" << "-map" << "1:v";
    if (!filtro.isEmpty()) argomenti << "-filter:v:1" << filtro;
    argomenti << "-pix_fmt" << formato << "-f" << "framemd5" << "-";
    std::pair<QStringList, QStringList> impronte;
    for (const QString& riga : Esegui("ffmpeg", argomenti).split('\n', Qt::SkipEmptyParts)) {
        if (riga.startsWith('#')) continue;
        (riga.section(',', 0, 0).trimmed() == "0" ? impronte.first : impronte.second) << riga.section(',', -1).trimmed();
    }
    return impronte;
}

// The lowest PSNR of the R, G and B planes of the video against the frames (infinite when equal).
double PsnrRgb(const QString& video, const QStringList& frame) {
    QString errori;
    Esegui("ffmpeg", QStringList{"-nostdin", "-i", video} + frame +
                         QStringList{"-lavfi", "[0:v]format=gbrp[a];[1:v]format=gbrp[b];[a][b]psnr", "-f", "null", "-"},
           &errori);
    const QRegularExpression re(QStringLiteral("PSNR r:(\\S+) g:(\\S+) b:(\\S+)"));
    const QRegularExpressionMatch m = re.match(errori);
    EXPECT_TRUE(m.hasMatch()) << errori.toStdString();
    double minimo = std::numeric_limits<double>::infinity();
    for (int i = 1; i <= 3; ++i)
        if (m.captured(i) != QLatin1String("inf")) minimo = std::min(minimo, m.captured(i).toDouble());
    return minimo;
}

}  // namespace

// Italian and English are both whole, and differ: neither table borrows the other's text.
TEST(TestiSceltaCodec, EveryHelpTextHasItsItalianAndItsEnglish) {
    for (AiutoCodec a : TuttiGliAiuti) {
        const QString it = TestoAiuto(a, 0), en = TestoAiuto(a, 1);
        EXPECT_FALSE(it.isEmpty());
        EXPECT_FALSE(en.isEmpty());
        EXPECT_NE(it, en) << en.toStdString();
        EXPECT_EQ(TestoAiuto(a), en);
        for (int lingua : {2, 3, 4, -1, 7}) EXPECT_EQ(TestoAiuto(a, lingua), en) << lingua;
    }
}

// What the lossless helps promise, in both languages: x265 keeps 4:2:0 and points to the two
// that keep colour; x264 names its rounding; HuffYUV is the exact one for BMP frames.
TEST(TestiSceltaCodec, TheLosslessHelpsSayWhatEachKeeps) {
    const struct {
        AiutoCodec aiuto;
        int lingua;
        std::vector<const char*> dice;
        const char* nonDice;
    } casi[] = {
        {AiutoCodec::X265Lossless, 1, {"4:2:0", "halves the colour detail", "x264 LossLess or HuffYUV"},
         "keeps every frame exactly"},
        {AiutoCodec::X265Lossless, 0, {"4:2:0", "dimezza il dettaglio del colore", "x264 LossLess o HuffYUV"},
         "ogni frame esattamente"},
        {AiutoCodec::X264Lossless, 1, {"4:4:4", "rounding of the RGB-to-YUV", "53 dB", "HuffYUV"}, "colour too"},
        {AiutoCodec::X264Lossless, 0, {"4:4:4", "arrotondamento della conversione da RGB a YUV", "53 dB", "HuffYUV"},
         "colore compreso"},
        {AiutoCodec::HuffYUVCodec, 1, {"BMP frames are kept exactly", "bit for bit in RGB"}, "every frame is kept"},
        {AiutoCodec::HuffYUVCodec, 0, {"frame BMP sono conservati esattamente", "bit per bit in RGB"}, "ogni frame"},
    };
    for (const auto& c : casi) {
        const QString testo = TestoAiuto(c.aiuto, c.lingua);
        for (const char* parole : c.dice) EXPECT_TRUE(testo.contains(QString::fromUtf8(parole))) << parole;
        EXPECT_FALSE(testo.contains(QString::fromUtf8(c.nonDice))) << testo.toStdString();
    }
}

// Each lossless setting through its real command line: HuffYUV gives back the BMP pixels, x264
// its own 4:4:4 conversion exactly (within rounding of the RGB), x265 the 4:2:0 conversion
// exactly, which loses colour on the check that the others keep.
TEST(TestiSceltaCodec, EachLosslessSettingGivesWhatItsHelpSays) {
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
        GTEST_SKIP() << "ffmpeg is not installed (make installs it)";
    const struct {
        const char* nome;
        ParametriCodec codec;
        bool jpg;
        const char* formatoEsatto;  // the decoded frames equal the source frames in this format
        const char* filtro;         // applied to the source first
        double psnrMinimo, psnrMassimo;  // of the RGB planes against the source frames, when not exact
    } casi[] = {
        {"HuffYUV", {2, false, 0, 0, "", false, false, ""}, false, "bgr24", "", INFINITY, INFINITY},
        {"FFVHuff", {2, true, 0, 0, "", false, false, ""}, false, "bgr24", "", INFINITY, INFINITY},
        {"x264 LossLess", {4, false, 0, 23, "medium", true, false, ""}, false, "yuv444p", "", 45, 70},
        {"x264 LossLess JPEG", {4, false, 0, 23, "medium", true, false, ""}, true, "yuvj420p", "", INFINITY,
         INFINITY},
        {"x265 LossLess", {5, false, 0, 28, "medium", true, false, ""}, false, "yuv420p",
         "setsar=1/1,format=yuv420p", 0, 30},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        const QString cartella = casa.Sotto("Video");
        ScriviFrameColorati(cartella, c.jpg);
        ParametriCodifica frame{cartella, 25, c.jpg, kFrame, QStringLiteral("Frames/Image")};
        const RigaComando riga = CreaRigaComando(frame, c.codec, QDateTime(QDate(2026, 12, 11), QTime(4, 0, 0)));
        QProcess p;
        p.setWorkingDirectory(cartella);
        p.start(riga.Programma, QStringList{"-v", "error", "-nostdin"} + riga.Argomenti);
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << QString::fromUtf8(p.readAllStandardError()).toStdString();

        const QStringList sorgente = {"-framerate", "25", "-i",
                                      cartella + (c.jpg ? "/Frames/Image_%04d.jpg" : "/Frames/Image_%04d.bmp")};
        const auto [video, attese] = Impronte(riga.PercorsoVideo, sorgente, c.filtro, c.formatoEsatto);
        ASSERT_EQ(attese.size(), kFrame);
        EXPECT_EQ(video, attese);
        // Where the hashes are equal in the frames' own format, the picture is exact; else measure.
        if (!std::isinf(c.psnrMinimo)) {
            const double psnr = PsnrRgb(riga.PercorsoVideo, sorgente);
            EXPECT_GE(psnr, c.psnrMinimo);
            EXPECT_LT(psnr, c.psnrMassimo);
        }
    }
}
