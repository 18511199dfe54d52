#include "dialogs/Forvdlgcodificavideo.h"

#include "AiutoCodificaVideo.h"
#include "common/CasaTemporanea.h"
#include "common/BombeImmagini.h"
#include "controls/BarraProgressoBlocchi.h"
#include "controls/GeometriaForm.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orvform.h"
#include "controls/Orvlrbutton.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/RisultatoDialogo.h"
#include "encoding/AiutoCodifica.h"
#include "encoding/TestiCodifica.h"
#include "project/TestiMessaggi.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

struct MessaggioMostrato {
    int tipo;
    QString testo;
    bool operator==(const MessaggioMostrato&) const = default;
};

void PrintTo(const MessaggioMostrato& m, std::ostream* os) {
    *os << m.tipo << " \"" << m.testo.toStdString() << "\"";
}

void Premi(QWidget* w, int tasto) {
    QKeyEvent premuto(QEvent::KeyPress, tasto, Qt::NoModifier);
    QApplication::sendEvent(w, &premuto);
}

// The encoding window over the fake encoder; messages and openings are answered and recorded.
class FinestraCodifica : public ::testing::Test {
protected:
    void SetUp() override {
        cartella_ = casa_.Sotto("Video");
        ScriviFrame(cartella_, 6, true);
        f_.ImpostaEncoder(CopiaFintoEncoder(casa_.Sotto("finto_ffmpeg")));
        f_.ImpostaSonda(CopiaFintaSonda(casa_.Sotto("finto_ffprobe")));
        f_.ImpostaAttesaAvvio(10);
        f_.ImpostaParametri(cartella_, 25, true, 5, QStringLiteral("Frames/Image"));
        f_.ImpostaFonteCodec([this] {
            ++richiesteCodec_;
            return codec_;
        });
        f_.ImpostaMessaggio([this](int tipo, const QString& testo) {
            messaggi_.push_back({tipo, testo});
            return risposta_;
        });
        f_.ImpostaApertura([this](const QUrl& url) {
            aperti_ << url.toLocalFile();
            return apribile_;
        });
        f_.Inizializza(0, true, QStringLiteral("QV"), QStringLiteral("Intro"));
        QObject::connect(&f_.Lavoro(), &LavoroCodifica::terminata, [this] { ++runs_; });
    }

    static void Modo(const char* modo) { qputenv("FINTO_MODO", modo); }

    // Shows the window for one run; see EseguiFinestra.
    int Esegui(const std::function<void()>& passo = {}, bool chiudi = true) {
        const EsitoFinestra esito = EseguiFinestra(f_, [this] { return f_.Esegui(); }, passo, chiudi);
        chiudiVisto_ = esito.ChiudiVisto;
        interrompiVisto_ = esito.InterrompiVisto;
        return esito.Risultato;
    }

    CasaTemporanea casa_;
    QString cartella_;
    TORVDLGCodificaVideo f_;
    ParametriCodec codec_{4, false, 0, 23, QStringLiteral("medium"), false, false, QString()};
    int richiesteCodec_ = 0;
    std::vector<MessaggioMostrato> messaggi_;
    int risposta_ = RisultatoNo;
    QStringList aperti_;
    bool apribile_ = true;
    int runs_ = 0;
    bool chiudiVisto_ = false;
    bool interrompiVisto_ = true;
};

QString Testo(TestiCodifica::VoceFinestra voce, int lingua = 0) {
    return TestiCodifica::TestoFinestra(voce, lingua);
}

}  // namespace

