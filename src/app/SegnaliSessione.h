#pragma once
// The end of the session reaching the program: SIGTERM (a logout, a shutdown), SIGHUP (the
// terminal it was started from is gone) and SIGINT (Ctrl+C in that terminal) arrive as one
// call on the event loop, where the project can be saved as the close saves it. The system's default handling comes back when
// the object goes.
#include <QObject>

#include <functional>

class QSocketNotifier;

class SegnaliSessione : public QObject {
public:
    explicit SegnaliSessione(std::function<void()> allaFine, QObject* parent = nullptr);
    ~SegnaliSessione() override;
    SegnaliSessione(const SegnaliSessione&) = delete;
    SegnaliSessione& operator=(const SegnaliSessione&) = delete;

private:
    std::function<void()> allaFine_;
    QSocketNotifier* notifica_ = nullptr;
};
