#include "encoding/LavoroCodifica.h"

#include "encoding/ControlloFrame.h"
#include "encoding/TestiCodifica.h"
#include "project/Banner.h"
#include "project/TestiMessaggi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include <signal.h>
#include <unistd.h>

namespace {

QString Testo(const char* testo) {
    return QString::fromUtf8(testo);
}

}  // namespace

LavoroCodifica::LavoroCodifica(QObject* parent) : QObject(parent) {
    arresto_.setSingleShot(true);
    connect(&arresto_, &QTimer::timeout, this, [this] { SegnaleGruppo(SIGKILL); });
    // Quitting the program ends the encoder as "Interrompi" does.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &LavoroCodifica::ArrestoSincrono);
}

LavoroCodifica::~LavoroCodifica() {
    ArrestoSincrono();
}

void LavoroCodifica::Log(const QString& riga) {
    log_.Riga(riga);
}

void LavoroCodifica::LogBanner(const char* titolo) {
    log_.Righe(RigheBanner(Testo(titolo), CorniceBanner::Commento));
}

void LavoroCodifica::SalvaLog() {
    // A log that cannot be written does not stop the run.
    if (!percorsoLog_.isEmpty()) log_.Salva(percorsoLog_);
}

bool LavoroCodifica::ScriviScript(const QString& percorso, const QStringList& righe, QString& errore) {
    // Written with LF alone: a CR would end up inside the shell's words.
    QSaveFile file(percorso);
    QByteArray contenuto;
    for (const QString& r : righe) contenuto += r.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() || !file.commit()) {
        errore = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

void LavoroCodifica::EseguiCodifica(const QDateTime& momento) {
    if (inCorso_) return;
    inCorso_ = true;
    risultato_ = RisultatoCodifica();
    figure_ = FigureCodifica();
    divisore_ = DivisoreRighe();
    log_ = ScrittoreTesto();
    gruppo_ = 0;
    emit figureAggiornate(figure_);

    const QString cartella = parametri_.CartellaVideo;
    percorsoLog_ = QDir(cartella).filePath(Testo(TestiCodifica::FileLog));
    percorsoScript_ = QDir(cartella).filePath(Testo(TestiCodifica::FileScript));
    risultato_.PercorsoLog = percorsoLog_;

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

    // The shell would only say "not found" into the log, and the run would look stopped.
    if (QStandardPaths::findExecutable(comando_.Programma).isEmpty()) {
        EncoderMancante();
        return;
    }

    // A gap or a damaged frame would end the video early while ffmpeg still reports success.
    if (const auto difettoso = PrimoFrameDifettoso(parametri_)) {
        risultato_.FrameErrato = difettoso->Numero;
        Fallimento(QFileInfo::exists(difettoso->Percorso)
                       ? TestoMessaggio(VoceMessaggio::FrameIllegibile)
                             .arg(difettoso->Numero)
                             .arg(difettoso->Percorso, difettoso->Motivo)
                       : TestoMessaggio(VoceMessaggio::FrameMancante).arg(difettoso->Numero).arg(difettoso->Percorso));
        return;
    }

    LogBanner(TestiCodifica::BannerScript);
    // exec, so the encoder itself is the process that is waited for and its status the run's.
    const QStringList script = {
        QStringLiteral("#!/bin/sh"),
        QStringLiteral("cd -- %1 || exit 1").arg(QuotaShell(cartella)),
        QStringLiteral("exec %1").arg(comando_.Testo),
    };
    QString errore;
    if (!ScriviScript(percorsoScript_, script, errore)) {
        Fallimento(errore);
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
    if (risultato_.Interrotta) {
        SegnaleGruppo(SIGINT);
        arresto_.start(attesaArresto_);
    }
}

void LavoroCodifica::LeggiUscita() {
    if (!processo_) return;
    const QByteArray blocco = processo_->readAllStandardOutput();
    for (const QByteArray& riga : divisore_.Aggiungi(blocco)) ElaboraRiga(riga);
    SalvaLog();
}

void LavoroCodifica::ElaboraRiga(const QByteArray& byte) {
    const QString riga = DecodificaRiga(byte);
    Log(riga);
    emit rigaLetta(riga);
    if (!AggiornaFigure(riga, figure_)) return;
    emit figureAggiornate(figure_);
    const int numero = figure_.NumeroFrame();
    if (numero >= 1) {
        const QString frame = PercorsoFrame(parametri_, numero);
        if (QFileInfo::exists(frame)) emit anteprima(frame);
    }
    if (parametri_.NumeroFrame > 0) emit progresso(std::clamp(numero, 0, parametri_.NumeroFrame), parametri_.NumeroFrame);
}

void LavoroCodifica::Finito(int codice, QProcess::ExitStatus stato) {
    arresto_.stop();
    // Whatever the encoder left running in its group goes with it.
    SegnaleGruppo(SIGKILL);
    LeggiUscita();
    for (const QByteArray& riga : divisore_.Termina()) ElaboraRiga(riga);

    risultato_.CodiceUscita = stato == QProcess::NormalExit ? codice : -1;
    const QFileInfo video(comando_.PercorsoVideo);
    const bool videoScritto = video.exists() && video.size() > 0;
    // ffmpeg ends with 0 after a frame it could not decode, or at a gap in the numbering.
    const int scritti = figure_.NumeroFrame();
    const FrameAttesi attesi = FrameAttesiDallEncoder(parametri_, codec_);
    const bool frameGiusti = parametri_.NumeroFrame <= 0 || attesi.Contiene(scritti);
    risultato_.Riuscita =
        !risultato_.Interrotta && stato == QProcess::NormalExit && codice == 0 && videoScritto && frameGiusti;
    if (risultato_.Interrotta) {
        Log(Testo(TestiCodifica::LogInterrotta));
    } else if (stato == QProcess::NormalExit && codice == 127) {
        // The shell's "command not found": the encoder went away since the run looked for it.
        Log(Testo(TestiCodifica::LogUscita).arg(codice));
        risultato_.EncoderMancante = true;
        risultato_.Errore = MessaggioEncoderMancante();
    } else if (stato != QProcess::NormalExit || codice != 0) {
        Log(Testo(TestiCodifica::LogUscita)
                .arg(stato == QProcess::NormalExit ? QString::number(codice) : processo_->errorString()));
    } else if (!videoScritto) {
        Log(Testo(TestiCodifica::LogVideoMancante).arg(comando_.PercorsoVideo));
    } else if (!frameGiusti) {
        Log(Testo(TestiCodifica::LogFrameScritti).arg(scritti).arg(attesi.Minimo));
        // Without resampling the video holds frames 1..scritti: the next one is where it broke.
        if (attesi.Minimo == attesi.Massimo && scritti < attesi.Minimo) {
            risultato_.FrameErrato = scritti + 1;
            risultato_.Errore = TestoMessaggio(VoceMessaggio::FrameNonCodificati)
                                    .arg(scritti + 1)
                                    .arg(PercorsoFrame(parametri_, scritti + 1))
                                    .arg(scritti)
                                    .arg(parametri_.NumeroFrame);
        } else {
            risultato_.Errore = TestoMessaggio(VoceMessaggio::FrameContati).arg(scritti).arg(attesi.Minimo);
        }
    }
    // A half-written video is no use to anyone; the frames stay.
    if (!risultato_.Riuscita && !videoEsistevaPrima_) QFile::remove(comando_.PercorsoVideo);
    Concludi();
}

void LavoroCodifica::ErroreProcesso(QProcess::ProcessError errore) {
    // A crash or a stop also ends in finished; only a start that failed ends here.
    if (errore == QProcess::FailedToStart) Fallimento(processo_->errorString());
}

QString LavoroCodifica::MessaggioEncoderMancante() const {
    return TestoMessaggio(VoceMessaggio::EncoderNonTrovato).arg(QFileInfo(comando_.Programma).fileName());
}

void LavoroCodifica::EncoderMancante() {
    risultato_.EncoderMancante = true;
    Fallimento(MessaggioEncoderMancante());
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
    SalvaLog();
    QFile::remove(percorsoScript_);
    if (processo_) {
        processo_->disconnect(this);
        processo_->deleteLater();
        processo_ = nullptr;
    }
    inCorso_ = false;
    const int massimo = std::max(parametri_.NumeroFrame, 0);
    // Only a video made fills the bar; otherwise it shows how far the encoder got.
    const int fine = risultato_.Riuscita ? massimo : std::clamp(risultato_.UltimoFrame, 0, massimo);
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
    if (!inCorso_ || !processo_) return;
    if (risultato_.Interrotta) return;
    risultato_.Interrotta = true;
    if (gruppo_ > 0 && processo_->state() == QProcess::Running) {
        SegnaleGruppo(SIGINT);
        arresto_.start(attesaArresto_);
    }
}

void LavoroCodifica::ArrestoSincrono() {
    if (!inCorso_ || !processo_) return;
    Interrompi();
    if (!processo_->waitForFinished(attesaArresto_)) {
        SegnaleGruppo(SIGKILL);
        processo_->waitForFinished(1000);
    }
}
