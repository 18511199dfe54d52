#pragma once
// The message box: a title by kind, one of three icons, the text, the answer buttons and,
// for kinds 4 to 6, the "Ancora" check box. The text is laid into the box's lines by
// DividiInRighe, so a long path wraps and nothing is cut off; a text too long for the box is
// shortened with "…" and shows whole as the tooltip.
#include "dialogs/DialogoOrv.h"

class ORVLRButton;
class ORV_2016_Check;
class ORVPannelloBordo;
class QLabel;

class TORVDLGMessaggi : public DialogoOrv {
    Q_OBJECT
public:
    explicit TORVDLGMessaggi(QWidget* owner = nullptr);

    // Returns 1 (Ok), 6 (Si), 7 (No) or 0 (Esc). A kind outside 1..6 shows as a notice.
    int MostraMessaggio(int tipo, const QString& testo);
    // Whether "Ancora" was on when the box was answered.
    bool RispostaAncora() const { return rispostaAncora; }

    // The text as it was given, whole.
    const QString& Testo() const { return testoIntero; }

    // The controls, for the tests and the pictures; Messaggio shows the text as laid out.
    QLabel* IMGError() const { return imgError; }
    QLabel* IMGInfo() const { return imgInfo; }
    QLabel* IMGQuestion() const { return imgQuestion; }
    QLabel* Messaggio() const { return messaggio; }
    ORVLRButton* BTN_1() const { return btn1; }
    ORVLRButton* BTN_2() const { return btn2; }
    ORVLRButton* BTN_3() const { return btn3; }
    ORV_2016_Check* Ancora() const { return ancora; }

    // The kind actually shown for tipo.
    static int TipoMostrato(int tipo);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Prepara(int tipo, const QString& testo);
    void MostraTesto(const QString& nuovo);
    void Rispondi(int risultato);

    QLabel* imgError;
    QLabel* imgInfo;
    QLabel* imgQuestion;
    QLabel* messaggio;
    ORVPannelloBordo* panel1;
    ORVLRButton* btn1;
    ORVLRButton* btn2;
    ORVLRButton* btn3;
    ORV_2016_Check* ancora;
    bool rispostaAncora = false;
    QString testoIntero;
};
