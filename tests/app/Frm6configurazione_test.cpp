#include "app/Frm6configurazione.h"

#include "common/Attesa.h"
#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orvform.h"
#include "controls/Orvheader.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/TabellaImmagini.h"
#include "project/TabellaLingue.h"
#include "project/TestiMessaggi.h"
#include "render/ImmaginiIllegibili.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStackedWidget>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace {

// Answers the chooser from a script and records every message.
class PortaFinta : public PortaConfigurazione {
public:
    struct Risposta {
        int risultato;
        QString percorso;
    };
    std::deque<Risposta> risposte;
    int scelte = 0;
    int linguaScelta = -1;
    QString aperturaSu;  // the file the chooser was opened on
    struct Messaggio {
        int lingua, tipo;
        QString testo;
    };
    std::vector<Messaggio> messaggi;

    int ScegliImmagine(int lingua, QString& percorso) override {
        ++scelte;
        linguaScelta = lingua;
        aperturaSu = percorso;
        if (risposte.empty()) return 2;
        const Risposta r = risposte.front();
        risposte.pop_front();
        percorso = r.percorso;
        return r.risultato;
    }
    void MostraMessaggio(int lingua, int tipo, const QString& testo) override { messaggi.push_back({lingua, tipo, testo}); }
};

class Configurazione : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ImpostaCartelleUtente(casa.Sotto("dati"), casa.Sotto("documenti"), casa.Sotto("programma")));
        ImpostazioniGlobali.LinguaCorrente = LinguaItaliano;
        finestra = std::make_unique<TForm6Configurazione>(impostazioni);
        finestra->SetPorta(&porta);
    }
    void TearDown() override { ImpostazioniGlobali.LinguaCorrente = LinguaItaliano; }

    void Scheda(int n) {
        finestra->ElencoPagine->SetORV_PannelloAttivo(n);
        finestra->ElencoPagineCambioPagina(finestra->ElencoPagine);
    }
    // A picture of one colour, written where the chooser "finds" it.
    QString Immagine(const QString& nome, QColor colore, QSize dimensione = {64, 36}) {
        QImage im(dimensione, QImage::Format_RGB32);
        im.fill(colore);
        const QString percorso = casa.Sotto(nome);
        EXPECT_TRUE(im.save(percorso));
        return percorso;
    }

    CasaTemporanea casa;
    ImpostazioniProgetto impostazioni;
    PortaFinta porta;
    std::unique_ptr<TForm6Configurazione> finestra;
};

const QRgb Grigio = qRgb(80, 80, 80);

