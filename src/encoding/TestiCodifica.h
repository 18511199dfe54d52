#pragma once
// The encoding subsystem's own texts: file names, the frame list header, the log's banners
// and lines, and the encoding window's texts in the five languages. Kept here only.
#include <QString>

#include <array>

namespace TestiCodifica {

inline constexpr char FileListaFrame[] = "databaseqvt.txt";
inline constexpr char IntestazioneListaFrame[] = "Quenvox : Database per prodotti Drovaskent";
inline constexpr char CartellaVideo[] = "Video";
inline constexpr char PrefissoFrame[] = "Frames/Image";
inline constexpr char FileLog[] = "Log.TXT";
inline constexpr char FileScript[] = "codifica.sh";
inline constexpr char Encoder[] = "ffmpeg";

// Banner titles of the log.
inline constexpr char BannerLog[] = "LOG CODIFICA";
inline constexpr char BannerScript[] = "SCRITTURA FILE BATCH";
inline constexpr char BannerPipe[] = "CREAZIONE DEL PIPE";
inline constexpr char BannerCodifica[] = "CODIFICA";
inline constexpr char BannerRiuscita[] = "CODIFICA ANDATA A BUON FINE";
inline constexpr char BannerErrore[] = "ERRORE NELLA CODIFICA";

// Lines of the log; %1 is the value.
inline constexpr char LogNomeScript[] = "Creo il nome del file bat";
inline constexpr char LogNome[] = "Nome = %1";
inline constexpr char LogParametri[] = "Creo i parametri da passare";
inline constexpr char LogRigaComando[] = "Riga Comando: %1";
inline constexpr char LogPipe[] = "Creo il Pipe";
inline constexpr char LogHandle[] = "Creo l'Handle information";
inline constexpr char LogProcesso[] = "creo il processo";
inline constexpr char LogProcessoCreato[] = "processo creato correttamente";
// Why a run failed: written just before the error banner.
inline constexpr char LogErroreAvvio[] = "Errore: %1";
inline constexpr char LogUscita[] = "Uscita dell'encoder: %1";
inline constexpr char LogInterrotta[] = "Codifica interrotta dall'utente";
inline constexpr char LogVideoMancante[] = "Il video non è stato scritto: %1";
inline constexpr char LogSonda[] = "Rilettura del video: %1";
inline constexpr char LogSondaFallita[] = "Il video non è leggibile: %1";
inline constexpr char LogFrameNelVideo[] = "Frame nel video: %1, attesi %2";
// After the kept part of a line the encoder printed without end; %1 the bytes dropped.
inline constexpr char LogRigaTagliata[] = " [riga tagliata: altri %1 byte]";
// Between the log's head and its tail; %1 the lines, %2 the bytes left out.
inline constexpr char LogOmesso[] = "[log troppo lungo: omesse qui %1 righe, %2 byte]";

// The encoding window's texts, one per language (Italian, English, Spanish, German, French).
using Testo5 = std::array<QString, 5>;
enum class VoceFinestra {
    Titolo,
    Creazione,
    FrameElaborati,
    Velocita,
    Dimensioni,
    Bitrate,
    Interrompi,
    Chiudi,
    RiepilogoCodec,
    RiepilogoProfilo,
    RiepilogoVelocita,
    RiepilogoQualita,
    RigaComando,
    VideoCreato,
    ProceduraInterrotta,
    Arresto,        // the title while a stopped run ends
    FileVideo,      // %1 the video made, under the news that it was
    FileLog,        // %1 the log file, when nothing could open it
    // Why a frame file is not whole (after "cannot be read").
    NonBmp,
    TestataBmp,
    DatiBmpTroncati,   // %1 bytes there, %2 bytes declared
    DatiJpegTroncati,
    // Why a run failed, the line above the end question.
    EncoderCrash,
    EncoderCodice,     // %1 the exit code
    ScriptNonScritto,  // %1 the script, %2 why
    VideoNonScritto,   // %1 the video
    VideoIllegibile,   // %1 the video, %2 what the prober said
    SenzaFlussoVideo,  // the prober's reason when the file holds no video
    VideoFrame,        // %1 frames in the video, %2 frames expected
};
// The text of an entry in a language (0..4); a code out of range reads as English.
QString TestoFinestra(VoceFinestra voce, int lingua);

}  // namespace TestiCodifica
