#include "render/ImmaginiIllegibili.h"

#include "AiutoIntro.h"
#include "common/BombeImmagini.h"
#include "common/PermessiOrdinari.h"
#include "render/CacheImmagini.h"
#include "render/CacheSprite.h"
#include "platform/Jpeg.h"
#include "project/TestiMessaggi.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <functional>

#include <cerrno>

namespace {

QByteArray Png(int w = 64, int h = 48) {
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgba(x * 4, y * 5, (x * y) & 255, 200));
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return dati;
}

quint32 Crc32(const char* dati, int n) {
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < n; ++i) {
        crc ^= static_cast<quint8>(dati[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A small PNG whose header, checksum and all, declares another size.
QByteArray PngDichiarato(quint32 w, quint32 h) {
    QByteArray dati = Png(8, 8);
    qToBigEndian<quint32>(w, dati.data() + 16);
    qToBigEndian<quint32>(h, dati.data() + 20);
    qToBigEndian<quint32>(Crc32(dati.constData() + 12, 17), dati.data() + 29);
    return dati;
}

void Scrivi(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dati);
}

TEST(ImmaginiIllegibili, EachKindOfBadFileIsToldOnceWithItsReason) {
    const QByteArray png = Png();
    const struct {
        const char* nome;
        QByteArray dati;
        const char* motivo;  // empty: any reason
    } casi[] = {
        {"testo.png", "not a picture at all", ""},
        {"troncato.png", png.left(30), "PNG"},
        {"enorme.png", PngDichiarato(20000, 20000), "20000 x 20000"},
    };
    CasaTemporanea casa;
    ImmaginiIllegibili illegibili;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        Scrivi(percorso, c.dati);
        EXPECT_TRUE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());
        const QStringList avvisi = illegibili.PrendiAvvisi();
        ASSERT_EQ(avvisi.size(), 1);
        EXPECT_TRUE(avvisi[0].startsWith(MessaggioImmagineIllegibile(percorso, QString()).chopped(2)));
        EXPECT_TRUE(avvisi[0].contains(QLatin1String(c.motivo))) << avvisi[0].toStdString();
        EXPECT_FALSE(avvisi[0].endsWith(QStringLiteral("()")));
        EXPECT_TRUE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());
        EXPECT_TRUE(illegibili.PrendiAvvisi().isEmpty());
    }
}

// A file that is there but cannot be read is told like one that cannot be decoded: a read
// error (a link to /proc/self/mem reads with EIO, for root too), no permission, and a
// progressive JPEG of thousands of scans, refused before it is decoded. The system's reason
// is in the words of the machine's language: the expectation takes it from the error code.
void TroppoPerLeggere(const QString& percorso, const QString& motivo) {
    SCOPED_TRACE(percorso.toStdString());
    CacheImmagini immagini;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(immagini.Carica(percorso).isNull());
    const QStringList avvisi = immagini.PrendiAvvisi();
    ASSERT_EQ(avvisi.size(), 1);
    EXPECT_EQ(avvisi[0], MessaggioImmagineIllegibile(percorso, motivo));
}

TEST(ImmaginiIllegibili, AReadErrorAndEndlessScansAreToldWithTheirReason) {
    CasaTemporanea casa;
    const QString eio = casa.Sotto("eio.png");
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), eio));
    TroppoPerLeggere(eio, qt_error_string(EIO));
    const QString scansioni = casa.Sotto("scansioni.jpg");
    ASSERT_TRUE(QFile::copy(QFileInfo(__FILE__).absolutePath() + "/../fuzz/corpus/Jpeg/migliaia_di_scansioni.jpg",
                            scansioni));
    TroppoPerLeggere(scansioni, TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(LimiteScansioniJpeg));
}

