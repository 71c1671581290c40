#include "history/history.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <tuple>

#include "history/sqlite.h"
#include "savedata/translatable.h"

namespace foalix::history {

std::string Notice::text() const {
    if (empty()) {
        return {};
    }
    const auto filled = [](std::string text, const std::string& argument) {
        const auto at = text.find("%1");
        return at == std::string::npos ? text : text.replace(at, 2, argument);
    };
    return filled(sentence, reason != nullptr ? filled(reason, detail) : detail);
}

using savedata::Foals;
using savedata::HorseEntry;

namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 throughout, as SQLite takes them; the file system is given them as such.
fs::path utf8Path(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

// A save folder in one spelling however it was written: absolute, without "." or "..",
// without a separator at its end. The window and foalix-dump may each be given the folder
// another way, and a star is the foal's in either.
std::string folderSpelling(const std::string& folder) {
    std::error_code failed;
    fs::path path = fs::absolute(utf8Path(folder), failed);
    if (failed) {
        return folder;
    }
    path = path.lexically_normal();
    if (!path.has_filename() && path.has_relative_path()) {
        path = path.parent_path();
    }
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Windows' file names are case blind: so are its save folders' stars.
#ifdef _WIN32
const std::string kSameFolder = "save_folder = ? COLLATE NOCASE";
#else
const std::string kSameFolder = "save_folder = ?";
#endif

// A file SQLite does not recognise, or one whose pages contradict each other.
bool isDamage(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

// The foals table's columns after `record`, each with the value it holds. Fixed here, not
// taken from the fields the window shows, so a change to the display never changes the
// tables players' scripts read.
struct FoalColumn {
    const char* name;
    std::string HorseEntry::*member;
};

constexpr std::array<FoalColumn, 15> kFoalColumns{{
    {"name", &HorseEntry::name},
    {"Grade", &HorseEntry::Grade},
    {"SP", &HorseEntry::SP},
    {"ST", &HorseEntry::ST},
    {"Age", &HorseEntry::Age},
    {"Strong", &HorseEntry::Strong},
    {"Win", &HorseEntry::Win},
    {"When", &HorseEntry::When},
    {"Burst", &HorseEntry::Burst},
    {"Grass", &HorseEntry::Grass},
    {"Mud", &HorseEntry::Mud},
    {"Sex", &HorseEntry::Sex},
    {"Mind", &HorseEntry::Mind},
    {"Temper", &HorseEntry::Temper},
    {"Brian", &HorseEntry::Brian},
}};

// ", "name", "Grade"…: the value columns as SQL lists them.
std::string foalColumns() {
    std::string columns;
    for (const auto& column : kFoalColumns) {
        columns += std::string(", \"") + column.name + "\"";
    }
    return columns;
}

// The tables of version 1, as a new file gets them. The statements of each version are
// written out in full, so no later change here alters what an earlier step made.
constexpr const char* kVersion1 = R"(
CREATE TABLE reads (
  id INTEGER PRIMARY KEY,
  save_folder TEXT NOT NULL,
  slot INTEGER NOT NULL,
  read_at INTEGER NOT NULL,
  file_time INTEGER NOT NULL,
  content_sha1 TEXT NOT NULL,
  changes INTEGER);
CREATE INDEX reads_of_slot ON reads (save_folder, slot, id);
)";
constexpr const char* kVersion1Foals = R"(
CREATE TABLE foals (
  read_id INTEGER NOT NULL REFERENCES reads (id) ON DELETE CASCADE,
  record INTEGER NOT NULL,
  name TEXT NOT NULL,
  "Grade" TEXT NOT NULL, "SP" TEXT NOT NULL, "ST" TEXT NOT NULL, "Age" TEXT NOT NULL,
  "Strong" TEXT NOT NULL, "Win" TEXT NOT NULL, "When" TEXT NOT NULL, "Burst" TEXT NOT NULL,
  "Grass" TEXT NOT NULL, "Mud" TEXT NOT NULL, "Sex" TEXT NOT NULL, "Mind" TEXT NOT NULL,
  "Temper" TEXT NOT NULL, "Brian" TEXT NOT NULL,
  PRIMARY KEY (read_id, record)) WITHOUT ROWID;
)";

int userVersion(Connection& db) {
    Statement pragma(db, "PRAGMA user_version");
    pragma.step();
    return static_cast<int>(pragma.integer(0));
}

Foals foalsIn(Connection& db, std::int64_t readId) {
    Statement select(
        db, ("SELECT record" + foalColumns() + " FROM foals WHERE read_id = ? ORDER BY record")
                .c_str());
    select.bind(readId);
    Foals foals;
    while (select.step()) {
        HorseEntry& entry = foals[static_cast<int>(select.integer(0))];
        for (std::size_t i = 0; i < kFoalColumns.size(); ++i) {
            entry.*kFoalColumns[i].member = select.text(static_cast<int>(i) + 1);
        }
    }
    return foals;
}

// What the history window counts for a read: foals that arrived or left, values that moved.
int changeCount(const Foals& before, const Foals& now) {
    const savedata::RosterDiff diff = savedata::diffRosters(before, now);
    return static_cast<int>(diff.added.size() + diff.removed.size() + diff.changed.size());
}

// Unversioned (made before the file had a version) to 1: each read gets its number of
// changes from the slot's read kept before it; the foals' rows go with their read.
void upgradeUnversioned(Connection& db) {
    db.exec(
        "ALTER TABLE foals RENAME TO unversioned_foals;"
        "ALTER TABLE reads ADD COLUMN changes INTEGER;");
    db.exec(kVersion1Foals);
    // The same columns, named; a row whose read has gone (none should) stays out.
    const std::string columns = "read_id, record" + foalColumns();
    db.exec(("INSERT INTO foals (" + columns + ") SELECT " + columns +
             " FROM unversioned_foals WHERE read_id IN (SELECT id FROM reads);"
             "DROP TABLE unversioned_foals;")
                .c_str());
    std::vector<std::tuple<std::string, std::int64_t, std::int64_t>> reads;
    Statement select(db, "SELECT save_folder, slot, id FROM reads ORDER BY save_folder, slot, id");
    while (select.step()) {
        reads.emplace_back(select.text(0), select.integer(1), select.integer(2));
    }
    Statement update(db, "UPDATE reads SET changes = ? WHERE id = ?");
    Foals before;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        Foals now = foalsIn(db, std::get<2>(reads[i]));
        if (i > 0 && std::tie(std::get<0>(reads[i - 1]), std::get<1>(reads[i - 1])) ==
                         std::tie(std::get<0>(reads[i]), std::get<1>(reads[i]))) {
            update.bind(changeCount(before, now)).bind(std::get<2>(reads[i])).step();
            update.reset();
        }
        before = std::move(now);
    }
}

// 1 to 2: the stars, kept apart from the reads.
void addStars(Connection& db) {
    db.exec(R"(
CREATE TABLE stars (
  save_folder TEXT NOT NULL,
  slot INTEGER NOT NULL,
  record INTEGER NOT NULL,
  name TEXT NOT NULL,
  starred_at INTEGER NOT NULL,
  PRIMARY KEY (save_folder, slot, record, name)) WITHOUT ROWID;
)");
}

// The steps that bring a file to this release's tables, in order: kSteps[v] takes version
// v to v + 1. The next version adds its step here; a new file is made at version 1 and
// takes the steps after it.
using Step = void (*)(Connection&);
constexpr std::array<Step, 2> kSteps{upgradeUnversioned, addStars};
constexpr int kVersion = static_cast<int>(kSteps.size());

// Brings `db` to kVersion in one transaction, which another window's upgrade waits for.
// Returns the version found in it: newer than kVersion when a newer Foalix got there first.
int upgrade(Connection& db) {
    db.exec("BEGIN IMMEDIATE");
    const int found = userVersion(db);
    int version = found;
    if (version == 0) {
        Statement tables(db, "SELECT count(*) FROM sqlite_master WHERE name = 'reads'");
        tables.step();
        if (tables.integer(0) == 0) {
            db.exec(kVersion1);
            db.exec(kVersion1Foals);
            version = 1;
        }
    }
    for (; version < kVersion; ++version) {
        kSteps[static_cast<std::size_t>(version)](db);
    }
    if (version != found) {
        db.exec(("PRAGMA user_version = " + std::to_string(version)).c_str());
    }
    db.exec("COMMIT");
    return found;
}

// The sentences and reasons of the notices, in the words the window translates.
constexpr const char* kNotKept = QT_TRANSLATE_NOOP("History", "History not kept: %1");
constexpr const char* kReadNotKept =
    QT_TRANSLATE_NOOP("History", "This read was not kept in the history: %1");
constexpr const char* kCannotRead = QT_TRANSLATE_NOOP("History", "The history cannot be read: %1");
constexpr const char* kNotCleared = QT_TRANSLATE_NOOP("History", "The history was not cleared: %1");
constexpr const char* kStarNotChanged =
    QT_TRANSLATE_NOOP("History", "The star was not changed: %1");
constexpr const char* kSetAside =
    QT_TRANSLATE_NOOP("History", "History was damaged: set aside as %1, a new one started");

Notice failure(const char* sentence, const SqliteError& e) {
    switch (e.code()) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return {sentence, QT_TRANSLATE_NOOP("History", "another Foalix is writing to it"), {}};
        case SQLITE_FULL:
            return {sentence, QT_TRANSLATE_NOOP("History", "the disk is full"), {}};
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            return {sentence, QT_TRANSLATE_NOOP("History", "it cannot be written"), {}};
        default:
            return {sentence, nullptr, e.what()};
    }
}

