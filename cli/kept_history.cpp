#include "cli/kept_history.h"

#include <cstdlib>
#include <ctime>

#include "cli/window_profiles.h"
#include "history/stars.h"
#include "savedata/install_folders.h"

namespace foalix::cli {

std::string defaultHistoryFile() {
#ifdef _WIN32
    // Where the window's Qt puts it: the known folder, not the variable.
    return savedata::localAppDataFolder() + "\\foalix\\" + history::kHistoryFileName;
#else
    return xdgFolder("XDG_DATA_HOME", ".local/share") + "/foalix/" + history::kHistoryFileName;
#endif
}

CLI::Option* addHistoryOption(CLI::App& app, std::string& file) {
    return app.add_option("--history", file, "the window's history")
        ->type_name("FILE")
        ->capture_default_str();
}

bool reported(history::History& history, const std::string& file, std::ostream& err) {
    const history::Notice notice = history.takeNotice();
    if (!notice.empty()) {
        err << "foalix-dump: " << file << ": " << notice.text() << "\n";
    }
    return !notice.empty();
}

std::string localTime(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    char text[32];
    if (local == nullptr || std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", local) == 0) {
        return std::to_string(seconds);
    }
    return text;
}

std::optional<KeptMarks> keptMarks(const std::string& historyFile, const std::string& saveFolder,
                                   int slot, const savedata::HorseTable& table,
                                   const std::vector<int>& rows, std::ostream& err) {
    history::History history(historyFile, kReadingLimits, history::Access::ReadOnly);
    const auto stars = history.stars(saveFolder, slot);
    const auto notes = history.notes(saveFolder, slot);
    if (reported(history, historyFile, err)) {
        return std::nullopt;
    }
    return KeptMarks{history::starredAmong(stars, table, rows),
                     history::notesAmong(notes, table, rows)};
}

}  // namespace foalix::cli
