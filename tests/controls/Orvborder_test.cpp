#include "controls/Orvborder.h"

#include "common/MouseSintetico.h"

#include <QCoreApplication>
#include <QCursor>

#include <gtest/gtest.h>

namespace {

// Events at a fixed place on the screen, wherever the strip has gone meanwhile.
void Evento(QWidget* w, QEvent::Type tipo, QPoint globale, Qt::MouseButton tasto, Qt::MouseButtons tenuti) {
    QCursor::setPos(globale);
    const QPointF locale = w->mapFromGlobal(QPointF(globale));
    QMouseEvent e(tipo, locale, locale, QPointF(globale), tasto, tenuti, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void Trascina(QWidget* w, QPoint da, QPoint a) {
    const QPoint g = w->mapToGlobal(da);
    Evento(w, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
    Evento(w, QEvent::MouseMove, g + (a - da) / 2, Qt::NoButton, Qt::LeftButton);
    Evento(w, QEvent::MouseMove, g + (a - da), Qt::NoButton, Qt::LeftButton);
    Evento(w, QEvent::MouseButtonRelease, g + (a - da), Qt::LeftButton, Qt::NoButton);
}

struct Finestra : ::testing::Test {
    QWidget finestra;
    ORVBorder alto{&finestra}, basso{&finestra}, sinistro{&finestra}, destro{&finestra};
    void SetUp() override {
        finestra.setGeometry(300, 200, 400, 300);
        finestra.setMinimumSize(200, 150);
        alto.SetAlign(Allineamento::Alto);
        basso.SetAlign(Allineamento::Basso);
        sinistro.SetAlign(Allineamento::Sinistra);
        destro.SetAlign(Allineamento::Destra);
        finestra.show();
        QCoreApplication::processEvents();
    }
    void Attendi() { QCoreApplication::processEvents(); }
};

TEST_F(Finestra, LeStriscePrendonoIlLoroBordo) {
    EXPECT_EQ(alto.geometry(), QRect(0, 0, 400, 5));
    EXPECT_EQ(basso.geometry(), QRect(0, 295, 400, 5));
    EXPECT_EQ(sinistro.geometry(), QRect(0, 5, 5, 290));
    EXPECT_EQ(destro.geometry(), QRect(395, 5, 5, 290));
    alto.SetStile(2);  // the dark title bar
    EXPECT_EQ(alto.geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(sinistro.geometry(), QRect(0, 30, 5, 265));
    alto.SetImmagine(ORVBorder::Sfondo, SkinTinta(20, 20, Qt::red));
    alto.SetStile(1);  // a background picture keeps the strip's size
    EXPECT_EQ(alto.height(), 30);
}

TEST_F(Finestra, TrascinareUnBordoRidimensionaLaFinestra) {
    Trascina(&destro, {2, 100}, {42, 100});
    Attendi();
    EXPECT_EQ(finestra.geometry(), QRect(300, 200, 440, 300));
    Trascina(&basso, {100, 2}, {100, -30});
    Attendi();
    EXPECT_EQ(finestra.geometry(), QRect(300, 200, 440, 268));
    Trascina(&sinistro, {2, 100}, {-48, 100});
    Attendi();
    EXPECT_EQ(finestra.geometry(), QRect(250, 200, 490, 268));
    // Past the minimum the opposite edge stays where it is.
    Trascina(&sinistro, {2, 100}, {600, 100});
    Attendi();
    EXPECT_EQ(finestra.geometry(), QRect(540, 200, 200, 268));
    Trascina(&alto, {100, 2}, {100, 500});
    Attendi();
    EXPECT_EQ(finestra.geometry(), QRect(540, 318, 200, 150));
    // Without ModificaDimensioni nothing moves.
    destro.SetModificaDimensioni(false);
    Trascina(&destro, {2, 100}, {82, 100});
    Attendi();
    EXPECT_EQ(finestra.width(), 200);
}

TEST_F(Finestra, LaBarraScuraSpostaLaFinestraEIlMirinoNonResta) {
    alto.SetStile(2);
    Attendi();
    MouseSintetico m(&alto);
    m.Entra(100, 10);
    const QPoint g = alto.mapToGlobal(QPoint(100, 10));
    Evento(&alto, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::CrossCursor);
    Evento(&alto, QEvent::MouseMove, g + QPoint(40, 25), Qt::NoButton, Qt::LeftButton);
    Evento(&alto, QEvent::MouseButtonRelease, g + QPoint(40, 25), Qt::LeftButton, Qt::NoButton);
    Attendi();
    EXPECT_EQ(finestra.pos(), QPoint(340, 225));
    EXPECT_EQ(finestra.size(), QSize(400, 300));
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
}

TEST_F(Finestra, CursoriEdEventiDiEntrataEUscita) {
    int entrate = 0, uscite = 0;
    for (ORVBorder* b : {&sinistro, &basso}) {
        b->OnMouseEnter = [&](QObject*) { ++entrate; };
        b->OnMouseLeave = [&](QObject*) { ++uscite; };
    }
    const struct {
        ORVBorder* bordo;
        bool modifica;
        Qt::CursorShape cursore;
    } casi[] = {{&sinistro, true, Qt::SizeHorCursor}, {&basso, true, Qt::SizeVerCursor},
                {&sinistro, false, Qt::ArrowCursor}, {&basso, false, Qt::ArrowCursor}};
    for (const auto& c : casi) {
        c.bordo->SetModificaDimensioni(c.modifica);
        MouseSintetico m(c.bordo);
        m.Entra(2, 2);
        EXPECT_EQ(CursoreApplicazione::Attuale(), c.cursore);
        m.Esci();
        EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    }
    EXPECT_EQ(entrate, 4);
    EXPECT_EQ(uscite, 4);  // also without ModificaDimensioni
}

TEST(ORVBorder, DisegnoDeiLatiEDelTitolo) {
    QWidget finestra;
    finestra.resize(400, 300);
    ORVBorder alto(&finestra);
    alto.SetStile(3);
    alto.SetAlign(Allineamento::Alto);
    alto.SetImmagine(ORVBorder::TopSx, SkinTinta(40, 30, Qt::blue));
    alto.SetImmagine(ORVBorder::TopCentro, SkinTinta(6, 30, Qt::black));
    alto.SetImmagine(ORVBorder::TopDx, SkinTinta(12, 30, Qt::green));
    alto.SetCaption("Quenvox");
    const QImage im = alto.grab().toImage();
    EXPECT_EQ(im.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(im.pixel(399, 29), qRgb(0, 255, 0));
    // The caption sits in the middle of the span between the two pieces.
    int primo = 400, ultimo = -1;
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 30; ++y)
            if (qRed(im.pixel(x, y)) > 100 && qRed(im.pixel(x, y)) == qGreen(im.pixel(x, y))) {
                primo = std::min(primo, x);
                ultimo = std::max(ultimo, x);
            }
    ASSERT_LT(primo, ultimo);
    EXPECT_NEAR((primo + ultimo) / 2.0, 40 + (400 - 40 - 12) / 2.0, 3);

    // A light left strip: five columns from dark to light to dark.
    ORVBorder sinistro(&finestra);
    sinistro.SetAlign(Allineamento::Sinistra);
    const QImage s = sinistro.grab().toImage();
    ASSERT_EQ(s.width(), 5);
    const QRgb attesi[] = {qRgb(0x98, 0x98, 0x98), qRgb(0xF0, 0xF0, 0xF0), qRgb(0xE0, 0xE0, 0xE0),
                           qRgb(0xD0, 0xD0, 0xD0), qRgb(0x98, 0x98, 0x98)};
    for (int x = 0; x < 5; ++x) EXPECT_EQ(s.pixel(x, 100), attesi[x]) << x;
}

}  // namespace
