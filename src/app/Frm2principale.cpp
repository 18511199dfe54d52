#include "app/Frm2principale.h"

#include "app/CreaClick.h"
#include "app/ElencoFont.h"
#include "app/PortaDialoghi.h"
#include "app/Tshape.h"
#include "controls/ComuneControlli.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvheader.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Orvvideobuttonsemplice.h"
#include "controls/Orvvideoscrollbar.h"
#include "controls/Orvvideoscrollbarnolista.h"
#include "controls/Orvvideotwocolors.h"
#include "controls/Posizionamento.h"
#include "controls/SkinFinestre.h"
#include "controls/TFlatEdit.h"
#include "controls/TFlatMemo.h"
#include "dialogs/RisultatoDialogo.h"
#include "encoding/ImpostazioniCodec.h"
#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "platform/Immagini.h"
#include "platform/LetturaImmagini.h"
#include "project/ImpostazioniGlobali.h"
#include "project/PresetIntro.h"
#include "project/TabellaImmagini.h"
#include "project/TabellaLingue.h"
#include "project/TestiMessaggi.h"
#include "render/SalvaFrame.h"
#include "render/Sfondo.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace {

// The window and its three bands.
constexpr int LarghezzaFinestra = 1281;
constexpr int AltezzaFinestraStandard = 1024;
constexpr int AltezzaBandaIntro = 47;
constexpr int AltezzaBandaComandi = 275;
constexpr int BordoHeader = 34;
// The frame's client is 6 pixels in from each side; the pages sit inside the header's border.
constexpr int LarghezzaPagina = LarghezzaFinestra - 2 * 6 - 2 * BordoHeader;
constexpr int AltezzaSchede = 40;

// The grid of every page: rows of controls, a margin all round.
constexpr int Margine = 6;
constexpr int AltezzaRiga = 28;
constexpr int PassoRiga = 33;
constexpr int Spazio = 8;
constexpr int LarghezzaCerca = 110;

int Y(int riga) { return Margine + riga * PassoRiga; }

}  // namespace

// Builds the controls of the window and records each one as a view of its setting.
class CostruttoreViste {
public:
    explicit CostruttoreViste(TForm2Principale& f) : f(f), imp(f.imp_) {}
    using Imp = ImpostazioniProgetto;

    template <class T>
    T* Nuovo(QWidget* genitore, const QString& nome, int x, int y, int l, int a) {
        auto* c = new T(genitore);
        c->setObjectName(nome);
        c->setGeometry(x, y, l, a);
        return c;
    }

    ORV_2016_Label* Etichetta(QWidget* p, const QString& nome, int x, int y, int l,
                              Qt::AlignmentFlag allinea = Qt::AlignLeft) {
        auto* c = Nuovo<ORV_2016_Label>(p, nome, x, y, l, AltezzaRiga);
        c->SetORV_Stile(f.stile_);
        c->SetAlignment(allinea);
        return c;
    }

    ORV_2016_Label* Percorso(QWidget* p, const QString& nome, QString Imp::*m, int x, int y, int l) {
        auto* c = Etichetta(p, nome, x, y, l);
        c->SetColoreFont(0x07BFFD);
        // A long path keeps its folder's start and its file name.
        c->SetElisione(Qt::ElideMiddle);
        Vista(c, [=, &imp = imp] { c->SetCaption(imp.*m); }, [=, &imp = imp] { imp.*m = c->Caption(); });
        return c;
    }

    ORV_2016_Check* Check(QWidget* p, const QString& nome, bool Imp::*m, int x, int y, int l) {
        auto* c = Nuovo<ORV_2016_Check>(p, nome, x, y, l, AltezzaRiga);
        c->SetORV_Stile(f.stile_);
        if (m) Vista(c, [=, &imp = imp] { c->SetChecked(imp.*m); }, [=, &imp = imp] { imp.*m = c->Checked(); });
        return c;
    }

    ORV_2016_Button* Bottone(QWidget* p, const QString& nome, int x, int y, int l, const QString& caption = {}) {
        auto* c = Nuovo<ORV_2016_Button>(p, nome, x, y, l, AltezzaRiga);
        c->SetORV_Stile(f.stile_);
        c->SetCaption(caption);
        return c;
    }

    ORV_2016_Lista* Lista(QWidget* p, const QString& nome, ListaVoci Imp::*m, int x, int y, int l, int gap) {
        auto* c = Nuovo<ORV_2016_Lista>(p, nome, x, y, l, AltezzaRiga);
        c->SetORV_Stile(f.stile_);
        c->SetORV_GapCambioValore(gap);
        Vista(
            c,
            [=, &imp = imp] {
                if (c->ORV_Elenco() != (imp.*m).Elenco()) c->SetORV_Elenco((imp.*m).Elenco());
                c->SetORV_Voce((imp.*m).Voce());
                // New items under the same number: the caption follows them.
                if (c->Caption() != (imp.*m).Testo()) c->SetCaption((imp.*m).Testo());
            },
            [=, &imp = imp] { (imp.*m).ImpostaVoce(c->ORV_Voce()); });
        return c;
    }

    ORV_2016_SpinNumber* Numero(QWidget* p, const QString& nome, int Imp::*m, int x, int y, int l, int minimo,
                                int massimo, int gap, const QString& prefisso = {}) {
        auto* c = Nuovo<ORV_2016_SpinNumber>(p, nome, x, y, l, AltezzaRiga);
        c->SetORV_Stile(f.stile_);
        c->SetORV_ValoreMin(minimo);
        c->SetORV_ValoreMax(massimo);
        c->SetORV_GapCambioValore(gap);
        c->SetORV_PrefissoCaption(prefisso);
        Vista(c, [=, &imp = imp] { c->SetORV_Valore(imp.*m); }, [=, &imp = imp] { imp.*m = c->ORV_Valore(); });
        return c;
    }

    ORVVideoScrollBarNoLista* Slider(QWidget* p, const QString& nome, int Imp::*m, int x, int y, int l, int minimo,
                                     int massimo, const QString& suffisso = {}, bool stop25 = false) {
        auto* c = Nuovo<ORVVideoScrollBarNoLista>(p, nome, x, y + 4, l, 20);
        c->SetValoreMin(minimo);
        c->SetValoreMax(massimo);
        c->SetGapCambioValore(2);
        c->SetValoreSuffisso(suffisso);
        c->SetStopMultipli25(stop25);
        c->SetORV_Bottoni(true);
        c->SetORV_ProgressBar(true);
        Vista(c, [=, &imp = imp] { c->SetValore(imp.*m); }, [=, &imp = imp] { imp.*m = c->Valore(); });
        return c;
    }

    ORVVideoTwoColors* Coppia(QWidget* p, const QString& nome, DueColori Imp::*m, int x, int y, int l, int a) {
        auto* c = Nuovo<ORVVideoTwoColors>(p, nome, x, y, l, a);
        Vista(
            c,
            [=, &imp = imp] {
                c->SetColore1((imp.*m).Colore1);
                c->SetColore2((imp.*m).Colore2);
            },
            [=, &imp = imp] { imp.*m = DueColori{c->Colore1(), c->Colore2()}; });
        return c;
    }

    TShape* Forma(QWidget* p, const QString& nome, Colore Imp::*m, int x, int y) {
        auto* c = Nuovo<TShape>(p, nome, x, y + 2, 24, 24);
        Vista(c, [=, &imp = imp] { c->SetBrushColor(imp.*m); }, [=, &imp = imp] { imp.*m = c->BrushColor(); });
        return c;
    }

    ORVVideoButtonSemplice* Pulsante(QWidget* p, const QString& nome, int Imp::*m, int x, int y,
                                     SkinFinestre::Icona icona) {
        auto* c = Nuovo<ORVVideoButtonSemplice>(p, nome, x, y, 28, 28);
        c->SetImmagine(ORVVideoButtonSemplice::Normale, SkinFinestre::IconaBottone(icona, StatoPulsante::Normale));
        c->SetImmagine(ORVVideoButtonSemplice::Attivo, SkinFinestre::IconaBottone(icona, StatoPulsante::Attivo));
        c->SetImmagine(ORVVideoButtonSemplice::Premuto, SkinFinestre::IconaBottone(icona, StatoPulsante::Attivo));
        c->SetImmagine(ORVVideoButtonSemplice::Selezionato,
                       SkinFinestre::IconaBottone(icona, StatoPulsante::Selezionato));
        Vista(c, [=, &imp = imp] { c->SetSelezionatoTipo(imp.*m); }, [=, &imp = imp] { imp.*m = c->SelezionatoTipo(); });
        return c;
    }

    TFlatEdit* Riga(QWidget* p, const QString& nome, QString Imp::*m, int x, int y, int l) {
        auto* c = Nuovo<TFlatEdit>(p, nome, x, y, l, AltezzaRiga);
        c->setFont(FontControllo("Calibri", 12));
        Vista(
            c,
            [=, &imp = imp] {
                if (c->Text() == imp.*m) return;
                c->SetText(imp.*m);
                // A text longer than the box holds is cut (and told): the model keeps what the box shows.
                imp.*m = c->Text();
            },
            [=, &imp = imp] { imp.*m = c->Text(); });
        return c;
    }

    TFlatMemo* Memo(QWidget* p, const QString& nome, QStringList Imp::*m, int x, int y, int l, int a) {
        auto* c = Nuovo<TFlatMemo>(p, nome, x, y, l, a);
        c->setFont(FontControllo("Calibri", 12));
        Vista(
            c,
            [=, &imp = imp] {
                if (c->Lines() != imp.*m) c->SetLines(imp.*m);
            },
            [=, &imp = imp] { imp.*m = c->Lines(); });
        return c;
    }

    void Vista(QWidget*, std::function<void()> scrivi, std::function<void()> leggi) {
        f.viste_.push_back({std::move(scrivi), std::move(leggi)});
    }

    TForm2Principale& f;
    Imp& imp;
};

TForm2Principale::TForm2Principale(PortaDialoghi* porta, QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::FramelessWindowHint), porta_(porta) {
    setObjectName(QStringLiteral("Form2Principale"));
    // The program's name is the title the task bar shows, in every language.
    setWindowTitle(QStringLiteral("Quenvox"));
    resize(LarghezzaFinestra, AltezzaFinestraStandard);
    contesto_ = std::make_unique<ContestoRendering>(*this);
    stile_ = new ORV_2016_Stile(this);
    stile_->hide();
    galleria_ = CaricaGalleriaStili();
    CreaCornice();
    // The window starts on the project's defaults: the duration mirrors TotaleFrame.
    imp_.ProgettoDurata = static_cast<int>(ImpostazioniGlobali.TotaleFrame);
    contesto_->Impostazioni = &imp_;
    Collega();
    InstallaRichiami();
    ApplicaLinguaFinestra();
    MostraPaginaScheda(1);
}

TForm2Principale::~TForm2Principale() {
    // The project code must not call back into a window that is gone.
    InstallaApplicaLingua(nullptr);
    InstallaRichiamiPreset({});
}

