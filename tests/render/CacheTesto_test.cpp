// The text layers kept between renders: kept while their inputs stay, drawn again (and their
// files written again) as soon as one of them changes, and then equal to a fresh drawing.
#include "render/OggettiTesto.h"

#include "render/AiutoIntro.h"
#include "render/HostFinto.h"
#include "render/NomiRendering.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>
#include <tuple>

namespace {

// A style with every part of the layers in use: shadow, both outlines, three lines.
void StilePieno(ImpostazioniProgetto& imp) {
    imp.Testo1 = QStringLiteral("Uno");
    imp.Testo2 = QStringLiteral("Due");
    imp.Testo3 = QStringLiteral("Tre");
    imp.Testo.clear();
    imp.FontShadowCheck = true;
    imp.FontShadowSize = 6;
    imp.FontShadowOpacita = 60;
    imp.FontOutline1Check = true;
    imp.FontOutline2Check = true;
}

QString File(const QString& modello, int riga) {
    return PercorsoOutput + modello.arg(riga);
}

// The layers a context that never rendered draws from the same settings.
struct Freschi {
    std::array<QImage, NumeroRigheTesto> oggetto, ombra;
};

Freschi DisegnoFresco(BancoRendering& b) {
    ContestoRendering fresco{b.host};
    fresco.Impostazioni = &b.imp;
    fresco.FrameCorrente = b.contesto.FrameCorrente;
    CreaOggettiTesto(fresco);
    Freschi f;
    for (size_t n = 0; n < f.oggetto.size(); ++n) {
        f.oggetto[n] = fresco.LayerOggetto[n].Immagine();
        f.ombra[n] = fresco.LayerOmbra[n].Immagine();
    }
    return f;
}

TEST(CacheTesto, UnaModificaCheNonToccaIlTestoNonRidisegnaNeScrive) {
    BancoRendering b;
    StilePieno(b.imp);
    CreaOggettiTesto(b.contesto);
    const qint64 oggetto = b.contesto.LayerOggetto[0].Chiave();
    const qint64 ombra = b.contesto.LayerOmbra[0].Chiave();
    const auto generazione = b.contesto.CacheLayer.Generazione;
    b.contesto.ScritturaFile.Attendi();
    ASSERT_TRUE(QFile::remove(File(NomiRendering::LayerOggetto, 1)));
    ASSERT_TRUE(QFile::remove(File(NomiRendering::LayerOmbra, 1)));

    b.imp.SfondoColori.Colore1 = 0x123456;
    b.imp.EffettiNeveCheck = true;
    b.imp.Intro1Lista = 4;
    ImpostazioniGlobali.TotaleFrame = 90;
    b.contesto.FrameCorrente = 12;
    CreaOggettiTesto(b.contesto);
    b.contesto.ScritturaFile.Attendi();

    EXPECT_EQ(b.contesto.LayerOggetto[0].Chiave(), oggetto);
    EXPECT_EQ(b.contesto.LayerOmbra[0].Chiave(), ombra);
    EXPECT_EQ(b.contesto.CacheLayer.Generazione, generazione);
    EXPECT_FALSE(QFile::exists(File(NomiRendering::LayerOggetto, 1)));
    EXPECT_FALSE(QFile::exists(File(NomiRendering::LayerOmbra, 1)));
}

TEST(CacheTesto, SoloLaRigaCambiataSiRidisegna) {
    BancoRendering b;
    StilePieno(b.imp);
    CreaOggettiTesto(b.contesto);
    const qint64 primo = b.contesto.LayerOggetto[0].Chiave();
    const qint64 terzo = b.contesto.LayerOmbra[2].Chiave();
    const QImage secondo = b.contesto.LayerOggetto[1].Immagine();
    b.imp.Testo2 = QStringLiteral("Dueee");
    CreaOggettiTesto(b.contesto);
    EXPECT_EQ(b.contesto.LayerOggetto[0].Chiave(), primo);
    EXPECT_EQ(b.contesto.LayerOmbra[2].Chiave(), terzo);
    EXPECT_NE(b.contesto.LayerOggetto[1].Immagine(), secondo);
    b.contesto.ScritturaFile.Attendi();
    EXPECT_EQ(QImage(File(NomiRendering::LayerOggetto, 2)).size(), b.contesto.LayerOggetto[1].Immagine().size());
}

// Every input of the layers, changed alone: the kept layers follow it and equal a fresh
// drawing, and the file of the styled layer holds the new picture.
struct CasoIngresso {
    const char* nome;
    std::function<void(ImpostazioniProgetto&)> cambia;
    std::function<void(ImpostazioniProgetto&)> prima = {};  // the style before the change
};

void PrintTo(const CasoIngresso& c, std::ostream* os) { *os << c.nome; }

void ConGlow(ImpostazioniProgetto& imp) {
    imp.FontGlowCheck = true;
}

// Line 1 is the program's own logo picture.
void ConLogo(ImpostazioniProgetto& imp) {
    imp.Logo = imp.TabellaImmagini[4];
    imp.Testo1 = QStringLiteral("#LOGO");
}

class OgniIngresso : public ::testing::TestWithParam<CasoIngresso> {};

TEST_P(OgniIngresso, IlLayerTenutoSegueLaModifica) {
    BancoRendering b;
    StilePieno(b.imp);
    if (GetParam().prima) GetParam().prima(b.imp);
    CreaOggettiTesto(b.contesto);
    const QImage oggetto = b.contesto.LayerOggetto[0].Immagine(), ombra = b.contesto.LayerOmbra[0].Immagine();
    GetParam().cambia(b.imp);
    CreaOggettiTesto(b.contesto);
    EXPECT_TRUE(b.contesto.LayerOggetto[0].Immagine() != oggetto || b.contesto.LayerOmbra[0].Immagine() != ombra);
    const Freschi f = DisegnoFresco(b);
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        EXPECT_EQ(b.contesto.LayerOggetto[n].Immagine(), f.oggetto[n]) << n;
        EXPECT_EQ(b.contesto.LayerOmbra[n].Immagine(), f.ombra[n]) << n;
    }
    b.contesto.ScritturaFile.Attendi();
    const QImage scritto = QImage(File(NomiRendering::LayerOggetto, 1)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(scritto, b.contesto.LayerOggetto[0].Immagine());
}

INSTANTIATE_TEST_SUITE_P(
    Stile, OgniIngresso,
    ::testing::Values(
        CasoIngresso{"testo", [](ImpostazioniProgetto& i) { i.Testo1 = QStringLiteral("Unx"); }},
        CasoIngresso{"font", [](ImpostazioniProgetto& i) { i.FontElenco = ListaVoci({QStringLiteral("DejaVu Serif")}, 1, ListaVoci::Regola::Libera); }},
        CasoIngresso{"dimensione", [](ImpostazioniProgetto& i) { i.FontSize = 41; }},
        CasoIngresso{"grassetto", [](ImpostazioniProgetto& i) { i.FontBold = !i.FontBold; }},
        CasoIngresso{"corsivo", [](ImpostazioniProgetto& i) { i.FontItalic = !i.FontItalic; }},
        CasoIngresso{"sottolineato", [](ImpostazioniProgetto& i) { i.FontUnderline = !i.FontUnderline; }},
        CasoIngresso{"colore", [](ImpostazioniProgetto& i) { i.FontColore.Colore2 = 0x00FF00; }},
        CasoIngresso{"opacita", [](ImpostazioniProgetto& i) { i.FontOpacita = 40; }},
        CasoIngresso{"trasparente", [](ImpostazioniProgetto& i) { i.FontTrasparente = true; }},
        CasoIngresso{"contorno1", [](ImpostazioniProgetto& i) { i.FontOutline1Colore = 0x0000FF; }},
        CasoIngresso{"contorno1_spessore", [](ImpostazioniProgetto& i) { i.FontOutline1Size = 3; }},
        CasoIngresso{"contorno1_opacita", [](ImpostazioniProgetto& i) { i.FontOutline1Opacita = 30; }},
        CasoIngresso{"contorno2", [](ImpostazioniProgetto& i) { i.FontOutline2Check = false; }},
        CasoIngresso{"contorno2_colore", [](ImpostazioniProgetto& i) { i.FontOutline2Colore = 0x00FFFF; }},
        CasoIngresso{"ombra", [](ImpostazioniProgetto& i) { i.FontShadowCheck = false; }},
        CasoIngresso{"ombra_colore", [](ImpostazioniProgetto& i) { i.FontShadowColore = 0xFF0000; }},
        CasoIngresso{"ombra_opacita", [](ImpostazioniProgetto& i) { i.FontShadowOpacita = 100; }},
        CasoIngresso{"ombra_spessore", [](ImpostazioniProgetto& i) { i.FontShadowSize = 9; }},
        CasoIngresso{"ombra_spostata", [](ImpostazioniProgetto& i) { i.FontShadowOffsetX = -2; }},
        CasoIngresso{"glow", [](ImpostazioniProgetto& i) { i.FontGlowCheck = true; }},
        CasoIngresso{"glow_grande", [](ImpostazioniProgetto& i) { i.FontGlowSize = 12; }, ConGlow},
        CasoIngresso{"glow_colore", [](ImpostazioniProgetto& i) { i.FontGlowColore = 0x00FF00; }, ConGlow},
        CasoIngresso{"glow_interno", [](ImpostazioniProgetto& i) { i.FontGlowColoreInterno = 0x0000FF; }, ConGlow},
        CasoIngresso{"intro6", [](ImpostazioniProgetto& i) { i.IntroLista = 6; }},
        CasoIngresso{"logo_stile", [](ImpostazioniProgetto& i) { i.LogoStyle1 = 1; }, ConLogo},
        CasoIngresso{"logo_intro6", [](ImpostazioniProgetto& i) { i.IntroLista = 6; }, ConLogo},
        CasoIngresso{"logo_scala6", [](ImpostazioniProgetto& i) { i.Intro6LogoScala = 50; },
                     [](ImpostazioniProgetto& i) { ConLogo(i); i.IntroLista = 6; }}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(CacheTesto, IlLuccichioDellIntro6CambiaColFrameLOmbraResta) {
    BancoRendering b;
    StilePieno(b.imp);
    b.imp.IntroLista = 6;
    b.contesto.FrameCorrente = 10;
    CreaOggettiTesto(b.contesto);
    const QImage oggetto = b.contesto.LayerOggetto[0].Immagine();
    const qint64 ombra = b.contesto.LayerOmbra[0].Chiave();
    b.contesto.FrameCorrente = 100;
    CreaOggettiTesto(b.contesto);
    EXPECT_NE(b.contesto.LayerOggetto[0].Immagine(), oggetto);
    EXPECT_EQ(b.contesto.LayerOmbra[0].Chiave(), ombra);
    EXPECT_EQ(b.contesto.LayerOggetto[0].Immagine(), DisegnoFresco(b).oggetto[0]);
}

// Intro 6 keeps its layer without the glint from frame to frame: a change of any input of
// that layer between two frames draws it anew, equal to a fresh drawing of the second frame.
class Intro6FrameDopoFrame : public ::testing::TestWithParam<CasoIngresso> {};

TEST_P(Intro6FrameDopoFrame, LeParteTenuteSeguonoLaModifica) {
    BancoRendering b;
    StilePieno(b.imp);
    b.imp.IntroLista = 6;
    if (GetParam().prima) GetParam().prima(b.imp);
    for (float t : {40.0f, 41.0f}) {
        b.contesto.FrameCorrente = t;
        CreaOggettiTesto(b.contesto);
    }
    GetParam().cambia(b.imp);
    b.contesto.FrameCorrente = 42;
    CreaOggettiTesto(b.contesto);
    const Freschi f = DisegnoFresco(b);
    for (int n = 0; n < NumeroRigheTesto; ++n) EXPECT_EQ(b.contesto.LayerOggetto[n].Immagine(), f.oggetto[n]) << n;
}

INSTANTIATE_TEST_SUITE_P(
    Stile, Intro6FrameDopoFrame,
    ::testing::Values(
        CasoIngresso{"nulla", [](ImpostazioniProgetto&) {}},
        CasoIngresso{"testo", [](ImpostazioniProgetto& i) { i.Testo1 = QStringLiteral("Unx"); }},
        CasoIngresso{"colore", [](ImpostazioniProgetto& i) { i.FontColore.Colore1 = 0x00FF00; }},
        CasoIngresso{"trasparente", [](ImpostazioniProgetto& i) { i.FontTrasparente = true; }},
        CasoIngresso{"contorno1_spessore", [](ImpostazioniProgetto& i) { i.FontOutline1Size = 3; }},
        CasoIngresso{"contorno1_via", [](ImpostazioniProgetto& i) { i.FontOutline1Check = false; }},
        CasoIngresso{"contorno2_colore", [](ImpostazioniProgetto& i) { i.FontOutline2Colore = 0x00FFFF; }},
        CasoIngresso{"glow", [](ImpostazioniProgetto& i) { i.FontGlowCheck = true; }},
        CasoIngresso{"durata", [](ImpostazioniProgetto&) { ImpostazioniGlobali.TotaleFrame = 90; }},
        CasoIngresso{"logo_scala", [](ImpostazioniProgetto& i) { i.Intro6LogoScala = 50; }, ConLogo}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(CacheTesto, UnLogoRiscrittoSulDiscoSiRidisegna) {
    BancoRendering b;
    const QString file = b.casa.Sotto(QStringLiteral("logo.png"));
    QImage logo(30, 20, QImage::Format_ARGB32);
    logo.fill(qRgba(255, 0, 0, 255));
    ASSERT_TRUE(logo.save(file));
    b.imp.Logo = file;
    b.imp.Testo1 = QStringLiteral("#LOGO");
    CreaOggettiTesto(b.contesto);
    const QImage rosso = b.contesto.LayerOggetto[0].Immagine();

    // Another picture of another size under the same name.
    QImage blu(31, 20, QImage::Format_ARGB32);
    blu.fill(qRgba(0, 0, 255, 255));
    ASSERT_TRUE(blu.save(file));
    CreaOggettiTesto(b.contesto);
    EXPECT_NE(b.contesto.LayerOggetto[0].Immagine(), rosso);
    EXPECT_EQ(b.contesto.LayerOggetto[0].Immagine(), DisegnoFresco(b).oggetto[0]);
}

TEST(CacheTesto, UnaRigaSvuotataELoStessoTestoDiNuovo) {
    BancoRendering b;
    StilePieno(b.imp);
    CreaOggettiTesto(b.contesto);
    const QImage prima = b.contesto.LayerOggetto[1].Immagine();
    b.imp.Testo2.clear();
    CreaOggettiTesto(b.contesto);
    EXPECT_TRUE(b.contesto.LayerOggetto[1].Immagine().isNull());
    EXPECT_EQ(b.contesto.GeometriaOggetti[1].Larghezza, 0);
    // The file of that number stays, as an empty line writes nothing.
    b.contesto.ScritturaFile.Attendi();
    EXPECT_TRUE(QFile::exists(File(NomiRendering::LayerOggetto, 2)));
    b.imp.Testo2 = QStringLiteral("Due");
    CreaOggettiTesto(b.contesto);
    EXPECT_EQ(b.contesto.LayerOggetto[1].Immagine(), prima);
    EXPECT_EQ(b.contesto.GeometriaOggetti[1].Larghezza, prima.width());
}

// Intro 1's zoom composes the text once: previews with the same text and places keep it
// and its file; a text change composes and writes it again.
TEST(CacheTesto, LaComposizioneDelloZoomSiRifaSoloSeCambiaQualcosa) {
    BancoRendering b;
    StilePieno(b.imp);
    b.imp.Intro1Lista = 9;
    const QString completo = PercorsoOutput + NomiRendering::Completo;
    EseguiRendering(b.contesto, b.imp);
    b.contesto.ScritturaFile.Attendi();
    const QImage prima = b.contesto.ComposizioneCompleta;
    ASSERT_TRUE(QFile::remove(completo));

    b.imp.SfondoColori.Colore1 = 0x203040;
    EseguiRendering(b.contesto, b.imp);
    b.contesto.ScritturaFile.Attendi();
    EXPECT_EQ(b.contesto.ComposizioneCompleta.cacheKey(), prima.cacheKey());
    EXPECT_FALSE(QFile::exists(completo));

    b.imp.Testo3 = QStringLiteral("Treee");
    EseguiRendering(b.contesto, b.imp);
    b.contesto.ScritturaFile.Attendi();
    EXPECT_NE(b.contesto.ComposizioneCompleta, prima);
    EXPECT_EQ(QImage(completo).size(), QSize(1920, 1080));
}

// The intros that ask for the layers on every frame of a run get the kept ones: no layer is
// drawn or written again after frame 0 while nothing changes (intro 6 keeps its layer but for
// the glint, and its shadow).
class OgniFrame : public ::testing::TestWithParam<int> {};

TEST_P(OgniFrame, IFrameDiUnaCorsaUsanoILayerTenuti) {
    BancoIntro b(GetParam());
    const bool lucido = GetParam() == 6;  // the styled layer follows the glint
    StilePieno(b.imp);
    b.Frame(0, true);
    b.contesto.ScritturaFile.Attendi();
    const qint64 ombra = b.contesto.LayerOmbra[1].Chiave();
    const qint64 oggetto = b.contesto.LayerOggetto[1].Chiave();
    for (int n : {1, 2, 3}) {
        ASSERT_TRUE(QFile::remove(File(NomiRendering::LayerOmbra, n)));
        if (!lucido) {
            ASSERT_TRUE(QFile::remove(File(NomiRendering::LayerOggetto, n)));
        }
    }
    for (float t : {1.0f, 2.0f, 60.0f}) b.Frame(t, true);
    b.contesto.ScritturaFile.Attendi();
    EXPECT_EQ(b.contesto.LayerOmbra[1].Chiave(), ombra);
    if (!lucido) {
        EXPECT_EQ(b.contesto.LayerOggetto[1].Chiave(), oggetto);
    }
    for (int n : {1, 2, 3}) {
        EXPECT_FALSE(QFile::exists(File(NomiRendering::LayerOmbra, n))) << n;
        if (!lucido) {
            EXPECT_FALSE(QFile::exists(File(NomiRendering::LayerOggetto, n))) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Intro, OgniFrame, ::testing::Values(1, 6, 7, 8, 9, 10));

}  // namespace

namespace {

// A line too wide to make whole is partial in every intro, drawn only where a frame shows it.
// Drawn block by block, the partial layers hold the very pixels of the whole ones, shadow and
// styled text alike, in a style with every pass; short lines stay kept across the same
// switches. Its files go (an older one would show another text); a whole one is written again.
TEST(CacheTesto, UnaRigaLungaParzialeSalvoDoveDisegnataIntera) {
  for (bool glow : {false, true}) {
    SCOPED_TRACE(glow ? "glow" : "outlines");
    BancoRendering b;
    StilePieno(b.imp);
    b.imp.FontGlowCheck = glow;
    b.imp.FontGlowSize = 12;
    // Edges of every slant fall on the edges of the blocks a partial layer is drawn in.
    b.imp.Testo1 = QStringLiteral("Quenvox Wq!|gy ").repeated(50);
    b.imp.Intro1Lista = 2;
    b.imp.Testo2 = QStringLiteral("Quenvox");
    b.imp.IntroLista = 9;
    CreaOggettiTesto(b.contesto);
    ASSERT_GT(b.contesto.LayerOggetto[0].Larghezza(), LayerTesto::LarghezzaIntera);
    ASSERT_TRUE(b.contesto.LayerOggetto[0].Parziale());
    const QImage intera = b.contesto.LayerOggetto[0].Immagine();
    const QImage interaOmbra = b.contesto.LayerOmbra[0].Immagine();
    b.contesto.ScritturaFile.Attendi();
    ASSERT_FALSE(QFile::exists(File(NomiRendering::LayerOggetto, 1)));
    ASSERT_TRUE(QFile::exists(File(NomiRendering::LayerOggetto, 2)));
    const qint64 breve = b.contesto.LayerOggetto[1].Chiave();
    // Intro 6 last: its layers are drawn apart, short lines too.
    for (const auto& [intro, tipo, parziale] : {std::tuple{1, 8, true}, {9, 2, true}, {8, 2, true}, {1, 2, true}, {6, 2, true}}) {
        b.imp.IntroLista = intro;
        b.imp.Intro1Lista = tipo;
        CreaOggettiTesto(b.contesto);
        b.contesto.ScritturaFile.Attendi();
        EXPECT_EQ(b.contesto.LayerOggetto[0].Parziale(), parziale) << intro << "/" << tipo;
        EXPECT_EQ(b.contesto.LayerOmbra[0].Parziale(), parziale) << intro << "/" << tipo;
        EXPECT_EQ(QFile::exists(File(NomiRendering::LayerOggetto, 1)), !parziale) << intro << "/" << tipo;
        EXPECT_EQ(QFile::exists(File(NomiRendering::LayerOmbra, 1)), !parziale) << intro << "/" << tipo;
        if (intro == 6) continue;
        EXPECT_TRUE(b.contesto.LayerOggetto[0].Immagine() == intera) << intro << "/" << tipo;
        EXPECT_TRUE(b.contesto.LayerOmbra[0].Immagine() == interaOmbra) << intro << "/" << tipo;
        EXPECT_EQ(b.contesto.LayerOggetto[1].Chiave(), breve) << intro << "/" << tipo;
    }
  }
}

}  // namespace
