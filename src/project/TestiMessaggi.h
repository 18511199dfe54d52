#pragma once
// The messages of our own that reach the user (errors and notices from the renderer, the
// encoding run and the windows) and the windows' fixed captions, in Italian and English. Spanish, German and French show the
// English text, as the dialogs do. Reasons given by the system (strerror, libjpeg, Qt's
// readers) are passed in as arguments and stay as the system gives them.
#include <QString>

#include <vector>

enum class VoceMessaggio {
    FrameNonScritto,            // %1 file, %2 reason
    CartellaFrameNonCreata,     // %1 folder, %2 reason
    NonUnaCartella,             // a reason: the path is taken by a file
    ImmagineIllegibile,         // %1 file, %2 reason
    ImmagineTroppoGrande,       // a reason: %1 x %2 pixels, %3 the memory limit in MB
    RigaTroppoLunga,            // %1 line, %2 its length, %3 the limit
    FrameMancante,              // %1 number, %2 file
    FrameIllegibile,            // %1 number, %2 file, %3 reason
    ListaFrameNonScritta,       // %1 file, %2 reason
    ProgettoNonSalvato,         // %1 reason; asks whether to close anyway
    CartellaOutputNonCreata,    // %1 folder
    ProgettoDanneggiato,        // %1 the backup copy
    ProgettoDanneggiatoSenzaCopia,  // %1 why no copy could be kept
    ElencoImmaginiNonSalvato,   // %1 reason
    PercorsoTroppoLungo,        // %1 the path, %2 the limit
    ConfigurazioneSalvata,
    EncoderNonTrovato,          // %1 the encoder's name
    ProgettoIlleggibile,        // %1 file, %2 reason
    ProgettoIlleggibileSostituire,  // %1 file, %2 reason; asks whether to save over it
    ProgettoVersioneNuova,      // %1 the file's version
    ProgettoNonRiconosciuto,
    ProgettoTestoMisto,
    CopiaProgettoConservata,    // %1 the backup copy
    CopiaProgettoNonConservata, // %1 why no copy could be kept
    StileNonValido,             // %1 file
    TroppeScansioni,            // a reason: %1 the limit of scans
    ImmagineMancante,           // a reason: the file is not there
    ImmagineNonFile,            // a reason: a folder, a device or a pipe in its place
    FileTroppoGrande,           // a reason: %1 the file's size in MB
    ImmagineTroppoLenta,        // a reason: %1 the limit in seconds
    ImmagineSproporzionata,     // a reason: %1 x %2 pixels declared, far fewer than the file's bytes
    FileTroppoGrandePerImmagine, // a reason: a file larger than any picture, or a header that never ends
    ImmagineTroncata,           // a reason: read, but the file ends or breaks early
    ImmagineInParte,            // %1 file: a picture cut short, drawn as far as it goes
    ImmagineTroppiPixel,        // a reason: %1 x %2 pixels, %3 the limit in megapixels
    ImmagineTroppaMemoria,      // a reason: %1 x %2 pixels, %3 the memory limit in MB
    ImmagineInterrotta,         // a reason: the session is ending
    ImmagineFormatoSconosciuto, // a reason: not a picture in a known format
    ImmagineFormatoNonAmmesso,  // a reason: %1 a format read elsewhere but not taken here
    ImmagineDanneggiata,        // a reason: %1 the format
    ElencoImmaginiTroppoGrande, // %1 file, %2 its size in MB
    ElencoImmaginiNonFile,      // %1 file: a folder, a pipe or a device in its place
    SessioniSalvateDaParte,     // %1 the copies, one a line
    TestoTagliato,              // %1 the start of the text, %2 its length, %3 what the box holds

    // Fixed captions of the windows that the language table does not give.
    CaptionGrassetto,
    CaptionCorsivo,
    CaptionSottolineato,
    CaptionTrasparente,
    // The configuration window's image rows; %1 the number of the image in its group.
    RigaSfondoFlares,
    RigaSfondoIntro2,
    RigaSfondoIntro3,
    RigaSfondoIntro6,
    RigaLogo,
    RigaFioccoNeve,
    RigaFlares,
    RigaFuoco,
    RigaBolle,
    RigaPolvere,
    RigaFumo,
    RigaOmbra,
    RigaCatena,
    RigaFuocoLaser,
};

struct RigaMessaggio {
    VoceMessaggio Voce;
    const char* Italiano;  // UTF-8
    const char* Inglese;
};

// Every message, one row each.
const std::vector<RigaMessaggio>& TabellaMessaggi();

// The message in a language (a CodiceLingua); any language but Italian reads the English.
QString TestoMessaggio(VoceMessaggio voce, int lingua);
// The message in ImpostazioniGlobali.LinguaCorrente.
QString TestoMessaggio(VoceMessaggio voce);
