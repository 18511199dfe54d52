#include "controls/Orv_2016_lista.h"

#include "common/MouseSintetico.h"
#include "controls/ComuneControlli.h"

#include <gtest/gtest.h>

namespace {
struct Lista {
    ORV_2016_Lista l;
    MouseSintetico mouse{&l};
    int eventi = 0, click = 0;
    std::vector<int> vociAgliEventi;
    explicit Lista(int voci = 3) {
        l.move(300, 300);
        QStringList elenco;
        for (int i = 1; i <= voci; ++i) elenco << QStringLiteral("Voce %1").arg(i);
        l.SetORV_Elenco(elenco);
        l.SetImmagine(ORV_2016_Lista::ORV_BTN_SX_Passivo, SkinTinta(28, 28, qRgb(1, 1, 1)));
        l.SetImmagine(ORV_2016_Lista::ORV_BTN_DX_Passivo, SkinTinta(28, 28, qRgb(2, 2, 2)));
        l.OnCambiamentoValore = [this](QObject*) {
            ++eventi;
            vociAgliEventi.push_back(l.ORV_Voce());
        };
        l.OnClick = [this](QObject*) { ++click; };
    }
};
}  // namespace

TEST(Orv_2016_Lista, SetVoceFuoriDallaListaSceglieLaPrima) {
    struct Caso {
        int voci, partenza, valore, attesa;
        const char* caption;
    } casi[] = {
        {3, 2, 0, 1, "Voce 1"}, {3, 2, 4, 1, "Voce 1"}, {3, 2, -3, 1, "Voce 1"},
        {3, 1, 3, 3, "Voce 3"}, {0, 2, 2, 1, "Non definito"},
    };
    for (const auto& c : casi) {
        Lista t(c.voci);
        t.l.SetORV_Voce(c.partenza);
        t.l.SetORV_Voce(c.valore);
        EXPECT_EQ(t.l.ORV_Voce(), c.attesa) << c.valore;
        EXPECT_EQ(t.l.Caption(), c.caption) << c.valore;
        EXPECT_EQ(t.eventi, 0);
    }
    Lista t;
    t.l.SetCaption("invariata");
    t.l.SetORV_Voce(1);  // already selected: not even the caption changes
    EXPECT_EQ(t.l.Caption(), "invariata");
    t.l.SetORV_Elenco({"a", "b"});
    EXPECT_EQ(t.l.Caption(), "invariata");
}

TEST(Orv_2016_Lista, ClickSulleFrecceEAlCentro) {
    struct Caso {
        const char* nome;
        int voci, partenza, x, attesa;
    } casi[] = {
        {"left arrow at item 1", 3, 1, 10, 1},   {"left arrow", 3, 3, 10, 2},
        {"right arrow", 3, 1, 290, 2},           {"right arrow at the last item", 10, 10, 290, 10},
        {"middle of the bar", 3, 2, 150, 2},
    };
    for (const auto& c : casi) {
        Lista t(c.voci);
        t.l.SetORV_Voce(c.partenza);
        t.l.SetCaption("vecchia");
        t.mouse.Entra(c.x, 14);
        t.mouse.Premi(c.x, 14);
        EXPECT_EQ(t.l.ORV_Voce(), c.attesa) << c.nome;
        EXPECT_EQ(t.l.Caption(), QStringLiteral("Voce %1").arg(c.attesa)) << c.nome;
        EXPECT_EQ(t.eventi, 0) << c.nome;
        t.mouse.Rilascia(c.x, 14);
        EXPECT_EQ(t.eventi, 1) << c.nome;  // every left release
        EXPECT_EQ(t.click, 1) << c.nome;
    }
}

TEST(Orv_2016_Lista, TrascinareFaUnPassoPerGapConEventoAOgniPasso) {
    Lista t(10);
    t.mouse.Entra(100, 14);
    t.mouse.Trascina(100, 14, 6, 3);
    EXPECT_EQ(t.l.ORV_Voce(), 4);
    EXPECT_EQ(t.l.Caption(), "Voce 4");
    EXPECT_EQ(t.vociAgliEventi, (std::vector<int>{2, 3, 4}));
    t.mouse.Rilascia(118, 14);
    EXPECT_EQ(t.eventi, 4);
    EXPECT_EQ(t.click, 1);
    // The right button neither arms nor steps.
    t.mouse.Premi(100, 14, Qt::RightButton);
    t.mouse.Muovi(130, 14);
    EXPECT_EQ(t.l.ORV_Voce(), 4);
}

TEST(Orv_2016_Lista, UscireDalControlloFermaIlTrascinamento) {
    Lista t(10);
    t.l.SetORV_GapCambioValore(30);
    t.mouse.Entra(250, 14);
    t.mouse.Premi(250, 14);
    t.mouse.Muovi(281, 14);
    EXPECT_EQ(t.l.ORV_Voce(), 2);
    t.mouse.Muovi(340, 14);  // past the right edge
    t.mouse.Muovi(400, 14);
    t.mouse.Muovi(460, 14);
    EXPECT_EQ(t.l.ORV_Voce(), 2);
    t.mouse.Rilascia(460, 14);
    EXPECT_EQ(t.click, 0);
}

TEST(Orv_2016_Lista, ListaAccorciataMostraNonDefinito) {
    Lista t(10);
    t.l.SetORV_Voce(6);
    t.l.SetORV_Elenco({"a", "b"});
    EXPECT_EQ(t.l.ORV_Voce(), 6);
    t.mouse.Entra(150, 14);
    t.mouse.Premi(150, 14);
    EXPECT_EQ(t.l.Caption(), "Non definito");
    t.mouse.Muovi(144, 14);
    EXPECT_EQ(t.l.ORV_Voce(), 5);
    EXPECT_EQ(t.l.Caption(), "Non definito");
}

TEST(Orv_2016_Lista, CursoreDimensionaSulValoreEFrecciaSulleZone) {
    Lista t;
    t.mouse.Entra(150, 14);
    t.mouse.Muovi(150, 14);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::SizeHorCursor);
    t.mouse.Muovi(10, 14);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    t.mouse.Muovi(150, 14);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::SizeHorCursor);
    t.mouse.Esci();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    t.mouse.Entra(150, 14);
    t.mouse.Muovi(150, 14);
    t.l.show();
    t.l.hide();  // a hidden control leaves no cursor behind
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
}

TEST(Orv_2016_Lista, FrecciaPremutaSiVedeSoloSopra) {
    Lista t;
    t.l.SetImmagine(ORV_2016_Lista::ORV_BTN_DX_Attivo, SkinTinta(28, 28, qRgb(200, 0, 0)));
    t.mouse.Entra(290, 14);
    t.mouse.Premi(290, 14);
    EXPECT_EQ(t.l.grab().toImage().pixel(290, 14), qRgb(200, 0, 0));
    EXPECT_EQ(t.l.grab().toImage().pixel(5, 14), qRgb(1, 1, 1));
    t.mouse.Rilascia(290, 14);
    EXPECT_EQ(t.l.grab().toImage().pixel(290, 14), qRgb(2, 2, 2));
}
