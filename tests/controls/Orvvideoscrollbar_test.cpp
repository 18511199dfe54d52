#include "controls/Orvvideoscrollbar.h"

#include "common/MouseSintetico.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Fonti {
    ORVVideoScrollBar s;
    MouseSintetico mouse{&s};
    std::vector<std::string> eventi;
    explicit Fonti(int voci = 3) {
        s.move(300, 300);
        s.resize(217, 20);
        s.SetORV_Bottoni(true);
        for (int i = 1; i <= voci; ++i) s.AggiungiValore(QStringLiteral("Font %1").arg(i));
        s.OnCambiamentoValore = [this](QObject*) {
            eventi.push_back("change " + std::to_string(s.ListaPossibiliValoriVoce()));
        };
    }
};
using Eventi = std::vector<std::string>;
constexpr int XMeno = 8, XPiu = 210;
}  // namespace

TEST(ORVVideoScrollBar, BottoniMenoPiu) {
    struct Caso {
        const char* nome;
        int voci, voce, x;
        int attesa;
        Eventi eventi;
        const char* caption;
    } casi[] = {
        {"plus", 3, 1, XPiu, 2, {"change 2"}, "Font 2"},
        {"plus at the last item", 3, 3, XPiu, 3, {"change 3"}, "Font 3"},
        {"minus", 3, 2, XMeno, 1, {"change 1"}, "Font 1"},
        {"minus at item 1", 3, 1, XMeno, 1, {}, "Font 1"},
        {"plus on an empty list", 0, 1, XPiu, 0, {"change 0"}, ""},
    };
    for (const auto& c : casi) {
        Fonti t(c.voci);
        t.s.SetListaPossibiliValoriVoce(c.voce);
        t.mouse.Entra(c.x, 10);
        t.mouse.Click(c.x, 10);
        EXPECT_EQ(t.s.ListaPossibiliValoriVoce(), c.attesa) << c.nome;
        EXPECT_EQ(t.eventi, c.eventi) << c.nome;
        EXPECT_EQ(t.s.Caption(), c.caption) << c.nome;
    }
}

TEST(ORVVideoScrollBar, TrascinareFinoAllUltimoFont) {
    Fonti t(3);
    t.s.SetListaPossibiliValoriVoce(1);
    t.mouse.Entra(100, 10);
    t.mouse.Trascina(100, 10, 6, 4);
    t.mouse.Rilascia(124, 10);
    EXPECT_EQ(t.s.ListaPossibiliValoriVoce(), 3);
    EXPECT_EQ(t.s.Caption(), "Font 3");
    EXPECT_EQ(t.s.ListaPossibiliValoriVocePrecedente(), 2);
    EXPECT_EQ(t.eventi, (Eventi{"change 2", "change 3"}));  // none at the release
}

TEST(ORVVideoScrollBar, SetVoceSenzaEventiECaptionSoloPerVociValide) {
    Fonti t(3);
    t.s.SetListaPossibiliValoriVoce(2);
    EXPECT_EQ(t.s.Caption(), "Font 2");
    t.s.SetListaPossibiliValoriVoce(0);
    EXPECT_EQ(t.s.TestoVisualizzato(), "Non definito");
    EXPECT_EQ(t.s.Caption(), "Font 2");
    // Selecting by name: through the 0-based index to the 1-based one.
    t.s.SetListaPossibiliValoriVoce(2);
    EXPECT_EQ(t.s.Caption(), "Font 2");
    EXPECT_TRUE(t.eventi.empty());
    EXPECT_EQ(t.s.ListaPossibiliValoriVocePrecedente(), 0);
}

TEST(ORVVideoScrollBar, AggiungiValoreNonRidisegna) {
    Fonti t(1);
    ContaPitture pitture(&t.s);
    t.s.AggiungiValore("Nuovo");
    EXPECT_EQ(pitture.Pitture(), 0);
    EXPECT_EQ(t.s.ListaPossibiliValori().size(), 2);
    t.s.SetListaPossibiliValoriVoce(2);
    EXPECT_GE(pitture.Pitture(), 1);
}

TEST(ORVVideoScrollBar, UscireDaUnBottoneLoRiportaAlColoreDelFont) {
    Fonti t(3);
    t.s.SetColoreFont(0x808080);
    const QRgb normale = qRgb(0x80, 0x80, 0x80), chiaro = qRgb(0xBC, 0xBC, 0xBC);
    EXPECT_EQ(t.s.grab().toImage().pixel(4, 4), normale);
    t.mouse.Entra(XPiu, 10);
    t.mouse.Muovi(XPiu, 10);
    EXPECT_EQ(t.s.grab().toImage().pixel(4, 4), chiaro);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    t.mouse.Esci();
    EXPECT_EQ(t.s.grab().toImage().pixel(4, 4), normale);
}
