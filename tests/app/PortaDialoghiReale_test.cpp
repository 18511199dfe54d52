#include "app/PortaDialoghiReale.h"

#include "app/Frm2principale.h"
#include "app/Frm6configurazione.h"
#include "common/Attesa.h"
#include "common/CasaTemporanea.h"
#include "common/LinguaTemporanea.h"
#include "common/MouseSintetico.h"
#include "controls/GeometriaForm.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orvform.h"
#include "dialogs/DialogoOrv.h"
#include "dialogs/Forvdlgcolor.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/Forvdlgopendialog.h"
#include "dialogs/Forvdlgselectdirectory.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orvheader.h"
#include "dialogs/ListaPannello.h"
#include "controls/Orvlrbutton.h"
#include "dialogs/Forvdlgsceltacodec.h"
#include "dialogs/Forvdlgcodificavideo.h"
#include "encoding/AiutoCodifica.h"
#include "encoding/ImpostazioniCodec.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

struct Banco {
    CasaTemporanea casa;
    std::unique_ptr<TForm2Principale> principale;
    std::unique_ptr<TForm6Configurazione> configurazione;
    std::unique_ptr<PortaDialoghiReale> porta;
    Banco() {
        ImpostaCartelleUtente(casa.Sotto("dati"), casa.Sotto("documenti"), QCoreApplication::applicationDirPath());
        principale = std::make_unique<TForm2Principale>();
        configurazione = std::make_unique<TForm6Configurazione>(principale->Impostazioni(), principale.get());
        porta = std::make_unique<PortaDialoghiReale>(*principale, *configurazione);
    }
    ~Banco() {
        porta.reset();
        configurazione.reset();
    }
};

// Answers the window that the next modal run shows; a run nobody answers is ended after a long
// while. The last resort belongs to the window it watches, so it never closes another test's.
void Rispondi(std::function<void(QWidget* modale)> risposta, QWidget** vista) {
    QTimer::singleShot(0, [=] {
        QWidget* modale = QApplication::activeModalWidget();
        *vista = modale;
        if (!modale) return;
        QTimer::singleShot(LimiteAttesaMs, modale, [modale] {
            if (modale->isVisible()) modale->close();
        });
        risposta(modale);
    });
}

void Clicca(QWidget* w) {
    MouseSintetico(w).Click(w->width() / 2, w->height() / 2);
}

TEST(PortaDialoghiReale, EachCallRunsItsWindowInTheLanguageGiven) {
    Banco b;
    QWidget* vista = nullptr;

    // The message box in German, closed by its frame.
    Rispondi([](QWidget* m) { m->close(); }, &vista);
    EXPECT_EQ(b.porta->Messaggio(LinguaTedesco, 2, "Ciao"), 0);
    auto* messaggi = qobject_cast<TORVDLGMessaggi*>(vista);
    ASSERT_NE(messaggi, nullptr);
    EXPECT_EQ(messaggi->LinguaDialogo(), LinguaTedesco);

    // One colour, confirmed: the colour comes back unchanged with 6.
    Rispondi([](QWidget* m) { Clicca(qobject_cast<TORVDLGColor*>(m)->Esci()); }, &vista);
    EsitoColori uno = b.porta->ScegliColore(LinguaInglese, 0x123456);
    auto* colore = qobject_cast<TORVDLGColor*>(vista);
    ASSERT_NE(colore, nullptr);
    EXPECT_EQ(colore->LinguaDialogo(), LinguaInglese);
    EXPECT_EQ(colore->NumeroColori(), 1);
    EXPECT_EQ(uno.Risultato, 6);
    EXPECT_EQ(uno.Colore1, 0x123456u);

    // Two colours, cancelled: 7, and the same picker runs again in Italian.
    Rispondi([](QWidget* m) { Clicca(qobject_cast<TORVDLGColor*>(m)->Annulla()); }, &vista);
    EsitoColori due = b.porta->ScegliDueColori(LinguaItaliano, 0x0000FF, 0x00FF00);
    EXPECT_EQ(vista, colore) << "each dialog is created once";
    EXPECT_EQ(colore->LinguaDialogo(), LinguaItaliano);
    EXPECT_EQ(colore->NumeroColori(), 2);
    EXPECT_EQ(due.Risultato, 7);

    // The file chooser for pictures, closed by its frame; the configuration window's "Cerca"
    // reaches the same one.
    for (auto scegli : std::vector<std::function<int()>>{
             [&] { return b.porta->ScegliFile(LinguaSpagnolo, QString()).Risultato; },
             [&] {
                 QString percorso;
                 return b.porta->ScegliImmagine(LinguaSpagnolo, percorso);
             }}) {
        Rispondi([](QWidget* m) { m->close(); }, &vista);
        EXPECT_EQ(scegli(), 0);
        auto* apri = qobject_cast<TORVDLGOpenDialog*>(vista);
        ASSERT_NE(apri, nullptr);
        EXPECT_EQ(apri->LinguaDialogo(), LinguaSpagnolo);
        EXPECT_EQ(apri->TipoFile(), 1);
    }

    // The folder chooser, cancelled ("Annulla" is its first button).
    Rispondi([](QWidget* m) { Clicca(qobject_cast<TORVDLGSelectDirectory*>(m)->BTN_1()); }, &vista);
    EXPECT_EQ(b.porta->ScegliCartella(LinguaFrancese).Risultato, 2);
    auto* cartella = qobject_cast<TORVDLGSelectDirectory*>(vista);
    ASSERT_NE(cartella, nullptr);
    EXPECT_EQ(cartella->LinguaDialogo(), LinguaFrancese);

    // The configuration window: nothing changed.
    Rispondi([](QWidget* m) { m->close(); }, &vista);
    EXPECT_FALSE(b.porta->Configura(LinguaItaliano, b.principale->Impostazioni()));
    EXPECT_EQ(vista, b.configurazione.get());
}

