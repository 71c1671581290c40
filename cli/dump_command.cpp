#include "cli/dump_command.h"

#include <CLI/CLI.hpp>
#include <sstream>

#include "cli/compare_command.h"
#include "cli/dump_common.h"
#include "cli/stars_command.h"
#include "savedata/install_folders.h"
#include "savedata/list_order.h"
#include "savedata/roster_loader.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "savedata/value_filter.h"

namespace foalix::cli {

using namespace savedata;

namespace {

constexpr const char* kDescription =
    "Lists the foals of one Galvaro save slot, as the Foalix window lists them: the\n"
    "foals whose age is chosen with --ages (and, with --where, whose values the\n"
    "conditions hold for), sorted by name, each with its fourteen characteristics,\n"
    "then the total. The save file is only read, never written.";

constexpr const char* kFooter =
    "Exit status: 0 listed; 2 Save Data not found; 3 Save Data is damaged;\n"
    "4 any other error (its number and text on stderr); 64 bad usage.\n"
    "CSV ends with a record whose row field is \"total\" and whose name field is the total.\n"
    "--where: conditions apart by spaces, all of which must hold. FIELD OP VALUE, no\n"
    "spaces inside: FIELD a JSON key in any case or a caption (ＳＰ, 芝適, 賢); OP = or\n"
    "!=, or < <= > >= by the field's scale (grades D C B A S, age 1 2 -, growth\n"
    "早 普 遲 晚, sex 牡 牝, temper 激 荒 普 大); VALUE one of the field's values. Any\n"
    "other word is text the name holds. Example: --where 'SP>=A Grass=A Sex=牝'\n"
    "Each foal is marked starred (JSON \"starred\": true, CSV \"starred\" 1) when the\n"
    "window's history (--history, only read) holds a star for FOLDER (however written),\n"
    "SLOT, the record and its name; a slot file given with --file has none. A --history\n"
    "that cannot be read fails (4); the window's own, when unreadable, stars nothing.\n"
    "`foalix-dump compare --help` tells how to compare two slot files;\n"
    "`foalix-dump stars --help` how to list every star.";

struct Options : SharedOptions {
    std::string ages = "1,2";
    std::string file;
    std::string folder;
    int slot = 0;
    ValueFilter where;
    std::string history = defaultHistoryFile();
};

AgeBoxes agesFrom(const std::string& ages) {
    AgeBoxes boxes{BoxValue::Unticked, BoxValue::Unticked};
    std::istringstream in(ages);
    for (std::string age; std::getline(in, age, ',');) {
        (age == "1" ? boxes.one : boxes.two) = BoxValue::Ticked;
    }
    return boxes;
}

}  // namespace

int runDump(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc > 1 && std::string(argv[1]) == "compare") {
        return runCompare(argc - 1, argv + 1, out, err);
    }
    if (argc > 1 && std::string(argv[1]) == "stars") {
        return runStars(argc - 1, argv + 1, out, err);
    }
    Options options;
    CLI::App app(kDescription, "foalix-dump");
    app.footer(kFooter);
    app.set_version_flag("--version", std::string("foalix-dump ") + FOALIX_VERSION,
                         "print the version and exit");
    app.add_option("--ages", options.ages, "ages to list: 1, 2 (every age but 1) or 1,2")
        ->check(CLI::IsMember({"1", "2", "1,2", "2,1"}))
        ->type_name("1|2|1,2")
        ->capture_default_str();
    app.add_option("--where", "list only the foals these conditions hold for")
        ->type_name("CONDITIONS")
        ->check(CLI::Validator(
            [&options](const std::string& text) {
                auto parsed = ValueFilter::parse(text);
                if (const auto* error = std::get_if<FilterError>(&parsed)) {
                    return englishText(*error);
                }
                options.where = std::get<ValueFilter>(std::move(parsed));
                return std::string();
            },
            ""));
    addSharedOptions(app, options);
    auto* file = app.add_option("--file", options.file, "read this slot file instead");
    auto* folder = app.add_option("FOLDER", options.folder, "the game's save folder");
    auto* slot = app.add_option("SLOT", options.slot, "the save slot, 1 to 5")
                     ->check(CLI::Range(kFirstSlot, kFirstSlot + kSlotCount - 1));
    file->excludes(folder)->excludes(slot);
    const CLI::Option* history = addHistoryOption(app, options.history);

    if (const auto status = parseArguments(app, argc, argv, out, err, [&] {
            if (file->count() == 0 && (folder->count() == 0 || slot->count() == 0)) {
                throw CLI::RequiredError("FOLDER and SLOT, or --file");
            }
        })) {
        return *status;
    }

    // The copy the game reads, as the window reads it (a VirtualStore copy on Windows).
    const std::string path =
        slotFileToRead(file->count() ? options.file : composeSlotFile(options.folder, options.slot),
                       systemInstallFolders());
    HorseTable table;
    LoadResult result;
    if (const auto status =
            loadSlot(path, agesFrom(options.ages), options.nameEncoding(), table, result, err)) {
        return *status;
    }
    std::vector<int> rows;
    std::ranges::copy_if(result.listedRows, std::back_inserter(rows),
                         [&](int row) { return options.where.matches(table.row(row)); });
    Roster roster{path, totalText(rows.size()), inListOrder(table, rows), &table};
    if (file->count() == 0) {
        const auto starred =
            starredRows(options.history, options.folder, options.slot, table, roster.rows, err);
        // Without the stars of a history asked for by name, the foals would read as unstarred.
        if (!starred && history->count() > 0) {
            return kExitOtherError;
        }
        roster.starred = starred.value_or(std::set<int>());
    }
    write(out, options.outputFormat(), roster);
    return finished(out, err, 0);
}

}  // namespace foalix::cli