// Captions come from the program's message table: Italian, and English for every other
// language, as the table gives them.
TEST(RigheScheda, EveryTabMapsItsRowsToSlotsAndCaptions) {
    const struct {
        int scheda;
        int righe;
        int primoSlot;
        const char* prima;
        const char* ultima;
        const char* primaInglese;
        const char* ultimaInglese;
    } casi[] = {
        {2, 4, 0, "Sfondo Flares:", "Sfondo Intro 6 (Laser):", "Background Flares:", "Background Intro 6 (Laser):"},
        {3, 1, 4, "Logo da utilizzare:", "Logo da utilizzare:", "Logo to be used:", "Logo to be used:"},
        {4, 5, 5, "Fiocco di neve 1:", "Fiocco di neve 5:", "Snowflake 1:", "Snowflake 5:"},
        {5, 5, 10, "Flares 1:", "Flares 5:", "Flare 1:", "Flare 5:"},
        {6, 5, 15, "Fuoco 1:", "Fuoco 5:", "Fire 1:", "Fire 5:"},
        {7, 4, 20, "Bolle di sapone 1:", "Bolle di sapone 4:", "Soap bubbles 1:", "Soap bubbles 4:"},
        {8, 1, 24, "Polvere:", "Polvere:", "Dust:", "Dust:"},
        {9, 3, 25, "Fumo 1:", "Fumo 3:", "Smoke 1:", "Smoke 3:"},
        {10, 2, 28, "Effetto ombra:", "Catena:", "Shadow effect:", "Chain:"},
        {11, 6, 30, "Fuoco Laser 1:", "Fuoco Laser 6:", "Laser fire 1:", "Laser fire 6:"},
    };
    int slotAtteso = 0;
    for (const auto& c : casi) {
        const std::vector<RigaImmagine> righe = RigheScheda(c.scheda, LinguaItaliano);
        ASSERT_EQ(int(righe.size()), c.righe) << "tab " << c.scheda;
        EXPECT_EQ(righe.front().Didascalia, QString::fromUtf8(c.prima)) << "tab " << c.scheda;
        EXPECT_EQ(righe.back().Didascalia, QString::fromUtf8(c.ultima)) << "tab " << c.scheda;
        // Consecutive slots, tab after tab, cover 0..35 exactly once.
        for (const RigaImmagine& r : righe) EXPECT_EQ(r.Slot, slotAtteso++) << "tab " << c.scheda;
        EXPECT_EQ(righe.front().Slot, c.primoSlot);
        for (int lingua : {LinguaInglese, LinguaSpagnolo, LinguaTedesco, LinguaFrancese}) {
            const std::vector<RigaImmagine> tradotte = RigheScheda(c.scheda, lingua);
            ASSERT_EQ(tradotte.size(), righe.size());
            EXPECT_EQ(tradotte.front().Didascalia, QString::fromUtf8(c.primaInglese)) << "tab " << c.scheda;
            EXPECT_EQ(tradotte.back().Didascalia, QString::fromUtf8(c.ultimaInglese)) << "tab " << c.scheda;
            for (size_t k = 0; k < righe.size(); ++k) EXPECT_EQ(tradotte[k].Slot, righe[k].Slot);
        }
    }
    EXPECT_EQ(slotAtteso, NumeroSlotPredefiniti);
    for (int fuori : {-1, 0, 1, 12, 100}) EXPECT_TRUE(RigheScheda(fuori, LinguaItaliano).empty()) << fuori;
}

TEST_F(Configurazione, OpensOnTheLanguageSheetWithTheDefaultPictures) {
    EXPECT_EQ(finestra->ElencoPagine->ORV_PannelloAttivo(), 1);
    EXPECT_EQ(finestra->Pagine->currentWidget(), finestra->P2);
    // Creating the window installed the defaults of the program folder.
    EXPECT_EQ(impostazioni.TabellaImmagini[0], casa.Sotto("programma") + "/Intro/00 SfondoFlares.png");
    EXPECT_EQ(impostazioni.TabellaImmagini[35], casa.Sotto("programma") + "/Intro/35 Fuoco Laser.png");
    EXPECT_TRUE(finestra->Impostazioni_Lingua[0]->Checked());
    for (int n = 1; n < 5; ++n) EXPECT_FALSE(finestra->Impostazioni_Lingua[n]->Checked());
}

TEST_F(Configurazione, EachTabShowsItsRowsAndHidesTheRest) {
    finestra->show();
    for (int scheda = 2; scheda <= NumeroSchedeConfigurazione; ++scheda) {
        Scheda(scheda);
        EXPECT_EQ(finestra->Pagine->currentWidget(), finestra->P1);
        const std::vector<RigaImmagine> righe = RigheScheda(scheda, ImpostazioniGlobali.LinguaCorrente);
        for (int k = 0; k < NumeroRigheImmagini; ++k) {
            const bool mostrata = k < int(righe.size());
            EXPECT_EQ(finestra->Label[k]->isVisible(), mostrata) << "tab " << scheda << " row " << k + 1;
            EXPECT_EQ(finestra->Imm[k]->isVisible(), mostrata);
            EXPECT_EQ(finestra->Cerca[k]->isVisible(), mostrata);
            EXPECT_EQ(finestra->Image[k]->isVisible(), mostrata);
            if (!mostrata) continue;
            EXPECT_EQ(finestra->Label[k]->Caption(), righe[k].Didascalia);
            EXPECT_EQ(finestra->Imm[k]->Caption(), impostazioni.TabellaImmagini[righe[k].Slot]);
        }
    }
    // Back to the language sheet, and from the six rows of "Laser" to the one of "Logo" and back.
    Scheda(1);
    EXPECT_EQ(finestra->Pagine->currentWidget(), finestra->P2);
    Scheda(11);
    Scheda(3);
    for (int k = 1; k < NumeroRigheImmagini; ++k) EXPECT_FALSE(finestra->Cerca[k]->isVisible());
    Scheda(11);
    for (int k = 0; k < NumeroRigheImmagini; ++k) EXPECT_TRUE(finestra->Cerca[k]->isVisible());
}