// Local time to the millisecond: 20250102-140530.123.
std::string localTimeStamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    char text[40];
    const std::size_t length =
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", std::localtime(&seconds));
    std::snprintf(text + length, sizeof text - length, ".%03d", static_cast<int>(millis));
    return text;
}

}  // namespace

History::History(std::string file, Limits limits, Access access)
    : file_(std::move(file)), limits_(limits), access_(access) {}

History::~History() = default;

bool History::open() {
    std::error_code ignored;
    if (access_ == Access::ReadOnly) {
        // A file the system cannot look for is left to SQLite, which says why.
        if (!fs::exists(utf8Path(file_), ignored) && !ignored) {
            return false;
        }
        db_ = std::make_unique<Connection>(file_, Connection::Mode::ReadOnly);
        sqlite3_busy_timeout(db_->handle(), limits_.busyTimeoutMs);
        return true;
    }
    fs::create_directories(utf8Path(file_).parent_path(), ignored);
    auto db = std::make_unique<Connection>(file_);
    sqlite3_busy_timeout(db->handle(), limits_.busyTimeoutMs);
    // Reading the version reads the file's header: a file that is not a database shows here.
    int version = userVersion(*db);
    if (version <= kVersion) {
        db->exec(
            "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;"
            "PRAGMA foreign_keys = ON;");
        if (limits_.maxPageCount > 0) {
            db->exec(("PRAGMA max_page_count = " + std::to_string(limits_.maxPageCount)).c_str());
        }
        if (version < kVersion) {
            version = upgrade(*db);
        }
    }
    if (version > kVersion) {
        notice_ = {kNotKept, QT_TRANSLATE_NOOP("History", "made by a newer Foalix"), {}};
        return false;
    }
    db_ = std::move(db);
    return true;
}

