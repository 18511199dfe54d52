#include "controls/Orv_2016_lista.h"

#include "controls/Orv_2016_stile.h"
#include "controls/TestiControlli.h"

#include <QPainter>

ORV_2016_Lista::ORV_2016_Lista(QWidget* owner) : QWidget(owner), caption(QStringLiteral("ORV_2016_Lista")) {
    resize(300, 28);
    setFont(FontControllo("Calibri", 12));
    new TracciaMouse(this, this);
}

void ORV_2016_Lista::SetCaption(const QString& testo) {
    if (CambiaValore(caption, testo)) update();
}

void ORV_2016_Lista::SetORV_Elenco(const QStringList& voci) {
    elenco = voci;
    update();
}

void ORV_2016_Lista::SetORV_Voce(int v) {
    if (v == voce) return;
    voce = TestiControlli::VoceValida(v, elenco.size());
    caption = TestiControlli::TestoVoce(elenco, voce);
    update();
}

void ORV_2016_Lista::SetORV_GapCambioValore(int v) {
    if (CambiaValore(gap, v)) update();
}

void ORV_2016_Lista::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORV_2016_Lista::SetORV_OmbraColore(TColor v) {
    if (CambiaValore(ombraColore, v)) update();
}
void ORV_2016_Lista::SetORV_OmbraDistanza(int v) {
    if (CambiaValore(ombraDistanza, v)) update();
}
void ORV_2016_Lista::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORV_2016_Lista::SetORV_Stile(const ORV_2016_Stile* stile) {
    if (!stile) return;
    using S = ORV_2016_Stile;
    skins[ORV_BTN_DX_Attivo] = stile->Immagine(S::ORV_Btn_Attivo_Dx);
    skins[ORV_BTN_SX_Attivo] = stile->Immagine(S::ORV_Btn_Attivo_Sx);
    skins[ORV_BTN_DX_Passivo] = stile->Immagine(S::ORV_Btn_Normale_Dx);
    skins[ORV_BTN_SX_Passivo] = stile->Immagine(S::ORV_Btn_Normale_Sx);
    skins[ORV_Sfondo] = stile->Immagine(S::ORV_OBJ_Normale2);
    ombraColore = stile->ORV_OmbraColore();
    ombraDistanza = stile->ORV_OmbraDistanza();
    resize(width(), skins[ORV_Sfondo].height());
    update();
}

void ORV_2016_Lista::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORV_2016_Lista::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const int lsx = Larghezza(ORV_BTN_SX_Passivo), ldx = Larghezza(ORV_BTN_DX_Passivo);
    DisegnaCorpoFrecce(p, W, H, skins[ORV_Sfondo], skins[ORV_BTN_SX_Passivo], skins[ORV_BTN_SX_Attivo],
                       skins[ORV_BTN_DX_Passivo], skins[ORV_BTN_DX_Attivo], frecciaPremuta, MouseDentro);

    const int th = AltezzaTesto(font());
    const int y = YTestoCentrato(H, th);
    int x = lsx + 4;
    const QImage& associata = skins[ORV_ImmagineAssociata];
    if (BitmapPresente(associata)) {
        DisegnaImmagine(p, x, H / 2 - associata.height() / 2, associata);
        x += associata.width() + 4;
    }
    DisegnaTestoOmbra(p, font(), QRect(QPoint(x, y), QPoint(W - ldx - 4 - 1, y + th - 1)), x, y, caption,
                      ColoreDaTColor(coloreFont), ombraColore, ombraDistanza);
}

void ORV_2016_Lista::AggiornaCaption() {
    if (voce > elenco.size())
        caption = TestiControlli::NonDefinito;
    else if (voce >= 1)
        caption = elenco.at(voce - 1);
}

void ORV_2016_Lista::MouseEntra() {
    MouseDentro = true;
    frecciaPremuta = 0;
    cursore.Entra();
    update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void ORV_2016_Lista::MouseEsce() {
    MouseDentro = false;
    gesto.Disarma();
    frecciaPremuta = 0;
    cursore.Esci();
    zonaMeno = zonaPiu = false;
    update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void ORV_2016_Lista::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int) {
    if (tasto != Qt::LeftButton) {
        gesto.Disarma();
        return;
    }
    gesto.Arma(x);
    const int W = width();
    frecciaPremuta = 0;
    if (x < Larghezza(ORV_BTN_SX_Passivo)) frecciaPremuta = 1;
    if (x > W - Larghezza(ORV_BTN_DX_Passivo)) frecciaPremuta = 2;
    if (frecciaPremuta == 1 && voce > 1) --voce;
    if (frecciaPremuta == 2 && voce < elenco.size()) ++voce;
    AggiornaCaption();
    update();
}

void ORV_2016_Lista::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
    cursore.InizioMovimento();
    if (gesto.Armato()) {
        ParametriTrascinamento parametri;
        parametri.minimo = 1;
        parametri.massimo = int(elenco.size());
        parametri.incremento = parametri.passoCtrl = 1;
        parametri.gap = gap;
        gesto.Muovi(x, shift & Qt::ControlModifier, voce, parametri, &puntatore, [this] {
            AggiornaCaption();
            update();
            if (OnCambiamentoValore) OnCambiamentoValore(this);
        });
    }
    if (SegueZoneFrecce(x, y, width(), height(), zonaMeno, zonaPiu, cursore)) update();
    cursore.FineMovimento();
}

void ORV_2016_Lista::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    gesto.Disarma();
    frecciaPremuta = 0;
    if (OnCambiamentoValore) OnCambiamentoValore(this);
    update();
}

void ORV_2016_Lista::Click() {
    if (OnClick) OnClick(this);
}

void ORV_2016_Lista::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void ORV_2016_Lista::Nascosto() {
    MouseDentro = false;
    gesto.Disarma();
    frecciaPremuta = 0;
    if (cursore.Attivo()) cursore.Esci();
}
