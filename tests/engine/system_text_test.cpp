#include <cstring>
#include <string>

#include "engine/elSystem.h"
#include "platform/headless.h"
#include "support/fresh_process.h"

namespace {

using SystemTextTest = FreshProcessTest;

TEST_F(SystemTextTest, SetWaitAcceptsSlotsOneToTenAndReportsOthers) {
    EXPECT_EQ(elSystem::SetWait(1, 10), 1);
    EXPECT_EQ(elSystem::SetWait(10, 10), 1);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(elSystem::SetWait(0, 10), 0);
    EXPECT_EQ(elSystem::SetWait(11, 10), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 2u);
    const auto& box = headless::MessageBoxes()[0];
    EXPECT_EQ(box.text, "elSystem::SetWait : ウェイトNoが範囲外です");
    EXPECT_EQ(box.caption, "エラー発生");
    EXPECT_EQ(box.type, MB_SYSTEMMODAL | MB_ICONWARNING);
    EXPECT_EQ(headless::BeepCount(), 2);
    EXPECT_EQ(elSystem::State.errorFlag, 1);
}

TEST_F(SystemTextTest, ErrorBoxCutsALongTextToItsBuffer) {
    std::string where(400, 'x');
    EXPECT_EQ(elSystem::ErrorBox(where.c_str(), "y"), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, std::string(255, 'x'));
}

TEST_F(SystemTextTest, FormatTextTellsWhenItCut) {
    char buffer[kTextBufferSize + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_TRUE(elSystem::FormatText(buffer, "play %s", "midi"));
    EXPECT_STREQ(buffer, "play midi");
    std::string longText(300, 'z');
    EXPECT_FALSE(elSystem::FormatText(buffer, "%s", longText.c_str()));
    EXPECT_EQ(std::strlen(buffer), kTextBufferSize - 1);
    EXPECT_EQ(buffer[kTextBufferSize], '#');  // nothing written past the buffer
}

TEST_F(SystemTextTest, ProgramFolderEndsInTheSeparator) {
    headless::SetModuleFileName("/opt/games/qv/game800");
    EXPECT_STREQ(elSystem::GetProgramFolder(0), "/opt/games/qv/");
    char path[kFolderBufferSize];
    ASSERT_TRUE(elSystem::BuildPath(path, sizeof path, "IMAGE/ZAKU/SZAK1.BMP"));
    EXPECT_STREQ(path, "/opt/games/qv/IMAGE/ZAKU/SZAK1.BMP");
}

TEST_F(SystemTextTest, RealProgramFolderIsAnAbsoluteFolder) {
    const char* folder = elSystem::GetProgramFolder(0);
    ASSERT_GT(std::strlen(folder), 1u);
    EXPECT_EQ(folder[0], '/');
    EXPECT_EQ(folder[std::strlen(folder) - 1], '/');
}

TEST_F(SystemTextTest, PathsThatDoNotFitFailLikeMissingFiles) {
    // A program path longer than the folder buffer gives no folder at all.
    headless::SetModuleFileName("/" + std::string(300, 'd') + "/game800");
    EXPECT_STREQ(elSystem::GetProgramFolder(0), "");
    char path[kFolderBufferSize];
    EXPECT_FALSE(elSystem::BuildPath(path, sizeof path, "IMAGE/A.BMP"));
    EXPECT_STREQ(path, "");
    // A folder that fits, with a name that does not.
    headless::SetModuleFileName("/" + std::string(200, 'd') + "/game800");
    EXPECT_FALSE(elSystem::BuildPath(path, sizeof path, std::string(100, 'n').c_str()));
    EXPECT_STREQ(path, "");
    EXPECT_TRUE(elSystem::BuildPath(path, sizeof path, "SOUND/SHOT.WAV"));
}

TEST_F(SystemTextTest, LongTitleMakesABoundedMutexName) {
    std::string title(3000, 't');
    EXPECT_EQ(elSystem::CheckSingleInstance(title.c_str()), 1);
    EXPECT_EQ(std::strlen(elSystem::State.mutexName), kMutexNameSize - 1);
}

TEST_F(SystemTextTest, StartFillsTheWaitSlotsAndClipsTheCursorToTheScreen) {
    elSystem::State.keyCapture = 1;
    elSystem::State.sysKeyMode = 3;
    elSystem::Start();
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(WaitTable[i], kWaitIdle);
    EXPECT_EQ(elSystem::State.keyCapture, 0);
    EXPECT_EQ(elSystem::State.sysKeyMode, 0);
    EXPECT_EQ(elSystem::IsCursorClipped(), 1);
    elSystem::ReleaseCursorClip();
    EXPECT_EQ(elSystem::IsCursorClipped(), 0);
}

}  // namespace
