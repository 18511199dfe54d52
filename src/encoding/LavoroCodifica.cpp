#include "encoding/LavoroCodifica.h"

#include "encoding/ControlloFrame.h"
#include "encoding/TestiCodifica.h"
#include "project/Banner.h"
#include "project/TestiMessaggi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

#include <signal.h>
#include <unistd.h>

namespace {

QString Testo(const char* testo) {
    return QString::fromUtf8(testo);
}

}  // namespace

using TestiCodifica::TestoFinestra;
using TestiCodifica::VoceFinestra;

LavoroCodifica::LavoroCodifica(QObject* parent) : QObject(parent) {
    arresto_.setSingleShot(true);
    connect(&arresto_, &QTimer::timeout, this, &LavoroCodifica::Incalza);
    // Quitting the program ends the encoder as "Interrompi" does.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &LavoroCodifica::ArrestoSincrono);
}

LavoroCodifica::~LavoroCodifica() {
    ArrestoSincrono();
}

namespace {

// A flood of output lines reaches the disk in pieces of about this size.
constexpr qsizetype PezzoLog = 256 * 1024;

// QProcess::waitForFinished looks at its deadline only when a wait finds no output ready: an
// encoder that always has more printed by the time the last read is done could hold it past
// its time (a race a loaded machine may or may not run into). Here the deadline is looked at
// before every read, whatever the output does.
bool AttendiProcesso(QProcess& processo, int millisecondi) {
    const QDeadlineTimer scadenza(millisecondi);
    while (processo.state() != QProcess::NotRunning) {
        if (scadenza.hasExpired()) return false;
        processo.waitForReadyRead(static_cast<int>(std::clamp<qint64>(scadenza.remainingTime(), 1, 50)));
    }
    return true;
}

}  // namespace

void LavoroCodifica::Log(const QString& riga) {
    LogByte(riga.toUtf8());
}

void LavoroCodifica::LogByte(const QByteArray& riga) {
    if (logFallito_) return;
    const qint64 peso = riga.size() + 2;
    if (!inCoda_ && byteTesta_ + peso <= LimiteTestaLog) {
        byteTesta_ += peso;
        logInAttesa_.append(riga);
        logInAttesa_.append("\r\n");
        if (logInAttesa_.size() >= PezzoLog) ScriviInAttesa();
        return;
    }
    // Past the head, in order: the end of the run is what tells how it ended.
    inCoda_ = true;
    coda_.push_back(riga + "\r\n");
    byteCoda_ += peso;
    while (byteCoda_ > LimiteCodaLog && coda_.size() > 1) {
        byteCoda_ -= coda_.front().size();
        byteOmessi_ += coda_.front().size();
        ++righeOmesse_;
        coda_.pop_front();
    }
}

void LavoroCodifica::LogBanner(const char* titolo) {
    for (const QString& r : RigheBanner(Testo(titolo), CorniceBanner::Commento)) Log(r);
}

void LavoroCodifica::ScriviInAttesa() {
    // A log that cannot be written does not stop the run; it is then left as far as it got.
    if (logFallito_ || percorsoLog_.isEmpty()) {
        logInAttesa_.resize(0);
        return;
    }
    if (!fileLog_.isOpen()) {
        fileLog_.setFileName(percorsoLog_);
        if (!fileLog_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) logFallito_ = true;
    }
    if (!logFallito_ && fileLog_.write(logInAttesa_) != logInAttesa_.size()) logFallito_ = true;
    // Emptied, not freed: a flood would otherwise grow and give back the same memory at every piece.
    logInAttesa_.resize(0);
}

void LavoroCodifica::SalvaLog() {
    if (!logInAttesa_.isEmpty()) ScriviInAttesa();
}

void LavoroCodifica::ChiudiLog() {
    SalvaLog();
    if (righeOmesse_ > 0)
        logInAttesa_ += Testo(TestiCodifica::LogOmesso).arg(righeOmesse_).arg(byteOmessi_).toUtf8() + "\r\n";
    for (const QByteArray& riga : coda_) {
        logInAttesa_ += riga;
        if (logInAttesa_.size() >= PezzoLog) ScriviInAttesa();
    }
    SalvaLog();
    fileLog_.close();
    AzzeraCoda();
}

void LavoroCodifica::AzzeraCoda() {
    byteTesta_ = 0;
    inCoda_ = false;
    coda_.clear();
    byteCoda_ = 0;
    righeOmesse_ = 0;
    byteOmessi_ = 0;
}

