#pragma once
// A text of the dialog kit: Italian and English are written out, and Spanish, German and
// French show the English text.
#include <QString>

struct TestoDialogo {
    QString italiano;
    QString inglese;
    // lingua as the dialogs store it (0..4).
    const QString& Testo(int lingua) const { return lingua == 0 ? italiano : inglese; }
};
