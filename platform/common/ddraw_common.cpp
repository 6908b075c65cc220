// Display devices and 16-bit surfaces, kept in memory by both backends. Handles index fixed pools, so a
// handle that was released is recognised and refused.
#include <algorithm>
#include <cstring>
#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

#include "platform/common/gdi_objects.h"
#include "platform/common/window_table.h"
#include "platform/ddraw.h"
#include "platform/window.h"

namespace {

constexpr int kMaxSurfaces = 1024;
constexpr int kMaxDevices = 4;
constexpr int kMaxClippers = 4;
constexpr int kMaxSurfaceDimension = 16384;
constexpr long long kMaxSurfacePixels = 1LL << 24;
constexpr int kPitchAlignPixels = 4;
constexpr std::uint16_t kLostPattern = 0x5A5A;

// A run of non-key pixels in a row: its first column and its length.
struct Span {
    std::uint16_t start;
    std::uint16_t length;
};

struct SurfaceData {
    bool used = false;
    bool lost = false;
    bool primary = false;
    int width = 0;
    int height = 0;
    int pitch = 0;
    DWORD caps = 0;
    bool hasKey = false;
    DWORD keyLow = 0;
    DWORD keyHigh = 0;
    int locks = 0;
    HDC dc = nullptr;
    platform_common::PixelMasks masks = {};
    std::vector<std::uint16_t> pixels;
    // The runs of non-key pixels of each row. Built on the first keyed blit from the surface and dropped
    // whenever the surface may have been written, so keyed blits read and write only visible pixels and
    // skip key pixels.
    bool runsValid = false;
    std::vector<std::uint32_t> rowSpans;  // per row, the index of its first span; one more at the end
    std::vector<Span> spans;
};

struct DeviceData {
    bool used = false;
    HWND window = nullptr;
    DWORD level = 0;
    bool modeSet = false;
    int width = 0;
    int height = 0;
};

struct Store {
    DirectDrawSurface surfaceHandles[kMaxSurfaces];
    SurfaceData surfaces[kMaxSurfaces];
    DirectDraw deviceHandles[kMaxDevices];
    DeviceData devices[kMaxDevices];
    DirectDrawClipper clipperHandles[kMaxClippers];
    bool clippers[kMaxClippers];
};

Store& St() {
    static Store store;
    return store;
}

SurfaceData* Data(const DirectDrawSurface* s) {
    Store& st = St();
    if (s < st.surfaceHandles || s >= st.surfaceHandles + kMaxSurfaces) return nullptr;
    SurfaceData& d = st.surfaces[s - st.surfaceHandles];
    return d.used ? &d : nullptr;
}

DeviceData* Device(const DirectDraw* dd) {
    Store& st = St();
    if (dd < st.deviceHandles || dd >= st.deviceHandles + kMaxDevices) return nullptr;
    DeviceData& d = st.devices[dd - st.deviceHandles];
    return d.used ? &d : nullptr;
}

bool Inside(const RECT& r, const SurfaceData& d) {
    return r.left >= 0 && r.top >= 0 && r.right <= d.width && r.bottom <= d.height && r.left < r.right &&
           r.top < r.bottom;
}

RECT Whole(const SurfaceData& d) {
    return RECT{0, 0, d.width, d.height};
}

void ShowIfPrimary(const SurfaceData& d) {
    if (!d.primary) return;
    Store& st = St();
    display_backend::Present(&st.surfaceHandles[&d - st.surfaces], d.pixels.data(), d.width, d.height,
                             d.pitch);
}

DDPIXELFORMAT PixelFormat(const SurfaceData& d) {
    return DDPIXELFORMAT{sizeof(DDPIXELFORMAT), DDPF_RGB,     0, display_backend::BitCount(), d.masks.red,
                         d.masks.green,         d.masks.blue, 0};
}

// What GetSurfaceDesc reports; Lock fills the same, once per blit, so it looks the surface up once.
void Describe(const SurfaceData& d, DDSURFACEDESC* desc) {
    *desc = DDSURFACEDESC{};
    desc->dwSize = sizeof(DDSURFACEDESC);
    desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->dwWidth = static_cast<DWORD>(d.width);
    desc->dwHeight = static_cast<DWORD>(d.height);
    desc->lPitch = d.pitch * static_cast<LONG>(sizeof(std::uint16_t));
    desc->ddsCaps.dwCaps = d.caps;
    desc->ddckCKSrcBlt = DDCOLORKEY{d.keyLow, d.keyHigh};
    desc->ddpfPixelFormat = PixelFormat(d);
}

bool IsKey(const SurfaceData& src, std::uint16_t p) {
    return p >= src.keyLow && p <= src.keyHigh;
}

// Copies n pixels. Short spans are moved as two fixed-size pieces that overlap inside the span, which
// the compiler keeps inline; nothing outside the span is written.
inline void CopyPixels(std::uint16_t* d, const std::uint16_t* s, int n) {
    constexpr int kLongSpan = 64;
    constexpr std::size_t kPixel = sizeof(std::uint16_t);
    if (n >= kLongSpan) {
        std::memcpy(d, s, static_cast<std::size_t>(n) * kPixel);
    } else if (n >= 8) {
        for (int i = 0; i + 8 < n; i += 8) std::memcpy(d + i, s + i, 8 * kPixel);
        std::memcpy(d + n - 8, s + n - 8, 8 * kPixel);
    } else if (n >= 4) {
        std::memcpy(d, s, 4 * kPixel);
        std::memcpy(d + n - 4, s + n - 4, 4 * kPixel);
    } else if (n >= 2) {
        std::memcpy(d, s, 2 * kPixel);
        std::memcpy(d + n - 2, s + n - 2, 2 * kPixel);
    } else if (n == 1) {
        *d = *s;
    }
}

void Written(SurfaceData& d) {
    d.runsValid = false;
}

// The key colours as 16-bit pixels: a pixel p is a key pixel when p - low, wrapped to 16 bits, is at most
// width; or no pixel is one at all. The same test as IsKey, done on whole vectors of pixels.
struct KeyRange {
    bool any;
    std::uint16_t low;
    std::uint16_t width;
};

KeyRange KeyRangeOf(const SurfaceData& d) {
    constexpr DWORD kLargestPixel = 0xFFFF;
    if (d.keyLow > d.keyHigh || d.keyLow > kLargestPixel) return KeyRange{false, 0, 0};
    const DWORD high = std::min(d.keyHigh, kLargestPixel);
    return KeyRange{true, static_cast<std::uint16_t>(d.keyLow), static_cast<std::uint16_t>(high - d.keyLow)};
}

bool InKeyRange(const KeyRange& k, std::uint16_t p) {
    return static_cast<std::uint16_t>(p - k.low) <= k.width;
}

// The first column from x on (the row's width if none) whose pixel is a key pixel when `key`, or is not
// one otherwise. The key range must hold some colour.
int FindInRow(const std::uint16_t* row, int x, int width, const KeyRange& k, bool key) {
#if defined(__SSE2__)
    constexpr int kLanes = 8;
    const __m128i low = _mm_set1_epi16(static_cast<short>(k.low));
    const __m128i range = _mm_set1_epi16(static_cast<short>(k.width));
    const __m128i zero = _mm_setzero_si128();
    const int flip = key ? 0 : 0xFFFF;
    for (; x + kLanes <= width; x += kLanes) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        // Two mask bits per pixel, set for key pixels: p - low saturating-minus width is 0.
        const __m128i isKey = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_sub_epi16(v, low), range), zero);
        const int mask = _mm_movemask_epi8(isKey) ^ flip;
        if (mask != 0) return x + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    }
