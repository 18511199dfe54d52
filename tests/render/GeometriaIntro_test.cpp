#include "render/GeometriaIntro.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <optional>
#include <cmath>

namespace {

// Intros 2 and 3 share the clock: t * 150 / N, and the preview shows s = N - 1.
TEST(TempoCoreografia, ScalesToOneHundredFiftyAndPreviewShowsLastValue) {
    EXPECT_FLOAT_EQ(TempoCoreografia(100, 200, true), 75.0f);
    EXPECT_FLOAT_EQ(TempoCoreografia(0, 200, false), 199.0f);
    EXPECT_FLOAT_EQ(TempoCoreografia(0, 200, true), 0.0f);
    EXPECT_FLOAT_EQ(TempoCoreografia(29, 30, true), 145.0f);
    // No frames: no division, a finite clock.
    EXPECT_FLOAT_EQ(TempoCoreografia(0, 0, true), 0.0f);
}

TEST(OscillazioneLogo, SwingsAndDiesAway) {
    struct Caso {
        float s;
        int k, d;
        float v;
    } casi[] = {
        {199, 20, 100, 0.0f},                                     // preview: swing over
        {0, 20, 100, std::cos(-20 * 3.14159265f / 180) * 1.008f},  // (-20) mod 360 keeps its sign
        {1, 20, 100, 1.0f},                                       // phase 0, amplitude 125
        {10, 20, 100, -0.928f},                                   // 180 degrees, amplitude 116
        {126, 20, 100, 0.0f},                                     // 126 / d: dead
        {126, 20, 50, std::cos(340 * 3.14159265f / 180) * 63 * 0.008f},  // half damping, 2500 mod 360
        {0, 0, 100, 1.008f},                                      // the largest swing
    };
    for (const Caso& c : casi)
        EXPECT_NEAR(OscillazioneLogo(c.s, c.k, c.d), c.v, 1e-4) << "s=" << c.s << " k=" << c.k << " d=" << c.d;
}

TEST(CadutaLogo, DropsBouncesTwiceAndRests) {
    const double c = 1000;
    struct Caso {
        double s, lift;
    } casi[] = {
        {0, 1000}, {30, 750}, {60, 0}, {63, 1000.0 / 15}, {66, 0}, {68, 1000.0 / 45}, {70, 0}, {71, 0}, {150, 0},
        {-1, 1000 - 1000.0 / 3600},
    };
    for (const Caso& k : casi) EXPECT_NEAR(CadutaLogo(k.s, c), k.lift, 1e-3) << "s=" << k.s;
}

TEST(LayoutIntro2, PreviewHangsStillWithRaisedThinShadow) {
    // 400 x 200 at 150 %: 600 x 300 centred at (660, 390).
    const LayoutIntro2 l = CalcolaLayoutIntro2(199, 20, 100, QSize(400, 200), 150, QSize(40, 600));
    EXPECT_EQ(l.Logo.Rettangolo, QRect(660, 390, 600, 300));
    EXPECT_FLOAT_EQ(l.Logo.Traslazione, 0.0f);
    EXPECT_EQ(l.Ombra.Rettangolo, QRect(660, 390 + 300 + 10 - 3, 600, 6));
    EXPECT_FLOAT_EQ(l.Ombra.Traslazione, -1.0f);
    // Each chain overlaps the top edge by 55 px, 100 px inside the edges.
    EXPECT_EQ(l.CatenaSinistra, QPoint(760, 390 - 600 + 55));
    EXPECT_EQ(l.CatenaDestra, QPoint(660 + 600 - 100 - 40, 390 - 600 + 55));
}

TEST(LayoutIntro2, SwingAwaySquashesDarkensAndMirrorsTheShadow) {
    const LayoutIntro2 l = CalcolaLayoutIntro2(0, 20, 100, QSize(400, 200), 150, QSize(40, 600));
    const float v = OscillazioneLogo(0, 20, 100);
    EXPECT_EQ(l.Logo.Rettangolo, QRect(660, 390, 600, static_cast<int>((1 - v) * 300)));
    EXPECT_FLOAT_EQ(l.Logo.Traslazione, -v);
    // A negative height: the shadow is mirrored upwards from its line.
    EXPECT_EQ(l.Ombra.Rettangolo.y(), 700);
    EXPECT_EQ(l.Ombra.Rettangolo.height(), static_cast<int>(-200 * v));
    EXPECT_LT(l.Ombra.Rettangolo.height(), 0);
    // Beyond a full swing the logo's own height turns negative too.
    const LayoutIntro2 oltre = CalcolaLayoutIntro2(0, 0, 100, QSize(400, 200), 150, QSize(40, 600));
    EXPECT_EQ(oltre.Logo.Rettangolo.height(), -2);
}

// A 400 x 200 logo whose ink covers rows 60..139 and, above row 60, only columns 150..249.
QImage LogoConMargini() {
    QImage logo(400, 200, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int y = 20; y < 140; ++y)
        for (int x = 0; x < 400; ++x)
            if (y >= 60 || (x >= 150 && x < 250)) logo.setPixel(x, y, qRgba(200, 0, 0, y == 20 ? 127 : 255));
    return logo;
}

TEST(MisuraInchiostro, FindsTheInkUnderEachChainAndItsBottomAtTheDrawnScale) {
    const QImage logo = LogoConMargini();
    struct Caso {
        int scala;
        QSize catena;
        std::optional<int> sinistra, destra, fondo;
    } casi[] = {
        {100, {40, 600}, 60, 60, 140},
        {150, {40, 600}, 90, 90, 210},     // drawn 600 x 300
        {100, {100, 600}, 21, 21, 140},    // both chains reach the middle columns; row 20 is only half opaque
        {100, {}, std::nullopt, std::nullopt, 140},
    };
    for (const Caso& c : casi) {
        const InchiostroLogo i = MisuraInchiostro(logo, c.scala, c.catena);
        EXPECT_EQ(i.SottoCatenaSinistra, c.sinistra) << c.scala << " " << c.catena.width();
        EXPECT_EQ(i.SottoCatenaDestra, c.destra) << c.scala << " " << c.catena.width();
        EXPECT_EQ(i.Fondo, c.fondo) << c.scala << " " << c.catena.width();
    }
    QImage vuoto(50, 50, QImage::Format_ARGB32);
    vuoto.fill(Qt::transparent);
    const InchiostroLogo nessuno = MisuraInchiostro(vuoto, 100, QSize(10, 10));
    EXPECT_FALSE(nessuno.SottoCatenaSinistra || nessuno.SottoCatenaDestra || nessuno.Fondo);
    EXPECT_FALSE(MisuraInchiostro(QImage(), 100, QSize(10, 10)).Fondo);
    EXPECT_EQ(PrimaRigaInchiostro(logo, QSize(400, 200), 150, 151), 21);
    EXPECT_FALSE(PrimaRigaInchiostro(logo, QSize(400, 200), 10, 10));
}

TEST(LayoutIntro2, ChainsHangFromTheInkAndTheShadowLiesUnderIt) {
    // 400 x 200 at 100 %: x0 760, y0 440; ink from row 60 under both chains, down to row 140.
    const QImage logo = LogoConMargini();
    const QSize catena(40, 600);
    const InchiostroLogo i = MisuraInchiostro(logo, 100, catena);
    const LayoutIntro2 l = CalcolaLayoutIntro2(199, 20, 100, logo.size(), 100, catena, 1920, 1080, i);
    EXPECT_EQ(l.CatenaSinistra, QPoint(860, 440 + 60 - 600 + 55));
    EXPECT_EQ(l.CatenaDestra, QPoint(760 + 400 - 100 - 40, 440 + 60 - 600 + 55));
    EXPECT_EQ(l.Ombra.Rettangolo, QRect(760, 440 + 140 + 10 - 3, 400, 6));
    // Swinging away squashes the logo; the chains follow its ink up toward the top edge.
    const LayoutIntro2 via = CalcolaLayoutIntro2(0, 20, 100, logo.size(), 100, catena, 1920, 1080, i);
    const int altezza = via.Logo.Rettangolo.height();
    EXPECT_EQ(via.CatenaSinistra.y(), 440 + 60 * altezza / 200 - 600 + 55);
    EXPECT_EQ(via.Ombra.Rettangolo.y(), 440 + 140 + 10);
    // No ink under a chain: it keeps the picture's top edge.
    InchiostroLogo soloCentro = i;
    soloCentro.SottoCatenaDestra.reset();
    const LayoutIntro2 bordo = CalcolaLayoutIntro2(199, 20, 100, logo.size(), 100, catena, 1920, 1080, soloCentro);
    EXPECT_EQ(bordo.CatenaDestra.y(), 440 - 600 + 55);
}

TEST(LayoutIntro3, TheShadowLiesUnderTheInkAsTheLogoIsDrawn) {
    const QImage logo = LogoConMargini();
    const InchiostroLogo i = MisuraInchiostro(logo, 100);
    // At rest the ink ends at 440 + 140; during the tilt the logo flattens on its bottom edge.
    EXPECT_EQ(CalcolaLayoutIntro3(30, logo.size(), 100, 64, 1920, 1080, i).Ombra.Rettangolo.y(), 580 - 8);
    EXPECT_EQ(CalcolaLayoutIntro3(70, logo.size(), 100, 64, 1920, 1080, i).Ombra.Rettangolo.y(), 580 - 8);
    const LayoutIntro3 inclinato = CalcolaLayoutIntro3(100, logo.size(), 100, 64, 1920, 1080, i);
    const QRect r = inclinato.Logo.Rettangolo;
    const float d = 200 * std::sin(30 * 3.14159265f / 180);  // s = 100 tilts to 30 degrees
    EXPECT_EQ(inclinato.Ombra.Rettangolo.y(), static_cast<int>(640 - 60 * d / 200) - 8);
    EXPECT_NEAR(inclinato.Ombra.Rettangolo.y(), r.y() + 140 * r.height() / 200 - 8, 1);
    EXPECT_EQ(CalcolaLayoutIntro3(125, logo.size(), 100, 64, 1920, 1080, i).Ombra.Rettangolo.x(), 910);
}

TEST(TempoIntro3, PreviewShowsTheLandedLogo) {
    EXPECT_FLOAT_EQ(TempoIntro3(0, 200, false), 70.0f);
    EXPECT_FLOAT_EQ(TempoIntro3(0, 100, false), 70.0f);
    EXPECT_FLOAT_EQ(TempoIntro3(0, 200, true), 0.0f);
    EXPECT_FLOAT_EQ(TempoIntro3(100, 200, true), 75.0f);
    const LayoutIntro3 l = CalcolaLayoutIntro3(TempoIntro3(0, 200, false), QSize(400, 200), 100, 64);
    EXPECT_EQ(l.Logo.Rettangolo, QRect(760, 440, 400, 200));
    EXPECT_FLOAT_EQ(l.Logo.Traslazione, 0.0f);
}

TEST(LayoutIntro3, FollowsDropTiltAndExit) {
    // 400 x 200 at 100 %: x0 760, y0 440, resting bottom 640; shadow picture 64 high.
    struct Caso {
        float s;
        QRect logo, ombra;
        float traslazione;
    } casi[] = {
        {0, {760, -200, 400, 200}, {580, 632, 400, 16}, 0},      // just above the top edge
        {63, {760, 397, 400, 200}, {760, 632, 400, 16}, 0},      // first bounce, lifted by c / 15
        {60, {760, 440, 400, 200}, {580 + 180, 632, 400, 16}, 0},
        {70, {760, 440, 400, 200}, {760, 632, 400, 16}, 0},      // at rest, tilt starts upright
        {112.5f, {760, 622, 400, 17}, {760, 632, 400, 16}, 1 - std::sin(5 * 3.14159265f / 180)},
        {125, {910, 622, 400, 17}, {910, 632, 400, 16}, 1},      // sliding off, pure white
    };
    for (const Caso& c : casi) {
        const LayoutIntro3 l = CalcolaLayoutIntro3(c.s, QSize(400, 200), 100, 64);
        EXPECT_EQ(l.Logo.Rettangolo, c.logo) << "s=" << c.s;
        EXPECT_EQ(l.Ombra.Rettangolo, c.ombra) << "s=" << c.s;
        EXPECT_NEAR(l.Logo.Traslazione, c.traslazione, 1e-5) << "s=" << c.s;
    }
}

TEST(LayoutIntro3, LowLogoHitsTheTiltFloorAndFarExitStaysFinite) {
    // 40 px high: at s = 113 the tilt's height falls under 4 and takes the shadow's instead.
    const LayoutIntro3 l = CalcolaLayoutIntro3(113, QSize(400, 40), 100, 64);
    const float d = 64 * std::sin(5 * 3.14159265f / 180);
    EXPECT_EQ(l.Logo.Rettangolo, QRect(760, static_cast<int>(560 - d), 400, static_cast<int>(d)));
    // Preview of a very long intro: far off to the right, no overflow.
    const LayoutIntro3 lontano = CalcolaLayoutIntro3(1.0e7f, QSize(400, 200), 100, 64);
    EXPECT_EQ(lontano.Logo.Rettangolo.x(), 1000000000);
}

TEST(XAngoliCella, TheLeftHalfMirrorsTheRight) {
    struct Caso {
        int x, area, atteso;
    } casi[] = {
        {0, 95, 0}, {4900, 95, 4900}, {-100, 95, -95}, {-5000, 95, -4995}, {-100, 100, -100}, {-100, 10, -10},
    };
    for (const Caso& c : casi) EXPECT_EQ(XAngoliCella(c.x, c.area), c.atteso) << c.x << " " << c.area;
    // The centre columns meet: the left one ends where the right one starts.
    for (int area : {10, 50, 95, 100}) EXPECT_EQ(XAngoliCella(-100, area) + area, XAngoliCella(0, area)) << area;
}

TEST(ProiettaPunto, DefaultCameraAndPointsBehindTheEye) {
    const Punto3 camera{1, 120, 360};
    QPointF p;
    ASSERT_TRUE(ProiettaPunto({0, 1200, 0}, camera, 720, p));
    EXPECT_NEAR(p.x(), 1, 1e-9);
    EXPECT_NEAR(p.y(), 920, 1e-9);
    ASSERT_TRUE(ProiettaPunto({0, 1200, 3000}, camera, 720, p));
    EXPECT_NEAR(p.y(), 331.76, 0.01);
    const QPointF prima = p;
    // Divisor 0 or below: no point, out untouched.
    EXPECT_FALSE(ProiettaPunto({0, 1200, 0}, {1, 120, -720}, 720, p));
    EXPECT_FALSE(ProiettaPunto({0, 1200, 0}, {1, 120, -800}, 720, p));
    EXPECT_EQ(p, prima);
}

TEST(OndeIntro4, WaveHeightPhaseAndCorners) {
    EXPECT_NEAR(AltezzaOnda(0, 0, 0), 0, 1e-4);
    EXPECT_NEAR(AltezzaOnda(2500, 0, 0), 200, 1e-3);
    EXPECT_NEAR(AltezzaOnda(0, 1500, 0), 200, 1e-3);
    EXPECT_NEAR(FaseOnde(2, 50, 200), 3.14159265f, 1e-5);
    EXPECT_FLOAT_EQ(FaseOnde(2, 0, 0), 0.0f);
    const auto a = AngoliCella(100, 200, 50, 1200, 805, 95);
    const auto uguale = [](const Punto3& p, double x, double y, double z) {
        return p.x == x && p.y == y && p.z == z;
    };
    EXPECT_TRUE(uguale(a[0], 100, 1150, 200));
    EXPECT_TRUE(uguale(a[2], 195, 1150, 295));
    EXPECT_TRUE(uguale(a[3], 100, 1150, 295));
    EXPECT_TRUE(uguale(a[5], 195, 1955, 200));
    EXPECT_TRUE(uguale(a[6], 100, 1955, 295));
    EXPECT_TRUE(uguale(a[7], 195, 1955, 295));
}

TEST(OndeIntro4, LogoCellsCoverTwentyByTen) {
    struct Caso {
        int x, z;
        bool tessera;
        int riga, colonna;
    } casi[] = {
        {0, 300, true, 9, 9},     {1000, 1200, true, 0, 19}, {-900, 300, true, 9, 0}, {-100, 700, true, 5, 8},
        {-1000, 300, false, 0, 0}, {1100, 500, false, 0, 0}, {0, 200, false, 0, 0},   {0, 1300, false, 0, 0},
    };
    for (const Caso& c : casi) {
        const auto t = TesseraCella(c.x, c.z);
        ASSERT_EQ(t.has_value(), c.tessera) << c.x << "," << c.z;
        if (t) {
            EXPECT_EQ(*t, std::make_pair(c.riga, c.colonna)) << c.x << "," << c.z;
        }
    }
}

TEST(TessereLogo, CutRowByRowDroppingTheRemainder) {
    EXPECT_EQ(RettangoloTessera(QSize(1000, 500), 20, 10, 9, 19), QRect(950, 450, 50, 50));
    EXPECT_EQ(RettangoloTessera(QSize(1005, 509), 20, 10, 9, 19), QRect(950, 450, 50, 50));
    // Each pixel holds its own position, so a tile shows where it was cut from.
    QImage logo(1005, 509, QImage::Format_ARGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) logo.setPixel(x, y, qRgba(x % 256, y % 256, (x / 256) * 16 + y / 256, 255));
    const std::vector<QImage> t = TagliaTessere(logo, 20, 10);
    ASSERT_EQ(t.size(), 200u);
    const QImage& tessera = t[2 * 20 + 3];
    ASSERT_EQ(tessera.size(), QSize(50, 50));
    EXPECT_EQ(tessera.pixel(0, 0), logo.pixel(150, 100));
    EXPECT_EQ(tessera.pixel(49, 49), logo.pixel(199, 149));
    // No logo, or one smaller than the grid: empty tiles.
    for (const QImage& vuota : TagliaTessere(QImage(), 20, 10)) EXPECT_TRUE(vuota.isNull());
    for (const QImage& vuota : TagliaTessere(QImage(10, 5, QImage::Format_ARGB32), 20, 10)) EXPECT_TRUE(vuota.isNull());
}

// Opaque pixels take the row's alpha; transparent ones stay transparent, half transparent
// ones get half of it.
TEST(RiflessoIntro5, RowAlphaScalesThePixelsAlpha) {
    EXPECT_EQ(AlfaRigaIntro5(0, 150), 0);
    EXPECT_EQ(AlfaRigaIntro5(149, 150), 126);
    EXPECT_EQ(AlfaRigaIntro5(75, 150), 63);
    EXPECT_EQ(AlfaRigaIntro5(5, 0), 0);
    QImage logo(400, 301, QImage::Format_ARGB32);
    logo.fill(QColor(200, 30, 10, 255));
    for (int y = 0; y < 301; ++y)
        for (int x = 0; x < 100; ++x) logo.setPixel(x, y, x < 50 ? qRgba(0, 0, 0, 0) : qRgba(200, 30, 10, 128));
    const Riflesso r = CreaRiflesso(logo, 400, 301 / 2, ModoRiflesso::ScalaRigaIntro5);
    ASSERT_EQ(r.Immagine.size(), QSize(400, 150));
    const QRgb fondo = r.Immagine.pixel(300, 149);
    EXPECT_EQ(qAlpha(fondo), 126);
    EXPECT_NEAR(qRed(fondo), 200, 1);
    EXPECT_NEAR(qGreen(fondo), 30, 1);
    EXPECT_EQ(qAlpha(r.Immagine.pixel(300, 0)), 0);
    EXPECT_EQ(qAlpha(r.Immagine.pixel(10, 149)), 0);
    EXPECT_NEAR(qAlpha(r.Immagine.pixel(75, 149)), 63, 1);
    EXPECT_TRUE(CreaRiflesso(logo, 0, 10, ModoRiflesso::ScalaRigaIntro5).Immagine.isNull());
}

TEST(RiflessoIntro9, RowFactorScalesAlphaAndFindsFirstVisibleRow) {
    EXPECT_FLOAT_EQ(FattoreRigaIntro9(149, 150), 126.0f / 255.0f);
    EXPECT_FLOAT_EQ(FattoreRigaIntro9(0, 150), 0.0f);
    // Top half clear, bottom half opaque: the first visible row is the first opaque one.
    QImage layer(100, 40, QImage::Format_ARGB32);
    layer.fill(0);
    for (int y = 20; y < 40; ++y)
        for (int x = 0; x < 100; ++x) layer.setPixel(x, y, qRgba(255, 255, 255, 255));
    const Riflesso r = CreaRiflesso(layer, 100, 40, ModoRiflesso::ScalaAlfa);
    EXPECT_EQ(r.PrimaRigaVisibile, 20);
    EXPECT_NEAR(qAlpha(r.Immagine.pixel(50, 39)), 124, 1);
    // Half transparent ink is scaled, not replaced.
    layer.fill(qRgba(255, 255, 255, 100));
    EXPECT_NEAR(qAlpha(CreaRiflesso(layer, 100, 40, ModoRiflesso::ScalaAlfa).Immagine.pixel(50, 39)), 48, 1);
    EXPECT_EQ(qAlpha(r.Immagine.pixel(50, 5)), 0);
    QImage vuoto(100, 40, QImage::Format_ARGB32);
    vuoto.fill(0);
    EXPECT_EQ(CreaRiflesso(vuoto, 100, 20, ModoRiflesso::ScalaAlfa).PrimaRigaVisibile, 99999);
}

TEST(StatoIntro9, TimelineOverAbsoluteFrames) {
    struct Caso {
        float t;
        int riga;
        float f;
    } casi[] = {
        {0, 0, 0}, {9, 0, 0}, {10, 1, 0}, {16, 1, 6.0f / 7}, {17, 1, 1}, {100, 1, 1}, {101, 2, 0},
        {104, 2, 3.0f / 7}, {108, 2, 1}, {180, 2, 1}, {181, 2, 1}, {184, 2, 1 - 3.0f / 7}, {187, 2, 1 - 6.0f / 7},
        {188, 0, 0}, {500, 0, 0},
    };
    for (const Caso& c : casi) {
        const StatoIntro9 s = CalcolaStatoIntro9(c.t);
        EXPECT_EQ(s.Riga, c.riga) << "t=" << c.t;
        EXPECT_NEAR(s.Fattore, c.f, 1e-6) << "t=" << c.t;
    }
}

TEST(ProgressoLaser, RevealsBetweenFrameTenAndTwentyBeforeTheEnd) {
    struct Caso {
        float t, N;
        bool anima;
        float r;
    } casi[] = {
        {0, 200, true, 0}, {10, 200, true, 0}, {95, 200, true, 0.5f}, {180, 200, true, 1}, {199, 200, true, 1},
        {0, 200, false, 1}, {10, 31, true, 0}, {11, 31, true, 1},
        // Too short for lead-in and tail: across the whole intro, never backwards.
        {0, 20, true, 0}, {19, 20, true, 1}, {0, 30, true, 0}, {29, 30, true, 1}, {0, 1, true, 1}, {0, 0, true, 1},
    };
    for (const Caso& c : casi) EXPECT_NEAR(ProgressoLaser(c.t, c.N, c.anima), c.r, 1e-6) << c.t << "/" << c.N;
    for (float N : {2.0f, 5.0f, 29.0f, 30.0f, 31.0f, 40.0f}) {
        float prima = 0;
        for (float t = 0; t < N; ++t) {
            const float r = ProgressoLaser(t, N, true);
            EXPECT_GE(r, prima) << t << "/" << N;
            EXPECT_LE(r, 1.0f);
            prima = r;
        }
    }
}

TEST(RigheLampi, RowsOfInkAtTheEdgeColumn) {
    std::array<std::array<std::uint8_t, 135>, 120> griglia{};
    for (int cy = 0; cy < 40; ++cy) griglia[3][static_cast<size_t>(cy)] = 1;
    const std::vector<int> righe = RigheLampi(griglia, 50, 400);
    ASSERT_EQ(righe.size(), 40u);
    EXPECT_EQ(righe.front(), 0);
    EXPECT_EQ(righe.back(), 312);
    EXPECT_EQ(RigheLampi(griglia, 50, 100).size(), 13u);  // the layer is only 100 rows high
    EXPECT_TRUE(RigheLampi(griglia, 47, 400).empty());
    EXPECT_TRUE(RigheLampi(griglia, 1920, 400).empty());  // outside the grid: empty
    EXPECT_TRUE(RigheLampi(griglia, -1, 400).empty());
}

double DistanzaSegmento(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    const double u = l2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / l2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + ab * u);
    return std::hypot(d.x(), d.y());
}

