// The frames and layers of every intro that draws text layers, pinned byte for byte: short
// lines and lines at the length limit, in four styles, over an animation. The table holds
// digests of this renderer's own frames, so a change in how the layers are built, kept or
// drawn cannot move a single pixel unnoticed. QUENVOX_SCRIVI_IMPRONTE=1 prints the table
// anew (after a deliberate change of the look).
#include "AiutoIntro.h"

#include "render/LimiteRighe.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <cstdio>
#include <string>

namespace {

enum class Stile { Predefinito, Bagliore, Contorni, Pesante };

struct Caso {
    int intro;
    int tipo;  // intro 1's text motion
    Stile stile;
    bool lunghe;
    const char* impronte;  // layers, then preview and frames of Fotogrammi, space-separated
};

constexpr float Fotogrammi[] = {0, 1, 30, 60, 100, 150, 190};

std::string Nome(const Caso& c) {
    const char* stili[] = {"predefinito", "bagliore", "contorni", "pesante"};
    return "intro" + std::to_string(c.intro) + (c.intro == 1 ? "_tipo" + std::to_string(c.tipo) : std::string()) + "_" +
           stili[static_cast<int>(c.stile)] + (c.lunghe ? "_lunghe" : "_brevi");
}

void PrintTo(const Caso& c, std::ostream* os) { *os << Nome(c); }

QString RigaLunga(const QString& frase) {
    QString riga;
    while (riga.size() < LunghezzaMassimaRiga) riga += frase;
    riga.truncate(LunghezzaMassimaRiga);
    return riga;
}

void ApplicaStile(ImpostazioniProgetto& imp, Stile stile) {
    const ImpostazioniProgetto nuovo;
    imp.FontShadowCheck = nuovo.FontShadowCheck;
    imp.FontShadowSize = nuovo.FontShadowSize;
    imp.FontShadowOpacita = nuovo.FontShadowOpacita;
    imp.FontShadowOffsetX = nuovo.FontShadowOffsetX;
    imp.FontShadowOffsetY = nuovo.FontShadowOffsetY;
    if (stile == Stile::Bagliore) {
        imp.FontGlowCheck = true;
        imp.FontGlowSize = 30;
        imp.FontShadowSize = 30;
        imp.FontShadowOpacita = 120;
        imp.FontShadowColore = 0x2040C0;
        imp.FontShadowOffsetX = -6;
        imp.FontShadowOffsetY = 5;
        imp.Enfatizzare = true;
    } else if (stile == Stile::Pesante) {
        // Glow, shadow, flare rays and the sharpen at once: every layer and canvas pass.
        imp.FontGlowCheck = imp.FontShadowCheck = true;
        imp.FontGlowSize = imp.FontShadowSize = 30;
        imp.SfondoCheckSfondoColorato = false;
        imp.SfondoCheckSfondoFlares = true;
        imp.Enfatizzare = true;
    } else if (stile == Stile::Contorni) {
        imp.FontShadowCheck = false;
        imp.FontOutline2Check = true;
        imp.FontOutline2Opacita = 60;
        imp.FontItalic = true;
    }
}

QByteArray Impronta(const QImage& immagine) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    const QByteArray dimensioni = QByteArray::number(immagine.width()) + 'x' + QByteArray::number(immagine.height()) + ':' +
                                  QByteArray::number(static_cast<int>(immagine.format()));
    h.addData(dimensioni);
    for (int y = 0; y < immagine.height(); ++y)
        h.addData(QByteArrayView(reinterpret_cast<const char*>(immagine.constScanLine(y)),
                                 static_cast<qsizetype>(immagine.width()) * immagine.depth() / 8));
    return h.result().toHex().left(12);
}

// Every layer of the four lines as the renderers get it.
QByteArray ImprontaLayer(const ContestoRendering& c) {
    QByteArray tutte;
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        tutte += Impronta(c.LayerOggetto[static_cast<size_t>(n)].Immagine());
        tutte += Impronta(c.LayerOmbra[static_cast<size_t>(n)].Immagine());
    }
    return QCryptographicHash::hash(tutte, QCryptographicHash::Sha1).toHex().left(12);
}

class FrameTesto : public ::testing::TestWithParam<Caso> {};

