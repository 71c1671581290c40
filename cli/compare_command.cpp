#include "cli/compare_command.h"

#include "cli/dump_common.h"
#include "savedata/install_folders.h"
#include "savedata/roster_diff.h"

namespace foalix::cli {

using namespace savedata;

namespace {

constexpr const char* kDescription =
    "Compares every used record of two Galvaro slot files, whatever the foal's age: the\n"
    "foals that arrived, those that left (a record whose name changed is both) and the\n"
    "values that changed. Neither file is written.";

constexpr const char* kFooter =
    "Exit status: 0 nothing changed; 1 something changed; 2 Save Data not found;\n"
    "3 Save Data is damaged; 4 any other error; 64 bad usage.";

nlohmann::ordered_json diffJson(const RosterDiff& diff) {
    nlohmann::ordered_json document;
    for (const auto& [key, foals] : {std::pair{"added", &diff.added}, {"removed", &diff.removed}}) {
        document[key] = nlohmann::ordered_json::array();
        for (const auto& [row, entry] : *foals) {
            document[key].push_back(foalJson(row, entry));
        }
    }
    document["changed"] = nlohmann::ordered_json::array();
    for (const ValueChange& change : diff.changed) {
        document["changed"].push_back({{"row", change.row},
                                       {"name", change.name},
                                       {"field", change.field->key},
                                       {"old", change.old},
                                       {"new", change.now}});
    }
    return document;
}

void writeDiff(std::ostream& out, Format format, const RosterDiff& diff) {
    switch (format) {
        case Format::Text:
            writeAligned(out, diffLines(diff));
            break;
        case Format::Csv:
            writeDiffCsv(out, diff);
            break;
        case Format::Json:
            writeJsonDocument(out, diffJson(diff));
            break;
    }
}

}  // namespace

int runCompare(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    SharedOptions options;
    std::string oldPath;
    std::string newPath;
    CLI::App app(kDescription, "foalix-dump compare");
    app.footer(kFooter);
    addSharedOptions(app, options);
    app.add_option("OLD", oldPath, "the earlier slot file")->required();
    app.add_option("NEW", newPath, "the later slot file")->required();
    if (const auto status = parseArguments(app, argc, argv, out, err)) {
        return *status;
    }
    std::array<Foals, 2> foals;
    for (std::size_t i = 0; i < foals.size(); ++i) {
        HorseTable table;
        LoadResult result;
        // The copy the game reads, as foalix-dump reads it (a VirtualStore copy on Windows).
        const std::string path = slotFileToRead(i == 0 ? oldPath : newPath, systemInstallFolders());
        if (const auto status = loadSlot(path, {}, options.nameEncoding(), table, result, err)) {
            return *status;
        }
        foals[i] = foalsOf(table, result.usedRows);
    }
    const RosterDiff diff = diffRosters(foals[0], foals[1]);
    writeDiff(out, options.outputFormat(), diff);
    return finished(out, err, diff.empty() ? 0 : kExitChanged);
}

}  // namespace foalix::cli
