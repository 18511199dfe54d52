#include "render/ContestoRendering.h"

#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/Intro.h"
#include "render/OggettiTesto.h"
#include "render/PhotoShop.h"
#include "render/SalvaFrame.h"
#include "render/Sfondo.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace {

void ApriGrafica(QPainter& grafica, QImage& canvas) {
    if (canvas.isNull()) return;
    grafica.begin(&canvas);
    ImpostaModiGrafica(grafica);
}

// The counter: in a run the frames whose files are written (behind the drawing while the
// workers write, never past a frame that failed), else the frame drawn.
long long FrameContati(const ContestoRendering& c) {
    const long long disegnati = static_cast<long long>(c.FrameCorrente) + 1;
    if (!c.CicloAttivo || !c.Anima()) return disegnati;
    if (c.Scrittura) return c.Scrittura->Scritti();
    return c.ErroreFrame ? disegnati - 1 : disegnati;
}

void MostraContatore(ContestoRendering& c) {
    c.Host.ImpostaCaptionFrame(QString::number(FrameContati(c)));
}

// A run that cannot write its frames ends here: Anima off, the error shown, no encoder. The
// counter stops on the last file written, the one before the frame the message names.
void InterrompiPerErrore(ContestoRendering& c) {
    MostraContatore(c);
    c.AnimazioneInCorso = false;
    c.FrameCorrente = 0.0f;
    c.Host.DeselezionaAnima();
    c.Host.SegnalaErrore(c.MessaggioErrore);
}

// Every frame drawn so far in its file; false (message in the context) when one failed.
bool FrameScritti(ContestoRendering& c) {
    if (!c.Scrittura || c.Scrittura->Attendi(&c.MessaggioErrore)) return true;
    c.ErroreFrame = true;
    return false;
}

void Ciclo(ContestoRendering& c) {
    while (c.AnimazioneInCorso) {
        c.RidisegnaFrame = false;
        DisegnaFrame(c);
        if (c.ErroreFrame) {
            InterrompiPerErrore(c);
            break;
        }
        c.Host.ElaboraMessaggi();
        // Stopped by the user (Anima unchecked) while messages ran: the frame in hand was the last.
        if (!c.AnimazioneInCorso || !c.Anima()) {
            c.AnimazioneInCorso = false;
            if (!FrameScritti(c)) InterrompiPerErrore(c);
            break;
        }
        // A setting changed: the same frame again, under the new settings.
        if (c.RidisegnaFrame) continue;
        c.FrameCorrente += 1.0f;
        if (!(c.FrameCorrente <= ImpostazioniGlobali.TotaleFrame - 1.0f)) {
            if (!FrameScritti(c)) {
                InterrompiPerErrore(c);
                break;
            }
            // The last frame, whatever the screen's rate; the workers' last files are now
            // written too.
            if (c.Scrittura) MostraContatore(c);
            MostraUltimaAnteprima(c);
            c.FrameCorrente = 0.0f;
            c.AnimazioneInCorso = false;
            c.Host.DeselezionaAnima();
            c.CicloAttivo = false;
            c.Host.AvviaCodifica();
            break;
        }
    }
}

void CicloAnimazione(ContestoRendering& c) {
    c.CicloAttivo = true;
    c.FrameCorrente = 0.0f;
    c.ErroreFrame = false;
    c.OrologioAnteprima.invalidate();
    c.OrologioRichiestaAnteprima.invalidate();
    c.AnteprimeRichieste = 0;
    if (c.AnimazioneInCorso && !PreparaCartellaFrame(PercorsoOutput, &c.MessaggioErrore)) {
        c.ErroreFrame = true;
        InterrompiPerErrore(c);
    }
    if (c.AnimazioneInCorso && c.LavoratoriScrittura > 0) {
        try {
            c.Scrittura = std::make_unique<ScritturaFrame>(c.LavoratoriScrittura);
        } catch (const std::system_error&) {
            // Without threads the loop makes each file itself, as it always could.
            c.Scrittura.reset();
        }
    }
    Ciclo(c);
    // Waits for whatever an error left queued; those frames are dropped.
    c.Scrittura.reset();
    c.CicloAttivo = false;
}

