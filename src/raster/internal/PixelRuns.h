#pragma once

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Runs of one colour along a row of 32-bit pixels, for the flood fill. Where
// the processor has SSE2 (always on x86-64) four pixels are compared or painted
// at a time; elsewhere the plain loops below serve, and both give the same
// answers. Ranges are half-open: [from, end).

namespace garabel {

namespace plainRuns {

// The least x <= from such that the pixels [x, from) all are `colour`.
inline int runStart(const std::uint32_t *row, int from, std::uint32_t colour)
{
    while (from > 0 && row[from - 1] == colour)
        --from;
    return from;
}

// The first x in [from, end) whose pixel is `colour`; `end` if none (also when
// from >= end).
inline int find(const std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    for (; from < end; ++from) {
        if (row[from] == colour)
            return from;
    }
    return end;
}

// Whether every pixel in [from, end) is `colour`.
inline bool all(const std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    for (; from < end; ++from) {
        if (row[from] != colour)
            return false;
    }
    return true;
}

inline void paint(std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    for (; from < end; ++from)
        row[from] = colour;
}

// Paints the pixels of `colour` from `from` on with `fill`, up to the first that
// is not `colour` or `end`, and returns where it stopped.
inline int take(std::uint32_t *row, int from, int end, std::uint32_t colour, std::uint32_t fill)
{
    for (; from < end && row[from] == colour; ++from)
        row[from] = fill;
    return from;
}

inline void stream(std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    paint(row, from, end, colour);
}

inline void streamed() {}

} // namespace plainRuns

#if defined(__SSE2__)

namespace sseRuns {

// Bytes ahead of a long run that are asked for before they are reached.
constexpr int kFetchAhead = 4096;

// Bit i set when pixel i of the four at `at` is `colour`.
inline unsigned sameMask(const std::uint32_t *at, __m128i colour)
{
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
    return unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, colour))));
}

inline int runStart(const std::uint32_t *row, int from, std::uint32_t colour)
{
    const __m128i c = _mm_set1_epi32(int(colour));
    int x = from;
    for (; x >= 4; x -= 4) {
        const unsigned same = sameMask(row + x - 4, c);
        if (same != 0xF)
            return x - std::countl_one(same << 28);
    }
    return plainRuns::runStart(row, x, colour);
}

inline int find(const std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    const __m128i c = _mm_set1_epi32(int(colour));
    int x = from;
    for (; x + 4 <= end; x += 4) {
        const unsigned same = sameMask(row + x, c);
        if (same != 0)
            return x + std::countr_zero(same);
    }
    return plainRuns::find(row, x, end, colour);
}

inline bool all(const std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    const __m128i c = _mm_set1_epi32(int(colour));
    int x = from;
    for (; x + 4 <= end; x += 4) {
        if (sameMask(row + x, c) != 0xF)
            return false;
    }
    return plainRuns::all(row, x, end, colour);
}

inline void paint(std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    const __m128i c = _mm_set1_epi32(int(colour));
    int x = from;
    for (; x + 4 <= end; x += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(row + x), c);
    plainRuns::paint(row, x, end, colour);
}

// take() past its first four pixels.
[[gnu::noinline]] inline int takeLong(std::uint32_t *row, int from, int end, std::uint32_t colour, std::uint32_t fill)
{
    const __m128i c = _mm_set1_epi32(int(colour)), f = _mm_set1_epi32(int(fill));
    int x = from;
    // Sixteen pixels a round while the run goes on, painted as soon as compared.
    for (; x + 16 <= end; x += 16) {
        auto *p = reinterpret_cast<__m128i *>(row + x);
        // The processor does not fetch ahead across a memory page by itself:
        // asked a page ahead, a long run waits on memory about half as long.
        _mm_prefetch(reinterpret_cast<const char *>(p) + kFetchAhead, _MM_HINT_T0);
        const __m128i all = _mm_and_si128(
            _mm_and_si128(_mm_cmpeq_epi32(_mm_loadu_si128(p), c), _mm_cmpeq_epi32(_mm_loadu_si128(p + 1), c)),
            _mm_and_si128(_mm_cmpeq_epi32(_mm_loadu_si128(p + 2), c), _mm_cmpeq_epi32(_mm_loadu_si128(p + 3), c)));
        if (_mm_movemask_ps(_mm_castsi128_ps(all)) != 0xF)
            break;
        for (int i = 0; i < 4; ++i)
            _mm_storeu_si128(p + i, f);
    }
    for (; x + 4 <= end; x += 4) {
        const unsigned same = sameMask(row + x, c);
        if (same != 0xF)
            return plainRuns::take(row, x, x + std::countr_one(same), colour, fill);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(row + x), f);
    }
    return plainRuns::take(row, x, end, colour, fill);
}

inline int take(std::uint32_t *row, int from, int end, std::uint32_t colour, std::uint32_t fill)
{
    // Four first, in place: the runs of a busy picture mostly end within them,
    // and a narrow run then costs no read of the cache lines beyond it.
    if (from + 4 > end)
        return plainRuns::take(row, from, end, colour, fill);
    const unsigned same = sameMask(row + from, _mm_set1_epi32(int(colour)));
    if (same != 0xF)
        return plainRuns::take(row, from, from + std::countr_one(same), colour, fill);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(row + from), _mm_set1_epi32(int(fill)));
    return takeLong(row, from + 4, end, colour, fill);
}

// As paint(), for long runs of an image that will not be read again soon: the
// pixels go to memory without first being read into the cache.
inline void stream(std::uint32_t *row, int from, int end, std::uint32_t colour)
{
    const __m128i c = _mm_set1_epi32(int(colour));
    int x = from;
    for (; x < end && reinterpret_cast<std::uintptr_t>(row + x) % 16 != 0; ++x)
        row[x] = colour;
    for (; x + 4 <= end; x += 4)
        _mm_stream_si128(reinterpret_cast<__m128i *>(row + x), c);
    plainRuns::paint(row, x, end, colour);
}

// Orders the streamed pixels before whatever is stored next.
inline void streamed()
{
    _mm_sfence();
}

} // namespace sseRuns

namespace runs = sseRuns;
#else
namespace runs = plainRuns;
#endif

} // namespace garabel
