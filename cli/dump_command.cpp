#include "cli/dump_command.h"

#include <CLI/CLI.hpp>

#include "cli/backup_command.h"
#include "cli/compare_command.h"
#include "cli/dump_common.h"
#include "cli/mark_commands.h"
#include "cli/overview_command.h"
#include "cli/roster_options.h"
#include "cli/timeline_command.h"

namespace foalix::cli {

using namespace savedata;

namespace {

constexpr const char* kDescription =
    "Lists the foals of one Galvaro save slot, as the Foalix window lists them: the\n"
    "foals whose age is chosen with --ages (and, with --where, whose values the\n"
    "conditions hold for), sorted by name (or by score), each with its fourteen\n"
    "characteristics (and its score), then the total. The save file is only read, never\n"
    "written.";

constexpr const char* kFooter =
    "Exit status: 0 listed; 2 Save Data not found; 3 Save Data is damaged;\n"
    "4 any other error (its number and text on stderr); 64 bad usage.\n"
    "CSV ends with a record whose row field is \"total\" and whose name field is the total.\n"
    "--where: conditions apart by spaces, all of which must hold. FIELD OP VALUE, no\n"
    "spaces inside: FIELD a JSON key in any case or a caption (ＳＰ, 芝適, 賢); OP = or\n"
    "!=, or < <= > >= by the field's own scale (the grade D C B A S; speed, stamina,\n"
    "strength, spirit and wits D C B A; guts, burst and the aptitudes C B A; age 1 2 -;\n"
    "growth 早 普 遲 晚; sex 牡 牝; temper 激 荒 普 大); VALUE one of the field's values;\n"
    "FIELD score (or 評分) compares the score, 0 to 100. Any other word is text the name\n"
    "holds. Example: --where 'SP>=A Grass=A Sex=牝 score>=60'\n"
    "Each foal is marked starred (JSON \"starred\": true, CSV \"starred\" 1) when the\n"
    "window's history (--history, only read) holds a star for FOLDER (however written),\n"
    "SLOT, the record and its name; a slot file given with --file has none. A --history\n"
    "that cannot be read fails (4); the window's own, when unreadable, stars nothing.\n"
    "The words new (or 新: new since the slot's previous read in the window's history) and\n"
    "starred (or ★) in --where list only such foals.\n"
    "`foalix-dump compare --help` tells how to compare two slot files;\n"
    "`foalix-dump stars --help` how to list every star;\n"
    "`foalix-dump notes --help` how to list every note;\n"
    "`foalix-dump timeline --help` how to follow a foal over every read;\n"
    "`foalix-dump backup --help` how to copy the window's history;\n"
    "`foalix-dump overview --help` how to count the foals' values.";

}  // namespace

int runDump(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc > 1 && std::string(argv[1]) == "compare") {
        return runCompare(argc - 1, argv + 1, out, err);
    }
    if (argc > 1 && std::string(argv[1]) == "stars") {
        return runStars(argc - 1, argv + 1, out, err);
    }
    if (argc > 1 && std::string(argv[1]) == "notes") {
        return runNotes(argc - 1, argv + 1, out, err);
    }
    if (argc > 1 && std::string(argv[1]) == "timeline") {
        return runTimeline(argc - 1, argv + 1, out, err);
    }
    if (argc > 1 && std::string(argv[1]) == "backup") {
        return runBackup(argc - 1, argv + 1, out, err);
    }
    if (argc > 1 && std::string(argv[1]) == "overview") {
        return runOverview(argc - 1, argv + 1, out, err);
    }
    RosterOptions options;
    CLI::App app(kDescription, "foalix-dump");
    app.footer(std::string(kFooter) + "\n" + kScoreHelp);
    app.set_version_flag("--version", std::string("foalix-dump ") + FOALIX_VERSION,
                         "print the version and exit");
    LoadedFoals loaded;
    if (const auto status = parseAndLoadFoals(app, options, argc, argv, out, err, loaded)) {
        return *status;
    }
    const Roster& roster = loaded.roster;
    write(out, options.outputFormat(), roster);
    return finished(out, err, 0);
}

}  // namespace foalix::cli