TEST_F(FinestraCodifica, VideoMadeFillsTheBarShowsThePreviewAndOpensTheFolderOnce) {
    Modo("ok");
    EXPECT_EQ(Esegui(), RisultatoOk);
    EXPECT_TRUE(f_.CodificaRiuscita());
    EXPECT_EQ(runs_, 1);
    const QStringList figure = {f_.Figura(0), f_.Figura(1), f_.Figura(2), f_.Figura(3)};
    EXPECT_EQ(figure, QStringList({"5", "25", "5kB", "1234.5kbits/s"}));
    EXPECT_EQ(f_.Barra()->Max(), 5);
    EXPECT_EQ(f_.Barra()->Percentuale(), 100);
    // The preview is the last frame, decoded at the size shown.
    EXPECT_EQ(f_.Anteprima()->Percorso(), cartella_ + "/Frames/Image_0005.jpg");
    EXPECT_FALSE(f_.Anteprima()->Immagine().isNull());
    EXPECT_LE(f_.Anteprima()->Immagine().width(), f_.Anteprima()->AreaImmagine().width());
    // The news names the video, so the user learns where it is whatever the opener does.
    const QString video = f_.Lavoro().Risultato().PercorsoVideo;
    EXPECT_TRUE(video.startsWith(cartella_ + "/Video_")) << video.toStdString();
    EXPECT_EQ(messaggi_, (std::vector<MessaggioMostrato>{
                             {MessaggioAvviso, Testo(TestiCodifica::VoceFinestra::VideoCreato) + "\n" +
                                                   Testo(TestiCodifica::VoceFinestra::FileVideo).arg(video)}}));
    EXPECT_EQ(aperti_, QStringList{cartella_});
    EXPECT_TRUE(chiudiVisto_);
    EXPECT_FALSE(interrompiVisto_);
    EXPECT_TRUE(QFileInfo(f_.Lavoro().Risultato().PercorsoVideo).size() > 0);
}

TEST_F(FinestraCodifica, FailureAfterItsLastFrameAsksAndYesOpensExactlyTheLog) {
    struct Caso {
        int risposta;
        bool apreLog;
    } casi[] = {{RisultatoSi, true}, {RisultatoNo, false}, {RisultatoNessuno, false}};
    for (const Caso& c : casi) {
        Modo("errore_dopo");
        f_.ImpostaParametri(cartella_, 25, true, 6, QStringLiteral("Frames/Image"));
        messaggi_.clear();
        aperti_.clear();
        risposta_ = c.risposta;
        EXPECT_EQ(Esegui(), RisultatoNo) << c.risposta;
        // The encoder's own last error line stands above the question.
        EXPECT_EQ(messaggi_, (std::vector<MessaggioMostrato>{
                                 {MessaggioDomanda, "Error writing trailer: No space left on device\n" +
                                                        Testo(TestiCodifica::VoceFinestra::ProceduraInterrotta)}}));
        const QString log = f_.Lavoro().Risultato().PercorsoLog;
        EXPECT_EQ(log, cartella_ + "/Log.TXT");
        EXPECT_EQ(aperti_, c.apreLog ? QStringList{log} : QStringList()) << c.risposta;
        // Five frames of six: the bar says how far the encoder got, never full.
        EXPECT_EQ(f_.Figura(0), "5");
        EXPECT_EQ(f_.Barra()->Position(), 5);
        EXPECT_EQ(f_.Barra()->Percentuale(), 83);
        EXPECT_TRUE(chiudiVisto_);
    }
}

// Every failure says why in its first line, above the question; the bar never reads full.
TEST_F(FinestraCodifica, AFailureSaysWhyAboveTheQuestion) {
    const struct {
        const char* modo;
        QString motivo;  // empty: any line of its own
    } casi[] = {
        {"crash", Testo(TestiCodifica::VoceFinestra::EncoderCrash)},
        {"codice", Testo(TestiCodifica::VoceFinestra::EncoderCodice).arg(3)},
        {"bugiardo", QString()},
    };
    for (const auto& c : casi) {
        Modo(c.modo);
        f_.ImpostaParametri(cartella_, 25, true, 5, QStringLiteral("Frames/Image"));
        messaggi_.clear();
        risposta_ = RisultatoNo;
        EXPECT_EQ(Esegui(), RisultatoNo) << c.modo;
        ASSERT_EQ(messaggi_.size(), 1u) << c.modo;
        EXPECT_EQ(messaggi_[0].tipo, MessaggioDomanda) << c.modo;
        const QStringList righe = messaggi_[0].testo.split(QLatin1Char('\n'));
        ASSERT_EQ(righe.size(), 2) << messaggi_[0].testo.toStdString();
        if (c.motivo.isEmpty())
            EXPECT_FALSE(righe[0].trimmed().isEmpty()) << c.modo;
        else
            EXPECT_EQ(righe[0], c.motivo) << c.modo;
        EXPECT_EQ(righe[1], Testo(TestiCodifica::VoceFinestra::ProceduraInterrotta)) << c.modo;
        EXPECT_LT(f_.Barra()->Percentuale(), 100) << c.modo;
    }
}

