#include "platform/Jpeg.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>

#include <malloc.h>

namespace {

TEST(Jpeg, WritesBaselineRgbOfTheImageSize) {
    CasaTemporanea casa;
    QImage img(64, 48, QImage::Format_ARGB32);
    img.fill(QColor(200, 40, 10));
    const QString percorso = casa.Sotto("f.jpg");
    QString errore;
    ASSERT_TRUE(ScriviJpeg(img, percorso, 90, &errore)) << errore.toStdString();
    InfoJpeg info;
    ASSERT_TRUE(LeggiInfoJpeg(percorso, info));
    EXPECT_EQ(info.Larghezza, 64);
    EXPECT_EQ(info.Altezza, 48);
    EXPECT_EQ(info.Componenti, 3);
    EXPECT_FALSE(info.Progressivo);
    const QImage letta = LeggiJpeg(percorso);
    ASSERT_EQ(letta.size(), img.size());
    const QColor c = letta.pixelColor(32, 24);
    EXPECT_NEAR(c.red(), 200, 4);
    EXPECT_NEAR(c.green(), 40, 4);
    EXPECT_NEAR(c.blue(), 10, 4);
}

TEST(Jpeg, ErrorsReturnInsteadOfEndingTheProcess) {
    CasaTemporanea casa;
    QString errore;
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::white);
    EXPECT_FALSE(ScriviJpeg(img, casa.Sotto("gone/f.jpg"), 90, &errore));
    EXPECT_FALSE(errore.isEmpty());

    const QString rotto = casa.Sotto("rotto.jpg");
    QFile f(rotto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE0 not really a jpeg");
    f.close();
    errore.clear();
    EXPECT_TRUE(LeggiJpeg(rotto, &errore).isNull());
    EXPECT_FALSE(errore.isEmpty());
}

// A noisy picture, so its entropy-coded data is long enough to damage in the middle.
QByteArray JpegRumoroso(CasaTemporanea& casa, int larghezza, int altezza) {
    QImage img(larghezza, altezza, QImage::Format_RGB32);
    QRandomGenerator caso(7);
    for (int y = 0; y < altezza; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < larghezza; ++x) riga[x] = caso.generate() | 0xFF000000u;
    }
    const QString percorso = casa.Sotto("rumore.jpg");
    EXPECT_TRUE(ScriviJpeg(img, percorso));
    QFile f(percorso);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// A second frame header half-way through the pixel data: libjpeg decodes the first half,
// then fails in its error exit, after the picture's memory was taken.
QByteArray DannoAMeta(QByteArray jpeg) {
    const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype meta = sos + (jpeg.size() - sos) / 2;
    jpeg.insert(meta, QByteArray("\xFF\xC0\x00\x11\x08\x00\x10\x00\x10\x03\x01\x11\x00\x02\x11\x01\x03\x11\x01", 19));
    return jpeg;
}

QString Scrivi(CasaTemporanea& casa, const char* nome, const QByteArray& dati) {
    const QString percorso = casa.Sotto(nome);
    QFile f(percorso);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dati);
    return percorso;
}

size_t MemoriaInUso() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

TEST(Jpeg, DamagedPictureFailsWithoutKeepingItsMemory) {
    CasaTemporanea casa;
    const QString rotto = Scrivi(casa, "rotto.jpg", DannoAMeta(JpegRumoroso(casa, 4000, 3000)));
    QString errore;
    EXPECT_TRUE(LeggiJpeg(rotto, &errore).isNull());
    EXPECT_FALSE(errore.isEmpty());
    const size_t prima = MemoriaInUso();
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(LeggiJpeg(rotto).isNull());
    // Each leaked picture would be 36 MB.
    EXPECT_LT(MemoriaInUso(), prima + 8 * 1024 * 1024);
}

// The header's height and width of a small JPEG set to what a damaged file may claim.
TEST(Jpeg, HugeDeclaredSizeIsRefusedAtTheHeader) {
    CasaTemporanea casa;
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::gray);
    ASSERT_TRUE(ScriviJpeg(img, casa.Sotto("piccolo.jpg")));
    QFile f(casa.Sotto("piccolo.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray dati = f.readAll();
    const qsizetype sof = dati.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    const unsigned char dimensioni[] = {0xFF, 0xDC, 0xFB, 0xF4};  // 65500 high, 64500 wide
    for (int i = 0; i < 4; ++i) dati[sof + 5 + i] = static_cast<char>(dimensioni[i]);
    const QString grande = Scrivi(casa, "grande.jpg", dati);

    InfoJpeg info;
    ASSERT_TRUE(LeggiInfoJpeg(grande, info));
    EXPECT_EQ(info.Larghezza, 64500);
    EXPECT_EQ(info.Altezza, 65500);
    for (const bool ridotta : {false, true}) {
        QString errore;
        const QImage letta = ridotta ? LeggiJpegRidotta(grande, QSize(48, 28), &errore) : LeggiJpeg(grande, &errore);
        EXPECT_TRUE(letta.isNull());
        EXPECT_TRUE(errore.contains("64500 x 65500")) << errore.toStdString();
    }
}

// A 2048 x 2048 progressive picture whose last scan is repeated 4000 times (89 KB) would keep
// the decoder busy for a long while: libjpeg's own count of the scans it meets stops it.
TEST(Jpeg, ThousandsOfScansAreRefused) {
    const QString corpus = QFileInfo(__FILE__).absolutePath() + "/../fuzz/corpus/Jpeg/";
    const QString scansioni = corpus + "migliaia_di_scansioni.jpg";
    for (const bool ridotta : {false, true}) {
        QString errore;
        const QImage letta = ridotta ? LeggiJpegRidotta(scansioni, QSize(48, 28), &errore) : LeggiJpeg(scansioni, &errore);
        EXPECT_TRUE(letta.isNull());
        EXPECT_TRUE(errore.contains("too many scans")) << errore.toStdString();
    }
    EXPECT_FALSE(LeggiJpeg(corpus + "progressivo.jpg").isNull());
}

TEST(Jpeg, ThumbnailsAreDecodedAtTheSmallestScaleThatCoversTheBox) {
    CasaTemporanea casa;
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(QColor(30, 160, 90));
    const QString percorso = casa.Sotto("foto.jpg");
    ASSERT_TRUE(ScriviJpeg(img, percorso));
    const struct {
        QSize minima;
        QSize attesa;
    } casi[] = {
        {{48, 28}, {100, 75}},
        {{101, 28}, {200, 150}},
        {{48, 151}, {400, 300}},
        {{500, 10}, {800, 600}},
        {{2000, 2000}, {800, 600}},
    };
    for (const auto& c : casi) {
        const QImage letta = LeggiJpegRidotta(percorso, c.minima);
        EXPECT_EQ(letta.size(), c.attesa) << c.minima.width() << "x" << c.minima.height();
        EXPECT_NEAR(letta.pixelColor(letta.width() / 2, letta.height() / 2).green(), 160, 4);
    }
}

}  // namespace
