#pragma once
// The one reader of every picture that comes from a file or from inside one. The file is opened
// once, as a regular file, and everything is read from that descriptor. Before a pixel is
// decoded it checks what the file declares (the size, so the memory), and a JPEG goes through
// libjpeg with caps on its working memory, its scans, its bytes and its time, header included:
// a few hundred damaged bytes can neither take gigabytes nor hold a window for seconds.
#include "platform/FileRegolare.h"
#include "platform/Jpeg.h"

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
    TroppoGrande,     // the declared size (Dichiarata) needs more than LimiteMegabyteImmagine
    TroppeScansioni,  // more scans than its size allows
    TroppoLenta,      // not decoded within the time limit
    TroppiByte,       // far more bytes than any picture of its declared size could need
    Illeggibile,      // not a picture, damaged: Dettaglio is the decoder's word
};

// The pixels of one picture at most; Qt's own readers are held to the same.
inline constexpr int LimiteMegabyteImmagine = LimiteMegabyteJpeg;

struct OpzioniLettura {
    // When valid, a JPEG may be decoded at 1/2, 1/4 or 1/8 of its size, still covering this
    // (thumbnails and previews); other formats come whole.
    QSize Copertura;
    // Turned as the file's orientation tag says (photos from a camera).
    bool Orienta = false;
    // < 0: the budget of the declared size (MillisecondiAmmessiJpeg).
    int MillisecondiMassimi = -1;
};

struct ImmagineLetta {
    QImage Immagine;  // null unless read
    RifiutoImmagine Rifiuto = RifiutoImmagine::Nessuno;
    QSize Dichiarata;  // the size the file declares, when its header could be read
    QString Dettaglio;  // the system's or the decoder's own words, as they give them
    // Read, but the file ends early: libjpeg draws what is missing grey, Qt a BMP's black.
    bool Troncata = false;
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
