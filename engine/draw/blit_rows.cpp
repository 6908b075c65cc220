#include "engine/draw/blit_rows.h"

#include <algorithm>
#include <cstdint>

#include "engine/draw/draw_state.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace elDraw {

constinit AdditiveLayout Additive = {};
constinit bool UseWideLanes = false;

namespace {

constexpr int kChannels = 3;
constexpr int kFiveBitMax = 31;
constexpr int kFiveBitMask = 31;

// One pixel by the half-transparent rule (source not zero).
struct HalfPixel {
    std::uint16_t half;
    std::uint16_t operator()(std::uint16_t p, std::uint16_t d) const {
        return static_cast<std::uint16_t>(((p >> 1) & half) + ((d >> 1) & half));
    }
};

// One pixel by the additive rule (source not zero).
struct AddPixel {
    int shift[kChannels];
    std::uint16_t operator()(std::uint16_t p, std::uint16_t d) const {
        int out = 0;
        for (int c = 0; c < kChannels; ++c) {
            const int sum = ((p >> shift[c]) & kFiveBitMask) + ((d >> shift[c]) & kFiveBitMask);
            out |= std::min(sum, kFiveBitMax) << shift[c];
        }
        return static_cast<std::uint16_t>(out);
    }
};

// The same additive rule through the tables, for the layouts the arithmetic does not cover.
struct AddByTables {
    std::uint16_t operator()(std::uint16_t p, std::uint16_t d) const {
        const std::uint8_t* a = ChannelSplitTable[p];
        const std::uint8_t* b = ChannelSplitTable[d];
        return static_cast<std::uint16_t>(AdditiveTables[0][a[0]][b[0]] | AdditiveTables[1][a[1]][b[1]] |
                                          AdditiveTables[2][a[2]][b[2]]);
    }
};

template <typename Pixel>
void PixelByPixel(const PixelBlock& b, const Pixel& mix) {
    for (long long row = 0; row < b.height; ++row) {
        const std::uint16_t* from = b.from + row * b.fromPitch;
        std::uint16_t* to = b.to + row * b.toPitch;
        for (long long i = 0; i < b.width; ++i) {
            const std::uint16_t p = from[i];
            if (p != 0) to[i] = mix(p, to[i]);
        }
    }
}

#if defined(__SSE2__)

constexpr int kLanes = 8;
constexpr int kHalfLanes = 4;

// Eight lanes of the half-transparent rule, source zero keeping the destination.
struct HalfLanes {
    __m128i half;
    __m128i operator()(__m128i p, __m128i d) const {
        const __m128i mixed = _mm_add_epi16(_mm_and_si128(_mm_srli_epi16(p, 1), half),
                                            _mm_and_si128(_mm_srli_epi16(d, 1), half));
        const __m128i stays = _mm_cmpeq_epi16(p, _mm_setzero_si128());
        return _mm_or_si128(_mm_and_si128(stays, d), _mm_andnot_si128(stays, mixed));
    }
};

// Where the source is zero the destination shows through: the additive rule gives back the
// destination's channel bits then, so only the bits outside every channel need keeping.
__m128i KeepWhereZero(__m128i p, __m128i d, __m128i mixed) {
    return _mm_or_si128(mixed, _mm_and_si128(_mm_cmpeq_epi16(p, _mm_setzero_si128()), d));
}

constexpr int kByteBits = 8;
constexpr int kByteMax = 0xFF;

// Eight lanes of the additive rule for red in the high byte, blue in the low byte and green between
// them (5-6-5 and 5-5-5), without moving any channel. Red and blue are added by bytes: the
// destination's byte has every bit outside its channel set, so the saturating byte add overflows
// exactly when the channel sum passes 31, and leaves those bits set otherwise. Green's sum fits the
// lane as a positive value and is held at its all-ones value by a minimum.
template <int kRed, int kGreen, int kBlue>
struct AddLanesAt {
    static_assert(kRed >= kByteBits && kRed + 5 <= 2 * kByteBits && kBlue + 5 <= kByteBits);
    static constexpr int kRedField = kFiveBitMask << kRed;
    static constexpr int kBlueField = kFiveBitMask << kBlue;
    static constexpr int kGreenField = kFiveBitMask << kGreen;
    // The bits of each byte outside its channel.
    static constexpr int kFill = ((kByteMax << kByteBits) ^ kRedField) | (kByteMax ^ kBlueField);
    static_assert((2 * kFiveBitMask) << kGreen <= INT16_MAX, "green's sum must stay a positive 16-bit value");

