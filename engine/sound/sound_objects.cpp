// Sound objects: WAVE data loaded into numbered slots of static sound buffers, played in turn.
#include <cstring>
#include <new>

#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "platform/mmio.h"
#include "platform/resources.h"

constinit SoundObject SoundObjects[kSoundSlots] = {};

namespace elSound {

constinit DeviceState Device = {};

namespace {

constexpr const char* kLoadObject = "elSound::LoadObject";
constexpr const char* kResetStream = "elSound::ResetStream";
constexpr DWORD kBufferCaps = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
constexpr int kCurrentCopy = -1;
constexpr int kCurrentCopyReset = -2;
// A WAVE resource is a whole file in the canonical layout, read at fixed places.
constexpr std::size_t kResourceFormatAt = 20;
constexpr std::size_t kResourceDataSizeAt = 40;
constexpr std::size_t kResourceDataAt = 44;
constexpr std::size_t kPcmFormatBytes = 16;
constexpr const char* kWaveResourceType = "WAVE";

std::uint16_t Read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t Read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool Failed(HRESULT result) {
    return result < 0;
}

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kSoundSlots && SoundObjects[slot].used;
}

// Takes the WAVE data from a resource of this type. The data stay the resource's own: never freed.
bool ReadWaveResource(const char* type, const char* name, WAVEFORMATEX* format, const unsigned char** data,
                      DWORD* size) {
    ResourceBlob blob{};
    if (!FindResourceBlob(type, name, &blob) || blob.size < kResourceDataAt) return false;
    const unsigned char* f = blob.data + kResourceFormatAt;
    *format = WAVEFORMATEX{
        Read16(f), Read16(f + 2), Read32(f + 4), Read32(f + 8), Read16(f + 12), Read16(f + 14), 0};
    std::size_t held = blob.size - kResourceDataAt;
    std::size_t declared = Read32(blob.data + kResourceDataSizeAt);
    *data = blob.data + kResourceDataAt;
    *size = static_cast<DWORD>(declared < held ? declared : held);
    return true;
}

// Copies the data into both parts of the locked buffer.
void FillBuffer(LPDIRECTSOUNDBUFFER buffer, const unsigned char* data, DWORD size) {
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    if (Failed(buffer->Lock(0, size, &part1, &bytes1, &part2, &bytes2, 0))) return;
    if (bytes1 > size) bytes1 = size;
    std::memcpy(part1, data, bytes1);
    if (part2 != nullptr && bytes2 > 0 && bytes2 <= size - bytes1) std::memcpy(part2, data + bytes1, bytes2);
    buffer->Unlock(part1, bytes1, part2, bytes2);
}

void ReleaseCopies(SoundObject& o) {
    for (LPDIRECTSOUNDBUFFER& b : o.buffers) {
        if (b == nullptr) continue;
        b->Stop();
        b->Release();
        b = nullptr;
    }
}

void StartCopy(SoundObject& o, int copy) {
    LPDIRECTSOUNDBUFFER b = o.buffers[copy];
    if (b == nullptr) return;
    b->Stop();
    b->SetCurrentPosition(0);
    b->Play(0, 0, o.stream.streamed ? DSBPLAY_LOOPING : 0);
}

// Applies op to the copies the value names; 0 when it names none.
template <typename Op>
int ForCopies(int slot, int copy, Op op) {
    if (!Device.available || !ValidSlot(slot)) return 0;
    SoundObject& o = SoundObjects[slot];
    if (copy >= 0) {
        if (copy >= o.copies || o.buffers[copy] == nullptr) return 0;
        op(o, copy);
        return 1;
    }
    if (copy == kCurrentCopyReset) {
        if (o.current >= o.copies || o.buffers[o.current] == nullptr) return 0;
        op(o, o.current);
        return 1;
    }
    for (int c = 0; c < o.copies; ++c) {
        if (o.buffers[c] != nullptr) op(o, c);
    }
    return 1;
}

}  // namespace

