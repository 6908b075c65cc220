// A fresh process with a window, a program folder of its own for picture files, and helpers to set
// and read pixels of engine pictures and of the back buffer.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "platform/bmp_builder.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "support/fresh_process.h"

class DrawTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv_draw_" + std::to_string(getpid()) + "_" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        headless::SetModuleFileName((folder_ / "game800").string());
        WNDCLASSA wc{};
        wc.lpfnWndProc = elSystem::WindowProc;
        wc.lpszClassName = "DEFAULT";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, "DEFAULT", "QUENDRAVOLT", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                  nullptr, nullptr);
        elSystem::State.mainWindow = window_;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static bool StartScreen(int width = 800, int height = 600) {
        return elDraw::Screen(width, height, 2) == 1;
    }

    void WriteFile(const std::string& name, const bmp_builder::Bytes& bytes) const {
        const std::filesystem::path path = folder_ / name;
        std::filesystem::create_directories(path.parent_path());
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    // A 24-bit picture of one colour (0x00RRGGBB).
    void WritePicture(const std::string& name, int width, int height, std::uint32_t rgb) const {
        WriteFile(name, bmp_builder::File24(width, height, std::vector<std::uint32_t>(width * height, rgb)));
    }

    static int Back(int x, int y) { return headless::SurfacePixel(elDraw::State.backBuffer, x, y); }
    static int Pixel(int slot, int x, int y) {
        return headless::SurfacePixel(DrawObject[slot].surface, x, y);
    }

    template <typename F>
    static void FillSurface(LPDIRECTDRAWSURFACE s, F value) {
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        auto* rows = static_cast<std::uint16_t*>(desc.lpSurface);
        for (DWORD y = 0; y < desc.dwHeight; ++y) {
            for (DWORD x = 0; x < desc.dwWidth; ++x)
                rows[y * (desc.lPitch / 2) + x] =
                    static_cast<std::uint16_t>(value(static_cast<int>(x), static_cast<int>(y)));
        }
        s->Unlock(nullptr);
    }
    static void FillBack(std::uint16_t v) {
        FillSurface(elDraw::State.backBuffer, [v](int, int) { return v; });
    }
    // A picture made in the engine and filled pixel by pixel.
    template <typename F>
    static int MakePicture(int width, int height, F value) {
        int slot = elDraw::CreateObject(width, height, 1);
        EXPECT_NE(slot, 0);
        if (slot != 0) FillSurface(DrawObject[slot].surface, value);
        return slot;
    }

    std::filesystem::path folder_;
    HWND window_ = nullptr;
};
