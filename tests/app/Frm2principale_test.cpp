#include "app/BancoFinestra.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orvform.h"
#include "controls/ComuneControlli.h"
#include "controls/Orvheader.h"
#include "controls/TFlatEdit.h"
#include "encoding/ImpostazioniCodec.h"
#include "project/ApplicaLingua.h"
#include "project/FileProgetto.h"
#include "project/TestiMessaggi.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>

namespace {

QStringList Righe(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
}

QString Chiave(const QString& riga) { return riga.left(16).trimmed(); }

}  // namespace

TEST(Frm2principale, OpensOnTheDefaultsWithAPreviewOfFrameZero) {
    BancoFinestra b(true);
    EXPECT_EQ(b.f->size(), QSize(1281, 1024));
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaItaliano);
    // The project's presets and the first show ask for one preview, drawn once.
    EXPECT_EQ(b.f->RenderingEseguiti(), 1);
    auto* anteprima = b.W<QLabel>("ImmagineASchermo");
    EXPECT_EQ(anteprima->pixmap().size(), QSize(1120, 635));
    EXPECT_EQ(b.W<ORV_2016_Lista>("IntroLista")->Caption(), QStringLiteral("Intro 1 Semplice"));
    EXPECT_EQ(b.W<ORV_2016_Label>("Logo")->Caption(), b.Imp().TabellaImmagini[4]);
    EXPECT_EQ(b.W<ORV_2016_Label>("CartellaOutput")->Caption(), PercorsoOutput);
    EXPECT_EQ(b.porta.CodecConsegnato, ScriviImpostazioniCodec(SceltaCodec()));
    // The font list holds the project's font and shows it.
    EXPECT_EQ(b.Imp().FontElenco.Testo(), QStringLiteral("Arial"));
    EXPECT_TRUE(b.porta.Messaggi.isEmpty());
}

TEST(Frm2principale, RendersAskedTogetherAreDrawnOnce) {
    BancoFinestra b;
    const int prima = b.f->RenderingEseguiti();
    for (int i = 0; i < 5; ++i) b.f->RichiediRendering();
    Attendi();
    EXPECT_EQ(b.f->RenderingEseguiti(), prima + 1);
}

TEST(Frm2principale, EveryLanguageTargetIsAControlOfTheRightClass) {
    BancoFinestra b;
    for (const BersaglioLingua& t : BersagliLingua()) {
        if (t.Finestra != FinestraLingua::Principale || t.Proprieta == ProprietaLingua::TitoloFinestra) continue;
        const QString nome = QLatin1String(t.Controllo);
        QObject* o = b.f->findChild<QObject*>(nome);
        ASSERT_NE(o, nullptr) << t.Voce << " " << t.Controllo;
        bool giusto = false;
        switch (t.Proprieta) {
        case ProprietaLingua::Caption:
            giusto = qobject_cast<ORV_2016_Label*>(o) || qobject_cast<ORV_2016_Check*>(o) ||
                     qobject_cast<ORV_2016_Button*>(o) || qobject_cast<ORVForm*>(o) ||
                     (o->parent() && o->parent()->objectName() == QLatin1String("Pagine"));
            break;
        case ProprietaLingua::Testo: giusto = qobject_cast<TFlatEdit*>(o); break;
        case ProprietaLingua::Prefisso: giusto = qobject_cast<ORV_2016_SpinNumber*>(o); break;
        case ProprietaLingua::Voce: giusto = qobject_cast<ORV_2016_Lista*>(o); break;
        case ProprietaLingua::Scheda: giusto = qobject_cast<ORVHeader*>(o); break;
        default: break;
        }
        EXPECT_TRUE(giusto) << t.Voce << " " << t.Controllo;
    }
}

