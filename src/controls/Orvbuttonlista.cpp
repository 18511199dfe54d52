#include "controls/Orvbuttonlista.h"

#include "controls/SkinPulsantiVecchi.h"
#include "controls/StatiPulsanti.h"
#include "controls/TestiControlli.h"

#include <QPainter>

ORVButtonLista::ORVButtonLista(QWidget* owner) : QWidget(owner) {
    resize(300, 26);
    setFont(FontControllo("Verdana", 8, true));
    new TracciaMouse(this, this);
    using namespace SkinPulsantiVecchi;
    skins[NormaleSX] = CapoLista(true, false);
    skins[AttivoSX] = CapoLista(true, true);
    skins[NormaleGrande] = StrisciaLista(false);
    skins[AttivoGrande] = StrisciaLista(true);
    skins[NormaleDX] = CapoLista(false, false);
    skins[AttivoDX] = CapoLista(false, true);
}

void ORVButtonLista::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORVButtonLista::SetElenco(const QStringList& voci) {
    elenco = voci;
    update();
}

void ORVButtonLista::SetVoce(int v) {
    if (v == voce) return;
    voce = TestiControlli::VoceValida(v, elenco.size());
    caption = TestiControlli::TestoVoce(elenco, voce);
    update();
}

void ORVButtonLista::SetCaption(const QString& testo) {
    caption = testo;
    update();
}

void ORVButtonLista::SetDistanzaOmbra(int v) {
    if (CambiaValore(distanzaOmbra, v)) update();
}

void ORVButtonLista::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORVButtonLista::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVButtonLista::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const QImage& sx = skins[mouseDentro && tastoPremuto && zona == Zona::Sinistra ? AttivoSX : NormaleSX];
    const QImage& dx = skins[mouseDentro && tastoPremuto && zona == Zona::Destra ? AttivoDX : NormaleDX];
    const int L = BitmapPresente(sx) ? sx.width() : 0;
    const int R = BitmapPresente(dx) ? dx.width() : 0;
    DisegnaImmagine(p, 0, 0, sx);
    // The middle reaches the right cap, which sits flush with the right edge.
    const int alto = BitmapPresente(dx) ? dx.height() : H;
    StiraImmagine(p, L, 0, W - R, alto, skins[NormaleGrande]);
    DisegnaImmagine(p, W - R, 0, dx);

    const int th = AltezzaTesto(font());
    const int y = (H - th) / 2;
    DisegnaTestoOmbra(p, font(), QRect(3, y, std::max(0, W - R - 3), th), 34, y, caption,
                      ColoreDaTColor(coloreFont), ColoreOmbraVideoButton(coloreFont), distanzaOmbra);
}

void ORVButtonLista::MouseEntra() {
    mouseDentro = true;
    update();
}

void ORVButtonLista::MouseEsce() {
    mouseDentro = false;
    update();
}

void ORVButtonLista::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = true;
    const int W = width();
    zona = x < 28 ? Zona::Sinistra : x > W - 28 ? Zona::Destra : Zona::Nessuna;
    if (zona == Zona::Sinistra && voce > 1) --voce;
    if (zona == Zona::Destra && voce < elenco.size()) ++voce;
    caption = TestiControlli::TestoVoce(elenco, voce);
    update();
}

void ORVButtonLista::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = false;
    update();
}
