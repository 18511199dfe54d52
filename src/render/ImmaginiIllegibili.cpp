#include "render/ImmaginiIllegibili.h"

#include <QFileInfo>

void ImmaginiIllegibili::Segnala(const QString& percorso, const QString& messaggio) {
    if (segnalati_.contains(percorso)) return;
    segnalati_.insert(percorso);
    avvisi_ << messaggio;
}

ImmagineLetta ImmaginiIllegibili::Leggi(const QString& percorso, const QFileInfo& info, const OpzioniLettura& opzioni) {
    // Back, so its going again is told again.
    mancanti_.remove(percorso);
    const auto fallito = falliti_.constFind(percorso);
    if (fallito != falliti_.constEnd() && fallito->dimensione == info.size() &&
        fallito->modificato == info.lastModified())
        return {};
    ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
    if (letta.Letta()) {
        falliti_.remove(percorso);
        // A picture cut short is drawn as far as it goes, and told once.
        if (letta.Troncata) Segnala(percorso, MessaggioImmagine(percorso, letta));
        else segnalati_.remove(percorso);
        return letta;
    }
    // A read stopped by the end of the session says nothing of the file.
    if (letta.Rifiuto == RifiutoImmagine::Interrotta) return letta;
    falliti_.insert(percorso, Fallimento{info.lastModified(), info.size()});
    Segnala(percorso, MessaggioImmagine(percorso, letta));
    return letta;
}

void ImmaginiIllegibili::Mancante(const QString& percorso, const QFileInfo& info) {
    if (percorso.isEmpty() || mancanti_.contains(percorso)) return;
    mancanti_.insert(percorso);
    ImmagineLetta letta;
    letta.Rifiuto = info.exists() ? RifiutoImmagine::NonUnFile : RifiutoImmagine::Mancante;
    avvisi_ << MessaggioImmagine(percorso, letta);
}

QStringList ImmaginiIllegibili::PrendiAvvisi() {
    QStringList avvisi;
    avvisi.swap(avvisi_);
    return avvisi;
}