void Anteprima(ContestoRendering& c) {
    // A render asked for while this one pumps messages is this one: it draws with the
    // settings in force once the messages are done.
    if (c.AnteprimaAttiva) return;
    c.AnteprimaAttiva = true;
    c.Host.CursoreAttesa(true);
    c.Host.ElaboraMessaggi();
    c.AnteprimaAttiva = false;
    if (c.CicloAttivo || !c.Anima()) {
        c.FrameCorrente = 0.0f;
        DisegnaFrame(c);
    }
    c.Host.CursoreAttesa(false);
}

}  // namespace

ContestoRendering::ContestoRendering(HostRendering& host)
    : Host(host),
      CanvasFrame(ImpostazioniGlobali.LarghezzaFrame, ImpostazioniGlobali.AltezzaFrame,
                  QImage::Format_ARGB32_Premultiplied),
      CanvasComposizione(ImpostazioniGlobali.LarghezzaFrame, ImpostazioniGlobali.AltezzaFrame,
                         QImage::Format_ARGB32_Premultiplied),
      AttributiImmagine(MatriceColore::Identita()),
      PennaOmbra(QColor(0, 0, 16, 0), 1.0),
      PennaOutline1(QColor(0, 0, 16, 0), 1.0),
      PennaOutline2(QColor(0, 0, 16, 0), 1.0),
      PennaGlow(QColor(0, 0, 16, 0), 1.0),
      PennelloGlowInterno(QColor(255, 0, 0, 255)) {
    CanvasFrame.fill(Qt::transparent);
    CanvasComposizione.fill(0);
    ApriGrafica(GraficaFrame, CanvasFrame);
    ApriGrafica(GraficaComposizione, CanvasComposizione);
}

ContestoRendering::~ContestoRendering() {
    if (GraficaFrame.isActive()) GraficaFrame.end();
    if (GraficaComposizione.isActive()) GraficaComposizione.end();
}

void ContestoRendering::ChiudiGraficaComposizione() {
    if (GraficaComposizione.isActive()) GraficaComposizione.end();
}

void ContestoRendering::ApriGraficaComposizione() {
    if (!GraficaComposizione.isActive()) ApriGrafica(GraficaComposizione, CanvasComposizione);
}

ContestoEffetti ContestoRendering::Effetto() {
    return ContestoEffetti{*Impostazioni, FrameCorrente, ImpostazioniGlobali.TotaleFrame, CanvasFrame, GraficaFrame};
}

void EseguiRendering(ContestoRendering& c, const ImpostazioniProgetto& impostazioni) {
    c.Impostazioni = &impostazioni;
    if (c.CicloAttivo) {
        if (c.Anima()) {
            c.RidisegnaFrame = true;
        } else {
            // Anima was just unchecked: the preview of frame 0 at once; the loop then ends.
            c.FrameCorrente = 0.0f;
            DisegnaFrame(c);
        }
        return;
    }
    if (!c.Anima()) {
        Anteprima(c);
        return;
    }
    CicloAnimazione(c);
    if (!c.Anima()) c.Host.CursoreAttesa(false);
}

void DisegnaFrame(ContestoRendering& c) {
    switch (c.Imp().IntroLista.Voce()) {
    case 2: DisegnaIntro2(c); break;
    case 3: DisegnaIntro3(c); break;
    case 4: DisegnaIntro4(c); break;
    case 5: DisegnaIntro5(c); break;
    case 6: DisegnaIntro6(c); break;
    case 7: DisegnaIntro7(c); break;
    case 8: DisegnaIntro8(c); break;
    case 9: DisegnaIntro9(c); break;
    case 10: DisegnaIntro10(c); break;
    default: DisegnaIntro1(c); break;
    }
}

void AvviaAnimazione(ContestoRendering& c) {
    c.AnimazioneInCorso = true;
    if (!c.CicloAttivo) c.FrameCorrente = 0.0f;
}

void FermaAnimazione(ContestoRendering& c) {
    c.AnimazioneInCorso = false;
}

void PassiInizialiFrame(ContestoRendering& c) {
    ContestoEffetti effetti = c.Effetto();
    c.Effetti.PreparaParticelle(effetti);
    ImpostaPenne(c);
    DisegnaSfondo(c);
    ContestoEffetti dietro = c.Effetto();
    c.Effetti.DisegnaParticelleDietro(dietro);
}

