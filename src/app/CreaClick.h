#pragma once
// The developers' settings dump: the text, font and effect settings of the model written as
// assignment statements, one per line, ready to paste into a preset.
#include "project/ImpostazioniProgetto.h"

#include <QStringList>

QStringList TestoCreaClick(const ImpostazioniProgetto& impostazioni);
