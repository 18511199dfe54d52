#include "controls/Orvvideoscrollbarnolista.h"

#include "common/MouseSintetico.h"

#include <gtest/gtest.h>

#include <QCursor>

#include <algorithm>
#include <string>
#include <vector>

namespace {
struct Slider {
    ORVVideoScrollBarNoLista s;
    MouseSintetico mouse{&s};
    std::vector<std::string> eventi;
    Slider() {
        s.move(300, 300);
        s.OnCambiamentoValore = [this](QObject*) { eventi.push_back("change " + std::to_string(s.Valore())); };
        s.OnMouseUp = [this](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            eventi.push_back("mouseup " + std::to_string(s.Valore()));
        };
        s.OnDblClick = [this](QObject*) { eventi.push_back("dblclick"); };
    }
};
using Eventi = std::vector<std::string>;
}  // namespace

TEST(ORVVideoScrollBarNoLista, TestoVisualizzato) {
    struct Caso {
        const char* nome;
        int valore;
        QString prefisso, suffisso;
        int video, fps;
        int decimale;  // 0 none, 1 tenths, 2 hundredths, 3 thousandths
        bool doppio;
        const char* atteso;
    } casi[] = {
        {"plain", 40, "", "", 0, 25, 0, false, " 40 "},
        {"suffix", 40, "", "%", 0, 25, 0, false, " 40 %"},
        {"prefix and suffix", -5, "X", "px", 0, 25, 0, false, "X -5 px"},
        {"tenths", 25, "", "%", 0, 25, 1, false, " 2.5 %"},
        {"hundredths", 1234, "", "", 0, 25, 2, false, " 12.34 "},
        {"thousandths, no doubling", 1234, "", "", 0, 25, 3, true, " 1.234 "},
        {"doubled", 21, "", "", 0, 25, 0, true, " 42 "},
        {"time code", 90061, "a", "b", 1, 25, 0, false, "01:00:02 FR:11"},
        {"time code 150", 150, "", "", 1, 25, 0, false, "00:00:06 FR:00"},
        {"time code without frame rate", 150, "", "", 1, 0, 0, false, " 150 "},
    };
    for (const auto& c : casi) {
        ORVVideoScrollBarNoLista s;
        s.SetValore(c.valore);
        s.SetValorePrefisso(c.prefisso);
        s.SetValoreSuffisso(c.suffisso);
        s.SetFormatoAVideo(c.video);
        s.SetFormatoAVideoFrameRate(c.fps);
        s.SetORV_Decimi(c.decimale == 1);
        s.SetORV_Centesimi(c.decimale == 2);
        s.SetORV_Millesimi(c.decimale == 3);
        s.SetORV_Moltiplica(c.doppio);
        EXPECT_EQ(s.TestoVisualizzato(), c.atteso) << c.nome;
    }
}

TEST(ORVVideoScrollBarNoLista, UnSoloModoDecimale) {
    ORVVideoScrollBarNoLista s;
    s.SetORV_Decimi(true);
    s.SetORV_Millesimi(true);
    s.SetORV_Centesimi(true);
    EXPECT_TRUE(s.ORV_Centesimi());
    EXPECT_FALSE(s.ORV_Decimi());
    EXPECT_FALSE(s.ORV_Millesimi());
    s.SetORV_Centesimi(false);
    EXPECT_FALSE(s.ORV_Centesimi() || s.ORV_Decimi() || s.ORV_Millesimi());
}

TEST(ORVVideoScrollBarNoLista, SetValoreRicordaSempreIlPrecedente) {
    ORVVideoScrollBarNoLista s;
    s.SetValore(40);
    EXPECT_EQ(s.ValorePrecedente(), 100);
    s.SetValore(40);
    EXPECT_EQ(s.ValorePrecedente(), 40);
    s.SetValore(500);  // not clamped
    EXPECT_EQ(s.Valore(), 500);
}

TEST(ORVVideoScrollBarNoLista, OpacitaConFermoA25) {
    Slider t;
    t.s.SetGapCambioValore(2);
    t.s.SetStopMultipli25(true);
    t.s.SetValore(20);
    t.mouse.Entra(10, 10);
    t.mouse.Premi(10, 10);
    std::vector<int> valori;
    for (int i = 1; i <= 21; ++i) {
        t.mouse.Muovi(10 + 3 * i, 10);
        valori.push_back(t.s.Valore());
    }
    const std::vector<int> attesi = {21, 22, 23, 24, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25,
                                     25, 25, 25, 25, 25, 26};
    EXPECT_EQ(valori, attesi);
    EXPECT_TRUE(t.eventi.empty());
    t.mouse.Rilascia(73, 10);
    EXPECT_EQ(t.eventi, (Eventi{"mouseup 26", "change 26"}));
}

TEST(ORVVideoScrollBarNoLista, TrascinamentoEventiERilascio) {
    Slider t;
    t.s.SetValore(20);
    t.mouse.Entra(10, 10);
    t.mouse.Trascina(10, 10, 6, 3);
    t.mouse.Rilascia(28, 10);
    EXPECT_EQ(t.eventi, (Eventi{"mouseup 23", "change 23"}));
    t.eventi.clear();
    t.mouse.Click(30, 10);
    EXPECT_EQ(t.eventi, (Eventi{"mouseup 23"}));
    EXPECT_EQ(t.s.ValorePrecedente(), 23);
}

