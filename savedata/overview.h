// The stable at a glance: for the foals listed, how many hold each value of each field, and
// how their scores spread. The window's Stable Overview draws it; foalix-dump overview
// prints it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "savedata/horse_table.h"
#include "savedata/score.h"

namespace foalix::savedata {

struct ValueCount {
    std::string value;
    int count = 0;
};

struct FieldOverview {
    const HorseField* field = nullptr;
    // Every value of the field's scale, a graded field's best first, the others in their
    // scale's order; zeros too.
    std::vector<ValueCount> counts;
};

struct Overview {
    int foals = 0;
    // The fourteen fields, in kHorseFields' order.
    std::vector<FieldOverview> fields;
    // With a profile: the foals by score, 0–9, 10–19, … 90–100, and those without a score.
    std::optional<std::array<int, 10>> scores;
    int unscored = 0;
};

// The overview of `records` of `table`; the scores' spread only with a profile.
Overview overviewOf(const HorseTable& table, const std::vector<int>& records,
                    const ScoreProfile* profile);

// The band of scores that `score` falls in, 0 to 9: 0–9, 10–19, … 90–100.
int scoreBand(int score);

}  // namespace foalix::savedata
