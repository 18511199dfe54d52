// Every window on a 1280x720 work area: it lies inside the work area and a user reaches each of
// its controls, on every page and tab, in every language. These tests run on a 1280x720
// offscreen screen (CTest gives them one); on any other screen they skip.
#include "app/BancoFinestra.h"
#include "app/Frm6configurazione.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orvheader.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgcolor.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/Forvdlgmessaggio.h"
#include "dialogs/Forvdlgopendialog.h"
#include "dialogs/Forvdlgsceltacodec.h"
#include "dialogs/Forvdlgselectdirectory.h"
#include "platform/ValoriProgramma.h"
#include "project/ApplicaLingua.h"
#include "project/TestiMessaggi.h"
#include "project/TabellaLingue.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QLabel>
#include <QTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>

#include <string>

namespace {

const QSize AreaPiccola(1280, 720);

bool SuSchermoPiccolo() {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo && schermo->availableGeometry().size() == AreaPiccola;
}

// Why a user cannot reach w, or empty. Every widget up to the window must hold it, except a
// scrolled view: there the content must stay within the view's width and its bar must reach
// the content's bottom.
std::string FuoriPortata(const QWidget* w, const QWidget* finestra) {
    QRect r = w->rect();
    const QWidget* corrente = w;
    while (corrente != finestra) {
        const QWidget* genitore = corrente->parentWidget();
        if (!genitore) return "not in the window";
        const auto* area = qobject_cast<const QAbstractScrollArea*>(genitore->parentWidget());
        if (area && genitore == area->viewport()) {
            const QWidget* vista = area->viewport();
            if (r.right() >= vista->width()) return "past the right of " + area->objectName().toStdString();
            if (area->verticalScrollBar()->maximum() < corrente->height() - vista->height())
                return "below what " + area->objectName().toStdString() + " scrolls to";
            r = area->rect();
            corrente = area;
            continue;
        }
        r.translate(corrente->pos());
        if (!genitore->rect().contains(r))
            return "cut by " + genitore->objectName().toStdString() + " " + std::to_string(r.x()) + "," +
                   std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" + std::to_string(r.height());
        corrente = genitore;
    }
    return {};
}

// The window inside the work area and every visible named control of it within reach.
void ControllaFinestra(QWidget* finestra, const std::string& dove) {
    QApplication::processEvents();
    EXPECT_TRUE(QRect(QPoint(0, 0), AreaPiccola).contains(finestra->geometry()))
        << dove << ": the window is " << finestra->width() << "x" << finestra->height() << " at " << finestra->x()
        << "," << finestra->y();
    for (const QWidget* w : finestra->findChildren<QWidget*>()) {
        const QString nome = w->objectName();
        if (nome.isEmpty() || nome.startsWith(QLatin1String("qt_")) || w->isWindow() || !w->isVisibleTo(finestra))
            continue;
        const std::string perche = FuoriPortata(w, finestra);
        EXPECT_TRUE(perche.empty()) << dove << ": " << nome.toStdString() << " " << perche;
    }
}

class SchermoPiccolo : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SuSchermoPiccolo()) GTEST_SKIP() << "needs a 1280x720 screen";
        AreaLavoro = MisuraAreaLavoro();
    }
    void TearDown() override {
        ImpostazioniGlobali.LinguaCorrente = LinguaItaliano;
        AreaLavoro = MisuraAreaLavoro();
    }
};

const int Lingue[] = {LinguaItaliano, LinguaInglese, LinguaFrancese};

}  // namespace

TEST_F(SchermoPiccolo, MainWindowEveryPageAndIntroSheet) {
    BancoFinestra b(true);
    for (int lingua : Lingue) {
        ImpostazioniGlobali.LinguaCorrente = lingua;
        b.f->ApplicaLinguaFinestra();
        for (int scheda = 1; scheda <= 5; ++scheda) {
            b.f->SelezionaScheda(scheda);
            ControllaFinestra(b.f.get(), "main window, language " + std::to_string(lingua) + ", tab " +
                                             std::to_string(scheda));
        }
        for (int intro = 1; intro <= 10; ++intro) {
            b.Imp().IntroLista = intro;
            b.f->AggiornaViste();
            b.f->SelezionaScheda(6);
            ControllaFinestra(b.f.get(), "main window, language " + std::to_string(lingua) + ", intro " +
                                             std::to_string(intro));
        }
        auto* header = b.W<ORVHeader>("PagineHeader");
        EXPECT_LE(header->Riga().schede.back().fine, header->width()) << lingua;
    }
}

TEST_F(SchermoPiccolo, ConfigurationWindowEveryTabInEveryLanguage) {
    CasaTemporanea casa;
    ASSERT_TRUE(ImpostaCartelleUtente(casa.Sotto("dati"), casa.Sotto("documenti"), QCoreApplication::applicationDirPath()));
    ImpostazioniProgetto impostazioni;
    TForm6Configurazione finestra(impostazioni);
    finestra.show();
    for (int lingua : Lingue) {
        ImpostazioniGlobali.LinguaCorrente = lingua;
        RiempiTabellaLingue();
        ApplicaLingua(impostazioni, &finestra);
        for (int scheda = 1; scheda <= 11; ++scheda) {
            finestra.ElencoPagine->SetORV_PannelloAttivo(scheda);
            finestra.ElencoPagineCambioPagina(finestra.ElencoPagine);
            ControllaFinestra(&finestra, "configuration, language " + std::to_string(lingua) + ", tab " +
                                            std::to_string(scheda));
        }
        // Every tab is on the header, the eleventh too.
        const RigaSchede riga = finestra.ElencoPagine->Riga();
        ASSERT_EQ(riga.schede.size(), 11);
        EXPECT_LE(riga.schede.back().fine, finestra.ElencoPagine->width()) << lingua;
    }
    // The sixth row of the laser tab is there at the end of the scroll.
    EXPECT_TRUE(finestra.Cerca[5]->isVisibleTo(&finestra));
    finestra.hide();
}

