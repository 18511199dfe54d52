#include "dialogs/TestiSceltaCodec.h"

#include <array>
#include <map>

namespace {

// Italian, English, Spanish; German and French repeat the English text unless given.
struct Voce {
    const char* it;
    const char* en;
    const char* es;
    const char* de = nullptr;
    const char* fr = nullptr;
};

const std::map<VoceSceltaCodec, Voce>& Tabella() {
    static const std::map<VoceSceltaCodec, Voce> tabella = {
        {VoceSceltaCodec::Titolo, {"Scelta Codec", "Choice Codec", "Elección Codec"}},
        {VoceSceltaCodec::ProresProfilo, {"Profilo:", "Profile:", "Perfil:"}},
        {VoceSceltaCodec::ProresQualita, {"Qualità:", "Quality:", "Calidad:"}},
        {VoceSceltaCodec::Mp4Profilo, {"Profilo:", "Profile:", "Profile:"}},
        {VoceSceltaCodec::Qualita, {"Qualità:", "Quality:", "Quality:"}},
        {VoceSceltaCodec::Preset, {"Preset di codifica:", "Preset coding:", "Preset coding:"}},
        {VoceSceltaCodec::HuffYUVVariante,
         {"Utilizza la variante ffmpeg", "Use the variant ffmpeg", "Use the variant ffmpeg"}},
        {VoceSceltaCodec::RigaComando, {"Riga Comando:", "Command Line:", "Línea de comandos:"}},
        {VoceSceltaCodec::Esci, {"Esci", "Exit", "Salida", "Beenden", "Sortie"}},
    };
    return tabella;
}

}  // namespace

QString TestoSceltaCodec(VoceSceltaCodec voce, int lingua) {
    const Voce& v = Tabella().at(voce);
    switch (lingua) {
    case 0: return QString::fromUtf8(v.it);
    case 2: return QString::fromUtf8(v.es);
    case 3: return QString::fromUtf8(v.de ? v.de : v.en);
    case 4: return QString::fromUtf8(v.fr ? v.fr : v.en);
    default: return QString::fromUtf8(v.en);
    }
}


const QStringList& SchedeCodec() {
    static const QStringList schede = {"Apple ProRes (iCodec Pro)", "MPEG-4 part 2", "HuffYUV",
                                       "H.264 / AVC / MPEG-4 AVC / MPEG-4 part 10", "x264", "x265", "Preset"};
    return schede;
}

const QStringList& VariantiProres() {
    static const QStringList v = {"Proxy", "LT", "SQ", "HQ"};
    return v;
}

const QStringList& VariantiMp4() {
    static const QStringList v = {"Mp4 standard", "DivX", "Xvid", "Mp4 Microsoft V.3"};
    return v;
}

const QStringList& VariantiPresetWeb() {
    static const QStringList v = {"YouTube", "Vimeo", "Facebook"};
    return v;
}

