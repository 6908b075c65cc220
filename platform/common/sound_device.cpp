#include "platform/common/sound_device.h"

#include <cstring>
#include <new>

namespace {

using platform_common::kMaxSoundBuffers;
using platform_common::SoundBufferRecord;

constexpr int kMaxChannels = 2;

constinit IDirectSound gDevice = {};
constinit IDirectSoundBuffer gBufferObjects[kMaxSoundBuffers] = {};
constinit SoundBufferRecord gRecords[kMaxSoundBuffers] = {};

std::mutex gAudioMutex;

bool ValidPcm(const WAVEFORMATEX& f) {
    if (f.wFormatTag != WAVE_FORMAT_PCM) return false;
    if (f.nChannels < 1 || f.nChannels > kMaxChannels) return false;
    if (f.wBitsPerSample != 8 && f.wBitsPerSample != 16) return false;
    if (f.nBlockAlign != f.nChannels * (f.wBitsPerSample / 8)) return false;
    return f.nSamplesPerSec >= DSBFREQUENCY_MIN && f.nSamplesPerSec <= DSBFREQUENCY_MAX;
}

void FreeRecord(int slot) {
    SoundBufferRecord& r = gRecords[slot];
    delete[] r.data;
    r = SoundBufferRecord{};
    gBufferObjects[slot].slot = -1;
}

// Looks a buffer up with the lock held; every method below starts here.
SoundBufferRecord* Find(const IDirectSoundBuffer* buffer) {
    return platform_common::BufferRecord(buffer);
}

DWORD BlockOf(const SoundBufferRecord& r) {
    return r.format.nBlockAlign == 0 ? 1 : r.format.nBlockAlign;
}

}  // namespace

namespace platform_common {

std::mutex& AudioMutex() {
    return gAudioMutex;
}

SoundBufferRecord* BufferRecord(const IDirectSoundBuffer* buffer) {
    if (buffer == nullptr) return nullptr;
    if (buffer < gBufferObjects || buffer >= gBufferObjects + kMaxSoundBuffers) return nullptr;
    int slot = static_cast<int>(buffer - gBufferObjects);
    if (buffer->slot != slot || !gRecords[slot].used) return nullptr;
    return &gRecords[slot];
}

SoundBufferRecord* RecordAt(int slot) {
    return slot >= 0 && slot < kMaxSoundBuffers ? &gRecords[slot] : nullptr;
}

void ResetSoundDevice() {
    bool wasOpen = gDevice.open != 0;
    {
        std::lock_guard<std::mutex> lock(gAudioMutex);
        for (int i = 0; i < kMaxSoundBuffers; ++i) FreeRecord(i);
        gDevice.open = 0;
    }
    if (wasOpen) backend::CloseSoundOutput();
}

}  // namespace platform_common

HRESULT DirectSoundCreate(const void*, LPDIRECTSOUND* out, void* outer) {
    if (out == nullptr) return DSERR_INVALIDPARAM;
    *out = nullptr;
    if (outer != nullptr) return DSERR_NOAGGREGATION;
    if (gDevice.open) return DSERR_ALLOCATED;
    if (!backend::OpenSoundOutput()) return DSERR_NODRIVER;
    gDevice.open = 1;
    *out = &gDevice;
    return DS_OK;
}

HRESULT IDirectSound::SetCooperativeLevel(HWND window, DWORD level) {
    if (!open) return DSERR_INVALIDCALL;
    if (window == nullptr || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) return DSERR_INVALIDPARAM;
    return backend::CooperativeLevelAllowed(level) ? DS_OK : DSERR_ALLOCATED;
}