double DistanzaContorno(QPointF p, const QPainterPath& percorso) {
    double minima = 1e9;
    for (const QPolygonF& figura : percorso.toSubpathPolygons())
        for (int i = 0; i < figura.size(); ++i)
            minima = std::min(minima, DistanzaSegmento(p, figura[i], figura[(i + 1) % figura.size()]));
    return minima;
}

// Straight segments keep their runs: back from each corner toward the one before it.
TEST(ContornoDenso, StraightSegmentsWalkPixelByPixel) {
    QPainterPath rettangolo;
    rettangolo.addRect(0, 0, 3, 2);
    const std::vector<QPointF> atteso = {{3, 0}, {2, 0}, {1, 0}, {3, 2}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {0, 0}, {0, 1}};
    EXPECT_EQ(ContornoDenso(rettangolo), atteso);
}

// Diagonal strokes get their points on the stroke, one per pixel of the longer side; an
// L-shaped walk put them up to a whole stroke's width beside the letter.
TEST(ContornoDenso, DiagonalStrokesKeepTheirPointsOnTheOutline) {
    QPainterPath diagonale;
    diagonale.moveTo(10, 10);
    diagonale.lineTo(40, 20);
    const std::vector<QPointF> punti = ContornoDenso(diagonale);
    ASSERT_EQ(punti.size(), 60u);  // 30 steps out, 30 back
    EXPECT_EQ(punti.front(), QPointF(40, 20));

    QFont font;
    font.setPixelSize(200);
    for (const QString& lettera : {QStringLiteral("V"), QStringLiteral("k"), QStringLiteral("A")}) {
        QPainterPath percorso;
        percorso.addText(QPointF(5, 200), font, lettera);
        const std::vector<QPointF> seme = ContornoDenso(percorso);
        ASSERT_GT(seme.size(), 200u) << lettera.toStdString();
        for (const QPointF& p : seme) {
            // The sparks sit on whole pixels.
            const QPointF intero(static_cast<int>(p.x()), static_cast<int>(p.y()));
            EXPECT_LE(DistanzaContorno(intero, percorso), 1.5) << lettera.toStdString() << " " << p.x() << "," << p.y();
        }
    }
}

