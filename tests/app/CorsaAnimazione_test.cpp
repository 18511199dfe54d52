// The run from the Anima box: frames written, project settings frozen, the hand-off once.
#include "app/BancoFinestra.h"
#include "controls/Orv_2016_check.h"
#include "project/FileProgetto.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <functional>

namespace {

struct BancoCorsa : BancoFinestra {
    explicit BancoCorsa(int frame) : BancoFinestra(true) {
        ImpostazioniProgetto& m = Imp();
        // Quick frames: small plain text, no sharpening, JPEG at 720p.
        m.FontSize = 30;
        m.FontShadowCheck = false;
        m.Enfatizzare = false;
        m.UsaJpg = true;
        m.Intro1Lista = 1;
        m.ProgettoDurata = frame;
        ImpostazioniGlobali.TotaleFrame = float(frame);
        f->AggiornaViste();
    }
    QStringList File() const {
        return QDir(PercorsoOutput + QStringLiteral("/Video/Frames")).entryList({QStringLiteral("Image_*")}, QDir::Files);
    }
    bool InCorsa() { return f->Contesto().CicloAttivo; }
    // Checks Anima as the user does, with a step to run inside the loop after its first frame.
    void Anima(std::function<void()> durante = nullptr) {
        if (durante) QTimer::singleShot(0, f.get(), [this, durante] {
                // The start is queued after the click: wait for the loop's first message pump.
                if (InCorsa()) durante();
                else QTimer::singleShot(0, f.get(), [this, durante] { if (InCorsa()) durante(); });
            });
        Clicca("Anima");
        QElapsedTimer tempo;
        tempo.start();
        do Attendi(1);
        while (InCorsa() && tempo.elapsed() < 60000);
        Attendi();
    }
};

const char* const Congelati[] = {"IntroLista", "Configura", "CercaDirectoryOutput", "ImpostaCodec", "UsaJpg",
                                 "ProgettoRisoluzione", "ProgettoFrameRate", "ProgettoDurata"};

}  // namespace

TEST(CorsaAnimazione, AThreeFrameRunWritesThreeFramesAndHandsOffOnce) {
    BancoCorsa b(3);
    b.Anima();
    EXPECT_EQ(b.File(), (QStringList{"Image_0001.jpg", "Image_0002.jpg", "Image_0003.jpg"}));
    ASSERT_EQ(b.porta.Codifiche.size(), 1);
    const ConsegnaCodifica& c = b.porta.Codifiche[0];
    EXPECT_EQ(c.Parametri.NumeroFrame, 3);
    EXPECT_EQ(c.Parametri.FrameAlSecondo, 25);
    EXPECT_TRUE(c.Parametri.FrameInJpg);
    EXPECT_EQ(c.Parametri.CartellaVideo, PercorsoOutput + QStringLiteral("/Video"));
    EXPECT_TRUE(c.ListaScritta);
    EXPECT_EQ(b.porta.Lingue.back(), ImpostazioniGlobali.LinguaCorrente);
    EXPECT_FALSE(b.W<ORV_2016_Check>("Anima")->Checked());
    for (const char* nome : Congelati) EXPECT_TRUE(b.W(nome)->isEnabled()) << nome;
}

TEST(CorsaAnimazione, ProjectSettingsAreFrozenDuringARunStyleStaysLive) {
    BancoCorsa b(3);
    bool visto = false;
    b.Anima([&] {
        visto = true;
        for (const char* nome : Congelati) EXPECT_FALSE(b.W(nome)->isEnabled()) << nome;
        for (const char* nome : {"FontSize", "FontBold", "SfondoColori", "EffettiNeveCheck", "Anima"})
            EXPECT_TRUE(b.W(nome)->isEnabled()) << nome;
        // A style change continues the run with the new setting.
        b.Clicca("FontBold");
    });
    EXPECT_TRUE(visto);
    EXPECT_FALSE(b.Imp().FontBold);
    EXPECT_EQ(b.File().size(), 3);
    EXPECT_EQ(b.porta.Codifiche.size(), 1);
    for (const char* nome : Congelati) EXPECT_TRUE(b.W(nome)->isEnabled()) << nome;
}

