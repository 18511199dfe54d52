#include "encoding/LavoroCodifica.h"

#include "AiutoCodifica.h"
#include "common/CasaTemporanea.h"
#include "common/LinguaTemporanea.h"
#include "platform/FileTesto.h"
#include "project/Banner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Runs the fake encoder in a mode; each test is its own process, so the variable stays local.
class LavoroFinto : public ::testing::Test {
protected:
    void SetUp() override {
        cartella_ = casa_.Sotto("Video");
        ScriviFrame(cartella_, 5, true);
        finto_ = CopiaFintoEncoder(casa_.Sotto("finto_ffmpeg"));
        sonda_ = CopiaFintaSonda(casa_.Sotto("finto_ffprobe"));
        lavoro_ = std::make_unique<LavoroCodifica>();
        Imposta(cartella_);
    }

    void Imposta(const QString& cartella) {
        lavoro_->ImpostaParametri({cartella, 25, true, 5, QStringLiteral("Frames/Image")});
        lavoro_->ImpostaCodec({4, false, 0, 23, QStringLiteral("medium"), false, false, QString()});
        lavoro_->ImpostaEncoder(finto_);
        lavoro_->ImpostaSonda(sonda_);
    }

    static void Modo(const char* modo) { qputenv("FINTO_MODO", modo); }

    QStringList Log() const { return LeggiTutteLeRighe(lavoro_->Risultato().PercorsoLog); }

    // The user's messages are compared in English; the log is Italian in every language.
    LinguaTemporanea inglese_{LinguaInglese};
    CasaTemporanea casa_;
    QString cartella_;
    QString finto_;
    QString sonda_;
    std::unique_ptr<LavoroCodifica> lavoro_;
};

}  // namespace

TEST_F(LavoroFinto, SuccessfulRunReportsFiguresProgressPreviewAndLog) {
    Modo("ok");
    Registro reg(*lavoro_);
    const RisultatoCodifica r = AttendiFine(*lavoro_);

    EXPECT_TRUE(r.Riuscita);
    EXPECT_FALSE(r.Interrotta);
    EXPECT_EQ(r.CodiceUscita, 0);
    EXPECT_EQ(r.UltimoFrame, 5);
    EXPECT_EQ(r.PercorsoVideo, cartella_ + "/Video_2026_12_10_09_05_03.mp4");
    EXPECT_TRUE(QFileInfo(r.PercorsoVideo).size() > 0);
    EXPECT_FALSE(QFileInfo::exists(cartella_ + "/codifica.sh"));
    EXPECT_FALSE(lavoro_->InCorso());
    EXPECT_EQ(lavoro_->Figure(), (FigureCodifica{"5", "25", "5kB", "1234.5kbits/s"}));

    // Every status line, cut by CR alone, arrives as a line of its own.
    const QStringList& lette = reg.Righe;
    EXPECT_EQ(lette.filter(QRegularExpression("^frame=")).size(), 5);
    EXPECT_TRUE(lette.contains("ffmpeg version finta"));

    ASSERT_GE(reg.Progresso.size(), 2u);
    EXPECT_EQ(reg.Progresso.front(), std::make_pair(0, 5));
    EXPECT_EQ(reg.Progresso.back(), std::make_pair(5, 5));
    // At most one preview a read of the output, the last frame's at the end.
    ASSERT_GE(reg.Anteprime.size(), 1);
    EXPECT_LE(reg.Anteprime.size(), 5);
    EXPECT_EQ(reg.Anteprime.last(), cartella_ + "/Frames/Image_0005.jpg");
    EXPECT_EQ(reg.Fini, 1);

    const QStringList log = Log();
    const QString logTesto = log.join('\n');
    // The log in its order: banner, preparation, command, script, pipe, output, end banner.
    QStringList attesi = {"Creo il nome del file bat", "Nome = " + cartella_ + "/codifica.sh",
                          "Creo i parametri da passare"};
    qsizetype da = 0;
    auto Segue = [&](const QString& riga) {
        const qsizetype i = log.indexOf(riga, da);
        EXPECT_GE(i, da) << riga.toStdString();
        if (i >= 0) da = i + 1;
    };
    EXPECT_EQ(log.mid(0, 7), RigheBanner("LOG CODIFICA", CorniceBanner::Commento));
    for (const QString& a : attesi) Segue(a);
    Segue("Riga Comando: " + lavoro_->Comando().Testo);
    Segue(RigheBanner("SCRITTURA FILE BATCH", CorniceBanner::Commento)[1]);
    Segue("#!/bin/sh");
    Segue(QString());
    Segue("exec " + lavoro_->Comando().Testo);
    Segue(RigheBanner("CREAZIONE DEL PIPE", CorniceBanner::Commento)[1]);
    for (const char* a : {"Creo il Pipe", "Creo l'Handle information", "creo il processo",
                          "processo creato correttamente"})
        Segue(a);
    Segue(RigheBanner("CODIFICA", CorniceBanner::Commento)[1]);
    Segue("ffmpeg version finta");
    EXPECT_EQ(log.mid(log.size() - 7), RigheBanner("CODIFICA ANDATA A BUON FINE", CorniceBanner::Commento));
    EXPECT_FALSE(logTesto.contains("ERRORE"));
}

