#pragma once
// A caption button drawn from three slices per state; the help button of the encoding and
// codec windows.
#include "controls/ComuneControlli.h"
#include "controls/StatiPulsanti.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVVideoButton : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        NormaleSX, NormaleCentro, NormaleDX,
        AttivoSX, AttivoCentro, AttivoDX,
        PremutoSX, PremutoCentro, PremutoDX,
        NumeroSkin
    };

    explicit ORVVideoButton(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    int DistanzaOmbra() const { return distanzaOmbra; }
    void SetDistanzaOmbra(int v);
    bool AutoSize() const { return autoSize; }
    void SetAutoSize(bool v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;
    EventoNotifica OnMouseEnter;
    EventoNotifica OnMouseLeave;

    StatoPulsante Stato() const { return StatoTreFette(MouseDentro, TastoPremuto); }
    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    // Hidden (its window closed): no hover or press is left for the next showing.
    void Nascosto() override { MouseDentro = TastoPremuto = false; }
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void Click() override;
    void DblClick() override;
    void AdattaLarghezza();

    std::array<QImage, NumeroSkin> skins;
    QString caption = QStringLiteral("ORVVideoButton");
    int distanzaOmbra = 0;
    bool autoSize = false;
    TColor coloreFont = 0xC0C0C0;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