TEST(Frm2principale, SwitchingTheLanguageChangesCaptionsItemsAndTabs) {
    BancoFinestra b;
    b.Imp().IntroLista = 4;
    b.f->AggiornaViste();
    struct Caso {
        int lingua;
        const char* etichetta;
        const char* intro;
        const char* scheda1;
        const char* testo2;
        // Fixed captions the table does not give: the program's message table, English for
        // every language but Italian.
        const char* grassetto;
        const char* trasparente;
    };
    const Caso casi[] = {
        {LinguaInglese, "Intro to create:", "Intro 4 Ocean Waves", "Data Project", "Presents", "Bold", "Transparent"},
        {LinguaTedesco, "Intro to create:", "Intro 4 Ocean Waves", "Data Project", "Presents", "Bold", "Transparent"},
        {LinguaFrancese, "################", "###################", "#############", "########", "Bold",
         "Transparent"},
        {LinguaItaliano, "Intro da creare:", "Intro 4 Onde Mare", "Dati Progetto", "Presenta", "Grassetto",
         "Trasparente"},
    };
    for (const Caso& c : casi) {
        ImpostazioniGlobali.LinguaCorrente = c.lingua;
        b.f->ApplicaLinguaFinestra();
        EXPECT_EQ(b.W<ORV_2016_Label>("IntroLabel")->Caption(), QString::fromUtf8(c.etichetta)) << c.lingua;
        EXPECT_EQ(b.W<ORV_2016_Lista>("IntroLista")->Caption(), QString::fromUtf8(c.intro)) << c.lingua;
        EXPECT_EQ(b.W<ORV_2016_Lista>("IntroLista")->ORV_Voce(), 4);
        EXPECT_EQ(b.W<ORVHeader>("PagineHeader")->ORV_Pannelli().value(0), QString::fromUtf8(c.scheda1));
        EXPECT_EQ(b.W<TFlatEdit>("Testo2")->Text(), QString::fromUtf8(c.testo2)) << c.lingua;
        EXPECT_EQ(b.W<ORV_2016_Check>("FontBold")->Caption(), QString::fromUtf8(c.grassetto)) << c.lingua;
        EXPECT_EQ(b.W<ORV_2016_Check>("FontTrasparente")->Caption(), QString::fromUtf8(c.trasparente)) << c.lingua;
        // The table's window-caption entry ("Form Main") shows nowhere; the task bar keeps the name.
        EXPECT_EQ(b.f->windowTitle(), QStringLiteral("Quenvox")) << c.lingua;
    }
}

// The first run, closed untouched, writes the default project file; only the logo paths and the
// codec line differ from it, since the first show fills them.
TEST(Frm2principale, FirstRunClosedWritesTheDefaultProjectFile) {
    BancoFinestra b;
    ASSERT_TRUE(b.f->close());
    const QStringList scritte = Righe(PercorsoFileProgetto());
    // __FILE__ is relative to the build's tests folder.
    const QString qui = QFileInfo(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../tests"))
                                      .filePath(QStringLiteral(__FILE__)))
                            .absolutePath();
    QStringList attese = Righe(qui + QStringLiteral("/../project/dati/ProgettoPredefinito.txt"));
    ASSERT_FALSE(attese.isEmpty());
    ASSERT_EQ(scritte.size(), attese.size());
    const QString logo = b.Imp().TabellaImmagini[4];
    const QStringList chiaviLogo{"Logo", "Intro2LogoDaUtil", "Intro3LogoDaUtil", "Intro4LogoDaUtil",
                                 "Intro5LogoDaUtil"};
    for (int i = 0; i < attese.size(); ++i) {
        QString attesa = attese[i];
        attesa.replace(QStringLiteral("/opt/quenvox"), CartellaProgramma);
        const QString chiave = Chiave(attesa);
        if (chiave == QLatin1String("Cartella Output")) attesa = attesa.left(18) + PercorsoOutput;
        if (chiaviLogo.contains(chiave)) attesa = attesa.left(18) + logo;
        if (chiave == QLatin1String("Codec")) attesa = attesa.left(18) + ScriviImpostazioniCodec(SceltaCodec());
        EXPECT_EQ(scritte[i].toStdString(), attesa.toStdString()) << "line " << i + 1;
    }
}

