#pragma once
// The colour-pair swatch: a vertical gradient from Colore1 to Colore2 with the two pure
// colours as a strip on the left. A left press remembers which half it hit.
#include "controls/ComuneControlli.h"

#include <QWidget>

// Colour of gradient row r of an altezza-high swatch (only the low three bytes count).
TColor RigaGradiente(TColor colore1, TColor colore2, int altezza, int r);
// 1 for a press in the upper half, 2 in the lower one.
int MetaPremuta(int y, int altezza);

class ORVVideoTwoColors : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    explicit ORVVideoTwoColors(QWidget* owner = nullptr);

    TColor Colore1() const { return colore1; }
    TColor Colore2() const { return colore2; }
    int ColoreSelezionato() const { return coloreSelezionato; }
    void SetColore1(TColor v);
    void SetColore2(TColor v);
    void SetColoreSelezionato(int v);

    EventoNotifica OnClick;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int y) override;
    void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) override;
    void Click() override;
    void Nascosto() override;

    TColor colore1 = 0xFFFFFF;
    TColor colore2 = 0x000000;
    int coloreSelezionato = 1;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