#endif
    for (; x < width; ++x) {
        if (InKeyRange(k, row[x]) == key) return x;
    }
    return width;
}

void BuildRuns(SurfaceData& d) {
    const KeyRange k = KeyRangeOf(d);
    d.rowSpans.resize(static_cast<std::size_t>(d.height) + 1);
    d.spans.clear();
    for (int y = 0; y < d.height; ++y) {
        d.rowSpans[y] = static_cast<std::uint32_t>(d.spans.size());
        const std::uint16_t* row = d.pixels.data() + static_cast<std::size_t>(y) * d.pitch;
        int x = 0;
        while (x < d.width) {
            if (k.any) x = FindInRow(row, x, d.width, k, false);
            if (x == d.width) break;
            const int end = k.any ? FindInRow(row, x, d.width, k, true) : d.width;
            d.spans.push_back(Span{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(end - x)});
            x = end;
        }
    }
    d.rowSpans[d.height] = static_cast<std::uint32_t>(d.spans.size());
    d.runsValid = true;
}

// Keyed copy of whole source rows: each span's pixels go to its column.
void CopyWholeRowsPortable(std::uint16_t* d, int dstPitch, const SurfaceData& src, int top, int bottom) {
    const Span* spans = src.spans.data();
    const std::uint16_t* row = src.pixels.data() + static_cast<std::size_t>(top) * src.pitch;
    for (int y = top; y < bottom; ++y, d += dstPitch, row += src.pitch) {
        const Span* end = spans + src.rowSpans[y + 1];
        for (const Span* k = spans + src.rowSpans[y]; k < end; ++k)
            CopyPixels(d + k->start, row + k->start, k->length);
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same copy with 32-byte moves, for processors that have them.
__attribute__((target("avx2"))) void CopyWholeRowsAvx2(std::uint16_t* d, int dstPitch, const SurfaceData& src,
                                                       int top, int bottom) {
    const Span* spans = src.spans.data();
    const std::uint16_t* row = src.pixels.data() + static_cast<std::size_t>(top) * src.pitch;
    for (int y = top; y < bottom; ++y, d += dstPitch, row += src.pitch) {
        const Span* end = spans + src.rowSpans[y + 1];
        for (const Span* k = spans + src.rowSpans[y]; k < end; ++k) {
            std::uint16_t* to = d + k->start;
            const std::uint16_t* p = row + k->start;
            const int n = k->length;
            if (n >= 16) {
                for (int i = 0; i + 16 < n; i += 16)
                    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i),
                                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i)));
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + n - 16),
                                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + n - 16)));
            } else {
                CopyPixels(to, p, n);
            }
        }
    }
}
#endif