// A picture cut short, whatever its format, is drawn as far as it goes, and told once as drawn
// in part, not as a picture that could not be read.
TEST(ImmaginiIllegibili, APictureCutShortIsDrawnAndToldOnce) {
    CasaTemporanea casa;
    const QByteArray jpeg = bombe::JpegSfumato(64, 48);
    const QByteArray png = Png();
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(bombe::Sfumata(64, 48).save(&buffer, "BMP"));
    const struct {
        const char* nome;
        QByteArray intera;
    } casi[] = {{"tagliata.jpg", jpeg}, {"tagliata.png", png}, {"tagliata.bmp", bmp}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        Scrivi(percorso, c.intera.left(c.intera.size() * 2 / 3));
        CacheImmagini immagini;
        EXPECT_EQ(immagini.Carica(percorso).size(), QSize(64, 48));
        EXPECT_EQ(immagini.PrendiAvvisi(), QStringList{TestoMessaggio(VoceMessaggio::ImmagineInParte).arg(percorso)});
        ImmaginiIllegibili illegibili;
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());
        EXPECT_EQ(illegibili.PrendiAvvisi().size(), 1);
        // Mended, it is quiet again.
        Scrivi(percorso, c.intera);
        EXPECT_FALSE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());
        EXPECT_TRUE(illegibili.PrendiAvvisi().isEmpty());
    }
}

// The pictures are read on the calling thread, so root too meets the permission here.
TEST(ImmaginiIllegibili, AFileWithoutReadPermissionIsToldWithTheReason) {
    CasaTemporanea casa;
    const QString chiuso = casa.Sotto("chiuso.png");
    Scrivi(chiuso, Png());
    ASSERT_TRUE(QFile::setPermissions(chiuso, QFileDevice::WriteOwner));
    const PermessiOrdinari ordinari;
    if (!ordinari.Motivo().isEmpty()) GTEST_SKIP() << ordinari.Motivo().toStdString();
    TroppoPerLeggere(chiuso, qt_error_string(EACCES));
}

// A damaged file of the same size and time is not decoded again; a changed one is.
TEST(ImmaginiIllegibili, FailureIsRememberedUntilTheFileChanges) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("logo.png");
    const QByteArray buono = Png();
    QByteArray rotto = buono;
    for (qsizetype i = 12; i < rotto.size() - 20; ++i) rotto[i] = 0;
    Scrivi(percorso, rotto);
    ImmaginiIllegibili illegibili;
    ASSERT_TRUE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());
    EXPECT_EQ(illegibili.PrendiAvvisi().size(), 1);

    // The good bytes under the same size and time: taken as the file that failed.
    const QDateTime quando = QFileInfo(percorso).lastModified();
    Scrivi(percorso, buono);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(quando, QFileDevice::FileModificationTime));
    f.close();
    EXPECT_TRUE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());

    // A new time: read again, and a later failure is told again.
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(quando.addSecs(5), QFileDevice::FileModificationTime));
    f.close();
    EXPECT_EQ(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.size(), QSize(64, 48));
    Scrivi(percorso, "broken again");
    EXPECT_TRUE(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.isNull());
    EXPECT_EQ(illegibili.PrendiAvvisi().size(), 1);
}

TEST(ImmaginiIllegibili, BothCachesReportTheirOwnFiles) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("rotto.png");
    Scrivi(percorso, Png().left(30));
    CacheImmagini immagini;
    CacheSprite sprite;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(immagini.Carica(percorso).isNull());
        EXPECT_TRUE(immagini.CaricaScalata(percorso, QSize(10, 10)).isNull());
        EXPECT_TRUE(sprite.Ruotata(percorso, 30).isNull());
        EXPECT_TRUE(sprite.Immagine(percorso).isNull());
    }
    EXPECT_EQ(immagini.PrendiAvvisi().size(), 1);
    EXPECT_EQ(sprite.PrendiAvvisi().size(), 1);
}

