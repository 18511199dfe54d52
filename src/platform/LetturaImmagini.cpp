#include "platform/LetturaImmagini.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

namespace {

ImmagineLetta Rifiutata(RifiutoImmagine rifiuto, const QString& dettaglio = {}, const QSize& dichiarata = {}) {
    ImmagineLetta esito;
    esito.Rifiuto = rifiuto;
    esito.Dettaglio = dettaglio;
    esito.Dichiarata = dichiarata;
    return esito;
}

bool OltreLimite(const QSize& dimensione) {
    return dimensione.isValid() &&
           qint64(dimensione.width()) * dimensione.height() * 4 > qint64(LimiteMegabyteImmagine) * 1024 * 1024;
}

// Mirror and flip first, then a quarter turn clockwise: how the orientation tag is read.
QImage Orientata(const QImage& immagine, QImageIOHandler::Transformations verso) {
    if (verso == QImageIOHandler::TransformationNone || immagine.isNull()) return immagine;
    QImage girata = immagine.mirrored(verso.testFlag(QImageIOHandler::TransformationMirror),
                                      verso.testFlag(QImageIOHandler::TransformationFlip));
    if (verso.testFlag(QImageIOHandler::TransformationRotate90)) girata = girata.transformed(QTransform().rotate(90));
    return girata;
}

ImmagineLetta DaJpeg(const QString& percorso, const OpzioniLettura& opzioni) {
    LetturaJpeg letta = LeggiJpegLimitata(percorso, opzioni.Copertura, opzioni.MillisecondiMassimi);
    const QSize dichiarata = letta.Info.Larghezza > 0 ? QSize(letta.Info.Larghezza, letta.Info.Altezza) : QSize();
    switch (letta.Errore) {
    case ErroreJpeg::Nessuno: break;
    case ErroreJpeg::Apertura: return Rifiutata(RifiutoImmagine::NonApribile, letta.Testo);
    case ErroreJpeg::Dati: return Rifiutata(RifiutoImmagine::Illeggibile, letta.Testo, dichiarata);
    case ErroreJpeg::TroppoGrande:
    case ErroreJpeg::Memoria: return Rifiutata(RifiutoImmagine::TroppoGrande, letta.Testo, dichiarata);
    case ErroreJpeg::TroppeScansioni: return Rifiutata(RifiutoImmagine::TroppeScansioni, letta.Testo, dichiarata);
    case ErroreJpeg::Tempo: return Rifiutata(RifiutoImmagine::TroppoLenta, letta.Testo, dichiarata);
    }
    ImmagineLetta esito;
    esito.Dichiarata = dichiarata;
    esito.Immagine = letta.Immagine;
    if (opzioni.Orienta) esito.Immagine = Orientata(esito.Immagine, QImageReader(percorso).transformation());
    return esito;
}

// Any other format through Qt's readers, once the declared size is known to fit.
ImmagineLetta DaQt(QImageReader& lettore, bool orienta) {
    lettore.setAutoTransform(orienta);
    const QSize dichiarata = lettore.size();
    if (OltreLimite(dichiarata)) return Rifiutata(RifiutoImmagine::TroppoGrande, {}, dichiarata);
    ImmagineLetta esito;
    esito.Dichiarata = dichiarata;
    esito.Immagine = lettore.read();
    if (esito.Immagine.isNull()) {
        esito.Rifiuto = RifiutoImmagine::Illeggibile;
        esito.Dettaglio = lettore.errorString();
    }
    return esito;
}

}  // namespace

ImmagineLetta LeggiImmagine(const QString& percorso, const OpzioniLettura& opzioni) {
    if (percorso.isEmpty()) return Rifiutata(RifiutoImmagine::Mancante);
    const QFileInfo info(percorso);
    if (!info.exists()) return Rifiutata(RifiutoImmagine::Mancante);
    // Opening a pipe waits for a writer, and a device may never end.
    if (!info.isFile()) return Rifiutata(RifiutoImmagine::NonUnFile);
    QFile file(percorso);
    char inizio[16];
    // A file that cannot be opened or read (no permission, a read error) says why.
    if (!file.open(QIODevice::ReadOnly) || file.read(inizio, sizeof inizio) < 0)
        return Rifiutata(RifiutoImmagine::NonApribile, file.errorString());
    file.seek(0);
    QImageReader lettore(&file);
    if (lettore.format() == "jpeg") {
        file.close();
        return DaJpeg(percorso, opzioni);
    }
    return DaQt(lettore, opzioni.Orienta);
}

ImmagineLetta LeggiImmagine(const QByteArray& dati, const char* formato) {
    QBuffer buffer;
    buffer.setData(dati);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lettore(&buffer, formato);
    return DaQt(lettore, false);
}
