#include "render/LivelliParticelle.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Bande.h"
#include "render/Casuale.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

namespace {

const std::vector<QSize> kCinqueSprite(5, QSize(256, 256));
constexpr StratiChiamata kDietro{true, false};
constexpr StratiChiamata kDavanti{false, true};

// An emitter of n particles placed by hand.
Fire EmettitoreFisso(int n) {
    Fire f;
    f.ImpostaModo(3);
    f.Inizializza(n, {}, 0, 0, 0, 0, 0, 0, 10, 1, 1);
    return f;
}

TEST(LivelliParticelle, BackAndFrontCallsPaintEachParticleOnce) {
    FissaSemeCasuale(5);
    Fire fuoco;
    Bounce rimbalzo;
    std::array<int, 5> angoli{};
    PreparaEmettitore(ParticelleFuoco, 60, 300, fuoco, rimbalzo, angoli);
    ASSERT_EQ(fuoco.Numero(), 300);
    const auto dietro = ComandiSprite(ParticelleFuoco, fuoco, 300, kCinqueSprite, StratiDellaChiamata(1, 1, 0));
    const auto davanti = ComandiSprite(ParticelleFuoco, fuoco, 300, kCinqueSprite, StratiDellaChiamata(2, 1, 2));
    EXPECT_EQ(dietro.size() + davanti.size(), 300u);
    EXPECT_GT(dietro.size(), 50u);
    EXPECT_GT(davanti.size(), 50u);
    std::set<std::pair<int, int>> visti;
    for (const auto& c : dietro) visti.insert({c.destinazione.x(), c.destinazione.y()});
    int ripetuti = 0;
    for (const auto& c : davanti) ripetuti += visti.count({c.destinazione.x(), c.destinazione.y()}) ? 1 : 0;
    EXPECT_LT(ripetuti, 5);
}

TEST(LivelliParticelle, FireWarmUpMovesTheSpawnBoxBelowTheFrame) {
    FissaSemeCasuale(6);
    Fire fuoco;
    Bounce rimbalzo;
    std::array<int, 5> angoli{};
    PreparaEmettitore(ParticelleFuoco, 0, 40, fuoco, rimbalzo, angoli);
    for (int a : angoli) {
        EXPECT_GE(a, -15);
        EXPECT_LE(a, 15);
    }
    for (int i = 0; i < fuoco.Numero(); ++i) fuoco.Rigenera(i);
    for (int i = 0; i < fuoco.Numero(); ++i) EXPECT_EQ(fuoco.Dati(i).y, 1144);
    EXPECT_FALSE(rimbalzo.Inizializzato()) << "only the chosen kind's emitter is built";

    // A built emitter is kept, whatever the new count.
    fuoco.Dati(0).x = -777;
    PreparaEmettitore(ParticelleFuoco, 0, 10, fuoco, rimbalzo, angoli);
    EXPECT_EQ(fuoco.Numero(), 40);
    EXPECT_EQ(fuoco.Dati(0).x, -777);

    PreparaEmettitore(ParticellePalleRimbalzanti, 80, 10, fuoco, rimbalzo, angoli);
    EXPECT_TRUE(rimbalzo.Inizializzato());
    EXPECT_EQ(rimbalzo.Modo(), 2);
}

TEST(LivelliParticelle, VariantChoosesTheSpriteOfTheKind) {
    Fire f = EmettitoreFisso(6);
    for (int i = 0; i < 6; ++i) f.Dati(i) = {100.0 * i, 100, 0, 0, 0, 10, 50, i, 0};
    const std::vector<QSize> quattro(4, QSize(64, 64));
    const struct {
        int tipo;
        std::vector<QSize> dimensioni;
        std::vector<int> sprite;  // per variant 0..5, -1 not drawn
    } casi[] = {
        {ParticelleFuoco, kCinqueSprite, {0, 1, 2, 3, 4, -1}},
        {ParticelleBolle, quattro, {0, 1, 2, 3, -1, -1}},
        {ParticellePolvere, {QSize(64, 64)}, {0, 0, 0, 0, 0, 0}},
        {ParticelleFumo, {QSize(64, 64), QSize(64, 64), QSize(64, 64)}, {0, 1, 2, -1, -1, -1}},
    };
    for (const auto& caso : casi) {
        const auto comandi = ComandiSprite(caso.tipo, f, 6, caso.dimensioni, kDietro);
        std::vector<int> sprite(6, -1);
        for (const auto& c : comandi) sprite[static_cast<std::size_t>((c.destinazione.center().x() + 50) / 100)] = c.sprite;
        EXPECT_EQ(sprite, caso.sprite) << "kind " << caso.tipo;
    }
    // A sprite that could not be read draws nothing.
    std::vector<QSize> mancante = kCinqueSprite;
    mancante[3] = QSize();
    EXPECT_EQ(ComandiSprite(ParticelleFuoco, f, 6, mancante, kDietro).size(), 4u);
}

TEST(LivelliParticelle, SizeAndOpacityAtTheStartAndEndOfLife) {
    Fire f = EmettitoreFisso(2);
    f.Dati(0) = {500, 400, 0, 0, 0, 40, 50, 0, 0};   // f = 0
    f.Dati(1) = {500, 400, 0, 0, 40, 40, 50, 0, 0};  // f = 1
    const std::vector<QSize> bolla{QSize(120, 81)};
    const struct {
        int tipo;
        std::vector<QSize> dimensioni;
        QRect rettangolo;
        QRect sorgente;
        std::array<float, 4> inizio, fine;
    } casi[] = {
        {ParticelleFuoco, kCinqueSprite, QRect(372, 272, 256, 256), QRect(0, 0, 256, 256), {1, 1, 0, 128 / 255.f}, {1, 1, 0, 0}},
        {ParticelleBolle, bolla, QRect(470, 380, 60, 40), QRect(0, 0, 120, 81), {1, 1, 1, 1}, {1, 1, 1, 1}},
        {ParticellePolvere, bolla, QRect(470, 380, 60, 40), QRect(0, 0, 120, 81), {1, 1, 1, 92 / 255.f}, {1, 1, 1, 0}},
        {ParticelleFumo, bolla, QRect(440, 360, 120, 81), QRect(0, 0, 120, 81), {1, 1, 1, 92 / 255.f}, {1, 1, 1, 0}},
    };
    for (const auto& caso : casi) {
        const auto comandi = ComandiSprite(caso.tipo, f, 2, caso.dimensioni, kDietro);
        ASSERT_EQ(comandi.size(), 2u);
        EXPECT_EQ(comandi[0].destinazione, caso.rettangolo) << "kind " << caso.tipo;
        EXPECT_EQ(comandi[0].sorgente, caso.sorgente) << "kind " << caso.tipo;
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(comandi[0].fattori[k], caso.inizio[k], 1e-6) << "kind " << caso.tipo << " channel " << k;
            EXPECT_NEAR(comandi[1].fattori[k], caso.fine[k], 1e-6) << "kind " << caso.tipo << " channel " << k;
        }
    }
}

