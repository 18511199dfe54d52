// The shipped smoke and fire sprites, drawn the way the renderer draws them.
#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "project/TabellaImmagini.h"
#include "render/Casuale.h"
#include "render/ParticleSystem.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

QImage Sprite(int slot) {
    return QImage(PercorsoPredefinitoImmagine(slot, QCoreApplication::applicationDirPath()))
        .convertToFormat(QImage::Format_ARGB32);
}

// The largest step of alpha between two neighbouring pixels: a crisp antialiased outline steps
// by well over a hundred, a soft edge fades over several pixels.
constexpr int MorbidezzaMinima = 48;

// The largest step of alpha between two neighbouring pixels.
int SaltoMassimo(const QImage& img) {
    int salto = 0;
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x) {
            const int a = qAlpha(img.pixel(x, y));
            salto = std::max({salto, std::abs(a - qAlpha(img.pixel(x + 1, y))), std::abs(a - qAlpha(img.pixel(x, y + 1)))});
        }
    return salto;
}

// The most opaque pixel outside the inscribed circle: the layers turn the sprites at their own
// size, so anything there would be cut at some angles.
int FuoriDalCerchio(const QImage& img) {
    const double r = img.width() / 2.0 - 1;
    int massimo = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (std::hypot(x + 0.5 - img.width() / 2.0, y + 0.5 - img.height() / 2.0) > r)
                massimo = std::max(massimo, qAlpha(img.pixel(x, y)));
    return massimo;
}

// Intro 6 puffs smoke at the laser's edge, 20 a frame along the ink it crosses, each drawn at
// up to 1/15 of its alpha, rising and drifting left over the text just engraved. The plume
// must leave that text and the flash at the edge visible.
TEST(ArteFumo, TheLaserPlumeLeavesTheEngravedTextAndTheFlashVisible) {
    const QRgb fondo = qRgb(40, 40, 40);
    QImage tela(1200, 700, QImage::Format_ARGB32_Premultiplied);
    tela.fill(fondo);
    std::array<QImage, 3> fumi;
    for (int k = 0; k < 3; ++k) {
        fumi[static_cast<size_t>(k)] = Sprite(25 + k);
        ASSERT_FALSE(fumi[static_cast<size_t>(k)].isNull());
    }
    ParticleSystem fumo;
    fumo.ImpostaModo(3);
    fumo.Inizializza(700, {}, 0, 0, -500, -500, -500, -500, 30, 100, 4);
    fumo.Spegni();
    FissaSemeCasuale(11);
    // The edge moves 6 px a frame across a text band 120 px high.
    constexpr int alto = 380, basso = 500;
    int bordo = 300;
    for (int frame = 0; frame < 60; ++frame, bordo += 6) {
        for (int k = 0; k < 10; ++k) fumo.Emetti(bordo, basso - k * 12);
        fumo.AggiornaFumo();
    }
    bordo -= 6;
    {
        QPainter p(&tela);
        for (int i = 0; i <= fumo.UltimaAttiva(); ++i) {
            LetturaParticella q;
            if (!fumo.LeggiParticella(i, q) || q.variant < 1 || q.variant > 3) continue;
            const QImage& f = fumi[static_cast<size_t>(q.variant - 1)];
            DisegnaConMatrice(p, QRectF(q.x - f.width() / 2, q.y - f.height() / 2, f.width(), f.height()), f, f.rect(),
                              MatriceColore::Alfa((1.0f - static_cast<float>(q.age) / q.life) / 15.0f));
        }
    }
    LiberaSemeCasuale();
    const auto chiarezza = [&](int x, int y) { return qGreen(tela.pixel(x, y)) - qGreen(fondo); };
    int lampo = 0;
    for (int y = alto; y <= basso; y += 4) lampo = std::max(lampo, chiarezza(bordo, y));
    double testo = 0;
    int n = 0;
    for (int y = alto; y <= basso; y += 4)
        for (int x = bordo - 200; x < bordo - 20; x += 4, ++n) testo += chiarezza(x, y);
    testo /= n;
    // On this grey of 40 the white of a buried point would lift it by 180 or more.
    EXPECT_LE(lampo, 130) << "the flash at the edge is buried";
    EXPECT_LE(testo, 50) << "the engraved text is buried";
    // The plume itself shows above the edge.
    int sopra = 0;
    for (int y = 100; y < alto; y += 4) sopra = std::max(sopra, chiarezza(bordo, y));
    EXPECT_GT(sopra, 25);
}

