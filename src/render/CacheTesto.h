#pragma once
// The text layers kept between renders. Each picture keeps the key of the inputs it was drawn
// from; a render whose inputs are the same takes the kept picture, and a layer file is written
// again only when its picture changed.
#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

struct RigaParziale;

struct VoceCacheTesto {
    QByteArray ChiaveForma;    // text, font, margins, logo size: the geometry and outlines
    QRect Geometria;           // left, top, width and height of the line's geometry
    QPainterPath Percorso;     // the styled layer's outline, in layer coordinates
    QByteArray ChiaveOmbra;
    QByteArray ChiaveOggetto;
    QString FileOmbra;         // where the kept picture was last written
    QString FileOggetto;
    // Intro 6: the layer without its moving glint, kept apart so a frame only paints the glint.
    QByteArray ChiaveLucido;
    QImage SottoLucido;        // everything under the grey stroke
    QImage MascheraLucido;     // the stroke's coverage
    QImage SopraLucido;        // the fill over it (null without one)
    // A very wide line: what its partial layers are drawn from.
    std::shared_ptr<RigaParziale> Parziale;
};

struct CacheTesto {
    std::array<VoceCacheTesto, 4> Righe;
    // Counts the changes of any styled layer, so that what is composed from them can tell.
    std::uint64_t Generazione = 0;
    // Intro 1's composed text: the generation and places it was composed from.
    QByteArray ChiaveComposizione;
};
