#pragma once
// Reading a picture file for the renderer, with a memory of the files that failed: a file
// that cannot be opened or read, is not a picture, is cut short, is too large or has too
// many scans is tried once, not on every frame, while its size and modification time stay
// the same, and the user is told once per path; so is a picture read but cut short. A picture of the project that is gone is
// told the same way, once, until it is back.
#include "platform/LetturaImmagini.h"
#include "project/MotivoImmagine.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

class QFileInfo;

class ImmaginiIllegibili {
public:
    // The picture of an existing file, or what kept it from being read (a null image).
    ImmagineLetta Leggi(const QString& percorso, const QFileInfo& info, const OpzioniLettura& opzioni = {});
    // A picture the project names is not there (or is not a file): told once per path.
    void Mancante(const QString& percorso, const QFileInfo& info);
    // The messages for the user not handed out yet; the list is emptied.
    QStringList PrendiAvvisi();

private:
    struct Fallimento {
        QDateTime modificato;
        qint64 dimensione = -1;
    };
    void Segnala(const QString& percorso, const QString& messaggio);
    QHash<QString, Fallimento> falliti_;
    QSet<QString> segnalati_;
    QSet<QString> mancanti_;
    QStringList avvisi_;
};
