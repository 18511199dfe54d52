#include "render/ImmaginiIllegibili.h"

#include "project/ImpostazioniGlobali.h"
#include "project/TestiMessaggi.h"

#include <QFileInfo>
#include <QLocale>

QString MessaggioImmagineIllegibile(const QString& percorso, const QString& motivo) {
    return TestoMessaggio(VoceMessaggio::ImmagineIllegibile).arg(percorso, motivo);
}

QString MotivoImmagine(const ImmagineLetta& letta, int lingua) {
    switch (letta.Rifiuto) {
    case RifiutoImmagine::Nessuno: return {};
    case RifiutoImmagine::Mancante: return TestoMessaggio(VoceMessaggio::ImmagineMancante, lingua);
    case RifiutoImmagine::NonUnFile: return TestoMessaggio(VoceMessaggio::ImmagineNonFile, lingua);
    case RifiutoImmagine::TroppoGrande:
        return TestoMessaggio(VoceMessaggio::ImmagineTroppoGrande, lingua)
            .arg(letta.Dichiarata.width())
            .arg(letta.Dichiarata.height());
    case RifiutoImmagine::TroppeScansioni:
        return TestoMessaggio(VoceMessaggio::TroppeScansioni, lingua)
            .arg(letta.Dichiarata.isValid()
                     ? ScansioniAmmesseJpeg(letta.Dichiarata.width(), letta.Dichiarata.height())
                     : LimiteScansioniJpeg);
    case RifiutoImmagine::TroppoLenta:
        return TestoMessaggio(VoceMessaggio::ImmagineTroppoLenta, lingua)
            .arg(QLocale::c().toString(LimiteMillisecondiImmagine / 1000.0));
    case RifiutoImmagine::NonApribile:
    case RifiutoImmagine::Illeggibile: break;
    }
    return letta.Dettaglio;
}

QString MotivoImmagine(const ImmagineLetta& letta) {
    return MotivoImmagine(letta, ImpostazioniGlobali.LinguaCorrente);
}

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
        segnalati_.remove(percorso);
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
