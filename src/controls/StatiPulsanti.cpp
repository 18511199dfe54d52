#include "controls/StatiPulsanti.h"

StatoPulsante StatoTreFette(bool dentro, bool premuto) {
    if (!dentro) return StatoPulsante::Normale;
    return premuto ? StatoPulsante::Premuto : StatoPulsante::Attivo;
}

StatoPulsante StatoSemplice(bool dentro, bool premuto, int selezionatoTipo) {
    if (dentro) return premuto ? StatoPulsante::Premuto : StatoPulsante::Attivo;
    return selezionatoTipo != 0 ? StatoPulsante::Selezionato : StatoPulsante::Normale;
}

TColor ColoreTestoVideoButton(TColor coloreFont, bool abilitato) { return abilitato ? coloreFont : TestoDisabilitato; }

TColor ColoreOmbraVideoButton(TColor coloreFont) {
    return (coloreFont == 0xFFFFFF || coloreFont == 0xC0C0C0) ? 0x000000 : 0xFFFFFF;
}

TColor ColoreTestoLRButton(bool dentro) { return dentro ? 0xFFFFFF : 0xA6A6A6; }

int LarghezzaAutomatica(int sx, int dx, int testo) { return sx + dx + testo; }

int XTestoVideoStato(bool disegnata, int larghezzaOn) { return disegnata ? larghezzaOn + 4 : 4; }

#include <QFontMetrics>
#include <QPainter>

void DisegnaTreFette(QPainter& p, int W, const std::array<const QImage*, 9>& f, StatoPulsante stato) {
    const int L = BitmapPresente(*f[0]) ? f[0]->width() : 0;
    const int R = BitmapPresente(*f[2]) ? f[2]->width() : 0;
    const int altezzaCentro = BitmapPresente(*f[1]) ? f[1]->height() : 0;
    const int base = stato == StatoPulsante::Premuto ? 6 : (stato == StatoPulsante::Attivo ? 3 : 0);
    DisegnaImmagine(p, 0, 0, *f[base]);
    StiraImmagine(p, L, 0, W - R, altezzaCentro, *f[base + 1]);
    DisegnaImmagine(p, W - R, 0, *f[base + 2]);
}

void DisegnaCaptionCentrata(QPainter& p, int W, int H, const QFont& font, const QString& testo, TColor colore,
                            TColor ombra, int distanza) {
    if (testo.isEmpty()) return;
    const QFontMetrics m(font);
    const int th = m.ascent() + m.descent();
    const int tw = m.horizontalAdvance(testo);
    const int y = H / 2 - th / 2, x = W / 2 - tw / 2;
    p.save();
    p.setFont(font);
    p.setClipRect(QRect(QPoint(3, y), QPoint(W - 6 - 1, y + th - 1)));
    if (distanza != 0) {
        p.setPen(ColoreDaTColor(ombra));
        p.drawText(x + distanza, y + distanza + m.ascent(), testo);
    }
    p.setPen(ColoreDaTColor(colore));
    p.drawText(x, y + m.ascent(), testo);
    p.restore();
}