TEST(LivelliParticelle, AQuantityAboveTheCountDrawsNoPhantoms) {
    Fire f = EmettitoreFisso(3);
    for (int i = 0; i < 3; ++i) f.Dati(i) = {300, 300, 0, 0, 0, 10, 50, 0, 0};
    EXPECT_EQ(ComandiSprite(ParticellePolvere, f, 1000, {QSize(64, 64)}, kDietro).size(), 3u);
    EXPECT_EQ(ComandiPalle(ParticellePalleCadenti, f, 1000, {}, kDietro).size(), 3u);
    EXPECT_TRUE(ComandiSprite(ParticellePolvere, f, 0, {QSize(64, 64)}, kDietro).empty());
}

TEST(LivelliParticelle, BallColoursFadeAlongTheLife) {
    Fire f = EmettitoreFisso(1);
    f.Dati(0) = {200, 300, 0, 0, 10, 40, 6, 0, 1};  // q = 0.75, D = 26
    const DueColori colori{0x0000FF, 0xFF0000};     // red to blue
    const auto palle = ComandiPalle(ParticellePalleCadenti, f, 1, colori, kDavanti);
    ASSERT_EQ(palle.size(), 1u);
    EXPECT_EQ(palle[0].rettangolo, QRect(187, 287, 26, 26));
    EXPECT_EQ(palle[0].bordo, QColor(255, 0, 0, 6));
    EXPECT_EQ(palle[0].riempimento, QColor(255 - 255 * 10 / 40, 0, 255 * 10 / 40, 191));
    EXPECT_FALSE(palle[0].riflesso);
    EXPECT_TRUE(ComandiPalle(ParticellePalleCadenti, f, 1, colori, kDietro).empty()) << "layer 1 is the front";
}

