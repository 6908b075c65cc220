#include "game/core/scoring.h"

#include <cstdint>

#include "game/core/game_state.h"

namespace {

bool ModeAddsPoints() {
    const bool firstAllows = ScoringMode[0] == 1 || ScoringMode[0] == 2;
    const bool secondAllows = ScoringMode[1] == 0 || ScoringMode[1] == 1;
    return firstAllows && secondAllows;
}

// The sum is taken wide so that no award can wrap the score before the cap.
int AddCapped(int points) {
    std::int64_t sum = static_cast<std::int64_t>(Score) + points;
    if (sum > kScoreCap) sum = kScoreCap;
    Score = static_cast<int>(sum);
    if (Score > HiScore) HiScore = Score;
    return Score;
}

}  // namespace

int AddScore(int points) {
    return AddCapped(ModeAddsPoints() ? points : 0);
}

int AddScoreUnchecked(int points) {
    return AddCapped(points);
}