// ---------------------------------------------------------------------------------------------
// Building

QWidget* TForm2Principale::NuovaPagina(const QString& nome) {
    auto* pagina = new QWidget;
    pagina->setObjectName(nome);
    header_->Pagine()->addWidget(pagina);
    return pagina;
}

void TForm2Principale::CreaCornice() {
    cornice_ = new ORVForm(this);
    cornice_->setObjectName(QStringLiteral("ORVForm1"));
    cornice_->SetLato1Alternativo(true);
    cornice_->SetLato1AlternativoCaption1(QStringLiteral("QV"));
    cornice_->SetLato1AlternativoCaption2(QStringLiteral("Intro"));
    cornice_->SetBtnVisibleMinimize(true);
    cornice_->SetBtnVisibleClose(true);
    cornice_->SetDimensionabile(false);
    auto* client = new ORVFormClient(cornice_);
    client->setObjectName(QStringLiteral("ORVFormClient1"));
    client->resize(LarghezzaFinestra - client->NonAreaClientSX() - client->NonAreaClientDX(),
                   AltezzaFinestraStandard - client->NonAreaClientSU() - client->NonAreaClientGIU());

    auto* completo = new ORVPannelloBordo(client);
    completo->setObjectName(QStringLiteral("Z_PannelloCompleto"));
    completo->setGeometry(0, 0, client->width(), client->height());
    completo->SetColor(0x2D2D2D);
    completo->SetBorderColor(0x404040);

    const int l = completo->width();
    auto banda = [&](const char* nome, int y, int a, TColor colore) {
        auto* b = new ORVPannelloBordo(completo);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(0, y, l, a);
        b->SetColor(colore);
        b->SetBorderColor(0x404040);
        return b;
    };
    CreaBandaIntro(banda("Z_PannelloIntro", 0, AltezzaBandaIntro, 0x363636));
    CreaBandaComandi(banda("Z_PannelloComandi", AltezzaBandaIntro, AltezzaBandaComandi, 0x2D2D2D));
    const int yImmagine = AltezzaBandaIntro + AltezzaBandaComandi;
    CreaBandaImmagine(banda("Z_PannelloImmagine", yImmagine, completo->height() - yImmagine, 0x262626));
    client->installEventFilter(this);
}

void TForm2Principale::DisponiBande(QSize dimensione) {
    auto pannello = [this](const char* nome) { return findChild<QWidget*>(QLatin1String(nome)); };
    const int l = dimensione.width();
    const int yImmagine = AltezzaBandaIntro + AltezzaBandaComandi;
    pannello("Z_PannelloCompleto")->setGeometry(QRect(QPoint(0, 0), dimensione));
    pannello("Z_PannelloIntro")->resize(l, AltezzaBandaIntro);
    pannello("Z_PannelloComandi")->resize(l, AltezzaBandaComandi);
    header_->resize(l, AltezzaBandaComandi);
    pannello("Z_PannelloImmagine")->setGeometry(0, yImmagine, l, std::max(0, dimensione.height() - yImmagine));
    QWidget* configura = pannello("Configura");
    configura->move(l - 12 - configura->width(), configura->y());
}

bool TForm2Principale::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Resize && oggetto == findChild<QWidget*>(QStringLiteral("ORVFormClient1")))
        DisponiBande(static_cast<QWidget*>(oggetto)->size());
    return QDialog::eventFilter(oggetto, evento);
}

void TForm2Principale::CreaBandaIntro(QWidget* b) {
    CostruttoreViste c(*this);
    const int y = (b->height() - AltezzaRiga) / 2;
    c.Etichetta(b, QStringLiteral("IntroLabel"), 12, y, 170, Qt::AlignRight);
    c.Lista(b, QStringLiteral("IntroLista"), &ImpostazioniProgetto::IntroLista, 190, y, 420, 5);
    c.Bottone(b, QStringLiteral("Configura"), b->width() - 12 - 160, y, 160);
}

void TForm2Principale::CreaBandaComandi(QWidget* b) {
    header_ = new ORVHeader(b);
    header_->setObjectName(QStringLiteral("PagineHeader"));
    header_->CreaBitmap(AltezzaSchede);
    header_->SetBorderWidth(BordoHeader);
    header_->setGeometry(0, 0, b->width(), b->height());
    header_->Pagine()->setObjectName(QStringLiteral("Pagine"));
    CreaPaginaDatiProgetto(NuovaPagina(QStringLiteral("PaginaDatiProgetto")));
    CreaPaginaSfondo(NuovaPagina(QStringLiteral("PaginaSfondo")));
    CreaPaginaTesto(NuovaPagina(QStringLiteral("PaginaTesto")));
    CreaPaginaFont(NuovaPagina(QStringLiteral("PaginaFont")));
    CreaPaginaEffetti(NuovaPagina(QStringLiteral("PaginaEffetti")));
    CreaPagineIntro();
    NuovaPagina(QStringLiteral("PaginaCodifica"));
}

void TForm2Principale::CreaPaginaDatiProgetto(QWidget* p) {
    CostruttoreViste c(*this);
    using I = ImpostazioniProgetto;
    const int xe = Margine, le = 170, xc = xe + le + Spazio;
    c.Etichetta(p, QStringLiteral("Label2"), xe, Y(0), le, Qt::AlignRight);
    c.Percorso(p, QStringLiteral("CartellaOutput"), &I::CartellaOutput, xc, Y(0), 760);
    c.Bottone(p, QStringLiteral("CercaDirectoryOutput"), xc + 760 + Spazio, Y(0), LarghezzaCerca);

    c.Etichetta(p, QStringLiteral("ProgettoLabelRisoluzione"), xe, Y(1), le, Qt::AlignRight);
    c.Lista(p, QStringLiteral("ProgettoRisoluzione"), &I::ProgettoRisoluzione, xc, Y(1), 260, 30);
    c.Etichetta(p, QStringLiteral("ProgettoLabelFrameRate"), xe, Y(2), le, Qt::AlignRight);
    c.Lista(p, QStringLiteral("ProgettoFrameRate"), &I::ProgettoFrameRate, xc, Y(2), 260, 30);
    c.Etichetta(p, QStringLiteral("ProgettoLabelDurata"), xe, Y(3), le, Qt::AlignRight);
    auto* durata = c.Numero(p, QStringLiteral("ProgettoDurata"), &I::ProgettoDurata, xc, Y(3), 260, 0, 1000, 10);
    durata->SetORV_FormatoVideo(true);
    durata->SetORV_FormatoVideoFrameRate(25);

    c.Check(p, QStringLiteral("UsaJpg"), &I::UsaJpg, xc, Y(4), 260)->SetCaption(QStringLiteral("JPG"));
    c.Bottone(p, QStringLiteral("ImpostaCodec"), xc + 260 + 3 * Spazio, Y(1), 200, QStringLiteral("Codec..."));
}

void TForm2Principale::CreaPaginaSfondo(QWidget* p) {
    CostruttoreViste c(*this);
    using I = ImpostazioniProgetto;
    const int l = 260, x2 = Margine + l + 2 * Spazio;
    c.Check(p, QStringLiteral("SfondoCheckSfondoColorato"), &I::SfondoCheckSfondoColorato, Margine, Y(0), l);
    c.Check(p, QStringLiteral("SfondoCheckSfondoTrasparente"), &I::SfondoCheckSfondoTrasparente, Margine, Y(1), l);
    c.Check(p, QStringLiteral("SfondoCheckSfondoBitmap"), &I::SfondoCheckSfondoBitmap, Margine, Y(2), l);
    c.Check(p, QStringLiteral("SfondoCheckSfondoFlares"), &I::SfondoCheckSfondoFlares, Margine, Y(3), l);
    c.Coppia(p, QStringLiteral("SfondoColori"), &I::SfondoColori, x2, Y(0), 97, 28);
    c.Percorso(p, QStringLiteral("SfondoBitmap"), &I::SfondoBitmap, x2, Y(2), 700);
    c.Bottone(p, QStringLiteral("SfondoBitmapCerca"), x2 + 700 + Spazio, Y(2), LarghezzaCerca);
}

void TForm2Principale::CreaPaginaTesto(QWidget* p) {
    CostruttoreViste c(*this);
    using I = ImpostazioniProgetto;
    using SkinFinestre::Icona;
    const int le = 480, xb = Margine + le + Spazio;
    c.Riga(p, QStringLiteral("Testo1"), &I::Testo1, Margine, Y(0), le);
    c.Riga(p, QStringLiteral("Testo2"), &I::Testo2, Margine, Y(1), le);
    c.Riga(p, QStringLiteral("Testo3"), &I::Testo3, Margine, Y(2), le);
    c.Memo(p, QStringLiteral("Testo"), &I::Testo, Margine, Y(3), le, AltezzaRiga + PassoRiga);

    struct RigaBottoni {
        int I::*sx, I::*centro, I::*dx, I::*logo, I::*stile;
    };
    const RigaBottoni righe[] = {
        {&I::AlignT1SX, &I::AlignT1Centro, &I::AlignT1DX, &I::Logo1, &I::LogoStyle1},
        {&I::AlignT2SX, &I::AlignT2Centro, &I::AlignT2DX, &I::Logo2, &I::LogoStyle2},
        {&I::AlignT3SX, &I::AlignT3Centro, &I::AlignT3DX, &I::Logo3, &I::LogoStyle3},
        {&I::AlignT4SX, &I::AlignT4Centro, &I::AlignT4DX, &I::Logo4, &I::LogoStyle4},
    };
    for (int r = 0; r < 4; ++r) {
        const QString n = QString::number(r + 1);
        const int y = Y(r);
        c.Pulsante(p, "AlignT" + n + "SX", righe[r].sx, xb, y, Icona::AllineaSinistra);
        c.Pulsante(p, "AlignT" + n + "Centro", righe[r].centro, xb + 30, y, Icona::AllineaCentro);
        c.Pulsante(p, "AlignT" + n + "DX", righe[r].dx, xb + 60, y, Icona::AllineaDestra);
        c.Pulsante(p, "Logo" + n, righe[r].logo, xb + 100, y, Icona::Logo);
        c.Pulsante(p, "LogoStyle" + n, righe[r].stile, xb + 130, y, Icona::LogoStile);
    }

    const int x2 = xb + 180, le2 = 110, xc2 = x2 + le2 + Spazio;
    const int lLogo = LarghezzaPagina - Margine - LarghezzaCerca - Spazio - xc2;
    c.Numero(p, QStringLiteral("Interlinea"), &I::Interlinea, x2, Y(0), 300, -200, 200, 5);
    c.Pulsante(p, QStringLiteral("AlignVAlto"), &I::AlignVAlto, x2, Y(1), Icona::AllineaAlto);
    c.Pulsante(p, QStringLiteral("AlignVCentro"), &I::AlignVCentro, x2 + 30, Y(1), Icona::AllineaMezzo);
    c.Pulsante(p, QStringLiteral("AlignVBasso"), &I::AlignVBasso, x2 + 60, Y(1), Icona::AllineaBasso);
    c.Etichetta(p, QStringLiteral("LabelLogo"), x2, Y(2), le2, Qt::AlignRight);
    c.Percorso(p, QStringLiteral("Logo"), &I::Logo, xc2, Y(2), lLogo);
    c.Bottone(p, QStringLiteral("LogoCerca"), xc2 + lLogo + Spazio, Y(2), LarghezzaCerca);
    c.Bottone(p, QStringLiteral("Aggiorna"), x2, Y(4), 160);
}