// A smoke puff is a soft grey cloud with a body: the particle layer draws it at little more
// than a third of its alpha, so thin wisps would go unseen. It turns without being cut.
TEST(ArteFumo, PuffsAreSoftGreyCloudsWithABody) {
    for (int slot = 25; slot <= 27; ++slot) {
        const QImage fumo = Sprite(slot);
        ASSERT_FALSE(fumo.isNull()) << slot;
        int corpo = 0, colorati = 0;
        for (int y = 0; y < fumo.height(); ++y)
            for (int x = 0; x < fumo.width(); ++x) {
                const QRgb p = fumo.pixel(x, y);
                if (qAlpha(p) >= 100) ++corpo;
                if (qAlpha(p) > 0 && (std::abs(qRed(p) - qGreen(p)) > 8 || std::abs(qBlue(p) - qGreen(p)) > 8)) ++colorati;
            }
        EXPECT_GT(corpo, fumo.width() * fumo.height() / 20) << slot;
        EXPECT_EQ(colorati, 0) << slot;
        EXPECT_LE(SaltoMassimo(fumo), MorbidezzaMinima) << slot;
        EXPECT_LE(FuoriDalCerchio(fumo), 2) << slot;
    }
}

// The fire layer strips the blue and draws at half opacity or less. A yellow laid that thin is
// olive over black and green over cyan, so every visible pixel of a flame is red-orange.
TEST(ArteFuoco, FlamesStayRedOrangeUnderTheLayersTint) {
    for (int slot = 15; slot <= 19; ++slot) {
        const QImage fiamma = Sprite(slot);
        ASSERT_FALSE(fiamma.isNull()) << slot;
        int gialli = 0, visibili = 0;
        for (int y = 0; y < fiamma.height(); ++y)
            for (int x = 0; x < fiamma.width(); ++x) {
                const QRgb p = fiamma.pixel(x, y);
                if (qAlpha(p) < 16) continue;
                ++visibili;
                if (qRed(p) < 150 || qGreen(p) * 2 > qRed(p)) ++gialli;
            }
        EXPECT_GT(visibili, 3000) << slot;
        EXPECT_EQ(gialli, 0) << slot;
    }
}

// A flame has no outline, is solid and hottest at its core, and its core lies near the
// sprite's centre, so the layer's sway turns the flame about it and cuts nothing.
TEST(ArteFuoco, FlamesAreSoftAndHottestAtACentredCore) {
    for (int slot = 15; slot <= 19; ++slot) {
        const QImage fiamma = Sprite(slot);
        ASSERT_FALSE(fiamma.isNull()) << slot;
        double nucleoX = 0, nucleoY = 0, verdeNucleo = 0, verdeCorpo = 0;
        int nucleo = 0, corpo = 0;
        for (int y = 0; y < fiamma.height(); ++y)
            for (int x = 0; x < fiamma.width(); ++x) {
                const QRgb p = fiamma.pixel(x, y);
                if (qAlpha(p) >= 250) {
                    ++nucleo;
                    nucleoX += x;
                    nucleoY += y;
                    verdeNucleo += qGreen(p);
                } else if (qAlpha(p) >= 40 && qAlpha(p) < 150) {
                    ++corpo;
                    verdeCorpo += qGreen(p);
                }
            }
        ASSERT_GT(nucleo, 200) << slot;
        ASSERT_GT(corpo, 0) << slot;
        EXPECT_GT(verdeNucleo / nucleo, verdeCorpo / corpo + 15) << slot << ": the core is the hottest";
        EXPECT_LT(std::hypot(nucleoX / nucleo - 128, nucleoY / nucleo - 128), 48) << slot;
        EXPECT_LE(SaltoMassimo(fiamma), MorbidezzaMinima) << slot;
        EXPECT_LE(FuoriDalCerchio(fiamma), 2) << slot;
    }
}

}  // namespace
