#include "encoding/DivisoreRighe.h"

QList<QByteArray> DivisoreRighe::Aggiungi(const QByteArray& blocco) {
    QList<QByteArray> righe;
    for (char c : blocco) {
        const bool eraCr = dopoCr_;
        dopoCr_ = false;
        if (c == '\n' && eraCr) continue;
        if (c == '\r' || c == '\n') {
            righe.append(resto_);
            resto_.clear();
            dopoCr_ = c == '\r';
        } else {
            resto_.append(c);
        }
    }
    return righe;
}

QList<QByteArray> DivisoreRighe::Termina() {
    QList<QByteArray> righe;
    if (!resto_.isEmpty()) righe.append(resto_);
    resto_.clear();
    dopoCr_ = false;
    return righe;
}
