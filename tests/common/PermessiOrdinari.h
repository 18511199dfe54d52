#pragma once
// While it lives, the calling thread meets file permissions as an ordinary user does, also when
// the tests run as root: the capabilities that override them leave its effective set (they stay
// permitted and come back at the end). Capabilities belong to each thread, so only what this
// thread does, and the threads it starts meanwhile, is held to the permissions: a worker
// started earlier still reads and writes through them.
#include <QString>

#include <cerrno>
#include <cstring>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class PermessiOrdinari {
public:
    PermessiOrdinari() {
        if (!Leggi(prima_)) {
            motivo_ = QStringLiteral("the thread's capabilities cannot be read (%1)").arg(Errore());
            return;
        }
        __user_cap_data_struct ridotti[2] = {prima_[0], prima_[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            ridotti[cap / 32].effective &= ~(1u << (cap % 32));
        if (std::memcmp(ridotti, prima_, sizeof ridotti) == 0) return;  // nothing overrides them
        if (!Scrivi(ridotti)) {
            motivo_ = QStringLiteral("the thread cannot give up overriding file permissions (%1)").arg(Errore());
            return;
        }
        ridotti_ = true;
    }
    ~PermessiOrdinari() {
        if (ridotti_) Scrivi(prima_);
    }
    PermessiOrdinari(const PermessiOrdinari&) = delete;
    PermessiOrdinari& operator=(const PermessiOrdinari&) = delete;

    // Empty when this thread now meets file permissions; otherwise why it does not.
    const QString& Motivo() const { return motivo_; }

private:
    static bool Leggi(__user_cap_data_struct (&dati)[2]) {
        __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capget, &testa, dati) == 0;
    }
    static bool Scrivi(const __user_cap_data_struct (&dati)[2]) {
        __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capset, &testa, dati) == 0;
    }
    static QString Errore() { return QString::fromLocal8Bit(std::strerror(errno)); }

    __user_cap_data_struct prima_[2] = {};
    bool ridotti_ = false;
    QString motivo_;
};
