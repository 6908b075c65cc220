// Puts the headless platform, the engine and the game back as a newly started process has them.
#pragma once

#include <gtest/gtest.h>

void StartFreshProcess();

class FreshProcessTest : public ::testing::Test {
protected:
    void SetUp() override { StartFreshProcess(); }
};