TEST_F(FinestraCodifica, InterrompiEndsTheWholeGroupAndLeavesNoHalfVideo) {
    Modo("lento");
    f_.Lavoro().ImpostaAttesaArresto(300);
    qint64 gruppo = 0;
    bool cliccato = false;
    bool disabilitatoSubito = false, titoloArresto = false;
    const int risultato = Esegui([&] {
        if (cliccato || !f_.Lavoro().InCorso() || f_.Lavoro().Figure().NumeroFrame() < 2) return;
        gruppo = f_.Lavoro().GruppoProcessi();
        EXPECT_GE(ProcessiVivi(gruppo), 2);
        cliccato = true;
        CliccaControllo(f_.BottoneInterrompi());
        // Taken at once, while the encoder is still ending.
        EXPECT_TRUE(f_.Lavoro().InCorso());
        disabilitatoSubito = !f_.BottoneInterrompi()->isEnabled();
        titoloArresto = f_.TitoloFigure()->Caption() == Testo(TestiCodifica::VoceFinestra::Arresto);
    });
    ASSERT_TRUE(cliccato);
    EXPECT_TRUE(disabilitatoSubito);
    EXPECT_TRUE(titoloArresto);
    EXPECT_TRUE(f_.BottoneInterrompi()->isEnabled());  // ready for the next showing
    EXPECT_EQ(f_.TitoloFigure()->Caption(), Testo(TestiCodifica::VoceFinestra::Creazione));
    EXPECT_EQ(risultato, RisultatoNo);
    EXPECT_TRUE(f_.Lavoro().Risultato().Interrotta);
    EXPECT_EQ(AttendiGruppoVuoto(gruppo), 0);
    EXPECT_FALSE(QFileInfo::exists(f_.Lavoro().Risultato().PercorsoVideo));
    EXPECT_FALSE(QFileInfo::exists(cartella_ + "/codifica.sh"));
    ASSERT_EQ(messaggi_.size(), 1u);
    EXPECT_EQ(messaggi_[0].tipo, MessaggioDomanda);
    EXPECT_LT(f_.Barra()->Percentuale(), 100);
}

TEST_F(FinestraCodifica, InterrompiBeforeTheRunStartsRunsNothing) {
    Modo("ok");
    f_.ImpostaAttesaAvvio(60000);
    bool cliccato = false;
    EXPECT_EQ(Esegui([&] {
                  if (cliccato) return;
                  cliccato = true;
                  CliccaControllo(f_.BottoneInterrompi());
              }),
              RisultatoNo);
    EXPECT_EQ(runs_, 0);
    EXPECT_TRUE(messaggi_.empty());
    EXPECT_TRUE(chiudiVisto_);
    EXPECT_FALSE(QFileInfo::exists(cartella_ + "/Log.TXT"));
}

TEST_F(FinestraCodifica, RunThatCannotStartShowsTheErrorAndTheWindowGoesOn) {
    Modo("ok");
    QFile ostacolo(casa_.Sotto("file"));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly));
    ostacolo.close();
    f_.ImpostaParametri(casa_.Sotto("file/Video"), 25, true, 5, QStringLiteral("Frames/Image"));
    EXPECT_EQ(Esegui(), RisultatoNo);
    ASSERT_EQ(messaggi_.size(), 1u);
    EXPECT_EQ(messaggi_[0].tipo, MessaggioErrore);
    EXPECT_TRUE(messaggi_[0].testo.startsWith(casa_.Sotto("file/Video") + ": ")) << messaggi_[0].testo.toStdString();
    EXPECT_TRUE(aperti_.isEmpty());
    EXPECT_TRUE(chiudiVisto_);
    // And the next run works.
    messaggi_.clear();
    f_.ImpostaParametri(cartella_, 25, true, 5, QStringLiteral("Frames/Image"));
    EXPECT_EQ(Esegui(), RisultatoOk);
}

// No encoder: one error that says so, and no question about a log, as nothing was stopped.
TEST_F(FinestraCodifica, MissingEncoderIsAnErrorWithNoQuestionAboutTheLog) {
    Modo("ok");
    f_.ImpostaEncoder(casa_.Sotto("manca/ffmpeg"));
    risposta_ = RisultatoSi;
    EXPECT_EQ(Esegui(), RisultatoNo);
    ASSERT_EQ(messaggi_.size(), 1u);
    EXPECT_EQ(messaggi_[0].tipo, MessaggioErrore);
    EXPECT_EQ(messaggi_[0].testo, TestoMessaggio(VoceMessaggio::EncoderNonTrovato).arg("ffmpeg"));
    EXPECT_TRUE(aperti_.isEmpty());
}

