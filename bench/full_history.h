// A long-time player's history for the benchmarks: five slots of 1,000 reads (the most
// it keeps) of 40 foals, written in one transaction as the history writes its rows.
#pragma once

#include <string>

#include "history/history.h"

namespace foalix::bench {

inline constexpr int kFullHistoryReads = 1000;
inline const std::string kHistorySaveFolder = "C:\\Program Files\\Vantrel\\Galvaro\\SAVEDATA";

// 40 foals named as the reload benchmark's, every value "B" but the grade.
savedata::Foals fortyFoals(const char* grade);
// A read of `slot` at Unix time `at`.
history::ReadInfo readOf(int slot, std::int64_t at);
// Makes `file` a history with its tables and, when `full`, every read of a full one.
void writeHistory(const std::string& file, bool full);

}  // namespace foalix::bench
