#pragma once
// An image button with one whole picture per state and a selected mark; the alignment,
// logo and transport buttons. Groups act as radio buttons through their window.
#include "controls/ComuneControlli.h"
#include "controls/StatiPulsanti.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVVideoButtonSemplice : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { Normale, Attivo, Premuto, Selezionato, NumeroSkin };

    explicit ORVVideoButtonSemplice(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    int SelezionatoTipo() const { return selezionatoTipo; }
    void SetSelezionatoTipo(int v);

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;

    StatoPulsante Stato() const { return StatoSemplice(MouseDentro, TastoPremuto, selezionatoTipo); }
    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    // Hidden (its window closed): no hover or press is left for the next showing.
    void Nascosto() override { MouseDentro = TastoPremuto = false; }
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void Click() override;
    void DblClick() override;
    void AdattaDimensione();

    std::array<QImage, NumeroSkin> skins;
    int selezionatoTipo = 0;
    bool MouseDentro = false;
    bool TastoPremuto = false;
    // What is on screen: a state whose picture is missing keeps the last one drawn.
    const QImage* mostrata = nullptr;
};
