#include "render/CacheImmagini.h"

#include "platform/Grafica.h"

#include <QFileInfo>

CacheImmagini::Voce* CacheImmagini::Trova(const QString& percorso, Assenza assenza) {
    if (percorso.isEmpty()) return nullptr;
    const QFileInfo info(percorso);
    // A file that is there but cannot be read is told like one that cannot be decoded.
    if (!info.isFile()) {
        voci_.remove(percorso);
        if (assenza == Assenza::Segnalata) illegibili_.Mancante(percorso, info);
        return nullptr;
    }
    auto it = voci_.find(percorso);
    if (it != voci_.end() && it->modificato == info.lastModified() && it->dimensioneFile == info.size())
        return &*it;
    QImage img = illegibili_.Leggi(percorso, info);
    if (img.isNull()) {
        voci_.remove(percorso);
        return nullptr;
    }
    Voce v;
    v.modificato = info.lastModified();
    v.dimensioneFile = info.size();
    v.immagine = img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                       : img.convertToFormat(QImage::Format_RGB32);
    return &*voci_.insert(percorso, v);
}

QImage CacheImmagini::Carica(const QString& percorso, Assenza assenza) {
    Voce* v = Trova(percorso, assenza);
    return v ? v->immagine : QImage();
}

QImage CacheImmagini::CaricaScalata(const QString& percorso, const QSize& dimensione, Assenza assenza) {
    Voce* v = Trova(percorso, assenza);
    if (!v) return {};
    if (v->scalata.size() != dimensione) v->scalata = ScalaAltaQualita(v->immagine, dimensione);
    return v->scalata;
}
