#include "controls/Orv_2016_spinnumber.h"

#include "common/MouseSintetico.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Spin {
    ORV_2016_SpinNumber s;
    MouseSintetico mouse{&s};
    std::vector<std::string> eventi;
    Spin() {
        s.move(300, 300);
        s.SetImmagine(ORV_2016_SpinNumber::ORV_BTN_SX_Passivo, SkinTinta(28, 28, qRgb(1, 1, 1)));
        s.SetImmagine(ORV_2016_SpinNumber::ORV_BTN_DX_Passivo, SkinTinta(28, 28, qRgb(2, 2, 2)));
        s.OnCambiamentoValore = [this](QObject*) { eventi.push_back("change " + std::to_string(s.ORV_Valore())); };
        s.OnClick = [this](QObject*) { eventi.push_back("click"); };
    }
};
using Eventi = std::vector<std::string>;
}  // namespace

TEST(Orv_2016_SpinNumber, TestiDelValore) {
    struct Caso {
        QString prefisso;
        bool video;
        int fps, valore;
        const char* atteso;
    } casi[] = {
        {"Zoom:  ", false, 25, 150, "Zoom:  150"},
        {"", false, 25, -20, "-20"},
        {"", true, 25, 150, "00:00:06 FR:00 (150)"},
        {"", true, 25, 1000, "00:00:40 FR:00 (1000)"},
        {"", true, 25, 90061, "01:00:02 FR:11 (90061)"},
        {"Vita:", true, 0, 150, "Vita:150"},  // no time code without a frame rate
        {"", true, -5, 7, "7"},
    };
    for (const auto& c : casi) {
        ORV_2016_SpinNumber s;
        s.SetORV_PrefissoCaption(c.prefisso);
        s.SetORV_FormatoVideo(c.video);
        s.SetORV_FormatoVideoFrameRate(c.fps);
        s.SetORV_Valore(c.valore);
        EXPECT_EQ(s.Caption(), c.atteso);
    }
}

TEST(Orv_2016_SpinNumber, FrecceConEventoAllaPressioneEClickAlRilascio) {
    struct Caso {
        const char* nome;
        int valore, x;
        Eventi attesi;
    } casi[] = {
        {"right arrow", 150, 290, {"change 151", "click"}},
        {"right arrow at the maximum", 300, 290, {"change 300", "click"}},
        {"left arrow", 150, 10, {"change 149", "click"}},
        {"right arrow above the maximum", 400, 290, {"change 300", "click"}},
        {"left arrow above the maximum", 400, 10, {"change 399", "click"}},
        {"middle", 150, 150, {"click"}},
    };
    for (const auto& c : casi) {
        Spin t;
        t.s.SetORV_ValoreMax(300);
        t.s.SetORV_PrefissoCaption("Zoom:  ");
        t.s.SetORV_Valore(c.valore);
        EXPECT_TRUE(t.eventi.empty());  // a value set by code fires nothing
        t.mouse.Entra(c.x, 14);
        t.mouse.Premi(c.x, 14);
        t.mouse.Rilascia(c.x, 14);
        EXPECT_EQ(t.eventi, c.attesi) << c.nome;
    }
}

TEST(Orv_2016_SpinNumber, TrascinamentoDi25Passi) {
    Spin t;
    t.s.SetORV_ValoreMax(1000);
    t.s.SetORV_Valore(0);
    t.mouse.Entra(100, 14);
    t.mouse.Trascina(100, 14, 6, 25);
    EXPECT_EQ(t.eventi, (Eventi{"change 20"}));
    t.mouse.Rilascia(250, 14);
    EXPECT_EQ(t.eventi, (Eventi{"change 20", "change 25", "click"}));
}

TEST(Orv_2016_SpinNumber, VentiPassiNessunEventoAlRilascioEClickSenzaMovimento) {
    Spin t;
    t.s.SetORV_ValoreMax(1000);
    t.s.SetORV_Valore(0);
    t.mouse.Entra(100, 14);
    t.mouse.Trascina(100, 14, 6, 20);
    t.mouse.Rilascia(220, 14);
    EXPECT_EQ(t.eventi, (Eventi{"change 20", "click"}));
    t.eventi.clear();
    t.mouse.Click(150, 14);
    EXPECT_EQ(t.eventi, (Eventi{"click"}));
}

TEST(Orv_2016_SpinNumber, UscireDuranteIlTrascinamentoCliccaDueVolteEContinua) {
    Spin t;
    t.s.SetORV_Valore(10);
    t.mouse.Entra(280, 14);
    t.mouse.Premi(150, 14);
    t.mouse.Muovi(156, 14);
    t.mouse.Muovi(320, 14);  // leaves: the first click
    EXPECT_EQ(t.eventi, (Eventi{"click"}));
    t.mouse.Muovi(326, 14);  // outside, still changing
    t.mouse.Muovi(332, 14);
    t.mouse.Rilascia(332, 14);
    EXPECT_EQ(t.s.ORV_Valore(), 14);
    EXPECT_EQ(t.eventi, (Eventi{"click", "click", "change 14"}));
}

TEST(Orv_2016_SpinNumber, UscireERientrarePrimaDelRilascioCliccaUnaVolta) {
    Spin t;
    t.mouse.Entra(150, 14);
    t.mouse.Premi(150, 14);
    t.mouse.Muovi(350, 14);
    t.mouse.Muovi(150, 14);
    t.mouse.Rilascia(150, 14);
    // Out and back stepped up and down again: the change is still pending at the release.
    EXPECT_EQ(t.eventi, (Eventi{"click", "change 1"}));
}

TEST(Orv_2016_SpinNumber, CtrlEFermiNelTrascinamento) {
    Spin t;
    t.s.SetORV_ValoreMax(100);
    t.s.SetORV_Valore(20);
    t.s.SetORV_GapCambioValore(2);
    t.s.SetORV_StopMultipli25(true);
    t.mouse.Entra(100, 14);
    t.mouse.Premi(100, 14);
    t.mouse.Muovi(103, 14, Qt::ControlModifier);
    EXPECT_EQ(t.s.ORV_Valore(), 25);
    for (int i = 0; i < 15; ++i) t.mouse.Muovi(106 + 3 * i, 14, Qt::ControlModifier);
    EXPECT_EQ(t.s.ORV_Valore(), 25);
    t.mouse.Muovi(200, 14);
    EXPECT_EQ(t.s.ORV_Valore(), 26);
}

TEST(Orv_2016_SpinNumber, ISetterNonLimitanoIlValore) {
    Spin t;
    t.s.SetORV_ValoreMax(300);
    t.s.SetORV_Valore(500);
    EXPECT_EQ(t.s.ORV_Valore(), 500);
    EXPECT_EQ(t.s.Caption(), "500");
    EXPECT_TRUE(t.eventi.empty());
}
