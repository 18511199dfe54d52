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
    const auto prendi = [&](const QList<RigaUscita>& uscite) {
        for (const RigaUscita& r : uscite) {
            EXPECT_EQ(r.Tagliati, 0);
            righe.append(r.Byte);
        }
    };
    for (const QByteArray& b : blocchi) prendi(d.Aggiungi(b));
    prendi(d.Termina());
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

// A line past the limit keeps its first bytes and counts the rest, however the reads cut it;
// a UTF-8 letter cut in two by the limit goes whole. The next line is whole again.
TEST(DivisoreRighe, LongLineKeepsItsStartAndCountsTheRest) {
    struct Caso {
        const char* nome;
        QByteArray riga;
        QByteArray tenuti;
        qint64 tagliati;
    };
    const QByteArray e = "\xc3\xa8";  // è
    const Caso casi[] = {
        {"at the limit", QByteArray(8, 'a'), QByteArray(8, 'a'), 0},
        {"one past", QByteArray(9, 'a'), QByteArray(8, 'a'), 1},
        {"far past", QByteArray(1000, 'a'), QByteArray(8, 'a'), 992},
        {"letter across the limit", QByteArray(7, 'a') + e + "bb", QByteArray(7, 'a'), 4},
        {"letter ending at the limit", QByteArray(6, 'a') + e + "b", QByteArray(6, 'a') + e, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const QByteArray uscita = c.riga + "\r\nok\n" + c.riga;
        for (qsizetype passo : {qsizetype(1), qsizetype(3), uscita.size()}) {
            DivisoreRighe d(8);
            QList<RigaUscita> righe;
            for (qsizetype i = 0; i < uscita.size(); i += passo) righe += d.Aggiungi(uscita.mid(i, passo));
            righe += d.Termina();
            ASSERT_EQ(righe.size(), 3) << passo;
            for (int k : {0, 2}) {
                EXPECT_EQ(righe[k].Byte, c.tenuti) << passo;
                EXPECT_EQ(righe[k].Tagliati, c.tagliati) << passo;
            }
            EXPECT_EQ(righe[1].Byte, "ok");
            EXPECT_EQ(righe[1].Tagliati, 0);
        }
    }
}
