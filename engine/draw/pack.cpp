#include <cstdio>
#include <cstring>

#include "engine/draw/draw_state.h"
#include "engine/draw/pack_reader.h"
#include "engine/elSystem.h"

namespace elDraw {

namespace {
constexpr const char* kWhere = "elDraw::SwapPack";
constexpr int kCopyAttempts = 10;

void UpperCase(char* text) {
    for (; *text != '\0'; ++text) {
        if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
    }
}
}  // namespace

void SetPackFileName(const char* name) {
    elSystem::FormatBounded(State.packFileName, sizeof State.packFileName, "%s", name != nullptr ? name : "");
}

int SwapPack(const char* name, int slot, int mode) {
    if (name == nullptr) name = "";
    // The name is kept in the slot for reloading, so it must fit there.
    if (std::strlen(name) > static_cast<std::size_t>(kObjectNameMax))
        return elSystem::ErrorBox(kWhere, "ファイル名またはリソース名が長すぎます");
    char path[kFolderBufferSize];
    std::FILE* file = nullptr;
    if (State.packFileName[0] != '\0' && elSystem::BuildPath(path, sizeof path, State.packFileName))
        file = std::fopen(path, "rb");
    if (file == nullptr) return elSystem::ErrorBox(kWhere, "パックファイル名が指定されていません");

    char wanted[kObjectNameMax + 1];
    elSystem::FormatBounded(wanted, sizeof wanted, "%s", name);
    UpperCase(wanted);
    PackRecord record{};
    if (!FindPackRecord(file, wanted, &record)) {
        std::fclose(file);
        return elSystem::ErrorBox(kWhere, "BMPファイルを読み込めません");
    }

    if (slot >= 0 && slot < kDrawObjectCount) {
        DrawObjectRecord& old = DrawObject[slot];
        if (old.surface != nullptr) old.surface->Release();
        old.surface = nullptr;
        old.name[0] = '\0';
    }
    const int result = CreateObject(record.width, record.height, mode);
    if (result == 0) {
        std::fclose(file);
        return 0;
    }
    const int temporary = CreateObject(record.width, record.height, kReloadMode);
    if (temporary == 0) {
        std::fclose(file);
        FreeObject(result);
        return 0;
    }

    LPDIRECTDRAWSURFACE staging = DrawObject[temporary].surface;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    bool read = false;
    if (staging->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr) == DD_OK) {
        const PackShifts shifts{State.red.packShift, State.green.packShift, State.blue.packShift};
        read = ReadPackPixels(file, record, static_cast<std::uint16_t*>(desc.lpSurface),
                              desc.lPitch / static_cast<LONG>(sizeof(std::uint16_t)), shifts);
        staging->Unlock(nullptr);
    }
    std::fclose(file);
    if (!read) {
        FreeObject(temporary);
        FreeObject(result);
        return elSystem::ErrorBox(kWhere, "BMPファイルを読み込めません");
    }

    HRESULT copied = DDERR_GENERIC;
    for (int attempt = 0; attempt < kCopyAttempts && copied != DD_OK; ++attempt) {
        LPDIRECTDRAWSURFACE target = DrawObject[result].surface;
        LPDIRECTDRAWSURFACE source = DrawObject[temporary].surface;
        copied =
            target != nullptr ? target->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr) : DDERR_GENERIC;
        if (copied == DDERR_SURFACELOST) RestoreSurfaces();
    }
    FreeObject(temporary);
    if (copied != DD_OK) {
        FreeObject(result);
        return elSystem::ErrorBox(kWhere, "サーフェース間で展開できません");
    }

    DrawObjectRecord& o = DrawObject[result];
    if (State.keyFromPixel == 1) {
        SetSurfaceColorKey(o.surface, CLR_INVALID);
        o.colorKey = -1;
    } else {
        SetSurfaceColorKey(o.surface, State.defaultColorKey);
        o.colorKey = static_cast<int>(State.defaultColorKey);
    }
    elSystem::FormatBounded(o.name, sizeof o.name, "%s", wanted);
    o.fromPack = 1;
    o.reloadMode = kReloadMode;
    o.width = static_cast<std::uint16_t>(record.width);
    o.height = static_cast<std::uint16_t>(record.height);
    return result;
}

}  // namespace elDraw
