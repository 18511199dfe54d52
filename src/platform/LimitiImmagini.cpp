#include "platform/LimitiImmagini.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <ctime>

namespace {

std::atomic<bool> interrotte{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

}  // namespace

bool OltreLimiteMemoria(qint64 larghezza, qint64 altezza, int bitPerPixel) {
    const qint64 byte = std::max<qint64>(larghezza, 0) * std::max<qint64>(altezza, 0) * std::max(bitPerPixel, 1) / 8;
    return byte > qint64(LimiteMegabyteImmagine) * 1024 * 1024;
}

qint64 ByteAmmessiImmagine(int larghezza, int altezza) {
    return MargineByteImmagine + qint64(std::max(larghezza, 0)) * std::max(altezza, 0) * ByteAlPixelImmagine;
}

int MillisecondiAmmessiImmagine(int larghezza, int altezza) {
    const qint64 pixel = qint64(std::max(larghezza, 0)) * std::max(altezza, 0);
    const qint64 ms = (pixel * MillisecondiPerMegapixelImmagine + 999999) / 1000000;
    return int(std::clamp<qint64>(ms, MillisecondiMinimiImmagine, INT_MAX));
}

qint64 TempoProcessoreNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

Scadenza::Scadenza(int millisecondi) : inizioNs_(TempoProcessoreNs()) { Imposta(millisecondi); }

void Scadenza::Imposta(int millisecondi) {
    millisecondi_ = std::max(millisecondi, 0);
    fineNs_ = millisecondi_ > 0 ? inizioNs_ + qint64(millisecondi_) * 1000000 : 0;
}

FineLettura Scadenza::Controlla() const {
    if (interrotte.load(std::memory_order_relaxed)) return FineLettura::Interrotta;
    if (fineNs_ != 0 && TempoProcessoreNs() >= fineNs_) return FineLettura::Tempo;
    return FineLettura::Nessuna;
}

void InterrompiLettureImmagini() noexcept { interrotte.store(true, std::memory_order_relaxed); }
void RiprendiLettureImmagini() noexcept { interrotte.store(false, std::memory_order_relaxed); }
bool LettureImmaginiInterrotte() noexcept { return interrotte.load(std::memory_order_relaxed); }
