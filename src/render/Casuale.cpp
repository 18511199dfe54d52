#include "render/Casuale.h"

#include <ctime>
#include <optional>

namespace {

// A 31-bit generator of our own (the multiplier of the classic minimal standard), so
// sequences are the same on every machine.
std::uint32_t stato = 1;
std::optional<std::uint32_t> semeFisso;

void Semina(std::uint32_t seme) {
    stato = seme % 2147483647u;
    if (stato == 0) stato = 1;
}

std::int32_t Prossimo() {
    stato = static_cast<std::uint32_t>((static_cast<std::uint64_t>(stato) * 48271u) % 2147483647u);
    return static_cast<std::int32_t>(stato);
}

}  // namespace

int NumeroCasuale(int n) {
    if (n == 0) return 0;
    return Prossimo() % n;  // a negative n gives 0 .. |n|-1, as C's remainder does
}

void InizializzaCasuale() {
    Semina(semeFisso ? *semeFisso : static_cast<std::uint32_t>(std::time(nullptr)));
}

void FissaSemeCasuale(std::uint32_t seme) {
    semeFisso = seme;
    Semina(seme);
}

void LiberaSemeCasuale() { semeFisso.reset(); }
