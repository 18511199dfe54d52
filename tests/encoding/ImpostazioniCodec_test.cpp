#include "encoding/ImpostazioniCodec.h"

#include <gtest/gtest.h>

namespace {

const QString kPredefinita = QStringLiteral(
    "Codec :01-ProRes:04-11-MP4   :01-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:01-");

}  // namespace

TEST(ImpostazioniCodec, DefaultChoiceWritesTheKnownString) {
    EXPECT_EQ(kPredefinita.size(), 107);
    EXPECT_EQ(ScriviImpostazioniCodec(SceltaCodec()), kPredefinita);
    EXPECT_EQ(LeggiImpostazioniCodec(kPredefinita, SceltaCodec{.Pagina = 5}), SceltaCodec());
}

TEST(ImpostazioniCodec, RoundTripKeepsEveryField) {
    const SceltaCodec casi[] = {
        {7, 1, 0, 4, 31, true, 1, 0, 10, 51, true, true, 8, 10, 0, true, 3},
        {3, 2, 32, 2, 1, false, 10, 51, 1, 0, false, true, 1, 1, 51, false, 2},
        {6, 3, 5, 3, 7, true, 5, 9, 7, 12, true, false, 3, 9, 33, true, 1},
    };
    for (const SceltaCodec& s : casi) {
        const QString testo = ScriviImpostazioniCodec(s);
        EXPECT_EQ(testo.size(), 107) << testo.toStdString();
        EXPECT_EQ(LeggiImpostazioniCodec(testo), s) << testo.toStdString();
        EXPECT_EQ(ScriviImpostazioniCodec(LeggiImpostazioniCodec(testo)), testo);
    }
}

TEST(ImpostazioniCodec, EmptyRadioGroupStillTakesItsPlace) {
    SceltaCodec s;
    s.ProresVariante = 0;
    s.Mp4Variante = 9;
    s.PresetWeb = 0;
    const QString testo = ScriviImpostazioniCodec(s);
    EXPECT_EQ(testo,
              "Codec :01-ProRes:00-11-MP4   :00-15-HuffYU:00-H264  :06-23-X264  :06-23-00-00-06-X265  :06-28-00-PRESET:00-");
    const SceltaCodec letta = LeggiImpostazioniCodec(testo);
    EXPECT_EQ(letta.ProresVariante, 0);
    EXPECT_EQ(letta.Mp4Variante, 0);
    EXPECT_EQ(letta.PresetWeb, 0);
    EXPECT_EQ(letta.ProresQualita, 11);  // later fields did not shift
    EXPECT_EQ(letta.Mp4Qualita, 15);
}

TEST(ImpostazioniCodec, DamagedStringsReadMissingFieldsAsZero) {
    SceltaCodec attuale;
    attuale.Pagina = 4;
    attuale.H264Qualita = 40;

    // Not a settings string: nothing changes.
    for (const char* testo : {"", "codec :03-", "Codec:03-", "1.0"})
        EXPECT_EQ(LeggiImpostazioniCodec(QString::fromLatin1(testo), attuale), attuale) << testo;

    // Cut after the ProRes variant: the rest reads as 0, with lists on item 1 and groups empty.
    const SceltaCodec corta = LeggiImpostazioniCodec(QStringLiteral("Codec :03-ProRes:02-"), attuale);
    SceltaCodec attesa{3, 2, 0, 0, 0, false, 1, 0, 1, 0, false, false, 1, 1, 0, false, 0};
    EXPECT_EQ(corta, attesa);

    // A one-digit field at the very end reads as that digit.
    EXPECT_EQ(LeggiImpostazioniCodec(kPredefinita.left(104) + QStringLiteral("3")).PresetWeb, 3);

    struct Pagina {
        const char* valore;
        int attesa;
    };
    for (const Pagina p : {Pagina{"00", 1}, Pagina{"09", 7}, Pagina{"xx", 1}, Pagina{"05", 5}}) {
        QString testo = kPredefinita;
        testo.replace(7, 2, QString::fromLatin1(p.valore));
        EXPECT_EQ(LeggiImpostazioniCodec(testo).Pagina, p.attesa) << p.valore;
    }

    // List items out of range select item 1; numbers are kept as read.
    QString testo = kPredefinita;
    testo.replace(53, 2, QStringLiteral("11"));
    testo.replace(78, 2, QStringLiteral("00"));
    testo.replace(56, 2, QStringLiteral("99"));
    const SceltaCodec s = LeggiImpostazioniCodec(testo);
    EXPECT_EQ(s.H264Preset, 1);
    EXPECT_EQ(s.X264TuneValue, 1);
    EXPECT_EQ(s.H264Qualita, 99);
}

TEST(ImpostazioniCodec, ApplyChangesOnlyTheFieldsOfThePageShown) {
    ParametriCodec prima{9, true, 9, 9, QStringLiteral("prima"), true, true, QStringLiteral("prima")};
    SceltaCodec s;
    s.HuffYUVVariante = false;
    s.X264Lossless = true;
    s.X264TuneValue = 2;
    s.X265Preset = 9;
    s.PresetWeb = 2;

    struct Caso {
        int pagina;
        ParametriCodec atteso;
    };
    const Caso casi[] = {
        {1, {0, false, 4, 11, "prima", true, true, "prima"}},
        {2, {1, false, 1, 15, "prima", true, true, "prima"}},
        {3, {2, false, 9, 9, "prima", true, true, "prima"}},
        {4, {3, false, 9, 23, "medium", true, true, "prima"}},
        {5, {4, false, 9, 23, "medium", true, false, "animation"}},
        {6, {5, false, 9, 28, "veryslow", false, true, "prima"}},
        {7, {6, false, 2, 9, "prima", true, true, "prima"}},
    };
    for (const Caso& c : casi) {
        s.Pagina = c.pagina;
        EXPECT_EQ(ApplicaImpostazioniCodec(s, prima), c.atteso) << c.pagina;
    }

    // Groups with none on: ProRes keeps the old variant, MPEG-4 falls back to standard, web to none.
    s.ProresVariante = s.Mp4Variante = s.PresetWeb = 0;
    s.Pagina = 1;
    EXPECT_EQ(ApplicaImpostazioniCodec(s, prima).VarianteCodec, 9);
    s.Pagina = 2;
    EXPECT_EQ(ApplicaImpostazioniCodec(s, prima).VarianteCodec, 1);
    s.Pagina = 7;
    EXPECT_EQ(ApplicaImpostazioniCodec(s, prima).VarianteCodec, 0);
}
