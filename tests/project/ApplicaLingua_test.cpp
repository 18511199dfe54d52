#include "project/ApplicaLingua.h"

#include "project/ImpostazioniGlobali.h"
#include "project/TabellaLingue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace {

using F = FinestraLingua;
using P = ProprietaLingua;

// The windows as a test sees them: the last text of every target, and every list as sent.
class Finestre : public DestinazioneLingua {
public:
    void ImpostaTesto(F f, P p, const QString& c, const QString& t) override { testi[{f, c, p}] = t; }
    void ImpostaVoci(F f, P p, const QString& c, const QStringList& v) override
    {
        EXPECT_TRUE(p == P::Voce || p == P::Scheda);
        liste[{f, c}] = v;
        ++invii[{f, c}];
    }
    QString Testo(F f, const QString& c, P p = P::Caption) const
    {
        const auto it = testi.find({f, c, p});
        return it == testi.end() ? QStringLiteral("<unset>") : it->second;
    }
    QStringList Lista(F f, const QString& c) const
    {
        const auto it = liste.find({f, c});
        return it == liste.end() ? QStringList{} : it->second;
    }

    std::map<std::tuple<F, QString, P>, QString> testi;
    std::map<std::pair<F, QString>, QStringList> liste;
    std::map<std::pair<F, QString>, int> invii;
};

class ApplicaLinguaTest : public ::testing::Test {
protected:
    void TearDown() override { ImpostazioniGlobali.LinguaCorrente = lingua_; }
    static void Applica(int lingua, ImpostazioniProgetto& m, Finestre* f = nullptr)
    {
        ImpostazioniGlobali.LinguaCorrente = lingua;
        RiempiTabellaLingue();
        ApplicaLingua(m, f);
    }

private:
    int lingua_ = ImpostazioniGlobali.LinguaCorrente;
};

}  // namespace

TEST_F(ApplicaLinguaTest, EveryEntryHasOneTargetOrNone)
{
    std::set<int> applicate;
    std::map<std::pair<F, std::string>, int> ultimoIndice;
    for (const BersaglioLingua& b : BersagliLingua()) {
        EXPECT_TRUE(applicate.insert(b.Voce).second) << b.Voce;
        EXPECT_EQ(b.Finestra == F::Configurazione, b.Voce >= 177) << b.Voce;
        if (b.Proprieta == P::Voce || b.Proprieta == P::Scheda) {
            // Items come in order 1, 2, ... so each list is rebuilt whole.
            int& indice = ultimoIndice[{b.Finestra, b.Controllo}];
            EXPECT_EQ(b.Indice, indice + 1) << b.Voce;
            indice = b.Indice;
        }
    }
    std::set<int> nonApplicate{15, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165,
                               169, 170, 171, 172, 173, 174, 175, 176};
    for (int n = 1; n <= NumeroVociLingua; ++n)
        EXPECT_NE(applicate.count(n), nonApplicate.count(n)) << n;
}

TEST_F(ApplicaLinguaTest, EnglishReachesBothWindowsAndTheModel)
{
    ImpostazioniProgetto m;
    Finestre f;
    Applica(LinguaInglese, m, &f);

    EXPECT_EQ(f.Testo(F::Principale, "", P::TitoloFinestra), "Form Main");
    EXPECT_EQ(f.Testo(F::Principale, "ORVForm1"), "Drovaskent");
    EXPECT_EQ(f.Testo(F::Configurazione, "ORVForm1"), "Configuration images used:");
    EXPECT_EQ(f.Testo(F::Principale, "IntroLabel"), "Intro to create:");
    EXPECT_EQ(f.Testo(F::Principale, "Intro2LogoScala", P::Prefisso), "Zoom:");
    EXPECT_EQ(f.Testo(F::Principale, "ProgettoDurata", P::Prefisso), "00:00:06 FR: 00 (150)");
    EXPECT_EQ(f.Testo(F::Principale, "Intro2_Oscillazioni", P::Prefisso), "Oscillations");
    EXPECT_EQ(f.Testo(F::Principale, "Testo2", P::Testo), "Presents");
    EXPECT_EQ(f.Testo(F::Configurazione, "ORV_2016_Button5"), "Save");
    EXPECT_EQ(f.Testo(F::Configurazione, "Label06"), "Background Intro 6 (Laser)");

    EXPECT_EQ(f.Lista(F::Principale, "PagineHeader"),
              (QStringList{"Data Project", "Background", "Text to write", "Style Character", "Effects",
                           "Intro's data"}));
    struct {
        F finestra;
        const char* lista;
        int voci;
        const char* prima;
        ListaVoci ImpostazioniProgetto::* modello;
    } liste[] = {
        {F::Principale, "IntroLista", 10, "Intro 1 Simple", &ImpostazioniProgetto::IntroLista},
        {F::Principale, "ProgettoRisoluzione", 2, "1280x720", &ImpostazioniProgetto::ProgettoRisoluzione},
        {F::Principale, "ProgettoFrameRate", 12, "1", &ImpostazioniProgetto::ProgettoFrameRate},
        {F::Principale, "EffettiParticelleLista", 6, "Fire", &ImpostazioniProgetto::EffettiParticelleLista},
        {F::Principale, "Intro1Lista", 11, "Trim", &ImpostazioniProgetto::Intro1Lista},
        {F::Principale, "EffettoLensFlareLista", 3, "Standard", &ImpostazioniProgetto::EffettoLensFlareLista},
        {F::Principale, "Intro10Colori", 5, "Blue", &ImpostazioniProgetto::Intro10Colori},
        {F::Configurazione, "ElencoPagine", 11, "Interface", nullptr},
    };
    for (const auto& l : liste) {
        const QStringList voci = f.Lista(l.finestra, l.lista);
        ASSERT_EQ(voci.size(), l.voci) << l.lista;
        EXPECT_EQ(voci.first(), l.prima) << l.lista;
        EXPECT_EQ((f.invii[{l.finestra, l.lista}]), 1) << l.lista;
        if (l.modello) {
            EXPECT_EQ((m.*l.modello).Elenco(), voci) << l.lista;
        }
    }
    EXPECT_EQ(f.liste.size(), std::size(liste) + 1);
}

