#include "session/comparison.h"

#include "savedata/roster_diff.h"
#include "session/loaded_roster.h"

namespace foalix::session {
namespace {

void markBest(Comparison& comparison) {
    std::vector<const savedata::HorseEntry*> there;
    for (const ComparedFoal& foal : comparison.foals) {
        if (!foal.gone) {
            there.push_back(&foal.values);
        }
    }
    for (std::size_t i = 0; i < savedata::kHorseFields.size(); ++i) {
        comparison.best.at(i) = savedata::standoutRank(savedata::kHorseFields.at(i), there);
    }
}

}  // namespace

Comparison compareFoals(const LoadedRoster& roster, const std::vector<int>& records) {
    Comparison comparison;
    for (int record : records) {
        if (roster.lists(record) && comparison.foals.size() < Comparison::kMostFoals) {
            comparison.foals.push_back({record, roster.table.row(record), false});
        }
    }
    markBest(comparison);
    return comparison;
}

Comparison followFoals(const Comparison& before, const LoadedRoster* roster) {
    Comparison now = before;
    for (ComparedFoal& foal : now.foals) {
        const savedata::HorseEntry* now = roster ? roster->heldBy(foal.record) : nullptr;
        foal.gone = !savedata::isSameFoal(now, foal.values.name);
        if (!foal.gone) {
            foal.values = *now;
        }
    }
    markBest(now);
    return now;
}

}  // namespace foalix::session
