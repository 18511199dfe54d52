#include "render/OggettiTesto.h"

#include "render/HostFinto.h"
#include "render/NomiRendering.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

// No style margins: every layer is exactly its text's bounding box.
void SenzaMargini(ImpostazioniProgetto& imp) {
    imp.FontShadowOffsetX = imp.FontShadowOffsetY = 0;
    imp.FontOutline1Size = imp.FontOutline2Size = imp.FontShadowSize = 0;
}

bool Trasparente(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0) return false;
    return true;
}

QImage Logo(const BancoRendering& b, int w, int h) {
    QImage logo(w, h, QImage::Format_ARGB32);
    logo.fill(qRgba(255, 0, 0, 255));
    const QString file = b.casa.Sotto(QStringLiteral("logo.png"));
    logo.save(file);
    return logo;
}

TEST(ImpostaPenne, ColoriEAlfaDaiControlli) {
    BancoRendering b;
    b.imp.FontOutline1Colore = 0x332211;
    b.imp.FontOutline1Opacita = 100;
    b.imp.FontOutline1Size = 6;
    b.imp.FontOutline2Opacita = 50;
    b.imp.FontOutline2Size = 12;
    b.imp.FontShadowOpacita = 100;
    b.imp.FontGlowColore = 0xFF0080;
    ImpostaPenne(b.contesto);
    const ContestoRendering& c = b.contesto;
    EXPECT_EQ(c.PennaOutline1.color(), QColor(0x11, 0x22, 0x33, 255));
    EXPECT_EQ(c.PennaOutline1.widthF(), 6.0);
    EXPECT_EQ(c.PennaOutline2.color().alpha(), 127);  // 50 x 0.01 x 255, truncated
    EXPECT_EQ(c.PennaOutline2.widthF(), 18.0);       // drawn under outline 1
    EXPECT_EQ(c.PennaOmbra.color().alpha(), 170);     // 100 x 255 / 150
    EXPECT_EQ(c.PennaGlow.color(), QColor(0x80, 0x00, 0xFF, 32));
    EXPECT_EQ(c.PennelloGlowInterno.color().alpha(), 255);
    b.imp.FontShadowOpacita = 7;
    ImpostaPenne(b.contesto);
    EXPECT_EQ(c.PennaOmbra.color().alpha(), 11);
}

TEST(CreaOggettiTesto, GeometriaDelleRighe) {
    BancoRendering b;
    SenzaMargini(b.imp);
    Logo(b, 120, 50);
    b.imp.Logo = b.casa.Sotto(QStringLiteral("logo.png"));
    b.imp.Testo1 = QStringLiteral("Testo");
    b.imp.Testo2.clear();
    b.imp.Testo3 = QStringLiteral("#LOGO qualsiasi");
    b.imp.Testo = QStringList{QStringLiteral("#logo")};
    CreaOggettiTesto(b.contesto);
    const auto& g = b.contesto.GeometriaOggetti;

    EXPECT_GT(g[0].Larghezza, 50);
    EXPECT_GT(g[0].Altezza, 20);
    EXPECT_GE(g[0].Alto, 0);  // the layout box starts at the origin, glyphs below it
    EXPECT_EQ(b.contesto.LayerOggetto[0].Immagine().size(), QSize(g[0].Larghezza, g[0].Altezza));

    // An empty line: all 0 and no files.
    EXPECT_EQ(g[1].Larghezza, 0);
    EXPECT_EQ(g[1].Altezza, 0);
    EXPECT_EQ(g[1].Sinistra, 0);
    b.contesto.ScritturaFile.Attendi();
    EXPECT_FALSE(QFile::exists(PercorsoOutput + NomiRendering::LayerOggetto.arg(2)));
    EXPECT_FALSE(QFile::exists(PercorsoOutput + NomiRendering::LayerOmbra.arg(2)));

    // "#LOGO" and anything after it: the logo's rectangle at the origin.
    EXPECT_EQ(g[2].Sinistra, 0);
    EXPECT_EQ(g[2].Alto, 0);
    EXPECT_EQ(g[2].Larghezza, 120);
    EXPECT_EQ(g[2].Altezza, 50);
    // Lower case is plain text.
    EXPECT_NE(g[3].Larghezza, 120);

    for (int n : {1, 3, 4}) {
        EXPECT_TRUE(QFile::exists(PercorsoOutput + NomiRendering::LayerOggetto.arg(n))) << n;
        EXPECT_TRUE(QFile::exists(PercorsoOutput + NomiRendering::LayerOmbra.arg(n))) << n;
    }
    EXPECT_EQ(QImage(PercorsoOutput + NomiRendering::LayerOggetto.arg(3)).size(), QSize(120, 50));
}

