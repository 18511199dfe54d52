#include "render/Sfondo.h"

#include "render/HostFinto.h"
#include "render/LineeFlare.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void SoloKind(ImpostazioniProgetto& imp, int kind) {
    imp.SfondoCheckSfondoColorato = kind == 0;
    imp.SfondoCheckSfondoTrasparente = kind == 1;
    imp.SfondoCheckSfondoBitmap = kind == 2;
    imp.SfondoCheckSfondoFlares = kind == 3;
}

TEST(DisegnaSfondo, LaScacchieraCopreTuttaLaTela) {
    BancoRendering b;
    SoloKind(b.imp, 1);
    DisegnaSfondo(b.contesto);
    const QImage& t = b.contesto.CanvasFrame;
    const QRgb scuro = qRgb(64, 64, 64), chiaro = qRgb(192, 192, 192);
    struct Sonda {
        int x, y;
        QRgb atteso;
    } sonde[] = {{0, 0, scuro},       {49, 49, scuro},     {50, 0, chiaro},     {75, 75, scuro},
                 {25, 75, chiaro},    {1900, 1000, scuro}, {1919, 1049, scuro}, {1919, 1079, chiaro},
                 {1850, 1050, scuro}, {1899, 1079, scuro}};
    for (const Sonda& s : sonde) EXPECT_EQ(t.pixel(s.x, s.y), s.atteso) << s.x << "," << s.y;
}

TEST(DisegnaSfondo, IlGradienteVaDalPrimoColoreInAltoAlSecondoInBasso) {
    BancoRendering b;
    SoloKind(b.imp, 0);
    b.imp.SfondoColori = {0x0000FF, 0xFF0000};  // red at the top, blue at the bottom
    DisegnaSfondo(b.contesto);
    const QImage& t = b.contesto.CanvasFrame;
    const QRgb alto = t.pixel(960, 0), basso = t.pixel(960, 1079), mezzo = t.pixel(960, 540);
    EXPECT_GT(qRed(alto), 250);
    EXPECT_LT(qBlue(alto), 5);
    EXPECT_GT(qBlue(basso), 250);
    EXPECT_LT(qRed(basso), 5);
    EXPECT_NEAR(qRed(mezzo), 128, 3);
    EXPECT_EQ(t.pixel(0, 300), t.pixel(1919, 300));  // vertical only
    EXPECT_EQ(qAlpha(alto), 255);
}

TEST(DisegnaSfondo, LaComposizioneSiSvuotaTenendoIlGrigioSottoAlfaZero) {
    BancoRendering b;
    b.contesto.ChiudiGraficaComposizione();
    b.contesto.CanvasComposizione.fill(qRgba(1, 2, 3, 255));
    b.contesto.ApriGraficaComposizione();
    b.contesto.SottoComposizione = qRgba(9, 9, 9, 0);
    b.contesto.DipintoComposizione = QRect(0, 0, 50, 50);
    DisegnaSfondo(b.contesto);
    b.contesto.ChiudiGraficaComposizione();
    EXPECT_EQ(b.contesto.CanvasComposizione.pixel(100, 100), 0u);
    // The light grey is what the sharpen reads under alpha 0 where nothing has been drawn.
    EXPECT_EQ(b.contesto.SottoComposizione, qRgba(192, 192, 192, 0));
    EXPECT_TRUE(b.contesto.DipintoComposizione.isEmpty());
    b.contesto.ApriGraficaComposizione();
}

