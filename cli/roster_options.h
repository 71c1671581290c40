// What foalix-dump's listing and its overview share: which foals (the slot or file, the
// ages, the conditions of --where), how they are scored (--weights or --profile) and
// sorted (--sort), and the window's history they are starred from; then the roster
// those options give, loaded.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/dump_common.h"
#include "savedata/roster_csv.h"
#include "savedata/score.h"
#include "savedata/value_filter.h"

namespace foalix::cli {

struct RosterOptions : SharedOptions {
    std::string ages = "1,2";
    std::string file;
    std::string folder;
    int slot = 0;
    std::string where;
    std::string weights;
    std::string profile;
    std::string sort = "name";
    std::string history;
};

// The options themselves, and how each is checked.
struct RosterCommand {
    CLI::Option* file = nullptr;
    CLI::Option* folder = nullptr;
    CLI::Option* slot = nullptr;
    CLI::Option* history = nullptr;
};
RosterCommand addRosterOptions(CLI::App& app, RosterOptions& options);
// Checks after parsing: FOLDER and SLOT, or --file.
void checkRosterOptions(const RosterCommand& command);

// The foals the options list, loaded, in their order, with their stars and score.
struct LoadedFoals {
    savedata::HorseTable table;
    Roster roster;
    std::optional<savedata::ScoreProfile> profile;
};

// Loads the roster the options ask for; the exit status when it cannot (its reason said
// on `err`): a slot that does not load, a --where, --weights or --profile that does not
// read (64), a --history asked for that cannot be read (4).
std::optional<int> loadFoals(const RosterOptions& options, const RosterCommand& command,
                             LoadedFoals& loaded, std::ostream& err);

// A roster command's whole start: its roster options added to `app`, the arguments
// parsed and checked, the foals loaded; the exit status when it stops there (help, a
// version, an argument or a slot that does not read).
std::optional<int> parseAndLoadFoals(CLI::App& app, RosterOptions& options, int argc,
                                     const char* const* argv, std::ostream& out, std::ostream& err,
                                     LoadedFoals& loaded);

// The help's words on scores, for the commands that take them.
extern const char* const kScoreHelp;

}  // namespace foalix::cli