TEST_P(FrameTesto, ComeFattiDaQuestoRenderer) {
    const Caso c = GetParam();
    BancoIntro b(c.intro);
    b.imp.Intro1Lista = c.tipo;
    b.imp.Intro6Laser = b.imp.Intro6Fumo = true;
    b.imp.FontSize = 40;
    ApplicaStile(b.imp, c.stile);
    if (c.lunghe) {
        b.imp.Testo1 = RigaLunga(QStringLiteral("Drovaskent presenta Quenvox, un video per tutti. "));
        b.imp.Testo2 = RigaLunga(QStringLiteral("Wq!|gy "));
    }
    QList<QByteArray> impronte;
    impronte << Impronta(b.Frame(0, false));
    impronte.prepend(ImprontaLayer(b.contesto));
    for (float t : Fotogrammi) impronte << Impronta(b.Frame(t, true));
    const QByteArray riga = impronte.join(' ');
    if (qEnvironmentVariableIsSet("QUENVOX_SCRIVI_IMPRONTE")) {
        std::printf("IMPRONTA %s \"%s\"\n", Nome(c).c_str(), riga.constData());
        GTEST_SKIP();
    }
    EXPECT_EQ(riga.toStdString(), std::string(c.impronte));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Intro, FrameTesto, ::testing::Values(
    Caso{1, 2, Stile::Predefinito, false, "d6ab9446e319 c7e2af9529d9 8c9bb834f97f 8c9bb834f97f 11df174e0f12 c7e2af9529d9 c7e2af9529d9 c7e2af9529d9 a539b0b57040"},
    Caso{1, 2, Stile::Predefinito, true, "fd2ccd943450 104de6839118 8c9bb834f97f e1a4ba11dfa3 60559e3a17c9 104de6839118 104de6839118 104de6839118 24eb80fddb20"},
    Caso{1, 2, Stile::Bagliore, true, "bca7aeda6b6e 020e5c7d9d99 8c9bb834f97f 9efc56160189 2205ee43e60a 020e5c7d9d99 020e5c7d9d99 020e5c7d9d99 3897dac94aca"},
    Caso{1, 3, Stile::Contorni, true, "cdc0321d6bf7 95de8df69053 8c9bb834f97f f67aca4efe51 86c915c5fbfc 5d22ec0651f9 95de8df69053 1e4904ba9805 b0e54c03d17d"},
    Caso{1, 8, Stile::Predefinito, true, "fd2ccd943450 43534c16368e 8c9bb834f97f fdfd9346b5d0 1d076ce16f87 5ccf557692a4 43534c16368e 43534c16368e ec4b4a8540f5"},
    Caso{1, 8, Stile::Bagliore, false, "136297f80c33 9fb57667c96f 8c9bb834f97f 0d1a39b93f59 83b3cd2b39b5 2570c85cb459 9fb57667c96f 9fb57667c96f d54de234cfd5"},
    Caso{1, 9, Stile::Bagliore, true, "bca7aeda6b6e 4e52b7d7d6b9 8c9bb834f97f 8c9bb834f97f a30a6c199438 57d3de9b04a4 ad50a3a501f2 5278b3ecc7c9 8c9bb834f97f"},
    Caso{1, 9, Stile::Predefinito, false, "d6ab9446e319 b560bb30665a 8c9bb834f97f 8c9bb834f97f ff428c2f006c f2eb4f6bd596 491c1fb5b457 683361cbb57e 8c9bb834f97f"},
    Caso{1, 10, Stile::Contorni, true, "cdc0321d6bf7 1c2767741c67 8c9bb834f97f 7d6fcebbc1d3 2f203f9aec22 a39b7a1f6528 1c2767741c67 e27f4ca74a0e 19cfc1a3d362"},
    Caso{1, 1, Stile::Contorni, false, "f73fe1d6d920 ecbc546b4e5b ecbc546b4e5b ecbc546b4e5b ecbc546b4e5b ecbc546b4e5b ecbc546b4e5b ecbc546b4e5b ecbc546b4e5b"},
    Caso{1, 1, Stile::Pesante, false, "57f4b080bbf3 bcecea59f314 d4551bd15d03 d5c1b58d5ff7 83da4d517778 583bd069ffdc c43c098a8464 c22378388e6d 51890f54e727"},
    Caso{1, 2, Stile::Pesante, false, "57f4b080bbf3 3c9d2c681954 a683123887fe e4be6b532768 cce7b901d3bd df35e5db7247 f2695a0fb4d1 caac33e68bf6 5e2117ecbd7b"},
    Caso{1, 4, Stile::Pesante, false, "57f4b080bbf3 bcecea59f314 a683123887fe e4be6b532768 29e113a63dc3 3d22eb04e753 a42dc380e6d5 ae3eebb83942 b7e4dea74eea"},
    Caso{1, 6, Stile::Pesante, false, "57f4b080bbf3 bcecea59f314 a683123887fe e4be6b532768 587cf608be01 615b72c57339 c43c098a8464 42a4b26a8f47 c860d103272e"},
    Caso{1, 8, Stile::Pesante, false, "57f4b080bbf3 bcecea59f314 a683123887fe bfe9927dad63 642582ae3490 47c4ac688c25 c43c098a8464 c22378388e6d ad944ccaa79b"},
    Caso{1, 9, Stile::Pesante, false, "57f4b080bbf3 3faaf0ccdefd a683123887fe e4be6b532768 9ff05ccc8f5b 6e0623c6b77c 78b34c84a74f 1ed4495edfed c860d103272e"},
    Caso{1, 10, Stile::Pesante, false, "57f4b080bbf3 bcecea59f314 a683123887fe e9403dc323f3 4f7eccae1f2f 5c73dc15ebf4 c43c098a8464 5175728841c9 4cbf499ba4da"},
    Caso{1, 11, Stile::Pesante, false, "57f4b080bbf3 bcecea59f314 a683123887fe e4be6b532768 8c5a363c1648 76d49edc6549 c43c098a8464 1f7fdd06f9ab ff4fa6a9c562"},
    Caso{1, 5, Stile::Pesante, true, "8e8cbdd06d93 3a4ab5228744 a683123887fe e4be6b532768 8a4408063beb ddefd0cd2581 08fd67ad44c9 95de9a920243 640dac6ed075"},
    Caso{1, 11, Stile::Predefinito, true, "fd2ccd943450 43534c16368e 8c9bb834f97f 8c9bb834f97f 011dec4cf75b 011dec4cf75b 43534c16368e da020d612d8e c1acc0f7f900"},
    Caso{6, 2, Stile::Pesante, false, "57f4b080bbf3 749ba7c5d12b a683123887fe e4be6b532768 587cf608be01 e663863f511a f4e8f9142e75 b4f32eb91e05 ec6f1f055405"},
    Caso{6, 2, Stile::Pesante, true, "8e8cbdd06d93 acb34e461532 a683123887fe e4be6b532768 587cf608be01 d92a753f5400 f3970137fd54 fb9946e6c16a 1f0c2f37353b"},
    Caso{6, 2, Stile::Predefinito, false, "e5d5103e1558 c5a746dc8a5b 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f b89378b66898 a6f82aa030c2 17bbec0374db d00b5413c6f2"},
    Caso{6, 2, Stile::Predefinito, true, "bdf4d486b52a e7c6d12a8fdb 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f 052452069ae9 e7c6d12a8fdb e7c6d12a8fdb"},
    Caso{6, 2, Stile::Bagliore, false, "136297f80c33 93bcaf2d6eb0 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f 19dbb493340b 6202a4d2e2ab d8593261d991 4004e2ddb224"},
    Caso{6, 2, Stile::Contorni, true, "c0b58c525924 18098a2c1259 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f 6fa825859d46 18098a2c1259 18098a2c1259"},
    Caso{7, 2, Stile::Predefinito, true, "fd2ccd943450 336859d03328 8c9bb834f97f 8c9bb834f97f 336859d03328 336859d03328 8c9bb834f97f 8c9bb834f97f 8c9bb834f97f"},
    Caso{7, 2, Stile::Bagliore, false, "136297f80c33 f5ba4c521a41 8c9bb834f97f 8c9bb834f97f f5ba4c521a41 f426e528fa69 c8de2623b12b 88302fff68cf 8c9bb834f97f"},
    Caso{8, 2, Stile::Predefinito, true, "fd2ccd943450 4b52ad944585 8c9bb834f97f f30541519678 99325cf8e80f 009c61426f77 19e31e048e70 19e31e048e70 92b8dd6944c0"},
    Caso{8, 2, Stile::Contorni, false, "f73fe1d6d920 32e3142e0af6 8c9bb834f97f bd90d82549e2 1f114b4885f9 190b366a7505 31254b578089 31254b578089 ed46d1991b7e"},
    Caso{8, 2, Stile::Bagliore, true, "bca7aeda6b6e 2982c6fe042b 8c9bb834f97f 35336fb6bc08 52f739028ada d6ee6c3db1f2 c62159710c2e c62159710c2e cdc639c230ff"},
    Caso{9, 2, Stile::Predefinito, true, "fd2ccd943450 aa74fadc770d 8c9bb834f97f 8c9bb834f97f aa74fadc770d aa74fadc770d aa74fadc770d 12ab1e130b78 8c9bb834f97f"},
    Caso{9, 2, Stile::Bagliore, false, "136297f80c33 5908988a6061 8c9bb834f97f 8c9bb834f97f 5908988a6061 5908988a6061 5908988a6061 2d64e8179291 8c9bb834f97f"},
    Caso{9, 2, Stile::Contorni, true, "cdc0321d6bf7 47bb72481bd6 8c9bb834f97f 8c9bb834f97f 47bb72481bd6 47bb72481bd6 47bb72481bd6 1ae433182b57 8c9bb834f97f"}),
    [](const ::testing::TestParamInfo<Caso>& i) { return Nome(i.param); });
// clang-format on

}  // namespace
