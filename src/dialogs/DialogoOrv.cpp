#include "dialogs/DialogoOrv.h"

#include "controls/Orvform.h"
#include "controls/Orvformclient.h"

#include <QKeyEvent>

DialogoOrv::DialogoOrv(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::FramelessWindowHint, true);
    setModal(true);
    cornice = new ORVForm(this);
    // A dialog's layout is fixed: its edges do not resize it.
    cornice->SetDimensionabile(false);
    client = new ORVFormClient(cornice);
}

void DialogoOrv::Inizializza(int lingua, bool logo, const QString& parola1, const QString& parola2) {
    linguaDialogo = LinguaDialogoValida(lingua);
    cornice->SetLato1Alternativo(logo);
    cornice->SetLato1AlternativoCaption1(parola1);
    cornice->SetLato1AlternativoCaption2(parola2);
    ApplicaTesti();
}

void DialogoOrv::Dimensiona(int larghezza, int altezza, bool pulsanteChiudi) {
    resize(larghezza, altezza);
    cornice->SetBtnVisibleClose(pulsanteChiudi);
    client->resize(larghezza - client->NonAreaClientSX() - client->NonAreaClientDX(),
                   altezza - client->NonAreaClientSU() - client->NonAreaClientGIU());
}

int DialogoOrv::EseguiModale() {
    risultato = RisultatoNessuno;
    exec();
    return risultato;
}

void DialogoOrv::ChiudiCon(int valore) {
    risultato = valore;
    done(QDialog::Accepted);
}

void DialogoOrv::reject() {
    if (PuoChiudere()) QDialog::reject();
}

void DialogoOrv::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->accept();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}
