#include "controls/Orv_2016_label.h"

#include "controls/Orv_2016_stile.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

ORV_2016_Label::ORV_2016_Label(QWidget* owner) : QWidget(owner) {
    resize(228, 28);
    setFont(FontControllo("Calibri", 12));
    new TracciaMouse(this, this);
}

namespace {
// The caption's room: 6 pixels in from each end.
constexpr int RientroTesto = 6;
}  // namespace

void ORV_2016_Label::SetCaption(const QString& testo) {
    caption = testo;
    AggiornaSuggerimento();
    update();
}

void ORV_2016_Label::SetElisione(Qt::TextElideMode v) {
    if (!CambiaValore(elisione, v)) return;
    AggiornaSuggerimento();
    update();
}

QString ORV_2016_Label::TestoMostrato() const {
    if (elisione == Qt::ElideNone) return caption;
    return QFontMetrics(font()).elidedText(caption, elisione, std::max(0, width() - 2 * RientroTesto));
}

void ORV_2016_Label::AggiornaSuggerimento() {
    if (elisione == Qt::ElideNone) return;
    setToolTip(TestoMostrato() == caption ? QString() : caption);
}

void ORV_2016_Label::resizeEvent(QResizeEvent*) { AggiornaSuggerimento(); }

void ORV_2016_Label::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) AggiornaSuggerimento();
    QWidget::changeEvent(e);
}

void ORV_2016_Label::SetAlignment(Qt::AlignmentFlag v) {
    if (CambiaValore(allineamento, v)) update();
}

void ORV_2016_Label::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORV_2016_Label::SetORV_OmbraColore(TColor v) {
    if (CambiaValore(ombraColore, v)) update();
}
void ORV_2016_Label::SetORV_OmbraDistanza(int v) {
    if (CambiaValore(ombraDistanza, v)) update();
}
void ORV_2016_Label::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORV_2016_Label::SetORV_Stile(const ORV_2016_Stile* stile) {
    if (!stile) return;
    skins[ORV_Normale1] = stile->Immagine(ORV_2016_Stile::ORV_OBJ_Normale1);
    skins[ORV_Normale2] = stile->Immagine(ORV_2016_Stile::ORV_OBJ_Normale2);
    skins[ORV_Normale3] = stile->Immagine(ORV_2016_Stile::ORV_OBJ_Normale3);
    resize(width(), skins[ORV_Normale1].height());
    update();
}

void ORV_2016_Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORV_2016_Label::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const QImage& s1 = skins[ORV_Normale1];
    const QImage& s2 = skins[ORV_Normale2];
    const QImage& s3 = skins[ORV_Normale3];
    DisegnaImmagine(p, 0, 0, s1);
    // The middle runs to the right edge; the end cap covers it.
    StiraImmagine(p, BitmapPresente(s1) ? s1.width() : 0, 0, W, s2.height(), s2);
    DisegnaImmagine(p, W - s3.width(), 0, s3);

    const QString testo = TestoMostrato();
    const int th = AltezzaTesto(font());
    const int tw = LarghezzaTesto(font(), testo);
    const int y = YTestoCentrato(H, th);
    int x = RientroTesto;
    if (allineamento == Qt::AlignRight)
        x = W - tw - RientroTesto;
    else if (allineamento == Qt::AlignHCenter)
        x = (W - tw) / 2;
    DisegnaTestoOmbra(p, font(), QRect(x, y, tw, th), x, y, testo, ColoreDaTColor(coloreFont), ombraColore,
                      ombraDistanza);
}

void ORV_2016_Label::MouseEntra() { MouseDentro = true; }
void ORV_2016_Label::MouseEsce() { MouseDentro = false; }

void ORV_2016_Label::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto == Qt::LeftButton) TastoPremuto = true;
}

void ORV_2016_Label::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto == Qt::LeftButton) TastoPremuto = false;
}

void ORV_2016_Label::Click() {
    if (OnClick) OnClick(this);
}

void ORV_2016_Label::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