bool LavoroCodifica::ScriviScript(const QString& percorso, const QStringList& righe, QString& errore) {
    // Written with LF alone: a CR would end up inside the shell's words.
    QByteArray contenuto;
    for (const QString& r : righe) contenuto += r.toUtf8() + '\n';
    return SalvaContenuto(percorso, contenuto, &errore);
}

void LavoroCodifica::EseguiCodifica(const QDateTime& momento) {
    if (inCorso_) return;
    inCorso_ = true;
    risultato_ = RisultatoCodifica();
    figure_ = FigureCodifica();
    divisore_ = DivisoreRighe(LimiteRigaLog);
    fileLog_.close();
    logInAttesa_.clear();
    AzzeraCoda();
    logFallito_ = false;
    gruppo_ = 0;
    passoArresto_ = 0;
    anteprimaInAttesa_.clear();
    emit figureAggiornate(figure_);

    const QString cartella = parametri_.CartellaVideo;
    percorsoLog_ = QDir(cartella).filePath(Testo(TestiCodifica::FileLog));
    percorsoScript_ = QDir(cartella).filePath(Testo(TestiCodifica::FileScript));
    risultato_.PercorsoLog = percorsoLog_;
    // Left behind by a run that was killed with the program.
    QFile::remove(percorsoScript_);

    LogBanner(TestiCodifica::BannerLog);
    Log(Testo(TestiCodifica::LogNomeScript));
    Log(Testo(TestiCodifica::LogNome).arg(percorsoScript_));
    Log(Testo(TestiCodifica::LogParametri));

    emit progresso(0, std::max(parametri_.NumeroFrame, 0));
    comando_ = CreaRigaComando(parametri_, codec_, momento, encoder_);
    risultato_.PercorsoVideo = comando_.PercorsoVideo;
    videoEsistevaPrima_ = QFileInfo::exists(comando_.PercorsoVideo);
    Log(Testo(TestiCodifica::LogRigaComando).arg(comando_.Testo));

    if (!QDir().mkpath(cartella)) {
        Fallimento(QStringLiteral("%1: %2").arg(cartella, QString::fromLocal8Bit(strerror(errno))));
        return;
    }

    // The shell would only say "not found" into the log, and the run would look stopped; and
    // without the prober no video could be called made.
    for (const QString& programma : {comando_.Programma, sonda_}) {
        if (QStandardPaths::findExecutable(programma).isEmpty()) {
            ProgrammaMancante(programma);
            return;
        }
    }

    // A gap, a damaged or a cut frame would end the video early, or grey, while ffmpeg still
    // reports success. Read on worker threads, so the window stays alive on a long run.
    annullaControllo_ = false;
    controllo_ = std::thread([this, parametri = parametri_, lingua = lingua_] {
        const std::optional<FrameDifettoso> difettoso = PrimoFrameDifettoso(parametri, lingua, &annullaControllo_);
        QMetaObject::invokeMethod(this, [this, difettoso] { FrameControllati(difettoso); }, Qt::QueuedConnection);
    });
}

void LavoroCodifica::FermaControllo() {
    if (controllo_.joinable()) controllo_.join();
}

void LavoroCodifica::FrameControllati(const std::optional<FrameDifettoso>& difettoso) {
    FermaControllo();
    if (!inCorso_) return;
    if (risultato_.Interrotta) {
        Log(Testo(TestiCodifica::LogInterrotta));
        Concludi();
        return;
    }
    if (difettoso) {
        risultato_.FrameErrato = difettoso->Numero;
        Fallimento(QFileInfo::exists(difettoso->Percorso)
                       ? TestoMessaggio(VoceMessaggio::FrameIllegibile)
                             .arg(difettoso->Numero)
                             .arg(difettoso->Percorso, difettoso->Motivo)
                       : TestoMessaggio(VoceMessaggio::FrameMancante).arg(difettoso->Numero).arg(difettoso->Percorso));
        return;
    }
    AvviaEncoder();
}

