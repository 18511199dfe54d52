#pragma once
// How a message's text is laid into the lines of its box: words wrap at spaces, a word wider
// than the box (a long path) wraps at any character, and a text that would need more lines
// than the box holds is shortened, long words in the middle with "…", so nothing is ever cut
// off the box. Pure: the width of a piece of text comes from misura.
#include <QSize>
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

// The shape of a message's text in a box that grows to hold it: the lines and the place they
// take. Past the largest place the lines scroll.
struct FormaMessaggio {
    QStringList Righe;
    int Larghezza = 0;        // of the lines' place
    int AltezzaTesto = 0;     // the lines' height, at least the box's own
    int AltezzaVisibile = 0;  // shown; below AltezzaTesto the lines scroll
    bool Scorre() const { return AltezzaVisibile < AltezzaTesto; }
};

// base: the text's place in the box as drawn; massima: the largest place the screen leaves
// (never below base); interlinea: the height of a line; barra: the width a scroll bar takes
// from the lines. Text that fits base stays there; more grows the place taller and, for lines
// wider than base, wider up to massima.
FormaMessaggio FormaDelMessaggio(const QString& testo, QSize base, QSize massima, int interlinea, int barra,
                                 const MisuraTesto& misura);
