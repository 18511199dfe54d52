// The handlers of the main window, group by group, through user gestures on the real controls.
#include "app/BancoFinestra.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orvheader.h"
#include "controls/TFlatEdit.h"
#include "project/TestiMessaggi.h"
#include "render/Casuale.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStackedWidget>

#include <functional>

namespace {

using Verifica = std::function<bool(const ImpostazioniProgetto&)>;

constexpr int Centro = -1000;  // BancoFinestra::Clicca's default: the middle of the control
constexpr int FrecciaDestra = -5;
constexpr int FrecciaSinistra = 5;

bool Mostrato(BancoFinestra& b, const char* nome) { return !b.W(nome)->isHidden(); }

}  // namespace

// Every control bound to the common handler changes its setting and renders.
TEST(GestoriPrincipale, CommonHandlerGroupRenders) {
    struct Caso {
        const char* controllo;
        int x;
        Verifica modello;
    };
    const Caso casi[] = {
        {"FontBold", Centro, [](auto& m) { return !m.FontBold; }},
        {"FontShadowCheck", Centro, [](auto& m) { return !m.FontShadowCheck; }},
        {"EffettiNeveCheck", Centro, [](auto& m) { return m.EffettiNeveCheck; }},
        {"EffettiParticelleCheck", Centro, [](auto& m) { return m.EffettiParticelleCheck; }},
        {"Interlinea", FrecciaDestra, [](auto& m) { return m.Interlinea == 2; }},
        {"EffettiParticelleVita", FrecciaSinistra, [](auto& m) { return m.EffettiParticelleVita == 59; }},
        {"Intro2_Smorzamento", FrecciaDestra, [](auto& m) { return m.Intro2_Smorzamento == 101; }},
        {"Intro4Onde", FrecciaDestra, [](auto& m) { return m.Intro4Onde == 3; }},
        {"Intro6LogoScala", FrecciaSinistra, [](auto& m) { return m.Intro6LogoScala == 149; }},
        {"FontSize", FrecciaDestra, [](auto& m) { return m.FontSize == 161; }},
        {"FontShadowOffsetX", FrecciaSinistra, [](auto& m) { return m.FontShadowOffsetX == 3; }},
        {"FontOutline2Opacita", FrecciaSinistra, [](auto& m) { return m.FontOutline2Opacita == 99; }},
        {"Intro1Lista", FrecciaDestra, [](auto& m) { return m.Intro1Lista.Voce() == 3; }},
    };
    BancoFinestra b;
    for (const Caso& c : casi) {
        const int prima = b.Richiesti();
        b.Clicca(c.controllo, c.x);
        EXPECT_TRUE(c.modello(b.Imp())) << c.controllo;
        EXPECT_GE(b.Richiesti(), prima + 1) << c.controllo;
    }
    // The font list steps through its own buttons.
    const int voce = b.Imp().FontElenco.Voce();
    b.Clicca("FontElenco", FrecciaDestra);
    EXPECT_EQ(b.Imp().FontElenco.Voce(), voce + 1);
    // Text 4 is a memo: every edit renders.
    const int prima = b.Richiesti();
    b.Scrivi("Testo", QStringLiteral("Ciao"));
    EXPECT_EQ(b.Imp().Testo, QStringList{"Ciao"});
    EXPECT_GE(b.Richiesti(), prima + 1);
}

// Settings without a handler reach the model at once and draw nothing until the next render.
TEST(GestoriPrincipale, SettingsWithoutAHandlerOnlyReachTheModel) {
    const struct {
        const char* controllo;
        int x;
        Verifica modello;
    } casi[] = {
        {"UsaJpg", Centro, [](auto& m) { return m.UsaJpg; }},
        {"EffettiLensFlareCheck", Centro, [](auto& m) { return m.EffettiLensFlareCheck; }},
        {"Intro6Fumo", Centro, [](auto& m) { return !m.Intro6Fumo; }},
        {"Intro10Zoom", Centro, [](auto& m) { return !m.Intro10Zoom; }},
        {"ProgettoRisoluzione", FrecciaDestra, [](auto& m) { return m.ProgettoRisoluzione.Voce() == 2; }},
        {"ProgettoFrameRate", FrecciaDestra, [](auto& m) { return m.ProgettoFrameRate.Testo() == "30"; }},
    };
    BancoFinestra b;
    for (const auto& c : casi) {
        const int prima = b.Richiesti();
        b.Clicca(c.controllo, c.x);
        EXPECT_TRUE(c.modello(b.Imp())) << c.controllo;
        EXPECT_EQ(b.Richiesti(), prima) << c.controllo;
    }
}