TEST(Frm2principale, ClosedAndOpenedAgainHoldsTheSameSettings) {
    BancoFinestra b;
    ImpostazioniProgetto& m = b.Imp();
    m.IntroLista = 4;
    m.Testo1 = QStringLiteral("Perché no");
    m.Testo = {QStringLiteral("riga uno"), QStringLiteral("riga due")};
    m.FontSize = 97;
    m.SfondoColori = {0x123456, 0x654321};
    m.UsaJpg = true;
    m.AlignT2DX = 1;
    m.AlignT2Centro = 0;
    m.FontElenco.ImpostaVoce(2);
    m.FontShadowOpacita = 50;
    m.Intro6LogoScala = 20;
    b.f->AggiornaViste();
    const ImpostazioniProgetto prima = m;
    ASSERT_TRUE(b.f->close());
    b.Apri(false);
    ImpostazioniProgetto dopo = b.Imp();
    // Not saved: back to their defaults at every start.
    EXPECT_EQ(dopo.FontShadowOpacita, 7);
    EXPECT_EQ(dopo.Intro6LogoScala, 150);
    dopo.FontShadowOpacita = prima.FontShadowOpacita;
    dopo.Intro6LogoScala = prima.Intro6LogoScala;
    // The font list is built anew: the saved font is selected, "Arial" is no longer added.
    EXPECT_EQ(dopo.FontElenco.Testo(), prima.FontElenco.Testo());
    dopo.FontElenco = prima.FontElenco;
    EXPECT_TRUE(dopo == prima);
}

TEST(Frm2principale, AFailedSaveIsShownAndTheUserChoosesToStayOrClose) {
    BancoFinestra b;
    // A folder where the project file should go: the file cannot be written.
    ASSERT_TRUE(QDir().mkpath(PercorsoFileProgetto()));
    b.porta.Risposte = {7};
    EXPECT_FALSE(b.f->close());
    EXPECT_TRUE(b.f->isVisible());
    ASSERT_EQ(b.porta.Messaggi.size(), 1);
    EXPECT_TRUE(b.porta.Messaggi[0].startsWith(QStringLiteral("3: "))) << b.porta.Messaggi[0].toStdString();
    b.porta.Risposte = {6};
    EXPECT_TRUE(b.f->close());
    EXPECT_EQ(b.porta.Messaggi.size(), 2);
}

// Garbage in the middle of the project: the start says so once and where the copy is, and
// the save at close leaves that copy alone.
TEST(Frm2principale, ADamagedProjectIsToldOnceAtStartWithWhereItsCopyIs) {
    BancoFinestra b;
    ASSERT_TRUE(b.f->close());
    QFile file(PercorsoFileProgetto());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray contenuto = file.readAll();
    file.close();
    const qsizetype meta = contenuto.indexOf("Font Size");
    ASSERT_GT(meta, 0);
    contenuto.replace(meta, 9, QByteArray("\x01\xfe\x7f garbage", 12));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contenuto);
    file.close();

    b.porta.Messaggi.clear();
    b.Apri(false);
    ASSERT_EQ(b.porta.Messaggi.size(), 1);
    EXPECT_TRUE(b.porta.Messaggi[0].startsWith(QStringLiteral("2: "))) << b.porta.Messaggi[0].toStdString();
    EXPECT_TRUE(b.porta.Messaggi[0].contains(PercorsoFileProgetto() + QStringLiteral(".bak")));
    ASSERT_TRUE(b.f->close());
    EXPECT_EQ(b.porta.Messaggi.size(), 1);
    QFile copia(PercorsoFileProgetto() + QStringLiteral(".bak"));
    ASSERT_TRUE(copia.open(QIODevice::ReadOnly));
    EXPECT_EQ(copia.readAll(), contenuto);
}