TEST_F(Configurazione, ClickingATabOfTheHeaderSwitchesTheSheet) {
    finestra->show();
    QApplication::processEvents();
    const RigaSchede riga = finestra->ElencoPagine->Riga();
    ASSERT_EQ(riga.schede.size(), NumeroSchedeConfigurazione);
    const SchedaDisposta& laser = riga.schede[10];
    MouseSintetico mouse(finestra->ElencoPagine);
    mouse.Click((laser.inizio + laser.fine) / 2, 20);
    EXPECT_EQ(finestra->ElencoPagine->ORV_PannelloAttivo(), 11);
    EXPECT_EQ(finestra->Pagine->currentWidget(), finestra->P1);
    EXPECT_EQ(finestra->Label[5]->Caption(), "Fuoco Laser 6:");
}

TEST_F(Configurazione, AChosenFileChangesOnlyItsSlotAndThumbnail) {
    finestra->show();
    Scheda(5);
    const TabellaPercorsi prima = impostazioni.TabellaImmagini;
    const QString rosso = Immagine("rosso.png", Qt::red);
    porta.risposte.push_back({1, rosso});
    MouseSintetico(finestra->Cerca[1]).Click(10, 10);

    EXPECT_EQ(porta.scelte, 1);
    EXPECT_EQ(porta.linguaScelta, LinguaItaliano);
    EXPECT_EQ(porta.aperturaSu, prima[11]);
    for (int slot = 0; slot < NumeroSlotImmagini; ++slot)
        EXPECT_EQ(impostazioni.TabellaImmagini[slot], slot == 11 ? rosso : prima[slot]) << slot;
    EXPECT_EQ(finestra->Imm[1]->Caption(), rosso);
    const QImage miniatura = finestra->Image[1]->Immagine();
    EXPECT_EQ(miniatura.size(), QSize(160, 90));
    EXPECT_EQ(miniatura.pixel(80, 45), qRgb(255, 0, 0));
    EXPECT_EQ(finestra->Image[0]->Immagine().pixel(80, 45), Grigio) << "the default flare is not in the program folder";
}

TEST_F(Configurazione, NoFileOrACancelChangesNothing) {
    finestra->show();
    Scheda(2);
    const TabellaPercorsi prima = impostazioni.TabellaImmagini;
    const QString altro = Immagine("altro.png", Qt::blue);
    const struct {
        int risultato;
        QString percorso;
    } casi[] = {
        {1, QString()},  // Open without a file picked
        {0, altro},      // closed by the frame
        {2, altro},      // Cancel
    };
    for (const auto& c : casi) {
        porta.risposte.push_back({c.risultato, c.percorso});
        finestra->CercaClick(1);
        EXPECT_EQ(impostazioni.TabellaImmagini, prima) << "result " << c.risultato;
        EXPECT_EQ(finestra->Imm[0]->Caption(), prima[0]);
    }
    EXPECT_EQ(porta.scelte, 3);
}

TEST_F(Configurazione, APathTooLongForTheProjectFileIsRefused) {
    Scheda(3);
    const QString lungo = "/" + QString(LunghezzaMassimaPercorso, QLatin1Char('a'));
    porta.risposte.push_back({1, lungo});
    const QString prima = impostazioni.TabellaImmagini[4];
    finestra->CercaClick(1);
    EXPECT_EQ(impostazioni.TabellaImmagini[4], prima);
    ASSERT_EQ(porta.messaggi.size(), 1u);
    EXPECT_EQ(porta.messaggi[0].tipo, 1);
    // The message says the limit and shows the path that was refused.
    EXPECT_TRUE(porta.messaggi[0].testo.contains(QStringLiteral("511")));
    EXPECT_TRUE(porta.messaggi[0].testo.endsWith(lungo));
}

