#include "savedata/overview.h"

#include <algorithm>

namespace foalix::savedata {

int scoreBand(int score) {
    return std::clamp(score / 10, 0, 9);
}

Overview overviewOf(const HorseTable& table, const std::vector<int>& records,
                    const ScoreProfile* profile) {
    Overview overview;
    overview.foals = static_cast<int>(records.size());
    for (const HorseField& field : kHorseFields) {
        FieldOverview counted{&field, {}};
        for (const std::string_view value : field.scale.values) {
            counted.counts.push_back({std::string(value), 0});
        }
        if (field.scale.graded) {
            std::ranges::reverse(counted.counts);
        }
        for (int record : records) {
            const std::string& value = table.row(record).*field.member;
            const auto found = std::ranges::find(counted.counts, value, &ValueCount::value);
            if (found != counted.counts.end()) {
                ++found->count;
            }
        }
        overview.fields.push_back(std::move(counted));
    }
    if (profile != nullptr) {
        overview.scores.emplace();
        overview.scores->fill(0);
        for (int record : records) {
            if (const auto score = scoreOf(table.row(record), *profile)) {
                ++overview.scores->at(static_cast<std::size_t>(scoreBand(*score)));
            } else {
                ++overview.unscored;
            }
        }
    }
    return overview;
}

}  // namespace foalix::savedata
