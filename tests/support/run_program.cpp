#include "support/run_program.h"

#include <gtest/gtest.h>

#include "platform/entry.h"
#include "platform/headless.h"

int RunProgram(const std::function<void(int poll)>& script, int limitPolls) {
    int polls = 0;
    bool overran = false;
    headless::SetIdleHook([&] {
        ++polls;
        if (polls > limitPolls) {
            if (!overran) headless::PressKey(VK_ESCAPE);
            overran = true;
            return;
        }
        script(polls);
    });
    static char commandLine[] = "";
    int result = WinMain(nullptr, nullptr, commandLine, SW_SHOWNORMAL);
    headless::SetIdleHook(nullptr);
    EXPECT_FALSE(overran) << "the program did not end within " << limitPolls << " polls";
    return result;
}
