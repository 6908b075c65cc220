// Drawing one line of text into a 16-bit pixel buffer: what the device-context text calls need of a
// backend. The SDL backend renders real fonts; the headless one draws plain marks that tests can read.
#pragma once

#include <cstdint>

#include "platform/common/gdi_objects.h"
#include "platform/types.h"

namespace platform_text {

struct Target {
    std::uint16_t* pixels;
    int pitchPixels;  // pixels from one row to the next
    int width;
    int height;
    platform_common::PixelMasks masks;
};

struct Style {
    char face[32];
    int height;      // cell height in pixels (negative: character height)
    int escapement;  // tenths of a degree
    int weight;
    bool italic;
    bool underline;
    std::uint32_t textColor;        // 0x00BBGGRR
    std::uint32_t backgroundColor;  // 0x00BBGGRR
    bool opaque;
};

// A face the system has, and whether it holds Japanese characters.
struct FaceInfo {
    char face[32];
    bool japanese;
    bool symbol;
};

// A 0x00BBGGRR colour in the target's pixel format, and back.
std::uint16_t PackColor(const Target& target, std::uint32_t colorRef);
std::uint32_t UnpackColor(const Target& target, std::uint16_t pixel);

}  // namespace platform_text

namespace backend {
// Draws text (UTF-8) with its top-left corner at (x, y), clipped to the target. False when nothing
// could be drawn (no font at all).
bool DrawTextLine(const platform_text::Target& target, int x, int y, const char* text, int length,
                  const platform_text::Style& style);
// Calls visit for each installed face until it returns false; returns the number of faces visited.
int ListFaces(bool (*visit)(const platform_text::FaceInfo& face, void* context), void* context);
}  // namespace backend
