#pragma once
// The codec window's texts: captions in the five languages, the tab and choice captions,
// and the help texts, every one in Italian and English (the other languages read English).
// Kept here only.
#include <QString>
#include <QStringList>

enum class VoceSceltaCodec {
    Titolo,
    ProresProfilo,
    ProresQualita,
    Mp4Profilo,
    Qualita,          // the quality label of the MPEG-4, H.264, x264 and x265 pages
    Preset,
    HuffYUVVariante,
    RigaComando,
    Esci,
};
// The caption in a language 0..4; a code out of range reads as English.
QString TestoSceltaCodec(VoceSceltaCodec voce, int lingua);

// The tabs, page 1 to 7.
const QStringList& SchedeCodec();
const QStringList& VariantiProres();
const QStringList& VariantiMp4();
const QStringList& VariantiPresetWeb();   // "YouTube", "Vimeo", "Facebook"
inline constexpr char CaptionLossless[] = "LossLess";
inline constexpr char CaptionTune[] = "Tune";

// The help texts of the pages.
enum class AiutoCodec {
    ProresCodec, ProresProfili, ProresQualita,
    Mp4Codec, Mp4Profili, Mp4Qualita,
    HuffYUVCodec, HuffYUVVariante,
    H264Codec,
    X264Codec,
    X265Codec, X265Qualita, X265Lossless,
    Preset, Crf, X264Lossless, X264Tune,
    // Beside each publishing preset.
    PresetYouTube, PresetVimeo, PresetFacebook,
};
// The English text.
QString TestoAiuto(AiutoCodec aiuto);
// In a language 0..4: Italian for Italian, English for every other language.
QString TestoAiuto(AiutoCodec aiuto, int lingua);