TEST(GestoriPrincipale, ZoomOptionsShowOnlyWithTextMotionNine) {
    BancoFinestra b;
    for (int voce : {8, 9, 10}) {
        b.Imp().Intro1Lista = voce - 1;
        b.f->AggiornaViste();
        b.Clicca("Intro1Lista", FrecciaDestra);
        EXPECT_EQ(Mostrato(b, "Intro1ZoomIn"), voce == 9) << voce;
        EXPECT_EQ(Mostrato(b, "TestoFlat1"), voce == 9) << voce;
    }
    // A loaded or preset value shows the same, without a click.
    b.Imp().Intro1Lista = 9;
    b.f->AggiornaViste();
    EXPECT_TRUE(Mostrato(b, "Intro1ZoomIn"));
}

TEST(GestoriPrincipale, BackgroundKindsAreOneGroup) {
    struct Caso {
        const char* controllo;
        bool colorato, trasparente, bitmap, flares;
    };
    const Caso casi[] = {
        {"SfondoCheckSfondoBitmap", false, false, true, false},
        {"SfondoCheckSfondoBitmap", false, false, true, false},  // a second click keeps it
        {"SfondoCheckSfondoFlares", false, false, false, true},
        {"SfondoCheckSfondoTrasparente", false, true, false, false},
        {"SfondoCheckSfondoColorato", true, false, false, false},
    };
    BancoFinestra b;
    for (const Caso& c : casi) {
        const int prima = b.Richiesti();
        b.Clicca(c.controllo);
        const ImpostazioniProgetto& m = b.Imp();
        EXPECT_EQ(m.SfondoCheckSfondoColorato, c.colorato) << c.controllo;
        EXPECT_EQ(m.SfondoCheckSfondoTrasparente, c.trasparente) << c.controllo;
        EXPECT_EQ(m.SfondoCheckSfondoBitmap, c.bitmap) << c.controllo;
        EXPECT_EQ(m.SfondoCheckSfondoFlares, c.flares) << c.controllo;
        EXPECT_EQ(b.W<ORV_2016_Check>(c.controllo)->Checked(), true) << c.controllo;
        EXPECT_EQ(Mostrato(b, "SfondoBitmap"), c.bitmap) << c.controllo;
        EXPECT_EQ(Mostrato(b, "SfondoBitmapCerca"), c.bitmap) << c.controllo;
        EXPECT_EQ(Mostrato(b, "SfondoColori"), c.colorato) << c.controllo;
        EXPECT_EQ(b.Richiesti(), prima + 1) << c.controllo;
    }
}

TEST(GestoriPrincipale, SharpeningLeavesTheBackgroundAloneIntroThreeBackgroundDoesNot) {
    BancoFinestra b;
    b.Clicca("SfondoCheckSfondoFlares");
    int prima = b.Richiesti();
    b.Clicca("Enfatizzare");
    EXPECT_FALSE(b.Imp().Enfatizzare);
    EXPECT_TRUE(b.Imp().SfondoCheckSfondoFlares);
    EXPECT_EQ(b.Richiesti(), prima + 1);
    b.Clicca("Enfatizzare");
    EXPECT_TRUE(b.Imp().Enfatizzare);
    EXPECT_TRUE(b.Imp().SfondoCheckSfondoFlares);

    prima = b.Richiesti();
    b.Clicca("Intro3Sfondo");
    EXPECT_FALSE(b.Imp().Intro3Sfondo);
    EXPECT_TRUE(b.Imp().SfondoCheckSfondoColorato);
    EXPECT_FALSE(b.Imp().SfondoCheckSfondoFlares);
    EXPECT_EQ(b.Richiesti(), prima + 1);
}

