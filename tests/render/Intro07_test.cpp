// Intro 7 drawn: sparks seeded on the outline, found in the program folder, and the states.
#include "AiutoIntro.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

const QRgb Fondo = qRgb(0x30, 0x30, 0x30);

int Attive(const ParticleSystem& p) {
    int n = 0;
    for (int i = 0; i < p.Numero(); ++i) n += p.Dati(i).variant != 0;
    return n;
}

TEST(Intro7, FrameZeroPutsOneSparkOnEveryOutlinePoint) {
    BancoIntro b(7);
    b.Frame(0, false);
    const ParticleSystem& s = b.contesto.Effetti.EmettitoreScintille();
    ASSERT_GT(b.contesto.NumeroPuntiContorno, 100);
    EXPECT_EQ(Attive(s), b.contesto.NumeroPuntiContorno);
    const QPoint p = b.contesto.PuntiContorno[10];
    EXPECT_EQ(s.Dati(10).x, p.x());
    EXPECT_EQ(s.Dati(10).y, p.y());
    // The walk's bound is 600 / N.
    EXPECT_DOUBLE_EQ(s.DerivaX(), 3.0);
}

TEST(Intro7, SparksAreFoundInTheProgramFolderWhateverTheCurrentFolder) {
    BancoIntro b(7);
    b.imp.Testo1 = QStringLiteral("O");
    b.imp.FontSize = 300;
    const QString prima = QDir::currentPath();
    QDir::setCurrent(b.casa.Percorso());
    b.Frame(0, true);
    // State 4: text and sparks fading in.
    const QImage conScintille = b.Frame(60, true);
    b.contesto.Effetti.EmettitoreScintille().Spegni();
    const QImage senza = b.Frame(60, true);
    QDir::setCurrent(prima);
    EXPECT_GT(PixelDiversi(conScintille, senza, QRect(560, 240, 800, 600), 20), 500);
}

TEST(Intro7, EmptyStatesDrawNothingOfTheirOwn) {
    BancoIntro b(7);
    b.Frame(0, true);
    const QImage vuoto = [&] {
        BancoIntro sfondo(7);
        sfondo.imp.Testo1.clear();
        return sfondo.Frame(3, true);
    }();
    // State 1 at the start, state 7 at t = 70 of a 90-frame intro.
    EXPECT_EQ(PixelDiversi(b.Frame(3, true), vuoto, QRect(400, 300, 1120, 480)), 0);
    EXPECT_EQ(PixelDiversi(b.Frame(70, true, 90), vuoto, QRect(400, 300, 1120, 480)), 0);
    // The preview shows the whole text.
    EXPECT_GT(PixelDiversi(b.Frame(0, false), vuoto, QRect(400, 300, 1120, 480)), 500);
}

}  // namespace
