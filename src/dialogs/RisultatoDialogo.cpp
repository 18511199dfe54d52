#include "dialogs/RisultatoDialogo.h"

int LinguaDialogoValida(int lingua) {
    return lingua >= 0 && lingua <= 4 ? lingua : 1;
}
