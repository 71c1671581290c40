#include "history/stars.h"

#include <algorithm>

#include "history/folder_spelling.h"
#include "history/schema.h"
#include "history/sqlite.h"
#include "savedata/roster_diff.h"

namespace foalix::history {

void setStar(Connection& db, const std::string& saveFolder, int slot, int record,
             const std::string& name, bool on, std::int64_t at) {
    const std::string sql =
        on ? "INSERT OR IGNORE INTO stars (save_folder, slot, record, name, starred_at) "
             "VALUES (?, ?, ?, ?, ?)"
           : "DELETE FROM stars WHERE " + sameFolderCondition() +
                 " AND slot = ? AND record = ? AND name = ?";
    Statement change(db, sql);
    change.bind(folderSpelling(saveFolder)).bind(slot).bind(record).bind(name);
    if (on) {
        change.bind(at);
    }
    change.step();
}

std::vector<StarredFoal> starsIn(Connection& db, const std::string* saveFolder, int slot) {
    // Opened to read, a file made before stars were kept has none.
    if (!hasTable(db, "stars")) {
        return {};
    }
    std::string sql = "SELECT save_folder, slot, record, name, starred_at FROM stars";
    if (saveFolder != nullptr) {
        sql += " WHERE " + sameFolderCondition() + " AND slot = ?";
    }
    Statement select(db, sql + " ORDER BY save_folder, slot, record, name");
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

std::set<int> starredAmong(const std::set<std::pair<int, std::string>>& stars,
                           const savedata::HorseTable& table, const std::vector<int>& records) {
    std::set<int> starred;
    for (const auto& [record, name] : stars) {
        if (std::ranges::find(records, record) != records.end() &&
            savedata::isSameFoal(&table.row(record), name)) {
            starred.insert(record);
        }
    }
    return starred;
}

}  // namespace foalix::history