TEST_F(LavoroFinto, FailureAfterTheLastFrameIsAFailureAndLeavesNoVideo) {
    Modo("errore_dopo");
    ScriviFrame(cartella_, 6, true);
    lavoro_->ImpostaParametri({cartella_, 25, true, 6, QStringLiteral("Frames/Image")});
    Registro reg(*lavoro_);
    const RisultatoCodifica r = AttendiFine(*lavoro_);
    // The bar stays where the encoder got to: a failure never shows as complete.
    ASSERT_FALSE(reg.Progresso.empty());
    EXPECT_EQ(reg.Progresso.back(), std::make_pair(5, 6));
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.UltimoFrame, 5);  // every frame reported, yet no video
    EXPECT_EQ(r.CodiceUscita, 1);
    EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
    EXPECT_TRUE(QFileInfo::exists(cartella_ + "/Frames/Image_0005.jpg"));
    const QStringList log = Log();
    EXPECT_TRUE(log.contains("Error writing trailer: No space left on device"));
    EXPECT_TRUE(log.contains("Uscita dell'encoder: 1"));
    EXPECT_EQ(log.mid(log.size() - 7), RigheBanner("ERRORE NELLA CODIFICA", CorniceBanner::Commento));
    // The reason is the encoder's own last error line.
    EXPECT_EQ(r.UltimoErrore, "Error writing trailer: No space left on device");
    EXPECT_EQ(MotivoFallimento(r, 1), "Error writing trailer: No space left on device");
}

// An encoder that dies, or ends with an error code and no error line, says so in the
// window's language; the bar never shows a failure as complete.
TEST_F(LavoroFinto, CrashOrExitCodeIsTheReason) {
    const struct {
        const char* modo;
        bool crash;
        int codice;
        const char* inglese;
        const char* italiano;
    } casi[] = {
        {"crash", true, -1, "The encoder crashed", "L'encoder è andato in crash"},
        {"codice", false, 3, "The encoder ended with code 3", "L'encoder è terminato con il codice 3"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.modo);
        Modo(c.modo);
        Registro reg(*lavoro_);
        const RisultatoCodifica r = AttendiFine(*lavoro_);
        EXPECT_FALSE(r.Riuscita);
        EXPECT_FALSE(r.Interrotta);
        EXPECT_EQ(r.Crash, c.crash);
        EXPECT_EQ(r.CodiceUscita, c.codice);
        EXPECT_TRUE(r.Errore.isEmpty()) << r.Errore.toStdString();
        EXPECT_EQ(MotivoFallimento(r, 1), c.inglese);
        EXPECT_EQ(MotivoFallimento(r, 0), c.italiano);
        EXPECT_EQ(reg.Progresso.back(), std::make_pair(2, 5));
        EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
    }
}

// The encoder says it made every frame and exits with 0: the video itself must hold them.
TEST_F(LavoroFinto, TheVideoIsReadBackAndItsFramesCounted) {
    const struct {
        const char* modo;
        const char* errore;  // %1 the video
        int nelVideo;
    } casi[] = {
        {"ok", "", 5},
        {"breve", "The video holds 3 frames where 5 were expected", 3},
        {"bugiardo", "The video %1 cannot be read: Invalid data found when processing input", -1},
        {"senza_video", "The encoder did not write the video %1", -1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.modo);
        Modo(c.modo);
        Registro reg(*lavoro_);
        const RisultatoCodifica r = AttendiFine(*lavoro_);
        EXPECT_EQ(r.Riuscita, !*c.errore);
        EXPECT_EQ(r.CodiceUscita, 0);
        EXPECT_EQ(r.FrameNelVideo, c.nelVideo);
        EXPECT_EQ(r.Errore, QString::fromUtf8(c.errore).arg(r.PercorsoVideo));
        EXPECT_EQ(MotivoFallimento(r, 1), r.Errore);
        EXPECT_EQ(QFileInfo::exists(r.PercorsoVideo), r.Riuscita);
        // Success fills the bar; a failure stops short of full whatever the encoder said.
        ASSERT_FALSE(reg.Progresso.empty());
        EXPECT_EQ(reg.Progresso.back().first == 5, r.Riuscita) << reg.Progresso.back().first;
        const QStringList log = Log();
        EXPECT_EQ(log.mid(log.size() - 7), RigheBanner(r.Riuscita ? "CODIFICA ANDATA A BUON FINE" : "ERRORE NELLA CODIFICA",
                                                       CorniceBanner::Commento));
        QFile::remove(r.PercorsoVideo);  // the next case's video has the same name
    }
}

