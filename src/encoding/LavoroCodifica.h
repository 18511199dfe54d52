#pragma once
// One encoding run as a job: checks that every frame file is whole (on worker threads),
// writes the script "codifica.sh" into the video folder, runs it with /bin/sh in a process
// group of its own (input from /dev/null, output and errors on one pipe), logs every line the
// encoder prints into "Log.TXT", reads the video back with ffprobe, and reports lines,
// figures, progress and the end through signals. Nothing here blocks the thread that owns it.
#include "encoding/ControlloFrame.h"
#include "encoding/DivisoreRighe.h"
#include "encoding/ParametriCodifica.h"
#include "encoding/RigaComando.h"
#include "encoding/RigaStato.h"
#include "platform/FileTesto.h"

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <atomic>
#include <deque>
#include <optional>
#include <thread>

struct RisultatoCodifica {
    // The encoder exited with status 0 and ffprobe read back from the video the frames the
    // project asked for.
    bool Riuscita = false;
    bool Interrotta = false;
    // Why the run failed, in one line, when the job can tell it itself: it could not start
    // (folder, script or process), a frame file is missing or not whole (then the encoder
    // never started), or the video is missing, unreadable or short of frames. Empty on
    // success, on a stop, and when the encoder failed (see MotivoFallimento).
    QString Errore;
    // The frame at fault (missing or not whole); 0 when none.
    int FrameErrato = 0;
    // The encoder or its prober is not there: nothing ran, and the log has nothing to tell.
    bool EncoderMancante = false;
    int CodiceUscita = -1;
    bool Crash = false;          // the encoder died of a signal
    QString UltimoErrore;        // the last error line the encoder printed
    int FrameNelVideo = -1;      // what ffprobe counted; -1 when it did not read the video
    int UltimoFrame = 0;
    QString PercorsoVideo;
    QString PercorsoLog;
};

// The one line that says why a run failed, in a language (a CodiceLingua): the job's own
// reason, else that the encoder crashed, else its last error line, else its exit code. Empty
// on success and on a stop.
QString MotivoFallimento(const RisultatoCodifica& risultato, int lingua);

// An encoder may print without end: the log keeps of each line its first LimiteRigaLog bytes
// and says how many it dropped; the lines given to the window and the failure reason keep
// their first LimiteRigaFinestra characters and end in an ellipsis when cut.
inline constexpr qsizetype LimiteRigaLog = 64 * 1024;
inline constexpr qsizetype LimiteRigaFinestra = 2000;
// And the whole log: its first LimiteTestaLog bytes go to disk as the output comes, its last
// LimiteCodaLog bytes are held in memory and written at the end, after one line that says how
// many lines and bytes were left out between them. A long real run writes well under 1 MB.
inline constexpr qint64 LimiteTestaLog = 8 * 1024 * 1024;
inline constexpr qint64 LimiteCodaLog = 2 * 1024 * 1024;

class LavoroCodifica : public QObject {
    Q_OBJECT
public:
    explicit LavoroCodifica(QObject* parent = nullptr);
    // A run still going is stopped as by Interrompi, waiting at most the stop delay.
    ~LavoroCodifica() override;

    void ImpostaParametri(const ParametriCodifica& parametri) { parametri_ = parametri; }
    void ImpostaCodec(const ParametriCodec& codec) { codec_ = codec; }
    const ParametriCodifica& Parametri() const { return parametri_; }
    const ParametriCodec& Codec() const { return codec_; }
    // The encoder program; "ffmpeg" from PATH unless set.
    void ImpostaEncoder(const QString& programma) { encoder_ = programma; }
    // The program that reads the video back; "ffprobe" from PATH unless set.
    void ImpostaSonda(const QString& programma) { sonda_ = programma; }
    // The language of the reasons the job words itself (a CodiceLingua); English unless set.
    void ImpostaLingua(int lingua) { lingua_ = lingua; }
    // How long the encoder may take to end after SIGINT before the group gets SIGTERM;
    // SIGKILL follows AttesaTermine later.
    void ImpostaAttesaArresto(int millisecondi) { attesaArresto_ = millisecondi; }
    static constexpr int AttesaTermine = 1000;

