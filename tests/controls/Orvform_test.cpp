#include "controls/Orvform.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

#include <QScreen>

namespace {

TEST(ORVForm, RegioneArrotondata) {
    const QRegion r = RegioneArrotondata(QSize(800, 600));
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, 800, 600));
    for (QPoint dentro : {QPoint(400, 300), QPoint(0, 300), QPoint(799, 300), QPoint(400, 0), QPoint(7, 0),
                          QPoint(3, 3)})
        EXPECT_TRUE(r.contains(dentro)) << dentro.x() << "," << dentro.y();
    for (QPoint fuori : {QPoint(0, 0), QPoint(799, 0), QPoint(0, 599), QPoint(799, 599), QPoint(1, 1)})
        EXPECT_FALSE(r.contains(fuori)) << fuori.x() << "," << fuori.y();
    EXPECT_TRUE(RegioneArrotondata(QSize(0, 10)).isEmpty());
}

// A frameless window covered by its frame, on the test screen.
struct Finestra {
    QWidget finestra;
    ORVForm* form;
    explicit Finestra(QRect geometria = QRect(20, 20, 500, 450)) {
        form = new ORVForm(&finestra);
        finestra.setGeometry(geometria);
        finestra.show();
        QApplication::processEvents();
    }
    int W() const { return form->width(); }
};

TEST(ORVForm, CopreLaFinestraESeguelaMisura) {
    Finestra f;
    EXPECT_TRUE(f.finestra.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f.form->geometry(), f.finestra.rect());
    EXPECT_EQ(f.finestra.mask().boundingRect(), QRect(0, 0, 500, 450));
    f.finestra.resize(600, 420);
    QApplication::processEvents();
    EXPECT_EQ(f.form->size(), QSize(600, 420));
    EXPECT_EQ(f.finestra.mask().boundingRect(), QRect(0, 0, 600, 420));
}

TEST(ORVForm, DoppiaPressioneNelTitolo) {
    Finestra f;
    const QRect prima = f.finestra.geometry();
    auto premiRilascia = [&](quint64 t) {
        eventi::Premi(f.form, {100, 12}, Qt::LeftButton, t);
        eventi::Rilascia(f.form, {100, 12}, Qt::LeftButton, t);
    };
    premiRilascia(1000);
    premiRilascia(1200);  // 200 ms: a drag, not a double press
    EXPECT_FALSE(f.form->Massimizzato());
    premiRilascia(1399);  // 199 ms after the previous one
    EXPECT_TRUE(f.form->Massimizzato());
    EXPECT_EQ(f.finestra.geometry(), f.finestra.screen()->geometry());
    premiRilascia(5000);
    premiRilascia(5150);
    EXPECT_FALSE(f.form->Massimizzato());
    EXPECT_EQ(f.finestra.geometry(), prima);
    // Below the title band a quick pair does nothing.
    eventi::Premi(f.form, {3, 200}, Qt::LeftButton, 9000);
    eventi::Rilascia(f.form, {3, 200}, Qt::LeftButton, 9000);
    eventi::Premi(f.form, {3, 200}, Qt::LeftButton, 9050);
    eventi::Rilascia(f.form, {3, 200}, Qt::LeftButton, 9050);
    EXPECT_FALSE(f.form->Massimizzato());
}

TEST(ORVForm, ChiudeSoloAlRilascioSulPulsante) {
    Finestra f;
    f.form->SetBtnVisibleClose(true);
    const QPoint chiudi(f.W() - 12 - 10, 20);
    eventi::Entra(f.form, chiudi);
    // Released elsewhere: stays open.
    eventi::Premi(f.form, chiudi);
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaChiudi);
    eventi::Rilascia(f.form, {100, 20});
    EXPECT_TRUE(f.finestra.isVisible());
    // A right press never closes.
    eventi::Clicca(f.form, chiudi, Qt::RightButton);
    EXPECT_TRUE(f.finestra.isVisible());
    // Leaving the button while pressed shows it idle; coming back and releasing closes.
    eventi::Premi(f.form, chiudi);
    eventi::Muovi(f.form, {f.W() - 60, 20}, Qt::LeftButton);
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaNessuna);
    eventi::Muovi(f.form, chiudi, Qt::LeftButton);
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaChiudi);
    eventi::Rilascia(f.form, chiudi);
    EXPECT_FALSE(f.finestra.isVisible());
    EXPECT_FALSE(f.form->Premuto());
}

