#pragma once
// The windows' grouping box: a flat panel in its colour with an optional one-pixel line on
// each side; children aligned to fill it keep BorderWidth from its edges.
#include "controls/ComuneControlli.h"

#include <QWidget>

class ORVPannelloBordo : public QWidget {
    Q_OBJECT
public:
    explicit ORVPannelloBordo(QWidget* owner = nullptr);

    bool BorderLeft() const { return sinistra; }
    bool BorderTop() const { return alto; }
    bool BorderRight() const { return destra; }
    bool BorderBottom() const { return basso; }
    void SetBorderLeft(bool v);
    void SetBorderTop(bool v);
    void SetBorderRight(bool v);
    void SetBorderBottom(bool v);
    TColor BorderColor() const { return coloreBordo; }
    void SetBorderColor(TColor v);
    TColor Color() const { return colore; }
    void SetColor(TColor v);
    int BorderWidth() const { return larghezzaBordo; }
    // Kept as the contents margins, so a layout or a filling child keeps clear of the edges.
    void SetBorderWidth(int v);

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool sinistra = true, alto = true, destra = true, basso = true;
    TColor coloreBordo = 0xC0C0C0;
    TColor colore = 0x505050;
    int larghezzaBordo = 2;
};

// The one-pixel side lines shared by the flat and the collapsible panel.
void DisegnaLatiPannello(QPainter& p, int larghezza, int altezza, TColor colore, bool sinistra, bool alto,
                         bool destra, bool basso);
