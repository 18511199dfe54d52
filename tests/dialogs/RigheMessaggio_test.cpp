#include "dialogs/RigheMessaggio.h"

#include <gtest/gtest.h>

namespace {

// One unit a character: widths read as lengths.
int Caratteri(QStringView t) {
    return static_cast<int>(t.size());
}

const QString A25 = QString(25, QLatin1Char('a'));

}  // namespace

// Where a line breaks: at spaces; a word wider than the line after a "/", a name wider than the
// line alone after a "_", "-" or "."; between two characters only inside a piece wider than
// the line. Every character is kept and no line is wider than its place.
TEST(AvvolgiTesto, PathsBreakBetweenNamesNeverInsideOne) {
    const struct {
        const char* nome;
        QString testo;
        int larghezza;
        QStringList righe;
    } casi[] = {
        {"fits", "short text", 20, {"short text"}},
        {"nothing", "", 20, {""}},
        {"wraps at spaces", "aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
        {"exactly as wide", "aaaaaaa", 7, {"aaaaaaa"}},
        {"the text's own breaks stay", "a\n\nb", 10, {"a", "", "b"}},
        {"a path that fits a line alone takes one", "Il file: /home/utente/a.txt", 20,
         {"Il file:", "/home/utente/a.txt"}},
        {"a path breaks after a slash, names whole", "/home/utente/Documenti/Drovaskent/Quenvox/Video", 22,
         {"/home/utente/", "Documenti/Drovaskent/", "Quenvox/Video"}},
        {"the backup's name stays whole", "Copia: /home/utente/Quenvox/ProgettoQuenvox.txt.bak", 24,
         {"Copia:", "/home/utente/Quenvox/", "ProgettoQuenvox.txt.bak"}},
        {"a name too wide alone breaks after _ - .", "/home/u/Video/Video_2026-12-11_10_30_00.mp4", 24,
         {"/home/u/Video/Video_", "2026-12-11_10_30_00.mp4"}},
        {"the same name on a narrower line", "/v/Video_2026-12-11_10_30_00.mp4", 12,
         {"/v/Video_", "2026-12-11_", "10_30_00.mp4"}},
        {"a piece wider than the line breaks where it must", "/a/" + A25 + "/b", 10,
         {"/a/", "aaaaaaaaaa", "aaaaaaaaaa", "aaaaa/b"}},
        {"a long word without a break", "x " + A25, 10, {"x", "aaaaaaaaaa", "aaaaaaaaaa", "aaaaa"}},
        {"words after the path go on", "/uno/due/tre/quattro ok", 9, {"/uno/due/", "tre/", "quattro", "ok"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QStringList righe = AvvolgiTesto(c.testo, c.larghezza, Caratteri);
        EXPECT_EQ(righe, c.righe);
        for (const QString& riga : righe) EXPECT_LE(riga.size(), c.larghezza) << riga.toStdString();
        EXPECT_EQ(righe.join(QString()).remove(' '), QString(c.testo).remove('\n').remove(' '));
    }
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

// Lines taller than the screen leaves scroll in a view of whole lines, over a text as tall as
// its lines, so the bar's every line step stops with no line cut in half.
TEST(FormaDelMessaggio, ScrollingShowsWholeLines) {
    const QSize base(20, 9), massima(40, 20);
    for (int interlinea : {3, 7}) {
        SCOPED_TRACE(interlinea);
        const FormaMessaggio f = FormaDelMessaggio(QStringList(12, "riga").join('\n'), base, massima, interlinea, 2, Caratteri);
        ASSERT_TRUE(f.Scorre());
        EXPECT_EQ(f.AltezzaTesto, 12 * interlinea);
        EXPECT_EQ(f.AltezzaVisibile % interlinea, 0);
        EXPECT_LE(f.AltezzaVisibile, massima.height());
        EXPECT_GT(f.AltezzaVisibile + interlinea, massima.height());
    }
}
