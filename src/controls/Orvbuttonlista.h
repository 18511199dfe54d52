#pragma once
// A list stepper drawn as one skinned bar: a click on the left or right arrow selects the
// previous or next item, and the bar shows the selected item. No drag, no wrap-around.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>

class ORVButtonLista : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { NormaleSX, AttivoSX, NormaleGrande, AttivoGrande, NormaleDX, AttivoDX, NumeroSkin };
    enum class Zona { Nessuna, Sinistra, Destra };

    explicit ORVButtonLista(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    const QStringList& Elenco() const { return elenco; }
    // Copies the items; the selected item and the caption stay as they are.
    void SetElenco(const QStringList& voci);
    int Voce() const { return voce; }
    // An item outside the list selects item 1; the caption follows.
    void SetVoce(int v);
    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    int DistanzaOmbra() const { return distanzaOmbra; }
    void SetDistanzaOmbra(int v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    EventoNotifica OnClick, OnDblClick;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void Click() override {
        if (OnClick) OnClick(this);
    }
    void DblClick() override {
        if (OnDblClick) OnDblClick(this);
    }
    void Nascosto() override { mouseDentro = tastoPremuto = false; }

    std::array<QImage, NumeroSkin> skins;
    QStringList elenco;
    int voce = 1;
    QString caption;
    int distanzaOmbra = 1;
    TColor coloreFont = 0xFFFFFF;
    bool mouseDentro = false, tastoPremuto = false;
    Zona zona = Zona::Nessuna;
};