TEST(StatoIntro7, LastHoldingConditionWins) {
    struct Caso {
        float t, N;
        int stato;
    } casi[] = {
        {0, 200, 1},  {5, 200, 1},   {6, 200, 2},   {25, 200, 2},  {26, 200, 3}, {44, 200, 3}, {45, 200, 4},
        {64, 200, 4}, {65, 200, 5},  {74, 200, 5},  {75, 200, 6},  {174, 200, 6}, {175, 200, 7}, {194, 200, 7},
        {195, 200, 1}, {199, 200, 1}, {70, 90, 7},  {86, 90, 1},   {0, 0, 1},    {0, 1, 1},
    };
    for (const Caso& c : casi) EXPECT_EQ(StatoIntro7(c.t, c.N, true), c.stato) << c.t << "/" << c.N;
    EXPECT_EQ(StatoIntro7(0, 200, false), 3);
}

TEST(StatoIntro7, WhatEachStateDraws) {
    const DisegnoIntro7 fadeIn = CalcolaDisegnoIntro7(2, 15);
    EXPECT_TRUE(fadeIn.Testo);
    EXPECT_NEAR(fadeIn.AlfaTesto, 0.5f, 1e-6);
    EXPECT_FALSE(fadeIn.Scintille);
    const DisegnoIntro7 accese = CalcolaDisegnoIntro7(4, 55);
    EXPECT_TRUE(accese.Testo && !accese.ColoreTesto && accese.Scintille && !accese.Passo);
    EXPECT_NEAR(accese.AlfaScintille, 0.5f, 1e-6);
    const DisegnoIntro7 dissolve = CalcolaDisegnoIntro7(5, 70);
    EXPECT_NEAR(dissolve.AlfaTesto, 0.5f, 1e-6);
    EXPECT_TRUE(dissolve.Scintille && dissolve.Passo);
    const DisegnoIntro7 sparse = CalcolaDisegnoIntro7(6, 100);
    EXPECT_TRUE(!sparse.Testo && sparse.Scintille && sparse.AlfaPerScintilla && sparse.Passo);
    for (int vuoto : {1, 7}) {
        const DisegnoIntro7 d = CalcolaDisegnoIntro7(vuoto, 10);
        EXPECT_FALSE(d.Testo || d.Scintille || d.Passo) << vuoto;
    }
}

