#include "platform/Immagini.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

QImage Campione() {
    QImage img(200, 100, QImage::Format_ARGB32);
    img.fill(QColor(255, 0, 0));
    QPainter p(&img);
    p.fillRect(0, 0, 100, 100, QColor(0, 0, 255));  // blue left half, red right half
    return img;
}

TEST(Immagini, EncodersByMimeType) {
    QByteArray formato;
    EXPECT_GE(TrovaEncoder("image/png", formato), 0);
    EXPECT_EQ(formato, "png");
    EXPECT_GE(TrovaEncoder("image/bmp", formato), 0);
    EXPECT_EQ(formato, "bmp");
    formato = "kept";
    EXPECT_EQ(TrovaEncoder("image/none", formato), -1);
    EXPECT_EQ(formato, "kept");
}

TEST(Immagini, QuarterTurnKeepsSizeCutsAndLeavesTransparentStrips) {
    const QImage r = RuotaImmagine(Campione(), 90);
    ASSERT_EQ(r.size(), QSize(200, 100));
    EXPECT_EQ(qAlpha(r.pixel(10, 50)), 0);    // strip left of the turned picture
    EXPECT_EQ(qAlpha(r.pixel(190, 50)), 0);   // and right of it
    EXPECT_EQ(qAlpha(r.pixel(100, 50)), 255);
    // Turned clockwise, the blue left half is now on top: rows 0..49 of the result
    // come from the cut-off top, so the visible middle is blue above, red below.
    EXPECT_EQ(QColor(r.pixel(100, 10)).blue(), 255);
    EXPECT_EQ(QColor(r.pixel(100, 90)).red(), 255);
}

TEST(Immagini, FullTurnsAddNothingAndFilesRoundTrip) {
    const QImage base = Campione();
    EXPECT_EQ(RuotaImmagine(base, 370), RuotaImmagine(base, 10));
    CasaTemporanea casa;
    ASSERT_TRUE(base.save(casa.Sotto("s.png")));
    ASSERT_TRUE(RuotaImmagine(casa.Sotto("s.png"), casa.Sotto("r.png"), 0));
    QImage letta(casa.Sotto("r.png"));
    EXPECT_EQ(letta.convertToFormat(QImage::Format_ARGB32), base);
    EXPECT_FALSE(RuotaImmagine(casa.Sotto("none.png"), casa.Sotto("x.png"), 0));
    EXPECT_FALSE(QFile::exists(casa.Sotto("x.png")));
}

}  // namespace
