#include "render/CacheSprite.h"

#include "common/CasaTemporanea.h"
#include "platform/Grafica.h"
#include "platform/Immagini.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

namespace {

QImage Tinta(QColor colore, int w = 40, int h = 30) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(colore);
    QPainter p(&img);
    p.fillRect(0, 0, w / 2, h, Qt::transparent);
    return img;
}

TEST(CacheSprite, AChangedOrVanishedFileIsNeverServedStale) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("sprite.png");
    CacheSprite cache;
    EXPECT_TRUE(cache.Immagine(percorso).isNull());
    EXPECT_TRUE(cache.Ruotata(percorso, 30).isNull());

    ASSERT_TRUE(Tinta(Qt::red).save(percorso));
    EXPECT_EQ(QColor(cache.Immagine(percorso).pixel(30, 10)), QColor(Qt::red));
    EXPECT_FALSE(cache.Ruotata(percorso, 0).isNull());

    // Rewritten with other content and size: the new picture, rotated copies included.
    ASSERT_TRUE(Tinta(Qt::green, 60, 30).save(percorso));
    EXPECT_EQ(cache.Immagine(percorso).width(), 60);
    EXPECT_EQ(QColor(cache.Ruotata(percorso, 0).pixel(50, 10)).green(), 255);

    ASSERT_TRUE(QFile::remove(percorso));
    EXPECT_TRUE(cache.Immagine(percorso).isNull());
    EXPECT_TRUE(cache.Ruotata(percorso, 0).isNull());

    QFile rotto(percorso);
    ASSERT_TRUE(rotto.open(QIODevice::WriteOnly));
    rotto.write("not a picture");
    rotto.close();
    EXPECT_TRUE(cache.Ruotata(percorso, 0).isNull());
}

TEST(CacheSprite, TurnedCopiesMatchTheFileRotation) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("sprite.png");
    ASSERT_TRUE(Tinta(QColor(10, 200, 90, 180), 41, 27).save(percorso));
    CacheSprite cache;
    for (int angolo : {0, 17, -90, 365}) {
        const QString ruotato = casa.Sotto(QStringLiteral("Ruota%1.png").arg(angolo));
        ASSERT_TRUE(RuotaImmagine(percorso, ruotato, angolo));
        const QImage daFile = QImage(ruotato).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(ConvertiFormato(cache.Ruotata(percorso, angolo), QImage::Format_ARGB32), daFile) << angolo;
    }
    const QImage senzaBlu = cache.RuotataSenzaBlu(percorso, 0);
    for (int y = 0; y < senzaBlu.height(); ++y)
        for (int x = 0; x < senzaBlu.width(); ++x) ASSERT_EQ(qBlue(senzaBlu.pixel(x, y)), 0);
    EXPECT_GT(qGreen(senzaBlu.pixel(35, 10)), 100);
}

}  // namespace
