#pragma once
// Text styles: ".orvstyle" files holding a 98x64 preview picture and the font-page settings.
// The program reads them into the gallery and applies them to the settings model; it ships a
// set of its own and installs them into an empty styles folder.
#include "project/ImpostazioniProgetto.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The preview block at the start of every style file, a BMP picture.
inline constexpr qsizetype DimensioneAnteprimaStile = 25143;
inline constexpr int LarghezzaAnteprimaStile = 98;
inline constexpr int AltezzaAnteprimaStile = 64;
// Only this many characters of a value line count.
inline constexpr int LunghezzaRigaStile = 70;

// "*.orvstyle"
QString FiltroFileStile();

// The styles of a folder: picture i is the preview of the file at path i.
struct GalleriaStili {
    QList<QImage> Anteprime;
    QStringList Percorsi;
};

// The style files of cartella in name order; a file that cannot be opened is left out, one
// whose picture cannot be decoded gets a blank picture. Every picture is 98x64.
GalleriaStili CaricaGalleriaStili(const QString& cartella);
GalleriaStili CaricaGalleriaStili();  // of CartellaStili

// The preview block decoded; a blank 98x64 picture when it is not a BMP.
QImage DecodificaAnteprimaStile(const QByteArray& contenuto);

enum class EsitoStile {
    Applicato,   // every value line was read
    Incompleto,  // the file ended early: the lines before its end were applied
    NonAperto,   // no selection, or the file cannot be read: nothing changed
    NonValido,   // not a style file (no BMP preview, a line of the wrong form): nothing changed
};

// Sets the font-page settings from a style file, each number brought into its control's
// range. The full path decides the built-in rule: a path holding one of the built-in style
// names gets a black shadow.
EsitoStile ApplicaStileTesto(ImpostazioniProgetto& impostazioni, const QString& percorso);
EsitoStile ApplicaStileTesto(ImpostazioniProgetto& impostazioni, const QByteArray& contenuto,
                             const QString& percorso);

// The gallery's double click: applies the style at indice (-1: none selected). The window
// renders a new preview afterwards whatever the result.
EsitoStile ApplicaStileGalleria(ImpostazioniProgetto& impostazioni, const GalleriaStili& galleria,
                                int indice);

// The value forms of a style line.
int ValoreDimensioneStile(const QString& riga);  // number x 3.33 in float, truncated
bool ValoreFlagStile(const QString& riga);        // off only when the line starts with "0"
Colore ValoreColoreStile(const QString& riga);    // RRRGGGBBB

// The names whose shadow is always black.
const QStringList& NomiStiliPredefiniti();

// The shipped styles, "Stili" in the program folder.
QString CartellaStiliProgramma();

struct EsitoInstallazioneStili {
    bool CartellaVuota = false;  // the styles folder held no style file
    int Copiati = 0;
    QStringList Errori;  // files that could not be copied, with the reason
};

// Copies the shipped styles into the styles folder when it holds no style file yet; a file
// that is already there is never replaced. Called once at start-up.
EsitoInstallazioneStili InstallaStiliPredefiniti(const QString& origine, const QString& destinazione);
EsitoInstallazioneStili InstallaStiliPredefiniti();  // CartellaStiliProgramma into CartellaStili
