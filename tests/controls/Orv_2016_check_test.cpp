#include "controls/Orv_2016_check.h"

#include "common/CasaTemporanea.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_stile.h"
#include "platform/Jpeg.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {
const QRgb Rosso = qRgb(255, 0, 0), Verde = qRgb(0, 255, 0), Blu = qRgb(0, 0, 255), Giallo = qRgb(255, 255, 0),
           Ciano = qRgb(0, 255, 255), Viola = qRgb(255, 0, 255), Grigio = qRgb(90, 90, 90), Bianco = qRgb(255, 255, 255);

struct Check {
    ORV_2016_Check c;
    MouseSintetico mouse{&c};
    int click = 0, doppi = 0;
    std::vector<bool> statoAlClick;
    Check() {
        c.move(300, 300);
        c.OnClick = [this](QObject*) {
            ++click;
            statoAlClick.push_back(c.Checked());
        };
        c.OnDblClick = [this](QObject*) { ++doppi; };
    }
    void SkinTinte() {
        using C = ORV_2016_Check;
        c.SetImmagine(C::ORV_LedSpento, SkinTinta(28, 28, Grigio));
        c.SetImmagine(C::ORV_LedAcceso, SkinTinta(28, 28, Bianco));
        c.SetImmagine(C::ORV_Normale1, SkinTinta(5, 28, Rosso));
        c.SetImmagine(C::ORV_Normale2, SkinTinta(5, 28, Verde));
        c.SetImmagine(C::ORV_Normale3, SkinTinta(5, 28, Blu));
        c.SetImmagine(C::ORV_Attivo1, SkinTinta(5, 28, Giallo));
        c.SetImmagine(C::ORV_Attivo2, SkinTinta(5, 28, Ciano));
        c.SetImmagine(C::ORV_Attivo3, SkinTinta(5, 28, Viola));
        c.SetImmagine(C::ORV_Btn_Apri_Normale, SkinTinta(28, 28, qRgb(10, 20, 30)));
        c.SetImmagine(C::ORV_Btn_Apri_Attivo, SkinTinta(28, 28, qRgb(40, 50, 60)));
    }
    QRgb Pixel(int x, int y) { return c.grab().toImage().pixel(x, y); }
};
}  // namespace

TEST(Orv_2016_Check, GestiEStato) {
    struct Caso {
        const char* nome;
        bool apertura;
        int x;
        Qt::MouseButton tasto;
        bool checkedDopoPressione;
        int bottone;
        int click;
    } casi[] = {
        {"left press on the body", false, 50, Qt::LeftButton, true, 1, 1},
        {"right press", false, 50, Qt::RightButton, false, 1, 0},
        {"open button, last 28 pixels", true, 200, Qt::LeftButton, false, 2, 1},
        {"open button on, body", true, 199, Qt::LeftButton, true, 1, 1},
    };
    for (const auto& caso : casi) {
        Check t;
        t.c.SetORV_BottoneApertura(caso.apertura);
        t.mouse.Entra(caso.x, 10);
        t.mouse.Premi(caso.x, 10, caso.tasto);
        EXPECT_EQ(t.c.Checked(), caso.checkedDopoPressione) << caso.nome;  // before the release
        EXPECT_EQ(t.click, 0) << caso.nome;
        t.mouse.Rilascia(caso.x, 10, caso.tasto);
        EXPECT_EQ(t.c.ORV_Bottone(), caso.bottone) << caso.nome;
        EXPECT_EQ(t.click, caso.click) << caso.nome;
        if (caso.click) {
            EXPECT_EQ(t.statoAlClick.front(), caso.checkedDopoPressione) << caso.nome;
        }
    }
}

TEST(Orv_2016_Check, IlDoppioClickTornaAlloStatoConUnSoloClick) {
    Check t;
    t.mouse.Entra(50, 10);
    t.mouse.Click(50, 10);
    t.mouse.Doppio(50, 10);
    t.mouse.Rilascia(50, 10);
    EXPECT_FALSE(t.c.Checked());
    EXPECT_EQ(t.click, 1);
    EXPECT_EQ(t.statoAlClick, std::vector<bool>{true});
    EXPECT_EQ(t.doppi, 1);
}

TEST(Orv_2016_Check, ISetterNonFannoEventiERidisegnanoSoloAlCambio) {
    Check t;
    ContaPitture pitture(&t.c);
    t.c.SetChecked(true);
    EXPECT_GE(pitture.Pitture(), 1);
    t.c.SetChecked(true);
    EXPECT_EQ(pitture.Pitture(), 0);
    t.c.SetCaption("Snow");
    EXPECT_GE(pitture.Pitture(), 1);
    t.c.SetCaption("Snow");  // the caption repaints every time
    EXPECT_GE(pitture.Pitture(), 1);
    EXPECT_EQ(t.click, 0);
    t.c.SetORV_Bottone(2);
    EXPECT_EQ(t.c.ORV_Bottone(), 1);
}

