#include "dialogs/Forvdlgsceltacodec.h"

#include "common/CasaTemporanea.h"
#include "common/MouseSintetico.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orvform.h"
#include "controls/Orvheader.h"
#include "controls/Orvvideostato.h"
#include "controls/TFlatMemo.h"
#include "dialogs/RisultatoDialogo.h"
#include "project/FileProgetto.h"
#include "project/ImpostazioniProgetto.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QTimer>

#include <functional>

namespace {

const QString Predefinita =
    "Codec :01-ProRes:04-11-MP4   :01-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:01-";

template <class T>
T* Controllo(const TORVDLGSceltaCodec& f, const char* nome) {
    T* c = f.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

void Clicca(QWidget* w, int x = 10, int y = 10) {
    MouseSintetico mouse(w);
    mouse.Entra(x, y);
    mouse.Click(x, y);
    mouse.Esci();
}

// The right arrow of a spinner or a list.
void Piu(QWidget* w) {
    Clicca(w, w->width() - 5, w->height() / 2);
}

void ClickScheda(ORVHeader* h, int scheda) {
    const SchedaDisposta& s = h->Riga().schede[scheda - 1];
    Clicca(h, s.xTesto + s.larghezzaTesto / 2, 20);
}

TColor ColoreMemo(const TFlatMemo* m) {
    return m->property("ColoreTesto").toUInt();
}

}  // namespace

TEST(TORVDLGSceltaCodec, ControlsAfterConstructionGiveTheDefaultString) {
    TORVDLGSceltaCodec f;
    EXPECT_EQ(f.ScriviImpostazioniCodec(), Predefinita);
    EXPECT_EQ(f.Scelta(), SceltaCodec());
    EXPECT_EQ(f.PaginaMostrata(), 1);
    // A new project holds no string: reading it leaves the defaults and writes them.
    ImpostazioniProgetto modello;
    f.ImpostaModello(&modello);
    f.LeggiImpostazioniCodec(modello.ImpostazioniCodec);
    EXPECT_EQ(modello.ImpostazioniCodec, Predefinita);
}

TEST(TORVDLGSceltaCodec, ReadThenWriteGivesTheSameStringOnEveryPage) {
    const QString casi[] = {
        "Codec :01-ProRes:02-05-MP4   :03-07-HuffYU:01-H264  :01-00-X264  :10-51-01-01-08-X265  :02-12-01-PRESET:03-",
        "Codec :02-ProRes:01-32-MP4   :04-31-HuffYU:00-H264  :03-18-X264  :06-23-00-01-01-X265  :06-28-00-PRESET:02-",
        "Codec :03-ProRes:03-00-MP4   :02-01-HuffYU:01-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:01-",
        "Codec :04-ProRes:04-11-MP4   :01-15-HuffYU:00-H264  :09-40-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:01-",
        "Codec :05-ProRes:04-11-MP4   :01-15-HuffYU:00-H264  :06-23-X264  :02-17-01-01-03-X265  :06-28-00-PRESET:01-",
        "Codec :06-ProRes:04-11-MP4   :01-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :08-35-01-PRESET:02-",
        "Codec :07-ProRes:04-11-MP4   :01-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:03-",
    };
    TORVDLGSceltaCodec f;
    ImpostazioniProgetto modello;
    f.ImpostaModello(&modello);
    for (const QString& testo : casi) {
        f.LeggiImpostazioniCodec(testo);
        const int pagina = testo.mid(7, 2).toInt();
        EXPECT_EQ(f.ScriviImpostazioniCodec(), testo);
        EXPECT_EQ(modello.ImpostazioniCodec, testo);
        EXPECT_EQ(f.Header()->ORV_PannelloAttivo(), pagina);
        EXPECT_EQ(f.PaginaMostrata(), pagina);
        EXPECT_EQ(f.ParametriCorrenti().TipoCodec, pagina - 1);
    }
}

TEST(TORVDLGSceltaCodec, ThePageShownIsAlwaysTheTabsPage) {
    TORVDLGSceltaCodec f;
    f.Inizializza(1, true, "QV", "Intro");
    EXPECT_EQ(f.PaginaMostrata(), 1);
    // A page out of range in the string: the header clamps, the page and the codec follow.
    struct Caso {
        const char* pagina;
        int mostrata;
    } casi[] = {{"00", 1}, {"09", 7}, {"04", 4}, {"  ", 1}};
    for (const Caso& c : casi) {
        QString testo = Predefinita;
        testo.replace(7, 2, QString::fromLatin1(c.pagina));
        f.LeggiImpostazioniCodec(testo);
        EXPECT_EQ(f.PaginaMostrata(), c.mostrata) << c.pagina;
        EXPECT_EQ(f.ParametriCorrenti().TipoCodec, c.mostrata - 1) << c.pagina;
    }
    // A click on a tab.
    ClickScheda(f.Header(), 5);
    EXPECT_EQ(f.Header()->ORV_PannelloAttivo(), 5);
    EXPECT_EQ(f.PaginaMostrata(), 5);
    EXPECT_EQ(f.ParametriCorrenti().TipoCodec, 4);
    // The tab set by code without its page: showing the window brings them together.
    f.Header()->SetORV_PannelloAttivo(3);
    QTimer::singleShot(0, &f, [&f] {
        EXPECT_EQ(f.PaginaMostrata(), 3);
        EXPECT_EQ(f.ParametriCorrenti().TipoCodec, 2);
        f.done(0);
    });
    EXPECT_EQ(f.Esegui(), RisultatoOk);
}

TEST(TORVDLGSceltaCodec, NumbersReadAreClampedSoWhatIsShownIsWhatIsEncoded) {
    TORVDLGSceltaCodec f;
    f.LeggiImpostazioniCodec(
        "Codec :01-ProRes:04-40-MP4   :01-00-HuffYU:00-H264  :06-60-X264  :06-99-00-00-06-X265  :06-52-00-PRESET:01-");
    EXPECT_EQ(Controllo<ORV_2016_SpinNumber>(f, "ProresQualita")->ORV_Valore(), 32);
    EXPECT_EQ(Controllo<ORV_2016_SpinNumber>(f, "MP4Qualita")->ORV_Valore(), 1);
    EXPECT_EQ(Controllo<ORV_2016_SpinNumber>(f, "H264Qualita")->ORV_Valore(), 51);
    EXPECT_EQ(Controllo<ORV_2016_SpinNumber>(f, "X264Qualita")->ORV_Valore(), 51);
    EXPECT_EQ(Controllo<ORV_2016_SpinNumber>(f, "X265Qualita")->ORV_Valore(), 51);
    EXPECT_EQ(f.ScriviImpostazioniCodec(),
              "Codec :01-ProRes:04-32-MP4   :01-01-HuffYU:00-H264  :06-51-X264  :06-51-00-00-06-X265  :06-51-00-PRESET:01-");
    EXPECT_EQ(f.ParametriCorrenti().QualitaCodec, 32);
    EXPECT_TRUE(f.RigaComandoMostrata().contains("-qscale:v 32 "));
}

// A radio group value that is no member (or a string cut short) cannot empty the group.
TEST(TORVDLGSceltaCodec, RadioGroupsAreNeverEmpty) {
    TORVDLGSceltaCodec f;
    f.LeggiImpostazioniCodec(
        "Codec :02-ProRes:02-11-MP4   :03-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:02-");
    f.LeggiImpostazioniCodec(
        "Codec :02-ProRes:00-11-MP4   :07-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:");
    const SceltaCodec s = f.Scelta();
    EXPECT_EQ(s.ProresVariante, 2);
    EXPECT_EQ(s.Mp4Variante, 3);
    EXPECT_EQ(s.PresetWeb, 2);
    EXPECT_EQ(f.ScriviImpostazioniCodec().size(), 107);
    // A click on the member that is on leaves it on; a click on another moves the choice.
    auto* lt = Controllo<ORV_2016_Check>(f, "ProresCB2");
    auto* hq = Controllo<ORV_2016_Check>(f, "ProresCB4");
    Clicca(lt);
    EXPECT_TRUE(lt->Checked());
    EXPECT_EQ(f.Scelta().ProresVariante, 2);
    Clicca(hq);
    EXPECT_FALSE(lt->Checked());
    EXPECT_EQ(f.Scelta().ProresVariante, 4);
    auto* vimeo = Controllo<ORVVideoStato>(f, "Vimeo");
    Clicca(vimeo);
    Clicca(vimeo);
    EXPECT_EQ(f.Scelta().PresetWeb, 2);
    Clicca(Controllo<ORVVideoStato>(f, "Facebook"));
    EXPECT_EQ(f.Scelta().PresetWeb, 3);
    EXPECT_FALSE(vimeo->Checked());
}

// Every gesture on every page rebuilds the command line and writes the string at once.
TEST(TORVDLGSceltaCodec, EveryChangeRebuildsTheCommandLineAndTheProjectString) {
    TORVDLGSceltaCodec f;
    ImpostazioniProgetto modello;
    f.ImpostaModello(&modello);
    struct Caso {
        int pagina;
        const char* nome;
        std::function<void(QWidget*)> gesto;
        const char* nellaRiga;  // a piece the new line holds
    } casi[] = {
        {1, "ProresCB1", [](QWidget* w) { Clicca(w); }, "-profile:v 0 "},
        {1, "ProresQualita", Piu, "-qscale:v 12 "},
        {2, "MP4CB3", [](QWidget* w) { Clicca(w); }, "-vtag XVID "},
        {2, "MP4Qualita", Piu, "-qscale:v 16"},
        {3, "HuffYUVVariante", [](QWidget* w) { Clicca(w); }, "ffvhuff"},
        {4, "H264Preset", Piu, "-preset slow "},
        {4, "H264Qualita", Piu, "-crf 24"},
        {5, "X264Preset", Piu, "-preset slow "},
        {5, "X264Qualita", Piu, "-crf 24 "},
        {5, "X264Tune", [](QWidget* w) { Clicca(w); }, "-tune ssim "},
        {5, "X264TuneValue", Piu, "-tune fastdecode "},
        {5, "X264Lossless", [](QWidget* w) { Clicca(w); }, "-qp 0 "},
        {6, "X265Preset", Piu, "-preset:v slow "},
        {6, "X265Qualita", Piu, "crf=29 "},
        {6, "X265Lossless", [](QWidget* w) { Clicca(w); }, "lossless=1"},
        {7, "Facebook", [](QWidget* w) { Clicca(w); }, "-b:v 8064k"},
    };
    for (const Caso& c : casi) {
        if (f.PaginaMostrata() != c.pagina) ClickScheda(f.Header(), c.pagina);
        ASSERT_EQ(f.PaginaMostrata(), c.pagina);
        const QString riga = f.RigaComandoMostrata();
        const QString stringa = modello.ImpostazioniCodec;
        c.gesto(f.findChild<QWidget*>(QString::fromLatin1(c.nome)));
        EXPECT_NE(f.RigaComandoMostrata(), riga) << c.nome;
        EXPECT_TRUE(f.RigaComandoMostrata().contains(QString::fromLatin1(c.nellaRiga)))
            << c.nome << ": " << f.RigaComandoMostrata().toStdString();
        EXPECT_NE(modello.ImpostazioniCodec, stringa) << c.nome;
        EXPECT_EQ(modello.ImpostazioniCodec, f.ScriviImpostazioniCodec()) << c.nome;
    }
}

// Lossless overrides the preset and the quality only: those grey out, the tune stays live,
// and switching it off gives back the same controls their colours.
TEST(TORVDLGSceltaCodec, LosslessGreysOnlyWhatItOverrides) {
    TORVDLGSceltaCodec f;
    ClickScheda(f.Header(), 5);
    const char* const grigi[] = {"X264LabelPreset", "X264Preset", "X264Memo2", "X264LabelQualita", "X264Qualita",
                                 "X264Memo3"};
    auto Colore = [&f](const char* nome) -> TColor {
        QWidget* w = f.findChild<QWidget*>(QString::fromLatin1(nome));
        if (auto* l = qobject_cast<ORV_2016_Label*>(w)) return l->ColoreFont();
        if (auto* l = qobject_cast<ORV_2016_Lista*>(w)) return l->ColoreFont();
        if (auto* n = qobject_cast<ORV_2016_SpinNumber*>(w)) return n->ColoreFont();
        if (auto* c = qobject_cast<ORV_2016_Check*>(w)) return c->ColoreFont();
        if (auto* m = qobject_cast<TFlatMemo*>(w)) return ColoreMemo(m);
        ADD_FAILURE() << nome;
        return 0;
    };
    const char* const vivi[] = {"X264Tune", "X264TuneValue", "X264Memo5", "X264Lossless"};
    std::map<std::string, TColor> prima;
    for (const char* n : grigi) prima[n] = Colore(n);
    for (const char* n : vivi) prima[n] = Colore(n);
    EXPECT_EQ(prima["X264LabelPreset"], 0x0080FFu);
    EXPECT_EQ(prima["X264Preset"], 0xC0C0C0u);

    Clicca(Controllo<ORV_2016_Check>(f, "X264Tune"));
    Clicca(Controllo<ORV_2016_Check>(f, "X264Lossless"));
    for (const char* n : grigi) EXPECT_EQ(Colore(n), 0x404040u) << n;
    for (const char* n : vivi) EXPECT_EQ(Colore(n), prima[n]) << n;
    EXPECT_TRUE(f.RigaComandoMostrata().contains("-preset veryslow -qp 0 -tune ssim "));
    // The line shown is the line run: lossless keeps the frames' colour, lossy asks for 4:2:0.
    EXPECT_FALSE(f.RigaComandoMostrata().contains("-pix_fmt"));

    Clicca(Controllo<ORV_2016_Check>(f, "X264Lossless"));
    EXPECT_TRUE(f.RigaComandoMostrata().contains(" -tune ssim -pix_fmt yuv420p "));
    for (const char* n : grigi) EXPECT_EQ(Colore(n), prima[n]) << n;
    for (const char* n : vivi) EXPECT_EQ(Colore(n), prima[n]) << n;

    // x265 the same way.
    ClickScheda(f.Header(), 6);
    Clicca(Controllo<ORV_2016_Check>(f, "X265Lossless"));
    for (const char* n : {"X265LabelPreset", "X265LabelQualita"})
        EXPECT_EQ(Controllo<ORV_2016_Label>(f, n)->ColoreFont(), 0x404040u) << n;
    EXPECT_EQ(ColoreMemo(Controllo<TFlatMemo>(f, "X265Memo3")), 0x404040u);
    Clicca(Controllo<ORV_2016_Check>(f, "X265Lossless"));
    EXPECT_EQ(Controllo<ORV_2016_Label>(f, "X265LabelQualita")->ColoreFont(), 0x0080FFu);
    EXPECT_EQ(Controllo<ORV_2016_SpinNumber>(f, "X265Qualita")->ColoreFont(), 0xC0C0C0u);
}

TEST(TORVDLGSceltaCodec, OpensInTheLanguageItIsGivenWithNothingClipped) {
    struct Caso {
        int lingua;
        const char* titolo;
        const char* esci;
        const char* qualitaProres;
    } casi[] = {
        {0, "Scelta Codec", "Esci", "Qualità:"},   {1, "Choice Codec", "Exit", "Quality:"},
        {2, "Elección Codec", "Salida", "Calidad:"}, {3, "Choice Codec", "Beenden", "Quality:"},
        {4, "Choice Codec", "Sortie", "Quality:"},
    };
    TORVDLGSceltaCodec f;
    for (const Caso& c : casi) {
        f.Inizializza(c.lingua, true, "QV", "Intro");
        EXPECT_EQ(f.Cornice()->Caption(), QString::fromUtf8(c.titolo));
        EXPECT_EQ(Controllo<ORV_2016_Button>(f, "Esci")->Caption(), QString::fromUtf8(c.esci));
        EXPECT_EQ(Controllo<ORV_2016_Label>(f, "ProresLabelQualita")->Caption(), QString::fromUtf8(c.qualitaProres));
        for (const ORV_2016_Label* l : f.findChildren<ORV_2016_Label*>())
            EXPECT_LE(LarghezzaTesto(l->font(), l->Caption()) + 12, l->width())
                << c.lingua << " \"" << l->Caption().toStdString() << "\"";
    }
    // Help texts fit their memos: nothing to scroll on any page once it shows.
    f.show();
    for (int pagina = 0; pagina < 7; ++pagina) {
        f.Header()->Pagine()->setCurrentIndex(pagina);
        QApplication::processEvents();
        for (const TFlatMemo* m : f.Header()->Pagine()->widget(pagina)->findChildren<TFlatMemo*>()) {
            EXPECT_GE(m->document()->size().height(), 1.0);
            EXPECT_EQ(m->verticalScrollBar()->maximum(), 0) << m->objectName().toStdString();
        }
    }
    f.hide();
}

// Every help text follows the window's language, none left in another: Italian in Italian,
// English in every other language, and each fits its memo in both.
TEST(TORVDLGSceltaCodec, EveryHelpTextIsInTheWindowsLanguage) {
    const AiutoCodec tutti[] = {
        AiutoCodec::ProresCodec,  AiutoCodec::ProresProfili, AiutoCodec::ProresQualita, AiutoCodec::Mp4Codec,
        AiutoCodec::Mp4Profili,   AiutoCodec::Mp4Qualita,    AiutoCodec::HuffYUVCodec,  AiutoCodec::HuffYUVVariante,
        AiutoCodec::H264Codec,    AiutoCodec::X264Codec,     AiutoCodec::X265Codec,     AiutoCodec::X265Qualita,
        AiutoCodec::X265Lossless, AiutoCodec::Preset,        AiutoCodec::Crf,           AiutoCodec::X264Lossless,
        AiutoCodec::X264Tune,     AiutoCodec::PresetYouTube, AiutoCodec::PresetVimeo,   AiutoCodec::PresetFacebook,
    };
    TORVDLGSceltaCodec f;
    f.show();
    for (const int lingua : {0, 1, 2, 3, 4, 0}) {
        f.Inizializza(lingua, true, "QV", "Intro");
        QSet<QString> attesi, mostrati;
        for (AiutoCodec a : tutti) attesi << TestoAiuto(a, lingua);
        for (int pagina = 0; pagina < 7; ++pagina) {
            f.Header()->Pagine()->setCurrentIndex(pagina);
            QApplication::processEvents();
            for (const TFlatMemo* m : f.Header()->Pagine()->widget(pagina)->findChildren<TFlatMemo*>()) {
                mostrati << m->Text();
                EXPECT_EQ(m->verticalScrollBar()->maximum(), 0) << lingua << m->objectName().toStdString();
            }
        }
        EXPECT_EQ(mostrati, attesi) << lingua;
    }
    f.hide();
}

// The choice made in one session is the choice of the next: through the model into the
// project file, and back from the file into a new window.
TEST(TORVDLGSceltaCodec, TheChoiceTravelsWithTheProjectFile) {
    CasaTemporanea casa;
    const QString file = casa.Sotto("ProgettoQuenvox.txt");
    SceltaCodec scelta;
    {
        ImpostazioniProgetto modello;
        TORVDLGSceltaCodec f;
        f.ImpostaModello(&modello);
        f.LeggiImpostazioniCodec(modello.ImpostazioniCodec);
        ClickScheda(f.Header(), 6);
        Piu(Controllo<ORV_2016_SpinNumber>(f, "X265Qualita"));
        Clicca(Controllo<ORV_2016_Check>(f, "X265Lossless"));
        scelta = f.Scelta();
        QString errore;
        ASSERT_TRUE(SalvaProgetto(modello, &errore, file)) << errore.toStdString();
    }
    ImpostazioniProgetto letto;
    ASSERT_TRUE(CaricaProgetto(letto, file).FileAperto);
    TORVDLGSceltaCodec f;
    f.LeggiImpostazioniCodec(letto.ImpostazioniCodec);
    EXPECT_EQ(f.Scelta(), scelta);
    EXPECT_EQ(f.PaginaMostrata(), 6);
    EXPECT_EQ(f.ParametriCorrenti().QualitaCodec, 29);
    EXPECT_TRUE(f.ParametriCorrenti().LosslessCodec);
}

TEST(TORVDLGSceltaCodec, ExitAndEscBothReturnOne) {
    TORVDLGSceltaCodec f;
    QTimer::singleShot(0, &f, [&f] { Clicca(Controllo<ORV_2016_Button>(f, "Esci"), 20, 10); });
    EXPECT_EQ(f.Esegui(), RisultatoOk);
    QTimer::singleShot(0, &f, [&f] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&f, &esc);
    });
    EXPECT_EQ(f.Esegui(), RisultatoOk);
}
