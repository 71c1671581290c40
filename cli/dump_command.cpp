#include "cli/dump_command.h"

#include <CLI/CLI.hpp>
#include <map>
#include <sstream>

#include "cli/dump_output.h"
#include "savedata/list_order.h"
#include "savedata/roster_loader.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"

namespace foalix::cli {

using namespace savedata;

namespace {

constexpr const char* kDescription =
    "Lists the foals of one Galvaro save slot, as the Foalix window lists them: the\n"
    "foals whose age is chosen with --ages, sorted by name, each with its fourteen\n"
    "characteristics, then the total. The save file is only read, never written.";

constexpr const char* kFooter =
    "Exit status: 0 listed; 2 Save Data not found; 3 Save Data is damaged;\n"
    "4 any other error (its number and text on stderr); 64 bad usage.\n"
    "CSV ends with a record whose row field is \"total\" and whose name field is the total.";

struct Options {
    std::string ages = "1,2";
    std::string format = "text";
    std::string encoding = "auto";
    std::string file;
    std::string folder;
    int slot = 0;
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
    Options options;
    CLI::App app(kDescription, "foalix-dump");
    app.footer(kFooter);
    app.add_option("--ages", options.ages, "ages to list: 1, 2 (every age but 1) or 1,2")
        ->check(CLI::IsMember({"1", "2", "1,2", "2,1"}))
        ->type_name("1|2|1,2")
        ->capture_default_str();
    app.add_option("--format", options.format, "output form: text, csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}))
        ->type_name("text|csv|json")
        ->capture_default_str();
    app.add_option("--encoding", options.encoding,
                   "names' code page: auto (detected from the roster), shift-jis or big5")
        ->check(CLI::IsMember({"auto", "shift-jis", "big5"}))
        ->type_name("auto|shift-jis|big5")
        ->capture_default_str();
    auto* file = app.add_option("--file", options.file, "read this slot file instead");
    auto* folder = app.add_option("FOLDER", options.folder, "the game's save folder");
    auto* slot = app.add_option("SLOT", options.slot, "the save slot, 1 to 5")
                     ->check(CLI::Range(kFirstSlot, kFirstSlot + kSlotCount - 1));
    file->excludes(folder)->excludes(slot);

    try {
        app.parse(argc, argv);
        if (file->count() == 0 && (folder->count() == 0 || slot->count() == 0)) {
            throw CLI::RequiredError("FOLDER and SLOT, or --file");
        }
    } catch (const CLI::ParseError& e) {
        std::ostringstream help;
        const int status = app.exit(e, out, help);
        err << help.str();
        return status == 0 ? 0 : kExitUsage;
    }

    const std::string path =
        file->count() ? options.file : composeSlotFile(options.folder, options.slot);
    const std::map<std::string, Format> formats{
        {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}};

    HorseTable table;
    LoadResult result;
    try {
        result = Load_Horses(SlotFile(path), agesFrom(options.ages), table,
                             *choiceFromKey(options.encoding));
    } catch (const std::exception& e) {
        // RunTimeError says "Run-time error 'N': text"; anything else (out of memory)
        // is reported the same way rather than ending in a crash report.
        err << "foalix-dump: " << path << ": " << e.what() << "\n";
        return kExitOtherError;
    }
    if (result.status != LoadStatus::Loaded) {
        err << statusMessage(result.status) << "\n";
        return result.status == LoadStatus::NotFound ? kExitNotFound : kExitDamaged;
    }
    const Roster roster{path, result.total, inListOrder(table, result.listedRows), &table};
    write(out, formats.at(options.format), roster);
    out.flush();
    if (!out) {
        err << "foalix-dump: cannot write the output\n";
        return kExitOtherError;
    }
    return 0;
}

}  // namespace foalix::cli
