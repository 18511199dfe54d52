#include "render/DisegnoIntro.h"

#include "platform/CartelleUtente.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/PhotoShop.h"

#include <algorithm>

QImage CaricaImmagine(ContestoRendering& c, const QString& percorso) {
    if (percorso.isEmpty()) return {};
    return c.Immagini.Carica(percorso);
}

QImage CaricaSlot(ContestoRendering& c, int slot) {
    if (slot < 0 || slot >= NumeroSlotImmagini) return {};
    return CaricaImmagine(c, c.Imp().TabellaImmagini[static_cast<size_t>(slot)]);
}

void DisegnaOrientata(QPainter& g, const QRect& r, const QImage& immagine, const MatriceColore& matrice) {
    if (immagine.isNull() || r.width() == 0 || r.height() == 0) return;
    const bool orizzontale = r.width() < 0, verticale = r.height() < 0;
    QRect dest(r.x(), r.y(), std::abs(r.width()), std::abs(r.height()));
    if (orizzontale) dest.moveLeft(r.x() + r.width());
    if (verticale) dest.moveTop(r.y() + r.height());
    const QImage img = orizzontale || verticale ? immagine.mirrored(orizzontale, verticale) : immagine;
    DisegnaConMatrice(g, dest, img, img.rect(), matrice);
}

void DisegnaRiflesso(ContestoRendering& c, const Riflesso& riflesso, const QRectF& destinazione) {
    if (riflesso.Immagine.isNull()) return;
    riflesso.Immagine.save(CartellaLavoro + NomiIntro::Riflesso, "PNG");
    const QImage capovolta = riflesso.Immagine.mirrored(false, true);
    DisegnaConMatrice(c.GraficaFrame, destinazione, capovolta, capovolta.rect(), c.AttributiImmagine);
}

void DisegnaNitido(ContestoRendering& c, const std::function<QRect(QPainter&)>& disegna) {
    c.ChiudiGraficaComposizione();
    c.CanvasComposizione.fill(qRgba(192, 192, 192, 0));
    c.ApriGraficaComposizione();
    const QRect toccato = disegna(c.GraficaComposizione);
    // Only the drawn area (and a margin of clear pixels) is filtered: elsewhere the
    // sharpened canvas has alpha 0 and shows nothing.
    const QRect zona = toccato.adjusted(-2, -2, 2, 2).intersected(c.CanvasComposizione.rect());
    if (zona.isEmpty()) return;
    c.ChiudiGraficaComposizione();
    QImage parte = c.CanvasComposizione.copy(zona);
    PhotoShop filtro;
    filtro.AumentaNitidezza(&parte);
    for (int y = 0; y < parte.height(); ++y)
        std::copy_n(parte.constScanLine(y), parte.bytesPerLine(),
                    c.CanvasComposizione.scanLine(zona.y() + y) + zona.x() * 4);
    c.ApriGraficaComposizione();
    c.GraficaFrame.drawImage(zona.topLeft(), parte);
}