    __m128i operator()(__m128i p, __m128i d) const {
        const __m128i redBlue = _mm_set1_epi16(static_cast<short>(kRedField | kBlueField));
        const __m128i green = _mm_set1_epi16(static_cast<short>(kGreenField));
        const __m128i bytes = _mm_adds_epu8(_mm_and_si128(p, redBlue),
                                            _mm_or_si128(d, _mm_set1_epi16(static_cast<short>(kFill))));
        const __m128i greenSum = _mm_add_epi16(_mm_and_si128(p, green), _mm_and_si128(d, green));
        return KeepWhereZero(p, d,
                             _mm_or_si128(_mm_and_si128(bytes, redBlue), _mm_min_epi16(greenSum, green)));
    }
};

constexpr int kTopShift = 11;

// Eight lanes of the additive rule for any other layout: each channel's five bits are moved to the
// top of the lane, where the saturating add holds them at 31 (an overflowing sum fills the lane with
// ones), and then back. Only the source's bits need clearing around the channel: the destination's
// bits below it add less than one step of it, and are dropped by the shift back.
struct AddLanes {
    __m128i up[kChannels];
    __m128i field[kChannels];
    explicit AddLanes(const int (&shift)[kChannels]) {
        for (int c = 0; c < kChannels; ++c) {
            up[c] = _mm_cvtsi32_si128(kTopShift - shift[c]);  // a shift above 11 takes the tables
            field[c] = _mm_set1_epi16(static_cast<short>(kFiveBitMask << shift[c]));
        }
    }
    __m128i operator()(__m128i p, __m128i d) const {
        __m128i mixed = _mm_setzero_si128();
        for (int c = 0; c < kChannels; ++c) {
            const __m128i a = _mm_sll_epi16(_mm_and_si128(p, field[c]), up[c]);
            const __m128i sum = _mm_adds_epu16(a, _mm_sll_epi16(d, up[c]));
            mixed = _mm_or_si128(mixed, _mm_and_si128(_mm_srl_epi16(sum, up[c]), field[c]));
        }
        return KeepWhereZero(p, d, mixed);
    }
};

__m128i Load8(const std::uint16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void Store8(std::uint16_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
__m128i Load4(const std::uint16_t* p) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
}
void Store4(std::uint16_t* p, __m128i v) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
}

// Eight transparent source pixels leave the destination as it is; sprites have many such steps.
bool AllZero(__m128i p) {
    constexpr int kAllLanes = 0xFFFF;
    return _mm_movemask_epi8(_mm_cmpeq_epi16(p, _mm_setzero_si128())) == kAllLanes;
}

// A row of n pixels. A row whose width is not a multiple of the step ends with one step that overlaps
// pixels of the step before. That step's pixels are read before anything in the row is written, so the
// overlapped pixels get the same value twice, and nothing outside the row is read or written (reading
// them after the write would also stall on the store).
template <typename Lanes, typename Pixel>
void MixRow(const std::uint16_t* from, std::uint16_t* to, long long n, const Lanes& lanes,
            const Pixel& pixel) {
    if (n >= kLanes) {
        const long long last = n - kLanes;
        const __m128i lastSource = Load8(from + last);
        const bool lastClear = AllZero(lastSource);
        const __m128i lastMixed = lastClear ? lastSource : lanes(lastSource, Load8(to + last));
        for (long long i = 0; i < last; i += kLanes) {
            const __m128i source = Load8(from + i);
            if (!AllZero(source)) Store8(to + i, lanes(source, Load8(to + i)));
        }
        if (!lastClear) Store8(to + last, lastMixed);
        return;
    }
    if (n >= kHalfLanes) {
        const long long last = n - kHalfLanes;
        const __m128i lastMixed = lanes(Load4(from + last), Load4(to + last));
        Store4(to, lanes(Load4(from), Load4(to)));
        Store4(to + last, lastMixed);
        return;
    }
    for (long long i = 0; i < n; ++i) {
        if (from[i] != 0) to[i] = pixel(from[i], to[i]);
    }
}

template <typename Lanes, typename Pixel>
void MixBlock(const PixelBlock& b, const Lanes& lanes, const Pixel& pixel) {
    for (long long row = 0; row < b.height; ++row)
        MixRow(b.from + row * b.fromPitch, b.to + row * b.toPitch, b.width, lanes, pixel);
}

#endif

constexpr int kTurnScale = 360;

// Values kept this far inside 32 bits can take one more step without leaving them.
bool FitsNarrow(long long value) {
    constexpr long long kLimit = INT32_MAX - kTurnScale;
    return value >= -kLimit && value <= kLimit;
}

// Step k of the run, with u and v held in `Int` (wide enough for every step of the run; unsigned only
// where no step is negative, so that the quotients are the same).
template <typename Int>
void CopyTurned(const TurnedRun& r) {
    auto u = static_cast<Int>(r.u), v = static_cast<Int>(r.v);
    const auto du = static_cast<Int>(r.du), dv = static_cast<Int>(r.dv);
    constexpr auto kScale = static_cast<Int>(kTurnScale);
    for (long long k = 0; k < r.length; ++k, u += du, v += dv) {
        const long long at =
            static_cast<long long>(v / kScale) * r.pitch + static_cast<long long>(u / kScale) + r.origin;
        const std::uint16_t p = r.pixels[at];
        if (p != 0) r.to[k] = p;
    }
}

// Floor quotient and remainder by 360.
struct Split {
    long long quotient, remainder;
};

Split SplitByScale(long long a) {
    Split s{a / kTurnScale, a % kTurnScale};
    if (s.remainder < 0) {
        s.remainder += kTurnScale;
        --s.quotient;
    }
    return s;
}

#if defined(__SSE2__)

__m128i LoadLanes(const std::int16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Eight steps of one coordinate, each as its floor quotient and remainder by 360.
struct CoordinateLanes {
    __m128i quotient, remainder;

    // A remainder that reached 360 carries into the quotient.
    void Carry() {
        const __m128i over = _mm_cmpgt_epi16(remainder, _mm_set1_epi16(kTurnScale - 1));
        remainder = _mm_sub_epi16(remainder, _mm_and_si128(over, _mm_set1_epi16(kTurnScale)));
        quotient = _mm_sub_epi16(quotient, over);
    }
    // Lanes 0..7 at steps k .. k + 7, from the coordinate at step k (well inside 32 bits here).
    static CoordinateLanes At(long long value, const std::int16_t* laneQuotient,
                              const std::int16_t* laneRemainder) {
        const auto narrow = static_cast<std::int32_t>(value);
        std::int32_t quotient = narrow / kTurnScale, remainder = narrow % kTurnScale;
        if (remainder < 0) {
            remainder += kTurnScale;
            --quotient;
        }
        CoordinateLanes c{
            _mm_add_epi16(_mm_set1_epi16(static_cast<short>(quotient)), LoadLanes(laneQuotient)),
            _mm_add_epi16(_mm_set1_epi16(static_cast<short>(remainder)), LoadLanes(laneRemainder))};
        c.Carry();
        return c;
    }
    void Advance(__m128i blockQuotient, __m128i blockRemainder) {
        quotient = _mm_add_epi16(quotient, blockQuotient);
        remainder = _mm_add_epi16(remainder, blockRemainder);
        Carry();
    }
    // The quotient rounded toward zero: one more than the floor for a negative value not a multiple of
    // 360.
    template <bool kSigned>
    __m128i TowardZero() const {
        if constexpr (!kSigned) return quotient;
        const __m128i zero = _mm_setzero_si128();
        const __m128i up =
            _mm_andnot_si128(_mm_cmpeq_epi16(remainder, zero), _mm_cmpgt_epi16(zero, quotient));
        return _mm_sub_epi16(quotient, up);
    }
};

// The eight box pixels of a step: the picture pixels they read where those are not zero, the
// destination where they are.
template <bool kSigned>
__m128i TurnedPixels(const TurnedRun& r, const CoordinateLanes& u, const CoordinateLanes& v, __m128i factors,
                     __m128i origin, __m128i under) {
    const __m128i column = u.TowardZero<kSigned>(), line = v.TowardZero<kSigned>();
    alignas(16) std::int32_t at[TurnSteps::kLanes];
    _mm_store_si128(reinterpret_cast<__m128i*>(at),
                    _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(column, line), factors), origin));
    _mm_store_si128(reinterpret_cast<__m128i*>(at + 4),
                    _mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(column, line), factors), origin));
    __m128i p = _mm_cvtsi32_si128(r.pixels[at[0]]);
    p = _mm_insert_epi16(p, r.pixels[at[1]], 1);
    p = _mm_insert_epi16(p, r.pixels[at[2]], 2);
    p = _mm_insert_epi16(p, r.pixels[at[3]], 3);
    p = _mm_insert_epi16(p, r.pixels[at[4]], 4);
    p = _mm_insert_epi16(p, r.pixels[at[5]], 5);
    p = _mm_insert_epi16(p, r.pixels[at[6]], 6);
    p = _mm_insert_epi16(p, r.pixels[at[7]], 7);
    const __m128i stays = _mm_cmpeq_epi16(p, _mm_setzero_si128());
    return _mm_or_si128(_mm_and_si128(stays, under), _mm_andnot_si128(stays, p));
}

