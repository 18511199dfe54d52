#pragma once
// Tooltips in the skin's look, once for the whole program: the dark ground, the captions'
// font and silver, a thin border. Call once the application object exists.
#include <QString>

class QApplication;

void ApplicaStileSuggerimenti(QApplication& applicazione);
// The style sheet rule it adds to the application's.
QString FoglioSuggerimenti();
