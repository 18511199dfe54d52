#pragma once
// The colour picker: one colour, or the two ends of a gradient, picked from a chart or typed
// by dragging the R, G, B and H, S, L fields. Ok answers 6, Annulla 7.
#include "controls/ComuneControlli.h"
#include "dialogs/ConversioneHSL.h"
#include "dialogs/DialogoOrv.h"

#include <QImage>

#include <array>

class ORV_2016_Button;
class ORV_2016_Label;
class ORVPannelloBordo;
class ORVVideoScrollBarNoLista;
class ORVVideoTwoColors;
class QLabel;

class TORVDLGColor : public DialogoOrv {
    Q_OBJECT
public:
    explicit TORVDLGColor(QWidget* owner = nullptr);

    // On 6 the colour becomes the picked one; otherwise it is left as it was.
    int EseguiUnColore(TColor& colore);
    int EseguiDueColori(TColor& colore1, TColor& colore2);

    // One of the six value fields of a colour: 0 R, 1 G, 2 B, 3 H, 4 S, 5 L.
    enum Campo { R, G, B, H, S, L };
    // gruppo 0: under the mouse, 1: colour 1, 2: colour 2.
    ORVVideoScrollBarNoLista* Valore(int gruppo, Campo campo) const { return campi[gruppo][campo]; }
    ORVVideoTwoColors* ColoriTrovati() const { return coloriTrovati; }
    QWidget* Image1() const { return image1; }
    QWidget* Shape1() const { return shape1; }
    QWidget* Shape2() const { return shape2; }
    ORVPannelloBordo* ORVPannelloBordo3() const { return pannelli[2]; }
    ORV_2016_Button* Annulla() const { return annulla; }
    ORV_2016_Button* Esci() const { return esci; }
    int NumeroColori() const { return numeroColori; }
    const QImage& Tavola() const { return tavola; }

    // What the mouse does on the chart, at a point of the chart control.
    void Image1MouseMove(QPoint punto);
    void Image1MouseDown(QPoint punto);
    // A value field of colour 1 (gruppo 1) or 2 (gruppo 2) was released after a drag.
    void ValoriRGBRilasciati(int gruppo);
    void ValoriHSLRilasciati(int gruppo);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void CreaTavola();
    void CreaGruppo(int gruppo, int x);
    void CreaPulsanti();
    void Prepara(int numero, TColor colore1, TColor colore2);
    void ImpostaColore(int gruppo, TColor colore);
    void AggiornaValoriColore();
    void AggiornaSegni();
    TColor ColoreTavola(QPoint punto) const;

    QImage tavola;
    QWidget* image1 = nullptr;
    ORVVideoTwoColors* coloriTrovati = nullptr;
    QWidget* shape1 = nullptr;
    QWidget* shape2 = nullptr;
    std::array<ORVPannelloBordo*, 3> pannelli{};
    std::array<ORV_2016_Label*, 3> titoli{};
    std::array<std::array<ORVVideoScrollBarNoLista*, 6>, 3> campi{};
    std::array<std::array<QLabel*, 6>, 3> etichette{};
    // What the H, S, L fields of each colour showed last, so that a click which changed
    // nothing leaves the colour alone.
    std::array<ValoriHSL, 3> hslMostrati{};
    ORV_2016_Button* annulla = nullptr;
    ORV_2016_Button* esci = nullptr;
    int numeroColori = 1;
};