// Over a 10-frame run a cut-short logo and a cut-short snowflake each reach the user once,
// through the host, and the run still completes.
TEST(ImmaginiIllegibili, ARunTellsTheUserOncePerPicture) {
    BancoIntro b(2);
    Scrivi(b.logo, Png(200, 100).left(300));
    const QString fiocco = b.casa.Sotto("fiocco.png");
    Scrivi(fiocco, Png(32, 32).left(120));
    for (int slot = 5; slot <= 9; ++slot) b.imp.TabellaImmagini[static_cast<size_t>(slot)] = fiocco;
    b.imp.EffettiNeveCheck = true;
    ImpostazioniGlobali.TotaleFrame = 10;
    b.Anima();
    EXPECT_EQ(b.host.Codifiche, 1);
    ASSERT_EQ(b.host.Errori.size(), 2) << b.host.Errori.join('\n').toStdString();
    EXPECT_EQ(b.host.Errori.filter(b.logo).size(), 1);
    EXPECT_EQ(b.host.Errori.filter(fiocco).size(), 1);
}

// The hostile files that froze the other windows, through the renderer's reader: each refused
// at once with our own words for why, however many frames ask for it.
TEST(ImmaginiIllegibili, BombsAreRefusedWithTheirReason) {
    const struct {
        const char* nome;
        QByteArray dati;
        QString motivo;
    } casi[] = {
        {"enorme.jpg", bombe::JpegVuoto(65500, 65500, 3, false, 1),
         TestoMessaggio(VoceMessaggio::ImmagineTroppiPixel).arg(65500).arg(65500).arg(250)},
        {"scansioni.jpg", bombe::JpegVuoto(8000, 8000, 1, true, 10000),
         TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(ScansioniAmmesseJpeg(8000, 8000))},
        // Within the scans of a small picture, but each of them a pass over a million blocks.
        {"passate.jpg", bombe::JpegVuoto(8000, 8000, 1, true, LimiteScansioniJpeg),
         TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(ScansioniAmmesseJpeg(8000, 8000))},
        {"coefficienti.jpg", bombe::JpegVuoto(8000, 8000, 3, true, 4),
         TestoMessaggio(VoceMessaggio::ImmagineTroppaMemoria).arg(8000).arg(8000).arg(256)},
        {"enorme.png", bombe::PngDichiarato(65500, 65500),
         TestoMessaggio(VoceMessaggio::ImmagineTroppoGrande).arg(65500).arg(65500).arg(256)},
    };
    CasaTemporanea casa;
    for (const auto& c : casi) {
        const QString percorso = casa.Sotto(c.nome);
        Scrivi(percorso, c.dati);
        TroppoPerLeggere(percorso, c.motivo);
    }
}

// A background or logo picture of the project that is gone is told once per path, through
// the host; once it is back and drawn, its going again is told again. The sprites are not
// told: the drawing takes a missing snowflake in its stride.
TEST(ImmaginiIllegibili, AProjectPictureThatIsGoneIsToldOnce) {
    const auto manca = [](const QString& p) {
        return MessaggioImmagineIllegibile(p, TestoMessaggio(VoceMessaggio::ImmagineMancante));
    };
    BancoIntro b(1);
    const QString sfondo = b.casa.Sotto("sfondo.png");
    b.imp.SfondoCheckSfondoColorato = false;
    b.imp.SfondoCheckSfondoBitmap = true;
    b.imp.SfondoBitmap = sfondo;
    b.imp.Logo = b.casa.Sotto("logo_perso.png");
    b.imp.Testo1 = QStringLiteral("#LOGO");
    b.imp.EffettiNeveCheck = true;
    b.imp.TabellaImmagini[5] = b.casa.Sotto("fiocco_perso.png");
    for (int i = 0; i < 3; ++i) b.Frame(0, false);
    EXPECT_EQ(b.host.Errori, QStringList({manca(sfondo), manca(b.imp.Logo)}));

    b.host.Errori.clear();
    Scrivi(sfondo, Png());
    b.Frame(0, false);
    EXPECT_TRUE(b.host.Errori.isEmpty()) << b.host.Errori.join('\n').toStdString();
    QFile::remove(sfondo);
    b.Frame(0, false);
    b.Frame(0, false);
    EXPECT_EQ(b.host.Errori, QStringList({manca(sfondo)}));
}

