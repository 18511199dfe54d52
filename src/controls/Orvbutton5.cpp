#include "controls/Orvbutton5.h"

#include "controls/StatiPulsanti.h"

#include <QPainter>

ORVButton5::ORVButton5(QWidget* owner) : QWidget(owner), stileProprio(ORVButton5Style::Privato()) {
    resize(100, 100);
    setFont(FontControllo("Verdana", 8));
    stile = stileProprio.get();
    new TracciaMouse(this, this);
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
void ORVButton5::SetStato(int v) {
    if (!CambiaValore(stato, v)) return;
    setEnabled(stato != 0);
    update();
}
void ORVButton5::SetBordo(int v) {
    if (CambiaValore(bordo, v)) update();
}
void ORVButton5::SetTipoBordo(int v) {
    if (CambiaValore(tipoBordo, v)) update();
}
void ORVButton5::SetDistanzaOmbra(int v) {
    if (CambiaValore(distanzaOmbra, v)) update();
}
void ORVButton5::SetCaption(const QString& testo) {
    caption = testo;
    update();
}
void ORVButton5::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORVButton5::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
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
    if (bordo != 0) DisegnaBordoPulsante(p, W, H, BordoPulsante(tipoBordo, stato, mouseDentro, tastoPremuto));
}

void ORVButton5::MouseEntra() {
    mouseDentro = true;
    update();
}
void ORVButton5::MouseEsce() {
    mouseDentro = false;
    update();
}
void ORVButton5::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = true;
    update();
}
void ORVButton5::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = false;
    update();
}
