#include "cli/stars_command.h"

#include <cstdlib>
#include <ctime>

#include "cli/dump_command.h"
#include "cli/dump_common.h"
#include "history/history.h"
#include "savedata/install_folders.h"

namespace foalix::cli {
namespace {

// foalix-dump waits for a window's write as long as it takes a window to write: reading
// never waits in WAL mode, and a command line has no window to keep answering.
constexpr history::Limits kReadingLimits{.busyTimeoutMs = 2000};

constexpr const char* kDescription =
    "Lists every foal starred in the Foalix window: its save folder (as the window was\n"
    "given it), slot, record and name, and when it was starred. The history is only read.";

constexpr const char* kFooter =
    "Exit status: 0 listed (a history that is not there holds no stars); 4 the history\n"
    "cannot be read (why on stderr); 64 bad usage.\n"
    "Text gives the time in local time (ISO 8601), CSV and JSON in Unix seconds.";

// The history's sentence about what went wrong, on `err`; false when there was none.
bool reported(history::History& history, const std::string& file, std::ostream& err) {
    const history::Notice notice = history.takeNotice();
    if (!notice.empty()) {
        err << "foalix-dump: " << file << ": " << notice.text() << "\n";
    }
    return !notice.empty();
}

// 2025-01-02T14:05:30, in local time; the seconds themselves when the system has no such date.
std::string localTime(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    char text[32];
    if (local == nullptr || std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", local) == 0) {
        return std::to_string(seconds);
    }
    return text;
}

void writeStars(std::ostream& out, Format format, const std::string& file,
                const std::vector<history::StarredFoal>& stars) {
    if (format == Format::Text) {
        std::vector<std::vector<std::string>> lines{
            {"Save folder", "Slot", "No.", "馬名", "Starred"}};
        for (const auto& star : stars) {
            lines.push_back({star.saveFolder, std::to_string(star.slot),
                             std::to_string(star.record), star.name, localTime(star.starredAt)});
        }
        writeAligned(out, std::move(lines));
    } else if (format == Format::Csv) {
        savedata::writeCsvRecord(out, {"save_folder", "slot", "row", "name", "starred_at"});
        for (const auto& star : stars) {
            savedata::writeCsvRecord(
                out, {star.saveFolder, std::to_string(star.slot), std::to_string(star.record),
                      star.name, std::to_string(star.starredAt)});
        }
    } else {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& star : stars) {
            list.push_back({{"save_folder", star.saveFolder},
                            {"slot", star.slot},
                            {"row", star.record},
                            {"name", star.name},
                            {"starred_at", star.starredAt}});
        }
        writeJsonDocument(out, {{"history", file}, {"stars", std::move(list)}});
    }
}

}  // namespace

std::string defaultHistoryFile() {
#ifdef _WIN32
    // Where the window's Qt puts it: the known folder, not the variable.
    return savedata::localAppDataFolder() + "\\foalix\\" + history::kHistoryFileName;
#else
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder = data != nullptr && *data != '\0'
                                   ? data
                                   : std::string(home != nullptr ? home : "") + "/.local/share";
    return folder + "/foalix/" + history::kHistoryFileName;
#endif
}

CLI::Option* addHistoryOption(CLI::App& app, std::string& file) {
    return app.add_option("--history", file, "the window's history, to read the stars from")
        ->type_name("FILE")
        ->capture_default_str();
}

std::optional<std::set<int>> starredRows(const std::string& historyFile,
                                         const std::string& saveFolder, int slot,
                                         const savedata::HorseTable& table,
                                         const std::vector<int>& rows, std::ostream& err) {
    history::History history(historyFile, kReadingLimits, history::Access::ReadOnly);
    const auto stars = history.stars(saveFolder, slot);
    if (reported(history, historyFile, err)) {
        return std::nullopt;
    }
    return history::starredAmong(stars, table, rows);
}

int runStars(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    SharedOptions options;
    std::string file = defaultHistoryFile();
    CLI::App app(kDescription, "foalix-dump stars");
    app.footer(kFooter);
    addFormatOption(app, options);
    addHistoryOption(app, file);
    if (const auto status = parseArguments(app, argc, argv, out, err)) {
        return *status;
    }
    history::History history(file, kReadingLimits, history::Access::ReadOnly);
    const std::vector<history::StarredFoal> stars = history.allStars();
    if (reported(history, file, err)) {
        return kExitOtherError;
    }
    writeStars(out, options.outputFormat(), file, stars);
    return finished(out, err, 0);
}

}  // namespace foalix::cli
