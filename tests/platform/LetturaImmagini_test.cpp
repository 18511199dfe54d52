#include "platform/LetturaImmagini.h"

#include "platform/DispositivoLimitato.h"

#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "common/PermessiOrdinari.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QBuffer>

#include <functional>

#include <QElapsedTimer>

#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <thread>
#include <vector>

#include <jpeglib.h>

namespace {

QByteArray Salvata(const QImage& immagine, const char* formato) {
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, formato);
    return dati;
}

struct Bomba {
    const char* nome;
    QByteArray dati;
    RifiutoImmagine rifiuto;
    QSize dichiarata;
};

// Every hostile file a reader may meet, each refused before its pixels are made.
std::vector<Bomba> Bombe() {
    return {
        {"enorme.jpg", bombe::JpegVuoto(65500, 65500, 3, false, 1), RifiutoImmagine::TroppiPixel, {65500, 65500}},
        {"scansioni_5600.jpg", bombe::JpegVuoto(5600, 5600, 3, true, 10000), RifiutoImmagine::TroppeScansioni,
         {5600, 5600}},
        {"scansioni_8000.jpg", bombe::JpegVuoto(8000, 8000, 1, true, 10000), RifiutoImmagine::TroppeScansioni,
         {8000, 8000}},
        // Few scans for a small picture, but each a pass over a million blocks: seconds of work.
        {"passate_8000.jpg", bombe::JpegVuoto(8000, 8000, 1, true, LimiteScansioniJpeg),
         RifiutoImmagine::TroppeScansioni, {8000, 8000}},
        // Fits the pixel limit, but its coefficients for three full channels would not.
        {"coefficienti.jpg", bombe::JpegVuoto(8000, 8000, 3, true, 4), RifiutoImmagine::TroppaMemoria, {8000, 8000}},
        // An APP1 of length 0 first: libjpeg counts the scans it reads on into.
        {"app1_nullo.jpg", bombe::JpegApp1Nullo(8000, 8000, 10000), RifiutoImmagine::TroppeScansioni, {8000, 8000}},
        {"enorme.png", bombe::PngDichiarato(65500, 65500), RifiutoImmagine::TroppoGrande, {65500, 65500}},
        // A picture in disguise is read for what it is.
        {"jpeg_travestito.png", bombe::JpegVuoto(65500, 65500, 1, false, 1), RifiutoImmagine::TroppiPixel,
         {65500, 65500}},
        {"enorme.bmp", bombe::BmpDichiarato(16000, 16000), RifiutoImmagine::TroppoGrande, {16000, 16000}},
    };
}

TEST(LetturaImmagini, EveryBombIsRefusedWithItsReasonWholeOrReduced) {
    // Each of them takes milliseconds: the benchmark prints how many.
    CasaTemporanea casa;
    for (const Bomba& b : Bombe()) {
        const QString percorso = casa.Sotto(b.nome);
        ASSERT_TRUE(bombe::Scrivi(percorso, b.dati));
        for (const QSize copertura : {QSize(), QSize(160, 90)}) {
            SCOPED_TRACE(std::string(b.nome) + (copertura.isValid() ? " reduced" : " whole"));
            OpzioniLettura opzioni;
            opzioni.Copertura = copertura;
            const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
            EXPECT_FALSE(letta.Letta());
            EXPECT_TRUE(letta.Immagine.isNull());
            EXPECT_EQ(letta.Rifiuto, b.rifiuto);
            EXPECT_EQ(letta.Dichiarata, b.dichiarata);
        }
    }
}

