#pragma once
// Small pieces the dialogs place alike: captions and answer buttons.
#include <QString>

class ORVLRButton;
class QLabel;
class QWidget;

// A silver caption at (x, y), as wide as its text; clicks pass through it.
QLabel* CreaEtichetta(QWidget* genitore, int x, int y, const QString& testo = QString());
// Changes the text and the width with it; the height stays.
void TestoEtichetta(QLabel* etichetta, const QString& testo);
// A 100x28 answer button at (x, y).
ORVLRButton* CreaPulsanteRisposta(QWidget* genitore, int x, int y);
