#pragma once
// What the encoding run works from: the frame parameters of the hand-off and the codec
// choice that the codec settings hand over. Plain values, copied freely.
#include <QString>

// The frames to encode, as the hand-off passes them.
struct ParametriCodifica {
    QString CartellaVideo;   // the video folder; the script runs in it
    int FrameAlSecondo = 0;
    bool FrameInJpg = false;
    int NumeroFrame = 0;
    QString PrefissoFrame;   // relative to CartellaVideo, e.g. "Frames/Image"

    bool operator==(const ParametriCodifica&) const = default;
};

// The codec choice as the encoding run reads it. Only the fields of the current codec
// page are refreshed by each apply; the others keep their last values.
struct ParametriCodec {
    int TipoCodec = 0;          // 0 ProRes, 1 MPEG-4, 2 HuffYUV, 3 H.264, 4 x264, 5 x265, 6 web preset
    bool VarianteHuffYUV = false;
    int VarianteCodec = 0;      // ProRes profile 1..4, MPEG-4 tag 1..4, web preset 1..3
    int QualitaCodec = 0;       // qscale or crf
    QString PresetCodec;        // "ultrafast" .. "placebo"
    bool LosslessCodec = false;
    bool TuneAttivo = false;
    QString TuneCodec;          // "film" .. "zerolatency"

    bool operator==(const ParametriCodec&) const = default;
};