TEST_F(ApplicaLinguaTest, SpanishAndGermanShowTheEnglishTexts)
{
    ImpostazioniProgetto mi;
    Finestre inglese;
    Applica(LinguaInglese, mi, &inglese);
    for (int lingua : {LinguaSpagnolo, LinguaTedesco}) {
        ImpostazioniProgetto m;
        Finestre f;
        Applica(lingua, m, &f);
        EXPECT_EQ(f.testi, inglese.testi) << lingua;
        EXPECT_EQ(f.liste, inglese.liste) << lingua;
        EXPECT_EQ(m, mi) << lingua;
    }
}

TEST_F(ApplicaLinguaTest, FrenchShowsPlaceholders)
{
    ImpostazioniProgetto m;
    Finestre f;
    Applica(LinguaFrancese, m, &f);
    EXPECT_EQ(f.Testo(F::Configurazione, "ORV_2016_Button5"), "#####");
    EXPECT_EQ(m.Testo2, "########");
    EXPECT_EQ(f.Testo(F::Principale, "Testo2", P::Testo), "########");
    EXPECT_EQ(m.IntroLista.Elenco().first(), QString(16, '#'));
    EXPECT_EQ(m.Testo1, QString(10, '#'));
    EXPECT_EQ(m.Testo3, QString(8, '#'));
}

TEST_F(ApplicaLinguaTest, LanguageBoxesNameTheirLanguage)
{
    struct {
        int lingua;
        const char* italiano;
        const char* inglese;
    } casi[] = {
        {LinguaItaliano, "Italiano", "Inglese"},
        {LinguaInglese, "Italian", "English"},
        {LinguaTedesco, "Italian", "English"},
    };
    for (const auto& c : casi) {
        ImpostazioniProgetto m;
        Finestre f;
        Applica(c.lingua, m, &f);
        EXPECT_EQ(f.Testo(F::Configurazione, "Impostazioni_Lingua0"), c.italiano) << c.lingua;
        EXPECT_EQ(f.Testo(F::Configurazione, "Impostazioni_Lingua1"), c.inglese) << c.lingua;
        EXPECT_EQ(f.Testo(F::Configurazione, "Impostazioni_Lingua4"), "Français") << c.lingua;
    }
}

TEST_F(ApplicaLinguaTest, ChosenItemsSurviveAndRunningTwiceChangesNothing)
{
    ImpostazioniProgetto m;
    m.IntroLista = 4;
    m.Intro1Lista = 11;
    Applica(LinguaItaliano, m);
    EXPECT_EQ(m.IntroLista.Testo(), "Intro 4 Onde Mare");

    Finestre f;
    Applica(LinguaInglese, m, &f);
    EXPECT_EQ(m.IntroLista.Voce(), 4);
    EXPECT_EQ(m.IntroLista.Testo(), "Intro 4 Ocean Waves");
    EXPECT_EQ(m.Intro1Lista.Testo(), "Beating");
    EXPECT_EQ(m.ProgettoFrameRate.Testo(), "25");

    const ImpostazioniProgetto una = m;
    const Finestre primaVolta = f;
    Applica(LinguaInglese, m, &f);
    EXPECT_EQ(m, una);
    EXPECT_EQ(f.testi, primaVolta.testi);
    EXPECT_EQ(f.liste, primaVolta.liste);
}

// A language change puts the language's default into a line only while it holds a default of
// some language; what the user typed stays.
TEST_F(ApplicaLinguaTest, TypedTextSurvivesALanguageChange)
{
    ImpostazioniProgetto m;
    m.Testo1 = "Il mio titolo";
    m.Intro7Messaggio = "Ciao";
    m.Testo3 = "";
    Finestre f;
    for (int lingua : {LinguaInglese, LinguaFrancese, LinguaItaliano}) {
        Applica(lingua, m, &f);
        EXPECT_EQ(m.Testo1, "Il mio titolo") << lingua;
        EXPECT_EQ(m.Intro7Messaggio, "Ciao") << lingua;
        EXPECT_EQ(m.Testo3, "") << lingua;
        EXPECT_EQ(f.Testo(F::Principale, "Testo1", P::Testo), "Il mio titolo") << lingua;
    }
    // The untouched default follows every change, the French placeholder included.
    EXPECT_EQ(m.Testo2, "Presenta");
    Applica(LinguaInglese, m);
    EXPECT_EQ(m.Testo2, "Presents");
    m.Testo2 = "Presents ";  // edited, if only by a blank
    Applica(LinguaItaliano, m);
    EXPECT_EQ(m.Testo2, "Presents ");
}
