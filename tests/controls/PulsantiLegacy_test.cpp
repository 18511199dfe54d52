// The older push buttons: what each state shows on screen.
#include "controls/Orvadobebutton.h"
#include "controls/Orvbutton4.h"
#include "controls/Orvbutton5.h"
#include "controls/Orvbutton5style.h"
#include "controls/Orvbuttonaa.h"

#include "common/MouseSintetico.h"

#include <gtest/gtest.h>

namespace {

// A button inside a grey parent, grabbed through the parent so what it leaves shows.
struct SuFondo {
    QWidget fondo;
    SuFondo() {
        fondo.resize(200, 200);
        fondo.setAutoFillBackground(true);
        QPalette p = fondo.palette();
        p.setColor(QPalette::Window, QColor(0x55, 0x55, 0x55));
        fondo.setPalette(p);
    }
    QImage Foto(QWidget* w) { return fondo.grab(w->geometry()).toImage(); }
};

TEST(ORVButton4, StiliStatiEBordi) {
    SuFondo f;
    ORVButton4 b(&f.fondo);
    b.SetCaption("Ok");
    for (auto [s, c] : {std::pair{ORVButton4::Normale, Qt::blue}, {ORVButton4::Attivo, Qt::cyan},
                        {ORVButton4::Premuto, Qt::magenta}, {ORVButton4::Disabilitato, Qt::darkGray},
                        {ORVButton4::Img_Normale, Qt::darkBlue}})
        b.SetImmagine(s, SkinTinta(100, 100, c));
    // A new button draws nothing at all.
    EXPECT_EQ(f.Foto(&b).pixel(50, 10), qRgb(0x55, 0x55, 0x55));
    b.SetStile(1);
    QImage im = f.Foto(&b);
    EXPECT_EQ(im.pixel(50, 10), QColor(Qt::blue).rgb());
    EXPECT_EQ(im.pixel(0, 0), qRgb(0, 0, 0));  // black outline at rest
    MouseSintetico m(&b);
    m.Entra(50, 50);
    im = f.Foto(&b);
    EXPECT_EQ(im.pixel(50, 10), QColor(Qt::cyan).rgb());
    EXPECT_EQ(im.pixel(99, 99), qRgb(255, 255, 255));
    m.Premi(50, 50);
    EXPECT_EQ(f.Foto(&b).pixel(50, 10), QColor(Qt::magenta).rgb());
    m.Rilascia(50, 50);
    m.Esci();
    b.SetStile(2);
    EXPECT_EQ(f.Foto(&b).pixel(50, 10), QColor(Qt::darkBlue).rgb());
    // Stato 2: enabled, its pictures, no border.
    b.SetStile(1);
    m.Entra(50, 50);
    b.SetStato(2);
    EXPECT_TRUE(b.isEnabled());
    EXPECT_EQ(f.Foto(&b).pixel(0, 0), QColor(Qt::cyan).rgb());
    // Stato 0 disables it when written, not when painted.
    b.SetStato(0);
    EXPECT_FALSE(b.isEnabled());
    EXPECT_EQ(f.Foto(&b).pixel(50, 10), QColor(Qt::darkGray).rgb());
    // TipoBordo 6 never draws the pictures; disabled it shows the marker box.
    b.SetTipoBordo(6);
    EXPECT_EQ(f.Foto(&b).pixel(50, 10), qRgb(0xAD, 0xAD, 0xD6));
}

TEST(ORVButton5, LoStileCopiaImmaginiEDimensioni) {
    SuFondo f;
    ORVButton5Style stile(&f.fondo);
    EXPECT_EQ(stile.size(), QSize(114, 36));
    stile.SetNormale(SkinTinta(80, 30, Qt::blue));
    stile.SetAttivo(SkinTinta(80, 30, Qt::cyan));
    ORVButton5 b(&f.fondo);
    EXPECT_EQ(b.Stile()->size(), QSize(98, 24));  // its own, until one is written
    b.SetTipoBordo(3);
    b.SetStile(&stile);
    EXPECT_EQ(b.size(), QSize(114, 36));
    EXPECT_EQ(b.TipoBordo(), 0);
    EXPECT_EQ(b.ColoreFont(), 0xFFFFFFu);
    EXPECT_EQ(f.Foto(&b).pixel(40, 15), QColor(Qt::blue).rgb());
    b.SetStile(nullptr);  // an empty reference changes nothing
    EXPECT_EQ(b.Stile(), &stile);

    // Pressed over the button: Tipo 0 keeps the hovered picture, Tipo 1 without Premuto
    // shows Attivo, Tipo 2 the Normale one.
    MouseSintetico m(&b);
    m.Entra(40, 15);
    m.Premi(40, 15);
    for (auto [tipo, colore] : {std::pair{0, Qt::cyan}, {1, Qt::cyan}, {2, Qt::blue}}) {
        b.SetTipo(tipo);
        EXPECT_EQ(f.Foto(&b).pixel(40, 15), QColor(colore).rgb()) << tipo;
    }
    m.Rilascia(40, 15);
}

TEST(ORVButton5, OmbraSecondoIlColoreDelTesto) {
    SuFondo f;
    ORVButton5 b(&f.fondo);
    b.resize(120, 40);
    b.SetImmagine(ORVButton5::Normale, SkinTinta(120, 40, QColor(0x80, 0x80, 0x80)));
    b.SetCaption("MMMM");
    b.SetDistanzaOmbra(2);
    auto colori = [&] {
        QSet<QRgb> c;
        const QImage im = f.Foto(&b);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) c.insert(im.pixel(x, y));
        return c;
    };
    const struct {
        TColor font;
        QRgb ombra;
    } casi[] = {{0xFFFFFF, qRgb(0, 0, 0)}, {0xC0C0C0, qRgb(0, 0, 0)}, {0x0000FF, qRgb(255, 255, 255)}};
    for (const auto& c : casi) {
        b.SetColoreFont(c.font);
        EXPECT_TRUE(colori().contains(c.ombra)) << std::hex << c.font;
    }
    b.SetDistanzaOmbra(0);
    EXPECT_FALSE(colori().contains(qRgb(255, 255, 255)));
}

