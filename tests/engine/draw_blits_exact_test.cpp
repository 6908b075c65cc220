// The half-transparent, additive and rotated blits give, pixel for pixel, what the per-pixel loops they
// replaced gave (kept in reference_blits.cpp), in every back-buffer pixel format the tables serve.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "engine/draw/blit_rows.h"
#include "engine/draw_fixture.h"
#include "engine/reference_blits.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Format {
    const char* name;
    DWORD bits, red, green, blue;
};

constexpr Format k565{"5-6-5", 16, 0xF800, 0x07E0, 0x001F};
constexpr Format k555{"5-5-5", 16, 0x7C00, 0x03E0, 0x001F};
// Formats no display of ours reports, served by the general lanes, and a back buffer the tables do
// not serve (they are left empty).
constexpr Format kBgr565{"B-G-R 5-6-5", 16, 0x001F, 0x07E0, 0xF800};
constexpr Format kWideRed{"6-5-5", 16, 0xFC00, 0x03E0, 0x001F};
constexpr Format kDeep{"32-bit back buffer", 32, 0xF800, 0x07E0, 0x001F};
constexpr Format kAllFormats[] = {k565, k555, kBgr565, kWideRed, kDeep};

using Pixels = std::vector<std::uint16_t>;

class DrawBlitsExactTest : public DrawTest {
protected:
    void Start(const Format& f) {
        if (elDraw::State.ddraw != nullptr) elDraw::Release();
        headless::SetDisplayPixelFormat(f.bits, f.red, f.green, f.blue);
        ASSERT_TRUE(StartScreen());
        elDraw::SetClipRect(0, 0, kWidth, kHeight);
    }

    // Copies between the back buffer and `p`, row by row.
    template <typename Copy>
    static void BackRows(DWORD flags, Copy copy) {
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(elDraw::State.backBuffer->Lock(nullptr, &desc, DDLOCK_WAIT | flags, nullptr), DD_OK);
        for (int y = 0; y < kHeight; ++y) {
            copy(reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(desc.lpSurface) +
                                                  y * desc.lPitch),
                 static_cast<std::size_t>(y) * kWidth);
        }
        elDraw::State.backBuffer->Unlock(nullptr);
    }
    static Pixels ReadBack() {
        Pixels out(static_cast<std::size_t>(kWidth) * kHeight);
        BackRows(DDLOCK_READONLY, [&](const std::uint16_t* row, std::size_t at) {
            std::memcpy(&out[at], row, kWidth * sizeof(std::uint16_t));
        });
        return out;
    }
    static void WriteBack(const Pixels& p) {
        BackRows(0, [&](std::uint16_t* row, std::size_t at) {
            std::memcpy(row, &p[at], kWidth * sizeof(std::uint16_t));
        });
    }

    // Runs `ours` and `theirs` over the same back buffer `before` and expects the same pixels after.
    template <typename Ours, typename Theirs>
    static void ExpectSame(const Pixels& before, Ours ours, Theirs theirs) {
        WriteBack(before);
        const int oursResult = ours();
        const Pixels after = ReadBack();
        WriteBack(before);
        const int theirResult = theirs();
        const Pixels expected = ReadBack();
        EXPECT_EQ(oursResult, theirResult);
        if (after == expected) return;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] != expected[i]) {
                ADD_FAILURE() << "pixel (" << i % kWidth << ", " << i / kWidth << "): " << after[i]
                              << ", expected " << expected[i] << " over " << before[i];
                return;
            }
        }
    }

    Pixels RandomBack(int zeroOneIn = 0) {
        Pixels p(static_cast<std::size_t>(kWidth) * kHeight);
        for (auto& v : p) v = Random16(zeroOneIn);
        return p;
    }
    std::uint16_t Random16(int zeroOneIn = 0) {
        if (zeroOneIn > 0 && Pick(0, zeroOneIn - 1) == 0) return 0;
        return static_cast<std::uint16_t>(rng() & 0xFFFF);
    }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    std::mt19937 rng{20240611};
};

// The blits that mix a picture into the back buffer: ours and the reference, by the same arguments.
struct MixBlit {
    const char* name;
    int (*ours)(int, int, int, int, int, int, int);
    int (*theirs)(int, int, int, int, int, int, int);
};
constexpr MixBlit kMixBlits[] = {
    {"additive", elDraw::DrawAdditive, reference_blits::DrawAdditive},
    {"half-transparent", elDraw::DrawHalfTransparent, reference_blits::DrawHalfTransparent},
};

// The lane widths this processor can run: the eight-pixel loops, and the sixteen-pixel ones where
// the processor has them.
std::vector<bool> LaneWidths() {
    if (elDraw::WideLanesAvailable()) return {false, true};
    return {false};
}

