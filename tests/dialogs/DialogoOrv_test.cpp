// The protocol every dialog follows, through real modal runs answered by timers.
#include "dialogs/DialogoOrv.h"

#include "AiutoModale.h"

#include "common/EventiFinestre.h"
#include "controls/GeometriaForm.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class Prova : public DialogoOrv {
public:
    Prova() { resize(400, 300); }
    using DialogoOrv::ChiudiCon;
    int Esegui() { return EseguiModale(); }
    bool veto = false;
    int testiApplicati = 0;

protected:
    void ApplicaTesti() override { ++testiApplicati; }
    bool PuoChiudere() const override { return !veto; }
};

// Runs the dialog; risposta acts once the modal loop is running.
int Esegui(Prova& d, const std::function<void()>& risposta) {
    return EseguiModale(d, risposta, [&d] { return d.Esegui(); });
}

void PremiChiudiCornice(Prova& d) {
    ORVForm* f = d.Cornice();
    const PulsantiForm pulsanti = f->Pulsanti();
    const int x = PosizionaPulsanti(pulsanti, f->width()).xChiudi + pulsanti.larghezzaChiudi / 2;
    const QPoint punto(x, pulsanti.top + pulsanti.altezzaBanda / 2);
    eventi::Entra(f, punto);
    eventi::Clicca(f, punto);
}

TEST(DialogoOrv, OgniModoDiChiudereDaIlSuoRisultato) {
    struct Caso {
        const char* nome;
        std::function<void(Prova&)> chiudi;
        int atteso;
    };
    const Caso casi[] = {
        {"pulsante Si", [](Prova& d) { d.ChiudiCon(RisultatoSi); }, 6},
        {"pulsante Ok", [](Prova& d) { d.ChiudiCon(RisultatoOk); }, 1},
        {"Esc", [](Prova& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0},
        {"chiudi della cornice",
         [](Prova& d) {
             d.Cornice()->SetBtnVisibleClose(true);
             PremiChiudiCornice(d);
         },
         0},
        {"Invio non fa nulla",
         [](Prova& d) {
             QTest::keyClick(&d, Qt::Key_Return);
             QTest::keyClick(&d, Qt::Key_Enter);
             EXPECT_TRUE(d.isVisible());
             d.ChiudiCon(RisultatoNo);
         },
         7},
    };
    for (const Caso& c : casi) {
        Prova d;
        // An earlier answer never leaks into the next run.
        EXPECT_EQ(Esegui(d, [&d] { d.ChiudiCon(RisultatoSi); }), 6);
        EXPECT_EQ(Esegui(d, [&] { c.chiudi(d); }), c.atteso) << c.nome;
        EXPECT_EQ(d.Risultato(), c.atteso) << c.nome;
        EXPECT_FALSE(d.isVisible()) << c.nome;
    }
}

TEST(DialogoOrv, IlVetoTieneApertaLaFinestraMaNonIlPulsante) {
    Prova d;
    d.veto = true;
    d.Cornice()->SetBtnVisibleClose(true);
    bool apertaDopoEsc = false, apertaDopoChiudi = false;
    const int r = Esegui(d, [&] {
        QTest::keyClick(&d, Qt::Key_Escape);
        apertaDopoEsc = d.isVisible();
        PremiChiudiCornice(d);
        apertaDopoChiudi = d.isVisible();
        d.ChiudiCon(RisultatoOk);
    });
    EXPECT_TRUE(apertaDopoEsc);
    EXPECT_TRUE(apertaDopoChiudi);
    EXPECT_EQ(r, 1);
}

TEST(DialogoOrv, InizializzaUltimaChiamataVinceELinguaFuoriDaiLimitiInglese) {
    Prova d;
    EXPECT_EQ(d.LinguaDialogo(), 0);
    d.Inizializza(3, false, "A", "B");
    d.Inizializza(0, true, "QV", "Intro");
    EXPECT_EQ(d.LinguaDialogo(), 0);
    EXPECT_TRUE(d.Cornice()->Lato1Alternativo());
    EXPECT_EQ(d.Cornice()->Lato1AlternativoCaption1(), "QV");
    EXPECT_EQ(d.Cornice()->Lato1AlternativoCaption2(), "Intro");
    EXPECT_EQ(d.testiApplicati, 2);

    for (int lingua : {-1, 5, 99}) {
        d.Inizializza(lingua, true, "QV", "Intro");
        EXPECT_EQ(d.LinguaDialogo(), 1) << lingua;
    }
    for (int lingua = 0; lingua <= 4; ++lingua) EXPECT_EQ(LinguaDialogoValida(lingua), lingua);
}

TEST(DialogoOrv, CorniceEClientCopronoLaFinestra) {
    Prova d;
    d.resize(643, 393);
    d.show();
    QApplication::processEvents();
    EXPECT_EQ(d.Cornice()->geometry(), d.rect());
    EXPECT_TRUE(d.Cornice()->rect().contains(d.Client()->geometry()));
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::FramelessWindowHint));
}

}  // namespace
