#pragma once
// Writes the layer pictures as PNG files on a thread of its own, so that a preview never
// waits for the encoder. A picture queued for a file replaces one still waiting for the same
// file: the newest is the one written.
#include "render/LayerTesto.h"

#include <QImage>
#include <QString>

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

class ScritturaLayer {
public:
    ScritturaLayer() = default;
    // Writes what is still queued, then ends the thread.
    ~ScritturaLayer();
    ScritturaLayer(const ScritturaLayer&) = delete;
    ScritturaLayer& operator=(const ScritturaLayer&) = delete;

    void Accoda(const QString& file, const QImage& immagine, int qualita) { Accoda(file, LayerTesto(immagine), qualita); }
    void Accoda(const QString& file, const LayerTesto& immagine, int qualita);
    // Removes the file, after what is being written and in place of what waits for it.
    void Rimuovi(const QString& file) { Accoda(file, LayerTesto(), -1); }
    // Returns once every queued picture is in its file.
    void Attendi();

private:
    void Lavora();
    struct Lavoro {
        LayerTesto immagine;
        int qualita = -1;
    };
    std::mutex mutex_;
    std::condition_variable arrivato_;
    std::condition_variable finito_;
    std::map<QString, Lavoro> coda_;
    bool occupato_ = false;
    bool fine_ = false;
    std::thread filo_;
};