TEST(CorsaAnimazione, UncheckingAnimaStopsTheRunWithoutAHandOff) {
    BancoCorsa b(50);
    b.Anima([&] { b.Clicca("Anima"); });
    EXPECT_LT(b.File().size(), 50);
    EXPECT_GE(b.File().size(), 1);
    EXPECT_TRUE(b.porta.Codifiche.isEmpty());
    EXPECT_FALSE(b.W<ORV_2016_Check>("Anima")->Checked());
    for (const char* nome : Congelati) EXPECT_TRUE(b.W(nome)->isEnabled()) << nome;
}

TEST(CorsaAnimazione, ANewParticleAmountStopsTheRunWithoutAHandOff) {
    BancoCorsa b(50);
    b.Anima([&] { b.Clicca("EffettiParticelleQuantita", -5); });
    EXPECT_LT(b.File().size(), 50);
    EXPECT_TRUE(b.porta.Codifiche.isEmpty());
    EXPECT_EQ(b.Imp().EffettiParticelleQuantita, 151);
}

TEST(CorsaAnimazione, ClosingDuringARunClosesAndSavesOnceTheLoopHasEnded) {
    BancoCorsa b(50);
    QFile::remove(PercorsoFileProgetto());
    bool chiusa = true;
    b.Anima([&] {
        chiusa = b.f->close();
        // Still running: nothing saved, nothing closed yet.
        EXPECT_FALSE(QFile::exists(PercorsoFileProgetto()));
    });
    EXPECT_FALSE(chiusa);
    EXPECT_FALSE(b.f->isVisible());
    EXPECT_TRUE(QFile::exists(PercorsoFileProgetto()));
    EXPECT_LT(b.File().size(), 50);
    EXPECT_TRUE(b.porta.Codifiche.isEmpty());
}

// The session ends during a run: the run stops after its frame, the project is saved without
// a question, and the program is told it may end. One that could not be read at start is
// saved beside itself, never over it.
TEST(CorsaAnimazione, TheSessionsEndStopsTheRunThenSavesWithoutAsking) {
    for (const bool illeggibile : {false, true}) {
        SCOPED_TRACE(illeggibile);
        BancoCorsa b(50);
        const QString percorso = PercorsoFileProgetto();
        QFile::remove(percorso);
        if (illeggibile) {
            b.f->close();
            QFile::remove(percorso);
            ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), percorso));
            b.Apri(true);
        }
        b.porta.Messaggi.clear();
        int fine = 0;
        b.Anima([&] {
            b.f->ChiudiPerFineSessione([&] { ++fine; });
            EXPECT_EQ(fine, 0);
        });
        EXPECT_EQ(fine, 1);
        EXPECT_FALSE(b.f->isVisible());
        EXPECT_LT(b.File().size(), 50);
        EXPECT_TRUE(b.porta.Messaggi.isEmpty());
        const QString salvato = illeggibile ? percorso + QStringLiteral(".nuovo") : percorso;
        QFile f(salvato);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << salvato.toStdString();
        EXPECT_TRUE(f.readAll().startsWith("Titolo"));
        if (illeggibile) {
            EXPECT_TRUE(QFileInfo(percorso).isSymLink());
        }
    }
}

TEST(CorsaAnimazione, AFrameListThatCannotBeWrittenIsToldAndTheHandOffStillHappens) {
    BancoCorsa b(2);
    ASSERT_TRUE(QDir().mkpath(PercorsoOutput + QStringLiteral("/databaseqvt.txt")));
    b.Anima();
    EXPECT_EQ(b.File().size(), 2);
    ASSERT_EQ(b.porta.Codifiche.size(), 1);
    EXPECT_FALSE(b.porta.Codifiche[0].ListaScritta);
    ASSERT_EQ(b.porta.Messaggi.size(), 1);
    EXPECT_TRUE(b.porta.Messaggi[0].startsWith(QStringLiteral("2: ")));
}

// The French interface shows "##" for every rate; the video still gets the rate of the item.
TEST(CorsaAnimazione, TheRateHandedOffFollowsTheItemInEveryLanguage) {
    BancoCorsa b(2);
    ImpostazioniGlobali.LinguaCorrente = LinguaFrancese;
    b.f->ApplicaLinguaFinestra();
    ASSERT_EQ(b.Imp().ProgettoFrameRate.Testo(), QStringLiteral("##"));
    b.Anima();
    ASSERT_EQ(b.porta.Codifiche.size(), 1);
    EXPECT_EQ(b.porta.Codifiche[0].Parametri.FrameAlSecondo, 25);
}
