// Every intro from 2 to 9 runs whole for the shortest durations: one file per frame, the
// hand-off once, no crash, and a drawn frame of the intro's own.
#include "AiutoIntro.h"

#include <gtest/gtest.h>

namespace {

class IntroBrevi : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(IntroBrevi, RunsEveryFrameOnce) {
    const auto [intro, durata] = GetParam();
    BancoIntro b(intro);
    b.imp.ProgettoRisoluzione = 1;
    b.imp.EffettiParticelleCheck = true;
    b.imp.EffettiParticelleQuantita = 20;
    ImpostazioniGlobali.TotaleFrame = static_cast<float>(durata);
    b.imp.ProgettoDurata = durata;
    b.Anima();
    EXPECT_EQ(b.host.Codifiche, 1);
    EXPECT_EQ(b.FileFrame().size(), std::max(1, durata));
    EXPECT_FALSE(b.host.Anima);
    EXPECT_TRUE(b.host.Errori.isEmpty());
    // The sparks and smoke stay finite numbers.
    for (const ParticleSystem* p : {&b.contesto.Effetti.EmettitoreScintille(), &b.contesto.Effetti.EmettitoreFumo()})
        for (int i = 0; i < p->Numero(); ++i) {
            ASSERT_TRUE(std::isfinite(p->Dati(i).x));
            ASSERT_TRUE(std::isfinite(p->Dati(i).y));
        }
    ImpostazioniGlobali.TotaleFrame = 200;
}

INSTANTIATE_TEST_SUITE_P(DurateBrevi, IntroBrevi,
                         ::testing::Combine(::testing::Range(2, 10), ::testing::Values(0, 1, 2, 30, 31)));

}  // namespace
