#include "render/HostFinto.h"

#include "platform/Grafica.h"
#include "render/DisegnoIntro.h"
#include "render/SalvaFrame.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QStringList NomiAttesi(int da, int a) {
    QStringList l;
    for (int i = da; i <= a; ++i) l << QStringLiteral("Image_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
    return l;
}

// Each caption shown, checked against the frame files on disk at that moment: the counter
// never counts a file that is not there yet, and never goes back.
void ControllaContatore(BancoRendering& b) {
    b.host.AllaCaption = [&b](const QString& caption) {
        const int contati = caption.toInt();
        EXPECT_LE(contati, b.FileFrame().size()) << "the counter is ahead of the files";
        if (b.host.Caption.size() > 1) {
            EXPECT_GE(contati, b.host.Caption[b.host.Caption.size() - 2].toInt()) << "the counter went back";
        }
    };
}

class CicloFrame : public ::testing::TestWithParam<std::pair<int, int>> {};

// A run writes the files 1..N (at least one), counts the written files up to N, and hands
// off once.
TEST_P(CicloFrame, ScriveOgniFrameEPassaAllaCodificaUnaVolta) {
    const auto [durata, attesi] = GetParam();
    BancoRendering b;
    ImpostazioniGlobali.TotaleFrame = static_cast<float>(durata);
    ControllaContatore(b);
    b.Anima();
    EXPECT_EQ(b.FileFrame(), NomiAttesi(1, attesi));
    EXPECT_EQ(b.host.Codifiche, 1);
    EXPECT_FALSE(b.host.Anima);
    EXPECT_FALSE(b.contesto.AnimazioneInCorso);
    EXPECT_EQ(b.contesto.FrameCorrente, 0.0f);
    ASSERT_FALSE(b.host.Caption.isEmpty());
    EXPECT_EQ(b.host.Caption.back(), QString::number(attesi));
    EXPECT_TRUE(b.host.Errori.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Durate, CicloFrame,
                         ::testing::Values(std::pair{0, 1}, std::pair{1, 1}, std::pair{2, 2}, std::pair{200, 200}));

TEST(EseguiRendering, LAnteprimaNonScriveFileEMostraIlFrameZero) {
    BancoRendering b;
    b.host.Altezza = 1024;
    b.contesto.FrameCorrente = 37;
    EseguiRendering(b.contesto, b.imp);
    EXPECT_TRUE(b.FileFrame().isEmpty());
    EXPECT_EQ(b.host.Anteprime, 1);
    EXPECT_EQ(b.host.UltimaAnteprima.size(), QSize(1120, 635));
    EXPECT_EQ(b.host.Caption, QStringList{QStringLiteral("1")});
    EXPECT_EQ(b.host.Codifiche, 0);
    EXPECT_EQ(b.host.Pompate, 1);
}

TEST(EseguiRendering, LoStopAlFrame50LasciaI51FileENonCodifica) {
    BancoRendering b;
    b.host.AllaPompa = [&] {
        if (b.contesto.FrameCorrente == 50.0f && b.host.Anima) {
            // The Anima click while unchecking: flag off, then a preview.
            b.host.Anima = false;
            FermaAnimazione(b.contesto);
            EseguiRendering(b.contesto, b.imp);
        }
    };
    b.Anima();
    EXPECT_EQ(b.FileFrame(), NomiAttesi(1, 51));
    EXPECT_EQ(b.host.Codifiche, 0);
    EXPECT_EQ(b.host.Caption.back(), QStringLiteral("1"));  // the preview of frame 0

    // The next run starts again at frame 0 and removes the files of the stopped one.
    b.host.AllaPompa = nullptr;
    b.host.Caption.clear();
    ImpostazioniGlobali.TotaleFrame = 20;
    b.Anima();
    EXPECT_EQ(b.FileFrame(), NomiAttesi(1, 20));
    EXPECT_LE(b.host.Caption.front().toInt(), 1);
    EXPECT_EQ(b.host.Caption.back(), QStringLiteral("20"));
    EXPECT_EQ(b.host.Codifiche, 1);
}

TEST(EseguiRendering, UnCambioAlFrame50RidisegnaQuelFrameSenzaAnnidareIlCiclo) {
    BancoRendering b;
    // Files made in the loop: one caption per frame drawn.
    b.contesto.LavoratoriScrittura = 0;
    int cambi = 0;
    int profondita = 0, massima = 0;
    b.host.AllaPompa = [&] {
        ++profondita;
        massima = std::max(massima, profondita);
        if (b.contesto.FrameCorrente == 50.0f && cambi < 3) {
            ++cambi;
            b.imp.SfondoColori.Colore1 = 0x0000FF;
            EseguiRendering(b.contesto, b.imp);
        }
        --profondita;
    };
    b.Anima();
    EXPECT_EQ(b.FileFrame(), NomiAttesi(1, 200));
    EXPECT_EQ(b.host.Codifiche, 1);
    EXPECT_EQ(massima, 1);
    // Frame 51 was drawn four times: once, then again after each of the three changes.
    EXPECT_EQ(b.host.Caption.count(QStringLiteral("51")), 4);
    EXPECT_EQ(b.host.Caption.size(), 203);
}

TEST(EseguiRendering, UnFrameNonScrivibileFermaLaCorsaSenzaCodifica) {
    BancoRendering b;
    b.contesto.LavoratoriScrittura = 0;
    b.host.AllaPompa = [&] {
        if (b.contesto.FrameCorrente == 3.0f) QDir(b.CartellaFrame()).removeRecursively();
    };
    b.Anima();
    EXPECT_EQ(b.host.Codifiche, 0);
    EXPECT_FALSE(b.host.Anima);
    EXPECT_FALSE(b.contesto.AnimazioneInCorso);
    ASSERT_EQ(b.host.Errori.size(), 1);
    EXPECT_TRUE(b.host.Errori.front().contains(QStringLiteral("Image_0005.jpg")));
    // Frame 4 (file 0005) failed; the loop did not go on to frame 5, and the counter says
    // the four files written.
    EXPECT_EQ(b.host.Caption.back(), QStringLiteral("4"));
}

class FrameBloccato : public ::testing::TestWithParam<int> {};

// File 0005 cannot be made (a folder has its name). Whether the files are made in the loop or
// by workers, the run ends on that frame's message, the files before it are all there, none
// after it is written, no encoder starts, and the counter agrees with the message: four.
TEST_P(FrameBloccato, LaCorsaFinisceSulFrameENonScriveOltre) {
    BancoRendering b;
    b.contesto.LavoratoriScrittura = GetParam();
    ImpostazioniGlobali.TotaleFrame = 40;
    ControllaContatore(b);
    ASSERT_TRUE(QDir().mkpath(b.CartellaFrame() + QStringLiteral("/Image_0005.jpg")));
    b.Anima();
    EXPECT_EQ(b.host.Codifiche, 0);
    EXPECT_FALSE(b.host.Anima);
    EXPECT_FALSE(b.contesto.AnimazioneInCorso);
    EXPECT_FALSE(b.contesto.Scrittura);
    ASSERT_EQ(b.host.Errori.size(), 1);
    EXPECT_TRUE(b.host.Errori.front().contains(QStringLiteral("Image_0005.jpg"))) << b.host.Errori.front().toStdString();
    EXPECT_EQ(b.FileFrame(), NomiAttesi(1, 4));
    // Workers notice the failure a few frames later; the counter still stops on file 0004.
    ASSERT_FALSE(b.host.Caption.isEmpty());
    EXPECT_EQ(b.host.Caption.back(), QStringLiteral("4"));
}

INSTANTIATE_TEST_SUITE_P(Scrittura, FrameBloccato, ::testing::Values(0, 1, 4),
                         [](const ::testing::TestParamInfo<int>& i) { return "Lavoratori" + std::to_string(i.param); });

struct CasoAnteprimeCorsa {
    int lavoratori;
    double frequenza;
    int minime, massime;
};

void PrintTo(const CasoAnteprimeCorsa& c, std::ostream* os) {
    *os << c.lavoratori << " writers, screen at " << c.frequenza << " Hz";
}

class AnteprimeCorsa : public ::testing::TestWithParam<CasoAnteprimeCorsa> {};

// A run shows its frames no faster than the screen does, and always ends on its last frame;
// the workers scale no preview that the window will not show.
TEST_P(AnteprimeCorsa, AlPiuAllaFrequenzaEDaUltimaLUltimoFrame) {
    const CasoAnteprimeCorsa caso = GetParam();
    BancoRendering b;
    b.contesto.LavoratoriScrittura = caso.lavoratori;
    b.host.Altezza = 1024;
    b.host.Frequenza = caso.frequenza;
    ImpostazioniGlobali.TotaleFrame = 40;
    b.Anima();
    EXPECT_GE(b.host.Anteprime, caso.minime);
    EXPECT_LE(b.host.Anteprime, caso.massime);
    if (caso.lavoratori > 0) {
        EXPECT_GE(b.contesto.AnteprimeRichieste, b.host.Anteprime);
        EXPECT_LE(b.contesto.AnteprimeRichieste, caso.massime);
    }
    EXPECT_EQ(b.host.UltimaAnteprima,
              ScalaVeloce(b.contesto.CanvasFrame, QSize(1120, 635)).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(b.host.Caption.back(), QStringLiteral("40"));
}

INSTANTIATE_TEST_SUITE_P(Frequenze, AnteprimeCorsa,
                         ::testing::Values(CasoAnteprimeCorsa{0, 1.0, 40, 40}, CasoAnteprimeCorsa{4, 0.001, 1, 2},
                                           CasoAnteprimeCorsa{4, 1.0e9, 1, 40}));

TEST(EseguiRendering, ConIlFlagGiaSpentoNonDisegnaNulla) {
    BancoRendering b;
    b.host.Anima = true;
    EseguiRendering(b.contesto, b.imp);
    EXPECT_TRUE(b.host.Caption.isEmpty());
    EXPECT_EQ(b.host.Codifiche, 0);
}

TEST(DisegnaFrame, LIntro7NumeraIFileAlContrario) {
    BancoRendering b;
    b.contesto.LavoratoriScrittura = 0;
    b.imp.IntroLista = 7;
    ImpostazioniGlobali.TotaleFrame = 5;
    b.Anima();
    EXPECT_EQ(b.FileFrame(), NomiAttesi(1, 5));
    EXPECT_EQ(b.host.Caption, (QStringList{"1", "2", "3", "4", "5"}));
}

// The sharpen reads 0 under alpha 0 where a picture was drawn, as a painter leaves it, and the
// light grey the composition was cleared to elsewhere: a grey block whose left edge is its
// picture's edge turns dark there, while its right edge, beside the picture's own clear
// pixels, turns light. Alpha 255 everywhere on the edges: the frame shows the colours alone.
TEST(EnfatizzaComposizione, SottoAlfaZeroLeggeIlGrigioSoloFuoriDaQuantoEDisegnato) {
    BancoRendering b;
    QImage blocco(40, 20, QImage::Format_ARGB32_Premultiplied);
    blocco.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) blocco.setPixel(x, y, qRgb(100, 100, 100));
    b.contesto.CanvasFrame.fill(Qt::black);
    DisegnaNitido(b.contesto, [&](QPainter& g) {
        g.drawImage(QPoint(100, 100), blocco);
        return QRect(100, 100, 40, 20);
    });
    // (44 x 100 - 4 x (6 x 100 + 3 x 192)) / 9 is below 0; (44 x 100 - 4 x 6 x 100) / 9 is 222.
    EXPECT_EQ(b.contesto.CanvasFrame.pixel(100, 110), qRgb(0, 0, 0));
    EXPECT_EQ(b.contesto.CanvasFrame.pixel(119, 110), qRgb(222, 222, 222));
}

}  // namespace
