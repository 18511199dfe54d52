#include "controls/GeometriaTimeline.h"

#include "RigheTimeline.h"

#include <gtest/gtest.h>

namespace {

TEST(GeometriaTimeline, TracciaDaY) {
    const struct {
        int y, traccia;
    } casi[] = {{71, 0},  {72, 1},  {111, 1}, {112, 0}, {121, 0}, {122, 2}, {161, 2}, {162, 0}, {171, 0},
                {172, 3}, {210, 3}, {211, 4}, {250, 4}, {251, 0}, {259, 0}, {260, 5}, {299, 5}, {300, 0}};
    for (const auto& c : casi) EXPECT_EQ(TracciaDaY(c.y), c.traccia) << c.y;
}

TEST(GeometriaTimeline, LeggiCampo) {
    const struct {
        const char* riga;
        int inizio, larghezza;
        qint64 valore;
    } casi[] = {{"  12", 0, 4, 12}, {" -5 ", 0, 4, -5}, {"+7x9", 0, 4, 7}, {"abc", 0, 3, 0},
                {"12", 5, 3, 0},    {"1 2", 0, 3, 1},   {"999999", 0, 6, 999999}, {"   ", 0, 3, 0}};
    for (const auto& c : casi)
        EXPECT_EQ(LeggiCampo(QString::fromLatin1(c.riga), c.inizio, c.larghezza), c.valore) << c.riga;
}

TEST(GeometriaTimeline, LeggiElementoDalleColonne) {
    const ElementoTimeLine e =
        LeggiElemento(RigaElemento(4, 17, 120, 249, "Ponte", 200, 10, 30, '0', 65, "Esterno"));
    EXPECT_EQ(e.traccia, 4);
    EXPECT_EQ(e.id, 17);
    EXPECT_EQ(e.primo, 120);
    EXPECT_EQ(e.ultimo, 249);
    EXPECT_EQ(e.nome.trimmed(), "Ponte");
    EXPECT_EQ(e.rosso, 200);
    EXPECT_EQ(e.verde, 10);
    EXPECT_EQ(e.blu, 30);
    EXPECT_EQ(e.stato, QLatin1Char('0'));
    EXPECT_EQ(e.progresso, 65);
    EXPECT_EQ(e.secondoTesto.trimmed(), "Esterno");
    // A line cut short reads its missing columns as empty.
    const ElementoTimeLine corta = LeggiElemento(QStringLiteral("  3   42"));
    EXPECT_EQ(corta.traccia, 3);
    EXPECT_EQ(corta.id, 42);
    EXPECT_EQ(corta.ultimo, 0);
}

TEST(GeometriaTimeline, RiscriviElementoTocca_SoloLeColonne) {
    const QString riga = RigaElemento(3, 5, 10, 30, "Clip", 1, 2, 3, '1', 0, "coda");
    const auto nuova = RiscriviElemento(riga, 99, 119, 4);
    ASSERT_TRUE(nuova);
    EXPECT_EQ(nuova->mid(16, 6), "000099");
    EXPECT_EQ(nuova->mid(23, 6), "000119");
    EXPECT_EQ(nuova->mid(0, 3), "  4");
    QString attesa = riga;
    attesa.replace(16, 6, "000099").replace(23, 6, "000119").replace(2, 1, "4");
    EXPECT_EQ(*nuova, attesa);
    // A number that would not fit its column refuses the rewrite.
    EXPECT_FALSE(RiscriviElemento(riga, 999990, 1000010, 3));
    EXPECT_FALSE(RiscriviElemento(riga, -1, 10, 3));
}

TEST(GeometriaTimeline, PossoSpostare) {
    const std::vector<ElementoTimeLine> el = LeggiElementi({RigaElemento(3, 1, 100, 200), RigaElemento(3, 2, 300, 400),
                                                            RigaElemento(4, 3, 150, 250)});
    const struct {
        int traccia, indice;
        qint64 primo, ultimo;
        int atteso;
    } casi[] = {
        {3, 1, 200, 300, 1},  // touches both ends
        {3, 1, 50, 100, 1},   // touches the start
        {3, 1, 150, 250, 0},  // starts inside
        {3, 1, 50, 150, 0},   // ends inside
        {3, 1, 50, 250, 0},   // covers
        {3, 1, 120, 180, 0},  // inside
        {3, 1, 100, 200, 0},  // the same span overlaps too
        {3, 0, 120, 180, 1},  // its own span does not count
        {3, 2, 0, 1000, 0},
        {5, 0, 0, 1000, 1},   // another track
    };
    for (const auto& c : casi)
        EXPECT_EQ(PossoSpostare(el, c.traccia, c.indice, c.primo, c.ultimo), c.atteso) << c.primo << "-" << c.ultimo;
}

TEST(GeometriaTimeline, SpostaElementoCambiaTracciaTra3e4) {
    const QStringList righe = {RigaElemento(3, 1, 9, 29), RigaElemento(4, 2, 9, 29), RigaElemento(1, 3, 9, 29),
                               RigaElemento(4, 4, 200, 220)};
    const auto el = LeggiElementi(righe);
    const struct {
        int indice, frame, y;
        std::optional<int> traccia;
    } casi[] = {
        {0, 101, 190, 3},          {0, 101, 212, 4},  {0, 101, 259, 4},  {0, 101, 211, 3},
        {1, 101, 230, 4},          {1, 101, 173, 3},  {1, 101, 209, 3},  {1, 101, 210, 4},
        {2, 101, 230, 1},          {0, 201, 230, std::nullopt},  // lands on element 4 of track 4
        {0, 201, 190, 3},
    };
    for (const auto& c : casi) {
        const auto nuova = SpostaElemento(el, righe, c.indice, c.frame, c.y);
        ASSERT_EQ(nuova.has_value(), c.traccia.has_value()) << c.indice << " " << c.y;
        if (!nuova) continue;
        const ElementoTimeLine e = LeggiElemento(*nuova);
        EXPECT_EQ(e.traccia, *c.traccia) << c.indice << " " << c.y;
        EXPECT_EQ(e.primo, c.frame - 1);
        EXPECT_EQ(e.ultimo, c.frame - 1 + 20);
    }
}

TEST(GeometriaTimeline, Zoom) {
    const struct {
        int da, fuori, dentro;
    } casi[] = {{100, 102, 98}, {101, 111, 91}, {400, 410, 390}, {950, 1000, 900}, {951, 1201, 701},
                {2, 4, 2},      {3, 5, 1},      {1, 3, 1}};
    for (const auto& c : casi) {
        EXPECT_EQ(ZoomFuori(c.da), c.fuori) << c.da;
        EXPECT_EQ(ZoomDentro(c.da), c.dentro) << c.da;
    }
    EXPECT_EQ(ZoomDaBarra(110, 300), 300);
    EXPECT_EQ(ZoomDaBarra(72, 300), 150);
    EXPECT_EQ(ZoomDaBarra(34, 300), 1);  // never a zoom of 0
    EXPECT_EQ(FineBarraZoom(300, 300), 109);
    EXPECT_EQ(FineBarraZoom(5000, 300), 110);  // set past the largest zoom: held in the bar
    EXPECT_EQ(FineBarraZoom(0, 0), 35);
}

TEST(GeometriaTimeline, CursoreScorrimentoNelSuoBinario) {
    const VistaTimeline v{1260, 1, 301};
    EXPECT_EQ(CursoreScorrimento(v, 1000), std::make_pair(136, 468));
    const auto [da, a] = CursoreScorrimento({1260, 900, 1200}, 1000);
    EXPECT_LE(a, 1260 - 16);
    EXPECT_GE(da, 135);
    const auto [da2, a2] = CursoreScorrimento({1260, -50, 250}, 0);
    EXPECT_GE(da2, 135);
    EXPECT_LE(a2, 1260 - 16);
}

TEST(GeometriaTimeline, TestoTempo) {
    const struct {
        qint64 n;
        int fps;
        const char* testo;
    } casi[] = {{1, 25, "00:00:00 Fr:01"},  {25, 25, "00:00:01 Fr:00"}, {1512, 25, "00:01:00 Fr:12"},
                {90000, 25, "01:00:00 Fr:00"}, {59, 30, "00:00:01 Fr:29"}, {25, 0, "25"}, {7, -3, "7"}};
    for (const auto& c : casi) EXPECT_EQ(TestoTempo(c.n, c.fps), c.testo) << c.n;
    EXPECT_EQ(EtichettaSecondi(3750, 25), "00:02:30");
}

TEST(GeometriaTimeline, UnaSolaCorrispondenzaTraXEFrame) {
    for (const VistaTimeline v : {VistaTimeline{1260, 1, 301}, VistaTimeline{1260, 40, 60}, VistaTimeline{900, 1, 5000}}) {
        for (qint64 f = v.frameIniziale; f < v.frameIniziale + SpanFrame(v); ++f) {
            const int x = XDaFrame(v, f);
            // The pixel of a frame that shares it with earlier ones maps to the first of them.
            if (XDaFrame(v, f - 1) == x) continue;
            EXPECT_EQ(FrameDaX(v, x), f) << v.frameFinale << " " << f;
        }
    }
    const VistaTimeline v{1260, 1, 301};
    EXPECT_EQ(FrameDaX(v, -500), 1);          // held in the lane
    EXPECT_EQ(FrameDaX(v, 5000), 300);        // the last frame in view
    EXPECT_EQ(FrameDaX({1260, -20, 10}, 133), 1);  // at least 1
    EXPECT_EQ(SpanFrame({1260, 50, 10}), 1);
}

TEST(GeometriaTimeline, Barre) {
    const VistaTimeline v{1260, 101, 401};  // P = 1117 / 300
    const double P = 1117.0 / 300.0;
    const struct {
        qint64 primo, ultimo;
        bool visibile;
        int sinistra, destra;
    } casi[] = {
        {149, 199, true, int(133 + 49 * P), int(133 + 99 * P)},
        {0, 199, true, 133, int(133 + 99 * P)},      // starts before the view
        {300, 900, true, int(133 + 200 * P), 1250},  // ends after it
        {0, 100, false, 0, 0},                       // ends at the first frame
        {10, 50, false, 0, 0},
        {500, 600, false, 0, 0},                     // starts after the view
    };
    for (const auto& c : casi) {
        const BarraTimeline b = Barra(v, c.primo, c.ultimo);
        EXPECT_EQ(b.visibile, c.visibile) << c.primo;
        if (!c.visibile) continue;
        EXPECT_EQ(b.sinistra, c.sinistra) << c.primo;
        EXPECT_EQ(b.destra, c.destra) << c.primo;
    }
}

TEST(GeometriaTimeline, IlColpoPrendeLaBarraDisegnataSopra) {
    const VistaTimeline v{1260, 1, 301};
    const auto el = LeggiElementi({RigaElemento(2, 1, 0, 100), RigaElemento(2, 2, 50, 150), RigaElemento(7, 3, 0, 300)});
    const BarraTimeline b1 = Barra(v, 0, 100), b2 = Barra(v, 50, 150);
    EXPECT_EQ(ElementoSotto(el, v, b1.sinistra + 2, 130), 0);
    EXPECT_EQ(ElementoSotto(el, v, b2.sinistra + 2, 130), 1);  // the later one lies on top
    EXPECT_EQ(ElementoSotto(el, v, b1.sinistra, 130), 0);      // the drawn edge counts
    EXPECT_EQ(ElementoSotto(el, v, b2.destra + 1, 130), -1);
    EXPECT_EQ(ElementoSotto(el, v, b1.sinistra + 2, 90), -1);  // another track
}

TEST(GeometriaTimeline, TaccheDelRighello) {
    // A second mark every 25 frames; ten frames per pixel or more: every frame a minor tick.
    const VistaTimeline v{1260, 1, 101};
    const auto secondi = TaccheSecondi(v, 25);
    ASSERT_EQ(secondi.size(), 4u);
    EXPECT_EQ(secondi[0].frame, 25);
    EXPECT_EQ(secondi[0].x, XDaFrame(v, 25));
    EXPECT_EQ(TaccheMinori(v).size(), 100u);
    EXPECT_TRUE(TaccheSecondi(v, 0).empty());
    // A huge span lists no more marks than there are pixels, in order.
    const VistaTimeline enorme{1260, 1, 2000000000};
    const auto tacche = TaccheSecondi(enorme, 25);
    EXPECT_LE(tacche.size(), 1200u);
    for (std::size_t i = 1; i < tacche.size(); ++i) EXPECT_LT(tacche[i - 1].x, tacche[i].x);
    EXPECT_TRUE(TaccheMinori(enorme).empty());
}

TEST(GeometriaTimeline, RicercheSugliElementi) {
    const std::vector<ElementoTimeLine> vuoto;
    EXPECT_EQ(FrameUtilizzatoMinore(vuoto), 0);
    EXPECT_EQ(FrameUtilizzatoMaggiore(vuoto), 0);
    EXPECT_EQ(PrimoIdDisponibile(vuoto), 1);
    EXPECT_EQ(PrimoFrameLiberoDellaTraccia(vuoto, 3), 1);
    const auto el = LeggiElementi({RigaElemento(3, 4, 20, 80), RigaElemento(3, 9, 100, 140), RigaElemento(1, 2, 5, 60)});
    EXPECT_EQ(FrameUtilizzatoMinore(el), 5);
    EXPECT_EQ(FrameUtilizzatoMaggiore(el), 140);
    EXPECT_EQ(PrimoIdDisponibile(el), 10);
    EXPECT_EQ(PrimoFrameLiberoDellaTraccia(el, 3), 140);
    EXPECT_EQ(PrimoFrameLiberoDellaTraccia(el, 5), 1);
    EXPECT_TRUE(FrameImportante(el, 21));
    EXPECT_TRUE(FrameImportante(el, 141));
    EXPECT_FALSE(FrameImportante(el, 20));
}

}  // namespace