// What the system says in a message (errors from the C library, Qt's file errors) reaches the
// box in the language of the call, errors and notices alike; the rest of the text as it was.
TEST(PortaDialoghiReale, TheSystemsReasonsComeInTheLanguageOfTheBox) {
    Banco b;
    const QString file = QStringLiteral("/home/utente/Documenti/Drovaskent/Quenvox/ProgettoQuenvox.txt");
    const struct {
        int lingua;
        bool avviso;
        QString testo, mostrato;
    } casi[] = {
        {LinguaItaliano, false, "Impossibile scrivere il frame:\n" + file + "\nNo space left on device",
         "Impossibile scrivere il frame:\n" + file + "\nSpazio esaurito sul dispositivo"},
        {LinguaItaliano, true, "Existing file " + file + " is not writable",
         "Il file esistente " + file + " non è scrivibile"},
        {LinguaInglese, false, file + ": Permission denied", file + ": Permission denied"},
    };
    for (const auto& c : casi) {
        QWidget* vista = nullptr;
        QString mostrato;
        Rispondi(
            [&mostrato](QWidget* m) {
                mostrato = qobject_cast<TORVDLGMessaggi*>(m)->Testo();
                m->close();
            },
            &vista);
        if (c.avviso) b.porta->Avviso(c.lingua, c.testo, {});
        else b.porta->Messaggio(c.lingua, 1, c.testo);
        EXPECT_EQ(mostrato, c.mostrato);
    }
}

TEST(PortaDialoghiReale, APictureChosenThroughTheConfigurationWindowFillsItsSlotAndHistory) {
    Banco b;
    const QString cartella = b.casa.Sotto("Foto");
    QDir().mkpath(cartella);
    QImage rossa(48, 27, QImage::Format_RGB32);
    rossa.fill(Qt::red);
    ASSERT_TRUE(rossa.save(cartella + "/fiocco.png"));
    b.configurazione->SetPorta(b.porta.get());
    b.configurazione->show();
    b.configurazione->ElencoPagine->SetORV_PannelloAttivo(4);
    b.configurazione->ElencoPagineCambioPagina(b.configurazione->ElencoPagine);
    QWidget* vista = nullptr;
    Rispondi(
        [&](QWidget* m) {
            auto* apri = qobject_cast<TORVDLGOpenDialog*>(m);
            // It opens where the slot's default picture lies; the user goes to the photos.
            EXPECT_EQ(apri->Cartella(), QFileInfo(b.principale->Impostazioni().TabellaImmagini[6]).absolutePath());
            apri->Sfoglia(cartella);
            const int riga = int(apri->ListaFiles()->Voci().indexOf("fiocco.png"));
            apri->ListaFiles()->Lista()->setCurrentRow(riga);
            QTest::keyClick(apri, Qt::Key_Enter);
        },
        &vista);
    b.configurazione->CercaClick(2);
    EXPECT_EQ(b.principale->Impostazioni().TabellaImmagini[6], cartella + "/fiocco.png");
    EXPECT_EQ(b.configurazione->Imm[1]->Caption(), cartella + "/fiocco.png");
    EXPECT_EQ(b.configurazione->Image[1]->Immagine().pixel(80, 45), qRgb(255, 0, 0));
    QFile storico(CartellaLavoro + "/Quenvox.txt");
    ASSERT_TRUE(storico.open(QIODevice::ReadOnly));
    EXPECT_TRUE(storico.readAll().contains(cartella.toUtf8()));
}

TEST(PortaDialoghiReale, TheCodecChoiceReadAtStartUpComesBackFromTheCodecWindow) {
    Banco b;
    SceltaCodec x264;
    x264.Pagina = 5;
    x264.X264Qualita = 18;
    const QString testo = ScriviImpostazioniCodec(x264);
    b.porta->ConsegnaImpostazioniCodec(testo);
    QWidget* vista = nullptr;
    Rispondi([](QWidget* m) { m->close(); }, &vista);
    EXPECT_EQ(b.porta->SceltaCodec(LinguaInglese), testo);
    auto* codec = qobject_cast<TORVDLGSceltaCodec*>(vista);
    ASSERT_NE(codec, nullptr);
    EXPECT_EQ(codec->LinguaDialogo(), LinguaInglese);
    EXPECT_EQ(codec->PaginaMostrata(), 5);
    // The encoding run takes the same choice.
    EXPECT_EQ(b.porta->SceltaCodecVideo().ParametriCorrenti().TipoCodec, 4);
}

