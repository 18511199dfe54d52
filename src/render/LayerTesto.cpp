#include "render/LayerTesto.h"

#include "render/Bande.h"

#include <QByteArray>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace {

// A tile holds a block of columns and rows: a frame unpacks the columns it shows, a file
// writer the rows it writes.
constexpr int ColonneTessera = 256;
constexpr int RigheTessera = 16;
// Unpacked tiles kept for the next frame: a scrolling line shows mostly the same ones again.
constexpr size_t TessereAperteMassime = 320;

std::atomic<qint64> ultimaChiave{0};

}  // namespace

struct LayerTesto::Tessere {
    QSize dimensione;
    qint64 chiave = 0;
    int colonne = 0;  // tiles across
    // Tile (kx, ky) at kx * righe + ky: its rows one after the other.
    std::vector<QByteArray> compresse;

    mutable std::mutex mutex;
    mutable std::map<size_t, QByteArray> aperte;

    int Righe() const { return (dimensione.height() + RigheTessera - 1) / RigheTessera; }
    QRect Tessera(int kx, int ky) const {
        return QRect(kx * ColonneTessera, ky * RigheTessera, ColonneTessera, RigheTessera).intersected(QRect(QPoint(0, 0), dimensione));
    }
};

LayerTesto LayerTesto::Compatto(const QImage& immagine) {
    if (immagine.width() <= LarghezzaIntera) return LayerTesto(immagine);
    const QImage sorgente = immagine.format() == QImage::Format_ARGB32_Premultiplied
                                ? immagine
                                : immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto tessere = std::make_shared<Tessere>();
    tessere->dimensione = sorgente.size();
    tessere->chiave = ++ultimaChiave;
    tessere->colonne = (sorgente.width() + ColonneTessera - 1) / ColonneTessera;
    QByteArray grezza;
    for (int kx = 0; kx < tessere->colonne; ++kx)
        for (int ky = 0; ky < tessere->Righe(); ++ky) {
            const QRect r = tessere->Tessera(kx, ky);
            const qsizetype riga = static_cast<qsizetype>(r.width()) * 4;
            grezza.resize(riga * r.height());
            for (int y = 0; y < r.height(); ++y)
                std::memcpy(grezza.data() + riga * y, sorgente.constScanLine(r.top() + y) + static_cast<qsizetype>(r.left()) * 4,
                            static_cast<size_t>(riga));
            QByteArray compressa = qCompress(grezza, 1);
            compressa.squeeze();  // the packer reserves room for the worst case
            tessere->compresse.push_back(std::move(compressa));
        }
    LayerTesto layer;
    layer.tessere_ = std::move(tessere);
    return layer;
}

QSize LayerTesto::Dimensione() const {
    if (tessere_) return tessere_->dimensione;
    return immagine_.isNull() ? QSize(0, 0) : immagine_.size();
}

qint64 LayerTesto::Chiave() const {
    return tessere_ ? -tessere_->chiave : immagine_.cacheKey();
}

QImage LayerTesto::Immagine() const {
    if (!tessere_) return immagine_;
    return Parte(Rettangolo());
}