TEST_F(Configurazione, AHiddenRowOrTheLanguageSheetAsksForNoFile) {
    Scheda(8);  // one row only
    finestra->CercaClick(2);
    Scheda(1);
    finestra->CercaClick(1);
    EXPECT_EQ(porta.scelte, 0);
}

TEST(CreaMiniatura, StretchesOverGreyAndShowsGreyForWhatCannotBeRead) {
    CasaTemporanea casa;
    // Half transparent, half green, 4:1: stretched to 16:9 without keeping the ratio.
    QImage im(400, 100, QImage::Format_ARGB32);
    im.fill(Qt::transparent);
    for (int y = 0; y < 100; ++y)
        for (int x = 200; x < 400; ++x) im.setPixel(x, y, qRgb(0, 255, 0));
    ASSERT_TRUE(im.save(casa.Sotto("meta.png")));
    const QImage m = CreaMiniatura(casa.Sotto("meta.png"));
    EXPECT_EQ(m.size(), QSize(160, 90));
    EXPECT_EQ(m.pixel(20, 45), Grigio);
    EXPECT_EQ(m.pixel(140, 45), qRgb(0, 255, 0));
    EXPECT_EQ(m.pixel(140, 2), qRgb(0, 255, 0));

    QFile rotto(casa.Sotto("rotto.png"));
    ASSERT_TRUE(rotto.open(QIODevice::WriteOnly));
    rotto.write("\x89PNG not really");
    rotto.close();
    for (const QString& p : {QString(), casa.Sotto("manca.png"), casa.Sotto("rotto.png"), casa.Percorso()}) {
        const QImage g = CreaMiniatura(p);
        EXPECT_EQ(g.size(), QSize(160, 90)) << p.toStdString();
        EXPECT_EQ(g.pixel(0, 0), Grigio) << p.toStdString();
        EXPECT_EQ(g.pixel(159, 89), Grigio) << p.toStdString();
    }
}

