#include "cli/roster_options.h"

#include <algorithm>
#include <sstream>

#include "cli/dump_command.h"
#include "cli/kept_history.h"
#include "cli/window_profiles.h"
#include "history/history.h"
#include "savedata/install_folders.h"
#include "savedata/list_order.h"
#include "savedata/roster_diff.h"
#include "savedata/slot_path.h"

namespace foalix::cli {

using namespace savedata;

const char* const kScoreHelp =
    "--weights 'SP=3,ST=2,Burst=1' (fields by key or caption, each 0 to 10, the others 0)\n"
    "or --profile NAME (Balanced, Turf sprinter, Stayer, Dirt runner, Classic, or one the\n"
    "window saved) scores every foal and adds its score to the output: 100 × Σ(weight ×\n"
    "place) / Σ weight, rounded (a half up), where a value's place is its position on its\n"
    "own scale from the worst (0) to the best (1): on D C B A S, B is 0.5; on C B A, B is\n"
    "0.5; on D C B A, B is ⅔; no score when every weight is 0. --sort score lists the best\n"
    "first (ties by name) and --where 'score>=70' filters by it; without --weights or\n"
    "--profile these score by Balanced (every weight 1).";

namespace {

AgeBoxes agesFrom(const std::string& ages) {
    AgeBoxes boxes{BoxValue::Unticked, BoxValue::Unticked};
    std::istringstream in(ages);
    for (std::string age; std::getline(in, age, ',');) {
        (age == "1" ? boxes.one : boxes.two) = BoxValue::Ticked;
    }
    return boxes;
}

ValueFilter filterOf(const std::string& text) {
    auto parsed = ValueFilter::parse(text, {}, {"評分"});
    return std::get<ValueFilter>(std::move(parsed));
}

// The profile of `name`: the one of exactly that name, a built-in's or one the window
// saved, else the one it names in another case.
std::optional<ScoreProfile> profileNamed(const std::string& name) {
    std::vector<ScoreProfile> all = builtInProfiles();
    std::ranges::copy(windowProfiles(), std::back_inserter(all));
    const auto lower = [](std::string text) {
        std::ranges::transform(text, text.begin(), [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        return text;
    };
    auto found = std::ranges::find(all, name, &ScoreProfile::name);
    if (found == all.end()) {
        found = std::ranges::find_if(
            all, [&](const ScoreProfile& profile) { return lower(profile.name) == lower(name); });
    }
    return found == all.end() ? std::nullopt : std::optional<ScoreProfile>(*found);
}

// The records of `roster`'s foals that arrived since the slot's previous kept read of the
// window's history, as the window marks them new.
std::set<int> newRecords(const std::string& historyFile, const std::string& folder, int slot,
                         const Foals& now) {
    history::History history(historyFile, {.busyTimeoutMs = 2000}, history::Access::ReadOnly);
    std::vector<history::Baseline> newest;
    for (const history::KeptRead& read : history.reads(folder, slot)) {
        if (newest.size() == 2) {
            break;
        }
        newest.push_back({read, history.foalsOf(read.id)});
    }
    bool changed = false;
    const auto baseline = history::baselineAmong(newest, now, changed);
    std::set<int> added;
    if (baseline) {
        for (const auto& [record, entry] : diffRosters(baseline->foals, now).added) {
            added.insert(record);
        }
    }
    return added;
}

}  // namespace

RosterCommand addRosterOptions(CLI::App& app, RosterOptions& options) {
    RosterCommand command;
    app.add_option("--ages", options.ages, "ages to list: 1, 2 (every age but 1) or 1,2")
        ->check(CLI::IsMember({"1", "2", "1,2", "2,1"}))
        ->type_name("1|2|1,2")
        ->capture_default_str();
    app.add_option("--where", options.where, "list only the foals these conditions hold for")
        ->type_name("CONDITIONS")
        ->check(CLI::Validator(
            [](const std::string& text) {
                auto parsed = ValueFilter::parse(text, {}, {"評分"});
                const auto* error = std::get_if<FilterError>(&parsed);
                return error != nullptr ? englishText(*error) : std::string();
            },
            ""));
    auto* weights = app.add_option("--weights", options.weights, "score by these weights")
                        ->type_name("FIELD=W,…")
                        ->check(CLI::Validator(
                            [](const std::string& text) {
                                if (text.empty()) {
                                    return std::string("no weights; write FIELD=W,…");
                                }
                                const auto parsed = parseWeights(text);
                                const auto* error = std::get_if<std::string>(&parsed);
                                return error != nullptr ? *error : std::string();
                            },
                            ""));
    app.add_option("--profile", options.profile, "score by this profile")
        ->type_name("NAME")
        ->excludes(weights)
        ->check(CLI::Validator(
            [](const std::string& name) {
                if (profileNamed(name)) {
                    return std::string();
                }
                std::string names;
                for (const ScoreProfile& profile : builtInProfiles()) {
                    names += (names.empty() ? "" : ", ") + profile.name;
                }
                for (const ScoreProfile& profile : windowProfiles()) {
                    names += ", " + profile.name;
                }
                return "no profile '" + name + "'; the profiles are " + names;
            },
            ""));
    app.add_option("--sort", options.sort, "list by name, or by score, the best first")
        ->check(CLI::IsMember({"name", "score"}))
        ->type_name("name|score")
        ->capture_default_str();
    addSharedOptions(app, options);
    command.file = app.add_option("--file", options.file, "read this slot file instead");
    command.folder = app.add_option("FOLDER", options.folder, "the game's save folder");
    command.slot = app.add_option("SLOT", options.slot, "the save slot, 1 to 5")
                       ->check(CLI::Range(kFirstSlot, kFirstSlot + kSlotCount - 1));
    command.file->excludes(command.folder)->excludes(command.slot);
    options.history = defaultHistoryFile();
    command.history = addHistoryOption(app, options.history);
    return command;
}

void checkRosterOptions(const RosterCommand& command) {
    if (command.file->count() == 0 &&
        (command.folder->count() == 0 || command.slot->count() == 0)) {
        throw CLI::RequiredError("FOLDER and SLOT, or --file");
    }
}

std::optional<int> loadFoals(const RosterOptions& options, const RosterCommand& command,
                             LoadedFoals& loaded, std::ostream& err) {
    const bool fromFile = command.file->count() > 0;
    // The copy the game reads, as the window reads it (a VirtualStore copy on Windows).
    const std::string path =
        slotFileToRead(fromFile ? options.file : composeSlotFile(options.folder, options.slot),
                       systemInstallFolders());
    LoadResult result;
    if (const auto status = loadSlot(path, agesFrom(options.ages), options.nameEncoding(),
                                     loaded.table, result, err)) {
        return *status;
    }
    const ValueFilter where = filterOf(options.where);
    if (!options.weights.empty()) {
        loaded.profile = std::get<ScoreProfile>(parseWeights(options.weights));
    } else if (!options.profile.empty()) {
        loaded.profile = profileNamed(options.profile);
    } else if (where.needsScore() || options.sort == "score") {
        loaded.profile = builtInProfiles().front();
    }
    KeptMarks marks;
    std::set<int> added;
    if (!fromFile) {
        const auto kept = keptMarks(options.history, options.folder, options.slot, loaded.table,
                                    result.usedRows, err);
        // Without the marks of a history asked for by name, the foals would read as unmarked.
        if (!kept && command.history->count() > 0) {
            return kExitOtherError;
        }
        marks = kept.value_or(KeptMarks());
        if (where.needsNew()) {
            added = newRecords(options.history, options.folder, options.slot,
                               foalsOf(loaded.table, result.usedRows));
        }
    }
    const auto scoreOfRow = [&](int row) {
        return loaded.profile ? scoreOf(loaded.table.row(row), *loaded.profile) : std::nullopt;
    };
    std::vector<int> rows;
    std::ranges::copy_if(result.listedRows, std::back_inserter(rows), [&](int row) {
        const auto note = marks.notes.find(row);
        return where.matches(loaded.table.row(row),
                             {scoreOfRow(row), added.contains(row), marks.starred.contains(row),
                              note != marks.notes.end() ? note->second : std::string_view()});
    });
    rows = inListOrder(loaded.table, rows);
    if (options.sort == "score") {
        // The best first, a foal without a score last; ties keep the order of names.
        std::ranges::stable_sort(rows, std::greater<>(),
                                 [&](int row) { return scoreOfRow(row).value_or(-1); });
    }
    loaded.roster = Roster{path, totalText(rows.size()), rows, &loaded.table, {}, nullptr};
    for (int row : rows) {
        if (marks.starred.contains(row)) {
            loaded.roster.starred.insert(row);
        }
        if (const auto note = marks.notes.find(row); note != marks.notes.end()) {
            loaded.roster.notes.insert(*note);
        }
    }
    if (loaded.profile) {
        loaded.roster.profile = &*loaded.profile;
    }
    return std::nullopt;
}

std::optional<int> parseAndLoadFoals(CLI::App& app, RosterOptions& options, int argc,
                                     const char* const* argv, std::ostream& out, std::ostream& err,
                                     LoadedFoals& loaded) {
    const RosterCommand command = addRosterOptions(app, options);
    if (const auto status =
            parseArguments(app, argc, argv, out, err, [&] { checkRosterOptions(command); })) {
        return status;
    }
    return loadFoals(options, command, loaded, err);
}

}  // namespace foalix::cli
