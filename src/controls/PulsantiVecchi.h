#pragma once
// What ORVButton4 and ORVButton5 share: which picture a state shows, the border lines each
// border kind draws in each state, and the marker box.
#include "controls/ComuneControlli.h"

class QPainter;

enum class LineaBordo { Nessuna, ContornoNero, ContornoBianco, Rialzato, Incassato, Riquadro };

// The border of TipoBordo in a state: stato 1 enabled, 0 disabled, any other value no border.
LineaBordo BordoPulsante(int tipoBordo, int stato, bool sopra, bool premuto);
void DisegnaBordoPulsante(QPainter& p, int larghezza, int altezza, LineaBordo linea);
// The solid 0xD6ADAD box with a 0x800000 outline, over (0, 0, W - 1, H - 1).
void DisegnaRiquadro(QPainter& p, int larghezza, int altezza);

// The picture each state shows: 0 none, then Normale, Attivo, Premuto, Disabilitato.
enum class ImmaginePulsante { Nessuna, Normale, Attivo, Premuto, Disabilitato };
// ORVButton4: pressed over the control shows Premuto when it has one.
ImmaginePulsante ImmagineButton4(int stato, bool sopra, bool premuto, bool premutoPresente);
// ORVButton5: the pressed look follows Tipo (1 Premuto or else Attivo, 2 Normale); any other
// Tipo keeps the hovered picture, so a pressed button never goes blank.
ImmaginePulsante ImmagineButton5(int stato, bool sopra, bool premuto, int tipo, bool premutoPresente,
                                 bool attivoPresente);

#include <QString>
#include <QWidget>

// The state, border, caption and mouse handling that ORVButton4 and ORVButton5 share; each
// draws its pictures in its own Disegna.
class PulsanteVecchio : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    explicit PulsanteVecchio(QWidget* owner, int tipoBordoIniziale);

    // 0 disables the button; the border rules treat only 1 as enabled.
    int Stato() const { return stato; }
    void SetStato(int v);
    int Bordo() const { return bordo; }
    void SetBordo(int v);
    int TipoBordo() const { return tipoBordo; }
    void SetTipoBordo(int v);
    int DistanzaOmbra() const { return distanzaOmbra; }
    void SetDistanzaOmbra(int v);
    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    EventoNotifica OnClick, OnDblClick;

    virtual void Disegna(QPainter& p) = 0;

protected:
    void paintEvent(QPaintEvent*) override;
    // The border of the current state, when Bordo is not 0.
    void DisegnaBordo(QPainter& p);

    int stato = 1, bordo = 1, tipoBordo = 1, distanzaOmbra = 1;
    QString caption;
    TColor coloreFont = 0x000000;
    bool mouseDentro = false, tastoPremuto = false;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void Click() override {
        if (OnClick) OnClick(this);
    }
    void DblClick() override {
        if (OnDblClick) OnDblClick(this);
    }
    void Nascosto() override { mouseDentro = tastoPremuto = false; }
};
