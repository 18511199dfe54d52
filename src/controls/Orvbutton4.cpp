#include "controls/Orvbutton4.h"

#include "controls/StatiPulsanti.h"

#include <QPainter>

ORVButton4::ORVButton4(QWidget* owner) : PulsanteVecchio(owner, 1) { setFont(FontControllo("Verdana", 8, true)); }

void ORVButton4::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}
void ORVButton4::SetStile(int v) {
    if (CambiaValore(stile, v)) update();
}

void ORVButton4::Disegna(QPainter& p) {
    if (stile != 1 && stile != 2) return;
    const int W = width(), H = height();
    const int base = stile == 1 ? Normale : Img_Normale;
    if (tipoBordo != 6) {
        const ImmaginePulsante quale =
            ImmagineButton4(stato, mouseDentro, tastoPremuto, BitmapPresente(skins[base + 2]));
        DisegnaImmagine(p, 0, 0, skins[base + int(quale) - 1]);
    } else if (mouseDentro) {
        DisegnaRiquadro(p, W, H);
    }
    DisegnaCaptionCentrata(p, W, H, font(), caption, coloreFont, 0xFFFFFF, distanzaOmbra);
    DisegnaBordo(p);
}