int Init() {
    if (Device.device != nullptr) Release();
    Device = DeviceState{};
    if (Failed(DirectSoundCreate(nullptr, &Device.device, nullptr)) || Device.device == nullptr) {
        Device.device = nullptr;
        return 0;
    }
    HWND window = elSystem::State.mainWindow;
    if (Failed(Device.device->SetCooperativeLevel(window, DSSCL_PRIORITY)))
        Device.device->SetCooperativeLevel(window, DSSCL_NORMAL);
    DSBUFFERDESC desc{sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr};
    if (Failed(Device.device->CreateSoundBuffer(&desc, &Device.primary, nullptr))) Device.primary = nullptr;
    for (SoundObject& o : SoundObjects) {
        for (LPDIRECTSOUNDBUFFER& b : o.buffers) b = nullptr;
    }
    Device.available = 1;
    return 1;
}

void ClearTable() {
    for (SoundObject& o : SoundObjects) {
        o = SoundObject{};
        o.copies = 1;
    }
}

void FreeWaveBlock(void* block) {
    ::operator delete(block, std::nothrow);
}

int ReadWaveFile(const char* path, WAVEFORMATEX** format, unsigned char** data, DWORD* size) {
    if (format == nullptr || data == nullptr || size == nullptr) return 1;
    *format = nullptr;
    *data = nullptr;
    *size = 0;
    FileImage image{};
    if (!mmioReadFileImage(path, &image)) return 1;
    WaveLayout layout{};
    if (!ParseWaveImage(image.bytes, image.size, &layout)) {
        mmioFreeFileImage(&image);
        return 1;
    }
    // The format block holds the structure and, after it, the extra format bytes.
    void* formatBlock = ::operator new(sizeof(WAVEFORMATEX) + layout.extraBytes, std::nothrow);
    // A data block of at least one byte, so that an empty "data" chunk still has a block of its own.
    void* dataBlock = ::operator new(layout.dataBytes > 0 ? layout.dataBytes : 1, std::nothrow);
    if (formatBlock == nullptr || dataBlock == nullptr) {
        FreeWaveBlock(formatBlock);
        FreeWaveBlock(dataBlock);
        mmioFreeFileImage(&image);
        return 1;
    }
    std::memcpy(formatBlock, &layout.format, sizeof(WAVEFORMATEX));
    std::memcpy(static_cast<unsigned char*>(formatBlock) + sizeof(WAVEFORMATEX),
                image.bytes + layout.extraOffset, layout.extraBytes);
    std::memcpy(dataBlock, image.bytes + layout.dataOffset, layout.dataBytes);
    mmioFreeFileImage(&image);
    *format = static_cast<WAVEFORMATEX*>(formatBlock);
    *data = static_cast<unsigned char*>(dataBlock);
    *size = static_cast<DWORD>(layout.dataBytes);
    return 0;
}

