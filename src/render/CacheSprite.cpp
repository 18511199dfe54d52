#include "render/CacheSprite.h"

#include "platform/Immagini.h"

#include <QFileInfo>

namespace {

// Costs in kilobytes; bounded so a lens rotated anew at every frame cannot pile up.
constexpr int kMassimoSorgentiKb = 96 * 1024;
constexpr int kMassimoDerivateKb = 128 * 1024;

int CostoKb(const QImage& immagine) {
    return static_cast<int>(immagine.sizeInBytes() / 1024) + 1;
}

QString Chiave(const QString& percorso, int angolo, bool senzaBlu) {
    return QStringLiteral("%1|%2|%3").arg(angolo).arg(senzaBlu ? 1 : 0).arg(percorso);
}

QImage TogliBlu(const QImage& sorgente) {
    QImage risultato = sorgente.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < risultato.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(risultato.scanLine(y));
        for (int x = 0; x < risultato.width(); ++x) riga[x] &= 0xFFFFFF00u;
    }
    return risultato;
}

}  // namespace

CacheSprite::CacheSprite() {
    sorgenti_.setMaxCost(kMassimoSorgentiKb);
    derivate_.setMaxCost(kMassimoDerivateKb);
}

void CacheSprite::Svuota() {
    sorgenti_.clear();
    derivate_.clear();
}

bool CacheSprite::Aggiorna(const QString& percorso, QImage& immagine) {
    const QFileInfo info(percorso);
    if (percorso.isEmpty() || !info.isFile()) {
        sorgenti_.remove(percorso);
        return false;
    }
    if (Sorgente* s = sorgenti_.object(percorso)) {
        if (s->dimensione == info.size() && s->modificata == info.lastModified()) {
            immagine = s->immagine;
            return true;
        }
    }
    // The file is new or changed: whatever was derived from it is out of date.
    sorgenti_.remove(percorso);
    const auto chiavi = derivate_.keys();
    for (const QString& k : chiavi)
        if (k.section(QLatin1Char('|'), 2) == percorso) derivate_.remove(k);

    const QImage letta = illegibili_.Leggi(percorso, info).Immagine;
    if (letta.isNull()) return false;
    auto* s = new Sorgente{letta, info.size(), info.lastModified()};
    immagine = letta;
    sorgenti_.insert(percorso, s, CostoKb(letta));
    return true;
}

QImage CacheSprite::Immagine(const QString& percorso) {
    QImage immagine;
    if (!Aggiorna(percorso, immagine)) return {};
    return immagine;
}

QImage CacheSprite::Derivata(const QString& percorso, int angolo, bool senzaBlu) {
    QImage sorgente;
    if (!Aggiorna(percorso, sorgente)) return {};
    const QString chiave = Chiave(percorso, angolo, senzaBlu);
    if (QImage* trovata = derivate_.object(chiave)) return *trovata;
    QImage ruotata = RuotaImmagine(sorgente, angolo);
    QImage pronta = senzaBlu ? TogliBlu(ruotata) : ruotata.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    derivate_.insert(chiave, new QImage(pronta), CostoKb(pronta));
    return pronta;
}

QImage CacheSprite::Ruotata(const QString& percorso, int angolo) { return Derivata(percorso, angolo, false); }

QImage CacheSprite::RuotataSenzaBlu(const QString& percorso, int angolo) {
    return Derivata(percorso, angolo, true);
}
