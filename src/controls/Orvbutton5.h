#pragma once
// An older push button whose pictures come from an ORVButton5Style; Tipo chooses the pressed
// look and the caption's shadow follows the font colour.
#include "controls/ComuneControlli.h"
#include "controls/Orvbutton5style.h"
#include "controls/PulsantiVecchi.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class ORVButton5 : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { Normale, Attivo, Premuto, Disabilitato, NumeroSkin };

    explicit ORVButton5(QWidget* owner = nullptr);
    ~ORVButton5() override;

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    // The style last written (the button's own until then); its pictures and size are copied
    // at the write. An empty reference changes nothing.
    ORVButton5Style* Stile() const { return stile; }
    void SetStile(ORVButton5Style* s);
    int Tipo() const { return tipo; }
    void SetTipo(int v);
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

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

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

    std::array<QImage, NumeroSkin> skins;
    std::unique_ptr<ORVButton5Style> stileProprio;
    QPointer<ORVButton5Style> stile;
    int tipo = 0, stato = 1, bordo = 1, tipoBordo = 0, distanzaOmbra = 1;
    QString caption;
    TColor coloreFont = 0x000000;
    bool mouseDentro = false, tastoPremuto = false;
};
