#include "render/Intro01.h"

#include "render/HostFinto.h"
#include "render/Intro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

DatiIntro1 Quattro(int tipo, float t, float N, bool anima) {
    DatiIntro1 d;
    d.Tipo = tipo;
    d.t = t;
    d.N = N;
    d.Anima = anima;
    d.Interlinea = 10;
    d.Larghezza = {400, 300, 200, 100};
    d.Altezza = {100, 100, 100, 100};
    return d;
}

TEST(LayoutIntro1, BloccoEInterlinea) {
    LayoutIntro1 l = CalcolaLayoutIntro1(Quattro(1, 0, 200, false));
    EXPECT_EQ(l.B, 430);
    EXPECT_EQ(l.Alto, 325);
    EXPECT_EQ(l.Righe[0].y, 325);
    EXPECT_EQ(l.Righe[1].y, 435);
    EXPECT_EQ(l.Righe[2].y, 545);
    EXPECT_EQ(l.Righe[0].x, (1920 - 400) / 2);

    // An empty line 2: the block counts one spacing, line 3's offset two.
    DatiIntro1 d = Quattro(1, 0, 200, false);
    d.Larghezza = {400, 0, 200, 0};
    d.Altezza = {100, 0, 100, 0};
    l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(l.B, 210);
    EXPECT_EQ(l.Righe[2].y - l.Righe[0].y, 100 + 10 + 0 + 10);

    struct Caso {
        bool alto, centro, basso;
        int atteso;
    } casi[] = {{true, false, false, 20}, {false, true, false, 325}, {false, false, true, 1080 - 430 - 20},
                {false, false, false, 0}};
    for (const Caso& c : casi) {
        d = Quattro(1, 0, 200, false);
        d.AlignVAlto = c.alto;
        d.AlignVCentro = c.centro;
        d.AlignVBasso = c.basso;
        EXPECT_EQ(CalcolaLayoutIntro1(d).Alto, c.atteso);
    }

    d = Quattro(1, 0, 200, false);
    d.Allineamento = {1, 2, 3, 0};
    l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(l.Righe[0].x, 20);
    EXPECT_EQ(l.Righe[1].x, (1920 - 300) / 2);
    EXPECT_EQ(l.Righe[2].x, 1920 - 200 - 20);
    EXPECT_EQ(l.Righe[3].x, l.Righe[2].x);  // no button: the x the line before left
}

TEST(LayoutIntro1, Tipo2EntraSostaEdEsce) {
    const int A = 400;
    EXPECT_EQ(CalcolaLayoutIntro1(Quattro(2, 0, 200, true)).Righe[0].x, 1920 + (A - 400) / 2);
    const LayoutIntro1 sosta = CalcolaLayoutIntro1(Quattro(2, 100, 200, true));
    EXPECT_EQ(sosta.Righe[0].x, CalcolaLayoutIntro1(Quattro(2, 50, 200, true)).Righe[0].x);
    EXPECT_EQ(sosta.Righe[0].x, CalcolaLayoutIntro1(Quattro(2, 150, 200, true)).Righe[0].x);
    EXPECT_EQ(sosta.Righe[0].x, CalcolaLayoutIntro1(Quattro(2, 0, 200, false)).Righe[0].x);  // the preview
    EXPECT_NEAR(sosta.Righe[0].x + 200, 960, 15);  // the block stands near the centre
    const LayoutIntro1 fine = CalcolaLayoutIntro1(Quattro(2, 199, 200, true));
    for (int j = 0; j < 4; ++j) EXPECT_LE(fine.Righe[j].x + 400 - 100 * j, 0) << j;  // gone to the left
}

TEST(LayoutIntro1, Tipo3UnaRigaSola) {
    const LayoutIntro1 l = CalcolaLayoutIntro1(Quattro(3, 0, 200, true));
    EXPECT_EQ(l.B, 100);
    EXPECT_EQ(l.A, 1000);
    EXPECT_EQ(l.Righe[0].x, 1920);
    EXPECT_EQ(l.Righe[1].x, 2320);
    EXPECT_EQ(l.Righe[3].x, 2820);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(l.Righe[j].y, l.Alto);
}

