#include "encoding/DivisoreRighe.h"

#include <gtest/gtest.h>

namespace {

// What the encoder prints: LF lines, CR LF lines, status lines ended by CR alone, an empty
// line, and an unfinished last line.
const QByteArray kUscita =
    "ffmpeg version 5.1\nInput #0\r\nframe=    1 fps=0.0 q=28.0 size=0kB   \rframe=   12 fps= 25 q=28.0   \r"
    "\n\nframe=   20 fps= 25 q=-1.0 Lsize=  9kB\nultima";

const QList<QByteArray> kRighe = {
    "ffmpeg version 5.1", "Input #0", "frame=    1 fps=0.0 q=28.0 size=0kB   ",
    "frame=   12 fps= 25 q=28.0   ", "", "frame=   20 fps= 25 q=-1.0 Lsize=  9kB", "ultima",
};

QList<QByteArray> Dividi(const QList<QByteArray>& blocchi) {
    DivisoreRighe d;
    QList<QByteArray> righe;
    for (const QByteArray& b : blocchi) righe += d.Aggiungi(b);
    righe += d.Termina();
    return righe;
}

}  // namespace

TEST(DivisoreRighe, SameLinesWhereverTheOutputIsCut) {
    EXPECT_EQ(Dividi({kUscita}), kRighe);
    for (qsizetype i = 0; i <= kUscita.size(); ++i)
        for (qsizetype j = i; j <= kUscita.size(); ++j)
            ASSERT_EQ(Dividi({kUscita.left(i), kUscita.mid(i, j - i), kUscita.mid(j)}), kRighe) << i << " " << j;
}

TEST(DivisoreRighe, ByteByByte) {
    QList<QByteArray> blocchi;
    for (char c : kUscita) blocchi.append(QByteArray(1, c));
    EXPECT_EQ(Dividi(blocchi), kRighe);
}

TEST(DivisoreRighe, LineBreakAtTheEndStartsNoFurtherLine) {
    struct Caso {
        QByteArray uscita;
        QList<QByteArray> righe;
    };
    const Caso casi[] = {
        {"a\r", {"a"}},           {"a\r\n", {"a"}},        {"a\n\r", {"a", ""}},
        {"\ra", {"", "a"}},       {"a\r\rb", {"a", "", "b"}}, {"", {}},
    };
    for (const Caso& c : casi) EXPECT_EQ(Dividi({c.uscita}), c.righe) << c.uscita.toStdString();
}