TEST(ORVVideoScrollBarNoLista, BottoniMenoPiu) {
    struct Caso {
        const char* nome;
        int valore, x;
        bool readOnly;
        int atteso;
        Eventi eventi;
    } casi[] = {
        {"plus", 50, 60, false, 51, {"change 51", "mouseup 51"}},
        {"plus at the maximum", 100, 60, false, 100, {"change 100", "mouseup 100"}},
        {"minus", 50, 8, false, 49, {"change 49", "mouseup 49"}},
        {"minus at the minimum", 0, 8, false, 0, {"change 0", "mouseup 0"}},
        {"plus above the maximum", 150, 60, false, 100, {"change 100", "mouseup 100"}},
        {"read only", 50, 60, true, 50, {"mouseup 50"}},
        {"between the buttons", 50, 30, false, 50, {"mouseup 50"}},
    };
    for (const auto& c : casi) {
        Slider t;
        t.s.SetORV_Bottoni(true);
        t.s.SetReadOnly(c.readOnly);
        t.s.SetValore(c.valore);
        t.mouse.Entra(c.x, 10);
        t.mouse.Click(c.x, 10);
        EXPECT_EQ(t.s.Valore(), c.atteso) << c.nome;
        EXPECT_EQ(t.eventi, c.eventi) << c.nome;
    }
}

TEST(ORVVideoScrollBarNoLista, SoloLetturaNonTrascinaMaIlCursoreCambia) {
    Slider t;
    t.s.SetReadOnly(true);
    t.mouse.Entra(30, 10);
    t.mouse.Trascina(30, 10, 6, 5);
    EXPECT_EQ(t.s.Valore(), 100);
    t.s.SetValore(50);
    t.mouse.Muovi(10, 10);
    EXPECT_EQ(t.s.Valore(), 50);
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::SizeHorCursor);
    t.mouse.Rilascia(10, 10);
    t.mouse.Esci();
    EXPECT_EQ(CursoreApplicazione::Attuale(), Qt::ArrowCursor);
}

TEST(ORVVideoScrollBarNoLista, DoppioClickSuiBottoniNonArriva) {
    Slider t;
    t.s.SetORV_Bottoni(true);
    t.mouse.Entra(60, 10);
    t.mouse.Muovi(60, 10);
    t.mouse.Click(60, 10);
    t.mouse.Doppio(60, 10);
    t.mouse.Rilascia(60, 10);
    EXPECT_EQ(std::count(t.eventi.begin(), t.eventi.end(), "dblclick"), 0);
    t.mouse.Muovi(30, 10);
    t.mouse.Click(30, 10);
    t.mouse.Doppio(30, 10);
    t.mouse.Rilascia(30, 10);
    EXPECT_EQ(std::count(t.eventi.begin(), t.eventi.end(), "dblclick"), 1);
}

TEST(ORVVideoScrollBarNoLista, AlBordoDelloSchermoIlCursoreSiAvvolge) {
    Slider t;
    const QRect schermo = t.s.screen()->geometry();
    t.s.move(schermo.right() - 71, 300);  // the control ends at the screen's right edge
    t.s.SetValore(10);
    t.mouse.Entra(40, 10);
    t.mouse.Premi(40, 10);
    t.mouse.Muovi(70, 10);  // the cursor is now within 6 pixels of the edge
    EXPECT_EQ(t.s.Valore(), 11);
    EXPECT_EQ(QCursor::pos().x(), schermo.left() + 6);
    // The pointer goes on from the left edge: the value keeps rising.
    const int xLocale = t.s.mapFromGlobal(QCursor::pos()).x();
    t.mouse.Muovi(xLocale + 6, 10);
    t.mouse.Muovi(xLocale + 12, 10);
    EXPECT_EQ(t.s.Valore(), 13);
}

TEST(ORVVideoScrollBarNoLista, BarraECursoreNelRange) {
    ORVVideoScrollBarNoLista s;
    s.resize(200, 40);
    s.SetColor(0x000000);
    s.SetORV_ProgressBar(true);
    s.SetORV_ProgressBar_Colore(0x0000FF);
    s.SetValoreMin(0);
    s.SetValoreMax(100);
    s.SetValore(50);
    const int th = AltezzaTesto(s.font());
    QImage im = s.grab().toImage();
    EXPECT_EQ(im.pixel(50, th + 9), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(99, th + 7), qRgb(0, 0, 0));  // the bar's black outline ends at 100
    EXPECT_EQ(im.pixel(120, th + 9), qRgb(0, 0, 0));
    // An empty range draws the bar at its start instead of dividing by zero.
    s.SetValoreMax(0);
    s.SetValoreMin(0);
    im = s.grab().toImage();
    EXPECT_EQ(im.pixel(50, th + 9), qRgb(0, 0, 0));
    EXPECT_DOUBLE_EQ(FrazioneValore(5, 3, 3), 0.0);
}

TEST(ORVVideoScrollBarNoLista, SfumaturaDellaTraccia) {
    ORVVideoScrollBarNoLista s;
    s.SetORV_ProgressBitmapColor1(0x0000FF);
    s.SetORV_ProgressBitmapColor2(0xFF0000);
    const QImage& traccia = s.Immagine(ORVVideoScrollBarNoLista::ORV_ProgressBitmap);
    ASSERT_EQ(traccia.size(), QSize(132, 11));
    // t = x / 127, each byte c1 - t * (c1 - c2), truncated.
    auto atteso = [](int x) {
        const double t = x / 127.0;
        return QColor(int(255 - t * 255), 0, int(0 - t * (0 - 255)));
    };
    EXPECT_EQ(QColor(traccia.pixel(4, 6)), atteso(4));
    EXPECT_EQ(QColor(traccia.pixel(64, 7)), atteso(64));
    EXPECT_EQ(QColor(traccia.pixel(125, 7)), atteso(125));
    EXPECT_NE(QColor(traccia.pixel(126, 6)), QColor(traccia.pixel(125, 6)));
}