void CopyWholeRows(std::uint16_t* d, int dstPitch, const SurfaceData& src, int top, int bottom) {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return CopyWholeRowsAvx2(d, dstPitch, src, top, bottom);
#endif
    CopyWholeRowsPortable(d, dstPitch, src, top, bottom);
}

// Keyed copy through the source's spans: only non-key pixels are read and written.
void CopyRuns(SurfaceData& dst, int dx, int dy, SurfaceData& src, const RECT& r) {
    if (!src.runsValid) BuildRuns(src);
    std::uint16_t* d = dst.pixels.data() + static_cast<std::size_t>(dy) * dst.pitch + dx;
    if (r.left == 0 && r.right == src.width) {
        CopyWholeRows(d, dst.pitch, src, r.top, r.bottom);
        return;
    }
    d -= r.left;  // columns below are source columns
    for (int y = r.top; y < r.bottom; ++y, d += dst.pitch) {
        const std::uint16_t* row = src.pixels.data() + static_cast<std::size_t>(y) * src.pitch;
        const Span* end = src.spans.data() + src.rowSpans[y + 1];
        for (const Span* k = src.spans.data() + src.rowSpans[y]; k < end; ++k) {
            if (k->start >= r.right) break;
            const int from = std::max<int>(k->start, r.left);
            const int to = std::min<int>(k->start + k->length, r.right);
            if (from < to) CopyPixels(d + from, row + from, to - from);
        }
    }
}