// Every value of one channel of the source over every value of the same channel of the destination,
// the other bits random (or all clear, or all set), in each format.
TEST_F(DrawBlitsExactTest, MixedBlitsMatchForEveryPairOfChannelValues) {
    for (const Format& f : kAllFormats) {
        SCOPED_TRACE(f.name);
        Start(f);
        for (const DWORD mask : {f.red, f.green, f.blue}) {
            const int shift = std::countr_zero(mask);
            const int levels = static_cast<int>((mask >> shift) + 1);
            const auto field = static_cast<std::uint16_t>(mask & 0xFFFF);
            for (int round = 0; round < 4; ++round) {
                // Round 0: other bits clear; round 1: all set; then random.
                auto others = [&]() -> std::uint16_t {
                    if (round < 2) return round == 0 ? 0 : 0xFFFF;
                    return Random16();
                };
                std::vector<std::uint16_t> sourceOthers(static_cast<std::size_t>(levels) * levels);
                for (auto& v : sourceOthers) v = others();
                const int slot = MakePicture(levels, levels, [&](int x, int y) {
                    return (sourceOthers[static_cast<std::size_t>(y) * levels + x] & ~field) | (x << shift);
                });
                Pixels before = RandomBack();
                for (int y = 0; y < levels; ++y) {
                    for (int x = 0; x < levels; ++x) {
                        std::uint16_t& d = before[static_cast<std::size_t>(100 + y) * kWidth + 100 + x];
                        d = static_cast<std::uint16_t>((others() & ~field) | (y << shift));
                    }
                }
                for (const MixBlit& b : kMixBlits) {
                    for (const bool wide : LaneWidths()) {
                        elDraw::UseWideLanes = wide;
                        SCOPED_TRACE(testing::Message() << b.name << (wide ? ", 16 lanes" : ", 8 lanes"));
                        ExpectSame(
                            before, [&] { return b.ours(100, 100, slot, 0, 0, levels, levels); },
                            [&] { return b.theirs(100, 100, slot, 0, 0, levels, levels); });
                    }
                }
                elDraw::FreeObject(slot);
            }
        }
    }
}

// Random 16-bit sources (one in eight transparent) over random destinations: over a million pairs in
// each format.
TEST_F(DrawBlitsExactTest, MixedBlitsMatchForRandomPixelPairs) {
    constexpr int kSide = 256;
    for (const Format& f : kAllFormats) {
        SCOPED_TRACE(f.name);
        Start(f);
        for (int round = 0; round < 4; ++round) {
            const int slot = MakePicture(kSide, kSide, [&](int, int) { return Random16(8); });
            const Pixels before = RandomBack();
            for (const MixBlit& b : kMixBlits) {
                for (const bool wide : LaneWidths()) {
                    elDraw::UseWideLanes = wide;
                    SCOPED_TRACE(testing::Message() << b.name << (wide ? ", 16 lanes" : ", 8 lanes"));
                    ExpectSame(
                        before, [&] { return b.ours(300, 200, slot, 0, 0, kSide, kSide); },
                        [&] { return b.theirs(300, 200, slot, 0, 0, kSide, kSide); });
                }
            }
            elDraw::FreeObject(slot);
        }
    }
}

// Pictures of every small width, drawn from rectangles partly outside the picture, at places partly
// outside the clip window and the screen: the same pixels change, and no others.
TEST_F(DrawBlitsExactTest, MixedBlitsMatchAtEveryWidthAndEdge) {
    for (const Format& f : {k565, k555}) {
        SCOPED_TRACE(f.name);
        Start(f);
        const Pixels before = RandomBack(4);
        for (int c = 0; c < 150; ++c) {
            const int w = c < 40 ? c + 1 : Pick(1, 70), h = Pick(1, 24);
            const int slot = MakePicture(w, h, [&](int, int) { return Random16(4); });
            const int sl = Pick(-8, w), st = Pick(-8, h), sr = sl + Pick(0, w + 16),
                      sb = st + Pick(0, h + 16);
            const int x = Pick(-80, kWidth + 10), y = Pick(-30, kHeight + 10);
            elDraw::SetClipRect(Pick(-20, 300), Pick(-20, 200), Pick(400, kWidth + 20),
                                Pick(300, kHeight + 20));
            for (const MixBlit& b : kMixBlits) {
                for (const bool wide : LaneWidths()) {
                    elDraw::UseWideLanes = wide;
                    SCOPED_TRACE(testing::Message()
                                 << b.name << (wide ? ", 16 lanes" : ", 8 lanes") << " case " << c);
                    ExpectSame(
                        before, [&] { return b.ours(x, y, slot, sl, st, sr, sb); },
                        [&] { return b.theirs(x, y, slot, sl, st, sr, sb); });
                }
            }
            elDraw::FreeObject(slot);
        }
    }
}