// The run eight box pixels at a time. Line * pitch + column comes from one multiply-add of the
// 16-bit pair (column, line) with (1, pitch). The last step overlaps the one before it; its pixels
// are read before the run is written, and the overlapped ones get the same value twice.
template <bool kSigned>
void CopyTurnedLanes(const TurnedRun& r) {
    const TurnSteps& s = *r.steps;
    const __m128i factors = _mm_set1_epi32(static_cast<int>((r.pitch << 16) | 1));
    const __m128i origin = _mm_set1_epi32(static_cast<int>(r.origin));
    const long long last = r.length - TurnSteps::kLanes;
    const __m128i lastPixels = TurnedPixels<kSigned>(
        r, CoordinateLanes::At(r.u + last * r.du, s.laneQuotient[0], s.laneRemainder[0]),
        CoordinateLanes::At(r.v + last * r.dv, s.laneQuotient[1], s.laneRemainder[1]), factors, origin,
        Load8(r.to + last));
    CoordinateLanes u = CoordinateLanes::At(r.u, s.laneQuotient[0], s.laneRemainder[0]);
    CoordinateLanes v = CoordinateLanes::At(r.v, s.laneQuotient[1], s.laneRemainder[1]);
    const __m128i blockQuotient[2] = {_mm_set1_epi16(s.blockQuotient[0]), _mm_set1_epi16(s.blockQuotient[1])};
    const __m128i blockRemainder[2] = {_mm_set1_epi16(s.blockRemainder[0]),
                                       _mm_set1_epi16(s.blockRemainder[1])};
    for (long long k = 0; k < last; k += TurnSteps::kLanes) {
        Store8(r.to + k, TurnedPixels<kSigned>(r, u, v, factors, origin, Load8(r.to + k)));
        u.Advance(blockQuotient[0], blockRemainder[0]);
        v.Advance(blockQuotient[1], blockRemainder[1]);
    }
    Store8(r.to + last, lastPixels);
}

