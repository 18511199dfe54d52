#pragma once
// Plays the user of the whole program: step by step on a short timer it answers whatever window
// is up, starts an animation and closes the windows at the end; the stand-in encoder and prober
// of the encoding tests run in place of ffmpeg.
#include "app/Avvio.h"
#include "app/Frm2principale.h"
#include "app/PortaDialoghiReale.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_spinnumber.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "encoding/LavoroCodifica.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <functional>
#include <utility>

// The source name may be relative to where the tests were compiled (build/tests), which is not
// where the test runs from.
inline QString ProgrammaFinto(const char* nome) {
    const QDir compilazione(QCoreApplication::applicationDirPath() + QStringLiteral("/../tests"));
    return QFileInfo(compilazione.filePath(QStringLiteral(__FILE__))).absolutePath() +
           QStringLiteral("/../encoding/dati/") + QString::fromLatin1(nome);
}

// The encoding window of the program with the stand-ins in place of ffmpeg and ffprobe, and a
// desktop opener that opens nothing.
inline TORVDLGCodificaVideo& CodificaFinta(Programma& programma) {
    TORVDLGCodificaVideo& codifica = programma.Porta().CodificaVideo();
    codifica.ImpostaEncoder(ProgrammaFinto("finto_ffmpeg.sh"));
    codifica.ImpostaSonda(ProgrammaFinto("finto_ffprobe.sh"));
    codifica.ImpostaApertura([](const QUrl&) { return true; });
    return codifica;
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
    std::function<void()> nelCiclo;     // once the frames loop runs
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
        if (nelCiclo && principale.Contesto().CicloAttivo) {
            const auto azione = std::exchange(nelCiclo, nullptr);
            azione();
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
inline bool Esegui(Programma& programma, Utente& utente, QString& stato) {
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

// A duration, then Anima: the spinner reports its new value as at the end of a drag.
inline void FrameEAnima(Programma& programma, int frame) {
    auto* durata = programma.Principale().Controllo<ORV_2016_SpinNumber>("ProgettoDurata");
    ASSERT_NE(durata, nullptr);
    durata->SetORV_Valore(frame);
    durata->OnCambiamentoValore(durata);
    auto* anima = programma.Principale().Controllo<ORV_2016_Check>("Anima");
    ASSERT_NE(anima, nullptr);
    MouseSintetico mouse(anima);
    mouse.Entra(10, 10);
    mouse.Click(10, 10);
}

inline void CinqueFrameEAnima(Programma& programma) { FrameEAnima(programma, 5); }

