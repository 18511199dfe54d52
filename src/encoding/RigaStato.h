#pragma once
// The encoder's status lines ("frame=  12 fps= 25 q=28.0 size=  64kB time=... bitrate=...")
// and the four figures that the encoding window shows from them.
#include <QString>

#include <optional>

// The value after the n-th "=" of the line (1-based): blanks skipped, up to the next blank
// or the end. None when the line has fewer than n "=".
std::optional<QString> LeggiValoreCampo(const QString& riga, int n);

struct FigureCodifica {
    QString Frame = QStringLiteral("0");
    QString Velocita = QStringLiteral("0");
    QString Dimensione = QStringLiteral("0");
    QString Bitrate = QStringLiteral("0");
    bool operator==(const FigureCodifica&) const = default;

    // The frame figure read as a decimal number (leading digits; 0 if none).
    int NumeroFrame() const;
};

bool EUnaRigaStato(const QString& riga);

// Updates the figures from a status line; a figure that the line lacks keeps its value.
// False, and nothing changed, for any other line.
bool AggiornaFigure(const QString& riga, FigureCodifica& figure);

// An output line in which the encoder tells an error ("Error closing file x: No space left on
// device"), without the "[muxer @ 0x...] " that names the part speaking; none for any other
// line, and for the closing "Conversion failed!", which says nothing of why.
std::optional<QString> RigaErrore(const QString& riga);
