#include "render/ScritturaFrame.h"

#include "platform/Grafica.h"
#include "platform/Jpeg.h"
#include "project/TestiMessaggi.h"
#include "render/Bande.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#ifdef __SSE2__
#include <tmmintrin.h>
#endif

namespace {

// Whether every pixel of the row has alpha 255.
bool RigaOpaca(const QRgb* in, int w) {
    QRgb tutti = ~0u;
    for (int x = 0; x < w; ++x) tutti &= in[x];
    return qAlpha(tutti) == 255;
}

// Red, green and blue of each pixel, alpha dropped.
void TreByteRiga(const QRgb* in, uchar* out, int w) {
    for (int x = 0; x < w; ++x) {
        out[3 * x] = static_cast<uchar>(qRed(in[x]));
        out[3 * x + 1] = static_cast<uchar>(qGreen(in[x]));
        out[3 * x + 2] = static_cast<uchar>(qBlue(in[x]));
    }
}

#ifdef __SSE2__
// The same, four pixels at a time: their twelve colour bytes picked out by one shuffle.
__attribute__((target("ssse3"))) void TreByteRigaSsse3(const QRgb* in, uchar* out, int w) {
    const __m128i scelta = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    // Sixteen bytes written for every twelve: the last four pixels the plain way.
    for (; x + 5 < w; x += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * x),
                         _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x)), scelta));
    TreByteRiga(in + x, out + 3 * x, w - x);
}
#endif

// The picture with 8 bits a colour, as both encoders take it. A drawn frame is opaque, where
// that is only dropping alpha: done here, on the writer's own thread, where the library's
// general conversion would spread itself over the pool the next frame is being drawn on.
// Anything else goes through the exact conversion.
QImage TreByte(const QImage& immagine) {
    if (immagine.format() != QImage::Format_ARGB32_Premultiplied && immagine.format() != QImage::Format_RGB32)
        return ConvertiFormato(immagine, QImage::Format_RGB888);
    const bool opaca = immagine.format() == QImage::Format_RGB32;
    QImage rgb(immagine.size(), QImage::Format_RGB888);
    if (rgb.isNull()) return ConvertiFormato(immagine, QImage::Format_RGB888);
#ifdef __SSE2__
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
#else
    constexpr bool ssse3 = false;
#endif
    const int w = immagine.width();
    for (int y = 0; y < immagine.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(immagine.constScanLine(y));
        if (!opaca && !RigaOpaca(in, w)) return ConvertiFormato(immagine, QImage::Format_RGB888);
#ifdef __SSE2__
        if (ssse3) {
            TreByteRigaSsse3(in, rgb.scanLine(y), w);
            continue;
        }
#endif
        TreByteRiga(in, rgb.scanLine(y), w);
    }
    return rgb;
}

}  // namespace

bool CodificaFrame(const QImage& tela, const QSize& dimensione, bool jpg, QByteArray& dati, QString* errore) {
    const QImage uscita = TreByte(dimensione == tela.size() ? tela : ScalaAltaQualita(tela, dimensione));
    if (jpg) return CodificaJpeg(uscita, dati, 90, errore);
    dati.clear();
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&buffer, "bmp");
    if (scrittore.write(uscita)) return true;
    if (errore) *errore = scrittore.errorString();
    return false;
}

