#include "platform/Grafica.h"

#include <gtest/gtest.h>

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

TEST(Grafica, ColoreDaControlloLeggeIlRossoNelByteBasso) {
    EXPECT_EQ(ColoreDaControllo(0x00332211), QColor(0x11, 0x22, 0x33, 255));
    EXPECT_EQ(ColoreDaControllo(0x0000FF, 32), QColor(255, 0, 0, 32));
    EXPECT_EQ(ColoreDaControllo(0, 300).alpha(), 255);
}

TEST(Grafica, MatriciDiColore) {
    QImage img(2, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(100, 150, 200, 200));
    img.setPixel(1, 0, qRgba(10, 20, 30, 255));
    EXPECT_TRUE(MatriceColore::Alfa(0.5f).SoloAlfa());
    EXPECT_FALSE(MatriceColore::Colori(0.05f, 0, 0.6f).SoloAlfa());

    const QImage mezzo = ApplicaMatriceColore(img, MatriceColore::Alfa(0.5f));
    EXPECT_EQ(mezzo.pixel(0, 0), qRgba(100, 150, 200, 100));
    // Colours raised by 1.0 are white; alpha times 0.6.
    const QImage bianco = ApplicaMatriceColore(img, MatriceColore::Colori(1.0f, 1.0f, 0.6f));
    EXPECT_EQ(bianco.pixel(1, 0), qRgba(255, 255, 255, 153));
    const QImage scuro = ApplicaMatriceColore(img, MatriceColore::Colori(0.05f, 0.0f, 1.0f));
    EXPECT_EQ(scuro.pixel(0, 0), qRgba(5, 8, 10, 200));

    // Drawn through a matrix: opacity for alpha alone, a tinted copy otherwise.
    QImage tela(2, 1, QImage::Format_ARGB32);
    tela.fill(qRgba(0, 0, 0, 255));
    QPainter p(&tela);
    DisegnaConMatrice(p, QRectF(0, 0, 2, 1), img, img.rect(), MatriceColore::Colori(1.0f, 1.0f, 1.0f));
    DisegnaConMatrice(p, QRectF(0, 0, 2, 1), img, img.rect(), MatriceColore::Alfa(0.0f));
    p.end();
    EXPECT_EQ(tela.pixel(1, 0), qRgba(255, 255, 255, 255));
}

TEST(Grafica, BlendComeFermateDelGradiente) {
    QLinearGradient g(0, 0, 100, 0);
    ImpostaBlend(g, QColor(64, 64, 64), QColor(255, 128, 64), {0, 0, 1, 0, 0}, {0.0f, 0.2f, 0.5f, 0.8f, 1.0f});
    const QGradientStops f = g.stops();
    ASSERT_EQ(f.size(), 5);
    EXPECT_EQ(f[2].first, 0.5);
    EXPECT_EQ(f[2].second, QColor(255, 128, 64));
    EXPECT_EQ(f[1].second, QColor(64, 64, 64));
    // Positions that do not rise, or leave 0..1, are kept in order and clamped.
    ImpostaBlend(g, Qt::black, Qt::white, {0, 0, 1, 0, 0}, {0.0f, 0.0f, -0.07f, 0.23f, 1.0f});
    const QGradientStops h = g.stops();
    for (int i = 1; i < h.size(); ++i) EXPECT_GE(h[i].first, h[i - 1].first);
    ImpostaBlend(g, Qt::black, Qt::white, {0, 0, 1, 0, 0}, {0.0f, 1.0f, 1.0f, 1.3f, 1.0f});
    for (const auto& s : g.stops()) EXPECT_LE(s.first, 1.0);
}