    // Starts a run whose video is named after momento; returns at once. The end always
    // comes as terminata, also when the run cannot start. Ignored while a run is going.
    void EseguiCodifica(const QDateTime& momento = QDateTime::currentDateTime());
    // Ends the whole process group: SIGINT first (ffmpeg's own clean end), SIGTERM after the
    // stop delay, SIGKILL after AttesaTermine more.
    void Interrompi();

    bool InCorso() const { return inCorso_; }
    const FigureCodifica& Figure() const { return figure_; }
    const RisultatoCodifica& Risultato() const { return risultato_; }
    const RigaComando& Comando() const { return comando_; }
    // The process group of the run going on, 0 when none.
    qint64 GruppoProcessi() const { return gruppo_; }

signals:
    void rigaLetta(const QString& riga);
    void figureAggiornate(const FigureCodifica& figure);
    void progresso(int valore, int massimo);
    // A frame file that the encoder has just read, for the preview.
    void anteprima(const QString& percorsoFrame);
    void terminata(const RisultatoCodifica& risultato);

private:
    void Log(const QString& riga);
    void LogByte(const QByteArray& riga);  // a line already in UTF-8
    void LogBanner(const char* titolo);
    void SalvaLog();
    bool ScriviScript(const QString& percorso, const QStringList& righe, QString& errore);
    void FrameControllati(const std::optional<FrameDifettoso>& difettoso);
    void AvviaEncoder();
    void AvviaSonda();
    void SondaFinita(int codice, QProcess::ExitStatus stato);
    void FermaControllo();
    void LeggiUscita();
    void ElaboraRiga(const RigaUscita& riga);
    void ScriviInAttesa();
    void ChiudiLog();
    void AzzeraCoda();
    void Avviato();
    void Finito(int codice, QProcess::ExitStatus stato);
    void ErroreProcesso(QProcess::ProcessError errore);
    void Fallimento(const QString& errore);
    void ProgrammaMancante(const QString& programma);
    void Concludi();
    void SegnaleGruppo(int segnale);
    void IniziaArresto();
    void Incalza();
    void ArrestoSincrono();
    void EmettiAnteprima();

    ParametriCodifica parametri_;
    ParametriCodec codec_;
    QString encoder_ = QStringLiteral("ffmpeg");
    QString sonda_ = QStringLiteral("ffprobe");
    int lingua_ = 1;
    int attesaArresto_ = 2000;

    std::thread controllo_;
    std::atomic<bool> annullaControllo_{false};
    QProcess* processo_ = nullptr;
    QProcess* sondaProcesso_ = nullptr;
    QTimer arresto_;
    DivisoreRighe divisore_{LimiteRigaLog};
    // The log's lines not yet on disk; the file is opened, anew, at the first write.
    QByteArray logInAttesa_;
    qint64 byteTesta_ = 0;         // the head's bytes, on disk or about to be
    bool inCoda_ = false;          // the head is full: lines go to the tail
    std::deque<QByteArray> coda_;  // each line with its CR LF
    qint64 byteCoda_ = 0;
    qint64 righeOmesse_ = 0;
    qint64 byteOmessi_ = 0;
    QFile fileLog_;
    bool logFallito_ = false;
    QString percorsoLog_;
    QString percorsoScript_;
    RigaComando comando_;
    FigureCodifica figure_;
    RisultatoCodifica risultato_;
    bool inCorso_ = false;
    bool videoEsistevaPrima_ = false;
    qint64 gruppo_ = 0;
    int passoArresto_ = 0;  // 0 none, then the signal sent last: 1 SIGINT, 2 SIGTERM, 3 SIGKILL
    QString anteprimaInAttesa_;
};