TEST(CreaOggettiTesto, IMarginiAllarganoOgniLayer) {
    BancoRendering b;
    b.imp.Testo1 = QStringLiteral("Ab");
    SenzaMargini(b.imp);
    CreaOggettiTesto(b.contesto);
    const GeometriaRiga nudo = b.contesto.GeometriaOggetti[0];

    b.imp.FontShadowOffsetX = -4;
    b.imp.FontShadowOffsetY = 3;
    b.imp.FontOutline1Size = 6;
    b.imp.FontOutline2Size = 12;  // counts even when outline 2 is off
    b.imp.FontShadowSize = 14;
    const QSize m = MarginiLayer(b.imp);
    EXPECT_EQ(m, QSize(36, 35));
    CreaOggettiTesto(b.contesto);
    const GeometriaRiga largo = b.contesto.GeometriaOggetti[0];
    EXPECT_EQ(largo.Larghezza, nudo.Larghezza + 72);
    EXPECT_EQ(largo.Altezza, nudo.Altezza + 70);
    EXPECT_EQ(largo.Sinistra, nudo.Sinistra);
    EXPECT_EQ(largo.Alto, nudo.Alto);
}

TEST(CreaOggettiTesto, LaRigaDelMemoConDueRigheDaUnSoloLayerPiuAlto) {
    BancoRendering b;
    SenzaMargini(b.imp);
    b.imp.Testo = QStringList{QStringLiteral("Uno")};
    CreaOggettiTesto(b.contesto);
    const int una = b.contesto.GeometriaOggetti[3].Altezza;
    b.imp.Testo = QStringList{QStringLiteral("Uno"), QStringLiteral("Due")};
    CreaOggettiTesto(b.contesto);
    EXPECT_GT(b.contesto.GeometriaOggetti[3].Altezza, una + una * 3 / 4);
}

TEST(CreaOggettiTesto, IlGlowSostituisceRiempimentoEContorni) {
    BancoRendering b;
    b.imp.Testo1 = QStringLiteral("O");
    b.imp.FontGlowCheck = true;
    b.imp.FontGlowColoreInterno = 0x00FF00;  // green core
    b.imp.FontColore = {0x0000FF, 0x0000FF};
    CreaOggettiTesto(b.contesto);
    const QImage conGlow = b.contesto.LayerOggetto[0].Immagine().copy();
    b.imp.FontColore = {0xFF0000, 0xFF0000};
    b.imp.FontTrasparente = true;
    b.imp.FontOutline2Check = true;
    CreaOggettiTesto(b.contesto);
    EXPECT_EQ(b.contesto.LayerOggetto[0].Immagine(), conGlow);

    // The core of the letter's stroke is the inner glow colour.
    const QImage img = conGlow.convertToFormat(QImage::Format_ARGB32);
    int verdi = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgba(0, 255, 0, 255)) ++verdi;
    EXPECT_GT(verdi, 50);
}

TEST(CreaOggettiTesto, UnLogoSenzaStileNonHaOmbraNeContorno) {
    BancoRendering b;
    SenzaMargini(b.imp);
    b.imp.FontShadowCheck = true;
    b.imp.FontShadowOffsetX = b.imp.FontShadowOffsetY = 4;
    b.imp.FontShadowSize = 4;
    b.imp.FontOutline1Size = 6;
    Logo(b, 40, 30);
    b.imp.Logo = b.casa.Sotto(QStringLiteral("logo.png"));
    b.imp.Testo1 = QStringLiteral("#LOGO");
    b.imp.LogoStyle1 = 0;
    CreaOggettiTesto(b.contesto);
    EXPECT_TRUE(Trasparente(b.contesto.LayerOmbra[0].Immagine()));
    const QImage layer = b.contesto.LayerOggetto[0].Immagine().convertToFormat(QImage::Format_ARGB32);
    const int m = 14;  // offset 4, outline 6, shadow 4
    EXPECT_EQ(layer.size(), QSize(40 + 2 * m, 30 + 2 * m));
    EXPECT_EQ(layer.pixel(m + 20, m + 15), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(layer.pixel(m - 3, m + 15)), 0);  // no outline around it

    b.imp.LogoStyle1 = 1;
    CreaOggettiTesto(b.contesto);
    EXPECT_FALSE(Trasparente(b.contesto.LayerOmbra[0].Immagine()));
    EXPECT_NE(qAlpha(b.contesto.LayerOggetto[0].Immagine().pixel(m - 2, m + 15)), 0);  // outline 1 of 6 px
}

TEST(CreaOggettiTesto, UnFontSconosciutoRipiegaSuQuelloSostituito) {
    BancoRendering b;
    b.imp.FontElenco = ListaVoci({QStringLiteral("Nessun Font Cosi   ")}, 1, ListaVoci::Regola::Libera);
    b.imp.Testo1 = QStringLiteral("Testo");
    CreaOggettiTesto(b.contesto);
    EXPECT_GT(b.contesto.GeometriaOggetti[0].Larghezza, 2 * MarginiLayer(b.imp).width());
    EXPECT_FALSE(Trasparente(b.contesto.LayerOggetto[0].Immagine()));
}

