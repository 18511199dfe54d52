#pragma once
// While it lives, no file of this process may grow past a few bytes: a write beyond them fails
// with EFBIG, as a full disk fails one, wherever the file lies and for root too. The signal the
// kernel sends with it is ignored meanwhile, so the write returns its error.
#include <csignal>

#include <sys/resource.h>

class LimiteFile {
public:
    explicit LimiteFile(rlim_t byte) {
        struct sigaction ignora {};
        ignora.sa_handler = SIG_IGN;
        sigemptyset(&ignora.sa_mask);
        ::sigaction(SIGXFSZ, &ignora, &segnalePrima_);
        ::getrlimit(RLIMIT_FSIZE, &prima_);
        rlimit ridotto = prima_;
        ridotto.rlim_cur = byte;
        attivo_ = ::setrlimit(RLIMIT_FSIZE, &ridotto) == 0;
    }
    ~LimiteFile() {
        ::setrlimit(RLIMIT_FSIZE, &prima_);
        ::sigaction(SIGXFSZ, &segnalePrima_, nullptr);
    }
    LimiteFile(const LimiteFile&) = delete;
    LimiteFile& operator=(const LimiteFile&) = delete;

    bool Attivo() const { return attivo_; }

private:
    rlimit prima_{};
    struct sigaction segnalePrima_ {};
    bool attivo_ = false;
};
