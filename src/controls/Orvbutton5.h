#pragma once
// An older push button whose pictures come from an ORVButton5Style; Tipo chooses the pressed
// look and the caption's shadow follows the font colour.
#include "controls/Orvbutton5style.h"
#include "controls/PulsantiVecchi.h"

#include <QImage>
#include <QPointer>

#include <array>
#include <memory>

class ORVButton5 : public PulsanteVecchio {
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

    void Disegna(QPainter& p) override;

private:
    std::array<QImage, NumeroSkin> skins;
    std::unique_ptr<ORVButton5Style> stileProprio;
    QPointer<ORVButton5Style> stile;
    int tipo = 0;
};
