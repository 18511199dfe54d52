#pragma once
// Built-in skins of the frame, the header, the panels, the vertical bar and the push
// buttons, drawn by code in the look of the other controls. Pieces that must join up are cut
// from one picture drawn whole, so edges meet without seams.
#include "controls/SkinPredefinite.h"
#include "controls/StatiPulsanti.h"

#include <QImage>

#include <array>

namespace SkinFinestre {

// Window frame: the nine pieces (1 title plate 129x39 ... 9 bottom-right 16x23).
QImage LatoForm(int numero);
QImage AltroAngolo();  // 16x39
QImage AltroLogo();    // 31x39
enum class PulsanteFinestra { Minimizza, SchermoIntero, Chiudi };
// A window button, lato x lato (20 for the windows, 13 for the dialogs).
QImage PulsanteForm(PulsanteFinestra tipo, AspettoSkin aspetto, int lato = 20);
QImage CorpoClient();  // 6x6

// Tab header, 50 high (the built-in set) or 40 high (the main and codec windows).
struct SkinHeader {
    std::array<QImage, 9> cornice;
    QImage sxSinOff, sxSinOn, dxDoppioOff, dxDoppioOn, sxDoppioOn, dxSinOff, dxSinOn, centroOff, centroOn;
};
SkinHeader Header(int altezza);

// Corner button of the collapsible panel: 23x23 while open, 24x23 while collapsed.
QImage BottoneRiducibile(bool aperto, bool acceso);

// The framed panel with its title strip.
struct SkinPannello {
    QImage lato1A, lato1B, lato1C, paginaPiuOn, lato2, lato3;
    std::array<QImage, 6> lati4a9;  // 4 left, 5 body, 6 right, 7, 8, 9 bottom
    QImage paginaSx, paginaSxOn, paginaDx, paginaDxOn;
    QImage nascostaSx, nascostaCentro, nascostaCentroOn, nascostaDivisore, nascostaDx;
};
SkinPannello Pannello();

// The vertical bar's thumb: parte 1 top cap, 2 middle, 3 bottom cap; 9x9 each.
QImage CursoreBarra(int parte, bool acceso);

// Push buttons: caption button slices 6x20, answer button slices 5x28, state images 50x40.
QImage FettaVideoButton(AspettoSkin aspetto, int fetta);
QImage FettaLRButton(AspettoSkin aspetto, int fetta);
QImage ImmagineVideoStato(bool acceso);

// The main window's and the file chooser's 28x28 image buttons.
enum class Icona {
    AllineaSinistra, AllineaCentro, AllineaDestra,
    AllineaAlto, AllineaMezzo, AllineaBasso,
    Logo, LogoStile,
    Play, Pausa, Stop,
};
// stato: Normale, Attivo or Selezionato (Premuto draws as Attivo).
QImage IconaBottone(Icona icona, StatoPulsante stato);

}  // namespace SkinFinestre
