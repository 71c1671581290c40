#include "history/timeline.h"

#include <algorithm>

#include "history/folder_spelling.h"
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

namespace {

// The folder as the slot's reads were kept under it: reads keep the folder as it was chosen,
// so the spelling of the newest read that names the same folder as `saveFolder` (written
// with "." or a separator at its end, or on Windows in another case), else `saveFolder`.
std::string keptSpelling(Connection& db, const std::string& saveFolder, int slot) {
    const auto same = [](std::string a, std::string b) {
#ifdef _WIN32
        for (std::string* text : {&a, &b}) {
            std::ranges::transform(*text, text->begin(), [](char c) {
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            });
        }
#endif
        return a == b;
    };
    const std::string wanted = folderSpelling(saveFolder);
    Statement select(db,
                     "SELECT save_folder FROM reads WHERE slot = ? GROUP BY save_folder "
                     "ORDER BY max(id) DESC");
    select.bind(slot);
    while (select.step()) {
        const std::string kept = select.text(0);
        if (same(folderSpelling(kept), wanted)) {
            return kept;
        }
    }
    return saveFolder;
}

}  // namespace

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
    select.bind(record).bind(keptSpelling(db, saveFolder, slot)).bind(slot);
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
