#include "controls/ComuneControlli.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvvideobuttonsemplice.h"
#include "controls/Orvvideoscrollbar.h"
#include "controls/Orvvideoscrollbarnolista.h"
#include "controls/Orvvideotwocolors.h"
#include "controls/SkinFinestre.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>

#include <algorithm>

#include <functional>
#include <memory>

namespace {

// The brightest pixel a control paints on a dark panel: its caption, value or highlight.
int Luce(QWidget* w) {
    QPalette tavolozza = w->palette();
    tavolozza.setColor(QPalette::Window, QColor(0x2D, 0x2D, 0x2D));
    w->setPalette(tavolozza);
    w->setAutoFillBackground(true);
    const QImage im = w->grab().toImage();
    int massimo = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) massimo = std::max(massimo, qGray(im.pixel(x, y)));
    return massimo;
}

}  // namespace

// A disabled control is drawn dimmed, so a frozen setting reads as frozen.
TEST(VelaDisabilitato, EveryControlDimsWhenDisabled) {
    ORV_2016_Stile stile;
    const std::pair<const char*, std::function<QWidget*()>> controlli[] = {
        {"check", [&] { auto* c = new ORV_2016_Check; c->SetORV_Stile(&stile); c->SetCaption("JPG"); return c; }},
        {"label", [&] { auto* c = new ORV_2016_Label; c->SetORV_Stile(&stile); c->SetCaption("Durata:"); return c; }},
        {"button", [&] { auto* c = new ORV_2016_Button; c->SetORV_Stile(&stile); c->SetCaption("Cerca"); return c; }},
        {"lista", [&] { auto* c = new ORV_2016_Lista; c->SetORV_Stile(&stile); c->SetORV_Elenco({"25"}); return c; }},
        {"spin", [&] { auto* c = new ORV_2016_SpinNumber; c->SetORV_Stile(&stile); return c; }},
        {"slider", [] { return new ORVVideoScrollBarNoLista; }},
        {"font", [] { auto* c = new ORVVideoScrollBar; c->AggiungiValore("Carlito"); return c; }},
        {"colori", [] { return new ORVVideoTwoColors; }},
        {"bottone",
         [] {
             auto* c = new ORVVideoButtonSemplice;
             c->SetImmagine(ORVVideoButtonSemplice::Normale,
                            SkinFinestre::IconaBottone(SkinFinestre::Icona::Logo, StatoPulsante::Normale));
             return c;
         }},
    };
    for (const auto& [nome, crea] : controlli) {
        std::unique_ptr<QWidget> w(crea());
        const int acceso = Luce(w.get());
        w->setEnabled(false);
        EXPECT_LT(Luce(w.get()), acceso * 2 / 3) << nome;
        w->setEnabled(true);
        EXPECT_EQ(Luce(w.get()), acceso) << nome;
    }
}