TEST(GestoriPrincipale, ColourChoicesChangeAndRenderOnlyOnOk) {
    struct Caso {
        const char* controllo;
        bool forma;
        EsitoColori risposta;
        const char* chiamata;
        Verifica modello;
        bool rende;
    };
    const Caso casi[] = {
        {"FontColore", false, {6, 0x112233, 0x445566}, "ScegliDueColori",
         [](auto& m) { return m.FontColore == DueColori{0x112233, 0x445566}; }, true},
        {"SfondoColori", false, {7, 1, 2}, "ScegliDueColori",
         [](auto& m) { return m.SfondoColori == DueColori{0xD6C700, 0x610700}; }, false},
        {"EffettiParticelleColore", false, {0, 1, 2}, "ScegliDueColori",
         [](auto& m) { return m.EffettiParticelleColore == DueColori{0xFEAE9A, 0xA03C3C}; }, false},
        {"FontOutline1Colore", true, {6, 0x0000FF, 0}, "ScegliColore",
         [](auto& m) { return m.FontOutline1Colore == 0x0000FF; }, true},
        {"FontGlowColoreInterno", true, {6, 0x00FF00, 0}, "ScegliColore",
         [](auto& m) { return m.FontGlowColoreInterno == 0x00FF00; }, true},
        {"Intro4Colore", true, {7, 0x00FF00, 0}, "ScegliColore", [](auto& m) { return m.Intro4Colore == 0xFF9203; },
         false},
    };
    BancoFinestra b;
    for (const Caso& c : casi) {
        b.porta.Colori = {c.risposta};
        b.porta.Chiamate.clear();
        const int prima = b.Richiesti();
        if (c.forma)
            b.Rilascia(c.controllo);
        else
            b.Clicca(c.controllo);
        EXPECT_EQ(b.porta.Chiamate, QStringList{c.chiamata}) << c.controllo;
        EXPECT_EQ(b.porta.Lingue.back(), ImpostazioniGlobali.LinguaCorrente);
        EXPECT_TRUE(c.modello(b.Imp())) << c.controllo;
        EXPECT_EQ(b.Richiesti(), prima + (c.rende ? 1 : 0)) << c.controllo;
    }
}

TEST(GestoriPrincipale, FileChoicesKeepTheOldPathUnlessAFileWasChosenAndAlwaysRender) {
    struct Caso {
        const char* bottone;
        EsitoPercorso risposta;
        Verifica modello;
    };
    const Caso casi[] = {
        {"SfondoBitmapCerca", {1, "/foto/mare.jpg"}, [](auto& m) { return m.SfondoBitmap == "/foto/mare.jpg"; }},
        {"SfondoBitmapCerca", {2, "/foto/altro.jpg"}, [](auto& m) { return m.SfondoBitmap == "/foto/mare.jpg"; }},
        {"SfondoBitmapCerca", {1, ""}, [](auto& m) { return m.SfondoBitmap == "/foto/mare.jpg"; }},
        {"Intro2SfondoCerca", {1, "/foto/due.png"}, [](auto& m) { return m.Intro2SfondoFile == "/foto/due.png"; }},
        {"Intro3SfondoCerca", {0, ""}, [](auto& m) { return m.Intro3SfondoFile.isEmpty(); }},
        {"Intro6SfondoCerca", {1, "/foto/sei.png"}, [](auto& m) { return m.Intro6SfondoFile == "/foto/sei.png"; }},
    };
    BancoFinestra b;
    for (const Caso& c : casi) {
        b.porta.File = {c.risposta};
        const int prima = b.Richiesti();
        b.Clicca(c.bottone);
        EXPECT_EQ(b.porta.Chiamate.back(), QStringLiteral("ScegliFile")) << c.bottone;
        EXPECT_TRUE(c.modello(b.Imp())) << c.bottone << " " << c.risposta.Percorso.toStdString();
        EXPECT_EQ(b.Richiesti(), prima + 1) << c.bottone;
    }
}