TEST_F(LavoroFinto, ExitZeroWithoutAVideoIsAFailure) {
    Modo("senza_video");
    const RisultatoCodifica r = AttendiFine(*lavoro_);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.CodiceUscita, 0);
    EXPECT_TRUE(Log().contains("Il video non è stato scritto: " + r.PercorsoVideo));
}

// A script that cannot be written is named; one left by a killed run goes when the next starts.
TEST_F(LavoroFinto, ScriptProblemsNameTheScript) {
    Modo("ok");
    const QString script = cartella_ + "/codifica.sh";
    ASSERT_TRUE(QDir().mkpath(script + "/dentro"));  // root may write anywhere, but not over a folder
    RisultatoCodifica r = AttendiFine(*lavoro_);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_TRUE(r.Errore.startsWith("The encoding script " + script + " could not be written: "))
        << r.Errore.toStdString();
    EXPECT_GT(r.Errore.size(), QString("The encoding script " + script + " could not be written: ").size());
    QDir(script).removeRecursively();

    QFile vecchio(script);
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.write("#!/bin/sh\nexec ffmpeg -i old\n");
    vecchio.close();
    QFile::remove(cartella_ + "/Frames/Image_0002.jpg");  // this run ends before it writes its own
    r = AttendiFine(*lavoro_);
    EXPECT_EQ(r.FrameErrato, 2);
    EXPECT_FALSE(QFileInfo::exists(script));
}

// An encoder that is not there is told as such, not as a run the user stopped: looked up
// before the start (by path, or by name on a PATH without it), or the shell's 127.
TEST_F(LavoroFinto, MissingEncoderIsToldAsMissing) {
    const QByteArray path = qgetenv("PATH");
    const QString vuota = casa_.Sotto("vuota");
    QDir().mkpath(vuota);
    const struct {
        const char* nome;
        QString encoder;
        const char* modo;
        int uscita;  // -1: never started
    } casi[] = {
        {"path", casa_.Sotto("manca/ffmpeg"), "ok", -1},
        {"name", QStringLiteral("ffmpeg"), "ok", -1},
        {"shell", finto_, "non_trovato", 127},
    };
    // Without the prober no video could be called made: looked up before anything runs.
    {
        Modo("ok");
        lavoro_->ImpostaSonda(casa_.Sotto("manca/ffprobe"));
        const RisultatoCodifica r = AttendiFine(*lavoro_);
        lavoro_->ImpostaSonda(sonda_);
        EXPECT_TRUE(r.EncoderMancante);
        EXPECT_EQ(r.CodiceUscita, -1);
        EXPECT_EQ(r.Errore, "ffprobe was not found: install the ffmpeg package");
    }
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Modo(c.modo);
        lavoro_->ImpostaEncoder(c.encoder);
        qputenv("PATH", vuota.toLocal8Bit());
        const RisultatoCodifica r = AttendiFine(*lavoro_);
        qputenv("PATH", path);
        EXPECT_FALSE(r.Riuscita);
        EXPECT_FALSE(r.Interrotta);
        EXPECT_TRUE(r.EncoderMancante);
        EXPECT_EQ(r.CodiceUscita, c.uscita);
        const QString nome = QFileInfo(c.encoder).fileName();
        EXPECT_EQ(r.Errore, nome + " was not found: install the ffmpeg package");
        EXPECT_TRUE(Log().contains("Errore: " + r.Errore) || c.uscita == 127);
        EXPECT_FALSE(QFileInfo::exists(cartella_ + "/codifica.sh"));
        EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
    }
}

