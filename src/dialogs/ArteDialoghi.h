#pragma once
// The pictures of the dialogs, drawn by code: the message icons, the list icons of the
// choosers and the colour chart of the picker.
#include <QImage>

namespace ArteDialoghi {

enum class IconaMessaggio { Errore, Informazione, Domanda };
inline constexpr int LatoIconaMessaggio = 77;
// 77x77, transparent around the round badge.
QImage Messaggio(IconaMessaggio tipo);

enum class IconaLista { CartellaChiusa, CartellaAperta, Rimovibile, Fisso, Rete, CdDvd, RamDisk };
inline constexpr int LarghezzaIconaLista = 30;
inline constexpr int AltezzaIconaLista = 19;
// 30x19, drawn over the lists' 0x505050.
QImage Lista(IconaLista tipo);

inline constexpr int LarghezzaTavola = 962;
inline constexpr int AltezzaTavola = 375;
// Hues across, from light at the top to dark at the bottom, inside a 0x606060 edge.
QImage TavolaColori();

}  // namespace ArteDialoghi
