#include <climits>
#include <string>
#include <vector>

#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/resources.h"
#include "support/audio_files.h"
#include "support/fresh_process.h"

namespace {

using K = headless::SoundCallKind;

class SoundObjectsTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        folder.BecomeProgramFolder();
        shot = MakeSineWave(11025, 0.05, 880, 0.5);
        folder.Write("SOUND/SHOT.WAV", shot);
        ASSERT_EQ(elSound::Init(), 1);
        elSound::ClearTable();
        headless::ClearSoundCalls();
    }
    void TearDown() override {
        for (const auto& r : registered) UnregisterResource(r.first, r.second.c_str());
    }

    void Register(const char* type, const std::string& name, const Bytes& bytes) {
        blobs.push_back(bytes);
        ASSERT_TRUE(RegisterResource(type, name.c_str(), blobs.back().data(), blobs.back().size()));
        registered.emplace_back(type, name);
    }

    // The buffers that Play reached, in order.
    std::vector<const IDirectSoundBuffer*> Played() {
        std::vector<const IDirectSoundBuffer*> out;
        for (const auto& c : headless::SoundCalls())
            if (c.kind == K::Play) out.push_back(c.buffer);
        return out;
    }

    std::string LastBox() {
        const auto& boxes = headless::MessageBoxes();
        return boxes.empty() ? "" : boxes.back().text;
    }

    ScratchFolder folder;
    Bytes shot;
    std::vector<Bytes> blobs;
    std::vector<std::pair<const char*, std::string>> registered;
};

TEST_F(SoundObjectsTest, CopiesArePlayedInTurnEachStoppedAndRewoundFirst) {
    int slot = elSound::LoadObject("SOUND/SHOT.WAV", 3);
    ASSERT_EQ(slot, 0);
    const SoundObject& o = SoundObjects[slot];
    EXPECT_EQ(o.used, 1);
    EXPECT_EQ(o.copies, 3);
    EXPECT_STREQ(o.name, "SOUND/SHOT.WAV");
    EXPECT_EQ(o.frequency[2], 11025u);
    EXPECT_EQ(o.defaultRate, 11025u);
    headless::ClearSoundCalls();

    EXPECT_EQ(elSound::Play(slot, -1), 1);
    EXPECT_EQ(elSound::Play(slot, -1), 2);
    EXPECT_EQ(elSound::Play(slot, -1), 0);
    EXPECT_EQ(elSound::Play(slot, -1), 1);
    std::vector<const IDirectSoundBuffer*> expected = {o.buffers[0], o.buffers[1], o.buffers[2],
                                                       o.buffers[0]};
    EXPECT_EQ(Played(), expected);
    // Every play is stop, rewind, play once.
    const auto& calls = headless::SoundCalls();
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[9].kind, K::Stop);
    EXPECT_EQ(calls[10].kind, K::SetPosition);
    EXPECT_EQ(calls[10].value, 0);
    EXPECT_EQ(calls[11].value, 0);  // not looping

    // A named copy plays without moving the turn.
    headless::ClearSoundCalls();
    EXPECT_EQ(elSound::Play(slot, 2), 1);
    EXPECT_EQ(Played(), std::vector<const IDirectSoundBuffer*>{o.buffers[2]});
    EXPECT_EQ(o.current, 1);
    EXPECT_EQ(elSound::Play(slot, 3), 0);   // no such copy
    EXPECT_EQ(elSound::Play(slot, -2), 0);  // left out
    EXPECT_EQ(Played().size(), 1u);
}

TEST_F(SoundObjectsTest, MixCountsAreTestedBeforeTheirMagnitudeIsTaken) {
    int slot = elSound::LoadObject("SOUND/SHOT.WAV", -4);
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(SoundObjects[slot].copies, 4);
    EXPECT_EQ(headless::LiveSoundBuffers(), 1 + 4);  // with the primary buffer
    for (int mix : {11, -11, INT_MIN, INT_MAX}) {
        EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", mix), -1) << mix;
        EXPECT_EQ(LastBox(), "elSound::LoadObject : ミックス数が多過ぎます");
    }
    EXPECT_EQ(headless::LiveSoundBuffers(), 5);
    EXPECT_EQ(SoundObjects[1].used, 0);
    EXPECT_EQ(elSystem::State.errorFlag, 1);
    EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 10), 1);
}

