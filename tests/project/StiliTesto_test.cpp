#include "project/StiliTesto.h"

#include "common/CasaTemporanea.h"
#include "platform/CartelleUtente.h"
#include "platform/FileTesto.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>

#include <sys/stat.h>

namespace {

QString Fixture(const QString& nome) { return QFileInfo(__FILE__).absolutePath() + "/stili/" + nome; }

QByteArray Leggi(const QString& percorso)
{
    QFile file(percorso);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << percorso.toStdString();
    return file.readAll();
}

void Scrivi(const QString& percorso, const QByteArray& contenuto)
{
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << percorso.toStdString();
    file.write(contenuto);
}

// A preview block holding a plain BMP of one colour, padded to the block's size.
QByteArray BloccoColore(QRgb colore)
{
    QImage immagine(LarghezzaAnteprimaStile, AltezzaAnteprimaStile, QImage::Format_RGB32);
    immagine.fill(colore);
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, "BMP");
    dati.resize(DimensioneAnteprimaStile, '\0');
    return dati;
}

// A damaged preview: a BMP's first two letters, then nothing of a picture.
QByteArray BloccoRovinato() { return "BM" + QByteArray(DimensioneAnteprimaStile - 2, 'x'); }

ImpostazioniProgetto ConFont()
{
    ImpostazioniProgetto m;
    m.FontElenco = ListaVoci({"Arial", "DejaVu Serif", "Liberation Sans"}, 1, ListaVoci::Regola::Libera);
    return m;
}

QString CartellaSpedita() { return QCoreApplication::applicationDirPath() + "/Stili"; }

}  // namespace

TEST(StiliTesto, ValueFormsOfALine)
{
    struct {
        const char* riga;
        int dimensione;
    } dimensioni[] = {
        {"48", 159}, {"4", 13},     {"-2", -6}, {"0.3", 0},   {"100", 333}, {"4.5", 14},
        {"+3", 9},   {"12abc", 39}, {"", 0},    {"abc", 0},   {"  6", 19},  {"-0.5", -1},
    };
    for (const auto& c : dimensioni)
        EXPECT_EQ(ValoreDimensioneStile(c.riga), c.dimensione) << c.riga;
    // No overflow into nonsense on absurd sizes.
    EXPECT_EQ(ValoreDimensioneStile("99999999999999"), 2147483520);
    EXPECT_EQ(ValoreDimensioneStile("-99999999999999"), -2147483520);

    struct {
        const char* riga;
        bool acceso;
    } flag[] = {{"1", true}, {"x", true}, {"", true}, {" 0", true}, {"0", false}, {"0abc", false}};
    for (const auto& c : flag)
        EXPECT_EQ(ValoreFlagStile(c.riga), c.acceso) << c.riga;

    struct {
        const char* riga;
        Colore colore;
    } colori[] = {
        {"255000128", 0x8000FF}, {"000128255", 0xFF8000}, {"999000000", 0x0000E7},
        {"255", 0x0000FF},       {"", 0x000000},          {"255255255tail", 0xFFFFFF},
    };
    for (const auto& c : colori)
        EXPECT_EQ(ValoreColoreStile(c.riga), c.colore) << c.riga;
}

