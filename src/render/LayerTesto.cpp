#include "render/LayerTesto.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

namespace {

// A block is this many columns, as tall as the picture.
constexpr int ColonneBlocco = 256;
// Blocks kept for the next frames: three canvas widths and more.
constexpr size_t BlocchiTenuti = 28;
// Blocks drawn at once, so a whole picture drawn for its file or a test never takes twice its
// memory.
constexpr int BlocchiPerDisegno = 16;

std::atomic<qint64> ultimaChiave{0};

}  // namespace

struct LayerTesto::Blocchi {
    QSize dimensione;
    qint64 chiave = 0;
    Disegnatore disegna;
    // One caller draws at a time, so no block is drawn twice; the others then find it kept.
    mutable std::mutex mutex;
    mutable std::map<int, QImage> tenuti;
};

LayerTesto LayerTesto::SuRichiesta(QSize dimensione, Disegnatore disegna) {
    if (dimensione.isEmpty() || !disegna) return {};
    auto blocchi = std::make_shared<Blocchi>();
    blocchi->dimensione = dimensione;
    blocchi->chiave = ++ultimaChiave;
    blocchi->disegna = std::move(disegna);
    LayerTesto layer;
    layer.blocchi_ = std::move(blocchi);
    return layer;
}

QSize LayerTesto::Dimensione() const {
    if (blocchi_) return blocchi_->dimensione;
    return immagine_.isNull() ? QSize(0, 0) : immagine_.size();
}

qint64 LayerTesto::Chiave() const {
    return blocchi_ ? -blocchi_->chiave : immagine_.cacheKey();
}

QImage LayerTesto::Immagine() const {
    if (!blocchi_) return immagine_;
    return Parte(Rettangolo());
}

void LayerTesto::Prepara(const QRect& parte) const {
    if (blocchi_) Parte(parte);
}

QImage LayerTesto::Parte(const QRect& richiesta) const {
    const QRect parte = richiesta.intersected(Rettangolo());
    if (parte.isEmpty()) return {};
    if (!blocchi_) return immagine_.copy(parte);
    QImage uscita(parte.size(), QImage::Format_ARGB32_Premultiplied);
    if (uscita.isNull()) return uscita;
    const Blocchi& b = *blocchi_;
    const int H = b.dimensione.height();
    const int k0 = parte.left() / ColonneBlocco, k1 = parte.right() / ColonneBlocco;
    // A part as wide as many frames' worth is drawn without keeping its blocks.
    const bool tiene = static_cast<size_t>(k1 - k0 + 1) <= BlocchiTenuti;
    const auto copia = [&](const QImage& blocco, int k) {
        const QRect r(k * ColonneBlocco, 0, blocco.width(), H);
        const QRect comune = r.intersected(parte);
        for (int y = comune.top(); y <= comune.bottom(); ++y)
            std::memcpy(uscita.scanLine(y - parte.top()) + static_cast<qsizetype>(comune.left() - parte.left()) * 4,
                        blocco.constScanLine(y) + static_cast<qsizetype>(comune.left() - r.left()) * 4,
                        static_cast<size_t>(comune.width()) * 4);
    };

    std::lock_guard<std::mutex> blocco(b.mutex);
    for (int k = k0; k <= k1;) {
        if (const auto t = b.tenuti.find(k); t != b.tenuti.end()) {
            copia(t->second, k++);
            continue;
        }
        // The run of blocks still to draw from here, drawn at once.
        int fine = k;
        while (fine < k1 && fine - k + 1 < BlocchiPerDisegno && !b.tenuti.count(fine + 1)) ++fine;
        const QRect colonne = QRect(k * ColonneBlocco, 0, (fine - k + 1) * ColonneBlocco, H).intersected(Rettangolo());
        const QImage disegno = b.disegna(colonne);
        if (disegno.size() != colonne.size() || disegno.format() != QImage::Format_ARGB32_Premultiplied) return {};
        for (int j = k; j <= fine; ++j) {
            const int x = (j - k) * ColonneBlocco;
            const QImage pezzo = disegno.copy(x, 0, std::min(ColonneBlocco, colonne.width() - x), H);
            copia(pezzo, j);
            if (tiene) b.tenuti[j] = pezzo;
        }
        k = fine + 1;
    }
    if (tiene && b.tenuti.size() > BlocchiTenuti)
        for (auto i = b.tenuti.begin(); i != b.tenuti.end();)
            i = i->first >= k0 && i->first <= k1 ? std::next(i) : b.tenuti.erase(i);
    return uscita;
}

