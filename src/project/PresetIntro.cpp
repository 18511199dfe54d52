#include "project/PresetIntro.h"

#include <utility>

namespace {

RichiamiPreset richiami;

void Renderizza(const ImpostazioniProgetto& impostazioni)
{
    if (richiami.EseguiRendering)
        richiami.EseguiRendering(impostazioni);
}

// The values that differ between intros 1, 6, 7 to 10 in the common block.
struct LookIntro {
    DueColori sfondo;
    int interlinea;
    int fontSize;
    DueColori font;
    bool fontTrasparente;
    bool enfatizzare;
    int outline1Size;
    bool outline2Check;
    Colore outline2Colore;
    int outline2Size;
    bool shadowCheck;
    int shadowSize;
    int particelleLista;
    int particelleQuantita;
    int particelleVita;
    DueColori particelle;
};

constexpr LookIntro kLookIntro1{{0xD6C700, 0x610700}, 1,   160, {0x0079B3, 0x8AEBFF}, false, true,
                                6, false, 0xFFFFFF, 12, true, 14, 1, 150, 60, {0xFEAE9A, 0xA03C3C}};
constexpr LookIntro kLookIntro6{{0x000000, 0x808080}, 1,   200, {0x0079B3, 0x8AEBFF}, true, true,
                                6, false, 0xFFFFFF, 12, false, 14, 6, 250, 100, {0xFEAE9A, 0xA03C3C}};
constexpr LookIntro kLookIntro7{{0x961F00, 0x610700}, -38, 180, {0xFF8700, 0x621F00}, false, true,
                                8, true, 0xD6D6D6, 6, false, 23, 6, 250, 100, {0xFFFF98, 0x98833B}};
constexpr LookIntro kLookIntro9{{0xFDFDFD, 0xF2F2F2}, 1,   160, {0x606060, 0x010101}, false, false,
                                6, true, 0x777878, 4, false, 14, 1, 150, 60, {0xFEAE9A, 0xA03C3C}};

const LookIntro* LookDi(int intro)
{
    switch (intro) {
    case 1: return &kLookIntro1;
    case 6: return &kLookIntro6;
    case 7:
    case 8:
    case 10: return &kLookIntro7;  // intro 10 shares the look of 7 and 8
    case 9: return &kLookIntro9;
    default: return nullptr;
    }
}

// The font list re-selects the last item whose text equals the one shown.
void RiselezionaFont(ImpostazioniProgetto& p)
{
    const QString mostrato = p.FontElenco.Testo();
    if (mostrato.isNull())
        return;
    for (int b = 0; b < p.FontElenco.NumeroVoci(); ++b)
        if (p.FontElenco.Elenco().at(b) == mostrato)
            p.FontElenco = b + 1;
}

void BloccoComune(ImpostazioniProgetto& p, const LookIntro& l)
{
    p.SfondoCheckSfondoColorato = true;
    p.SfondoColori = l.sfondo;
    p.SfondoCheckSfondoTrasparente = false;
    p.SfondoCheckSfondoBitmap = false;
    p.SfondoCheckSfondoFlares = false;

    p.Testo.clear();
    p.AlignT1SX = 0;
    p.AlignT1Centro = 1;
    p.AlignT1DX = 0;
    p.Logo1 = 0;
    p.LogoStyle1 = 0;
    p.AlignT2SX = 0;
    p.AlignT2Centro = 1;
    p.AlignT2DX = 0;
    p.Logo2 = 0;
    p.LogoStyle2 = 0;
    p.AlignT3SX = 0;
    p.AlignT3Centro = 1;
    p.AlignT3DX = 0;
    p.Logo3 = 0;
    p.LogoStyle3 = 0;
    p.AlignT4SX = 0;
    p.AlignT4Centro = 1;
    p.AlignT4DX = 0;
    p.Logo4 = 0;
    p.LogoStyle4 = 0;

    p.Interlinea = l.interlinea;
    p.AlignVAlto = 0;
    p.AlignVCentro = 1;
    p.AlignVBasso = 0;

    RiselezionaFont(p);

    p.FontSize = l.fontSize;
    p.FontColore = l.font;
    p.FontTrasparente = l.fontTrasparente;
    p.FontBold = true;
    p.FontItalic = false;
    p.FontUnderline = false;
    p.FontOpacita = 100;

    p.FontGlowCheck = false;
    p.FontGlowColore = 0xFF0080;
    p.FontGlowSize = 6;
    p.FontGlowColoreInterno = 0xFFFFC4;

    p.Enfatizzare = l.enfatizzare;

    p.FontOutline1Check = true;
    p.FontOutline1Colore = 0x404040;
    p.FontOutline1Size = l.outline1Size;
    p.FontOutline1Opacita = 100;

    p.FontOutline2Check = l.outline2Check;
    p.FontOutline2Colore = l.outline2Colore;
    p.FontOutline2Size = l.outline2Size;
    p.FontOutline2Opacita = 100;

    p.FontShadowCheck = l.shadowCheck;
    p.FontShadowColore = 0x000000;
    p.FontShadowSize = l.shadowSize;
    p.FontShadowOpacita = 7;
    p.FontShadowOffsetX = 4;
    p.FontShadowOffsetY = 4;

    p.EffettiNeveCheck = false;
    p.EffettiLensFlareCheck = false;
    p.EffettoLensFlareLista = 1;

    p.EffettiParticelleCheck = false;
    p.EffettiParticelleLista = l.particelleLista;
    p.EffettiParticelleQuantita = l.particelleQuantita;
    p.EffettiParticelleVita = l.particelleVita;
    p.EffettiParticelleColore = l.particelle;
}

// A picture caption shorter than 3 characters counts as none chosen.
void SfondoSeVuoto(QString& file, const ImpostazioniProgetto& p, int slot)
{
    if (file.size() < 3)
        file = p.TabellaImmagini[static_cast<size_t>(slot)];
}

struct SchemaIntro10 {
    DueColori sfondo;
    DueColori font;
    Colore outline1;
    Colore outline2;
    DueColori particelle;
};

constexpr SchemaIntro10 kSchemiIntro10[] = {
    {{0x961F00, 0x610700}, {0xFF8700, 0x621F00}, 0x404040, 0xD6D6D6, {0xFFFF98, 0x98833B}},  // Blu
    {{0x00DDFF, 0x002D72}, {0x0AFFFF, 0x0079B3}, 0x00B1FF, 0x0079B3, {0xFDFDFD, 0x00FFFF}},  // Giallo
    {{0x03F521, 0x004F04}, {0x00740F, 0x64FF9C}, 0x004B21, 0xBBFFD4, {0xFDFDFD, 0x03FF2B}},  // Verde
    {{0x0321F5, 0x00044F}, {0x000F74, 0x649CFF}, 0x00B1FF, 0x0079B3, {0xFDFDFD, 0x00FFFF}},  // Rosso
    {{0x545454, 0x000000}, {0xE9E9E9, 0x101010}, 0x424242, 0x00ECFF, {0xFDFDFD, 0x2BE6FD}},  // Bianco
};

// The settings that the intro-10 schemes and the "Lenti 1" look share.
void LookPalline(ImpostazioniProgetto& p, const DueColori& sfondo, const DueColori& font,
                 Colore outline1, Colore outline2)
{
    p.Interlinea = -38;
    p.SfondoColori = sfondo;
    p.FontColore = font;
    p.FontOutline1Size = 8;
    p.FontOutline2Size = 6;
    p.FontOutline1Colore = outline1;
    p.FontOutline2Colore = outline2;
    p.FontShadowSize = 23;
    p.Intro1Lista = 6;
    p.FontOutline2Check = true;
}

// The scheme without its render; false when the item names no scheme.
bool ColoriIntro10(ImpostazioniProgetto& p)
{
    const int m = p.Intro10Colori;
    if (m < 1 || m > 5)
        return false;
    const SchemaIntro10& s = kSchemiIntro10[m - 1];
    LookPalline(p, s.sfondo, s.font, s.outline1, s.outline2);
    p.EffettiParticelleColore = s.particelle;
    return true;
}

}  // namespace