// The frame's close button, as a user clicks it.
void CliccaChiudiCornice(ORVForm* cornice) {
    const PulsantiForm p = cornice->Pulsanti();
    const QPoint centro(PosizionaPulsanti(p, cornice->width()).xChiudi + p.larghezzaChiudi / 2,
                        p.top + p.altezzaBanda / 2);
    MouseSintetico mouse(cornice);
    mouse.Entra(centro.x(), centro.y());
    mouse.Click(centro.x(), centro.y());
}

// Every way of asking the window to close: during the run it does what "Interrompi" does (the
// stop, the same question at the end, the window still open), after the run what "Chiudi" does.
TEST_F(FinestraCodifica, ACloseRequestStopsTheRunThenClosesAsChiudi) {
    const struct {
        const char* nome;
        std::function<void(TORVDLGCodificaVideo&)> chiudi;
    } modi[] = {
        {"the frame's close button", [](TORVDLGCodificaVideo& f) { CliccaChiudiCornice(f.Cornice()); }},
        {"the window manager", [](TORVDLGCodificaVideo& f) { f.close(); }},
        {"Esc", [](TORVDLGCodificaVideo& f) { Premi(&f, Qt::Key_Escape); }},
    };
    for (const auto& modo : modi) {
        SCOPED_TRACE(modo.nome);
        messaggi_.clear();
        Modo("lento");
        f_.Lavoro().ImpostaAttesaArresto(300);
        bool chiesto = false, apertaDopo = false, arrestoSubito = false, chiusoDopo = false;
        const int risultato = Esegui(
            [&] {
                if (!chiesto && f_.Lavoro().InCorso() && f_.Lavoro().Figure().NumeroFrame() >= 1) {
                    chiesto = true;
                    modo.chiudi(f_);
                    apertaDopo = f_.isVisible();
                    arrestoSubito = !f_.BottoneInterrompi()->isEnabled() &&
                                    f_.TitoloFigure()->Caption() == Testo(TestiCodifica::VoceFinestra::Arresto);
                    modo.chiudi(f_);  // a second request while it stops changes nothing
                }
                if (chiesto && !f_.InEsecuzione() && !chiusoDopo) {
                    chiusoDopo = true;
                    EXPECT_FALSE(f_.BottoneChiudi()->isHidden());
                    modo.chiudi(f_);
                }
            },
            false);
        ASSERT_TRUE(chiesto);
        EXPECT_TRUE(apertaDopo);
        EXPECT_TRUE(arrestoSubito);
        EXPECT_TRUE(chiusoDopo);
        EXPECT_TRUE(f_.Lavoro().Risultato().Interrotta);
        ASSERT_EQ(messaggi_.size(), 1u);
        EXPECT_EQ(messaggi_[0].tipo, MessaggioDomanda);
        EXPECT_TRUE(messaggi_[0].testo.endsWith(Testo(TestiCodifica::VoceFinestra::ProceduraInterrotta)));
        EXPECT_EQ(risultato, RisultatoNo);
        EXPECT_FALSE(f_.isVisible());
    }
    // After a video was made, a close request returns what "Chiudi" returns.
    Modo("ok");
    bool chiuso = false;
    EXPECT_EQ(Esegui(
                  [&] {
                      if (!f_.InEsecuzione() && !chiuso) {
                          chiuso = true;
                          f_.close();
                      }
                  },
                  false),
              RisultatoOk);
    EXPECT_TRUE(chiuso);
}

TEST_F(FinestraCodifica, ASecondShowingStartsCleanWithExactlyOneRun) {
    Modo("ok");
    ASSERT_EQ(Esegui(), RisultatoOk);
    ASSERT_FALSE(f_.Anteprima()->Immagine().isNull());
    Modo("nessuno");  // fails before any status line
    // Long enough for the window to be seen before its run starts.
    f_.ImpostaAttesaAvvio(200);
    QStringList figureAllInizio;
    bool anteprimaVuota = false;
    int barraAllInizio = -1;
    EXPECT_EQ(Esegui([&] {
                  if (barraAllInizio >= 0) return;
                  figureAllInizio = {f_.Figura(0), f_.Figura(1), f_.Figura(2), f_.Figura(3)};
                  anteprimaVuota = f_.Anteprima()->Immagine().isNull();
                  barraAllInizio = f_.Barra()->Position();
              }),
              RisultatoNo);
    EXPECT_EQ(figureAllInizio, QStringList({"0", "0", "0", "0"}));
    EXPECT_TRUE(anteprimaVuota);
    EXPECT_EQ(barraAllInizio, 0);
    EXPECT_EQ(f_.Figura(0), "0");
    EXPECT_EQ(runs_, 2);
    EXPECT_FALSE(f_.CodificaRiuscita());
}