#endif

}  // namespace

TurnSteps SplitTurnSteps(long long du, long long dv) {
    TurnSteps s{};
    const long long step[2] = {du, dv};
    for (int axis = 0; axis < 2; ++axis) {
        for (int j = 0; j < TurnSteps::kLanes; ++j) {
            const Split lane = SplitByScale(j * step[axis]);
            s.laneQuotient[axis][j] = static_cast<std::int16_t>(lane.quotient);
            s.laneRemainder[axis][j] = static_cast<std::int16_t>(lane.remainder);
        }
        const Split block = SplitByScale(TurnSteps::kLanes * step[axis]);
        s.blockQuotient[axis] = static_cast<std::int16_t>(block.quotient);
        s.blockRemainder[axis] = static_cast<std::int16_t>(block.remainder);
    }
    return s;
}

void CopyTurnedRun(const TurnedRun& r) {
    const long long uLast = r.u + (r.length - 1) * r.du, vLast = r.v + (r.length - 1) * r.dv;
    // Both coordinates move steadily, so the ends of the run bound every step.
    const bool nonNegative = r.u >= 0 && uLast >= 0 && r.v >= 0 && vLast >= 0;
#if defined(__SSE2__)
    // Eight at a time where quotients, the pitch and the picture offsets fit the 16-bit and 32-bit
    // lanes, with room for the steps past the run's end that the walk computes but never reads.
    constexpr long long kLaneValueLimit = 32000LL * kTurnScale;
    constexpr long long kPitchLimit = INT16_MAX;
    const auto fitsLane = [](long long value) { return value > -kLaneValueLimit && value < kLaneValueLimit; };
    if (r.steps != nullptr && r.length >= TurnSteps::kLanes && r.pitch <= kPitchLimit && fitsLane(r.u) &&
        fitsLane(uLast) && fitsLane(r.v) && fitsLane(vLast) && r.origin >= INT32_MIN &&
        r.origin <= INT32_MAX) {
        return nonNegative ? CopyTurnedLanes<false>(r) : CopyTurnedLanes<true>(r);
    }
#endif
    if (!FitsNarrow(r.u) || !FitsNarrow(uLast) || !FitsNarrow(r.v) || !FitsNarrow(vLast)) {
        return CopyTurned<long long>(r);
    }
    if (nonNegative) return CopyTurned<std::uint32_t>(r);
    CopyTurned<std::int32_t>(r);
}

