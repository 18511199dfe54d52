#include "dialogs/ConsegnaCodificaVideo.h"

#include "AiutoCodificaVideo.h"
#include "common/CasaTemporanea.h"
#include "controls/Orvform.h"
#include "dialogs/Forvdlgsceltacodec.h"
#include "dialogs/RisultatoDialogo.h"
#include "encoding/AiutoCodifica.h"
#include "platform/FileTesto.h"

#include <gtest/gtest.h>

namespace {

class Consegna : public ::testing::Test {
protected:
    void SetUp() override {
        ScriviFrame(casa_.Sotto("Video"), 5, true);
        f_.ImpostaEncoder(CopiaFintoEncoder(casa_.Sotto("finto_ffmpeg")));
        f_.ImpostaSonda(CopiaFintaSonda(casa_.Sotto("finto_ffprobe")));
        f_.ImpostaAttesaAvvio(10);
        f_.ImpostaMessaggio([](int, const QString&) { return int(RisultatoNo); });
        f_.ImpostaApertura([](const QUrl&) { return true; });
        qputenv("FINTO_MODO", "ok");
        dati_.PercorsoOutput = casa_.Percorso();
        dati_.TotaleFrame = 5;
        dati_.UsaJpg = true;
        dati_.FrameRate = QStringLiteral("25");
        dati_.Durata = 5;
    }

    EsitoFinestra Passa(int lingua) {
        return EseguiFinestra(f_, [&] { return ConsegnaCodificaVideo(f_, dati_, lingua); });
    }

    CasaTemporanea casa_;
    TORVDLGCodificaVideo f_;
    DatiAvvioCodifica dati_;
};

}  // namespace

TEST_F(Consegna, WritesTheFrameListAndShowsTheWindowInTheLanguageForTheFrames) {
    const EsitoFinestra esito = Passa(1);
    EXPECT_EQ(esito.Risultato, RisultatoOk);
    const QStringList lista = LeggiTutteLeRighe(casa_.Sotto("databaseqvt.txt"));
    ASSERT_EQ(lista.size(), 7);
    EXPECT_EQ(lista[1], casa_.Percorso());
    EXPECT_EQ(f_.Cornice()->Caption(), "Encoding video");
    EXPECT_TRUE(f_.Cornice()->Lato1Alternativo());
    EXPECT_EQ(f_.Cornice()->Lato1AlternativoCaption1(), "QV");
    EXPECT_EQ(f_.Cornice()->Lato1AlternativoCaption2(), "Intro");
    EXPECT_EQ(f_.Parametri(), (ParametriCodifica{casa_.Sotto("Video"), 25, true, 5, "Frames/Image"}));
    EXPECT_TRUE(QFileInfo(f_.Lavoro().Risultato().PercorsoVideo).size() > 0);
}

TEST_F(Consegna, NoFramesStillShowsTheWindow) {
    dati_.TotaleFrame = 0;
    dati_.Durata = 0;
    dati_.FrameRate = QStringLiteral("12 fps");
    const EsitoFinestra esito = Passa(0);
    EXPECT_TRUE(esito.ChiudiVisto);
    EXPECT_EQ(LeggiTutteLeRighe(casa_.Sotto("databaseqvt.txt")).size(), 2);
    EXPECT_EQ(f_.Parametri().FrameAlSecondo, 12);
    EXPECT_EQ(f_.Cornice()->Caption(), "Codifica del video");
}

// The main window writes the list itself and hands over what the core made of it.
TEST_F(Consegna, AListAlreadyWrittenIsShownAsItIs) {
    const ConsegnaCodifica consegna = AvviaCodifica(dati_);
    ASSERT_TRUE(consegna.ListaScritta);
    QFile::remove(consegna.PercorsoListaFrame);
    const EsitoFinestra esito = EseguiFinestra(f_, [&] { return MostraCodificaVideo(f_, consegna, 2); });
    EXPECT_EQ(esito.Risultato, RisultatoOk);
    EXPECT_FALSE(QFileInfo::exists(consegna.PercorsoListaFrame));
    EXPECT_EQ(f_.Parametri(), consegna.Parametri);
    EXPECT_EQ(f_.LinguaDialogo(), 2);
}

// Each run encodes what the codec window holds at that moment.
TEST_F(Consegna, EachRunTakesTheCodecWindowsChoice) {
    TORVDLGSceltaCodec codec;
    CollegaSceltaCodec(f_, codec);
    struct Caso {
        int pagina;
        QStringList pezzo;
        const char* estensione;
    } casi[] = {
        {2, {"-vtag", "XVID"}, ".avi"},
        {6, {"-c:v", "libx265"}, ".mkv"},
    };
    for (const Caso& c : casi) {
        SceltaCodec s = codec.Scelta();
        s.Pagina = c.pagina;
        s.Mp4Variante = 3;
        dati_.FrameRate = c.pagina == 2 ? QStringLiteral("30") : QStringLiteral("25");
        codec.ImpostaScelta(s);
        Passa(0);
        EXPECT_EQ(f_.Codec(), codec.ParametriCorrenti());
        EXPECT_EQ(f_.Codec().TipoCodec, c.pagina - 1);
        const QStringList argomenti = f_.Lavoro().Comando().Argomenti;
        EXPECT_TRUE(codec.RigaComandoMostrata().contains(" " + dati_.FrameRate + " -i "));
        EXPECT_GE(argomenti.indexOf(c.pezzo[0]), 0);
        EXPECT_EQ(argomenti.value(argomenti.indexOf(c.pezzo[0]) + 1), c.pezzo[1]);
        EXPECT_TRUE(f_.Lavoro().Risultato().PercorsoVideo.endsWith(QLatin1String(c.estensione)));
        EXPECT_TRUE(codec.RigaComandoMostrata().contains(casa_.Sotto("Video/Video_")))
            << codec.RigaComandoMostrata().toStdString();
    }
}
