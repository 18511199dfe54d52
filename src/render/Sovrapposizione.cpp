#include "render/Sovrapposizione.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The one rule for every source: an opaque one gives d times 0, a clear one d times 255,
// which is d; the channels never carry into each other.
inline QRgb Sopra(QRgb d, QRgb s) { return s + MoltiplicaPixel(d, 255 - qAlpha(s)); }

#ifdef __SSE2__

// Eight 16-bit channels times eight 16-bit factors over 255, rounded as MoltiplicaPixel rounds.
inline __m128i PerByte16(__m128i x, __m128i a) {
    const __m128i t = _mm_mullo_epi16(x, a);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), _mm_set1_epi16(0x80)), 8);
}

// Four pixels under four sources; inversi holds 255 - alpha of each source in both halves of
// its 32 bits.
inline __m128i Sopra4(__m128i d, __m128i s, __m128i inversi) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i basso = PerByte16(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi32(inversi, inversi));
    const __m128i alto = PerByte16(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi32(inversi, inversi));
    return _mm_add_epi32(s, _mm_packus_epi16(basso, alto));
}

inline __m128i Inversi(__m128i s) {
    const __m128i inversi = _mm_sub_epi32(_mm_set1_epi32(255), _mm_srli_epi32(s, 24));
    return _mm_or_si128(inversi, _mm_slli_epi32(inversi, 16));
}

#endif

}  // namespace

void SopraPixel(QRgb* riga, const QRgb* sorgente, int n) {
    int i = 0;
#ifdef __SSE2__
    for (; i + 4 <= n; i += 4) {
        auto* d = reinterpret_cast<__m128i*>(riga + i);
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sorgente + i));
        _mm_storeu_si128(d, Sopra4(_mm_loadu_si128(d), s, Inversi(s)));
    }
#endif
    for (; i < n; ++i) riga[i] = Sopra(riga[i], sorgente[i]);
}

void SopraColore(QRgb* riga, QRgb colore, int n) {
    if (qAlpha(colore) == 255) {
        for (int i = 0; i < n; ++i) riga[i] = colore;
        return;
    }
    if (colore == 0) return;
    int i = 0;
#ifdef __SSE2__
    const __m128i s = _mm_set1_epi32(static_cast<int>(colore));
    const __m128i inversi = Inversi(s);
    for (; i + 4 <= n; i += 4) {
        auto* d = reinterpret_cast<__m128i*>(riga + i);
        _mm_storeu_si128(d, Sopra4(_mm_loadu_si128(d), s, inversi));
    }
#endif
    for (; i < n; ++i) riga[i] = Sopra(riga[i], colore);
}

void AzzeraMetaAlte() {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) asm volatile("vzeroupper");
#endif
}
