#include <cmath>
#include <cstring>
#include <vector>

#include "platform/common/sound_device.h"
#include "platform/dsound.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "support/fresh_process.h"

namespace {

class SoundDeviceTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        ASSERT_EQ(DirectSoundCreate(nullptr, &device, nullptr), DS_OK);
    }

    LPDIRECTSOUNDBUFFER MakeBuffer(DWORD bytes, WORD channels = 1, WORD bits = 16, DWORD rate = 22050) {
        WAVEFORMATEX f{WAVE_FORMAT_PCM,
                       channels,
                       rate,
                       rate * channels * bits / 8,
                       static_cast<WORD>(channels * bits / 8),
                       bits,
                       0};
        DSBUFFERDESC d{sizeof(DSBUFFERDESC),
                       DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME, bytes,
                       0, &f};
        LPDIRECTSOUNDBUFFER b = nullptr;
        EXPECT_EQ(device->CreateSoundBuffer(&d, &b, nullptr), DS_OK);
        return b;
    }

    void Fill16(LPDIRECTSOUNDBUFFER b, const std::vector<std::int16_t>& samples) {
        void* p1 = nullptr;
        void* p2 = nullptr;
        DWORD n1 = 0, n2 = 0;
        DWORD bytes = static_cast<DWORD>(samples.size() * 2);
        ASSERT_EQ(b->Lock(0, bytes, &p1, &n1, &p2, &n2, 0), DS_OK);
        std::memcpy(p1, samples.data(), n1);
        ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    }

    std::vector<float> Mix(std::size_t frames, int rate) {
        std::vector<float> out(frames * 2, 0.0f);
        std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
        platform_common::MixSoundBuffers(out.data(), frames, rate);
        return out;
    }

    LPDIRECTSOUND device = nullptr;
};

