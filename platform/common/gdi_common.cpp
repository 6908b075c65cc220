// Device contexts over bitmaps and surfaces, bitmap loading, and the pixel calls of GDI.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "platform/common/bmp_reader.h"
#include "platform/common/gdi_objects.h"
#include "platform/common/window_table.h"
#include "platform/resources.h"

struct Module {
    int tag;
};

namespace {

constexpr int kMaxBitmaps = 32;
constexpr int kMaxDeviceContexts = 64;
constexpr long kMaxFileBytes = 64L << 20;

struct GdiStore {
    Bitmap bitmaps[kMaxBitmaps];
    DeviceContext contexts[kMaxDeviceContexts];
};

GdiStore& G() {
    static GdiStore store;
    return store;
}

constinit Module gProgramModule = {};

constexpr std::size_t kNoteSize = 768;
constinit char gUnreadableNote[kNoteSize] = {};

void NoteUnreadable(const char* path, const char* reason) {
    std::snprintf(gUnreadableNote, sizeof gUnreadableNote, "%s: %s", path, reason);
}

Bitmap* LiveBitmap(HGDIOBJ object) {
    GdiStore& g = G();
    for (Bitmap& b : g.bitmaps) {
        if (&b == object && b.used) return &b;
    }
    return nullptr;
}

HBITMAP NewBitmap(platform_common::DecodedImage&& image) {
    for (Bitmap& b : G().bitmaps) {
        if (b.used) continue;
        b.used = true;
        b.width = image.width;
        b.height = image.height;
        b.pixels = std::move(image.pixels);
        return &b;
    }
    return nullptr;
}

// A file's bytes, read whole into a block that is not filled first.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

// Notes why when the file cannot be read.
bool ReadWholeFile(const char* path, FileBytes* bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        NoteUnreadable(path, std::strerror(errno));
        return false;
    }
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(file) : -1;
    ok = ok && size >= 0 && size <= kMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->size = static_cast<std::size_t>(size);
        // At least one byte, so that an empty file still has a block of its own.
        bytes->data.reset(new (std::nothrow) std::uint8_t[bytes->size > 0 ? bytes->size : 1]);
        ok = bytes->data != nullptr &&
             (size == 0 || std::fread(bytes->data.get(), 1, bytes->size, file) == bytes->size);
    }
    std::fclose(file);
    if (!ok) NoteUnreadable(path, "the file cannot be read whole");
    return ok;
}

// A device context's pixels as 0x00RRGGBB reads and writes.
struct Target {
    enum { kNone, kBitmap, kSurface } kind = kNone;
    Bitmap* bitmap = nullptr;
    platform_common::SurfacePixels surface = {};
    int width = 0;
    int height = 0;

