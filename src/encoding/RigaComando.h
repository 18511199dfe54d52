#pragma once
// The encoder's command line: the argument list that is run, and the same line quoted for
// the shell, which the script carries and the codec window and the log show.
#include "encoding/ParametriCodifica.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

struct RigaComando {
    QString Programma;       // the encoder, found on PATH
    QStringList Argomenti;   // everything after the program
    QString PercorsoVideo;   // the output file, the last argument
    QString Testo;           // program and arguments, quoted where a POSIX shell needs it
};

// Quotes one word for a POSIX shell so that it reaches the program unchanged; a word of
// plain characters (letters, digits, "_-./,:=+@%") stays as it is, so the line reads well.
QString QuotaShell(const QString& parola);
QString QuotaShell(const QStringList& parole);

// "Video_" with year, month, day, hour, minute and second, all zero-padded.
QString NomeVideo(const QDateTime& momento);
// ".mov", ".avi", ".mp4" or ".mkv" by codec kind.
QString EstensioneVideo(int tipoCodec);

// momento names the output file; the run passes the time it starts.
RigaComando CreaRigaComando(const ParametriCodifica& frame, const ParametriCodec& codec, const QDateTime& momento,
                            const QString& programma = QStringLiteral("ffmpeg"));
