// Draws the timeline, the legacy push buttons, the list button and the border strips in their
// states onto one sheet, and a sample window (four dark borders around a timeline), at rest
// and in the middle of a drag, and writes them as PNG:
// foglio_timeline [folder]
#include "AiutoStrumenti.h"
#include "Foglio.h"
#include "controls/ComuneControlli.h"
#include "controls/GeometriaTimeline.h"
#include "controls/Orvadobebutton.h"
#include "controls/Orvborder.h"
#include "controls/Orvbutton4.h"
#include "controls/Orvbutton5.h"
#include "controls/Orvbutton5style.h"
#include "controls/Orvbuttonaa.h"
#include "controls/Orvbuttonlista.h"
#include "controls/Orvtimeline.h"
#include "controls/SkinPulsantiVecchi.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace {
QString Riga(int traccia, int id, int primo, int ultimo, const QString& nome, int r, int g, int b, char stato,
             int progresso, const QString& secondo) {
    QString riga(186, QLatin1Char(' '));
    auto metti = [&](int colonna, const QString& testo) { riga.replace(colonna, testo.size(), testo); };
    metti(0, QStringLiteral("%1").arg(traccia, 3));
    metti(4, QStringLiteral("%1").arg(id, 5));
    metti(16, QStringLiteral("%1").arg(primo, 6, 10, QLatin1Char('0')));
    metti(23, QStringLiteral("%1").arg(ultimo, 6, 10, QLatin1Char('0')));
    metti(30, nome);
    metti(91, QStringLiteral("%1").arg(r, 3));
    metti(95, QStringLiteral("%1").arg(g, 3));
    metti(99, QStringLiteral("%1").arg(b, 3));
    metti(103, QString(QLatin1Char(stato)));
    metti(105, QStringLiteral("%1").arg(progresso, 6));
    metti(126, secondo);
    return riga;
}

QStringList Elementi() {
    return {
        Riga(1, 1, 0, 74, "Quenvox", 30, 60, 110, '1', 75, " Apertura"),
        Riga(1, 2, 150, 224, "Fine", 30, 60, 110, '1', 30, " Crediti"),
        Riga(2, 3, 60, 89, "Dissolvenza", 90, 50, 110, '1', 30, ""),
        Riga(2, 4, 200, 229, "Tendina", 90, 50, 110, '0', 0, ""),
        Riga(3, 5, 0, 119, "Spiaggia.mov", 30, 100, 70, '1', 120, " 1080p"),
        Riga(3, 6, 120, 259, "Porto.mov", 30, 100, 70, '1', 70, " 1080p"),
        Riga(4, 7, 80, 179, "Logo animato", 160, 80, 10, '0', 20, " alfa"),
        Riga(4, 8, 200, 280, "Luci.png", 230, 210, 170, '1', 81, " fermo"),
        Riga(5, 9, 0, 199, "Tema.wav", 130, 40, 40, '1', 200, " 48 kHz"),
        Riga(5, 10, 200, 289, "Applausi.wav", 130, 40, 40, '0', 10, ""),
    };
}

// A dark stand for the controls that leave their background to the parent.
class Supporto : public QWidget {
public:
    explicit Supporto(QSize dimensione) {
        resize(dimensione);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0x2D, 0x2D, 0x2D));
        setPalette(p);
    }
    QImage Foto(QWidget* w, int margine = 6) {
        return grab(w->geometry().adjusted(-margine, -margine, margine, margine)).toImage();
    }
};

}  // namespace