TEST_F(SoundObjectsTest, MixZeroTakesASlotWithNothingToPlay) {
    int slot = elSound::LoadObject("SOUND/SHOT.WAV", 0);
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(SoundObjects[slot].used, 1);
    EXPECT_EQ(SoundObjects[slot].copies, 0);
    EXPECT_EQ(headless::LiveSoundBuffers(), 1);
    EXPECT_EQ(elSound::Play(slot, -1), 0);
    EXPECT_EQ(elSound::Play(slot, 0), 0);
    EXPECT_EQ(elSound::ResetVolume(slot, -1), 1);  // every copy: none
    EXPECT_TRUE(Played().empty());
}

TEST_F(SoundObjectsTest, AMissingFileIsTakenFromAWaveResourceThenFromRawData) {
    Bytes bom = MakeSineWave(22050, 0.02, 220, 0.5);
    Register("WAVE", "SOUND/BOM.WAV", bom);
    int slot = elSound::LoadObject("SOUND/BOM.WAV", 1);
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(SoundObjects[slot].frequency[0], 22050u);
    ASSERT_FALSE(headless::SoundCalls().empty());
    EXPECT_EQ(headless::SoundCalls()[0].kind, K::Create);
    EXPECT_EQ(headless::SoundCalls()[0].value, static_cast<long>(bom.size() - 44));
    EXPECT_TRUE(headless::MessageBoxes().empty());

    // Raw data: a data size larger than the resource holds is cut to what it holds.
    Bytes raw = MakeSineWave(8000, 0.01, 440, 0.5);
    PutLE32(raw, 40, 1000000);
    Register(RT_RCDATA_TYPE, "RAW.WAV", raw);
    headless::ClearSoundCalls();
    ASSERT_EQ(elSound::LoadObject("RAW.WAV", 1), 1);
    EXPECT_EQ(headless::SoundCalls()[0].value, static_cast<long>(raw.size() - 44));

    // A file beats the resources.
    Register("WAVE", "SOUND/SHOT.WAV", bom);
    ASSERT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), 2);
    EXPECT_EQ(SoundObjects[2].frequency[0], 11025u);
}

TEST_F(SoundObjectsTest, NothingToReadGivesMinusOneAndPlaysOfItDoNothing) {
    Register("WAVE", "SHORT.WAV", Bytes(43, 0));  // shorter than its header
    folder.Write("SOUND/CUT.WAV", Bytes(shot.begin(), shot.begin() + 60));
    const std::string tooLongForAPath(300, 'A');
    for (const std::string& name : {std::string("SOUND/NONE.WAV"), std::string("SHORT.WAV"),
                                    std::string("SOUND/CUT.WAV"), tooLongForAPath}) {
        EXPECT_EQ(elSound::LoadObject(name.c_str(), 1), -1) << name;
        EXPECT_EQ(LastBox(), "elSound::LoadObject : WAVEリソースが見つかりません");
    }
    EXPECT_EQ(elSound::LoadObject(nullptr, 1), -1);
    EXPECT_EQ(SoundObjects[0].used, 0);
    EXPECT_EQ(headless::LiveSoundBuffers(), 1);
    // The game keeps -1 as the sound's slot and plays it anyway.
    for (int slot : {-1, 0, 69, 70, INT_MIN}) {
        EXPECT_EQ(elSound::Play(slot, -1), 0);
        EXPECT_EQ(elSound::CenterPan(slot, -1), 0);
    }
    EXPECT_TRUE(headless::SoundCalls().empty());
}

TEST_F(SoundObjectsTest, ABufferThatCannotBeMadeReleasesTheCopiesBeforeIt) {
    headless::SetSecondaryBuffersAllowed(2);
    EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 3), -1);
    EXPECT_EQ(LastBox(), "elSound::LoadObject : サウンドバッファが生成できません");
    EXPECT_EQ(headless::LiveSoundBuffers(), 1);
    EXPECT_EQ(SoundObjects[0].used, 0);
    for (auto* b : SoundObjects[0].buffers) EXPECT_EQ(b, nullptr);

    // A format the device cannot play fails the same way.
    headless::SetSecondaryBuffersAllowed(-1);
    Bytes odd = shot;
    PutLE16(odd, 20, 2);
    folder.Write("SOUND/ODD.WAV", odd);
    EXPECT_EQ(elSound::LoadObject("SOUND/ODD.WAV", 1), -1);
    EXPECT_EQ(LastBox(), "elSound::LoadObject : サウンドバッファが生成できません");
    EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), 0);
}

