#pragma once
// The particle layers: which emitter each particle kind builds and how, and what one layer
// call draws of it. The draw lists are plain values, so what a call paints can be checked
// without a canvas; the painters then put them on the frame.
#include "project/ImpostazioniProgetto.h"
#include "render/ParticleSystem.h"
#include "render/SistemaParticellare.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <array>
#include <vector>

enum TipoParticelle : int {
    ParticelleFuoco = 1,
    ParticelleBolle = 2,
    ParticellePolvere = 3,
    ParticelleFumo = 4,
    ParticellePalleCadenti = 5,
    ParticellePalleRimbalzanti = 6,
};

// How PreparaParticelle builds the emitter of one kind.
struct ParametriEmettitore {
    int modo = 1;
    PuntoDeriva deriva;
    double spreadX = 0, spreadY = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int vitaMassima = 0;
    int rangeDimensione = 0;
    int rangeVariante = 0;
    int passiRiscaldamento = 0;
};

// The build of kind 1..6 for a life of vita frames on a w x h canvas.
ParametriEmettitore ParametriTipo(int tipo, int vita, int w, int h);

// Builds the emitter of the kind (Fire for 1..5, Bounce for 6) and runs its warm-up; after
// the fire's warm-up it draws the five sprite angles and moves the spawn box below the frame.
void PreparaEmettitore(int tipo, int vita, int quantita, Fire& fuoco, Bounce& rimbalzo,
                       std::array<int, 5>& angoliFuoco);

// The ring as PreparaParticelle builds it: 3000 balls, then 4 * vita warm-up steps.
void PreparaCerchio(CerchioPalle& cerchio, int vita, bool rotazione, bool dimensioniMini);

// The ring's radius at frame t of n: it opens from the centre over the first sixth.
int RaggioCerchio(float t, float n, int centroY, bool rotazione, bool zoom);

// The angle of fire sprite i at frame t: a sway within its drawn angle.
int AngoloFuoco(const std::array<int, 5>& angoliFuoco, int i, float t);

// Which layers one call paints: layer 0 when the call is the back call, layer 1 when it is the front call.
struct StratiChiamata {
    bool dietro = false;
    bool davanti = false;
};
StratiChiamata StratiDellaChiamata(int idChiamata, int idDietro, int idDavanti);

struct ComandoSprite {
    int sprite = 0;       // index into the kind's sprites
    QRect destinazione;
    QRect sorgente;
    std::array<float, 4> fattori{1, 1, 1, 1};  // R, G, B, A of the diagonal colour matrix
};

// Kinds 1..4: what one call draws of the first quantita particles. dimensioni are the sizes of
// the kind's sprites (an empty size for a sprite that could not be read: nothing is drawn with it).
std::vector<ComandoSprite> ComandiSprite(int tipo, const ParticleSystem& emettitore, int quantita,
                                         const std::vector<QSize>& dimensioni, StratiChiamata strati);

struct ComandoPalla {
    QRect rettangolo;      // may have a negative size: drawn around the same centre
    QColor bordo;          // the 15 faint rim strokes
    QColor riempimento;
    bool riflesso = false;
    QRect rettangoloRiflesso;
    QColor coloreRiflesso;
};

// Kinds 5 and 6: the balls one call draws, with the floor reflection of kind 6.
std::vector<ComandoPalla> ComandiPalle(int tipo, const ParticleSystem& emettitore, int quantita,
                                       const DueColori& colori, StratiChiamata strati);
// Every ball of the ring, as kind 5 without a layer test.
std::vector<ComandoPalla> ComandiCerchio(const SistemaParticellare& cerchio, const DueColori& colori);

void DipingiSprite(QPainter& grafica, const std::vector<QImage>& sprite,
                   const std::vector<ComandoSprite>& comandi);
// The balls straight onto a canvas (ARGB32 premultiplied, others are converted there and back),
// drawn by every core at once, each in order: its rim (the 15 faint strokes of widths 1 .. 15
// along its circle, from a profile that is the same for every size), its disc and its reflection.
// Only the rim profiles of the last few colours are kept from one call to the next, so a frame
// costs the same whatever came before.
void DipingiPalle(QImage& tela, const std::vector<ComandoPalla>& comandi);

// Where the processor has wide vectors the balls are drawn eight pixels at a time, else four;
// the pixels are the same either way. false keeps them to four (for tests).
void UsaVettoriLarghi(bool si);

// A colour 0x00BBGGRR as Qt's colour.
QColor ColoreDa(Colore colore, int alpha = 255);