void TForm2Principale::CreaPaginaFont(QWidget* p) {
    CostruttoreViste c(*this);
    using I = ImpostazioniProgetto;
    // The style gallery: 98x64 previews, two to a row.
    const int lgal = 2 * (LarghezzaAnteprimaStile + 6) + 16;
    galleriaVista_ = c.Nuovo<QListWidget>(p, QStringLiteral("RaccoglitoreAnteprime"), Margine, Margine, lgal,
                                          Y(5) + AltezzaRiga - Margine);
    galleriaVista_->setViewMode(QListView::IconMode);
    galleriaVista_->setIconSize(QSize(LarghezzaAnteprimaStile, AltezzaAnteprimaStile));
    galleriaVista_->setGridSize(QSize(LarghezzaAnteprimaStile + 6, AltezzaAnteprimaStile + 6));
    galleriaVista_->setMovement(QListView::Static);
    galleriaVista_->setResizeMode(QListView::Adjust);
    galleriaVista_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    galleriaVista_->setStyleSheet(QStringLiteral(
        "QListWidget { background: #262626; border: 1px solid #404040; }"
        "QListWidget::item:selected { background: #07BFFD; }"
        "QScrollBar:vertical { background: #2D2D2D; width: 10px; }"
        "QScrollBar::handle:vertical { background: #505050; min-height: 20px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { height: 0px; }"));
    for (const QImage& anteprima : galleria_.Anteprime)
        galleriaVista_->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(anteprima)), QString()));

    // Column A: the face.
    const int xa = Margine + lgal + 2 * Spazio, lea = 76, xca = xa + lea + 4, lca = 196;
    c.Etichetta(p, QStringLiteral("FontLabelFont"), xa, Y(0), lea, Qt::AlignRight);
    auto* font = c.Nuovo<ORVVideoScrollBar>(p, QStringLiteral("FontElenco"), xca, Y(0) + 4, lca, 20);
    font->SetORV_Bottoni(true);
    font->SetGapCambioValore(5);
    font->SetColoreFont(0x07BFFD);
    font->setFont(FontPixel("Calibri", 13));
    c.Vista(
        font,
        [this, font] {
            if (font->ListaPossibiliValori() != imp_.FontElenco.Elenco())
                font->SetListaPossibiliValori(imp_.FontElenco.Elenco());
            font->SetListaPossibiliValoriVoce(imp_.FontElenco.Voce());
        },
        [this, font] { imp_.FontElenco.ImpostaVoce(font->ListaPossibiliValoriVoce()); });
    c.Etichetta(p, QStringLiteral("FontLabelFontSize"), xa, Y(1), lea, Qt::AlignRight);
    c.Slider(p, QStringLiteral("FontSize"), &I::FontSize, xca, Y(1), lca - 32, 0, 200);
    c.Coppia(p, QStringLiteral("FontColore"), &I::FontColore, xca + lca - 25, Y(1) + 2, 25, 25);
    c.Etichetta(p, QStringLiteral("FontLabelFontOpacita"), xa, Y(2), lea, Qt::AlignRight);
    c.Slider(p, QStringLiteral("FontOpacita"), &I::FontOpacita, xca, Y(2), lca - 32, 0, 100, QStringLiteral("%"),
             true);
    const int la = lea + 4 + lca, lc = (la - 6) / 2;
    // Captioned in the language in force by MostraDidascalieFisse.
    c.Check(p, QStringLiteral("FontBold"), &I::FontBold, xa, Y(3), lc);
    c.Check(p, QStringLiteral("FontItalic"), &I::FontItalic, xa + lc + 6, Y(3), lc);
    c.Check(p, QStringLiteral("FontUnderline"), &I::FontUnderline, xa, Y(4), lc);
    c.Check(p, QStringLiteral("FontTrasparente"), &I::FontTrasparente, xa + lc + 6, Y(4), lc);
    c.Check(p, QStringLiteral("Enfatizzare"), &I::Enfatizzare, xa, Y(5), lc);
    c.Check(p, QStringLiteral("TestoFlat"), &I::TestoFlat, xa + lc + 6, Y(5), lc);

    // Column B: outline 1, outline 2, glow and shadow, one group to a row.
    const int xb = xa + la + 2 * Spazio;
    const int lg = 100, xf = xb + 30 + lg + 4, xd = xf + 30, ld = 72, xs = xd + ld + 4, ls = 110, xo = xs + ls + 6,
              lo = 160, xso = xo + lo + 4, lso = LarghezzaPagina - Margine - xso;
    struct Gruppo {
        const char *check, *etichetta, *colore, *etDim, *dim, *etSeconda, *seconda;
        bool I::*attivo;
        Colore I::*tinta;
        int I::*misura;
        int I::*opacita;
        Colore I::*tintaSeconda;
    };
    const Gruppo gruppi[] = {
        {"FontOutline1Check", "FontLabelOutline1", "FontOutline1Colore", "FontLabelOutline1Dim", "FontOutline1Size",
         "FontLabelOutline1Opacita", "FontOutline1Opacita", &I::FontOutline1Check, &I::FontOutline1Colore,
         &I::FontOutline1Size, &I::FontOutline1Opacita, nullptr},
        {"FontOutline2Check", "FontLabelOutline2", "FontOutline2Colore", "FontLabelOutline2Dim", "FontOutline2Size",
         "FontLabelOutline2Opacita", "FontOutline2Opacita", &I::FontOutline2Check, &I::FontOutline2Colore,
         &I::FontOutline2Size, &I::FontOutline2Opacita, nullptr},
        {"FontGlowCheck", "FontLabelGlow", "FontGlowColore", "FontLabelGlowDim", "FontGlowSize",
         "FontLabelGlowColoreInterno", "FontGlowColoreInterno", &I::FontGlowCheck, &I::FontGlowColore,
         &I::FontGlowSize, nullptr, &I::FontGlowColoreInterno},
        {"FontShadowCheck", "FontLabelShadow", "FontShadowColore", "FontLabelShadowDim", "FontShadowSize",
         "FontLabelShadowOpacita", "FontShadowOpacita", &I::FontShadowCheck, &I::FontShadowColore,
         &I::FontShadowSize, &I::FontShadowOpacita, nullptr},
    };
    for (int r = 0; r < 4; ++r) {
        const Gruppo& g = gruppi[r];
        const int y = Y(r);
        c.Check(p, QLatin1String(g.check), g.attivo, xb, y, 28);
        c.Etichetta(p, QLatin1String(g.etichetta), xb + 30, y, lg);
        c.Forma(p, QLatin1String(g.colore), g.tinta, xf, y);
        c.Etichetta(p, QLatin1String(g.etDim), xd, y, ld, Qt::AlignRight);
        // Only outline 1's width carries a unit, as the settings list gives them.
        c.Slider(p, QLatin1String(g.dim), g.misura, xs, y, ls, 0, 30, r == 0 ? QStringLiteral("px") : QString());
        c.Etichetta(p, QLatin1String(g.etSeconda), xo, y, lo, Qt::AlignRight);
        if (g.opacita)
            c.Slider(p, QLatin1String(g.seconda), g.opacita, xso, y, lso, 0, 100, QString(), true);
        else
            c.Forma(p, QLatin1String(g.seconda), g.tintaSeconda, xso, y);
    }
    c.Etichetta(p, QStringLiteral("FontLabelShadowOffset"), xb + 30, Y(4), lg);
    c.Etichetta(p, QStringLiteral("FontLabelShadowOffsetX"), xd, Y(4), ld, Qt::AlignRight);
    c.Slider(p, QStringLiteral("FontShadowOffsetX"), &I::FontShadowOffsetX, xs, Y(4), ls, -100, 100);
    c.Etichetta(p, QStringLiteral("FontLabelShadowOffsetY"), xo, Y(4), lo, Qt::AlignRight);
    c.Slider(p, QStringLiteral("FontShadowOffsetY"), &I::FontShadowOffsetY, xso, Y(4), lso, -100, 100);
}

void TForm2Principale::CreaPaginaEffetti(QWidget* p) {
    CostruttoreViste c(*this);
    using I = ImpostazioniProgetto;
    const int l = 260, x2 = Margine + l + 2 * Spazio;
    c.Check(p, QStringLiteral("EffettiNeveCheck"), &I::EffettiNeveCheck, Margine, Y(0), l);
    c.Check(p, QStringLiteral("EffettiLensFlareCheck"), &I::EffettiLensFlareCheck, Margine, Y(1), l);
    c.Lista(p, QStringLiteral("EffettoLensFlareLista"), &I::EffettoLensFlareLista, x2, Y(1), 260, 5);
    c.Check(p, QStringLiteral("EffettiParticelleCheck"), &I::EffettiParticelleCheck, Margine, Y(2), l);
    c.Lista(p, QStringLiteral("EffettiParticelleLista"), &I::EffettiParticelleLista, x2, Y(2), 260, 5);
    c.Numero(p, QStringLiteral("EffettiParticelleQuantita"), &I::EffettiParticelleQuantita, x2, Y(3), 260, 0, 1000,
             5, QStringLiteral("Quantita:"));
    c.Numero(p, QStringLiteral("EffettiParticelleVita"), &I::EffettiParticelleVita, x2 + 260 + Spazio, Y(3), 200, 0,
             300, 5, QStringLiteral("Vita:"));
    c.Etichetta(p, QStringLiteral("EffettiParticelleLabel"), Margine, Y(4), l, Qt::AlignRight);
    c.Coppia(p, QStringLiteral("EffettiParticelleColore"), &I::EffettiParticelleColore, x2, Y(4), 97, 28);
}

