// Backing up the history to a file of the player's, and taking such a file back.
#include <filesystem>
#include <system_error>

#include "history/folder_spelling.h"
#include "history/history.h"
#include "history/history_guarded.h"
#include "history/schema.h"
#include "history/set_aside.h"

namespace foalix::history {

namespace fs = std::filesystem;

namespace {

// Copies the database at `from` into `to`, made anew beside it (`to`.part) and renamed over
// it once whole; raises SqliteError or fs::filesystem_error, and leaves no part behind.
void copyWhole(Connection& from, const std::string& to) {
    const fs::path part = utf8Path(to + ".part");
    fs::remove(part);
    try {
        from.backUpTo(to + ".part");
        fs::rename(part, utf8Path(to));
    } catch (...) {
        std::error_code ignored;
        fs::remove(part, ignored);
        throw;
    }
}

}  // namespace

BackupCheck checkBackup(const std::string& file) {
    BackupCheck check;
    try {
        Connection db(file, Connection::Mode::ReadOnly);
        check.version = userVersion(db);
        if (singleInteger(db,
                          "SELECT count(*) FROM pragma_integrity_check WHERE "
                          "integrity_check <> 'ok'") != 0) {
            check.reason = kDamaged;
        } else if (!hasTable(db, "reads") || !hasTable(db, "foals")) {
            check.reason = kNotAHistory;
        } else if (check.version > kSchemaVersion) {
            check.reason = kNewer;
        } else {
            check.usable = true;
        }
    } catch (const SqliteError& e) {
        check.reason = e.damaged() ? kDamaged : nullptr;
        check.detail = e.damaged() ? std::string() : e.what();
    }
    return check;
}

bool History::backUp(const std::string& out) {
    std::error_code none;
    if (!fs::exists(utf8Path(file_), none)) {
        notice_ = {kNotBackedUp, kNoHistoryYet, {}};
        return false;
    }
    // Written over the history (or its log), the copy would take the file in use away.
    for (const char* suffix : {"", "-wal", "-shm"}) {
        std::error_code apart;
        if (fs::equivalent(utf8Path(out), utf8Path(file_ + suffix), apart)) {
            notice_ = {kNotBackedUp, kIsTheHistory, {}};
            return false;
        }
    }
    try {
        return guarded(
            kNotBackedUp,
            [&] {
                copyWhole(*db_, out);
                return true;
            },
            false);
    } catch (const fs::filesystem_error& e) {
        notice_ = {kNotBackedUp, nullptr, e.code().message()};
        return false;
    }
}

bool History::restore(const std::string& file) {
    const BackupCheck check = checkBackup(file);
    if (!check.usable) {
        notice_ = {kNotRestored, check.reason, check.detail};
        return false;
    }
    const std::string taken = file_ + ".restoring";
    try {
        // The chosen file copied beside the history first: a copy that fails changes nothing.
        std::error_code ignored;
        fs::create_directories(utf8Path(file_).parent_path(), ignored);
        Connection chosen(file, Connection::Mode::ReadOnly);
        copyWhole(chosen, taken);
    } catch (const SqliteError& e) {
        notice_ = failure(kNotRestored, e);
        return false;
    } catch (const fs::filesystem_error& e) {
        notice_ = {kNotRestored, nullptr, e.code().message()};
        return false;
    }
    db_.reset();
    version_ = 0;
    std::error_code error;
    std::string aside;
    if (fs::exists(utf8Path(file_), error)) {
        const SetAside done = setAside(file_, "replaced");
        if (!done.done) {
            fs::remove(utf8Path(taken), error);
            notice_ = {kNotRestored, nullptr, done.error};
            return false;
        }
        aside = done.name;
    }
    fs::rename(utf8Path(taken), utf8Path(file_), error);
    if (error) {
        // The history set aside goes back: the player keeps the one they had.
        notice_ = {kNotRestored, nullptr, error.message()};
        std::error_code ignored;
        if (!aside.empty()) {
            const fs::path folder = utf8Path(file_).parent_path();
            fs::rename(folder / utf8Path(aside), utf8Path(file_), ignored);
        }
        fs::remove(utf8Path(taken), ignored);
        return false;
    }
    // Opened (and brought to this release's tables) now, so a failure shows at once.
    const bool opened = guarded(
        kNotRestored, [] { return true; }, false);
    if (opened) {
        notice_ =
            aside.empty() ? Notice{kRestoredAnew, nullptr, {}} : Notice{kRestored, nullptr, aside};
    }
    return opened;
}

}  // namespace foalix::history
