// The 640x480 program: its screen and every position that follows from it.
#pragma once

namespace build {
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr int kScreenBits = 16;
inline constexpr const char* kBuildName = "640x480";
}  // namespace build
