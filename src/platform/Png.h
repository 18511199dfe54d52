#pragma once
// PNG through libpng, handed the file a block at a time from any device (whose reads are where
// the time is checked): the caller sees the header before a pixel is made. Nothing past the
// last row is inflated, and reading stops there, so a tail of compressed data that would
// inflate to gigabytes costs nothing; a file that ends or breaks before the last row gives the
// rows that came.
#include <QImage>
#include <QIODevice>
#include <QSize>
#include <QString>

#include <functional>

struct TestataPng {
    QSize Dimensione;
    int Bit = 0;  // per channel, as the file stores it
    bool Interlacciata = false;
    bool Alfa = false;  // an alpha channel or a transparent colour
};

struct LetturaPng {
    // 32-bit (ARGB32 with alpha, else RGB32); null unless read, in whole or in part.
    QImage Immagine;
    TestataPng Testata;  // Dimensione valid once the header was read
    // The data ends or breaks before the last row: what is missing stays transparent or grey.
    bool Parziale = false;
    bool Fermata = false;  // stopped by the caller, or by a read the device refused
    QString Errore;        // libpng's words, when it stopped
};

// accetta sees the header and may stop before any pixel.
LetturaPng LeggiPng(QIODevice& dispositivo, const std::function<bool(const TestataPng&)>& accetta);