QImage FoglioControlli(const QImage& timeline) {
    using namespace SkinPulsantiVecchi;
    Foglio f(QSize(1300, 1290), FontControllo("Calibri", 12, true));
    int y = 28;

    // List button: idle, each arrow pressed, an empty list.
    f.Titolo(y, QStringLiteral("ORVButtonLista"));
    y += 12;
    {
        Supporto s(QSize(360, 60));
        ORVButtonLista b(&s);
        b.move(10, 10);
        b.SetElenco({QStringLiteral("1920 x 1080"), QStringLiteral("1280 x 720"), QStringLiteral("720 x 576")});
        b.SetVoce(2);
        int x = f.Metti(16, y, s.Foto(&b), QStringLiteral("riposo"));
        Premi(&b, {5, 10});
        x = f.Metti(x, y, s.Foto(&b), QStringLiteral("freccia sinistra premuta"));
        Rilascia(&b, {5, 10});
        Premi(&b, {b.width() - 5, 10});
        f.Metti(x, y, s.Foto(&b), QStringLiteral("freccia destra premuta"));
        Rilascia(&b, {b.width() - 5, 10});
        Esci(&b);
        ORVButtonLista vuota(&s);
        vuota.move(10, 10);
        vuota.raise();
        Premi(&vuota, {5, 10});
        Rilascia(&vuota, {5, 10});
        Esci(&vuota);
        f.Metti(16, y + 62, s.Foto(&vuota), QStringLiteral("elenco vuoto"));
        ORVButtonLista lunga(&s);
        lunga.move(10, 10);
        lunga.resize(220, 26);
        lunga.raise();
        lunga.SetElenco({QStringLiteral("Un nome molto lungo che non entra nella barra")});
        lunga.SetVoce(3);
        f.Metti(340, y + 62, s.Foto(&lunga), QStringLiteral("testo tagliato prima della freccia"));
    }
    y += 150;

    // Border strips: light and dark, with the dark title bar.
    f.Titolo(y, QStringLiteral("ORVBorder"));
    y += 12;
    {
        Supporto s(QSize(420, 200));
        s.setAttribute(Qt::WA_DontShowOnScreen);
        auto cornice = [&](int stile, const QString& titolo) {
            QWidget finestra(&s);
            finestra.setGeometry(10, 10, 400, 150);
            finestra.setAutoFillBackground(true);
            QPalette p = finestra.palette();
            p.setColor(QPalette::Window, QColor(0x36, 0x36, 0x36));
            finestra.setPalette(p);
            ORVBorder alto(&finestra), basso(&finestra), sx(&finestra), dx(&finestra);
            for (ORVBorder* b : {&alto, &basso, &sx, &dx}) b->SetStile(stile);
            alto.SetImmagine(ORVBorder::TopSx, TitoloBordo(PezzoTitolo::Sinistro));
            alto.SetImmagine(ORVBorder::TopCentro, TitoloBordo(PezzoTitolo::Centro));
            alto.SetImmagine(ORVBorder::TopDx, TitoloBordo(PezzoTitolo::Destro));
            alto.SetCaption(titolo);
            alto.SetAlign(Allineamento::Alto);
            basso.SetAlign(Allineamento::Basso);
            sx.SetAlign(Allineamento::Sinistra);
            dx.SetAlign(Allineamento::Destra);
            return s.grab(QRect(4, 4, 412, 162)).toImage();
        };
        int x = f.Metti(16, y, cornice(1, QString()), QStringLiteral("Stile 1"));
        x = f.Metti(x, y, cornice(2, QStringLiteral("Quenvox")), QStringLiteral("Stile 2 (luce sui lati)"));
        f.Metti(x, y, cornice(3, QStringLiteral("Quenvox")), QStringLiteral("Stile 3"));
    }
    y += 212;

    // Adobe button.
    f.Titolo(y, QStringLiteral("ORVAdobeButton"));
    y += 12;
    {
        Supporto s(QSize(200, 56));
        ORVAdobeButton b(&s);
        b.move(10, 10);
        b.SetCaption(QStringLiteral("Esporta"));
        int x = 16;
        for (bool bordato : {false, true}) {
            b.SetBordato(bordato);
            b.SetAttivo(false);
            Esci(&b);
            x = f.Metti(x, y, s.Foto(&b), bordato ? QStringLiteral("Bordato") : QStringLiteral("riposo"));
            Entra(&b, {5, 5});
            x = f.Metti(x, y, s.Foto(&b), QStringLiteral("sopra"));
            b.SetAttivo(true);
            x = f.Metti(x, y, s.Foto(&b), QStringLiteral("Attivo"));
        }
    }
    y += 80;

    // Button4: each border kind at rest, hovered, pressed and disabled.
    f.Titolo(y, QStringLiteral("ORVButton4: TipoBordo 1 a 6, riposo / sopra / premuto / disabilitato"));
    y += 12;
    {
        Supporto s(QSize(120, 60));
        for (int tipo = 1; tipo <= 6; ++tipo) {
            const int x0 = 16 + (tipo - 1) % 3 * 420;
            const int y0 = y + (tipo - 1) / 3 * 70;
            ORVButton4 b(&s);
            b.move(10, 10);
            b.resize(88, 32);
            b.SetColoreFont(0xC0C0C0);
            b.SetImmagine(ORVButton4::Normale, FacciaPulsante(0, 88, 32));
            b.SetImmagine(ORVButton4::Attivo, FacciaPulsante(1, 88, 32));
            b.SetImmagine(ORVButton4::Premuto, FacciaPulsante(2, 88, 32));
            b.SetImmagine(ORVButton4::Disabilitato, FacciaPulsante(3, 88, 32));
            b.SetStile(1);
            b.SetTipoBordo(tipo);
            b.SetDistanzaOmbra(0);
            b.SetCaption(QStringLiteral("Tipo %1").arg(tipo));
            int x = f.Metti(x0, y0, s.Foto(&b));
            Entra(&b, {5, 5});
            x = f.Metti(x - 12, y0, s.Foto(&b));
            Premi(&b, {5, 5});
            x = f.Metti(x - 12, y0, s.Foto(&b));
            Rilascia(&b, {5, 5});
            Esci(&b);
            b.SetStato(0);
            f.Metti(x - 12, y0, s.Foto(&b));
        }
    }
    y += 150;

    // Button5 from a style, and the style itself.
    f.Titolo(y, QStringLiteral("ORVButton5 (Tipo 1 e 2) e ORVButton5Style"));
    y += 12;
    {
        Supporto s(QSize(140, 60));
        ORVButton5Style stile(&s);
        stile.move(10, 10);
        stile.SetNormale(FacciaPulsante(0, 114, 36));
        stile.SetAttivo(FacciaPulsante(1, 114, 36));
        stile.SetPremuto(FacciaPulsante(2, 114, 36));
        int x = f.Metti(16, y, s.Foto(&stile), QStringLiteral("ORVButton5Style"));
        stile.hide();
        for (int tipo : {1, 2}) {
            ORVButton5 b(&s);
            b.move(10, 10);
            b.SetStile(&stile);
            b.SetTipo(tipo);
            b.SetTipoBordo(3);
            b.SetCaption(QStringLiteral("Anteprima"));
            x = f.Metti(x, y, s.Foto(&b), QStringLiteral("riposo"));
            Entra(&b, {5, 5});
            x = f.Metti(x, y, s.Foto(&b), QStringLiteral("sopra"));
            Premi(&b, {5, 5});
            x = f.Metti(x, y, s.Foto(&b), QStringLiteral("premuto, Tipo %1").arg(tipo));
            Rilascia(&b, {5, 5});
            Esci(&b);
        }
    }
    y += 92;

    // The soft-shadow button.
    f.Titolo(y, QStringLiteral("ORVButtonAA: riposo / sopra, sinistra / centro / destra, contorno"));
    y += 12;
    {
        Supporto s(QSize(160, 60));
        int x = 16;
        const struct {
            Qt::Alignment a;
            bool contorno;
        } varianti[] = {{Qt::AlignLeft, false}, {Qt::AlignHCenter, false}, {Qt::AlignRight, false}, {Qt::AlignHCenter, true}};
        for (const auto& v : varianti) {
            ORVButtonAA b(&s);
            b.move(10, 10);
            b.resize(130, 28);
            b.SetButtonImage(FondoPulsanteAA());
            b.SetShadowColor(0x404040);
            b.SetColoreFont(0x2D2D2D);
            b.SetAlignment(v.a);
            b.SetOutline(v.contorno);
            b.SetBordo(0);
            b.SetCaption(QStringLiteral("Quenvox"));
            x = f.Metti(x, y, s.Foto(&b));
            Entra(&b, {5, 5});
            x = f.Metti(x - 12, y, s.Foto(&b));
            Esci(&b);
        }
    }
    y += 70;

    f.Titolo(y, QStringLiteral("ORVTimeLine"));
    f.Metti(16, y + 12, timeline);
    return f.Fine();
}