// The empty bombs themselves are sound JPEGs: below the limits they decode, grey.
TEST(LetturaImmagini, TheSameFilesBelowTheLimitsAreRead) {
    CasaTemporanea casa;
    const struct {
        const char* nome;
        QByteArray dati;
        QSize copertura;
        QSize attesa;
    } casi[] = {
        {"piccolo.jpg", bombe::JpegVuoto(640, 480, 3, false, 1), {}, {640, 480}},
        {"ridotto.jpg", bombe::JpegVuoto(640, 480, 3, false, 1), {160, 90}, {160, 120}},
        {"progressivo.jpg", bombe::JpegVuoto(640, 480, 1, true, LimiteScansioniJpeg), {}, {640, 480}},
        {"poche.png", bombe::Png(30, 20), {160, 90}, {30, 20}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        ASSERT_TRUE(bombe::Scrivi(percorso, c.dati));
        OpzioniLettura opzioni;
        opzioni.Copertura = c.copertura;
        const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
        ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Immagine.size(), c.attesa);
        EXPECT_FALSE(letta.Immagine.isNull());
    }
}

// The scans a picture may hold shrink as its blocks grow past what 100 passes allow.
TEST(LetturaImmagini, TheLargestPicturesMayHoldFewerScans) {
    const struct {
        int w, h, ammesse;
    } casi[] = {
        {16, 16, 100}, {1920, 1080, 100}, {3872, 3872, 100}, {4000, 4000, 96}, {5600, 5600, 48}, {8000, 8000, 24},
    };
    for (const auto& c : casi) EXPECT_EQ(ScansioniAmmesseJpeg(c.w, c.h), c.ammesse) << c.w;
}

// Decoding stops at the time limit. The picture takes hundreds of times the limit given.
TEST(LetturaImmagini, ADecodingPastTheTimeLimitIsRefused) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("lento.jpg");
    ASSERT_TRUE(bombe::Scrivi(percorso, bombe::JpegVuoto(8000, 8000, 1, true, ScansioniAmmesseJpeg(8000, 8000))));
    OpzioniLettura opzioni;
    opzioni.MillisecondiMassimi = 1;
    const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
    EXPECT_EQ(letta.Rifiuto, RifiutoImmagine::TroppoLenta);
    EXPECT_TRUE(letta.Immagine.isNull());
}

TEST(LetturaImmagini, WhatIsNotAReadablePictureFileSaysWhy) {
    CasaTemporanea casa;
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("testo.png"), "not a picture at all"));
    const QByteArray png = bombe::Png(64, 48);
    // Cut inside its header: nothing to draw.
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("troncato.png"), png.left(30)));
    QDir(casa.Percorso()).mkdir(QStringLiteral("cartella.png"));
    const struct {
        QString percorso;
        RifiutoImmagine rifiuto;
    } casi[] = {
        {QString(), RifiutoImmagine::Mancante},
        {casa.Sotto("manca.png"), RifiutoImmagine::Mancante},
        {casa.Sotto("cartella.png"), RifiutoImmagine::NonUnFile},
        {QStringLiteral("/dev/zero"), RifiutoImmagine::NonUnFile},
        {casa.Sotto("testo.png"), RifiutoImmagine::FormatoSconosciuto},
        {casa.Sotto("troncato.png"), RifiutoImmagine::Illeggibile},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.percorso.toStdString());
        const ImmagineLetta letta = LeggiImmagine(c.percorso);
        EXPECT_EQ(letta.Rifiuto, c.rifiuto);
        EXPECT_TRUE(letta.Immagine.isNull());
        if (c.rifiuto == RifiutoImmagine::Illeggibile) {
            EXPECT_FALSE(letta.Dettaglio.isEmpty());
        }
    }
    // Read on this thread, so root too meets the permission.
    const QString chiuso = casa.Sotto("chiuso.png");
    ASSERT_TRUE(bombe::Scrivi(chiuso, png));
    ASSERT_TRUE(QFile::setPermissions(chiuso, QFileDevice::WriteOwner));
    const PermessiOrdinari ordinari;
    if (!ordinari.Motivo().isEmpty()) GTEST_SKIP() << ordinari.Motivo().toStdString();
    const ImmagineLetta letta = LeggiImmagine(chiuso);
    EXPECT_EQ(letta.Rifiuto, RifiutoImmagine::NonApribile);
    EXPECT_FALSE(letta.Dettaglio.isEmpty());
}

