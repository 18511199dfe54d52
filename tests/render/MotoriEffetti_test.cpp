#include "render/MotoriEffetti.h"

#include "common/CasaTemporanea.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Casuale.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <string>
#include <cstdlib>

namespace {

QImage Disco(int lato, QColor colore) {
    QImage img(lato, lato, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(lato / 2.0, lato / 2.0, lato / 2.0);
    g.setColorAt(0, colore);
    colore.setAlpha(0);
    g.setColorAt(1, colore);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(0, 0, lato, lato);
    // A bar off the centre, so a turned sprite differs from the unturned one.
    p.fillRect(lato / 2, lato / 2 - 2, lato / 2 - 4, 4, Qt::white);
    return img;
}

// Fixture sprites in every effect slot and the two lens pictures in a program folder of
// its own; a black canvas; a fixed seed.
class BancoEffetti {
public:
    BancoEffetti() : programmaPrima_(CartellaProgramma) {
        CartellaProgramma = casa_.Percorso();
        QDir().mkpath(casa_.Sotto("Intro"));
        const struct {
            int primo, ultimo, lato;
            QColor colore;
        } sprite[] = {
            {5, 9, 64, QColor(255, 255, 255)},   {10, 14, 200, QColor(255, 220, 160)},
            {15, 19, 256, QColor(255, 160, 60)}, {20, 23, 100, QColor(120, 220, 255)},
            {24, 24, 32, QColor(255, 255, 230)}, {25, 27, 128, QColor(200, 200, 200)},
        };
        for (const auto& s : sprite)
            for (int slot = s.primo; slot <= s.ultimo; ++slot) {
                const QString percorso = casa_.Sotto(QStringLiteral("Intro/%1.png").arg(slot, 2, 10, QLatin1Char('0')));
                Disco(s.lato, s.colore).save(percorso);
                imp.TabellaImmagini[static_cast<std::size_t>(slot)] = percorso;
            }
        Disco(400, QColor(255, 200, 255)).save(casa_.Sotto("Intro/42.png"));
        Disco(300, QColor(200, 255, 200)).save(casa_.Sotto("Intro/44.png"));
        canvas.fill(Qt::black);
        FissaSemeCasuale(2024);
    }
    ~BancoEffetti() {
        CartellaProgramma = programmaPrima_;
        LiberaSemeCasuale();
    }

    // The effect steps of one frame in the pipeline's order.
    void Frame(float t, float n = 200) {
        QPainter grafica(&canvas);
        ContestoEffetti c{imp, t, n, canvas, grafica};
        motori.PreparaParticelle(c);
        motori.DisegnaParticelleDietro(c);
        motori.DisegnaParticelleDavanti(c);
        motori.DisegnaLensFlare(c);
        motori.DisegnaNeve(c);
    }

    bool Nero() const {
        for (int y = 0; y < canvas.height(); y += 3) {
            const auto* riga = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
            for (int x = 0; x < canvas.width(); ++x)
                if ((riga[x] & 0xFFFFFF) != 0) return false;
        }
        return true;
    }

    ImpostazioniProgetto imp;
    QImage canvas{1920, 1080, QImage::Format_ARGB32_Premultiplied};
    MotoriEffetti motori;

private:
    CasaTemporanea casa_;
    QString programmaPrima_;
};

TEST(MotoriEffetti, EachFrameStepsTheEmitterOnce) {
    BancoEffetti b;
    b.imp.EffettiParticelleCheck = true;
    b.imp.EffettiParticelleLista = 3;
    b.imp.EffettiParticelleQuantita = 0;  // nothing drawn, the emitter still steps
    b.imp.EffettiParticelleVita = 1000;
    b.Frame(0);
    Fire& f = b.motori.EffettoFuoco();
    ASSERT_TRUE(f.Inizializzato());
    EXPECT_EQ(f.Numero(), 0);
    EXPECT_TRUE(b.Nero());

    b.motori.AzzeraParticelle();
    b.imp.EffettiParticelleQuantita = 30;
    b.Frame(0);
    ASSERT_EQ(f.Numero(), 30);
    std::vector<int> eta;
    for (int i = 0; i < 30; ++i) eta.push_back(f.Dati(i).age);
    b.Frame(1);
    b.Frame(2);
    for (int i = 0; i < 30; ++i)
        if (f.Dati(i).age != 0) {
            EXPECT_EQ(f.Dati(i).age, eta[i] + 2) << "particle " << i;
        }
    EXPECT_FALSE(b.Nero());
}

TEST(MotoriEffetti, RingIsBuiltForIntroTenAndDrawnOnlyThere) {
    {
        BancoEffetti b;  // particles off, intro 1: the ring is built but not drawn
        b.imp.IntroLista = 1;
        b.imp.EffettiParticelleVita = 10;
        b.Frame(50);
        EXPECT_TRUE(b.motori.EffettoCerchioPalle().Inizializzato());
        EXPECT_TRUE(b.Nero());
    }
    {
        BancoEffetti b;  // particles on from the start: intro 10 still gets its ring
        b.imp.IntroLista = 10;
        b.imp.EffettiParticelleCheck = true;
        b.imp.EffettiParticelleLista = 2;
        b.imp.EffettiParticelleQuantita = 0;
        b.imp.EffettiParticelleVita = 10;
        b.Frame(50);
        EXPECT_EQ(b.motori.EffettoCerchioPalle().Numero(), 3000);
        EXPECT_FALSE(b.Nero());
    }
}

TEST(MotoriEffetti, NoFramesAndMissingSpritesStillRender) {
    BancoEffetti b;
    b.imp.IntroLista = 10;
    b.imp.EffettiLensFlareCheck = true;
    b.imp.EffettiParticelleVita = 5;
    for (int tipo = 1; tipo <= 3; ++tipo) {
        b.imp.EffettoLensFlareLista = tipo;
        b.Frame(0, 0);
    }
    EXPECT_FALSE(b.Nero());

    BancoEffetti vuoto;
    for (QString& percorso : vuoto.imp.TabellaImmagini) percorso.clear();
    CartellaProgramma = QStringLiteral("/nonexistent");
    vuoto.imp.EffettiNeveCheck = true;
    vuoto.imp.EffettiLensFlareCheck = true;
    vuoto.imp.EffettiParticelleCheck = true;
    for (int tipo = 1; tipo <= 4; ++tipo) {
        vuoto.motori.AzzeraParticelle();
        vuoto.imp.EffettiParticelleLista = tipo;
        vuoto.imp.EffettoLensFlareLista = tipo <= 3 ? tipo : 1;
        vuoto.Frame(3);
    }
    EXPECT_TRUE(vuoto.Nero()) << "a sprite that cannot be read draws nothing";
}

TEST(MotoriEffetti, ResetAndRingRotationSwitch) {
    BancoEffetti b;
    b.imp.EffettiParticelleCheck = true;
    b.imp.EffettiParticelleLista = 6;
    b.imp.IntroLista = 10;
    b.Frame(0);
    ParticleSystem& fumo = b.motori.EmettitoreFumo();
    fumo.ImpostaModo(3);
    fumo.Inizializza(4, {}, 0, 0, 0, 0, 0, 0, 30, 100, 4);
    ASSERT_TRUE(b.motori.EffettoRimbalzo().Inizializzato());
    b.motori.AzzeraParticelle();
    EXPECT_FALSE(b.motori.EffettoRimbalzo().Inizializzato());
    EXPECT_FALSE(b.motori.EffettoCerchioPalle().Inizializzato());
    EXPECT_FALSE(fumo.Inizializzato());

    b.Frame(0);
    fumo.Inizializza(4, {}, 0, 0, 0, 0, 0, 0, 30, 100, 4);
    fumo.PosizionaParticella(2, 10, 10);
    b.motori.PreparaAvvioAnimazione();
    EXPECT_EQ(fumo.Dati(2).variant, 0);
    EXPECT_FALSE(b.motori.EffettoCerchioPalle().Inizializzato());
    b.Frame(0);
    CerchioPalle& cerchio = b.motori.EffettoCerchioPalle();
    b.motori.CambiaRotazioneCerchio(false, true);
    EXPECT_EQ(cerchio.Modo(), 2);
    EXPECT_TRUE(cerchio.Inizializzato());
    b.motori.CambiaRotazioneCerchio(true, true);
    EXPECT_EQ(cerchio.Modo(), 1);
}

TEST(MotoriEffetti, FireIsDrawnWithoutBlueAndAtMostHalfOpaque) {
    BancoEffetti b;
    b.imp.EffettiParticelleCheck = true;
    b.imp.EffettiParticelleLista = 1;
    b.imp.EffettiParticelleQuantita = 1;
    b.imp.EffettiParticelleVita = 20;
    b.Frame(0);
    int rossi = 0;
    for (int y = 0; y < b.canvas.height(); ++y)
        for (int x = 0; x < b.canvas.width(); ++x) {
            const QRgb p = b.canvas.pixel(x, y);
            ASSERT_EQ(qBlue(p), 0) << x << "," << y;
            ASSERT_LE(qRed(p), 129) << "one puff over black shows at most half of its red";
            rossi += qRed(p) > 0;
        }
    EXPECT_GT(rossi, 0);
}

// A frame reduced to 24 x 12 cells of mean brightness, as hex.
std::string Firma(const QImage& canvas) {
    std::string firma;
    for (int cy = 0; cy < 12; ++cy)
        for (int cx = 0; cx < 24; ++cx) {
            long somma = 0;
            for (int y = cy * 90; y < cy * 90 + 90; y += 2)
                for (int x = cx * 80; x < cx * 80 + 80; x += 2) somma += qGray(canvas.pixel(x, y));
            char cella[3];
            std::snprintf(cella, sizeof cella, "%02x", static_cast<int>(somma / (45 * 40)));
            firma += cella;
        }
    return firma;
}

void ConfrontaFirma(const QImage& canvas, const char* nome, const std::string& riferimento) {
    const std::string firma = Firma(canvas);
    if (std::getenv("QUENVOX_NUOVE_FIRME")) {
        std::printf("%s: \"%s\"\n", nome, firma.c_str());
        return;
    }
    ASSERT_EQ(firma.size(), riferimento.size()) << nome;
    int fuori = 0;
    for (std::size_t i = 0; i < firma.size(); i += 2) {
        const int a = std::stoi(firma.substr(i, 2), nullptr, 16);
        const int r = std::stoi(riferimento.substr(i, 2), nullptr, 16);
        if (std::abs(a - r) > 3) ++fuori;
    }
    EXPECT_EQ(fuori, 0) << nome << " now: " << firma;
}

// Seeded frames against our own reference frames (regenerate with QUENVOX_NUOVE_FIRME=1 when
// a drawing change is meant).
TEST(MotoriEffetti, SeededFramesMatchTheReferenceFrames) {
    struct Caso {
        const char* nome;
        std::function<void(ImpostazioniProgetto&)> imposta;
        std::string firma;
    };
    const Caso casi[] = {
        {"fire",
         [](ImpostazioniProgetto& i) {
             i.EffettiParticelleCheck = true;
             i.EffettiParticelleLista = 1;
             i.EffettiParticelleQuantita = 150;
             i.EffettiParticelleVita = 60;
         },
         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000000000000000000050701000000000000000000000000000000000000000000060902000000000000000000000000"
         "000000000000000000000100000000000201000103010002000000000000000000000000000000040e0800000201020e"
         "000205010000000000000000010000070a04000306110f0b0e161a0d00000506010005070c0c171f1305031417191e0f"
         "18161a1a08010c1e150c1d1c17172a2d1e170d16100e22150a0e2239220a153a3a282c323d36291f1018252a15122a17"
         "1e3e48534a362b4033285e72767961484243464d2d32492b5c74808976483c5657547c8c77716a6682897e7f5a516240"},
        {"bouncing balls",
         [](ImpostazioniProgetto& i) {
             i.EffettiParticelleCheck = true;
             i.EffettiParticelleLista = 6;
             i.EffettiParticelleQuantita = 80;
             i.EffettiParticelleVita = 80;
         },
         "00001400000517000000220013000000000000020a00000d000000000c03000000000000000000000000000000000000"
         "00000000140e02000a05000700000500070002000c000b00000400000000000011000e040900020003000a0000000e0a"
         "000d070007000f1400000c00000a000715000a020002110002060d040000000000000e1e080700000200010003040101"
         "00000000000107000000000002040000000001010000000000000000000000000a000000020200010000000008080000"
         "000000000000000003000000010100000000000004010000000000000000030000000000000000000000000000000000"
         "000000000000000000000002010100000000000000000000000001000000000000000002000000000000000000000000"},
        {"ring, snow and flare",
         [](ImpostazioniProgetto& i) {
             i.IntroLista = 10;
             i.EffettiParticelleVita = 40;
             i.EffettiNeveCheck = true;
             i.EffettiLensFlareCheck = true;
         },
         "120c0c0d26151d191d14180906030424191d0d0e0e1a160d100d1d2634151a1b02070b160a06010812281d09171e111d"
         "1d2b242113211800040d11150d08020000152826101c14051e0f230c0e12000003081a250d0702000000092a1516120e"
         "081613152e0c000402050a0f070300000000141d1102111d130b141e2b0b000100000207040200000000021f2a102024"
         "11101a231d0a00000000060e12110a020000123229310f181c18252e250f0000000513293e22180b00000f1f513d2124"
         "171e100a16090100000b1b2a4f3422120300152d283a200c29271e1716231300021422348069281204212626113c3023"
         "1a181c1518162c120006132d7b80340e08172422192c101d240b130c1522243a2002132648634d30311d1109101f1622"},
    };
    for (const Caso& caso : casi) {
        BancoEffetti b;
        caso.imposta(b.imp);
        b.motori.SeminaNeve();
        for (int t = 0; t < 12; ++t) {
            b.canvas.fill(Qt::black);
            b.Frame(static_cast<float>(t * 8));
        }
        ConfrontaFirma(b.canvas, caso.nome, caso.firma);
    }
}

}  // namespace
