#pragma once
// The skinned vertical bar beside a list: a flat background and a three-part thumb whose
// length shows how much of the content is in view. It works in content pixels and reports
// the content y of the view's bottom edge after a drag.
#include "controls/ComuneControlli.h"
#include "controls/GeometriaScrollBar.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVScrollBarVert : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        ORV_DDDScrollVert_1_Off, ORV_DDDScrollVert_1_On,
        ORV_DDDScrollVert_2_Off, ORV_DDDScrollVert_2_On,
        ORV_DDDScrollVert_3_Off, ORV_DDDScrollVert_3_On,
        NumeroSkin
    };

    explicit ORVScrollBarVert(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    int ORV_ValoreMax() const { return valoreMax; }
    void SetORV_ValoreMax(int v);
    int ORV_Posizione() const { return posizione; }
    void SetORV_Posizione(int v);
    TColor ORV_ColoreSfondo() const { return coloreSfondo; }
    void SetORV_ColoreSfondo(TColor v);
    bool ORV_MouseSopraPerWheel() const { return mouseSopraPerWheel; }
    // Write-only nudge of the offset by n content units; fires OnCambioPosizione.
    void SetORV_MouseScrollDi(int n);

    // Moves the thumb to a list scrolled by other means, so that the list's top row read
    // back from ORV_Posizione is topIndex again. Fires nothing.
    void ImpostaPosizione(int numero, int topIndex, int altezzaVoce);

    EventoNotifica OnCambioPosizione;

    int Scostamento() const { return scostamento; }
    GeometriaBarra Geometria() const;
    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int y) override;
    void MouseMove(Qt::KeyboardModifiers, int, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    // Clamps the offset and recomputes the reported position, as every paint does.
    void Ricalcola();

    std::array<QImage, NumeroSkin> skins;
    int valoreMax = 1000;
    int posizione = 0;
    TColor coloreSfondo = 0;
    bool mouseSopraPerWheel = false;
    int scostamento = 0;
    int scostamentoIniziale = 0;
    int ancoraY = 0;
    bool Trascinamento = false;
    bool MouseDentro = false;
};