    std::uint32_t Read(int x, int y) const {
        if (kind == kBitmap) return bitmap->pixels[static_cast<std::size_t>(y) * width + x];
        return platform_common::UnpackColour(surface.pixels[static_cast<std::size_t>(y) * surface.pitch + x],
                                             surface.masks);
    }
    void Write(int x, int y, std::uint32_t rgb) {
        if (kind == kBitmap) {
            bitmap->pixels[static_cast<std::size_t>(y) * width + x] = rgb;
        } else {
            surface.pixels[static_cast<std::size_t>(y) * surface.pitch + x] =
                platform_common::PackColour(rgb, surface.masks);
        }
    }
    bool Contains(long long x, long long y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

Target TargetOf(HDC dc) {
    Target t;
    if (!platform_common::LiveDeviceContext(dc)) return t;
    if (dc->kind == DeviceContext::kMemory) {
        if (Bitmap* b = LiveBitmap(dc->bitmap)) {
            t.kind = Target::kBitmap;
            t.bitmap = b;
            t.width = b->width;
            t.height = b->height;
        }
    } else if (dc->kind == DeviceContext::kSurface) {
        if (platform_common::AccessSurface(dc->surface, &t.surface)) {
            t.kind = Target::kSurface;
            t.width = t.surface.width;
            t.height = t.surface.height;
        }
    }
    return t;
}

std::uint32_t ToRgb(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | static_cast<std::uint32_t>(GetBValue(c));
}
COLORREF ToColorref(std::uint32_t rgb) {
    return RGB(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>(rgb & 0xFF));
}

std::uint32_t PackChannel(std::uint32_t eight, DWORD mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    std::uint32_t v = bits >= 8 ? eight << (bits - 8) : eight >> (8 - bits);
    return (v << shift) & mask;
}

std::uint32_t UnpackChannel(std::uint16_t pixel, DWORD mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return static_cast<std::uint32_t>((((pixel & mask) >> shift) * 255ULL) / max) & 0xFF;
}

// PackChannel with the mask's shifts worked out once, for converting many pixels.
struct ChannelPacker {
    int up = 0;    // for channels wider than 8 bits
    int down = 0;  // for narrower ones
    int shift = 0;
    std::uint32_t mask = 0;

    explicit ChannelPacker(DWORD m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        const int bits = std::popcount(m);
        up = bits >= 8 ? bits - 8 : 0;
        down = bits >= 8 ? 0 : 8 - bits;
    }
    std::uint32_t Pack(std::uint32_t eight) const { return (((eight << up) >> down) << shift) & mask; }
};

struct ColourPacker {
    ChannelPacker red, green, blue;

    explicit ColourPacker(const platform_common::PixelMasks& m) : red(m.red), green(m.green), blue(m.blue) {}
    std::uint16_t Pack(std::uint32_t rgb) const {
        return static_cast<std::uint16_t>(red.Pack((rgb >> 16) & 0xFF) | green.Pack((rgb >> 8) & 0xFF) |
                                          blue.Pack(rgb & 0xFF));
    }
};

// The 5-6-5 format every display backend shows, with its shifts known to the compiler.
std::uint16_t Pack565(std::uint32_t rgb) {
    return static_cast<std::uint16_t>(((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) | ((rgb >> 3) & 0x001F));
}

bool Is565(const platform_common::PixelMasks& m) {
    return m.red == platform_common::kMasks565.red && m.green == platform_common::kMasks565.green &&
           m.blue == platform_common::kMasks565.blue;
}

// An unstretched copy of a bitmap's pixels into a surface, as StretchBlt's general loop would make it
// (the same pixels skipped outside either picture), a whole row at a time.
void CopyBitmapRows(const Target& d, int x, int y, int width, int height, const Target& s, int sx, int sy) {
    const ColourPacker packer(d.surface.masks);
    const bool is565 = Is565(d.surface.masks);
    const long long i0 = std::max<long long>({0, -static_cast<long long>(x), -static_cast<long long>(sx)});
    const long long i1 = std::min<long long>(
        {width, static_cast<long long>(d.width) - x, static_cast<long long>(s.width) - sx});
    const long long j0 = std::max<long long>({0, -static_cast<long long>(y), -static_cast<long long>(sy)});
    const long long j1 = std::min<long long>(
        {height, static_cast<long long>(d.height) - y, static_cast<long long>(s.height) - sy});
    if (i1 <= i0) return;
    for (long long j = j0; j < j1; ++j) {
        const std::uint32_t* from = s.bitmap->pixels.data() + static_cast<std::size_t>(sy + j) * s.width +
                                    static_cast<std::size_t>(sx + i0);
        std::uint16_t* to = d.surface.pixels + static_cast<std::size_t>(y + j) * d.surface.pitch +
                            static_cast<std::size_t>(x + i0);
        if (is565) {
            for (long long i = 0; i < i1 - i0; ++i) to[i] = Pack565(from[i]);
        } else {
            for (long long i = 0; i < i1 - i0; ++i) to[i] = packer.Pack(from[i]);
        }
    }
}

}  // namespace

namespace platform_common {

std::uint16_t PackColour(std::uint32_t rgb, const PixelMasks& m) {
    return static_cast<std::uint16_t>(PackChannel((rgb >> 16) & 0xFF, m.red) |
                                      PackChannel((rgb >> 8) & 0xFF, m.green) |
                                      PackChannel(rgb & 0xFF, m.blue));
}

std::uint32_t UnpackColour(std::uint16_t pixel, const PixelMasks& m) {
    return (UnpackChannel(pixel, m.red) << 16) | (UnpackChannel(pixel, m.green) << 8) |
           UnpackChannel(pixel, m.blue);
}

HDC NewDeviceContext(DeviceContext::Kind kind) {
    for (DeviceContext& dc : G().contexts) {
        if (dc.kind != DeviceContext::kFree) continue;
        dc = DeviceContext{};
        dc.kind = kind;
        return &dc;
    }
    return nullptr;
}

void FreeDeviceContext(HDC dc) {
    if (LiveDeviceContext(dc)) *dc = DeviceContext{};
}

bool LiveDeviceContext(HDC dc) {
    GdiStore& g = G();
    if (dc < g.contexts || dc >= g.contexts + kMaxDeviceContexts) return false;
    return dc->kind != DeviceContext::kFree;
}

void ResetGdiObjects() {
    GdiStore& g = G();
    for (Bitmap& b : g.bitmaps) b = Bitmap{};
    for (DeviceContext& dc : g.contexts) dc = DeviceContext{};
    gUnreadableNote[0] = '\0';
}

const char* UnreadablePictureNote() {
    return gUnreadableNote;
}

void TakeUnreadablePictureNote() {
    gUnreadableNote[0] = '\0';
}

}  // namespace platform_common

HINSTANCE GetModuleHandleA(const char* name) {
    return name == nullptr ? &gProgramModule : nullptr;
}

HBITMAP LoadImageA(HINSTANCE, const char* name, UINT type, int, int, UINT flags) {
    if (type != IMAGE_BITMAP || name == nullptr) return nullptr;
    // Numbered resources are not used by the program.
    if (reinterpret_cast<std::uintptr_t>(name) < 0x10000) return nullptr;
    platform_common::DecodedImage image;
    if (flags & LR_LOADFROMFILE) {
        FileBytes bytes;
        if (!ReadWholeFile(name, &bytes)) return nullptr;
        if (!platform_common::DecodeBmpFile(bytes.data.get(), bytes.size, &image)) {
            NoteUnreadable(name, "not a BMP picture, or a damaged one");
            return nullptr;
        }
    } else {
        ResourceBlob blob{};
        if (!FindResourceBlob(RT_BITMAP_TYPE, name, &blob)) return nullptr;
        const bool file = blob.size >= 2 && blob.data[0] == 'B' && blob.data[1] == 'M';
        bool ok = file ? platform_common::DecodeBmpFile(blob.data, blob.size, &image)
                       : platform_common::DecodePackedDib(blob.data, blob.size, &image);
        if (!ok) return nullptr;
    }
    gUnreadableNote[0] = '\0';
    return NewBitmap(std::move(image));
}

BOOL DeleteObject(HGDIOBJ object) {
    Bitmap* b = LiveBitmap(object);
    if (b == nullptr) return FALSE;
    for (DeviceContext& dc : G().contexts) {
        if (dc.kind == DeviceContext::kMemory && dc.bitmap == b) dc.bitmap = nullptr;
    }
    *b = Bitmap{};
    return TRUE;
}

int GetObjectA(HGDIOBJ object, int size, void* out) {
    Bitmap* b = LiveBitmap(object);
    if (b == nullptr || out == nullptr || size < static_cast<int>(sizeof(BITMAP))) return 0;
    constexpr WORD kBits = 32;
    BITMAP bm{0, b->width, b->height, b->width * 4, 1, kBits, b->pixels.data()};
    std::memcpy(out, &bm, sizeof bm);
    return sizeof bm;
}

HDC CreateCompatibleDC(HDC) {
    return platform_common::NewDeviceContext(DeviceContext::kMemory);
}

BOOL DeleteDC(HDC dc) {
    if (!platform_common::LiveDeviceContext(dc) || dc->kind != DeviceContext::kMemory) return FALSE;
    platform_common::FreeDeviceContext(dc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (!platform_common::LiveDeviceContext(dc) || dc->kind != DeviceContext::kMemory) return nullptr;
    Bitmap* b = LiveBitmap(object);
    if (b == nullptr) return nullptr;
    HBITMAP previous = dc->bitmap;
    dc->bitmap = b;
    return previous;
}

HDC GetDC(HWND window) {
    if (window != nullptr && platform_common::LiveWindow(window) == nullptr) return nullptr;
    HDC dc = platform_common::NewDeviceContext(DeviceContext::kWindow);
    if (dc != nullptr) dc->window = window;
    return dc;
}

int ReleaseDC(HWND, HDC dc) {
    if (!platform_common::LiveDeviceContext(dc) || dc->kind != DeviceContext::kWindow) return 0;
    platform_common::FreeDeviceContext(dc);
    return 1;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!platform_common::LiveDeviceContext(dc) || index != BITSPIXEL) return 0;
    switch (dc->kind) {
        case DeviceContext::kSurface:
            return static_cast<int>(display_backend::BitCount());
        case DeviceContext::kWindow:
            return display_backend::DesktopBitDepth();
        default: {
            Bitmap* b = LiveBitmap(dc->bitmap);
            return b != nullptr ? 32 : 1;
        }
    }
}

COLORREF GetPixel(HDC dc, int x, int y) {
    Target t = TargetOf(dc);
    if (t.kind == Target::kNone || !t.Contains(x, y)) return CLR_INVALID;
    return ToColorref(t.Read(x, y));
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    Target t = TargetOf(dc);
    if (t.kind == Target::kNone || !t.Contains(x, y)) return CLR_INVALID;
    t.Write(x, y, ToRgb(colour));
    return ToColorref(t.Read(x, y));
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop) {
    if (rop != SRCCOPY || width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return FALSE;
    Target d = TargetOf(dest);
    Target s = TargetOf(source);
    if (d.kind == Target::kNone || s.kind == Target::kNone) return FALSE;
    if (d.kind == Target::kSurface && s.kind == Target::kBitmap && width == sw && height == sh) {
        CopyBitmapRows(d, x, y, width, height, s, sx, sy);
        return TRUE;
    }
    const bool sameFormat = d.kind == Target::kSurface && s.kind == Target::kSurface &&
                            d.surface.masks.red == s.surface.masks.red &&
                            d.surface.masks.green == s.surface.masks.green &&
                            d.surface.masks.blue == s.surface.masks.blue;
    // Only the destination pixels inside the destination are visited.
    const long long y0 = y < 0 ? -static_cast<long long>(y) : 0;
    const long long y1 = std::min<long long>(height, static_cast<long long>(d.height) - y);
    const long long x0 = x < 0 ? -static_cast<long long>(x) : 0;
    const long long x1 = std::min<long long>(width, static_cast<long long>(d.width) - x);
    for (long long j = y0; j < y1; ++j) {
        const long long srcY = sy + j * sh / height;
        if (srcY < 0 || srcY >= s.height) continue;
        for (long long i = x0; i < x1; ++i) {
            const long long srcX = sx + i * sw / width;
            if (srcX < 0 || srcX >= s.width) continue;
            const int dx = static_cast<int>(x + i), dy = static_cast<int>(y + j);
            if (sameFormat) {
                d.surface.pixels[static_cast<std::size_t>(dy) * d.surface.pitch + dx] =
                    s.surface.pixels[static_cast<std::size_t>(srcY) * s.surface.pitch + srcX];
            } else {
                d.Write(dx, dy, s.Read(static_cast<int>(srcX), static_cast<int>(srcY)));
            }
        }
    }
    return TRUE;
}
