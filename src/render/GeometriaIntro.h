#pragma once
// The curves, timelines and layouts of intros 2 to 9 as plain arithmetic over the frame, so
// each can be checked without drawing. Every quotient by a frame count is guarded: short or
// empty intros give finite values, never NaN or infinity.
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>

#include <array>
#include <optional>
#include <vector>

// A value truncated toward zero, held inside +-1e9 (not finite: 0), so it fits an int.
int TroncaIntero(double valore);

// The choreography clock of intros 2 and 3: t * 150 / N, or N - 1 in the preview.
float TempoCoreografia(float t, float N, bool anima);

// Intro 2: the swing value, -1.008 .. 1.008.
float OscillazioneLogo(float s, int oscillazioni, int smorzamento);
// Intro 3: the lift of the falling logo above its resting place; c is its resting bottom y.
double CadutaLogo(double s, double c);

// A drawn picture: its destination (width or height may be negative, meaning mirrored) and
// the RGB translation of its colour matrix.
struct PostoImmagine {
    QRect Rettangolo;
    float Traslazione = 0;
    bool Visibile = true;
};

// Where a logo drawn at its scale has ink (alpha at least half), in the drawn logo's own
// rows; the layouts hang chains and lay shadows by it, so transparent margins never leave
// a chain or a logo floating.
struct InchiostroLogo {
    std::optional<int> SottoCatenaSinistra;  // first ink row under the left chain's columns
    std::optional<int> SottoCatenaDestra;
    std::optional<int> Fondo;  // one past the last ink row
};
// The first ink row under the columns [da, a) of the picture drawn at dimensione.
std::optional<int> PrimaRigaInchiostro(const QImage& immagine, QSize dimensione, int da, int a);
// One past the last ink row of the picture drawn at dimensione.
std::optional<int> FineInchiostro(const QImage& immagine, QSize dimensione);
// The ink of a logo drawn at scala percent, under the chains of that size (an empty chain:
// none under them).
InchiostroLogo MisuraInchiostro(const QImage& logo, int scala, QSize catena = QSize());

struct LayoutIntro2 {
    PostoImmagine Logo;
    PostoImmagine Ombra;
    QPoint CatenaSinistra;
    QPoint CatenaDestra;
};
LayoutIntro2 CalcolaLayoutIntro2(float s, int oscillazioni, int smorzamento, QSize logo, int scala,
                                 QSize catena, int W = 1920, int H = 1080, const InchiostroLogo& inchiostro = {});

struct LayoutIntro3 {
    PostoImmagine Logo;
    PostoImmagine Ombra;
};
// altezzaOmbra is the shadow picture's own height (the tilt's floor uses it).
LayoutIntro3 CalcolaLayoutIntro3(float s, QSize logo, int scala, int altezzaOmbra, int W = 1920,
                                 int H = 1080, const InchiostroLogo& inchiostro = {});
// Intro 3's clock: as intros 2's, but the preview shows the logo landed, upright on its
// shadow (the last step leaves the stage empty).
float TempoIntro3(float t, float N, bool anima);

// Intro 4.
struct Punto3 {
    double x = 0, y = 0, z = 0;
};
// Perspective projection; false (out untouched) when the point lies at or behind the eye.
bool ProiettaPunto(const Punto3& punto, const Punto3& camera, double focale, QPointF& out);
// Wave phase Intro4Onde * 2 pi * t / N (single precision), 0 without frames.
float FaseOnde(int onde, float t, float N);
// Height of the wave at cell (x, z).
float AltezzaOnda(int x, int z, float fase);
// The eight corners C0..C7 of a cell.
std::array<Punto3, 8> AngoliCella(int x, int z, float altezza, int posizione, int dimensione, int area);
// Where cell x's corners start across: the left half is the right half mirrored, so its
// cells end on the grid line (at x + 100) and the two centre columns meet on the axis;
// cells of the full pitch (area 100) stay where they are.
int XAngoliCella(int x, int area);
// The logo tile on the top face of cell (x, z): {row, column}, or nothing.
std::optional<std::pair<int, int>> TesseraCella(int x, int z);
// Where tile (riga, colonna) lies in a picture of that size cut into colonne x righe.
QRect RettangoloTessera(QSize immagine, int colonne, int righe, int riga, int colonna);
// The tiles of a picture, row by row (index riga * colonne + colonna); empty tiles for a
// null picture or one smaller than the grid.
std::vector<QImage> TagliaTessere(const QImage& immagine, int colonne, int righe);