// A picture kept inside another file (a style's preview) meets the same size limit.
TEST(LetturaImmagini, APictureInMemoryIsCheckedLikeAFile) {
    EXPECT_EQ(LeggiImmagine(bombe::BmpDichiarato(16000, 16000), "BMP").Rifiuto, RifiutoImmagine::TroppoGrande);
    QImage piccola(12, 7, QImage::Format_RGB32);
    piccola.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(piccola.save(&buffer, "BMP"));
    const ImmagineLetta letta = LeggiImmagine(bmp, "BMP");
    ASSERT_TRUE(letta.Letta());
    EXPECT_EQ(letta.Immagine.pixel(5, 5), qRgb(255, 0, 0));
}

// libjpeg's CMYK, stored inverted as Adobe writes it.
bool ScriviCmyk(const QString& percorso, int w, int h, const uchar cmyk[4]) {
    return bombe::ScriviJpegDaRighe(percorso, w, h, 4, JCS_CMYK, 100, [w, cmyk](int, uchar* riga) {
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 4; ++k) riga[size_t(x) * 4 + size_t(k)] = cmyk[k];
    });
}

TEST(LetturaImmagini, ACmykJpegComesAsRgb) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("cmyk.jpg");
    // Inverted: 255 is no ink. No cyan ink, full magenta and yellow, no black: red.
    const uchar rosso[4] = {255, 0, 0, 255};
    ASSERT_TRUE(ScriviCmyk(percorso, 16, 16, rosso));
    const ImmagineLetta letta = LeggiImmagine(percorso);
    ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
    const QColor c = letta.Immagine.pixelColor(8, 8);
    EXPECT_GT(c.red(), 240);
    EXPECT_LT(c.green(), 15);
    EXPECT_LT(c.blue(), 15);
}

// A camera's orientation tag turns the picture, so a photo taken upright is drawn upright,
// unless the caller asks for the pixels as stored; a size to cover is the upright one.
TEST(LetturaImmagini, TheOrientationTagIsFollowedUnlessAskedNotTo) {
    CasaTemporanea casa;
    QImage larga(40, 20, QImage::Format_RGB32);
    larga.fill(Qt::white);
    QByteArray jpeg;
    ASSERT_TRUE(CodificaJpeg(larga, jpeg));
    // An EXIF block of one entry, orientation 6: turned a quarter clockwise.
    const char exif[] = "\xFF\xE1\x00\x22" "Exif\0\0" "II*\0\x08\0\0\0" "\x01\0"
                        "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0" "\0\0\0\0";
    jpeg.insert(2, QByteArray(exif, sizeof exif - 1));
    const QString percorso = casa.Sotto("girata.jpg");
    ASSERT_TRUE(bombe::Scrivi(percorso, jpeg));
    EXPECT_EQ(LeggiImmagine(percorso).Immagine.size(), QSize(20, 40));
    EXPECT_EQ(LeggiImmagine(percorso).Propria, QSize(20, 40));
    OpzioniLettura opzioni;
    opzioni.Orienta = false;
    EXPECT_EQ(LeggiImmagine(percorso, opzioni).Immagine.size(), QSize(40, 20));
    // Upright 20 x 40: covering 10 x 20 allows half, not the quarter a stored 40 x 20 would.
    OpzioniLettura ridotta;
    ridotta.Copertura = QSize(10, 20);
    EXPECT_EQ(LeggiImmagine(percorso, ridotta).Immagine.size(), QSize(10, 20));
}

