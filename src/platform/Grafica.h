#pragma once
// Drawing tools that GDI+ offered and QPainter lacks: colour matrices on drawn images,
// blend curves of linear gradients, a high-quality (prefiltered bicubic) scale, and the
// colour conversion of the controls' 0x00BBGGRR values.
#include <QColor>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

// A 5x5 colour matrix applied to the row [r g b a 1] (values 0..1), results clamped.
struct MatriceColore {
    std::array<std::array<float, 5>, 5> m{};

    static MatriceColore Identita();
    // Keeps red, green and blue, multiplies alpha by fattore.
    static MatriceColore Alfa(float fattore);
    // Red, green and blue scaled by scala and raised by aggiunta, alpha times fattoreAlfa.
    static MatriceColore Colori(float scala, float aggiunta, float fattoreAlfa);

    // True when the matrix only scales alpha (factor in *fattore): drawn through opacity.
    bool SoloAlfa(float* fattore = nullptr) const;
    bool operator==(const MatriceColore&) const = default;
};

// n premultiplied pixels as straight alpha, each colour round(c x 255 / a) in integers, and
// sottoTrasparente (alpha 0) in place of every clear pixel; sorgente and destinazione may be
// the same row. Qt's own conversions round through the processor's approximate reciprocal,
// whose low bits differ from one processor to another: no picture of ours goes through them.
void NonPremoltiplica(const QRgb* sorgente, QRgb* destinazione, int n, QRgb sottoTrasparente = 0);

// The picture in formato as convertToFormat gives it, except that premultiplied pixels become
// straight through NonPremoltiplica, so the bytes are the same on every processor.
QImage ConvertiFormato(const QImage& immagine, QImage::Format formato);

// The picture with the matrix applied to every pixel, non-premultiplied ARGB32.
QImage ApplicaMatriceColore(const QImage& sorgente, const MatriceColore& matrice);

// Draws the sorgente rectangle of an image into destinazione through a colour matrix.
void DisegnaConMatrice(QPainter& grafica, const QRectF& destinazione, const QImage& immagine,
                       const QRectF& sorgente, const MatriceColore& matrice);

// A GDI+ blend on a two-colour gradient: at each position (0..1) the colour is
// inizio + fattore x (fine - inizio). Positions that do not rise are kept in order of
// the list and clamped to 0..1, as stops must be.
void ImpostaBlend(QGradient& gradiente, const QColor& inizio, const QColor& fine,
                  const std::vector<float>& fattori, const std::vector<float>& posizioni);

// The whole image scaled to dimensione with a prefiltered bicubic kernel (wider when
// shrinking, so no detail aliases). Result ARGB32 premultiplied.
// The size a picture is laid out at: its own, even when a large photo was decoded smaller
// and carries the ratio (its device pixel ratio) that gives it back.
QSize DimensionePropria(const QImage& immagine);

QImage ScalaAltaQualita(const QImage& sorgente, const QSize& dimensione);

// The whole image scaled to dimensione for a picture shown on screen, where speed counts more
// than the last detail: halved by box averaging while more than 2:1, then a tent filter as
// wide as an output pixel (bilinear when enlarging), so fine detail turns to its mean instead
// of aliasing. Result ARGB32 premultiplied.
QImage ScalaVeloce(const QImage& sorgente, const QSize& dimensione);

// Whether the two scales keep to the instructions every x86-64 processor has, as on one
// without the wider ones (they give the same bytes either way); for tests.
void ScalaSoloSse2(bool solo);

// Anti-aliasing, smooth image scaling, source-over: the modes of every canvas painter.
void ImpostaModiGrafica(QPainter& grafica);

// A control colour 0x00BBGGRR (red in the low byte) with a separate alpha.
QColor ColoreDaControllo(std::uint32_t colore, int alfa = 255);
