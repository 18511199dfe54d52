#include "app/SegnaliSessione.h"

#include "platform/LimitiImmagini.h"

#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write a byte: the event loop reads it and does the rest.
int coppia[2] = {-1, -1};
// Ctrl+C in the terminal that started the program ends the session as a logout does.
constexpr int kSegnali[] = {SIGTERM, SIGHUP, SIGINT};

void AllArrivo(int) {
    // A picture being read on the window thread stops at its next read or row, so the save
    // comes without waiting for it.
    InterrompiLettureImmagini();
    const char byte = 1;
    [[maybe_unused]] const ssize_t scritti = ::write(coppia[0], &byte, 1);
}

}  // namespace

SegnaliSessione::SegnaliSessione(std::function<void()> allaFine, QObject* parent)
    : QObject(parent), allaFine_(std::move(allaFine)) {
    if (coppia[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, coppia) != 0) {
        std::perror("Quenvox: the end of the session cannot be caught");
        return;
    }
    notifica_ = new QSocketNotifier(coppia[1], QSocketNotifier::Read, this);
    connect(notifica_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t letti = ::read(coppia[1], &byte, 1);
        RiprendiLettureImmagini();
        if (allaFine_) allaFine_();
    });
    struct sigaction azione {};
    azione.sa_handler = AllArrivo;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    for (int segnale : kSegnali) sigaction(segnale, &azione, nullptr);
}

SegnaliSessione::~SegnaliSessione() {
    for (int segnale : kSegnali) std::signal(segnale, SIG_DFL);
    // A signal whose call never came goes with the object: left behind, it would stop every
    // picture read from now on and call the next object's end at once.
    char byte = 0;
    if (coppia[1] >= 0)
        while (::recv(coppia[1], &byte, 1, MSG_DONTWAIT) > 0) {
        }
    RiprendiLettureImmagini();
}