TEST(GestoriPrincipale, AlignmentButtonsAreRadioGroups) {
    struct Caso {
        const char* bottone;
        int ImpostazioniProgetto::*membri[3];
        int scelto;
    };
    using I = ImpostazioniProgetto;
    const Caso casi[] = {
        {"AlignT1SX", {&I::AlignT1SX, &I::AlignT1Centro, &I::AlignT1DX}, 0},
        {"AlignT2DX", {&I::AlignT2SX, &I::AlignT2Centro, &I::AlignT2DX}, 2},
        {"AlignT4Centro", {&I::AlignT4SX, &I::AlignT4Centro, &I::AlignT4DX}, 1},
        {"AlignVBasso", {&I::AlignVAlto, &I::AlignVCentro, &I::AlignVBasso}, 2},
        {"AlignVAlto", {&I::AlignVAlto, &I::AlignVCentro, &I::AlignVBasso}, 0},
    };
    BancoFinestra b;
    for (const Caso& c : casi) {
        const int prima = b.Richiesti();
        b.Clicca(c.bottone);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(b.Imp().*(c.membri[i]), i == c.scelto ? 1 : 0) << c.bottone << i;
        EXPECT_EQ(b.Richiesti(), prima + 1);
    }
}

TEST(GestoriPrincipale, LogoButtonsMarkTheirLineAndShowTheLogoRow) {
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    EXPECT_FALSE(Mostrato(b, "Logo"));
    int prima = b.Richiesti();
    b.Clicca("Logo1");
    EXPECT_EQ(m.Logo1, 1);
    EXPECT_EQ(m.Logo16, 1);  // line 1 drives intro 6's button
    EXPECT_EQ(m.Testo1, QStringLiteral("#LOGO"));
    EXPECT_TRUE(Mostrato(b, "Logo"));
    EXPECT_TRUE(Mostrato(b, "LabelLogo"));
    EXPECT_TRUE(Mostrato(b, "LogoCerca"));
    EXPECT_EQ(b.Richiesti(), prima);
    b.Clicca("Logo1");
    EXPECT_EQ(m.Logo1, 0);
    EXPECT_EQ(m.Logo16, 0);
    EXPECT_EQ(m.Testo1, QStringLiteral("#LOGO"));  // deselecting leaves the text
    EXPECT_FALSE(Mostrato(b, "Logo"));

    b.Clicca("Logo4");
    EXPECT_EQ(m.Testo, QStringList{"#LOGO"});
    b.Clicca("LogoStyle3");
    EXPECT_EQ(m.LogoStyle3, 1);
    b.Clicca("LogoStyle3");
    EXPECT_EQ(m.LogoStyle3, 0);

    // Intro 6's button keeps its own state and marks both messages.
    m.Testo1 = QStringLiteral("Testo");
    b.f->AggiornaViste();
    prima = b.Richiesti();
    b.Clicca("Logo16");
    EXPECT_EQ(m.Logo16, 0);
    EXPECT_EQ(m.Testo1, QStringLiteral("#LOGO"));
    EXPECT_EQ(m.Intro6Messaggio, QStringLiteral("#LOGO"));
    EXPECT_EQ(b.Richiesti(), prima + 1);
}

