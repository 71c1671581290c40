// Two to four foals side by side, as the compare window shows them: each foal's last
// values and score, whether it is gone (its record empty or holding another foal), and the
// best value of each graded field, and the best score, among the foals still there.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <optional>

#include "savedata/horse_table.h"
#include "savedata/score.h"

namespace foalix::session {

struct LoadedRoster;

struct ComparedFoal {
    int record = 0;
    savedata::HorseEntry values;  // as the last load that held the foal had them
    bool gone = false;
    std::optional<int> score;  // under the profile in use
};

struct Comparison {
    static constexpr std::size_t kFewestFoals = 2;
    static constexpr std::size_t kMostFoals = 4;

    std::vector<ComparedFoal> foals;
    // Per field of kHorseFields, the rank of the best value among the foals still there
    // (0: none stands out).
    std::array<int, savedata::kHorseFields.size()> best{};
    // The best score among the foals still there, when they differ.
    std::optional<int> bestScore;

    int bestOf(const savedata::HorseField& field) const {
        return best.at(static_cast<std::size_t>(&field - savedata::kHorseFields.data()));
    }
};

// Whether `count` foals can be compared.
inline bool comparable(std::size_t count) {
    return count >= Comparison::kFewestFoals && count <= Comparison::kMostFoals;
}

// The foals of `records` that `roster` lists, the first four, in the order given, scored
// by `profile`.
Comparison compareFoals(const LoadedRoster& roster, const std::vector<int>& records,
                        const savedata::ScoreProfile& profile);
// The same foals as `roster` (none: nothing loaded) has them now: a foal whose record still
// holds it takes its new values, even when the age boxes no longer list it; the others are
// gone, with their last values. Scored by `profile`.
Comparison followFoals(const Comparison& before, const LoadedRoster* roster,
                       const savedata::ScoreProfile& profile);

}  // namespace foalix::session
