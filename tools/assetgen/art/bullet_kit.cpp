#include "art/bullet_kit.h"

#include "draw/paint.h"

namespace assetgen {

void glowPellet(Image& img, Vec2 centre, float radius, Color c) {
    glowDot(img, centre, radius * 0.55f, c, 1.0f);
    glowDot(img, centre, radius * 0.25f, kBulletWhite, 0.95f);
}

void solidPellet(Image& img, Vec2 centre, float radius, Color c) {
    glowDot(img, centre, radius * 0.6f, c * 0.5f, 0.7f);
    fill(img, shapes::circle(centre, radius * 0.8f), c * 0.8f);
    lamp(img, centre, radius * 0.62f, c);
}

void fallingDrop(Image& img, Vec2 centre, float radius, float lean, Color c) {
    const Vec2 back = rotate({0, -radius * 2.2f}, degrees(-lean));
    const Shape drop = shapes::cone(centre, centre + back, radius * 0.8f, radius * 0.15f);
    glow(img, drop, c, radius * 0.35f, 0.8f);
    fill(img, shapes::cone(centre, centre + back * 0.7f, radius * 0.55f, radius * 0.1f), c);
    lamp(img, centre, radius * 0.45f, c);
}

void missile(Image& img, Vec2 centre, float size, int style, Color body, Color flame) {
    const float s = size / 30.0f;
    const auto at = [&](float x, float y) { return Vec2{centre.x + x * s, centre.y + y * s}; };
    // Exhaust under the tail.
    glowDot(img, at(0, 9.5f), 2.8f * s, flame, 0.9f);
    glowDot(img, at(0, 8.5f), 1.2f * s, kBulletWhite, 0.7f);
    if (style == 0) {
        fill(img,
             shapes::polygon({at(0, -11), at(3, -4), at(3, 5), at(6, 9), at(-6, 9), at(-3, 5), at(-3, -4)}),
             body);
        fill(img, shapes::polygon({at(0, -9), at(1.4f, -4), at(1.4f, 4), at(-1.4f, 4), at(-1.4f, -4)}),
             mix(body, kBulletWhite, 0.6f));
    } else {
        fill(img, shapes::polygon({at(0, -12), at(5, -2), at(2.5f, 8), at(-2.5f, 8), at(-5, -2)}), body);
        fill(img, shapes::polygon({at(0, -9), at(2.5f, -2), at(0, 4), at(-2.5f, -2)}),
             mix(body, kBulletWhite, 0.65f));
    }
}

void streak(Image& img, Vec2 head, Vec2 tail, float width, Color c) {
    glow(img, shapes::cone(head, tail, width, width * 0.2f), c, width * 0.6f, 0.8f);
    glow(img, shapes::cone(head, lerp(head, tail, 0.6f), width * 0.4f, 0.1f), kBulletWhite, 0.6f, 0.9f);
}

}  // namespace assetgen
