#include "render/SalvaFrame.h"

#include "platform/Jpeg.h"
#include "render/HostFinto.h"
#include "render/Intro.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

TEST(SalvaFrame, NomiENumeriDeiFile) {
    struct Caso {
        long long numero;
        bool jpg;
        const char* atteso;
    } casi[] = {
        {1, true, "/out/Video/Frames/Image_0001.jpg"},
        {200, false, "/out/Video/Frames/Image_0200.bmp"},
        {9999, true, "/out/Video/Frames/Image_9999.jpg"},
        {12345, true, "/out/Video/Frames/Image_12345.jpg"},
    };
    for (const Caso& c : casi) EXPECT_EQ(NomeFileFrame(QStringLiteral("/out"), c.numero, c.jpg), QString::fromLatin1(c.atteso));

    EXPECT_EQ(NumeroFileFrame(1, 0, 200), 1);
    EXPECT_EQ(NumeroFileFrame(10, 199, 200), 200);
    EXPECT_EQ(NumeroFileFrame(7, 0, 200), 200);  // intro 7 is drawn backwards
    EXPECT_EQ(NumeroFileFrame(7, 199, 200), 1);
    EXPECT_EQ(NumeroFileFrame(7, 0, 0), 1);  // a run of 0 frames still writes file 1
}

TEST(SalvaFrame, DimensioniDiAnteprimaEUscita) {
    EXPECT_EQ(DimensioneAnteprima(1024), QSize(1120, 635));
    EXPECT_EQ(DimensioneAnteprima(389), QSize());
    EXPECT_EQ(DimensioneOutput(1), QSize(1280, 720));
    EXPECT_EQ(DimensioneOutput(2), QSize(1920, 1080));
}

struct CasoFormato {
    bool jpg;
    int risoluzione;
    QSize dimensione;
};

class FormatoFrame : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(FormatoFrame, IlFileHaFormatoEDimensioneRichiesti) {
    const CasoFormato caso = GetParam();
    BancoRendering b;
    b.imp.UsaJpg = caso.jpg;
    b.imp.ProgettoRisoluzione = caso.risoluzione;
    b.host.Anima = true;
    DisegnaIntro1(b.contesto);
    ASSERT_TRUE(b.host.Errori.isEmpty());
    const QString nome = NomeFileFrame(PercorsoOutput, 1, caso.jpg);
    ASSERT_TRUE(QFile::exists(nome));
    if (caso.jpg) {
        InfoJpeg info;
        ASSERT_TRUE(LeggiInfoJpeg(nome, info));
        EXPECT_EQ(QSize(info.Larghezza, info.Altezza), caso.dimensione);
        EXPECT_EQ(info.Componenti, 3);
        EXPECT_FALSE(info.Progressivo);
    } else {
        QFile f(nome);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray testa = f.read(54);
        ASSERT_EQ(testa.left(2), QByteArray("BM"));
        const auto u16 = [&](int o) { return quint8(testa[o]) | (quint8(testa[o + 1]) << 8); };
        EXPECT_EQ(u16(28), 24);  // bits per pixel
        EXPECT_EQ(QSize(u16(18), u16(22)), caso.dimensione);
    }
}

INSTANTIATE_TEST_SUITE_P(Formati, FormatoFrame,
                         ::testing::Values(CasoFormato{true, 1, {1280, 720}}, CasoFormato{true, 2, {1920, 1080}},
                                           CasoFormato{false, 1, {1280, 720}}, CasoFormato{false, 2, {1920, 1080}}),
                         [](const ::testing::TestParamInfo<CasoFormato>& i) {
                             return std::string(i.param.jpg ? "Jpg" : "Bmp") + std::to_string(i.param.dimensione.height());
                         });

TEST(SalvaFrame, IlFrameScrittoRiportaLaTela) {
    BancoRendering b;
    b.imp.SfondoColori = {0x0000FF, 0x0000FF};  // plain red
    b.host.Anima = true;
    DisegnaIntro1(b.contesto);
    const QImage letto = LeggiJpeg(NomeFileFrame(PercorsoOutput, 1, true));
    ASSERT_FALSE(letto.isNull());
    const QRgb angolo = letto.pixel(5, 5);
    EXPECT_GT(qRed(angolo), 240);
    EXPECT_LT(qGreen(angolo), 15);
    EXPECT_LT(qBlue(angolo), 15);
}

TEST(SalvaFrame, LaCartellaSiSvuotaDeiFrameVecchi) {
    BancoRendering b;
    for (const char* nome : {"Image_0001.jpg", "Image_0450.bmp", "Altro.txt"}) {
        QFile f(b.CartellaFrame() + QLatin1Char('/') + QLatin1String(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(PreparaCartellaFrame(PercorsoOutput));
    EXPECT_TRUE(b.FileFrame().isEmpty());
    EXPECT_TRUE(QFile::exists(b.CartellaFrame() + QStringLiteral("/Altro.txt")));
}

}  // namespace
