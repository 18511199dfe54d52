#include "controls/TrascinamentoValore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// A screen cursor on a 1920x1080 screen (or any rectangle), with the control at origine.
class PuntatoreFinto : public PuntatoreSchermo {
public:
    explicit PuntatoreFinto(QRect schermo = QRect(0, 0, 1920, 1080), QPoint origine = QPoint(100, 300))
        : schermo(schermo), origine(origine) {}
    QPoint Posizione() const override { return pos; }
    void Sposta(const QPoint& p) override {
        ++spostamenti;
        if (mobile) pos = p;
    }
    QRect Schermo() const override { return schermo; }
    int XLocale(const QPoint& g) const override { return g.x() - origine.x(); }
    // The pointer at local x, as a real mouse would put it.
    void Porta(int xLocale) { pos = QPoint(origine.x() + xLocale, origine.y() + 10); }

    QRect schermo;
    QPoint origine;
    QPoint pos;
    bool mobile = true;
    int spostamenti = 0;
};

struct Drag {
    TrascinamentoValore gesto;
    PuntatoreFinto puntatore;
    ParametriTrascinamento parametri;
    int valore = 50;
    int passi = 0;

    Drag() {
        parametri.minimo = 0;
        parametri.massimo = 100;
        parametri.incremento = 1;
        parametri.passoCtrl = 5;
        parametri.gap = 2;
    }
    bool Muovi(int x, bool ctrl = false) {
        puntatore.Porta(x);
        return gesto.Muovi(x, ctrl, valore, parametri, &puntatore, [this] { ++passi; });
    }
};
}  // namespace

TEST(TrascinamentoValore, IlGapEStrettoInEntrambeLeDirezioni) {
    struct Caso {
        int gap, dx, atteso;
    } casi[] = {
        {2, 3, 51}, {2, 2, 50}, {5, 6, 51}, {5, 5, 50}, {5, -6, 49}, {5, -5, 50}, {0, 1, 51}, {30, 31, 51},
    };
    for (const auto& c : casi) {
        Drag d;
        d.parametri.gap = c.gap;
        d.gesto.Arma(500);
        d.Muovi(500 + c.dx);
        EXPECT_EQ(d.valore, c.atteso) << "gap " << c.gap << " dx " << c.dx;
    }
}

TEST(TrascinamentoValore, SenzaArmareNonCambiaNulla) {
    Drag d;
    EXPECT_FALSE(d.Muovi(900));
    EXPECT_EQ(d.valore, 50);
}

TEST(TrascinamentoValore, UnPassoOgniGapPercorsoEAncoraAlPuntoDelPasso) {
    Drag d;  // gap 2: a step every 3 pixels of one-pixel moves
    d.gesto.Arma(500);
    for (int x = 501; x <= 512; ++x) d.Muovi(x);
    EXPECT_EQ(d.valore, 54);
    EXPECT_EQ(d.passi, 4);
    EXPECT_EQ(d.gesto.Ancora(), 512);
}

TEST(TrascinamentoValore, CtrlCambiaPassoDalMovimentoSuccessivo) {
    Drag d;
    d.gesto.Arma(500);
    d.Muovi(503);
    EXPECT_EQ(d.valore, 51);
    d.Muovi(506, true);
    EXPECT_EQ(d.valore, 56);
    d.Muovi(509, true);
    EXPECT_EQ(d.valore, 61);
    d.Muovi(512, false);
    EXPECT_EQ(d.valore, 62);
    d.Muovi(509, true);
    EXPECT_EQ(d.valore, 57);
}

TEST(TrascinamentoValore, IlPassoSiFermaAiLimitiEContaSoloICambi) {
    Drag d;
    d.valore = 98;
    d.parametri.passoCtrl = 5;
    d.gesto.Arma(500);
    d.Muovi(503, true);
    EXPECT_EQ(d.valore, 100);
    EXPECT_FALSE(d.Muovi(506, true));
    EXPECT_EQ(d.valore, 100);
    EXPECT_EQ(d.passi, 1);
    // Down from below the minimum goes nowhere; from above the maximum it steps down.
    d.valore = 130;
    EXPECT_TRUE(d.Muovi(503));
    EXPECT_EQ(d.valore, 129);
    d.valore = -10;
    EXPECT_FALSE(d.Muovi(500));
    EXPECT_EQ(d.valore, -10);
}

TEST(TrascinamentoValore, FermoA25PerQuindiciMosse) {
    Drag d;
    d.valore = 20;
    d.parametri.stop25 = true;
    d.gesto.Arma(0);
    std::vector<int> valori;
    for (int i = 1; i <= 21; ++i) {
        d.Muovi(i * 3);
        valori.push_back(d.valore);
    }
    const std::vector<int> attesi = {21, 22, 23, 24, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25,
                                     25, 25, 25, 25, 25, 26};
    EXPECT_EQ(valori, attesi);
}

