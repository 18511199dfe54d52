#include "render/DisegnoIntro.h"

#include "platform/CartelleUtente.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"

#include <algorithm>

QImage CaricaImmagine(ContestoRendering& c, const QString& percorso, Assenza assenza) {
    if (percorso.isEmpty()) return {};
    return c.Immagini.Carica(percorso, assenza);
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

void ScriviRiflesso(ContestoRendering& c, const QImage& riflesso) {
    if (riflesso.isNull()) return;
    const QString file = CartellaLavoro + NomiIntro::Riflesso;
    if (file == c.FileRiflesso && riflesso == c.UltimoRiflesso) return;
    c.ScritturaFile.Accoda(file, riflesso, -1);
    c.FileRiflesso = file;
    c.UltimoRiflesso = riflesso;
}

void DisegnaRiflesso(ContestoRendering& c, const Riflesso& riflesso, const QRectF& destinazione) {
    if (riflesso.Immagine.isNull()) return;
    ScriviRiflesso(c, riflesso.Immagine);
    const QImage capovolta = riflesso.Immagine.mirrored(false, true);
    DisegnaConMatrice(c.GraficaFrame, destinazione, capovolta, capovolta.rect(), c.AttributiImmagine);
}

void DisegnaNitido(ContestoRendering& c, const std::function<QRect(QPainter&)>& disegna,
                   const std::function<void(QPainter&)>& forte) {
    c.ChiudiGraficaComposizione();
    c.CanvasComposizione.fill(0);
    c.SottoComposizione = qRgba(192, 192, 192, 0);
    c.ApriGraficaComposizione();
    const QRect toccato = disegna(c.GraficaComposizione);
    c.DipintoComposizione = toccato;
    QImage* pieno = forte ? PreparaPieno(c, toccato) : nullptr;
    if (pieno) {
        QPainter g(pieno);
        ImpostaModiGrafica(g);
        forte(g);
    }
    EnfatizzaComposizione(c, toccato, 1.0f, pieno);
}
