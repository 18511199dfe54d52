#pragma once
// What ORVButton4 and ORVButton5 share: which picture a state shows, the border lines each
// border kind draws in each state, and the marker box.
#include "controls/ComuneControlli.h"

class QPainter;

enum class LineaBordo { Nessuna, ContornoNero, ContornoBianco, Rialzato, Incassato, Riquadro };

// The border of TipoBordo in a state: stato 1 enabled, 0 disabled, any other value no border.
LineaBordo BordoPulsante(int tipoBordo, int stato, bool sopra, bool premuto);
void DisegnaBordoPulsante(QPainter& p, int larghezza, int altezza, LineaBordo linea);
// The solid 0xD6ADAD box with a 0x800000 outline, over (0, 0, W - 1, H - 1).
void DisegnaRiquadro(QPainter& p, int larghezza, int altezza);

// The picture each state shows: 0 none, then Normale, Attivo, Premuto, Disabilitato.
enum class ImmaginePulsante { Nessuna, Normale, Attivo, Premuto, Disabilitato };
// ORVButton4: pressed over the control shows Premuto when it has one.
ImmaginePulsante ImmagineButton4(int stato, bool sopra, bool premuto, bool premutoPresente);
// ORVButton5: the pressed look follows Tipo (1 Premuto or else Attivo, 2 Normale); any other
// Tipo keeps the hovered picture, so a pressed button never goes blank.
ImmaginePulsante ImmagineButton5(int stato, bool sopra, bool premuto, int tipo, bool premutoPresente,
                                 bool attivoPresente);
