#include "render/LimiteRighe.h"

#include "common/LinguaTemporanea.h"
#include "render/HostFinto.h"

#include <gtest/gtest.h>

namespace {

TEST(LimiteRighe, LongLinesAreCutAndToldOnceUntilTheyChange) {
    LinguaTemporanea inglese(LinguaInglese);
    std::array<QString, NumeroRigheTesto> righe;
    std::array<bool, NumeroRigheTesto> segnalate{};
    const struct {
        int lunghezza;   // of line 2, the others stay short
        int note;
        int lunghezzaDopo;
    } passi[] = {
        {LunghezzaMassimaRiga, 0, LunghezzaMassimaRiga},
        {LunghezzaMassimaRiga + 1, 1, LunghezzaMassimaRiga},
        {10000, 0, LunghezzaMassimaRiga},  // still too long: already told
        {12, 0, 12},
        {10000, 1, LunghezzaMassimaRiga},  // too long again: told again
    };
    for (const auto& p : passi) {
        SCOPED_TRACE(p.lunghezza);
        righe = {QStringLiteral("uno"), QString(p.lunghezza, QLatin1Char('x')), QString(), QStringLiteral("a\r\nb")};
        const QStringList note = TagliaRigheLunghe(righe, segnalate);
        ASSERT_EQ(note.size(), p.note);
        if (!note.isEmpty()) {
            EXPECT_TRUE(note[0].startsWith(QStringLiteral("Text line 2 has %1 characters").arg(p.lunghezza)))
                << note[0].toStdString();
            EXPECT_TRUE(note[0].contains(QString::number(LunghezzaMassimaRiga)));
        }
        EXPECT_EQ(righe[1].size(), p.lunghezzaDopo);
        EXPECT_EQ(righe[0], "uno");
        EXPECT_EQ(righe[3], "a\r\nb");
    }
}

// Through the preview: the note reaches the window once, however often the preview is drawn.
TEST(LimiteRighe, PreviewTellsTheWindowOnce) {
    LinguaTemporanea inglese(LinguaInglese);
    BancoRendering b;
    // A logo line draws no glyphs, so the long text costs nothing to lay out.
    b.imp.Testo1 = QStringLiteral("#LOGO") + QString(3000, QLatin1Char('x'));
    for (int i = 0; i < 3; ++i) EseguiRendering(b.contesto, b.imp);
    ASSERT_EQ(b.host.Errori.size(), 1);
    EXPECT_TRUE(b.host.Errori[0].startsWith(QStringLiteral("Text line 1 has 3005 characters")));
    EXPECT_EQ(b.contesto.RigheTesto[0].size(), LunghezzaMassimaRiga);
}

}  // namespace