TEST_F(LavoroFinto, FolderThatCannotBeMadeIsReportedNotFatal) {
    Modo("ok");
    QFile blocco(casa_.Sotto("file"));
    ASSERT_TRUE(blocco.open(QIODevice::WriteOnly));
    blocco.close();
    Imposta(casa_.Sotto("file/Video"));
    const RisultatoCodifica r = AttendiFine(*lavoro_);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_TRUE(r.Errore.startsWith(casa_.Sotto("file/Video") + ": ")) << r.Errore.toStdString();
    EXPECT_FALSE(lavoro_->InCorso());
}

// A folder with every character that a shell treats specially: created, and the encoder
// gets its arguments exactly.
TEST_F(LavoroFinto, HostileFolderNameReachesTheEncoderIntact) {
    Modo("argomenti");
    const QString cartella = casa_.Sotto("it's \"q\" $HOME `touch pwned` \\ %d;rm x & é|*/Video");
    ScriviFrame(cartella, 5, true);
    Imposta(cartella);
    Registro reg(*lavoro_);
    const RisultatoCodifica r = AttendiFine(*lavoro_);
    EXPECT_TRUE(r.Riuscita) << r.Errore.toStdString();
    QStringList argomenti;
    for (const QString& a : reg.Righe)
        if (a.startsWith("arg:")) argomenti << a.mid(4);
    EXPECT_EQ(argomenti, lavoro_->Comando().Argomenti);
    EXPECT_TRUE(QFileInfo(r.PercorsoVideo).size() > 0);
    EXPECT_TRUE(r.PercorsoVideo.startsWith(cartella));
    EXPECT_FALSE(QFileInfo::exists(casa_.Sotto("pwned")));
    EXPECT_FALSE(QFileInfo::exists(cartella + "/pwned"));
}

// Without its folder there are no frames either: the log is still written there.
TEST_F(LavoroFinto, MissingVideoFolderIsCreated) {
    Modo("ok");
    Imposta(casa_.Sotto("nuova/Video"));
    const RisultatoCodifica r = AttendiFine(*lavoro_);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.FrameErrato, 1);
    EXPECT_TRUE(QFileInfo::exists(casa_.Sotto("nuova/Video/Log.TXT")));
}

// A gap or a damaged frame would make ffmpeg end the video there and still exit with 0:
// the run stops before the encoder and names the frame.
TEST_F(LavoroFinto, MissingOrDamagedFrameIsAFailureNamingIt) {
    const QString terzo = cartella_ + "/Frames/Image_0003.jpg";
    struct Caso {
        const char* nome;
        std::function<void()> danneggia;
        const char* motivo;
    };
    const std::vector<Caso> casi = {
        {"missing", [&] { QFile::remove(terzo); }, "is missing"},
        {"not a picture",
         [&] {
             QFile f(terzo);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write(QByteArray(300, '\x5a'));
         },
         "cannot be read"},
        {"empty",
         [&] {
             QFile f(terzo);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
         },
         "cannot be read"},
        // ffmpeg would encode it grey and report every frame made.
        {"cut in half",
         [&] {
             QFile f(terzo);
             ASSERT_TRUE(f.resize(QFileInfo(terzo).size() / 2));
         },
         "(its JPEG data is cut short)"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modo("ok");
        ScriviFrame(cartella_, 5, true);
        c.danneggia();
        Registro reg(*lavoro_);
        const RisultatoCodifica r = AttendiFine(*lavoro_);
        EXPECT_FALSE(r.Riuscita);
        EXPECT_EQ(r.FrameErrato, 3);
        EXPECT_TRUE(r.Errore.contains(terzo)) << r.Errore.toStdString();
        EXPECT_TRUE(r.Errore.contains(c.motivo)) << r.Errore.toStdString();
        EXPECT_TRUE(reg.Righe.isEmpty());  // the encoder never ran
        EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo));
        const QStringList log = Log();
        EXPECT_TRUE(log.contains("Errore: " + r.Errore));
        EXPECT_EQ(log.mid(log.size() - 7), RigheBanner("ERRORE NELLA CODIFICA", CorniceBanner::Commento));
    }
}

TEST_F(LavoroFinto, StandardInputIsNotATerminal) {
    Modo("stdin");
    Registro reg(*lavoro_);
    AttendiFine(*lavoro_);
    EXPECT_TRUE(reg.Righe.contains("non terminale"));
    EXPECT_TRUE(reg.Righe.contains("letti=0"));
}

