#include "render/Bande.h"

#include "platform/Grafica.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<int> filiRichiesti{0};

int FiliVoluti() {
    const int richiesti = filiRichiesti.load();
    const int core = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(richiesti > 0 ? richiesti : core, 1, NumeroBande);
}

// Threads kept for the program's life: starting a thread for every band of every frame
// costs more than many of the bands themselves. One job at a time; a caller that finds the
// team busy (another thread's job, or a job inside a job) does its parts alone.
class Squadra {
public:
    ~Squadra() {
        {
            std::lock_guard<std::mutex> blocco(mutex_);
            fine_ = true;
        }
        arrivato_.notify_all();
        for (std::thread& filo : fili_) filo.join();
    }

    void Esegui(int n, int fili, const std::function<void(int)>& lavoro) {
        std::unique_lock<std::mutex> libera(esclusivo_, std::try_to_lock);
        if (!libera.owns_lock() || fili <= 1 || n <= 1) {
            for (int i = 0; i < n; ++i) lavoro(i);
            return;
        }
        {
            std::lock_guard<std::mutex> blocco(mutex_);
            Cresci(fili - 1);
            lavoro_ = &lavoro;
            parti_ = n;
            prossima_ = 0;
            posti_ = fili - 1;
            ++generazione_;
        }
        arrivato_.notify_all();
        Lavora(lavoro, n);
        std::unique_lock<std::mutex> blocco(mutex_);
        finito_.wait(blocco, [this] { return attivi_ == 0; });
        // Whoever wakes from now on finds no job.
        lavoro_ = nullptr;
    }

private:
    void Lavora(const std::function<void(int)>& lavoro, int n) {
        for (int i = prossima_++; i < n; i = prossima_++) lavoro(i);
    }

    // Under mutex_.
    void Cresci(int quanti) {
        try {
            while (static_cast<int>(fili_.size()) < quanti) fili_.emplace_back(&Squadra::Filo, this);
        } catch (const std::system_error&) {
            // No more threads to be had: the parts go to those there are.
        }
    }

    void Filo() {
        std::unique_lock<std::mutex> blocco(mutex_);
        long long vista = generazione_;
        for (;;) {
            arrivato_.wait(blocco, [&] { return fine_ || generazione_ != vista; });
            if (fine_) return;
            vista = generazione_;
            if (!lavoro_ || posti_ == 0) continue;
            --posti_;
            ++attivi_;
            const std::function<void(int)>& lavoro = *lavoro_;
            const int n = parti_;
            blocco.unlock();
            Lavora(lavoro, n);
            blocco.lock();
            if (--attivi_ == 0) finito_.notify_all();
        }
    }

    std::mutex esclusivo_;
    std::mutex mutex_;
    std::condition_variable arrivato_;
    std::condition_variable finito_;
    std::vector<std::thread> fili_;
    const std::function<void(int)>* lavoro_ = nullptr;
    int parti_ = 0;
    std::atomic<int> prossima_{0};
    int posti_ = 0;
    int attivi_ = 0;
    long long generazione_ = 0;
    bool fine_ = false;
};

Squadra& LaSquadra() {
    static Squadra squadra;
    return squadra;
}

}  // namespace

void ImpostaFiliBande(int fili) {
    filiRichiesti = std::max(fili, 0);
}

void PerOgniParte(int n, const std::function<void(int)>& lavoro) {
    LaSquadra().Esegui(n, FiliVoluti(), lavoro);
}

QRect RigheBanda(const QImage& tela, int i) {
    const int h = tela.height();
    const int y0 = h * i / NumeroBande, y1 = h * (i + 1) / NumeroBande;
    return QRect(0, y0, tela.width(), y1 - y0);
}

void DisegnaABande(QImage& tela, const std::function<void(QPainter&, const QRect& banda)>& disegna) {
    if (tela.isNull()) return;
    // The bands go to the threads one at a time, so one busy band does not hold up the rest.
    PerOgniParte(NumeroBande, [&](int i) {
        const QRect banda = RigheBanda(tela, i);
        if (banda.isEmpty()) return;
        const int y0 = banda.top(), y1 = banda.bottom() + 1;
        // The band's rows of the canvas itself, not a copy: the very pixels the canvas's own
        // open painter writes, which bits() could move away from it by detaching.
        uchar* pixel = const_cast<uchar*>(tela.constBits());
        QImage righe(pixel + static_cast<qsizetype>(y0) * tela.bytesPerLine(), tela.width(), y1 - y0, tela.bytesPerLine(),
                     tela.format());
        QPainter g(&righe);
        ImpostaModiGrafica(g);
        g.translate(0, -y0);
        disegna(g, banda);
    });
}