// The files that once held the window for seconds and gigabytes: grey at once, and why.
TEST(CreaMiniatura, BombsGiveTheGreyThumbnailAndTheirReason) {
    CasaTemporanea casa;
    const struct {
        const char* nome;
        QByteArray dati;
        QString motivo;
    } casi[] = {
        {"enorme.jpg", bombe::JpegVuoto(65500, 65500, 3, false, 1),
         TestoMessaggio(VoceMessaggio::ImmagineTroppiPixel).arg(65500).arg(65500).arg(250)},
        {"scansioni_5600.jpg", bombe::JpegVuoto(5600, 5600, 3, true, 10000),
         TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(ScansioniAmmesseJpeg(5600, 5600))},
        {"scansioni_8000.jpg", bombe::JpegVuoto(8000, 8000, 1, true, 10000),
         TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(ScansioniAmmesseJpeg(8000, 8000))},
        {"enorme.png", bombe::PngDichiarato(65500, 65500),
         TestoMessaggio(VoceMessaggio::ImmagineTroppoGrande).arg(65500).arg(65500).arg(256)},
        {"testo.png", QByteArray("not a picture at all"), TestoMessaggio(VoceMessaggio::ImmagineFormatoSconosciuto)},
        {"app1_nullo.jpg", bombe::JpegApp1Nullo(8000, 8000, 10000),
         TestoMessaggio(VoceMessaggio::TroppeScansioni).arg(ScansioniAmmesseJpeg(8000, 8000))},
        {"commenti.jpg", bombe::JpegCommentato(bombe::JpegSfumato(64, 64), MargineByteImmagine + 65536),
         TestoMessaggio(VoceMessaggio::FileTroppoGrandePerImmagine)},
        {"manca.png", QByteArray(), TestoMessaggio(VoceMessaggio::ImmagineMancante)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto(c.nome);
        if (!c.dati.isEmpty()) {
            ASSERT_TRUE(bombe::Scrivi(percorso, c.dati));
        }
        QString motivo;
        const QImage g = CreaMiniatura(percorso, &motivo);
        EXPECT_EQ(g.size(), QSize(160, 90));
        EXPECT_EQ(g.pixel(0, 0), Grigio);
        EXPECT_EQ(g.pixel(80, 45), Grigio);
        EXPECT_EQ(motivo, c.motivo);
    }
    QString motivo = QStringLiteral("left over");
    CreaMiniatura(QString(), &motivo);
    EXPECT_TRUE(motivo.isEmpty());
}

// A picture cut short is drawn in its thumbnail as far as it goes, with its reason, as a
// 2 GB header of zeros is refused by its bytes without being read.
TEST(CreaMiniatura, APictureCutShortIsDrawnWithItsReason) {
    CasaTemporanea casa;
    const QByteArray jpeg = bombe::JpegSfumato(640, 360);
    const QString tagliata = casa.Sotto("tagliata.jpg");
    ASSERT_TRUE(bombe::Scrivi(tagliata, jpeg.left(jpeg.size() * 2 / 3)));
    QString motivo;
    const QImage g = CreaMiniatura(tagliata, &motivo);
    EXPECT_NE(g.pixel(10, 10), Grigio);
    EXPECT_EQ(motivo, TestoMessaggio(VoceMessaggio::ImmagineTroncata));
    const QString zeri = casa.Sotto("zeri.jpg");
    ASSERT_TRUE(bombe::ScriviTestataSparsa(zeri, qint64(2) << 30));
    EXPECT_EQ(CreaMiniatura(zeri, &motivo).pixel(80, 45), Grigio);
    EXPECT_EQ(motivo, TestoMessaggio(VoceMessaggio::FileTroppoGrandePerImmagine));
}

// A chosen bomb stays chosen (the file may be mended), shows grey with its reason under the
// pointer, and the choice is answered with the message of a picture that cannot be read.
TEST_F(Configurazione, AChosenPictureThatIsRefusedIsToldAtOnce) {
    const QString bomba = casa.Sotto("bomba.jpg");
    ASSERT_TRUE(bombe::Scrivi(bomba, bombe::JpegVuoto(65500, 65500, 3, false, 1)));
    finestra->show();
    Scheda(5);
    porta.risposte.push_back({1, bomba});
    finestra->CercaClick(2);
    const QString motivo = TestoMessaggio(VoceMessaggio::ImmagineTroppiPixel).arg(65500).arg(65500).arg(250);
    EXPECT_EQ(impostazioni.TabellaImmagini[11], bomba);
    EXPECT_EQ(finestra->Image[1]->Immagine().pixel(80, 45), Grigio);
    EXPECT_EQ(finestra->Image[1]->toolTip(), motivo);
    ASSERT_EQ(porta.messaggi.size(), 1u);
    EXPECT_EQ(porta.messaggi[0].testo, MessaggioImmagineIllegibile(bomba, motivo));
    // A picture that reads says nothing and leaves no reason behind.
    porta.risposte.push_back({1, Immagine("verde.png", Qt::green)});
    finestra->CercaClick(2);
    EXPECT_EQ(porta.messaggi.size(), 1u);
    EXPECT_TRUE(finestra->Image[1]->toolTip().isEmpty());
    if (const QByteArray cartella = qgetenv("QUENVOX_GRAB"); !cartella.isEmpty()) {
        porta.risposte.push_back({1, bomba});
        finestra->CercaClick(2);
        finestra->grab().save(QString::fromLocal8Bit(cartella) + "/configurazione_bomba.png");
    }
}

TEST_F(Configurazione, GermanChecksOnlyItsBoxAndShowsEnglish) {
    finestra->show();
    RiempiTabellaLingue();
    MouseSintetico(finestra->Impostazioni_Lingua[3]).Click(40, 10);

    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaTedesco);
    for (int n = 0; n < 5; ++n) EXPECT_EQ(finestra->Impostazioni_Lingua[n]->Checked(), n == 3) << n;
    const bool flag[] = {impostazioni.Impostazioni_Lingua0, impostazioni.Impostazioni_Lingua1,
                         impostazioni.Impostazioni_Lingua2, impostazioni.Impostazioni_Lingua3,
                         impostazioni.Impostazioni_Lingua4};
    for (int n = 0; n < 5; ++n) EXPECT_EQ(flag[n], n == 3) << n;
    EXPECT_EQ(finestra->ORV_2016_Button5->Caption(), "Save");
    EXPECT_EQ(finestra->ElencoPagine->ORV_Pannelli().value(0), "Interface");
    EXPECT_EQ(finestra->Impostazioni_Label_Lingua->Caption(), "Language:");
    EXPECT_EQ(finestra->ORVForm1->Caption(), "Configuration images used:");
    EXPECT_EQ(impostazioni.Testo2, "Presents");
    // The row captions follow the language too.
    Scheda(4);
    EXPECT_EQ(finestra->Label[0]->Caption(), "Snowflake 1:");
    EXPECT_EQ(finestra->Cerca[0]->Caption(), "Search");
}

