#pragma once
// Small string routines shared by the file readers, the text layers and the font list.
#include <QString>

// Cut the characters below "!" (controls and the space) at the end or the start.
// Accented letters are text, never blanks.
void TogliSpaziFinali(QString& testo);
void TogliSpaziIniziali(QString& testo);

// a x b / c, truncating toward zero; c == 0 gives 0.
int CalcolaProporzione(int a, int b, int c);
