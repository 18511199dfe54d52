#pragma once
// Drawing steps shared by intros 2 to 9: pictures read through the cache, pictures drawn
// into rectangles that may be mirrored, the flipped reflection, and the sharpened copy.
#include "platform/Grafica.h"
#include "render/CacheImmagini.h"
#include "render/GeometriaIntro.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

class ContestoRendering;

// The file names these intros write or read, in one place.
namespace NomiIntro {
// Under CartellaLavoro.
inline const QString Riflesso = QStringLiteral("/Flip.png");
inline const QString Tessera = QStringLiteral("/sudd_%1_%2.png");
// The weld sparks of intro 7, under CartellaProgramma (the first one is used twice).
inline const std::array<QString, 6> Scintille = {
    QStringLiteral("/Intro/04 MiniSaldatura 01.png"), QStringLiteral("/Intro/04 MiniSaldatura 02.png"),
    QStringLiteral("/Intro/04 MiniSaldatura 03.png"), QStringLiteral("/Intro/04 MiniSaldatura 04.png"),
    QStringLiteral("/Intro/04 MiniSaldatura 01.png"), QStringLiteral("/Intro/04 MiniSaldatura 06.png")};
}  // namespace NomiIntro

// Slots of the image table these intros read.
namespace SlotIntro {
inline constexpr int Ombra = 28;
inline constexpr int Catena = 29;
inline constexpr int PrimoFuocoLaser = 30;
inline constexpr int PrimoFumo = 25;
}  // namespace SlotIntro

// The picture of a file (null when there is none or it cannot be read); a logo the project
// names is told when it is gone (Assenza::Segnalata).
QImage CaricaImmagine(ContestoRendering& contesto, const QString& percorso, Assenza assenza = Assenza::Taciuta);
// The picture of an image-table slot.
QImage CaricaSlot(ContestoRendering& contesto, int slot);

// The whole picture into a rectangle whose negative width or height mirrors it about that
// edge, as a stretched draw into such a rectangle means; nothing for an empty one.
void DisegnaOrientata(QPainter& grafica, const QRect& rettangolo, const QImage& immagine,
                      const MatriceColore& matrice);

// Writes the reflection as "Flip.png" in the work folder, in the background and only when
// it differs from the last one written.
void ScriviRiflesso(ContestoRendering& contesto, const QImage& riflesso);

// Writes the reflection as "Flip.png" in the work folder, flips it top to bottom and draws
// it into destinazione.
void DisegnaRiflesso(ContestoRendering& contesto, const Riflesso& riflesso, const QRectF& destinazione);

// Draws, through disegna, into the composition canvas (cleared first), sharpens what was
// drawn and lays it over the frame. While the drawing fades, forte draws the same at full
// strength, where the sharpen takes its colours.
void DisegnaNitido(ContestoRendering& contesto, const std::function<QRect(QPainter&)>& disegna,
                   const std::function<void(QPainter&)>& forte = {});