TEST_F(Configurazione, ALanguageBoxGoesThroughTheInstalledApplier) {
    int applicazioni = 0;
    finestra->SetApplicaLingua([&](ImpostazioniProgetto& m) {
        ++applicazioni;
        EXPECT_EQ(&m, &impostazioni);
        EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaInglese);
    });
    finestra->LinguaClick(1);
    EXPECT_EQ(applicazioni, 1);
}

TEST_F(Configurazione, ClicksOnTheCheckedBoxKeepItChecked) {
    finestra->show();
    RiempiTabellaLingue();
    MouseSintetico mouse(finestra->Impostazioni_Lingua[0]);
    mouse.Click(40, 10);
    EXPECT_TRUE(finestra->Impostazioni_Lingua[0]->Checked());
    // A double click: press, release, double press, release.
    mouse.Premi(40, 10);
    mouse.Rilascia(40, 10);
    mouse.Doppio(40, 10);
    mouse.Rilascia(40, 10);
    EXPECT_TRUE(finestra->Impostazioni_Lingua[0]->Checked());
    EXPECT_TRUE(impostazioni.Impostazioni_Lingua0);
    for (int n = 1; n < 5; ++n) EXPECT_FALSE(finestra->Impostazioni_Lingua[n]->Checked()) << n;
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaItaliano);
}

TEST_F(Configurazione, SaveWritesTheListAndSaysSoInTheLanguage) {
    const struct {
        int lingua;
        const char* testo;
    } casi[] = {{LinguaItaliano, "Configurazione salvata"}, {LinguaInglese, "Configuration saved"}};
    for (const auto& c : casi) {
        porta.messaggi.clear();
        ImpostazioniGlobali.LinguaCorrente = c.lingua;
        MouseSintetico(finestra->ORV_2016_Button5).Click(10, 10);
        ASSERT_EQ(porta.messaggi.size(), 1u);
        EXPECT_EQ(porta.messaggi[0].tipo, 2);
        EXPECT_EQ(porta.messaggi[0].lingua, c.lingua);
        EXPECT_EQ(porta.messaggi[0].testo, c.testo);
    }
    QFile elenco(CartellaLavoro + "/ElencoImmagini.txt");
    ASSERT_TRUE(elenco.open(QIODevice::ReadOnly));
    EXPECT_TRUE(elenco.readAll().contains("01001 " + impostazioni.TabellaImmagini[0].toUtf8() + "\r\n"));
}

