#pragma once
// The one reader of every picture that comes from a file or from inside one. The file is opened
// once, as a regular file, and everything is read from that descriptor. Whatever the format,
// before a pixel is decoded it checks what the file declares (the size, so the memory, and the
// bytes a picture of that size may take), and the decoding is held to a processor-time budget
// of that size, checked at every read and every row, header included: a few hundred damaged
// bytes can neither take gigabytes nor hold a window for seconds. JPEG goes through libjpeg,
// PNG through libpng, the rest through Qt's readers.
#include "platform/FileRegolare.h"
#include "platform/Jpeg.h"
#include "platform/LimitiImmagini.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Why a picture was not read.
enum class RifiutoImmagine {
    Nessuno,
    Mancante,         // no such file
    NonUnFile,        // a folder, a device, a pipe
    NonApribile,      // no permission, a read error: Dettaglio says which
    TroppoGrande,     // its pixels (Dichiarata, at BitPerPixel) need more than LimiteMegabyteImmagine
    TroppiPixel,      // a JPEG of more than LimitePixelJpeg pixels
    TroppaMemoria,    // the decoding itself would need more (a large progressive JPEG)
    TroppeScansioni,  // more scans than its size allows
    TroppoLenta,      // not decoded within the time limit
    TroppiByte,       // far more bytes than any picture of its declared size could need
    Interrotta,       // the session is ending
    FormatoSconosciuto,  // not a picture in any format known here
    FormatoNonAmmesso,   // a format Qt reads that is not taken here (a vector drawing): Formato
    Illeggibile,      // damaged: Dettaglio is the decoder's word, Formato its format
};

struct OpzioniLettura {
    // When valid, the picture is drawn into this size (upright): a JPEG is decoded at 1/2, 1/4
    // or 1/8 of its size, still covering it. Without it, a JPEG past the memory limit is
    // decoded as much smaller as the limit needs, and drawn at its own size (Propria).
    QSize Copertura;
    // Turned as the file's orientation tag says: a photo taken upright is drawn upright.
    bool Orienta = true;
    // < 0: the budget of the declared size (MillisecondiAmmessiImmagine).
    int MillisecondiMassimi = -1;
};

struct ImmagineLetta {
    QImage Immagine;  // null unless read
    RifiutoImmagine Rifiuto = RifiutoImmagine::Nessuno;
    QSize Dichiarata;  // the size the file declares, when its header could be read
    int BitPerPixel = 32;  // as the decoder would hold it
    QByteArray Formato;  // "jpeg", "png", "bmp", ... once it was recognised
    QString Dettaglio;  // the system's or the decoder's own words, as they give them
    // Read, but the file ends or breaks early: what is missing is grey, transparent or black.
    bool Troncata = false;
    // The picture's own size, upright; Immagine is 1/Riduzione of it.
    QSize Propria;
    int Riduzione = 1;
    // The processor time it was allowed, once its size was known.
    int Millisecondi = 0;
    bool Letta() const { return Rifiuto == RifiutoImmagine::Nessuno; }
};

ImmagineLetta LeggiImmagine(const QString& percorso, const OpzioniLettura& opzioni = {});
// A picture held in memory, in a format Qt names ("BMP", "PNG"); the same checks of size.
ImmagineLetta LeggiImmagine(const QByteArray& dati, const char* formato);

// The same from a file already opened (FileRegolare::Apri), read from its descriptor.
ImmagineLetta LeggiImmagine(const FileRegolare& file, const OpzioniLettura& opzioni = {});
// A refused file, or what libjpeg answered, as the reader gives it.
ImmagineLetta EsitoFile(const FileRegolare& file);
ImmagineLetta EsitoJpeg(const LetturaJpeg& letta);

// What the header of a BMP file says of its pixel data.
struct TestataBmp {
    bool Valida = false;      // a known kind of header, a sane size and depth
    qint64 InizioDati = 0;
    qint64 DatiAttesi = -1;   // the bytes of pixel data; -1 when compressed
};
// From the first 54 bytes (or fewer, when the file is shorter); it must start with "BM".
TestataBmp LeggiTestataBmp(const QByteArray& inizio);