HRESULT IDirectSound::CreateSoundBuffer(const DSBUFFERDESC* d, IDirectSoundBuffer** buffer, void* outer) {
    if (buffer == nullptr) return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (!open) return DSERR_INVALIDCALL;
    if (outer != nullptr) return DSERR_NOAGGREGATION;
    if (d == nullptr || d->dwSize != sizeof(DSBUFFERDESC)) return DSERR_INVALIDPARAM;
    bool primary = (d->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
    WAVEFORMATEX format{};
    if (primary) {
        if (d->dwBufferBytes != 0 || d->lpwfxFormat != nullptr) return DSERR_INVALIDPARAM;
        // The primary buffer is the output itself: it holds no data of its own.
        format = WAVEFORMATEX{WAVE_FORMAT_PCM, 2, 22050, 22050 * 4, 4, 16, 0};
    } else {
        if (d->lpwfxFormat == nullptr || !ValidPcm(*d->lpwfxFormat)) return DSERR_INVALIDPARAM;
        if (d->dwBufferBytes < DSBSIZE_MIN || d->dwBufferBytes > DSBSIZE_MAX) return DSERR_INVALIDPARAM;
        if (!backend::SecondaryBufferAllowed()) return DSERR_OUTOFMEMORY;
        format = *d->lpwfxFormat;
        format.cbSize = 0;
    }
    std::lock_guard<std::mutex> lock(gAudioMutex);
    for (int i = 0; i < platform_common::kMaxSoundBuffers; ++i) {
        SoundBufferRecord& r = gRecords[i];
        if (r.used) continue;
        if (primary) {
            for (const SoundBufferRecord& other : gRecords) {
                if (other.used && other.primary) return DSERR_ALLOCATED;
            }
        } else {
            r.data = new (std::nothrow) unsigned char[d->dwBufferBytes];
            if (r.data == nullptr) return DSERR_OUTOFMEMORY;
            // Silence: 8-bit samples are unsigned, centred on 128.
            std::memset(r.data, format.wBitsPerSample == 8 ? 0x80 : 0, d->dwBufferBytes);
        }
        r.used = true;
        r.primary = primary;
        r.flags = d->dwFlags;
        r.format = format;
        r.bytes = primary ? 0 : d->dwBufferBytes;
        r.frequency = format.nSamplesPerSec;
        gBufferObjects[i].slot = i;
        *buffer = &gBufferObjects[i];
        backend::NoteSoundCall(backend::SoundCall::Create, *buffer, static_cast<long>(r.bytes));
        return DS_OK;
    }
    return DSERR_OUTOFMEMORY;
}

ULONG IDirectSound::Release() {
    if (!open) return 0;
    platform_common::ResetSoundDevice();
    return 0;
}

HRESULT IDirectSoundBuffer::Lock(DWORD offset, DWORD bytes, void** part1, DWORD* bytes1, void** part2,
                                 DWORD* bytes2, DWORD flags) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || r->primary || part1 == nullptr || bytes1 == nullptr) return DSERR_INVALIDPARAM;
    if (r->locked) return DSERR_INVALIDCALL;
    if (flags & DSBLOCK_FROMWRITECURSOR) offset = static_cast<DWORD>(r->frame) * BlockOf(*r) % r->bytes;
    if (flags & DSBLOCK_ENTIREBUFFER) bytes = r->bytes;
    if (offset >= r->bytes || bytes == 0 || bytes > r->bytes) return DSERR_INVALIDPARAM;
    // A range that runs past the end continues at the start of the buffer, as the second part.
    DWORD first = bytes <= r->bytes - offset ? bytes : r->bytes - offset;
    DWORD second = bytes - first;
    if (second > 0 && (part2 == nullptr || bytes2 == nullptr)) return DSERR_INVALIDPARAM;
    *part1 = r->data + offset;
    *bytes1 = first;
    if (part2 != nullptr) *part2 = second > 0 ? r->data : nullptr;
    if (bytes2 != nullptr) *bytes2 = second;
    r->locked = true;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Unlock(void* part1, DWORD bytes1, void* part2, DWORD bytes2) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || !r->locked) return DSERR_INVALIDCALL;
    auto* p1 = static_cast<unsigned char*>(part1);
    if (p1 < r->data || p1 > r->data + r->bytes || bytes1 > static_cast<DWORD>(r->data + r->bytes - p1))
        return DSERR_INVALIDPARAM;
    if (bytes2 > 0 && (part2 != r->data || bytes2 > r->bytes)) return DSERR_INVALIDPARAM;
    r->locked = false;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Play(DWORD reserved, DWORD, DWORD flags) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || reserved != 0) return DSERR_INVALIDPARAM;
    r->playing = true;
    r->looping = (flags & DSBPLAY_LOOPING) != 0;
    backend::NoteSoundCall(backend::SoundCall::Play, this, static_cast<long>(flags));
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Stop() {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr) return DSERR_INVALIDPARAM;
    r->playing = false;
    backend::NoteSoundCall(backend::SoundCall::Stop, this, 0);
    return DS_OK;
}

