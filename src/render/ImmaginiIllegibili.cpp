#include "render/ImmaginiIllegibili.h"

#include "platform/Jpeg.h"
#include "project/TestiMessaggi.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The reason a picture cannot be decoded, or an empty text and the picture.
QImage Decodifica(const QString& percorso, QString& motivo) {
    {
        // A file that cannot be opened or read (no permission, a read error) says why.
        QFile file(percorso);
        char inizio[16];
        if (!file.open(QIODevice::ReadOnly) || file.read(inizio, sizeof inizio) < 0) {
            motivo = file.errorString();
            return {};
        }
    }
    QImageReader lettore(percorso);
    lettore.setAutoTransform(false);
    // Checked on the declared size, as Qt's own limit does, so the reason can say so.
    const QSize dichiarata = lettore.size();
    const qint64 limite = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (dichiarata.isValid() && limite > 0 && qint64(dichiarata.width()) * dichiarata.height() * 4 > limite) {
        motivo = TestoMessaggio(VoceMessaggio::ImmagineTroppoGrande).arg(dichiarata.width()).arg(dichiarata.height());
        return {};
    }
    if (lettore.format() == "jpeg" && ContaScansioniJpeg(percorso) > LimiteScansioniJpeg) {
        motivo = TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(LimiteScansioniJpeg);
        return {};
    }
    QImage immagine = lettore.read();
    if (immagine.isNull()) motivo = lettore.errorString();
    return immagine;
}

}  // namespace

QString MessaggioImmagineIllegibile(const QString& percorso, const QString& motivo) {
    return TestoMessaggio(VoceMessaggio::ImmagineIllegibile).arg(percorso, motivo);
}

QImage ImmaginiIllegibili::Leggi(const QString& percorso, const QFileInfo& info) {
    const auto fallito = falliti_.constFind(percorso);
    if (fallito != falliti_.constEnd() && fallito->dimensione == info.size() &&
        fallito->modificato == info.lastModified())
        return {};
    QString motivo;
    QImage immagine = Decodifica(percorso, motivo);
    if (!immagine.isNull()) {
        falliti_.remove(percorso);
        segnalati_.remove(percorso);
        return immagine;
    }
    falliti_.insert(percorso, Fallimento{info.lastModified(), info.size()});
    if (!segnalati_.contains(percorso)) {
        segnalati_.insert(percorso);
        avvisi_ << MessaggioImmagineIllegibile(percorso, motivo);
    }
    return {};
}

QStringList ImmaginiIllegibili::PrendiAvvisi() {
    QStringList avvisi;
    avvisi.swap(avvisi_);
    return avvisi;
}
