#include "dialogs/Forvdlgmessaggi.h"

#include "AiutoModale.h"

#include "common/EventiFinestre.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orvform.h"
#include "controls/Orvlrbutton.h"
#include "dialogs/RisultatoDialogo.h"
#include "dialogs/Forvdlgmessaggio.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct Vista {
    QString titolo;
    bool errore = false, info = false, domanda = false;
    bool si = false, no = false, ok = false, ancora = false;
    QString testoSi, testoNo, testoOk, messaggio;
};

Vista Guarda(const TORVDLGMessaggi& d) {
    Vista v;
    v.titolo = d.Cornice()->Caption();
    v.errore = d.IMGError()->isVisible();
    v.info = d.IMGInfo()->isVisible();
    v.domanda = d.IMGQuestion()->isVisible();
    v.si = d.BTN_1()->isVisible();
    v.no = d.BTN_2()->isVisible();
    v.ok = d.BTN_3()->isVisible();
    v.ancora = d.Ancora()->isVisible() && !d.Ancora()->Checked();
    v.testoSi = d.BTN_1()->Caption();
    v.testoNo = d.BTN_2()->Caption();
    v.testoOk = d.BTN_3()->Caption();
    v.messaggio = d.Testo();
    return v;
}

// Shows the box, looks at it while it is up and answers through azione.
int Mostra(TORVDLGMessaggi& d, int tipo, const QString& testo, Vista& vista,
           const std::function<void()>& azione) {
    return EseguiModale(
        d,
        [&] {
            vista = Guarda(d);
            azione();
        },
        [&] { return d.MostraMessaggio(tipo, testo); });
}

void Premi(ORVLRButton* b) {
    eventi::Entra(b, {50, 14});
    eventi::Clicca(b, {50, 14});
}

TEST(TORVDLGMessaggi, OgniTipoInDueLingue) {
    enum Risposta { Si, No, Ok };
    struct Caso {
        int tipo, lingua;
        const char* titolo;
        bool errore, info, domanda, ancora;
        Risposta premuto;
        int risultato;
    };
    const Caso casi[] = {
        {1, 0, "Errore", true, false, false, false, Ok, 1},
        {2, 0, "Avvertimento", false, true, false, false, Ok, 1},
        {3, 0, "Domanda", false, false, true, false, Si, 6},
        {4, 0, "Errore", true, false, false, true, Ok, 1},
        {5, 0, "Avvertimento", false, true, false, true, Ok, 1},
        {6, 0, "Domanda", false, false, true, true, No, 7},
        {99, 0, "Avvertimento", false, true, false, false, Ok, 1},
        {1, 1, "Error", true, false, false, false, Ok, 1},
        {2, 1, "Warning", false, true, false, false, Ok, 1},
        {3, 1, "Question", false, false, true, false, Si, 6},
        {4, 1, "Error", true, false, false, true, Ok, 1},
        {5, 1, "Warning", false, true, false, true, Ok, 1},
        {6, 1, "Question", false, false, true, true, Si, 6},
        {0, 1, "Warning", false, true, false, false, Ok, 1},
        {-3, 4, "Warning", false, true, false, false, Ok, 1},
    };
    TORVDLGMessaggi d;
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << "tipo " << c.tipo << " lingua " << c.lingua);
        d.Inizializza(c.lingua, true, "QV", "Intro");
        Vista v;
        const int r = Mostra(d, c.tipo, "Testo di prova", v, [&] {
            Premi(c.premuto == Si ? d.BTN_1() : c.premuto == No ? d.BTN_2() : d.BTN_3());
        });
        EXPECT_EQ(r, c.risultato);
        EXPECT_EQ(v.titolo, c.titolo);
        EXPECT_EQ(v.messaggio, "Testo di prova");
        EXPECT_EQ(v.errore, c.errore);
        EXPECT_EQ(v.info, c.info);
        EXPECT_EQ(v.domanda, c.domanda);
        EXPECT_EQ(v.ancora, c.ancora);
        const bool domanda = c.domanda;
        EXPECT_EQ(v.si, domanda);
        EXPECT_EQ(v.no, domanda);
        EXPECT_EQ(v.ok, !domanda);
        if (domanda) {
            EXPECT_EQ(v.testoSi, c.lingua == 0 ? "Si" : "Yes");
            EXPECT_EQ(v.testoNo, "No");
        } else {
            EXPECT_EQ(v.testoOk, "Ok");
        }
    }
}

