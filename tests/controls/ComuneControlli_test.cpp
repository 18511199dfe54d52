#include "controls/ComuneControlli.h"

#include "common/MouseSintetico.h"

#include <gtest/gtest.h>

#include <functional>

#include <QGuiApplication>
#include <QPainter>

#include <string>
#include <vector>

namespace {

// A test's controls go at its end, and the pointer with them; a control destroyed under the
// pointer never hears it leave, so the program-wide cursor it showed is put back to the arrow
// before the next test, whatever order they run in.
class CursoreTraITest : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { CursoreApplicazione::Imposta(Qt::ArrowCursor); }
};
const bool cursoreTraITest = (::testing::UnitTest::GetInstance()->listeners().Append(new CursoreTraITest), true);

QImage Tinta(int w, int h, QRgb colore) {
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(colore);
    return i;
}

QImage Tela(int w, int h) {
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(qRgb(0, 0, 0));
    return i;
}

// A receiver that writes down what it is told, in order.
struct Registro : RicevitoreMouse {
    std::vector<std::string> voci;
    void MouseEntra() override { voci.push_back("enter"); }
    void MouseEsce() override { voci.push_back("leave"); }
    void MouseDown(Qt::MouseButton t, Qt::KeyboardModifiers, int, int) override {
        voci.push_back(t == Qt::LeftButton ? "down" : "down-other");
    }
    void MouseMove(Qt::KeyboardModifiers, int, int) override { voci.push_back("move"); }
    void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) override { voci.push_back("up"); }
    void Click() override {
        voci.push_back("click");
        if (alClick) alClick();
    }
    void DblClick() override { voci.push_back("dblclick"); }
    std::function<void()> alClick;
    void Nascosto() override { voci.push_back("hidden"); }
};

using Voci = std::vector<std::string>;

struct Tracciato {
    QWidget controllo;
    Registro registro;
    MouseSintetico mouse{&controllo};
    Tracciato() {
        controllo.resize(100, 28);
        controllo.move(300, 300);
        new TracciaMouse(&controllo, &registro);
    }
};
}  // namespace

TEST(ComuneControlli, ColoriBBGGRR) {
    struct Caso {
        TColor tcolor;
        QColor colore;
    } casi[] = {{0x0000FF, QColor(255, 0, 0)}, {0x07BFFD, QColor(0xFD, 0xBF, 0x07)}, {0xFF0000, QColor(0, 0, 255)},
                {0x2D2D2D, QColor(0x2D, 0x2D, 0x2D)}};
    for (const auto& c : casi) {
        EXPECT_EQ(ColoreDaTColor(c.tcolor), c.colore) << std::hex << c.tcolor;
        EXPECT_EQ(TColorDaColore(c.colore), c.tcolor);
    }
    EXPECT_EQ(SchiarisciTColor(0xC0C0C0, 80), 0xFFFFFFu);
    EXPECT_EQ(SchiarisciTColor(0x102030, 80), 0x607080u);
    EXPECT_EQ(SchiarisciTColor(0x07BFFD, 60), 0x43FBFFu);
}

TEST(ComuneControlli, UnaSkinContaSoloConLatiNonNulli) {
    EXPECT_FALSE(BitmapPresente(QImage()));
    EXPECT_FALSE(BitmapPresente(QImage(0, 28, QImage::Format_RGB32)));
    EXPECT_TRUE(BitmapPresente(Tinta(1, 1, 0)));
    QImage tela = Tela(10, 10);
    QPainter p(&tela);
    EXPECT_FALSE(DisegnaImmagine(p, 0, 0, QImage()));
    EXPECT_FALSE(StiraImmagine(p, QRect(0, 0, 5, 5), QImage()));
}