void InstallaRichiamiPreset(RichiamiPreset nuovi)
{
    richiami = std::move(nuovi);
}

void ImpostaPredefinitiIntro(ImpostazioniProgetto& p)
{
    const int n = p.IntroLista;
    if (richiami.MostraPaginaIntro && n >= 1 && n <= 10)
        richiami.MostraPaginaIntro(n);

    if (const LookIntro* look = LookDi(n))
        BloccoComune(p, *look);

    switch (n) {
    case 2:
        p.SfondoColori = {0x000000, 0x808080};
        SfondoSeVuoto(p.Intro2SfondoFile, p, 1);
        break;
    case 3:
        p.SfondoColori = {0x000000, 0x808080};
        SfondoSeVuoto(p.Intro3SfondoFile, p, 2);
        break;
    case 4:
        p.SfondoColori = {0x000000, 0x000000};
        break;
    case 5:
        p.SfondoColori = {0x800000, 0x000000};
        p.EffettiParticelleCheck = true;
        p.EffettiParticelleLista = 6;
        p.EffettiParticelleQuantita = 250;
        p.EffettiParticelleVita = 100;
        p.EffettiParticelleColore = {0xFEAE9A, 0xA03C3C};
        break;
    case 6:
        SfondoSeVuoto(p.Intro6SfondoFile, p, 3);
        break;
    case 10:
        ColoriIntro10(p);
        break;
    default:
        break;
    }
    // One render in every case, also when intro 10's scheme item names no scheme.
    Renderizza(p);
}

void ApplicaColoriIntro10(ImpostazioniProgetto& p)
{
    if (ColoriIntro10(p))
        Renderizza(p);
}

void ApplicaLookLensFlare(ImpostazioniProgetto& p)
{
    if (p.EffettoLensFlareLista != 2)
        return;
    LookPalline(p, {0x961F00, 0x610700}, {0xFF8700, 0x621F00}, 0x404040, 0xD6D6D6);
    Renderizza(p);
}
