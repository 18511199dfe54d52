#pragma once
// A dark sheet for the control pictures: titles in the accent, each picture placed by hand
// with its label under it.
#include "controls/ComuneControlli.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

class Foglio {
public:
    // The titles use fontTitoli; the labels, and the titles unless told, Calibri 10.
    explicit Foglio(QSize dimensione, const QFont& fontTitoli = FontControllo("Calibri", 10))
        : immagine(dimensione, QImage::Format_ARGB32_Premultiplied), titoli(fontTitoli), p(&immagine) {
        immagine.fill(QColor(0x1E, 0x1E, 0x1E));
        p.setFont(etichette);
    }
    void Titolo(int y, const QString& testo) {
        p.setPen(QColor(0xFD, 0xBF, 0x07));
        p.setFont(titoli);
        p.drawText(16, y, testo);
        p.setFont(etichette);
    }
    // Places a picture and returns the x after it.
    int Metti(int x, int y, const QImage& im, const QString& etichetta = QString()) {
        p.drawImage(x, y, im);
        if (!etichetta.isEmpty()) {
            p.setPen(QColor(0x90, 0x90, 0x90));
            p.drawText(x, y + im.height() + 14, etichetta);
        }
        return x + std::max(im.width(), QFontMetrics(p.font()).horizontalAdvance(etichetta)) + 16;
    }
    QImage Fine() {
        p.end();
        return immagine;
    }

private:
    QImage immagine;
    const QFont etichette = FontControllo("Calibri", 10);
    const QFont titoli;
    QPainter p;
};
