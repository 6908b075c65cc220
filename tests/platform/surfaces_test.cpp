#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/bmp_builder.h"
#include "platform/common/gdi_objects.h"
#include "platform/ddraw.h"
#include "platform/headless.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "support/fresh_process.h"

namespace {

class SurfaceTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    }

    LPDIRECTDRAWSURFACE Make(int width, int height) {
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        desc.dwWidth = static_cast<DWORD>(width);
        desc.dwHeight = static_cast<DWORD>(height);
        LPDIRECTDRAWSURFACE s = nullptr;
        EXPECT_EQ(dd->CreateSurface(&desc, &s, nullptr), DD_OK);
        return s;
    }

    static void Fill(LPDIRECTDRAWSURFACE s, int width, int height, std::uint16_t (*value)(int x, int y)) {
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        auto* rows = static_cast<std::uint16_t*>(desc.lpSurface);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) rows[y * (desc.lPitch / 2) + x] = value(x, y);
        }
        s->Unlock(nullptr);
    }

    LPDIRECTDRAW dd = nullptr;
};

TEST_F(SurfaceTest, LockReportsAPitchWiderThanTheRowAndTheFormat) {
    LPDIRECTDRAWSURFACE s = Make(14, 3);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(desc.dwWidth, 14u);
    EXPECT_EQ(desc.lPitch, 32);  // rows padded to 16 pixels
    EXPECT_EQ(desc.ddpfPixelFormat.dwRGBBitCount, 16u);
    EXPECT_EQ(desc.ddpfPixelFormat.dwGBitMask, 0x07E0u);
    // A locked surface takes no blit and no device context.
    LPDIRECTDRAWSURFACE other = Make(2, 2);
    EXPECT_EQ(other->BltFast(0, 0, s, nullptr, DDBLTFAST_WAIT), DDERR_SURFACEBUSY);
    HDC dc = nullptr;
    EXPECT_EQ(s->GetDC(&dc), DDERR_SURFACEBUSY);
    EXPECT_EQ(s->Unlock(nullptr), DD_OK);
    EXPECT_EQ(s->Unlock(nullptr), DDERR_NOTLOCKED);
}

