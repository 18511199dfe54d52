#include "dialogs/RigheMessaggio.h"

#include <gtest/gtest.h>

namespace {

// One unit a character: widths read as lengths.
int Caratteri(QStringView t) {
    return static_cast<int>(t.size());
}

const QString A25 = QString(25, QLatin1Char('a'));
const QString P = QStringLiteral("\u2026");

}  // namespace

TEST(DividiInRighe, WordsWrapLongWordsBreakAndTooMuchIsShortenedInTheMiddle) {
    const struct {
        const char* nome;
        QString testo;
        int larghezza, righeMassime;
        QStringList righe;
        bool accorciato;
    } casi[] = {
        {"fits", "short text", 20, 7, {"short text"}, false},
        {"nothing", "", 20, 7, {}, false},
        {"wraps at spaces", "aaa bbb ccc", 7, 7, {"aaa bbb", "ccc"}, false},
        {"exactly as wide", "aaaaaaa", 7, 1, {"aaaaaaa"}, false},
        {"the text's own breaks stay", "a\n\nb", 10, 7, {"a", "", "b"}, false},
        {"a long word wraps at any character", "x " + A25, 10, 7, {"x", "aaaaaaaaaa", "aaaaaaaaaa", "aaaaa"}, false},
        {"a long word after words starts its own line", "ab cd " + A25.left(12), 10, 7,
         {"ab cd", "aaaaaaaaaa", "aa"}, false},
        {"too tall: the long word keeps its ends", "see /" + QString(40, QLatin1Char('b')) + "/end.txt now", 12, 3,
         {"see", "/bbbbb" + P + "d.txt", "now"}, true},
        {"still too tall: the last line that fits ends in …", "ab ab ab ab ab ab ab ab", 5, 2, {"ab ab", "ab a" + P},
         true},
        {"no limit", QString(30, QLatin1Char('c')), 10, 0,
         {QString(10, QLatin1Char('c')), QString(10, QLatin1Char('c')), QString(10, QLatin1Char('c'))}, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const RigheMessaggio r = DividiInRighe(c.testo, c.larghezza, c.righeMassime, Caratteri);
        EXPECT_EQ(r.Righe, c.righe);
        EXPECT_EQ(r.Accorciato, c.accorciato);
        for (const QString& riga : r.Righe) EXPECT_LE(riga.size(), c.larghezza) << riga.toStdString();
        if (c.righeMassime > 0) {
            EXPECT_LE(r.Righe.size(), c.righeMassime);
        }
    }
}

TEST(AccorciaInMezzo, KeepsBothEndsAroundTheEllipsis) {
    EXPECT_EQ(AccorciaInMezzo("abcdefghij", 10, Caratteri), "abcdefghij");
    EXPECT_EQ(AccorciaInMezzo("abcdefghij", 7, Caratteri), "abc" + P + "hij");
    EXPECT_EQ(AccorciaInMezzo("abcdefghij", 6, Caratteri), "abc" + P + "ij");
    EXPECT_EQ(AccorciaInMezzo("abcdefghij", 1, Caratteri), P);
}

// A box that grows to hold its text: every character of it is in the lines, no line is wider
// than their place, and the place stays within the largest one, scrolling past its height.
TEST(FormaDelMessaggio, GrowsTallerThenWiderThenScrolls) {
    const QSize base(20, 3), massima(40, 6);
    constexpr int Barra = 2;
    const QString percorso30 = "/" + QString(29, QLatin1Char('p'));
    const struct {
        const char* nome;
        QString testo;
        int larghezza, altezzaTesto, visibile;
    } casi[] = {
        {"one line stays in the box", "una riga", 20, 3, 3},
        {"five lines grow it taller", "a\nb\nc\nd\ne", 20, 5, 5},
        {"a path of a long text grows it wider, on one line", "a\nb\nc\n" + percorso30, 30, 4, 4},
        {"a path wider than the widest wraps", "a\nb\nc\n" + QString(50, QLatin1Char('q')), 40, 5, 5},
        {"twelve lines scroll", QStringList(12, "riga").join('\n'), 20, 12, 6},
        {"ten paths scroll, each kept", QStringList(10, percorso30).join('\n'), 32, 10, 6},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const FormaMessaggio f = FormaDelMessaggio(c.testo, base, massima, 1, Barra, Caratteri);
        EXPECT_EQ(f.Larghezza, c.larghezza);
        EXPECT_EQ(f.AltezzaTesto, c.altezzaTesto);
        EXPECT_EQ(f.AltezzaVisibile, c.visibile);
        EXPECT_GE(f.AltezzaTesto, int(f.Righe.size()));
        const int posto = f.Larghezza - (f.Scorre() ? Barra : 0);
        for (const QString& riga : f.Righe) EXPECT_LE(riga.size(), posto) << riga.toStdString();
        EXPECT_EQ(f.Righe.join(QString()).remove(' '), QString(c.testo).remove('\n').remove(' '));
    }
}