TEST(GestoriPrincipale, ChosenLogoGoesToEveryIntroAndToTheMarkedLines) {
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    m.Logo2 = 1;
    b.f->AggiornaViste();
    for (const char* bottone : {"LogoCerca", "Intro4Cerca"}) {
        const QString percorso = QStringLiteral("/loghi/%1.png").arg(bottone);
        b.porta.File = {{1, percorso}};
        const int prima = b.Richiesti();
        b.Clicca(bottone);
        EXPECT_EQ(m.Logo, percorso);
        for (const QString& l : {m.Intro2LogoDaUtilizzare, m.Intro3LogoDaUtilizzare, m.Intro4LogoDaUtilizzare,
                                 m.Intro5LogoDaUtilizzare})
            EXPECT_EQ(l, percorso);
        EXPECT_EQ(m.Testo2, QStringLiteral("#LOGO"));
        EXPECT_NE(m.Testo1, QStringLiteral("#LOGO"));
        EXPECT_EQ(b.Richiesti(), prima + 1);
    }
    b.porta.File = {{2, QString()}};
    const int prima = b.Richiesti();
    b.Clicca("LogoCerca");
    EXPECT_EQ(m.Logo, QStringLiteral("/loghi/Intro4Cerca.png"));
    EXPECT_EQ(b.Richiesti(), prima + 1);
}

TEST(GestoriPrincipale, EveryEditOfAMessageReachesTheOtherTwo) {
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    const int prima = b.Richiesti();
    b.W<TFlatEdit>("Testo1")->clear();
    b.Scrivi("Testo1", QStringLiteral("Uno"));
    EXPECT_EQ(m.Intro6Messaggio, QStringLiteral("Uno"));
    EXPECT_EQ(m.Intro7Messaggio, QStringLiteral("Uno"));
    EXPECT_EQ(b.W<TFlatEdit>("Intro7Messaggio")->Text(), QStringLiteral("Uno"));
    // A paste is an edit too.
    b.W<TFlatEdit>("Intro7Messaggio")->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("Sette"));
    b.W<TFlatEdit>("Intro7Messaggio")->paste();
    EXPECT_EQ(m.Testo1, QStringLiteral("Sette"));
    EXPECT_EQ(m.Intro6Messaggio, QStringLiteral("Sette"));
    b.Scrivi("Testo2", QStringLiteral("!"));
    EXPECT_EQ(m.Testo2, QStringLiteral("Presenta!"));
    EXPECT_EQ(b.Richiesti(), prima);
}

TEST(GestoriPrincipale, FlatTextIsAOneShotThatUpperCasesWithUnicodeRules) {
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    m.Testo1 = QStringLiteral("perché");
    m.Testo2 = QStringLiteral("città già");
    m.FontGlowCheck = true;
    b.f->AggiornaViste();
    for (int volta = 0; volta < 2; ++volta) {
        const int prima = b.Richiesti();
        b.Clicca(volta == 0 ? "TestoFlat" : "TestoFlat1");
        EXPECT_EQ(m.Testo1, QStringLiteral("PERCHÉ"));
        EXPECT_EQ(m.Testo2, QStringLiteral("CITTÀ GIÀ"));
        EXPECT_EQ(m.Testo3, QStringLiteral("QUENVOX2"));
        EXPECT_FALSE(m.FontOutline1Check || m.FontOutline2Check || m.FontGlowCheck || m.FontShadowCheck ||
                     m.Enfatizzare);
        EXPECT_EQ(m.SfondoColori, (DueColori{0, 0}));
        EXPECT_EQ(m.FontColore, (DueColori{0xFFFFFF, 0xFFFFFF}));
        EXPECT_FALSE(m.TestoFlat);
        EXPECT_FALSE(b.W<ORV_2016_Check>("TestoFlat")->Checked());
        EXPECT_FALSE(b.W<ORV_2016_Check>("TestoFlat1")->Checked());
        EXPECT_EQ(b.Richiesti(), prima + 1);
    }
}

