// The map view: a field of tiles drifting up and to the left under a tall picture of the play field's
// width, which the arrow keys scroll.
#include <algorithm>
#include <cmath>

#include "engine/draw/draw_state.h"
#include "engine/draw_position.h"
#include "engine/elSystem.h"

namespace elDraw {

namespace {

constexpr int kTileColumns = 11;
constexpr int kTileRows = 11;
constexpr int kTileWidth = 64;
constexpr int kTileHeight = 48;
// Pixels a second.
constexpr double kTileSpeed = 10.0;
constexpr double kLineSpeed = 100.0;  // Up, Down
constexpr double kPageSpeed = 300.0;  // Page Up, Page Down

// Slot 0 names no picture, and a slot without a surface has nothing to show.
bool HasPicture(int slot) {
    return slot != kStretchSlot && SlotSurface(slot) != nullptr;
}

// This frame's time; a reading that is no length of time moves nothing.
double FrameSeconds() {
    const double seconds = FrameTime;
    return std::isfinite(seconds) && seconds > 0.0 ? seconds : 0.0;
}

// How fast the key in the map view's key slot scrolls the picture; negative towards its top.
double KeySpeed(int key) {
    switch (key) {
        case VK_UP:
            return -kLineSpeed;
        case VK_DOWN:
            return kLineSpeed;
        case VK_PRIOR:
            return -kPageSpeed;
        case VK_NEXT:
            return kPageSpeed;
        default:
            return 0.0;
    }
}

void DrawTiles(double seconds) {
    State.mapTileX = std::fmod(State.mapTileX + kTileSpeed * seconds, kTileWidth);
    State.mapTileY = std::fmod(State.mapTileY + kTileSpeed * seconds, kTileHeight);
    const int left = -DrawInt(static_cast<float>(State.mapTileX));
    const int top = -DrawInt(static_cast<float>(State.mapTileY));
    for (int r = 0; r < kTileRows; ++r) {
        for (int c = 0; c < kTileColumns; ++c)
            Draw(left + kTileWidth * c, top + kTileHeight * r, State.mapTileSlot, 0, 0, kTileWidth,
                 kTileHeight);
    }
}

// The picture fills the play field from its scroll offset; it never scrolls past its own bottom, and a
// picture no taller than the play field stays at its top.
void DrawPicture(double seconds) {
    const ClipRectangle clip = EffectiveClip();
    const int width = std::max(clip.right - clip.left, 0);
    const int height = std::max(clip.bottom - clip.top, 0);
    const double lowest = std::max(DrawObject[State.mapPictureSlot].height - height, 0);
    const double y = State.mapPictureY + KeySpeed(elSystem::State.mapViewKey) * seconds;
    State.mapPictureY = std::clamp(y, 0.0, lowest);
    const int top = DrawInt(static_cast<float>(State.mapPictureY));
    // A picture shorter than the field is drawn to its own bottom: a cell past the picture draws nothing.
    const int rows = std::min(height, DrawObject[State.mapPictureSlot].height - top);
    Draw(clip.left, clip.top, State.mapPictureSlot, 0, top, width, top + rows);
}

}  // namespace

void SetMapViewTiles(int slot) {
    State.mapTileSlot = slot;
}

void SetMapViewPicture(int slot) {
    State.mapPictureSlot = slot;
}

void DrawMapView() {
    if (State.backBuffer == nullptr || !HasPicture(State.mapTileSlot) || !HasPicture(State.mapPictureSlot))
        return;
    const double seconds = FrameSeconds();
    DrawTiles(seconds);
    DrawPicture(seconds);
}

}  // namespace elDraw
