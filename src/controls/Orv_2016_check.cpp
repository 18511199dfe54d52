#include "controls/Orv_2016_check.h"

#include "controls/Orv_2016_stile.h"
#include "platform/LetturaImmagini.h"

#include <QFileInfo>
#include <QPainter>

ORV_2016_Check::ORV_2016_Check(QWidget* owner) : QWidget(owner) {
    resize(228, 28);
    setFont(FontControllo("Calibri", 12));
    new TracciaMouse(this, this);
}

void ORV_2016_Check::SetCaption(const QString& testo) {
    caption = testo;
    update();
}

void ORV_2016_Check::SetChecked(bool v) {
    if (CambiaValore(checked, v)) update();
}

void ORV_2016_Check::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORV_2016_Check::SetORV_BottoneApertura(bool v) {
    if (CambiaValore(bottoneApertura, v)) update();
}

void ORV_2016_Check::SetORV_Immagine(const QString& percorso) {
    if (percorso == percorsoImmagine) return;
    percorsoImmagine = percorso;
    if (percorso.toUpper().endsWith(QLatin1String("JPG")) && QFileInfo(percorso).isReadable()) {
        OpzioniLettura opzioni;
        opzioni.Copertura = QSize(48, 28);
        const QImage foto = LeggiImmagine(percorso, opzioni).Immagine;
        if (!foto.isNull())
            miniatura = foto.scaled(48, 28, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    }
    update();
}

void ORV_2016_Check::SetORV_Disegnato(bool v) {
    if (CambiaValore(disegnato, v)) update();
}
void ORV_2016_Check::SetORV_DisegnatoColoreSfondo(TColor v) {
    if (CambiaValore(coloreSfondo, v)) update();
}
void ORV_2016_Check::SetORV_DisegnatoColoreDisegno(TColor v) {
    if (CambiaValore(coloreDisegno, v)) update();
}
void ORV_2016_Check::SetORV_DisegnatoColoreDisegnoOmbra(TColor v) {
    if (CambiaValore(coloreDisegnoOmbra, v)) update();
}
void ORV_2016_Check::SetORV_OmbraColore(TColor v) {
    if (CambiaValore(ombraColore, v)) update();
}
void ORV_2016_Check::SetORV_OmbraDistanza(int v) {
    if (CambiaValore(ombraDistanza, v)) update();
}
void ORV_2016_Check::SetORV_CheckedPrecedente(bool v) {
    if (CambiaValore(checkedPrecedente, v)) update();
}
void ORV_2016_Check::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORV_2016_Check::SetORV_Stile(const ORV_2016_Stile* stile) {
    if (!stile) return;
    using S = ORV_2016_Stile;
    skins[ORV_Attivo1] = stile->Immagine(S::ORV_OBJ_Attivo1);
    skins[ORV_Attivo2] = stile->Immagine(S::ORV_OBJ_Attivo2);
    skins[ORV_Attivo3] = stile->Immagine(S::ORV_OBJ_Attivo3);
    skins[ORV_Normale1] = stile->Immagine(S::ORV_OBJ_Normale1);
    skins[ORV_Normale2] = stile->Immagine(S::ORV_OBJ_Normale2);
    skins[ORV_Normale3] = stile->Immagine(S::ORV_OBJ_Normale3);
    skins[ORV_LedAcceso] = stile->Immagine(S::ORV_CheckLedAcceso);
    skins[ORV_LedSpento] = stile->Immagine(S::ORV_CheckLedSpento);
    skins[ORV_Btn_Apri_Attivo] = stile->Immagine(S::ORV_Btn_Apri_Attivo);
    skins[ORV_Btn_Apri_Normale] = stile->Immagine(S::ORV_Btn_Apri_Normale);
    resize(width(), skins[ORV_Attivo1].height());
    update();
}

void ORV_2016_Check::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORV_2016_Check::DisegnaVettoriale(QPainter& p) {
    p.fillRect(rect(), ColoreDaTColor(coloreSfondo));
    const int x0 = 6, y0 = (height() - 10) / 2;
    // Lines end one pixel short, as the original framework drew them.
    auto linea = [&](int xa, int ya, int xb) { p.drawLine(xa, ya, xb - 1, ya); };
    p.setPen(ColoreDaTColor(coloreDisegnoOmbra));
    linea(x0 + 1, y0 + 1, x0 + 11);
    if (checked) linea(x0 + 2, y0 + 7, x0 + 10);
    linea(x0, y0 + 9, x0 + 12);
    if (checked) p.fillRect(QRect(x0 + 2, y0 + 2, 8, 4), ColoreDaTColor(coloreDisegno));
    p.setPen(ColoreDaTColor(coloreDisegno));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x0, y0, 11, 7));
}

void ORV_2016_Check::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const bool attivo = MouseDentro && TastoPremuto;
    const QImage& s1 = skins[attivo ? ORV_Attivo1 : ORV_Normale1];
    const QImage& s2 = skins[attivo ? ORV_Attivo2 : ORV_Normale2];
    const QImage& s3 = skins[attivo ? ORV_Attivo3 : ORV_Normale3];
    if (disegnato) {
        DisegnaVettoriale(p);
    } else {
        const QImage& led = skins[checked ? ORV_LedAcceso : ORV_LedSpento];
        DisegnaImmagine(p, 0, 0, led);
        const int x0 = BitmapPresente(led) ? led.width() : 0;
        Disegna3Slice(p, x0, W, s1, s2, s3);
    }
    if (bottoneApertura) {
        const QImage& apri = skins[attivo ? ORV_Btn_Apri_Attivo : ORV_Btn_Apri_Normale];
        const int xa = W - (BitmapPresente(apri) ? apri.width() : 0);
        DisegnaImmagine(p, xa, 0, apri);
        DisegnaImmagine(p, xa - s3.width(), 0, s3);
    }
    DisegnaImmagine(p, W - 76, 0, miniatura);

    const int th = AltezzaTesto(font());
    int y = YTestoCentrato(H, th);
    int x = 33;
    if (disegnato) {
        x = 23;
        y -= 1;
    }
    DisegnaTestoOmbra(p, font(), QRect(3, y, W - 6 - 3, th), x, y, caption, ColoreDaTColor(coloreFont), ombraColore,
                      ombraDistanza);
}

void ORV_2016_Check::MouseEntra() {
    MouseDentro = true;
    update();
}

void ORV_2016_Check::MouseEsce() {
    MouseDentro = false;
    update();
}

void ORV_2016_Check::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    if (bottoneApertura && x >= width() - 28) {
        bottone = 2;
    } else {
        if (bottoneApertura) bottone = 1;
        if (!radio) checked = !checked;
    }
    update();
}

void ORV_2016_Check::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    update();
}

void ORV_2016_Check::Click() {
    if (radio && !(bottoneApertura && bottone == 2) && !checked) {
        checked = true;
        update();
    }
    if (OnClick) OnClick(this);
}

void ORV_2016_Check::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