// A header that never ends, or a file of gigabytes behind a few bytes of picture: refused by its
// bytes, without being read to its end.
TEST(LetturaImmagini, AFileFarLargerThanItsPictureIsRefusedByItsBytes) {
    CasaTemporanea casa;
    const QByteArray jpeg = bombe::JpegSfumato(64, 64);
    ASSERT_TRUE(bombe::ScriviTestataSparsa(casa.Sotto("zeri_2g.jpg"), qint64(2) << 30));
    ASSERT_TRUE(bombe::ScriviTestataSparsa(casa.Sotto("zeri_100m.jpg"), qint64(100) << 20));
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("commenti.jpg"), bombe::JpegCommentato(jpeg, MargineByteImmagine + 65536)));
    // A sound picture with a tail of its own (a phone's clip) far beyond its size.
    QByteArray coda = jpeg;
    coda.append(QByteArray(int(ByteAmmessiImmagine(64, 64) - jpeg.size() + 1), 'v'));
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("coda.jpg"), coda));
    // The same bound for every format.
    for (const char* formato : {"png", "bmp"}) {
        QByteArray altra = Salvata(bombe::Sfumata(64, 64), formato);
        altra.append(QByteArray(int(ByteAmmessiImmagine(64, 64) - altra.size() + 1), 'v'));
        ASSERT_TRUE(bombe::Scrivi(casa.Sotto(QStringLiteral("coda.%1").arg(formato)), altra));
    }
    const struct {
        const char* nome;
        QSize dichiarata;
    } casi[] = {{"zeri_2g.jpg", {}}, {"zeri_100m.jpg", {}}, {"commenti.jpg", {}}, {"coda.jpg", {64, 64}},
                {"coda.png", {64, 64}}, {"coda.bmp", {64, 64}}};
    for (const auto& c : casi) {
        for (const QSize copertura : {QSize(), QSize(160, 90)}) {
            SCOPED_TRACE(std::string(c.nome) + (copertura.isValid() ? " reduced" : " whole"));
            OpzioniLettura opzioni;
            opzioni.Copertura = copertura;
            const ImmagineLetta letta = LeggiImmagine(casa.Sotto(c.nome), opzioni);
            EXPECT_EQ(letta.Rifiuto, RifiutoImmagine::TroppiByte) << letta.Dettaglio.toStdString();
            EXPECT_EQ(letta.Dichiarata, c.dichiarata);
            EXPECT_TRUE(letta.Immagine.isNull());
        }
    }
    // The same picture with metadata of a camera's size and a tail within the bound is read.
    coda.chop(2);
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("coda_ammessa.jpg"), coda));
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("exif.jpg"), bombe::JpegCommentato(jpeg, 4 << 20)));
    for (const char* nome : {"coda_ammessa.jpg", "exif.jpg"}) {
        const ImmagineLetta letta = LeggiImmagine(casa.Sotto(nome));
        EXPECT_TRUE(letta.Letta()) << nome << ": " << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Immagine.size(), QSize(64, 64)) << nome;
    }
}

// Busy threads, bounded and stopped at the end, that take the processors from the reader.
class CaricoConcorrente {
public:
    CaricoConcorrente() {
        const int quanti = std::clamp(int(std::thread::hardware_concurrency()), 2, 8);
        for (int i = 0; i < quanti; ++i)
            fili_.emplace_back([this] {
                volatile double x = 1;
                while (!basta_.load(std::memory_order_relaxed)) x = x * 1.0000001 + 1e-9;
            });
    }
    ~CaricoConcorrente() {
        basta_ = true;
        for (std::thread& t : fili_) t.join();
    }

private:
    std::atomic<bool> basta_{false};
    std::vector<std::thread> fili_;
};

// What phones and cameras make passes under load: a 48-megapixel JPEG (a gradient, so its
// blocks are not all alike) and 137 MB of pixels as PNG and BMP, past Qt's own 128 MB.
TEST(LetturaImmagini, SoundLargePhotosAreReadUnderACompetingLoad) {
    CasaTemporanea casa;
    {
        ASSERT_TRUE(bombe::Scrivi(casa.Sotto("foto48.jpg"), bombe::JpegSfumato(8000, 6000, 92)));
        QImage grande(6000, 6000, QImage::Format_ARGB32);
        grande.fill(qRgba(200, 120, 40, 255));
        ASSERT_TRUE(grande.save(casa.Sotto("grande.png"), "PNG"));
        ASSERT_TRUE(grande.convertToFormat(QImage::Format_RGB888).save(casa.Sotto("grande.bmp"), "BMP"));
    }
    const CaricoConcorrente carico;
    const struct {
        const char* nome;
        QSize copertura;
        QSize attesa;
    } casi[] = {
        {"foto48.jpg", {}, {8000, 6000}},
        {"foto48.jpg", {160, 90}, {1000, 750}},
        {"grande.png", {}, {6000, 6000}},
        {"grande.bmp", {}, {6000, 6000}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        OpzioniLettura opzioni;
        opzioni.Copertura = c.copertura;
        const ImmagineLetta letta = LeggiImmagine(casa.Sotto(c.nome), opzioni);
        ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Immagine.size(), c.attesa);
        EXPECT_FALSE(letta.Troncata);
    }
}

