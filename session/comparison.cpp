#include "session/comparison.h"

#include <algorithm>

#include "savedata/roster_diff.h"
#include "session/loaded_roster.h"

namespace foalix::session {
namespace {

void markBest(Comparison& comparison, const savedata::ScoreProfile& profile) {
    std::vector<const savedata::HorseEntry*> there;
    std::vector<int> scores;
    for (ComparedFoal& foal : comparison.foals) {
        foal.score = savedata::scoreOf(foal.values, profile);
        if (!foal.gone) {
            there.push_back(&foal.values);
            if (foal.score) {
                scores.push_back(*foal.score);
            }
        }
    }
    for (std::size_t i = 0; i < savedata::kHorseFields.size(); ++i) {
        comparison.best.at(i) = savedata::standoutRank(savedata::kHorseFields.at(i), there);
    }
    const auto [lowest, highest] = std::ranges::minmax_element(scores);
    comparison.bestScore.reset();
    if (!scores.empty() && *lowest != *highest) {
        comparison.bestScore = *highest;
    }
}

}  // namespace

Comparison compareFoals(const LoadedRoster& roster, const std::vector<int>& records,
                        const savedata::ScoreProfile& profile) {
    Comparison comparison;
    for (int record : records) {
        if (roster.lists(record) && comparison.foals.size() < Comparison::kMostFoals) {
            comparison.foals.push_back({record, roster.table.row(record), false, {}});
        }
    }
    markBest(comparison, profile);
    return comparison;
}

Comparison followFoals(const Comparison& before, const LoadedRoster* roster,
                       const savedata::ScoreProfile& profile) {
    Comparison now = before;
    for (ComparedFoal& foal : now.foals) {
        const savedata::HorseEntry* now = roster ? roster->heldBy(foal.record) : nullptr;
        foal.gone = !savedata::isSameFoal(now, foal.values.name);
        if (!foal.gone) {
            foal.values = *now;
        }
    }
    markBest(now, profile);
    return now;
}

}  // namespace foalix::session