// Intros 5 and 9: the squeezed reflection before its flip, and the first row (from the top)
// holding a visible pixel (99999 when none).
struct Riflesso {
    QImage Immagine;
    int PrimaRigaVisibile = 99999;
};
// Intro 5: the alpha row j gives an opaque pixel.
int AlfaRigaIntro5(int j, int rh);
// Intro 9: row j scales the pixel's alpha by this factor.
float FattoreRigaIntro9(int j, int rh);
// Both scale each pixel's alpha by their row's, so a transparent surround stays transparent
// (in place of a dark box under the logo): intro 5 gives an opaque pixel exactly its row
// alpha, intro 9 scales by its row factor.
enum class ModoRiflesso { ScalaRigaIntro5, ScalaAlfa };
Riflesso CreaRiflesso(const QImage& sorgente, int rw, int rh, ModoRiflesso modo);

// Intro 9's timeline over absolute frames: which line (0 none, 1 or 2) and its width factor.
struct StatoIntro9 {
    int Riga = 0;
    float Fattore = 0;
};
StatoIntro9 CalcolaStatoIntro9(float t);

// Intro 6: the engraving progress 0..1.
float ProgressoLaser(float t, float N, bool anima);
// The layer rows j (multiples of 8) at edge column e whose grid cell has ink.
template <typename Griglia>
std::vector<int> RigheLampi(const Griglia& griglia, int e, int lh) {
    std::vector<int> righe;
    const int cx = e / 16;
    if (e < 0 || cx >= static_cast<int>(griglia.size())) return righe;
    const auto& colonna = griglia[static_cast<size_t>(cx)];
    for (int j = 0; j < lh; j += 8) {
        const int cy = j / 8;
        if (cy < static_cast<int>(colonna.size()) && colonna[static_cast<size_t>(cy)] != 0) righe.push_back(j);
    }
    return righe;
}

// Intro 7: the dense outline the sparks settle on. Every segment is walked in 1-pixel steps
// along its own line from its end back toward its start (as many steps as its longer side,
// truncated), and every figure is closed back to its first point.
std::vector<QPointF> ContornoDenso(const QPainterPath& percorso);

// Intro 7: the state 1..7 and what it draws.
int StatoIntro7(float t, float N, bool anima);
struct DisegnoIntro7 {
    bool Testo = false;
    float AlfaTesto = 1;
    float TraslazioneTesto = 0;
    bool ColoreTesto = false;  // false: the layer as it is
    bool Scintille = false;
    bool AlfaPerScintilla = false;  // 1 - age / life
    float AlfaScintille = 1;
    bool Passo = false;  // one random-walk step after drawing
};
DisegnoIntro7 CalcolaDisegnoIntro7(int stato, float t);

// Intro 8.
struct LayoutIntro8 {
    std::array<int, 4> x{};
    std::array<int, 4> y{};
    int Barra = 0;  // the bar line c
};
LayoutIntro8 CalcolaLayoutIntro8(const std::array<int, 4>& larghezze, const std::array<int, 4>& altezze,
                                 int interlinea, int W = 1920, int H = 1080);
struct StatoIntro8 {
    int Stato = 2;
    float Opacita = 1;
};
StatoIntro8 CalcolaStatoIntro8(float t, float N, bool anima);
// Object 2 or 3 (oggetto, 1-based) in its state: destination and source rectangles.
struct PartiOggetto8 {
    bool Visibile = false;
    QRect Destinazione;
    QRect Sorgente;
};
PartiOggetto8 CalcolaOggettoIntro8(int oggetto, int stato, bool anteprima, float t, const LayoutIntro8& l,
                                   int larghezza, int altezza);
