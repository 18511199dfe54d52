#include "app/Frm2principale.h"
#include "app/PortaFinta.h"
#include "common/CasaTemporanea.h"
#include "controls/Orv_2016_lista.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>

namespace {

void Attendi() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

struct Banco {
    CasaTemporanea casa;
    PortaFinta porta;
    Banco() {
        ImpostaCartelleUtente(casa.Sotto(QStringLiteral("dati")), casa.Sotto(QStringLiteral("documenti")),
                              QCoreApplication::applicationDirPath());
        ImpostazioniGlobali.LinguaCorrente = 1;
        ImpostazioniGlobali.TotaleFrame = 200;
    }
};

}  // namespace

TEST(Frm2principale, OpensOnTheDefaultsWithAPreviewOfFrameZero) {
    Banco b;
    TForm2Principale f(&b.porta);
    f.show();
    Attendi();
    EXPECT_EQ(f.size(), QSize(1281, 1024));
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 0);
    EXPECT_EQ(f.RenderingEseguiti(), 1);
    auto* anteprima = f.Controllo<QLabel>(QStringLiteral("ImmagineASchermo"));
    ASSERT_NE(anteprima, nullptr);
    EXPECT_EQ(anteprima->pixmap().size(), QSize(1120, 635));
    EXPECT_EQ(f.Controllo<ORV_2016_Lista>(QStringLiteral("IntroLista"))->Caption(), QStringLiteral("Intro 1 Semplice"));
    EXPECT_EQ(b.porta.Conta("ConsegnaImpostazioniCodec"), 1);
    f.close();
}
