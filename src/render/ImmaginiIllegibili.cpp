#include "render/ImmaginiIllegibili.h"

#include <QFileInfo>

void ImmaginiIllegibili::Segnala(const QString& percorso, const QString& motivo) {
    if (segnalati_.contains(percorso)) return;
    segnalati_.insert(percorso);
    avvisi_ << MessaggioImmagineIllegibile(percorso, motivo);
}

QImage ImmaginiIllegibili::Leggi(const QString& percorso, const QFileInfo& info) {
    // Back, so its going again is told again.
    mancanti_.remove(percorso);
    const auto fallito = falliti_.constFind(percorso);
    if (fallito != falliti_.constEnd() && fallito->dimensione == info.size() &&
        fallito->modificato == info.lastModified())
        return {};
    const ImmagineLetta letta = LeggiImmagine(percorso);
    if (letta.Letta()) {
        falliti_.remove(percorso);
        // A picture cut short is drawn as far as it goes, and told once.
        if (letta.Troncata) Segnala(percorso, MotivoImmagine(letta));
        else segnalati_.remove(percorso);
        return letta.Immagine;
    }
    falliti_.insert(percorso, Fallimento{info.lastModified(), info.size()});
    Segnala(percorso, MotivoImmagine(letta));
    return {};
}

void ImmaginiIllegibili::Mancante(const QString& percorso, const QFileInfo& info) {
    if (percorso.isEmpty() || mancanti_.contains(percorso)) return;
    mancanti_.insert(percorso);
    ImmagineLetta letta;
    letta.Rifiuto = info.exists() ? RifiutoImmagine::NonUnFile : RifiutoImmagine::Mancante;
    avvisi_ << MessaggioImmagineIllegibile(percorso, MotivoImmagine(letta));
}

QStringList ImmaginiIllegibili::PrendiAvvisi() {
    QStringList avvisi;
    avvisi.swap(avvisi_);
    return avvisi;
}
