#include "encoding/DivisoreRighe.h"

#include <algorithm>

namespace {

// The length of the line without a UTF-8 sequence that the cut left unfinished, so that the
// kept part does not end in stray bytes.
qsizetype SenzaSequenzaMonca(const QByteArray& riga) {
    const qsizetype n = riga.size();
    for (qsizetype i = n - 1; i >= 0 && i >= n - 4; --i) {
        const auto b = static_cast<unsigned char>(riga[i]);
        if ((b & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const qsizetype attesi = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return n - i < attesi ? i : n;
    }
    return n;
}

}  // namespace

void DivisoreRighe::Accoda(const char* da, qsizetype quanti) {
    const qsizetype posto = std::max<qsizetype>(limite_ - resto_.size(), 0);
    const qsizetype presi = std::min(quanti, posto);
    resto_.append(da, presi);
    tagliati_ += quanti - presi;
}

RigaUscita DivisoreRighe::Chiudi() {
    RigaUscita riga{resto_, tagliati_};
    if (riga.Tagliati > 0) {
        const qsizetype tieni = SenzaSequenzaMonca(riga.Byte);
        riga.Tagliati += riga.Byte.size() - tieni;
        riga.Byte.truncate(tieni);
    }
    resto_.clear();
    tagliati_ = 0;
    return riga;
}

QList<RigaUscita> DivisoreRighe::Aggiungi(const QByteArray& blocco) {
    QList<RigaUscita> righe;
    const char* p = blocco.constData();
    const char* const fine = p + blocco.size();
    while (p < fine) {
        if (dopoCr_ && *p == '\n') {
            dopoCr_ = false;
            ++p;
            continue;
        }
        dopoCr_ = false;
        const char* a = std::find_if(p, fine, [](char c) { return c == '\r' || c == '\n'; });
        Accoda(p, a - p);
        if (a == fine) break;
        righe.append(Chiudi());
        dopoCr_ = *a == '\r';
        p = a + 1;
    }
    return righe;
}

QList<RigaUscita> DivisoreRighe::Termina() {
    QList<RigaUscita> righe;
    if (!resto_.isEmpty() || tagliati_ > 0) righe.append(Chiudi());
    dopoCr_ = false;
    return righe;
}
