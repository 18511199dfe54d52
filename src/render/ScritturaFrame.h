#pragma once
// The frame files of a run, made by a few worker threads while the loop draws the next
// frames: each canvas is copied, scaled to the output size and encoded on a worker, and the
// files are written in the order the frames were queued. The first frame that cannot be made
// or written stops the writing there: no later file is written, and its message is kept.
// At most Capacita() frames are held at once, so a long run takes no more memory than a short one.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// The picture of a frame file: the canvas scaled to dimensione (high quality) and encoded as
// JPEG (quality 90) or 24-bit BMP. False, with the reason, when it cannot be encoded.
bool CodificaFrame(const QImage& tela, const QSize& dimensione, bool jpg, QByteArray& dati, QString* errore);

// Writes the bytes as the file; a file left half written is removed. The reason in the
// system's words when it fails.
bool ScriviFileFrame(const QString& nome, const QByteArray& dati, QString* errore);

// What the user reads when a frame file cannot be made.
QString MessaggioFrameNonScritto(const QString& nome, const QString& motivo);

class ScritturaFrame {
public:
    // Worker threads for this machine: the cores beside the drawing thread, a few at most.
    static int LavoratoriPredefiniti();

    // Throws std::system_error when not one worker thread can be started.
    explicit ScritturaFrame(int lavoratori);
    // Writes every frame still queued, then ends the workers.
    ~ScritturaFrame();
    ScritturaFrame(const ScritturaFrame&) = delete;
    ScritturaFrame& operator=(const ScritturaFrame&) = delete;

    // Copies the canvas and queues its file (and, when anteprima is not empty, its preview
    // scaled fast to that size); waits while Capacita() frames are held. False, queuing
    // nothing, once a frame has failed. conteggio is what Scritti() reads once this file is
    // written.
    bool Accoda(const QImage& tela, const QSize& dimensione, bool jpg, const QString& nome, const QSize& anteprima = {},
                int conteggio = 0);
    // The conteggio of the last file written, in the queue's order; 0 before the first. It
    // never passes a frame that failed.
    int Scritti() const;
    // The preview of the newest frame whose preview is made and was not taken yet.
    bool PrendiAnteprima(QImage& anteprima);
    // Without waiting: true, with the message, once a frame has failed.
    bool Fallito(QString* messaggio = nullptr) const;
    // Waits until every queued frame is written or dropped; false with the message of the
    // first frame that failed.
    bool Attendi(QString* messaggio = nullptr);

    int Capacita() const { return capacita_; }
    // The most frames held at any one time so far.
    int MassimoInVolo() const;

private:
    struct Lavoro {
        long long sequenza = 0;
        QImage tela;
        QSize dimensione;
        bool jpg = true;
        QString nome;
        QSize anteprima;
        int conteggio = 0;
    };
    struct Risultato {
        bool codificato = false;
        QByteArray dati;
        QString motivo;
        QString nome;
        int conteggio = 0;
    };
    void Lavora();
    void ScriviInOrdine(std::unique_lock<std::mutex>& blocco);

    const int capacita_;
    mutable std::mutex mutex_;
    std::condition_variable lavoroArrivato_;
    std::condition_variable spazioLibero_;
    std::deque<Lavoro> coda_;
    std::map<long long, Risultato> pronti_;
    std::vector<QImage> tele_;  // canvas copies to reuse
    long long prossimaSequenza_ = 0;
    long long prossimoDaScrivere_ = 0;
    int inVolo_ = 0;
    int massimoInVolo_ = 0;
    bool scrittoreAttivo_ = false;
    QImage anteprima_;
    long long sequenzaAnteprima_ = -1;  // of anteprima_
    bool anteprimaNuova_ = false;
    bool fallito_ = false;
    int scritti_ = 0;
    QString messaggio_;
    bool fine_ = false;
    std::vector<std::thread> fili_;
};