// Every font-page setting from a file of odd but valid lines, CR LF ends included.
TEST(StiliTesto, OddLinesGiveTheirSettings)
{
    ImpostazioniProgetto m = ConFont();
    m.FontTrasparente = true;
    m.TestoFlat = true;
    const ImpostazioniProgetto prima = m;
    const QByteArray contenuto = BloccoRovinato() + Leggi(Fixture("Strani.txt"));
    ASSERT_EQ(ApplicaStileTesto(m, contenuto, "/u/Stili/Mio.orvstyle"), EsitoStile::Applicato);

    EXPECT_EQ(m.FontElenco.Voce(), 3);  // trailing blanks cut before the name is matched
    EXPECT_EQ(m.FontSize, 200);  // 333, brought into the slider's range
    EXPECT_TRUE(m.FontBold);
    EXPECT_TRUE(m.FontItalic);
    EXPECT_FALSE(m.FontUnderline);
    EXPECT_EQ(m.FontColore.Colore1, 0x8000FFu);
    EXPECT_EQ(m.FontColore.Colore2, 0x0201E7u);
    EXPECT_EQ(m.FontOpacita, 100);  // 250, clamped
    EXPECT_FALSE(m.FontOutline1Check);
    EXPECT_EQ(m.FontOutline1Colore, 0xFF8000u);
    EXPECT_EQ(m.FontOutline1Size, 14);
    EXPECT_EQ(m.FontOutline1Opacita, 60);
    EXPECT_TRUE(m.FontOutline2Check);
    EXPECT_EQ(m.FontOutline2Colore, 0x38220Cu);
    EXPECT_EQ(m.FontOutline2Size, 0);     // -6
    EXPECT_EQ(m.FontOutline2Opacita, 0);  // -5
    EXPECT_TRUE(m.FontShadowCheck);
    EXPECT_EQ(m.FontShadowColore, 0x3264C8u);
    EXPECT_EQ(m.FontShadowSize, 0);
    EXPECT_EQ(m.FontShadowOpacita, 4);
    EXPECT_EQ(m.FontShadowOffsetX, -4);
    EXPECT_EQ(m.FontShadowOffsetY, 100);  // 159
    EXPECT_FALSE(m.FontGlowCheck);
    EXPECT_EQ(m.FontGlowColore, 0x00FF00u);
    EXPECT_EQ(m.FontGlowSize, 23);  // only the first 70 characters count
    EXPECT_EQ(m.FontGlowColoreInterno, 0x808080u);

    // Nothing outside the style's settings moves.
    EXPECT_TRUE(m.FontTrasparente);
    EXPECT_TRUE(m.TestoFlat);
    EXPECT_EQ(m.Enfatizzare, prima.Enfatizzare);
    EXPECT_EQ(m.Testo1, prima.Testo1);
    EXPECT_EQ(m.SfondoColori, prima.SfondoColori);
}

TEST(StiliTesto, BuiltInNamesForceABlackShadow)
{
    const QByteArray contenuto = BloccoColore(0xFF000000) + Leggi(Fixture("Strani.txt"));
    struct {
        const char* percorso;
        Colore ombra;
    } casi[] = {
        {"/u/Stili/Stile021.orvstyle", 0x000000},
        {"/u/Stili/MioStile021.orvstyle", 0x000000},  // a substring test, as the names were
        {"/u/Stile001.orvstyle/x.orvstyle", 0x000000},
        {"/u/Stili/Stile005.orvstyle", 0x3264C8},
        {"/u/Stili/stile021.orvstyle", 0x3264C8},  // case-sensitive
    };
    for (const auto& c : casi) {
        ImpostazioniProgetto m;
        m.FontShadowColore = 0x123456;
        ApplicaStileTesto(m, contenuto, c.percorso);
        EXPECT_EQ(m.FontShadowColore, c.ombra) << c.percorso;
    }
    EXPECT_EQ(NomiStiliPredefiniti().size(), 19);
}

// A file that ends early sets the lines it has; the rest keeps its values, and a missing line
// is never taken as an empty one (which would switch flags on and sizes to 0).
TEST(StiliTesto, ShortFileAppliesWhatItHas)
{
    ImpostazioniProgetto m = ConFont();
    const ImpostazioniProgetto prima = m;
    ASSERT_EQ(ApplicaStileTesto(m, BloccoRovinato() + Leggi(Fixture("Corto.txt")), "/u/Corto.orvstyle"),
              EsitoStile::Incompleto);
    EXPECT_EQ(m.FontElenco.Voce(), 2);
    EXPECT_EQ(m.FontSize, 13);
    EXPECT_FALSE(m.FontBold);
    EXPECT_TRUE(m.FontItalic);
    EXPECT_TRUE(m.FontUnderline);
    EXPECT_EQ(m.FontColore.Colore1, 0x1E140Au);
    EXPECT_EQ(m.FontColore.Colore2, 0x3C3228u);
    EXPECT_EQ(m.FontOpacita, 77);
    EXPECT_TRUE(m.FontOutline1Check);
    EXPECT_EQ(m.FontOutline1Colore, 0x5A5046u);
    EXPECT_EQ(m.FontOutline1Size, prima.FontOutline1Size);
    EXPECT_EQ(m.FontOutline2Check, prima.FontOutline2Check);
    EXPECT_EQ(m.FontShadowSize, prima.FontShadowSize);
    EXPECT_EQ(m.FontShadowOpacita, prima.FontShadowOpacita);
    EXPECT_EQ(m.FontGlowCheck, prima.FontGlowCheck);

    // Only the preview, or not even that: nothing is set.
    for (const QByteArray& contenuto : {BloccoColore(0xFFFF0000), QByteArray("BM short")}) {
        ImpostazioniProgetto n = ConFont();
        EXPECT_EQ(ApplicaStileTesto(n, contenuto, "/u/x.orvstyle"), EsitoStile::Incompleto);
        EXPECT_EQ(n, ConFont());
    }
}