TEST(GestoriPrincipale, ParticleKindSetsItsDefaultsAndRebuildsTheEmitters) {
    struct Caso {
        int voce, quantita, vita;
    };
    const Caso casi[] = {{2, 80, 60}, {3, 80, 60}, {4, 400, 100}, {5, 80, 80}, {6, 80, 80}, {1, 150, 60}};
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    for (const Caso& c : casi) {
        m.EffettiParticelleQuantita = 7;
        m.EffettiParticelleLista = c.voce == 1 ? 2 : c.voce - 1;
        b.f->AggiornaViste();
        ContestoEffetti e = b.f->Contesto().Effetto();
        b.f->Contesto().Effetti.PreparaParticelle(e);
        const int prima = b.Richiesti();
        b.Clicca("EffettiParticelleLista", c.voce == 1 ? FrecciaSinistra : FrecciaDestra);
        EXPECT_EQ(m.EffettiParticelleLista.Voce(), c.voce);
        EXPECT_EQ(m.EffettiParticelleQuantita, c.quantita) << c.voce;
        EXPECT_EQ(m.EffettiParticelleVita, c.vita) << c.voce;
        EXPECT_FALSE(b.f->Contesto().Effetti.EffettoFuoco().Inizializzato());
        EXPECT_FALSE(b.f->Contesto().Effetti.EffettoCerchioPalle().Inizializzato());
        EXPECT_EQ(b.Richiesti(), prima + 1);
    }
}

// Without rotation the ring is laid out and flown 240 steps; the balls change size on the way
// only when they do not start small.
TEST(GestoriPrincipale, RingModeWarmsUpWithoutRendering) {
    BancoFinestra b;
    CerchioPalle& anello = b.f->Contesto().Effetti.EffettoCerchioPalle();
    anello.Inizializza(12, 0, 0, 10, 10, 0, 0, 1920, 1080, 100, 20, 1);
    auto istantanea = [](const CerchioPalle& c) {
        std::vector<int> v;
        for (int i = 0; i < c.Numero(); ++i) {
            LetturaCerchio l;
            c.LeggiParticella(i, l);
            v.insert(v.end(), {l.x, l.y, l.size, l.age});
        }
        return v;
    };
    struct Caso {
        const char* controllo;
        bool rotazione, mini;
    };
    const Caso casi[] = {{"Intro10Rotazione", false, true},
                         {"Intro10DimMini", false, false},
                         {"Intro10Rotazione", true, false}};
    for (const Caso& c : casi) {
        CerchioPalle atteso = anello;
        FissaSemeCasuale(11);
        atteso.ImpostaModo(c.rotazione ? 1 : 2);
        atteso.InizializzaCerchio();
        if (!c.rotazione)
            for (int i = 0; i < 240; ++i) atteso.Aggiorna(!c.mini);
        FissaSemeCasuale(11);
        const int prima = b.Richiesti();
        b.Clicca(c.controllo);
        EXPECT_EQ(b.Imp().Intro10Rotazione, c.rotazione);
        EXPECT_EQ(b.Imp().Intro10DimMini, c.mini);
        EXPECT_EQ(anello.Modo(), c.rotazione ? 1 : 2) << c.controllo;
        EXPECT_EQ(istantanea(anello), istantanea(atteso)) << c.controllo;
        EXPECT_EQ(b.Richiesti(), prima);
    }
    ASSERT_GT(anello.Numero(), 0);
}

TEST(GestoriPrincipale, PickingAnIntroOpensItsSheetFromEveryTab) {
    BancoFinestra b;
    auto* header = b.W<ORVHeader>("PagineHeader");
    auto* pagine = b.f->findChild<QStackedWidget*>("Pagine");
    ASSERT_EQ(header->ORV_PannelloAttivo(), 1);
    struct Caso {
        int scheda, freccia, intro;
    };
    // From each tab, up and down the list; the sixth tab already open switches the sheet.
    const Caso casi[] = {{1, FrecciaDestra, 2}, {2, FrecciaSinistra, 1}, {3, FrecciaDestra, 2},
                         {4, FrecciaDestra, 3}, {5, FrecciaSinistra, 2}, {6, FrecciaDestra, 3}};
    for (const Caso& c : casi) {
        b.f->SelezionaScheda(c.scheda);
        b.Clicca("IntroLista", c.freccia);
        ASSERT_EQ(b.Imp().IntroLista.Voce(), c.intro);
        EXPECT_EQ(header->ORV_PannelloAttivo(), 6) << "from tab " << c.scheda;
        EXPECT_EQ(pagine->currentWidget()->objectName(), QStringLiteral("PI%1").arg(c.intro)) << "from tab " << c.scheda;
    }
    // A tab picked afterwards is shown as ever.
    b.f->SelezionaScheda(2);
    EXPECT_EQ(pagine->currentWidget()->objectName(), QStringLiteral("PaginaSfondo"));
}

