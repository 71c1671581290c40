#include "cli/backup_command.h"

#include <filesystem>

#include "cli/dump_command.h"
#include "cli/dump_common.h"
#include "cli/kept_history.h"
#include "history/folder_spelling.h"

namespace foalix::cli {
namespace {

constexpr const char* kDescription =
    "Copies the Foalix window's whole history (every read, star and note) to OUT with\n"
    "SQLite's online backup, whole and consistent while a window keeps reads. The window's\n"
    "File > Restore History… takes the copy back, here or on another computer.";

constexpr const char* kFooter =
    "Exit status: 0 copied; 4 OUT is there already (left as it is), or the history cannot\n"
    "be read or OUT written (why on stderr); 64 bad usage.";

}  // namespace

int runBackup(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    std::string file = defaultHistoryFile();
    std::string copy;
    CLI::App app(kDescription, "foalix-dump backup");
    app.footer(kFooter);
    addHistoryOption(app, file);
    app.add_option("OUT", copy, "the file to write; one that is there is never replaced")
        ->required();
    if (const auto status = parseArguments(app, argc, argv, out, err)) {
        return *status;
    }
    std::error_code unknown;
    if (std::filesystem::exists(history::utf8Path(copy), unknown) || unknown) {
        err << "foalix-dump: " << copy << ": is there already; nothing was written\n";
        return kExitOtherError;
    }
    history::History history(file, kReadingLimits, history::Access::ReadOnly);
    const bool copied = history.backUp(copy);
    if (reported(history, file, err) || !copied) {
        return kExitOtherError;
    }
    out << "Backed up " << file << " to " << copy << "\n";
    return finished(out, err, 0);
}

}  // namespace foalix::cli
