#include "controls/Orvtimeline.h"

#include "RigheTimeline.h"
#include "common/MouseSintetico.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

constexpr int YRighello = 45;

TEST(ORVTimeLine, ClickSulRighelloImpostaIlFrame) {
    ORVTimeLine t;
    t.grab();
    EXPECT_EQ(t.Frame(), 1);  // frame 0 is shown and kept as 1
    int frameAlClick = -1;
    t.OnClick = [&](QObject*) { frameAlClick = t.Frame(); };
    const int x = XDaFrame(t.Vista(), 50);
    MouseSintetico m(&t);
    m.Premi(x, YRighello);
    EXPECT_TRUE(t.Trascinamento());
    EXPECT_EQ(t.FrameTrascinamento(), 50);  // the frame shown while pressed ...
    m.Rilascia(x, YRighello);
    EXPECT_EQ(t.Frame(), 50);  // ... is the one set
    EXPECT_EQ(frameAlClick, 50);
    EXPECT_FALSE(t.Trascinamento());

    // Released past the lane: the last frame in view, never beyond it.
    m.Premi(x, YRighello);
    m.Muovi(t.width() + 200, YRighello);
    m.Rilascia(t.width() + 200, YRighello);
    EXPECT_EQ(t.Frame(), 299);
    // A press left of the lane sets nothing.
    m.Click(60, YRighello);
    EXPECT_EQ(t.Frame(), 299);
}

struct Trascinamento : ::testing::Test {
    ORVTimeLine t;
    MouseSintetico m{&t};
    // The middle of a bar's drawn span.
    int XBarra(int primo, int ultimo) const {
        const BarraTimeline b = Barra(t.Vista(), primo, ultimo);
        return (b.sinistra + b.destra) / 2;
    }
};

TEST_F(Trascinamento, UnElementoSiSpostaECambiaTraccia) {
    t.SetListaElementiInTimeLine({RigaElemento(3, 7, 9, 29, "Mare")});
    const int x = XBarra(9, 29);
    m.Premi(x, 190);
    EXPECT_EQ(t.MouseSopraElemento(), 1);
    EXPECT_EQ(t.MouseSopraElementoID(), 7);
    EXPECT_EQ(t.MouseSopraTipoTraccia(), 3);
    EXPECT_TRUE(t.Modificato());
    // Inside the dead zone nothing moves.
    const QString prima = t.ListaElementiInTimeLine()[0];
    m.Muovi(x + 8, 190);
    EXPECT_EQ(t.ListaElementiInTimeLine()[0], prima);
    // Out of it the element starts at the pointer's frame, on track 4 below y 211.
    const int xNuova = XDaFrame(t.Vista(), 101);
    m.Muovi(xNuova, 230);
    ElementoTimeLine e = LeggiElemento(t.ListaElementiInTimeLine()[0]);
    EXPECT_EQ(e.traccia, 4);
    EXPECT_EQ(e.primo, 100);
    EXPECT_EQ(e.ultimo, 120);
    m.Muovi(xNuova, 190);
    e = LeggiElemento(t.ListaElementiInTimeLine()[0]);
    EXPECT_EQ(e.traccia, 3);
    m.Rilascia(xNuova, 190);
    EXPECT_EQ(t.Frame(), 101);
    // The rest of the line is untouched.
    QString attesa = prima;
    attesa.replace(16, 6, "000100").replace(23, 6, "000120");
    EXPECT_EQ(t.ListaElementiInTimeLine()[0], attesa);
}

TEST_F(Trascinamento, UnoSpostamentoRifiutatoLasciaLaListaIntatta) {
    const QStringList lista = {RigaElemento(3, 1, 9, 29), RigaElemento(4, 2, 95, 140), RigaElemento(3, 3, 60, 80)};
    t.SetListaElementiInTimeLine(lista);
    const int x = XBarra(9, 29);
    m.Premi(x, 190);
    // Onto the element of track 4, and onto the other one of its own track.
    for (const QPoint p : {QPoint(XDaFrame(t.Vista(), 101), 230), QPoint(XDaFrame(t.Vista(), 65), 190),
                           QPoint(XDaFrame(t.Vista(), 51), 190)}) {
        m.Muovi(p.x(), p.y());
        EXPECT_EQ(t.ListaElementiInTimeLine(), lista) << p.x() << "," << p.y();
    }
    m.Rilascia(x, 190);
}