// A project file that is there but cannot be read (a link to /proc/self/mem reads with EIO,
// for root too) is told at start with the reason, and the close replaces it only on a Yes.
TEST(Frm2principale, AnUnreadableProjectIsToldAndReplacedOnlyOnTheUsersWord) {
    BancoFinestra b;
    ASSERT_TRUE(b.f->close());
    const QString percorso = PercorsoFileProgetto();
    const auto ScriviOriginale = [&] {
        QFile::remove(percorso);
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the user's project");
    };
    const auto Contenuto = [&] {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QFile::remove(percorso);
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), percorso));

    b.porta.Messaggi.clear();
    b.Apri(false);
    ASSERT_EQ(b.porta.Messaggi.size(), 1);
    EXPECT_TRUE(b.porta.Messaggi[0].startsWith(QStringLiteral("2: "))) << b.porta.Messaggi[0].toStdString();
    EXPECT_TRUE(b.porta.Messaggi[0].contains(percorso));
    EXPECT_FALSE(QFileInfo::exists(percorso + QStringLiteral(".bak")));

    // The disk comes back: the file now holds what the user had. No keeps it and closes.
    ScriviOriginale();
    b.porta.Risposte = {7};
    EXPECT_TRUE(b.f->close());
    ASSERT_EQ(b.porta.Messaggi.size(), 2);
    EXPECT_TRUE(b.porta.Messaggi[1].startsWith(QStringLiteral("3: "))) << b.porta.Messaggi[1].toStdString();
    EXPECT_EQ(Contenuto(), "the user's project");

    // The question closed without an answer leaves the window open and the file alone; Yes saves.
    QFile::remove(percorso);
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), percorso));
    b.Apri(false);
    ScriviOriginale();
    b.porta.Risposte = {0};
    EXPECT_FALSE(b.f->close());
    EXPECT_EQ(Contenuto(), "the user's project");
    b.porta.Risposte = {6};
    EXPECT_TRUE(b.f->close());
    EXPECT_TRUE(Contenuto().startsWith("Titolo"));
}

// An empty project file is no project: the defaults, no notice, no copy.
TEST(Frm2principale, AnEmptyProjectFileOpensOnTheDefaultsWithoutANotice) {
    BancoFinestra b;
    ASSERT_TRUE(b.f->close());
    QFile f(PercorsoFileProgetto());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    b.porta.Messaggi.clear();
    b.Apri(false);
    EXPECT_TRUE(b.porta.Messaggi.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(PercorsoFileProgetto() + QStringLiteral(".bak")));
    EXPECT_EQ(b.Imp().FontSize, ImpostazioniProgetto().FontSize);
}

