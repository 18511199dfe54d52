#pragma once
// An older push button: one picture per state from one of two picture sets, a bevel or
// outline border chosen by TipoBordo, and a caption with a white offset shadow.
#include "controls/ComuneControlli.h"
#include "controls/PulsantiVecchi.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVButton4 : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        Normale, Attivo, Premuto, Disabilitato,
        Img_Normale, Img_Attivo, Img_Premuto, Img_Disabilitato,
        NumeroSkin
    };

    explicit ORVButton4(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    int Stile() const { return stile; }
    void SetStile(int v);
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
    int stile = 0, stato = 1, bordo = 1, tipoBordo = 1, distanzaOmbra = 1;
    QString caption;
    TColor coloreFont = 0x000000;
    bool mouseDentro = false, tastoPremuto = false;
};
