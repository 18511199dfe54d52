#include "controls/Orvheader.h"

#include "common/EventiFinestre.h"

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QStackedWidget>
#include <QToolTip>

namespace {

struct Header : ::testing::Test {
    ORVHeader h;
    int eventi = 0;
    int attivoAllEvento = -1;
    void SetUp() override {
        h.CreaBitmap(40);
        h.resize(700, 300);
        h.SetORV_Pannelli({"Dati Progetto", "Sfondo", "Testo da scrivere", "Stile Carattere", "Effetti",
                           "Dati per Intro"});
        h.OnCambioPagina = [&](QObject* mittente) {
            EXPECT_EQ(mittente, &h);
            ++eventi;
            attivoAllEvento = h.ORV_PannelloAttivo();
        };
    }
};

TEST_F(Header, SetterLimitaSenzaEventi) {
    const struct {
        int dato, atteso;
    } casi[] = {{0, 1}, {99, 6}, {4, 4}, {-3, 1}, {6, 6}};
    for (const auto& c : casi) {
        h.SetORV_PannelloAttivo(c.dato);
        EXPECT_EQ(h.ORV_PannelloAttivo(), c.atteso) << c.dato;
    }
    h.SetORV_Pannelli({});
    h.SetORV_PannelloAttivo(0);
    EXPECT_EQ(h.ORV_PannelloAttivo(), 0);
    h.SetORV_PannelloAttivo(99);
    EXPECT_EQ(h.ORV_PannelloAttivo(), 0);
    EXPECT_EQ(eventi, 0);
}

TEST_F(Header, ClickSulleSchede) {
    const RigaSchede riga = h.Riga();
    ASSERT_EQ(riga.schede.size(), 6);
    // The 40-high pieces: left end and separators 35, right end 30.
    EXPECT_EQ(riga.schede[1].inizio - riga.schede[0].inizio, 35 + riga.schede[0].larghezzaTesto);
    EXPECT_EQ(riga.schede[5].fine, riga.xFinale + 30);

    eventi::Clicca(&h, {riga.schede[1].inizio, 20});  // where two tabs touch, the later one wins
    EXPECT_EQ(h.ORV_PannelloAttivo(), 2);
    EXPECT_EQ(eventi, 1);
    eventi::Clicca(&h, {riga.schede[2].inizio + 5, 20});
    EXPECT_EQ(attivoAllEvento, 3);
    eventi::Clicca(&h, {riga.schede[2].inizio + 5, 20});  // the active tab again: fires again
    EXPECT_EQ(eventi, 3);
    EXPECT_EQ(attivoAllEvento, 3);

    eventi::Clicca(&h, {riga.schede[0].inizio + 20, 5});    // above the band
    eventi::Clicca(&h, {riga.schede[5].fine + 1, 20});      // past the row
    eventi::Clicca(&h, {riga.schede[0].inizio + 20, 20}, Qt::RightButton);
    EXPECT_EQ(eventi, 3);
    EXPECT_EQ(h.ORV_PannelloAttivo(), 3);
    eventi::Clicca(&h, {riga.schede[0].inizio + 20, 6});
    EXPECT_EQ(h.ORV_PannelloAttivo(), 1);
}

TEST_F(Header, PagineDentroIlBordo) {
    h.SetBorderWidth(34);
    EXPECT_EQ(h.Pagine()->geometry(), QRect(34, 34, 700 - 68, 300 - 68));
    h.resize(500, 200);
    QResizeEvent e(QSize(500, 200), QSize(700, 300));
    QApplication::sendEvent(&h, &e);
    EXPECT_EQ(h.Pagine()->geometry(), QRect(34, 34, 500 - 68, 200 - 68));
}

TEST_F(Header, SchedaAttivaSiVede) {
    // Only the pieces of the active tab change the picture.
    const QImage uno = h.grab().toImage();
    h.SetORV_PannelloAttivo(2);
    const QImage due = h.grab().toImage();
    EXPECT_NE(uno, due);
    EXPECT_EQ(uno.copy(0, 40, 700, 260), due.copy(0, 40, 700, 260));
    // No captions: only the frame, the same whichever tab was active.
    h.SetORV_Pannelli({});
    const QImage vuoto = h.grab().toImage();
    h.SetORV_PannelloAttivo(1);
    EXPECT_EQ(vuoto, h.grab().toImage());
}

}  // namespace

TEST_F(Header, UnaRigaPiuLargaDelHeaderTagliaLeDidascalieEOgniSchedaResta) {
    const QString lunga = "Per Intro 2 e 3 (Logo oscillante, cadente)";
    h.SetORV_Pannelli({"Interfaccia", "Sfondi", lunga, "Laser"});
    const int intera = h.Riga().schede.back().fine;
    ASSERT_LT(intera, 700);
    EXPECT_EQ(h.CaptionMostrata(2), lunga);

    h.resize(intera - 60, 300);
    const RigaSchede riga = h.Riga();
    EXPECT_LE(riga.schede.back().fine, h.width() - InizioSchede);
    // Only the long caption gives way; the others stay whole.
    EXPECT_EQ(h.CaptionMostrata(0), QStringLiteral("Interfaccia"));
    EXPECT_EQ(h.CaptionMostrata(3), QStringLiteral("Laser"));
    EXPECT_TRUE(h.CaptionMostrata(2).endsWith(QChar(0x2026))) << h.CaptionMostrata(2).toStdString();
    EXPECT_LE(LarghezzaTesto(h.font(), h.CaptionMostrata(2)), riga.schede[2].larghezzaTesto);

    // The last tab is still there for a click, and the cut one says its whole caption.
    eventi::Clicca(&h, {riga.schede[3].xTesto + 5, 20});
    EXPECT_EQ(h.ORV_PannelloAttivo(), 4);
    QHelpEvent suggerimento(QEvent::ToolTip, QPoint(riga.schede[2].xTesto + 5, 20),
                            h.mapToGlobal(QPoint(riga.schede[2].xTesto + 5, 20)));
    QApplication::sendEvent(&h, &suggerimento);
    EXPECT_EQ(QToolTip::text(), lunga);
    QToolTip::hideText();
}
