#pragma once
// A check button of a state picture and a large caption, toggled by each left press; the
// publishing presets of the codec window.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVVideoStato : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { ORV_Check_Off, ORV_Check_On, NumeroSkin };

    explicit ORVVideoStato(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    bool Checked() const { return checked; }
    void SetChecked(bool v);
    // A member of a group of which one is always on: a press does not toggle, a click turns
    // it on (never off) and fires the click.
    bool Radio() const { return radio; }
    void SetRadio(bool v) { radio = v; }
    TColor ORV_ColoreSfondo() const { return coloreSfondo; }
    void SetORV_ColoreSfondo(TColor v);
    bool ORV_Bordo() const { return bordo; }
    void SetORV_Bordo(bool v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;

    int XTesto() const;
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
    QString caption = QStringLiteral("Drovaskent");
    bool checked = false;
    bool radio = false;
    TColor coloreSfondo = 0x404040;
    bool bordo = false;
    TColor coloreFont = 0xC0C0C0;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
