// Intro 8 drawn: the light bar and the last frame.
#include "AiutoIntro.h"

#include "render/GeometriaIntro.h"

#include <gtest/gtest.h>

namespace {

TEST(Intro8, PreviewShowsTheStackWithAWhiteBar) {
    BancoIntro b(8);
    const QImage f = b.Frame(0, false);
    std::array<int, 4> w{}, h{};
    for (size_t k = 0; k < 4; ++k) {
        w[k] = b.contesto.GeometriaOggetti[k].Larghezza;
        h[k] = b.contesto.GeometriaOggetti[k].Altezza;
    }
    const LayoutIntro8 l = CalcolaLayoutIntro8(w, h, b.imp.Interlinea);
    EXPECT_EQ(f.pixel(5, l.Barra), qRgb(255, 255, 255));
    EXPECT_EQ(f.pixel(1915, l.Barra - 4), qRgb(255, 255, 255));
    EXPECT_NE(f.pixel(5, l.Barra + 5), qRgb(255, 255, 255));
}

TEST(Intro8, LastFrameShowsNothingOfItsOwn) {
    BancoIntro b(8);
    const QImage ultimo = b.Frame(199, true);
    BancoIntro vuoto(8);
    vuoto.imp.Testo1.clear();
    vuoto.imp.Testo2.clear();
    vuoto.imp.Testo3.clear();
    const QImage sfondo = vuoto.Frame(199, true);
    EXPECT_EQ(PixelDiversi(ultimo, sfondo, QRect(0, 0, 1920, 1080)), 0);
    // In the middle the objects are there.
    EXPECT_GT(PixelDiversi(b.Frame(150, true), sfondo, QRect(0, 0, 1920, 1080)), 1000);
}

}  // namespace