// Copies equal-sized rectangles, skipping key pixels when keyed. Rows never overlap unless the
// surfaces are the same, and then the rows are copied through a buffer.
void CopyRect(SurfaceData& dst, int dx, int dy, SurfaceData& src, const RECT& r, bool keyed) {
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    std::vector<std::uint16_t> staging;
    const std::uint16_t* base = src.pixels.data();
    int srcPitch = src.pitch;
    int sx = r.left, sy = r.top;
    if (&dst == &src) {
        staging.resize(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            std::memcpy(&staging[static_cast<std::size_t>(y) * w],
                        &src.pixels[static_cast<std::size_t>(sy + y) * srcPitch + sx],
                        w * sizeof(std::uint16_t));
        base = staging.data();
        srcPitch = w;
        sx = sy = 0;
    }
    if (keyed && &dst != &src) {
        CopyRuns(dst, dx, dy, src, r);
        return;
    }
    const bool singleKey = src.keyLow == src.keyHigh;
    const auto key = static_cast<std::uint16_t>(src.keyLow);
    for (int y = 0; y < h; ++y) {
        const std::uint16_t* s = base + static_cast<std::size_t>(sy + y) * srcPitch + sx;
        std::uint16_t* d = dst.pixels.data() + static_cast<std::size_t>(dy + y) * dst.pitch + dx;
        if (!keyed) {
            CopyPixels(d, s, w);
        } else if (singleKey) {
            for (int x = 0; x < w; ++x) d[x] = s[x] == key ? d[x] : s[x];
        } else {
            for (int x = 0; x < w; ++x) d[x] = IsKey(src, s[x]) ? d[x] : s[x];
        }
    }
}

void StretchRect(SurfaceData& dst, const RECT& dr, const SurfaceData& src, const RECT& sr, bool keyed) {
    const long long dw = dr.right - dr.left, dh = dr.bottom - dr.top;
    const long long sw = sr.right - sr.left, sh = sr.bottom - sr.top;
    std::vector<std::uint16_t> copy;
    const std::uint16_t* base = src.pixels.data();
    if (&dst == &src) {
        copy = src.pixels;
        base = copy.data();
    }
    for (long long y = 0; y < dh; ++y) {
        const std::uint16_t* s = base + static_cast<std::size_t>(sr.top + y * sh / dh) * src.pitch + sr.left;
        std::uint16_t* d = dst.pixels.data() + static_cast<std::size_t>(dr.top + y) * dst.pitch + dr.left;
        for (long long x = 0; x < dw; ++x) {
            std::uint16_t p = s[x * sw / dw];
            if (!keyed || !IsKey(src, p)) d[x] = p;
        }
    }
}

}  // namespace

namespace platform_common {

bool AccessSurface(DirectDrawSurface* surface, SurfacePixels* out) {
    SurfaceData* d = Data(surface);
    if (d == nullptr || d->lost || out == nullptr) return false;
    Written(*d);  // the caller may write through what it gets, e.g. drawing through a device context
    *out = SurfacePixels{d->pixels.data(), d->width, d->height, d->pitch, d->masks};
    return true;
}

void ResetDisplayObjects() {
    Store& st = St();
    for (SurfaceData& d : st.surfaces) d = SurfaceData{};
    for (DeviceData& d : st.devices) d = DeviceData{};
    for (bool& c : st.clippers) c = false;
}

}  // namespace platform_common

HRESULT DirectDrawEnumerateA(LPDDENUMCALLBACKA callback, void* context) {
    if (callback == nullptr) return DDERR_INVALIDPARAMS;
    if (!display_backend::DeviceAvailable()) return DD_OK;
    static char description[] = "Primary Display Driver";
    static char name[] = "display";
    callback(nullptr, description, name, context);
    return DD_OK;
}

HRESULT DirectDrawCreate(GUID*, LPDIRECTDRAW* out, void*) {
    if (out == nullptr) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (!display_backend::DeviceAvailable()) return DDERR_GENERIC;
    Store& st = St();
    for (int i = 0; i < kMaxDevices; ++i) {
        if (st.devices[i].used) continue;
        st.devices[i] = DeviceData{};
        st.devices[i].used = true;
        *out = &st.deviceHandles[i];
        return DD_OK;
    }
    return DDERR_OUTOFMEMORY;
}

