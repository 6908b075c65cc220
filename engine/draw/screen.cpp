#include <bit>

#include "engine/draw/draw_state.h"
#include "engine/elFont.h"
#include "engine/elInput.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "platform/window.h"

constinit ScreenTransition Transition = {};
constinit ClipRectangle ClipWindow = {};

namespace elDraw {

constinit DrawState State = {};

namespace {

constexpr const char* kWhere = "elDraw::Screen";
constexpr int kScreenDepth = 16;
constexpr DWORD kFullScreenLevel = DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT | DDSCL_EXCLUSIVE;
constexpr DWORD kWantedSurfaceCaps = 0x1000;
constexpr DWORD kInternalCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
constexpr int kFiveBitMax = 31;
constexpr int kSixBitMax = 63;

int Fail(const char* what) {
    return elSystem::ErrorBox(kWhere, what);
}

// Types 1 and 3 leave memory to the driver; every other type asks for system memory.
DWORD MemoryBit(int type) {
    return type == 1 || type == 3 ? 0 : DDSCAPS_SYSTEMMEMORY;
}

LPDIRECTDRAWSURFACE MakeSurface(DWORD caps, int width, int height, bool sized) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | (sized ? DDSD_WIDTH | DDSD_HEIGHT : 0);
    desc.ddsCaps.dwCaps = caps;
    desc.dwWidth = static_cast<DWORD>(width);
    desc.dwHeight = static_cast<DWORD>(height);
    LPDIRECTDRAWSURFACE surface = nullptr;
    if (State.ddraw->CreateSurface(&desc, &surface, nullptr) != DD_OK) return nullptr;
    return surface;
}

bool MakeInternalSlot(int slot, DWORD caps, const char* name) {
    DrawObjectRecord& o = DrawObject[slot];
    o = DrawObjectRecord{};
    o.surface = MakeSurface(caps, State.width, State.height, true);
    if (o.surface == nullptr) return false;
    SetSurfaceColorKey(o.surface, RGB(0, 0, 0));
    o.reloadMode = kReloadMode;
    o.colorKey = 0;
    o.width = static_cast<std::uint16_t>(State.width);
    o.height = static_cast<std::uint16_t>(State.height);
    elSystem::FormatBounded(o.name, sizeof o.name, "%s", name);
    return true;
}

// A channel of the back buffer's format; false for a mask the tables cannot serve.
bool ReadChannel(DWORD mask, ChannelFormat* c) {
    if (mask == 0) return false;
    c->mask = mask;
    c->shift = std::countr_zero(mask);
    c->max = static_cast<int>(mask >> c->shift);
    if (c->max != kFiveBitMax && c->max != kSixBitMax) return false;
    c->packShift = c->max == kSixBitMax ? c->shift + 1 : c->shift;
    return true;
}

}  // namespace

BOOL EnumDeviceCallback(GUID* guid, char*, char*, void*) {
    LPDIRECTDRAW device = nullptr;
    if (DirectDrawCreate(guid, &device, nullptr) != DD_OK || device == nullptr) return DDENUMRET_OK;
    DDCAPS driver{}, emulation{};
    driver.dwSize = emulation.dwSize = sizeof(DDCAPS);
    device->GetCaps(&driver, &emulation);
    if ((driver.dwCaps & DDCAPS_3D) && (driver.ddsCaps.dwCaps & kWantedSurfaceCaps)) {
        State.ddraw = device;
        State.fromEnumeration = 1;
        return DDENUMRET_CANCEL;
    }
    device->Release();
    return DDENUMRET_OK;
}

int GetScreenBitDepth() {
    HDC dc = ::GetDC(elSystem::State.mainWindow);
    int bits = GetDeviceCaps(dc, BITSPIXEL);
    ::ReleaseDC(elSystem::State.mainWindow, dc);
    return bits;
}

