#include "controls/Orv_2016_button.h"

#include "common/MouseSintetico.h"
#include "controls/Orv_2016_stile.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace {
const QRgb Normale = qRgb(200, 0, 0), Attivo = qRgb(0, 200, 0), Premuto = qRgb(0, 0, 200);

struct Bottone {
    ORV_2016_Button b;
    MouseSintetico mouse{&b};
    std::vector<std::string> eventi;
    Bottone() {
        b.move(300, 300);
        using B = ORV_2016_Button;
        for (int i = 0; i < 3; ++i) {
            b.SetImmagine(B::Skin(B::ORV_OBJNormale1 + i), SkinTinta(5, 28, Normale));
            b.SetImmagine(B::Skin(B::ORV_OBJAttivo1 + i), SkinTinta(5, 28, Attivo));
            b.SetImmagine(B::Skin(B::ORV_OBJPremuto1 + i), SkinTinta(5, 28, Premuto));
        }
        b.OnClick = [this](QObject*) { eventi.push_back("click"); };
        b.OnMouseEnter = [this](QObject*) { eventi.push_back("enter"); };
        b.OnMouseLeave = [this](QObject*) { eventi.push_back("leave"); };
    }
    QImage Foto() { return b.grab().toImage(); }
};

// The brightest caption pixel's red, green and blue.
QRgb PiuChiaro(const QImage& im, QRgb sfondo) {
    QRgb migliore = sfondo;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 10; x < im.width() - 10; ++x)
            if (qGray(im.pixel(x, y)) > qGray(migliore)) migliore = im.pixel(x, y);
    return migliore;
}
}  // namespace

TEST(Orv_2016_Button, AspettiSeguonoPuntatoreEPressione) {
    Bottone t;
    EXPECT_EQ(t.Foto().pixel(60, 2), Normale);
    t.mouse.Entra(60, 10);
    EXPECT_EQ(t.Foto().pixel(60, 2), Attivo);
    t.mouse.Premi(60, 10);
    EXPECT_EQ(t.Foto().pixel(60, 2), Premuto);
    t.mouse.Muovi(400, 10);
    EXPECT_EQ(t.Foto().pixel(60, 2), Normale);
    t.mouse.Rilascia(400, 10);
    EXPECT_EQ(t.eventi, (std::vector<std::string>{"enter", "leave"}));  // released outside: no click
}

TEST(Orv_2016_Button, ClickAlRilascioSopra) {
    Bottone t;
    t.mouse.Entra(60, 10);
    t.mouse.Click(60, 10);
    t.mouse.Click(60, 10, Qt::RightButton);
    EXPECT_EQ(t.eventi, (std::vector<std::string>{"enter", "click"}));
}

TEST(Orv_2016_Button, LaDidascaliaArgentoDiventaBiancaSottoIlPuntatore) {
    Bottone t;
    t.b.SetCaption("OK");
    t.b.SetORV_OmbraDistanza(0);
    const QRgb prima = PiuChiaro(t.Foto(), Normale);
    EXPECT_EQ(prima, qRgb(0xC0, 0xC0, 0xC0));
    t.mouse.Entra(60, 10);
    EXPECT_EQ(PiuChiaro(t.Foto(), Attivo), qRgb(255, 255, 255));
}

TEST(Orv_2016_Button, CorniceDiUnPixel) {
    Bottone t;
    t.b.SetORV_Bordo(true);
    t.b.SetORV_BordoColore(0x0000FF);
    const QImage im = t.Foto();
    const QRgb rosso = qRgb(255, 0, 0);
    EXPECT_EQ(im.pixel(0, 0), rosso);
    EXPECT_EQ(im.pixel(60, 0), rosso);
    EXPECT_EQ(im.pixel(119, 14), rosso);
    EXPECT_EQ(im.pixel(60, 27), rosso);
    EXPECT_EQ(im.pixel(1, 1), Normale);
    EXPECT_EQ(im.pixel(118, 5), Normale);
}

TEST(Orv_2016_Button, StileCopiaFetteOmbraEAltezza) {
    ORV_2016_Stile stile;
    stile.SetImmagine(ORV_2016_Stile::ORV_OBJ_Normale2, SkinTinta(5, 30, Normale));
    stile.SetORV_OmbraDistanza(2);
    stile.SetORV_OmbraColore(0x101010);
    ORV_2016_Button b;
    b.SetORV_Stile(&stile);
    EXPECT_EQ(b.height(), 30);
    EXPECT_EQ(b.ORV_OmbraDistanza(), 2);
    EXPECT_EQ(b.ORV_OmbraColore(), 0x101010u);
    EXPECT_EQ(b.Immagine(ORV_2016_Button::ORV_OBJPremuto3).size(), QSize(5, 28));
}

// A click that opens a modal window: no leave reaches the button while the window covers it,
// so without care the button would keep its hover look after the window closes.
TEST(Orv_2016_Button, UnaFinestraModaleToglieLAspettoAttivo) {
    QWidget finestra;
    finestra.resize(400, 100);
    Bottone t;
    t.b.setParent(&finestra);
    t.b.move(10, 10);
    finestra.show();
    QApplication::processEvents();
    t.b.OnClick = [&](QObject*) {
        t.eventi.push_back("click");
        QDialog modale(&finestra);
        QTimer::singleShot(20, &modale, &QDialog::accept);
        modale.exec();
    };
    t.mouse.Entra(60, 10);
    ASSERT_EQ(t.Foto().pixel(60, 2), Attivo);
    t.mouse.Click(60, 10);
    // The screen pointer follows the synthetic one, so Qt's own enter and leave may come around
    // the click, as an earlier test left the pointer: what holds is that a leave follows the
    // click, and that the look follows the last word.
    const auto click = std::find(t.eventi.begin(), t.eventi.end(), "click");
    ASSERT_NE(click, t.eventi.end());
    ASSERT_NE(click + 1, t.eventi.end()) << "no leave after the click";
    EXPECT_EQ(*(click + 1), "leave");
    EXPECT_EQ(t.Foto().pixel(60, 2), t.eventi.back() == "enter" ? Attivo : Normale);
    // The pointer found over it again lights it again.
    t.mouse.Muovi(61, 10);
    EXPECT_EQ(t.Foto().pixel(60, 2), Attivo);
}

// Qt sends a leave to a widget destroyed under the pointer, when the control and its
// handlers are already gone: it must reach neither.
TEST(Orv_2016_Button, DistruttoSottoIlPuntatoreNonChiamaGestori) {
    QWidget finestra;
    finestra.resize(400, 100);
    std::vector<std::string> eventi;
    auto* b = new ORV_2016_Button;
    b->setParent(&finestra);
    b->setGeometry(10, 10, 120, 28);
    b->OnMouseEnter = [&](QObject*) { eventi.push_back("enter"); };
    b->OnMouseLeave = [&](QObject*) { eventi.push_back("leave"); };
    finestra.show();
    QApplication::processEvents();
    QCursor::setPos(b->mapToGlobal(QPoint(60, 10)));
    // A modal window that comes and goes makes Qt itself find the button under the pointer.
    {
        QDialog modale(&finestra);
        QTimer::singleShot(0, &modale, &QDialog::accept);
        modale.exec();
    }
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    ASSERT_FALSE(eventi.empty());
    ASSERT_EQ(eventi.back(), "enter");
    const auto prima = eventi;
    delete b;
    EXPECT_EQ(eventi, prima);
}
