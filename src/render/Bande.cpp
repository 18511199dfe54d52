#include "render/Bande.h"

#include "platform/Grafica.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstring>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

std::atomic<int> filiRichiesti{0};

int FiliVoluti() {
    const int richiesti = filiRichiesti.load();
    const int core = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(richiesti > 0 ? richiesti : core, 1, NumeroBande);
}

// The parts run on Qt's own pool of threads, kept for the program's life. On those threads
// the raster engine fills long span lists itself; from any other thread it hands them to that
// pool in pieces and waits, which from inside a band cost more than the band. The caller
// only waits. One job at a time: a caller that finds the team busy (another thread's job, or
// a job inside a job) does its parts alone.
class Squadra {
public:
    void Esegui(int n, int fili, const std::function<void(int)>& lavoro) {
        QThreadPool* pool = QThreadPool::globalInstance();
        std::unique_lock<std::mutex> libera(esclusivo_, std::try_to_lock);
        if (!libera.owns_lock() || fili <= 1 || n <= 1 || !pool || pool->contains(QThread::currentThread())) {
            for (int i = 0; i < n; ++i) lavoro(i);
            return;
        }
        std::atomic<int> prossima{0};
        QSemaphore finiti;
        // Waking a thread is a system call, costly on some machines: the caller wakes one,
        // and each woken thread wakes up to two more before it takes parts.
        const int volute = std::min(fili, n);
        std::atomic<int> avviati{1};
        std::function<void()> parti;
        parti = [&] {
            for (int k = 0; k < 2; ++k)
                if (avviati++ < volute) pool->start(parti);
            for (int i = prossima++; i < n; i = prossima++) lavoro(i);
            finiti.release();
        };
        // Queued even while the pool's threads are still leaving the previous job.
        pool->start(parti);
        finiti.acquire(volute);
    }

private:
    std::mutex esclusivo_;
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

void DisegnaRighe(QImage& tela, int y0, int y1, const std::function<void(QPainter&, const QRect& righe)>& disegna) {
    y0 = std::max(y0, 0);
    y1 = std::min(y1, tela.height());
    if (tela.isNull() || y0 >= y1) return;
    // The canvas's own rows, not a copy: the very pixels the canvas's own open painter
    // writes, which bits() could move away from it by detaching.
    uchar* pixel = const_cast<uchar*>(tela.constBits());
    QImage righe(pixel + static_cast<qsizetype>(y0) * tela.bytesPerLine(), tela.width(), y1 - y0, tela.bytesPerLine(),
                 tela.format());
    QPainter g(&righe);
    ImpostaModiGrafica(g);
    g.translate(0, -y0);
    disegna(g, QRect(0, y0, tela.width(), y1 - y0));
}

bool PittoreNeutro(const QPainter& g) {
    return g.isActive() && g.opacity() == 1.0 && g.compositionMode() == QPainter::CompositionMode_SourceOver &&
           g.worldTransform().isIdentity() && !g.hasClipping();
}

void DisegnaABande(QImage& tela, const std::function<void(QPainter&, const QRect& banda)>& disegna) {
    if (tela.isNull()) return;
    // The bands go to the threads one at a time, so one busy band does not hold up the rest.
    PerOgniParte(NumeroBande, [&](int i) {
        const QRect banda = RigheBanda(tela, i);
        if (!banda.isEmpty()) DisegnaRighe(tela, banda.top(), banda.bottom() + 1, disegna);
    });
}

void RiempiABande(QImage& tela, quint32 valore) {
    if (tela.isNull() || tela.depth() != 32) return;
    uchar* pixel = const_cast<uchar*>(tela.constBits());
    PerOgniParte(NumeroBande, [&](int i) {
        const QRect banda = RigheBanda(tela, i);
        for (int y = banda.top(); y <= banda.bottom(); ++y) {
            auto* riga = reinterpret_cast<quint32*>(pixel + static_cast<qsizetype>(y) * tela.bytesPerLine());
            std::fill(riga, riga + tela.width(), valore);
        }
    });
}

void CopiaABande(const QImage& sorgente, QImage& destinazione) {
    if (sorgente.size() != destinazione.size() || sorgente.format() != destinazione.format() ||
        sorgente.bytesPerLine() != destinazione.bytesPerLine() || sorgente.isNull())
        return;
    const uchar* da = sorgente.constBits();
    uchar* a = destinazione.bits();
    const qsizetype riga = sorgente.bytesPerLine();
    PerOgniParte(NumeroBande, [&](int i) {
        const QRect banda = RigheBanda(sorgente, i);
        if (banda.isEmpty()) return;
        std::memcpy(a + banda.top() * riga, da + banda.top() * riga, static_cast<size_t>(banda.height() * riga));
    });
}
