#pragma once
// The message box: a title by kind, one of three icons, the text, the answer buttons and,
// for kinds 4 to 6, the "Ancora" check box. The box shows every word of its text: a long path
// wraps between its names, and a text taller than the box grows it, taller and wider, up to the
// screen's work area; past that the lines scroll, whole lines in view.
//
// One message never replaces another: a notice raised while a box is up (by a redraw behind
// it, or another window) waits and comes once the open one is answered; a question, whose
// caller needs its answer at once, comes in a box of its own over the open one, and the
// notices raised while it is up come in that box once it is answered.
#include "dialogs/DialogoOrv.h"

#include <QList>
#include <QSize>

#include <functional>

class ORVLRButton;
class ORV_2016_Check;
class ORVPannelloBordo;
class QLabel;
class QScrollArea;

class TORVDLGMessaggi : public DialogoOrv {
    Q_OBJECT
public:
    explicit TORVDLGMessaggi(QWidget* owner = nullptr);

    ~TORVDLGMessaggi() override;

    // Returns 1 (Ok), 6 (Si), 7 (No) or 0 (Esc). A kind outside 1..6 shows as a notice. A
    // notice that must wait for an open box returns 0 at once: nobody has seen it yet.
    // visto runs once the box that showed the text was closed, also when it had to wait.
    int MostraMessaggio(int tipo, const QString& testo, std::function<void()> visto = {});
    // The notices waiting for the box now open.
    int InAttesa() const { return int(inAttesa.size()); }
    // Whether "Ancora" was on when the box was answered.
    bool RispostaAncora() const { return rispostaAncora; }

    // The text as it was given, whole.
    const QString& Testo() const { return testoIntero; }

    // The controls, for the tests and the pictures; Messaggio shows the text as laid out.
    QLabel* IMGError() const { return imgError; }
    QLabel* IMGInfo() const { return imgInfo; }
    QLabel* IMGQuestion() const { return imgQuestion; }
    QLabel* Messaggio() const { return messaggio; }
    // Holds Messaggio; its bar shows when the lines are taller than the screen leaves.
    QScrollArea* Scorrimento() const { return scorrimento; }
    ORVLRButton* BTN_1() const { return btn1; }
    ORVLRButton* BTN_2() const { return btn2; }
    ORVLRButton* BTN_3() const { return btn3; }
    ORV_2016_Check* Ancora() const { return ancora; }

    // The kind actually shown for tipo.
    static int TipoMostrato(int tipo);

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Attesa {
        int tipo;
        QString testo;
        int lingua;
        std::function<void()> visto;
    };

    // Shows the box and then every notice that came meanwhile.
    int Esegui(int tipo, const QString& testo, const std::function<void()>& visto);
    void Prepara(int tipo, const QString& testo);
    void MostraTesto(const QString& nuovo);
    // Places the controls around a text place of that size (the box's own at least).
    void Disponi(int larghezzaTesto, int altezzaTesto);
    void Rispondi(int risultato);

    QLabel* imgError;
    QLabel* imgInfo;
    QLabel* imgQuestion;
    QLabel* messaggio;
    QScrollArea* scorrimento;
    ORVPannelloBordo* panel1;
    ORVLRButton* btn1;
    ORVLRButton* btn2;
    ORVLRButton* btn3;
    ORV_2016_Check* ancora;
    bool rispostaAncora = false;
    QString testoIntero;
    QList<Attesa> inAttesa;
    QSize clientBase;
    int larghezzaFinestra;
    int interlinea = 1;  // of the text's lines
};
