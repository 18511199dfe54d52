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
    // Reduced copies, by level (each half the size of the one before) and block: a block of
    // level k holds the same columns as the block of that number, 2^k times narrower and
    // lower. Kept while the picture lives: a line drawn small over many frames is drawn at its
    // own size once.
    mutable std::map<int, std::map<int, QImage>> ridotti;
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

QImage LayerTesto::Ridotta(const QRect& richiesta, int livello, QRect* colonne) const {
    const QRect parte = richiesta.intersected(Rettangolo());
    if (!blocchi_ || parte.isEmpty() || livello < 1 || livello > LivelloMassimo) return {};
    const Blocchi& b = *blocchi_;
    const int k0 = parte.left() / ColonneBlocco, k1 = parte.right() / ColonneBlocco;
    const QRect coperte = QRect(k0 * ColonneBlocco, 0, (k1 - k0 + 1) * ColonneBlocco, b.dimensione.height()).intersected(Rettangolo());
    // The blocks still missing at the first level are drawn at their own size, a run at a
    // time, without keeping them among the frame's blocks.
    {
        std::lock_guard<std::mutex> blocco(b.mutex);
        auto& primo = b.ridotti[1];
        for (int k = k0; k <= k1;) {
            if (primo.count(k)) {
                ++k;
                continue;
            }
            int fine = k;
            while (fine < k1 && fine - k + 1 < BlocchiPerDisegno && !primo.count(fine + 1)) ++fine;
            const QRect r = QRect(k * ColonneBlocco, 0, (fine - k + 1) * ColonneBlocco, b.dimensione.height()).intersected(Rettangolo());
            const QImage disegno = b.disegna(r);
            if (disegno.size() != r.size() || disegno.format() != QImage::Format_ARGB32_Premultiplied) return {};
            for (int j = k; j <= fine; ++j) {
                const int x = (j - k) * ColonneBlocco;
                const QImage pezzo = disegno.copy(x, 0, std::min(ColonneBlocco, r.width() - x), r.height());
                primo[j] = pezzo.scaled((pezzo.width() + 1) / 2, (pezzo.height() + 1) / 2, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
            }
            k = fine + 1;
        }
        // Each further level from the one before.
        for (int l = 2; l <= livello; ++l) {
            auto& sopra = b.ridotti[l - 1];
            auto& qui = b.ridotti[l];
            for (int k = k0; k <= k1; ++k) {
                if (qui.count(k)) continue;
                const QImage& prima = sopra[k];
                if (prima.isNull()) return {};
                qui[k] = prima.scaled((prima.width() + 1) / 2, (prima.height() + 1) / 2, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
            }
        }
    }
    std::lock_guard<std::mutex> blocco(b.mutex);
    const auto& qui = b.ridotti[livello];
    int larghezza = 0;
    for (int k = k0; k <= k1; ++k) larghezza += qui.at(k).width();
    QImage uscita(larghezza, qui.at(k0).height(), QImage::Format_ARGB32_Premultiplied);
    if (uscita.isNull()) return uscita;
    int x = 0;
    for (int k = k0; k <= k1; ++k) {
        const QImage& pezzo = qui.at(k);
        for (int y = 0; y < uscita.height() && y < pezzo.height(); ++y)
            std::memcpy(uscita.scanLine(y) + static_cast<qsizetype>(x) * 4, pezzo.constScanLine(y), static_cast<size_t>(pezzo.width()) * 4);
        x += pezzo.width();
    }
    if (colonne) *colonne = coperte;
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

// A part wider than two pictures that are made whole, drawn at least twice smaller, is taken
// from a reduced copy: at its own size it would draw the whole line every frame.
constexpr int ColonneSenzaRiduzione = 2 * LayerTesto::LarghezzaIntera;

// The level of reduced copy a part is drawn from (0: its own pixels): the largest whose pixels
// are still no fewer than those they land on.
int LivelloRiduzione(const QTransform& t, const QRectF& destinazione, const QRectF& sorgente, const QRect& parte) {
    if (parte.width() <= ColonneSenzaRiduzione || destinazione.isEmpty()) return 0;
    const qreal sx = sorgente.width() / (destinazione.width() * std::hypot(t.m11(), t.m12()));
    const qreal sy = sorgente.height() / (destinazione.height() * std::hypot(t.m21(), t.m22()));
    const qreal scala = std::min(sx, sy);
    if (!(scala >= 2.0)) return 0;
    return std::min(LayerTesto::LivelloMassimo, static_cast<int>(std::floor(std::log2(scala))));
}

}  // namespace

void DisegnaLayer(QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente,
                  const MatriceColore& matrice) {
    if (!layer.Parziale()) {
        DisegnaConMatrice(grafica, destinazione, layer.Immagine(), sorgente, matrice);
        return;
    }
    const QTransform t = grafica.combinedTransform();
    const auto p = ParteSulDispositivo(t, Dispositivo(grafica), destinazione, layer, sorgente);
    if (!p) return;
    if (const int livello = LivelloRiduzione(t, destinazione, sorgente, p->parte)) {
        QRect colonne;
        const QImage ridotta = layer.Ridotta(p->parte, livello, &colonne);
        if (!ridotta.isNull()) {
            // The source rectangle in the reduced copy's pixels.
            const qreal fx = static_cast<qreal>(ridotta.width()) / colonne.width();
            const qreal fy = static_cast<qreal>(ridotta.height()) / colonne.height();
            const QRectF sotto((sorgente.x() - colonne.x()) * fx, sorgente.y() * fy, sorgente.width() * fx, sorgente.height() * fy);
            DisegnaConMatrice(grafica, destinazione, ridotta, sotto, matrice);
            return;
        }
    }
    DisegnaConMatrice(grafica, p->dove, layer.Parte(p->parte), p->sorgente, matrice);
}

void PreparaLayer(const QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente) {
    if (!layer.Parziale()) return;
    const QTransform t = grafica.combinedTransform();
    const auto p = ParteSulDispositivo(t, Dispositivo(grafica), destinazione, layer, sorgente);
    if (!p) return;
    if (const int livello = LivelloRiduzione(t, destinazione, sorgente, p->parte)) layer.Ridotta(p->parte, livello);
    else layer.Prepara(p->parte);
}
