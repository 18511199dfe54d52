#pragma once
// What makes a video whole: every frame file of the run is there and readable before the
// encoder starts, and the encoder wrote as many frames as the project asked for. ffmpeg stops
// at a gap in the numbering, or drops a frame it cannot decode, and still exits with 0.
#include "encoding/ParametriCodifica.h"

#include <QString>

#include <optional>

// The frame file of a number as the encoder reads it: folder, prefix, "_", four digits, extension.
QString PercorsoFrame(const ParametriCodifica& parametri, int numero);

struct FrameDifettoso {
    int Numero = 0;
    QString Percorso;
    QString Motivo;  // "missing", or why its picture cannot be read
};

// The first of the frames 1..NumeroFrame that is missing or whose picture header cannot be
// read (only headers are read, so a long run is checked quickly).
std::optional<FrameDifettoso> PrimoFrameDifettoso(const ParametriCodifica& parametri);

// The frames the encoder should report: the project's count, except where the Vimeo and
// Facebook presets resample to 25 frames a second, whose exact count ffmpeg rounds in its
// own way: a band around count x 25 / rate.
struct FrameAttesi {
    int Minimo = 0;
    int Massimo = 0;
    bool Contiene(int n) const { return n >= Minimo && n <= Massimo; }
};
FrameAttesi FrameAttesiDallEncoder(const ParametriCodifica& parametri, const ParametriCodec& codec);
