#pragma once
// The base of every dialog: a frameless modal window covered by the skinned frame with its
// client panel, the language given by Inizializza and the result field that the run returns.
// A button stores its result and closes; the frame's close button and Esc store nothing, so
// the run returns 0; Enter does nothing unless a dialog gives it a meaning.
#include "dialogs/RisultatoDialogo.h"

#include <QDialog>
#include <QString>

class ORVForm;
class ORVFormClient;

class DialogoOrv : public QDialog {
    Q_OBJECT
public:
    explicit DialogoOrv(QWidget* owner = nullptr);

    // May be called again at any time; the last call wins.
    void Inizializza(int lingua, bool logo, const QString& parola1, const QString& parola2);
    // 0..4; a language outside that range was stored as English.
    int LinguaDialogo() const { return linguaDialogo; }
    int Risultato() const { return risultato; }

    ORVForm* Cornice() const { return cornice; }
    ORVFormClient* Client() const { return client; }

    // Esc and the frame's close button end here; refused while PuoChiudere is false.
    void reject() override;

protected:
    // For the dialogs that apply their texts when they are set up.
    virtual void ApplicaTesti() {}
    // False while the dialog must stay open (the encoding window while ffmpeg runs).
    virtual bool PuoChiudere() const { return true; }

    // Gives the window its size and the frame its close button, and fits the client between
    // the frame's edges.
    void Dimensiona(int larghezza, int altezza, bool pulsanteChiudi);
    // Resets the result to 0, shows the dialog modally and returns the result field.
    int EseguiModale();
    // Stores the result and closes, whatever PuoChiudere says.
    void ChiudiCon(int valore);

    void keyPressEvent(QKeyEvent* e) override;

private:
    int linguaDialogo = 0;
    int risultato = RisultatoNessuno;
    ORVForm* cornice;
    ORVFormClient* client;
};
