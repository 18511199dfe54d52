#include "encoding/ImpostazioniCodec.h"

#include <algorithm>

namespace {

// Labels of the settings string, in the order of its layout.
constexpr char kCodec[] = "Codec :";
constexpr char kProres[] = "ProRes:";
constexpr char kMp4[] = "MP4   :";
constexpr char kHuff[] = "HuffYU:";
constexpr char kH264[] = "H264  :";
constexpr char kX264[] = "X264  :";
constexpr char kX265[] = "X265  :";
constexpr char kPreset[] = "PRESET:";

// Offsets of the values.
enum Posizione {
    PosPagina = 7,
    PosProresVariante = 17,
    PosProresQualita = 20,
    PosMp4Variante = 30,
    PosMp4Qualita = 33,
    PosHuff = 43,
    PosH264Preset = 53,
    PosH264Qualita = 56,
    PosX264Preset = 66,
    PosX264Qualita = 69,
    PosX264Lossless = 72,
    PosX264Tune = 75,
    PosX264TuneValue = 78,
    PosX265Preset = 88,
    PosX265Qualita = 91,
    PosX265Lossless = 94,
    PosPresetWeb = 104,
};

QString Valore(int v) {
    return QString::number(std::clamp(v, 0, 99)).rightJustified(2, QLatin1Char('0')) + QLatin1Char('-');
}

QString Gruppo(int membro, int membri) {
    return Valore(membro >= 1 && membro <= membri ? membro : 0);
}

// The two characters at an offset read as a decimal number, like atoi: leading blanks,
// then digits; nothing there reads as 0.
int LeggiDue(const QString& testo, int posizione) {
    const QString campo = testo.mid(posizione, 2);
    int i = 0;
    while (i < campo.size() && campo[i] == QLatin1Char(' ')) ++i;
    int valore = 0;
    for (; i < campo.size() && campo[i] >= QLatin1Char('0') && campo[i] <= QLatin1Char('9'); ++i)
        valore = valore * 10 + (campo[i].unicode() - '0');
    return valore;
}

int Voce(int letta, const QStringList& voci) {
    return letta >= 1 && letta <= voci.size() ? letta : 1;
}

int Membro(int letto, int membri) {
    return letto >= 1 && letto <= membri ? letto : 0;
}

QString TestoVoce(int voce, const QStringList& voci) {
    return voci.value(Voce(voce, voci) - 1);
}

}  // namespace

const QStringList& VociPresetCodec() {
    static const QStringList voci = {"ultrafast", "superfast", "veryfast", "faster", "fast",
                                     "medium",    "slow",      "slower",   "veryslow", "placebo"};
    return voci;
}

const QStringList& VociTuneCodec() {
    static const QStringList voci = {"film", "animation", "grain", "stillimage",
                                     "psnr", "ssim",      "fastdecode", "zerolatency"};
    return voci;
}

QString ScriviImpostazioniCodec(const SceltaCodec& s) {
    QString t = QString::fromLatin1(kCodec) + Valore(s.Pagina);
    t += QString::fromLatin1(kProres) + Gruppo(s.ProresVariante, 4) + Valore(s.ProresQualita);
    t += QString::fromLatin1(kMp4) + Gruppo(s.Mp4Variante, 4) + Valore(s.Mp4Qualita);
    t += QString::fromLatin1(kHuff) + Valore(s.HuffYUVVariante ? 1 : 0);
    t += QString::fromLatin1(kH264) + Valore(s.H264Preset) + Valore(s.H264Qualita);
    t += QString::fromLatin1(kX264) + Valore(s.X264Preset) + Valore(s.X264Qualita) + Valore(s.X264Lossless ? 1 : 0) +
         Valore(s.X264Tune ? 1 : 0) + Valore(s.X264TuneValue);
    t += QString::fromLatin1(kX265) + Valore(s.X265Preset) + Valore(s.X265Qualita) + Valore(s.X265Lossless ? 1 : 0);
    t += QString::fromLatin1(kPreset) + Gruppo(s.PresetWeb, 3);
    return t;
}

SceltaCodec LeggiImpostazioniCodec(const QString& testo, const SceltaCodec& attuale) {
    if (!testo.startsWith(QLatin1String(kCodec))) return attuale;
    const QStringList& preset = VociPresetCodec();
    SceltaCodec s;
    s.Pagina = std::clamp(LeggiDue(testo, PosPagina), 1, 7);
    s.ProresVariante = Membro(LeggiDue(testo, PosProresVariante), 4);
    s.ProresQualita = LeggiDue(testo, PosProresQualita);
    s.Mp4Variante = Membro(LeggiDue(testo, PosMp4Variante), 4);
    s.Mp4Qualita = LeggiDue(testo, PosMp4Qualita);
    s.HuffYUVVariante = LeggiDue(testo, PosHuff) != 0;
    s.H264Preset = Voce(LeggiDue(testo, PosH264Preset), preset);
    s.H264Qualita = LeggiDue(testo, PosH264Qualita);
    s.X264Preset = Voce(LeggiDue(testo, PosX264Preset), preset);
    s.X264Qualita = LeggiDue(testo, PosX264Qualita);
    s.X264Lossless = LeggiDue(testo, PosX264Lossless) != 0;
    s.X264Tune = LeggiDue(testo, PosX264Tune) != 0;
    s.X264TuneValue = Voce(LeggiDue(testo, PosX264TuneValue), VociTuneCodec());
    s.X265Preset = Voce(LeggiDue(testo, PosX265Preset), preset);
    s.X265Qualita = LeggiDue(testo, PosX265Qualita);
    s.X265Lossless = LeggiDue(testo, PosX265Lossless) != 0;
    s.PresetWeb = Membro(LeggiDue(testo, PosPresetWeb), 3);
    return s;
}

ParametriCodec ApplicaImpostazioniCodec(const SceltaCodec& s, const ParametriCodec& precedente) {
    ParametriCodec p = precedente;
    const int pagina = std::clamp(s.Pagina, 1, 7);
    p.TipoCodec = pagina - 1;
    p.VarianteHuffYUV = s.HuffYUVVariante;
    const QStringList& preset = VociPresetCodec();
    switch (pagina) {
    case 1:
        if (s.ProresVariante >= 1 && s.ProresVariante <= 4) p.VarianteCodec = s.ProresVariante;
        p.QualitaCodec = s.ProresQualita;
        break;
    case 2:
        p.VarianteCodec = s.Mp4Variante >= 2 && s.Mp4Variante <= 4 ? s.Mp4Variante : 1;
        p.QualitaCodec = s.Mp4Qualita;
        break;
    case 3:
        break;
    case 4:
        p.QualitaCodec = s.H264Qualita;
        p.PresetCodec = TestoVoce(s.H264Preset, preset);
        break;
    case 5:
        p.LosslessCodec = s.X264Lossless;
        p.QualitaCodec = s.X264Qualita;
        p.PresetCodec = TestoVoce(s.X264Preset, preset);
        p.TuneAttivo = s.X264Tune;
        p.TuneCodec = TestoVoce(s.X264TuneValue, VociTuneCodec());
        break;
    case 6:
        p.LosslessCodec = s.X265Lossless;
        p.QualitaCodec = s.X265Qualita;
        p.PresetCodec = TestoVoce(s.X265Preset, preset);
        break;
    case 7:
        p.VarianteCodec = s.PresetWeb >= 1 && s.PresetWeb <= 3 ? s.PresetWeb : 0;
        break;
    }
    return p;
}
