// The half-transparent and additive rows sixteen pixels at a time, for processors with AVX2. The rules
// and the handling of row ends are those of blit_rows.cpp, lane for lane.
#include <cstdint>

#include "engine/draw/blit_rows.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QV_WIDE_LANES 1
#endif

namespace elDraw {

#if defined(QV_WIDE_LANES)

bool WideLanesAvailable() {
    return __builtin_cpu_supports("avx2");
}

// Everything from here on is compiled for AVX2 and reached only where WideLanesAvailable() holds. It
// uses no library templates: their compiled copies are shared with other files.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

namespace {

constexpr int kFiveBitMask = 31;
constexpr int kByteBits = 8;
constexpr int kByteMax = 0xFF;
constexpr int kWide = 16;
constexpr int kNarrow = 8;
constexpr int kQuarter = 4;

// The same operations on 8 and 16 lanes of 16 bits.
inline __m128i And(__m128i a, __m128i b) {
    return _mm_and_si128(a, b);
}
inline __m256i And(__m256i a, __m256i b) {
    return _mm256_and_si256(a, b);
}
inline __m128i Or(__m128i a, __m128i b) {
    return _mm_or_si128(a, b);
}
inline __m256i Or(__m256i a, __m256i b) {
    return _mm256_or_si256(a, b);
}
inline __m128i AndNot(__m128i a, __m128i b) {
    return _mm_andnot_si128(a, b);
}
inline __m256i AndNot(__m256i a, __m256i b) {
    return _mm256_andnot_si256(a, b);
}
inline __m128i Add(__m128i a, __m128i b) {
    return _mm_add_epi16(a, b);
}
inline __m256i Add(__m256i a, __m256i b) {
    return _mm256_add_epi16(a, b);
}
inline __m128i AddBytesHeld(__m128i a, __m128i b) {
    return _mm_adds_epu8(a, b);
}
inline __m256i AddBytesHeld(__m256i a, __m256i b) {
    return _mm256_adds_epu8(a, b);
}
inline __m128i Min(__m128i a, __m128i b) {
    return _mm_min_epi16(a, b);
}
inline __m256i Min(__m256i a, __m256i b) {
    return _mm256_min_epi16(a, b);
}
inline __m128i Zero(__m128i p) {
    return _mm_cmpeq_epi16(p, _mm_setzero_si128());
}
inline __m256i Zero(__m256i p) {
    return _mm256_cmpeq_epi16(p, _mm256_setzero_si256());
}
inline __m128i HalfDown(__m128i p) {
    return _mm_srli_epi16(p, 1);
}
inline __m256i HalfDown(__m256i p) {
    return _mm256_srli_epi16(p, 1);
}
inline bool AllZero(__m256i p) {
    return _mm256_movemask_epi8(Zero(p)) == -1;
}

inline __m128i Splat8(int value) {
    return _mm_set1_epi16(static_cast<short>(value));
}
inline __m256i Splat16(int value) {
    return _mm256_set1_epi16(static_cast<short>(value));
}

// The half-transparent rule; its constants are made once per blit.
struct HalfWide {
    int half;
    __m128i half8 = Splat8(half);
    __m256i half16 = Splat16(half);

    template <typename V>
    static V Mix(V p, V d, V h) {
        const V mixed = Add(And(HalfDown(p), h), And(HalfDown(d), h));
        const V stays = Zero(p);
        return Or(And(stays, d), AndNot(stays, mixed));
    }
    __m128i operator()(__m128i p, __m128i d) const { return Mix(p, d, half8); }
    __m256i operator()(__m256i p, __m256i d) const { return Mix(p, d, half16); }
    std::uint16_t operator()(std::uint16_t p, std::uint16_t d) const {
        return static_cast<std::uint16_t>(((p >> 1) & half) + ((d >> 1) & half));
    }
};

// The additive rule for red in the high byte, blue in the low byte and green between them, as
// AddLanesAt in blit_rows.cpp; its constants are made once per blit.
template <int kRed, int kGreen, int kBlue>
struct AddWide {
    static constexpr int kRedField = kFiveBitMask << kRed;
    static constexpr int kBlueField = kFiveBitMask << kBlue;
    static constexpr int kGreenField = kFiveBitMask << kGreen;
    static constexpr int kFill = ((kByteMax << kByteBits) ^ kRedField) | (kByteMax ^ kBlueField);
    static_assert((2 * kFiveBitMask) << kGreen <= INT16_MAX, "green's sum must stay a positive 16-bit value");

