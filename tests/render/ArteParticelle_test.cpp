// The shipped smoke and fire sprites, drawn the way the renderer draws them.
#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "project/TabellaImmagini.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace {

QImage Sprite(int slot) {
    return QImage(PercorsoPredefinitoImmagine(slot, QCoreApplication::applicationDirPath()))
        .convertToFormat(QImage::Format_ARGB32);
}

// Intro 6 puffs 20 smokes a frame at the laser's point, each drawn at up to 1/15 of its
// alpha. A plume of them must rise from the point without burying it (and the flash) in white.
TEST(ArteFumo, APlumeOfPuffsLeavesTheLaserPointVisible) {
    const QRgb fondo = qRgb(40, 40, 40);
    QImage tela(600, 600, QImage::Format_ARGB32_Premultiplied);
    tela.fill(fondo);
    const QPointF punto(300, 450);
    {
        QPainter p(&tela);
        for (int eta = 9; eta >= 0; --eta)
            for (int k = 0; k < 20; ++k) {
                const QImage fumo = Sprite(25 + k % 3);
                ASSERT_FALSE(fumo.isNull());
                // Younger puffs near the point, older ones risen above it.
                const QPointF centro = punto + QPointF((k % 5 - 2) * 3, -eta * 9.0);
                DisegnaConMatrice(p, QRectF(centro - QPointF(fumo.width() / 2.0, fumo.height() / 2.0), fumo.size()),
                                  fumo, fumo.rect(), MatriceColore::Alfa((1.0f - eta / 30.0f) / 15.0f));
            }
    }
    const auto chiarezza = [&](QPointF q) { return qGreen(tela.pixel(q.toPoint())) - qGreen(fondo); };
    EXPECT_LE(chiarezza(punto), 30);
    EXPECT_LE(chiarezza(punto + QPointF(0, -6)), 45);
    // The plume itself shows above the point.
    int massimo = 0;
    for (int y = 200; y < 430; y += 4) massimo = std::max(massimo, chiarezza(QPointF(300, y)));
    EXPECT_GT(massimo, 25);
}

// Each smoke puff is mostly transparent: thin strands, dense only where they cross.
TEST(ArteFumo, PuffsAreMostlyTransparent) {
    for (int slot = 25; slot <= 27; ++slot) {
        const QImage fumo = Sprite(slot);
        ASSERT_FALSE(fumo.isNull()) << slot;
        long long somma = 0;
        int pieni = 0;
        for (int y = 0; y < fumo.height(); ++y)
            for (int x = 0; x < fumo.width(); ++x) {
                somma += qAlpha(fumo.pixel(x, y));
                if (qAlpha(fumo.pixel(x, y)) > 128) ++pieni;
            }
        EXPECT_LT(static_cast<double>(somma) / (fumo.width() * fumo.height()), 12.0) << slot;
        EXPECT_LT(pieni, fumo.width() * fumo.height() / 40) << slot;
    }
}

// The fire layer strips the blue and halves the alpha: a flame needs an opaque body of
// saturated red-orange with a clear edge to read as one; soft blobs fading out over their
// whole radius read as grey-orange smudges.
TEST(ArteFuoco, FlamesHaveAnOpaqueSaturatedBody) {
    for (int slot = 15; slot <= 19; ++slot) {
        const QImage fiamma = Sprite(slot);
        ASSERT_FALSE(fiamma.isNull()) << slot;
        int visibili = 0, corpo = 0, saturi = 0;
        for (int y = 0; y < fiamma.height(); ++y)
            for (int x = 0; x < fiamma.width(); ++x) {
                const QRgb p = fiamma.pixel(x, y);
                if (qAlpha(p) >= 24) ++visibili;
                if (qAlpha(p) < 230) continue;
                ++corpo;
                if (qRed(p) >= 220 && qGreen(p) <= 190 && qRed(p) - qGreen(p) >= 60) ++saturi;
            }
        EXPECT_GT(corpo, visibili / 2) << slot << ": " << corpo << " of " << visibili;
        EXPECT_GT(saturi, corpo * 9 / 10) << slot;
    }
}

}  // namespace
