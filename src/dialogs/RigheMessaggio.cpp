#include "dialogs/RigheMessaggio.h"

#include <algorithm>

namespace {

// The word cut after each of the characters given; the pieces keep every character.
QStringList TagliaDopo(const QString& parola, QStringView separatori) {
    QStringList pezzi;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < parola.size(); ++i)
        if (separatori.contains(parola[i])) {
            pezzi << parola.mid(inizio, i + 1 - inizio);
            inizio = i + 1;
        }
    if (inizio < parola.size()) pezzi << parola.mid(inizio);
    return pezzi;
}

// The pieces a word too wide for a line may break into: its names after each "/", a name too
// wide alone after each "_", "-" or ".", and a piece too wide still into runs that fit.
QStringList PezziParola(const QString& parola, int larghezza, const MisuraTesto& misura) {
    QStringList pezzi;
    for (const QString& nome : TagliaDopo(parola, u"/")) {
        if (misura(nome) <= larghezza) {
            pezzi << nome;
            continue;
        }
        for (QString parte : TagliaDopo(nome, u"_-.")) {
            while (misura(parte) > larghezza) {
                // As many characters as fit, at least one.
                qsizetype n = 1;
                while (n < parte.size() && misura(QStringView(parte).left(n + 1)) <= larghezza) ++n;
                pezzi << parte.left(n);
                parte = parte.mid(n);
            }
            if (!parte.isEmpty()) pezzi << parte;
        }
    }
    return pezzi;
}

// Greedy wrap of one paragraph; a word that fits no line alone starts a line of its own and
// runs on over as many as it needs.
void AvvolgiParagrafo(const QString& paragrafo, int larghezza, const MisuraTesto& misura, QStringList& righe) {
    QString riga;
    for (const QString& parola : paragrafo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
        if (misura(prova) <= larghezza) {
            riga = prova;
            continue;
        }
        if (!riga.isEmpty()) righe << riga;
        riga.clear();
        if (misura(parola) <= larghezza) {
            riga = parola;
            continue;
        }
        for (const QString& pezzo : PezziParola(parola, larghezza, misura)) {
            if (!riga.isEmpty() && misura(riga + pezzo) > larghezza) {
                righe << riga;
                riga.clear();
            }
            riga += pezzo;
        }
    }
    righe << riga;
}

}  // namespace

QStringList AvvolgiTesto(const QString& testo, int larghezza, const MisuraTesto& misura) {
    QStringList righe;
    for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) AvvolgiParagrafo(paragrafo, larghezza, misura, righe);
    return righe;
}

FormaMessaggio FormaDelMessaggio(const QString& testo, QSize base, QSize massima, int interlinea, int barra,
                                 const MisuraTesto& misura) {
    massima = massima.expandedTo(base);
    interlinea = std::max(interlinea, 1);
    FormaMessaggio f;
    f.Larghezza = base.width();
    f.Righe = AvvolgiTesto(testo, f.Larghezza, misura);
    // Half a line of room keeps the last line's descenders off the buttons' panel.
    auto altezza = [&f, interlinea] { return int(f.Righe.size()) * interlinea + interlinea / 2; };
    if (altezza() > base.height()) {
        // Wider only as far as the text's own lines need, so a path stays on one line.
        int piuLarga = 0;
        for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) piuLarga = std::max(piuLarga, misura(paragrafo));
        f.Larghezza = std::clamp(piuLarga, base.width(), massima.width());
        f.Righe = AvvolgiTesto(testo, f.Larghezza, misura);
        if (altezza() > massima.height()) {
            // The scroll bar's width comes beside the lines where the screen has room.
            f.Larghezza = std::clamp(piuLarga + barra, base.width(), massima.width());
            f.Righe = AvvolgiTesto(testo, std::max(f.Larghezza - barra, 1), misura);
            // Scrolled line by line, the view holds whole lines only.
            f.AltezzaTesto = int(f.Righe.size()) * interlinea;
            f.AltezzaVisibile = std::max(massima.height() / interlinea, 1) * interlinea;
            return f;
        }
    }
    f.AltezzaTesto = std::max(altezza(), base.height());
    f.AltezzaVisibile = std::min(f.AltezzaTesto, massima.height());
    return f;
}