TEST(LivelliParticelle, BouncingBallAtRestHasItsReflectionBelowTheFloor) {
    ASSERT_EQ(ImpostazioniGlobali.LineaPavimento, 675);
    Bounce b;
    b.Inizializza(1, {}, 0, 0, 0, 0, 0, 0, 10, 1, 1);
    b.Dati(0) = {400, 675, 0, 0, 0, 10, 10, 0, 0};  // D = 30, q = 1
    const auto palle = ComandiPalle(ParticellePalleRimbalzanti, b, 1, {0xFFFFFF, 0x000000}, kDietro);
    ASSERT_EQ(palle.size(), 1u);
    const ComandoPalla& p = palle[0];
    EXPECT_EQ(p.rettangolo, QRect(370, 675 - 15 + 4, 30, 30)) << "30 px left of x whatever the size";
    ASSERT_TRUE(p.riflesso);
    const double d = (15 - 4) * 5.0 / 3.0;
    EXPECT_EQ(p.rettangoloRiflesso, QRect(370, static_cast<int>(675 + d), 30, 30));
    EXPECT_EQ(p.coloreRiflesso.alpha(), static_cast<int>((1 - d / 405) * 255));

    // High up, the reflection is gone.
    b.Dati(0).y = 0;
    const auto alta = ComandiPalle(ParticellePalleRimbalzanti, b, 1, {0xFFFFFF, 0x000000}, kDietro);
    EXPECT_EQ(alta[0].coloreRiflesso.alpha(), 0);
    EXPECT_EQ(alta[0].rettangoloRiflesso.top(), 1080);
}

TEST(LivelliParticelle, ANegativeDiameterIsDrawnAroundTheSameCentre) {
    CerchioPalle c;
    c.Inizializza(1, 0, 0, 0, 0, 0, 0, 200, 200, 1000, 1, 1);
    c.ImpostaRaggio(0);
    c.Aggiorna(false);
    c.Dati(0).size = -60;  // D = -40
    c.Dati(0).life = 1000;  // nearly opaque: the test is about the place, not the fade
    const auto palle = ComandiCerchio(c, {0xFFFFFF, 0xFFFFFF});
    ASSERT_EQ(palle.size(), 1u);
    QImage tela(200, 200, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::black);
    DipingiPalle(tela, palle);
    EXPECT_GT(qRed(tela.pixel(100, 100)), 200);
    EXPECT_GT(qRed(tela.pixel(100, 84)), 200);
    EXPECT_EQ(qRed(tela.pixel(100, 60)), 0);
}

struct CasoPalla {
    int d;
    QRgb riempimento;  // non-premultiplied
    QRgb sfondo;       // premultiplied
};

void PrintTo(const CasoPalla& c, std::ostream* os) {
    *os << "d " << c.d << std::hex << std::uppercase << " fill " << c.riempimento << " on " << c.sfondo << std::dec;
}

class PallaDisegnata : public ::testing::TestWithParam<CasoPalla> {};