TEST(TORVDLGMessaggi, EscDopoUnSiDaZeroELAncoraSiRicorda) {
    TORVDLGMessaggi d;
    Vista v;
    EXPECT_EQ(Mostra(d, 3, "a", v, [&] { Premi(d.BTN_1()); }), 6);
    EXPECT_EQ(Mostra(d, 3, "a", v, [&] { QTest::keyClick(&d, Qt::Key_Escape); }), 0);
    EXPECT_FALSE(d.RispostaAncora());

    EXPECT_EQ(Mostra(d, 6, "a", v,
                     [&] {
                         d.Ancora()->SetChecked(true);
                         Premi(d.BTN_2());
                     }),
              7);
    EXPECT_TRUE(d.RispostaAncora());
    // The next box starts with it off again.
    EXPECT_EQ(Mostra(d, 5, "a", v, [&] { Premi(d.BTN_3()); }), 1);
    EXPECT_TRUE(v.ancora);
    EXPECT_FALSE(d.RispostaAncora());
}

TEST(TORVDLGMessaggio, DueRigheCentrateInUnRiquadro) {
    TORVDLGMessaggio banner;
    banner.resize(659, 351);
    banner.SetRiga1("Quenvox");
    banner.SetRiga2("");
    QImage foto(banner.size(), QImage::Format_RGB32);
    QPainter p(&foto);
    banner.Disegna(p);
    p.end();
    EXPECT_EQ(foto.pixelColor(2, 2), QColor(0x28, 0x28, 0x28));
    EXPECT_EQ(foto.pixelColor(6, 100), QColor(0x7F, 0x7F, 0xFF));
    // Text lies in the upper quarter band only, and about the middle.
    auto inchiostro = [&](int y0, int y1, int& xMin, int& xMax) {
        xMin = 9999, xMax = -1;
        for (int y = y0; y < y1; ++y)
            for (int x = 20; x < foto.width() - 20; ++x)
                if (foto.pixelColor(x, y).blue() > 0x80) {
                    xMin = std::min(xMin, x);
                    xMax = std::max(xMax, x);
                }
        return xMax >= 0;
    };
    int a, b;
    ASSERT_TRUE(inchiostro(20, 175, a, b));
    EXPECT_NEAR((a + b) / 2.0, 659 / 2.0, 4);
    EXPECT_FALSE(inchiostro(176, 331, a, b));
}

}  // namespace

namespace {

// The button that answered shows no hover when the box opens again, whichever kind it is.
TEST(TORVDLGMessaggi, IlPulsanteCheRispondeNonRestaAttivo) {
    TORVDLGMessaggi d;
    d.Inizializza(0, true, "QV", "Intro");
    struct Caso {
        int tipo;
        ORVLRButton* (TORVDLGMessaggi::*pulsante)() const;
    };
    for (const Caso& c : {Caso{2, &TORVDLGMessaggi::BTN_3}, Caso{3, &TORVDLGMessaggi::BTN_1},
                          Caso{3, &TORVDLGMessaggi::BTN_2}}) {
        ORVLRButton* b = (d.*c.pulsante)();
        Vista v;
        Mostra(d, c.tipo, "uno", v, [&] { Premi(b); });
        EXPECT_EQ(b->Stato(), StatoPulsante::Normale) << c.tipo;
        StatoPulsante allaRiapertura = StatoPulsante::Premuto;
        Mostra(d, c.tipo, "due", v, [&] {
            allaRiapertura = b->Stato();
            Premi(b);
        });
        EXPECT_EQ(allaRiapertura, StatoPulsante::Normale) << c.tipo;
    }
}

}  // namespace

namespace {

// A notice ("Il video è stato creato correttamente.") shows an information sign, not a
// warning: a blue badge, and in it a dot over a stem (the "!" had its stem above its dot).
TEST(TORVDLGMessaggi, LAvvisoMostraIlSegnoInformazione) {
    TORVDLGMessaggi d;
    d.Inizializza(0, true, "QV", "Intro");
    Vista v;
    QImage icona;
    Mostra(d, 2, "Il video è stato creato correttamente.", v, [&] {
        icona = d.IMGInfo()->grab().toImage();
        d.done(0);
    });
    ASSERT_TRUE(v.info);
    EXPECT_EQ(v.titolo, "Avvertimento");
    ASSERT_EQ(icona.size(), QSize(77, 77));
    auto bianco = [&](int y) { return qRed(icona.pixel(38, y)) > 220 && qBlue(icona.pixel(38, y)) > 220; };
    EXPECT_TRUE(bianco(22));   // the dot
    EXPECT_FALSE(bianco(28));  // the gap
    EXPECT_TRUE(bianco(40));   // the stem
    EXPECT_TRUE(bianco(54));
    const QColor fondo = icona.pixelColor(20, 50);
    EXPECT_GT(fondo.blue(), fondo.red() + 60);
    EXPECT_GE(fondo.hue(), 190);
    EXPECT_LE(fondo.hue(), 220);
}

}  // namespace

