#include "render/Sfondo.h"

#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/ContestoRendering.h"

#include <QLinearGradient>

#include <vector>

namespace {

// The custom background of intros 2, 3 and 6: true when it applies (drawn or not).
bool SfondoPersonalizzato(ContestoRendering& c, int larghezza, int altezza) {
    const ImpostazioniProgetto& imp = c.Imp();
    const QString* file = nullptr;
    switch (imp.IntroLista.Voce()) {
    case 2: if (imp.Intro2Sfondo) file = &imp.Intro2SfondoFile; break;
    case 3: if (imp.Intro3Sfondo) file = &imp.Intro3SfondoFile; break;
    case 6: if (imp.Intro6Sfondo) file = &imp.Intro6SfondoFile; break;
    default: break;
    }
    if (!file) return false;
    if (file->isEmpty()) return true;
    const QImage immagine = c.Immagini.CaricaScalata(*file, QSize(larghezza, altezza), Assenza::Segnalata);
    if (!immagine.isNull()) c.GraficaFrame.drawImage(QPoint(0, 0), immagine);
    return true;
}

void Scacchiera(QPainter& g, int larghezza, int altezza) {
    g.save();
    g.setCompositionMode(QPainter::CompositionMode_Source);
    g.fillRect(QRect(0, 0, larghezza, altezza), QColor(192, 192, 192));
    g.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor scuro(64, 64, 64);
    for (int x = 0; x < larghezza + 100; x += 100) {
        for (int y = 0; y < altezza + 100; y += 100) {
            g.fillRect(QRect(x, y, 50, 50), scuro);
            g.fillRect(QRect(x + 50, y + 50, 50, 50), scuro);
        }
    }
    g.restore();
}

void Flares(ContestoRendering& c, int larghezza, int altezza) {
    if (!c.EffettoLineeFlare.Inizializzato())
        c.EffettoLineeFlare.Inizializza(200, 0, 0, (3 * larghezza) / 2, (3 * altezza) / 2, 60, 10);
    QPainter& g = c.GraficaFrame;
    const QImage immagine = c.Imp().TabellaImmagini[0].isEmpty() ? QImage() : c.Immagini.Carica(c.Imp().TabellaImmagini[0], Assenza::Segnalata);
    const QRectF tutto(0, 0, larghezza, altezza);
    // At its own scale: the source rectangle in its pixels, fewer when it was decoded smaller.
    const qreal rapporto = immagine.isNull() ? 1.0 : immagine.devicePixelRatio();
    const QRectF sorgente(0, 0, larghezza * rapporto, altezza * rapporto);
    // The whole-frame picture, at its own scale from the top-left corner: with a plain alpha
    // up to 1 (no tinted copy to make) it is laid band by band under the rays, so the drawing
    // thread does not blend 2M pixels; a tint would be made once per band, so it stays here.
    const MatriceColore& matrice = c.AttributiImmagine;
    float alfa = 1.0f;
    const bool aBande = !immagine.isNull() && matrice.SoloAlfa(&alfa) && alfa <= 1.0f && PittoreNeutro(g);
    if (!immagine.isNull() && !aBande) DisegnaConMatrice(g, tutto, immagine, sorgente, matrice);
    c.EffettoLineeFlare.Aggiorna();
    std::vector<LetturaLinea> linee;
    linee.reserve(static_cast<size_t>(c.EffettoLineeFlare.Numero()));
    for (int i = 0; i < c.EffettoLineeFlare.Numero(); ++i) linee.push_back(c.EffettoLineeFlare.LeggiLinea(i));
    // A thousand long strokes a frame: drawn band by band on every core.
    DisegnaABande(c.CanvasFrame, [&](QPainter& g, const QRect& banda) {
        if (aBande) DisegnaConMatrice(g, tutto, immagine, sorgente, matrice);
        QPen penna(QColor(153, 170, 242, 4));
        penna.setCapStyle(Qt::FlatCap);
        for (const LetturaLinea& l : linee) {
            const QRect estremi = QRect(QPoint(l.InizioX, l.InizioY), QPoint(l.FineX, l.FineY)).normalized();
            // Overlapping strokes of growing width: the ray's core is brighter than its edges.
            for (int w = 0; w < l.ValoreB; w += 2) {
                // Most rays run off the canvas or miss the band: stroking them only to clip
                // them away cost more than the rest.
                const int margine = w / 2 + 2;
                if (!estremi.adjusted(-margine, -margine, margine, margine).intersects(banda)) continue;
                // At alpha 4 a smoothed edge differs by under one level from a hard one, and
                // hard wide strokes cost a fifth: only the thin core is anti-aliased.
                g.setRenderHint(QPainter::Antialiasing, w == 0);
                penna.setWidth(w);
                g.setPen(penna);
                g.drawLine(l.InizioX, l.InizioY, l.FineX, l.FineY);
            }
        }
        g.setRenderHint(QPainter::Antialiasing, true);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(240, 240, 240, 120));
        g.drawEllipse(QRect(-80, -80, 160, 160));
    });
}

}  // namespace

void DisegnaSfondo(ContestoRendering& c) {
    const int w = ImpostazioniGlobali.LarghezzaFrame;
    const int h = ImpostazioniGlobali.AltezzaFrame;
    // Cleared to transparent; the sharpen reads light grey under alpha 0.
    // Both canvases, 8 MB each, are cleared on every core.
    c.ChiudiGraficaComposizione();
    // A copy handed to the file writer keeps its own pixels.
    c.CanvasComposizione.detach();
    RiempiABande(c.CanvasComposizione, 0);
    c.SottoComposizione = qRgba(192, 192, 192, 0);
    c.DipintoComposizione = QRegion();
    c.ApriGraficaComposizione();
    // A background that draws nothing (no file, nothing checked) must not leave the
    // previous frame underneath: moving text would smear into trails.
    RiempiABande(c.CanvasFrame, 0);

    if (SfondoPersonalizzato(c, w, h)) return;
    const ImpostazioniProgetto& imp = c.Imp();
    QPainter& g = c.GraficaFrame;
    if (imp.SfondoCheckSfondoColorato) {
        QLinearGradient gradiente(0, 0, 0, h);
        gradiente.setColorAt(0.0, ColoreDaControllo(imp.SfondoColori.Colore1));
        gradiente.setColorAt(1.0, ColoreDaControllo(imp.SfondoColori.Colore2));
        const QRect area(-1, -1, w + 2, h + 2);
        // 2M pixels of gradient: on every core, not the drawing thread.
        if (PittoreNeutro(g)) DisegnaABande(c.CanvasFrame, [&](QPainter& b, const QRect&) { b.fillRect(area, gradiente); });
        else g.fillRect(area, gradiente);
    }
    if (imp.SfondoCheckSfondoTrasparente) Scacchiera(g, w, h);
    if (imp.SfondoCheckSfondoBitmap && !imp.SfondoBitmap.isEmpty()) {
        const QImage immagine = c.Immagini.CaricaScalata(imp.SfondoBitmap, QSize(w, h), Assenza::Segnalata);
        if (!immagine.isNull()) g.drawImage(QPoint(0, 0), immagine);
    }
    if (imp.SfondoCheckSfondoFlares) Flares(c, w, h);
}