TEST(ORVAdobeButton, ColoriERampaCheSegueLAltezza) {
    SuFondo f;
    ORVAdobeButton b(&f.fondo);
    EXPECT_EQ(b.ColoreCaption(), 0x999999u);
    MouseSintetico m(&b);
    m.Entra(5, 5);
    EXPECT_EQ(b.ColoreCaption(), 0xCCCCCCu);
    b.SetAttivo(true);
    EXPECT_EQ(b.ColoreCaption(), 0xFEFEFEu);  // Attivo wins over hover
    b.SetCaption("");
    b.resize(180, 60);
    b.SetBordato(true);
    QImage im = f.Foto(&b);
    EXPECT_EQ(im.pixel(90, 55), qRgb(255, 255, 255));  // the ramp reaches the bottom row
    EXPECT_EQ(im.pixel(0, 59), qRgb(0, 0, 0));
    b.SetBordato(false);
    im = f.Foto(&b);
    EXPECT_EQ(im.pixel(89, 57), qRgb(252, 252, 252));  // the underline sits on the last rows
    EXPECT_EQ(im.pixel(89, 58), qRgb(252, 252, 252));
    EXPECT_EQ(im.pixel(89, 34), qRgb(0, 0, 0));
}

TEST(ORVButtonAA, OmbraMorbidaEDimensioniNuove) {
    ORVButtonAA b;
    b.resize(140, 30);
    b.SetCaption("Ombra");
    b.SetOutline(false);
    b.grab();
    const QImage normale = b.ImmagineNormale();
    ASSERT_EQ(normale.size(), QSize(140, 30));
    // The shadow darkens the white background below and right of the letters, softly.
    int grigi = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 140; ++x) {
            const int g = qGreen(normale.pixel(x, y));
            if (g > 20 && g < 235) ++grigi;
        }
    EXPECT_GT(grigi, 40);
    EXPECT_NE(b.ImmagineSopra(), normale);
    // A resize rebuilds both looks at the new size.
    b.resize(200, 30);
    b.grab();
    EXPECT_EQ(b.ImmagineNormale().size(), QSize(200, 30));
    // No offset: no shift, and the hover caption one pixel up and left.
    b.SetShadowOffset(0);
    b.grab();
    EXPECT_NE(b.ImmagineSopra(), b.ImmagineNormale());
    // Odd values draw without reading outside the pictures.
    for (int offset : {-5, 40}) {
        b.SetShadowOffset(offset);
        b.SetButtonImage(QImage());
        b.resize(3, 2);
        b.grab();
        b.resize(60, 20);
        b.SetButtonImage(SkinTinta(1, 1, Qt::red));
        b.grab();
    }
}

TEST(ORVButtonAA, SfondoDaiQuartiDellImmagine) {
    ORVButtonAA b;
    b.resize(100, 20);
    b.SetCaption("");
    b.SetBordo(0);
    QImage sfondo = SkinTinta(8, 8, Qt::green);
    sfondo.setPixelColor(4, 4, Qt::blue);  // the centre's colour
    b.SetButtonImage(sfondo);
    const QImage im = b.grab().toImage();
    EXPECT_EQ(im.pixel(50, 10), qRgb(0, 0, 255));
    EXPECT_EQ(im.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(im.pixel(98, 18), qRgb(0, 255, 0));
}

}  // namespace
