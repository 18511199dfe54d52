#pragma once
// Why a picture was not read (or was read only in part), in the words the windows and the
// encoding run show: our own for what our reader refused, the system's or the decoder's for
// the rest.
#include "platform/FileRegolare.h"
#include "platform/LetturaImmagini.h"

#include <QString>

// "The picture could not be read: <path> (<reason>)", in the interface language.
QString MessaggioImmagineIllegibile(const QString& percorso, const QString& motivo);
// What the renderer tells of a picture: the one above for a refused one, "drawn only in part"
// for one cut short; empty for a picture read whole.
QString MessaggioImmagine(const QString& percorso, const ImmagineLetta& letta);
// In a language (a CodiceLingua); empty for a picture read whole.
QString MotivoImmagine(const ImmagineLetta& letta, int lingua);
QString MotivoImmagine(const ImmagineLetta& letta);

// Why a file of the program's own (a project, a list, a style) was not read, in the interface
// language: ours for what was refused before reading, else the system's words.
QString MotivoFile(RifiutoFile rifiuto, qint64 dimensione, const QString& errore);
