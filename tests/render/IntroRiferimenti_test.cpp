// Seeded frames of the logo intros against reference pictures made by this renderer, at a
// tenth of the size and within a tolerance. QUENVOX_SCRIVI_RIFERIMENTI=1 writes them anew
// (after a deliberate change of the look).
#include "AiutoIntro.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <cmath>

namespace {

QString Riferimento(const QString& nome) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/riferimenti/") + nome;
}

struct Caso {
    int intro;
    float t;
    bool anima;
    const char* nome;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class IntroRiferimenti : public ::testing::TestWithParam<Caso> {};

TEST_P(IntroRiferimenti, MatchesTheReferenceFrame) {
    const Caso c = GetParam();
    BancoIntro b(c.intro);
    b.imp.Intro2Sfondo = b.imp.Intro3Sfondo = true;
    b.imp.Intro2SfondoFile = b.imp.TabellaImmagini[1];
    b.imp.Intro3SfondoFile = b.imp.TabellaImmagini[2];
    if (c.anima) b.Frame(0, true);
    const QImage frame = b.Frame(c.t, c.anima).scaled(192, 108, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    const QString file = Riferimento(QString::fromLatin1(c.nome));
    if (qEnvironmentVariableIsSet("QUENVOX_SCRIVI_RIFERIMENTI")) {
        ASSERT_TRUE(frame.save(file));
        GTEST_SKIP() << "written " << file.toStdString();
    }
    const QImage atteso = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(atteso.size(), frame.size()) << file.toStdString();
    int massimo = 0;
    double somma = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb a = frame.pixel(x, y), e = atteso.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)), std::abs(qBlue(a) - qBlue(e))});
            massimo = std::max(massimo, d);
            somma += d;
        }
    EXPECT_LE(massimo, 24) << c.nome;
    EXPECT_LE(somma / (frame.width() * frame.height()), 1.0) << c.nome;
}

INSTANTIATE_TEST_SUITE_P(Fotogrammi, IntroRiferimenti,
                         ::testing::Values(Caso{2, 50, true, "intro2_050.png"}, Caso{3, 84, true, "intro3_084.png"},
                                           Caso{3, 120, true, "intro3_120.png"}, Caso{4, 50, true, "intro4_050.png"},
                                           Caso{5, 0, false, "intro5_anteprima.png"}));

}  // namespace