void LavoroCodifica::AvviaEncoder() {
    const QString cartella = parametri_.CartellaVideo;
    LogBanner(TestiCodifica::BannerScript);
    // exec, so the encoder itself is the process that is waited for and its status the run's.
    const QStringList script = {
        QStringLiteral("#!/bin/sh"),
        QStringLiteral("cd -- %1 || exit 1").arg(QuotaShell(cartella)),
        QStringLiteral("exec %1").arg(comando_.Testo),
    };
    QString errore;
    if (!ScriviScript(percorsoScript_, script, errore)) {
        Fallimento(TestoFinestra(VoceFinestra::ScriptNonScritto, lingua_).arg(percorsoScript_, errore));
        return;
    }
    for (const QString& r : script) {
        Log(r);
        Log(QString());
    }

    LogBanner(TestiCodifica::BannerPipe);
    Log(Testo(TestiCodifica::LogPipe));
    Log(Testo(TestiCodifica::LogHandle));
    Log(Testo(TestiCodifica::LogProcesso));
    SalvaLog();

    processo_ = new QProcess(this);
    processo_->setProgram(QStringLiteral("/bin/sh"));
    processo_->setArguments({percorsoScript_});
    processo_->setWorkingDirectory(cartella);
    processo_->setProcessChannelMode(QProcess::MergedChannels);
    processo_->setStandardInputFile(QProcess::nullDevice());
    // A group of its own, so that stopping reaches the encoder and whatever it started.
    processo_->setChildProcessModifier([] { setpgid(0, 0); });
    connect(processo_, &QProcess::started, this, &LavoroCodifica::Avviato);
    connect(processo_, &QProcess::readyReadStandardOutput, this, &LavoroCodifica::LeggiUscita);
    connect(processo_, &QProcess::finished, this, &LavoroCodifica::Finito);
    connect(processo_, &QProcess::errorOccurred, this, &LavoroCodifica::ErroreProcesso);
    processo_->start();
}

void LavoroCodifica::Avviato() {
    gruppo_ = processo_->processId();
    Log(Testo(TestiCodifica::LogProcessoCreato));
    LogBanner(TestiCodifica::BannerCodifica);
    SalvaLog();
    // "Interrompi" pressed before the process was there.
    if (risultato_.Interrotta) IniziaArresto();
}

void LavoroCodifica::LeggiUscita() {
    if (!processo_) return;
    const QByteArray blocco = processo_->readAllStandardOutput();
    for (const RigaUscita& riga : divisore_.Aggiungi(blocco)) ElaboraRiga(riga);
    EmettiAnteprima();
    SalvaLog();
}

// One preview a read at most: decoding a frame for each of a flood of status lines would hold
// up the window's events.
void LavoroCodifica::EmettiAnteprima() {
    if (anteprimaInAttesa_.isEmpty()) return;
    const QString frame = std::exchange(anteprimaInAttesa_, QString());
    if (QFileInfo::exists(frame)) emit anteprima(frame);
}

void LavoroCodifica::ElaboraRiga(const RigaUscita& uscita) {
    // Most of what an encoder prints is ASCII: its bytes are the log's as they stand.
    const QByteArray& byte = uscita.Byte;
    const bool ascii = std::all_of(byte.begin(), byte.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    QString riga = ascii ? QString::fromLatin1(byte) : DecodificaRiga(byte);
    if (uscita.Tagliati > 0)
        Log(riga + Testo(TestiCodifica::LogRigaTagliata).arg(uscita.Tagliati));
    else if (ascii)
        LogByte(byte);
    else
        Log(riga);
    if (riga.size() > LimiteRigaFinestra || uscita.Tagliati > 0) {
        qsizetype tieni = std::min(riga.size(), LimiteRigaFinestra);
        if (tieni > 0 && riga[tieni - 1].isHighSurrogate()) --tieni;
        riga.truncate(tieni);
        riga += QChar(0x2026);
    }
    emit rigaLetta(riga);
    if (const auto errore = RigaErrore(riga)) risultato_.UltimoErrore = *errore;
    if (!AggiornaFigure(riga, figure_)) return;
    emit figureAggiornate(figure_);
    const int numero = figure_.NumeroFrame();
    if (numero >= 1) anteprimaInAttesa_ = PercorsoFrame(parametri_, numero);
    if (parametri_.NumeroFrame > 0) emit progresso(std::clamp(numero, 0, parametri_.NumeroFrame), parametri_.NumeroFrame);
}

void LavoroCodifica::Finito(int codice, QProcess::ExitStatus stato) {
    arresto_.stop();
    // Whatever the encoder left running in its group goes with it.
    SegnaleGruppo(SIGKILL);
    gruppo_ = 0;
    LeggiUscita();
    for (const RigaUscita& riga : divisore_.Termina()) ElaboraRiga(riga);
    EmettiAnteprima();

    risultato_.CodiceUscita = stato == QProcess::NormalExit ? codice : -1;
    risultato_.Crash = stato == QProcess::CrashExit && !risultato_.Interrotta;
    const QFileInfo video(comando_.PercorsoVideo);
    if (risultato_.Interrotta) {
        Log(Testo(TestiCodifica::LogInterrotta));
    } else if (stato == QProcess::NormalExit && codice == 127) {
        // The shell's "command not found": the encoder went away since the run looked for it.
        Log(Testo(TestiCodifica::LogUscita).arg(codice));
        risultato_.EncoderMancante = true;
        risultato_.Errore = TestoMessaggio(VoceMessaggio::EncoderNonTrovato).arg(QFileInfo(comando_.Programma).fileName());
    } else if (stato != QProcess::NormalExit || codice != 0) {
        Log(Testo(TestiCodifica::LogUscita)
                .arg(stato == QProcess::NormalExit ? QString::number(codice) : processo_->errorString()));
    } else if (!video.exists() || video.size() == 0) {
        Log(Testo(TestiCodifica::LogVideoMancante).arg(comando_.PercorsoVideo));
        risultato_.Errore = TestoFinestra(VoceFinestra::VideoNonScritto, lingua_).arg(comando_.PercorsoVideo);
    } else {
        // ffmpeg ends with 0 after a frame it could not decode, or at a gap in the numbering,
        // and a stand-in may write anything at all: only the video itself can tell.
        AvviaSonda();
        return;
    }
    Concludi();
}

void LavoroCodifica::AvviaSonda() {
    Log(Testo(TestiCodifica::LogSonda).arg(comando_.PercorsoVideo));
    SalvaLog();
    sondaProcesso_ = new QProcess(this);
    sondaProcesso_->setStandardInputFile(QProcess::nullDevice());
    // Packets, not decoded frames: one packet per frame in every codec here, read at once.
    sondaProcesso_->setProgram(sonda_);
    sondaProcesso_->setArguments({QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                  QStringLiteral("v:0"), QStringLiteral("-count_packets"),
                                  QStringLiteral("-show_entries"), QStringLiteral("stream=nb_read_packets"),
                                  QStringLiteral("-of"), QStringLiteral("default=nw=1:nk=1"), QStringLiteral("--"),
                                  comando_.PercorsoVideo});
    connect(sondaProcesso_, &QProcess::finished, this, &LavoroCodifica::SondaFinita);
    connect(sondaProcesso_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError errore) {
        if (errore == QProcess::FailedToStart) SondaFinita(-1, QProcess::CrashExit);
    });
    sondaProcesso_->start();
}