TEST(Orv_2016_Check, LedCorpoEBottoneApertura) {
    Check t;
    t.SkinTinte();
    EXPECT_EQ(t.Pixel(27, 14), Grigio);
    EXPECT_EQ(t.Pixel(28, 1), Rosso);
    EXPECT_EQ(t.Pixel(33, 1), Verde);
    EXPECT_EQ(t.Pixel(222, 1), Verde);
    EXPECT_EQ(t.Pixel(223, 1), Blu);
    t.c.SetChecked(true);
    t.c.SetORV_BottoneApertura(true);
    EXPECT_EQ(t.Pixel(10, 14), Bianco);
    EXPECT_EQ(t.Pixel(200, 1), qRgb(10, 20, 30));
    EXPECT_EQ(t.Pixel(195, 1), Blu);  // the end cap right before the open button
    EXPECT_EQ(t.Pixel(194, 1), Verde);
}

TEST(Orv_2016_Check, AspettoAttivoSoloSopraEPremuto) {
    Check t;
    t.SkinTinte();
    t.mouse.Entra(100, 1);
    EXPECT_EQ(t.Pixel(28, 1), Rosso);  // hovering alone keeps the idle look
    t.mouse.Premi(100, 1);
    EXPECT_EQ(t.Pixel(28, 1), Giallo);
    t.mouse.Muovi(400, 1);  // dragged out while held
    EXPECT_EQ(t.Pixel(28, 1), Rosso);
    t.mouse.Muovi(100, 1);  // back in, still held
    EXPECT_EQ(t.Pixel(28, 1), Giallo);
    t.mouse.Rilascia(100, 1);
    EXPECT_EQ(t.Pixel(28, 1), Rosso);
}

TEST(Orv_2016_Check, StileCopiaSkinEAltezzaMaNonLOmbra) {
    ORV_2016_Stile stile;
    stile.SetImmagine(ORV_2016_Stile::ORV_OBJ_Attivo1, SkinTinta(5, 30, Giallo));
    stile.SetORV_OmbraDistanza(3);
    stile.SetORV_OmbraColore(0x123456);
    Check t;
    t.c.SetORV_OmbraDistanza(2);
    t.c.SetORV_Stile(&stile);
    EXPECT_EQ(t.c.height(), 30);
    EXPECT_EQ(t.c.ORV_OmbraDistanza(), 2);
    EXPECT_EQ(t.c.ORV_OmbraColore(), 0u);
    EXPECT_EQ(t.c.ORV_Stile(), nullptr);
    EXPECT_EQ(t.c.Immagine(ORV_2016_Check::ORV_LedAcceso).size(), QSize(28, 28));
    stile.SetImmagine(ORV_2016_Stile::ORV_OBJ_Attivo1, SkinTinta(5, 40, Rosso));
    EXPECT_EQ(t.c.Immagine(ORV_2016_Check::ORV_Attivo1).height(), 30);
}

TEST(Orv_2016_Check, SenzaSkinSoloLaDidascalia) {
    Check t;
    t.c.SetCaption("Snow");
    const QImage prima = t.c.grab().toImage();
    EXPECT_EQ(prima.pixel(2, 14), prima.pixel(0, 0));  // nothing at the LED's place
    bool testo = false;
    for (int x = 33; x < 80; ++x) testo |= prima.pixel(x, 14) != prima.pixel(0, 0);
    EXPECT_TRUE(testo);
}

TEST(Orv_2016_Check, AspettoVettoriale) {
    Check t;
    t.c.resize(100, 20);
    t.c.SetORV_Disegnato(true);
    t.c.SetORV_DisegnatoColoreSfondo(0x404040);
    t.c.SetORV_DisegnatoColoreDisegno(0xC0C0C0);
    t.c.SetChecked(true);
    const QImage im = t.c.grab().toImage();
    const int x0 = 6, y0 = (20 - 10) / 2;
    EXPECT_EQ(im.pixel(90, 1), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(im.pixel(x0, y0), qRgb(0xC0, 0xC0, 0xC0));            // box corner
    EXPECT_EQ(im.pixel(x0 + 11, y0 + 7), qRgb(0xC0, 0xC0, 0xC0));   // opposite corner
    EXPECT_EQ(im.pixel(x0 + 12, y0 + 8), qRgb(0x40, 0x40, 0x40));   // outside it
    EXPECT_EQ(im.pixel(x0 + 5, y0 + 4), qRgb(0xC0, 0xC0, 0xC0));    // the tick
    EXPECT_EQ(im.pixel(x0 + 5, y0 + 9), qRgb(0x39, 0x39, 0x39));    // shadow line
}

TEST(Orv_2016_Check, MiniaturaJpegETenutaSeIlFileNonSiLegge) {
    CasaTemporanea casa;
    const QString buono = casa.Sotto("foto.jpg");
    QImage foto(96, 56, QImage::Format_RGB32);
    foto.fill(qRgb(200, 40, 40));
    ASSERT_TRUE(ScriviJpeg(foto, buono));
    const QString rotto = casa.Sotto("rotto.JPG");
    {
        QFile f(rotto);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    Check t;
    t.c.SetORV_Immagine(buono);
    ASSERT_EQ(t.c.Miniatura().size(), QSize(48, 28));
    EXPECT_GT(qRed(t.Pixel(228 - 76 + 10, 10)), 150);
    t.c.SetORV_Immagine(rotto);
    EXPECT_EQ(t.c.Miniatura().size(), QSize(48, 28));
    t.c.SetORV_Immagine(casa.Sotto("manca.jpg"));
    EXPECT_EQ(t.c.Miniatura().size(), QSize(48, 28));
    EXPECT_EQ(t.c.ORV_Immagine(), casa.Sotto("manca.jpg"));
}
