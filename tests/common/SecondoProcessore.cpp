// Preloaded into a test program (LD_PRELOAD), makes it round as a processor of another kind
// would: with the invalid-operation exception unmasked, Qt turns premultiplied pixels straight
// by its exact scalar code instead of the approximate reciprocal, and an invalid float
// operation anywhere (0 / 0 even in a lane a mask drops) stops the program with SIGFPE.
// Threads started later inherit the setting.
#include <xmmintrin.h>

namespace {

__attribute__((constructor)) void SmascheraOperazioneInvalida() {
    _mm_setcsr(_mm_getcsr() & ~static_cast<unsigned>(_MM_MASK_INVALID));
}

}  // namespace
