#pragma once
// The render members of the main window and the frame loop: the two 1920x1080 canvases with
// their painters, the destination rectangle, the style pens and glow brush, the flare rays,
// the effect engines, the text layers and the loop state. One instance lives as long as
// the main window.
#include "platform/Grafica.h"
#include "render/CacheImmagini.h"
#include "render/CacheTesto.h"
#include "render/HostRendering.h"
#include "render/LayerTesto.h"
#include "render/LineeFlare.h"
#include "render/MotoriEffetti.h"
#include "render/ScritturaFrame.h"
#include "render/ScritturaLayer.h"

#include <QBrush>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class ImpostazioniProgetto;

// Where a line's text sits in its layer: the integer bounds of its outline path built at the
// origin, and the size of its two layer pictures. All 0 for an empty line.
struct GeometriaRiga {
    int Sinistra = 0;
    int Alto = 0;
    int Larghezza = 0;
    int Altezza = 0;
};

inline constexpr int NumeroRigheTesto = 4;
inline constexpr int ColonneGriglia = 120;  // cells of 16 x 8 pixels over 1920 x 1080
inline constexpr int RigheGriglia = 135;

class ContestoRendering {
public:
    explicit ContestoRendering(HostRendering& host);
    ~ContestoRendering();
    ContestoRendering(const ContestoRendering&) = delete;
    ContestoRendering& operator=(const ContestoRendering&) = delete;

    HostRendering& Host;

    // The settings of the render in hand; set by EseguiRendering before any drawing.
    const ImpostazioniProgetto* Impostazioni = nullptr;
    const ImpostazioniProgetto& Imp() const { return *Impostazioni; }
    bool Anima() const { return Host.AnimaSelezionato(); }

    // Render state: the 0-based frame being drawn, and whether the loop may go on.
    float FrameCorrente = 0.0f;
    bool AnimazioneInCorso = false;

    // The canvases, both premultiplied, so that Qt stores what it paints without dividing by
    // alpha. The sharpen filter takes CanvasComposizione as straight pixels and reads the colour
    // under alpha 0: 0 where a picture was drawn since the canvas was cleared (DipintoComposizione,
    // as a painter leaves it), elsewhere SottoComposizione, the colour it was cleared to.
    QImage CanvasFrame;
    QImage CanvasComposizione;
    QRgb SottoComposizione = qRgba(192, 192, 192, 0);
    QRegion DipintoComposizione;
    // While text fades, the same layers at full strength, premultiplied: the sharpen takes
    // its colours from here. In 8 bits a faint pixel's colour is lost (at alpha 1 it can be
    // only black or white), and the sharpened edge beside it would flash as the fade goes on.
    QImage CanvasPieno;
    QPainter GraficaFrame;         // always open on CanvasFrame
    QPainter GraficaComposizione;  // always open on CanvasComposizione
    QRect RettangoloDestinazione;
    MatriceColore AttributiImmagine;  // identity: carries no colour adjustment

    QPen PennaOmbra;
    QPen PennaOutline1;
    QPen PennaOutline2;
    QPen PennaGlow;
    QBrush PennelloGlowInterno;

    LineeFlare EffettoLineeFlare;
    MotoriEffetti Effetti;

    // Text layers as the last CreaOggettiTesto left them (index 0 is line 1). The pictures
    // are also written as the layer files; the renderers use these copies.
    std::array<QString, NumeroRigheTesto> RigheTesto;
    std::array<GeometriaRiga, NumeroRigheTesto> GeometriaOggetti;
    std::array<LayerTesto, NumeroRigheTesto> LayerOggetto;
    std::array<LayerTesto, NumeroRigheTesto> LayerOmbra;
    // Lines cut to the length limit whose cut the user was already told of.
    std::array<bool, NumeroRigheTesto> RigheTagliateSegnalate{};
    // Intro 1's composed text of its zoom kind, also written as "Completo.png".
    QImage ComposizioneCompleta;
    // The layers above with the inputs they were drawn from.
    CacheTesto CacheLayer;
    // The layer files and "Completo.png", written in the background; Attendi before reading them.
    ScritturaLayer ScritturaFile;
    // The reflection last given to ScritturaFile, and its file.
    QImage UltimoRiflesso;
    QString FileRiflesso;

