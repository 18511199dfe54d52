#include "render/ScritturaLayer.h"

#include "platform/Grafica.h"

#include <QFile>

ScritturaLayer::~ScritturaLayer() {
    {
        std::lock_guard<std::mutex> blocco(mutex_);
        fine_ = true;
    }
    arrivato_.notify_all();
    if (filo_.joinable()) filo_.join();
}

void ScritturaLayer::Accoda(const QString& file, const LayerTesto& immagine, int qualita) {
    {
        std::lock_guard<std::mutex> blocco(mutex_);
        coda_[file] = {immagine, qualita};
        // Started by the first picture: a context that never writes holds no thread.
        if (!filo_.joinable()) filo_ = std::thread(&ScritturaLayer::Lavora, this);
    }
    arrivato_.notify_one();
}

void ScritturaLayer::Attendi() {
    std::unique_lock<std::mutex> blocco(mutex_);
    finito_.wait(blocco, [this] { return coda_.empty() && !occupato_; });
}

void ScritturaLayer::Lavora() {
    std::unique_lock<std::mutex> blocco(mutex_);
    for (;;) {
        arrivato_.wait(blocco, [this] { return fine_ || !coda_.empty(); });
        if (coda_.empty()) return;  // ending, and nothing left to write
        const auto primo = coda_.begin();
        const QString file = primo->first;
        Lavoro lavoro = primo->second;
        coda_.erase(primo);
        occupato_ = true;
        blocco.unlock();
        if (lavoro.immagine.Nullo()) QFile::remove(file);
        else ConvertiFormato(lavoro.immagine.Immagine(), QImage::Format_ARGB32).save(file, "PNG", lavoro.qualita);
        blocco.lock();
        occupato_ = false;
        if (coda_.empty()) finito_.notify_all();
    }
}