TEST(CreaOggettiTesto, UnTestoTroppoLungoSiTaglia) {
    BancoRendering b;
    b.imp.Testo1 = QStringLiteral("x") + QString(2999, QLatin1Char(' '));
    CreaOggettiTesto(b.contesto);
    EXPECT_EQ(b.contesto.RigheTesto[0].size(), 2559);
}

TEST(CreaOggettiTesto, LIntro6SegnaLeCelleOccupate) {
    BancoRendering b;
    SenzaMargini(b.imp);
    b.imp.IntroLista = 6;
    b.imp.FontOutline1Check = false;
    Logo(b, 40, 20);
    b.imp.Logo = b.casa.Sotto(QStringLiteral("logo.png"));
    b.imp.Intro6LogoScala = 100;
    b.imp.Testo1 = QStringLiteral("#LOGO");
    CreaOggettiTesto(b.contesto);
    const auto& g = b.contesto.GrigliaOccupazione;
    // A 40 x 20 near-black logo at the origin covers cells 0..2 by 0..2 (16 x 8 each).
    EXPECT_EQ(g[0][0], 1);
    EXPECT_EQ(g[2][2], 1);
    EXPECT_EQ(g[3][0], 0);
    EXPECT_EQ(g[0][3], 0);
    EXPECT_TRUE(QFile::exists(PercorsoOutput + NomiRendering::GrigliaDebug));
}

TEST(CreaOggettiTesto, LIntro7RaccoglieIPuntiDelContorno) {
    BancoRendering b;
    b.imp.IntroLista = 7;
    b.imp.Testo1 = QStringLiteral("I");
    CreaOggettiTesto(b.contesto);
    EXPECT_GT(b.contesto.NumeroPuntiContorno, 20);
    EXPECT_EQ(b.contesto.NumeroPuntiContorno, static_cast<int>(b.contesto.PuntiContorno.size()));
    const GeometriaRiga& g = b.contesto.GeometriaOggetti[0];
    for (const QPoint& p : b.contesto.PuntiContorno) {
        EXPECT_GT(p.x() + p.y(), 2);
        EXPECT_LE(p.x(), g.Larghezza);
        EXPECT_LE(p.y(), g.Altezza);
    }
}

}  // namespace

namespace {

QImage Disegna(const std::vector<QPainterPath>& pezzi, QSize dimensione, const QPen& penna, const QBrush& riempimento) {
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(penna);
    for (const QPainterPath& pezzo : pezzi) p.drawPath(pezzo);
    p.setPen(Qt::NoPen);
    for (const QPainterPath& pezzo : pezzi) p.fillPath(pezzo, riempimento);
    return img;
}

// A long line goes in pieces; drawn one by one they give the picture of the whole line, even
// with see-through pens, whose overlaps would show.
TEST(PezziSeparati, UnaRigaLungaAPezziComeIntera) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    QPainterPath riga;
    riga.addText(QPointF(10, 50), font, QStringLiteral("Quenvox intro, parole e spazi: ").repeated(6));
    const QSize dimensione(static_cast<int>(riga.boundingRect().right()) + 20, 80);
    QPen penna(QColor(255, 0, 0, 120), 6);
    penna.setJoinStyle(Qt::RoundJoin);
    const QLinearGradient gradiente(0, 10, 0, 60);
    const qreal distacco = 3 + 2;

    const std::vector<QPainterPath> pezzi = PezziSeparati(riga, distacco);
    ASSERT_GT(pezzi.size(), 3u);
    int elementi = 0;
    for (size_t i = 0; i < pezzi.size(); ++i) {
        elementi += pezzi[i].elementCount();
        for (size_t j = i + 1; j < pezzi.size(); ++j)
            EXPECT_FALSE(pezzi[i].boundingRect().adjusted(-distacco, -distacco, distacco, distacco).intersects(pezzi[j].boundingRect()));
    }
    EXPECT_EQ(elementi, riga.elementCount());
    const QImage a = Disegna(pezzi, dimensione, penna, gradiente), b = Disegna({riga}, dimensione, penna, gradiente);
    int diversi = 0, massimo = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++diversi;
                massimo = std::max(massimo, std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))));
            }
    // The rasterizer rounds a few edge pixels of a very wide path its own way.
    EXPECT_LT(diversi, a.width() * a.height() / 1000);
    EXPECT_LE(massimo, 32);

    // A short text, or one with no gap wide enough, stays whole.
    QPainterPath breve;
    breve.addText(QPointF(0, 40), font, QStringLiteral("Breve"));
    EXPECT_EQ(PezziSeparati(breve, distacco).size(), 1u);
    EXPECT_TRUE(PezziSeparati(QPainterPath(), distacco).empty());
}

}  // namespace