// Intros 2, 3 and 6 with their own background on, and the logos of intros 2 to 5.
TEST(ImmaginiIllegibili, TheIntrosOwnBackgroundsAndLogosAreToldWhenGone) {
    for (int intro : {2, 3, 4, 5, 6}) {
        SCOPED_TRACE(intro);
        BancoIntro b(intro);
        const QString perso = b.casa.Sotto("perso.png");
        b.imp.Intro2Sfondo = b.imp.Intro3Sfondo = b.imp.Intro6Sfondo = true;
        b.imp.Intro2SfondoFile = b.imp.Intro3SfondoFile = b.imp.Intro6SfondoFile = perso;
        QFile::remove(b.logo);
        b.Frame(0, false);
        b.Frame(0, false);
        QStringList attesi;
        if (intro == 2 || intro == 3 || intro == 6)
            attesi << MessaggioImmagineIllegibile(perso, TestoMessaggio(VoceMessaggio::ImmagineMancante));
        if (intro != 6) attesi << MessaggioImmagineIllegibile(b.logo, TestoMessaggio(VoceMessaggio::ImmagineMancante));
        EXPECT_EQ(b.host.Errori, attesi);
    }
}

}  // namespace

namespace {

// A read given up because the session ends says nothing of the file: it is neither told nor
// remembered as failed, and it is read as soon as reads go on.
TEST(ImmaginiIllegibili, AReadStoppedByTheEndOfTheSessionIsNotAFailure) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("logo.png");
    Scrivi(percorso, Png());
    ImmaginiIllegibili illegibili;
    InterrompiLettureImmagini();
    EXPECT_EQ(illegibili.Leggi(percorso, QFileInfo(percorso)).Rifiuto, RifiutoImmagine::Interrotta);
    RiprendiLettureImmagini();
    EXPECT_TRUE(illegibili.PrendiAvvisi().isEmpty());
    EXPECT_EQ(illegibili.Leggi(percorso, QFileInfo(percorso)).Immagine.size(), QSize(64, 48));
}

// The renderer's reader: a PNG inflating to gigabytes past its rows is drawn at once, a photo
// taken upright is drawn upright, and a phone's 108-megapixel photo is taken: decoded smaller,
// it keeps its own size where it is drawn at its own size, and fills the frame as a background.
TEST(CacheImmagini, InflatingUprightAndPhonePicturesAreTaken) {
    CasaTemporanea casa;
    const QString gonfiato = casa.Sotto("gonfiato.png");
    ASSERT_TRUE(bombe::Scrivi(gonfiato, bombe::PngGonfiato(64, 64, 20 << 20)));
    const QString girata = casa.Sotto("girata.jpg");
    ASSERT_TRUE(bombe::Scrivi(girata, bombe::JpegOrientato(bombe::MetaRossaMetaBlu(40, 20), 6)));
    const QString foto = casa.Sotto("foto108.jpg");
    ASSERT_TRUE(bombe::ScriviJpegARighe(foto, 12000, 9000));
    CacheImmagini immagini;
    const qint64 inizio = TempoProcessoreNs();
    EXPECT_EQ(immagini.Carica(gonfiato).size(), QSize(64, 64));
    EXPECT_LT((TempoProcessoreNs() - inizio) / 1000000, 1000);
    const QImage upright = immagini.Carica(girata);
    ASSERT_EQ(upright.size(), QSize(20, 40));
    EXPECT_GT(qRed(upright.pixel(10, 5)), 200);
    EXPECT_GT(qBlue(upright.pixel(10, 35)), 200);
    const QImage logo = immagini.Carica(foto, Assenza::Segnalata);
    EXPECT_EQ(logo.size(), QSize(6000, 4500));
    EXPECT_EQ(DimensionePropria(logo), QSize(12000, 9000));
    EXPECT_EQ(immagini.CaricaScalata(foto, QSize(1920, 1080), Assenza::Segnalata).size(), QSize(1920, 1080));
    EXPECT_TRUE(immagini.PrendiAvvisi().isEmpty());
}

}  // namespace
