// The stars of the window's history, read by foalix-dump: each foal's mark in the roster,
// and `foalix-dump stars`, which lists them all. The history is only read: foalix-dump
// never makes, changes or upgrades it.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::cli {

// The history the window keeps: history.sqlite3 in $XDG_DATA_HOME/foalix (by default
// ~/.local/share/foalix) on Linux, in %LOCALAPPDATA%\foalix on Windows. UTF-8.
std::string defaultHistoryFile();

// Adds --history FILE, whose default is `file` as it stands.
CLI::Option* addHistoryOption(CLI::App& app, std::string& file);

// The records among `rows` that hold a foal starred in the slot: the star's record holding
// the star's name. A history that is not there stars nothing; one that cannot be read is
// said on `err`, and gives none.
std::optional<std::set<int>> starredRows(const std::string& historyFile,
                                         const std::string& saveFolder, int slot,
                                         const savedata::HorseTable& table,
                                         const std::vector<int>& rows, std::ostream& err);

int runStars(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