HRESULT DirectDraw::SetCooperativeLevel(HWND window, DWORD flags) {
    DeviceData* d = Device(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if ((flags & DDSCL_EXCLUSIVE) && platform_common::LiveWindow(window) == nullptr)
        return DDERR_INVALIDPARAMS;
    d->window = window;
    d->level = flags;
    return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    DeviceData* d = Device(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (bitsPerPixel != 16 || width == 0 || height == 0 || width > kMaxSurfaceDimension ||
        height > kMaxSurfaceDimension)
        return DDERR_INVALIDMODE;
    if (!(d->level & DDSCL_EXCLUSIVE)) return DDERR_INVALIDPARAMS;
    if (!display_backend::SetMode(d->window, static_cast<int>(width), static_cast<int>(height)))
        return DDERR_GENERIC;
    d->modeSet = true;
    d->width = static_cast<int>(width);
    d->height = static_cast<int>(height);
    return DD_OK;
}

HRESULT DirectDraw::RestoreDisplayMode() {
    DeviceData* d = Device(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (d->modeSet) display_backend::RestoreMode();
    d->modeSet = false;
    return DD_OK;
}

HRESULT DirectDraw::CreateSurface(const DDSURFACEDESC* desc, DirectDrawSurface** out, void*) {
    DeviceData* dev = Device(this);
    if (dev == nullptr) return DDERR_INVALIDOBJECT;
    if (desc == nullptr || out == nullptr) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    const bool primary = (desc->dwFlags & DDSD_CAPS) && (desc->ddsCaps.dwCaps & DDSCAPS_PRIMARYSURFACE);
    long long width, height;
    if (primary) {
        width = dev->modeSet ? dev->width : GetSystemMetrics(SM_CXSCREEN);
        height = dev->modeSet ? dev->height : GetSystemMetrics(SM_CYSCREEN);
    } else {
        if ((desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT))
            return DDERR_INVALIDPARAMS;
        width = desc->dwWidth;
        height = desc->dwHeight;
    }
    if (width <= 0 || height <= 0 || width > kMaxSurfaceDimension || height > kMaxSurfaceDimension ||
        width * height > kMaxSurfacePixels)
        return DDERR_INVALIDPARAMS;
    Store& st = St();
    for (int i = 0; i < kMaxSurfaces; ++i) {
        SurfaceData& d = st.surfaces[i];
        if (d.used) continue;
        d = SurfaceData{};
        d.used = true;
        d.primary = primary;
        d.width = static_cast<int>(width);
        d.height = static_cast<int>(height);
        d.pitch = (d.width + kPitchAlignPixels - 1) / kPitchAlignPixels * kPitchAlignPixels;
        d.caps = (desc->dwFlags & DDSD_CAPS) ? desc->ddsCaps.dwCaps : DDSCAPS_OFFSCREENPLAIN;
        d.masks = display_backend::Masks();
        d.pixels.assign(static_cast<std::size_t>(d.pitch) * d.height, 0);
        *out = &st.surfaceHandles[i];
        return DD_OK;
    }
    return DDERR_OUTOFMEMORY;
}

HRESULT DirectDraw::CreateClipper(DWORD, DirectDrawClipper** out, void*) {
    if (Device(this) == nullptr) return DDERR_INVALIDOBJECT;
    if (out == nullptr) return DDERR_INVALIDPARAMS;
    Store& st = St();
    for (int i = 0; i < kMaxClippers; ++i) {
        if (st.clippers[i]) continue;
        st.clippers[i] = true;
        *out = &st.clipperHandles[i];
        return DD_OK;
    }
    *out = nullptr;
    return DDERR_OUTOFMEMORY;
}

HRESULT DirectDraw::GetCaps(DDCAPS* driverCaps, DDCAPS* emulationCaps) {
    if (Device(this) == nullptr) return DDERR_INVALIDOBJECT;
    const DWORD caps = display_backend::HardwareStretch() ? DDCAPS_BLTSTRETCH : 0;
    if (driverCaps != nullptr) *driverCaps = DDCAPS{sizeof(DDCAPS), caps, {DDSCAPS_OFFSCREENPLAIN}};
    if (emulationCaps != nullptr) *emulationCaps = DDCAPS{sizeof(DDCAPS), caps, {DDSCAPS_OFFSCREENPLAIN}};
    return DD_OK;
}

HRESULT DirectDraw::WaitForVerticalBlank(DWORD, HANDLE) {
    if (Device(this) == nullptr) return DDERR_INVALIDOBJECT;
    display_backend::WaitVerticalBlank();
    return DD_OK;
}

HRESULT DirectDraw::FlipToGDISurface() {
    return Device(this) == nullptr ? DDERR_INVALIDOBJECT : DD_OK;
}

ULONG DirectDraw::Release() {
    DeviceData* d = Device(this);
    if (d == nullptr) return 0;
    if (d->modeSet) display_backend::RestoreMode();
    *d = DeviceData{};
    return 0;
}

HRESULT DirectDrawClipper::SetHWnd(DWORD, HWND window) {
    return platform_common::LiveWindow(window) != nullptr ? DD_OK : DDERR_INVALIDPARAMS;
}

ULONG DirectDrawClipper::Release() {
    Store& st = St();
    if (this >= st.clipperHandles && this < st.clipperHandles + kMaxClippers)
        st.clippers[this - st.clipperHandles] = false;
    return 0;
}

HRESULT DirectDrawSurface::Blt(const RECT* destRect, DirectDrawSurface* source, const RECT* sourceRect,
                               DWORD flags, const DDBLTFX* fx) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (d->lost) return DDERR_SURFACELOST;
    if (d->locks > 0) return DDERR_SURFACEBUSY;
    const RECT dr = destRect != nullptr ? *destRect : Whole(*d);
    if (!Inside(dr, *d)) return DDERR_INVALIDRECT;
    if (flags & DDBLT_COLORFILL) {
        if (fx == nullptr) return DDERR_INVALIDPARAMS;
        const auto fill = static_cast<std::uint16_t>(fx->dwFillColor);
        for (int y = dr.top; y < dr.bottom; ++y)
            std::fill_n(d->pixels.data() + static_cast<std::size_t>(y) * d->pitch + dr.left,
                        dr.right - dr.left, fill);
        Written(*d);
        ShowIfPrimary(*d);
        return DD_OK;
    }
    SurfaceData* s = Data(source);
    if (s == nullptr) return DDERR_INVALIDPARAMS;
    if (s->lost) return DDERR_SURFACELOST;
    if (s->locks > 0) return DDERR_SURFACEBUSY;
    const RECT sr = sourceRect != nullptr ? *sourceRect : Whole(*s);
    if (!Inside(sr, *s)) return DDERR_INVALIDRECT;
    const bool keyed = (flags & DDBLT_KEYSRC) && s->hasKey;
    if (dr.right - dr.left == sr.right - sr.left && dr.bottom - dr.top == sr.bottom - sr.top) {
        CopyRect(*d, dr.left, dr.top, *s, sr, keyed);
    } else {
        StretchRect(*d, dr, *s, sr, keyed);
    }
    Written(*d);
    ShowIfPrimary(*d);
    return DD_OK;
}

HRESULT DirectDrawSurface::BltFast(DWORD x, DWORD y, DirectDrawSurface* source, const RECT* sourceRect,
                                   DWORD flags) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    SurfaceData* s = Data(source);
    if (s == nullptr) return DDERR_INVALIDPARAMS;
    if (d->lost || s->lost) return DDERR_SURFACELOST;
    if (d->locks > 0 || s->locks > 0) return DDERR_SURFACEBUSY;
    const RECT sr = sourceRect != nullptr ? *sourceRect : Whole(*s);
    if (!Inside(sr, *s)) return DDERR_INVALIDRECT;
    const long long w = sr.right - sr.left, h = sr.bottom - sr.top;
    if (x > static_cast<DWORD>(d->width) || y > static_cast<DWORD>(d->height) || x + w > d->width ||
        y + h > d->height)
        return DDERR_INVALIDRECT;
    CopyRect(*d, static_cast<int>(x), static_cast<int>(y), *s, sr,
             (flags & DDBLTFAST_SRCCOLORKEY) && s->hasKey);
    Written(*d);
    ShowIfPrimary(*d);
    return DD_OK;
}

HRESULT DirectDrawSurface::Lock(const RECT* rect, DDSURFACEDESC* desc, DWORD flags, HANDLE) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (desc == nullptr) return DDERR_INVALIDPARAMS;
    if (d->lost) return DDERR_SURFACELOST;
    if (d->dc != nullptr) return DDERR_SURFACEBUSY;
    const RECT r = rect != nullptr ? *rect : Whole(*d);
    if (!Inside(r, *d)) return DDERR_INVALIDRECT;
    Describe(*d, desc);
    desc->lpSurface = d->pixels.data() + static_cast<std::size_t>(r.top) * d->pitch + r.left;
    ++d->locks;
    if (!(flags & DDLOCK_READONLY)) Written(*d);
    return DD_OK;
}

