#pragma once
// A panel that folds to AltezzaChiuso or opens to AltezzaAperto when its corner button is
// clicked; children keep their places, so the folded panel clips them.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVPannelloRiducibile : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { BTN_Aperto_OFF, BTN_Aperto_ON, BTN_Chiuso_OFF, BTN_Chiuso_ON, NumeroSkin };

    explicit ORVPannelloRiducibile(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    bool Stato() const { return aperto; }
    void SetStato(bool v);
    int AltezzaAperto() const { return altezzaAperto; }
    void SetAltezzaAperto(int v);
    int AltezzaChiuso() const { return altezzaChiuso; }
    void SetAltezzaChiuso(int v);
    TColor ColoreSfondo() const { return coloreSfondo; }
    void SetColoreSfondo(TColor v);
    bool BorderLeft() const { return sinistra; }
    bool BorderTop() const { return alto; }
    bool BorderRight() const { return destra; }
    bool BorderBottom() const { return basso; }
    void SetBorderLeft(bool v);
    void SetBorderTop(bool v);
    void SetBorderRight(bool v);
    void SetBorderBottom(bool v);
    TColor BorderColor() const { return coloreBordo; }
    void SetBorderColor(TColor v);

    void Disegna(QPainter& p);
    void DisegnaParziale() { update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override { MouseDentro = true; }
    void MouseEsce() override { MouseDentro = false; }
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;

    std::array<QImage, NumeroSkin> skins;
    bool aperto = true;
    int altezzaAperto = 64, altezzaChiuso = 24;
    TColor coloreSfondo = 0x404040;
    bool sinistra = false, alto = false, destra = false, basso = false;
    TColor coloreBordo = 0xC0C0C0;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