    __m128i redBlue8 = Splat8(kRedField | kBlueField), green8 = Splat8(kGreenField), fill8 = Splat8(kFill);
    __m256i redBlue16 = Splat16(kRedField | kBlueField), green16 = Splat16(kGreenField),
            fill16 = Splat16(kFill);

    template <typename V>
    static V Mix(V p, V d, V redBlue, V green, V fill) {
        const V bytes = AddBytesHeld(And(p, redBlue), Or(d, fill));
        const V greenSum = Add(And(p, green), And(d, green));
        return Or(Or(And(bytes, redBlue), Min(greenSum, green)), And(Zero(p), d));
    }
    __m128i operator()(__m128i p, __m128i d) const { return Mix(p, d, redBlue8, green8, fill8); }
    __m256i operator()(__m256i p, __m256i d) const { return Mix(p, d, redBlue16, green16, fill16); }
    std::uint16_t operator()(std::uint16_t p, std::uint16_t d) const {
        constexpr int kShifts[] = {kRed, kGreen, kBlue};
        int out = 0;
        for (const int shift : kShifts) {
            const int sum = ((p >> shift) & kFiveBitMask) + ((d >> shift) & kFiveBitMask);
            out |= (sum > kFiveBitMask ? kFiveBitMask : sum) << shift;
        }
        return static_cast<std::uint16_t>(out);
    }
};

inline __m256i Load16(const std::uint16_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
inline void Store16(std::uint16_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}
inline __m128i Load8(const std::uint16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store8(std::uint16_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
inline __m128i Load4(const std::uint16_t* p) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
}
inline void Store4(std::uint16_t* p, __m128i v) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
}

// A row of n pixels, as MixRow in blit_rows.cpp. Rows of 8 to 15 pixels and of 4 to 7 take their first
// and last pixels as the two halves of one step; the halves overlap, and both are read before either
// is written.
template <typename Mix>
void WideRow(const std::uint16_t* from, std::uint16_t* to, long long n, const Mix& mix) {
    if (n >= kWide) {
        const long long last = n - kWide;
        const __m256i lastSource = Load16(from + last);
        const bool lastClear = AllZero(lastSource);
        const __m256i lastMixed = lastClear ? lastSource : mix(lastSource, Load16(to + last));
        for (long long i = 0; i < last; i += kWide) {
            const __m256i source = Load16(from + i);
            if (!AllZero(source)) Store16(to + i, mix(source, Load16(to + i)));
        }
        if (!lastClear) Store16(to + last, lastMixed);
        return;
    }
    if (n >= kNarrow) {
        const long long last = n - kNarrow;
        const __m256i source =
            _mm256_inserti128_si256(_mm256_castsi128_si256(Load8(from)), Load8(from + last), 1);
        if (AllZero(source)) return;
        const __m256i under = _mm256_inserti128_si256(_mm256_castsi128_si256(Load8(to)), Load8(to + last), 1);
        const __m256i mixed = mix(source, under);
        Store8(to, _mm256_castsi256_si128(mixed));
        Store8(to + last, _mm256_extracti128_si256(mixed, 1));
        return;
    }
    if (n >= kQuarter) {
        const long long last = n - kQuarter;
        const __m128i source = _mm_unpacklo_epi64(Load4(from), Load4(from + last));
        const __m128i mixed = mix(source, _mm_unpacklo_epi64(Load4(to), Load4(to + last)));
        Store4(to, mixed);
        Store4(to + last, _mm_unpackhi_epi64(mixed, mixed));
        return;
    }
    for (long long i = 0; i < n; ++i) {
        if (from[i] != 0) to[i] = mix(from[i], to[i]);
    }
}

template <typename Mix>
void WideBlock(const PixelBlock& b, const Mix& mix) {
    const std::uint16_t* from = b.from;
    std::uint16_t* to = b.to;
    const long long width = b.width, fromPitch = b.fromPitch, toPitch = b.toPitch;
    for (long long row = b.height; row > 0; --row, from += fromPitch, to += toPitch)
        WideRow(from, to, width, mix);
}

}  // namespace

void HalfTransparentBlockWide(const PixelBlock& b, std::uint16_t half) {
    WideBlock(b, HalfWide{half});
}

void AdditiveBlockWide(const PixelBlock& b, int redShift) {
    constexpr int kFiveSixFiveRed = 11;
    if (redShift == kFiveSixFiveRed) return WideBlock(b, AddWide<11, 6, 0>{});
    WideBlock(b, AddWide<10, 5, 0>{});
}

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#else

bool WideLanesAvailable() {
    return false;
}
void HalfTransparentBlockWide(const PixelBlock&, std::uint16_t) {}
void AdditiveBlockWide(const PixelBlock&, int) {}

#endif

}  // namespace elDraw
