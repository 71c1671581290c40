// The order of a field's values by what they mean, for sorting a roster: grades from D
// up to S, growth from early to late, ages by number, and so on.
#pragma once

#include <string>
#include <string_view>

namespace foalix::savedata {

// The place of `text` among the values of the field named `key` (a HorseField key,
// "row" or "name"), lowest first; ties and unknown texts rank alike and are left to
// the caller. Record numbers rank by number; names do not rank (0).
int meaningRank(std::string_view key, const std::string& text);

// Whether the field named `key` holds a grade or an aptitude (S best … D lowest), which a
// player reads best first.
bool isGraded(std::string_view key);

}  // namespace foalix::savedata