TEST(Grafica, ScalaAltaQualita) {
    QImage piatto(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    piatto.fill(qRgb(37, 140, 222));
    const QImage s = ScalaAltaQualita(piatto, QSize(1280, 720));
    ASSERT_EQ(s.size(), QSize(1280, 720));
    EXPECT_EQ(s.pixel(0, 0), qRgb(37, 140, 222));  // a flat area stays exactly flat
    EXPECT_EQ(s.pixel(640, 360), qRgb(37, 140, 222));
    EXPECT_EQ(s.pixel(1279, 719), qRgb(37, 140, 222));

    // A black/white edge shrinks to a soft edge without wrapping or colour past alpha.
    QImage bordo(8, 2, QImage::Format_ARGB32_Premultiplied);
    bordo.fill(Qt::transparent);
    for (int x = 4; x < 8; ++x)
        for (int y = 0; y < 2; ++y) bordo.setPixel(x, y, qRgba(255, 255, 255, 255));
    const QImage b = ScalaAltaQualita(bordo, QSize(4, 1));
    EXPECT_EQ(qAlpha(b.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(b.pixel(3, 0)), 255);
    for (int x = 0; x < 4; ++x) EXPECT_LE(qRed(b.pixel(x, 0)), qAlpha(b.pixel(x, 0)));
    EXPECT_TRUE(ScalaAltaQualita(QImage(), QSize(4, 4)).isNull());
    EXPECT_TRUE(ScalaAltaQualita(bordo, QSize(0, 4)).isNull());
}

// The preview's scaler: exact on flat areas, close to the high-quality one on smooth pictures,
// never colour beyond alpha, and any size in or out.
TEST(Grafica, ScalaVeloce) {
    QImage piatto(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    piatto.fill(qRgb(37, 140, 222));
    const QImage s = ScalaVeloce(piatto, QSize(1120, 630));
    ASSERT_EQ(s.size(), QSize(1120, 630));
    ASSERT_EQ(s.format(), QImage::Format_ARGB32_Premultiplied);
    for (const QPoint p : {QPoint(0, 0), QPoint(560, 315), QPoint(1119, 629)}) EXPECT_EQ(s.pixel(p), qRgb(37, 140, 222));

    QImage sfumato(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < sfumato.height(); ++y)
        for (int x = 0; x < sfumato.width(); ++x) sfumato.setPixel(x, y, qRgb(x * 255 / 1919, y * 255 / 1079, (x + y) % 256 < 128 ? 40 : 41));
    const QImage veloce = ScalaVeloce(sfumato, QSize(1120, 630));
    const QImage fine = ScalaAltaQualita(sfumato, QSize(1120, 630));
    int massimo = 0;
    for (int y = 0; y < veloce.height(); ++y)
        for (int x = 0; x < veloce.width(); ++x) {
            const QRgb a = veloce.pixel(x, y), b = fine.pixel(x, y);
            massimo = std::max({massimo, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(massimo, 2);

    QImage bordo(8, 2, QImage::Format_ARGB32_Premultiplied);
    bordo.fill(Qt::transparent);
    for (int x = 4; x < 8; ++x)
        for (int y = 0; y < 2; ++y) bordo.setPixel(x, y, qRgba(255, 255, 255, 255));
    const QImage b = ScalaVeloce(bordo, QSize(4, 1));
    EXPECT_EQ(qAlpha(b.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(b.pixel(3, 0)), 255);
    for (int x = 0; x < 4; ++x) EXPECT_LE(qRed(b.pixel(x, 0)), qAlpha(b.pixel(x, 0)));

    QImage punto(1, 1, QImage::Format_RGB32);
    punto.fill(qRgb(9, 8, 7));
    for (const QSize d : {QSize(1, 1), QSize(5, 3)}) {
        const QImage p = ScalaVeloce(punto, d);
        ASSERT_EQ(p.size(), d);
        EXPECT_EQ(p.pixel(d.width() - 1, d.height() - 1), qRgb(9, 8, 7));
    }
    EXPECT_TRUE(ScalaVeloce(QImage(), QSize(4, 4)).isNull());
    EXPECT_TRUE(ScalaVeloce(bordo, QSize(0, 4)).isNull());
}

// Black and white detail finer than the preview's pixels comes out as its mean grey at every
// preview size (a 1920x1080 frame shown 448 to 1280 wide), not as stripes or moire. From 2:1
// down the grey is even; nearer 1:1 no small filter can hide such lines, and they stay faint
// (within an eighth of the contrast, as with the high-quality filter).
TEST(Grafica, ScalaVeloceNonFaAliasing) {
    struct Motivo {
        const char* nome;
        bool (*bianco)(int x, int y);
        int periodo;  // pixels; finer than the output's pixels where 1920 / larghezza > periodo / 2
    };
    const Motivo motivi[] = {
        {"vertical lines 1 px", [](int x, int) { return x % 2 == 0; }, 2},
        {"horizontal lines 1 px", [](int, int y) { return y % 2 == 0; }, 2},
        {"checkerboard 1 px", [](int x, int y) { return (x + y) % 2 == 0; }, 2},
        {"vertical lines 2 px", [](int x, int) { return x % 4 < 2; }, 4},
    };
    const QSize anteprime[] = {{448, 252}, {672, 378}, {960, 540}, {1120, 630}, {1280, 720}};
    for (const Motivo& m : motivi) {
        QImage fine(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < fine.height(); ++y) {
            auto* riga = reinterpret_cast<QRgb*>(fine.scanLine(y));
            for (int x = 0; x < fine.width(); ++x) riga[x] = m.bianco(x, y) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
        for (const QSize d : anteprime) {
            const double rapporto = 1920.0 / d.width();
            if (rapporto <= m.periodo / 2.0) continue;
            const int scarto = rapporto >= m.periodo ? 3 : 32;
            const QImage s = ScalaVeloce(fine, d);
            ASSERT_EQ(s.size(), d);
            // The outermost pixels see the pattern from one side only.
            int minimo = 255, massimo = 0;
            for (int y = 1; y < d.height() - 1; ++y)
                for (int x = 1; x < d.width() - 1; ++x) {
                    const int g = qGreen(s.pixel(x, y));
                    minimo = std::min(minimo, g);
                    massimo = std::max(massimo, g);
                }
            EXPECT_GE(minimo, 128 - scarto) << m.nome << " at " << d.width() << "x" << d.height();
            EXPECT_LE(massimo, 127 + scarto) << m.nome << " at " << d.width() << "x" << d.height();
        }
    }
}

}  // namespace

namespace {

struct CasoScala {
    QSize da, a;
    quint64 impronta;  // of the bytes the scaler gave when its weights were set
    bool veloce = false;  // the preview's scale instead of the high-quality one
};

void PrintTo(const CasoScala& c, std::ostream* os) {
    *os << (c.veloce ? "fast " : "") << c.da.width() << "x" << c.da.height() << " -> " << c.a.width() << "x"
        << c.a.height();
}

// A picture with sharp edges, gradients, clear and half-clear pixels: where ringing, clamps
// and the premultiplied limit all act.
QImage Campione(QSize dimensione) {
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    std::uint32_t seme = 7;
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            seme = seme * 1664525u + 1013904223u;
            const int a = (x / 7 + y / 5) % 3 == 0 ? 255 : (x + y) % 4 == 0 ? 0 : static_cast<int>((seme >> 24) & 0xFF);
            riga[x] = qPremultiply(qRgba((x * 5) & 0xFF, (seme >> 8) & 0xFF, (y * 3) & 0xFF, a));
        }
    }
    return img;
}

quint64 Impronta(const QImage& img) {
    quint64 h = 1469598103934665603ull;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* riga = img.constScanLine(y);
        for (int i = 0; i < img.width() * 4; ++i) h = (h ^ riga[i]) * 1099511628211ull;
    }
    return h;
}

class ScalaStessiByte : public ::testing::TestWithParam<CasoScala> {};

// However the scalers are computed, they give the very bytes their weights gave from the start.
TEST_P(ScalaStessiByte, LImprontaNonCambia) {
    const CasoScala caso = GetParam();
    // With the widest instructions this processor has, and with those every one has.
    for (const bool soloSse2 : {false, true}) {
        ScalaSoloSse2(soloSse2);
        const QImage s = caso.veloce ? ScalaVeloce(Campione(caso.da), caso.a) : ScalaAltaQualita(Campione(caso.da), caso.a);
        ScalaSoloSse2(false);
        ASSERT_EQ(s.size(), caso.a);
        EXPECT_EQ(Impronta(s), caso.impronta) << std::hex << Impronta(s) << (soloSse2 ? " SSE2" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Casi, ScalaStessiByte,
                         ::testing::Values(CasoScala{{1920, 1080}, {1280, 720}, 0xed6fef4fd9a6d7edull},
                                           CasoScala{{333, 77}, {101, 50}, 0xaf23f28356b2a7b2ull},
                                           CasoScala{{50, 31}, {97, 61}, 0xb5225226758c50f8ull},
                                           CasoScala{{7, 3}, {5, 2}, 0x68b9222701f9d3c3ull},
                                           CasoScala{{1, 1}, {3, 2}, 0xf21fbbab3d64e113ull},
                                           CasoScala{{640, 480}, {639, 481}, 0xe25845ab9e774c92ull},
                                           CasoScala{{1920, 1080}, {1120, 630}, 0x92ed81144e3788ecull, true},
                                           CasoScala{{1920, 1080}, {1280, 720}, 0xfc83e6c172030696ull, true},
                                           CasoScala{{4001, 301}, {300, 40}, 0x779f19728550c971ull, true},
                                           CasoScala{{333, 77}, {101, 50}, 0x48b41bf60b8561e0ull, true},
                                           CasoScala{{50, 31}, {97, 61}, 0x8ee824d8d1a94830ull, true},
                                           CasoScala{{7, 3}, {5, 2}, 0x5e43299fd5c3bf58ull, true},
                                           CasoScala{{640, 480}, {639, 481}, 0x5b053f3fce97d869ull, true}));


struct CasoMatrice {
    const char* nome;
    MatriceColore matrice;
    quint64 impronta;
};

MatriceColore Grigi() {
    MatriceColore m = MatriceColore::Identita();
    for (int c = 0; c < 3; ++c) {
        m.m[0][c] = 0.3f;
        m.m[1][c] = 0.59f;
        m.m[2][c] = 0.11f;
    }
    return m;
}

// The tints intros lay every frame: the same bytes as pixel by pixel through the matrix,
// however they are computed, with the clamps at both ends.
TEST(Grafica, LaMatriceDiColoreDaGliStessiByte) {
    const CasoMatrice casi[] = {
        {"identity", MatriceColore::Identita(), 0x32fda18603a65d6dull},
        {"alpha 0.4", MatriceColore::Alfa(0.4f), 0x5ec1e733701e59acull},
        {"raised", MatriceColore::Colori(1.0f, 0.3f, 0.7f), 0xe60803cdbefe27e5ull},
        {"lowered", MatriceColore::Colori(0.5f, -0.2f, 1.0f), 0x9c2dc3004760f7ddull},
        {"past white", MatriceColore::Colori(1.7f, 0.1f, 1.3f), 0x56849e32aceee378ull},
        {"grey (channels mixed)", Grigi(), 0x0ecb80e71da830d7ull},
    };
    const QImage sorgente = Campione({67, 41});
    for (const CasoMatrice& c : casi) {
        const QImage tinta = ApplicaMatriceColore(sorgente, c.matrice);
        ASSERT_EQ(tinta.size(), sorgente.size()) << c.nome;
        EXPECT_EQ(Impronta(tinta), c.impronta) << c.nome << " " << std::hex << Impronta(tinta);
    }
}

// Every premultiplied pixel there is, (c, c / 2, 255 - c) under each alpha a (colours above
// alpha clamp at 255, as no premultiplied pixel has them): one row per alpha.
QImage OgniPremoltiplicato() {
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    for (int a = 0; a < 256; ++a) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(a));
        for (int c = 0; c < 256; ++c) riga[c] = qRgba(c, c / 2, 255 - c, a);
    }
    return img;
}

int Esatto(int c, int a) { return a == 0 ? 0 : static_cast<int>(std::min(255L, std::lround(c * 255.0 / a))); }

// Straight colours are round(c x 255 / a), worked out here in floating point, for every colour
// under every alpha, into each straight format the program writes; the colour under alpha 0 is
// the one asked for. The same bytes on any processor, whatever Qt's own conversion rounds to.
TEST(Grafica, DaPremoltiplicatoADirittoArrotondaEsatto) {
    const QImage tutti = OgniPremoltiplicato();
    const QImage argb = ConvertiFormato(tutti, QImage::Format_ARGB32);
    const QImage rgb32 = ConvertiFormato(tutti, QImage::Format_RGB32);
    const QImage rgb888 = ConvertiFormato(tutti, QImage::Format_RGB888);
    ASSERT_EQ(argb.format(), QImage::Format_ARGB32);
    ASSERT_EQ(rgb32.format(), QImage::Format_RGB32);
    ASSERT_EQ(rgb888.format(), QImage::Format_RGB888);
    std::vector<QRgb> riga(256);
    int sbagliati = 0;
    for (int a = 0; a < 256; ++a) {
        NonPremoltiplica(reinterpret_cast<const QRgb*>(tutti.constScanLine(a)), riga.data(), 256, qRgba(1, 2, 3, 0));
        for (int c = 0; c < 256; ++c) {
            const QRgb atteso = qRgba(Esatto(c, a), Esatto(c / 2, a), Esatto(255 - c, a), a);
            const QRgb p = argb.pixel(c, a);
            const uchar* tre = rgb888.constScanLine(a) + 3 * c;
            sbagliati += p != atteso;
            sbagliati += rgb32.pixel(c, a) != (atteso | 0xFF000000u);
            sbagliati += qRgb(tre[0], tre[1], tre[2]) != (atteso | 0xFF000000u);
            sbagliati += riga[static_cast<size_t>(c)] != (a == 0 ? qRgba(1, 2, 3, 0) : atteso);
        }
    }
    EXPECT_EQ(sbagliati, 0);
}

// Pictures that are not premultiplied convert as Qt converts them; what rides beside the
// pixels (resolution, texts) stays with the picture.
TEST(Grafica, ConvertiFormatoLasciaIlRestoAQt) {
    QImage diritta(5, 3, QImage::Format_ARGB32);
    diritta.fill(qRgba(200, 100, 50, 7));
    EXPECT_EQ(ConvertiFormato(diritta, QImage::Format_ARGB32).cacheKey(), diritta.cacheKey());
    EXPECT_EQ(ConvertiFormato(diritta, QImage::Format_RGB32), diritta.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ConvertiFormato(diritta, QImage::Format_ARGB32_Premultiplied),
              diritta.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_TRUE(ConvertiFormato(QImage(), QImage::Format_ARGB32).isNull());

    QImage pm(4, 2, QImage::Format_ARGB32_Premultiplied);
    pm.fill(qRgba(20, 40, 60, 128));
    pm.setDotsPerMeterX(1234);
    pm.setDotsPerMeterY(4321);
    pm.setText(QStringLiteral("Chiave"), QStringLiteral("valore"));
    const QImage rgba = ConvertiFormato(pm, QImage::Format_RGBA8888);
    ASSERT_EQ(rgba.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(rgba.pixel(0, 0), qRgba(40, 80, 120, 128));
    EXPECT_EQ(rgba.dotsPerMeterX(), 1234);
    EXPECT_EQ(rgba.dotsPerMeterY(), 4321);
    EXPECT_EQ(rgba.text(QStringLiteral("Chiave")), QStringLiteral("valore"));
    // Another premultiplied layout is made straight the same way.
    EXPECT_EQ(ConvertiFormato(pm.convertToFormat(QImage::Format_RGBA8888_Premultiplied), QImage::Format_ARGB32).pixel(3, 1),
              qRgba(40, 80, 120, 128));
}

}  // namespace