// The damaged file and its write-ahead log keep their contents under a name no earlier
// set-aside has; the log's index is rebuilt from the log and goes.
bool History::setAside() {
    const std::string stamped = file_ + ".damaged-" + localTimeStamp();
    std::string aside = stamped;
    std::error_code error;
    for (int n = 2;
         fs::exists(utf8Path(aside), error) || fs::exists(utf8Path(aside + "-wal"), error); ++n) {
        aside = stamped + "-" + std::to_string(n);
    }
    // The log first: one left behind would be read into the fresh file. When the file
    // itself cannot follow, the log goes back beside it, so nothing is half set aside.
    const bool log = fs::exists(utf8Path(file_ + "-wal"), error);
    if (log) {
        fs::rename(utf8Path(file_ + "-wal"), utf8Path(aside + "-wal"), error);
    }
    if (!error) {
        fs::rename(utf8Path(file_), utf8Path(aside), error);
        if (error && log) {
            std::error_code ignored;
            fs::rename(utf8Path(aside + "-wal"), utf8Path(file_ + "-wal"), ignored);
        }
    }
    if (error) {
        notice_ = {kNotKept,
                   QT_TRANSLATE_NOOP("History", "it is damaged and could not be set aside (%1)"),
                   error.message()};
        return false;
    }
    fs::remove(utf8Path(file_ + "-shm"), error);
    notice_ = {kSetAside, nullptr, utf8Path(aside).filename().string()};
    return true;
}