TEST_F(LavoroFinto, StopEndsTheWholeGroupAndRemovesTheHalfVideo) {
    struct Caso {
        const char* modo;  // "sordo" ignores SIGINT; "ostinato" SIGTERM too, and floods the pipe
    };
    for (const Caso c : {Caso{"lento"}, Caso{"sordo"}, Caso{"ostinato"}}) {
        Modo(c.modo);
        lavoro_->ImpostaAttesaArresto(300);
        Registro reg(*lavoro_);
        lavoro_->EseguiCodifica();
        ASSERT_TRUE(lavoro_->InCorso());
        ASSERT_TRUE(AttendiFinche([&] { return lavoro_->Figure().NumeroFrame() >= 2; })) << c.modo;
        const qint64 gruppo = lavoro_->GruppoProcessi();
        ASSERT_GT(gruppo, 0);
        EXPECT_GE(ProcessiVivi(gruppo), 2);  // the encoder and the child it left in the background
        lavoro_->Interrompi();
        ASSERT_TRUE(AttendiFinche([&] { return reg.Fini > 0; })) << c.modo;
        const RisultatoCodifica r = lavoro_->Risultato();
        EXPECT_TRUE(r.Interrotta);
        EXPECT_FALSE(r.Riuscita);
        EXPECT_FALSE(QFileInfo::exists(r.PercorsoVideo)) << c.modo;
        EXPECT_EQ(AttendiGruppoVuoto(gruppo), 0) << c.modo;
        EXPECT_TRUE(Log().contains("Codifica interrotta dall'utente"));
    }
}

// Also when the encoder ignores every signal but SIGKILL and never stops printing: the wait
// for its end is bounded, and nothing of its group is left.
TEST_F(LavoroFinto, DestroyingTheJobDuringARunEndsTheEncoder) {
    for (const char* modo : {"sordo", "ostinato"}) {
        SCOPED_TRACE(modo);
        if (!lavoro_) {
            lavoro_ = std::make_unique<LavoroCodifica>();
            Imposta(cartella_);
        }
        Modo(modo);
        lavoro_->ImpostaAttesaArresto(300);
        lavoro_->EseguiCodifica();
        ASSERT_TRUE(AttendiFinche([&] { return lavoro_->Figure().NumeroFrame() >= 1; }));
        const qint64 gruppo = lavoro_->GruppoProcessi();
        ASSERT_GT(gruppo, 0);
        lavoro_.reset();
        EXPECT_EQ(AttendiGruppoVuoto(gruppo), 0);
    }
}

// An encoder that ignores SIGINT but ends cleanly at SIGTERM is given that chance, by the stop
// of "Interrompi" and by the program's end alike, before anything kills it.
TEST_F(LavoroFinto, TheStopSendsSigtermBeforeItKills) {
    for (const bool allaFine : {false, true}) {
        SCOPED_TRACE(allaFine ? "the program's end" : "Interrompi");
        if (!lavoro_) {
            lavoro_ = std::make_unique<LavoroCodifica>();
            Imposta(cartella_);
        }
        Modo("termina");
        lavoro_->ImpostaAttesaArresto(300);
        Registro reg(*lavoro_);
        lavoro_->EseguiCodifica();
        ASSERT_TRUE(AttendiFinche([&] { return lavoro_->Figure().NumeroFrame() >= 2; }));
        const QString log = lavoro_->Risultato().PercorsoLog;
        if (allaFine) {
            lavoro_.reset();
        } else {
            lavoro_->Interrompi();
            ASSERT_TRUE(AttendiFinche([&] { return reg.Fini > 0; }));
            EXPECT_TRUE(lavoro_->Risultato().Interrotta);
        }
        EXPECT_TRUE(LeggiTutteLeRighe(log).contains("chiuso al SIGTERM"));
    }
}

// Far more output than any run writes: the log keeps its head and its tail, with one line
// between them that says how much was left out, and the end of the run stays in it.
TEST_F(LavoroFinto, AFloodOfGarbageKeepsTheLogToItsBound) {
    constexpr qint64 Byte = 30 * 1024 * 1024;
    Modo("spazzatura");
    qputenv("FINTO_BYTE", QByteArray::number(Byte));
    const RisultatoCodifica r = AttendiFine(*lavoro_, 120000);
    qunsetenv("FINTO_BYTE");
    EXPECT_EQ(r.UltimoErrore, "Error writing trailer: No space left on device");
    const qint64 dimensione = QFileInfo(r.PercorsoLog).size();
    EXPECT_LE(dimensione, LimiteTestaLog + LimiteCodaLog + 200);
    QFile file(r.PercorsoLog);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray log = file.readAll();
    EXPECT_TRUE(log.startsWith(Log().first().toUtf8()));
    static const QRegularExpression omesso("\\[log troppo lungo: omesse qui (\\d+) righe, (\\d+) byte\\]\r\n");
    const QRegularExpressionMatch m = omesso.match(QString::fromLatin1(log));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_GT(m.captured(2).toLongLong(), Byte - LimiteTestaLog - LimiteCodaLog - 1024 * 1024);
    EXPECT_TRUE(log.contains("Error writing trailer: No space left on device\r\nUscita dell'encoder: 1\r\n"));
    EXPECT_GT(log.indexOf("Uscita dell'encoder: 1"), m.capturedStart());
}