TEST(ORVForm, PressioneDestraSulloSchermoIntero) {
    Finestra f;
    f.form->SetBtnVisibleMaximize(true);
    f.form->SetBtnVisibleClose(true);
    const QPoint pieno(f.W() - 12 - 20 - 10, 20);
    eventi::Clicca(f.form, pieno, Qt::RightButton);
    EXPECT_TRUE(f.form->Massimizzato());
    QApplication::processEvents();
    eventi::Clicca(f.form, {f.W() - 12 - 20 - 10, 20}, Qt::LeftButton);
    EXPECT_FALSE(f.form->Massimizzato());
}

TEST(ORVForm, TrascinaTitoloEBordi) {
    Finestra f(QRect(20, 20, 500, 450));
    // The title band moves the window with the pointer; the release leaves nothing pressed.
    eventi::Premi(f.form, {100, 12});
    eventi::Muovi(f.form, {130, 22}, Qt::LeftButton);
    EXPECT_EQ(f.finestra.pos(), QPoint(50, 30));
    eventi::Rilascia(f.form, {130, 22});
    EXPECT_FALSE(f.form->Premuto());
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaNessuna);

    // The right edge, down to the minimum width.
    f.form->SetDimWidthMinima(420);
    eventi::Premi(f.form, {497, 200});
    eventi::Muovi(f.form, {300, 200}, Qt::LeftButton);
    eventi::Rilascia(f.form, {300, 200});
    EXPECT_EQ(f.finestra.geometry(), QRect(50, 30, 420, 450));

    // Not resizable: the edges do nothing, the title band still drags.
    f.form->SetDimensionabile(false);
    eventi::Premi(f.form, {2, 200});
    eventi::Muovi(f.form, {-40, 200}, Qt::LeftButton);
    eventi::Rilascia(f.form, {-40, 200});
    EXPECT_EQ(f.finestra.geometry(), QRect(50, 30, 420, 450));
    eventi::Premi(f.form, {100, 12});
    eventi::Muovi(f.form, {90, 12}, Qt::LeftButton);
    eventi::Rilascia(f.form, {90, 12});
    EXPECT_EQ(f.finestra.pos(), QPoint(40, 30));
}

TEST(ORVForm, PassaggioSuiPulsanti) {
    Finestra f;
    eventi::Muovi(f.form, {f.W() - 22, 20});
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaNessuna);  // no button shown
    f.form->SetBtnVisibleMinimize(true);
    f.form->SetBtnVisibleClose(true);
    eventi::Entra(f.form, {f.W() - 22, 20});
    eventi::Muovi(f.form, {f.W() - 22, 20});
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaChiudi);
    eventi::Muovi(f.form, {f.W() - 42, 20});
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaMinimizza);  // the hidden full-screen button takes no room
    eventi::Muovi(f.form, {f.W() - 42, 40});
    EXPECT_EQ(f.form->ZonaAttiva(), ZonaNessuna);
}

TEST(ORVForm, SettersSenzaEventiEDisegnoDelTitolo) {
    ORVForm form;
    form.resize(400, 200);
    const QImage prima = form.grab().toImage();
    form.SetLato1Alternativo(true);
    form.SetLato1AlternativoCaption1("QV");
    form.SetLato1AlternativoCaption2("Intro");
    EXPECT_EQ(form.Lato1AlternativoCaption1(), "QV");
    const QImage dopo = form.grab().toImage();
    EXPECT_NE(prima, dopo);
    // The first word is drawn in its own colour right of the corner and logo.
    const QColor rosso = ColoreDaTColor(form.Lato1AlternativoCaptionColor1());
    bool trovato = false;
    const int inizio = form.Immagine(ORVForm::Lato1AltroAngolo).width() + form.Immagine(ORVForm::Lato1AltroLogo).width();
    for (int x = inizio; x < inizio + 30 && !trovato; ++x)
        for (int y = 0; y < 39 && !trovato; ++y) trovato = dopo.pixelColor(x, y) == rosso;
    EXPECT_TRUE(trovato);
}

}  // namespace
