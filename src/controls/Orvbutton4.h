#pragma once
// An older push button: one picture per state from one of two picture sets, a bevel or
// outline border chosen by TipoBordo, and a caption with a white offset shadow.
#include "controls/PulsantiVecchi.h"

#include <QImage>

#include <array>

class ORVButton4 : public PulsanteVecchio {
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
    // 1 and 2 choose a picture set; any other value draws nothing.
    int Stile() const { return stile; }
    void SetStile(int v);

    void Disegna(QPainter& p) override;

private:
    std::array<QImage, NumeroSkin> skins;
    int stile = 0;
};