TEST(ComuneControlli, TreFetteDallaFineDelLedAllaFineDelControllo) {
    QImage tela = Tela(60, 28);
    {
        QPainter p(&tela);
        EXPECT_TRUE(Disegna3Slice(p, 10, 60, Tinta(5, 28, qRgb(255, 0, 0)), Tinta(5, 28, qRgb(0, 255, 0)),
                                  Tinta(5, 28, qRgb(0, 0, 255))));
    }
    EXPECT_EQ(tela.pixel(9, 5), qRgb(0, 0, 0));
    EXPECT_EQ(tela.pixel(10, 5), qRgb(255, 0, 0));
    EXPECT_EQ(tela.pixel(14, 27), qRgb(255, 0, 0));
    EXPECT_EQ(tela.pixel(15, 5), qRgb(0, 255, 0));
    EXPECT_EQ(tela.pixel(54, 5), qRgb(0, 255, 0));
    EXPECT_EQ(tela.pixel(55, 5), qRgb(0, 0, 255));
    EXPECT_EQ(tela.pixel(59, 27), qRgb(0, 0, 255));
}

TEST(ComuneControlli, NoveFetteAiLoroPosti) {
    const QRgb colori[9] = {qRgb(1, 0, 0), qRgb(2, 0, 0), qRgb(3, 0, 0), qRgb(4, 0, 0), qRgb(5, 0, 0),
                            qRgb(6, 0, 0), qRgb(7, 0, 0), qRgb(8, 0, 0), qRgb(9, 0, 0)};
    std::vector<QImage> im;
    for (QRgb c : colori) im.push_back(Tinta(4, 3, c));
    QImage tela = Tela(40, 30);
    {
        QPainter p(&tela);
        Disegna9Slice(p, tela.size(), {&im[0], &im[1], &im[2], &im[3], &im[4], &im[5], &im[6], &im[7], &im[8]});
    }
    struct Punto {
        int x, y, atteso;
    } punti[] = {{0, 0, 1},  {20, 0, 2},  {39, 2, 3},  {0, 15, 4},  {20, 15, 5},
                 {39, 15, 6}, {0, 29, 7}, {20, 29, 8}, {39, 29, 9}, {4, 3, 5}};
    for (const auto& p : punti) EXPECT_EQ(qRed(tela.pixel(p.x, p.y)), p.atteso) << p.x << "," << p.y;
}

TEST(ComuneControlli, TestoOmbreggiatoRestaNelRettangolo) {
    QImage tela = Tela(120, 30);
    const QFont font = FontPixel("Calibri", 16);
    const QRect rettangolo(10, 5, 40, 18);
    {
        QPainter p(&tela);
        DisegnaTestoOmbra(p, font, rettangolo, 10, 5, "WWWWWWWWWW", QColor(255, 255, 255), 0x0000FF, 2);
    }
    bool bianco = false, rosso = false;
    for (int y = 0; y < tela.height(); ++y)
        for (int x = 0; x < tela.width(); ++x) {
            const QRgb c = tela.pixel(x, y);
            if (c == qRgb(0, 0, 0)) continue;
            EXPECT_TRUE(rettangolo.contains(x, y)) << x << "," << y;
            bianco |= qGreen(c) > 200;
            rosso |= qRed(c) > 100 && qGreen(c) < 60;
        }
    EXPECT_TRUE(bianco);
    EXPECT_TRUE(rosso);
}

TEST(ComuneControlli, MezzeAltezzeTroncate) {
    EXPECT_EQ(YTestoCentrato(28, 19), 14 - 9);
    EXPECT_EQ(YTestoCentrato(27, 16), 13 - 8);
    EXPECT_EQ(YTestoCentrato(5, 17), 2 - 8);
    const QFont calibri = FontControllo("Calibri", 12);
    EXPECT_EQ(calibri.pixelSize(), 16);
    EXPECT_EQ(FontControllo("Arial", 8).pixelSize(), 11);
}

TEST(ComuneControlli, ZoneDeiBottoniConLimitiEsclusi) {
    struct Caso {
        int x, y;
        bool meno, piu;
    } casi[] = {{3, 3, true, false},    {2, 10, false, false}, {17, 10, true, false}, {18, 10, false, false},
                {3, 2, false, false},   {3, 18, false, false}, {49, 10, false, true}, {48, 10, false, false},
                {69, 10, false, true},  {70, 10, false, false}};
    for (const auto& c : casi) {
        EXPECT_EQ(InZonaMeno(c.x, c.y, 72, 20), c.meno) << c.x << "," << c.y;
        EXPECT_EQ(InZonaPiu(c.x, c.y, 72, 20), c.piu) << c.x << "," << c.y;
    }
}

