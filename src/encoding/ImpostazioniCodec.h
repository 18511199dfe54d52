#pragma once
// The codec choice as the codec window edits it, its fixed-layout settings string (the
// project file's "Codec" line) and what it hands to the encoding run.
#include "encoding/ParametriCodifica.h"

#include <QString>
#include <QStringList>

// The items of the preset lists (H.264, x264, x265) and of the x264 tune list.
const QStringList& VociPresetCodec();
const QStringList& VociTuneCodec();

// Every control of the codec window. A radio group holds its member that is on, 0 for none.
struct SceltaCodec {
    int Pagina = 1;              // 1 ProRes .. 7 web presets
    int ProresVariante = 4;      // 1 Proxy, 2 LT, 3 SQ, 4 HQ
    int ProresQualita = 11;      // 0..32
    int Mp4Variante = 1;         // 1 standard, 2 DivX, 3 Xvid, 4 Microsoft
    int Mp4Qualita = 15;         // 1..31
    bool HuffYUVVariante = false;
    int H264Preset = 6;          // item of VociPresetCodec, 1-based
    int H264Qualita = 23;        // 0..51
    int X264Preset = 6;
    int X264Qualita = 23;
    bool X264Lossless = false;
    bool X264Tune = false;
    int X264TuneValue = 6;       // item of VociTuneCodec, 1-based
    int X265Preset = 6;
    int X265Qualita = 28;
    bool X265Lossless = false;
    int PresetWeb = 1;           // 1 YouTube, 2 Vimeo, 3 Facebook

    bool operator==(const SceltaCodec&) const = default;
};

// Every field is written, an empty radio group as "00-", so the string is always 107
// characters long and later fields never shift.
QString ScriviImpostazioniCodec(const SceltaCodec& scelta);

// Reads a settings string over the current choice. A string that does not begin with
// "Codec :" changes nothing; a field beyond the end of the string reads as 0; the page is
// clamped to 1..7, a list item out of range selects item 1, a radio group value out of
// range leaves the group empty, numbers are kept as read.
SceltaCodec LeggiImpostazioniCodec(const QString& testo, const SceltaCodec& attuale = SceltaCodec());

// What the encoding run receives from the choice: only the fields of the current page
// change, the others keep the values of precedente.
ParametriCodec ApplicaImpostazioniCodec(const SceltaCodec& scelta, const ParametriCodec& precedente);
