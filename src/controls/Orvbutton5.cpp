#include "controls/Orvbutton5.h"

#include "controls/StatiPulsanti.h"

#include <QPainter>

ORVButton5::ORVButton5(QWidget* owner) : PulsanteVecchio(owner, 0), stileProprio(ORVButton5Style::Privato()) {
    setFont(FontControllo("Verdana", 8));
    stile = stileProprio.get();
}

ORVButton5::~ORVButton5() = default;

void ORVButton5::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORVButton5::SetStile(ORVButton5Style* s) {
    if (!s) return;
    stile = s;
    skins[Normale] = s->Normale();
    skins[Premuto] = s->Premuto();
    skins[Attivo] = s->Attivo();
    resize(s->size());
    SetTipoBordo(0);
    distanzaOmbra = 1;
    setFont(FontControllo("Verdana", 8));
    coloreFont = 0xFFFFFF;
    update();
}

void ORVButton5::SetTipo(int v) {
    if (CambiaValore(tipo, v)) update();
}

void ORVButton5::Disegna(QPainter& p) {
    const int W = width(), H = height();
    if (tipoBordo != 6) {
        const ImmaginePulsante quale = ImmagineButton5(stato, mouseDentro, tastoPremuto, tipo,
                                                       BitmapPresente(skins[Premuto]), BitmapPresente(skins[Attivo]));
        if (quale != ImmaginePulsante::Nessuna) DisegnaImmagine(p, 0, 0, skins[int(quale) - 1]);
    } else if (mouseDentro) {
        DisegnaRiquadro(p, W, H);
    }
    p.save();
    if (tipo == 2 && tastoPremuto) p.translate(2, 2);
    DisegnaCaptionCentrata(p, W, H, font(), caption, coloreFont, ColoreOmbraVideoButton(coloreFont), distanzaOmbra);
    p.restore();
    DisegnaBordo(p);
}
