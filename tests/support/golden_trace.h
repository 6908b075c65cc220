// Records what a scripted run of the game did, frame by frame, as text that can be kept beside the tests
// and compared line by line: scene changes with the score, the schedule rows, boss path rows and damage
// bands as streaks of frames, every armed bullet, spawn and lost ship, and the whole-state hash with a
// digest of every screen shown every kHashEvery frames.
//
// Repetitive events are summarised so that a file stays readable: a row's streaks are listed up to
// kStreakLines times (then only counted), a pool group's arms up to kArmLines times, and every arm goes
// into its block's digest and its group's totals at the end, so that a changed count, frame or muzzle
// place still changes a line.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "game/core/trace_hook.h"

class GoldenTrace {
public:
    static constexpr int kHashEvery = 300;
    static constexpr int kStreakLines = 6;
    static constexpr int kArmLines = 2;

    // Installs the game's trace hook; the destructor takes it away. One trace at a time.
    GoldenTrace();
    ~GoldenTrace();
    GoldenTrace(const GoldenTrace&) = delete;
    GoldenTrace& operator=(const GoldenTrace&) = delete;

    // A line of the file's header (after "# ").
    void Comment(const std::string& text);
    // A line at the current frame (after the frame number).
    void Note(const std::string& text);
    // The frame about to run: 1 for the first. Events belong to the frame that is running.
    int frame() const { return frame_; }
    // Call once after every frame of the scene loop.
    void EndFrame();
    // Closes every streak and returns the whole text. The trace takes no more events after it.
    std::string Finish();
    // Armed records that lie in no listed entity array (their lines say "?").
    int unnamedRecords() const { return unnamed_; }

private:
    struct Streak {
        std::string key;
        int tableRows = 0;  // the rows (bands) of its table
        bool open = false;
        long long order = 0;  // where its line goes among the lines of its first frame
        int start = 0;
        int last = 0;
        float firstClock = 0.0f;
        float lastClock = 0.0f;
        int calls = 0;
        // Over the whole run.
        int streaks = 0;
        long long totalCalls = 0;
    };
    struct ArmTotals {
        std::string key;
        std::uint64_t keyDigest = 0;
        long long count = 0;
        int firstFrame = 0;
        int lastFrame = 0;
        // Places in sixteenths of a pixel.
        float firstX = 0.0f;
        float firstY = 0.0f;
        float lastX = 0.0f;
        float lastY = 0.0f;
        long long sumX = 0;
        long long sumY = 0;
    };
    struct Line {
        int frame;
        long long order;
        std::string text;
    };
    struct Named {
        const char* name;
        const unsigned char* begin;
        std::size_t size;
        int count;
    };
    // What tells two events' keys apart: the kind, the table or array, the row, group or record, and
    // the look of a spawn.
    using Id = std::tuple<int, const void*, int, int, int>;

    static void Hook(const TraceEvent& event);
    void OnEvent(const TraceEvent& event);
    void Row(const TraceEvent& event, const char* what, const char* part);
    void CloseStreak(Streak& s);
    void Arm(const TraceEvent& event);
    std::string ArmKey(const TraceEvent& event);
    // The array holding a record, or null; `index` is the record's place in it.
    const Named* Find(const void* record, int& index) const;
    void Add(int frame, std::string text);
    void Add(int frame, long long order, std::string text);

    std::vector<std::string> header_;
    std::vector<Line> lines_;
    long long order_ = 0;
    int frame_ = 1;
    int scene_ = -1;
    bool finished_ = false;
    std::vector<Streak> streaks_;
    std::map<Id, int> streakIds_;
    std::map<std::string, int> streakKeys_;
    std::vector<ArmTotals> arms_;
    std::map<Id, int> armIds_;
    std::map<std::string, int> armKeys_;
    // The block digest: arms since the last hash line.
    long long blockArms_ = 0;
    std::uint64_t blockDigest_ = 0;
    // Every screen shown since the last hash line.
    std::uint64_t screenDigest_ = 0;
    // The whole game state at the end of every frame since the last hash line.
    std::uint64_t stateDigest_ = 0;
    std::vector<Named> named_;  // by address
    int unnamed_ = 0;
};

// Whole-pixel-and-sixteenths text of a place: "123.4375".
std::string Sixteenths(float v);
