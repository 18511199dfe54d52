#pragma once
// An older caption button with a soft drop shadow: the caption's shadow is blurred and shifted
// over a background stretched from the quarters of one picture; hovering moves the caption
// onto its shadow. Both looks are prepared off screen and rebuilt only when marked.
#include "controls/Allineamento.h"
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QWidget>

class ORVButtonAA : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    explicit ORVButtonAA(QWidget* owner = nullptr);

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    const QImage& ButtonImage() const { return buttonImage; }
    void SetButtonImage(const QImage& immagine);
    Qt::Alignment Alignment() const { return allineamento; }
    void SetAlignment(Qt::Alignment v);
    bool Outline() const { return outline; }
    void SetOutline(bool v);
    int OutlineWidth() const { return outlineWidth; }
    void SetOutlineWidth(int v);
    TColor ShadowColor() const { return shadowColor; }
    void SetShadowColor(TColor v);
    TColor BackgroundColor() const { return backgroundColor; }
    void SetBackgroundColor(TColor v);
    int ShadowOffset() const { return shadowOffset; }
    void SetShadowOffset(int v);
    bool Rendering() const { return rendering; }
    void SetRendering(bool v);
    int Bordo() const { return bordo; }
    void SetBordo(int v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);
    Allineamento Align() const { return AllineamentoDi(this); }
    void SetAlign(Allineamento a) { ImpostaAllineamento(this, a); }

    // The prepared looks (valid after a paint).
    const QImage& ImmagineNormale() const { return normaleImg; }
    const QImage& ImmagineSopra() const { return sopraImg; }
    // x of the caption for the current alignment.
    int XCaption() const;

    EventoNotifica OnClick, OnDblClick;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

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
    void Marca();
    void Prepara();
    void Scritta(QImage& im, int x, int y, TColor colore) const;

    QString caption = QStringLiteral("ORVButtonAA");
    QImage buttonImage;
    Qt::Alignment allineamento = Qt::AlignLeft;
    bool outline = true;
    int outlineWidth = 1;
    TColor shadowColor = 0x000000, backgroundColor = 0xFFFFFF, coloreFont = 0x000000;
    int shadowOffset = 3;
    bool rendering = true;
    int bordo = 1;
    QImage normaleImg, sopraImg;
    bool mouseDentro = false, tastoPremuto = false;
};