QImage LayerTesto::Parte(const QRect& richiesta) const {
    const QRect parte = richiesta.intersected(Rettangolo());
    if (parte.isEmpty()) return {};
    if (!tessere_) return immagine_.copy(parte);
    QImage uscita(parte.size(), QImage::Format_ARGB32_Premultiplied);
    if (uscita.isNull()) return uscita;
    const Tessere& t = *tessere_;
    const int kx0 = parte.left() / ColonneTessera, kx1 = parte.right() / ColonneTessera;
    const int ky0 = parte.top() / RigheTessera, ky1 = parte.bottom() / RigheTessera;
    const auto indice = [&t](int kx, int ky) { return static_cast<size_t>(kx) * static_cast<size_t>(t.Righe()) + static_cast<size_t>(ky); };
    // A part as large as many frames' worth is unpacked without keeping its tiles.
    const bool tiene = static_cast<size_t>(kx1 - kx0 + 1) * static_cast<size_t>(ky1 - ky0 + 1) <= TessereAperteMassime / 2;

    // The tiles not kept unpacked are unpacked on every core, outside the lock.
    std::vector<size_t> mancanti;
    {
        std::lock_guard<std::mutex> blocco(t.mutex);
        for (int kx = kx0; kx <= kx1; ++kx)
            for (int ky = ky0; ky <= ky1; ++ky)
                if (!t.aperte.count(indice(kx, ky))) mancanti.push_back(indice(kx, ky));
    }
    std::vector<QByteArray> sciolte(mancanti.size());
    PerOgniParte(static_cast<int>(mancanti.size()),
                 [&](int i) { sciolte[static_cast<size_t>(i)] = qUncompress(t.compresse[mancanti[static_cast<size_t>(i)]]); });

    std::lock_guard<std::mutex> blocco(t.mutex);
    std::map<size_t, QByteArray> usate;
    for (size_t i = 0; i < mancanti.size(); ++i) usate[mancanti[i]] = sciolte[i];
    for (int kx = kx0; kx <= kx1; ++kx)
        for (int ky = ky0; ky <= ky1; ++ky) {
            const size_t k = indice(kx, ky);
            QByteArray sciolta;
            if (const auto u = usate.find(k); u != usate.end()) sciolta = u->second;
            else if (const auto a = t.aperte.find(k); a != t.aperte.end()) sciolta = a->second;
            else sciolta = qUncompress(t.compresse[k]);  // let go by another caller meanwhile
            const QRect r = t.Tessera(kx, ky);
            if (sciolta.size() != static_cast<qsizetype>(r.width()) * 4 * r.height()) return {};
            if (tiene) usate[k] = sciolta;
            const QRect comune = r.intersected(parte);
            for (int y = comune.top(); y <= comune.bottom(); ++y)
                std::memcpy(uscita.scanLine(y - parte.top()) + static_cast<qsizetype>(comune.left() - parte.left()) * 4,
                            sciolta.constData() + (static_cast<qsizetype>(y - r.top()) * r.width() + (comune.left() - r.left())) * 4,
                            static_cast<size_t>(comune.width()) * 4);
        }
    if (!tiene) return uscita;
    for (const auto& [k, sciolta] : usate) t.aperte[k] = sciolta;
    if (t.aperte.size() > TessereAperteMassime)
        for (auto i = t.aperte.begin(); i != t.aperte.end();) i = usate.count(i->first) ? std::next(i) : t.aperte.erase(i);
    return uscita;
}

bool LayerTesto::operator==(const LayerTesto& altro) const {
    if (!tessere_ && !altro.tessere_) return immagine_ == altro.immagine_;
    if (!tessere_ || !altro.tessere_) return false;
    return tessere_ == altro.tessere_ ||
           (tessere_->dimensione == altro.tessere_->dimensione && tessere_->compresse == altro.tessere_->compresse);
}

namespace {

bool Intero(qreal v) {
    return v == std::floor(v) && std::abs(v) < 1.0e9;
}

}  // namespace

void DisegnaLayer(QPainter& grafica, const QRectF& destinazione, const LayerTesto& layer, const QRectF& sorgente,
                  const MatriceColore& matrice) {
    if (!layer.Impacchettato()) {
        DisegnaConMatrice(grafica, destinazione, layer.Immagine(), sorgente, matrice);
        return;
    }
    if (destinazione.isEmpty()) return;
    const QTransform t = grafica.combinedTransform();
    const bool unoAUno = destinazione.size() == sorgente.size() && t.type() <= QTransform::TxTranslate && Intero(t.dx()) &&
                         Intero(t.dy()) && Intero(destinazione.x()) && Intero(destinazione.y()) &&
                         Intero(destinazione.width()) && Intero(destinazione.height()) && Intero(sorgente.x()) &&
                         Intero(sorgente.y()) && grafica.device() != nullptr;
    if (!unoAUno) {
        DisegnaConMatrice(grafica, destinazione, layer.Immagine(), sorgente, matrice);
        return;
    }
    // Each pixel of the picture lands on one pixel of the device: the part off the device,
    // or outside the picture, would draw nothing.
    const QPoint spostamento(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    const QRect dispositivo(-spostamento, QSize(grafica.device()->width(), grafica.device()->height()));
    const QRect d = destinazione.toRect();
    const QPoint daSorgente = sorgente.toRect().topLeft() - d.topLeft();
    const QRect visibile = d.intersected(dispositivo).intersected(layer.Rettangolo().translated(-daSorgente));
    if (visibile.isEmpty()) return;
    const QImage parte = layer.Parte(visibile.translated(daSorgente));
    DisegnaConMatrice(grafica, visibile, parte, parte.rect(), matrice);
}
