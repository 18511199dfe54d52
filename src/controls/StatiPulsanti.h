#pragma once
// The push buttons' choice of picture and caption colour, kept apart from the widgets.
#include "controls/ComuneControlli.h"

enum class StatoPulsante { Normale, Attivo, Premuto, Selezionato };

// The three-slice buttons: idle away from the pointer, pressed over it with the left button
// held, hovered otherwise.
StatoPulsante StatoTreFette(bool mouseDentro, bool tastoPremuto);

// The image button: hovering hides the selected mark.
StatoPulsante StatoSemplice(bool mouseDentro, bool tastoPremuto, int selezionatoTipo);

// Caption colours.
TColor ColoreTestoVideoButton(TColor coloreFont, bool abilitato);
TColor ColoreOmbraVideoButton(TColor coloreFont);
TColor ColoreTestoLRButton(bool mouseDentro);
constexpr TColor OmbraLRButton = 0x474747;
constexpr TColor OmbraVideoStato = 0x1E1E1E;
constexpr TColor TestoDisabilitato = 0x787878;

// Width of a button that follows its caption: the two caps (0 when missing) and the text.
int LarghezzaAutomatica(int larghezzaSx, int larghezzaDx, int larghezzaTesto);

// x of the check button's caption: 4 right of the On image whenever a state image was drawn.
int XTestoVideoStato(bool immagineDisegnata, int larghezzaOn);

#include <QFont>
#include <QImage>
#include <QString>

#include <array>

class QPainter;

// The three-slice drawing of the caption buttons: nine images (idle left, centre, right,
// then hovered, then pressed); positions and heights always from the idle ones.
void DisegnaTreFette(QPainter& p, int larghezza, const std::array<const QImage*, 9>& fette, StatoPulsante stato);
// The centred caption clipped to (3, y, larghezza - 6, y + text height); distanza 0 draws no shadow.
void DisegnaCaptionCentrata(QPainter& p, int larghezza, int altezza, const QFont& font, const QString& testo,
                            TColor colore, TColor ombra, int distanza);
