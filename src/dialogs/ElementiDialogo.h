#pragma once
// Small pieces the dialogs place alike: captions and answer buttons.
#include <QString>

class ORVLRButton;
class QLabel;
class QWidget;

// A silver caption at (x, y), as wide as its text.
QLabel* CreaEtichetta(QWidget* genitore, int x, int y, const QString& testo = QString());
// A 100x28 answer button at (x, y).
ORVLRButton* CreaPulsanteRisposta(QWidget* genitore, int x, int y);
