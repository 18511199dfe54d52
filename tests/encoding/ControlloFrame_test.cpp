#include "encoding/ControlloFrame.h"

#include "AiutoCodifica.h"
#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "platform/Jpeg.h"
#include "project/TestiMessaggi.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

#include <sys/stat.h>

namespace {

ParametriCodifica Frame(const QString& cartella, int numero, bool jpg, int fps = 25) {
    return {cartella, fps, jpg, numero, QStringLiteral("Frames/Image")};
}

ParametriCodec Preset(int variante) {
    ParametriCodec c;
    c.TipoCodec = 6;
    c.VarianteCodec = variante;
    return c;
}

TEST(ControlloFrame, FramePathAsTheEncoderReadsIt) {
    EXPECT_EQ(PercorsoFrame(Frame("/v", 1, true), 7), "/v/Frames/Image_0007.jpg");
    EXPECT_EQ(PercorsoFrame(Frame("/v", 1, false), 12345), "/v/Frames/Image_12345.bmp");
}

TEST(ControlloFrame, FirstMissingOrUnreadableFrameForEitherFormat) {
    for (const bool jpg : {true, false}) {
        SCOPED_TRACE(jpg ? "jpg" : "bmp");
        CasaTemporanea casa;
        const QString cartella = casa.Sotto("Video");
        ScriviFrame(cartella, 6, jpg);
        const ParametriCodifica p = Frame(cartella, 6, jpg);
        EXPECT_FALSE(PrimoFrameDifettoso(p, 1));
        EXPECT_FALSE(PrimoFrameDifettoso(Frame(cartella, 0, jpg), 1));

        // The earliest fault wins: frame 4 unreadable before frame 5 missing.
        QFile::remove(PercorsoFrame(p, 5));
        QFile rotto(PercorsoFrame(p, 4));
        ASSERT_TRUE(rotto.open(QIODevice::WriteOnly | QIODevice::Truncate));
        rotto.write("not a picture at all");
        rotto.close();
        auto difettoso = PrimoFrameDifettoso(p, 1);
        ASSERT_TRUE(difettoso);
        EXPECT_EQ(difettoso->Numero, 4);
        EXPECT_EQ(difettoso->Percorso, PercorsoFrame(p, 4));
        EXPECT_FALSE(difettoso->Motivo.isEmpty());

        ScriviFrame(cartella, 4, jpg);
        difettoso = PrimoFrameDifettoso(p, 1);
        ASSERT_TRUE(difettoso);
        EXPECT_EQ(difettoso->Numero, 5);
        EXPECT_EQ(difettoso->Motivo, "missing");
        // Frames beyond the project's count do not matter.
        EXPECT_FALSE(PrimoFrameDifettoso(Frame(cartella, 4, jpg), 1));
    }
}

// A frame whose header is sound but whose data stops short is found, and said in words.
TEST(ControlloFrame, CutOrDamagedFramesAreNamedWithTheReasonInWords) {
    const struct {
        const char* nome;
        bool jpg;
        std::function<void(QByteArray&)> danneggia;
        const char* motivo;  // English
    } casi[] = {
        {"JPEG cut in half", true, [](QByteArray& b) { b.truncate(b.size() / 2); }, "its JPEG data is cut short"},
        {"JPEG without its end marker", true, [](QByteArray& b) { b.chop(2); }, "its JPEG data is cut short"},
        {"BMP cut in its pixels", false, [](QByteArray& b) { b.truncate(b.size() - 100); },
         "its picture data is cut short: 6812 of 6912 bytes"},
        {"BMP with only its header", false, [](QByteArray& b) { b.truncate(54); },
         "its picture data is cut short: 0 of 6912 bytes"},
        {"BMP with a zeroed header", false, [](QByteArray& b) { b.replace(0, 54, QByteArray(54, '\0')); },
         "it is not a BMP picture: the file does not begin with \"BM\""},
        {"BMP with a zeroed information header", false,
         [](QByteArray& b) { b.replace(14, 40, QByteArray(40, '\0')); }, "its BMP header is damaged"},
        {"BMP cut inside its header", false, [](QByteArray& b) { b.truncate(20); }, "its BMP header is damaged"},
        {"empty BMP", false, [](QByteArray& b) { b.clear(); },
         "it is not a BMP picture: the file does not begin with \"BM\""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        const QString cartella = casa.Sotto("Video");
        ScriviFrame(cartella, 9, c.jpg, 48, 48);
        const ParametriCodifica p = Frame(cartella, 9, c.jpg);
        // Every frame is whole to begin with, also for the full reading.
        ASSERT_FALSE(PrimoFrameDifettoso(p, 1));
        for (const int n : {7, 3}) {
            QFile f(PercorsoFrame(p, n));
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            QByteArray b = f.readAll();
            c.danneggia(b);
            f.resize(0);
            f.write(b);
        }
        const auto difettoso = PrimoFrameDifettoso(p, 1);
        ASSERT_TRUE(difettoso);
        EXPECT_EQ(difettoso->Numero, 3);
        EXPECT_EQ(difettoso->Motivo, c.motivo);
        EXPECT_EQ(DifettoFrame(PercorsoFrame(p, 7), c.jpg, 0), PrimoFrameDifettoso(p, 0)->Motivo);
        EXPECT_NE(PrimoFrameDifettoso(p, 0)->Motivo, c.motivo);  // Italian
    }
}

TEST(ControlloFrame, ACancelledCheckFindsNothing) {
    CasaTemporanea casa;
    const QString cartella = casa.Sotto("Video");
    ScriviFrame(cartella, 2, true);
    const std::atomic<bool> annulla{true};
    EXPECT_FALSE(PrimoFrameDifettoso(Frame(cartella, 5, true), 1, &annulla));
}

TEST(ControlloFrame, ExactCountUnlessAPresetResamples) {
    const ParametriCodifica p = Frame("/v", 30, true, 30);
    for (int tipo = 0; tipo <= 5; ++tipo) {
        ParametriCodec c;
        c.TipoCodec = tipo;
        const FrameAttesi a = FrameAttesiDallEncoder(p, c);
        EXPECT_EQ(a.Minimo, 30);
        EXPECT_EQ(a.Massimo, 30);
    }
    EXPECT_EQ(FrameAttesiDallEncoder(p, Preset(1)).Massimo, 30);  // YouTube keeps the rate
    EXPECT_EQ(FrameAttesiDallEncoder(Frame("/v", 30, true, 25), Preset(2)).Massimo, 30);
    // A gap at frame 15 of 30 leaves 14 frames, 11 or 12 after resampling: never inside the band.
    EXPECT_FALSE(FrameAttesiDallEncoder(p, Preset(2)).Contiene(12));
    EXPECT_FALSE(FrameAttesiDallEncoder(p, Preset(3)).Contiene(12));
}

// What Debian's ffmpeg 5.1 wrote for the Vimeo and Facebook presets ("-r 25") from n frames
// at an input rate f: the band must hold every one of them.
TEST(ControlloFrame, ResamplingBandHoldsWhatFfmpegWrites) {
    const struct {
        int n;
        int fps;
        int scritti;
    } misurati[] = {
        {1, 1, 25}, {1, 2, 12}, {1, 5, 5}, {1, 8, 3}, {1, 10, 2}, {1, 12, 2}, {1, 15, 2}, {1, 20, 1}, {1, 23, 1}, {1, 
        24, 1}, {1, 25, 1}, {1, 26, 1}, {1, 29, 1}, {1, 30, 1}, {1, 48, 1}, {1, 50, 1}, {1, 59, 1}, {1, 60, 1}, {1, 
        100, 1}, {2, 1, 50}, {2, 2, 25}, {2, 5, 10}, {2, 8, 6}, {2, 10, 5}, {2, 12, 4}, {2, 15, 4}, {2, 20, 2}, {2, 
        23, 2}, {2, 24, 2}, {2, 25, 2}, {2, 26, 2}, {2, 29, 2}, {2, 30, 2}, {2, 48, 2}, {2, 50, 2}, {2, 59, 2}, {2, 
        60, 2}, {2, 100, 2}, {3, 1, 75}, {3, 2, 37}, {3, 5, 15}, {3, 8, 9}, {3, 10, 7}, {3, 12, 6}, {3, 15, 5}, {3, 
        20, 4}, {3, 23, 3}, {3, 24, 3}, {3, 25, 3}, {3, 26, 3}, {3, 29, 3}, {3, 30, 3}, {3, 48, 3}, {3, 50, 3}, {3, 
        59, 3}, {3, 60, 3}, {3, 100, 2}, {7, 1, 175}, {7, 2, 87}, {7, 5, 35}, {7, 8, 22}, {7, 10, 17}, {7, 12, 15}, 
        {7, 15, 12}, {7, 20, 9}, {7, 23, 8}, {7, 24, 7}, {7, 25, 7}, {7, 26, 7}, {7, 29, 7}, {7, 30, 7}, {7, 48, 6}, 
        {7, 50, 5}, {7, 59, 5}, {7, 60, 5}, {7, 100, 3}, {13, 1, 325}, {13, 2, 162}, {13, 5, 65}, {13, 8, 41}, {13, 
        10, 32}, {13, 12, 27}, {13, 15, 22}, {13, 20, 16}, {13, 23, 14}, {13, 24, 14}, {13, 25, 13}, {13, 26, 13}, 
        {13, 29, 13}, {13, 30, 13}, {13, 48, 9}, {13, 50, 8}, {13, 59, 7}, {13, 60, 7}, {13, 100, 5}, {30, 1, 750}, 
        {30, 2, 375}, {30, 5, 150}, {30, 8, 94}, {30, 10, 75}, {30, 12, 62}, {30, 15, 50}, {30, 20, 37}, {30, 23, 
        33}, {30, 24, 31}, {30, 25, 30}, {30, 26, 30}, {30, 29, 28}, {30, 30, 27}, {30, 48, 18}, {30, 50, 17}, {30, 
        59, 14}, {30, 60, 14}, {30, 100, 9}, {100, 1, 2500}, {100, 2, 1250}, {100, 5, 500}, {100, 8, 312}, {100, 10, 
        250}, {100, 12, 208}, {100, 15, 167}, {100, 20, 125}, {100, 23, 109}, {100, 24, 104}, {100, 25, 100}, {100, 
        26, 98}, {100, 29, 88}, {100, 30, 85}, {100, 48, 54}, {100, 50, 52}, {100, 59, 44}, {100, 60, 43}, {100, 100, 
        27}, 
    };
    for (const auto& m : misurati) {
        for (const int variante : {2, 3}) {
            const FrameAttesi a = FrameAttesiDallEncoder(Frame("/v", m.n, true, m.fps), Preset(variante));
            EXPECT_TRUE(a.Contiene(m.scritti)) << m.n << " frames at " << m.fps << " gave " << m.scritti << ", band "
                                               << a.Minimo << ".." << a.Massimo;
        }
    }
}

// Frames put in the folder by someone else: a JPEG of thousands of scans and a compressed BMP
// that declares a huge size are told at once, without a pass over their blocks or pixels.
TEST(ControlloFrame, HostileFramesAreToldAtOnce) {
    CasaTemporanea casa;
    QByteArray rle = bombe::BmpDichiarato(16000, 16000);
    rle[28] = 8;  // 8 bits a pixel
    rle[30] = 1;  // run-length coded: decoded, not measured
    const struct {
        const char* nome;
        QByteArray dati;
        bool jpg;
        const char* motivo;
    } casi[] = {
        {"scansioni.jpg", bombe::JpegVuoto(1920, 1080, 3, true, 10000), true, "picture with over 100 scans"},
        {"enorme.bmp", rle, false, "picture too large: 16000 x 16000 pixels (over 256 MB of memory)"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        ASSERT_TRUE(bombe::Scrivi(percorso, c.dati));
        EXPECT_EQ(DifettoFrame(percorso, c.jpg, 1), QString::fromLatin1(c.motivo));
    }
}

// The frame check holds a frame to the reader's own limits: the scans its size allows, its
// bytes and its time; a pipe named like a frame is not waited on.
TEST(ControlloFrame, AFrameMeetsTheReadersOwnLimits) {
    const struct {
        const char* nome;
        std::function<bool(const QString&)> scrivi;
        QString motivo;  // English
    } casi[] = {
        // Under a flat 100, but past the 24 a picture of that size may hold.
        {"30 scans of 8000 x 8000",
         [](const QString& p) { return bombe::Scrivi(p, bombe::JpegVuoto(8000, 8000, 1, true, 30)); },
         TestoMessaggio(VoceMessaggio::TroppeScansioni, 1).arg(ScansioniAmmesseJpeg(8000, 8000))},
        {"a zero-length APP1 before 10000 scans",
         [](const QString& p) { return bombe::Scrivi(p, bombe::JpegApp1Nullo(640, 480, 10000)); },
         TestoMessaggio(VoceMessaggio::TroppeScansioni, 1).arg(LimiteScansioniJpeg)},
        {"a header of zeros, 2 GB", [](const QString& p) { return bombe::ScriviTestataSparsa(p, qint64(2) << 30); },
         TestoMessaggio(VoceMessaggio::FileTroppoGrandePerImmagine, 1)},
        {"a pipe", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
         TestoMessaggio(VoceMessaggio::ImmagineNonFile, 1)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CasaTemporanea casa;
        const QString cartella = casa.Sotto("Video");
        ScriviFrame(cartella, 4, true);
        const ParametriCodifica p = Frame(cartella, 4, true);
        ASSERT_TRUE(QFile::remove(PercorsoFrame(p, 2)));
        ASSERT_TRUE(c.scrivi(PercorsoFrame(p, 2)));
        const auto difettoso = PrimoFrameDifettoso(p, 1);
        ASSERT_TRUE(difettoso);
        EXPECT_EQ(difettoso->Numero, 2);
        EXPECT_EQ(difettoso->Motivo, c.motivo);
    }
}

}  // namespace
