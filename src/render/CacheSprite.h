#pragma once
// The effect sprites, decoded once and kept while their file stays the same (path, size and
// modification time), with their turned copies. A file that is gone or unreadable gives a
// null image and drops whatever was kept for it, so a stale picture is never drawn; an
// unreadable one is not decoded again until it changes.
#include "render/ImmaginiIllegibili.h"

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

class CacheSprite {
public:
    CacheSprite();

    // The picture as it is in the file.
    QImage Immagine(const QString& percorso);
    // The picture turned by angolo degrees about its centre, at its own size.
    QImage Ruotata(const QString& percorso, int angolo);
    // As Ruotata, with the blue channel cleared (the fire's colour matrix).
    QImage RuotataSenzaBlu(const QString& percorso, int angolo);

    void Svuota();
    // Why sprites could not be read, once per path; emptied by the call.
    QStringList PrendiAvvisi() { return illegibili_.PrendiAvvisi(); }

private:
    struct Sorgente {
        QImage immagine;
        qint64 dimensione = -1;
        QDateTime modificata;
    };
    bool Aggiorna(const QString& percorso, QImage& immagine);
    QImage Derivata(const QString& percorso, int angolo, bool senzaBlu);

    QCache<QString, Sorgente> sorgenti_;
    QCache<QString, QImage> derivate_;
    ImmaginiIllegibili illegibili_;
};