// Every control lies inside its page, and every caption fits its control in every language
// (the French entries are runs of "#", the widest texts of all).
TEST(Frm2principale, EveryControlAndCaptionFitsInEveryLanguage) {
    BancoFinestra b;
    auto* pagine = b.W<QStackedWidget>("Pagine");
    const QRect pagina(QPoint(0, 0), pagine->size());
    ASSERT_EQ(pagina.size(), QSize(1201, 207));
    for (QWidget* p : pagine->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        for (QWidget* c : p->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(pagina.contains(c->geometry())) << c->objectName().toStdString();

    for (int lingua : {LinguaItaliano, LinguaInglese, LinguaFrancese}) {
        ImpostazioniGlobali.LinguaCorrente = lingua;
        b.f->ApplicaLinguaFinestra();
        auto spazio = [](QWidget* w, const QString& testo, int margini) {
            return LarghezzaTesto(w->font(), testo) + margini <= w->width();
        };
        // Paths give way in the middle; the whole path is the tooltip.
        const QString lungo = "/home/utente/una cartella dal nome molto lungo/e ancora un'altra/"
                              "Drovaskent/Quenvox/Intro/04 Logo Quenvox.png";
        b.Imp().Logo = b.Imp().SfondoBitmap = b.Imp().CartellaOutput = b.Imp().Intro2SfondoFile = lungo;
        b.f->AggiornaViste();
        const QStringList percorsi{"CartellaOutput", "SfondoBitmap", "Logo", "Intro2SfondoFile"};
        for (const QString& nome : percorsi) {
            auto* l = b.W<ORV_2016_Label>(qPrintable(nome));
            EXPECT_TRUE(l->TestoMostrato().endsWith("Quenvox.png")) << l->TestoMostrato().toStdString();
            EXPECT_EQ(l->toolTip(), lungo) << nome.toStdString();
        }
        for (auto* l : b.f->findChildren<ORV_2016_Label*>())
            EXPECT_TRUE(spazio(l, l->TestoMostrato(), 12)) << lingua << " " << l->objectName().toStdString();
        for (auto* c : b.f->findChildren<ORV_2016_Check*>()) {
            if (c->Caption().isEmpty()) continue;  // the led of a group whose caption is a label
            EXPECT_TRUE(spazio(c, c->Caption(), 33 + 6)) << lingua << " " << c->objectName().toStdString();
        }
        for (auto* c : b.f->findChildren<ORV_2016_Button*>())
            EXPECT_TRUE(spazio(c, c->Caption(), 16)) << lingua << " " << c->objectName().toStdString();
        for (auto* c : b.f->findChildren<ORV_2016_Lista*>())
            for (const QString& voce : c->ORV_Elenco())
                EXPECT_TRUE(spazio(c, voce, 2 * 24)) << lingua << " " << c->objectName().toStdString();
        auto* header = b.W<ORVHeader>("PagineHeader");
        EXPECT_LT(header->Riga().xFinale, header->width()) << lingua;
    }
}

// What does not stop the render (an unreadable picture) comes as a notice, once; what stops it
// (such as a frame that cannot be written) comes as an error.
TEST(Frm2principale, UnreadablePicturesComeAsNoticesAndErrorsAsErrors) {
    BancoFinestra b(true);
    const QString rotto = b.casa.Sotto(QStringLiteral("rotto.png"));
    QFile f(rotto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\nnot a picture");
    f.close();
    b.porta.Messaggi.clear();
    b.Imp().SfondoCheckSfondoBitmap = true;
    b.Imp().SfondoBitmap = rotto;
    b.f->AggiornaViste();
    for (int n = 0; n < 2; ++n) {
        b.f->RichiediRendering();
        Attendi();
    }
    ASSERT_EQ(b.porta.Messaggi.size(), 1) << b.porta.Messaggi.join('\n').toStdString();
    EXPECT_TRUE(b.porta.Messaggi[0].startsWith(QStringLiteral("2: "))) << b.porta.Messaggi[0].toStdString();
    EXPECT_TRUE(b.porta.Messaggi[0].contains(rotto));

    HostRendering& host = *b.f;
    host.SegnalaErrore(QStringLiteral("x"));
    EXPECT_EQ(b.porta.Messaggi.value(1), QStringLiteral("1: x"));
}

// A dialog takes Esc as "reject"; for the main window that would end the program.
TEST(Frm2principale, EscapeLeavesTheWindowOpen) {
    BancoFinestra b;
    QWidget* bersagli[] = {b.f.get(), b.W<TFlatEdit>("Testo1")};
    for (QWidget* w : bersagli) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        Attendi();
        EXPECT_TRUE(b.f->isVisible()) << w->objectName().toStdString();
        EXPECT_EQ(b.f->result(), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(PercorsoFileProgetto()));
}

// The twin messages that the window keeps equal, all cut alike, and a second text cut too: one
// notice for each text cut, never an empty box, and the user's "%1" shown as it was written.
TEST(Frm2principale, EachCutTextIsToldOnceAsTheUserWroteIt) {
    BancoFinestra b;
    const int limite = b.W<TFlatEdit>("Testo1")->maxLength();
    const QString gemello = QStringLiteral("%1 sconto %2") + QString(limite, QLatin1Char('g'));
    b.Imp().Testo1 = b.Imp().Intro6Messaggio = b.Imp().Intro7Messaggio = gemello;
    b.Imp().Testo2 = QString(limite + 3, QLatin1Char('a'));
    b.porta.Messaggi.clear();
    b.f->AggiornaViste();
    Attendi();
    auto nota = [limite](const QString& inizio, qsizetype lunghezza) {
        return QStringLiteral("2: ") + TestoMessaggio(VoceMessaggio::TestoTagliato)
                                           .arg(inizio + QStringLiteral("…"), QString::number(lunghezza),
                                                QString::number(limite));
    };
    const QStringList attese = {nota(gemello.left(30), gemello.size()), nota(QString(30, QLatin1Char('a')), limite + 3)};
    QStringList viste = b.porta.Messaggi;
    viste.sort();
    QStringList ordinate = attese;
    ordinate.sort();
    EXPECT_EQ(viste, ordinate);
    EXPECT_EQ(b.porta.Messaggi.filter(QStringLiteral("\"%1 sconto %2")).size(), 1) << b.porta.Messaggi.join("|").toStdString();
}

// A project whose texts are longer than their boxes hold: the boxes keep what they can, and
// one notice at start names each text cut, its length and what its box holds.
TEST(Frm2principale, TextsCutByTheirBoxesAreToldOnceAtStart) {
    BancoFinestra b;
    const int limite = b.W<TFlatEdit>("Testo1")->maxLength();
    b.Imp().Testo2 = QString(limite + 5, QLatin1Char('a'));
    b.Imp().Intro7Messaggio = QStringLiteral("Intro sette ") + QString(limite, QLatin1Char('b'));
    b.f->AggiornaViste();
    Attendi();
    b.porta.Messaggi.clear();
    ASSERT_TRUE(b.f->close());  // saves what the boxes hold: the texts as they stand, both cut
    b.porta.Messaggi.clear();
    // A project written with longer texts (by hand, or another program) is cut when read.
    QFile file(PercorsoFileProgetto());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray contenuto = file.readAll();
    file.close();
    const QByteArray testo2 = "Testo2          : ";
    const qsizetype i = contenuto.indexOf(testo2);
    ASSERT_GE(i, 0);
    contenuto.insert(i + testo2.size(), QByteArray(10, 'c'));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contenuto);
    file.close();

    b.Apri(false);
    Attendi();
    const QString atteso = TestoMessaggio(VoceMessaggio::TestoTagliato)
                               .arg(QString(10, QLatin1Char('c')) + QString(20, QLatin1Char('a')) + QStringLiteral("…"))
                               .arg(limite + 10)
                               .arg(limite);
    EXPECT_EQ(b.porta.Messaggi, QStringList{QStringLiteral("2: ") + atteso});
    EXPECT_EQ(b.Imp().Testo2.size(), limite);
    // Nothing further is told while nothing more is cut.
    b.porta.Messaggi.clear();
    b.f->AggiornaViste();
    Attendi();
    EXPECT_TRUE(b.porta.Messaggi.isEmpty()) << b.porta.Messaggi.join("\n").toStdString();
}

// The notice of a session saved apart is marked told only once it was shown: while it waits
// behind another box the copy is still to tell, and a session that ends then leaves it to the
// next start.
TEST(TForm2Principale, UnaSessioneAParteEDettaSoloUnaVoltaMostrata) {
    BancoFinestra b;
    b.porta.Risposte.push_back(6);
    b.f->close();
    const EsitoSalvataggioSessione salvata = SalvaProgettoFineSessione(b.Imp(), true);
    ASSERT_TRUE(salvata.DaParte) << salvata.Errori.join(' ').toStdString();
    ASSERT_EQ(SessioniSalvateDaParte(), QStringList{salvata.Percorso});
    b.porta.Messaggi.clear();
    b.porta.AvvisiInAttesa = true;
    b.Apri(false);
    ASSERT_EQ(b.porta.Visti.size(), 1u);
    EXPECT_TRUE(b.porta.Messaggi.join('\n').contains(salvata.Percorso));
    EXPECT_EQ(SessioniSalvateDaParte(), QStringList{salvata.Percorso});
    b.porta.Visti.front()();
    EXPECT_TRUE(SessioniSalvateDaParte().isEmpty());
}

// A picture list that is no list is told at start in the language of the project just read,
// not in the one the program starts in.
TEST(TForm2Principale, LElencoImmaginiNonLettoEDettoNellaLinguaDelProgetto) {
    BancoFinestra b;
    ASSERT_EQ(ImpostazioniGlobali.LinguaCorrente, LinguaItaliano);  // a new project's language
    b.porta.Risposte.push_back(6);
    b.f->close();
    const QString elenco = CartellaLavoro + QStringLiteral("/ElencoImmagini.txt");
    QFile::remove(elenco);
    ASSERT_TRUE(QDir().mkpath(elenco));
    b.porta.Messaggi.clear();
    ImpostazioniGlobali.LinguaCorrente = LinguaInglese;  // as the program starts
    b.Apri(false);
    EXPECT_EQ(b.porta.Messaggi,
              QStringList{"2: " + TestoMessaggio(VoceMessaggio::ElencoImmaginiNonFile, LinguaItaliano).arg(elenco)});
}