int LoadObject(const char* name, int mix) {
    if (!Device.available || Device.device == nullptr) return -1;
    // The range is tested before the magnitude is taken, so that no value can overflow it.
    if (mix < -kSoundCopies || mix > kSoundCopies) {
        elSystem::ErrorBox(kLoadObject, "ミックス数が多過ぎます");
        return -1;
    }
    int copies = mix < 0 ? -mix : mix;
    int slot = 0;
    while (slot < kSoundSlots && SoundObjects[slot].used) ++slot;
    if (slot == kSoundSlots) {
        elSystem::ErrorBox(kLoadObject, "オブジェクト数が多過ぎます");
        return -1;
    }

    // The file first (a path that does not fit is a missing file), then the two resource types.
    WAVEFORMATEX* fileFormat = nullptr;
    unsigned char* fileData = nullptr;
    WAVEFORMATEX resourceFormat{};
    const WAVEFORMATEX* format = nullptr;
    const unsigned char* data = nullptr;
    DWORD size = 0;
    char path[kFolderBufferSize];
    if (elSystem::BuildPath(path, sizeof path, name) &&
        ReadWaveFile(path, &fileFormat, &fileData, &size) == 0) {
        format = fileFormat;
        data = fileData;
    } else if (ReadWaveResource(kWaveResourceType, name, &resourceFormat, &data, &size) ||
               ReadWaveResource(RT_RCDATA_TYPE, name, &resourceFormat, &data, &size)) {
        format = &resourceFormat;
    } else {
        elSystem::ErrorBox(kLoadObject, "WAVEリソースが見つかりません");
        return -1;
    }

    SoundObject& o = SoundObjects[slot];
    o.copies = copies;
    for (int c = 0; c < copies; ++c) {
        DSBUFFERDESC desc{sizeof(DSBUFFERDESC), kBufferCaps, size, 0, const_cast<WAVEFORMATEX*>(format)};
        if (Failed(Device.device->CreateSoundBuffer(&desc, &o.buffers[c], nullptr)) ||
            o.buffers[c] == nullptr) {
            // The copies made so far go with the failed load; the slot stays free.
            o.buffers[c] = nullptr;
            ReleaseCopies(o);
            o.copies = 1;
            FreeWaveBlock(fileFormat);
            FreeWaveBlock(fileData);
            elSystem::ErrorBox(kLoadObject, "サウンドバッファが生成できません");
            return -1;
        }
        FillBuffer(o.buffers[c], data, size);
        DWORD rate = 0;
        if (Failed(o.buffers[c]->GetFrequency(&rate))) rate = format->nSamplesPerSec;
        o.frequency[c] = rate;
        o.defaultRate = rate;
        o.pan[c] = 0;
        o.volume[c] = 0;
    }
    o.used = 1;
    o.current = 0;
    o.stream.streamed = 0;
    FreeWaveBlock(fileFormat);
    FreeWaveBlock(fileData);

    // The name is checked only now: a name too long leaves the slot in use with its buffers.
    if (name != nullptr && std::strlen(name) <= static_cast<std::size_t>(kSoundNameLength)) {
        std::memcpy(o.name, name, std::strlen(name) + 1);
        return slot;
    }
    elSystem::ErrorBox(kLoadObject, "ファイル名またはリソース名が長すぎます");
    return -1;
}

int Play(int slot, int copy) {
    if (!Device.available || !ValidSlot(slot)) return 0;
    SoundObject& o = SoundObjects[slot];
    if (copy == kCurrentCopy) {
        if (o.current < 0 || o.current >= o.copies) return 0;
        if (o.stream.streamed) ResetStream(slot);
        StartCopy(o, o.current);
        o.current += 1;
        if (o.current >= o.copies) o.current = 0;
        return o.current;
    }
    if (copy < 0 || copy >= o.copies) return 0;
    StartCopy(o, copy);
    return 1;
}

int ResetFrequency(int slot, int copy) {
    return ForCopies(slot, copy, [](SoundObject& o, int c) { o.buffers[c]->SetFrequency(o.frequency[c]); });
}

int CenterPan(int slot, int copy) {
    return ForCopies(slot, copy, [](SoundObject& o, int c) {
        o.pan[c] = DSBPAN_CENTER;
        o.buffers[c]->SetPan(DSBPAN_CENTER);
    });
}

int ResetVolume(int slot, int copy) {
    return ForCopies(slot, copy, [](SoundObject& o, int c) {
        o.volume[c] = DSBVOLUME_MAX;
        o.buffers[c]->SetVolume(DSBVOLUME_MAX);
    });
}

int ResetStream(int slot) {
    if (!Device.available || !ValidSlot(slot)) return 0;
    SoundObject& o = SoundObjects[slot];
    if (!o.stream.streamed || o.buffers[0] == nullptr) return 0;
    FileImage image{};
    if (!mmioReadFileImage(o.stream.file, &image))
        return elSystem::ErrorBox(kResetStream, "パックファイル名が指定されていません");
    if (o.stream.dataOffset > image.size || o.stream.dataSize > image.size - o.stream.dataOffset) {
        mmioFreeFileImage(&image);
        return elSystem::ErrorBox(kResetStream, "ストリーミング再生できません");
    }
    FillBuffer(o.buffers[0], image.bytes + o.stream.dataOffset, o.stream.dataSize);
    o.stream.readPosition = o.stream.dataOffset + o.stream.dataSize;
    mmioFreeFileImage(&image);
    return 1;
}

void Release() {
    for (SoundObject& o : SoundObjects) ReleaseCopies(o);
    if (Device.primary != nullptr) Device.primary->Release();
    Device.primary = nullptr;
    if (Device.device != nullptr) Device.device->Release();
    Device.device = nullptr;
    Device.available = 0;
}

}  // namespace elSound