// libjpeg fills a cut picture with grey, Qt a cut BMP with black: read, but said.
TEST(LetturaImmagini, APictureCutShortIsReadAndSaysSo) {
    CasaTemporanea casa;
    const QImage img = bombe::Sfumata(64, 48);
    const QByteArray jpeg = bombe::JpegSfumato(64, 48);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(img.save(&buffer, "BMP"));
    QByteArray png;
    QBuffer bufferPng(&png);
    bufferPng.open(QIODevice::WriteOnly);
    ASSERT_TRUE(img.save(&bufferPng, "PNG"));
    const struct {
        const char* nome;
        QByteArray dati;
        bool troncata;
    } casi[] = {
        {"intera.png", png, false},
        {"tagliata.png", png.left(png.size() * 2 / 3), true},

        {"intera.jpg", jpeg, false},
        {"tagliata.jpg", jpeg.left(jpeg.size() * 2 / 3), true},
        {"senza_fine.jpg", jpeg.chopped(2), true},
        {"intera.bmp", bmp, false},
        {"tagliata.bmp", bmp.left(bmp.size() - 500), true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ASSERT_TRUE(bombe::Scrivi(casa.Sotto(c.nome), c.dati));
        const ImmagineLetta letta = LeggiImmagine(casa.Sotto(c.nome));
        ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Immagine.size(), QSize(64, 48));
        EXPECT_EQ(letta.Troncata, c.troncata);
    }
}

// The orientation tag read from the saved APP1 segment, in either byte order.
TEST(LetturaImmagini, TheExifOrientationIsReadFromEitherByteOrder) {
    const auto exif = [](bool intel, int tag, int tipo, int valore, int voci = 1) {
        QByteArray b("Exif\0\0", 6);
        const auto p16 = [&](int v) {
            if (intel) b.append(char(v & 0xFF)).append(char(v >> 8));
            else b.append(char(v >> 8)).append(char(v & 0xFF));
        };
        const auto p32 = [&](int v) {
            if (intel) { p16(v & 0xFFFF); p16(v >> 16); } else { p16(v >> 16); p16(v & 0xFFFF); }
        };
        b.append(intel ? "II" : "MM");
        p16(42);
        p32(8);
        p16(voci);
        p16(tag);
        p16(tipo);
        p32(1);
        p16(valore);
        p16(0);
        return b;
    };
    const struct {
        const char* nome;
        QByteArray dati;
        int attesa;
    } casi[] = {
        {"intel 6", exif(true, 0x0112, 3, 6), 6},
        {"motorola 8", exif(false, 0x0112, 3, 8), 8},
        {"another tag", exif(true, 0x0110, 3, 6), 1},
        {"not a SHORT", exif(true, 0x0112, 4, 6), 1},
        {"out of range", exif(true, 0x0112, 3, 9), 1},
        {"more entries than bytes", exif(true, 0x0110, 3, 6, 900), 1},
        {"cut", exif(true, 0x0112, 3, 6).left(18), 1},
        {"not EXIF", QByteArray("http://ns.adobe.com/xap/1.0/"), 1},
    };
    for (const auto& c : casi)
        EXPECT_EQ(OrientamentoExif(reinterpret_cast<const uchar*>(c.dati.constData()), c.dati.size()), c.attesa)
            << c.nome;
}

