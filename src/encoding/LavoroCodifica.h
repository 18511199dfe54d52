#pragma once
// One encoding run as a job: writes the script "codifica.sh" into the video folder, runs it
// with /bin/sh in a process group of its own (input from /dev/null, output and errors on
// one pipe), logs every line the encoder prints into "Log.TXT", and reports lines, figures,
// progress and the end through signals. Nothing here blocks the thread that owns it.
#include "encoding/DivisoreRighe.h"
#include "encoding/ParametriCodifica.h"
#include "encoding/RigaComando.h"
#include "encoding/RigaStato.h"
#include "platform/FileTesto.h"

#include <QDateTime>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

struct RisultatoCodifica {
    // The encoder exited with status 0, the video file exists and is not empty, and the
    // encoder reported the frames the project asked for.
    bool Riuscita = false;
    bool Interrotta = false;
    // Why the run failed, for the end message: it could not start (folder, script or
    // process: the system's text), a frame file is missing or unreadable (then it never
    // started), or the encoder wrote another number of frames. Empty on success and on a stop.
    QString Errore;
    // The frame at fault (missing, unreadable, or the first one not in the video); 0 when none.
    int FrameErrato = 0;
    // The encoder program is not there: nothing ran, and the log has nothing to tell.
    bool EncoderMancante = false;
    int CodiceUscita = -1;
    int UltimoFrame = 0;
    QString PercorsoVideo;
    QString PercorsoLog;
};

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
    // How long the encoder may take to end after SIGINT before the group gets SIGKILL.
    void ImpostaAttesaArresto(int millisecondi) { attesaArresto_ = millisecondi; }

    // Starts a run whose video is named after momento; returns at once. The end always
    // comes as terminata, also when the run cannot start. Ignored while a run is going.
    void EseguiCodifica(const QDateTime& momento = QDateTime::currentDateTime());
    // Ends the whole process group: SIGINT first, SIGKILL after the stop delay.
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
    void LogBanner(const char* titolo);
    void SalvaLog();
    bool ScriviScript(const QString& percorso, const QStringList& righe, QString& errore);
    void LeggiUscita();
    void ElaboraRiga(const QByteArray& riga);
    void Avviato();
    void Finito(int codice, QProcess::ExitStatus stato);
    void ErroreProcesso(QProcess::ProcessError errore);
    void Fallimento(const QString& errore);
    void EncoderMancante();
    QString MessaggioEncoderMancante() const;
    void Concludi();
    void SegnaleGruppo(int segnale);
    void ArrestoSincrono();

    ParametriCodifica parametri_;
    ParametriCodec codec_;
    QString encoder_ = QStringLiteral("ffmpeg");
    int attesaArresto_ = 3000;

    QProcess* processo_ = nullptr;
    QTimer arresto_;
    DivisoreRighe divisore_;
    ScrittoreTesto log_;
    QString percorsoLog_;
    QString percorsoScript_;
    RigaComando comando_;
    FigureCodifica figure_;
    RisultatoCodifica risultato_;
    bool inCorso_ = false;
    bool videoEsistevaPrima_ = false;
    qint64 gruppo_ = 0;
};
