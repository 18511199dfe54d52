// The whole road of a video through the real windows: start, a short duration, Anima, the
// frames, the encoding window with a stand-in encoder, the video and its log; then a second
// start reads the project back.
#include "app/Avvio.h"

#include "app/Frm1splash.h"
#include "app/Frm2principale.h"
#include "app/PortaDialoghiReale.h"
#include "CasaProgramma.h"
#include "UtenteFinto.h"
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
        TORVDLGCodificaVideo& codifica = CodificaFinta(programma);
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

// Ctrl+C in the terminal (SIGINT), a logout (SIGTERM) and a lost terminal (SIGHUP) end the
// session alike while the frames are drawn and while the encoder runs: the program ends of
// itself and the project, with the duration just set, is kept.
TEST(PercorsoCompleto, EverySignalThatEndsTheSessionKeepsTheProjectDuringTheFramesAndTheEncode) {
    const struct {
        const char* nome;
        int segnale;
    } segnali[] = {{"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}};
    for (const auto& s : segnali) {
        for (const bool inCodifica : {false, true}) {
            SCOPED_TRACE(std::string(s.nome) + (inCodifica ? " during the encode" : " during the frames"));
            // Long enough that the frames are still being drawn when the signal comes.
            const int frame = inCodifica ? 5 : 300;
            CasaProgramma ambiente({{"FINTO_MODO", "lento"}});
            bool inviato = false;
            {
                Programma programma;
                CodificaFinta(programma);
                Utente utente(programma);
                utente.chiudeAllaFine = false;
                utente.allApertura = [&] { FrameEAnima(programma, frame); };
                const auto invia = [&] {
                    inviato = true;
                    ::kill(::getpid(), s.segnale);
                };
                if (inCodifica)
                    utente.inCodifica = invia;
                else
                    utente.nelCiclo = invia;
                QString stato;
                ASSERT_TRUE(Esegui(programma, utente, stato)) << "the program did not end: " << stato.toStdString();
                ASSERT_TRUE(inviato) << utente.Stato().toStdString();
                EXPECT_EQ(utente.codificaVista, inCodifica);
            }
            EXPECT_EQ(DurataAllaProssimaApertura(), frame);
        }
    }
}

}  // namespace
