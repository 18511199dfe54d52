#include "platform/Stringhe.h"

namespace {
bool Blank(QChar c) { return c.unicode() < 33; }
}  // namespace

void TogliSpaziFinali(QString& testo) {
    qsizetype fine = testo.size();
    while (fine > 0 && Blank(testo[fine - 1])) --fine;
    testo.truncate(fine);
}

void TogliSpaziIniziali(QString& testo) {
    qsizetype inizio = 0;
    while (inizio < testo.size() && Blank(testo[inizio])) ++inizio;
    testo.remove(0, inizio);
}

int CalcolaProporzione(int a, int b, int c) {
    if (c == 0) return 0;
    return static_cast<int>(static_cast<long long>(a) * b / c);
}