TEST(StiliTesto, UnknownFontLeavesTheListAndAppliesTheRest)
{
    QByteArray righe = Leggi(Fixture("Strani.txt"));
    righe.replace("Liberation Sans   ", "liberation sans");
    ImpostazioniProgetto m = ConFont();
    m.FontElenco.ImpostaVoce(2);
    ApplicaStileTesto(m, BloccoRovinato() + righe, "/u/x.orvstyle");
    EXPECT_EQ(m.FontElenco.Voce(), 2);
    EXPECT_EQ(m.FontSize, 200);
}

TEST(StiliTesto, GalleryInNameOrderWithPicturesPaired)
{
    CasaTemporanea casa;
    const QString righe = QString::fromUtf8(Leggi(Fixture("Strani.txt")));
    Scrivi(casa.Sotto("b.orvstyle"), BloccoColore(0xFF00FF00) + righe.toUtf8());
    Scrivi(casa.Sotto("A.orvstyle"), BloccoColore(0xFFFF0000) + righe.toUtf8());
    Scrivi(casa.Sotto("c.orvstyle"), BloccoRovinato() + righe.toUtf8());
    Scrivi(casa.Sotto("d.orvstyle"), BloccoColore(0xFF0000FF).left(100));  // picture cut short
    Scrivi(casa.Sotto("nota.txt"), "not a style");
    ASSERT_TRUE(QDir(casa.Percorso()).mkdir("cartella.orvstyle"));

    const GalleriaStili g = CaricaGalleriaStili(casa.Percorso());
    const QStringList attesi{casa.Sotto("A.orvstyle"), casa.Sotto("b.orvstyle"), casa.Sotto("c.orvstyle"),
                             casa.Sotto("d.orvstyle")};
    ASSERT_EQ(g.Percorsi, attesi);
    ASSERT_EQ(g.Anteprime.size(), g.Percorsi.size());
    for (const QImage& a : g.Anteprime)
        EXPECT_EQ(a.size(), QSize(LarghezzaAnteprimaStile, AltezzaAnteprimaStile));
    EXPECT_EQ(g.Anteprime[0].pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(g.Anteprime[1].pixel(10, 10), 0xFF00FF00u);
    EXPECT_EQ(g.Anteprime[2].pixel(10, 10), g.Anteprime[3].pixel(10, 10));  // both blank
    EXPECT_NE(g.Anteprime[2].pixel(10, 10), 0xFFFF0000u);

    // The double click applies path i, a bad picture notwithstanding.
    ImpostazioniProgetto m = ConFont();
    EXPECT_EQ(ApplicaStileGalleria(m, g, 2), EsitoStile::Applicato);
    EXPECT_EQ(m.FontSize, 200);

    EXPECT_TRUE(CaricaGalleriaStili(casa.Sotto("assente")).Percorsi.isEmpty());
}

// A file that is not a style (random bytes, or a preview followed by lines of the wrong form)
// is refused whole: not one setting changes, where random lines would have set sizes and
// opacities to 0 and made the text vanish.
TEST(StiliTesto, AFileThatIsNotAStyleIsRefusedAndAppliesNothing)
{
    const QByteArray casuale = Leggi(QFileInfo(__FILE__).absolutePath() + "/../fuzz/corpus/StiliTesto/casuale.orvstyle");
    ASSERT_GT(casuale.size(), DimensioneAnteprimaStile);
    QByteArray coloreRotto = Leggi(Fixture("Strani.txt"));
    coloreRotto.replace("000128255", "blue");
    QByteArray dimensioneRotta = Leggi(Fixture("Strani.txt"));
    dimensioneRotta.replace("\r\n4.5\r\n", "\r\nwide\r\n");
    const QByteArray casi[] = {casuale, BloccoColore(0xFF000000) + coloreRotto,
                               BloccoColore(0xFF000000) + dimensioneRotta,
                               QByteArray(DimensioneAnteprimaStile, 'x') + Leggi(Fixture("Strani.txt"))};
    for (const QByteArray& contenuto : casi) {
        ImpostazioniProgetto m = ConFont();
        EXPECT_EQ(ApplicaStileTesto(m, contenuto, "/u/x.orvstyle"), EsitoStile::NonValido);
        EXPECT_EQ(m, ConFont());
    }
}

TEST(StiliTesto, DoubleClickWithoutAStyleChangesNothing)
{
    CasaTemporanea casa;
    Scrivi(casa.Sotto("A.orvstyle"), BloccoRovinato() + Leggi(Fixture("Strani.txt")));
    const GalleriaStili g = CaricaGalleriaStili(casa.Percorso());
    ASSERT_EQ(g.Percorsi.size(), 1);
    QFile::remove(casa.Sotto("A.orvstyle"));  // gone since the gallery was filled

    for (int indice : {-1, 0, 1}) {
        ImpostazioniProgetto m = ConFont();
        EXPECT_EQ(ApplicaStileGalleria(m, g, indice), EsitoStile::NonAperto) << indice;
        EXPECT_EQ(m, ConFont());
    }
}

// A pipe, a device or a file far too large named like a style neither holds the start (the
// gallery) nor the double click: it is left out, or refused as not opened, and nothing changes.
TEST(StiliTesto, WhatIsNotAFileOfASaneSizeIsNeitherListedNorApplied)
{
    CasaTemporanea casa;
    Scrivi(casa.Sotto("buono.orvstyle"), BloccoColore(0xFFFF0000) + Leggi(Fixture("Strani.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(casa.Sotto("tubo.orvstyle")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(casa.Sotto("tubo.orvstyle"), casa.Sotto("link_tubo.orvstyle")));
    ASSERT_TRUE(QFile::link("/dev/zero", casa.Sotto("zero.orvstyle")));
    {
        QFile enorme(casa.Sotto("enorme.orvstyle"));
        ASSERT_TRUE(enorme.open(QIODevice::WriteOnly));
        ASSERT_TRUE(enorme.resize(LimiteFileTesto + 1));  // sparse: no disk used
    }
    const GalleriaStili g = CaricaGalleriaStili(casa.Percorso());
    EXPECT_EQ(g.Percorsi, QStringList{casa.Sotto("buono.orvstyle")});

    // A gallery filled before the file was swapped for one of them.
    for (const char* nome : {"tubo.orvstyle", "zero.orvstyle", "enorme.orvstyle"}) {
        SCOPED_TRACE(nome);
        GalleriaStili scambiata;
        scambiata.Percorsi << casa.Sotto(nome);
        scambiata.Anteprime << QImage();
        ImpostazioniProgetto m = ConFont();
        EXPECT_EQ(ApplicaStileGalleria(m, scambiata, 0), EsitoStile::NonAperto);
        EXPECT_EQ(m, ConFont());
    }
}

// Our own set: every built-in name is there, every preview is a real 98x64 picture and every
// file reads back whole.
TEST(StiliTesto, ShippedStylesAreComplete)
{
    const GalleriaStili g = CaricaGalleriaStili(CartellaSpedita());
    ASSERT_GE(g.Percorsi.size(), 19);
    QStringList nomi;
    for (const QString& p : g.Percorsi)
        nomi.append(QFileInfo(p).fileName());
    for (const QString& nome : NomiStiliPredefiniti())
        EXPECT_TRUE(nomi.contains(nome)) << nome.toStdString();

    for (qsizetype i = 0; i < g.Percorsi.size(); ++i) {
        const QByteArray contenuto = Leggi(g.Percorsi[i]);
        const QImage bmp = QImage::fromData(contenuto.left(DimensioneAnteprimaStile), "BMP");
        EXPECT_EQ(bmp.size(), QSize(98, 64)) << nomi[i].toStdString();
        // The sample word is drawn: the middle of the cell is not all backdrop.
        const QImage rgb = bmp.convertToFormat(QImage::Format_RGB32);
        int diversi = 0;
        for (int y = 16; y < 48; ++y)
            for (int x = 10; x < 88; ++x)
                diversi += rgb.pixel(x, y) != rgb.pixel(x, 3);
        EXPECT_GT(diversi, 78 * 32 / 10) << nomi[i].toStdString();
        ImpostazioniProgetto m;
        EXPECT_EQ(ApplicaStileTesto(m, g.Percorsi[i]), EsitoStile::Applicato) << nomi[i].toStdString();
        EXPECT_EQ(m.FontShadowOpacita, 4);
    }

    // One real file against the values it was made from: "Stile021", an underlined style.
    ImpostazioniProgetto m = ConFont();
    ASSERT_EQ(ApplicaStileTesto(m, CartellaSpedita() + "/Stile021.orvstyle"), EsitoStile::Applicato);
    EXPECT_EQ(m.FontElenco.Voce(), 3);
    EXPECT_EQ(m.FontSize, 153);
    EXPECT_FALSE(m.FontBold);
    EXPECT_TRUE(m.FontUnderline);
    EXPECT_EQ(m.FontColore, (DueColori{0xFFFFFF, 0xD0D0D0}));
    EXPECT_TRUE(m.FontOutline1Check);
    EXPECT_EQ(m.FontOutline1Size, 3);
    EXPECT_TRUE(m.FontShadowCheck);
    EXPECT_EQ(m.FontShadowColore, 0x000000u);
    EXPECT_EQ(m.FontShadowOffsetX, 4);
    EXPECT_FALSE(m.FontGlowCheck);
}

TEST(StiliTesto, InstalledIntoAnEmptyFolderOnly)
{
    CasaTemporanea origine, destinazione;
    Scrivi(origine.Sotto("Stile001.orvstyle"), "uno");
    Scrivi(origine.Sotto("Stile002.orvstyle"), "due");
    const QString stili = destinazione.Sotto("Drovaskent/Stili");

    EsitoInstallazioneStili e = InstallaStiliPredefiniti(origine.Percorso(), stili);
    EXPECT_TRUE(e.CartellaVuota);
    EXPECT_EQ(e.Copiati, 2);
    EXPECT_TRUE(e.Errori.isEmpty());
    EXPECT_EQ(Leggi(stili + "/Stile002.orvstyle"), "due");

    // Once installed, or as soon as the user has a style of their own, nothing is copied.
    Scrivi(stili + "/Stile001.orvstyle", "mio");
    QFile::remove(stili + "/Stile002.orvstyle");
    e = InstallaStiliPredefiniti(origine.Percorso(), stili);
    EXPECT_FALSE(e.CartellaVuota);
    EXPECT_EQ(e.Copiati, 0);
    EXPECT_EQ(Leggi(stili + "/Stile001.orvstyle"), "mio");
    EXPECT_FALSE(QFile::exists(stili + "/Stile002.orvstyle"));

    // Nothing to install is said, not hidden.
    CasaTemporanea vuota;
    e = InstallaStiliPredefiniti(vuota.Sotto("assente"), vuota.Sotto("Stili"));
    EXPECT_EQ(e.Copiati, 0);
    EXPECT_EQ(e.Errori.size(), 1);
}

TEST(StiliTesto, StartUpInstallsTheShippedSet)
{
    CasaTemporanea casa;
    const QString vecchiaProgramma = CartellaProgramma, vecchiaStili = CartellaStili;
    CartellaProgramma = QCoreApplication::applicationDirPath();
    CartellaStili = casa.Sotto("Stili");
    const EsitoInstallazioneStili e = InstallaStiliPredefiniti();
    const GalleriaStili g = CaricaGalleriaStili();
    CartellaProgramma = vecchiaProgramma;
    CartellaStili = vecchiaStili;

    EXPECT_TRUE(e.Errori.isEmpty()) << e.Errori.join('\n').toStdString();
    EXPECT_EQ(e.Copiati, g.Percorsi.size());
    EXPECT_EQ(g.Percorsi.size(), QDir(CartellaSpedita()).entryList({"*.orvstyle"}, QDir::Files).size());
}