TEST(ComuneControlli, IlCursoreDiApplicazioneEUnSoloValore) {
    CursoreApplicazione::Imposta(Qt::SizeHorCursor);
    CursoreApplicazione::Imposta(Qt::SizeHorCursor);
    CursoreApplicazione::Imposta(Qt::WaitCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    CursoreApplicazione::Imposta(Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    CursoreApplicazione::Imposta(Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ComuneControlli, IlCursoreDimensionaSiVedeAlPrimoMovimentoDopoLIngresso) {
    CursoreDimensiona c;
    c.Entra();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    c.InizioMovimento();
    c.FineMovimento();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::SizeHorCursor);
    c.InizioMovimento();
    c.SopraZona();
    c.FineMovimento();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
    c.InizioMovimento();
    c.FineMovimento();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::SizeHorCursor);
    c.Esci();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
}

TEST(TracciaMouse, UscitaDuranteLaPressioneDallaPosizioneDelMovimento) {
    Tracciato t;
    t.mouse.Entra(10, 10);
    t.mouse.Premi(10, 10);
    t.mouse.Muovi(150, 10);  // outside while held: Qt would hold its leave back
    t.mouse.Muovi(50, 10);
    t.mouse.Rilascia(50, 10);
    EXPECT_EQ(t.registro.voci, (Voci{"enter", "down", "leave", "move", "enter", "move", "click", "up"}));
}

TEST(TracciaMouse, RilascioFuoriNonFaClickEIlLeaveTardivoNonSiRipete) {
    Tracciato t;
    t.mouse.Entra(10, 10);
    t.mouse.Premi(10, 10);
    t.mouse.Muovi(150, 10);
    t.mouse.Rilascia(150, 10);
    t.mouse.Esci();  // Qt's own leave after the release
    EXPECT_EQ(t.registro.voci, (Voci{"enter", "down", "leave", "move", "up"}));
}

TEST(TracciaMouse, IlDoppioClickRipeteLaPressioneESenzaSecondoClick) {
    Tracciato t;
    t.mouse.Entra(10, 10);
    t.mouse.Click(10, 10);
    t.mouse.Doppio(10, 10);
    t.mouse.Rilascia(10, 10);
    EXPECT_EQ(t.registro.voci, (Voci{"enter", "down", "click", "up", "dblclick", "down", "up"}));
}

TEST(TracciaMouse, UnaPressioneSenzaIngressoPortaDentroIlControllo) {
    Tracciato t;
    t.mouse.Click(10, 10, Qt::RightButton);
    EXPECT_EQ(t.registro.voci, (Voci{"enter", "down-other", "up"}));
}

TEST(TracciaMouse, NascondereAvvisaIlControllo) {
    Tracciato t;
    t.controllo.show();
    t.mouse.Entra(10, 10);
    t.controllo.hide();
    EXPECT_EQ(t.registro.voci.back(), "hidden");
    t.mouse.Entra(10, 10);
    EXPECT_EQ(t.registro.voci.back(), "enter");
}

// Hover is the pointer's: a click that closes the control's window leaves none behind for its
// next showing, and a disabled control neither takes nor keeps it.
TEST(TracciaMouse, IlClickCheChiudeLaFinestraNonLasciaLHover) {
    Tracciato t;
    t.controllo.show();
    t.registro.alClick = [&] { t.controllo.hide(); };
    t.mouse.Entra(10, 10);
    t.mouse.Click(10, 10);
    EXPECT_EQ(t.registro.voci, (Voci{"enter", "down", "click", "hidden", "up"}));
}

TEST(TracciaMouse, UnControlloDisabilitatoNonPrendeLHover) {
    Tracciato t;
    t.controllo.show();
    t.mouse.Entra(10, 10);
    t.controllo.setEnabled(false);
    t.mouse.Muovi(20, 10);
    t.mouse.Entra(20, 10);
    t.controllo.setEnabled(true);
    t.mouse.Muovi(30, 10);
    EXPECT_EQ(t.registro.voci, (Voci{"enter", "leave", "move", "enter", "move"}));
}
