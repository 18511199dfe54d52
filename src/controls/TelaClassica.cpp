#include "controls/TelaClassica.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

namespace {
void Pixel(QPainter& p, int x, int y, const QColor& c) { p.fillRect(x, y, 1, 1, c); }
}  // namespace

void RiempiClassico(QPainter& p, int x1, int y1, int x2, int y2, TColor colore) {
    if (x2 <= x1 || y2 <= y1) return;
    p.fillRect(x1, y1, x2 - x1, y2 - y1, ColoreDaTColor(colore));
}

void RettangoloClassico(QPainter& p, int x1, int y1, int x2, int y2, std::optional<TColor> penna,
                        std::optional<TColor> pennello) {
    if (x2 <= x1 || y2 <= y1) return;
    if (pennello) RiempiClassico(p, x1, y1, x2, y2, *pennello);
    if (!penna) return;
    const QColor c = ColoreDaTColor(*penna);
    p.fillRect(x1, y1, x2 - x1, 1, c);
    p.fillRect(x1, y2 - 1, x2 - x1, 1, c);
    p.fillRect(x1, y1, 1, y2 - y1, c);
    p.fillRect(x2 - 1, y1, 1, y2 - y1, c);
}

void LineaClassica(QPainter& p, int x1, int y1, int x2, int y2, TColor colore) {
    const QColor c = ColoreDaTColor(colore);
    if (y1 == y2) {
        if (x2 > x1) p.fillRect(x1, y1, x2 - x1, 1, c);
        if (x2 < x1) p.fillRect(x2 + 1, y1, x1 - x2, 1, c);
        return;
    }
    if (x1 == x2) {
        if (y2 > y1) p.fillRect(x1, y1, 1, y2 - y1, c);
        if (y2 < y1) p.fillRect(x1, y2 + 1, 1, y1 - y2, c);
        return;
    }
    // Bresenham, stopping one step before the end point.
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int errore = dx + dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        Pixel(p, x, y, c);
        const int e2 = 2 * errore;
        if (e2 >= dy) {
            errore += dy;
            x += sx;
        }
        if (e2 <= dx) {
            errore += dx;
            y += sy;
        }
    }
}

void PolilineaClassica(QPainter& p, std::initializer_list<QPoint> punti, TColor colore) {
    const QPoint* precedente = nullptr;
    for (const QPoint& punto : punti) {
        if (precedente) LineaClassica(p, precedente->x(), precedente->y(), punto.x(), punto.y(), colore);
        precedente = &punto;
    }
}

void TestoClassico(QPainter& p, int x, int y, const QString& testo, const QFont& font, TColor colore) {
    p.save();
    p.setFont(font);
    p.setPen(ColoreDaTColor(colore));
    p.drawText(QPoint(x, y + QFontMetrics(font).ascent()), testo);
    p.restore();
}

void TestoRitagliato(QPainter& p, int x1, int y1, int x2, int y2, int x, int y, const QString& testo,
                     const QFont& font, TColor colore) {
    if (x2 <= x1 || y2 <= y1) return;
    p.save();
    p.setClipRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::IntersectClip);
    TestoClassico(p, x, y, testo, font, colore);
    p.restore();
}
