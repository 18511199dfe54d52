#include "project/PresetIntro.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Counts the renders and the sheets shown, and keeps the settings each render saw.
class PresetIntro : public ::testing::Test {
protected:
    void SetUp() override {
        InstallaRichiamiPreset({[this](int intro) { pagine.push_back(intro); },
                                [this](const ImpostazioniProgetto& p) { rese.push_back(p); }});
    }
    void TearDown() override { InstallaRichiamiPreset({}); }

    std::vector<int> pagine;
    std::vector<ImpostazioniProgetto> rese;
};

// Every setting a preset may touch moved away from all preset values.
ImpostazioniProgetto Spostato() {
    ImpostazioniProgetto p;
    p.SfondoCheckSfondoColorato = false;
    p.SfondoCheckSfondoFlares = true;
    p.SfondoColori = {0x123456, 0x654321};
    p.Testo = {"riga a", "riga b"};
    p.AlignT1SX = 1, p.AlignT1Centro = 0, p.Logo2 = 1, p.LogoStyle4 = 1, p.AlignT4DX = 1;
    p.Interlinea = 77;
    p.AlignVAlto = 1, p.AlignVCentro = 0;
    p.FontSize = 33;
    p.FontColore = {0x111111, 0x222222};
    p.FontTrasparente = true;
    p.FontBold = false;
    p.FontItalic = true;
    p.FontOpacita = 40;
    p.FontGlowCheck = true;
    p.FontGlowSize = 29;
    p.Enfatizzare = false;
    p.FontOutline1Check = false;
    p.FontOutline1Colore = 0x010203;
    p.FontOutline1Size = 29;
    p.FontOutline2Check = true;
    p.FontOutline2Colore = 0x030201;
    p.FontOutline2Size = 28;
    p.FontShadowCheck = false;
    p.FontShadowSize = 27;
    p.FontShadowOpacita = 55;
    p.FontShadowOffsetX = -9;
    p.EffettiNeveCheck = true;
    p.EffettiLensFlareCheck = true;
    p.EffettoLensFlareLista = 3;
    p.EffettiParticelleCheck = true;
    p.EffettiParticelleLista = 4;
    p.EffettiParticelleQuantita = 999;
    p.EffettiParticelleVita = 299;
    p.EffettiParticelleColore = {0x0A0B0C, 0x0C0B0A};
    p.Intro1Lista = 3;
    p.Testo1 = "mio testo";
    p.Intro4AsseX = -500;
    for (int s = 0; s < 36; ++s) p.TabellaImmagini[static_cast<size_t>(s)] = QString("/slot/%1.png").arg(s);
    return p;
}

TEST_F(PresetIntro, IntrosTwoToFiveChangeOnlyTheirFewSettings) {
    struct Caso {
        int intro;
        std::function<void(ImpostazioniProgetto&)> cambia;
    } casi[] = {
        {2, [](ImpostazioniProgetto& p) { p.SfondoColori = {0x000000, 0x808080}; p.Intro2SfondoFile = "/slot/1.png"; }},
        {3, [](ImpostazioniProgetto& p) { p.SfondoColori = {0x000000, 0x808080}; p.Intro3SfondoFile = "/slot/2.png"; }},
        {4, [](ImpostazioniProgetto& p) { p.SfondoColori = {0x000000, 0x000000}; }},
        {5, [](ImpostazioniProgetto& p) {
             p.SfondoColori = {0x800000, 0x000000};
             p.EffettiParticelleCheck = true;
             p.EffettiParticelleLista = 6;
             p.EffettiParticelleQuantita = 250;
             p.EffettiParticelleVita = 100;
             p.EffettiParticelleColore = {0xFEAE9A, 0xA03C3C};
         }},
    };
    for (const Caso& c : casi) {
        pagine.clear();
        rese.clear();
        ImpostazioniProgetto p = Spostato();
        p.IntroLista = c.intro;
        ImpostazioniProgetto atteso = p;
        c.cambia(atteso);
        ImpostaPredefinitiIntro(p);
        EXPECT_TRUE(p == atteso) << "intro " << c.intro;
        ASSERT_EQ(rese.size(), 1u) << "intro " << c.intro;
        EXPECT_TRUE(rese[0] == atteso) << "intro " << c.intro;
        EXPECT_EQ(pagine, std::vector<int>{c.intro});
    }
}