bool LayerTesto::operator==(const LayerTesto& altro) const {
    if (!blocchi_ && !altro.blocchi_) return immagine_ == altro.immagine_;
    return blocchi_ == altro.blocchi_;
}

namespace {

bool Intero(qreal v) {
    return v == std::floor(v) && std::abs(v) < 1.0e9;
}

// The pixels of a partial layer that land on the device, and where they are drawn.
struct ParteLayer {
    QRect parte;      // in the layer
    QRectF dove;      // in the painter's coordinates
    QRectF sorgente;  // in the part's pixels
};

std::optional<ParteLayer> ParteSulDispositivo(const QTransform& t, const QRectF& dispositivo, const QRectF& destinazione,
                                              const LayerTesto& layer, const QRectF& sorgente) {
    if (destinazione.isEmpty() || sorgente.isEmpty() || dispositivo.isEmpty()) return {};
    const bool unoAUno = destinazione.size() == sorgente.size() && t.type() <= QTransform::TxTranslate && Intero(t.dx()) &&
                         Intero(t.dy()) && Intero(destinazione.x()) && Intero(destinazione.y()) &&
                         Intero(destinazione.width()) && Intero(destinazione.height()) && Intero(sorgente.x()) &&
                         Intero(sorgente.y());
    if (unoAUno) {
        // Each pixel of the picture lands on one pixel of the device: the part off the device,
        // or outside the picture, would draw nothing.
        const QRect visto = dispositivo.translated(-t.dx(), -t.dy()).toRect();
        const QRect d = destinazione.toRect();
        const QPoint daSorgente = sorgente.toRect().topLeft() - d.topLeft();
        const QRect visibile = d.intersected(visto).intersected(layer.Rettangolo().translated(-daSorgente));
        if (visibile.isEmpty()) return {};
        const QRect parte = visibile.translated(daSorgente);
        return ParteLayer{parte, QRectF(visibile), QRectF(QPointF(0, 0), QSizeF(parte.size()))};
    }
    bool invertibile = false;
    const QTransform inversa = t.inverted(&invertibile);
    if (!invertibile) return {};
    const QRectF vista = destinazione.intersected(inversa.mapRect(dispositivo));
    if (vista.isEmpty()) return {};
    // The source pixels under the view, and two more on every side for the sampling of its edges.
    const qreal sx = sorgente.width() / destinazione.width(), sy = sorgente.height() / destinazione.height();
    const QRectF sotto(sorgente.x() + (vista.x() - destinazione.x()) * sx, sorgente.y() + (vista.y() - destinazione.y()) * sy,
                       vista.width() * sx, vista.height() * sy);
    constexpr int Margine = 2;
    const QRect parte = sotto.toAlignedRect()
                            .adjusted(-Margine, -Margine, Margine, Margine)
                            .intersected(sorgente.toAlignedRect())
                            .intersected(layer.Rettangolo());
    if (parte.isEmpty()) return {};
    // Drawn as the whole would be, into the same rectangle from the same source rectangle, only
    // moved into the part: every pixel in view samples the part where the whole has the same
    // pixels, and what lies beyond the part is off the device.
    return ParteLayer{parte, destinazione, sorgente.translated(-QPointF(parte.topLeft()))};
}

QRectF Dispositivo(const QPainter& grafica) {
    const QPaintDevice* d = grafica.device();
    return d ? QRectF(0, 0, d->width(), d->height()) : QRectF();
}

}  // namespace

void DisegnaLayer(QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente,
                  const MatriceColore& matrice) {
    if (!layer.Parziale()) {
        DisegnaConMatrice(grafica, destinazione, layer.Immagine(), sorgente, matrice);
        return;
    }
    const auto p = ParteSulDispositivo(grafica.combinedTransform(), Dispositivo(grafica), destinazione, layer, sorgente);
    if (!p) return;
    DisegnaConMatrice(grafica, p->dove, layer.Parte(p->parte), p->sorgente, matrice);
}

void PreparaLayer(const QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente) {
    if (!layer.Parziale()) return;
    if (const auto p = ParteSulDispositivo(grafica.combinedTransform(), Dispositivo(grafica), destinazione, layer, sorgente))
        layer.Prepara(p->parte);
}
