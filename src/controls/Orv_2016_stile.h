#pragma once
// The style: one complete skin set (bodies in three looks, LEDs, open buttons, arrows,
// state images) and a shadow setting that the windows hand to their styled controls in one
// step. Each control copies what it needs and keeps no link to the style.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class ORV_2016_Stile : public QWidget {
    Q_OBJECT
public:
    enum Skin {
        ORV_OBJ_Normale1, ORV_OBJ_Normale2, ORV_OBJ_Normale3,
        ORV_OBJ_Attivo1, ORV_OBJ_Attivo2, ORV_OBJ_Attivo3,
        ORV_OBJPremuto1, ORV_OBJPremuto2, ORV_OBJPremuto3,
        ORV_CheckLedAcceso, ORV_CheckLedSpento,
        ORV_Btn_Apri_Attivo, ORV_Btn_Apri_Normale,
        ORV_Btn_Attivo_Dx, ORV_Btn_Attivo_Sx, ORV_Btn_Attivo_Su, ORV_Btn_Attivo_Giu,
        ORV_Btn_Normale_Dx, ORV_Btn_Normale_Sx, ORV_Btn_Normale_Su, ORV_Btn_Normale_Giu,
        ORV_StatoImmagineOff, ORV_StatoImmagineOn,
        NumeroSkin
    };

    // With the built-in skins.
    explicit ORV_2016_Stile(QWidget* owner = nullptr);
    struct SenzaSkin {};
    // Every skin empty.
    ORV_2016_Stile(SenzaSkin, QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    // Copies the picture; no repaint (the style shows nothing at run time).
    void SetImmagine(Skin skin, const QImage& immagine);

    // Loads the built-in skins.
    void CreaBitmap();

    TColor ORV_ColoreSfondoScuro() const { return coloreSfondoScuro; }
    TColor ORV_ColoreSfondoChiaro() const { return coloreSfondoChiaro; }
    TColor ORV_ColoreBordi() const { return coloreBordi; }
    TColor ORV_OmbraColore() const { return ombraColore; }
    int ORV_OmbraDistanza() const { return ombraDistanza; }
    void SetORV_ColoreSfondoScuro(TColor v);
    void SetORV_ColoreSfondoChiaro(TColor v);
    void SetORV_ColoreBordi(TColor v);
    void SetORV_OmbraColore(TColor v);
    void SetORV_OmbraDistanza(int v);

    // A prepared set of skins from the authors' folders 1 to 8 under CartellaStiliNumerati;
    // the property always reads 0.
    int ORV_NumStile() const { return 0; }
    void SetORV_NumStile(int numero);
    static QString CartellaStiliNumerati;

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    std::array<QImage, NumeroSkin> skins;
    TColor coloreSfondoScuro = 0x2D2D2D;
    TColor coloreSfondoChiaro = 0x363636;
    TColor coloreBordi = 0x404040;
    TColor ombraColore = 0;
    int ombraDistanza = 1;
};
