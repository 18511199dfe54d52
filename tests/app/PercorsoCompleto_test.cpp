// The whole road of a video through the real windows: start, a short duration, Anima, the
// frames, the encoding window with a stand-in encoder, the video and its log; then a second
// start reads the project back.
#include "app/Avvio.h"

#include "app/Frm1splash.h"
#include "app/Frm2principale.h"
#include "app/PortaDialoghiReale.h"
#include "CasaProgramma.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_spinnumber.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "encoding/AiutoCodifica.h"
#include "encoding/LavoroCodifica.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include <functional>
#include <utility>

#include <csignal>
#include <unistd.h>

namespace {

// The source name may be relative to where the tests were compiled (build/tests), which is not
// where the test runs from.
QString ProgrammaFinto(const char* nome) {
    const QDir compilazione(QCoreApplication::applicationDirPath() + QStringLiteral("/../tests"));
    return QFileInfo(compilazione.filePath(QStringLiteral(__FILE__))).absolutePath() +
           QStringLiteral("/../encoding/dati/") + QString::fromLatin1(nome);
}


// Plays the user: step by step on a short timer, answering whatever window is up.
class Utente : public QObject {
public:
    explicit Utente(Programma& p) : programma(p) {
        QObject::connect(&passo, &QTimer::timeout, this, [this] { Passo(); });
        QObject::connect(&p.Porta().CodificaVideo().Lavoro(), &LavoroCodifica::terminata, this,
                         [this] { codificaFinita = true; });
        passo.start(10);
    }
    QStringList messaggi;
    bool codificaVista = false;
    bool codificaRiuscita = false;
    std::function<void()> allApertura;  // once the main window has opened
    std::function<void()> inCodifica;   // once the encoder has told its first frame
    bool chiudeAllaFine = true;         // closes the main window once the video is made
    // Where the run stands, for a failure's message.
    QString Stato() {
        QWidget* m = QApplication::activeModalWidget();
        return QStringLiteral("modal %1, encoding window shown %2 running %3 ended %4, main window shown %5 "
                              "looping %6, messages: %7")
            .arg(m ? QString::fromLatin1(m->metaObject()->className()) : QStringLiteral("none"))
            .arg(programma.Porta().CodificaVideo().isVisible())
            .arg(programma.Porta().CodificaVideo().InEsecuzione())
            .arg(codificaFinita)
            .arg(programma.Principale().isVisible())
            .arg(programma.Principale().Contesto().CicloAttivo)
            .arg(messaggi.join(QStringLiteral(" | ")));
    }

private:
    void Passo() {
        TForm2Principale& principale = programma.Principale();
        TORVDLGCodificaVideo& codifica = programma.Porta().CodificaVideo();
        QWidget* modale = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<TORVDLGMessaggi*>(modale)) {
            messaggi << box->Testo();
            box->close();
            return;
        }
        if (modale == &codifica) {
            codificaVista = true;
            if (inCodifica && codifica.Lavoro().InCorso() && codifica.Lavoro().Figure().NumeroFrame() >= 1) {
                const auto azione = std::exchange(inCodifica, nullptr);
                azione();
                return;
            }
            if (codificaFinita && !codifica.InEsecuzione()) {
                codificaRiuscita = codifica.CodificaRiuscita();
                codifica.close();
            }
            return;
        }
        if (!principale.isVisible() || !principale.Aperta()) return;
        if (!aperta) {
            aperta = true;
            allApertura();
            return;
        }
        if (chiudeAllaFine && codificaVista && !principale.Contesto().CicloAttivo) principale.close();
    }

    Programma& programma;
    QTimer passo;
    bool aperta = false;
    bool codificaFinita = false;
};

// Runs the program to its end; false, with where it stood, when it hung.
bool Esegui(Programma& programma, Utente& utente, QString& stato) {
    bool scaduto = false;
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        scaduto = true;
        stato = utente.Stato();
        while (QWidget* m = QApplication::activeModalWidget()) {
            m->close();
            if (m->isVisible()) break;
        }
        programma.Principale().close();
        QCoreApplication::exit(1);
    });
    guardia.start(60000);
    programma.Avvia();
    QApplication::exec();
    return !scaduto;
}

// Five frames, then Anima: the spinner reports its new value as at the end of a drag.
void CinqueFrameEAnima(Programma& programma) {
    auto* durata = programma.Principale().Controllo<ORV_2016_SpinNumber>("ProgettoDurata");
    ASSERT_NE(durata, nullptr);
    durata->SetORV_Valore(5);
    durata->OnCambiamentoValore(durata);
    auto* anima = programma.Principale().Controllo<ORV_2016_Check>("Anima");
    ASSERT_NE(anima, nullptr);
    MouseSintetico mouse(anima);
    mouse.Entra(10, 10);
    mouse.Click(10, 10);
}