TEST(ORVTimeLine, TastoDestroNascondeIlCursore) {
    ORVTimeLine t;
    t.SetListaElementiInTimeLine({RigaElemento(1, 4, 49, 99)});
    t.SetFrame(30);
    const int xc = XDaFrame(t.Vista(), 30);
    auto lineaCursore = [&] { return t.grab().toImage().pixel(xc, 150); };
    const QRgb con = lineaCursore();
    EXPECT_EQ(con, qRgb(0xFF, 0, 0));  // frame 30 is no element's end: red
    MouseSintetico m(&t);
    const BarraTimeline b = Barra(t.Vista(), 49, 99);
    m.Click(b.sinistra + 5, 90, Qt::RightButton);
    EXPECT_EQ(t.MouseSopraElementoID(), 4);
    EXPECT_NE(lineaCursore(), con);
    m.Click(60, YRighello);  // a left press in the ruler row shows it again
    EXPECT_EQ(lineaCursore(), con);
    t.SetFrame(50);  // an element's first frame: green
    EXPECT_EQ(t.grab().toImage().pixel(XDaFrame(t.Vista(), 50), 150), qRgb(0, 0xFF, 0));
}

TEST(ORVTimeLine, BarraColorataEScelta) {
    ORVTimeLine t;
    t.SetListaElementiInTimeLine({RigaElemento(2, 3, 19, 99, "x", 200, 40, 10)});
    const BarraTimeline b = Barra(t.Vista(), 19, 99);
    const QPoint dentro(b.sinistra + 3, 122 + 30);
    EXPECT_EQ(t.grab().toImage().pixel(dentro), qRgb(200, 40, 10));
    MouseSintetico m(&t);
    m.Premi(dentro.x(), dentro.y());
    EXPECT_EQ(t.grab().toImage().pixel(dentro), qRgb(255, 104, 74));  // picked: 64 brighter
    m.Rilascia(dentro.x(), dentro.y());
}

TEST(ORVTimeLine, PulsantiEBarraDelloZoom) {
    ORVTimeLine t;
    t.grab();
    MouseSintetico m(&t);
    const int y = t.height() - 25;
    m.Muovi(95, y);
    m.Click(95, y);
    EXPECT_EQ(t.LenteZoom(), 310);
    EXPECT_EQ(t.LenteZoomMassima(), 310);
    EXPECT_EQ(t.FrameFinale(), 311);
    m.Muovi(45, y);
    m.Click(45, y);
    m.Click(45, y);
    EXPECT_EQ(t.LenteZoom(), 290);
    EXPECT_EQ(t.LenteZoomMassima(), 310);
    // The zoom bar: its right end is the largest zoom, its left end a zoom of 1.
    const int yb = t.height() - 11;
    m.Muovi(110, yb);
    m.Click(110, yb);
    EXPECT_EQ(t.LenteZoom(), 310);
    m.Muovi(34, yb);
    m.Click(34, yb);
    EXPECT_EQ(t.LenteZoom(), 1);
    EXPECT_EQ(t.FrameFinale(), 2);
    t.grab();
}

TEST(ORVTimeLine, ScorrimentoSoloConElementiFuoriVista) {
    ORVTimeLine t;
    t.grab();
    MouseSintetico m(&t);
    const int y = t.height() - 25, xDx = t.width() - 30;
    m.Muovi(xDx, y);
    m.Click(xDx, y);
    EXPECT_EQ(t.FrameIniziale(), 1);
    t.SetListaElementiInTimeLine({RigaElemento(5, 1, 0, 301)});
    EXPECT_TRUE(t.ElementiFuoriVista());
    m.Click(xDx, y);
    m.Click(xDx, y);
    EXPECT_EQ(t.FrameIniziale(), 3);
    EXPECT_EQ(t.FrameFinale(), 302);
    m.Click(xDx, y);  // the last used frame is in view: no further
    EXPECT_EQ(t.FrameFinale(), 302);
    m.Muovi(140, y);
    m.Click(140, y);
    EXPECT_EQ(t.FrameIniziale(), 2);
}

// The ruler lists no more marks than it has pixels (GeometriaTimeline), so even a span of two
// billion frames draws at once.
TEST(ORVTimeLine, ValoriEstremiSiDisegnano) {
    ORVTimeLine t;
    t.SetListaElementiInTimeLine({RigaElemento(3, 1, 0, 999999), RigaElemento(9, 2, 0, 10), QStringLiteral("  1")});
    for (const auto& [inizio, fine, fps] : {std::tuple{1, 2000000000, 25}, std::tuple{-5, 10, 0},
                                             std::tuple{1, 1, -25}, std::tuple{100, 40, 1}}) {
        t.SetFrameIniziale(inizio);
        t.SetFrameFinale(fine);
        t.SetFrameRate(fps);
        EXPECT_FALSE(t.grab().isNull()) << inizio << ".." << fine << " at " << fps;
    }
    t.resize(120, 340);  // narrower than the lane's margins
    EXPECT_FALSE(t.grab().isNull());
}

}  // namespace

namespace {

TEST(ORVTimeLine, RiempieIlGenitore) {
    QWidget genitore;
    genitore.resize(900, 420);
    ORVTimeLine t(&genitore);
    EXPECT_EQ(t.geometry(), QRect(0, 0, 900, 420));
    t.SetAlign(Allineamento::Nessuno);
    t.resize(300, 340);
    genitore.show();
    genitore.resize(1000, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(t.size(), QSize(300, 340));
}

}  // namespace