void TForm2Principale::CreaPagineIntro() {
    CostruttoreViste c(*this);
    using I = ImpostazioniProgetto;
    const int le = 240, xc = Margine + le + Spazio, lp = 560, xb = xc + lp + Spazio;

    QWidget* p = NuovaPagina(QStringLiteral("PI1"));
    c.Etichetta(p, QStringLiteral("Intro1Label"), Margine, Y(0), le, Qt::AlignRight);
    c.Lista(p, QStringLiteral("Intro1Lista"), &I::Intro1Lista, xc, Y(0), 760, 5);
    c.Check(p, QStringLiteral("Intro1ZoomIn"), &I::Intro1ZoomIn, xc, Y(1), 200);
    c.Check(p, QStringLiteral("TestoFlat1"), &I::TestoFlat1, xc + 200 + Spazio, Y(1), 200);

    // The logo row of intros 2 to 5: caption, path, search button, zoom.
    auto rigaLogo = [&](QWidget* pagina, int n, QString I::*logo, int I::*scala) {
        const QString s = QString::number(n);
        c.Etichetta(pagina, "Intro" + s + "Label", Margine, Y(0), le, Qt::AlignRight);
        c.Percorso(pagina, "Intro" + s + "LogoDaUtilizzare", logo, xc, Y(0), lp);
        c.Bottone(pagina, "Intro" + s + "Cerca", xb, Y(0), LarghezzaCerca);
        c.Numero(pagina, "Intro" + s + "LogoScala", scala, xb + LarghezzaCerca + 2 * Spazio, Y(0), 220, 1, 300, 3,
                 QStringLiteral("Zoom:  "));
    };
    auto rigaSfondo = [&](QWidget* pagina, int n, int riga, bool I::*attivo, QString I::*file) {
        const QString s = QString::number(n);
        c.Check(pagina, "Intro" + s + "Sfondo", attivo, Margine, Y(riga), le);
        c.Percorso(pagina, "Intro" + s + "SfondoFile", file, xc, Y(riga), lp);
        c.Bottone(pagina, "Intro" + s + "SfondoCerca", xb, Y(riga), LarghezzaCerca);
    };

    p = NuovaPagina(QStringLiteral("PI2"));
    rigaLogo(p, 2, &I::Intro2LogoDaUtilizzare, &I::Intro2LogoScala);
    c.Numero(p, QStringLiteral("Intro2_Oscillazioni"), &I::Intro2_Oscillazioni, xc, Y(1), 270, 1, 300, 3,
             QStringLiteral("Oscillazioni:  "));
    c.Numero(p, QStringLiteral("Intro2_Smorzamento"), &I::Intro2_Smorzamento, xc + 270 + Spazio, Y(1), 270, 1,
             1000, 3, QStringLiteral("Smorzamento:  "));
    rigaSfondo(p, 2, 2, &I::Intro2Sfondo, &I::Intro2SfondoFile);

    p = NuovaPagina(QStringLiteral("PI3"));
    rigaLogo(p, 3, &I::Intro3LogoDaUtilizzare, &I::Intro3LogoScala);
    rigaSfondo(p, 3, 1, &I::Intro3Sfondo, &I::Intro3SfondoFile);

    p = NuovaPagina(QStringLiteral("PI4"));
    rigaLogo(p, 4, &I::Intro4LogoDaUtilizzare, &I::Intro4LogoScala);
    {
        // Camera on the left, waves on the right.
        const int l1 = 170, x1 = Margine + le - l1, n1 = xc, ln = 200;
        const int x2 = n1 + ln + 3 * Spazio, l2 = 130, n2 = x2 + l2 + Spazio;
        const int x3 = n2 + ln + 3 * Spazio, l3 = 130, n3 = x3 + l3 + Spazio;
        c.Etichetta(p, QStringLiteral("Intro4LabelCamera"), n1, Y(1), ln)->SetColoreFont(0x07BFFD);
        c.Etichetta(p, QStringLiteral("Intro4LabelOnde"), n2, Y(1), ln)->SetColoreFont(0x07BFFD);
        struct Voce {
            const char *etichetta, *numero;
            int I::*valore;
            int minimo, massimo, x, xn, l, riga;
        };
        const Voce voci[] = {
            {"Intro4LabelPosX", "Intro4AsseX", &I::Intro4AsseX, -1000, 1000, x1, n1, l1, 2},
            {"Intro4LabelPosY", "Intro4AsseY", &I::Intro4AsseY, -1000, 1000, x1, n1, l1, 3},
            {"Intro4LabelPosZ", "Intro4AsseZ", &I::Intro4AsseZ, 1, 1000, x1, n1, l1, 4},
            {"Intro4LabelFocale", "Intro4Focale", &I::Intro4Focale, 1, 1000, x2, n2, l2, 4},
            {"Intro4LabelPosizione", "Intro4Posizione", &I::Intro4Posizione, 1, 2000, x2, n2, l2, 5},
            {"Intro4LabelDimensione", "Intro4Dimensione", &I::Intro4Dimensione, 240, 960, x2, n2, l2, 2},
            {"Intro4LabelNumero", "Intro4Onde", &I::Intro4Onde, 1, 10, x2, n2, l2, 3},
            {"Intro4LabelArea", "Intro4Area", &I::Intro4Area, 10, 100, x3, n3, l3, 2},
            {"Intro4LabelOpacita", "Intro4Opacita", &I::Intro4Opacita, 0, 100, x3, n3, l3, 3},
        };
        for (const Voce& v : voci) {
            c.Etichetta(p, QLatin1String(v.etichetta), v.x, Y(v.riga), v.l, Qt::AlignRight);
            c.Numero(p, QLatin1String(v.numero), v.valore, v.xn, Y(v.riga), ln, v.minimo, v.massimo, 3);
        }
        c.Etichetta(p, QStringLiteral("Intro4LabelColore"), x3, Y(4), l3, Qt::AlignRight);
        c.Forma(p, QStringLiteral("Intro4Colore"), &I::Intro4Colore, n3, Y(4));
    }

    p = NuovaPagina(QStringLiteral("PI5"));
    rigaLogo(p, 5, &I::Intro5LogoDaUtilizzare, &I::Intro5LogoScala);

    p = NuovaPagina(QStringLiteral("PI6"));
    rigaSfondo(p, 6, 0, &I::Intro6Sfondo, &I::Intro6SfondoFile);
    c.Check(p, QStringLiteral("Intro6Laser"), &I::Intro6Laser, xc, Y(1), 200);
    c.Check(p, QStringLiteral("Intro6Fumo"), &I::Intro6Fumo, xc + 200 + Spazio, Y(1), 200);
    c.Etichetta(p, QStringLiteral("Intro6LabelMessaggio"), Margine, Y(2), le, Qt::AlignRight);
    c.Riga(p, QStringLiteral("Intro6Messaggio"), &I::Intro6Messaggio, xc, Y(2), lp);
    c.Bottone(p, QStringLiteral("Intro6Aggiorna"), xb, Y(2), LarghezzaCerca);
    c.Pulsante(p, QStringLiteral("Logo16"), &I::Logo16, Margine + le - 28, Y(3), SkinFinestre::Icona::Logo);
    c.Percorso(p, QStringLiteral("Logo6"), &I::Logo6, xc, Y(3), lp);
    c.Bottone(p, QStringLiteral("Intro6Cerca"), xb, Y(3), LarghezzaCerca);
    c.Numero(p, QStringLiteral("Intro6LogoScala"), &I::Intro6LogoScala, xb + LarghezzaCerca + 2 * Spazio, Y(3), 220,
             1, 300, 3, QStringLiteral("Zoom:  "));

    p = NuovaPagina(QStringLiteral("PI7"));
    c.Etichetta(p, QStringLiteral("Intro7LabelMessaggio"), Margine, Y(0), le, Qt::AlignRight);
    c.Riga(p, QStringLiteral("Intro7Messaggio"), &I::Intro7Messaggio, xc, Y(0), lp);
    c.Bottone(p, QStringLiteral("Intro7Aggiorna"), xb, Y(0), LarghezzaCerca);

    NuovaPagina(QStringLiteral("PI8"));
    NuovaPagina(QStringLiteral("PI9"));

    p = NuovaPagina(QStringLiteral("PI10"));
    c.Etichetta(p, QStringLiteral("Intro10Label"), Margine, Y(0), le, Qt::AlignRight);
    c.Lista(p, QStringLiteral("Intro10Colori"), &I::Intro10Colori, xc, Y(0), 260, 5);
    c.Check(p, QStringLiteral("Intro10Rotazione"), &I::Intro10Rotazione, xc, Y(1), 260);
    c.Check(p, QStringLiteral("Intro10Zoom"), &I::Intro10Zoom, xc, Y(2), 260);
    c.Check(p, QStringLiteral("Intro10DimMini"), &I::Intro10DimMini, xc, Y(3), 260);

    NuovaPagina(QStringLiteral("PI11"));
}

void TForm2Principale::CreaBandaImmagine(QWidget* b) {
    CostruttoreViste c(*this);
    const QSize dimensione = DimensioneAnteprima(AltezzaFinestraStandard);
    anteprima_ = c.Nuovo<QLabel>(b, QStringLiteral("ImmagineASchermo"), 4, 3, dimensione.width(), dimensione.height());
    anteprima_->setStyleSheet(QStringLiteral("background: #000000;"));
    const int x = 4 + dimensione.width() + Spazio, l = b->width() - x - Spazio;
    c.Check(b, QStringLiteral("Anima"), nullptr, x, Y(0), l);
    auto* frame = c.Etichetta(b, QStringLiteral("LabelFrame"), x, Y(1), l, Qt::AlignHCenter);
    frame->SetColoreFont(0x07BFFD);
    frame->SetCaption(QStringLiteral("0"));
    CreaControlliSviluppo(b);
}

void TForm2Principale::CreaControlliSviluppo(QWidget* b) {
    // Developer test controls: built, hidden, never shown by the program.
    CostruttoreViste c(*this);
    const int x = b->width() - 140;
    c.Nuovo<QPushButton>(b, QStringLiteral("Button1"), x, 200, 60, 24)->setText(QStringLiteral("Button1"));
    const char* testi[] = {"-2", "1", "1", "1", "1", "6", "1", "1", "1", "1"};
    for (int i = 0; i < 10; ++i)
        c.Nuovo<QLineEdit>(b, QStringLiteral("M%1").arg(i), x + (i % 5) * 26, 230 + (i / 5) * 26, 24, 24)
            ->setText(QLatin1String(testi[i]));
    c.Nuovo<QPushButton>(b, QStringLiteral("Button2"), x, 290, 60, 24)->setText(QStringLiteral("Button2"));
    c.Nuovo<QPushButton>(b, QStringLiteral("Crea"), x, 320, 60, 24)->setText(QStringLiteral("Crea"));
    c.Nuovo<QPlainTextEdit>(b, QStringLiteral("Memo1"), x, 350, 130, 120)->setPlainText(QStringLiteral("Memo1"));
    c.Nuovo<QPushButton>(b, QStringLiteral("Copia"), x, 480, 60, 24)->setText(QStringLiteral("Copia"));
    c.Nuovo<QPushButton>(b, QStringLiteral("Button3"), x, 510, 60, 24)->setText(QStringLiteral("Button3"));
    for (const char* nome : {"Button1", "Button2", "Crea", "Memo1", "Copia", "Button3"})
        b->findChild<QWidget*>(QLatin1String(nome))->hide();
    for (int i = 0; i < 10; ++i) b->findChild<QWidget*>(QStringLiteral("M%1").arg(i))->hide();
}

// ---------------------------------------------------------------------------------------------
// Views of the model

void TForm2Principale::AggiornaViste() {
    for (const Vista& v : viste_) v.Scrivi();
    AggiornaVisibilita();
    MostraDidascalieFisse();
}

