#pragma once
// How a message's text is laid into the lines of its box: words wrap at spaces, a word wider
// than the box (a long path) wraps at any character, and a text that would need more lines
// than the box holds is shortened, long words in the middle with "…", so nothing is ever cut
// off the box. Pure: the width of a piece of text comes from misura.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

struct RigheMessaggio {
    QStringList Righe;
    bool Accorciato = false;  // the lines do not hold the whole text
};

using MisuraTesto = std::function<int(QStringView)>;

// Lines no wider than larghezza, at most righeMassime of them (no limit when 0 or less);
// the text's own line breaks stay.
RigheMessaggio DividiInRighe(const QString& testo, int larghezza, int righeMassime, const MisuraTesto& misura);

// The word with its middle replaced by "…" so that it fits larghezza; the word itself when it
// fits already.
QString AccorciaInMezzo(const QString& parola, int larghezza, const MisuraTesto& misura);