int Screen(int width, int height, int type) {
    State.ddraw = nullptr;
    State.primary = nullptr;
    State.backBuffer = nullptr;
    State.clipper = nullptr;
    elSystem::State.errorFlag = 0;
    if (width != -1) {
        State.width = width;
        State.height = height;
    }
    elSystem::State.screenWidth = State.width;
    elSystem::State.screenHeight = State.height;
    SetClipRect(0, 0, State.width, State.height);
    if (State.displayDepth == 0) State.displayDepth = kScreenDepth;

    State.fromEnumeration = 0;
    DirectDrawEnumerateA(EnumDeviceCallback, nullptr);
    if (State.ddraw == nullptr &&
        (DirectDrawCreate(nullptr, &State.ddraw, nullptr) != DD_OK || State.ddraw == nullptr)) {
        State.ddraw = nullptr;
        return Fail("DirectDrawが使用できません");
    }

    HWND window = elSystem::State.mainWindow;
    if (State.ddraw->SetCooperativeLevel(window, FullScreen ? kFullScreenLevel : DDSCL_NORMAL) != DD_OK)
        return Fail("フルスクリーン化できません");

    if (FullScreen) {
        bool set = State.ddraw->SetDisplayMode(State.width, State.height, State.displayDepth) == DD_OK;
        for (int i = 0; i < 2 && !set; ++i) {
            const int depth = State.alternativeDepths[i];
            if (depth != 0) set = State.ddraw->SetDisplayMode(State.width, State.height, depth) == DD_OK;
        }
        if (!set) return Fail("解像度が変更できません");
    } else {
        State.displayDepth = GetScreenBitDepth();
    }

    const DWORD memory = MemoryBit(type);
    State.primary = MakeSurface(DDSCAPS_PRIMARYSURFACE | memory, 0, 0, false);
    if (State.primary == nullptr) return Fail("表画面が生成できません");
    State.backBuffer = MakeSurface(DDSCAPS_OFFSCREENPLAIN | memory, State.width, State.height, true);
    if (State.backBuffer == nullptr) return Fail("裏画面が生成できません");

    if (!FullScreen) {
        if (State.ddraw->CreateClipper(0, &State.clipper, nullptr) != DD_OK) {
            State.clipper = nullptr;
            return Fail("クリップが生成できません");
        }
        if (State.clipper->SetHWnd(0, window) != DD_OK)
            return Fail("クリップにウィンドウハンドルを設定できません");
        if (State.primary->SetClipper(State.clipper) != DD_OK) return Fail("表画面をクリップできません");
    }

    const DWORD bufferCaps = type == 3 ? kInternalCaps : DDSCAPS_OFFSCREENPLAIN | memory;
    if (!MakeInternalSlot(kStretchSlot, bufferCaps, "内部用１"))
        return Fail("Bufferスプライトが生成できません");
    if (!MakeInternalSlot(kTransitionSlot, bufferCaps, "内部用２"))
        return Fail("Screenスプライトが生成できません");
    if (!MakeInternalSlot(kTextSlot, kInternalCaps, "内部用３"))
        return Fail("Fontスプライトが生成できません");
    if (!MakeInternalSlot(kTextBufferSlot, kInternalCaps, "内部用４"))
        return Fail("Fontバッファスプライトが生成できません");

    DDCAPS driver{}, emulation{};
    driver.dwSize = emulation.dwSize = sizeof(DDCAPS);
    State.ddraw->GetCaps(&driver, &emulation);
    State.hardwareStretch =
        ((State.fromEnumeration ? driver.dwCaps : emulation.dwCaps) & DDCAPS_BLTSTRETCH) ? 1 : 0;

    DDPIXELFORMAT format{};
    format.dwSize = sizeof format;
    if (State.backBuffer->GetPixelFormat(&format) != DD_OK || !ReadChannel(format.dwRBitMask, &State.red) ||
        !ReadChannel(format.dwGBitMask, &State.green) || !ReadChannel(format.dwBBitMask, &State.blue))
        return Fail("ピクセル情報が取得できません");
    State.halfMask = static_cast<std::uint16_t>(((State.red.max / 2) << State.red.shift) |
                                                ((State.green.max / 2) << State.green.shift) |
                                                ((State.blue.max / 2) << State.blue.shift));
    State.halfMask32 = (static_cast<std::uint32_t>(State.halfMask) << 16) | State.halfMask;

    BuildSineTable();
    // The tables serve the back buffer's pixels, so they follow its depth, not the window's.
    if (format.dwRGBBitCount == kScreenDepth) {
        BuildPixelTables();
    } else {
        ClearPixelTables();
    }

    for (int slot = kFirstGameSlot; slot < kDrawObjectCount; ++slot) {
        DrawObject[slot] = DrawObjectRecord{};
        DrawObject[slot].reloadMode = kReloadMode;
    }

    const POINT origin = elSystem::State.windowOrigin;
    State.presentDest = RECT{origin.x, origin.y, origin.x + State.width, origin.y + State.height};
    if (FullScreen) State.presentDest = RECT{0, 0, State.width, State.height};
    State.presentSource = RECT{0, 0, State.width, State.height};
    elSystem::State.windowRect = RECT{origin.x, origin.y, origin.x + State.width, origin.y + State.height};

    elSound::Init();
    elSound::ClearTable();
    elSound::InitMidiState();
    elSystem::Start();
    elFont::InitTable();
    elInput::ResetJoysticks();
    if (elSystem::State.clipFollowsWindow) elSystem::ClipCursorToWindow();
    return 1;
}

HDC GetBackBufferDC() {
    if (State.backBuffer == nullptr || State.textDC != nullptr) return State.textDC;
    if (State.backBuffer->GetDC(&State.textDC) != DD_OK) State.textDC = nullptr;
    return State.textDC;
}

void ReleaseBackBufferDC() {
    if (State.backBuffer != nullptr && State.textDC != nullptr) State.backBuffer->ReleaseDC(State.textDC);
    State.textDC = nullptr;
}

void FlipToGdiSurface() {
    if (State.ddraw != nullptr) State.ddraw->FlipToGDISurface();
}

}  // namespace elDraw