TEST_F(PresetIntro, CommonBlockPerIntro) {
    struct Caso {
        int intro;
        DueColori sfondo;
        int interlinea, fontSize;
        DueColori font;
        bool trasparente, enfatizzare;
        int outline1Size;
        bool outline2Check;
        Colore outline2Colore;
        int outline2Size;
        bool shadowCheck;
        int shadowSize, particelleLista, quantita, vita;
        DueColori particelle;
    } casi[] = {
        {1, {0xD6C700, 0x610700}, 1, 160, {0x0079B3, 0x8AEBFF}, false, true, 6, false, 0xFFFFFF, 12, true, 14, 1, 150, 60, {0xFEAE9A, 0xA03C3C}},
        {6, {0x000000, 0x808080}, 1, 200, {0x0079B3, 0x8AEBFF}, true, true, 6, false, 0xFFFFFF, 12, false, 14, 6, 250, 100, {0xFEAE9A, 0xA03C3C}},
        {7, {0x961F00, 0x610700}, -38, 180, {0xFF8700, 0x621F00}, false, true, 8, true, 0xD6D6D6, 6, false, 23, 6, 250, 100, {0xFFFF98, 0x98833B}},
        {8, {0x961F00, 0x610700}, -38, 180, {0xFF8700, 0x621F00}, false, true, 8, true, 0xD6D6D6, 6, false, 23, 6, 250, 100, {0xFFFF98, 0x98833B}},
        {9, {0xFDFDFD, 0xF2F2F2}, 1, 160, {0x606060, 0x010101}, false, false, 6, true, 0x777878, 4, false, 14, 1, 150, 60, {0xFEAE9A, 0xA03C3C}},
        // Intro 10 ends with scheme 1 "Blu", which repeats the column's colours.
        {10, {0x961F00, 0x610700}, -38, 180, {0xFF8700, 0x621F00}, false, true, 8, true, 0xD6D6D6, 6, false, 23, 6, 250, 100, {0xFFFF98, 0x98833B}},
    };
    for (const Caso& c : casi) {
        rese.clear();
        ImpostazioniProgetto p = Spostato();
        p.IntroLista = c.intro;
        ImpostaPredefinitiIntro(p);
        SCOPED_TRACE(c.intro);
        EXPECT_EQ(p.SfondoColori, c.sfondo);
        EXPECT_EQ(p.Interlinea, c.interlinea);
        EXPECT_EQ(p.FontSize, c.fontSize);
        EXPECT_EQ(p.FontColore, c.font);
        EXPECT_EQ(p.FontTrasparente, c.trasparente);
        EXPECT_EQ(p.Enfatizzare, c.enfatizzare);
        EXPECT_EQ(p.FontOutline1Size, c.outline1Size);
        EXPECT_EQ(p.FontOutline2Check, c.outline2Check);
        EXPECT_EQ(p.FontOutline2Colore, c.outline2Colore);
        EXPECT_EQ(p.FontOutline2Size, c.outline2Size);
        EXPECT_EQ(p.FontShadowCheck, c.shadowCheck);
        EXPECT_EQ(p.FontShadowSize, c.shadowSize);
        EXPECT_EQ(p.EffettiParticelleLista.Voce(), c.particelleLista);
        EXPECT_EQ(p.EffettiParticelleQuantita, c.quantita);
        EXPECT_EQ(p.EffettiParticelleVita, c.vita);
        EXPECT_EQ(p.EffettiParticelleColore, c.particelle);

        // The fixed part of the block.
        EXPECT_TRUE(p.SfondoCheckSfondoColorato);
        EXPECT_FALSE(p.SfondoCheckSfondoFlares);
        EXPECT_TRUE(p.Testo.isEmpty());
        EXPECT_EQ(p.AlignT1SX + p.AlignT4DX + p.Logo2 + p.LogoStyle4, 0);
        EXPECT_EQ(p.AlignT1Centro, 1);
        EXPECT_EQ(p.AlignVAlto * 10 + p.AlignVCentro, 1);
        EXPECT_TRUE(p.FontBold);
        EXPECT_FALSE(p.FontItalic);
        EXPECT_EQ(p.FontOpacita, 100);
        EXPECT_FALSE(p.FontGlowCheck);
        EXPECT_EQ(p.FontGlowSize, 6);
        EXPECT_TRUE(p.FontOutline1Check);
        EXPECT_EQ(p.FontOutline1Colore, 0x404040u);
        EXPECT_EQ(p.FontShadowOpacita, 7);
        EXPECT_EQ(p.FontShadowOffsetX, 4);
        EXPECT_FALSE(p.EffettiNeveCheck);
        EXPECT_FALSE(p.EffettiLensFlareCheck);
        EXPECT_EQ(p.EffettoLensFlareLista.Voce(), 1);
        EXPECT_FALSE(p.EffettiParticelleCheck);  // kind, count and life set, the effect stays off

        // Outside the block.
        EXPECT_EQ(p.Testo1, "mio testo");
        EXPECT_EQ(p.Intro4AsseX, -500);
        EXPECT_EQ(p.Intro1Lista.Voce(), c.intro == 10 ? 6 : 3);
        EXPECT_EQ(rese.size(), 1u);
    }
}