TEST(TrascinamentoValore, IlFermoSiRinnovaFinoAQuandoIlPuntatoreRestaNelGap) {
    Drag d;
    d.valore = 29;
    d.parametri.stop30 = true;
    d.gesto.Arma(0);
    d.Muovi(3);
    EXPECT_EQ(d.valore, 30);
    EXPECT_EQ(d.gesto.Fermo(), 15);
    for (int i = 0; i < 15; ++i) d.Muovi(3);
    EXPECT_EQ(d.gesto.Fermo(), 0);
    d.Muovi(4);  // within the gap: the value still rests on 30
    EXPECT_EQ(d.gesto.Fermo(), 15);
    EXPECT_EQ(d.valore, 30);
}

TEST(TrascinamentoValore, ZeroENegativiContanoComeMultipli) {
    Drag d;
    d.valore = 1;
    d.parametri.minimo = -100;
    d.parametri.stop25 = true;
    d.gesto.Arma(500);
    d.Muovi(497);
    EXPECT_EQ(d.valore, 0);
    EXPECT_EQ(d.gesto.Fermo(), 15);
    Drag e;
    e.valore = -24;
    e.parametri.minimo = -100;
    e.parametri.stop25 = true;
    e.gesto.Arma(500);
    e.Muovi(497);
    EXPECT_EQ(e.valore, -25);
    EXPECT_EQ(e.gesto.Fermo(), 15);
}

TEST(TrascinamentoValore, AlBordoDestroIlCursoreTornaASinistraEIlValoreContinua) {
    Drag d;
    d.gesto.Arma(1810);
    d.Muovi(1815);  // screen x 1915 > 1914: wrap
    EXPECT_EQ(d.valore, 51);
    EXPECT_EQ(d.puntatore.pos.x(), 6);
    EXPECT_EQ(d.gesto.Ancora(), 6 - 100);
    // The next moves come from the new place and keep going up.
    d.Muovi(-94 + 3);
    d.Muovi(-94 + 6);
    EXPECT_EQ(d.valore, 53);
}

TEST(TrascinamentoValore, AlBordoSinistroIlCursoreVaADestra) {
    Drag d;
    d.gesto.Arma(-90);
    d.Muovi(-96);  // screen x 4 < 6
    EXPECT_EQ(d.valore, 49);
    EXPECT_EQ(d.puntatore.pos.x(), 1914);
    EXPECT_EQ(d.gesto.Ancora(), 1814);
}

TEST(TrascinamentoValore, IlBordoAvvolgeAncheAlLimiteESoloOltreIlGap) {
    Drag d;
    d.valore = 100;
    d.gesto.Arma(1810);
    d.Muovi(1815);
    EXPECT_EQ(d.valore, 100);
    EXPECT_EQ(d.passi, 0);
    EXPECT_EQ(d.puntatore.spostamenti, 1);
    Drag e;
    e.gesto.Arma(1815);
    e.Muovi(1816);  // at the edge but within the gap
    EXPECT_EQ(e.puntatore.spostamenti, 0);
}

TEST(TrascinamentoValore, UnCursoreCheNonSiSpostaNonFaCorrereIlValore) {
    Drag d;
    d.puntatore.mobile = false;
    d.gesto.Arma(1810);
    d.Muovi(1815);
    EXPECT_EQ(d.valore, 51);
    EXPECT_EQ(d.gesto.Ancora(), 1815);
    // The pointer stays where it is: no further steps.
    for (int i = 0; i < 5; ++i) d.Muovi(1815);
    EXPECT_EQ(d.valore, 51);
}

TEST(TrascinamentoValore, UsaLoSchermoDelControllo) {
    Drag d;
    d.puntatore.schermo = QRect(1920, 0, 1280, 1024);
    d.puntatore.origine = QPoint(2000, 300);
    d.gesto.Arma(1110);
    d.Muovi(1115);  // screen x 3115 > 3194? no: stays
    EXPECT_EQ(d.puntatore.spostamenti, 0);
    d.Muovi(1196);  // screen x 3196 > 3194: wrap to 1926
    EXPECT_EQ(d.puntatore.pos.x(), 1926);
    EXPECT_EQ(d.gesto.Ancora(), 1926 - 2000);
}

TEST(ContoEventi, VentiPassiPerEventoEIlRilascioSoloConPassiInSospeso) {
    struct Caso {
        int passi, eventiDurante;
        bool alRilascio;
    } casi[] = {{0, 0, false}, {1, 0, true}, {19, 0, true}, {20, 1, false}, {21, 1, true}, {40, 2, false}};
    for (const auto& c : casi) {
        ContoEventi conto;
        int eventi = 0;
        for (int i = 0; i < c.passi; ++i) eventi += conto.Passo();
        EXPECT_EQ(eventi, c.eventiDurante) << c.passi;
        EXPECT_EQ(conto.InSospeso(), c.alRilascio) << c.passi;
    }
}