TEST(LayoutIntro8, StackAndBarLine) {
    struct Caso {
        std::array<int, 4> w, h;
        int interlinea;
        std::array<int, 4> y;
        int barra;
    } casi[] = {
        {{400, 300, 200, 0}, {100, 80, 60, 0}, 10, {360, 470, 560, 630}, 555},
        // An empty line 2 still shapes the stack with its height 0 and the spacing.
        {{400, 0, 200, 0}, {100, 0, 60, 0}, 10, {405, 515, 525, 595}, 520},
        {{400, 300, 200, 0}, {100, 80, 60, 0}, -15, {385, 470, 535, 580}, 542},
    };
    for (const Caso& c : casi) {
        const LayoutIntro8 l = CalcolaLayoutIntro8(c.w, c.h, c.interlinea);
        EXPECT_EQ(l.y, c.y) << c.interlinea;
        EXPECT_EQ(l.Barra, c.barra) << c.interlinea;
        EXPECT_EQ(l.x[0], (1920 - c.w[0]) / 2);
    }
}

TEST(StatoIntro8, StatesAndOpacity) {
    struct Caso {
        float t, N;
        bool anima;
        int stato;
        float e;
    } casi[] = {
        {0, 200, true, 1, 0},     {10, 200, true, 1, 0.5f}, {20, 200, true, 3, 1}, {99, 200, true, 3, 1},
        {100, 200, true, 2, 1},   {181, 200, true, 4, 0.95f}, {199, 200, true, 4, 0}, {0, 200, false, 1, 1},
        {10, 20, true, 4, 0.5f},  {0, 0, true, 4, 0},
    };
    for (const Caso& c : casi) {
        const StatoIntro8 s = CalcolaStatoIntro8(c.t, c.N, c.anima);
        EXPECT_EQ(s.Stato, c.stato) << c.t << "/" << c.N;
        EXPECT_NEAR(s.Opacita, c.e, 1e-5) << c.t << "/" << c.N;
    }
}

