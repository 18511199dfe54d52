#pragma once
// How a message's text is laid into the lines of its box: words wrap at spaces; a word wider
// than the box (a long path) breaks after a "/", and a name wider than the box alone after a
// "_", "-" or "."; only a piece wider than the box still is breaks between two characters.
// Every character of the text is in the lines. Pure: the width of a piece of text comes from
// misura.
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

using MisuraTesto = std::function<int(QStringView)>;

// The lines, each no wider than larghezza; the text's own line breaks stay.
QStringList AvvolgiTesto(const QString& testo, int larghezza, const MisuraTesto& misura);

// The shape of a message's text in a box that grows to hold it: the lines and the place they
// take. Past the largest place the lines scroll, a whole number of them in view.
struct FormaMessaggio {
    QStringList Righe;
    int Larghezza = 0;        // of the lines' place
    int AltezzaTesto = 0;     // the lines' height, at least the box's own
    int AltezzaVisibile = 0;  // shown; below AltezzaTesto the lines scroll
    bool Scorre() const { return AltezzaVisibile < AltezzaTesto; }
};

// base: the text's place in the box as drawn; massima: the largest place the screen leaves
// (never below base); interlinea: the height of a line; barra: the width a scroll bar takes
// from the lines, with the gap that keeps them clear of it. Text that fits base stays there;
// more grows the place taller and, for lines wider than base, wider up to massima.
FormaMessaggio FormaDelMessaggio(const QString& testo, QSize base, QSize massima, int interlinea, int barra,
                                 const MisuraTesto& misura);