bool ScriviFileFrame(const QString& nome, const QByteArray& dati, QString* errore) {
    const QByteArray percorso = QFile::encodeName(nome);
    std::FILE* file = std::fopen(percorso.constData(), "wb");
    if (!file) {
        if (errore) *errore = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const size_t scritti = std::fwrite(dati.constData(), 1, static_cast<size_t>(dati.size()), file);
    int motivo = scritti == static_cast<size_t>(dati.size()) ? 0 : errno;
    // A full disk often shows only when the buffer is flushed at close.
    if (std::fclose(file) != 0 && motivo == 0) motivo = errno;
    if (motivo == 0) return true;
    if (errore) *errore = QString::fromLocal8Bit(std::strerror(motivo));
    std::remove(percorso.constData());
    return false;
}

QString MessaggioFrameNonScritto(const QString& nome, const QString& motivo) {
    return TestoMessaggio(VoceMessaggio::FrameNonScritto).arg(nome, motivo);
}

int ScritturaFrame::LavoratoriPredefiniti() {
    const int core = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(core - 1, 1, 6);
}

ScritturaFrame::ScritturaFrame(int lavoratori) : capacita_(std::max(lavoratori, 1) + 2) {
    try {
        for (int i = 0; i < std::max(lavoratori, 1); ++i) fili_.emplace_back(&ScritturaFrame::Lavora, this);
    } catch (const std::system_error&) {
        // Fewer workers than asked will do; none at all is the caller's to handle.
        if (fili_.empty()) throw;
    }
}

ScritturaFrame::~ScritturaFrame() {
    Attendi();
    {
        std::lock_guard<std::mutex> blocco(mutex_);
        fine_ = true;
    }
    lavoroArrivato_.notify_all();
    for (std::thread& filo : fili_) filo.join();
}

bool ScritturaFrame::Accoda(const QImage& tela, const QSize& dimensione, bool jpg, const QString& nome,
                            const QSize& anteprima, int conteggio) {
    std::unique_lock<std::mutex> blocco(mutex_);
    spazioLibero_.wait(blocco, [this] { return inVolo_ < capacita_ || fallito_; });
    if (fallito_) return false;
    Lavoro lavoro{prossimaSequenza_++, {}, dimensione, jpg, nome, anteprima, conteggio};
    if (!tele_.empty()) {
        lavoro.tela = std::move(tele_.back());
        tele_.pop_back();
    }
    ++inVolo_;
    massimoInVolo_ = std::max(massimoInVolo_, inVolo_);
    blocco.unlock();
    // Into a buffer of an earlier frame when it fits, on every core: fresh pages for every
    // frame cost more than the copy. The first frames' buffers are new; their pages too are
    // first touched on every core, not one by one on this thread.
    const auto adatta = [&tela](const QImage& buffer) {
        return buffer.size() == tela.size() && buffer.format() == tela.format() &&
               buffer.bytesPerLine() == tela.bytesPerLine() && buffer.isDetached();
    };
    if (!adatta(lavoro.tela)) {
        lavoro.tela = QImage(tela.size(), tela.format());
        lavoro.tela.setDotsPerMeterX(tela.dotsPerMeterX());
        lavoro.tela.setDotsPerMeterY(tela.dotsPerMeterY());
    }
    if (adatta(lavoro.tela))
        CopiaABande(tela, lavoro.tela);
    else
        lavoro.tela = tela.copy();
    blocco.lock();
    coda_.push_back(std::move(lavoro));
    blocco.unlock();
    lavoroArrivato_.notify_one();
    return true;
}

bool ScritturaFrame::PrendiAnteprima(QImage& anteprima) {
    std::lock_guard<std::mutex> blocco(mutex_);
    if (!anteprimaNuova_) return false;
    anteprima = anteprima_;
    anteprimaNuova_ = false;
    return true;
}

bool ScritturaFrame::Fallito(QString* messaggio) const {
    std::lock_guard<std::mutex> blocco(mutex_);
    if (fallito_ && messaggio) *messaggio = messaggio_;
    return fallito_;
}

bool ScritturaFrame::Attendi(QString* messaggio) {
    std::unique_lock<std::mutex> blocco(mutex_);
    spazioLibero_.wait(blocco, [this] { return inVolo_ == 0; });
    if (fallito_ && messaggio) *messaggio = messaggio_;
    return !fallito_;
}

int ScritturaFrame::MassimoInVolo() const {
    std::lock_guard<std::mutex> blocco(mutex_);
    return massimoInVolo_;
}

void ScritturaFrame::Lavora() {
    std::unique_lock<std::mutex> blocco(mutex_);
    for (;;) {
        lavoroArrivato_.wait(blocco, [this] { return fine_ || !coda_.empty(); });
        if (coda_.empty()) return;
        Lavoro lavoro = std::move(coda_.front());
        coda_.pop_front();
        // After a failure the later frames are dropped unmade.
        const bool salta = fallito_;
        blocco.unlock();
        Risultato risultato{false, {}, {}, lavoro.nome, lavoro.conteggio};
        QImage anteprima;
        if (!salta) {
            risultato.codificato = CodificaFrame(lavoro.tela, lavoro.dimensione, lavoro.jpg, risultato.dati, &risultato.motivo);
            if (!lavoro.anteprima.isEmpty())
                anteprima = ConvertiFormato(ScalaVeloce(lavoro.tela, lavoro.anteprima), QImage::Format_RGB32);
        }
        blocco.lock();
        if (!anteprima.isNull() && lavoro.sequenza > sequenzaAnteprima_) {
            anteprima_ = std::move(anteprima);
            sequenzaAnteprima_ = lavoro.sequenza;
            anteprimaNuova_ = true;
        }
        if (static_cast<int>(tele_.size()) < capacita_) tele_.push_back(std::move(lavoro.tela));
        pronti_[lavoro.sequenza] = std::move(risultato);
        ScriviInOrdine(blocco);
    }
}

int ScritturaFrame::Scritti() const {
    std::lock_guard<std::mutex> blocco(mutex_);
    return scritti_;
}

// One worker at a time writes whatever is ready next in the queue's order; the others only
// leave their results.
void ScritturaFrame::ScriviInOrdine(std::unique_lock<std::mutex>& blocco) {
    if (scrittoreAttivo_) return;
    scrittoreAttivo_ = true;
    for (auto it = pronti_.find(prossimoDaScrivere_); it != pronti_.end(); it = pronti_.find(prossimoDaScrivere_)) {
        Risultato r = std::move(it->second);
        pronti_.erase(it);
        if (!fallito_) {
            bool scritto = r.codificato;
            if (scritto) {
                blocco.unlock();
                scritto = ScriviFileFrame(r.nome, r.dati, &r.motivo);
                blocco.lock();
            }
            if (scritto) {
                scritti_ = r.conteggio;
            } else {
                fallito_ = true;
                messaggio_ = MessaggioFrameNonScritto(r.nome, r.motivo);
            }
        }
        ++prossimoDaScrivere_;
        --inVolo_;
        spazioLibero_.notify_all();
    }
    scrittoreAttivo_ = false;
}
