// Draws the window frame, the header, the panels, the list bar and the push buttons in each of
// their states onto one sheet, and a sample window built from them, and writes both as PNG:
// foglio_finestre [sheet.png] [window.png]
#include "AiutoStrumenti.h"
#include "Foglio.h"
#include "controls/ComuneControlli.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvheader.h"
#include "controls/Orvlistbox.h"
#include "controls/Orvlrbutton.h"
#include "controls/Orvpannello.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Orvpannelloriducibile.h"
#include "controls/Orvscrollbarvert.h"
#include "controls/Orvvideobutton.h"
#include "controls/Orvvideobuttonsemplice.h"
#include "controls/Orvvideostato.h"
#include "controls/Orvvideotwocolors.h"
#include "controls/SkinFinestre.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {
QImage Ingrandita(const QImage& im, int fattore) {
    return im.scaled(im.size() * fattore, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage FoglioControlli() {
    Foglio f(QSize(1280, 1240));
    using namespace SkinFinestre;
    int y = 28;

    f.Titolo(y, "Window buttons (20 and 13), idle / hovered / pressed, shown at 2x");
    y += 12;
    const PulsanteFinestra tipi[] = {PulsanteFinestra::Minimizza, PulsanteFinestra::SchermoIntero,
                                     PulsanteFinestra::Chiudi};
    const AspettoSkin aspetti[] = {AspettoSkin::Normale, AspettoSkin::Attivo, AspettoSkin::Premuto};
    int x = 16;
    for (int lato : {20, 13})
        for (auto t : tipi) {
            for (auto a : aspetti) {
                QImage base(lato + 8, lato + 8, QImage::Format_ARGB32_Premultiplied);
                base.fill(QColor(0x22, 0x22, 0x22));
                QPainter q(&base);
                q.drawImage(4, 4, PulsanteForm(t, a, lato));
                q.end();
                f.Metti(x, y, Ingrandita(base, 2));
                x += (lato + 8) * 2 + 6;
            }
            x += 12;
        }
    y += 70;

    f.Titolo(y, "Frame: plain title and alternative title with window buttons hovered");
    y += 12;
    {
        QWidget finestra;
        finestra.resize(600, 120);
        ORVForm form(&finestra);
        form.SetCaption("Configurazione");
        form.SetBtnVisibleClose(true);
        f.Metti(16, y, Foto(&finestra));
        ORVForm alt(nullptr);
        alt.resize(600, 120);
        alt.SetLato1Alternativo(true);
        alt.SetLato1AlternativoCaption1("QV");
        alt.SetLato1AlternativoCaption2("Intro");
        alt.SetCaption("Progetto senza titolo");
        alt.SetBtnVisibleMinimize(true);
        alt.SetBtnVisibleMaximize(true);
        alt.SetBtnVisibleClose(true);
        Entra(&alt, QPoint(600 - 12 - 10, 20));
        f.Metti(640, y, Foto(&alt));
    }
    y += 140;

    f.Titolo(y, "Header, 40-high set (tabs 1, 3, 6 active) and 50-high set");
    y += 12;
    const QStringList sei{"Dati Progetto", "Sfondo", "Testo da scrivere", "Stile Carattere", "Effetti",
                          "Dati per Intro"};
    int xh = 16;
    for (int attiva : {1, 3, 6}) {
        ORVHeader h;
        h.CreaBitmap(40);
        h.SetBorderWidth(34);
        h.resize(400, 90);
        h.SetORV_Pannelli(sei);
        h.SetORV_PannelloAttivo(attiva);
        f.Metti(xh, y, Foto(&h).copy(0, 0, 400, 90));
        xh += 410;
    }
    y += 100;
    {
        ORVHeader h;
        h.resize(820, 110);
        h.SetORV_Pannelli({"Generale", "Immagini", "Lingua", "Cartelle", "Video"});
        h.SetORV_PannelloAttivo(2);
        f.Metti(16, y, Foto(&h));
        ORVHeader vuoto;
        vuoto.resize(300, 110);
        f.Metti(860, y, Foto(&vuoto), "no tabs");
    }
    y += 140;

    f.Titolo(y, "Panels: flat box, collapsible open / folded, framed panel in title and tab mode");
    y += 12;
    {
        ORVPannelloBordo b;
        b.resize(120, 90);
        b.SetBorderColor(0x404040);
        f.Metti(16, y, Foto(&b), "box");
        ORVPannelloBordo due;
        due.resize(120, 90);
        due.SetBorderLeft(false);
        due.SetBorderRight(false);
        f.Metti(150, y, Foto(&due), "top and bottom");
        ORVPannelloRiducibile r;
        r.resize(200, 64);
        r.SetBorderLeft(true);
        r.SetBorderTop(true);
        r.SetBorderRight(true);
        r.SetBorderBottom(true);
        f.Metti(290, y, Foto(&r), "open");
        r.SetStato(false);
        f.Metti(500, y, Foto(&r), "folded");
        ORVPannello t;
        t.resize(260, 90);
        Entra(&t, QPoint(260 - 14, 10));
        f.Metti(710, y, Foto(&t), "title mode, next arrow hovered");
        ORVPannello s;
        s.resize(280, 90);
        s.SetORV_VisualizzaAltrePagine(true);
        f.Metti(985, y, Foto(&s), "tab mode");
    }
    y += 130;

    f.Titolo(y, "List bar: content fits / idle / hovered; caption buttons; answer buttons");
    y += 12;
    {
        ORVScrollBarVert a, b, c;
        for (auto* s : {&a, &b, &c}) {
            s->resize(15, 133);
            s->SetORV_ColoreSfondo(0x505050);
        }
        a.SetORV_ValoreMax(100);
        b.SetORV_ValoreMax(380);
        c.SetORV_ValoreMax(380);
        c.ImpostaPosizione(20, 6, 19);
        Entra(&c, QPoint(7, 60));
        f.Metti(16, y, Foto(&a));
        f.Metti(40, y, Foto(&b));
        f.Metti(64, y, Foto(&c));

        int xb = 110;
        for (int stato = 0; stato < 4; ++stato) {
            ORVVideoButton v;
            v.SetCaption("Aiuto");
            v.SetColoreFont(0x07BFFD);
            v.resize(90, 20);
            if (stato == 1) Entra(&v, QPoint(20, 10));
            if (stato == 2) Premi(&v, QPoint(20, 10));
            if (stato == 3) v.setEnabled(false);
            const char* nomi[] = {"idle", "hovered", "pressed", "disabled"};
            f.Metti(xb, y, Foto(&v), nomi[stato]);
            xb += 100;
        }
        xb = 110;
        for (int stato = 0; stato < 3; ++stato) {
            ORVLRButton l;
            l.SetCaption(stato == 0 ? "Annulla" : "OK");
            l.setFont(FontControllo("Calibri", 10));
            if (stato == 1) Entra(&l, QPoint(20, 10));
            if (stato == 2) Premi(&l, QPoint(20, 10));
            f.Metti(xb, y + 50, Foto(&l));
            xb += 110;
        }
        for (int acceso = 0; acceso < 2; ++acceso) {
            ORVVideoStato s;
            s.resize(233, 56);
            s.SetCaption(acceso ? "YouTube" : "Vimeo");
            s.SetChecked(acceso);
            f.Metti(560 + acceso * 250, y, Foto(&s));
        }
        int xc = 560;
        const TColor coppie[][2] = {{0x0000FF, 0x000000}, {0xFFFFFF, 0x404040}, {0x07BFFD, 0x2D2D2D}};
        for (const auto& c2 : coppie) {
            ORVVideoTwoColors t;
            t.resize(97, 28);
            t.SetColore1(c2[0]);
            t.SetColore2(c2[1]);
            f.Metti(xc, y + 80, Foto(&t));
            xc += 110;
        }
        ORVVideoTwoColors piccolo;
        piccolo.resize(25, 25);
        f.Metti(xc, y + 80, Foto(&piccolo));
    }
    y += 170;

    f.Titolo(y, "28x28 image buttons: idle / hovered / selected, then at 2x");
    y += 12;
    const Icona icone[] = {Icona::AllineaSinistra, Icona::AllineaCentro, Icona::AllineaDestra, Icona::AllineaAlto,
                           Icona::AllineaMezzo,    Icona::AllineaBasso,  Icona::Logo,          Icona::LogoStile,
                           Icona::Play,            Icona::Pausa,         Icona::Stop};
    const StatoPulsante stati[] = {StatoPulsante::Normale, StatoPulsante::Attivo, StatoPulsante::Selezionato};
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 11; ++i) f.Metti(16 + i * 34, y + s * 34, IconaBottone(icone[i], stati[s]));
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 11; ++i) f.Metti(420 + i * 62, y + s * 62, Ingrandita(IconaBottone(icone[i], stati[s]), 2));
    return f.Fine();
}

