// The radio option of the check box and the state button: whatever the gesture, a member that
// was on stays on, and only a completed click turns one on.
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orvvideostato.h"

#include <gtest/gtest.h>

namespace {

enum class Gesto { Click, DoppioClick, RilascioFuori, ClickDestro };

void Esegui(MouseSintetico& m, Gesto g) {
    switch (g) {
    case Gesto::Click:
        m.Entra(10, 10);
        m.Click(10, 10);
        break;
    case Gesto::DoppioClick:
        m.Entra(10, 10);
        m.Click(10, 10);
        m.Doppio(10, 10);
        m.Rilascia(10, 10);
        break;
    case Gesto::RilascioFuori:
        m.Entra(10, 10);
        m.Premi(10, 10);
        m.Muovi(400, 300);
        m.Rilascia(400, 300);
        break;
    case Gesto::ClickDestro:
        m.Entra(10, 10);
        m.Click(10, 10, Qt::RightButton);
        break;
    }
}

struct Caso {
    Gesto gesto;
    bool prima;
    bool dopo;
    int click;
};

const Caso casi[] = {
    {Gesto::Click, false, true, 1},
    {Gesto::Click, true, true, 1},
    {Gesto::DoppioClick, false, true, 1},
    {Gesto::DoppioClick, true, true, 1},
    {Gesto::RilascioFuori, false, false, 0},
    {Gesto::RilascioFuori, true, true, 0},
    {Gesto::ClickDestro, false, false, 0},
    {Gesto::ClickDestro, true, true, 0},
};

template <class T>
class GruppoRadio : public ::testing::Test {};
using Controlli = ::testing::Types<ORV_2016_Check, ORVVideoStato>;
TYPED_TEST_SUITE(GruppoRadio, Controlli);

TYPED_TEST(GruppoRadio, NessunGestoSpegneIlMembroAcceso) {
    for (const Caso& c : casi) {
        TypeParam controllo;
        controllo.resize(120, 30);
        controllo.SetRadio(true);
        controllo.SetChecked(c.prima);
        int click = 0;
        bool accesoAlClick = false;
        controllo.OnClick = [&](QObject*) {
            ++click;
            accesoAlClick = controllo.Checked();
        };
        MouseSintetico m(&controllo);
        Esegui(m, c.gesto);
        SCOPED_TRACE(testing::Message() << "gesto " << int(c.gesto) << " prima " << c.prima);
        EXPECT_EQ(controllo.Checked(), c.dopo);
        EXPECT_EQ(click, c.click);
        if (c.click > 0) {
            EXPECT_TRUE(accesoAlClick);
        }
    }
}

TYPED_TEST(GruppoRadio, LaPressioneDaSolaNonCambiaNulla) {
    TypeParam controllo;
    controllo.resize(120, 30);
    controllo.SetRadio(true);
    MouseSintetico m(&controllo);
    m.Entra(10, 10);
    m.Premi(10, 10);
    EXPECT_FALSE(controllo.Checked());
    m.Rilascia(10, 10);
    EXPECT_TRUE(controllo.Checked());
}

TYPED_TEST(GruppoRadio, SenzaOpzioneIlDoppioClickInverteDueVolte) {
    TypeParam controllo;
    controllo.resize(120, 30);
    MouseSintetico m(&controllo);
    Esegui(m, Gesto::DoppioClick);
    EXPECT_FALSE(controllo.Checked());
}

}  // namespace
