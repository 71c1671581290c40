// The foals the player starred, kept apart from the reads (clearing the reads keeps them):
// by save folder (in one spelling), slot, record and name. A star is the foal's while the
// star's record holds the star's name: a record whose name changed holds another foal. A
// star is kept while its foal is away, so the foal is starred again when it comes back.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::history {

class Connection;

struct StarredFoal {
    std::string saveFolder;
    int slot = 0;
    int record = 0;
    std::string name;
    std::int64_t starredAt = 0;  // Unix time, seconds
};

// Stars (`on`) or unstars the foal of `record` holding `name`; a foal starred again keeps
// the time it was first starred (`at`).
void setStar(Connection& db, const std::string& saveFolder, int slot, int record,
             const std::string& name, bool on, std::int64_t at);
// The stars kept, in order; only those of one slot when `saveFolder` is given. A file made
// before stars were kept has none.
std::vector<StarredFoal> starsIn(Connection& db, const std::string* saveFolder, int slot);

// The records among `records` whose foal is starred by `stars` (a slot's, as
// History::stars gives them).
std::set<int> starredAmong(const std::set<std::pair<int, std::string>>& stars,
                           const savedata::HorseTable& table, const std::vector<int>& records);

}  // namespace foalix::history
