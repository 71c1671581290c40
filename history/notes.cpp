#include "history/notes.h"

#include <algorithm>

#include "history/folder_spelling.h"
#include "history/schema.h"
#include "history/sqlite.h"
#include "savedata/roster_diff.h"

namespace foalix::history {

bool isBlankNote(std::string_view text) {
    while (!text.empty()) {
        if (text.find_first_of(" \t\r\n") == 0) {
            text.remove_prefix(1);
        } else if (text.starts_with("\u3000")) {  // the ideographic space, in UTF-8
            text.remove_prefix(3);
        } else if (text.starts_with("\u00A0")) {
            text.remove_prefix(2);
        } else {
            return false;
        }
    }
    return true;
}

void setNote(Connection& db, const std::string& saveFolder, int slot, int record,
             const std::string& name, const std::string& text, std::int64_t at) {
    const bool blank = isBlankNote(text);
    Statement change(db, blank ? "DELETE FROM notes WHERE " + sameFolderCondition() +
                                     " AND slot = ? AND record = ? AND name = ?"
                               : "INSERT OR REPLACE INTO notes (save_folder, slot, record, "
                                 "name, note, written_at) VALUES (?, ?, ?, ?, ?, ?)");
    change.bind(folderSpelling(saveFolder)).bind(slot).bind(record).bind(name);
    if (!blank) {
        change.bind(text).bind(at);
    }
    change.step();
}

std::vector<FoalNote> notesIn(Connection& db, const std::string* saveFolder, int slot) {
    // Opened to read, a file made before notes were kept has none.
    if (!hasTable(db, "notes")) {
        return {};
    }
    std::string sql = "SELECT save_folder, slot, record, name, note, written_at FROM notes";
    if (saveFolder != nullptr) {
        sql += " WHERE " + sameFolderCondition() + " AND slot = ?";
    }
    Statement select(db, sql + " ORDER BY save_folder, slot, record, name");
    if (saveFolder != nullptr) {
        select.bind(folderSpelling(*saveFolder)).bind(slot);
    }
    std::vector<FoalNote> notes;
    while (select.step()) {
        notes.push_back({select.text(0), static_cast<int>(select.integer(1)),
                         static_cast<int>(select.integer(2)), select.text(3), select.text(4),
                         select.integer(5)});
    }
    return notes;
}

std::map<int, std::string> notesAmong(const SlotNotes& notes, const savedata::HorseTable& table,
                                      const std::vector<int>& records) {
    std::map<int, std::string> held;
    for (const auto& [key, text] : notes) {
        const auto& [record, name] = key;
        if (std::ranges::find(records, record) != records.end() &&
            savedata::isSameFoal(&table.row(record), name)) {
            held.emplace(record, text);
        }
    }
    return held;
}

}  // namespace foalix::history
