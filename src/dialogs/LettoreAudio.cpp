#include "dialogs/LettoreAudio.h"

#include <QProcess>

#include <csignal>

namespace {
// How long a stopped player may take to end before it is killed.
constexpr int AttesaFine = 500;

void Segnale(QProcess& p, int segnale) {
    if (p.state() != QProcess::NotRunning && p.processId() > 0) ::kill(pid_t(p.processId()), segnale);
}
}  // namespace

LettoreFfplay::LettoreFfplay(QString programma) : programma(std::move(programma)) {}

LettoreFfplay::~LettoreFfplay() {
    Termina();
}

bool LettoreFfplay::InCorso() const {
    return processo && processo->state() != QProcess::NotRunning;
}

qint64 LettoreFfplay::Pid() const {
    return InCorso() ? processo->processId() : 0;
}

void LettoreFfplay::Suona(const QString& percorso) {
    Termina();
    processo = std::make_unique<QProcess>();
    processo->setStandardOutputFile(QProcess::nullDevice());
    processo->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(processo.get(), &QProcess::finished, processo.get(), [this](int, QProcess::ExitStatus) {
        if (AllaFine) AllaFine();
    });
    processo->start(programma, {QStringLiteral("-nodisp"), QStringLiteral("-autoexit"), QStringLiteral("-loglevel"),
                                QStringLiteral("quiet"), percorso});
}

void LettoreFfplay::Pausa() {
    if (processo) Segnale(*processo, SIGSTOP);
}

void LettoreFfplay::Riprendi() {
    if (processo) Segnale(*processo, SIGCONT);
}

void LettoreFfplay::Ferma() {
    Termina();
}

void LettoreFfplay::Chiudi() {
    Termina();
}

void LettoreFfplay::Termina() {
    if (!processo) return;
    // Ended by us, not by itself.
    processo->disconnect();
    if (processo->state() != QProcess::NotRunning) {
        // A stopped process cannot act on the terminate signal until it runs again.
        Segnale(*processo, SIGCONT);
        processo->terminate();
        if (!processo->waitForFinished(AttesaFine)) {
            processo->kill();
            processo->waitForFinished(AttesaFine);
        }
    }
    processo.reset();
}