// A long path wraps inside the box with every character kept, and a text too tall for the
// screen scrolls with every character kept: no line is wider than the text's place, nothing
// lies past the box's edges or the screen's, and the bar reaches the last line.
TEST(TORVDLGMessaggi, UnPercorsoLungoVaACapoENonEsceDalRiquadro) {
    const QString percorso = "/home/utente/Documenti/Drovaskent/Quenvox/" + QString(150, QLatin1Char('x')) +
                             "/Video/Frames/Image_0008.jpg";
    const struct {
        const char* nome;
        QString testo;
    } casi[] = {
        {"a long path", "Il file " + percorso + " non si può scrivere: No space left on device"},
        {"a path taller than the screen", "Il file " + percorso.repeated(40) + " non si può scrivere"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        TORVDLGMessaggi d;
        Vista vista;
        QString mostrato, suggerimento;
        QRect finestra, area;
        int massimo = -1;
        Mostra(d, 1, c.testo, vista, [&] {
            mostrato = d.Messaggio()->text();
            suggerimento = d.Messaggio()->toolTip();
            finestra = d.frameGeometry();
            area = d.screen()->availableGeometry();
            massimo = d.Scorrimento()->verticalScrollBar()->maximum();
            d.done(0);
        });
        EXPECT_EQ(vista.messaggio, c.testo);
        const QFontMetrics metrica(d.Messaggio()->font());
        const QStringList righe = mostrato.split('\n');
        EXPECT_GT(righe.size(), 1);
        for (const QString& riga : righe)
            EXPECT_LE(metrica.horizontalAdvance(riga), d.Messaggio()->width()) << riga.toStdString();
        EXPECT_LE(righe.size() * metrica.lineSpacing(), d.Messaggio()->height());
        EXPECT_LE(d.Messaggio()->width(), d.Scorrimento()->viewport()->width());
        EXPECT_GE(massimo, d.Messaggio()->height() - d.Scorrimento()->viewport()->height());
        EXPECT_TRUE(area.contains(finestra)) << finestra.width() << "x" << finestra.height();
        // Broken only where the lines end: every character is there.
        EXPECT_EQ(QString(mostrato).remove('\n').remove(' '), QString(c.testo).remove(' '));
        EXPECT_TRUE(suggerimento.isEmpty());
    }
}

// A notice raised while a box waits for its answer (a redraw behind it, another window) comes
// after it, whole, and the first box's answer stays its own; a question raised meanwhile
// comes at once in a box of its own over the open one, and then the first one is still there.
TEST(TORVDLGMessaggi, UnMessaggioNonNeSostituisceUnAltro) {
    TORVDLGMessaggi d;
    QStringList visti;
    int rispostaDomanda = -1, rispostaAvviso = -1;
    bool primoAncoraAperto = false;
    auto rispondiA = [&](ORVLRButton* (TORVDLGMessaggi::*pulsante)() const) {
        QTimer::singleShot(0, &d, [&d, &visti, pulsante] {
            visti << d.Testo();
            Premi((d.*pulsante)());
        });
    };
    const int r = EseguiModale(
        d,
        [&] {
            visti << d.Testo();
            rispostaAvviso = d.MostraMessaggio(2, "the background picture is missing");
            EXPECT_EQ(d.Testo(), "the project is damaged");
            // The question comes over the open box; it is answered there.
            TORVDLGMessaggi* sopra = nullptr;
            QTimer::singleShot(0, &d, [&] {
                for (auto* w : d.findChildren<TORVDLGMessaggi*>())
                    if (w->isVisible()) sopra = w;
                ASSERT_NE(sopra, nullptr);
                visti << sopra->Testo();
                Premi(sopra->BTN_2());
            });
            rispostaDomanda = d.MostraMessaggio(3, "save over it?");
            primoAncoraAperto = d.isVisible() && d.Testo() == "the project is damaged";
            EXPECT_EQ(d.InAttesa(), 1);
            rispondiA(&TORVDLGMessaggi::BTN_3);
            Premi(d.BTN_3());
        },
        [&] { return d.MostraMessaggio(1, "the project is damaged"); });
    EXPECT_EQ(r, RisultatoOk);
    EXPECT_EQ(rispostaAvviso, RisultatoNessuno);  // nobody had seen it yet
    EXPECT_EQ(rispostaDomanda, RisultatoNo);
    EXPECT_TRUE(primoAncoraAperto);
    EXPECT_EQ(visti, QStringList({"the project is damaged", "save over it?", "the background picture is missing"}));
    EXPECT_EQ(d.InAttesa(), 0);
    EXPECT_FALSE(d.isVisible());
}

// Whether a row of a grabbed picture holds text: the silver of the lines.
bool RigaConTesto(const QImage& img, int y, int x0, int x1) {
    for (int x = std::max(x0, 0); x < std::min(x1, img.width()); ++x)
        if (qGray(img.pixel(x, y)) > 110) return true;
    return false;
}

// The box grows with its text only as far as the screen's work area: past it the lines scroll,
// and the buttons, their panel and the lines' place all lie inside the window, which lies inside
// the work area. The view shows whole lines wherever the bar is taken (no line cut at its top or
// bottom edge), and no line comes near the bar.
TEST(TORVDLGMessaggi, CresceSoloFinoAllAreaDiLavoro) {
    QStringList percorsi;
    for (int i = 1; i <= 60; ++i)
        percorsi << QStringLiteral("/home/utente/.local/share/Drovaskent/Quenvox/ProgettoQuenvox.txt.nuovo%1").arg(i);
    TORVDLGMessaggi d;
    Vista vista;
    QRect finestra, area, pulsante, pannello, righe;
    int massimo = -1;
    std::vector<std::pair<int, QImage>> viste;  // the bar's value, the lines' place as shown
    Mostra(d, 2, percorsi.join('\n'), vista, [&] {
        QApplication::processEvents();
        finestra = d.frameGeometry();
        area = d.screen()->availableGeometry();
        pulsante = QRect(d.BTN_3()->mapTo(&d, QPoint(0, 0)), d.BTN_3()->size());
        pannello = QRect(d.BTN_3()->parentWidget()->mapTo(&d, QPoint(0, 0)), d.BTN_3()->parentWidget()->size());
        righe = QRect(d.Scorrimento()->mapTo(&d, QPoint(0, 0)), d.Scorrimento()->size());
        QScrollBar* barra = d.Scorrimento()->verticalScrollBar();
        massimo = barra->maximum();
        for (int valore : {0, 1, 40, 101, barra->singleStep() * 3, massimo / 2, massimo}) {
            barra->setValue(valore);
            QApplication::processEvents();
            viste.emplace_back(barra->value(), d.grab().toImage().copy(righe));
        }
        d.done(0);
    });
    EXPECT_TRUE(area.contains(finestra)) << finestra.width() << "x" << finestra.height();
    EXPECT_TRUE(d.rect().contains(pulsante));
    EXPECT_TRUE(d.rect().contains(pannello));
    EXPECT_LE(righe.bottom(), pannello.top());
    ASSERT_GT(massimo, 0) << "sixty paths scroll";
    constexpr int Barra = 12, Distanza = 8;
    for (const auto& [valore, img] : viste) {
        SCOPED_TRACE(valore);
        const int testo = img.width() - Barra;
        EXPECT_FALSE(RigaConTesto(img, 0, 0, testo)) << "a line cut at the top";
        EXPECT_FALSE(RigaConTesto(img, img.height() - 1, 0, testo)) << "a line cut at the bottom";
        bool qualcosa = false;
        for (int y = 0; y < img.height(); ++y) {
            qualcosa |= RigaConTesto(img, y, 0, testo);
            EXPECT_FALSE(RigaConTesto(img, y, testo - Distanza, testo)) << "text by the bar at row " << y;
        }
        EXPECT_TRUE(qualcosa);
    }
}

// A notice that waits behind an open box is seen only when its own box was shown and closed:
// whoever marks it told learns so then, not when it was raised.
TEST(TORVDLGMessaggi, UnAvvisoInAttesaEVistoQuandoEMostrato) {
    TORVDLGMessaggi d;
    bool visto = false, vistoPrima = true, vistoMentre = true;
    QString mostrato;
    EseguiModale(
        d,
        [&] {
            d.MostraMessaggio(2, "kept apart as: /a/b.nuovo1", [&] { visto = true; });
            vistoPrima = visto;
            QTimer::singleShot(0, &d, [&] {
                mostrato = d.Testo();
                vistoMentre = visto;
                Premi(d.BTN_3());
            });
            Premi(d.BTN_3());
        },
        [&] { return d.MostraMessaggio(1, "the project is damaged"); });
    EXPECT_FALSE(vistoPrima);
    EXPECT_EQ(mostrato, "kept apart as: /a/b.nuovo1");
    EXPECT_FALSE(vistoMentre);
    EXPECT_TRUE(visto);
}
