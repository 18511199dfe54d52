#pragma once
// The progress bar of the encoding window: a row of blocks filled from the left, each block
// in the colour of its place along a gradient, with the percentage in white bold text at
// the centre.
#include "controls/ComuneControlli.h"

#include <QWidget>

// Whole percent of posizione in 0..massimo, truncated; 0 for a maximum of 0 or less.
int PercentualeProgresso(int posizione, int massimo);
// How many of blocchi blocks a position fills, truncated; 0 for a maximum of 0 or less.
int BlocchiPieni(int posizione, int massimo, int blocchi);
// How many blocks of larghezzaBlocco with spazio between them fit in a width.
int NumeroBlocchi(int larghezza, int larghezzaBlocco, int spazio);
// The colour of block indice of blocchi: inizio for the first, fine for the last.
TColor ColoreBlocco(int indice, int blocchi, TColor inizio, TColor fine);

class BarraProgressoBlocchi : public QWidget {
    Q_OBJECT
public:
    explicit BarraProgressoBlocchi(QWidget* owner = nullptr);

    int Max() const { return massimo; }
    void SetMax(int v);
    int Position() const { return posizione; }
    void SetPosition(int v);
    int Percentuale() const { return PercentualeProgresso(posizione, massimo); }

    TColor ColoreInizio() const { return coloreInizio; }
    void SetColoreInizio(TColor v);
    TColor ColoreFine() const { return coloreFine; }
    void SetColoreFine(TColor v);
    TColor ColoreSfondo() const { return coloreSfondo; }
    void SetColoreSfondo(TColor v);
    TColor ColoreBordo() const { return coloreBordo; }
    void SetColoreBordo(TColor v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    // The area the blocks are laid in, inside the border.
    QRect AreaBlocchi() const;
    int Blocchi() const;

    static constexpr int LarghezzaBlocco = 8;
    static constexpr int SpazioBlocchi = 2;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int massimo = 100;
    int posizione = 0;
    TColor coloreInizio = 0x808080;
    TColor coloreFine = 0x4E4E4E;
    TColor coloreSfondo = 0x2D2D2D;
    TColor coloreBordo = 0x404040;
    TColor coloreFont = 0xFFFFFF;
};