TEST_F(SoundDeviceTest, OneDeviceAtATimeAndNoneWhenTheOutputIsMissing) {
    LPDIRECTSOUND second = nullptr;
    EXPECT_EQ(DirectSoundCreate(nullptr, &second, nullptr), DSERR_ALLOCATED);
    EXPECT_EQ(second, nullptr);
    device->Release();
    headless::SetSoundDeviceAvailable(false);
    EXPECT_EQ(DirectSoundCreate(nullptr, &second, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(second, nullptr);
}

TEST_F(SoundDeviceTest, BufferDescriptionsAreChecked) {
    WAVEFORMATEX pcm{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    LPDIRECTSOUNDBUFFER b = nullptr;
    DSBUFFERDESC d{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, 0, 0, &pcm};
    EXPECT_EQ(device->CreateSoundBuffer(&d, &b, nullptr), DSERR_INVALIDPARAM);  // empty
    d.dwBufferBytes = 100;
    WAVEFORMATEX adpcm = pcm;
    adpcm.wFormatTag = 2;
    d.lpwfxFormat = &adpcm;
    EXPECT_EQ(device->CreateSoundBuffer(&d, &b, nullptr), DSERR_INVALIDPARAM);
    WAVEFORMATEX badAlign = pcm;
    badAlign.nBlockAlign = 3;
    d.lpwfxFormat = &badAlign;
    EXPECT_EQ(device->CreateSoundBuffer(&d, &b, nullptr), DSERR_INVALIDPARAM);
    d.lpwfxFormat = nullptr;
    EXPECT_EQ(device->CreateSoundBuffer(&d, &b, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(b, nullptr);

    DSBUFFERDESC primary{sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr};
    ASSERT_EQ(device->CreateSoundBuffer(&primary, &b, nullptr), DS_OK);
    LPDIRECTSOUNDBUFFER another = nullptr;
    EXPECT_EQ(device->CreateSoundBuffer(&primary, &another, nullptr), DSERR_ALLOCATED);
    EXPECT_EQ(headless::LiveSoundBuffers(), 1);
}

TEST_F(SoundDeviceTest, LockHandsOutTwoPartsWhenTheRangeWraps) {
    LPDIRECTSOUNDBUFFER b = MakeBuffer(100);
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    ASSERT_EQ(b->Lock(80, 50, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 20u);
    EXPECT_EQ(n2, 30u);
    EXPECT_EQ(static_cast<unsigned char*>(p2) + 80, static_cast<unsigned char*>(p1));
    EXPECT_EQ(b->Lock(0, 10, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDCALL);  // already locked
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);

    ASSERT_EQ(b->Lock(0, 100, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 100u);
    EXPECT_EQ(n2, 0u);
    EXPECT_EQ(p2, nullptr);
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);

    EXPECT_EQ(b->Lock(0, 101, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(100, 1, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(90, 20, &p1, &n1, nullptr, nullptr, 0), DSERR_INVALIDPARAM);  // no room for part 2
}

TEST_F(SoundDeviceTest, ControlsKeepTheirDocumentedRangesAndAreRecorded) {
    LPDIRECTSOUNDBUFFER b = MakeBuffer(64, 1, 16, 11025);
    DWORD f = 0;
    ASSERT_EQ(b->GetFrequency(&f), DS_OK);
    EXPECT_EQ(f, 11025u);
    EXPECT_EQ(b->SetFrequency(44100), DS_OK);
    EXPECT_EQ(b->SetFrequency(DSBFREQUENCY_ORIGINAL), DS_OK);
    b->GetFrequency(&f);
    EXPECT_EQ(f, 11025u);
    EXPECT_EQ(b->SetFrequency(DSBFREQUENCY_MAX + 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetPan(DSBPAN_RIGHT + 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetVolume(DSBVOLUME_MIN - 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetPan(-2500), DS_OK);
    EXPECT_EQ(b->SetVolume(-600), DS_OK);
    EXPECT_EQ(b->SetCurrentPosition(64), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetCurrentPosition(33), DS_OK);
    DWORD play = 0;
    b->GetCurrentPosition(&play, nullptr);
    EXPECT_EQ(play, 32u);  // down to a whole frame
    EXPECT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    DWORD status = 0;
    b->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_EQ(b->Stop(), DS_OK);
    b->GetStatus(&status);
    EXPECT_EQ(status, 0u);

    using K = headless::SoundCallKind;
    std::vector<std::pair<K, long>> seen;
    for (const auto& c : headless::SoundCalls()) seen.emplace_back(c.kind, c.value);
    std::vector<std::pair<K, long>> expected = {
        {K::Create, 64},      {K::SetFrequency, 44100}, {K::SetFrequency, 11025},   {K::SetPan, -2500},
        {K::SetVolume, -600}, {K::SetPosition, 33},     {K::Play, DSBPLAY_LOOPING}, {K::Stop, 0}};
    EXPECT_EQ(seen, expected);

    // Controls the buffer was not made with are refused.
    WAVEFORMATEX pcm{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    DSBUFFERDESC d{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, 64, 0, &pcm};
    LPDIRECTSOUNDBUFFER plain = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(&d, &plain, nullptr), DS_OK);
    EXPECT_EQ(plain->GetFrequency(&f), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(plain->SetVolume(0), DSERR_CONTROLUNAVAIL);
}

TEST_F(SoundDeviceTest, ReleasedBuffersAndTheDeviceAreGoneForGood) {
    LPDIRECTSOUNDBUFFER a = MakeBuffer(16);
    MakeBuffer(16);
    EXPECT_EQ(headless::LiveSoundBuffers(), 2);
    a->Release();
    EXPECT_EQ(headless::LiveSoundBuffers(), 1);
    EXPECT_EQ(a->Play(0, 0, 0), DSERR_INVALIDPARAM);
    device->Release();
    EXPECT_EQ(headless::LiveSoundBuffers(), 0);
    LPDIRECTSOUND again = nullptr;
    EXPECT_EQ(DirectSoundCreate(nullptr, &again, nullptr), DS_OK);
}

TEST_F(SoundDeviceTest, GainsFollowHundredthsOfADecibel) {
    float l = 0, r = 0;
    platform_common::GainsOf(0, 0, &l, &r);
    EXPECT_FLOAT_EQ(l, 1.0f);
    EXPECT_FLOAT_EQ(r, 1.0f);
    platform_common::GainsOf(-2000, 0, &l, &r);  // -20 dB
    EXPECT_NEAR(l, 0.1f, 1e-6);
    EXPECT_NEAR(r, 0.1f, 1e-6);
    platform_common::GainsOf(0, 600, &l, &r);  // right: the left side loses 6 dB
    EXPECT_NEAR(l, 0.501f, 1e-3);
    EXPECT_FLOAT_EQ(r, 1.0f);
    platform_common::GainsOf(0, DSBPAN_LEFT, &l, &r);
    EXPECT_FLOAT_EQ(l, 1.0f);
    EXPECT_FLOAT_EQ(r, 0.0f);
    platform_common::GainsOf(DSBVOLUME_MIN, 0, &l, &r);
    EXPECT_FLOAT_EQ(l, 0.0f);
}

TEST_F(SoundDeviceTest, MixerResamplesAppliesGainsAndStopsAtTheEnd) {
    // Four frames at 11025 played at 22050: every source frame covers two output frames.
    LPDIRECTSOUNDBUFFER b = MakeBuffer(8, 1, 16, 11025);
    Fill16(b, {16384, 16384, -16384, -16384});
    b->Play(0, 0, 0);
    std::vector<float> out = Mix(10, 22050);
    EXPECT_NEAR(out[0], 0.5f, 1e-4);
    EXPECT_NEAR(out[1], 0.5f, 1e-4);      // mono reaches both sides
    EXPECT_NEAR(out[2 * 3], 0.0f, 1e-4);  // halfway between the second and third frames
    EXPECT_NEAR(out[2 * 6], -0.5f, 1e-4);
    EXPECT_FLOAT_EQ(out[2 * 8], 0.0f);  // ended: not looping
    DWORD status = 1;
    b->GetStatus(&status);
    EXPECT_EQ(status, 0u);

    // Panned fully left and at -20 dB, looping, and twice the rate.
    b->SetPan(DSBPAN_LEFT);
    b->SetVolume(-2000);
    b->SetFrequency(44100);
    b->SetCurrentPosition(0);
    b->Play(0, 0, DSBPLAY_LOOPING);
    out = Mix(8, 22050);
    EXPECT_NEAR(out[0], 0.05f, 1e-4);
    EXPECT_FLOAT_EQ(out[1], 0.0f);
    EXPECT_NEAR(out[2 * 1], -0.05f, 1e-4);
    EXPECT_NEAR(out[2 * 2], 0.05f, 1e-4);  // source frame 4 is frame 0 again
    b->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
}

TEST_F(SoundDeviceTest, EightBitSamplesAreCentredAndLockedBuffersAreSkipped) {
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 2, 22050, 44100, 2, 8, 0};
    DSBUFFERDESC d{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, 8, 0, &f};
    LPDIRECTSOUNDBUFFER b = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(&d, &b, nullptr), DS_OK);
    void* p1 = nullptr;
    DWORD n1 = 0;
    ASSERT_EQ(b->Lock(0, 8, &p1, &n1, nullptr, nullptr, 0), DS_OK);
    const unsigned char frames[8] = {192, 64, 192, 64, 192, 64, 192, 64};
    std::memcpy(p1, frames, 8);
    b->Play(0, 0, 0);
    EXPECT_FLOAT_EQ(Mix(1, 22050)[0], 0.0f);  // still locked: not heard
    ASSERT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);
    std::vector<float> out = Mix(2, 22050);
    EXPECT_NEAR(out[0], 0.5f, 1e-4);
    EXPECT_NEAR(out[1], -0.5f, 1e-4);
}

}  // namespace
