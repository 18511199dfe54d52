#include "project/MotivoImmagine.h"

#include "project/ImpostazioniGlobali.h"
#include "project/TestiMessaggi.h"

#include <QLocale>

QString MessaggioImmagineIllegibile(const QString& percorso, const QString& motivo) {
    return TestoMessaggio(VoceMessaggio::ImmagineIllegibile).arg(percorso, motivo);
}

QString MessaggioImmagine(const QString& percorso, const ImmagineLetta& letta) {
    if (letta.Letta()) return letta.Troncata ? TestoMessaggio(VoceMessaggio::ImmagineInParte).arg(percorso) : QString();
    return MessaggioImmagineIllegibile(percorso, MotivoImmagine(letta));
}

QString MotivoImmagine(const ImmagineLetta& letta, int lingua) {
    const QSize& d = letta.Dichiarata;
    const auto testo = [lingua](VoceMessaggio voce) { return TestoMessaggio(voce, lingua); };
    switch (letta.Rifiuto) {
    case RifiutoImmagine::Nessuno: return letta.Troncata ? testo(VoceMessaggio::ImmagineTroncata) : QString();
    case RifiutoImmagine::Mancante: return testo(VoceMessaggio::ImmagineMancante);
    case RifiutoImmagine::NonUnFile: return testo(VoceMessaggio::ImmagineNonFile);
    case RifiutoImmagine::TroppoGrande:
        return testo(VoceMessaggio::ImmagineTroppoGrande).arg(d.width()).arg(d.height()).arg(LimiteMegabyteImmagine);
    case RifiutoImmagine::TroppiPixel:
        return testo(VoceMessaggio::ImmagineTroppiPixel).arg(d.width()).arg(d.height()).arg(LimitePixelJpeg / 1000000);
    case RifiutoImmagine::TroppaMemoria:
        return testo(VoceMessaggio::ImmagineTroppaMemoria).arg(d.width()).arg(d.height()).arg(LimiteMegabyteImmagine);
    case RifiutoImmagine::TroppeScansioni:
        return testo(VoceMessaggio::TroppeScansioni)
            .arg(d.isValid() ? ScansioniAmmesseJpeg(d.width(), d.height()) : LimiteScansioniJpeg);
    case RifiutoImmagine::TroppoLenta: {
        // The budget of its size; before the header told one, the floor.
        const int ms = d.isValid() ? MillisecondiAmmessiImmagine(d.width(), d.height()) : MillisecondiMinimiImmagine;
        return testo(VoceMessaggio::ImmagineTroppoLenta).arg(QLocale::c().toString(ms / 1000.0));
    }
    case RifiutoImmagine::TroppiByte:
        return d.isValid() ? testo(VoceMessaggio::ImmagineSproporzionata).arg(d.width()).arg(d.height())
                           : testo(VoceMessaggio::FileTroppoGrandePerImmagine);
    case RifiutoImmagine::Interrotta: return testo(VoceMessaggio::ImmagineInterrotta);
    case RifiutoImmagine::FormatoSconosciuto: return testo(VoceMessaggio::ImmagineFormatoSconosciuto);
    case RifiutoImmagine::FormatoNonAmmesso:
        return testo(VoceMessaggio::ImmagineFormatoNonAmmesso).arg(QString::fromLatin1(letta.Formato.toUpper()));
    case RifiutoImmagine::Illeggibile:
        // The decoder's own words are in English and name a symptom; the format is the fact.
        return letta.Formato.isEmpty() ? testo(VoceMessaggio::ImmagineFormatoSconosciuto)
                                       : testo(VoceMessaggio::ImmagineDanneggiata).arg(QString::fromLatin1(letta.Formato.toUpper()));
    case RifiutoImmagine::NonApribile: break;
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
