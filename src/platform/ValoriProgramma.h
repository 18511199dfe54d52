#pragma once
// Program-wide values set once at start-up, and the centring arithmetic of the windows.
#include <QRect>
#include <QString>

extern QString VersioneProgramma;
extern QRect AreaLavoro;      // work area of the primary screen, measured at start-up
extern int ModoPosizionamento;  // 1 switches off the shift for a changed work area

// The available geometry of the primary screen (needs the GUI application).
QRect MisuraAreaLavoro();

// Where a window of w x h goes: centred in the work area, clamped to its size. When the
// current work area differs in size from the start-up one (and modo is not 1) the left
// edge moves by the difference in width.
QRect RettangoloCentrato(const QRect& areaAvvio, const QRect& areaCorrente, int w, int h, int modo);
