#include "history/reads.h"

#include "history/schema.h"
#include "history/sqlite.h"

namespace foalix::history {

using savedata::Foals;
using savedata::HorseEntry;

int changeCount(const Foals& before, const Foals& now) {
    const savedata::RosterDiff diff = savedata::diffRosters(before, now);
    return static_cast<int>(diff.added.size() + diff.removed.size() + diff.changed.size());
}

std::optional<Baseline> baselineAmong(const std::vector<Baseline>& newest, const Foals& foals,
                                      bool& changed) {
    changed = newest.empty() || newest[0].foals != foals;
    if (changed && !newest.empty()) {
        return newest[0];
    }
    if (changed || newest.size() < 2) {
        return std::nullopt;
    }
    return newest[1];
}

Foals foalsIn(Connection& db, std::int64_t readId) {
    Statement select(
        db, "SELECT record" + foalColumns() + " FROM foals WHERE read_id = ? ORDER BY record");
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

std::vector<KeptRead> newestReads(Connection& db, const std::string& saveFolder, int slot,
                                  int count) {
    Statement select(db,
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

std::vector<Baseline> newestTwo(Connection& db, const std::string& saveFolder, int slot) {
    std::vector<Baseline> newest;
    for (const KeptRead& read : newestReads(db, saveFolder, slot, 2)) {
        newest.push_back({read, foalsIn(db, read.id)});
    }
    return newest;
}

namespace {

void insert(Connection& db, const ReadInfo& read, const Foals& foals, std::optional<int> changes,
            int readsPerSlot) {
    Statement addRead(db,
                      "INSERT INTO reads (save_folder, slot, read_at, file_time, content_sha1, "
                      "changes) VALUES (?, ?, ?, ?, ?, ?)");
    addRead.bind(read.saveFolder).bind(read.slot).bind(read.readAt).bind(read.fileTime);
    addRead.bind(read.contentHash).bind(changes).step();
    const std::int64_t id = db.lastInsertId();
    std::string sql = "INSERT INTO foals (read_id, record" + foalColumns() + ") VALUES (?, ?";
    for (std::size_t i = 0; i < kFoalColumns.size(); ++i) {
        sql += ", ?";
    }
    Statement addFoal(db, sql + ")");
    for (const auto& [record, entry] : foals) {
        addFoal.bind(id).bind(record);
        for (const auto& column : kFoalColumns) {
            addFoal.bind(entry.*column.member);
        }
        addFoal.step();
        addFoal.reset();
    }
    // Only the slot's newest reads stay; their foals go with them.
    Statement trim(db,
                   "DELETE FROM reads WHERE id IN (SELECT id FROM reads WHERE save_folder = ? "
                   "AND slot = ? ORDER BY id DESC LIMIT -1 OFFSET ?)");
    trim.bind(read.saveFolder).bind(read.slot).bind(readsPerSlot).step();
}

}  // namespace

std::optional<Baseline> keepRead(Connection& db, const ReadInfo& read, const Foals& foals,
                                 int readsPerSlot) {
    bool changed = false;
    auto baseline = baselineAmong(newestTwo(db, read.saveFolder, read.slot), foals, changed);
    if (changed) {
        insert(db, read, foals,
               baseline ? changeCount(baseline->foals, foals) : std::optional<int>(), readsPerSlot);
    }
    return baseline;
}

}  // namespace foalix::history