TEST_F(PresetIntro, BackgroundPictureIsFilledOnlyWhenNoneChosen) {
    struct Caso {
        int intro;
        QString ImpostazioniProgetto::*file;
        const char* prima;
        const char* dopo;
    } casi[] = {
        {2, &ImpostazioniProgetto::Intro2SfondoFile, "", "/slot/1.png"},
        {2, &ImpostazioniProgetto::Intro2SfondoFile, "ab", "/slot/1.png"},
        {2, &ImpostazioniProgetto::Intro2SfondoFile, "/mia.jpg", "/mia.jpg"},
        {3, &ImpostazioniProgetto::Intro3SfondoFile, "", "/slot/2.png"},
        {6, &ImpostazioniProgetto::Intro6SfondoFile, "", "/slot/3.png"},
        {6, &ImpostazioniProgetto::Intro6SfondoFile, "/m.jpg", "/m.jpg"},
    };
    for (const Caso& c : casi) {
        ImpostazioniProgetto p = Spostato();
        p.IntroLista = c.intro;
        p.*c.file = c.prima;
        ImpostaPredefinitiIntro(p);
        ImpostaPredefinitiIntro(p);  // a second pick keeps the picture
        EXPECT_EQ(p.*c.file, c.dopo) << c.intro << " " << c.prima;
    }
}

TEST_F(PresetIntro, IntroTenEndsWithTheChosenScheme) {
    ImpostazioniProgetto p = Spostato();
    p.IntroLista = 10;
    p.Intro10Colori = 3;  // "Verde"
    ImpostaPredefinitiIntro(p);
    EXPECT_EQ(p.SfondoColori, (DueColori{0x03F521, 0x004F04}));
    EXPECT_EQ(p.FontColore, (DueColori{0x00740F, 0x64FF9C}));
    EXPECT_EQ(p.FontOutline1Colore, 0x004B21u);
    EXPECT_EQ(p.FontOutline2Colore, 0xBBFFD4u);
    EXPECT_EQ(p.EffettiParticelleColore, (DueColori{0xFDFDFD, 0x03FF2B}));
    EXPECT_EQ(p.EffettiParticelleLista.Voce(), 6);
    EXPECT_EQ(p.EffettiParticelleQuantita, 250);
    ASSERT_EQ(rese.size(), 1u);
    EXPECT_TRUE(rese[0] == p);
}

TEST_F(PresetIntro, SchemesOfIntroTen) {
    struct Caso {
        int schema;
        DueColori sfondo;
        Colore outline2;
    } casi[] = {{1, {0x961F00, 0x610700}, 0xD6D6D6}, {2, {0x00DDFF, 0x002D72}, 0x0079B3},
                {4, {0x0321F5, 0x00044F}, 0x0079B3}, {5, {0x545454, 0x000000}, 0x00ECFF}};
    for (const Caso& c : casi) {
        rese.clear();
        ImpostazioniProgetto p = Spostato();
        p.Intro10Colori = c.schema;
        ApplicaColoriIntro10(p);
        EXPECT_EQ(p.SfondoColori, c.sfondo) << c.schema;
        EXPECT_EQ(p.FontOutline2Colore, c.outline2) << c.schema;
        EXPECT_EQ(p.Interlinea, -38);
        EXPECT_EQ(p.Intro1Lista.Voce(), 6);
        EXPECT_TRUE(p.FontOutline2Check);
        EXPECT_EQ(p.FontSize, 33);  // not part of a scheme
        EXPECT_EQ(rese.size(), 1u);
    }
}

TEST_F(PresetIntro, LensFlareLookOnlyForLentiUno) {
    for (int voce : {1, 2, 3}) {
        rese.clear();
        ImpostazioniProgetto p = Spostato();
        p.EffettoLensFlareLista = voce;
        const ImpostazioniProgetto prima = p;
        ApplicaLookLensFlare(p);
        if (voce != 2) {
            EXPECT_TRUE(p == prima) << voce;
            EXPECT_TRUE(rese.empty()) << voce;
            continue;
        }
        EXPECT_EQ(p.Interlinea, -38);
        EXPECT_EQ(p.SfondoColori, (DueColori{0x961F00, 0x610700}));
        EXPECT_EQ(p.FontColore, (DueColori{0xFF8700, 0x621F00}));
        EXPECT_EQ(p.FontOutline1Size, 8);
        EXPECT_EQ(p.FontOutline2Size, 6);
        EXPECT_EQ(p.FontOutline1Colore, 0x404040u);
        EXPECT_EQ(p.FontOutline2Colore, 0xD6D6D6u);
        EXPECT_EQ(p.FontShadowSize, 23);
        EXPECT_EQ(p.Intro1Lista.Voce(), 6);
        EXPECT_EQ(p.EffettiParticelleColore, prima.EffettiParticelleColore);
        EXPECT_EQ(rese.size(), 1u);
    }
}

}  // namespace
