#include "controls/Orvpannello.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

TEST(ORVPannello, FrecceSulleePagine) {
    ORVPannello p;
    p.grab();
    const QPoint avanti(p.width() - 13, 10), indietro(p.width() - 31, 10);
    QStringList viste;
    for (int i = 0; i < 4; ++i) {
        eventi::Muovi(&p, avanti);
        eventi::Clicca(&p, avanti);
        viste << p.NomePagina();
    }
    EXPECT_EQ(viste, QStringList({"Transizioni", "Video", "Audio", "Titoli"}));
    eventi::Muovi(&p, indietro);
    eventi::Clicca(&p, indietro);
    EXPECT_EQ(p.PagineNumero(), 4);
}

TEST(ORVPannello, SchedeEvidenziateEClick) {
    ORVPannello p;
    p.SetORV_VisualizzaAltrePagine(true);
    int eventi = 0, scheda = -1;
    p.OnCambioPagina = [&](QObject*) {
        ++eventi;
        scheda = p.ORV_MouseSopraAllaPagina();
    };
    const QImage senza = p.grab().toImage();
    const auto terza = p.EstensionePagina(2);
    const QPoint sopra((terza.first + terza.second) / 2, 10);
    eventi::Muovi(&p, sopra);
    EXPECT_EQ(p.ORV_MouseSopraAllaPagina(), 3);
    const QImage con = p.grab().toImage();
    // The first tab (highlighted) looks the same; the hovered third one lights up.
    const auto prima = p.EstensionePagina(0);
    EXPECT_EQ(senza.copy(prima.first, 0, prima.second - prima.first, 23), con.copy(prima.first, 0, prima.second - prima.first, 23));
    EXPECT_NE(senza.copy(terza.first, 0, terza.second - terza.first, 23), con.copy(terza.first, 0, terza.second - terza.first, 23));
    eventi::Clicca(&p, sopra);
    EXPECT_EQ(eventi, 1);
    EXPECT_EQ(scheda, 3);
    EXPECT_EQ(p.ORV_PaginaEvidenziata(), 0);  // the handler decides
    // Below the strip the tab under the pointer is kept.
    eventi::Muovi(&p, {sopra.x(), 100});
    EXPECT_EQ(p.ORV_MouseSopraAllaPagina(), 3);
}

}  // namespace
