#pragma once
// Decoded pictures kept by path and modification time, so a sprite or background read on
// every frame is decoded once while its file stays the same; so is a file that cannot be read.
#include "render/ImmaginiIllegibili.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// Whether a file that is not there is told: a picture the project names (a background, a logo)
// is; the working files and sprites whose absence the drawing takes in its stride are not.
enum class Assenza { Taciuta, Segnalata };

class CacheImmagini {
public:
    // The picture of a file, or a null image when it cannot be read. A photo too large for the
    // memory limit comes smaller, with a device pixel ratio that keeps its own size.
    QImage Carica(const QString& percorso, Assenza assenza = Assenza::Taciuta);
    // The picture scaled with high quality to dimensione (kept as well).
    QImage CaricaScalata(const QString& percorso, const QSize& dimensione, Assenza assenza = Assenza::Taciuta);
    void Svuota() { voci_.clear(); }
    // Why pictures could not be read, once per path; emptied by the call.
    QStringList PrendiAvvisi() { return illegibili_.PrendiAvvisi(); }

private:
    struct Voce {
        QDateTime modificato;
        qint64 dimensioneFile = -1;
        QImage immagine;
        QImage scalata;
    };
    Voce* Trova(const QString& percorso, Assenza assenza, const QSize& copertura);
    QHash<QString, Voce> voci_;
    ImmaginiIllegibili illegibili_;
};
