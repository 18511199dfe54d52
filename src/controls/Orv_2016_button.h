#pragma once
// The skinned push button: a 3-slice bar in three looks with a caption that brightens under
// the pointer, and an optional one-pixel frame. The action is OnClick.
#include "controls/ComuneControlli.h"
#include "controls/StatiPulsanti.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class ORV_2016_Stile;

class ORV_2016_Button : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        ORV_OBJNormale1, ORV_OBJNormale2, ORV_OBJNormale3,
        ORV_OBJAttivo1, ORV_OBJAttivo2, ORV_OBJAttivo3,
        ORV_OBJPremuto1, ORV_OBJPremuto2, ORV_OBJPremuto3,
        NumeroSkin
    };

    explicit ORV_2016_Button(QWidget* owner = nullptr);

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    Qt::AlignmentFlag Alignment() const { return allineamento; }
    void SetAlignment(Qt::AlignmentFlag v);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    bool ORV_Bordo() const { return bordo; }
    void SetORV_Bordo(bool v);
    TColor ORV_BordoColore() const { return bordoColore; }
    void SetORV_BordoColore(TColor v);
    TColor ORV_OmbraColore() const { return ombraColore; }
    void SetORV_OmbraColore(TColor v);
    int ORV_OmbraDistanza() const { return ombraDistanza; }
    void SetORV_OmbraDistanza(int v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    // Copies the nine slices and the shadow and takes the height of the idle middle slice.
    void SetORV_Stile(const ORV_2016_Stile* stile);
    const ORV_2016_Stile* ORV_Stile() const { return nullptr; }

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;
    EventoNotifica OnMouseEnter;
    EventoNotifica OnMouseLeave;

    StatoPulsante Stato() const { return StatoTreFette(MouseDentro, TastoPremuto); }
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

    std::array<QImage, NumeroSkin> skins;
    QString caption;
    Qt::AlignmentFlag allineamento = Qt::AlignHCenter;
    bool bordo = false;
    TColor bordoColore = 0x00FF00;
    TColor ombraColore = 0;
    int ombraDistanza = 1;
    TColor coloreFont = 0xC0C0C0;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