TEST(LayoutIntro1, Tipi4E5DalBassoInAlto) {
    EXPECT_EQ(CalcolaLayoutIntro1(Quattro(4, 0, 200, true)).Righe[0].y, 1080);
    EXPECT_EQ(CalcolaLayoutIntro1(Quattro(4, 0, 200, false)).Righe[0].y, 325);
    EXPECT_LE(CalcolaLayoutIntro1(Quattro(4, 198, 200, true)).Righe[3].y + 100, 0);
    // Kind 5 meets the aligned place at N/4 and leaves it from 3N/4 (speeds count N - 2).
    EXPECT_NEAR(CalcolaLayoutIntro1(Quattro(5, 50, 200, true)).Righe[0].y, 325, 10);
    EXPECT_EQ(CalcolaLayoutIntro1(Quattro(5, 100, 200, true)).Righe[0].y, 325);
    EXPECT_NEAR(CalcolaLayoutIntro1(Quattro(5, 150, 200, true)).Righe[0].y, 325, 10);
}

TEST(LayoutIntro1, Dissolvenze) {
    struct Caso {
        int tipo;
        float t;
        int riga;
        float alfa;
    } casi[] = {
        {6, 20, 0, 0.0f},    {6, 50, 0, 0.5f},
        {6, 100, 3, 1.0f},   {6, 170, 1, 0.0f},
        // Three lines, N = 200: s = 33
        {7, 32, 1, 0.0f},    {7, 49.5f, 1, 0.5f}, {7, 66, 1, 1.0f}, {7, 100, 2, 1.0f},
        {7, 182, 0, 0.5f},   {7, 199, 0, 0.0f},   {7, 199, 2, 0.0f},
    };
    for (const Caso& c : casi) {
        DatiIntro1 d = Quattro(c.tipo, c.t, 200, true);
        if (c.tipo == 7) d.Larghezza = {400, 300, 200, 0};
        EXPECT_NEAR(CalcolaLayoutIntro1(d).Righe[c.riga].Alfa, c.alfa, 0.02) << c.tipo << " t=" << c.t;
    }
    // Four lines: line 4 fades in over [3s, 4s].
    const float s = 198.0f / 7;
    EXPECT_NEAR(CalcolaLayoutIntro1(Quattro(7, 3.5f * s, 200, true)).Righe[3].Alfa, 0.5f, 0.02);
    // Kind 8 also scales by the alpha until 3N/4.
    EXPECT_TRUE(CalcolaLayoutIntro1(Quattro(8, 100, 200, true)).Scala);
    EXPECT_FALSE(CalcolaLayoutIntro1(Quattro(8, 150, 200, true)).Scala);
    EXPECT_FALSE(CalcolaLayoutIntro1(Quattro(8, 100, 200, false)).Scala);
}

TEST(LayoutIntro1, Tipo9Zoom) {
    struct Caso {
        float t;
        float alfa;
    } casi[] = {{10, 0}, {30, 0.5f}, {100, 1}, {170, 0.5f}, {190, 0}};
    for (const Caso& c : casi)
        EXPECT_NEAR(CalcolaLayoutIntro1(Quattro(9, c.t, 200, true)).AlfaComposizione, c.alfa, 1e-4) << c.t;
    DatiIntro1 d = Quattro(9, 30, 200, true);
    LayoutIntro1 l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(QRect(l.ZoomX, l.ZoomY, l.ZoomL, l.ZoomA), QRect(-30, -30, 1980, 1140));
    d.ZoomIn = true;
    l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(QRect(l.ZoomX, l.ZoomY, l.ZoomL, l.ZoomA), QRect(30, 30, 1860, 1020));
}

