#include "history/timeline.h"

#include <algorithm>

#include "history/schema.h"
#include "history/sqlite.h"
#include "savedata/roster_diff.h"

namespace foalix::history {

Timeline timelineAmong(int record, const std::string& name, const RecordReads& newestFirst) {
    Timeline timeline{record, name, {}};
    for (const auto& [read, entry] : newestFirst) {
        if (!entry) {
            continue;
        }
        if (!savedata::isSameFoal(&*entry, name)) {
            break;
        }
        timeline.reads.push_back({read, *entry});
    }
    std::ranges::reverse(timeline.reads);
    return timeline;
}

RecordReads recordReads(Connection& db, const std::string& saveFolder, int slot, int record) {
    std::string columns;
    for (const FoalColumn& column : kFoalColumns) {
        columns += std::string(", foals.\"") + column.name + "\"";  // "When" is SQL's
    }
    Statement select(db,
                     "SELECT reads.id, reads.read_at, (SELECT count(*) FROM foals AS counted "
                     "WHERE counted.read_id = reads.id), reads.changes, foals.record" +
                         columns +
                         " FROM reads LEFT JOIN foals ON foals.read_id = reads.id AND "
                         "foals.record = ? WHERE reads.save_folder = ? AND reads.slot = ? "
                         "ORDER BY reads.id DESC");
    select.bind(record).bind(saveFolder).bind(slot);
    RecordReads reads;
    while (select.step()) {
        KeptRead read{select.integer(0), select.integer(1), static_cast<int>(select.integer(2)),
                      select.optionalInteger(3)};
        std::optional<savedata::HorseEntry> entry;
        if (select.optionalInteger(4)) {
            entry.emplace();
            for (std::size_t i = 0; i < kFoalColumns.size(); ++i) {
                entry.value().*kFoalColumns[i].member = select.text(static_cast<int>(i) + 5);
            }
        }
        reads.emplace_back(read, std::move(entry));
    }
    return reads;
}

}  // namespace foalix::history
