#include "render/ScritturaFrame.h"

#include "AiutoIntro.h"
#include "project/PresetIntro.h"
#include "render/Bande.h"
#include "platform/Grafica.h"
#include "platform/Jpeg.h"
#include "render/SalvaFrame.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <map>
#include <string>
#include <vector>

namespace {

QByteArray Contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A canvas that differs from frame to frame in colour and in edges, so a file mixed up with
// its neighbour shows.
QImage Tela(int i) {
    QImage tela(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    tela.fill(QColor(20 + i * 7 % 200, 40, 90));
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(250, 200, 10));
    p.drawEllipse(QPointF(100 + i * 61, 540), 300, 200 + i);
    return tela;
}

struct CasoCoda {
    int lavoratori;
    QSize dimensione;
    bool jpg;
};

void PrintTo(const CasoCoda& c, std::ostream* os) {
    *os << c.lavoratori << " writers, " << (c.jpg ? "jpg " : "bmp ") << c.dimensione.width() << "x"
        << c.dimensione.height();
}

class CodaFrame : public ::testing::TestWithParam<CasoCoda> {};

// Thirty frames through the workers: each file holds exactly what the one-thread encoding of
// its own canvas gives, and the queue never held more than its capacity.
TEST_P(CodaFrame, OgniFileEIlSuoFrameEntroLaCapacita) {
    const CasoCoda caso = GetParam();
    CasaTemporanea casa;
    constexpr int frame = 30;
    std::map<int, QByteArray> attesi;
    {
        ScritturaFrame scrittura(caso.lavoratori);
        for (int i = 0; i < frame; ++i) {
            const QImage tela = Tela(i);
            ASSERT_TRUE(scrittura.Accoda(tela, caso.dimensione, caso.jpg, casa.Sotto(QStringLiteral("f%1").arg(i))));
            ASSERT_TRUE(CodificaFrame(tela, caso.dimensione, caso.jpg, attesi[i], nullptr));
        }
        QString messaggio;
        EXPECT_TRUE(scrittura.Attendi(&messaggio)) << messaggio.toStdString();
        EXPECT_LE(scrittura.MassimoInVolo(), scrittura.Capacita());
        EXPECT_GE(scrittura.MassimoInVolo(), 1);
    }
    for (int i = 0; i < frame; ++i) EXPECT_EQ(Contenuto(casa.Sotto(QStringLiteral("f%1").arg(i))), attesi[i]) << "frame " << i;
}

INSTANTIATE_TEST_SUITE_P(Casi, CodaFrame,
                         ::testing::Values(CasoCoda{1, {1280, 720}, true}, CasoCoda{4, {1280, 720}, true},
                                           CasoCoda{4, {1920, 1080}, true}, CasoCoda{3, {1280, 720}, false}));

// The frame file holds the bytes the library's own conversion to 8 bits a colour gives, for
// opaque canvases (made by the writer) and for the others (left to the library).
TEST(CodificaFrame, GliStessiByteDellaConversioneDellaLibreria) {
    QImage traslucida = Tela(3);
    traslucida.setPixel(700, 300, qRgba(10, 20, 30, 128));
    const std::vector<std::pair<const char*, QImage>> tele = {
        {"opaque", Tela(1)}, {"translucent pixel", traslucida}, {"RGB32", Tela(2).convertToFormat(QImage::Format_RGB32)}};
    for (const auto& [nome, tela] : tele)
        for (const QSize dimensione : {QSize(1920, 1080), QSize(1280, 720), QSize(1277, 719)})
            for (const bool jpg : {true, false}) {
                const QImage uscita = dimensione == tela.size() ? tela : ScalaAltaQualita(tela, dimensione);
                QByteArray attesi;
                if (jpg) {
                    ASSERT_TRUE(CodificaJpeg(uscita.convertToFormat(QImage::Format_RGB888), attesi, 90, nullptr));
                } else {
                    QBuffer buffer(&attesi);
                    buffer.open(QIODevice::WriteOnly);
                    ASSERT_TRUE(QImageWriter(&buffer, "bmp").write(uscita.convertToFormat(QImage::Format_RGB888)));
                }
                QByteArray dati;
                ASSERT_TRUE(CodificaFrame(tela, dimensione, jpg, dati, nullptr));
                EXPECT_TRUE(dati == attesi) << nome << " " << dimensione.height() << (jpg ? " jpg" : " bmp");
            }
    QByteArray dati;
    QString errore;
    EXPECT_FALSE(CodificaFrame(QImage(), {1280, 720}, true, dati, &errore));
    EXPECT_FALSE(errore.isEmpty());
}

// A frame whose file cannot be made: later frames are neither written nor queued, and the
// message names the frame that failed.
TEST(ScritturaFrame, DopoUnErroreNonScriveNullaEDiceQualeFrame) {
    CasaTemporanea casa;
    ASSERT_TRUE(QDir().mkpath(casa.Sotto(QStringLiteral("f3"))));
    ScritturaFrame scrittura(4);
    int accodati = 0;
    for (int i = 0; i < 40; ++i) {
        if (!scrittura.Accoda(Tela(i), {1280, 720}, true, casa.Sotto(QStringLiteral("f%1").arg(i)), {}, i + 1)) break;
        ++accodati;
    }
    QString messaggio;
    EXPECT_FALSE(scrittura.Attendi(&messaggio));
    EXPECT_EQ(messaggio, MessaggioFrameNonScritto(casa.Sotto(QStringLiteral("f3")), QString::fromLocal8Bit(std::strerror(EISDIR))));
    EXPECT_LT(accodati, 40);
    // The count stops on the last file written before f3, whatever came after it.
    EXPECT_EQ(scrittura.Scritti(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(QFile::exists(casa.Sotto(QStringLiteral("f%1").arg(i))));
    for (int i = 4; i < 40; ++i) EXPECT_FALSE(QFile::exists(casa.Sotto(QStringLiteral("f%1").arg(i)))) << i;
    EXPECT_FALSE(scrittura.Accoda(Tela(0), {1280, 720}, true, casa.Sotto(QStringLiteral("g"))));
}

// The frames of a run of 30, every intro with its own look, and some with the heavy look
// (glow, shadow, flare rays, sharpen) at full size: the files made by workers from frames
// drawn on every core are byte for byte those the loop makes alone on one thread.
struct CasoCorsa {
    int intro;
    bool pesante;
    int risoluzione;  // 1: 1280x720, 2: 1920x1080
};

void PrintTo(const CasoCorsa& c, std::ostream* os) {
    *os << "intro " << c.intro << (c.pesante ? " heavy" : "") << (c.risoluzione == 1 ? " 720p" : " 1080p");
}

class CorsaIdentica : public ::testing::TestWithParam<CasoCorsa> {};

std::map<QString, QByteArray> Corsa(const CasoCorsa& caso, int lavoratori) {
    ImpostaFiliBande(lavoratori == 0 ? 1 : 0);
    BancoIntro b(caso.intro);
    ImpostaPredefinitiIntro(b.imp);
    b.imp.Intro2LogoDaUtilizzare = b.imp.Intro3LogoDaUtilizzare = b.logo;
    b.imp.Intro4LogoDaUtilizzare = b.imp.Intro5LogoDaUtilizzare = b.logo;
    if (caso.pesante) {
        b.imp.FontGlowCheck = b.imp.FontShadowCheck = true;
        b.imp.FontGlowSize = b.imp.FontShadowSize = 30;
        b.imp.SfondoCheckSfondoColorato = false;
        b.imp.SfondoCheckSfondoFlares = true;
        b.imp.Enfatizzare = true;
    }
    b.imp.UsaJpg = true;
    b.imp.ProgettoRisoluzione = caso.risoluzione;
    b.contesto.LavoratoriScrittura = lavoratori;
    ImpostazioniGlobali.TotaleFrame = 30;
    b.Anima();
    ImpostaFiliBande(0);
    std::map<QString, QByteArray> file;
    for (const QString& nome : b.FileFrame()) file[nome] = Contenuto(b.CartellaFrame() + QLatin1Char('/') + nome);
    EXPECT_EQ(b.host.Codifiche, 1);
    return file;
}

TEST_P(CorsaIdentica, IFileDeiLavoratoriSonoQuelliDelCiclo) {
    const std::map<QString, QByteArray> soli = Corsa(GetParam(), 0);
    const std::map<QString, QByteArray> lavoratori = Corsa(GetParam(), 4);
    ASSERT_EQ(soli.size(), 30u);
    ASSERT_EQ(lavoratori.size(), soli.size());
    for (const auto& [nome, dati] : soli) EXPECT_TRUE(lavoratori.at(nome) == dati) << nome.toStdString();
}

std::vector<CasoCorsa> CasiCorsa() {
    std::vector<CasoCorsa> casi;
    for (int intro = 1; intro <= 10; ++intro) casi.push_back({intro, false, 1});
    for (int intro : {1, 4, 5}) casi.push_back({intro, true, 2});
    return casi;
}

INSTANTIATE_TEST_SUITE_P(Intro, CorsaIdentica, ::testing::ValuesIn(CasiCorsa()),
                         [](const ::testing::TestParamInfo<CasoCorsa>& i) {
                             return "Intro" + std::to_string(i.param.intro) + (i.param.pesante ? "Pesante1080" : "");
                         });

}  // namespace
