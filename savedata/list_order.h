// The order in which the foal list shows names: by character code, and foals of one
// name by record number. The window and foalix-dump share it, so both list alike.
#pragma once

#include <string>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::savedata {

bool listsBefore(const std::string& nameA, int rowA, const std::string& nameB, int rowB);

// The rows sorted into list order by their names in `table`.
std::vector<int> inListOrder(const HorseTable& table, std::vector<int> rows);

}  // namespace foalix::savedata