TEST(LayoutIntro1, Tipo10ScorreSoloConTreRighe) {
    DatiIntro1 d = Quattro(10, 0, 200, true);
    d.Larghezza = {400, 300, 200, 0};
    d.Allineamento = {1, 1, 1, 1};
    LayoutIntro1 l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(l.Righe[0].x, -400);
    EXPECT_EQ(l.Righe[1].x, (1920 - 300) / 2);  // centred whatever the buttons say
    EXPECT_EQ(l.Righe[2].x, 1920);
    d.t = 66;
    l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(l.Righe[0].x, (1920 - 400) / 2);
    EXPECT_EQ(l.Righe[2].x, (1920 - 200) / 2);

    d.Larghezza = {400, 300, 0, 0};
    d.t = 10;
    l = CalcolaLayoutIntro1(d);
    EXPECT_EQ(l.Righe[0].x, 20);
    EXPECT_EQ(l.Righe[0].Alfa, 1.0f);
    d.t = 199;
    EXPECT_EQ(CalcolaLayoutIntro1(d).Righe[1].Alfa, 1.0f);
}

TEST(LayoutIntro1, Tipo11Battitura) {
    LayoutIntro1 l = CalcolaLayoutIntro1(Quattro(11, 0, 200, false));
    for (const PostoLayer& r : l.Righe) {
        EXPECT_TRUE(r.Visibile);
        EXPECT_EQ(r.Colonne, -1);
    }
    // A = 1000 pixels typed over 99 frames.
    l = CalcolaLayoutIntro1(Quattro(11, 49.5f, 200, true));
    EXPECT_EQ(l.Righe[0].Colonne, 400);
    EXPECT_EQ(l.Righe[1].Colonne, 100);
    EXPECT_EQ(l.Righe[2].Colonne, 0);
    EXPECT_FALSE(l.Righe[3].Visibile);
    EXPECT_EQ(CalcolaLayoutIntro1(Quattro(11, 199, 200, true)).Righe[0].Alfa, 0.0f);
}

// Short runs must never divide by zero into NaN or infinity.
TEST(LayoutIntro1, DurateBrevissimeRestanoFinite) {
    for (float N : {0.0f, 1.0f, 2.0f, 3.0f, 9.0f}) {
        for (int tipo = 1; tipo <= 11; ++tipo) {
            for (float t = 0; t <= std::max(0.0f, N - 1); t += 1) {
                for (bool anima : {true, false}) {
                    DatiIntro1 d = Quattro(tipo, t, N, anima);
                    if (tipo == 10) d.Larghezza = {400, 300, 200, 0};
                    const LayoutIntro1 l = CalcolaLayoutIntro1(d);
                    EXPECT_TRUE(std::isfinite(l.AlfaComposizione));
                    for (const PostoLayer& r : l.Righe) {
                        EXPECT_TRUE(std::isfinite(r.Alfa)) << tipo << " N=" << N << " t=" << t;
                        EXPECT_LT(std::abs(r.x), 100000) << tipo << " N=" << N << " t=" << t;
                        EXPECT_LT(std::abs(r.y), 100000) << tipo << " N=" << N << " t=" << t;
                    }
                }
            }
        }
    }
}

// A probe of the text's place: frame pixels that differ from the plain background.
int PixelDiTesto(const QImage& frame, QRgb sfondo) {
    int n = 0;
    for (int y = 0; y < frame.height(); y += 4)
        for (int x = 0; x < frame.width(); x += 4)
            if (frame.pixel(x, y) != sfondo) ++n;
    return n;
}

TEST(DisegnaIntro1, IlPrimoFrameDellAnimazioneMostraTestoSoloColTipoFisso) {
    BancoRendering b;
    b.imp.SfondoColori = {0x303030, 0x303030};
    const QRgb sfondo = qRgb(0x30, 0x30, 0x30);
    b.host.Anima = true;
    b.imp.Intro1Lista = 2;
    DisegnaIntro1(b.contesto);
    EXPECT_EQ(PixelDiTesto(b.contesto.CanvasFrame, sfondo), 0);
    b.imp.Intro1Lista = 1;
    DisegnaIntro1(b.contesto);
    EXPECT_GT(PixelDiTesto(b.contesto.CanvasFrame, sfondo), 100);
    // Preview of kind 2: the text is shown.
    b.host.Anima = false;
    b.imp.Intro1Lista = 2;
    DisegnaIntro1(b.contesto);
    EXPECT_GT(PixelDiTesto(b.contesto.CanvasFrame, sfondo), 100);
}

