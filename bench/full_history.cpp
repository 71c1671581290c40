#include "bench/full_history.h"

#include "history/sqlite.h"
#include "savedata/format.h"

namespace foalix::bench {

savedata::Foals fortyFoals(const char* grade) {
    savedata::Foals foals;
    for (int r = 1; r <= savedata::kRosterRecords; ++r) {
        savedata::HorseEntry& entry = foals[r];
        for (const auto& field : savedata::kHorseFields) {
            entry.*field.member = "B";
        }
        entry.name = "ハヤテノカゼ" + std::to_string(r);
        entry.Grade = grade;
    }
    return foals;
}

history::ReadInfo readOf(int slot, std::int64_t at) {
    return {kHistorySaveFolder, slot, at, at - 5, std::string(40, 'a')};
}

void writeHistory(const std::string& file, bool full) {
    history::History(file).reads(kHistorySaveFolder, 1);  // made with its tables
    if (!full) {
        return;
    }
    history::Connection db(file);
    db.exec("BEGIN");
    history::Statement read(db,
                            "INSERT INTO reads (save_folder, slot, read_at, file_time, "
                            "content_sha1, changes) VALUES (?, ?, ?, ?, ?, ?)");
    history::Statement foal(
        db, "INSERT INTO foals VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const savedata::Foals foals = fortyFoals("B");
    for (int slot = savedata::kFirstSlot; slot < savedata::kFirstSlot + savedata::kSlotCount;
         ++slot) {
        for (int n = 0; n < kFullHistoryReads; ++n) {
            const history::ReadInfo info = readOf(slot, 1'000'000 + n);
            read.bind(info.saveFolder).bind(slot).bind(info.readAt).bind(info.fileTime);
            read.bind(info.contentHash).bind(n == 0 ? std::optional<int>() : 1).step();
            read.reset();
            const std::int64_t id = db.lastInsertId();
            for (const auto& [record, entry] : foals) {
                foal.bind(id).bind(record).bind(entry.name);
                for (const auto& field : savedata::kHorseFields) {
                    foal.bind(entry.*field.member);
                }
                foal.step();
                foal.reset();
            }
        }
    }
    db.exec("COMMIT");
}

}  // namespace foalix::bench
