#include "platform/Immagini.h"

#include "platform/Grafica.h"
#include "platform/LetturaImmagini.h"

#include <QImageWriter>
#include <QPainter>

int TrovaEncoder(const QString& tipoMime, QByteArray& formato) {
    const QList<QByteArray> tipi = QImageWriter::supportedMimeTypes();
    const int indice = static_cast<int>(tipi.indexOf(tipoMime.toLatin1()));
    if (indice < 0) return -1;
    const QList<QByteArray> formati = QImageWriter::imageFormatsForMimeType(tipi[indice]);
    if (formati.isEmpty()) return -1;
    formato = formati.first();
    return indice;
}

QImage RuotaImmagine(const QImage& sorgente, int angolo) {
    if (sorgente.isNull()) return {};
    const int w = sorgente.width();
    const int h = sorgente.height();
    QImage tela(w, h, QImage::Format_ARGB32_Premultiplied);
    if (tela.isNull()) return {};
    tela.fill(Qt::transparent);
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(w * 0.5, h * 0.5);
    p.rotate(angolo % 360);
    // The offset is w div 2 while the turn point is w x 0.5: odd sizes sit half a pixel off.
    p.drawImage(QRectF(-(w / 2), -(h / 2), w, h), sorgente);
    p.end();
    return ConvertiFormato(tela, QImage::Format_ARGB32);
}

bool RuotaImmagine(const QString& sorgente, const QString& destinazione, int angolo) {
    const ImmagineLetta letta = LeggiImmagine(sorgente);
    if (!letta.Letta()) return false;
    QImage ruotata = RuotaImmagine(letta.Immagine, angolo);
    QByteArray formato;
    if (ruotata.isNull() || TrovaEncoder(QStringLiteral("image/png"), formato) < 0) return false;
    return ruotata.save(destinazione, formato.constData());
}
