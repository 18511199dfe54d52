#include "controls/StatiPulsanti.h"

StatoPulsante StatoTreFette(bool dentro, bool premuto) {
    if (!dentro) return StatoPulsante::Normale;
    return premuto ? StatoPulsante::Premuto : StatoPulsante::Attivo;
}

StatoPulsante StatoSemplice(bool dentro, bool premuto, int selezionatoTipo) {
    if (dentro) return premuto ? StatoPulsante::Premuto : StatoPulsante::Attivo;
    return selezionatoTipo != 0 ? StatoPulsante::Selezionato : StatoPulsante::Normale;
}

TColor ColoreTestoVideoButton(TColor coloreFont, bool abilitato) { return abilitato ? coloreFont : TestoDisabilitato; }

TColor ColoreOmbraVideoButton(TColor coloreFont) {
    return (coloreFont == 0xFFFFFF || coloreFont == 0xC0C0C0) ? 0x000000 : 0xFFFFFF;
}

TColor ColoreTestoLRButton(bool dentro) { return dentro ? 0xFFFFFF : 0xA6A6A6; }

int LarghezzaAutomatica(int sx, int dx, int testo) { return sx + dx + testo; }

int XTestoVideoStato(bool disegnata, int larghezzaOn) { return disegnata ? larghezzaOn + 4 : 4; }