void PassiFinaliFrame(ContestoRendering& c) {
    ContestoEffetti effetti = c.Effetto();
    c.Effetti.DisegnaParticelleDavanti(effetti);
    c.Effetti.DisegnaLensFlare(effetti);
    c.Effetti.DisegnaNeve(effetti);
    SalvaFrame(c);
    MostraContatore(c);
    // Pictures that could not be read in this frame, each path told once.
    for (const QString& avviso : c.Immagini.PrendiAvvisi() + c.Effetti.Sprite().PrendiAvvisi())
        c.Host.SegnalaAvviso(avviso);
}

QRect ZonaEnfatizzata(const QImage& canvas, const QRect& toccato) {
    return toccato.adjusted(-2, -2, 2, 2).intersected(canvas.rect());
}

QImage* PreparaPieno(ContestoRendering& c, const QRect& toccato) {
    QImage& tela = c.CanvasPieno;
    if (tela.size() != c.CanvasComposizione.size() || tela.format() != QImage::Format_ARGB32_Premultiplied)
        tela = QImage(c.CanvasComposizione.size(), QImage::Format_ARGB32_Premultiplied);
    if (tela.isNull()) return nullptr;
    const QRect zona = ZonaEnfatizzata(tela, toccato);
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(tela.scanLine(y)) + zona.left(), zona.width(), QRgb(0));
    return &tela;
}

// Sharpens what was composed and lays it over the frame. Only the touched area (and a
// margin of clear pixels) is filtered: everywhere else the result has alpha 0 and shows nothing.
// The area is filtered in place, in the composition itself, and each part's rows are laid over
// the frame by the thread that sharpened them, in the same pass.
void EnfatizzaComposizione(ContestoRendering& c, const QRect& toccato, float opacita, const QImage* pieno) {
    const QRect zona = ZonaEnfatizzata(c.CanvasComposizione, toccato);
    if (zona.isEmpty()) return;
    if (pieno && (pieno->size() != c.CanvasComposizione.size() || pieno->format() != QImage::Format_ARGB32_Premultiplied))
        pieno = nullptr;
    c.ChiudiGraficaComposizione();
    QImage& canvas = c.CanvasComposizione;
    const qsizetype passo = canvas.bytesPerLine();
    uchar* inizio = canvas.bits() + static_cast<qsizetype>(zona.y()) * passo + zona.x() * 4;
    // Made straight in place, exactly, with the colours under alpha 0 the sharpen reads; the
    // zone then holds straight pixels until the canvas is cleared again.
    const QRgb sotto = c.SottoComposizione;
    const QRegion dipinto = c.DipintoComposizione.intersected(zona).translated(-zona.topLeft());
    PerOgniParte(NumeroBande, [&](int i) {
        std::vector<QRgb> colori(pieno ? static_cast<size_t>(zona.width()) : 0);
        for (int y = zona.height() * i / NumeroBande; y < zona.height() * (i + 1) / NumeroBande; ++y) {
            auto* riga = reinterpret_cast<QRgb*>(inizio + y * passo);
            NonPremoltiplica(riga, riga, zona.width(), sotto);
            for (const QRect& r : dipinto) {
                if (y < r.top() || y > r.bottom()) continue;
                for (int x = r.left(); x <= r.right(); ++x)
                    if (qAlpha(riga[x]) == 0) riga[x] = 0;
            }
            if (!pieno) continue;
            const auto* forte = reinterpret_cast<const QRgb*>(pieno->constScanLine(zona.y() + y)) + zona.x();
            NonPremoltiplica(forte, colori.data(), zona.width());
            for (int x = 0; x < zona.width(); ++x)
                if (qAlpha(forte[x]) != 0) riga[x] = (riga[x] & 0xFF000000u) | (colori[static_cast<size_t>(x)] & 0x00FFFFFFu);
        }
    });
    QImage parte(inizio, zona.width(), zona.height(), passo, QImage::Format_ARGB32);
    PhotoShop filtro;
    filtro.AumentaNitidezza(&parte, [&](int y0, int y1) {
        if (opacita <= 0.0f) return;
        const QImage righe(parte.constScanLine(y0), parte.width(), y1 - y0, parte.bytesPerLine(), parte.format());
        DisegnaRighe(c.CanvasFrame, zona.y() + y0, zona.y() + y1, [&](QPainter& g, const QRect&) {
            if (opacita < 1.0f) g.setOpacity(opacita);
            g.drawImage(QPoint(zona.x(), zona.y() + y0), righe);
        });
    });
    c.ApriGraficaComposizione();
}