TEST_F(SurfaceTest, BltFastCopiesWithOrWithoutTheSourceKeyAndRefusesRectanglesOutside) {
    LPDIRECTDRAWSURFACE dst = Make(4, 4);
    LPDIRECTDRAWSURFACE src = Make(2, 2);
    Fill(dst, 4, 4, [](int, int) -> std::uint16_t { return 7; });
    Fill(src, 2, 2, [](int x, int y) -> std::uint16_t { return x == y ? 0 : 0x1234; });
    DDCOLORKEY key{0, 0};
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    ASSERT_EQ(dst->BltFast(1, 1, src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(dst, 1, 1), 7);
    EXPECT_EQ(headless::SurfacePixel(dst, 2, 1), 0x1234);
    EXPECT_EQ(headless::SurfacePixel(dst, 0, 0), 7);
    ASSERT_EQ(dst->BltFast(1, 1, src, nullptr, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(dst, 1, 1), 0);
    RECT r{0, 0, 2, 2};
    EXPECT_EQ(dst->BltFast(3, 0, src, &r, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(static_cast<DWORD>(-1), 0, src, &r, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    RECT outside{1, 1, 3, 3};
    EXPECT_EQ(dst->BltFast(0, 0, src, &outside, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    RECT empty{1, 1, 1, 2};
    EXPECT_EQ(dst->BltFast(0, 0, src, &empty, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
}

TEST_F(SurfaceTest, KeyedCopiesFollowEveryChangeOfTheSourceAndItsKey) {
    LPDIRECTDRAWSURFACE dst = Make(8, 1);
    LPDIRECTDRAWSURFACE src = Make(8, 1);
    Fill(src, 8, 1, [](int x, int) -> std::uint16_t { return x % 3 == 0 ? 0 : 50 + x; });
    DDCOLORKEY black{0, 0};
    src->SetColorKey(DDCKEY_SRCBLT, &black);
    auto copy = [&] {
        Fill(dst, 8, 1, [](int, int) -> std::uint16_t { return 9; });
        RECT r{1, 0, 7, 1};  // a part of the row, so runs are cut at both ends
        ASSERT_EQ(dst->BltFast(1, 0, src, &r, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    };
    copy();
    EXPECT_EQ(headless::SurfacePixel(dst, 0, 0), 9);
    EXPECT_EQ(headless::SurfacePixel(dst, 1, 0), 51);
    EXPECT_EQ(headless::SurfacePixel(dst, 3, 0), 9);
    EXPECT_EQ(headless::SurfacePixel(dst, 7, 0), 9);
    // Written through a lock.
    Fill(src, 8, 1, [](int x, int) -> std::uint16_t { return x == 3 ? 77 : 0; });
    copy();
    EXPECT_EQ(headless::SurfacePixel(dst, 1, 0), 9);
    EXPECT_EQ(headless::SurfacePixel(dst, 3, 0), 77);
    // Written by a blit, then keyed on another colour.
    DDBLTFX fx{sizeof(DDBLTFX), 77};
    src->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    copy();
    EXPECT_EQ(headless::SurfacePixel(dst, 2, 0), 77);
    DDCOLORKEY key77{77, 77};
    src->SetColorKey(DDCKEY_SRCBLT, &key77);
    copy();
    EXPECT_EQ(headless::SurfacePixel(dst, 2, 0), 9);
    // Written through a device context.
    HDC dc = nullptr;
    ASSERT_EQ(src->GetDC(&dc), DD_OK);
    SetPixel(dc, 4, 0, RGB(255, 255, 255));
    src->ReleaseDC(dc);
    copy();
    EXPECT_EQ(headless::SurfacePixel(dst, 4, 0), 0xFFFF);
    EXPECT_EQ(headless::SurfacePixel(dst, 5, 0), 9);
}

TEST_F(SurfaceTest, KeyedCopiesFollowDrawingThroughADeviceContextStillHeld) {
    LPDIRECTDRAWSURFACE dst = Make(40, 1);
    LPDIRECTDRAWSURFACE src = Make(40, 1);
    Fill(src, 40, 1, [](int x, int) -> std::uint16_t { return x < 30 ? 100 + x : 0; });
    DDCOLORKEY black{0, 0};
    src->SetColorKey(DDCKEY_SRCBLT, &black);
    HDC dc = nullptr;
    ASSERT_EQ(src->GetDC(&dc), DD_OK);
    ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(dst, 20, 0), 120);
    // The same span with a new colour, and a new pixel where the key was.
    SetPixel(dc, 20, 0, RGB(255, 255, 255));
    SetPixel(dc, 35, 0, RGB(255, 255, 255));
    ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(dst, 20, 0), 0xFFFF);
    EXPECT_EQ(headless::SurfacePixel(dst, 35, 0), 0xFFFF);
    EXPECT_EQ(headless::SurfacePixel(dst, 34, 0), 0);
    src->ReleaseDC(dc);
}

// Spans of lengths around every size the copy treats apart, whole rows and cut rectangles, against a
// copy made pixel by pixel; and again after the colours change through a lock, the span shapes kept.
TEST_F(SurfaceTest, KeyedCopiesMatchAPixelByPixelCopyForEverySpanLength) {
    constexpr int kW = 200, kH = 12;
    LPDIRECTDRAWSURFACE src = Make(kW, kH);
    LPDIRECTDRAWSURFACE dst = Make(kW + 20, kH + 4);
    DDCOLORKEY key{3, 5};
    src->SetColorKey(DDCKEY_SRCBLT, &key);
    static int shade = 0;
    auto pattern = [](int x, int y) -> std::uint16_t {
        // Each row repeats a span of its own length and a gap of three key colours.
        constexpr int kLengths[kH] = {1, 2, 3, 7, 8, 9, 15, 16, 17, 31, 32, 65};
        const int pos = x % (kLengths[y] + 3);
        return pos < kLengths[y] ? static_cast<std::uint16_t>(1000 + shade + x + 7 * y)
                                 : static_cast<std::uint16_t>(3 + x % 3);
    };
    const RECT rects[] = {
        {0, 0, kW, kH}, {1, 0, kW, kH}, {0, 2, kW - 1, kH - 3}, {17, 1, 150, 9}, {5, 0, 6, kH}};
    for (int round = 0; round < 2; ++round) {
        shade = round * 500;
        Fill(src, kW, kH, pattern);
        for (const RECT& r : rects) {
            Fill(dst, kW + 20, kH + 4, [](int x, int y) -> std::uint16_t { return 9 + ((x + y) & 1); });
            ASSERT_EQ(dst->BltFast(3, 2, src, &r, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
            for (int y = 0; y < kH + 4; ++y) {
                for (int x = 0; x < kW + 20; ++x) {
                    const int sx = x - 3 + r.left, sy = y - 2 + r.top;
                    int want = 9 + ((x + y) & 1);
                    if (sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom) {
                        const int p = pattern(sx, sy);
                        if (p < 3 || p > 5) want = p;
                    }
                    ASSERT_EQ(headless::SurfacePixel(dst, x, y), want) << x << "," << y << " round " << round;
                }
            }
        }
    }
}

// The keyed copy finds its spans several pixels at a time. Rows of every width around those steps, with
// key and other colours in every position, copy exactly the pixels outside the key range, for ranges of
// one colour, of several, reaching past 16 bits, wholly past them, inverted and holding every colour.
TEST_F(SurfaceTest, KeyedCopiesSkipExactlyTheKeyRangeForEveryKeyAndRowWidth) {
    struct KeyCase {
        DWORD low, high;
    };
    const KeyCase keys[] = {{0, 0}, {3, 5},      {0xFFF0, 0x1FFFF}, {0x100, 0x10050}, {0x10000, 0x20000},
                            {5, 3}, {0, 0xFFFF}, {0xFFFF, 0xFFFF},  {0x8000, 0x8001}};
    constexpr int kWidths[] = {1, 2, 7, 8, 9, 15, 16, 17, 23, 24, 25, 33, 47};
    constexpr int kH = 6;
    for (const KeyCase& key : keys) {
        // Colours at and around the range's ends and the ends of 16 bits.
        const std::uint16_t colours[] = {0,
                                         1,
                                         static_cast<std::uint16_t>(key.low),
                                         static_cast<std::uint16_t>(key.low - 1),
                                         static_cast<std::uint16_t>(key.low + 1),
                                         static_cast<std::uint16_t>(key.high),
                                         static_cast<std::uint16_t>(key.high + 1),
                                         0x7FFF,
                                         0x8000,
                                         0xFFFF};
        constexpr int kColours = sizeof colours / sizeof colours[0];
        for (int width : kWidths) {
            LPDIRECTDRAWSURFACE src = Make(width, kH);
            LPDIRECTDRAWSURFACE dst = Make(width, kH);
            DDCOLORKEY ck{key.low, key.high};
            ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &ck), DD_OK);
            std::vector<std::uint16_t> want(static_cast<std::size_t>(width) * kH);
            DDSURFACEDESC desc{};
            desc.dwSize = sizeof desc;
            ASSERT_EQ(src->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
            auto* rows = static_cast<std::uint16_t*>(desc.lpSurface);
            unsigned mix = 12345u + static_cast<unsigned>(width);
            for (int y = 0; y < kH; ++y) {
                // Rows 0 and 1 are one colour each, the range's low end and 0x7FFF, whole; the other rows
                // change colour at random, in runs of a few pixels.
                std::uint16_t p = colours[y == 0 ? 2 : 7];
                for (int x = 0; x < width; ++x) {
                    mix = mix * 1103515245u + 12345u;
                    if (y > 1 && (mix >> 28) % 3 == 0) p = colours[(mix >> 16) % kColours];
                    rows[y * (desc.lPitch / 2) + x] = p;
                    const bool isKey = p >= key.low && p <= key.high;
                    want[static_cast<std::size_t>(y) * width + x] = isKey ? 0x0BAD : p;
                }
            }
            src->Unlock(nullptr);
            DDBLTFX fx{sizeof(DDBLTFX), 0x0BAD};
            ASSERT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
            ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(headless::SurfacePixel(dst, x, y),
                              want[static_cast<std::size_t>(y) * width + x])
                        << "key " << key.low << ".." << key.high << " width " << width << " at " << x << ","
                        << y;
                }
            }
            src->Release();
            dst->Release();
        }
    }
}

TEST_F(SurfaceTest, BltFillsStretchesAndKeys) {
    LPDIRECTDRAWSURFACE dst = Make(4, 4);
    LPDIRECTDRAWSURFACE src = Make(2, 2);
    DDBLTFX fx{sizeof(DDBLTFX), 0x00FF};
    ASSERT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(dst, 3, 3), 0xFF);
    Fill(src, 2, 2, [](int x, int y) -> std::uint16_t {
        return static_cast<std::uint16_t>(x == 1 && y == 1 ? 0 : 10 + x + 2 * y);
    });
    DDCOLORKEY key{0, 0};
    src->SetColorKey(DDCKEY_SRCBLT, &key);
    RECT to{0, 0, 4, 4};
    ASSERT_EQ(dst->Blt(&to, src, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(dst, 0, 0), 10);
    EXPECT_EQ(headless::SurfacePixel(dst, 3, 0), 11);
    EXPECT_EQ(headless::SurfacePixel(dst, 1, 3), 12);
    EXPECT_EQ(headless::SurfacePixel(dst, 3, 3), 0xFF);  // key pixels stretched too, and skipped
    RECT beyond{2, 2, 5, 5};
    EXPECT_EQ(dst->Blt(&beyond, src, nullptr, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
}

TEST_F(SurfaceTest, LostSurfacesRefuseWorkUntilRestoredAndReleasedHandlesAreRefused) {
    LPDIRECTDRAWSURFACE a = Make(2, 2);
    LPDIRECTDRAWSURFACE b = Make(2, 2);
    headless::LoseAllSurfaces();
    EXPECT_EQ(a->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(a->BltFast(0, 0, b, nullptr, DDBLTFAST_WAIT), DDERR_SURFACELOST);
    DDSURFACEDESC desc{};
    EXPECT_EQ(a->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACELOST);
    EXPECT_EQ(headless::SurfacePixel(a, 0, 0), -1);
    EXPECT_EQ(a->Restore(), DD_OK);
    EXPECT_EQ(b->Restore(), DD_OK);
    EXPECT_EQ(a->BltFast(0, 0, b, nullptr, DDBLTFAST_WAIT), DD_OK);
    a->Release();
    EXPECT_EQ(a->IsLost(), DDERR_INVALIDOBJECT);
    EXPECT_EQ(b->BltFast(0, 0, a, nullptr, DDBLTFAST_WAIT), DDERR_INVALIDPARAMS);
}

TEST_F(SurfaceTest, DeviceContextsConvertColoursBothWaysAndStretch) {
    LPDIRECTDRAWSURFACE s = Make(4, 2);
    HDC dc = nullptr;
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    HDC second = nullptr;
    EXPECT_EQ(s->GetDC(&second), DDERR_DCALREADYCREATED);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(255, 0, 0)), RGB(255, 0, 0));
    SetPixel(dc, 1, 0, RGB(0, 255, 0));
    SetPixel(dc, 2, 0, RGB(0, 0, 255));
    SetPixel(dc, 3, 0, RGB(8, 4, 8));
    EXPECT_EQ(SetPixel(dc, 4, 0, 0), CLR_INVALID);
    COLORREF kept = GetPixel(dc, 3, 0);
    SetPixel(dc, 3, 1, kept);
    // A 4 x 1 strip stretched 2:1 onto the left half of the second row.
    EXPECT_TRUE(StretchBlt(dc, 0, 1, 2, 1, dc, 0, 0, 4, 1, SRCCOPY));
    ASSERT_EQ(s->ReleaseDC(dc), DD_OK);
    EXPECT_EQ(headless::SurfacePixel(s, 0, 0), 0xF800);
    EXPECT_EQ(headless::SurfacePixel(s, 1, 0), 0x07E0);
    EXPECT_EQ(headless::SurfacePixel(s, 2, 0), 0x001F);
    EXPECT_EQ(headless::SurfacePixel(s, 3, 0), (1 << 11) | (1 << 5) | 1);
    EXPECT_EQ(headless::SurfacePixel(s, 3, 1),
              headless::SurfacePixel(s, 3, 0));  // GetPixel/SetPixel round trip
    EXPECT_EQ(headless::SurfacePixel(s, 0, 1), 0xF800);
    EXPECT_EQ(headless::SurfacePixel(s, 1, 1), 0x001F);
}

// A bitmap copied at its own size onto a surface, as pictures are loaded: every pixel that lies inside
// both pictures is the bitmap's colour in the surface's format, and nothing else is touched, wherever
// the copy starts, in or beyond either picture, in either 16-bit format.
TEST_F(SurfaceTest, UnstretchedBitmapCopiesConvertEveryColourAndClipToBothPictures) {
    constexpr int kWidth = 9, kHeight = 5, kSurfaceWidth = 7, kSurfaceHeight = 6;
    constexpr std::uint16_t kUntouched = 0x1234;
    std::mt19937 random(7);
    std::vector<std::uint32_t> colours(kWidth * kHeight);
    for (std::uint32_t& c : colours) c = random() & 0xFFFFFF;
    colours[0] = 0xFFFFFF;
    colours[1] = 0x000000;
    colours[2] = 0x070307;  // below one step of every channel
    const bmp_builder::Bytes file = bmp_builder::File24(kWidth, kHeight, colours);
    ASSERT_TRUE(RegisterResource(RT_BITMAP_TYPE, "COPYTEST", file.data(), file.size()));
    struct Copy {
        int x, y, width, height, sx, sy;
    };
    const Copy copies[] = {{0, 0, kWidth, kHeight, 0, 0},
                           {2, 1, 4, 3, 3, 2},
                           {-3, -2, kWidth, kHeight, 0, 0},
                           {1, 2, 5, 4, -2, -1},
                           {5, 4, 6, 6, 6, 3},
                           {0, 0, 3, 3, kWidth, 0},
                           {-kSurfaceWidth, 0, 3, 3, 0, 0},
                           {3, 3, 2, 2, 8, 4}};
    const platform_common::PixelMasks formats[] = {platform_common::kMasks565, platform_common::kMasks555};
    for (const platform_common::PixelMasks& masks : formats) {
        headless::SetDisplayPixelFormat(16, masks.red, masks.green, masks.blue);
        HBITMAP bitmap =
            LoadImageA(GetModuleHandleA(nullptr), "COPYTEST", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(bitmap, nullptr);
        HDC memory = CreateCompatibleDC(nullptr);
        SelectObject(memory, bitmap);
        for (const Copy& c : copies) {
            SCOPED_TRACE(::testing::Message() << "copy at " << c.x << "," << c.y << " of " << c.width << "x"
                                              << c.height << " from " << c.sx << "," << c.sy);
            LPDIRECTDRAWSURFACE s = Make(kSurfaceWidth, kSurfaceHeight);
            Fill(s, kSurfaceWidth, kSurfaceHeight, [](int, int) { return kUntouched; });
            HDC dc = nullptr;
            ASSERT_EQ(s->GetDC(&dc), DD_OK);
            EXPECT_TRUE(
                StretchBlt(dc, c.x, c.y, c.width, c.height, memory, c.sx, c.sy, c.width, c.height, SRCCOPY));
            ASSERT_EQ(s->ReleaseDC(dc), DD_OK);
            for (int y = 0; y < kSurfaceHeight; ++y) {
                for (int x = 0; x < kSurfaceWidth; ++x) {
                    const int i = x - c.x, j = y - c.y, bx = c.sx + i, by = c.sy + j;
                    const bool copied = i >= 0 && i < c.width && j >= 0 && j < c.height && bx >= 0 &&
                                        bx < kWidth && by >= 0 && by < kHeight;
                    const std::uint16_t expected =
                        copied ? platform_common::PackColour(colours[by * kWidth + bx], masks) : kUntouched;
                    ASSERT_EQ(headless::SurfacePixel(s, x, y), expected) << "at " << x << "," << y;
                }
            }
            s->Release();
        }
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
    UnregisterResource(RT_BITMAP_TYPE, "COPYTEST");
}

TEST_F(SurfaceTest, FiveFiveFiveFormatIsReportedAndUsedByDeviceContexts) {
    headless::SetDisplayPixelFormat(16, 0x7C00, 0x03E0, 0x001F);
    LPDIRECTDRAWSURFACE s = Make(1, 1);
    DDPIXELFORMAT format{};
    ASSERT_EQ(s->GetPixelFormat(&format), DD_OK);
    EXPECT_EQ(format.dwRBitMask, 0x7C00u);
    HDC dc = nullptr;
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    SetPixel(dc, 0, 0, RGB(255, 255, 255));
    s->ReleaseDC(dc);
    EXPECT_EQ(headless::SurfacePixel(s, 0, 0), 0x7FFF);
}

TEST_F(SurfaceTest, DisplayModePrimaryAndVerticalBlank) {
    EXPECT_EQ(dd->SetDisplayMode(800, 600, 16), DDERR_INVALIDPARAMS);  // needs the exclusive level
    HWND window = nullptr;  // the headless display needs no real window for the level
    EXPECT_EQ(dd->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
    headless::SetIdleStep(0);
    headless::AdvanceClock(5000);
    ASSERT_EQ(dd->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr), DD_OK);
    EXPECT_EQ(headless::NowMicroseconds(), 16667u);
    ASSERT_EQ(dd->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr), DD_OK);
    EXPECT_EQ(headless::NowMicroseconds(), 33334u);
    EXPECT_EQ(headless::VerticalBlankWaits(), 2);
    headless::SetDirectDrawAvailable(false);
    LPDIRECTDRAW none = nullptr;
    EXPECT_NE(DirectDrawCreate(nullptr, &none, nullptr), DD_OK);
    EXPECT_EQ(none, nullptr);
}

}  // namespace