TEST_F(SoundObjectsTest, ANameTooLongIsReportedAfterLoadingAndKeepsItsSlot) {
    std::string thirty = "SOUND/" + std::string(20, 'L') + ".WAV";
    std::string thirtyOne = "SOUND/" + std::string(21, 'L') + ".WAV";
    folder.Write(thirty, shot);
    folder.Write(thirtyOne, shot);
    ASSERT_EQ(elSound::LoadObject(thirty.c_str(), 1), 0);
    EXPECT_EQ(elSound::LoadObject(thirtyOne.c_str(), 2), -1);
    EXPECT_EQ(LastBox(), "elSound::LoadObject : ファイル名またはリソース名が長すぎます");
    EXPECT_EQ(SoundObjects[1].used, 1);
    EXPECT_EQ(SoundObjects[1].name[0], '\0');
    EXPECT_EQ(headless::LiveSoundBuffers(), 1 + 1 + 2);
    EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), 2);
}

TEST_F(SoundObjectsTest, SeventyLoadsFillTheTable) {
    for (int i = 0; i < kSoundSlots; ++i) ASSERT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), i);
    EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
    EXPECT_EQ(LastBox(), "elSound::LoadObject : オブジェクト数が多過ぎます");
}

TEST_F(SoundObjectsTest, ResetsReachOneCopyTheCurrentCopyOrEveryCopy) {
    int slot = elSound::LoadObject("SOUND/SHOT.WAV", 3);
    const SoundObject& o = SoundObjects[slot];
    elSound::Play(slot, -1);  // the turn moves to copy 1
    headless::ClearSoundCalls();
    EXPECT_EQ(elSound::ResetFrequency(slot, 2), 1);
    EXPECT_EQ(elSound::CenterPan(slot, -2), 1);
    EXPECT_EQ(elSound::ResetVolume(slot, -1), 1);
    EXPECT_EQ(elSound::ResetVolume(slot, 3), 0);
    const auto& c = headless::SoundCalls();
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[0].kind, K::SetFrequency);
    EXPECT_EQ(c[0].buffer, o.buffers[2]);
    EXPECT_EQ(c[0].value, 11025);
    EXPECT_EQ(c[1].kind, K::SetPan);
    EXPECT_EQ(c[1].buffer, o.buffers[1]);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c[2 + i].kind, K::SetVolume);
        EXPECT_EQ(c[2 + i].buffer, o.buffers[i]);
    }
}

TEST_F(SoundObjectsTest, WithoutADeviceEverySoundCallDoesNothing) {
    elSound::Release();
    headless::SetSoundDeviceAvailable(false);
    EXPECT_EQ(elSound::Init(), 0);
    EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
    EXPECT_EQ(elSound::Play(0, -1), 0);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(headless::LiveSoundBuffers(), 0);
}

TEST_F(SoundObjectsTest, InitFallsBackToTheNormalLevelAndReleaseFreesEverything) {
    elSound::Release();
    headless::SetPriorityLevelRefused(true);
    HWND window = reinterpret_cast<HWND>(&folder);  // any non-null handle
    elSystem::State.mainWindow = window;
    ASSERT_EQ(elSound::Init(), 1);
    EXPECT_EQ(headless::LastCooperativeLevel(), DSSCL_NORMAL);
    EXPECT_NE(elSound::Device.primary, nullptr);
    elSound::ClearTable();
    int slot = elSound::LoadObject("SOUND/SHOT.WAV", 2);
    elSound::Release();
    EXPECT_EQ(headless::LiveSoundBuffers(), 0);
    EXPECT_EQ(elSound::Device.device, nullptr);
    EXPECT_EQ(SoundObjects[slot].buffers[0], nullptr);
    headless::ClearSoundCalls();
    EXPECT_EQ(elSound::Play(slot, -1), 0);
    EXPECT_TRUE(headless::SoundCalls().empty());
    elSound::Release();  // twice is harmless
}

}  // namespace
