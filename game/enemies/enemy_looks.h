// How the ordinary enemies look: their live sprites (body, flames, turn) and their explosions, all as
// data drawn by one routine each. An explosion is a list of cells, each placed at the enemy's position
// plus a multiple of the explosion frame and an offset, with its blend; its plain form is the list the
// keyed blit draws when blending is off.
#pragma once

#include <span>

// ---- Live sprites ---------------------------------------------------------------------------------------

inline constexpr int kFlameFrames = 20;
inline constexpr int kFlameCellWidth = 20;
inline constexpr int kFlameCellHeight = 70;
inline constexpr int kMaxFlames = 2;

// Looks that turn with the heading: the angle and the range in which the body is drawn upright instead.
enum class Turn : unsigned char {
    kNone,
    kHeadingLess90,   // angle = whole degrees - 90
    kHeadingPlus270,  // angle = 270 + whole degrees
};

struct FlamePlace {
    int x;
    int y;
};

struct SpriteLook {
    const int* body = nullptr;  // picture slot global
    int width = 0;
    int height = 0;
    int offsetX = 0;  // the body's place from the record's top-left corner
    int offsetY = 0;
    const int* flame = nullptr;  // flames (20x70 cells, 20 frames), drawn before the body
    int flameCount = 0;
    FlamePlace flames[kMaxFlames] = {};
    Turn turn = Turn::kNone;
};

// Draws the look at the record's whole-pixel place with the flame frame given; the heading turns it.
void DrawSpriteLook(const SpriteLook& look, int x, int y, int flameFrame, float heading);
// The next flame frame: one on, back to 0 past the last (or from any frame outside the strip).
int NextFlameFrame(int frame);

// ---- Explosions ------------------------------------------------------------------------------------------

inline constexpr int kExplosionCells = 10;  // cells in every explosion strip
inline constexpr int kExplosionRuns = 2;
inline constexpr int kKindExplosionFrames = 8;   // frames a run of the enemy kinds
inline constexpr int kLongExplosionFrames = 10;  // small enemies and falling objects

enum class CellBlit : unsigned char { kAdditive, kHalf, kKeyed };

// One cell of an explosion: the square cell of frame f of the strip, drawn at
// (x + fx f + ox, y + fy f + oy).
struct ExplosionCell {
    const int* picture;
    int size;
    CellBlit blit;
    int fx;
    int ox;
    int fy;
    int oy;
};

enum class VelocityClear : unsigned char { kNever, kAlways, kWhenBlended };

struct ExplosionStyle {
    std::span<const ExplosionCell> cells;  // with BlendEffects 1
    std::span<const ExplosionCell> plain;  // with BlendEffects 0, keyed
    bool alwaysKeyed = false;              // the cells keyed whatever BlendEffects says
    VelocityClear clear = VelocityClear::kNever;
};

// Draws the style at frame f (a frame outside the strip shows cell 0) as BlendEffects asks: 1 blended,
// 0 plain, anything else nothing (a style that is always keyed draws its cells keyed regardless).
void DrawExplosion(const ExplosionStyle& style, int x, int y, int frame);
// Whether this frame of the style clears the exploding record's velocities.
bool ExplosionClearsVelocity(const ExplosionStyle& style);

// The small enemies' four explosion variants (0 and 1 are the same) and the kinds' styles.
inline constexpr int kSmallExplosionVariants = 4;
extern const ExplosionStyle kSmallExplosions[kSmallExplosionVariants];
extern const ExplosionStyle kScatterExplosion;    // spinners, swoopers, wave flyers
extern const ExplosionStyle kClusterExplosion;    // divers
extern const ExplosionStyle kFormationExplosion;  // formation shooters
extern const ExplosionStyle kBurstExplosion;      // stage A's falling objects
extern const ExplosionStyle kSingleExplosion;     // stage A's drift objects
extern const ExplosionStyle kCarrierExplosion;    // carriers: eight keyed cells over the body