void LavoroCodifica::SondaFinita(int codice, QProcess::ExitStatus stato) {
    if (!sondaProcesso_) return;
    const QString uscita = QString::fromLocal8Bit(sondaProcesso_->readAllStandardOutput()).trimmed();
    const QStringList errori =
        QString::fromLocal8Bit(sondaProcesso_->readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString erroreProcesso = sondaProcesso_->errorString();
    sondaProcesso_->disconnect(this);
    sondaProcesso_->deleteLater();
    sondaProcesso_ = nullptr;
    if (risultato_.Interrotta) {
        Log(Testo(TestiCodifica::LogInterrotta));
        Concludi();
        return;
    }
    bool numero = false;
    const int contati = uscita.section(QLatin1Char('\n'), 0, 0).toInt(&numero);
    const QString video = comando_.PercorsoVideo;
    if (stato != QProcess::NormalExit || codice != 0 || !numero) {
        // ffprobe starts its reason with the file's name, which the message gives already.
        QString motivo = errori.isEmpty() ? erroreProcesso : errori.last().trimmed();
        if (motivo.startsWith(video + QLatin1String(": "))) motivo = motivo.mid(video.size() + 2);
        if (stato == QProcess::NormalExit && codice == 0 && !numero) motivo = TestoFinestra(VoceFinestra::SenzaFlussoVideo, lingua_);
        Log(Testo(TestiCodifica::LogSondaFallita).arg(motivo));
        risultato_.Errore = TestoFinestra(VoceFinestra::VideoIllegibile, lingua_).arg(video, motivo);
        Concludi();
        return;
    }
    risultato_.FrameNelVideo = contati;
    const FrameAttesi attesi = FrameAttesiDallEncoder(parametri_, codec_);
    Log(Testo(TestiCodifica::LogFrameNelVideo).arg(contati).arg(attesi.Minimo));
    if (parametri_.NumeroFrame > 0 && !attesi.Contiene(contati))
        risultato_.Errore = TestoFinestra(VoceFinestra::VideoFrame, lingua_).arg(contati).arg(attesi.Minimo);
    else
        risultato_.Riuscita = true;
    Concludi();
}

void LavoroCodifica::ErroreProcesso(QProcess::ProcessError errore) {
    // A crash or a stop also ends in finished; only a start that failed ends here.
    if (errore == QProcess::FailedToStart) Fallimento(processo_->errorString());
}

void LavoroCodifica::ProgrammaMancante(const QString& programma) {
    risultato_.EncoderMancante = true;
    Fallimento(TestoMessaggio(VoceMessaggio::EncoderNonTrovato).arg(QFileInfo(programma).fileName()));
}

void LavoroCodifica::Fallimento(const QString& errore) {
    risultato_.Errore = errore;
    Log(Testo(TestiCodifica::LogErroreAvvio).arg(errore));
    Concludi();
}

void LavoroCodifica::Concludi() {
    gruppo_ = 0;
    risultato_.UltimoFrame = figure_.NumeroFrame();
    LogBanner(risultato_.Riuscita ? TestiCodifica::BannerRiuscita : TestiCodifica::BannerErrore);
    ChiudiLog();
    QFile::remove(percorsoScript_);
    // A half-written video is no use to anyone; the frames stay.
    if (!risultato_.Riuscita && !videoEsistevaPrima_ && !comando_.PercorsoVideo.isEmpty())
        QFile::remove(comando_.PercorsoVideo);
    if (processo_) {
        processo_->disconnect(this);
        processo_->deleteLater();
        processo_ = nullptr;
    }
    inCorso_ = false;
    const int massimo = std::max(parametri_.NumeroFrame, 0);
    // Only a video made fills the bar; otherwise it shows how far the encoder got, short of
    // full even when it got through every frame and then failed.
    const int fine = risultato_.Riuscita ? massimo : std::clamp(risultato_.UltimoFrame, 0, std::max(massimo - 1, 0));
    const RisultatoCodifica risultato = risultato_;
    // Always after EseguiCodifica has returned, even when the run could not start.
    QMetaObject::invokeMethod(
        this,
        [this, fine, massimo, risultato] {
            emit progresso(fine, massimo);
            emit terminata(risultato);
        },
        Qt::QueuedConnection);
}

void LavoroCodifica::SegnaleGruppo(int segnale) {
    if (gruppo_ > 0) ::kill(-static_cast<pid_t>(gruppo_), segnale);
}

void LavoroCodifica::Interrompi() {
    if (!inCorso_ || risultato_.Interrotta) return;
    risultato_.Interrotta = true;
    // Checking the frames or reading the video back: the run ends as soon as that stops.
    if (controllo_.joinable()) {
        annullaControllo_ = true;
        return;
    }
    if (sondaProcesso_) {
        sondaProcesso_->kill();
        return;
    }
    if (processo_ && gruppo_ > 0 && processo_->state() == QProcess::Running) IniziaArresto();
}

void LavoroCodifica::IniziaArresto() {
    passoArresto_ = 1;
    SegnaleGruppo(SIGINT);
    arresto_.start(attesaArresto_);
}

// An encoder that ignores SIGINT may still end cleanly at SIGTERM; one that ignores both, and
// whatever it started, cannot ignore SIGKILL.
void LavoroCodifica::Incalza() {
    if (passoArresto_ == 1) {
        passoArresto_ = 2;
        SegnaleGruppo(SIGTERM);
        arresto_.start(AttesaTermine);
    } else {
        passoArresto_ = 3;
        SegnaleGruppo(SIGKILL);
    }
}

// The same steps with the same delays, waited for here: the program is ending, and its end
// must come whatever the encoder does.
void LavoroCodifica::ArrestoSincrono() {
    if (!inCorso_) return;
    Interrompi();
    FermaControllo();
    if (sondaProcesso_) AttendiProcesso(*sondaProcesso_, AttesaTermine);
    if (processo_ && processo_->state() == QProcess::Starting) processo_->waitForStarted(AttesaTermine);
    if (processo_ && passoArresto_ == 0 && gruppo_ > 0) IniziaArresto();
    while (processo_ && passoArresto_ > 0 &&
           !AttendiProcesso(*processo_, passoArresto_ == 1 ? attesaArresto_ : AttesaTermine)) {
        if (passoArresto_ == 3) break;  // not even SIGKILL: nothing more can be done
        Incalza();
    }
    arresto_.stop();
}

QString MotivoFallimento(const RisultatoCodifica& r, int lingua) {
    if (r.Riuscita || r.Interrotta) return QString();
    if (!r.Errore.isEmpty()) return r.Errore;
    if (r.Crash) return TestoFinestra(VoceFinestra::EncoderCrash, lingua);
    if (!r.UltimoErrore.isEmpty()) return r.UltimoErrore;
    if (r.CodiceUscita > 0) return TestoFinestra(VoceFinestra::EncoderCodice, lingua).arg(r.CodiceUscita);
    return QString();
}
