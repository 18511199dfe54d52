#pragma once
// The layout of intros 1 and 10: the text block, its alignment and the eleven motion kinds
// as arithmetic over the frame, so it can be checked without drawing.
#include <array>

struct DatiIntro1 {
    int Tipo = 1;  // Intro1Lista item, 1..11
    float t = 0;   // FrameCorrente
    float N = 200;  // TotaleFrame
    bool Anima = false;
    int Interlinea = 0;
    bool ZoomIn = false;  // kind 9
    bool AlignVAlto = false, AlignVCentro = true, AlignVBasso = false;
    // Per line: 1 left, 2 centre, 3 right, 0 none.
    std::array<int, 4> Allineamento{2, 2, 2, 2};
    std::array<int, 4> Larghezza{};
    std::array<int, 4> Altezza{};
    int W = 1920;
    int H = 1080;
};

struct PostoLayer {
    int x = 0, y = 0;
    float Alfa = 1;
    int Colonne = -1;  // typing: the leftmost columns shown; -1 the whole layer
    bool Visibile = true;  // false: not drawn at all (line 4 while typing)
};

struct LayoutIntro1 {
    int B = 0;  // block height
    int A = 0;  // block width (kinds 2, 3 and 11)
    int Alto = 0;  // top of the block as aligned
    std::array<PostoLayer, 4> Righe;
    bool Scala = false;  // kind 8 before 3N/4: each layer scaled by its alpha about its centre
    // Kind 9: the composed text drawn with this alpha into this rectangle.
    float AlfaComposizione = 1;
    int ZoomX = 0, ZoomY = 0, ZoomL = 0, ZoomA = 0;
};

LayoutIntro1 CalcolaLayoutIntro1(const DatiIntro1& dati);