TEST(DisegnaIntro1, IlTestoHaIlColoreDelloStile) {
    BancoRendering b;
    b.imp.SfondoColori = {0x000000, 0x000000};
    b.imp.FontColore = {0x00FF00, 0x00FF00};  // green fill
    b.imp.FontOutline1Check = false;
    b.imp.FontSize = 200;
    b.imp.Testo1 = QStringLiteral("I");
    b.imp.Testo2.clear();
    b.imp.Testo3.clear();
    DisegnaIntro1(b.contesto);
    const GeometriaRiga& g = b.contesto.GeometriaOggetti[0];
    ASSERT_GT(g.Larghezza, 0);
    // The centre of the "I": centred across, in the middle of the block.
    const QRgb centro = b.contesto.CanvasFrame.pixel(960, 540);
    EXPECT_EQ(centro, qRgb(0, 255, 0));
}

TEST(DisegnaIntro1, EnfatizzareAffilaIlTesto) {
    BancoRendering b;
    b.imp.SfondoColori = {0x000000, 0x000000};
    b.imp.FontColore = {0x808080, 0x808080};
    b.imp.FontOutline1Check = false;
    b.imp.FontSize = 200;
    b.imp.Testo1 = QStringLiteral("I");
    b.imp.Testo2.clear();
    b.imp.Testo3.clear();
    DisegnaIntro1(b.contesto);
    const QImage piano = b.contesto.CanvasFrame.copy();
    b.imp.Enfatizzare = true;
    DisegnaIntro1(b.contesto);
    const QImage affilato = b.contesto.CanvasFrame;
    EXPECT_NE(piano, affilato);
    // Inside the stroke the sharpened copy (8/9 of 128, alpha 226) lies over the text: the
    // grey stays close; the background far away is untouched.
    EXPECT_NEAR(qRed(affilato.pixel(960, 540)), 128, 16);
    EXPECT_EQ(affilato.pixel(100, 100), piano.pixel(100, 100));
}

// The zoom composes its text at frames 0 and 1; the sharpened copy of that composition takes
// the text's alpha, so a text still hidden at frame 1 is not flashed by it.
TEST(DisegnaIntro1, LoZoomAffilatoNonLampeggiaAlSecondoFrame) {
    BancoRendering b;
    b.imp.SfondoColori = {0x303030, 0x303030};
    b.imp.Intro1Lista = 9;
    b.imp.Enfatizzare = true;
    b.host.Anima = true;
    std::vector<QImage> frame;
    for (float t : {0.0f, 1.0f, 2.0f, 30.0f}) {
        b.contesto.FrameCorrente = t;
        DisegnaIntro1(b.contesto);
        frame.push_back(b.contesto.CanvasFrame.copy());
    }
    const QRgb sfondo = qRgb(0x30, 0x30, 0x30);
    EXPECT_EQ(frame[1], frame[2]);
    EXPECT_EQ(PixelDiTesto(frame[1], sfondo), 0);
    // Faded in by frame 30 (K = 20 of 200), and sharpened: the preview is too.
    EXPECT_GT(PixelDiTesto(frame[3], sfondo), 100);
    b.host.Anima = false;
    b.contesto.FrameCorrente = 0;
    DisegnaIntro1(b.contesto);
    const QImage affilata = b.contesto.CanvasFrame.copy();
    b.imp.Enfatizzare = false;
    DisegnaIntro1(b.contesto);
    EXPECT_NE(affilata, b.contesto.CanvasFrame);
}

TEST(DisegnaIntro10, DisegnaComeLIntro1) {
    BancoRendering a, b;
    a.imp.IntroLista = 1;
    b.imp.IntroLista = 10;
    DisegnaIntro1(a.contesto);
    DisegnaIntro10(b.contesto);
    EXPECT_EQ(a.contesto.GeometriaOggetti[0].Larghezza, b.contesto.GeometriaOggetti[0].Larghezza);
    EXPECT_EQ(a.host.Caption, b.host.Caption);
}

}  // namespace
