#pragma once
// Intro 4's logo cutting, also used by its tests.
#include <QString>

class ContestoRendering;

// Cuts the logo into colonne x righe tiles "sudd_RR_CC.png" in the work folder; the
// remainder at the right and bottom edges is dropped.
void SuddividiLogo(ContestoRendering& contesto, const QString& percorso, int colonne, int righe);
