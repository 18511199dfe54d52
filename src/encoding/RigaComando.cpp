#include "encoding/RigaComando.h"

#include <QDir>

#include <algorithm>

namespace {

QStringList Parole(const char* testo) {
    return QString::fromLatin1(testo).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The web presets, as one would type them after the input.
constexpr const char* kYouTube =
    "-codec:v libx264 -crf 10 -bf 2 -flags +cgop -pix_fmt yuv420p -codec:a aac -strict -2 -b:a 384k "
    "-r:a 48000 -movflags faststart";
constexpr const char* kVimeo =
    "-map 0:0 -an -c:v libx264 -crf 10 -r 25 -pix_fmt yuv420p -movflags faststart -profile:v main "
    "-partitions partb8x8+partp4x4+partp8x8+parti8x8 -b-pyramid 1 -weightb 1 -8x8dct 0 -fast-pskip 1 "
    "-coder ac -trellis 1 -me_method hex -sws_flags fast_bilinear -sc_threshold 40 -rc-lookahead 40 "
    "-qmin 3 -qmax 51 -qdiff 4 -threads 8 -sn -y";
constexpr const char* kFacebook =
    "-map 0:0 -an -c:v mpeg4 -b:v 8064k -maxrate 16128k -bufsize 16128k -r 25 -pix_fmt yuv420p "
    "-movflags faststart -coder ac -trellis 0 -qsquish 0.5 -subq 4 -me_range 16 -i_qoffset 0 -b_strategy 1 "
    "-refs 3 -sws_flags fast_bilinear -sc_threshold 40 -rc-lookahead 40 -keyint_min 24 -g 240 -qmin 3 "
    "-qmax 51 -copyts -threads 8 -sn -y";

// Left to itself ffmpeg keeps the frames' 4:4:4 (BMP) or full-range 4:2:0 (JPEG), which
// browsers, phones and televisions do not play; limited-range 4:2:0 plays everywhere.
QStringList PixelPerOgniLettore() {
    return {QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")};
}

QString Numero(int valore, int minimo, int massimo) {
    return QString::number(std::clamp(valore, minimo, massimo));
}

QStringList ParteCodec(const ParametriCodec& c) {
    QStringList a;
    switch (c.TipoCodec) {
    case 0:
        // The plain "prores" encoder ignores the quality; this one honours it.
        a << "-vcodec" << "prores_ks";
        if (c.VarianteCodec >= 1 && c.VarianteCodec <= 4) a << "-profile:v" << QString::number(c.VarianteCodec - 1);
        a << "-qscale:v" << Numero(c.QualitaCodec, 0, 32) << "-vendor" << "ap10" << "-pix_fmt" << "yuv422p10le";
        break;
    case 1: {
        a << "-vcodec" << "mpeg4";
        static const char* const tag[] = {"DIVX", "XVID", "FMP4"};
        if (c.VarianteCodec >= 2 && c.VarianteCodec <= 4) a << "-vtag" << tag[c.VarianteCodec - 2];
        a << "-f" << "avi" << "-qscale:v" << Numero(c.QualitaCodec, 1, 31);
        break;
    }
    case 2:
        a << "-vcodec" << (c.VarianteHuffYUV ? "ffvhuff" : "huffyuv");
        break;
    case 3:
        a << "-vcodec" << "h264" << "-preset" << c.PresetCodec << "-crf" << Numero(c.QualitaCodec, 0, 51)
          << PixelPerOgniLettore();
        break;
    case 4:
        a << "-c:v" << "libx264";
        if (c.LosslessCodec)
            a << "-preset" << "veryslow" << "-qp" << "0";
        else
            a << "-preset" << c.PresetCodec << "-crf" << Numero(c.QualitaCodec, 0, 51);
        if (c.TuneAttivo) a << "-tune" << c.TuneCodec;
        // Lossless keeps the frames' own colour (4:4:4 from BMP), which only some players read.
        if (!c.LosslessCodec) a << PixelPerOgniLettore();
        break;
    case 5:
        a << "-c:v" << "libx265";
        // "-qp 0" alone is not lossless in x265; its own switch is.
        if (c.LosslessCodec)
            a << "-preset:v" << "veryslow" << "-x265-params" << "lossless=1";
        else
            a << "-preset:v" << c.PresetCodec << "-x265-params" << "crf=" + Numero(c.QualitaCodec, 0, 51);
        a << "-vf" << "setsar=1/1,format=yuv420p";
        break;
    case 6:
        if (c.VarianteCodec == 1) a << Parole(kYouTube);
        if (c.VarianteCodec == 2) a << Parole(kVimeo);
        if (c.VarianteCodec == 3) a << Parole(kFacebook);
        break;
    default:
        break;
    }
    return a;
}

}  // namespace

namespace {

// Characters that no POSIX shell treats specially anywhere in a word.
bool CarattereSicuro(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) return true;
    return u == '_' || u == '-' || u == '.' || u == '/' || u == ',' || u == ':' || u == '=' || u == '+' ||
           u == '@' || u == '%';
}

bool DaQuotare(const QString& parola) {
    return parola.isEmpty() || !std::all_of(parola.begin(), parola.end(), CarattereSicuro);
}

QString Quota(const QString& parola) {
    QString testo = parola;
    testo.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + testo + QLatin1Char('\'');
}

}  // namespace

QString QuotaShell(const QString& parola) {
    return DaQuotare(parola) ? Quota(parola) : parola;
}

QString QuotaShell(const QStringList& parole) {
    QStringList quotate;
    for (const QString& p : parole) {
        // A first word with "=" would be read as an assignment, not as the program.
        const bool assegnamento = quotate.isEmpty() && p.contains(QLatin1Char('='));
        quotate << (assegnamento ? Quota(p) : QuotaShell(p));
    }
    return quotate.join(QLatin1Char(' '));
}

QString NomeVideo(const QDateTime& momento) {
    const QDate d = momento.date();
    const QTime t = momento.time();
    return QStringLiteral("Video_%1_%2_%3_%4_%5_%6")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString EstensioneVideo(int tipoCodec) {
    switch (tipoCodec) {
    case 0: return QStringLiteral(".mov");
    case 1:
    case 2: return QStringLiteral(".avi");
    case 5: return QStringLiteral(".mkv");
    default: return QStringLiteral(".mp4");
    }
}

RigaComando CreaRigaComando(const ParametriCodifica& frame, const ParametriCodec& codec, const QDateTime& momento,
                            const QString& programma) {
    RigaComando riga;
    riga.Programma = programma;
    QStringList& a = riga.Argomenti;
    const QString ingresso = frame.PrefissoFrame + QStringLiteral("_%04d.") +
                             (frame.FrameInJpg ? QStringLiteral("jpg") : QStringLiteral("bmp"));
    if (codec.TipoCodec == 5 || codec.TipoCodec == 6)
        a << "-framerate" << QString::number(frame.FrameAlSecondo) << "-i" << ingresso;
    else
        a << "-y" << "-r" << QString::number(frame.FrameAlSecondo) << "-i" << ingresso;
    a << ParteCodec(codec);
    riga.PercorsoVideo = QDir(frame.CartellaVideo).filePath(NomeVideo(momento) + EstensioneVideo(codec.TipoCodec));
    a << riga.PercorsoVideo;
    riga.Testo = QuotaShell(QStringList{programma} + a);
    return riga;
}