HRESULT DirectDrawSurface::Unlock(void*) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (d->locks == 0) return DDERR_NOTLOCKED;
    --d->locks;
    return DD_OK;
}

HRESULT DirectDrawSurface::GetDC(HDC* dc) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (dc == nullptr) return DDERR_INVALIDPARAMS;
    *dc = nullptr;
    if (d->lost) return DDERR_SURFACELOST;
    if (d->dc != nullptr) return DDERR_DCALREADYCREATED;
    if (d->locks > 0) return DDERR_SURFACEBUSY;
    HDC made = platform_common::NewDeviceContext(DeviceContext::kSurface);
    if (made == nullptr) return DDERR_OUTOFMEMORY;
    made->surface = this;
    d->dc = made;
    Written(*d);
    *dc = made;
    return DD_OK;
}

HRESULT DirectDrawSurface::ReleaseDC(HDC dc) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (dc == nullptr || dc != d->dc) return DDERR_INVALIDPARAMS;
    platform_common::FreeDeviceContext(dc);
    d->dc = nullptr;
    Written(*d);
    ShowIfPrimary(*d);
    return DD_OK;
}

HRESULT DirectDrawSurface::SetColorKey(DWORD flags, const DDCOLORKEY* key) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (!(flags & DDCKEY_SRCBLT)) return DDERR_INVALIDPARAMS;
    Written(*d);
    d->hasKey = key != nullptr;
    if (key != nullptr) {
        d->keyLow = key->dwColorSpaceLowValue;
        d->keyHigh = key->dwColorSpaceHighValue;
    }
    return DD_OK;
}

