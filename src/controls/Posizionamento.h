#pragma once
// Placing windows in the work area measured at start-up.
class QWidget;

// Centres a window without changing its size.
void CentraForm(QWidget* finestra);
// Sizes a window (clamped to the work area) and centres it.
void CentraRidimensionaForm(QWidget* finestra, int larghezza, int altezza);