void HalfTransparentBlock(const PixelBlock& b, std::uint16_t half, bool inOrder) {
    const HalfPixel pixel{half};
    if (inOrder) return PixelByPixel(b, pixel);
    if (UseWideLanes) return HalfTransparentBlockWide(b, half);
#if defined(__SSE2__)
    MixBlock(b, HalfLanes{_mm_set1_epi16(static_cast<short>(half))}, pixel);
#else
    PixelByPixel(b, pixel);
#endif
}

void AdditiveBlock(const PixelBlock& b, bool inOrder) {
    if (!Additive.arithmetic) return PixelByPixel(b, AddByTables{});
    const int(&shift)[kChannels] = Additive.packShift;
    const AddPixel pixel{{shift[0], shift[1], shift[2]}};
    if (inOrder) return PixelByPixel(b, pixel);
    const bool fiveSixFive = shift[0] == 11 && shift[1] == 6 && shift[2] == 0;
    const bool fiveFiveFive = shift[0] == 10 && shift[1] == 5 && shift[2] == 0;
    if ((fiveSixFive || fiveFiveFive) && UseWideLanes) return AdditiveBlockWide(b, shift[0]);
#if defined(__SSE2__)
    if (fiveSixFive) return MixBlock(b, AddLanesAt<11, 6, 0>{}, pixel);
    if (fiveFiveFive) return MixBlock(b, AddLanesAt<10, 5, 0>{}, pixel);
    MixBlock(b, AddLanes(shift), pixel);
#else
    PixelByPixel(b, pixel);
#endif
}

}  // namespace elDraw