// A picture slot that shows the back buffer itself: source and destination overlap, and each pixel is
// mixed from what the pixels before it left, as the one-at-a-time loop did.
TEST_F(DrawBlitsExactTest, MixedBlitsOfTheBackBufferOntoItselfMatch) {
    Start(k565);
    const Pixels before = RandomBack(4);
    constexpr int kSlot = 400;
    DrawObject[kSlot] = DrawObjectRecord{elDraw::State.backBuffer, "*", 0, 2, -1, kWidth, kHeight};
    const int offsets[][2] = {{1, 0}, {3, 1}, {-2, 0}, {0, 1}, {9, -1}, {17, 2}};
    for (const auto& o : offsets) {
        for (const MixBlit& b : kMixBlits) {
            for (const bool wide : LaneWidths()) {
                elDraw::UseWideLanes = wide;
                SCOPED_TRACE(testing::Message() << b.name << " moved by " << o[0] << "," << o[1]);
                ExpectSame(
                    before, [&] { return b.ours(300 + o[0], 200 + o[1], kSlot, 300, 200, 341, 230); },
                    [&] { return b.theirs(300 + o[0], 200 + o[1], kSlot, 300, 200, 341, 230); });
            }
        }
    }
    DrawObject[kSlot] = DrawObjectRecord{};
}

// Every angle, odd and even boxes and cells, boxes running out of the clip window and off the screen,
// cells running out of the picture, and coordinates far out.
TEST_F(DrawBlitsExactTest, RotatedBlitsMatchAtEveryAngleAndEdge) {
    for (const Format& f : {k565, k555}) {
        SCOPED_TRACE(f.name);
        Start(f);
        const Pixels before = RandomBack(4);
        for (int c = 0; c < 720; ++c) {
            const int pw = Pick(1, 40), ph = Pick(1, 40);
            const int slot = MakePicture(pw, ph, [&](int, int) { return Random16(3); });
            // The cell: usually the picture or part of it, sometimes running out of it on any side.
            int sl = 0, st = 0, sr = pw, sb = ph;
            if (Pick(0, 2) == 0) {
                sl = Pick(-10, pw - 1);
                st = Pick(-10, ph - 1);
                sr = sl + Pick(1, pw + 10);
                sb = st + Pick(1, ph + 10);
            }
            // The box: about the cell's size or larger (rarely smaller), anywhere near the screen.
            const int bw = std::max(1, (sr - sl) + Pick(-4, 24)), bh = std::max(1, (sb - st) + Pick(-4, 24));
            const int dl = Pick(-bw - 5, kWidth + 5), dt = Pick(-bh - 5, kHeight + 5);
            const int angle = c < 360 ? c : (Pick(0, 1) == 0 ? Pick(-100000, 100000) : Pick(-720, 720));
            if (Pick(0, 3) == 0) {
                elDraw::SetClipRect(Pick(0, 300), Pick(0, 200), Pick(400, kWidth), Pick(300, kHeight));
            } else {
                elDraw::SetClipRect(0, 0, kWidth, kHeight);
            }
            SCOPED_TRACE(testing::Message() << "case " << c << " box " << dl << "," << dt << " " << bw << "x"
                                            << bh << " angle " << angle << " cell " << sl << "," << st << "-"
                                            << sr << "," << sb << " of " << pw << "x" << ph);
            ExpectSame(
                before,
                [&] { return elDraw::DrawRotated(dl, dt, dl + bw, dt + bh, angle, slot, sl, st, sr, sb); },
                [&] {
                    return reference_blits::DrawRotated(dl, dt, dl + bw, dt + bh, angle, slot, sl, st, sr,
                                                        sb);
                });
            elDraw::FreeObject(slot);
        }
    }
}

TEST_F(DrawBlitsExactTest, RotatedBlitsMatchForBoxesReachingFarOut) {
    Start(k565);
    const Pixels before = RandomBack(4);
    const int slot = MakePicture(40, 30, [&](int, int) { return Random16(3); });
    struct Box {
        int dl, dt, dr, db;
    };
    const Box boxes[] = {
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},  {-2000000000, 100, 2000000000, 140},
        {100, -2000000000, 140, 2000000000},   {-1000000, -1000000, 1000000, 1000000},
        {300, 200, 300 + 46341, 200 + 46341},  {INT_MAX - 10, 100, INT_MAX, 140},
        {-50000, 250, 50000 + 1, 250 + 65537},
    };
    for (const Box& b : boxes) {
        for (int angle : {0, 1, 45, 89, 90, 135, 180, 200, 270, 333, 359}) {
            SCOPED_TRACE(testing::Message()
                         << b.dl << "," << b.dt << "-" << b.dr << "," << b.db << " angle " << angle);
            for (const auto& cell : {std::array<int, 4>{0, 0, 40, 30}, std::array<int, 4>{-5, 3, 40, 33}}) {
                ExpectSame(
                    before,
                    [&] {
                        return elDraw::DrawRotated(b.dl, b.dt, b.dr, b.db, angle, slot, cell[0], cell[1],
                                                   cell[2], cell[3]);
                    },
                    [&] {
                        return reference_blits::DrawRotated(b.dl, b.dt, b.dr, b.db, angle, slot, cell[0],
                                                            cell[1], cell[2], cell[3]);
                    });
            }
        }
    }
}

}  // namespace