QString TestoAiuto(AiutoCodec aiuto) {
    static const std::map<AiutoCodec, const char*> testi = {
        {AiutoCodec::ProresCodec,
         "Apple ProRes is an intermediate codec made for editing: every frame is compressed on its own, so the "
         "video cuts and scrubs smoothly and keeps its quality through further work. The video is written as a "
         "QuickTime .mov file with 10-bit 4:2:2 colour."},
        {AiutoCodec::ProresProfili,
         "Approximate data rates at 1920 x 1080 and 29.97 fps:\n"
         "Proxy: about 45 Mbit/s, for offline editing.\n"
         "LT: about 102 Mbit/s, for light editing.\n"
         "SQ: about 147 Mbit/s, the standard quality.\n"
         "HQ: about 220 Mbit/s, the highest quality."},
        {AiutoCodec::ProresQualita,
         "Quality is the encoder's qscale, from 0 to 32: lower values give a better picture and a larger file. "
         "0 to 4 is close to lossless, 9 to 13 is a good balance, above 20 the loss becomes visible."},
        {AiutoCodec::Mp4Codec,
         "MPEG-4 part 2 is the earlier MPEG-4 video codec, read by almost every player and device. The video is "
         "written as an .avi file."},
        {AiutoCodec::Mp4Profili,
         "Mp4 standard writes the plain MPEG-4 stream. DivX, Xvid and Mp4 Microsoft V.3 write the same stream "
         "labelled with the tag (DIVX, XVID or FMP4) that some older players and devices look for."},
        {AiutoCodec::Mp4Qualita,
         "Quality is the qscale, from 1 to 31: 1 gives the best picture and the largest file, 31 the smallest "
         "file. Values from 2 to 5 keep the picture close to the original."},
        {AiutoCodec::HuffYUVCodec,
         "HuffYUV is a lossless codec: every frame is kept exactly, so the file is very large, many times the "
         "size of an H.264 video. Use it for a video that will be edited or encoded again. The video is written "
         "as an .avi file."},
        {AiutoCodec::HuffYUVVariante,
         "The ffmpeg variant (FFVHuff) compresses a little better and accepts more pixel formats, but only "
         "players built on ffmpeg can read it."},
        {AiutoCodec::H264Codec,
         "H.264 (AVC, MPEG-4 part 10) is the most widely supported codec for finished videos: the web, phones, "
         "televisions and editing programs all read it. The video is written as an .mp4 file, with 4:2:0 "
         "colour (yuv420p), the form every player reads."},
        {AiutoCodec::X264Codec,
         "x264 is the best-known H.264 encoder, with its full set of options: presets, constant rate factor, a "
         "lossless mode and tunes. The video is written as an .mp4 file."},
        {AiutoCodec::X265Codec,
         "x265 encodes HEVC (H.265), which makes files of about half the size of H.264 at the same quality, but "
         "encodes more slowly and needs a recent player. The video is written as an .mkv file."},
        {AiutoCodec::X265Qualita,
         "Quality is the Constant Rate Factor (CRF), from 0 to 51: lower values give a better picture and a "
         "larger file. The default is 28, which looks about like CRF 23 of H.264."},
        {AiutoCodec::X265Lossless,
         "LossLess keeps every frame exactly, with the veryslow preset; the preset and the quality are then "
         "not used."},
        {AiutoCodec::Preset,
         "The preset trades encoding time for compression: from ultrafast to placebo each step encodes more "
         "slowly and makes a smaller file at the same quality. medium is the default; slow and slower are worth "
         "the wait for a final video; placebo gains almost nothing over veryslow."},
        {AiutoCodec::Crf,
         "Quality is the Constant Rate Factor (CRF), from 0 to 51: lower values give a better picture and a "
         "larger file. 18 is close to visually lossless, 23 is the default, from 28 the picture gets visibly "
         "softer. Six steps up roughly halve the file."},
        {AiutoCodec::X264Lossless,
         "LossLess keeps every frame exactly, colour too (4:4:4 from BMP frames), with quantizer 0 and the "
         "veryslow preset; the tune still applies. The file is very large and many players do not play it."},
        {AiutoCodec::X264Tune,
         "Tune fits the encoder to the content: film for live action, animation for cartoons and flat colours, "
         "grain to keep film grain, stillimage for slide shows, psnr and ssim for measurements, fastdecode for "
         "slow players, zerolatency for live streaming."},
    };
    return QString::fromUtf8(testi.at(aiuto));
}

QString TestoAiuto(AiutoCodec aiuto, int lingua) {
    static const std::map<AiutoCodec, const char*> italiano = {
        {AiutoCodec::X264Lossless,
         "LossLess conserva ogni frame esattamente, colore compreso (4:4:4 dai frame BMP), con quantizzatore 0 "
         "e preset veryslow; il tune resta. Il file è molto grande e molti lettori non lo riproducono."},
    };
    const auto it = italiano.find(aiuto);
    return lingua == 0 && it != italiano.end() ? QString::fromUtf8(it->second) : TestoAiuto(aiuto);
}

QString TestoPresetWeb(int preset) {
    static const char* const testi[] = {"Preset adatto per pubblicare il video su YouTube",
                                        "Preset adatto per pubblicare il video su Vimeo",
                                        "Preset adatto per pubblicare il video su Facebook"};
    return preset >= 1 && preset <= 3 ? QString::fromUtf8(testi[preset - 1]) : QString();
}

