#include "encoding/RiepilogoCodec.h"

#include "encoding/TestiCodifica.h"

#include <QStringList>

namespace {

QString Variante(const QStringList& nomi, int variante) {
    return variante >= 1 && variante <= nomi.size() ? nomi[variante - 1] : QString();
}

}  // namespace

QList<RigaRiepilogo> RigheRiepilogo(const ParametriCodec& c, int lingua) {
    using TestiCodifica::TestoFinestra;
    using TestiCodifica::VoceFinestra;
    const QString codec = TestoFinestra(VoceFinestra::RiepilogoCodec, lingua);
    const QString profilo = TestoFinestra(VoceFinestra::RiepilogoProfilo, lingua);
    const QString velocita = TestoFinestra(VoceFinestra::RiepilogoVelocita, lingua);
    const QString qualita = TestoFinestra(VoceFinestra::RiepilogoQualita, lingua);
    const QString numero = QString::number(c.QualitaCodec);
    const QString lossless = c.LosslessCodec ? QStringLiteral("Yes") : QStringLiteral("No");
    // Lossless runs veryslow with no quality figure: show that, not the settings it overrides.
    const QString preset = c.LosslessCodec ? QStringLiteral("veryslow") : c.PresetCodec;
    const QString qualitaX = c.LosslessCodec ? QStringLiteral("lossless") : numero;
    switch (c.TipoCodec) {
    case 0:
        return {{codec, QStringLiteral("Apple ProRes")},
                {profilo, Variante({"Proxy", "LT", "SQ", "HQ"}, c.VarianteCodec)},
                {qualita, numero}};
    case 1:
        return {{codec, QStringLiteral("MPEG-4 part 2")},
                {profilo, Variante({"Mp4 standard", "Divx", "Xvid", "Mp4 MS"}, c.VarianteCodec)},
                {qualita, numero}};
    case 2:
        return {{codec, c.VarianteHuffYUV ? QStringLiteral("Huffyuv FFmpeg variant") : QStringLiteral("HuffYUV")}};
    case 3:
        return {{codec, QStringLiteral("H.264 / AVC / MPEG-4 AVC / MPEG-4 part 10")},
                {velocita, c.PresetCodec},
                {qualita, numero}};
    case 4:
        return {{codec, QStringLiteral("x264")},
                {velocita, preset},
                {qualita, qualitaX},
                {QStringLiteral("Lossless :"), lossless},
                {QStringLiteral("Tune :"), c.TuneAttivo ? c.TuneCodec : QString()}};
    case 5:
        return {{codec, QStringLiteral("x265")},
                {velocita, preset},
                {qualita, qualitaX},
                {QStringLiteral("Lossless :"), lossless}};
    case 6:
        return {{codec, Variante({"YouTube", "Vimeo", "Facebook"}, c.VarianteCodec)}};
    default:
        return {};
    }
}