HRESULT DirectDrawSurface::GetPixelFormat(DDPIXELFORMAT* format) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (format == nullptr) return DDERR_INVALIDPARAMS;
    *format = PixelFormat(*d);
    return DD_OK;
}

HRESULT DirectDrawSurface::GetSurfaceDesc(DDSURFACEDESC* desc) {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    if (desc == nullptr) return DDERR_INVALIDPARAMS;
    Describe(*d, desc);
    return DD_OK;
}

HRESULT DirectDrawSurface::SetClipper(DirectDrawClipper*) {
    return Data(this) == nullptr ? DDERR_INVALIDOBJECT : DD_OK;
}

HRESULT DirectDrawSurface::IsLost() {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    return d->lost ? DDERR_SURFACELOST : DD_OK;
}

HRESULT DirectDrawSurface::Restore() {
    SurfaceData* d = Data(this);
    if (d == nullptr) return DDERR_INVALIDOBJECT;
    d->lost = false;
    Written(*d);
    return DD_OK;
}

ULONG DirectDrawSurface::Release() {
    SurfaceData* d = Data(this);
    if (d == nullptr) return 0;
    if (d->dc != nullptr) platform_common::FreeDeviceContext(d->dc);
    *d = SurfaceData{};
    return 0;
}

namespace platform_common {

// Every live surface is lost; what it held is gone.
void LoseEverySurface() {
    for (SurfaceData& d : St().surfaces) {
        if (!d.used) continue;
        d.lost = true;
        Written(d);
        std::fill(d.pixels.begin(), d.pixels.end(), kLostPattern);
    }
}

}  // namespace platform_common