// The budget follows the declared size, with a floor; so does the bound on the bytes.
TEST(LetturaImmagini, TheTimeAndByteBudgetsFollowTheDeclaredSize) {
    const struct {
        int w, h, ms;
        qint64 byte;
    } casi[] = {
        {0, 0, MillisecondiMinimiImmagine, MargineByteImmagine},
        {64, 64, MillisecondiMinimiImmagine, MargineByteImmagine + 64 * 64 * ByteAlPixelImmagine},
        {8000, 6000, 48 * MillisecondiPerMegapixelImmagine, MargineByteImmagine + qint64(48000000) * ByteAlPixelImmagine},
        {10000, 10000, 100 * MillisecondiPerMegapixelImmagine, MargineByteImmagine + qint64(100000000) * ByteAlPixelImmagine},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(MillisecondiAmmessiImmagine(c.w, c.h), c.ms) << c.w;
        EXPECT_EQ(ByteAmmessiImmagine(c.w, c.h), c.byte) << c.w;
    }
}

}  // namespace

namespace {

qint64 MillisecondiProcessore(const std::function<void()>& lavoro) {
    const qint64 inizio = TempoProcessoreNs();
    lavoro();
    return (TempoProcessoreNs() - inizio) / 1000000;
}

// A 64 x 64 PNG whose compressed data goes on for 20 MB, about 20 GB inflated: its rows are all
// there is to draw, and nothing after them is inflated.
// The same PNG inside an icon: Qt would inflate it in memory, out of reach of any check.
TEST(LetturaImmagini, APngThatInflatesPastItsRowsIsReadWithoutItsExcess) {
    CasaTemporanea casa;
    const QByteArray gonfiato = bombe::PngGonfiato(64, 64, 20 << 20);
    for (const auto& [nome, dati] : {std::pair("gonfiato.png", gonfiato), std::pair("gonfiato.ico", bombe::IconaDiPng(gonfiato))})
    for (const QSize copertura : {QSize(), QSize(160, 90)}) {
        SCOPED_TRACE(nome);
        const QString percorso = casa.Sotto(nome);
        ASSERT_TRUE(bombe::Scrivi(percorso, dati));
        OpzioniLettura opzioni;
        opzioni.Copertura = copertura;
        ImmagineLetta letta;
        // Inflating it all takes minutes: a second of this thread's processor is far more than enough.
        EXPECT_LT(MillisecondiProcessore([&] { letta = LeggiImmagine(percorso, opzioni); }), 1000);
        ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Immagine.size(), QSize(64, 64));
        EXPECT_EQ(letta.Immagine.pixel(10, 20), qRgba(40, 80, 90, 255));
        EXPECT_FALSE(letta.Troncata);
    }
}

// Every format is held to the budget of its declared size, checked as it reads: not only JPEG.
TEST(LetturaImmagini, EveryFormatIsHeldToTheTimeBudgetOfItsSize) {
    CasaTemporanea casa;
    const QImage grande = bombe::Sfumata(3300, 3300);
    const struct {
        const char* nome;
        QByteArray dati;
    } casi[] = {
        {"grande.png", Salvata(grande, "PNG")},
        {"grande.bmp", Salvata(grande.convertToFormat(QImage::Format_RGB888), "BMP")},
        {"grande.ppm", Salvata(grande, "PPM")},
        {"grande.jpg", bombe::JpegSfumato(3300, 3300)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        ASSERT_TRUE(bombe::Scrivi(percorso, c.dati));
        // Past its floor: 0.2 s a megapixel of what it declares.
        const ImmagineLetta letta = LeggiImmagine(percorso);
        ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Millisecondi, MillisecondiAmmessiImmagine(3300, 3300));
        EXPECT_GT(letta.Millisecondi, MillisecondiMinimiImmagine);
        // A budget far below what its pixels take stops it while it reads.
        OpzioniLettura stretta;
        stretta.MillisecondiMassimi = 1;
        const ImmagineLetta fermata = LeggiImmagine(percorso, stretta);
        EXPECT_EQ(fermata.Rifiuto, RifiutoImmagine::TroppoLenta);
        EXPECT_TRUE(fermata.Immagine.isNull());
    }
}

