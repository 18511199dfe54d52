// Every test starts from the same random sequence: without it a test that reseeds the effect
// engines gets the clock's seconds when it runs alone, or the seed an earlier test fixed.
#include "render/Casuale.h"

#include <gtest/gtest.h>

namespace {

class SemeFisso : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { FissaSemeCasuale(1); }
};

const bool registrato = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new SemeFisso);
    return true;
}();

}  // namespace
