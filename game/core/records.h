// The plain records every moving thing of the game lives in. Each type keeps its spare words so that the
// fields round them stay in the same order and the record keeps its size; nothing reads the spares.
#pragma once

// Where a free record waits, off the screen.
inline constexpr float kParkedX = -500.0f;
inline constexpr float kParkedY = 2550.0f;
inline constexpr float kParkedHighY = -500.0f;  // the enemy sets that wait above the field
inline constexpr int kParkedIntX = -500;
inline constexpr int kParkedIntY = 500;
inline constexpr float kParticleParkedX = 1000.0f;
inline constexpr float kParticleParkedY = 5000.0f;

// The heading a free heading record is given: -3 degrees in radians, and the shallower start of a few pools.
inline constexpr float kStartHeading = -0.0523599f;
inline constexpr float kShallowStartHeading = -0.0162496f;

struct FloatPoint {
    float x;
    float y;
};

// Aimed or fanned bullet of the large pools; the draw stores the whole-degree heading it blits with.
struct EnemyShot {
    int frame;
    int spare0;
    int timer;
    int degrees;
    float x, y;
    float spareX, spareY;
    float dx, dy;
    float fireX, fireY;
    float heading;
    float speed;
    float spare1;
    int active;
};

// Aimed bullet of the small enemies, volleys and bullet lines. The ramp is the drift-phase clock of the
// two drifting lines.
struct EnemyShot60 {
    int frame;
    int spare0;
    float x, y;
    float spareX, spareY;
    float dx, dy;
    float fireX, fireY;
    float heading;
    float speed;
    float ramp;
    float spare1;
    int active;
};

// The 60-byte bullet with a per-record timer in place of the ramp (boss A's gun shots).
struct EnemyShot60Timed {
    int frame;
    int spare0;
    int timer;
    float x, y;
    float spareX, spareY;
    float dx, dy;
    float fireX, fireY;
    float heading;
    float speed;
    float spare1;
    int active;
};

// Ring, 3-way-fan and large-pool bullet.
struct EnemyShot56 {
    int frame;
    int timer;
    float x, y;
    float spare1, spare2, spare3;
    float dx, dy;
    float fireX, fireY;
    float heading;
    float speed;
    int active;
};

// The 56-byte bullet with a ramp speed in place of the third spare, after the speed.
struct EnemyShot56Ramp {
    int frame;
    int timer;
    float x, y;
    float spareX, spareY;
    float dx, dy;
    float fireX, fireY;
    float heading;
    float speed;
    float ramp;
    int active;
};

struct AimedPellet {
    int frame;
    float x, y;
    float spare1, spare2, spare3;
    int spareInt;
    int active;
    float spare4[4];
    float heading;
    float speed;
};

// Curving fan bullet, used in groups of seven.
struct CurveFanBullet {
    int frame;
    int spare0;
    float x, y;
    float spare1[4];
    float driftX, driftY;
    float heading;
    float speed;
    float spare2;
    float phase;
    float spare3;
    int active;
};

// Straight or falling bullet, pod, arm block or drop.
struct EnemyDrop {
    int frame;
    int timer;
    float x, y;
    float vx, vy;
    float spare;
    int active;
};

// The player's main shot, in whole pixels per frame.
struct MainShot {
    int x, y;
    int stepX, stepY;
    int active;
};

// A shot stepped in whole pixels by windows on its phase clock (burst shots, spray particles).
struct PhaseShot {
    int x, y;
    int spare;
    int strength;
    float phase;
    int active;
};

// One spark of the boss-hit sparks.
struct ExplosionParticle {
    float x, y;
    int active;
};

// Lock-on marker of a lockable enemy or boss part.
struct LockRecord {
    int x, y;
    int locked;
    int spare;
};

// One tile of a vertically scrolling background strip.
struct BackgroundStrip {
    float x, y;
    float spare0;
    float zero;
    float spare1;
};

// Ordinary enemy, first layout (swoopers, divers, carriers, stage objects).
struct EnemyRecord {
    int runCounter;
    int spare;
    int explosionFrame;
    float x, y;
    float vx, vy;
    int busy;
    int active;
    int hit;
};

// Ordinary enemy, second layout (spinners): the draw turns the spin angle 7 degrees a frame.
struct EnemyRecordSpin {
    int runCounter;
    int spare1, spare2;
    int explosionFrame;
    int spinAngle;
    float x, y;
    float vx, vy;
    int busy;
    int active;
    int hit;
};

// Ordinary enemy, third layout (wave flyers, formation shooters): per-slot spawn timer and phase clock.
struct EnemyRecordPhased {
    int runCounter;
    int explosionFrame;
    int spawnTimer;
    int spare1, spare2;
    float phase;
    float x, y;
    float vx, vy;
    int busy;
    int active;
    int hit;
};

// The random small-enemy wave's slot.
struct SmallEnemy {
    int runCounter;
    int frame;
    int flameFrame;
    int explosionStyle;
    float x, y;
    float vx, vy;
    float phase;
    float spare1[4];
    float heading;
    float speed;
    float spare2;
    int busy;
    int active;
    int hit;
};

// A boss or big enemy. Its owner's attack clock and counters are separate globals.
struct BossRecord {
    float x, y;
    float spare1, spare2;
    float clock;
    float health;
    float destructionTimer;
    int dead;
    int flashShown;
    int hitFlash;
};

// One explosion burst drawn round a boss.
struct BossBurst {
    int frame;
    int spare;
    float x, y;
};

// Homing missile of the salvos and of the single-missile pools.
struct HomingSalvo {
    int frame;
    int spare1, spare2;
    float x, y;
    int spare3[3];
    int active;
    float dx, dy;
    float launchX, launchY;
    float heading;
    float speed;
    float timer;
};

// One fragment of the ship's death blast (five rings of 16).
struct BlastFragment {
    float timer;
    float x, y;
    float startX, startY;
    float heading;
    float speed;
    int launched;
    int frameCounter;
};

// One shot of the ship's spiral volley.
struct SpiralShot {
    int x, y;
    float speed;
    float spare1, spare2;
    int active;
    float heading;
};

// One record of the third main shot's special animation.
struct SpecialEffect {
    int x, y;
    int frame;
    int active;
};

// One star of the starfield.
struct Star {
    int look;
    float x, y;
    float sideSpeed;
    float fallSpeed;
};

// The falling power item.
struct PowerItemRecord {
    float x, y;
    float fallSpeed;
    float spare;
    int active;
    int collected;
    int spawnCount;
    int counters[2];
};

static_assert(sizeof(int) == 4 && sizeof(float) == 4);
static_assert(sizeof(EnemyShot) == 64);
static_assert(sizeof(EnemyShot60) == 60);
static_assert(sizeof(EnemyShot60Timed) == 60);
static_assert(sizeof(EnemyShot56) == 56);
static_assert(sizeof(EnemyShot56Ramp) == 56);
static_assert(sizeof(AimedPellet) == 56);
static_assert(sizeof(CurveFanBullet) == 64);
static_assert(sizeof(EnemyDrop) == 32);
static_assert(sizeof(MainShot) == 20);
static_assert(sizeof(PhaseShot) == 24);
static_assert(sizeof(ExplosionParticle) == 12);
static_assert(sizeof(LockRecord) == 16);
static_assert(sizeof(BackgroundStrip) == 20);
static_assert(sizeof(EnemyRecord) == 40);
static_assert(sizeof(EnemyRecordSpin) == 48);
static_assert(sizeof(EnemyRecordPhased) == 52);
static_assert(sizeof(BossRecord) == 40);
