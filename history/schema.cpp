#include "history/schema.h"

#include <tuple>
#include <vector>

#include "history/reads.h"
#include "history/sqlite.h"

namespace foalix::history {

using savedata::Foals;

std::string foalColumns() {
    std::string columns;
    for (const auto& column : kFoalColumns) {
        columns += std::string(", \"") + column.name + "\"";
    }
    return columns;
}

int userVersion(Connection& db) {
    return static_cast<int>(singleInteger(db, "PRAGMA user_version"));
}

bool hasTable(Connection& db, const char* name) {
    return singleInteger(db, std::string("SELECT count(*) FROM sqlite_master WHERE type = "
                                         "'table' AND name = '") +
                                 name + "'") != 0;
}

namespace {

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

// Unversioned (made before the file had a version) to 1: each read gets its number of
// changes from the slot's read kept before it; the foals' rows go with their read.
void upgradeUnversioned(Connection& db) {
    db.exec(
        "ALTER TABLE foals RENAME TO unversioned_foals;"
        "ALTER TABLE reads ADD COLUMN changes INTEGER;");
    db.exec(kVersion1Foals);
    // The same columns, named; a row whose read has gone (none should) stays out.
    const std::string columns = "read_id, record" + foalColumns();
    db.exec("INSERT INTO foals (" + columns + ") SELECT " + columns +
            " FROM unversioned_foals WHERE read_id IN (SELECT id FROM reads);"
            "DROP TABLE unversioned_foals;");
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

// 2 to 3: the player's notes on foals, keyed as the stars are.
void addNotes(Connection& db) {
    db.exec(R"(
CREATE TABLE notes (
  save_folder TEXT NOT NULL,
  slot INTEGER NOT NULL,
  record INTEGER NOT NULL,
  name TEXT NOT NULL,
  note TEXT NOT NULL,
  written_at INTEGER NOT NULL,
  PRIMARY KEY (save_folder, slot, record, name)) WITHOUT ROWID;
)");
}

// The steps that bring a file to this release's tables, in order: kSteps[v] takes version
// v to v + 1. The next version adds its step here.
using Step = void (*)(Connection&);
constexpr std::array<Step, 3> kSteps{upgradeUnversioned, addStars, addNotes};
static_assert(kSteps.size() == kSchemaVersion);

}  // namespace

int upgrade(Connection& db) {
    Transaction write(db);
    const int found = userVersion(db);
    int version = found;
    if (version == 0 && !hasTable(db, "reads")) {
        db.exec(kVersion1);
        db.exec(kVersion1Foals);
        version = 1;
    }
    for (; version < kSchemaVersion; ++version) {
        kSteps[static_cast<std::size_t>(version)](db);
    }
    if (version != found) {
        db.exec("PRAGMA user_version = " + std::to_string(version));
    }
    write.commit();
    return found;
}

}  // namespace foalix::history