// Without a program to open the folder or the log, a sentence in the window's language says
// where it is (for a video, its news does); the path shows in every language, the French
// placeholders too.
TEST_F(FinestraCodifica, WhenNothingOpensTheFolderOrTheLogASentenceSaysWhereItIs) {
    apribile_ = false;
    risposta_ = RisultatoSi;
    const QString log = cartella_ + "/Log.TXT";
    const struct {
        const char* modo;
        int lingua;
        const char* atteso;
    } casi[] = {
        {"ok", 0, "Il video è stato creato correttamente.\nIl video è:\n%1"},
        {"ok", 1, "The video was successfully created.\nThe video is:\n%1"},
        {"ok", 4, "######################################\n###########\n%1"},
        {"errore_dopo", 0, "Il file di log è:\n%1"},
        {"errore_dopo", 1, "The log file is:\n%1"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(c.modo) + " " + std::to_string(c.lingua));
        Modo(c.modo);
        f_.Inizializza(c.lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
        messaggi_.clear();
        aperti_.clear();
        Esegui();
        const bool video = QByteArray(c.modo) == "ok";
        EXPECT_EQ(aperti_, QStringList{video ? cartella_ : log});
        ASSERT_FALSE(messaggi_.empty());
        // The video's own news names it already: no second notice after it.
        const QString percorso = video ? f_.Lavoro().Risultato().PercorsoVideo : log;
        if (video) {
            EXPECT_EQ(messaggi_.size(), 1u);
        }
        EXPECT_EQ(messaggi_.back(), (MessaggioMostrato{MessaggioAvviso, QString::fromUtf8(c.atteso).arg(percorso)}));
    }
}

// Without an answer set, the end goes through the program's message box, set up in the
// window's language and with its title words; the user answers it as any other.
TEST_F(FinestraCodifica, TheEndMessageIsTheProgramsMessageBox) {
    Modo("errore_dopo");
    f_.ImpostaMessaggio(nullptr);
    f_.Inizializza(1, true, QStringLiteral("QV"), QStringLiteral("Intro"));
    QString titolo, testo, parola1;
    bool siVisto = false;
    const int risultato = Esegui([&] {
        auto* box = qobject_cast<TORVDLGMessaggi*>(QApplication::activeModalWidget());
        if (!box || !titolo.isEmpty()) return;
        titolo = box->Cornice()->Caption();
        testo = box->Testo();
        parola1 = box->Cornice()->Lato1AlternativoCaption1();
        siVisto = box->BTN_1()->isVisible();
        CliccaControllo(box->BTN_1());
    });
    EXPECT_EQ(risultato, RisultatoNo);
    EXPECT_EQ(titolo, "Question");
    EXPECT_EQ(testo, "Error writing trailer: No space left on device\n" +
                         Testo(TestiCodifica::VoceFinestra::ProceduraInterrotta, 1));
    EXPECT_EQ(parola1, "QV");
    EXPECT_TRUE(siVisto);
    EXPECT_EQ(aperti_, QStringList{cartella_ + "/Log.TXT"});
}

// The summary shows the rows of the codec that is encoded, in the window's language, and
// hides the others; the codec is asked for when the window shows and again as the run starts.
TEST_F(FinestraCodifica, SummaryRowsFollowTheCodecOfTheRun) {
    Modo("nessuno");
    const ParametriCodec casi[] = {
        {0, false, 2, 11, "", false, false, ""},        {1, false, 3, 15, "", false, false, ""},
        {2, true, 0, 0, "", false, false, ""},          {3, false, 0, 23, "slow", false, false, ""},
        {4, false, 0, 20, "fast", true, true, "grain"}, {5, false, 0, 28, "medium", false, false, ""},
        {6, false, 2, 0, "", false, false, ""},
    };
    for (int lingua : {0, 1}) {
        f_.Inizializza(lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
        for (const ParametriCodec& c : casi) {
            codec_ = c;
            richiesteCodec_ = 0;
            Esegui();
            EXPECT_EQ(f_.RigheMostrate(), RigheRiepilogo(c, lingua)) << c.TipoCodec << " " << lingua;
            EXPECT_EQ(f_.Codec(), c);
            EXPECT_EQ(richiesteCodec_, 2);
        }
    }
    EXPECT_EQ(f_.RigheMostrate().size(), 1);
}

TEST_F(FinestraCodifica, TextsFollowTheLanguageAndNoCaptionIsClipped) {
    for (int lingua = 0; lingua < 5; ++lingua) {
        f_.Inizializza(lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
        EXPECT_EQ(f_.Cornice()->Caption(), Testo(TestiCodifica::VoceFinestra::Titolo, lingua));
        EXPECT_EQ(f_.BottoneInterrompi()->Caption(), Testo(TestiCodifica::VoceFinestra::Interrompi, lingua));
        EXPECT_EQ(f_.BottoneChiudi()->Caption(), Testo(TestiCodifica::VoceFinestra::Chiudi, lingua));
        for (const ORV_2016_Label* l : f_.findChildren<ORV_2016_Label*>()) {
            // A caption starts 6 pixels in from the label's edge and must end inside it.
            EXPECT_LE(LarghezzaTesto(l->font(), l->Caption()) + 12, l->width())
                << lingua << " \"" << l->Caption().toStdString() << "\"";
        }
    }
    EXPECT_EQ(f_.Cornice()->Caption(), "##################");
}

TEST(AnteprimaFrame, DecodesReducedAndKeepsThePictureWhenAFileCannotBeRead) {
    CasaTemporanea casa;
    QImage grande(1920, 1080, QImage::Format_RGB32);
    grande.fill(QColor(200, 30, 30));
    ASSERT_TRUE(ScriviJpeg(grande, casa.Sotto("f.jpg")));
    ASSERT_TRUE(grande.save(casa.Sotto("f.bmp"), "BMP"));
    QFile rotto(casa.Sotto("rotto.jpg"));
    ASSERT_TRUE(rotto.open(QIODevice::WriteOnly));
    rotto.write("not a picture");
    rotto.close();

    AnteprimaFrame a;
    for (const char* nome : {"f.jpg", "f.bmp"}) {
        ASSERT_TRUE(a.Carica(casa.Sotto(nome))) << nome;
        EXPECT_LE(a.Immagine().width(), a.AreaImmagine().width()) << nome;
        EXPECT_LE(a.Immagine().height(), a.AreaImmagine().height()) << nome;
        EXPECT_GE(a.Immagine().width(), a.AreaImmagine().width() - 1) << nome;
    }
    EXPECT_FALSE(a.Carica(casa.Sotto("rotto.jpg")));
    EXPECT_FALSE(a.Carica(casa.Sotto("manca.jpg")));
    EXPECT_EQ(a.Percorso(), casa.Sotto("f.bmp"));
    a.Svuota();
    EXPECT_TRUE(a.Immagine().isNull());
}

// A frame file swapped for a bomb leaves the preview as it was, at once.
TEST(AnteprimaFrame, BombsLeaveThePreviewAsItWas) {
    CasaTemporanea casa;
    QImage piccola(64, 36, QImage::Format_RGB32);
    piccola.fill(QColor(30, 200, 30));
    ASSERT_TRUE(ScriviJpeg(piccola, casa.Sotto("buono.jpg")));
    AnteprimaFrame a;
    ASSERT_TRUE(a.Carica(casa.Sotto("buono.jpg")));
    const QImage prima = a.Immagine();
    const std::pair<const char*, QByteArray> bombe[] = {
        {"enorme.jpg", bombe::JpegVuoto(65500, 65500, 3, false, 1)},
        {"scansioni.jpg", bombe::JpegVuoto(8000, 8000, 1, true, 10000)},
        {"enorme.bmp", bombe::BmpDichiarato(16000, 16000)},
    };
    for (const auto& [nome, dati] : bombe) {
        ASSERT_TRUE(bombe::Scrivi(casa.Sotto(nome), dati));
        EXPECT_FALSE(a.Carica(casa.Sotto(nome))) << nome;
        EXPECT_EQ(a.Immagine(), prima) << nome;
    }
}
