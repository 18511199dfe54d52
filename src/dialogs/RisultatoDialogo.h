#pragma once
// What a dialog's run returns, and the kinds of message the message box shows.

// 0: closed by its frame or by Esc, without one of its buttons.
enum RisultatoDialogo : int {
    RisultatoNessuno = 0,
    RisultatoOk = 1,       // Ok, Open, and the video was made
    RisultatoAnnulla = 2,  // Cancel of the choosers
    RisultatoSi = 6,       // Yes, and the colour picker's OK
    RisultatoNo = 7,       // No, the colour picker's Cancel, and the video was not made
};

// The "Ancora" kinds (4..6) look like 1..3 with the check box shown.
enum TipoMessaggio : int {
    MessaggioErrore = 1,
    MessaggioAvviso = 2,
    MessaggioDomanda = 3,
    MessaggioErroreAncora = 4,
    MessaggioAvvisoAncora = 5,
    MessaggioDomandaAncora = 6,
};

// The language a dialog shows: 0..4 as given, anything else English (1).
int LinguaDialogoValida(int lingua);
