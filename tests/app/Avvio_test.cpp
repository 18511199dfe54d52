#include "app/Avvio.h"

#include "app/Frm1splash.h"
#include "app/Frm2principale.h"
#include "app/Frm6configurazione.h"
#include "app/PortaDialoghiReale.h"
#include "CasaProgramma.h"
#include "CorsaProgramma.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "platform/CartelleUtente.h"
#include "project/FileProgetto.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <functional>

#include <csignal>
#include <unistd.h>

namespace {

// Runs the program until it ends; azione runs once the main window has opened (its first
// show done).
bool EseguiFinoAllaFine(Programma& programma, const std::function<void()>& azione) {
    return EseguiProgramma(
        programma, [&] { return programma.Principale().isVisible() && programma.Principale().Aperta(); }, azione);
}

TEST(Avvio, StartUpPreparesTheFoldersAndTheWindowsInEnglish) {
    CasaProgramma casa;
    Programma programma;
    EXPECT_TRUE(programma.Errori().isEmpty()) << programma.Errori().join("\n").toStdString();
    EXPECT_EQ(CartellaLavoro, casa.Sotto(".local/share/Drovaskent/Quenvox"));
    EXPECT_TRUE(QDir(PercorsoOutput + "/Video/Frames").exists());
    EXPECT_FALSE(QDir(CartellaStili).entryList({"*.orvstyle"}).isEmpty());
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaInglese);
    EXPECT_EQ(programma.Configurazione().ORV_2016_Button5->Caption(), "Save");
    EXPECT_EQ(programma.Principale().windowTitle(), "Quenvox");
    // The splash was made before the language was set.
    EXPECT_TRUE(programma.Splash().findChild<QObject*>("LabelVersione")->property("text").toString().startsWith(
        "Versione "));
    // The configuration window put the default pictures into the main window's model.
    EXPECT_EQ(programma.Principale().Impostazioni().TabellaImmagini[0],
              QCoreApplication::applicationDirPath() + "/Intro/00 SfondoFlares.png");
}

TEST(Avvio, TheSplashLeadsToTheMainWindowAndClosingItEndsTheProgramWithTheProjectSaved) {
    CasaProgramma casa;
    Programma programma;
    ASSERT_FALSE(QFile::exists(PercorsoFileProgetto()));
    bool splashNascosto = false;
    const bool aperta = EseguiFinoAllaFine(programma, [&] {
        splashNascosto = !programma.Splash().isVisible();
        programma.Principale().close();
    });
    EXPECT_TRUE(aperta);
    EXPECT_TRUE(splashNascosto);
    EXPECT_FALSE(programma.Principale().isVisible());
    EXPECT_FALSE(programma.Splash().isVisible());
    EXPECT_TRUE(QFile::exists(PercorsoFileProgetto()));
    EXPECT_EQ(programma.Principale().windowTitle(), "Quenvox");
}

// Closes its window as soon as it starts to show, as a user's click pumped during the first
// preview would.
class ChiudiAllaComparsa : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && !chiusa) {
            chiusa = true;
            static_cast<QWidget*>(o)->close();
        }
        return false;
    }

public:
    bool chiusa = false;
};

TEST(Avvio, AMainWindowClosedWhileItOpensStillEndsTheProgram) {
    CasaProgramma casa;
    Programma programma;
    ChiudiAllaComparsa chiudi;
    programma.Principale().installEventFilter(&chiudi);
    QTimer guardia;
    guardia.setSingleShot(true);
    bool scaduto = false;
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        scaduto = true;
        QCoreApplication::exit(1);
    });
    guardia.start(30000);
    programma.Avvia();
    QApplication::exec();
    EXPECT_TRUE(chiudi.chiusa);
    EXPECT_FALSE(scaduto) << "the program did not end";
    EXPECT_FALSE(programma.Principale().isVisible());
}

TEST(Avvio, TheProjectsLanguageReachesBothWindowsAtTheNextStart) {
    CasaProgramma casa;
    {
        Programma primo;
        EseguiFinoAllaFine(primo, [&] {
            // The project of a first start is Italian on both windows.
            EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaItaliano);
            EXPECT_EQ(primo.Configurazione().ORV_2016_Button5->Caption(), "Salva");
            // German from the configuration window, opened by its button as a user would.
            QTimer::singleShot(0, [&] {
                primo.Configurazione().LinguaClick(LinguaTedesco);
                primo.Configurazione().close();
            });
            auto* configura = primo.Principale().Controllo<ORV_2016_Button>("Configura");
            ASSERT_NE(configura, nullptr);
            const int richiesti = primo.Principale().RenderingRichiesti();
            MouseSintetico mouse(configura);
            mouse.Entra(10, 10);
            mouse.Click(10, 10);
            EXPECT_GT(primo.Principale().RenderingRichiesti(), richiesti) << "the line texts changed with the language";
            // German shows the English texts on both windows.
            EXPECT_EQ(primo.Principale().Impostazioni().Testo2, "Presents");
            EXPECT_EQ(configura->Caption(), "Configure");
            EXPECT_EQ(primo.Configurazione().ORV_2016_Button5->Caption(), "Save");
            EXPECT_EQ(primo.Principale().windowTitle(), "Quenvox");
            primo.Principale().close();
        });
    }
    Programma secondo;
    EseguiFinoAllaFine(secondo, [&] {
        EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaTedesco);
        EXPECT_TRUE(secondo.Principale().Impostazioni().Impostazioni_Lingua3);
        EXPECT_EQ(secondo.Configurazione().ORV_2016_Button5->Caption(), "Save");
        QTimer::singleShot(0, [&] {
            for (int n = 0; n < 5; ++n)
                EXPECT_EQ(secondo.Configurazione().Impostazioni_Lingua[n]->Checked(), n == 3) << n;
            secondo.Configurazione().close();
        });
        secondo.Porta().Configura(ImpostazioniGlobali.LinguaCorrente, secondo.Principale().Impostazioni());
        secondo.Principale().close();
    });
}

}  // namespace

// SIGTERM, as a logout or a shutdown sends it, to the running program: it saves the project
// as closing the window does, and ends, leaving nothing behind that would end a later loop.
TEST(Avvio, SigtermSavesTheProjectAndEndsTheProgram) {
    CasaProgramma casa;
    {
        Programma programma;
        QFile::remove(PercorsoFileProgetto());
        EXPECT_TRUE(EseguiFinoAllaFine(programma, [&] {
            ImpostazioniProgetto& m = programma.Principale().Impostazioni();
            m.FontSize = 123;
            programma.Principale().AggiornaViste();
            ::kill(::getpid(), SIGTERM);
        }));
        QFile file(PercorsoFileProgetto());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("Font Size       : 123"));
    }
    // An end of the program that fired after it, inside a window's loop, would end that loop
    // and every later one at once.
    for (int volta = 1; volta <= 2; ++volta) {
        QDialog dopo;
        QTimer::singleShot(0, &dopo, [&] { dopo.done(7); });
        EXPECT_EQ(dopo.exec(), 7) << "a window shown after the program ended closed at once, time " << volta;
    }
}