template <typename Work, typename Result>
Result History::guarded(const char* doing, Work work, Result fallback) {
    for (bool firstTry = true;; firstTry = false) {
        try {
            if (!db_ && !open()) {
                return fallback;
            }
            return work();
        } catch (const SqliteError& e) {
            // Set when `work` failed; a failure to open leaves it unset, and the next use
            // tries again.
            const bool opened = db_ != nullptr;
            if (opened && !sqlite3_get_autocommit(db_->handle())) {
                sqlite3_exec(db_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
            }
            // Read only, nothing is set aside: SQLite's own words say what went wrong.
            if (access_ == Access::ReadOnly) {
                notice_ = {doing, nullptr, e.what()};
                return fallback;
            }
            if (isDamage(e.code())) {
                db_.reset();
                if (firstTry && setAside()) {
                    continue;
                }
                if (!firstTry) {
                    notice_ = failure(kNotKept, e);
                }
                return fallback;
            }
            notice_ = failure(opened ? doing : kNotKept, e);
            return fallback;
        }
    }
}

std::optional<Baseline> History::keep(const ReadInfo& read, const Foals& foals) {
    std::optional<Baseline> baseline;
    bool compared = false;
    guarded(
        kReadNotKept,
        [&] {
            db_->exec("BEGIN IMMEDIATE");
            bool changed = false;
            baseline = baselineFor(read, foals, changed);
            compared = true;
            if (changed) {
                insert(read, foals,
                       baseline ? changeCount(baseline->foals, foals) : std::optional<int>());
            }
            db_->exec("COMMIT");
            return true;
        },
        false);
    if (compared || !db_) {
        return baseline;
    }
    // The write could not start (another window holds it): compared without it.
    return guarded(
        kCannotRead,
        [&] {
            bool changed = false;
            return baselineFor(read, foals, changed);
        },
        std::optional<Baseline>());
}

std::optional<Baseline> History::baselineFor(const ReadInfo& read, const Foals& foals,
                                             bool& changed) {
    const auto lastTwo = newest(read.saveFolder, read.slot, 2);
    Foals last = lastTwo.empty() ? Foals() : foalsIn(*db_, lastTwo[0].id);
    changed = lastTwo.empty() || last != foals;
    if (changed && !lastTwo.empty()) {
        return Baseline{lastTwo[0], std::move(last)};
    }
    if (changed || lastTwo.size() < 2) {
        return std::nullopt;
    }
    return Baseline{lastTwo[1], foalsIn(*db_, lastTwo[1].id)};
}

std::vector<KeptRead> History::newest(const std::string& saveFolder, int slot, int count) {
    Statement select(*db_,
                     "SELECT id, read_at, (SELECT count(*) FROM foals WHERE read_id = reads.id), "
                     "changes FROM reads WHERE save_folder = ? AND slot = ? "
                     "ORDER BY id DESC LIMIT ?");
    select.bind(saveFolder).bind(slot).bind(count);
    std::vector<KeptRead> reads;
    while (select.step()) {
        reads.push_back({select.integer(0), select.integer(1), static_cast<int>(select.integer(2)),
                         select.optionalInteger(3)});
    }
    return reads;
}

void History::insert(const ReadInfo& read, const Foals& foals, std::optional<int> changes) {
    Statement addRead(*db_,
                      "INSERT INTO reads (save_folder, slot, read_at, file_time, content_sha1, "
                      "changes) VALUES (?, ?, ?, ?, ?, ?)");
    addRead.bind(read.saveFolder).bind(read.slot).bind(read.readAt).bind(read.fileTime);
    addRead.bind(read.contentHash).bind(changes).step();
    const std::int64_t id = sqlite3_last_insert_rowid(db_->handle());
    std::string sql = "INSERT INTO foals (read_id, record" + foalColumns() + ") VALUES (?, ?";
    for (std::size_t i = 0; i < kFoalColumns.size(); ++i) {
        sql += ", ?";
    }
    Statement addFoal(*db_, (sql + ")").c_str());
    for (const auto& [record, entry] : foals) {
        addFoal.bind(id).bind(record);
        for (const auto& column : kFoalColumns) {
            addFoal.bind(entry.*column.member);
        }
        addFoal.step();
        addFoal.reset();
    }
    // Only the slot's newest reads stay; their foals go with them.
    Statement trim(*db_,
                   "DELETE FROM reads WHERE id IN (SELECT id FROM reads WHERE save_folder = ? "
                   "AND slot = ? ORDER BY id DESC LIMIT -1 OFFSET ?)");
    trim.bind(read.saveFolder).bind(read.slot).bind(limits_.readsPerSlot).step();
}

std::vector<KeptRead> History::reads(const std::string& saveFolder, int slot) {
    return guarded(
        kCannotRead, [&] { return newest(saveFolder, slot, -1); }, std::vector<KeptRead>());
}

Foals History::foalsOf(std::int64_t readId) {
    return guarded(
        kCannotRead, [&] { return foalsIn(*db_, readId); }, Foals());
}

bool History::clear() {
    return guarded(
        kNotCleared,
        [&] {
            db_->exec("DELETE FROM reads");
            return true;
        },
        false);
}

bool History::star(const std::string& saveFolder, int slot, int record, const std::string& name,
                   bool on, std::int64_t at) {
    return guarded(
        kStarNotChanged,
        [&] {
            const std::string sql =
                on ? "INSERT OR IGNORE INTO stars (save_folder, slot, record, name, starred_at) "
                     "VALUES (?, ?, ?, ?, ?)"
                   : "DELETE FROM stars WHERE " + kSameFolder +
                         " AND slot = ? AND record = ? AND name = ?";
            Statement change(*db_, sql.c_str());
            change.bind(folderSpelling(saveFolder)).bind(slot).bind(record).bind(name);
            if (on) {
                change.bind(at);
            }
            change.step();
            return true;
        },
        false);
}

std::vector<StarredFoal> History::starsOf(const std::string* saveFolder, int slot) {
    // Opened to read, a file made before stars were kept has none.
    Statement table(*db_,
                    "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'stars'");
    table.step();
    if (table.integer(0) == 0) {
        return {};
    }
    std::string sql = "SELECT save_folder, slot, record, name, starred_at FROM stars";
    if (saveFolder != nullptr) {
        sql += " WHERE " + kSameFolder + " AND slot = ?";
    }
    Statement select(*db_, (sql + " ORDER BY save_folder, slot, record, name").c_str());
    if (saveFolder != nullptr) {
        select.bind(folderSpelling(*saveFolder)).bind(slot);
    }
    std::vector<StarredFoal> stars;
    while (select.step()) {
        stars.push_back({select.text(0), static_cast<int>(select.integer(1)),
                         static_cast<int>(select.integer(2)), select.text(3), select.integer(4)});
    }
    return stars;
}

std::set<std::pair<int, std::string>> History::stars(const std::string& saveFolder, int slot) {
    std::set<std::pair<int, std::string>> stars;
    for (StarredFoal& star : guarded(
             kCannotRead, [&] { return starsOf(&saveFolder, slot); }, std::vector<StarredFoal>())) {
        stars.emplace(star.record, std::move(star.name));
    }
    return stars;
}

std::vector<StarredFoal> History::allStars() {
    return guarded(
        kCannotRead, [&] { return starsOf(nullptr, 0); }, std::vector<StarredFoal>());
}

std::set<int> starredAmong(const std::set<std::pair<int, std::string>>& stars,
                           const savedata::HorseTable& table, const std::vector<int>& records) {
    std::set<int> starred;
    for (int record : records) {
        if (stars.contains({record, table.row(record).name})) {
            starred.insert(record);
        }
    }
    return starred;
}

}  // namespace foalix::history