TEST_F(LavoroFinto, NewRunStartsItsFiguresAtZero) {
    Modo("ok");
    ASSERT_TRUE(AttendiFine(*lavoro_).Riuscita);
    Modo("nessuno");  // fails before any status line
    const RisultatoCodifica r = AttendiFine(*lavoro_);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.UltimoFrame, 0);
    EXPECT_EQ(lavoro_->Figure(), FigureCodifica());
}

// An encoder that floods its output: the log gets every line in order and ends as any failed
// run's log, and the reason is still the last error line.
TEST_F(LavoroFinto, FloodOfLinesIsLoggedWholeAndTheReasonKept) {
    constexpr int Righe = 150000;  // about 10 MB
    const QString riga = "[libx264 @ 0x55d0c0ffee00] frame I:1     Avg QP:20.00  size: 12345";
    Modo("diluvio");
    qputenv("FINTO_RIGHE", QByteArray::number(Righe));
    Registro reg(*lavoro_);
    const RisultatoCodifica r = AttendiFine(*lavoro_, 120000);
    qunsetenv("FINTO_RIGHE");
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.UltimoErrore, "Error writing trailer: No space left on device");
    EXPECT_EQ(MotivoFallimento(r, 1), "Error writing trailer: No space left on device");
    EXPECT_EQ(reg.Righe.count(riga), Righe);

    const QStringList log = Log();
    EXPECT_EQ(log.count(riga), Righe);
    const qsizetype primo = log.indexOf(riga);
    ASSERT_GT(primo, 0);
    EXPECT_TRUE(log[primo - 1].startsWith("frame=    1 "));
    EXPECT_EQ(log.lastIndexOf(riga), primo + Righe - 1);  // one run, nothing between them
    const QStringList coda = log.mid(primo + Righe);
    QStringList attesa = {"Error writing trailer: No space left on device", "Uscita dell'encoder: 1"};
    attesa += RigheBanner("ERRORE NELLA CODIFICA", CorniceBanner::Commento);
    EXPECT_EQ(coda, attesa);
    // Written in pieces, yet every line ends in CR LF as ever.
    QFile file(r.PercorsoLog);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == (log.join("\r\n") + "\r\n").toUtf8());
}

// A line without end: the log keeps its start and tells how much it dropped, the window gets
// a short line ending in an ellipsis, and the lines after it are whole.
TEST_F(LavoroFinto, EndlessLineIsCutInTheLogAndInTheWindow) {
    constexpr qint64 Byte = 5 * 1024 * 1024;
    Modo("riga_lunga");
    qputenv("FINTO_BYTE", QByteArray::number(Byte));
    Registro reg(*lavoro_);
    const RisultatoCodifica r = AttendiFine(*lavoro_, 120000);
    qunsetenv("FINTO_BYTE");
    EXPECT_EQ(r.UltimoErrore, "Error writing trailer: No space left on device");

    const QString tenuta(LimiteRigaLog, 'x');
    const QString nelLog = tenuta + QStringLiteral(" [riga tagliata: altri %1 byte]").arg(Byte - LimiteRigaLog);
    const QStringList log = Log();
    const qsizetype i = log.indexOf(nelLog);
    ASSERT_GE(i, 0);
    EXPECT_EQ(log.mid(i + 1, 2), (QStringList{"Error writing trailer: No space left on device", "Uscita dell'encoder: 1"}));

    const QString nellaFinestra = QString(LimiteRigaFinestra, 'x') + QChar(0x2026);
    EXPECT_EQ(reg.Righe.count(nellaFinestra), 1);
    for (const QString& l : reg.Righe) EXPECT_LE(l.size(), LimiteRigaFinestra + 1);
    EXPECT_TRUE(reg.Righe.contains("Error writing trailer: No space left on device"));
}
