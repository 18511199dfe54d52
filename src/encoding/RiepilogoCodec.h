#pragma once
// The summary of the codec choice that the encoding window shows above its figures.
#include "encoding/ParametriCodifica.h"

#include <QList>
#include <QString>

struct RigaRiepilogo {
    QString Etichetta;
    QString Valore;
    bool operator==(const RigaRiepilogo&) const = default;
};

// The rows shown, from the first; rows not listed stay hidden. lingua is a language code 0..4.
QList<RigaRiepilogo> RigheRiepilogo(const ParametriCodec& codec, int lingua);