TEST(GestoriPrincipale, PresetListsApplyTheirLooks) {
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    b.f->SelezionaScheda(6);
    b.Clicca("IntroLista", FrecciaDestra);
    EXPECT_EQ(m.IntroLista.Voce(), 2);
    EXPECT_EQ(b.f->findChild<QStackedWidget*>("Pagine")->currentWidget()->objectName(), QStringLiteral("PI2"));

    b.Clicca("EffettoLensFlareLista", FrecciaDestra);
    EXPECT_EQ(m.EffettoLensFlareLista.Voce(), 2);
    EXPECT_EQ(m.Interlinea, -38);
    EXPECT_EQ(b.W<ORV_2016_SpinNumber>("Interlinea")->ORV_Valore(), -38);
}

TEST(GestoriPrincipale, DurationIsTheLengthOfTheVideoAtEveryStep) {
    BancoFinestra b;
    const int prima = b.Richiesti();
    b.Clicca("ProgettoDurata", FrecciaDestra);
    EXPECT_EQ(b.Imp().ProgettoDurata, 201);
    EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, 201.0f);
    // During a drag, before any release (the spinner reports every twentieth step).
    MouseSintetico mouse(b.W("ProgettoDurata"));
    mouse.Entra(24, 10);
    mouse.Trascina(24, 10, 11, 21);
    EXPECT_GT(b.Imp().ProgettoDurata, 201);
    EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, float(b.Imp().ProgettoDurata));
    mouse.Rilascia(250, 10);
    EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, float(b.Imp().ProgettoDurata));
    EXPECT_EQ(b.Richiesti(), prima);
}

TEST(GestoriPrincipale, OutputFolderIsCreatedOrTheOldOneKept) {
    BancoFinestra b;
    const QString vecchia = PercorsoOutput;
    const QString nuova = b.casa.Sotto(QStringLiteral("uscita"));
    QFile ostacolo(b.casa.Sotto(QStringLiteral("file")));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly));
    ostacolo.close();
    struct Caso {
        EsitoPercorso risposta;
        QString attesa;
        int messaggi;
    };
    const Caso casi[] = {
        {{2, nuova}, vecchia, 0},
        {{1, QString()}, vecchia, 0},
        {{1, ostacolo.fileName() + QStringLiteral("/sotto")}, vecchia, 1},
        {{1, nuova}, nuova, 1},
    };
    for (const Caso& c : casi) {
        b.porta.Cartelle = {c.risposta};
        b.Clicca("CercaDirectoryOutput");
        EXPECT_EQ(PercorsoOutput, c.attesa) << c.risposta.Percorso.toStdString();
        EXPECT_EQ(b.Imp().CartellaOutput, c.attesa);
        EXPECT_EQ(b.W<ORV_2016_Label>("CartellaOutput")->Caption(), c.attesa);
        EXPECT_EQ(b.porta.Messaggi.size(), c.messaggi);
    }
    EXPECT_TRUE(QDir(nuova + QStringLiteral("/Video/Frames")).exists());
    EXPECT_TRUE(b.porta.Messaggi.value(0).startsWith(QStringLiteral("1: ")));
}

