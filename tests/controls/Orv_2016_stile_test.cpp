#include "controls/Orv_2016_stile.h"

#include "common/CasaTemporanea.h"
#include "common/BombeImmagini.h"
#include "controls/Orv_2016_lista.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(Orv_2016_Stile, SkinPredefiniteComplete) {
    ORV_2016_Stile stile;
    using S = ORV_2016_Stile;
    struct Caso {
        S::Skin skin;
        QSize dimensione;
    } casi[] = {{S::ORV_OBJ_Normale1, {5, 28}},  {S::ORV_OBJ_Attivo2, {5, 28}},      {S::ORV_OBJPremuto3, {5, 28}},
                {S::ORV_CheckLedAcceso, {28, 28}}, {S::ORV_Btn_Apri_Normale, {28, 28}}, {S::ORV_Btn_Attivo_Giu, {28, 28}},
                {S::ORV_Btn_Normale_Sx, {28, 28}}, {S::ORV_StatoImmagineOn, {30, 33}}};
    for (const auto& c : casi) EXPECT_EQ(stile.Immagine(c.skin).size(), c.dimensione) << c.skin;
    // The looks differ from one another.
    EXPECT_NE(stile.Immagine(S::ORV_OBJ_Normale2), stile.Immagine(S::ORV_OBJ_Attivo2));
    EXPECT_NE(stile.Immagine(S::ORV_CheckLedAcceso), stile.Immagine(S::ORV_CheckLedSpento));
    EXPECT_EQ(stile.ORV_ColoreSfondoScuro(), 0x2D2D2Du);
    EXPECT_EQ(stile.ORV_ColoreBordi(), 0x404040u);

    // Placed on a window it stays hidden and lets clicks through to the controls below.
    QWidget finestra;
    ORV_2016_Stile sullaFinestra(&finestra);
    finestra.show();
    EXPECT_FALSE(sullaFinestra.isVisible());
    EXPECT_TRUE(sullaFinestra.testAttribute(Qt::WA_TransparentForMouseEvents));

    ORV_2016_Stile vuoto(ORV_2016_Stile::SenzaSkin{});
    EXPECT_TRUE(vuoto.Immagine(S::ORV_OBJ_Normale1).isNull());
}

TEST(Orv_2016_Stile, ListaPrendeAltezzaEOmbraDelLoStile) {
    ORV_2016_Stile stile;
    stile.SetORV_OmbraDistanza(2);
    stile.SetORV_OmbraColore(0x0A0B0C);
    ORV_2016_Lista lista;
    lista.resize(300, 40);
    lista.SetORV_Stile(&stile);
    EXPECT_EQ(lista.height(), 28);
    EXPECT_EQ(lista.ORV_OmbraDistanza(), 2);
    EXPECT_EQ(lista.ORV_OmbraColore(), 0x0A0B0Cu);
    EXPECT_EQ(lista.ORV_Stile(), nullptr);
}

TEST(Orv_2016_Stile, StiliNumeratiDaCartella) {
    CasaTemporanea casa;
    ORV_2016_Stile::CartellaStiliNumerati = casa.Percorso();
    ASSERT_TRUE(QDir(casa.Percorso()).mkpath("Stile3"));
    QImage rossa(5, 30, QImage::Format_RGB32);
    rossa.fill(Qt::red);
    // The first two files of the order; the third is missing, so the load stops there.
    ASSERT_TRUE(rossa.save(casa.Sotto("Stile3/OBJAttivo1.bmp")));
    ASSERT_TRUE(rossa.save(casa.Sotto("Stile3/OBJAttivo2.bmp")));
    ASSERT_TRUE(rossa.save(casa.Sotto("Stile3/OBJNormale1.bmp")));
    ORV_2016_Stile stile;
    const QImage primaNormale = stile.Immagine(ORV_2016_Stile::ORV_OBJ_Normale1);
    stile.SetORV_NumStile(9);
    EXPECT_EQ(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo1).height(), 28);
    stile.SetORV_NumStile(3);
    EXPECT_EQ(stile.ORV_NumStile(), 0);
    EXPECT_EQ(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo1).height(), 30);
    EXPECT_EQ(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo2).height(), 30);
    EXPECT_EQ(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Normale1), primaNormale);
    ORV_2016_Stile::CartellaStiliNumerati.clear();
}

// A skin file that declares a huge size ends the load like a missing one, at once.
TEST(Orv_2016_Stile, AHostileSkinFileEndsTheLoad) {
    CasaTemporanea casa;
    ORV_2016_Stile::CartellaStiliNumerati = casa.Percorso();
    ASSERT_TRUE(QDir(casa.Percorso()).mkpath("Stile2"));
    QImage rossa(5, 30, QImage::Format_RGB32);
    rossa.fill(Qt::red);
    ASSERT_TRUE(rossa.save(casa.Sotto("Stile2/OBJAttivo1.bmp")));
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("Stile2/OBJAttivo2.bmp"), bombe::BmpDichiarato(16000, 16000)));
    ASSERT_TRUE(rossa.save(casa.Sotto("Stile2/OBJAttivo3.bmp")));
    ORV_2016_Stile stile;
    const QImage prima = stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo2);
    stile.SetORV_NumStile(2);
    EXPECT_EQ(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo1).height(), 30);
    EXPECT_EQ(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo2), prima);
    EXPECT_NE(stile.Immagine(ORV_2016_Stile::ORV_OBJ_Attivo3).height(), 30);
    ORV_2016_Stile::CartellaStiliNumerati.clear();
}
