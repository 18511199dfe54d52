// The second run of the pixel tests in make test must really round as another processor: the
// library it preloads unmasks the invalid-operation exception there, and nothing else does.
// A library that failed to load would leave that run passing on this processor's rounding.
#include <gtest/gtest.h>

#include <QtGlobal>

#ifdef __SSE__
#include <xmmintrin.h>
#endif

namespace {

TEST(SecondoProcessore, LOperazioneInvalidaEsmascherataSoloNellaSecondaCorsa) {
#ifdef __SSE__
    const bool seconda = qEnvironmentVariableIsSet("QUENVOX_SECONDO_PROCESSORE");
    const bool smascherata = (_mm_getcsr() & _MM_MASK_INVALID) == 0;
    EXPECT_EQ(smascherata, seconda) << (seconda ? "the preloaded library did not load" : "unmasked outside that run");
#endif
}

}  // namespace
