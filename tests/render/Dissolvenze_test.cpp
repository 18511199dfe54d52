// Fades of the text: while a line fades in or out, no pixel jumps, the soft edges of its
// outlines and glow among them. A faint edge pixel whose colour is lost when its alpha rounds
// to almost nothing flashes the sharpened edge beside it brighter, and drops back at once when
// the fade ends (or when the pixel's alpha reaches the next step).
#include "AiutoIntro.h"

#include "project/PresetIntro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct Dissolvenza {
    const char* nome;
    int intro;   // the intro drawn
    int look;    // the intro whose own look is taken, or 0 for plain outlines
    int schema;  // intro 10's colour scheme, 0 for its first
    int tipo;    // intro 1's text motion
    bool bagliore;
    int flare;   // the lens flare's look, 0 for none
    int da, a;   // frames of the fade, of 200
};

void PrintTo(const Dissolvenza& d, std::ostream* os) { *os << d.nome; }

void ApplicaContorni(ImpostazioniProgetto& imp) {
    imp.FontSize = 60;
    imp.Enfatizzare = true;
    imp.FontOutline2Check = true;
    imp.FontOutline1Size = 8;
    imp.FontOutline2Size = 6;
    imp.FontOutline1Colore = 0x404040;
    imp.FontOutline2Colore = 0xD6D6D6;
    imp.FontColore = {0xFF8700, 0x621F00};
}

void Prepara(BancoIntro& b, const Dissolvenza& d, bool conTesto) {
    if (d.look) {
        b.imp.IntroLista = d.look;
        if (d.schema) b.imp.Intro10Colori = d.schema;
        ImpostaPredefinitiIntro(b.imp);
    } else {
        ApplicaContorni(b.imp);
    }
    if (d.flare) {
        b.imp.EffettoLensFlareLista = d.flare;
        ApplicaLookLensFlare(b.imp);
        b.imp.EffettiLensFlareCheck = true;
        // With the flare the shadows drift a pixel every other frame: a move, not the fade.
        b.imp.FontShadowCheck = false;
    }
    b.imp.IntroLista = d.intro;
    b.imp.Intro1Lista = d.tipo;
    if (d.bagliore) {
        b.imp.FontGlowCheck = true;
        b.imp.FontGlowSize = 30;
    }
    if (!conTesto) b.imp.Testo1 = b.imp.Testo2 = b.imp.Testo3 = QString();
}

// The frames from a frame before the fade to one after it.
std::vector<QImage> Fotogrammi(const Dissolvenza& d, bool conTesto) {
    BancoIntro b(1);
    Prepara(b, d, conTesto);
    b.Frame(0, true);  // where an animation builds its layers
    std::vector<QImage> f;
    for (int t = d.da - 1; t <= d.a + 1; ++t) f.push_back(b.Frame(static_cast<float>(t), true));
    return f;
}

class Dissolvenze : public ::testing::TestWithParam<Dissolvenza> {};

TEST_P(Dissolvenze, NessunPixelSalta) {
    const Dissolvenza d = GetParam();
    const std::vector<QImage> f = Fotogrammi(d, true);
    // What moves without the text (the ball ring, the flare's rays) is not the fade's.
    const std::vector<QImage> scena = Fotogrammi(d, false);
    const int w = f.front().width(), h = f.front().height();
    std::vector<char> fermo(static_cast<size_t>(w) * static_cast<size_t>(h), 1);
    for (size_t i = 1; i < scena.size(); ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (scena[i].pixel(x, y) != scena[i - 1].pixel(x, y))
                    for (int v = std::max(0, y - 1); v <= std::min(h - 1, y + 1); ++v)
                        for (int u = std::max(0, x - 1); u <= std::min(w - 1, x + 1); ++u)
                            fermo[static_cast<size_t>(v) * static_cast<size_t>(w) + static_cast<size_t>(u)] = 0;
    // Brightness summed over the three colours. A step of a frame is a jump when it is far
    // larger than the steps before and after it: a fade moves a pixel at a steady pace.
    int salti = 0, controllati = 0, peggiore = 0;
    std::vector<int> l(f.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!fermo[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)]) continue;
            ++controllati;
            for (size_t i = 0; i < f.size(); ++i) l[i] = Luminosita(f[i].pixel(x, y));
            bool salta = false;
            for (size_t i = 1; i < l.size(); ++i) {
                const int passo = std::abs(l[i] - l[i - 1]);
                const int prima = i >= 2 ? std::abs(l[i - 1] - l[i - 2]) : 0;
                const int dopo = i + 1 < l.size() ? std::abs(l[i + 1] - l[i]) : 0;
                const int eccesso = passo - (5 * std::max(prima, dopo) / 2 + 12);
                if (passo > 30 && eccesso > 0) {
                    salta = true;
                    peggiore = std::max(peggiore, passo);
                }
            }
            salti += salta;
        }
    EXPECT_GT(controllati, w * h / 4);
    EXPECT_EQ(salti, 0) << "the largest jump is " << peggiore / 3 << " levels a colour";
}

INSTANTIATE_TEST_SUITE_P(Testo, Dissolvenze, ::testing::Values(
    Dissolvenza{"contorni_entrata", 1, 0, 0, 6, false, 0, 33, 67},
    Dissolvenza{"contorni_uscita", 1, 0, 0, 6, false, 0, 133, 167},
    Dissolvenza{"intro10_entrata", 10, 10, 0, 6, false, 0, 33, 67},
    Dissolvenza{"intro10_uscita", 10, 10, 0, 6, false, 0, 133, 167},
    Dissolvenza{"intro10_schema2", 10, 10, 2, 6, false, 0, 33, 67},
    Dissolvenza{"intro10_schema3", 10, 10, 3, 6, false, 0, 33, 67},
    Dissolvenza{"intro10_schema4", 10, 10, 4, 6, false, 0, 33, 67},
    Dissolvenza{"intro10_schema5", 10, 10, 5, 6, false, 0, 33, 67},
    Dissolvenza{"intro1_bagliore6", 1, 1, 0, 6, true, 0, 33, 67},
    Dissolvenza{"intro1_bagliore8", 1, 1, 0, 8, true, 0, 165, 199},
    Dissolvenza{"intro1_bagliore10", 1, 1, 0, 10, true, 0, 132, 199},
    Dissolvenza{"lente2", 1, 1, 0, 6, false, 2, 33, 67},
    Dissolvenza{"intro7_entrata", 7, 7, 0, 6, false, 0, 6, 25}),
    [](const ::testing::TestParamInfo<Dissolvenza>& i) { return std::string(i.param.nome); });

}  // namespace