TEST_F(SchermoPiccolo, CodecWindowEveryPageWithExitInReach) {
    TORVDLGSceltaCodec f;
    for (int lingua = 0; lingua < 5; ++lingua) {
        f.Inizializza(lingua, true, "QV", "Intro");
        f.show();
        for (int pagina = 1; pagina <= 7; ++pagina) {
            SceltaCodec s = f.Scelta();
            s.Pagina = pagina;
            f.ImpostaScelta(s);
            ControllaFinestra(&f, "codec window, language " + std::to_string(lingua) + ", page " +
                                      std::to_string(pagina));
        }
        const QWidget* esci = f.findChild<QWidget*>("Esci");
        ASSERT_NE(esci, nullptr);
        EXPECT_TRUE(esci->isVisibleTo(&f));
        f.hide();
    }
}

TEST_F(SchermoPiccolo, EveryDialog) {
    CasaTemporanea casa;
    ASSERT_TRUE(ImpostaCartelleUtente(casa.Sotto("dati"), casa.Sotto("documenti"), QCoreApplication::applicationDirPath()));
    const QString storico = casa.Sotto("storico.txt");
    for (int lingua : {0, 1}) {
        TORVDLGColor colore;
        colore.Inizializza(lingua, true, "QV", "Intro");
        TORVDLGMessaggi messaggi;
        messaggi.Inizializza(lingua, true, "QV", "Intro");
        TORVDLGMessaggio messaggio;
        TORVDLGSelectDirectory cartelle;
        cartelle.Inizializza(lingua, true, "QV", "Intro", storico);
        TORVDLGOpenDialog file;
        file.Inizializza(lingua, true, "QV", "Intro", storico, 1);
        TORVDLGCodificaVideo codifica;
        codifica.Inizializza(lingua, true, "QV", "Intro");
        const std::pair<QWidget*, const char*> dialoghi[] = {
            {&colore, "colour picker"}, {&messaggi, "message box"},  {&messaggio, "message"},
            {&cartelle, "folder chooser"}, {&file, "file chooser"}, {&codifica, "encoding window"}};
        for (const auto& [d, nome] : dialoghi) {
            d->show();
            ControllaFinestra(d, std::string(nome) + ", language " + std::to_string(lingua));
            d->hide();
        }
    }
}

// The message box holds every word of its texts on a small screen: it grows to them, and past
// the work area its lines scroll; nothing lies past its edges or the screen's.
TEST_F(SchermoPiccolo, MessageBoxShowsEveryWord) {
    const QString cartella = QStringLiteral("/home/utente/.local/share/Drovaskent/Quenvox/");
    QStringList salvate;
    for (int i = 1; i <= 10; ++i) salvate << cartella + QStringLiteral("ProgettoQuenvox.sessione-%1.txt").arg(i);
    const QString lungo = QStringLiteral("/home/utente/") + QString(280, QLatin1Char('d')) + QStringLiteral("/a.txt");
    for (int lingua : {LinguaItaliano, LinguaInglese}) {
        const struct {
            const char* nome;
            int tipo;
            QString testo;
        } casi[] = {
            {"one line", 2, QStringLiteral("Il video è stato creato correttamente.")},
            {"five lines", 1, QStringList{"uno", "due", "tre", "quattro", "cinque"}.join('\n')},
            {"twelve lines", 1, QStringList(12, QStringLiteral("una riga del messaggio")).join('\n')},
            {"a 300-character path", 1, TestoMessaggio(VoceMessaggio::StileNonValido, lingua).arg(lungo)},
            {"ten rescue paths", 2,
             TestoMessaggio(VoceMessaggio::SessioniSalvateDaParte, lingua).arg(salvate.join('\n'))},
            {"the unreadable project's question", 3,
             TestoMessaggio(VoceMessaggio::ProgettoIlleggibileSostituire, lingua)
                 .arg(cartella + QStringLiteral("ProgettoQuenvox.txt"), QStringLiteral("Permission denied"))},
        };
        for (const auto& c : casi) {
            const std::string dove = std::string(c.nome) + ", language " + std::to_string(lingua);
            TORVDLGMessaggi d;
            d.Inizializza(lingua, true, "QV", "Intro");
            QString mostrato;
            QTimer::singleShot(0, &d, [&] {
                mostrato = d.Messaggio()->text();
                ControllaFinestra(&d, dove);
                d.done(0);
            });
            d.MostraMessaggio(c.tipo, c.testo);
            EXPECT_EQ(QString(mostrato).remove('\n').remove(' '), QString(c.testo).remove('\n').remove(' ')) << dove;
            EXPECT_FALSE(mostrato.contains(QStringLiteral("\u2026"))) << dove;
        }
    }
}