// The duration a new start reads back from the saved project.
int DurataAllaProssimaApertura() {
    Programma secondo;
    Utente utente(secondo);
    int durata = 0;
    utente.allApertura = [&] {
        durata = secondo.Principale().Impostazioni().ProgettoDurata;
        secondo.Principale().close();
    };
    QString stato;
    EXPECT_TRUE(Esegui(secondo, utente, stato)) << "the program did not end: " << stato.toStdString();
    return durata;
}

TEST(PercorsoCompleto, FromStartToVideoAndBackAtTheNextStart) {
    CasaProgramma ambiente({{"FINTO_MODO", "ok"}});
    {
        Programma programma;
        TORVDLGCodificaVideo& codifica = programma.Porta().CodificaVideo();
        codifica.ImpostaEncoder(ProgrammaFinto("finto_ffmpeg.sh"));
        codifica.ImpostaSonda(ProgrammaFinto("finto_ffprobe.sh"));
        QStringList aperti;
        codifica.ImpostaApertura([&](const QUrl& url) {
            aperti << url.toLocalFile();
            return true;
        });
        Utente utente(programma);
        utente.allApertura = [&] { CinqueFrameEAnima(programma); };
        QString stato;
        ASSERT_TRUE(Esegui(programma, utente, stato)) << "the program did not end: " << stato.toStdString();
        EXPECT_TRUE(utente.codificaVista);
        const QDir video(PercorsoOutput + "/Video");
        QFile log(video.filePath("Log.TXT"));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QByteArray righe = log.readAll();
        EXPECT_TRUE(utente.codificaRiuscita) << utente.messaggi.join(" | ").toStdString() << "\n" << righe.toStdString();
        EXPECT_TRUE(righe.contains("frame="));
        EXPECT_EQ(QDir(video.filePath("Frames")).entryList({"Image_*"}, QDir::Files).size(), 5);
        const QStringList fatti = video.entryList({"Video_*"}, QDir::Files);
        ASSERT_EQ(fatti.size(), 1);
        QFile fatto(video.filePath(fatti[0]));
        ASSERT_TRUE(fatto.open(QIODevice::ReadOnly));
        EXPECT_EQ(fatto.readAll(), "frames=5\n");
        EXPECT_EQ(aperti, QStringList{video.path()}) << "the video's folder is shown once";
        EXPECT_EQ(utente.messaggi.size(), 1);
    }
    EXPECT_EQ(DurataAllaProssimaApertura(), 5);
    EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, 5.0f);
}

// The end of the session while an encoder that ignores SIGINT and SIGTERM, and the child it
// left, floods the encoding window: the program still ends within seconds, of itself, leaves
// nothing of the encoder's group running, and the project is saved.
TEST(PercorsoCompleto, SigtermDuringAnEncoderThatIgnoresEveryStopEndsTheProgramInSeconds) {
    CasaProgramma ambiente({{"FINTO_MODO", "ostinato"}});
    qint64 gruppo = 0;
    QElapsedTimer dalSegnale;
    {
        Programma programma;
        TORVDLGCodificaVideo& codifica = programma.Porta().CodificaVideo();
        codifica.ImpostaEncoder(ProgrammaFinto("finto_ffmpeg.sh"));
        codifica.ImpostaSonda(ProgrammaFinto("finto_ffprobe.sh"));
        codifica.ImpostaApertura([](const QUrl&) { return true; });
        Utente utente(programma);
        utente.chiudeAllaFine = false;
        utente.allApertura = [&] { CinqueFrameEAnima(programma); };
        utente.inCodifica = [&] {
            gruppo = codifica.Lavoro().GruppoProcessi();
            dalSegnale.start();
            ::kill(::getpid(), SIGTERM);
        };
        QString stato;
        ASSERT_TRUE(Esegui(programma, utente, stato)) << "the program did not end: " << stato.toStdString();
        ASSERT_TRUE(dalSegnale.isValid()) << "the encoder never ran: " << utente.Stato().toStdString();
        // The stop's own bound is 3 s (SIGINT, SIGTERM after 2 s, SIGKILL 1 s later); the rest is
        // room for a loaded machine.
        EXPECT_LT(dalSegnale.elapsed(), 10000);
        ASSERT_GT(gruppo, 0);
        EXPECT_EQ(AttendiGruppoVuoto(gruppo), 0);
    }
    EXPECT_EQ(DurataAllaProssimaApertura(), 5);
}

}  // namespace
