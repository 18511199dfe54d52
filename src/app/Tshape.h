#pragma once
// A colour swatch: a rectangle filled with its brush colour inside a thin frame. The main
// window's one-colour settings are shapes; a mouse release on it fires OnMouseUp.
#include "controls/ComuneControlli.h"

#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* owner = nullptr);

    // The brush colour, 0x00BBGGRR; setting it repaints and fires nothing.
    TColor BrushColor() const { return colore; }
    void SetBrushColor(TColor v);

    EventoMouse OnMouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    TColor colore = 0xFFFFFF;
};
