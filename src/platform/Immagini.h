#pragma once
// Image encoders by MIME type and the rotated copy of a sprite.
#include <QByteArray>
#include <QImage>
#include <QString>

// The index of the writer for a MIME type, its format name in formato; -1 when the
// type has no writer (formato left as it was).
int TrovaEncoder(const QString& tipoMime, QByteArray& formato);

// The image turned by angolo degrees about its centre, at its own size: what leaves the
// rectangle is cut off, the uncovered corners stay transparent.
QImage RuotaImmagine(const QImage& sorgente, int angolo);

// Writes the rotated copy of a picture file as PNG; false when the source cannot be read
// or the copy cannot be written (an earlier destination file then stays as it was).
bool RuotaImmagine(const QString& sorgente, const QString& destinazione, int angolo);
