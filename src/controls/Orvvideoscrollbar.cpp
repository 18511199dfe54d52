#include "controls/Orvvideoscrollbar.h"

#include "controls/TestiControlli.h"

#include <QPainter>

#include <algorithm>

ORVVideoScrollBar::ORVVideoScrollBar(QWidget* owner) : QWidget(owner) {
    resize(72, 20);
    setFont(FontControllo("Arial", 8));
    new TracciaMouse(this, this);
}

void ORVVideoScrollBar::AggiungiValore(const QString& testo) { lista.append(testo); }

void ORVVideoScrollBar::SetListaPossibiliValori(const QStringList& voci) {
    lista = voci;
    update();
}

void ORVVideoScrollBar::SetListaPossibiliValoriDatoRelativo(const QStringList& voci) {
    listaRelativa = voci;
    update();
}

void ORVVideoScrollBar::SetListaPossibiliValoriVoce(int v) {
    if (v == voce) return;
    voce = v;
    CaptionDaVoce();
    update();
}

void ORVVideoScrollBar::SetGapCambioValore(int v) {
    if (CambiaValore(gap, v)) update();
}
void ORVVideoScrollBar::SetORV_Bottoni(bool v) {
    if (CambiaValore(bottoni, v)) update();
}
void ORVVideoScrollBar::SetColor(TColor v) {
    if (CambiaValore(colore, v)) update();
}
void ORVVideoScrollBar::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}
void ORVVideoScrollBar::SetAlignment(Qt::AlignmentFlag v) {
    if (CambiaValore(allineamento, v)) update();
}

void ORVVideoScrollBar::CaptionDaVoce() {
    if (voce >= 1 && voce <= lista.size()) caption = lista.at(voce - 1);
}

QString ORVVideoScrollBar::TestoVisualizzato() const {
    if (voce >= 1 && voce <= lista.size()) return lista.at(voce - 1);
    return TestiControlli::NonDefinito;
}

void ORVVideoScrollBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORVVideoScrollBar::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const QString testo = TestoVisualizzato();
    const QFont& f = font();
    const int th = AltezzaTesto(f);
    const int tw = LarghezzaTesto(f, testo);
    const QColor sfondo = ColoreDaTColor(colore);
    p.fillRect(0, 0, W, H, sfondo);

    int x = (W - tw) / 2;
    if (allineamento == Qt::AlignLeft)
        x = bottoni ? H + 4 : 4;
    else if (allineamento == Qt::AlignRight)
        x = bottoni ? W - tw - H - 4 : W - tw - 4;
    const int ascesa = QFontMetrics(f).ascent();
    p.setFont(f);
    for (int passo = 0; passo < 2; ++passo) {
        const int y = 2 + passo;
        p.fillRect(QRect(x, y, tw, th), sfondo);
        p.setPen(passo == 0 ? QColor(Qt::black) : ColoreDaTColor(coloreFont));
        p.drawText(QPoint(x, y + ascesa), testo);
    }

    p.setPen(QPen(ColoreDaTColor(coloreFont), 1, Qt::DotLine));
    if (bottoni)
        p.drawLine(H, th + 4, W - H - 1, th + 4);
    else
        p.drawLine(0, th + 4, W - 1, th + 4);

    if (!bottoni) return;
    const QColor tasto = ColoreDaTColor(zonaBottone ? SchiarisciTColor(coloreFont, 60) : coloreFont);
    p.fillRect(QRect(QPoint(2, 2), QPoint(H - 5, H - 3)), tasto);
    p.fillRect(QRect(QPoint(W - H + 4, 2), QPoint(W - 3, H - 3)), tasto);
    p.setPen(sfondo);
    const int cy = H / 2;
    p.drawLine(6, cy, H - 9, cy);
    p.drawLine(6, cy + 1, H - 9, cy + 1);
    const int cx = W - H / 2, r = H / 4;
    p.drawLine(cx, cy - r, cx, cy + r - 1);
    p.drawLine(cx + 1, cy - r, cx + 1, cy + r - 1);
    p.drawLine(cx - r + 1, cy, cx + r, cy);
    p.drawLine(cx - r + 1, cy - 1, cx + r, cy - 1);
}

void ORVVideoScrollBar::Segnala() {
    if (OnCambiamentoValore) OnCambiamentoValore(this);
}

void ORVVideoScrollBar::MouseEntra() {
    MouseDentro = true;
    cursore.Entra();
}

void ORVVideoScrollBar::MouseEsce() {
    MouseDentro = false;
    cursore.Esci();
    if (zonaBottone) {
        zonaBottone = false;
        update();
    }
}

void ORVVideoScrollBar::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) {
    if (tasto == Qt::LeftButton)
        gesto.Arma(x);
    else
        gesto.Disarma();
    if (bottoni) {
        const int W = width(), H = height();
        if (InZonaMeno(x, y, W, H)) {
            if (voce > 1) {
                vocePrecedente = voce;
                --voce;
                CaptionDaVoce();
                update();
                Segnala();
            }
        } else if (InZonaPiu(x, y, W, H)) {
            vocePrecedente = voce;
            voce = std::min(voce + 1, int(lista.size()));
            CaptionDaVoce();
            Segnala();
            update();
        }
    }
    if (OnMouseDown) OnMouseDown(this, tasto, shift, x, y);
}

void ORVVideoScrollBar::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
    cursore.InizioMovimento();
    if (gesto.Armato()) {
        ParametriTrascinamento parametri;
        parametri.minimo = 1;
        parametri.massimo = int(lista.size());
        parametri.incremento = parametri.passoCtrl = 1;
        parametri.gap = gap;
        int nuova = voce;
        gesto.Muovi(x, shift & Qt::ControlModifier, nuova, parametri, &puntatore, [&] {
            vocePrecedente = voce;
            voce = nuova;
            update();
            Segnala();
        });
        CaptionDaVoce();
    }
    if (bottoni) {
        const bool zona = InZonaMeno(x, y, width(), height()) || InZonaPiu(x, y, width(), height());
        if (zona) cursore.SopraZona();
        if (CambiaValore(zonaBottone, zona)) update();
    }
    cursore.FineMovimento();
}

void ORVVideoScrollBar::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) {
    gesto.Disarma();
    if (OnMouseUp) OnMouseUp(this, tasto, shift, x, y);
}

void ORVVideoScrollBar::Click() {
    if (OnClick) OnClick(this);
}

void ORVVideoScrollBar::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void ORVVideoScrollBar::Nascosto() {
    MouseDentro = false;
    gesto.Disarma();
    zonaBottone = false;
    if (cursore.Attivo()) cursore.Esci();
}
