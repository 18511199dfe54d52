#pragma once
// The skinned text field: a 3-slice bar with a shadowed caption, left, right or centre aligned.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class ORV_2016_Stile;

class ORV_2016_Label : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { ORV_Normale1, ORV_Normale2, ORV_Normale3, NumeroSkin };

    explicit ORV_2016_Label(QWidget* owner = nullptr);

    const QString& Caption() const { return caption; }
    // Stores and repaints every time.
    void SetCaption(const QString& testo);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::AlignmentFlag Alignment() const { return allineamento; }
    void SetAlignment(Qt::AlignmentFlag v);
    // How a caption wider than the field is shortened (none: it runs under the end cap).
    // A shortened caption shows whole in the tooltip.
    Qt::TextElideMode Elisione() const { return elisione; }
    void SetElisione(Qt::TextElideMode v);
    // The caption as drawn.
    QString TestoMostrato() const;

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    TColor ORV_OmbraColore() const { return ombraColore; }
    void SetORV_OmbraColore(TColor v);
    int ORV_OmbraDistanza() const { return ombraDistanza; }
    void SetORV_OmbraDistanza(int v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    void SetORV_Stile(const ORV_2016_Stile* stile);
    const ORV_2016_Stile* ORV_Stile() const { return nullptr; }

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void Click() override;
    void DblClick() override;
    void AggiornaSuggerimento();

    std::array<QImage, NumeroSkin> skins;
    QString caption;
    Qt::AlignmentFlag allineamento = Qt::AlignLeft;
    Qt::TextElideMode elisione = Qt::ElideNone;
    TColor ombraColore = 0;
    int ombraDistanza = 1;
    TColor coloreFont = 0xC0C0C0;
    // Followed but shown nowhere: the label looks the same under the mouse.
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
