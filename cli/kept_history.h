// The window's history as foalix-dump reads it: where it is, --history, what went wrong
// reading it, and the stars and notes of a slot's foals. foalix-dump only reads it (never
// makes, changes or upgrades it), except to copy it whole with `foalix-dump backup`.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "history/history.h"
#include "savedata/horse_table.h"

namespace foalix::cli {

// foalix-dump waits for a window's write as long as it takes a window to write: reading
// never waits in WAL mode, and a command line has no window to keep answering.
inline constexpr history::Limits kReadingLimits{.busyTimeoutMs = 2000};

// The history the window keeps: history.sqlite3 in $XDG_DATA_HOME/foalix (by default
// ~/.local/share/foalix) on Linux, in %LOCALAPPDATA%\foalix on Windows. UTF-8.
std::string defaultHistoryFile();

// Adds --history FILE, whose default is `file` as it stands.
CLI::Option* addHistoryOption(CLI::App& app, std::string& file);

// The history's sentence about what went wrong, on `err`; false when there was none.
bool reported(history::History& history, const std::string& file, std::ostream& err);

// 2025-01-02T14:05:30, in local time; the seconds themselves when the system has no such date.
std::string localTime(std::int64_t seconds);

// What the player keeps on a slot's foals: the records among those asked for that hold a
// foal starred, and the notes on them, each by the record still holding the name marked.
struct KeptMarks {
    std::set<int> starred;
    std::map<int, std::string> notes;
};

// The marks of the slot's foals `rows` of `table`. A history that is not there marks
// nothing; one that cannot be read is said on `err`, and gives none.
std::optional<KeptMarks> keptMarks(const std::string& historyFile, const std::string& saveFolder,
                                   int slot, const savedata::HorseTable& table,
                                   const std::vector<int>& rows, std::ostream& err);

}  // namespace foalix::cli