void TForm2Principale::MostraDidascalieFisse() {
    // The captions the language table does not give come from the program's message table.
    static const struct {
        const char* controllo;
        VoceMessaggio voce;
    } didascalie[] = {{"FontBold", VoceMessaggio::CaptionGrassetto},
                      {"FontItalic", VoceMessaggio::CaptionCorsivo},
                      {"FontUnderline", VoceMessaggio::CaptionSottolineato},
                      {"FontTrasparente", VoceMessaggio::CaptionTrasparente}};
    for (const auto& d : didascalie) {
        auto* casella = findChild<ORV_2016_Check*>(QLatin1String(d.controllo));
        const QString testo = TestoMessaggio(d.voce);
        if (casella && casella->Caption() != testo) casella->SetCaption(testo);
    }
}

void TForm2Principale::LeggiViste() {
    for (const Vista& v : viste_) v.Leggi();
}

void TForm2Principale::AggiornaVisibilita() {
    auto mostra = [this](const char* nome, bool visibile) {
        if (QWidget* w = findChild<QWidget*>(QLatin1String(nome))) w->setVisible(visibile);
    };
    const bool zoom = imp_.Intro1Lista.Voce() == 9;
    mostra("Intro1ZoomIn", zoom);
    mostra("TestoFlat1", zoom);
    mostra("SfondoBitmap", imp_.SfondoCheckSfondoBitmap);
    mostra("SfondoBitmapCerca", imp_.SfondoCheckSfondoBitmap);
    mostra("SfondoColori", imp_.SfondoCheckSfondoColorato);
    const bool logo = imp_.Logo1 == 1 || imp_.Logo2 == 1 || imp_.Logo3 == 1 || imp_.Logo4 == 1;
    mostra("LabelLogo", logo);
    mostra("Logo", logo);
    mostra("LogoCerca", logo);
}

std::function<void(QObject*)> TForm2Principale::Gesto(std::function<void()> gestore) {
    return [this, gestore = std::move(gestore)](QObject*) {
        LeggiViste();
        gestore();
        AggiornaViste();
    };
}

// ---------------------------------------------------------------------------------------------
// Rendering

void TForm2Principale::RichiediRendering() {
    ++renderingRichiesti_;
    if (caricamento_) return;
    if (contesto_->CicloAttivo) {
        // Inside a run: the frame in hand is drawn again with the new settings.
        ++renderingEseguiti_;
        if (disegnoAttivo_) EseguiRendering(*contesto_, imp_);
        return;
    }
    if (renderingInAttesa_) return;
    renderingInAttesa_ = true;
    QTimer::singleShot(0, this, [this] { EseguiRenderingInAttesa(); });
}

void TForm2Principale::EseguiRenderingInAttesa() {
    if (!renderingInAttesa_) return;
    renderingInAttesa_ = false;
    ++renderingEseguiti_;
    if (disegnoAttivo_) EseguiRendering(*contesto_, imp_);
}

// ---------------------------------------------------------------------------------------------
// First show

void TForm2Principale::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!aperta_) PrimaApertura();
}

void TForm2Principale::InstallaRichiami() {
    InstallaApplicaLingua([this](ImpostazioniProgetto&) { ApplicaLinguaFinestra(); });
    RichiamiPreset richiami;
    // Picking an intro opens its sheet on the "Dati per Intro" tab, from whatever tab was open.
    richiami.MostraPaginaIntro = [this](int intro) {
        header_->SetORV_PannelloAttivo(6);
        MostraPagina(QStringLiteral("PI%1").arg(intro));
    };
    richiami.EseguiRendering = [this](const ImpostazioniProgetto&) {
        AggiornaViste();
        RichiediRendering();
    };
    InstallaRichiamiPreset(std::move(richiami));
}

void TForm2Principale::PrimaApertura() {
    aperta_ = true;
    caricamento_ = true;
    const EsitoElencoImmagini elenco = CaricaElencoImmagini(imp_.TabellaImmagini);
    const EsitoCaricamento esito = CaricaProgetto(imp_);
    // In the language the project has just set.
    const QString avvisoElenco = elenco.Avviso(ImpostazioniGlobali.LinguaCorrente);
    CentraRidimensionaForm(this, LarghezzaFinestra, AltezzaFinestraStandard);
    CostruisciElencoFont(esito.NomeFontCorrente);
    contesto_->Effetti.SeminaNeve();
    AggiornaCaptionLoghi();
    imp_.CartellaOutput = PercorsoOutput;
    if (imp_.ImpostazioniCodec.isEmpty()) imp_.ImpostazioniCodec = ScriviImpostazioniCodec(SceltaCodec());
    if (porta_) porta_->ConsegnaImpostazioniCodec(imp_.ImpostazioniCodec);
    caricamento_ = false;
    AggiornaViste();
    header_->SetORV_PannelloAttivo(1);
    MostraPaginaScheda(1);
    RichiediRendering();
    if (esito.Illeggibile) erroreLetturaProgetto_ = esito.ErroreLettura;
    const QString avviso = AvvisoCaricamento(esito);
    if (!avviso.isEmpty()) SegnalaAvviso(avviso);
    if (!avvisoElenco.isEmpty()) SegnalaAvviso(avvisoElenco);
    const QStringList salvate = SessioniSalvateDaParte();
    if (!salvate.isEmpty()) {
        // Told once it was shown, also when it waits behind another box; a session that ended
        // while it was open had nobody to read it.
        SegnalaAvviso(TestoMessaggio(VoceMessaggio::SessioniSalvateDaParte).arg(salvate.join(QLatin1Char('\n'))),
                      [this, salvate] {
                          if (!fineSessione_) SessioniSegnalate(salvate);
                      });
    }
    aperturaFinita_ = true;
}

void TForm2Principale::TestoTagliato(const QString& tenuto, qsizetype lunghezza, int limite) {
    constexpr int Inizio = 30;
    const QString inizio = tenuto.left(Inizio) + (tenuto.size() > Inizio ? QStringLiteral("…") : QString());
    // In one call: a "%1" of the user's text stays as it is.
    const QString nota =
        TestoMessaggio(VoceMessaggio::TestoTagliato).arg(inizio, QString::number(lunghezza), QString::number(limite));
    // The twins of a message are cut alike: one notice for them.
    if (testiTagliati_.contains(nota)) return;
    testiTagliati_ << nota;
    if (testiTagliati_.size() > 1) return;
    // After whatever cut the others too (a project read, a message copied into its twins).
    QTimer::singleShot(0, this, [this] {
        for (const QString& n : std::exchange(testiTagliati_, {})) SegnalaAvviso(n);
    });
}

void TForm2Principale::CostruisciElencoFont(const QString& nomeFont) {
    const SceltaFont scelta = SelezionaFont(FiltraFont(FontInstallati()), nomeFont, FontMappato);
    imp_.FontElenco = ListaVoci(scelta.Elenco, scelta.Voce, ListaVoci::Regola::Libera);
}

void TForm2Principale::ApplicaLinguaFinestra() {
    RiempiTabellaLingue();
    ApplicaLingua(imp_, this);
    AggiornaViste();
}

// ---------------------------------------------------------------------------------------------
// Pages

void TForm2Principale::MostraPagina(const QString& nome) {
    if (QWidget* pagina = header_->Pagine()->findChild<QWidget*>(nome, Qt::FindDirectChildrenOnly))
        header_->Pagine()->setCurrentWidget(pagina);
}

void TForm2Principale::SelezionaScheda(int scheda) {
    header_->SetORV_PannelloAttivo(scheda);
    MostraPaginaScheda(header_->ORV_PannelloAttivo());
}

void TForm2Principale::MostraPaginaScheda(int scheda) {
    static const char* pagine[] = {"PaginaDatiProgetto", "PaginaSfondo", "PaginaTesto", "PaginaFont",
                                   "PaginaEffetti"};
    if (scheda >= 1 && scheda <= 5)
        MostraPagina(QLatin1String(pagine[scheda - 1]));
    else if (scheda == 6)
        MostraPagina(QStringLiteral("PI%1").arg(imp_.IntroLista.Voce()));
}

// ---------------------------------------------------------------------------------------------
// Close

void TForm2Principale::reject() { close(); }

