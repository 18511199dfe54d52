#pragma once
// The one random source of the effect engines and layers. InizializzaCasuale reseeds it
// from the clock, unless a fixed seed was set (tests and benchmarks), in which case every
// reseed restarts the same sequence.
#include <cstdint>

// 0 for n == 0; otherwise a 31-bit pseudo-random value modulo n (0 .. |n|-1).
int NumeroCasuale(int n);

// Reseeds: with the time in seconds, or with the fixed seed when one is set.
void InizializzaCasuale();

// Fixes the seed used by every later reseed, and reseeds now.
void FissaSemeCasuale(std::uint32_t seme);
// Back to seeding from the clock.
void LiberaSemeCasuale();
