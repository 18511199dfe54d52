#include "controls/Orvpannelloriducibile.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

namespace {

TEST(ORVPannelloRiducibile, IlPulsanteNellAngolo) {
    ORVPannelloRiducibile p;
    ASSERT_EQ(p.height(), 64);
    const QImage aperto = p.grab().toImage();
    eventi::Clicca(&p, {30, 10});  // beside the button
    EXPECT_TRUE(p.Stato());
    eventi::Clicca(&p, {10, 10});
    EXPECT_FALSE(p.Stato());
    EXPECT_EQ(p.height(), 24);
    eventi::Clicca(&p, {23, 23});  // the corner's far edge still counts
    EXPECT_TRUE(p.Stato());
    EXPECT_EQ(p.height(), 64);
    eventi::Clicca(&p, {10, 10}, Qt::RightButton);
    EXPECT_TRUE(p.Stato());

    // Both heights equal: only the corner image changes.
    p.SetAltezzaAperto(400);
    p.SetAltezzaChiuso(400);
    EXPECT_EQ(p.height(), 400);
    const QImage primo = p.grab().toImage();
    eventi::Clicca(&p, {10, 10});
    EXPECT_EQ(p.height(), 400);
    const QImage secondo = p.grab().toImage();
    EXPECT_NE(primo.copy(0, 0, 24, 26), secondo.copy(0, 0, 24, 26));
    EXPECT_EQ(primo.copy(30, 0, 500, 400), secondo.copy(30, 0, 500, 400));
    (void)aperto;
}

TEST(ORVPannelloRiducibile, SetterDelloStato) {
    ORVPannelloRiducibile p;
    p.SetStato(false);
    EXPECT_EQ(p.height(), 24);
    p.SetAltezzaAperto(100);  // applies its height whatever the state
    EXPECT_EQ(p.height(), 100);
    p.SetStato(true);
    EXPECT_EQ(p.height(), 100);
}

}  // namespace