// A window as the program builds them: frame, client, header with six tabs, panels, buttons
// and a list with its bar.
QImage FinestraEsempio() {
    QWidget finestra;
    finestra.resize(1000, 660);
    auto* form = new ORVForm(&finestra);
    form->SetLato1Alternativo(true);
    form->SetLato1AlternativoCaption1("QV");
    form->SetLato1AlternativoCaption2("Intro");
    form->SetCaption("Intro 1 Semplice");
    form->SetBtnVisibleMinimize(true);
    form->SetBtnVisibleMaximize(true);
    form->SetBtnVisibleClose(true);
    auto* client = new ORVFormClient(form);
    auto* sfondo = new ORVPannelloBordo(client);
    sfondo->setGeometry(client->rect());
    sfondo->SetColor(0x2D2D2D);
    sfondo->SetBorderColor(0x404040);

    auto* header = new ORVHeader(sfondo);
    header->CreaBitmap(40);
    header->SetBorderWidth(34);
    header->setGeometry(8, 8, 640, client->height() - 16);
    header->SetORV_Pannelli({"Dati Progetto", "Sfondo", "Testo da scrivere", "Stile Carattere", "Effetti",
                             "Dati per Intro"});
    header->SetORV_PannelloAttivo(3);
    auto* pagina = new QWidget;
    header->Pagine()->addWidget(pagina);

    using SkinFinestre::Icona;
    const Icona allinea[] = {Icona::AllineaSinistra, Icona::AllineaCentro, Icona::AllineaDestra};
    const Icona verticali[] = {Icona::AllineaAlto, Icona::AllineaMezzo, Icona::AllineaBasso};
    for (int riga = 0; riga < 4; ++riga) {
        auto* gruppo = new ORVPannelloBordo(pagina);
        gruppo->setGeometry(0, riga * 46, 560, 40);
        gruppo->SetColor(0x363636);
        gruppo->SetBorderColor(0x404040);
        auto* testo = new ORVPannelloBordo(gruppo);
        testo->setGeometry(8, 6, 380, 28);
        testo->SetColor(0x262626);
        testo->SetBorderColor(0x4C4C4C);
        for (int i = 0; i < 3; ++i) {
            auto* b = new ORVVideoButtonSemplice(gruppo);
            b->SetImmagine(ORVVideoButtonSemplice::Normale, SkinFinestre::IconaBottone(allinea[i], StatoPulsante::Normale));
            b->SetImmagine(ORVVideoButtonSemplice::Attivo, SkinFinestre::IconaBottone(allinea[i], StatoPulsante::Attivo));
            b->SetImmagine(ORVVideoButtonSemplice::Selezionato,
                           SkinFinestre::IconaBottone(allinea[i], StatoPulsante::Selezionato));
            b->move(400 + i * 30, 6);
            b->SetSelezionatoTipo(i == 1 ? 1 : 0);
        }
        auto* logo = new ORVVideoButtonSemplice(gruppo);
        logo->SetImmagine(ORVVideoButtonSemplice::Normale, SkinFinestre::IconaBottone(Icona::Logo, StatoPulsante::Normale));
        logo->move(494, 6);
        auto* stile = new ORVVideoButtonSemplice(gruppo);
        stile->SetImmagine(ORVVideoButtonSemplice::Normale,
                           SkinFinestre::IconaBottone(Icona::LogoStile, StatoPulsante::Normale));
        stile->move(524, 6);
    }
    for (int i = 0; i < 3; ++i) {
        auto* b = new ORVVideoButtonSemplice(pagina);
        b->SetImmagine(ORVVideoButtonSemplice::Normale, SkinFinestre::IconaBottone(verticali[i], StatoPulsante::Normale));
        b->SetImmagine(ORVVideoButtonSemplice::Selezionato,
                       SkinFinestre::IconaBottone(verticali[i], StatoPulsante::Selezionato));
        b->move(8 + i * 30, 196);
        b->SetSelezionatoTipo(i == 1 ? 1 : 0);
    }
    auto* colori = new ORVVideoTwoColors(pagina);
    colori->setGeometry(120, 196, 97, 28);
    colori->SetColore1(0x07BFFD);
    colori->SetColore2(0x1E1E1E);
    auto* fontColore = new ORVVideoTwoColors(pagina);
    fontColore->setGeometry(230, 198, 25, 25);
    fontColore->SetColore1(0xFFFFFF);
    fontColore->SetColore2(0xC06000);
    auto* youtube = new ORVVideoStato(pagina);
    youtube->setGeometry(0, 240, 233, 56);
    youtube->SetCaption("YouTube");
    youtube->SetChecked(true);
    auto* vimeo = new ORVVideoStato(pagina);
    vimeo->setGeometry(240, 240, 233, 56);
    vimeo->SetCaption("Vimeo");
    auto* riducibile = new ORVPannelloRiducibile(pagina);
    riducibile->setGeometry(0, 310, 560, 64);
    riducibile->SetBorderColor(0x808080);
    riducibile->SetBorderLeft(true);
    riducibile->SetBorderTop(true);
    riducibile->SetBorderRight(true);
    riducibile->SetBorderBottom(true);

    // Right column: a chooser-like list with its bar, and the answer buttons.
    auto* colonna = new ORVPannelloBordo(sfondo);
    colonna->setGeometry(660, 8, client->width() - 668, client->height() - 16);
    colonna->SetColor(0x363636);
    colonna->SetBorderColor(0x404040);
    auto* lista = new ORVListBox(colonna);
    lista->setGeometry(10, 10, colonna->width() - 35, 293);
    lista->setStyleSheet("QListWidget { background: #505050; color: #DCDCDC; border: none; }");
    for (int i = 1; i <= 30; ++i) lista->addItem(QString("Image_%1.jpg").arg(i, 4, 10, QChar('0')));
    for (int i = 0; i < lista->count(); ++i) lista->item(i)->setSizeHint(QSize(-1, 19));
    auto* barra = new ORVScrollBarVert(colonna);
    barra->setGeometry(colonna->width() - 25, 10, 15, 293);
    barra->SetORV_ColoreSfondo(0x505050);
    barra->SetORV_ValoreMax(lista->count() * 19);
    barra->SetORV_Posizione(0);
    auto* ok = new ORVLRButton(colonna);
    ok->SetCaption("OK");
    ok->setFont(FontControllo("Calibri", 10));
    ok->move(10, 320);
    auto* annulla = new ORVLRButton(colonna);
    annulla->SetCaption("Annulla");
    annulla->setFont(FontControllo("Calibri", 10));
    annulla->move(120, 320);
    auto* aiuto = new ORVVideoButton(colonna);
    aiuto->SetCaption("Aiuto");
    aiuto->SetColoreFont(0x07BFFD);
    aiuto->move(10, 360);
    auto* pannello = new ORVPannello(colonna);
    pannello->setGeometry(10, 400, colonna->width() - 20, 150);
    pannello->SetORV_VisualizzaAltrePagine(true);

    // The list lays its rows out once shown; then it is scrolled as by the wheel.
    finestra.show();
    QApplication::processEvents();
    lista->SetTopIndex(4);
    barra->ImpostaPosizione(lista->count(), lista->TopIndex(), 19);
    const QImage im = Foto(&finestra);
    // What lies outside the rounded outline is not part of the window.
    return Ritaglia(im, RegioneArrotondata(im.size()), QColor(0x5A, 0x6E, 0x82));
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    const QString foglio = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("foglio_finestre.png");
    const QString esempio = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("finestra_esempio.png");
    if (!FoglioControlli().save(foglio)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(foglio));
        return 1;
    }
    if (!FinestraEsempio().save(esempio)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(esempio));
        return 1;
    }
    return 0;
}