// What phones shoot: 108 megapixels, past what the memory limit holds whole, decoded at half
// its size for a picture drawn at its own, and smaller still for one drawn into a frame.
TEST(LetturaImmagini, APhonesPhotoIsDecodedSmallerUnderACompetingLoad) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("foto108.jpg");
    ASSERT_TRUE(bombe::ScriviJpegARighe(percorso, 12000, 9000));
    const CaricoConcorrente carico;
    const struct {
        QSize copertura;
        QSize attesa;
        int riduzione;
    } casi[] = {
        {{}, {6000, 4500}, 2},
        {{1920, 1080}, {3000, 2250}, 4},
        {{160, 90}, {1500, 1125}, 8},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.riduzione);
        OpzioniLettura opzioni;
        opzioni.Copertura = c.copertura;
        const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
        ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
        EXPECT_EQ(letta.Immagine.size(), c.attesa);
        EXPECT_EQ(letta.Riduzione, c.riduzione);
        EXPECT_EQ(letta.Propria, QSize(12000, 9000));
    }
    // Past what a phone shoots, the declared size alone refuses it.
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("oltre.jpg"), bombe::JpegVuoto(16384, 16384, 3, false, 1)));
    const ImmagineLetta oltre = LeggiImmagine(casa.Sotto("oltre.jpg"));
    EXPECT_EQ(oltre.Rifiuto, RifiutoImmagine::TroppiPixel);
}

// A 16-bit interlaced PNG with transparency comes as 8-bit ARGB, pass by pass, whole.
TEST(LetturaImmagini, ASixteenBitInterlacedPngIsRead) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("sedici.png");
    ASSERT_TRUE(bombe::ScriviPngARighe(percorso, 300, 200, true, true, [](int y, uchar* rgba) {
        for (int x = 0; x < 300; ++x) {
            rgba[x * 4] = uchar(x / 2);
            rgba[x * 4 + 1] = uchar(y);
            rgba[x * 4 + 2] = 7;
            rgba[x * 4 + 3] = x < 150 ? 255 : 0;
        }
    }));
    const ImmagineLetta letta = LeggiImmagine(percorso);
    ASSERT_TRUE(letta.Letta()) << letta.Dettaglio.toStdString();
    EXPECT_EQ(letta.Immagine.size(), QSize(300, 200));
    EXPECT_EQ(letta.Immagine.pixel(101, 33), qRgba(50, 33, 7, 255));
    EXPECT_EQ(qAlpha(letta.Immagine.pixel(200, 33)), 0);
}

// When the session ends every read stops, in every format, and reads go on once it is resumed.
TEST(LetturaImmagini, ReadsStopWhileTheSessionEnds) {
    CasaTemporanea casa;
    const QImage img = bombe::Sfumata(64, 48);
    const struct {
        const char* nome;
        QByteArray dati;
    } casi[] = {
        {"a.png", Salvata(img, "PNG")},
        {"a.bmp", Salvata(img, "BMP")},
        {"a.jpg", bombe::JpegSfumato(64, 48)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        ASSERT_TRUE(bombe::Scrivi(percorso, c.dati));
        InterrompiLettureImmagini();
        EXPECT_EQ(LeggiImmagine(percorso).Rifiuto, RifiutoImmagine::Interrotta);
        // Below the reader's own check at the start: at the first read.
        const FileRegolare file = FileRegolare::Apri(percorso);
        if (std::string(c.nome) == "a.jpg") {
            EXPECT_EQ(LeggiJpegDa(file.Descrittore(), file.Dimensione()).Errore, ErroreJpeg::Interrotta);
        } else {
            const Scadenza scadenza;
            DispositivoLimitato dispositivo(file.Descrittore(), file.Dimensione(), scadenza);
            char byte = 0;
            EXPECT_EQ(dispositivo.read(&byte, 1), -1);
            EXPECT_EQ(dispositivo.Fermato(), DispositivoLimitato::Fermata::Interrotta);
        }
        RiprendiLettureImmagini();
        EXPECT_TRUE(LeggiImmagine(percorso).Letta());
    }
}

}  // namespace
