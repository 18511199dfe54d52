#include "app/Frm1splash.h"

#include "common/Attesa.h"
#include "platform/CartelleUtente.h"
#include "platform/ValoriProgramma.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>

namespace {

TEST(RegioneSplash, KeepsEveryPixelThatDiffersFromTheTopLeftOne) {
    const struct {
        const char* nome;
        QRgb fondo;
        QRgb figura;
    } casi[] = {
        {"transparent ground", qRgba(0, 0, 0, 0), qRgb(40, 40, 40)},
        {"opaque ground", qRgb(255, 0, 255), qRgb(0, 0, 0)},
        {"ground differing only in alpha", qRgba(30, 30, 30, 255), qRgba(30, 30, 30, 128)},
    };
    for (const auto& c : casi) {
        QImage im(20, 10, QImage::Format_ARGB32);
        im.fill(c.fondo);
        // An L: a full row and a short column, so a row holds two runs in one place.
        for (int x = 0; x < 20; ++x) im.setPixel(x, 9, c.figura);
        for (int y = 2; y < 9; ++y) {
            im.setPixel(5, y, c.figura);
            im.setPixel(15, y, c.figura);
        }
        const QRegion r = RegioneSplash(im);
        EXPECT_TRUE(r.contains(QPoint(0, 9))) << c.nome;
        EXPECT_TRUE(r.contains(QPoint(19, 9))) << c.nome;
        EXPECT_TRUE(r.contains(QPoint(5, 4))) << c.nome;
        EXPECT_TRUE(r.contains(QPoint(15, 4))) << c.nome;
        EXPECT_FALSE(r.contains(QPoint(10, 4))) << c.nome;
        EXPECT_FALSE(r.contains(QPoint(0, 0))) << c.nome;
        EXPECT_FALSE(r.contains(QPoint(5, 1))) << c.nome;
    }
    EXPECT_TRUE(RegioneSplash(QImage()).isEmpty());
}

TEST(Splash, ShowsTheItalianVersionTextAndTakesTheShapeOfItsPicture) {
    ImpostaCartelleUtente(QDir::homePath() + "/dati", QDir::homePath() + "/documenti",
                          QCoreApplication::applicationDirPath());
    VersioneProgramma = QStringLiteral("2.3.0.0");
    ImpostazioniGlobali.LinguaCorrente = LinguaItaliano;
    TForm1Splash splash;
    EXPECT_EQ(splash.LabelVersione->text(), "Versione 2.3.0.0");
    EXPECT_EQ(splash.size(), QSize(464, 464));
    ASSERT_FALSE(splash.Image1().isNull()) << "the build draws the picture into the program folder";
    EXPECT_EQ(splash.Image1().size(), QSize(450, 450));
    // The corners are cut away, the middle and the version text are kept.
    const QRegion forma = splash.mask();
    EXPECT_FALSE(forma.contains(QPoint(0, 0)));
    EXPECT_FALSE(forma.contains(QPoint(450, 0)));
    EXPECT_TRUE(forma.contains(QPoint(219, 219)));
    EXPECT_TRUE(forma.contains(splash.LabelVersione->geometry().center()));
}

TEST(Splash, AfterItsTimeItHidesRunsTheMainWindowAndCloses) {
    DurataSplash = 10;
    TForm1Splash splash;
    bool nascostoDurante = false;
    int corse = 0;
    splash.SetMostraPrincipale([&] {
        ++corse;
        nascostoDurante = splash.isHidden();
    });
    splash.show();
    EXPECT_EQ(splash.Timer1->interval(), 10);
    EXPECT_TRUE(AttendiChe([&] { return corse > 0; }));
    EXPECT_EQ(corse, 1);
    EXPECT_TRUE(nascostoDurante);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isActive());
    DurataSplash = 3000;
}

}  // namespace
