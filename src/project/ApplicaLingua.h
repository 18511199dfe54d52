#pragma once
// Writes the texts of LinguaCorrente from the language table into the settings model (list
// items, the default line texts) and, through a DestinazioneLingua, into the controls of the
// main and configuration windows. Nothing fires, nothing is rendered, nothing is saved.
#include "project/ImpostazioniProgetto.h"

#include <QString>
#include <QStringList>

#include <span>

enum class FinestraLingua { Principale, Configurazione };

enum class ProprietaLingua {
    TitoloFinestra,  // the window's own caption
    Caption,         // a label, button, check box or window frame caption
    Testo,           // an edit box's text
    Prefisso,        // ORV_PrefissoCaption of a number spinner
    Voce,            // item Indice of a list stepper (ORV_Elenco)
    Scheda,          // tab Indice of a tab header (ORV_Pannelli)
};

// Where one entry of the language table goes.
struct BersaglioLingua {
    int Voce;  // entry number in TabellaLingue
    FinestraLingua Finestra;
    ProprietaLingua Proprieta;
    const char* Controllo;  // the control's name on its window; empty for TitoloFinestra
    int Indice;             // 1-based item or tab for Voce and Scheda, else 0
};

// Every entry that reaches a control, in entry order; entries not listed are never applied.
std::span<const BersaglioLingua> BersagliLingua();

// The windows' side: each window looks the control up by name and sets it through its
// write accessor.
class DestinazioneLingua {
public:
    virtual ~DestinazioneLingua() = default;
    // A caption, an edit box's text or a spinner's prefix, as proprieta says.
    virtual void ImpostaTesto(FinestraLingua finestra, ProprietaLingua proprieta,
                              const QString& controllo, const QString& testo) = 0;
    // A rebuilt list stepper (Voce) or tab header (Scheda): the items replace the old ones,
    // the selected item or open tab keeps its number and the shown caption becomes its text.
    virtual void ImpostaVoci(FinestraLingua finestra, ProprietaLingua proprieta,
                             const QString& controllo, const QStringList& voci) = 0;
};

// Applies the row of ImpostazioniGlobali.LinguaCorrente. The list items of the model are
// replaced, their item numbers kept. Testo1..Testo3 and the intro 6 and 7 messages take the
// language's default text only while they still hold a default text of some language, so a
// user's own text survives. Every text and list then goes to finestre, when given, with the
// values the model holds.
void ApplicaLingua(ImpostazioniProgetto& impostazioni, DestinazioneLingua* finestre = nullptr);
