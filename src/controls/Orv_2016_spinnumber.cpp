#include "controls/Orv_2016_spinnumber.h"

#include "controls/Orv_2016_stile.h"
#include "controls/Orvvideoscrollbarnolista.h"

#include <QPainter>

#include <algorithm>

ORV_2016_SpinNumber::ORV_2016_SpinNumber(QWidget* owner) : QWidget(owner) {
    resize(300, 28);
    setFont(FontControllo("Calibri", 12));
    new TracciaMouse(this, this);
}

#define SETTER(Nome, campo, Tipo)                      \
    void ORV_2016_SpinNumber::Set##Nome(Tipo v) {      \
        if (CambiaValore(campo, v)) update();          \
    }
SETTER(ORV_Valore, valore, int)
SETTER(ORV_ValoreMin, valoreMin, int)
SETTER(ORV_ValoreMax, valoreMax, int)
SETTER(ORV_ValoreCambioCtrl, valoreCambioCtrl, int)
SETTER(ORV_GapCambioValore, gap, int)
SETTER(ORV_PrefissoCaption, prefisso, const QString&)
SETTER(ORV_FormatoVideo, formatoVideo, bool)
SETTER(ORV_FormatoVideoFrameRate, frameRate, int)
SETTER(ORV_OmbraColore, ombraColore, TColor)
SETTER(ORV_OmbraDistanza, ombraDistanza, int)
SETTER(ColoreFont, coloreFont, TColor)
#undef SETTER

void ORV_2016_SpinNumber::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORV_2016_SpinNumber::SetORV_Stile(const ORV_2016_Stile* stile) {
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

QString ORV_2016_SpinNumber::Caption() const {
    if (formatoVideo) {
        // A rate of 0 or less has no time code: the plain number.
        if (auto tempo = TestoTimeCode(valore, frameRate))
            return *tempo + QStringLiteral(" (%1)").arg(valore);
    }
    return prefisso + QString::number(valore);
}

void ORV_2016_SpinNumber::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORV_2016_SpinNumber::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const int ldx = Larghezza(ORV_BTN_DX_Passivo);
    DisegnaCorpoFrecce(p, W, H, skins[ORV_Sfondo], skins[ORV_BTN_SX_Passivo], skins[ORV_BTN_SX_Attivo],
                       skins[ORV_BTN_DX_Passivo], skins[ORV_BTN_DX_Attivo], frecciaPremuta, MouseDentro);

    const QString testo = Caption();
    const int th = AltezzaTesto(font());
    const int x = (W - LarghezzaTesto(font(), testo)) / 2;
    const int y = YTestoCentrato(H, th);
    DisegnaTestoOmbra(p, font(), QRect(QPoint(x, y), QPoint(W - ldx - 4 - 1, y + th - 1)), x, y, testo,
                      ColoreDaTColor(coloreFont), ombraColore, ombraDistanza);
}

void ORV_2016_SpinNumber::Segnala() {
    if (OnCambiamentoValore) OnCambiamentoValore(this);
}

void ORV_2016_SpinNumber::MouseEntra() {
    MouseDentro = true;
    frecciaPremuta = 0;
    cursore.Entra();
    update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void ORV_2016_SpinNumber::MouseEsce() {
    if (gesto.Armato() && OnClick) {
        clickFatto = true;
        OnClick(this);
    }
    MouseDentro = false;
    frecciaPremuta = 0;
    cursore.Esci();
    zonaMeno = zonaPiu = false;
    if (clickFatto) return;
    update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void ORV_2016_SpinNumber::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int) {
    conto.Azzera();
    gesto.Disarma();
    if (tasto != Qt::LeftButton) return;
    clickFatto = false;
    gesto.Arma(x);
    frecciaPremuta = 0;
    if (x < Larghezza(ORV_BTN_SX_Passivo)) frecciaPremuta = 1;
    if (x > width() - Larghezza(ORV_BTN_DX_Passivo)) frecciaPremuta = 2;
    if (frecciaPremuta == 1) {
        valore = std::max(valore - 1, valoreMin);
        Segnala();
    } else if (frecciaPremuta == 2) {
        valore = std::min(valore + 1, valoreMax);
        Segnala();
    }
    update();
}

void ORV_2016_SpinNumber::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
    cursore.InizioMovimento();
    if (gesto.Armato()) {
        ParametriTrascinamento parametri{valoreMin, valoreMax, valoreIncremento, valoreCambioCtrl, gap, stop25, stop30};
        gesto.Muovi(x, shift & Qt::ControlModifier, valore, parametri, &puntatore, [this] {
            update();
            if (conto.Passo()) Segnala();
        });
    }
    if (SegueZoneFrecce(x, y, width(), height(), zonaMeno, zonaPiu, cursore)) update();
    cursore.FineMovimento();
}

void ORV_2016_SpinNumber::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    gesto.Disarma();
    frecciaPremuta = 0;
    if (MouseDentro) {
        cursore.Azzera();
        zonaMeno = zonaPiu = false;
        CursoreApplicazione::Imposta(Qt::ArrowCursor);
    } else if (OnClick) {
        OnClick(this);
    }
    if (conto.InSospeso()) Segnala();
    update();
    if (OnClick && !clickFatto) OnClick(this);
}

void ORV_2016_SpinNumber::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void ORV_2016_SpinNumber::Nascosto() {
    MouseDentro = false;
    gesto.Disarma();
    frecciaPremuta = 0;
    if (cursore.Attivo()) cursore.Esci();
}
