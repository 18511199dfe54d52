#include "encoding/RiepilogoCodec.h"

#include <gtest/gtest.h>

TEST(RiepilogoCodec, RowsFollowTheCodecKind) {
    struct Caso {
        ParametriCodec codec;
        int lingua;
        QList<RigaRiepilogo> righe;
    };
    const Caso casi[] = {
        {{0, false, 1, 11, "", false, false, ""}, 0,
         {{"Codec:", "Apple ProRes"}, {"Profilo:", "Proxy"}, {"Qualità:", "11"}}},
        {{1, false, 4, 15, "", false, false, ""}, 1,
         {{"Codec:", "MPEG-4 part 2"}, {"Profile:", "Mp4 MS"}, {"Quality:", "15"}}},
        {{2, true, 0, 0, "", false, false, ""}, 2, {{"Códec:", "Huffyuv FFmpeg variant"}}},
        {{3, false, 0, 23, "medium", false, false, ""}, 3,
         {{"Codec:", "H.264 / AVC / MPEG-4 AVC / MPEG-4 part 10"}, {"Speed:", "medium"}, {"Qualität:", "23"}}},
        {{4, false, 0, 20, "slow", true, false, "film"}, 0,
         {{"Codec:", "x264"}, {"Velocità:", "veryslow"}, {"Qualità:", "lossless"}, {"Lossless :", "Yes"}, {"Tune :", ""}}},
        {{4, false, 0, 20, "slow", false, true, "film"}, 1,
         {{"Codec:", "x264"}, {"Speed:", "slow"}, {"Quality:", "20"}, {"Lossless :", "No"}, {"Tune :", "film"}}},
        {{5, false, 0, 28, "fast", false, true, "film"}, 1,
         {{"Codec:", "x265"}, {"Speed:", "fast"}, {"Quality:", "28"}, {"Lossless :", "No"}}},
        // What runs: the lossless switch overrides the preset and the quality.
        {{5, false, 0, 28, "medium", true, false, ""}, 1,
         {{"Codec:", "x265"}, {"Speed:", "veryslow"}, {"Quality:", "lossless"}, {"Lossless :", "Yes"}}},
        {{6, false, 3, 0, "", false, false, ""}, 1, {{"Codec:", "Facebook"}}},
        {{6, false, 0, 0, "", false, false, ""}, 1, {{"Codec:", ""}}},
    };
    for (const Caso& c : casi) EXPECT_EQ(RigheRiepilogo(c.codec, c.lingua), c.righe) << c.codec.TipoCodec;
    // French rows are placeholders as wide as the Italian ones.
    EXPECT_EQ(RigheRiepilogo({0, false, 4, 1, "", false, false, ""}, 4)[1].Etichetta, "########");
}
