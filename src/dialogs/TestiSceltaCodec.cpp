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

namespace {

// Every help text in Italian and English; the other languages read the English one.
struct Aiuto {
    const char* it;
    const char* en;
};

const std::map<AiutoCodec, Aiuto>& TabellaAiuti() {
    static const std::map<AiutoCodec, Aiuto> testi = {
        {AiutoCodec::ProresCodec,
         {"Apple ProRes è un codec intermedio pensato per il montaggio: ogni frame è compresso da solo, così il "
          "video si taglia e si scorre senza scatti e conserva la qualità nelle lavorazioni successive. Il video "
          "è scritto come file QuickTime .mov con colore 4:2:2 a 10 bit.",
          "Apple ProRes is an intermediate codec made for editing: every frame is compressed on its own, so the "
          "video cuts and scrubs smoothly and keeps its quality through further work. The video is written as a "
          "QuickTime .mov file with 10-bit 4:2:2 colour."}},
        {AiutoCodec::ProresProfili,
         {"Flussi di dati approssimativi a 1920 x 1080 e 29,97 fps:\n"
          "Proxy: circa 45 Mbit/s, per il montaggio offline.\n"
          "LT: circa 102 Mbit/s, per un montaggio leggero.\n"
          "SQ: circa 147 Mbit/s, la qualità standard.\n"
          "HQ: circa 220 Mbit/s, la qualità più alta.",
          "Approximate data rates at 1920 x 1080 and 29.97 fps:\n"
          "Proxy: about 45 Mbit/s, for offline editing.\n"
          "LT: about 102 Mbit/s, for light editing.\n"
          "SQ: about 147 Mbit/s, the standard quality.\n"
          "HQ: about 220 Mbit/s, the highest quality."}},
        {AiutoCodec::ProresQualita,
         {"La qualità è il qscale dell'encoder, da 0 a 32: valori più bassi danno un'immagine migliore e un file "
          "più grande. Da 0 a 4 è quasi senza perdita, da 9 a 13 è un buon equilibrio, oltre 20 la perdita "
          "diventa visibile.",
          "Quality is the encoder's qscale, from 0 to 32: lower values give a better picture and a larger file. "
          "0 to 4 is close to lossless, 9 to 13 is a good balance, above 20 the loss becomes visible."}},
        {AiutoCodec::Mp4Codec,
         {"MPEG-4 part 2 è il codec video MPEG-4 precedente, letto da quasi tutti i lettori e i dispositivi. Il "
          "video è scritto come file .avi.",
          "MPEG-4 part 2 is the earlier MPEG-4 video codec, read by almost every player and device. The video is "
          "written as an .avi file."}},
        {AiutoCodec::Mp4Profili,
         {"Mp4 standard scrive il flusso MPEG-4 semplice. DivX, Xvid e Mp4 Microsoft V.3 scrivono lo stesso "
          "flusso con l'etichetta (DIVX, XVID o FMP4) che alcuni lettori e dispositivi più vecchi cercano.",
          "Mp4 standard writes the plain MPEG-4 stream. DivX, Xvid and Mp4 Microsoft V.3 write the same stream "
          "labelled with the tag (DIVX, XVID or FMP4) that some older players and devices look for."}},
        {AiutoCodec::Mp4Qualita,
         {"La qualità è il qscale, da 1 a 31: 1 dà l'immagine migliore e il file più grande, 31 il file più "
          "piccolo. I valori da 2 a 5 mantengono l'immagine vicina all'originale.",
          "Quality is the qscale, from 1 to 31: 1 gives the best picture and the largest file, 31 the smallest "
          "file. Values from 2 to 5 keep the picture close to the original."}},
        {AiutoCodec::HuffYUVCodec,
         {"HuffYUV è un codec senza perdita: i frame BMP sono conservati esattamente, colore compreso, bit per "
          "bit in RGB; i frame JPEG a meno dell'arrotondamento della loro conversione in YUV. Il file è molto "
          "grande, molte volte un video H.264. Usalo per un video da montare o da codificare di nuovo. Il video è "
          "scritto come file .avi.",
          "HuffYUV is a lossless codec: BMP frames are kept exactly, colour too, bit for bit in RGB; JPEG frames "
          "within the rounding of their conversion to YUV. The file is very large, many times the size of an "
          "H.264 video. Use it for a video that will be edited or encoded again. The video is written as an .avi "
          "file."}},
        {AiutoCodec::HuffYUVVariante,
         {"La variante ffmpeg (FFVHuff) comprime un po' meglio e accetta più formati di pixel, ma la leggono solo "
          "i lettori basati su ffmpeg.",
          "The ffmpeg variant (FFVHuff) compresses a little better and accepts more pixel formats, but only "
          "players built on ffmpeg can read it."}},
        {AiutoCodec::H264Codec,
         {"H.264 (AVC, MPEG-4 part 10) è il codec più diffuso per i video finiti: web, telefoni, televisori e "
          "programmi di montaggio lo leggono tutti. Il video è scritto come file .mp4, con colore 4:2:0 "
          "(yuv420p), la forma che ogni lettore legge.",
          "H.264 (AVC, MPEG-4 part 10) is the most widely supported codec for finished videos: the web, phones, "
          "televisions and editing programs all read it. The video is written as an .mp4 file, with 4:2:0 "
          "colour (yuv420p), the form every player reads."}},
        {AiutoCodec::X264Codec,
         {"x264 è l'encoder H.264 più noto, con tutte le sue opzioni: preset, fattore di qualità costante, una "
          "modalità senza perdita e i tune. Il video è scritto come file .mp4.",
          "x264 is the best-known H.264 encoder, with its full set of options: presets, constant rate factor, a "
          "lossless mode and tunes. The video is written as an .mp4 file."}},
        {AiutoCodec::X265Codec,
         {"x265 codifica in HEVC (H.265), che a parità di qualità dà file grandi circa la metà di H.264, ma "
          "codifica più lentamente e richiede un lettore recente. Il video è scritto come file .mkv.",
          "x265 encodes HEVC (H.265), which makes files of about half the size of H.264 at the same quality, but "
          "encodes more slowly and needs a recent player. The video is written as an .mkv file."}},
        {AiutoCodec::X265Qualita,
         {"La qualità è il Constant Rate Factor (CRF), da 0 a 51: valori più bassi danno un'immagine migliore e "
          "un file più grande. Il predefinito è 28, che equivale circa al CRF 23 di H.264.",
          "Quality is the Constant Rate Factor (CRF), from 0 to 51: lower values give a better picture and a "
          "larger file. The default is 28, which looks about like CRF 23 of H.264."}},
        {AiutoCodec::X265Lossless,
         {"LossLess conserva esattamente l'immagine in 4:2:0 (yuv420p), con il preset veryslow; il preset e la "
          "qualità allora non si usano. I frame sono prima convertiti in 4:2:0, che dimezza il dettaglio del "
          "colore in entrambe le direzioni: i bordi colorati sottili si ammorbidiscono. Per il colore esatto usa "
          "x264 LossLess o HuffYUV.",
          "LossLess keeps the 4:2:0 (yuv420p) picture exactly, with the veryslow preset; the preset and the "
          "quality are then not used. The frames are first turned into 4:2:0, which halves the colour detail in "
          "both directions: fine coloured edges soften. For exact colour use x264 LossLess or HuffYUV."}},
        {AiutoCodec::Preset,
         {"Il preset scambia tempo di codifica con compressione: da ultrafast a placebo ogni passo codifica più "
          "lentamente e dà un file più piccolo a parità di qualità. medium è il predefinito; slow e slower valgono "
          "l'attesa per un video finale; placebo non guadagna quasi nulla su veryslow.",
          "The preset trades encoding time for compression: from ultrafast to placebo each step encodes more "
          "slowly and makes a smaller file at the same quality. medium is the default; slow and slower are worth "
          "the wait for a final video; placebo gains almost nothing over veryslow."}},
        {AiutoCodec::Crf,
         {"La qualità è il Constant Rate Factor (CRF), da 0 a 51: valori più bassi danno un'immagine migliore e "
          "un file più grande. 18 è quasi indistinguibile dall'originale, 23 è il predefinito, da 28 l'immagine "
          "diventa visibilmente più morbida. Sei passi in su dimezzano circa il file.",
          "Quality is the Constant Rate Factor (CRF), from 0 to 51: lower values give a better picture and a "
          "larger file. 18 is close to visually lossless, 23 is the default, from 28 the picture gets visibly "
          "softer. Six steps up roughly halve the file."}},
        {AiutoCodec::X264Lossless,
         {"LossLess conserva tutto il dettaglio del colore (4:4:4 dai frame BMP, il 4:2:0 dei frame JPEG) senza "
          "perdite di compressione: i frame JPEG restano esatti, i frame BMP differiscono solo per "
          "l'arrotondamento della conversione da RGB a YUV (circa 53 dB di PSNR, invisibile). Quantizzatore 0 e "
          "preset veryslow; il tune resta. Il file è molto grande e molti lettori non lo riproducono. Per una "
          "copia esatta in RGB dei frame BMP usa HuffYUV.",
          "LossLess keeps the full colour detail (4:4:4 from BMP frames, the JPEG frames' own 4:2:0) with no "
          "compression loss: JPEG frames stay exact, BMP frames differ only by the rounding of the RGB-to-YUV "
          "conversion (about 53 dB PSNR, invisible). Quantizer 0 and the veryslow preset; the tune still "
          "applies. The file is very large and many players do not play it. For an exact RGB copy of BMP frames "
          "use HuffYUV."}},
        {AiutoCodec::X264Tune,
         {"Il tune adatta l'encoder al contenuto: film per le riprese dal vero, animation per i cartoni e i colori "
          "piatti, grain per conservare la grana della pellicola, stillimage per le presentazioni, psnr e ssim "
          "per le misure, fastdecode per i lettori lenti, zerolatency per le dirette.",
          "Tune fits the encoder to the content: film for live action, animation for cartoons and flat colours, "
          "grain to keep film grain, stillimage for slide shows, psnr and ssim for measurements, fastdecode for "
          "slow players, zerolatency for live streaming."}},
        {AiutoCodec::PresetYouTube,
         {"Preset adatto per pubblicare il video su YouTube", "Preset suited to publishing the video on YouTube"}},
        {AiutoCodec::PresetVimeo,
         {"Preset adatto per pubblicare il video su Vimeo", "Preset suited to publishing the video on Vimeo"}},
        {AiutoCodec::PresetFacebook,
         {"Preset adatto per pubblicare il video su Facebook", "Preset suited to publishing the video on Facebook"}},
    };
    return testi;
}

}  // namespace

QString TestoAiuto(AiutoCodec aiuto) {
    return QString::fromUtf8(TabellaAiuti().at(aiuto).en);
}

QString TestoAiuto(AiutoCodec aiuto, int lingua) {
    const Aiuto& a = TabellaAiuti().at(aiuto);
    return QString::fromUtf8(lingua == 0 ? a.it : a.en);
}