// The sample window: four dark borders around a timeline holding ten elements.
struct FinestraEsempio {
    QWidget finestra;
    ORVBorder alto{&finestra}, basso{&finestra}, sx{&finestra}, dx{&finestra};
    ORVTimeLine* timeline = nullptr;
    FinestraEsempio() {
        using namespace SkinPulsantiVecchi;
        finestra.setAttribute(Qt::WA_DontShowOnScreen);
        finestra.resize(1270, 380);
        for (ORVBorder* b : {&alto, &basso, &sx, &dx}) b->SetStile(2);
        alto.SetImmagine(ORVBorder::TopSx, TitoloBordo(PezzoTitolo::Sinistro));
        alto.SetImmagine(ORVBorder::TopCentro, TitoloBordo(PezzoTitolo::Centro));
        alto.SetImmagine(ORVBorder::TopDx, TitoloBordo(PezzoTitolo::Destro));
        alto.SetCaption(QStringLiteral("Quenvox - Montaggio"));
        alto.SetAlign(Allineamento::Alto);
        basso.SetAlign(Allineamento::Basso);
        sx.SetAlign(Allineamento::Sinistra);
        dx.SetAlign(Allineamento::Destra);
        timeline = new ORVTimeLine(&finestra);
        timeline->SetCaption(QStringLiteral("Timeline"));
        timeline->SetListaElementiInTimeLine(Elementi());
        timeline->SetFrame(121);
        finestra.show();
        QApplication::processEvents();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/fogli");
    QDir().mkpath(cartella);

    ORVTimeLine t;
    t.resize(1260, 340);
    t.SetCaption(QStringLiteral("Timeline"));
    t.SetListaElementiInTimeLine(Elementi());
    t.SetFrame(121);
    SalvaFoto(FoglioControlli(t.grab().toImage()), cartella + "/foglio_timeline.png");

    FinestraEsempio esempio;
    SalvaFoto(esempio.finestra.grab().toImage(), cartella + "/finestra_timeline.png");
    // Mid-drag: the logo of track 4 is carried to the start of its track.
    ORVTimeLine* tl = esempio.timeline;
    const BarraTimeline b = Barra(tl->Vista(), 80, 179);
    const QPoint presa((b.sinistra + b.destra) / 2, 230);
    Premi(tl, presa);
    Mouse(tl, QEvent::MouseMove, presa + QPoint(40, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(tl, QEvent::MouseMove, QPoint(XDaFrame(tl->Vista(), 21), 236), Qt::NoButton, Qt::LeftButton);
    SalvaFoto(esempio.finestra.grab().toImage(), cartella + "/finestra_timeline_trascinamento.png");
    return 0;
}
