#include "dialogs/RigheMessaggio.h"

#include <algorithm>

namespace {

const QString Puntini = QStringLiteral("\u2026");

// Greedy wrap of one paragraph; a word that fits no line alone is split where it must.
void AvvolgiParagrafo(const QString& paragrafo, int larghezza, const MisuraTesto& misura, QStringList& righe) {
    QString riga;
    for (QString parola : paragrafo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        while (!parola.isEmpty()) {
            const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
            if (misura(prova) <= larghezza) {
                riga = prova;
                break;
            }
            if (!riga.isEmpty()) {
                righe << riga;
                riga.clear();
                continue;
            }
            // Alone and still too wide: as many characters as fit, at least one.
            qsizetype n = 1;
            while (n < parola.size() && misura(QStringView(parola).left(n + 1)) <= larghezza) ++n;
            righe << parola.left(n);
            parola = parola.mid(n);
        }
    }
    righe << riga;
}

QStringList Avvolgi(const QString& testo, int larghezza, const MisuraTesto& misura) {
    QStringList righe;
    for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) AvvolgiParagrafo(paragrafo, larghezza, misura, righe);
    return righe;
}

bool Entra(const QStringList& righe, int righeMassime) {
    return righeMassime <= 0 || righe.size() <= righeMassime;
}

}  // namespace

QString AccorciaInMezzo(const QString& parola, int larghezza, const MisuraTesto& misura) {
    if (misura(parola) <= larghezza) return parola;
    for (qsizetype tenuti = parola.size() - 1; tenuti > 0; --tenuti) {
        const qsizetype testa = (tenuti + 1) / 2, coda = tenuti / 2;
        const QString corta = parola.left(testa) + Puntini + parola.right(coda);
        if (misura(corta) <= larghezza) return corta;
    }
    return Puntini;
}

RigheMessaggio DividiInRighe(const QString& testo, int larghezza, int righeMassime, const MisuraTesto& misura) {
    RigheMessaggio r;
    if (testo.isEmpty()) return r;
    r.Righe = Avvolgi(testo, larghezza, misura);
    if (Entra(r.Righe, righeMassime)) return r;

    // Too tall: every word wider than a line keeps its two ends on one line.
    r.Accorciato = true;
    QStringList paragrafi;
    for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) {
        QStringList parole = paragrafo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& p : parole) p = AccorciaInMezzo(p, larghezza, misura);
        paragrafi << parole.join(QLatin1Char(' '));
    }
    r.Righe = Avvolgi(paragrafi.join(QLatin1Char('\n')), larghezza, misura);
    if (Entra(r.Righe, righeMassime)) return r;

    // Still too tall: the lines that fit, the last one ending in "…".
    r.Righe = r.Righe.mid(0, righeMassime);
    QString& ultima = r.Righe.last();
    while (!ultima.isEmpty() && misura(ultima + Puntini) > larghezza) ultima.chop(1);
    ultima += Puntini;
    return r;
}

FormaMessaggio FormaDelMessaggio(const QString& testo, QSize base, QSize massima, int interlinea, int barra,
                                 const MisuraTesto& misura) {
    massima = massima.expandedTo(base);
    interlinea = std::max(interlinea, 1);
    FormaMessaggio f;
    f.Larghezza = base.width();
    f.Righe = Avvolgi(testo, f.Larghezza, misura);
    // Half a line of room keeps the last line's descenders off the buttons' panel.
    auto altezza = [&f, interlinea] { return int(f.Righe.size()) * interlinea + interlinea / 2; };
    if (altezza() > base.height()) {
        // Wider only as far as the text's own lines need, so a path stays on one line.
        int piuLarga = 0;
        for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) piuLarga = std::max(piuLarga, misura(paragrafo));
        f.Larghezza = std::clamp(piuLarga, base.width(), massima.width());
        f.Righe = Avvolgi(testo, f.Larghezza, misura);
        if (altezza() > massima.height()) {
            // The scroll bar's width comes beside the lines where the screen has room.
            f.Larghezza = std::clamp(piuLarga + barra, base.width(), massima.width());
            f.Righe = Avvolgi(testo, std::max(f.Larghezza - barra, 1), misura);
        }
    }
    f.AltezzaTesto = std::max(altezza(), base.height());
    f.AltezzaVisibile = std::min(f.AltezzaTesto, massima.height());
    return f;
}