TEST(DisegnaSfondo, SfondoPersonalizzatoDelleIntro) {
    BancoRendering b;
    const QString file = b.casa.Sotto(QStringLiteral("verde.png"));
    QImage verde(64, 36, QImage::Format_RGB32);
    verde.fill(qRgb(0, 255, 0));
    ASSERT_TRUE(verde.save(file));

    // Intro 3 with an empty name draws nothing, and nothing of the previous frame stays.
    b.contesto.CanvasFrame.fill(qRgb(10, 20, 30));
    b.imp.IntroLista = 3;
    b.imp.Intro3Sfondo = true;
    b.imp.Intro3SfondoFile.clear();
    DisegnaSfondo(b.contesto);
    EXPECT_EQ(b.contesto.CanvasFrame.pixel(500, 500), qRgba(0, 0, 0, 0));

    // With a file it shows the picture stretched, even with the flares kind chosen.
    SoloKind(b.imp, 3);
    b.imp.Intro3SfondoFile = file;
    DisegnaSfondo(b.contesto);
    EXPECT_EQ(b.contesto.CanvasFrame.pixel(1919, 1079), qRgb(0, 255, 0));
    EXPECT_FALSE(b.contesto.EffettoLineeFlare.Inizializzato());

    // Intro 2 ignores intro 3's box and paints the chosen kind.
    b.imp.IntroLista = 2;
    b.imp.Intro2Sfondo = false;
    SoloKind(b.imp, 1);
    DisegnaSfondo(b.contesto);
    EXPECT_EQ(b.contesto.CanvasFrame.pixel(0, 0), qRgb(64, 64, 64));
}

TEST(DisegnaSfondo, UnaFiguraIlleggibileSiSaltaInSilenzio) {
    BancoRendering b;
    b.contesto.CanvasFrame.fill(qRgb(10, 20, 30));
    SoloKind(b.imp, 2);
    b.imp.SfondoBitmap = b.casa.Sotto(QStringLiteral("manca.png"));
    DisegnaSfondo(b.contesto);
    EXPECT_EQ(b.contesto.CanvasFrame.pixel(7, 7), qRgba(0, 0, 0, 0));
}

TEST(DisegnaSfondo, IFlareGiranoAOgniAnteprima) {
    BancoRendering b;
    SoloKind(b.imp, 3);
    DisegnaSfondo(b.contesto);
    ASSERT_TRUE(b.contesto.EffettoLineeFlare.Inizializzato());
    EXPECT_EQ(b.contesto.EffettoLineeFlare.Numero(), 200);
    const QImage prima = b.contesto.CanvasFrame.copy();
    DisegnaSfondo(b.contesto);
    EXPECT_NE(prima, b.contesto.CanvasFrame);
    // The soft glow at the corner the rays start from.
    EXPECT_GT(qRed(b.contesto.CanvasFrame.pixel(2, 2)), 150);
}

TEST(LineeFlare, OgniRaggioPartDalCentroEFinisceSullEllisse) {
    FissaSemeCasuale(99);
    LineeFlare linee;
    EXPECT_FALSE(linee.Inizializzato());
    linee.Inizializza(200, 0, 0, 2880, 1620, 60, 10);
    for (int i = 0; i < 200; ++i) {
        const LetturaLinea l = linee.LeggiLinea(i);
        EXPECT_EQ(l.InizioX, 0);
        EXPECT_EQ(l.InizioY, 0);
        const double e = std::pow(l.FineX / 2880.0, 2) + std::pow(l.FineY / 1620.0, 2);
        EXPECT_NEAR(e, 1.0, 0.002);
        EXPECT_GE(l.ValoreA, 1);
        EXPECT_LE(l.ValoreA, 60);
        ASSERT_GE(l.ValoreB, 1);
        ASSERT_LE(l.ValoreB, 10);
        EXPECT_EQ(l.Zero, 0);
    }
    // Turning moves every end by one of the three angular speeds.
    const LetturaLinea prima = linee.LeggiLinea(0);
    linee.Aggiorna();
    const LetturaLinea dopo = linee.LeggiLinea(0);
    EXPECT_EQ(dopo.InizioX, prima.InizioX);
    EXPECT_NE(std::pair(dopo.FineX, dopo.FineY), std::pair(prima.FineX, prima.FineY));
    EXPECT_EQ(linee.LeggiLinea(-1).ValoreB, 0);
    EXPECT_EQ(linee.LeggiLinea(200).ValoreB, 0);
    LiberaSemeCasuale();
}

}  // namespace