TEST(GestoriPrincipale, CodecAndConfigurationWindows) {
    BancoFinestra b;
    b.porta.CodecScelto = QStringLiteral("Codec :0307");
    b.Clicca("ImpostaCodec");
    EXPECT_EQ(b.Imp().ImpostazioniCodec, QStringLiteral("Codec :0307"));

    // The configuration window switches the language: the window follows; changed slots render.
    b.porta.AllaConfigurazione = [](ImpostazioniProgetto& m) {
        ImpostazioniGlobali.LinguaCorrente = LinguaInglese;
        m.Impostazioni_Lingua0 = false;
        m.Impostazioni_Lingua1 = true;
        m.TabellaImmagini[4] = QStringLiteral("/altro/logo.png");
    };
    b.porta.SlotCambiati = true;
    int prima = b.Richiesti();
    b.Clicca("Configura");
    EXPECT_EQ(b.porta.Lingue.back(), LinguaItaliano);
    EXPECT_EQ(b.W<ORV_2016_Label>("IntroLabel")->Caption(), QStringLiteral("Intro to create:"));
    EXPECT_EQ(b.Richiesti(), prima + 1);
    b.porta.AllaConfigurazione = nullptr;
    b.porta.SlotCambiati = false;
    prima = b.Richiesti();
    b.Clicca("Configura");
    EXPECT_EQ(b.porta.Lingue.back(), LinguaInglese);
    EXPECT_EQ(b.Richiesti(), prima);
}

TEST(GestoriPrincipale, GalleryDoubleClickAppliesTheStyleAndRenders) {
    BancoFinestra b(false, true);
    auto* galleria = b.W<QListWidget>("RaccoglitoreAnteprime");
    ASSERT_GT(galleria->count(), 1);
    const ImpostazioniProgetto prima = b.Imp();
    const int richiesti = b.Richiesti();
    galleria->setCurrentRow(1);
    emit galleria->itemDoubleClicked(galleria->item(1));
    EXPECT_FALSE(b.Imp() == prima);
    EXPECT_EQ(b.Richiesti(), richiesti + 1);
    // Nothing selected: nothing applied, a render all the same.
    galleria->setCurrentRow(-1);
    const ImpostazioniProgetto applicato = b.Imp();
    emit galleria->itemDoubleClicked(nullptr);
    EXPECT_TRUE(b.Imp() == applicato);
    EXPECT_EQ(b.Richiesti(), richiesti + 2);
}

// A gallery file that turns out not to be a style is refused with an error; nothing changes.
TEST(GestoriPrincipale, AStyleFileThatIsNotAStyleIsRefusedWithAMessage) {
    BancoFinestra b(false, true);
    auto* galleria = b.W<QListWidget>("RaccoglitoreAnteprime");
    ASSERT_GT(galleria->count(), 1);
    const QString percorso = CaricaGalleriaStili().Percorsi.value(1);
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(30000, '\x7f'));
    file.close();
    const ImpostazioniProgetto prima = b.Imp();
    b.porta.Messaggi.clear();
    galleria->setCurrentRow(1);
    emit galleria->itemDoubleClicked(galleria->item(1));
    EXPECT_TRUE(b.Imp() == prima);
    ASSERT_EQ(b.porta.Messaggi.size(), 1);
    EXPECT_EQ(b.porta.Messaggi[0], QStringLiteral("1: ") + TestoMessaggio(VoceMessaggio::StileNonValido).arg(percorso));
}

TEST(GestoriPrincipale, ADamagedProjectFileIsReportedOnceAtStart) {
    CasaTemporanea casa;
    ImpostaCartelleUtente(casa.Sotto("dati"), casa.Sotto("documenti"), QCoreApplication::applicationDirPath());
    QDir().mkpath(PercorsoOutputPredefinito);
    QFile file(PercorsoFileProgetto());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("non un progetto\r\n");
    file.close();
    PortaFinta porta;
    TForm2Principale f(&porta);
    f.SetDisegnoAttivo(false);
    f.show();
    Attendi();
    f.hide();
    f.show();
    Attendi();
    ASSERT_EQ(porta.Messaggi.size(), 1);
    EXPECT_TRUE(porta.Messaggi[0].startsWith(QStringLiteral("2: ")));
    EXPECT_TRUE(porta.Messaggi[0].contains(QStringLiteral("ProgettoQuenvox.txt.bak")));
    porta.Risposte = {6};
    f.close();
}