// The French captions of the frame-rate list are placeholders: the command line shown takes
// the rate from the item chosen, as the run does.
TEST(PortaDialoghiReale, TheCodecWindowShowsTheProjectsRateInEveryLanguage) {
    for (const int lingua : {LinguaItaliano, LinguaFrancese}) {
        SCOPED_TRACE(lingua);
        LinguaTemporanea temporanea(lingua);
        Banco b;
        b.principale->ApplicaLinguaFinestra();
        ImpostazioniProgetto& m = b.principale->Impostazioni();
        m.ProgettoFrameRate = 12;  // "30"
        if (lingua == LinguaFrancese) {
            ASSERT_EQ(m.ProgettoFrameRate.Testo(), "##");
        }
        QWidget* vista = nullptr;
        QString riga;
        Rispondi(
            [&riga](QWidget* m) {
                riga = qobject_cast<TORVDLGSceltaCodec*>(m)->RigaComandoMostrata();
                m->close();
            },
            &vista);
        b.porta->SceltaCodec(lingua);
        EXPECT_TRUE(riga.contains(" -r 30 -i ")) << riga.toStdString();
    }
}

}  // namespace

// The middle of the main window frame's close button.
static QPoint PuntoChiudi(TForm2Principale& principale) {
    const ORVForm* cornice = principale.findChild<ORVForm*>(QString(), Qt::FindDirectChildrenOnly);
    const PulsantiForm p = cornice->Pulsanti();
    return QPoint(PosizionaPulsanti(p, cornice->width()).xChiudi + p.larghezzaChiudi / 2, p.top + p.altezzaBanda / 2);
}

// The main window's close while the encoding window is open (its frame's close button too):
// during the run it stops the encoder as "Interrompi" does and the main window stays; after the run it closes what it was
// aimed at, the encoding window first and then the main window.
TEST(PortaDialoghiReale, TheMainWindowsCloseDuringARunStopsItAfterItClosesTheMainWindow) {
    Banco b;
    const QString cartella = b.casa.Sotto("Video");
    ScriviFrame(cartella, 6, true);
    TORVDLGCodificaVideo& finestra = b.porta->CodificaVideo();
    finestra.ImpostaEncoder(CopiaFintoEncoder(b.casa.Sotto("finto_ffmpeg")));
    finestra.ImpostaSonda(CopiaFintaSonda(b.casa.Sotto("finto_ffprobe")));
    finestra.ImpostaAttesaAvvio(10);
    finestra.Lavoro().ImpostaAttesaArresto(300);
    qputenv("FINTO_MODO", "lento");
    b.principale->ImpostaPorta(b.porta.get());
    b.principale->show();
    EXPECT_FALSE(b.porta->InoltraChiusura());  // nothing open: the main window's own close

    ConsegnaCodifica consegna;
    consegna.Parametri = {cartella, 25, true, 5, QStringLiteral("Frames/Image")};
    bool fermato = false, chiuso = false, principaleAperta = true;
    QStringList domande;
    QTimer sonda;
    QElapsedTimer tempo;
    tempo.start();
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<TORVDLGMessaggi*>(QApplication::activeModalWidget())) {
            domande << box->Testo();
            box->close();
            return;
        }
        if (!finestra.isVisible()) return;
        if (tempo.elapsed() > LimiteAttesaMs) {
            ADD_FAILURE() << "the encoding window never closed";
            finestra.done(0);
            return;
        }
        if (!fermato && finestra.Lavoro().InCorso() && finestra.Lavoro().Figure().NumeroFrame() >= 1) {
            fermato = true;
            // The main window's own close button, whose click the modal window kept from it:
            // beside it nothing is taken.
            EXPECT_FALSE(b.principale->ClicBloccato(QPoint(b.principale->width() / 2, b.principale->height() / 2)));
            EXPECT_TRUE(finestra.Lavoro().InCorso());
            EXPECT_TRUE(b.principale->ClicBloccato(PuntoChiudi(*b.principale)));
            EXPECT_TRUE(finestra.isVisible());
            EXPECT_FALSE(finestra.BottoneInterrompi()->isEnabled());
        } else if (fermato && !finestra.InEsecuzione() && !chiuso) {
            chiuso = true;
            EXPECT_FALSE(b.principale->close());
            principaleAperta = b.principale->isVisible();
        }
    });
    sonda.start(5);
    b.porta->Codifica(LinguaItaliano, consegna);
    sonda.stop();
    EXPECT_TRUE(fermato);
    EXPECT_TRUE(chiuso);
    EXPECT_TRUE(principaleAperta);
    EXPECT_TRUE(finestra.Lavoro().Risultato().Interrotta);
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_EQ(domande.size(), 1);
    EXPECT_TRUE(AttendiChe([&] { return !b.principale->isVisible(); }));
    b.principale->ImpostaPorta(nullptr);
}