TEST(OggettoIntro8, GrowsOutOfTheBar) {
    const LayoutIntro8 l = CalcolaLayoutIntro8({400, 300, 200, 0}, {100, 80, 60, 0}, 10);
    const int c = l.Barra;
    // t = 60: half grown; object 2 shows its upper half above the bar, object 3 its lower half below.
    PartiOggetto8 o2 = CalcolaOggettoIntro8(2, 3, false, 60, l, 300, 80);
    EXPECT_EQ(o2.Destinazione, QRect(l.x[1], c - 40, 300, 40));
    EXPECT_EQ(o2.Sorgente, QRect(0, 0, 300, 40));
    PartiOggetto8 o3 = CalcolaOggettoIntro8(3, 3, false, 60, l, 200, 60);
    EXPECT_EQ(o3.Destinazione, QRect(l.x[2], c, 200, 30));
    EXPECT_EQ(o3.Sorgente, QRect(0, 30, 200, 30));
    EXPECT_FALSE(CalcolaOggettoIntro8(2, 3, false, 20, l, 300, 80).Visibile);
    // Full size resting on and hanging from the bar.
    EXPECT_EQ(CalcolaOggettoIntro8(2, 2, false, 150, l, 300, 80).Destinazione, QRect(l.x[1], c - 80, 300, 80));
    EXPECT_EQ(CalcolaOggettoIntro8(3, 4, false, 190, l, 200, 60).Destinazione, QRect(l.x[2], c, 200, 60));
    EXPECT_EQ(CalcolaOggettoIntro8(3, 1, true, 0, l, 200, 60).Destinazione, QRect(l.x[2], l.y[2], 200, 60));
    EXPECT_FALSE(CalcolaOggettoIntro8(2, 1, false, 5, l, 300, 80).Visibile);
}

}  // namespace