void TForm2Principale::keyPressEvent(QKeyEvent* e) {
    // The dialog would take Esc as reject and end the program: the main window closes only
    // from its frame or the window manager.
    if (e->matches(QKeySequence::Cancel)) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TForm2Principale::ChiudiPerFineSessione(std::function<void()> fatto) {
    // Not open yet, or closed already (and saved): nothing left to save.
    if (!aperta_ || (!isVisible() && !chiusuraInAttesa_)) {
        if (fatto) fatto();
        return;
    }
    fineSessione_ = true;
    allaFineSessione_ = std::move(fatto);
    close();  // with a run in progress the close waits for its frame and comes back
}

void TForm2Principale::SalvaPerFineSessione() {
    if (!aperta_ || contesto_->CicloAttivo) return;
    LeggiViste();
    SalvaSenzaChiedere();
}

// The session's save: nobody is there to answer, so nothing is asked and nothing replaced
// that the user did not agree to.
void TForm2Principale::SalvaSenzaChiedere() {
    const EsitoSalvataggioSessione esito =
        SalvaProgettoFineSessione(imp_, !erroreLetturaProgetto_.isNull(), copiaSessione_);
    for (const QString& errore : esito.Errori) std::fprintf(stderr, "Quenvox: %s\n", qPrintable(errore));
    if (esito.Percorso.isEmpty()) {
        std::fprintf(stderr, "Quenvox: the project could not be saved anywhere\n");
    } else if (esito.DaParte) {
        copiaSessione_ = esito.Percorso;
        std::fprintf(stderr, "Quenvox: the project file could not be %s; the project is saved as %s\n",
                     erroreLetturaProgetto_.isNull() ? "written" : "read at start", qPrintable(esito.Percorso));
    }
}

bool TForm2Principale::SalvaAllaChiusura() {
    LeggiViste();
    if (fineSessione_) return SalvaAllaFineSessione();
    // A project that could not be read at start is still the user's: replaced only on a Yes.
    if (!erroreLetturaProgetto_.isNull()) {
        if (!porta_) return true;
        const int risposta = porta_->Messaggio(
            ImpostazioniGlobali.LinguaCorrente, MessaggioDomanda,
            TestoMessaggio(VoceMessaggio::ProgettoIlleggibileSostituire).arg(PercorsoFileProgetto(), erroreLetturaProgetto_));
        // The session ended while the question was open: nobody answered it.
        if (fineSessione_) return SalvaAllaFineSessione();
        if (risposta == RisultatoNo) return true;
        if (risposta != RisultatoSi) return false;
    }
    QString errore;
    if (SalvaProgetto(imp_, &errore)) return true;
    const QString testo = TestoMessaggio(VoceMessaggio::ProgettoNonSalvato).arg(errore);
    if (!porta_) {
        std::fprintf(stderr, "Quenvox: %s\n", qPrintable(errore));
        return true;
    }
    const bool comunque = porta_->Messaggio(ImpostazioniGlobali.LinguaCorrente, MessaggioDomanda, testo) == RisultatoSi;
    if (fineSessione_) return SalvaAllaFineSessione();
    return comunque;
}

bool TForm2Principale::SalvaAllaFineSessione() {
    LeggiViste();
    SalvaSenzaChiedere();
    return true;
}

bool TForm2Principale::ClicBloccato(QPoint punto) {
    // X counts device pixels; the frame lays its buttons out in logical ones.
    const QPoint logico = (QPointF(punto) / devicePixelRatioF()).toPoint();
    if (!isVisible() || !porta_ || !cornice_->SuPulsanteChiudi(cornice_->mapFrom(this, logico))) return false;
    return porta_->InoltraChiusura();
}

void TForm2Principale::closeEvent(QCloseEvent* e) {
    // While the encoding window is open the request is its own: it stops the run, or closes.
    if (!fineSessione_ && porta_ && porta_->InoltraChiusura()) {
        e->ignore();
        return;
    }
    if (contesto_->CicloAttivo) {
        // Nothing closes under a running loop: it stops after its frame, then the window closes.
        chiusuraInAttesa_ = true;
        DeselezionaAnima();
        FermaAnimazione(*contesto_);
        e->ignore();
        return;
    }
    // Accepted here, not through the dialog's own close (which would reject and come back).
    if (SalvaAllaChiusura())
        e->accept();
    else
        e->ignore();
    if (fineSessione_ && allaFineSessione_) std::exchange(allaFineSessione_, {})();
}

// ---------------------------------------------------------------------------------------------
// HostRendering

bool TForm2Principale::AnimaSelezionato() const {
    auto* anima = findChild<ORV_2016_Check*>(QStringLiteral("Anima"));
    return anima && anima->Checked();
}

void TForm2Principale::DeselezionaAnima() {
    if (auto* anima = findChild<ORV_2016_Check*>(QStringLiteral("Anima"))) anima->SetChecked(false);
}

int TForm2Principale::AltezzaFinestra() const { return height(); }

void TForm2Principale::MostraAnteprima(const QImage& immagine) {
    anteprima_->resize(immagine.size());
    anteprima_->setPixmap(QPixmap::fromImage(immagine));
}

void TForm2Principale::ImpostaCaptionFrame(const QString& caption) {
    if (auto* frame = findChild<ORV_2016_Label*>(QStringLiteral("LabelFrame"))) frame->SetCaption(caption);
}

void TForm2Principale::ElaboraMessaggi() { QApplication::processEvents(); }

void TForm2Principale::CursoreAttesa(bool attesa) {
    CursoreApplicazione::Imposta(attesa ? Qt::WaitCursor : Qt::ArrowCursor);
}

void TForm2Principale::SegnalaErrore(const QString& messaggio) {
    if (porta_)
        porta_->Messaggio(ImpostazioniGlobali.LinguaCorrente, MessaggioErrore, messaggio);
    else
        std::fprintf(stderr, "Quenvox: %s\n", qPrintable(messaggio));
}

void TForm2Principale::SegnalaAvviso(const QString& messaggio) {
    SegnalaAvviso(messaggio, {});
}

void TForm2Principale::SegnalaAvviso(const QString& messaggio, std::function<void()> visto) {
    if (porta_)
        porta_->Avviso(ImpostazioniGlobali.LinguaCorrente, messaggio, std::move(visto));
    else
        std::fprintf(stderr, "Quenvox: %s\n", qPrintable(messaggio));
}

void TForm2Principale::AvviaCodifica() {
    DatiAvvioCodifica dati;
    dati.PercorsoOutput = PercorsoOutput;
    dati.TotaleFrame = ImpostazioniGlobali.TotaleFrame;
    dati.UsaJpg = imp_.UsaJpg;
    // The rate by its item, not by its caption: the French captions are placeholders.
    dati.FrameRate = VociPredefinite::ProgettoFrameRate().value(imp_.ProgettoFrameRate.Voce() - 1);
    dati.Durata = imp_.ProgettoDurata;
    const ConsegnaCodifica consegna = ::AvviaCodifica(dati);
    // The encoder reads the frames themselves; a missing list is told, and the run goes on.
    if (!consegna.ListaScritta) SegnalaAvviso(consegna.ErroreLista);
    if (porta_) porta_->Codifica(ImpostazioniGlobali.LinguaCorrente, consegna);
}

// ---------------------------------------------------------------------------------------------
// DestinazioneLingua

void TForm2Principale::ImpostaTesto(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                                    const QString& testo) {
    // The table's caption entry for the window itself has no visible place: the title stays.
    if (finestra != FinestraLingua::Principale || proprieta == ProprietaLingua::TitoloFinestra) return;
    QObject* o = findChild<QObject*>(controllo);
    if (!o) return;
    switch (proprieta) {
    case ProprietaLingua::Caption:
        if (auto* l = qobject_cast<ORV_2016_Label*>(o))
            l->SetCaption(testo);
        else if (auto* c = qobject_cast<ORV_2016_Check*>(o))
            c->SetCaption(testo);
        else if (auto* b = qobject_cast<ORV_2016_Button*>(o))
            b->SetCaption(testo);
        else if (auto* f = qobject_cast<ORVForm*>(o))
            f->SetCaption(testo);
        else if (auto* w = qobject_cast<QWidget*>(o))
            w->setWindowTitle(testo);  // a page's caption, shown by no tab
        break;
    case ProprietaLingua::Testo:
        if (auto* e = qobject_cast<TFlatEdit*>(o)) e->SetText(testo);
        break;
    case ProprietaLingua::Prefisso:
        if (auto* n = qobject_cast<ORV_2016_SpinNumber*>(o)) n->SetORV_PrefissoCaption(testo);
        break;
    default:
        break;
    }
}

void TForm2Principale::ImpostaVoci(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                                   const QStringList& voci) {
    if (finestra != FinestraLingua::Principale) return;
    if (proprieta == ProprietaLingua::Voce) {
        if (auto* l = findChild<ORV_2016_Lista*>(controllo)) {
            const int voce = l->ORV_Voce();
            l->SetORV_Elenco(voci);
            l->SetORV_Voce(voce);
            if (voce >= 1 && voce <= voci.size()) l->SetCaption(voci.at(voce - 1));
        }
    } else if (proprieta == ProprietaLingua::Scheda && controllo == header_->objectName()) {
        const int attiva = header_->ORV_PannelloAttivo();
        header_->SetORV_Pannelli(voci);
        header_->SetORV_PannelloAttivo(attiva);
    }
}

// ---------------------------------------------------------------------------------------------
// Event bindings

namespace {


using I = ImpostazioniProgetto;

}  // namespace

void TForm2Principale::Collega() {
    CollegaFontElenco();
    CollegaSfondo();
    CollegaScelte();
    CollegaTesto();
    CollegaEffetti();
    CollegaIntro();
    CollegaProgetto();
    CollegaSviluppo();
}

void TForm2Principale::FontElencoCambiamentoValore() {
    // What it shows follows the model on every push (the zoom options of text motion 9).
    RichiediRendering();
}

void TForm2Principale::CollegaFontElenco() {
    const auto gestore = Gesto([this] { FontElencoCambiamentoValore(); });
    for (const char* nome : {"FontTrasparente", "FontBold", "FontItalic", "FontUnderline", "FontOutline1Check",
                             "FontOutline2Check", "FontGlowCheck", "FontShadowCheck", "EffettiNeveCheck",
                             "EffettiParticelleCheck"})
        findChild<ORV_2016_Check*>(QLatin1String(nome))->OnClick = gestore;
    for (const char* nome : {"Interlinea", "EffettiParticelleVita", "Intro2LogoScala", "Intro2_Oscillazioni",
                             "Intro2_Smorzamento", "Intro3LogoScala", "Intro4LogoScala", "Intro4AsseX", "Intro4AsseY",
                             "Intro4AsseZ", "Intro4Focale", "Intro4Posizione", "Intro4Dimensione", "Intro4Onde",
                             "Intro4Area", "Intro4Opacita", "Intro5LogoScala", "Intro6LogoScala"})
        findChild<ORV_2016_SpinNumber*>(QLatin1String(nome))->OnClick = gestore;
    findChild<ORV_2016_Lista*>(QStringLiteral("Intro1Lista"))->OnClick = gestore;
    findChild<ORVVideoScrollBar*>(QStringLiteral("FontElenco"))->OnCambiamentoValore = gestore;
    for (const char* nome : {"FontSize", "FontOpacita", "FontOutline1Size", "FontOutline1Opacita", "FontOutline2Size",
                             "FontOutline2Opacita", "FontGlowSize", "FontShadowSize", "FontShadowOpacita",
                             "FontShadowOffsetX", "FontShadowOffsetY"})
        findChild<ORVVideoScrollBarNoLista*>(QLatin1String(nome))->OnCambiamentoValore = gestore;
    auto* memo = findChild<TFlatMemo*>(QStringLiteral("Testo"));
    connect(memo, &TFlatMemo::Modificato, this, [gestore] { gestore(nullptr); });
}

void TForm2Principale::ImpostaTipoSfondo(bool I::*scelto) {
    for (bool I::*tipo : {&I::SfondoCheckSfondoColorato, &I::SfondoCheckSfondoTrasparente, &I::SfondoCheckSfondoBitmap,
                          &I::SfondoCheckSfondoFlares})
        imp_.*tipo = tipo == scelto;
    RichiediRendering();
}

void TForm2Principale::CollegaSfondo() {
    const struct {
        const char* nome;
        bool I::*tipo;
    } tipi[] = {{"SfondoCheckSfondoColorato", &I::SfondoCheckSfondoColorato},
                {"SfondoCheckSfondoTrasparente", &I::SfondoCheckSfondoTrasparente},
                {"SfondoCheckSfondoBitmap", &I::SfondoCheckSfondoBitmap},
                {"SfondoCheckSfondoFlares", &I::SfondoCheckSfondoFlares},
                {"Intro3Sfondo", &I::SfondoCheckSfondoColorato}};
    for (const auto& t : tipi)
        findChild<ORV_2016_Check*>(QLatin1String(t.nome))->OnClick =
            Gesto([this, tipo = t.tipo] { ImpostaTipoSfondo(tipo); });
    // The four kinds are one radio group: a click never leaves it empty.
    for (int i = 0; i < 4; ++i) findChild<ORV_2016_Check*>(QLatin1String(tipi[i].nome))->SetRadio(true);
    // Sharpening is a setting of its own: it leaves the background kind alone.
    findChild<ORV_2016_Check*>(QStringLiteral("Enfatizzare"))->OnClick = Gesto([this] { RichiediRendering(); });
}

void TForm2Principale::SceltaFile(QString I::*destinazione) {
    if (porta_) {
        const EsitoPercorso esito = porta_->ScegliFile(ImpostazioniGlobali.LinguaCorrente, imp_.*destinazione);
        // An empty path is no choice, whatever the answer.
        if (esito.Risultato == RisultatoOk && !esito.Percorso.isEmpty()) imp_.*destinazione = esito.Percorso;
    }
    RichiediRendering();
}

void TForm2Principale::ScegliColore(int bersaglio) {
    struct Bersaglio {
        DueColori I::*coppia;
        Colore I::*forma;
    };
    static const Bersaglio bersagli[] = {
        {&I::FontColore, nullptr},           {&I::SfondoColori, nullptr},
        {nullptr, &I::FontOutline1Colore},   {nullptr, &I::FontOutline2Colore},
        {nullptr, &I::FontShadowColore},     {nullptr, &I::FontGlowColore},
        {nullptr, &I::FontGlowColoreInterno}, {&I::EffettiParticelleColore, nullptr},
        {nullptr, &I::Intro4Colore},
    };
    if (bersaglio < 1 || bersaglio > 9 || !porta_) return;
    const Bersaglio& b = bersagli[bersaglio - 1];
    const int lingua = ImpostazioniGlobali.LinguaCorrente;
    if (b.forma) {
        ImpostazioniGlobali.ModoSceltaColore = 1;
        const EsitoColori esito = porta_->ScegliColore(lingua, imp_.*(b.forma));
        if (esito.Risultato != RisultatoSi) return;
        imp_.*(b.forma) = esito.Colore1;
    } else {
        ImpostazioniGlobali.ModoSceltaColore = 2;
        const DueColori& c = imp_.*(b.coppia);
        const EsitoColori esito = porta_->ScegliDueColori(lingua, c.Colore1, c.Colore2);
        if (esito.Risultato != RisultatoSi) return;
        imp_.*(b.coppia) = DueColori{esito.Colore1, esito.Colore2};
    }
    RichiediRendering();
}

void TForm2Principale::CollegaScelte() {
    const struct {
        const char* bottone;
        QString I::*destinazione;
    } file[] = {{"SfondoBitmapCerca", &I::SfondoBitmap},
                {"Intro2SfondoCerca", &I::Intro2SfondoFile},
                {"Intro3SfondoCerca", &I::Intro3SfondoFile},
                {"Intro6SfondoCerca", &I::Intro6SfondoFile}};
    for (const auto& f : file)
        findChild<ORV_2016_Button*>(QLatin1String(f.bottone))->OnClick =
            Gesto([this, d = f.destinazione] { SceltaFile(d); });

    const struct {
        const char* nome;
        int bersaglio;
    } coppie[] = {{"FontColore", 1}, {"SfondoColori", 2}, {"EffettiParticelleColore", 8}},
      forme[] = {{"FontOutline1Colore", 3}, {"FontOutline2Colore", 4},    {"FontShadowColore", 5},
                 {"FontGlowColore", 6},     {"FontGlowColoreInterno", 7}, {"Intro4Colore", 9}};
    for (const auto& c : coppie)
        findChild<ORVVideoTwoColors*>(QLatin1String(c.nome))->OnClick =
            Gesto([this, n = c.bersaglio] { ScegliColore(n); });
    for (const auto& f : forme) {
        const auto gesto = Gesto([this, n = f.bersaglio] { ScegliColore(n); });
        findChild<TShape*>(QLatin1String(f.nome))->OnMouseUp = [gesto](QObject* o, Qt::MouseButton, Qt::KeyboardModifiers,
                                                                        int, int) { gesto(o); };
    }
}

void TForm2Principale::LogoClick(int riga) {
    int I::*bottoni[] = {&I::Logo1, &I::Logo2, &I::Logo3, &I::Logo4};
    int& bottone = imp_.*bottoni[riga - 1];
    bottone = bottone == 1 ? 0 : 1;
    if (riga == 1) imp_.Logo16 = bottone;
    const bool scelto = bottone == 1 || (riga == 1 && imp_.Logo16 == 1);
    if (!scelto || imp_.Logo.isEmpty()) return;
    const QString logo = QStringLiteral("#LOGO");
    switch (riga) {
    case 1: imp_.Testo1 = logo; break;
    case 2: imp_.Testo2 = logo; break;
    case 3: imp_.Testo3 = logo; break;
    default: imp_.Testo = QStringList{logo}; break;
    }
}

void TForm2Principale::AggiornaCaptionLoghi() {
    if (imp_.Logo.size() < 3) imp_.Logo = imp_.TabellaImmagini[4];
    imp_.Intro2LogoDaUtilizzare = imp_.Intro3LogoDaUtilizzare = imp_.Intro4LogoDaUtilizzare =
        imp_.Intro5LogoDaUtilizzare = imp_.Logo;
}

void TForm2Principale::LogoCercaClick() {
    if (porta_) {
        const EsitoPercorso esito = porta_->ScegliFile(ImpostazioniGlobali.LinguaCorrente, imp_.Logo);
        if (esito.Risultato == RisultatoOk && !esito.Percorso.isEmpty()) {
            imp_.Logo = esito.Percorso;
            const QString logo = QStringLiteral("#LOGO");
            if (imp_.Logo1 == 1) imp_.Testo1 = logo;
            if (imp_.Logo2 == 1) imp_.Testo2 = logo;
            if (imp_.Logo3 == 1) imp_.Testo3 = logo;
            if (imp_.Logo4 == 1) imp_.Testo = QStringList{logo};
            AggiornaCaptionLoghi();
        }
    }
    RichiediRendering();
}

void TForm2Principale::CopiaMessaggio(QString I::*origine) {
    const QString testo = imp_.*origine;
    for (QString I::*copia : {&I::Testo1, &I::Intro6Messaggio, &I::Intro7Messaggio})
        if (copia != origine) imp_.*copia = testo;
}

void TForm2Principale::TestoFlatClick() {
    imp_.FontOutline1Check = imp_.FontOutline2Check = imp_.FontGlowCheck = imp_.FontShadowCheck = false;
    imp_.Enfatizzare = false;
    imp_.SfondoColori = DueColori{0x000000, 0x000000};
    imp_.FontColore = DueColori{0xFFFFFF, 0xFFFFFF};
    // Upper case by Unicode rules, accented letters included.
    imp_.Testo1 = imp_.Testo1.toUpper();
    imp_.Testo2 = imp_.Testo2.toUpper();
    imp_.Testo3 = imp_.Testo3.toUpper();
    const qsizetype lucida = imp_.FontElenco.Elenco().indexOf(QStringLiteral("Lucida Sans"));
    if (lucida >= 0) imp_.FontElenco.ImpostaVoce(int(lucida) + 1);
    RichiediRendering();
    // A one-shot button: the check goes off again.
    imp_.TestoFlat = imp_.TestoFlat1 = false;
}

void TForm2Principale::CollegaTesto() {
    struct Gruppo {
        const char* nomi[3];
        int I::*membri[3];
    };
    const Gruppo gruppi[] = {
        {{"AlignT1SX", "AlignT1Centro", "AlignT1DX"}, {&I::AlignT1SX, &I::AlignT1Centro, &I::AlignT1DX}},
        {{"AlignT2SX", "AlignT2Centro", "AlignT2DX"}, {&I::AlignT2SX, &I::AlignT2Centro, &I::AlignT2DX}},
        {{"AlignT3SX", "AlignT3Centro", "AlignT3DX"}, {&I::AlignT3SX, &I::AlignT3Centro, &I::AlignT3DX}},
        {{"AlignT4SX", "AlignT4Centro", "AlignT4DX"}, {&I::AlignT4SX, &I::AlignT4Centro, &I::AlignT4DX}},
        {{"AlignVAlto", "AlignVCentro", "AlignVBasso"}, {&I::AlignVAlto, &I::AlignVCentro, &I::AlignVBasso}},
    };
    for (const Gruppo& g : gruppi)
        for (int i = 0; i < 3; ++i)
            findChild<ORVVideoButtonSemplice*>(QLatin1String(g.nomi[i]))->OnClick = Gesto([this, g, i] {
                for (int j = 0; j < 3; ++j) imp_.*(g.membri[j]) = j == i ? 1 : 0;
                RichiediRendering();
            });

    for (int riga = 1; riga <= 4; ++riga) {
        findChild<ORVVideoButtonSemplice*>(QStringLiteral("Logo%1").arg(riga))->OnClick =
            Gesto([this, riga] { LogoClick(riga); });
        int I::*stili[] = {&I::LogoStyle1, &I::LogoStyle2, &I::LogoStyle3, &I::LogoStyle4};
        findChild<ORVVideoButtonSemplice*>(QStringLiteral("LogoStyle%1").arg(riga))->OnClick =
            Gesto([this, m = stili[riga - 1]] {
                imp_.*m = imp_.*m == 1 ? 0 : 1;
                RichiediRendering();
            });
    }
    for (const char* nome : {"LogoCerca", "Intro2Cerca", "Intro3Cerca", "Intro4Cerca", "Intro5Cerca", "Intro6Cerca"})
        findChild<ORV_2016_Button*>(QLatin1String(nome))->OnClick = Gesto([this] { LogoCercaClick(); });
    findChild<ORVVideoButtonSemplice*>(QStringLiteral("Logo16"))->OnClick = Gesto([this] {
        imp_.Intro6Messaggio = imp_.Testo1 = QStringLiteral("#LOGO");
        RichiediRendering();
    });
    for (const char* nome : {"Aggiorna", "Intro6Aggiorna", "Intro7Aggiorna"})
        findChild<ORV_2016_Button*>(QLatin1String(nome))->OnClick = Gesto([this] { RichiediRendering(); });

    // Every user edit of one message is copied into the other two; lines 2 and 3 only reach the model.
    const struct {
        const char* nome;
        QString I::*membro;
    } messaggi[] = {{"Testo1", &I::Testo1}, {"Intro6Messaggio", &I::Intro6Messaggio},
                    {"Intro7Messaggio", &I::Intro7Messaggio}};
    for (const auto& m : messaggi) {
        const auto gesto = Gesto([this, membro = m.membro] { CopiaMessaggio(membro); });
        connect(findChild<TFlatEdit*>(QLatin1String(m.nome)), &TFlatEdit::Modificato, this,
                [gesto] { gesto(nullptr); });
    }
    // A text longer than its box holds is cut by the box: said, once for all the boxes cut at once.
    for (const char* nome : {"Testo1", "Testo2", "Testo3", "Intro6Messaggio", "Intro7Messaggio"}) {
        auto* casella = findChild<TFlatEdit*>(QLatin1String(nome));
        connect(casella, &TFlatEdit::Tagliato, this,
                [this, casella](qsizetype lunghezza) { TestoTagliato(casella->Text(), lunghezza, casella->maxLength()); });
    }
    const auto leggi = Gesto([] {});
    for (const char* nome : {"Testo2", "Testo3"})
        connect(findChild<TFlatEdit*>(QLatin1String(nome)), &TFlatEdit::Modificato, this, [leggi] { leggi(nullptr); });

    for (const char* nome : {"TestoFlat", "TestoFlat1"})
        findChild<ORV_2016_Check*>(QLatin1String(nome))->OnClick = Gesto([this] { TestoFlatClick(); });
    connect(galleriaVista_, &QListWidget::itemDoubleClicked, this,
            [gesto = Gesto([this] { RaccoglitoreAnteprimeDblClick(); })] { gesto(nullptr); });
}

void TForm2Principale::RaccoglitoreAnteprimeDblClick() {
    if (ApplicaStileGalleria(imp_, galleria_, galleriaVista_->currentRow()) == EsitoStile::NonValido)
        SegnalaErrore(TestoMessaggio(VoceMessaggio::StileNonValido).arg(galleria_.Percorsi.value(galleriaVista_->currentRow())));
    RichiediRendering();
}

void TForm2Principale::EffettiParticelleListaClick() {
    static const int predefiniti[6][2] = {{150, 60}, {80, 60}, {80, 60}, {400, 100}, {80, 80}, {80, 80}};
    const int voce = imp_.EffettiParticelleLista.Voce();
    if (voce >= 1 && voce <= 6) {
        imp_.EffettiParticelleQuantita = predefiniti[voce - 1][0];
        imp_.EffettiParticelleVita = predefiniti[voce - 1][1];
    }
    contesto_->Effetti.AzzeraParticelle();
    RichiediRendering();
}

void TForm2Principale::EffettiParticelleQuantitaClick() {
    // A new amount ends a run after its frame in hand, without the hand-off.
    DeselezionaAnima();
    FermaAnimazione(*contesto_);
    contesto_->Effetti.AzzeraParticelle();
    ContestoEffetti effetti = contesto_->Effetto();
    contesto_->Effetti.PreparaParticelle(effetti);
    RichiediRendering();
}

void TForm2Principale::CollegaEffetti() {
    findChild<ORV_2016_Lista*>(QStringLiteral("EffettiParticelleLista"))->OnClick =
        Gesto([this] { EffettiParticelleListaClick(); });
    findChild<ORV_2016_SpinNumber*>(QStringLiteral("EffettiParticelleQuantita"))->OnClick =
        Gesto([this] { EffettiParticelleQuantitaClick(); });
    findChild<ORV_2016_Lista*>(QStringLiteral("EffettoLensFlareLista"))->OnClick =
        Gesto([this] { ApplicaLookLensFlare(imp_); });
    findChild<ORV_2016_Check*>(QStringLiteral("Anima"))->OnClick = Gesto([this] { AnimaClick(); });
}

void TForm2Principale::CollegaIntro() {
    findChild<ORV_2016_Lista*>(QStringLiteral("IntroLista"))->OnClick = Gesto([this] { ImpostaPredefinitiIntro(imp_); });
    findChild<ORV_2016_Lista*>(QStringLiteral("Intro10Colori"))->OnClick =
        Gesto([this] { ApplicaColoriIntro10(imp_); });
    const auto rotazione = Gesto(
        [this] { contesto_->Effetti.CambiaRotazioneCerchio(imp_.Intro10Rotazione, imp_.Intro10DimMini); });
    for (const char* nome : {"Intro10Rotazione", "Intro10DimMini"})
        findChild<ORV_2016_Check*>(QLatin1String(nome))->OnClick = rotazione;
}

void TForm2Principale::CercaDirectoryOutputClick() {
    if (!porta_) return;
    const EsitoPercorso esito = porta_->ScegliCartella(ImpostazioniGlobali.LinguaCorrente);
    if (esito.Risultato != RisultatoOk || esito.Percorso.isEmpty()) return;
    const QString frame = QDir(esito.Percorso).filePath(QStringLiteral("Video/Frames"));
    if (!QDir().mkpath(frame)) {
        SegnalaErrore(TestoMessaggio(VoceMessaggio::CartellaOutputNonCreata).arg(QDir::toNativeSeparators(frame)));
        return;
    }
    PercorsoOutput = esito.Percorso;
    imp_.CartellaOutput = esito.Percorso;
}

void TForm2Principale::ImpostaCodecClick() {
    if (!porta_) return;
    const QString scelta = porta_->SceltaCodec(ImpostazioniGlobali.LinguaCorrente);
    if (!scelta.isEmpty()) imp_.ImpostazioniCodec = scelta;
}

void TForm2Principale::ConfiguraClick() {
    if (!porta_) return;
    const bool cambiati = porta_->Configura(ImpostazioniGlobali.LinguaCorrente, imp_);
    // The language boxes live there: the window takes whatever language is now in force.
    ApplicaLinguaFinestra();
    if (cambiati) RichiediRendering();
}

void TForm2Principale::CollegaProgetto() {
    // Settings without a handler of their own still reach the model at once; the next render uses them.
    const auto leggi = Gesto([] {});
    for (const char* nome : {"UsaJpg", "EffettiLensFlareCheck", "Intro1ZoomIn", "Intro2Sfondo", "Intro6Sfondo",
                             "Intro6Laser", "Intro6Fumo", "Intro10Zoom"})
        findChild<ORV_2016_Check*>(QLatin1String(nome))->OnClick = leggi;
    for (const char* nome : {"ProgettoRisoluzione", "ProgettoFrameRate"}) {
        findChild<ORV_2016_Lista*>(QLatin1String(nome))->OnClick = leggi;
        findChild<ORV_2016_Lista*>(QLatin1String(nome))->OnCambiamentoValore = leggi;
    }
    // The length of the video follows the duration at every step, also during a drag.
    const auto durata = Gesto([this] { ImpostazioniGlobali.TotaleFrame = static_cast<float>(imp_.ProgettoDurata); });
    auto* progettoDurata = findChild<ORV_2016_SpinNumber*>(QStringLiteral("ProgettoDurata"));
    progettoDurata->OnClick = durata;
    progettoDurata->OnCambiamentoValore = durata;
    findChild<ORV_2016_Button*>(QStringLiteral("CercaDirectoryOutput"))->OnClick =
        Gesto([this] { CercaDirectoryOutputClick(); });
    findChild<ORV_2016_Button*>(QStringLiteral("ImpostaCodec"))->OnClick = Gesto([this] { ImpostaCodecClick(); });
    findChild<ORV_2016_Button*>(QStringLiteral("Configura"))->OnClick = Gesto([this] { ConfiguraClick(); });
    header_->OnCambioPagina = [this](QObject*) { MostraPaginaScheda(header_->ORV_PannelloAttivo()); };
}

// ---------------------------------------------------------------------------------------------
// The run

void TForm2Principale::AnimaClick() {
    if (AnimaSelezionato()) {
        // Started from the event loop, not inside the check box's own mouse handling.
        QTimer::singleShot(0, this, [this] { AvviaCorsa(); });
        return;
    }
    FermaAnimazione(*contesto_);
    contesto_->GraficaFrame.resetTransform();
    RichiediRendering();
}

void TForm2Principale::AvviaCorsa() {
    if (!AnimaSelezionato() || contesto_->CicloAttivo) return;
    AvviaAnimazione(*contesto_);
    contesto_->Effetti.PreparaAvvioAnimazione();
    CongelaControlli(true);
    renderingInAttesa_ = false;
    ++renderingEseguiti_;
    EseguiRendering(*contesto_, imp_);
    CongelaControlli(false);
    if (chiusuraInAttesa_) {
        chiusuraInAttesa_ = false;
        close();
    }
}

void TForm2Principale::CongelaControlli(bool congela) {
    // What would mix two kinds, sizes or folders of frames, or move the end of the run.
    for (const char* nome : {"IntroLista", "Configura", "CartellaOutput", "CercaDirectoryOutput", "ImpostaCodec",
                             "UsaJpg", "ProgettoRisoluzione", "ProgettoFrameRate", "ProgettoDurata"})
        if (QWidget* w = findChild<QWidget*>(QLatin1String(nome))) w->setEnabled(!congela);
}

// ---------------------------------------------------------------------------------------------
// Developer controls

void TForm2Principale::CollegaSviluppo() {
    auto* m0 = findChild<QLineEdit*>(QStringLiteral("M0"));
    connect(m0, &QLineEdit::textChanged, this, [this](const QString& testo) {
        for (int i = 1; i <= 9; ++i) findChild<QLineEdit*>(QStringLiteral("M%1").arg(i))->setText(testo);
    });
    connect(findChild<QPushButton*>(QStringLiteral("Button1")), &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(findChild<QPushButton*>(QStringLiteral("Button2")), &QPushButton::clicked, this,
            [this] { RichiediRendering(); });
    connect(findChild<QPushButton*>(QStringLiteral("Crea")), &QPushButton::clicked, this, [this] { CreaClick(); });
    connect(findChild<QPushButton*>(QStringLiteral("Button3")), &QPushButton::clicked, this, [this] { Button3Click(); });
}

void TForm2Principale::CreaClick() {
    LeggiViste();
    auto* memo = findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    memo->setPlainText(TestoCreaClick(imp_).join(QLatin1Char('\n')));
    memo->selectAll();
    QApplication::clipboard()->setText(memo->toPlainText());
}

void TForm2Principale::Button3Click() { AvviaCodifica(); }

void TForm2Principale::Button1Click() {
    // Rotating flares drawn straight into the preview, 200 rounds.
    ContestoRendering& c = *contesto_;
    const int cx = ImpostazioniGlobali.LarghezzaFrame / 2, cy = ImpostazioniGlobali.AltezzaFrame / 2;
    const MatriceColore matrice = MatriceColore::Alfa(0.4f);
    for (int r = 0; r < 200; ++r) {
        const int dx = r * 1920 / 200, l = cx - dx, m = cy;
        QPointF punti[20];
        double scala[20];
        for (int j = 0; j < 10; ++j) {
            punti[j] = QPointF(cx - l * j / 10, cy - m * j / 10);
            punti[j + 10] = QPointF(cx + l * j / 10, cy + m * j / 10);
            scala[j] = scala[j + 10] = 1.0;
        }
        const int angoli[5] = {0, r, 2 * r, -r, -r / 2};
        QImage sprite[5];
        for (int k = 0; k < 5; ++k)
            sprite[k] = RuotaImmagine(
                LeggiImmagine(QStringLiteral("%1/Intro/%2 Flare.png").arg(CartellaProgramma).arg(27 + k)).Immagine,
                angoli[k]);
        DisegnaSfondo(c);
        punti[1] = punti[11] = punti[0];
        scala[2] = 0.5;
        const int quale[4] = {0, 1, 3, 4};
        for (int j = 0; j < 4; ++j) {
            const QImage& im = sprite[quale[j]];
            if (im.isNull()) continue;
            const QSizeF d(int(im.width() * scala[j]), int(im.height() * scala[j]));
            const QImage tinta = ApplicaMatriceColore(im, matrice);
            for (const QPointF& centro : {punti[j], punti[j + 10]})
                c.GraficaFrame.drawImage(QRectF(centro - QPointF(d.width() / 2, d.height() / 2), d), tinta);
        }
        SalvaFrame(c);
        ElaboraMessaggi();
    }
}
