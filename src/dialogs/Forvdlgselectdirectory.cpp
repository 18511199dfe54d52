#include "dialogs/Forvdlgselectdirectory.h"

#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvlrbutton.h"
#include "controls/Posizionamento.h"
#include "controls/TFlatComboBox.h"
#include "controls/TFlatEdit.h"
#include "dialogs/ElementiDialogo.h"
#include "dialogs/ListaPannello.h"
#include "dialogs/TestiDialogo.h"

#include <QDir>
#include <QLabel>

namespace {

const TestoDialogo Titolo{"Seleziona una cartella:", "Select a folder:"};
const TestoDialogo TestoLabel1{"Nome della cartella:", "Folder name:"};
const TestoDialogo TestoLabel3{"Files: (*.*)", "Files: (*. *)"};
const TestoDialogo TestoAnnulla{"Annulla", "Cancel"};
const TestoDialogo TestoOk{"Ok", "Ok"};

constexpr int Larghezza = 860;
constexpr int Altezza = 492;

}  // namespace

TORVDLGSelectDirectory::TORVDLGSelectDirectory(QWidget* owner) : SelettoreComune(owner) {
    Dimensiona(Larghezza, Altezza, true);
    ORVFormClient* c = Client();
    label1 = CreaEtichetta(c, 8, 8);
    directoryAttiva = new TFlatEdit(c);
    directoryAttiva->setGeometry(8, 32, 833, 24);
    directoryAttiva->setReadOnly(true);
    label2->move(8, 60);
    ListaDirectory()->setGeometry(8, 80, 401, 305);
    label3 = CreaEtichetta(c, 416, 60);
    ListaFiles()->setGeometry(416, 80, 425, 137);
    label4->move(416, 221);
    ListaDrive()->setGeometry(414, 240, 427, 145);
    label7->move(15, 394);
    StoricoCartelleBox()->setGeometry(64, 392, 545, 24);
    btn1 = CreaPulsanteRisposta(c, 632, 392);
    btn2 = CreaPulsanteRisposta(c, 736, 392);
    btn1->OnClick = [this](QObject*) { ChiudiCon(RisultatoAnnulla); };
    btn2->OnClick = [this](QObject*) { ChiudiCon(RisultatoOk); };
    SetColoreFiles(0x909090);
}

void TORVDLGSelectDirectory::ImpostaTesti() {
    const int lingua = LinguaDialogo();
    Cornice()->SetCaption(Titolo.Testo(lingua));
    TestoEtichetta(label1, TestoLabel1.Testo(lingua));
    TestoEtichetta(label3, TestoLabel3.Testo(lingua));
    TestiComuni();
    btn1->SetCaption(TestoAnnulla.Testo(lingua));
    btn2->SetCaption(TestoOk.Testo(lingua));
}

void TORVDLGSelectDirectory::CartellaCambiata() {
    directoryAttiva->SetText(Cartella());
}

int TORVDLGSelectDirectory::Esegui(QString& cartellaScelta) {
    ApriStorico();
    ImpostaTesti();
    Sfoglia(QDir::currentPath());
    RiempiListaDrive();
    const int risultato = EseguiModale();
    if (risultato == RisultatoOk) cartellaScelta = Cartella();
    ChiudiStorico(risultato == RisultatoOk);
    return risultato;
}

void TORVDLGSelectDirectory::showEvent(QShowEvent* e) {
    CentraRidimensionaForm(this, Larghezza, height());
    SelettoreComune::showEvent(e);
}