    // Intro 4: the logo's tiles as its last cut wrote them, row by row.
    std::vector<QImage> TessereLogo;

    // Intro 6: cells [x / 16][y / 8] of line 1's layer holding non-black pixels.
    std::array<std::array<std::uint8_t, RigheGriglia>, ColonneGriglia> GrigliaOccupazione{};
    // Intro 7: the dense outline points of line 1 in layer coordinates, at most 20000.
    std::vector<QPoint> PuntiContorno;
    int NumeroPuntiContorno = 0;

    // Closes and reopens a painter with the canvas modes (anti-aliasing, smooth scaling,
    // source-over), for code that must touch the pixels of a canvas directly.
    void ChiudiGraficaComposizione();
    void ApriGraficaComposizione();

    // The effect layers' view of the frame in hand.
    ContestoEffetti Effetto();

    // Set while the animation loop runs; a render asked for inside it only marks the
    // current frame to be drawn again under the new settings.
    bool CicloAttivo = false;
    bool RidisegnaFrame = false;
    bool AnteprimaAttiva = false;
    // Set when a frame file could not be written; the loop stops on it.
    bool ErroreFrame = false;
    QString MessaggioErrore;
    // Worker threads that make the frame files of a run; 0 makes each file in the loop's
    // own thread before the next frame is drawn.
    int LavoratoriScrittura = ScritturaFrame::LavoratoriPredefiniti();
    // The workers of the run in hand.
    std::unique_ptr<ScritturaFrame> Scrittura;
    // When the run last showed a preview, and when it last asked the workers for one.
    QElapsedTimer OrologioAnteprima;
    QElapsedTimer OrologioRichiestaAnteprima;
    // Previews the run in hand asked the workers to scale.
    int AnteprimeRichieste = 0;

    // Pictures read by the renderers (logo, backgrounds, sprites).
    CacheImmagini Immagini;
};

// The one entry of every render: a preview of frame 0, or the whole animation while Anima
// is checked. Called again from inside the loop it only asks for the current frame anew.
void EseguiRendering(ContestoRendering& contesto, const ImpostazioniProgetto& impostazioni);

// Draws FrameCorrente with the renderer of the chosen intro.
void DisegnaFrame(ContestoRendering& contesto);

// Called by the Anima click when the box becomes checked: a run starts at frame 0.
void AvviaAnimazione(ContestoRendering& contesto);
// Called when Anima is unchecked during a run: the loop ends after the frame in hand.
void FermaAnimazione(ContestoRendering& contesto);

// The shared steps of every renderer, before and after its own drawing: particles prepared,
// pens set, background, back particle layer; then front particle layer, lens flare, snow,
// SalvaFrame and the frame caption.
void PassiInizialiFrame(ContestoRendering& contesto);
void PassiFinaliFrame(ContestoRendering& contesto);

// The part of a canvas that the sharpen of what was drawn inside toccato reads.
QRect ZonaEnfatizzata(const QImage& canvas, const QRect& toccato);

// CanvasPieno, made the composition's size and cleared where the sharpen of toccato reads it;
// null if there is no room for it.
QImage* PreparaPieno(ContestoRendering& contesto, const QRect& toccato);

// Sharpens what was composed inside toccato and lays it over the frame at the given opacity.
// With pieno (the same drawing at full strength), each pixel keeps the composition's alpha and
// takes the colour it has there, wherever it has one.
void EnfatizzaComposizione(ContestoRendering& contesto, const QRect& toccato, float opacita = 1.0f,
                           const QImage* pieno = nullptr);
