#include <cstring>

#include "engine/draw/draw_state.h"
#include "engine/elSystem.h"
#include "platform/window.h"

constinit DrawObjectRecord DrawObject[kDrawObjectCount] = {};

namespace elDraw {

namespace {

constexpr const char* kTooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* kTooMany = "オブジェクト数が多過ぎます";
constexpr const char* kNoBitmap = "BMPファイルを読み込めません";
constexpr const char* kCreatedName = "*";
constexpr int kMaxLockAttempts = 100;

bool NameTooLong(const char* name) {
    return std::strlen(name) > static_cast<std::size_t>(kObjectNameMax);
}

int FirstFreeSlot() {
    for (int slot = kFirstGameSlot; slot < kDrawObjectCount; ++slot) {
        if (DrawObject[slot].name[0] == '\0') return slot;
    }
    return 0;
}

void SetName(DrawObjectRecord& o, const char* name) {
    elSystem::FormatBounded(o.name, sizeof o.name, "%s", name);
}

LPDIRECTDRAWSURFACE MakePictureSurface(int width, int height, int mode) {
    if (State.ddraw == nullptr || width <= 0 || height <= 0) return nullptr;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = PictureCaps(mode);
    desc.dwWidth = static_cast<DWORD>(width);
    desc.dwHeight = static_cast<DWORD>(height);
    LPDIRECTDRAWSURFACE surface = nullptr;
    if (State.ddraw->CreateSurface(&desc, &surface, nullptr) != DD_OK) return nullptr;
    return surface;
}

void ReleaseSurface(DrawObjectRecord& o) {
    if (o.surface != nullptr) o.surface->Release();
    o.surface = nullptr;
}

void ApplyColorKey(DrawObjectRecord& o) {
    if (State.keyFromPixel == 1) {
        SetSurfaceColorKey(o.surface, CLR_INVALID);
        o.colorKey = -1;
    } else {
        SetSurfaceColorKey(o.surface, State.defaultColorKey);
        o.colorKey = static_cast<int>(State.defaultColorKey);
    }
}

// The picture from the program folder, else the program's bitmap resource of that name.
LPDIRECTDRAWSURFACE LoadPicture(const char* name, int mode, int* width, int* height) {
    char path[kFolderBufferSize];
    LPDIRECTDRAWSURFACE surface = nullptr;
    if (elSystem::BuildPath(path, sizeof path, name)) surface = LoadBitmapSurface(path, mode, width, height);
    if (surface != nullptr) return surface;
    HBITMAP bitmap = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (bitmap == nullptr) return nullptr;
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    surface = MakePictureSurface(bm.bmWidth, bm.bmHeight, mode);
    if (surface != nullptr) {
        CopyBitmapToSurface(surface, bitmap, 0, 0, 0, 0);
        *width = bm.bmWidth;
        *height = bm.bmHeight;
    }
    DeleteObject(bitmap);
    return surface;
}

// Loads `name` into the slot, which already carries the name. 0 after the error box.
int LoadIntoSlot(const char* where, int slot, const char* name, int mode) {
    DrawObjectRecord& o = DrawObject[slot];
    int width = 0, height = 0;
    o.surface = LoadPicture(name, mode, &width, &height);
    if (o.surface == nullptr) return elSystem::ErrorBox(where, kNoBitmap);
    o.width = static_cast<std::uint16_t>(width);
    o.height = static_cast<std::uint16_t>(height);
    ApplyColorKey(o);
    return 1;
}

}  // namespace

DWORD PictureCaps(int mode) {
    return mode == kReloadMode ? DDSCAPS_OFFSCREENPLAIN : DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
}

int LoadObject(const char* name, int mode) {
    constexpr const char* kWhere = "elDraw::LoadObject";
    if (name == nullptr) name = "";
    if (NameTooLong(name)) return elSystem::ErrorBox(kWhere, kTooLong);
    const int slot = FirstFreeSlot();
    if (slot == 0) return elSystem::ErrorBox(kWhere, kTooMany);
    DrawObjectRecord& o = DrawObject[slot];
    SetName(o, name);
    o.fromPack = 0;
    o.reloadMode = kReloadMode;
    // A failed load keeps the slot (with its name but no surface), so later slot numbers do not move.
    return LoadIntoSlot(kWhere, slot, name, mode) ? slot : 0;
}

LPDIRECTDRAWSURFACE LoadBitmapSurface(const char* path, int mode, int* width, int* height) {
    if (path == nullptr) return nullptr;
    HBITMAP bitmap = LoadImageA(GetModuleHandleA(nullptr), path, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (bitmap == nullptr)
        bitmap = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (bitmap == nullptr) return nullptr;
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    LPDIRECTDRAWSURFACE surface = MakePictureSurface(bm.bmWidth, bm.bmHeight, mode);
    if (surface != nullptr) {
        CopyBitmapToSurface(surface, bitmap, 0, 0, 0, 0);
        if (width != nullptr) *width = bm.bmWidth;
        if (height != nullptr) *height = bm.bmHeight;
    }
    DeleteObject(bitmap);
    return surface;
}

HRESULT CopyBitmapToSurface(LPDIRECTDRAWSURFACE surface, HBITMAP bitmap, int x, int y, int width,
                            int height) {
    if (surface == nullptr || bitmap == nullptr) return DDERR_INVALIDPARAMS;
    surface->Restore();
    HDC memory = CreateCompatibleDC(nullptr);
    SelectObject(memory, bitmap);
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    if (width == 0 || height == 0) {
        width = bm.bmWidth;
        height = bm.bmHeight;
    }
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    surface->GetSurfaceDesc(&desc);
    HDC dc = nullptr;
    HRESULT result = surface->GetDC(&dc);
    if (result == DD_OK) {
        StretchBlt(dc, 0, 0, static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight), memory, x, y,
                   width, height, SRCCOPY);
        surface->ReleaseDC(dc);
    }
    DeleteDC(memory);
    return result;
}

int CreateObject(int width, int height, int mode) {
    constexpr const char* kWhere = "elDraw::CreateObject";
    const int slot = FirstFreeSlot();
    if (slot == 0) return elSystem::ErrorBox(kWhere, kTooMany);
    DrawObjectRecord& o = DrawObject[slot];
    SetName(o, kCreatedName);
    o.fromPack = 0;
    o.reloadMode = kReloadMode;
    o.width = static_cast<std::uint16_t>(width);
    o.height = static_cast<std::uint16_t>(height);
    o.surface = MakePictureSurface(width, height, mode);
    if (o.surface == nullptr) return elSystem::ErrorBox(kWhere, "スプライトを作成できません");
    ApplyColorKey(o);
    return slot;
}

int SwapObject(const char* name, int slot, int mode) {
    constexpr const char* kWhere = "elDraw::SwapObject";
    if (name == nullptr) name = "";
    if (NameTooLong(name)) return elSystem::ErrorBox(kWhere, kTooLong);
    if (slot < 0 || slot >= kDrawObjectCount) return 0;
    DrawObjectRecord& o = DrawObject[slot];
    ReleaseSurface(o);
    // The name may be the slot's own.
    char copy[kObjectNameMax + 1];
    elSystem::FormatBounded(copy, sizeof copy, "%s", name);
    SetName(o, copy);
    o.fromPack = 0;
    o.reloadMode = kReloadMode;
    return LoadIntoSlot(kWhere, slot, copy, mode);
}

void FreeObject(int slot) {
    if (slot < 0 || slot >= kDrawObjectCount) return;
    DrawObjectRecord& o = DrawObject[slot];
    ReleaseSurface(o);
    o.name[0] = '\0';
    o.colorKey = 0;
    o.width = o.height = 0;
}

void SetDefaultColorKey(COLORREF colour) {
    State.defaultColorKey = colour;
    State.keyFromPixel = 0;
}

HRESULT SetSurfaceColorKey(LPDIRECTDRAWSURFACE surface, COLORREF colour) {
    if (surface == nullptr) return DDERR_INVALIDPARAMS;
    const DWORD value = MatchSurfaceColor(surface, colour);
    DDCOLORKEY key{value, value};
    return surface->SetColorKey(DDCKEY_SRCBLT, &key);
}

DWORD MatchSurfaceColor(LPDIRECTDRAWSURFACE surface, COLORREF colour) {
    if (surface == nullptr) return CLR_INVALID;
    COLORREF saved = 0;
    bool changed = false;
    HDC dc = nullptr;
    if (colour != CLR_INVALID && surface->GetDC(&dc) == DD_OK) {
        saved = GetPixel(dc, 0, 0);
        SetPixel(dc, 0, 0, colour);
        surface->ReleaseDC(dc);
        changed = true;
    }
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    HRESULT result = DDERR_WASSTILLDRAWING;
    for (int attempt = 0; attempt < kMaxLockAttempts && result == DDERR_WASSTILLDRAWING; ++attempt)
        result = surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    DWORD value = CLR_INVALID;
    if (result == DD_OK) {
        // Only the pixel's own bytes are read.
        const DWORD bits = desc.ddpfPixelFormat.dwRGBBitCount;
        std::size_t bytes = bits / 8;
        if (bytes == 0 || bytes > sizeof(DWORD)) bytes = sizeof(DWORD);
        if (desc.lPitch > 0 && bytes > static_cast<std::size_t>(desc.lPitch))
            bytes = static_cast<std::size_t>(desc.lPitch);
        value = 0;
        std::memcpy(&value, desc.lpSurface, bytes);
        if (bits < 32) value &= (DWORD{1} << bits) - 1;
        surface->Unlock(nullptr);
    }
    if (changed && surface->GetDC(&dc) == DD_OK) {
        SetPixel(dc, 0, 0, saved);
        surface->ReleaseDC(dc);
    }
    return value;
}

void RestoreSurfaces() {
    // A reload that meets a lost surface again must not start another pass.
    if (State.restoring) return;
    State.restoring = 1;
    if (State.primary != nullptr) State.primary->Restore();
    if (State.backBuffer != nullptr && State.backBuffer->IsLost() == DDERR_SURFACELOST)
        State.backBuffer->Restore();
    for (int slot = 0; slot < kInternalSlots; ++slot) {
        LPDIRECTDRAWSURFACE s = DrawObject[slot].surface;
        if (s != nullptr && s->IsLost() == DDERR_SURFACELOST) s->Restore();
    }
    for (int slot = kFirstGameSlot; slot < kDrawObjectCount; ++slot) {
        DrawObjectRecord& o = DrawObject[slot];
        if (o.name[0] == '\0' || o.surface == nullptr || o.surface->IsLost() != DDERR_SURFACELOST) continue;
        o.surface->Restore();
        if (std::strcmp(o.name, kCreatedName) == 0) continue;
        SetDefaultColorKey(static_cast<COLORREF>(o.colorKey));
        char name[kObjectNameMax + 1];
        elSystem::FormatBounded(name, sizeof name, "%s", o.name);
        if (o.fromPack == 1) {
            SwapPack(name, slot, o.reloadMode);
        } else {
            SwapObject(name, slot, o.reloadMode);
        }
    }
    State.restoring = 0;
}

void Release() {
    if (State.ddraw == nullptr) return;
    ReleaseBackBufferDC();
    for (DrawObjectRecord& o : DrawObject) {
        ReleaseSurface(o);
        o = DrawObjectRecord{};
        o.reloadMode = kReloadMode;
    }
    if (!FullScreen && State.clipper != nullptr) State.clipper->Release();
    State.clipper = nullptr;
    if (State.primary != nullptr) State.primary->Release();
    State.primary = nullptr;
    if (State.backBuffer != nullptr) State.backBuffer->Release();
    State.backBuffer = nullptr;
    if (FullScreen) {
        State.ddraw->RestoreDisplayMode();
        State.ddraw->SetCooperativeLevel(elSystem::State.mainWindow, DDSCL_NORMAL);
    }
    State.ddraw->Release();
    State.ddraw = nullptr;
    if (FullScreen) CloseWindow(elSystem::State.mainWindow);
}

}  // namespace elDraw
