#pragma once
// What the picture tools share: mouse gestures sent straight to a control, the grab of a
// widget, writing a picture with its path on the console, cutting a window to its shape and a
// scratch home for the user folders.
#include "platform/CartelleUtente.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

inline void Mouse(QWidget* w, QEvent::Type tipo, QPoint pos, Qt::MouseButton tasto, Qt::MouseButtons tenuti) {
    QMouseEvent e(tipo, pos, pos, w->mapToGlobal(pos), tasto, tenuti, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The pointer comes over the control and stops at pos.
inline void Entra(QWidget* w, QPoint pos) {
    QEnterEvent e(pos, pos, w->mapToGlobal(pos));
    QApplication::sendEvent(w, &e);
    Mouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

// The left button goes down at pos and stays down.
inline void Premi(QWidget* w, QPoint pos) {
    Entra(w, pos);
    Mouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

inline void Rilascia(QWidget* w, QPoint pos) {
    Mouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

inline void Esci(QWidget* w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// The picture of a widget as it shows, without the window system.
inline QImage Foto(QWidget* w) { return w->grab().toImage(); }

// Writes the picture and prints its path, or says on stderr that it could not.
inline bool SalvaFoto(const QImage& im, const QString& percorso) {
    if (!im.save(percorso)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
        return false;
    }
    std::printf("%s\n", qPrintable(percorso));
    return true;
}

// What lies outside forma is not part of the window: it becomes fondo.
inline QImage Ritaglia(const QImage& im, const QRegion& forma, const QColor& fondo = Qt::transparent) {
    QImage tagliata(im.size(), QImage::Format_ARGB32_Premultiplied);
    tagliata.fill(fondo);
    QPainter p(&tagliata);
    p.setClipRegion(forma);
    p.drawImage(0, 0, im);
    p.end();
    return tagliata;
}

// The user folders in a scratch place, never the user's; the program folder's pictures are
// the real ones.
inline bool CasaTemporanea(const QTemporaryDir& casa) {
    return ImpostaCartelleUtente(casa.filePath(QStringLiteral("dati")), casa.filePath(QStringLiteral("documenti")),
                                 QCoreApplication::applicationDirPath());
}

// The file-name tag of the two languages the dialog pictures are made in.
inline const char* Sigla(int lingua) { return lingua == 0 ? "it" : "en"; }
