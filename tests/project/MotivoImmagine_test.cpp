#include "project/MotivoImmagine.h"

#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

namespace {

ImmagineLetta Esito(RifiutoImmagine rifiuto, QSize dichiarata = {}, const char* formato = "",
                    const char* dettaglio = "Unable to read image data") {
    ImmagineLetta letta;
    letta.Rifiuto = rifiuto;
    letta.Dichiarata = dichiarata;
    letta.Formato = formato;
    letta.Dettaglio = QString::fromLatin1(dettaglio);
    return letta;
}

// Every reason of ours is in the interface language and names the cause; the decoders' own
// words (English, a symptom) never reach the user.
TEST(MotivoImmagine, EveryReasonIsInTheInterfaceLanguageAndNamesTheCause) {
    ImmagineLetta troncata;
    troncata.Troncata = true;
    const struct {
        ImmagineLetta letta;
        const char* italiano;
        const char* inglese;
    } casi[] = {
        {Esito(RifiutoImmagine::Illeggibile, {64, 64}, "png"), "immagine PNG danneggiata", "damaged PNG picture"},
        {Esito(RifiutoImmagine::Illeggibile, {}, "jpeg", "Not a JPEG file: starts with 0x33 0x33"),
         "immagine JPEG danneggiata", "damaged JPEG picture"},
        {Esito(RifiutoImmagine::FormatoSconosciuto, {}, "", "Unsupported image format"),
         "non è un'immagine in un formato conosciuto", "not a picture in a known format"},
        {Esito(RifiutoImmagine::FormatoNonAmmesso, {}, "svg"), "immagine in formato SVG, che il programma non legge",
         "a picture in SVG format, which the program does not read"},
        {Esito(RifiutoImmagine::TroppoGrande, {16000, 16000}, "bmp"),
         "immagine troppo grande: 16000 x 16000 pixel (oltre 256 MB di memoria)",
         "picture too large: 16000 x 16000 pixels (over 256 MB of memory)"},
        {Esito(RifiutoImmagine::TroppiPixel, {20000, 20000}, "jpeg"),
         "immagine troppo grande: 20000 x 20000 pixel (oltre 250 megapixel)",
         "picture too large: 20000 x 20000 pixels (over 250 megapixels)"},
        {Esito(RifiutoImmagine::TroppaMemoria, {12000, 9000}, "jpeg"),
         "la decodifica di 12000 x 9000 pixel richiederebbe oltre 256 MB di memoria",
         "decoding 12000 x 9000 pixels would need over 256 MB of memory"},
        {Esito(RifiutoImmagine::TroppoLenta, {10000, 10000}, "gif"), "la decodifica richiede più di 20 s",
         "decoding takes over 20 s"},
        {Esito(RifiutoImmagine::Interrotta), "lettura interrotta: la sessione sta finendo",
         "reading stopped: the session is ending"},
        {troncata, "immagine incompleta: è disegnata solo la parte presente",
         "picture incomplete: only the part present is drawn"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(MotivoImmagine(c.letta, 0), QString::fromUtf8(c.italiano));
        EXPECT_EQ(MotivoImmagine(c.letta, 1), QString::fromUtf8(c.inglese));
    }
}

// From the file to the words: what Qt's readers call "Unsupported image format" and "Unable to
// read image data" reaches an Italian user as the cause, in Italian.
TEST(MotivoImmagine, AFileQtCannotReadIsToldInItalian) {
    CasaTemporanea casa;
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("testo.png"), "not a picture at all"));
    // A GIF whose header is sound and whose image never comes.
    ASSERT_TRUE(bombe::Scrivi(casa.Sotto("vuota.gif"), QByteArray("GIF89a\x10\0\x10\0\0\0\0", 13)));
    const struct {
        const char* nome;
        const char* motivo;
    } casi[] = {
        {"testo.png", "non è un'immagine in un formato conosciuto"},
        {"vuota.gif", "immagine GIF danneggiata"},
    };
    for (const auto& c : casi) {
        const ImmagineLetta letta = LeggiImmagine(casa.Sotto(c.nome));
        EXPECT_FALSE(letta.Letta()) << c.nome;
        EXPECT_EQ(MotivoImmagine(letta, 0), QString::fromUtf8(c.motivo)) << c.nome;
    }
}

}  // namespace
