#pragma once
// What makes a video whole: every frame file of the run is there and whole before the encoder
// starts, and the video holds as many frames as the project asked for. ffmpeg stops at a gap in
// the numbering, drops a frame it cannot decode, or encodes a cut one grey, and still exits with 0.
#include "encoding/ParametriCodifica.h"

#include <QString>

#include <atomic>
#include <optional>

// The frame file of a number as the encoder reads it: folder, prefix, "_", four digits, extension.
QString PercorsoFrame(const ParametriCodifica& parametri, int numero);

struct FrameDifettoso {
    int Numero = 0;
    QString Percorso;
    QString Motivo;  // "missing", or in words why the picture is not whole
};

// Why a frame file is not a whole picture, in the language given (a CodiceLingua); none when
// it is. A JPEG's compressed data is read to its end (not decoded to pixels); a BMP's size
// must hold the pixel data its header declares.
std::optional<QString> DifettoFrame(const QString& percorso, bool jpg, int lingua);

// The first of the frames 1..NumeroFrame that is missing or not whole, checked on several
// threads. Stops early, with none, once annulla is set.
std::optional<FrameDifettoso> PrimoFrameDifettoso(const ParametriCodifica& parametri, int lingua,
                                                  const std::atomic<bool>* annulla = nullptr);

// The frames the video should hold: the project's count, except where the Vimeo and Facebook
// presets resample to 25 frames a second, whose exact count ffmpeg rounds in its own way: a
// band around count x 25 / rate.
struct FrameAttesi {
    int Minimo = 0;
    int Massimo = 0;
    bool Contiene(int n) const { return n >= Minimo && n <= Massimo; }
};
FrameAttesi FrameAttesiDallEncoder(const ParametriCodifica& parametri, const ParametriCodec& codec);
