#include "history/history.h"

#include <filesystem>
#include <system_error>

#include "history/folder_spelling.h"
#include "history/history_guarded.h"
#include "history/schema.h"
#include "history/set_aside.h"
#include "history/sqlite.h"

namespace foalix::history {

using savedata::Foals;

namespace fs = std::filesystem;

History::History(std::string file, Limits limits, Access access)
    : file_(std::move(file)), limits_(limits), access_(access), waitMs_(limits.busyTimeoutMs) {}

History::~History() {
    if (!waiting_.empty() && db_) {
        guarded(
            kReadNotKept,
            [&] {
                write(nullptr, nullptr);
                return true;
            },
            false);
    }
}

bool History::open() {
    std::error_code ignored;
    if (access_ == Access::ReadOnly) {
        // A file the system cannot look for is left to SQLite, which says why.
        if (!fs::exists(utf8Path(file_), ignored) && !ignored) {
            return false;
        }
        db_ = std::make_unique<Connection>(file_, Connection::Mode::ReadOnly);
        return true;
    }
    fs::create_directories(utf8Path(file_).parent_path(), ignored);
    auto db = std::make_unique<Connection>(file_);
    db->setBusyTimeout(waitMs_);
    // Reading the version reads the file's header: a file that is not a database shows here.
    int version = userVersion(*db);
    if (version <= kSchemaVersion) {
        db->exec(
            "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;"
            "PRAGMA foreign_keys = ON;");
        if (limits_.maxPageCount > 0) {
            db->exec("PRAGMA max_page_count = " + std::to_string(limits_.maxPageCount));
        }
        if (version < kSchemaVersion) {
            version = upgrade(*db);
        }
    }
    if (version > kSchemaVersion) {
        notice_ = {kNotKept, kNewer, {}};
        return false;
    }
    db_ = std::move(db);
    version_ = kSchemaVersion;
    return true;
}

bool History::setDamagedAside() {
    const SetAside aside = setAside(file_);
    notice_ = aside.done ? Notice{kSetAside, nullptr, aside.name}
                         : Notice{kNotKept, kNotSetAside, aside.error};
    return aside.done;
}

std::optional<Baseline> History::write(const ReadInfo* read, const Foals* foals) {
    Transaction transaction(*db_);
    for (const Waiting& waiting : waiting_) {
        keepRead(*db_, waiting.read, waiting.foals, limits_.readsPerSlot);
    }
    std::optional<Baseline> baseline;
    if (read != nullptr) {
        baseline = keepRead(*db_, *read, *foals, limits_.readsPerSlot);
    }
    transaction.commit();
    waiting_.clear();
    return baseline;
}

std::vector<Baseline> History::newestOf(const ReadInfo& read) {
    std::vector<Baseline> newest;
    for (auto waiting = waiting_.rbegin(); waiting != waiting_.rend() && newest.size() < 2;
         ++waiting) {
        if (waiting->read.saveFolder == read.saveFolder && waiting->read.slot == read.slot) {
            newest.push_back(
                {{0, waiting->read.readAt, static_cast<int>(waiting->foals.size()), {}},
                 waiting->foals});
        }
    }
    if (newest.size() < 2 && db_) {
        for (Baseline& kept : guarded(
                 kCannotRead, [&] { return newestTwo(*db_, read.saveFolder, read.slot); },
                 std::vector<Baseline>())) {
            newest.push_back(std::move(kept));
        }
    }
    return newest;
}

std::optional<Baseline> History::keep(const ReadInfo& read, const Foals& foals) {
    bool written = false;
    const bool waited = !waiting_.empty();
    std::optional<Baseline> baseline = guarded(
        kReadNotKept,
        [&] {
            auto found = write(&read, &foals);
            written = true;
            return found;
        },
        std::optional<Baseline>());
    const bool wait = busy_;
    if (written && waited) {
        notice_ = {kWaitingKept, nullptr, {}};
    }
    if (written || (!wait && !db_)) {
        return baseline;
    }
    // Not written (another program holds the lock): compared with the slot's newest read,
    // kept or waiting; a read of other foals waits behind the others.
    const Notice why = takeNotice();
    bool changed = false;
    baseline = baselineAmong(newestOf(read), foals, changed);
    if (wait) {
        // The same save read again is the read waiting already: nothing new to say.
        notice_ = {};
        if (changed) {
            waiting_.push_back({read, foals});
            if (waiting_.size() > limits_.mostWaiting) {
                waiting_.pop_front();
            }
            notice_ = {kReadWaits, kInUse, {}};
        }
    } else if (notice_.empty()) {
        notice_ = why;
    }
    return baseline;
}

bool History::keepWaiting() {
    if (waiting_.empty()) {
        return true;
    }
    bool written = false;
    // Tried, not waited for: another try follows.
    waitMs_ = 0;
    guarded(
        kReadNotKept,
        [&] {
            write(nullptr, nullptr);
            written = true;
            return true;
        },
        false);
    waitMs_ = limits_.busyTimeoutMs;
    if (written) {
        notice_ = {kWaitingKept, nullptr, {}};
    } else if (busy_) {
        notice_ = {};  // still in use: said when the read first waited
    }
    return written;
}

std::vector<KeptRead> History::reads(const std::string& saveFolder, int slot) {
    return guarded(
        kCannotRead, [&] { return newestReads(*db_, saveFolder, slot, -1); },
        std::vector<KeptRead>());
}

Foals History::foalsOf(std::int64_t readId) {
    return guarded(
        kCannotRead, [&] { return foalsIn(*db_, readId); }, Foals());
}

Timeline History::timeline(const std::string& saveFolder, int slot, int record,
                           const std::optional<std::string>& name) {
    const RecordReads reads = guarded(
        kCannotRead, [&] { return recordReads(*db_, saveFolder, slot, record); }, RecordReads());
    if (name) {
        return timelineAmong(record, *name, reads);
    }
    if (reads.empty() || !reads.front().second) {
        return {record, {}, {}};
    }
    return timelineAmong(record, reads.front().second->name, reads);
}

bool History::clear() {
    const bool cleared = guarded(
        kNotCleared,
        [&] {
            db_->exec("DELETE FROM reads");
            return true;
        },
        false);
    if (cleared) {
        waiting_.clear();
    }
    return cleared;
}

std::int64_t History::sizeOnDisk() const {
    std::int64_t size = 0;
    for (const char* suffix : {"", "-wal"}) {
        std::error_code absent;
        const auto bytes = fs::file_size(utf8Path(file_ + suffix), absent);
        size += absent ? 0 : static_cast<std::int64_t>(bytes);
    }
    return size;
}

}  // namespace foalix::history
