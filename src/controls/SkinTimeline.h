#pragma once
// Built-in skins of the timeline, drawn by code: the frame pieces come from the panel's, the
// rest (track heads, frame cursor, zoom lens and buttons) are drawn here.
#include <QImage>

namespace SkinTimeline {
QImage Corpo();                         // 6x6, flat 0x404040
QImage TitoloDopo();                    // 14x23, right after the title
QImage Traccia();                       // 33x40 head of a track row
QImage CursoreFrame();                  // 13x14 yellow marker
QImage Lente();                         // 23x20 magnifier
QImage BottoneZoom(bool sinistra, bool acceso);  // 23x23 arrow button, grey or lit in orange
}  // namespace SkinTimeline
