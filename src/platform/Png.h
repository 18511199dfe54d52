#pragma once
// PNG through libpng, row by row, from any device: the caller sees the header before a pixel is
// made, and is asked between rows whether to go on. Reading stops at the last row, so a tail of
// compressed data that inflates to gigabytes is never inflated; a file that ends or breaks
// before the last row gives the rows that came.
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

// accetta sees the header and may stop before any pixel; avanti is asked before every row.
LetturaPng LeggiPng(QIODevice& dispositivo, const std::function<bool(const TestataPng&)>& accetta,
                    const std::function<bool()>& avanti);
