#include "controls/PulsantiVecchi.h"

#include "controls/TelaClassica.h"

#include <QPainter>

LineaBordo BordoPulsante(int tipoBordo, int stato, bool sopra, bool premuto) {
    if (stato != 0 && stato != 1) return LineaBordo::Nessuna;
    const bool disabilitato = stato == 0;
    switch (tipoBordo) {
    case 1:
        return !disabilitato && sopra ? LineaBordo::ContornoBianco : LineaBordo::ContornoNero;
    case 2:
        return LineaBordo::Rialzato;
    case 3:
        return !disabilitato && sopra ? LineaBordo::Incassato : LineaBordo::Rialzato;
    case 4:
    case 5:
        if (disabilitato || !sopra) return LineaBordo::Nessuna;
        return premuto ? LineaBordo::Incassato : LineaBordo::Rialzato;
    case 6:
        return disabilitato ? LineaBordo::Riquadro : LineaBordo::Nessuna;
    default:
        return LineaBordo::Nessuna;
    }
}

void DisegnaRiquadro(QPainter& p, int W, int H) { RettangoloClassico(p, 0, 0, W - 1, H - 1, 0x800000, 0xD6ADAD); }

void DisegnaBordoPulsante(QPainter& p, int W, int H, LineaBordo linea) {
    const QPoint a(0, 0), b(W - 1, 0), c(W - 1, H - 1), d(0, H - 1);
    switch (linea) {
    case LineaBordo::ContornoNero:
    case LineaBordo::ContornoBianco:
        PolilineaClassica(p, {a, b, c, d, a}, linea == LineaBordo::ContornoNero ? 0x000000 : 0xFFFFFF);
        break;
    case LineaBordo::Rialzato:
    case LineaBordo::Incassato: {
        const bool su = linea == LineaBordo::Rialzato;
        PolilineaClassica(p, {d, a, b}, su ? 0xFFFFFF : 0x808080);
        PolilineaClassica(p, {b, c, d}, su ? 0x808080 : 0xFFFFFF);
        break;
    }
    case LineaBordo::Riquadro:
        DisegnaRiquadro(p, W, H);
        break;
    case LineaBordo::Nessuna:
        break;
    }
}

ImmaginePulsante ImmagineButton4(int stato, bool sopra, bool premuto, bool premutoPresente) {
    if (stato == 0) return ImmaginePulsante::Disabilitato;
    if (sopra && premuto && premutoPresente) return ImmaginePulsante::Premuto;
    if (sopra) return ImmaginePulsante::Attivo;
    return ImmaginePulsante::Normale;
}

ImmaginePulsante ImmagineButton5(int stato, bool sopra, bool premuto, int tipo, bool premutoPresente,
                                 bool attivoPresente) {
    if (stato == 0) return ImmaginePulsante::Disabilitato;
    if (sopra && premuto) {
        if (tipo == 1) return premutoPresente ? ImmaginePulsante::Premuto : ImmaginePulsante::Attivo;
        if (tipo == 2) return ImmaginePulsante::Normale;
        return attivoPresente ? ImmaginePulsante::Attivo : ImmaginePulsante::Normale;
    }
    if (sopra) return ImmaginePulsante::Attivo;
    return ImmaginePulsante::Normale;
}

PulsanteVecchio::PulsanteVecchio(QWidget* owner, int tipoBordoIniziale) : QWidget(owner), tipoBordo(tipoBordoIniziale) {
    resize(100, 100);
    new TracciaMouse(this, this);
}

void PulsanteVecchio::SetStato(int v) {
    if (!CambiaValore(stato, v)) return;
    // Enabled follows Stato when Stato is written, never while painting.
    setEnabled(stato != 0);
    update();
}
void PulsanteVecchio::SetBordo(int v) {
    if (CambiaValore(bordo, v)) update();
}
void PulsanteVecchio::SetTipoBordo(int v) {
    if (CambiaValore(tipoBordo, v)) update();
}
void PulsanteVecchio::SetDistanzaOmbra(int v) {
    if (CambiaValore(distanzaOmbra, v)) update();
}
void PulsanteVecchio::SetCaption(const QString& testo) {
    caption = testo;
    update();
}
void PulsanteVecchio::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void PulsanteVecchio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void PulsanteVecchio::DisegnaBordo(QPainter& p) {
    if (bordo != 0)
        DisegnaBordoPulsante(p, width(), height(), BordoPulsante(tipoBordo, stato, mouseDentro, tastoPremuto));
}

void PulsanteVecchio::MouseEntra() {
    mouseDentro = true;
    update();
}
void PulsanteVecchio::MouseEsce() {
    mouseDentro = false;
    update();
}
void PulsanteVecchio::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = true;
    update();
}
void PulsanteVecchio::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = false;
    update();
}
