// The 800x600 program: its screen and every position that follows from it.
#pragma once

namespace build {
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;
inline constexpr int kScreenBits = 16;
inline constexpr const char* kBuildName = "800x600";
}  // namespace build