// The largest difference of any channel between two pictures of one size.
int Scarto(const QImage& a, const QImage& b) {
    int massimo = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            massimo = std::max({massimo, std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return massimo;
}

// A ball without rim stays within the edge's anti-aliasing of a fill of its ellipse, on clear and
// coloured ground, opaque and faint, one over the other; and it is the same byte for byte
// whether one thread draws it or every core band by band.
TEST_P(PallaDisegnata, IlDiscoEComeLEllisse) {
    const CasoPalla caso = GetParam();
    ComandoPalla palla;
    palla.rettangolo = QRect(13, 7, caso.d, caso.d);
    palla.bordo = QColor(0, 0, 0, 0);
    palla.riempimento = QColor::fromRgba(caso.riempimento);
    QImage attesa(caso.d + 30, caso.d + 30, QImage::Format_ARGB32_Premultiplied);
    attesa.fill(caso.sfondo);
    QImage soloFilo = attesa.copy();
    QImage aBande = attesa.copy();
    {
        QPainter p(&attesa);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(palla.riempimento);
        p.drawEllipse(QRectF(palla.rettangolo));
        p.drawEllipse(QRectF(palla.rettangolo));
    }
    ImpostaFiliBande(1);
    DipingiPalle(soloFilo, {palla, palla});
    ImpostaFiliBande(0);
    DipingiPalle(aBande, {palla, palla});
    EXPECT_EQ(aBande, soloFilo);
    // The edge pixels' coverage is the exact area under a straight edge; the raster engine's
    // ellipse is made of curves a little off the circle.
    EXPECT_LE(Scarto(aBande, attesa), caso.d < 4 ? 40 : 24);
}

INSTANTIATE_TEST_SUITE_P(Casi, PallaDisegnata,
                         ::testing::Values(CasoPalla{1, 0xFFFF0000, 0xFF000000}, CasoPalla{7, 0x80FFFFFF, 0x00000000},
                                           CasoPalla{20, 0xFF20A0F0, 0xFF402010}, CasoPalla{33, 0x11FF8000, 0x80402000},
                                           CasoPalla{64, 0xC0FFFFFF, 0xFFFFFFFF}, CasoPalla{301, 0xFFFFFFFF, 0xFF000000}));

// The rim stays within a few levels of the fifteen strokes it stands for, small balls to large;
// under the widest stroke the strokes fold over the centre, where the profile does not follow.
TEST(LivelliParticelle, IlBordoEVicinoAiQuindiciTratti) {
    for (int d : {10, 14, 16, 18, 20, 24, 28, 32, 40, 90, 150, 400}) {
        const QRgb colore = qRgba(255, 200, 40, 8);
        ComandoPalla palla;
        palla.rettangolo = QRect(12, 12, d, d);
        palla.bordo = QColor::fromRgba(colore);
        palla.riempimento = QColor(0, 0, 0, 0);
        QImage bordo(d + 24, d + 24, QImage::Format_ARGB32_Premultiplied);
        bordo.fill(Qt::transparent);
        QImage tratti = bordo.copy();
        DipingiPalle(bordo, {palla});
        QPainter p(&tratti);
        p.setRenderHint(QPainter::Antialiasing);
        QPen penna(QColor::fromRgba(colore));
        penna.setJoinStyle(Qt::RoundJoin);
        for (int larghezza = 1; larghezza <= 15; ++larghezza) {
            penna.setWidth(larghezza);
            p.setPen(penna);
            p.drawEllipse(QRectF(palla.rettangolo));
        }
        p.end();
        EXPECT_LE(Scarto(bordo, tratti), d < 14 ? 32 : 6) << "diameter " << d;
    }
}

// The flames sway within their drawn angle, a few degrees a frame, and keep swaying: no
// tumbling past the angle, no jump back upright.
TEST(LivelliParticelle, FireSpritesSwayWithinTheirAngle) {
    const std::array<int, 5> angoli{12, -15, 0, 3, 9};
    for (int i = 0; i < 5; ++i) {
        const int ampiezza = std::abs(angoli[static_cast<size_t>(i)]);
        std::set<int> visti;
        for (int t = 0; t < 48; ++t) {
            const int a = AngoloFuoco(angoli, i, static_cast<float>(t));
            EXPECT_LE(std::abs(a), ampiezza) << i << " at " << t;
            EXPECT_LE(std::abs(AngoloFuoco(angoli, i, t + 1.0f) - a), ampiezza / 3 + 1) << i << " at " << t;
            EXPECT_EQ(AngoloFuoco(angoli, i, t + 0.9f), a) << "whole frames only";
            visti.insert(a);
        }
        if (ampiezza > 0) EXPECT_EQ(visti.count(ampiezza) + visti.count(-ampiezza), 2u) << i << " swings both ways";
        else EXPECT_EQ(visti, std::set<int>{0});
    }
}

// The intro-10 ring as this renderer paints it, pinned byte for byte: small balls and balls
// grown over hundreds of steps, every rim strength, and balls of odd sizes at and past the
// edges, over a ground of many colours; the same on one thread and on every core, four pixels
// at a time and eight. QUENVOX_SCRIVI_IMPRONTE=1 prints the digests anew (after a deliberate
// change of the look).
TEST(LivelliParticelle, IlCerchioEComeFattoDaQuestoRenderer) {
    struct Caso {
        bool mini;
        int passi;
        DueColori colori;
        const char* impronta;
    };
    const Caso casi[] = {
        {true, 0, {0xFFFF98, 0x98833B}, "600c596fe635"},
        {true, 150, {0xFDFDFD, 0x00FFFF}, "2c8087366cc6"},
        {true, 700, {0xFFFF98, 0x98833B}, "f5536ae00067"},
        {false, 0, {0xFDFDFD, 0x03FF2B}, "51278e86f363"},
        {false, 300, {0xFDFDFD, 0x2BE6FD}, "50eac12a8f2a"},
    };
    QImage fondo(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < fondo.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(fondo.scanLine(y));
        for (int x = 0; x < fondo.width(); ++x)
            riga[x] = qPremultiply(qRgba(x * 255 / 1919, y * 255 / 1079, (x + y) % 256, 128 + (x * 7 + y * 3) % 128));
    }
    const auto impronta = [](const QImage& i) {
        return QCryptographicHash::hash(QByteArrayView(i.constBits(), i.sizeInBytes()), QCryptographicHash::Sha1)
            .toHex()
            .left(12)
            .toStdString();
    };
    for (const Caso& caso : casi) {
        FissaSemeCasuale(28);
        CerchioPalle cerchio;
        PreparaCerchio(cerchio, 100, true, caso.mini);
        for (int i = 0; i < caso.passi; ++i) cerchio.Aggiorna(true);
        std::vector<ComandoPalla> palle = ComandiCerchio(cerchio, caso.colori);
        // Odd balls: a dot, a tiny one, a negative diameter, one past each edge, one wider
        // than the frame, each with every rim strength.
        const QRect strani[] = {{700, 500, 1, 1},    {40, 60, 3, 3},      {900, 300, -44, -44}, {-30, 500, 90, 90},
                                {1880, 1050, 70, 70}, {-600, -900, 3000, 3000}, {1500, -20, 41, 41}};
        for (const QRect& r : strani)
            for (int a = 0; a <= 8; a += 2) {
                ComandoPalla palla;
                palla.rettangolo = r;
                palla.bordo = QColor(255, 220, 40, a);
                palla.riempimento = QColor(30, 90, 200, 40 + a * 20);
                palle.push_back(palla);
            }
        QImage tela = fondo.copy();
        DipingiPalle(tela, palle);
        QImage soloFilo = fondo.copy();
        ImpostaFiliBande(1);
        DipingiPalle(soloFilo, palle);
        ImpostaFiliBande(0);
        EXPECT_TRUE(tela == soloFilo) << "one thread and every core";
        QImage strette = fondo.copy();
        UsaVettoriLarghi(false);
        DipingiPalle(strette, palle);
        UsaVettoriLarghi(true);
        EXPECT_TRUE(tela == strette) << "four pixels at a time and eight";
        const std::string trovata = impronta(tela);
        if (qEnvironmentVariableIsSet("QUENVOX_SCRIVI_IMPRONTE")) std::printf("IMPRONTA \"%s\"\n", trovata.c_str());
        else EXPECT_EQ(trovata, caso.impronta) << "mini " << caso.mini << " after " << caso.passi << " steps";
    }
}

}  // namespace
