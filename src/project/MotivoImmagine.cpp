#include "project/MotivoImmagine.h"

#include "project/ImpostazioniGlobali.h"
#include "project/TestiMessaggi.h"

#include <QLocale>

QString MessaggioImmagineIllegibile(const QString& percorso, const QString& motivo) {
    return TestoMessaggio(VoceMessaggio::ImmagineIllegibile).arg(percorso, motivo);
}

QString MotivoImmagine(const ImmagineLetta& letta, int lingua) {
    const QSize& d = letta.Dichiarata;
    switch (letta.Rifiuto) {
    case RifiutoImmagine::Nessuno:
        return letta.Troncata ? TestoMessaggio(VoceMessaggio::ImmagineTroncata, lingua) : QString();
    case RifiutoImmagine::Mancante: return TestoMessaggio(VoceMessaggio::ImmagineMancante, lingua);
    case RifiutoImmagine::NonUnFile: return TestoMessaggio(VoceMessaggio::ImmagineNonFile, lingua);
    case RifiutoImmagine::TroppoGrande:
        return TestoMessaggio(VoceMessaggio::ImmagineTroppoGrande, lingua).arg(d.width()).arg(d.height());
    case RifiutoImmagine::TroppeScansioni:
        return TestoMessaggio(VoceMessaggio::TroppeScansioni, lingua)
            .arg(d.isValid() ? ScansioniAmmesseJpeg(d.width(), d.height()) : LimiteScansioniJpeg);
    case RifiutoImmagine::TroppoLenta: {
        // The budget of its size; before the header told one, the floor.
        const int ms = d.isValid() ? MillisecondiAmmessiJpeg(d.width(), d.height()) : MillisecondiMinimiJpeg;
        return TestoMessaggio(VoceMessaggio::ImmagineTroppoLenta, lingua).arg(QLocale::c().toString(ms / 1000.0));
    }
    case RifiutoImmagine::TroppiByte:
        return d.isValid() ? TestoMessaggio(VoceMessaggio::ImmagineSproporzionata, lingua).arg(d.width()).arg(d.height())
                           : TestoMessaggio(VoceMessaggio::FileTroppoGrandePerImmagine, lingua);
    case RifiutoImmagine::NonApribile:
    case RifiutoImmagine::Illeggibile: break;
    }
    return letta.Dettaglio;
}

QString MotivoImmagine(const ImmagineLetta& letta) {
    return MotivoImmagine(letta, ImpostazioniGlobali.LinguaCorrente);
}

QString MotivoFile(RifiutoFile rifiuto, qint64 dimensione, const QString& errore)
{
    switch (rifiuto) {
    case RifiutoFile::Mancante: return TestoMessaggio(VoceMessaggio::ImmagineMancante);
    case RifiutoFile::NonUnFile: return TestoMessaggio(VoceMessaggio::ImmagineNonFile);
    case RifiutoFile::TroppoGrande:
        return TestoMessaggio(VoceMessaggio::FileTroppoGrande).arg((dimensione + 1024 * 1024 - 1) / (1024 * 1024));
    case RifiutoFile::Nessuno:
    case RifiutoFile::NonApribile: break;
    }
    return errore;
}