TEST_F(Configurazione, AnUnwritableWorkFolderGivesAnErrorWithItsReason) {
    // The work folder lies under a plain file, so it can never be made.
    QFile file(casa.Sotto("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString vecchia = CartellaLavoro;
    CartellaLavoro = casa.Sotto("file/Quenvox");
    finestra->ORV_2016_Button5Click(finestra->ORV_2016_Button5);
    CartellaLavoro = vecchia;
    ASSERT_EQ(porta.messaggi.size(), 1u);
    EXPECT_EQ(porta.messaggi[0].tipo, 1);
    EXPECT_TRUE(porta.messaggi[0].testo.startsWith("Impossibile salvare l'elenco delle immagini:\n"));
    EXPECT_GT(porta.messaggi[0].testo.size(), QString("Impossibile salvare l'elenco delle immagini:\n").size())
        << "the reason follows";
}

TEST_F(Configurazione, TheRunReportsWhetherSlotsOrLineTextsChanged) {
    // A zero-length timer runs once the modal loop is up and answers for the user.
    const QString verde = Immagine("verde.png", Qt::green);
    const struct {
        const char* nome;
        std::function<void()> azione;
        bool atteso;
    } casi[] = {
        {"nothing", [] {}, false},
        {"a picture",
         [&] {
             Scheda(2);
             porta.risposte.push_back({1, verde});
             finestra->CercaClick(1);
         },
         true},
        {"the same language again", [&] { finestra->LinguaClick(0); }, false},
        {"English rewrites the line texts", [&] { finestra->LinguaClick(1); }, true},
    };
    RiempiTabellaLingue();
    for (const auto& c : casi) {
        QTimer::singleShot(0, finestra.get(), [&] {
            c.azione();
            finestra->close();
        });
        EXPECT_EQ(finestra->Esegui(), c.atteso) << c.nome;
    }
}

TEST_F(Configurazione, ShowingCentresTheWindowAtItsSize) {
    finestra->show();
    QApplication::processEvents();
    EXPECT_EQ(finestra->size(), QSize(1281, 1024));
    // "Salva" stays at the bottom right when the window shrinks to its minimum.
    finestra->resize(400, 400);
    auto rettSalva = [&] {
        return QRect(finestra->ORV_2016_Button5->mapTo(finestra.get(), QPoint(0, 0)),
                     finestra->ORV_2016_Button5->size());
    };
    // The layout may follow the new size a round of events later.
    AttendiChe([&] { return finestra->rect().contains(rettSalva()); });
    const QRect salva = rettSalva();
    EXPECT_TRUE(finestra->rect().contains(salva)) << salva.x() << "," << salva.y();
    EXPECT_GT(salva.right(), 400 - 60);
    EXPECT_GT(salva.bottom(), 400 - 100);
}

}  // namespace

namespace {

// A PNG whose data inflates to gigabytes past its rows is drawn at once, and a photo taken
// upright is shown upright as its orientation tag says.
TEST(CreaMiniatura, AnInflatingPngIsDrawnAtOnceAndAPhotoUpright) {
    CasaTemporanea casa;
    const QString gonfiato = casa.Sotto("gonfiato.png");
    ASSERT_TRUE(bombe::Scrivi(gonfiato, bombe::PngGonfiato(64, 64, 20 << 20)));
    const qint64 inizio = TempoProcessoreNs();
    QString motivo = QStringLiteral("left over");
    const QImage g = CreaMiniatura(gonfiato, &motivo);
    EXPECT_LT((TempoProcessoreNs() - inizio) / 1000000, 1000);
    EXPECT_NE(g.pixel(80, 45), Grigio);
    EXPECT_TRUE(motivo.isEmpty());
    // Stored 40 x 20 with its red half on the left, turned a quarter clockwise: red on top.
    const QString foto = casa.Sotto("girata.jpg");
    ASSERT_TRUE(bombe::Scrivi(foto, bombe::JpegOrientato(bombe::MetaRossaMetaBlu(40, 20), 6)));
    const QImage m = CreaMiniatura(foto);
    EXPECT_GT(qRed(m.pixel(120, 10)), 200);
    EXPECT_GT(qBlue(m.pixel(40, 80)), 200);
}

}  // namespace
