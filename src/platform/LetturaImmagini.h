#pragma once
// The one reader of every picture that comes from a file or from inside one. Before a pixel
// is decoded it checks what the file declares (the size, so the memory; a progressive JPEG's
// scans), and a JPEG goes through libjpeg with a cap on its working memory and a time limit:
// a few hundred damaged bytes can neither take gigabytes nor hold a window for seconds.
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
    TroppeScansioni,  // more than LimiteScansioniJpeg scans
    TroppoLenta,      // not decoded within the time limit
    Illeggibile,      // not a picture, cut short, damaged: Dettaglio is the decoder's word
};

// The pixels of one picture at most: Qt's own readers stop at the same size.
inline constexpr int LimiteMegabyteImmagine = LimiteMegabyteJpeg;
// Far beyond what the largest real photo takes at full size; only a hostile file gets there.
inline constexpr int LimiteMillisecondiImmagine = 2000;

struct OpzioniLettura {
    // When valid, a JPEG may be decoded at 1/2, 1/4 or 1/8 of its size, still covering this
    // (thumbnails and previews); other formats come whole.
    QSize Copertura;
    // Turned as the file's orientation tag says (photos from a camera).
    bool Orienta = false;
    int MillisecondiMassimi = LimiteMillisecondiImmagine;
};

struct ImmagineLetta {
    QImage Immagine;  // null unless read
    RifiutoImmagine Rifiuto = RifiutoImmagine::Nessuno;
    QSize Dichiarata;  // the size the file declares, when its header could be read
    QString Dettaglio;  // the system's or the decoder's own words, as they give them
    bool Letta() const { return Rifiuto == RifiutoImmagine::Nessuno; }
};

ImmagineLetta LeggiImmagine(const QString& percorso, const OpzioniLettura& opzioni = {});
// A picture held in memory, in a format Qt names ("BMP", "PNG"); the same checks of size.
ImmagineLetta LeggiImmagine(const QByteArray& dati, const char* formato);