HRESULT IDirectSoundBuffer::SetCurrentPosition(DWORD position) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || r->primary || position >= r->bytes) return DSERR_INVALIDPARAM;
    r->frame = static_cast<double>(position / BlockOf(*r));
    backend::NoteSoundCall(backend::SoundCall::SetPosition, this, static_cast<long>(position));
    return DS_OK;
}

HRESULT IDirectSoundBuffer::GetCurrentPosition(DWORD* play, DWORD* write) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr) return DSERR_INVALIDPARAM;
    DWORD at = r->primary ? 0 : static_cast<DWORD>(r->frame) * BlockOf(*r);
    if (play != nullptr) *play = at;
    if (write != nullptr) *write = at;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::GetFrequency(DWORD* frequency) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || frequency == nullptr) return DSERR_INVALIDPARAM;
    if (!(r->flags & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
    *frequency = r->frequency;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::SetFrequency(DWORD frequency) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr) return DSERR_INVALIDPARAM;
    if (!(r->flags & DSBCAPS_CTRLFREQUENCY) || r->primary) return DSERR_CONTROLUNAVAIL;
    if (frequency == DSBFREQUENCY_ORIGINAL) frequency = r->format.nSamplesPerSec;
    if (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX) return DSERR_INVALIDPARAM;
    r->frequency = frequency;
    backend::NoteSoundCall(backend::SoundCall::SetFrequency, this, static_cast<long>(frequency));
    return DS_OK;
}

HRESULT IDirectSoundBuffer::GetPan(LONG* pan) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || pan == nullptr) return DSERR_INVALIDPARAM;
    if (!(r->flags & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
    *pan = r->pan;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::SetPan(LONG pan) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr) return DSERR_INVALIDPARAM;
    if (!(r->flags & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
    if (pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) return DSERR_INVALIDPARAM;
    r->pan = pan;
    backend::NoteSoundCall(backend::SoundCall::SetPan, this, pan);
    return DS_OK;
}

HRESULT IDirectSoundBuffer::GetVolume(LONG* volume) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || volume == nullptr) return DSERR_INVALIDPARAM;
    if (!(r->flags & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
    *volume = r->volume;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::SetVolume(LONG volume) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr) return DSERR_INVALIDPARAM;
    if (!(r->flags & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return DSERR_INVALIDPARAM;
    r->volume = volume;
    backend::NoteSoundCall(backend::SoundCall::SetVolume, this, volume);
    return DS_OK;
}

HRESULT IDirectSoundBuffer::GetStatus(DWORD* status) {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr || status == nullptr) return DSERR_INVALIDPARAM;
    *status = (r->playing ? DSBSTATUS_PLAYING : 0) | (r->playing && r->looping ? DSBSTATUS_LOOPING : 0);
    return DS_OK;
}

ULONG IDirectSoundBuffer::Release() {
    std::lock_guard<std::mutex> lock(gAudioMutex);
    SoundBufferRecord* r = Find(this);
    if (r == nullptr) return 0;
    backend::NoteSoundCall(backend::SoundCall::Release, this, 0);
    FreeRecord(slot);
    return 0;
}
