#include "history/history.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "history/sqlite.h"

namespace foalix::history {

using savedata::Foals;
using savedata::HorseEntry;
using savedata::kHorseFields;

namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 throughout, as SQLite takes them; the file system is given them as such.
fs::path utf8Path(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

// A file SQLite does not recognise, or one whose pages contradict each other.
bool isDamage(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

std::string fieldColumns() {
    std::string columns;
    for (const auto& field : kHorseFields) {
        columns += std::string(", \"") + field.key + "\"";
    }
    return columns;
}

std::string schema() {
    std::string foalColumns;
    for (const auto& field : kHorseFields) {
        foalColumns += std::string(",\n  \"") + field.key + "\" TEXT NOT NULL";
    }
    return "CREATE TABLE IF NOT EXISTS reads (\n"
           "  id INTEGER PRIMARY KEY,\n"
           "  save_folder TEXT NOT NULL,\n"
           "  slot INTEGER NOT NULL,\n"
           "  read_at INTEGER NOT NULL,\n"
           "  file_time INTEGER NOT NULL,\n"
           "  content_sha1 TEXT NOT NULL);\n"
           "CREATE INDEX IF NOT EXISTS reads_of_slot ON reads (save_folder, slot, id);\n"
           "CREATE TABLE IF NOT EXISTS foals (\n"
           "  read_id INTEGER NOT NULL REFERENCES reads (id),\n"
           "  record INTEGER NOT NULL,\n"
           "  name TEXT NOT NULL" +
           foalColumns + ",\n  PRIMARY KEY (read_id, record)) WITHOUT ROWID;\n";
}

std::string reason(const SqliteError& e) {
    switch (e.code()) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "another Foalix is writing to it";
        case SQLITE_FULL:
            return "the disk is full";
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            return "it cannot be written";
        default:
            return e.what();
    }
}

std::string localTimeStamp() {
    const std::time_t now = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", std::localtime(&now));
    return text;
}

}  // namespace

History::History(std::string file, Limits limits) : file_(std::move(file)), limits_(limits) {
    open();
}

History::~History() = default;

void History::open() {
    try {
        connect();
        return;
    } catch (const SqliteError& e) {
        db_.reset();
        if (!isDamage(e.code())) {
            notice_ = "History not kept: " + reason(e);
            return;
        }
    }
    setAside();
    try {
        connect();
    } catch (const SqliteError& e) {
        db_.reset();
        notice_ = "History not kept: " + reason(e);
    }
}

void History::connect() {
    auto db = std::make_unique<Connection>(file_);
    sqlite3_busy_timeout(db->handle(), limits_.busyTimeoutMs);
    if (limits_.maxPageCount > 0) {
        db->exec(("PRAGMA max_page_count = " + std::to_string(limits_.maxPageCount)).c_str());
    }
    {
        Statement check(*db, "PRAGMA integrity_check(1)");
        if (check.step() && check.text(0) != "ok") {
            throw SqliteError(SQLITE_CORRUPT, check.text(0));
        }
    }
    db->exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;");
    db->exec(schema().c_str());
    db_ = std::move(db);
}

// The damaged file and its write-ahead log keep their contents under a name of their own;
// the log's index is rebuilt from the log and goes.
void History::setAside() {
    const std::string aside = file_ + ".damaged-" + localTimeStamp();
    std::error_code ignored;
    fs::rename(utf8Path(file_), utf8Path(aside), ignored);
    fs::rename(utf8Path(file_ + "-wal"), utf8Path(aside + "-wal"), ignored);
    fs::remove(utf8Path(file_ + "-shm"), ignored);
    notice_ = "History was damaged: set aside as " + utf8Path(aside).filename().string() +
              ", a new one started";
}

template <typename Work, typename Result>
Result History::guarded(const char* doing, Work work, Result fallback) {
    if (!db_) {
        return fallback;
    }
    try {
        return work();
    } catch (const SqliteError& e) {
        if (!sqlite3_get_autocommit(db_->handle())) {
            sqlite3_exec(db_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        }
        notice_ = std::string(doing) + ": " + reason(e);
        if (isDamage(e.code())) {
            // Found damaged while in use: set aside now, so the next read starts afresh.
            db_.reset();
            open();
        }
        return fallback;
    }
}

std::optional<Baseline> History::keep(const ReadInfo& read, const Foals& foals) {
    const bool kept = guarded(
        "This read was not kept in the history",
        [&] {
            db_->exec("BEGIN IMMEDIATE");
            const auto last = newest(read.saveFolder, read.slot, 1);
            if (last.empty() || foalsIn(last[0].id) != foals) {
                insert(read, foals);
            }
            db_->exec("COMMIT");
            return true;
        },
        false);
    // The baseline is read after the write, or without it when it failed.
    return guarded(
        "The history cannot be read",
        [&]() -> std::optional<Baseline> {
            auto lastTwo = newest(read.saveFolder, read.slot, 2);
            if (!kept && !lastTwo.empty() && foalsIn(lastTwo[0].id) != foals) {
                // Not kept: the last kept read is what this one changed from.
                lastTwo.insert(lastTwo.begin(), KeptRead{});
            }
            if (lastTwo.size() < 2) {
                return std::nullopt;
            }
            return Baseline{lastTwo[1], foalsIn(lastTwo[1].id)};
        },
        std::optional<Baseline>());
}

std::vector<KeptRead> History::newest(const std::string& saveFolder, int slot, int count) {
    Statement select(*db_,
                     "SELECT id, read_at, (SELECT count(*) FROM foals WHERE read_id = id) "
                     "FROM reads WHERE save_folder = ? AND slot = ? ORDER BY id DESC LIMIT ?");
    select.bind(saveFolder).bind(slot).bind(count);
    std::vector<KeptRead> reads;
    while (select.step()) {
        reads.push_back(
            {select.integer(0), select.integer(1), static_cast<int>(select.integer(2)), std::nullopt});
    }
    return reads;
}

void History::insert(const ReadInfo& read, const Foals& foals) {
    Statement addRead(*db_,
                      "INSERT INTO reads (save_folder, slot, read_at, file_time, content_sha1) "
                      "VALUES (?, ?, ?, ?, ?)");
    addRead.bind(read.saveFolder).bind(read.slot).bind(read.readAt).bind(read.fileTime);
    addRead.bind(read.contentHash).step();
    const std::int64_t id = sqlite3_last_insert_rowid(db_->handle());
    std::string sql =
        "INSERT INTO foals (read_id, record, name" + fieldColumns() + ") VALUES (?, ?, ?";
    for (std::size_t i = 0; i < kHorseFields.size(); ++i) {
        sql += ", ?";
    }
    Statement addFoal(*db_, (sql + ")").c_str());
    for (const auto& [record, entry] : foals) {
        addFoal.bind(id).bind(record).bind(entry.name);
        for (const auto& field : kHorseFields) {
            addFoal.bind(entry.*field.member);
        }
        addFoal.step();
        addFoal.reset();
    }
    // Only the slot's newest reads stay.
    const char* beyondLimit =
        "SELECT id FROM reads WHERE save_folder = ? AND slot = ? ORDER BY id DESC "
        "LIMIT -1 OFFSET ?";
    for (const std::string table : {"foals WHERE read_id", "reads WHERE id"}) {
        Statement trim(*db_, ("DELETE FROM " + table + " IN (" + beyondLimit + ")").c_str());
        trim.bind(read.saveFolder).bind(read.slot).bind(limits_.readsPerSlot).step();
    }
}

std::vector<KeptRead> History::reads(const std::string& saveFolder, int slot) {
    return guarded(
        "The history cannot be read", [&] { return newest(saveFolder, slot, -1); },
        std::vector<KeptRead>());
}

Foals History::foalsOf(std::int64_t readId) {
    return guarded(
        "The history cannot be read", [&] { return foalsIn(readId); }, Foals());
}

Foals History::foalsIn(std::int64_t readId) {
    Statement select(*db_, ("SELECT record, name" + fieldColumns() +
                            " FROM foals WHERE read_id = ? ORDER BY record")
                               .c_str());
    select.bind(readId);
    Foals foals;
    while (select.step()) {
        HorseEntry& entry = foals[static_cast<int>(select.integer(0))];
        entry.name = select.text(1);
        for (std::size_t i = 0; i < kHorseFields.size(); ++i) {
            entry.*kHorseFields[i].member = select.text(static_cast<int>(i) + 2);
        }
    }
    return foals;
}

bool History::clear() {
    return guarded(
        "The history was not cleared",
        [&] {
            db_->exec("BEGIN IMMEDIATE; DELETE FROM foals; DELETE FROM reads; COMMIT;");
            return true;
        },
        false);
}

}  // namespace foalix::history
