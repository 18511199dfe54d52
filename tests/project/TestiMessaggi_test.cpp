#include "common/LinguaTemporanea.h"
#include "project/TestiMessaggi.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include <set>

namespace {

QSet<QString> Segnaposto(const QString& testo) {
    QSet<QString> trovati;
    for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(testo)) trovati << m.captured();
    return trovati;
}

}  // namespace

// Each message once, written out in both languages with the same arguments, so no language
// shows a raw "%2" or drops a path.
TEST(TestiMessaggi, EveryMessageHasBothTextsWithTheSameArguments) {
    std::set<VoceMessaggio> viste;
    for (const RigaMessaggio& r : TabellaMessaggi()) {
        const int n = int(r.Voce);
        EXPECT_TRUE(viste.insert(r.Voce).second) << "twice: " << n;
        const QString it = QString::fromUtf8(r.Italiano);
        const QString en = QString::fromUtf8(r.Inglese);
        EXPECT_FALSE(it.trimmed().isEmpty()) << n;
        EXPECT_FALSE(en.trimmed().isEmpty()) << n;
        EXPECT_NE(it, en) << n;
        EXPECT_EQ(Segnaposto(it), Segnaposto(en)) << n << ": " << it.toStdString();
    }
    EXPECT_EQ(viste.size(), size_t(VoceMessaggio::RigaFuocoLaser) + 1);
}

TEST(TestiMessaggi, FollowTheCurrentLanguage) {
    LinguaTemporanea ripristino(LinguaItaliano);
    const struct {
        int lingua;
        const char* atteso;
    } casi[] = {
        {LinguaItaliano, "Manca il frame 15: f"},
        {LinguaInglese, "Frame 15 is missing: f"},
        {LinguaSpagnolo, "Frame 15 is missing: f"},
        {LinguaTedesco, "Frame 15 is missing: f"},
        {LinguaFrancese, "Frame 15 is missing: f"},
    };
    for (const auto& c : casi) {
        ImpostazioniGlobali.LinguaCorrente = c.lingua;
        EXPECT_EQ(TestoMessaggio(VoceMessaggio::FrameMancante).arg(15).arg(QStringLiteral("f")),
                  QString::fromUtf8(c.atteso))
            << c.lingua;
    }
}
