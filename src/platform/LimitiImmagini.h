#pragma once
// What one picture read may spend, whatever its format: memory for its pixels, bytes of file
// and processor time that grow with the pixels it declares, and nothing more once the session
// is ending, so that a read never holds up the save.
#include <QSize>
#include <QtGlobal>

// The pixels of one decoded picture at most (4 bytes a pixel): a tiny damaged file may declare
// 65500 x 65500 pixels. A JPEG larger than this is decoded at 1/2, 1/4 or 1/8 of its size.
inline constexpr int LimiteMegabyteImmagine = 256;
bool OltreLimiteMemoria(qint64 larghezza, qint64 altezza, int bitPerPixel = 32);

// The bytes a picture of a declared size may take: a photo of pure noise stays under 5 bytes a
// pixel (16-bit PNG under 8), and a camera's metadata (EXIF with its thumbnail, ICC profiles,
// a phone's second pictures and clips) under the allowance. A file past this is refused
// without being read to its end; before the header says a size, the allowance alone holds.
inline constexpr qint64 MargineByteImmagine = 48 * 1024 * 1024;
inline constexpr int ByteAlPixelImmagine = 8;
qint64 ByteAmmessiImmagine(int larghezza, int altezza);

// A budget per declared megapixel with a floor, on the reading thread's processor clock: ten
// times what a quiet machine needs, so a sound photo passes on a loaded or older machine.
inline constexpr int MillisecondiMinimiImmagine = 2000;
inline constexpr int MillisecondiPerMegapixelImmagine = 200;
int MillisecondiAmmessiImmagine(int larghezza, int altezza);

// The decoding thread's own processor time, not the wall clock's: on a loaded machine a sound
// picture is not refused as too slow because other programs had the processor.
qint64 TempoProcessoreNs();

// Why a read was stopped by its deadline or its caller.
enum class FineLettura { Nessuna, Tempo, Interrotta };

class Scadenza {
public:
    // millisecondi <= 0: no time limit (the end of the session still stops it).
    explicit Scadenza(int millisecondi = MillisecondiMinimiImmagine);
    // A new limit from the same start: once the header has told the size.
    void Imposta(int millisecondi);
    int Millisecondi() const { return millisecondi_; }
    // Checked at every read and at every row.
    FineLettura Controlla() const;

private:
    qint64 inizioNs_;
    qint64 fineNs_ = 0;
    int millisecondi_ = 0;
};

// Called from a signal handler when the session ends (async-signal-safe): every read under
// way stops at its next check, and every read begun later stops at once, until resumed.
void InterrompiLettureImmagini() noexcept;
void RiprendiLettureImmagini() noexcept;
bool LettureImmaginiInterrotte() noexcept;
