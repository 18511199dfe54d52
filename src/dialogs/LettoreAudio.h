#pragma once
// The small player of the file chooser's audio mode, behind an interface so that tests can
// stand in for the real one.
#include <QString>

#include <functional>
#include <memory>

class QProcess;

class LettoreAudio {
public:
    virtual ~LettoreAudio() = default;
    // Starts playing the file from its beginning, ending what played before.
    virtual void Suona(const QString& percorso) = 0;
    virtual void Pausa() = 0;
    virtual void Riprendi() = 0;
    virtual void Ferma() = 0;
    // Ends playback for good (the window is closing).
    virtual void Chiudi() = 0;
    // A track is playing or paused; false once it ended, by itself or stopped.
    virtual bool InCorso() const = 0;

    // Called when a track ends by itself (not when stopped or closed).
    std::function<void()> AllaFine;
};

// Plays through ffplay (no window, quiet) run as a process: pause and resume stop and
// continue it, stop and close end it.
class LettoreFfplay : public LettoreAudio {
public:
    explicit LettoreFfplay(QString programma = QStringLiteral("ffplay"));
    ~LettoreFfplay() override;

    void Suona(const QString& percorso) override;
    void Pausa() override;
    void Riprendi() override;
    void Ferma() override;
    void Chiudi() override;

    bool InCorso() const override;
    // The running player's process id, 0 when none.
    qint64 Pid() const;

private:
    void Termina();

    QString programma;
    std::unique_ptr<QProcess> processo;
};
