#include "render/SalvaFrame.h"

#include "common/PermessiOrdinari.h"
#include "platform/Jpeg.h"
#include "render/HostFinto.h"
#include "render/Intro.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

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

void PrintTo(const CasoFormato& c, std::ostream* os) {
    *os << (c.jpg ? "jpg " : "bmp ") << c.dimensione.width() << "x" << c.dimensione.height();
}

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

// A file system of its own for the output folder, with the frame folder made: read-only, or
// too small for one frame. Mounting needs root; elsewhere the test says why it skips.
class DiscoDiProva {
public:
    enum Tipo { SolaLettura, Pieno };

    DiscoDiProva(const QString& punto, Tipo tipo) : punto_(QFile::encodeName(punto)) {
        QDir().mkpath(punto);
        if (::mount("tmpfs", punto_.constData(), "tmpfs", 0, "size=16k") != 0) {
            motivo_ = QStringLiteral("cannot mount a small tmpfs here (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        montato_ = true;
        QDir().mkpath(punto + QStringLiteral("/Video/Frames"));
        if (tipo == SolaLettura &&
            ::mount("tmpfs", punto_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=16k") != 0)
            motivo_ = QStringLiteral("cannot make the tmpfs read-only (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~DiscoDiProva() {
        if (montato_) ::umount2(punto_.constData(), MNT_DETACH);
    }
    // Empty when the file system is ready; otherwise why not.
    QString Motivo() const { return motivo_; }

private:
    QByteArray punto_;
    bool montato_ = false;
    QString motivo_;
};

struct CasoDisco {
    bool jpg;
    DiscoDiProva::Tipo tipo;
    int errnoAtteso;
};

void PrintTo(const CasoDisco& c, std::ostream* os) {
    *os << (c.jpg ? "jpg" : "bmp") << (c.tipo == DiscoDiProva::Pieno ? " on a full disk" : " on a read-only disk");
}

class DiscoFrame : public ::testing::TestWithParam<CasoDisco> {};

// The message names the frame and says why in the system's words, for JPEG and BMP alike.
TEST_P(DiscoFrame, IlMessaggioDiceIlFrameEIlPerche) {
    const CasoDisco caso = GetParam();
    BancoRendering b;
    const QString punto = b.casa.Sotto(QStringLiteral("disco"));
    DiscoDiProva disco(punto, caso.tipo);
    if (!disco.Motivo().isEmpty()) GTEST_SKIP() << disco.Motivo().toStdString();
    const QString percorsoPrima = PercorsoOutput;
    PercorsoOutput = punto;
    b.imp.UsaJpg = caso.jpg;
    b.host.Anima = true;
    DisegnaIntro1(b.contesto);
    PercorsoOutput = percorsoPrima;
    EXPECT_TRUE(b.contesto.ErroreFrame);
    const QString nome = caso.jpg ? QStringLiteral("Image_0001.jpg") : QStringLiteral("Image_0001.bmp");
    EXPECT_TRUE(b.contesto.MessaggioErrore.contains(nome)) << b.contesto.MessaggioErrore.toStdString();
    EXPECT_TRUE(b.contesto.MessaggioErrore.contains(QString::fromLocal8Bit(std::strerror(caso.errnoAtteso))))
        << b.contesto.MessaggioErrore.toStdString();
    EXPECT_FALSE(QFile::exists(punto + QStringLiteral("/Video/Frames/") + nome));
}

INSTANTIATE_TEST_SUITE_P(Dischi, DiscoFrame,
                         ::testing::Values(CasoDisco{true, DiscoDiProva::SolaLettura, EROFS},
                                           CasoDisco{false, DiscoDiProva::SolaLettura, EROFS},
                                           CasoDisco{true, DiscoDiProva::Pieno, ENOSPC},
                                           CasoDisco{false, DiscoDiProva::Pieno, ENOSPC}),
                         [](const ::testing::TestParamInfo<CasoDisco>& i) {
                             return std::string(i.param.jpg ? "Jpg" : "Bmp") +
                                    (i.param.tipo == DiscoDiProva::Pieno ? "DiscoPieno" : "SolaLettura");
                         });

// Nobody held to the permissions writes into a folder without write permission. Outside a run
// the frame is written on the calling thread, so root too meets the permission here.
TEST(SalvaFrame, CartellaSenzaPermessoDiceIlPerche) {
    BancoRendering b;
    ASSERT_TRUE(QFile::setPermissions(b.CartellaFrame(), QFile::ReadOwner | QFile::ExeOwner));
    b.host.Anima = true;
    {
        const PermessiOrdinari ordinari;
        if (!ordinari.Motivo().isEmpty()) GTEST_SKIP() << ordinari.Motivo().toStdString();
        DisegnaIntro1(b.contesto);
    }
    QFile::setPermissions(b.CartellaFrame(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(b.contesto.ErroreFrame);
    EXPECT_TRUE(b.contesto.MessaggioErrore.contains(QString::fromLocal8Bit(std::strerror(EACCES))))
        << b.contesto.MessaggioErrore.toStdString();
    EXPECT_TRUE(b.FileFrame().isEmpty());
}

// A frame folder that cannot be made: its path and the reason.
TEST(SalvaFrame, CartellaCheNonSiPuoCreareDiceIlPerche) {
    BancoRendering b;
    const QString punto = b.casa.Sotto(QStringLiteral("disco"));
    DiscoDiProva disco(punto, DiscoDiProva::SolaLettura);
    if (!disco.Motivo().isEmpty()) GTEST_SKIP() << disco.Motivo().toStdString();
    QString errore;
    EXPECT_FALSE(PreparaCartellaFrame(punto + QStringLiteral("/altro"), &errore));
    EXPECT_TRUE(errore.contains(punto + QStringLiteral("/altro/Video/Frames"))) << errore.toStdString();
    EXPECT_TRUE(errore.contains(QString::fromLocal8Bit(std::strerror(EROFS)))) << errore.toStdString();
}

}  // namespace
