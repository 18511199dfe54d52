#include "render/CacheImmagini.h"

#include "platform/Grafica.h"

#include <QFileInfo>

namespace {

QString Chiave(const QString& percorso, const QSize& copertura) {
    return copertura.isValid() ? QStringLiteral("%1\n%2x%3").arg(percorso).arg(copertura.width()).arg(copertura.height())
                               : percorso;
}

}  // namespace

CacheImmagini::Voce* CacheImmagini::Trova(const QString& percorso, Assenza assenza, const QSize& copertura) {
    if (percorso.isEmpty()) return nullptr;
    const QFileInfo info(percorso);
    const QString chiave = Chiave(percorso, copertura);
    // A file that is there but cannot be read is told like one that cannot be decoded.
    if (!info.isFile()) {
        voci_.remove(chiave);
        if (assenza == Assenza::Segnalata) illegibili_.Mancante(percorso, info);
        return nullptr;
    }
    auto it = voci_.find(chiave);
    if (it != voci_.end() && it->modificato == info.lastModified() && it->dimensioneFile == info.size())
        return &*it;
    // Drawn into a known size, a large JPEG is decoded only as large as that needs.
    OpzioniLettura opzioni;
    opzioni.Copertura = copertura;
    ImmagineLetta letta = illegibili_.Leggi(percorso, info, opzioni);
    if (letta.Immagine.isNull()) {
        voci_.remove(chiave);
        return nullptr;
    }
    // The one copy of the pixels, converted in place: a photo of 200 MB is never held twice.
    QImage img = std::move(letta.Immagine);
    img.convertTo(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    // Decoded smaller than its own size only because of the memory limit: it is still drawn
    // at its own size.
    if (!copertura.isValid() && letta.Propria.isValid() && letta.Propria.width() > img.width())
        img.setDevicePixelRatio(qreal(img.width()) / letta.Propria.width());
    Voce v;
    v.modificato = info.lastModified();
    v.dimensioneFile = info.size();
    v.immagine = std::move(img);
    return &*voci_.insert(chiave, v);
}

QImage CacheImmagini::Carica(const QString& percorso, Assenza assenza) {
    Voce* v = Trova(percorso, assenza, QSize());
    return v ? v->immagine : QImage();
}

QImage CacheImmagini::CaricaScalata(const QString& percorso, const QSize& dimensione, Assenza assenza) {
    Voce* v = Trova(percorso, assenza, dimensione);
    if (!v) return {};
    if (v->scalata.size() != dimensione) v->scalata = ScalaAltaQualita(v->immagine, dimensione);
    return v->scalata;
}
