#pragma once
// Waiting in a test on the state it expects, never on a fixed time: the events keep going
// until the condition holds. The bound is only there so a broken program ends the test
// instead of hanging it; it says nothing about speed.
#include <QTest>

constexpr int LimiteAttesaMs = 60000;

// True once the condition holds; false if it never did within the bound.
template <typename Condizione>
bool AttendiChe(Condizione condizione, int limiteMs = LimiteAttesaMs) {
    return QTest::qWaitFor(condizione, limiteMs);
}
