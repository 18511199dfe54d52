#include "platform/Jpeg.h"

#include "common/CasaTemporanea.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

TEST(Jpeg, WritesBaselineRgbOfTheImageSize) {
    CasaTemporanea casa;
    QImage img(64, 48, QImage::Format_ARGB32);
    img.fill(QColor(200, 40, 10));
    const QString percorso = casa.Sotto("f.jpg");
    QString errore;
    ASSERT_TRUE(ScriviJpeg(img, percorso, 90, &errore)) << errore.toStdString();
    InfoJpeg info;
    ASSERT_TRUE(LeggiInfoJpeg(percorso, info));
    EXPECT_EQ(info.Larghezza, 64);
    EXPECT_EQ(info.Altezza, 48);
    EXPECT_EQ(info.Componenti, 3);
    EXPECT_FALSE(info.Progressivo);
    const QImage letta = LeggiJpeg(percorso);
    ASSERT_EQ(letta.size(), img.size());
    const QColor c = letta.pixelColor(32, 24);
    EXPECT_NEAR(c.red(), 200, 4);
    EXPECT_NEAR(c.green(), 40, 4);
    EXPECT_NEAR(c.blue(), 10, 4);
}

TEST(Jpeg, ErrorsReturnInsteadOfEndingTheProcess) {
    CasaTemporanea casa;
    QString errore;
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::white);
    EXPECT_FALSE(ScriviJpeg(img, casa.Sotto("gone/f.jpg"), 90, &errore));
    EXPECT_FALSE(errore.isEmpty());

    const QString rotto = casa.Sotto("rotto.jpg");
    QFile f(rotto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE0 not really a jpeg");
    f.close();
    errore.clear();
    EXPECT_TRUE(LeggiJpeg(rotto, &errore).isNull());
    EXPECT_FALSE(errore.isEmpty());
}

}  // namespace
